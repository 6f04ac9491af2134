#pragma once

#include <QStringList>

// Exit codes of the command-line tool.
enum CliExit { ExitDone = 0, ExitRefused = 1, ExitUsage = 2 };

int RunNew(const QStringList &args);
int RunDump(const QStringList &args);
int RunInfo(const QStringList &args);
QString CliUsage();
