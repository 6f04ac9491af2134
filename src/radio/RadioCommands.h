#pragma once

class QWidget;
class TfMainFrm;

// The main window's radio commands.

// Read from radio (command 20): runs the read dialog modally and returns its ReadDone. After a
// true result the caller puts the read into memory with ApplyStagedRead, forgets its file name
// and refreshes its captions.
bool RunReadRadio(QWidget *parent);

// Write to radio (command 21): runs the write dialog modally; true when the last attempt in it
// wrote every record. The codeplug in memory is not changed.
bool RunWriteRadio(QWidget *parent);

// Port (command 24): runs the port dialog modally; true when it was confirmed (ALL->PortName
// then holds the choice). The caller refreshes its captions whatever the result.
bool RunSetPort(QWidget *parent);

// Gives the main window its commands 20, 21 and 24.
void WireRadioCommands(TfMainFrm &window);
