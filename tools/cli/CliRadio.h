#pragma once

#include <QStringList>

// The radio commands of the command-line tool, on the same transfer engine as the dialogs.
int RunPorts(const QStringList &args);
int RunRead(const QStringList &args);
int RunWrite(const QStringList &args);
QString CliRadioUsage();
