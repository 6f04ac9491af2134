#pragma once

class TfMainFrm;

// Gives the main window its commands 7 (Print: the print dialog, then the chosen printer) and
// 8 (Print Preview), both printing the codeplug with the header texts the window shows.
void InstallPrintCommands(TfMainFrm &mainWindow);
