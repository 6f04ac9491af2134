#pragma once

#include <QString>

// zq410-cli print FILE --pdf OUT.pdf [--language NAME]: the printed report of a data file as a
// PDF, drawn as Print Preview draws it. Needs no display: it runs its own offscreen GUI
// application, so it is started before the command-line tool's own application exists.
int RunPrint(int argc, char *argv[]);
QString CliPrintUsage();
