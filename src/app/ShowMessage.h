#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The one way the program talks to the user in a modal box. Type codes and results:
//   1  information, OK           -> 1
//   2  question, Yes / No        -> 6 Yes, 7 No
//   22 question, Retry / Cancel  -> 4 Retry, 2 Cancel
//   any other type shows nothing  -> 1
enum MessageType { MsgInformation = 1, MsgYesNo = 2, MsgRetryCancel = 22 };
enum MessageResult { ResultOk = 1, ResultCancel = 2, ResultRetry = 4, ResultYes = 6, ResultNo = 7 };

using MessageHandler = std::function<int(const QString &caption, const QString &text, int type)>;

int ShowMessage(const QString &caption, const QString &text, int type);

// Installs the handler that shows the boxes (message boxes in the program, standard error in
// the command-line tool, a script in tests) and returns the one it replaces.
MessageHandler SetMessageHandler(MessageHandler handler);

// The open and save dialogs of the data files, replaceable like the message boxes. They return
// the chosen path, or an empty text when the user cancels.
struct FileDialogRequest
{
    QString caption;
    QString directory;
    QString filter;      // "Data File(*.dat)|*.dat"
    QString defaultSuffix;
};
using FileDialogHandler = std::function<QString(const FileDialogRequest &request)>;

QString ChooseOpenFile(const FileDialogRequest &request);
QString ChooseSaveFile(const FileDialogRequest &request);
FileDialogHandler SetOpenFileHandler(FileDialogHandler handler);
FileDialogHandler SetSaveFileHandler(FileDialogHandler handler);
