#include "app/ShowMessage.h"

#include <cstdio>

namespace {

int showOnStandardError(const QString &caption, const QString &text, int type)
{
    if (type != MsgInformation && type != MsgYesNo && type != MsgRetryCancel)
        return ResultOk;
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    // Without anyone to ask, questions take the answer that changes nothing.
    if (type == MsgYesNo)
        return ResultNo;
    if (type == MsgRetryCancel)
        return ResultCancel;
    return ResultOk;
}

MessageHandler &messageHandler()
{
    static MessageHandler handler = showOnStandardError;
    return handler;
}

FileDialogHandler &openHandler()
{
    static FileDialogHandler handler;
    return handler;
}

FileDialogHandler &saveHandler()
{
    static FileDialogHandler handler;
    return handler;
}

} // namespace

int ShowMessage(const QString &caption, const QString &text, int type)
{
    if (type != MsgInformation && type != MsgYesNo && type != MsgRetryCancel)
        return ResultOk;
    const MessageHandler &handler = messageHandler();
    return handler ? handler(caption, text, type) : showOnStandardError(caption, text, type);
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(messageHandler());
    messageHandler() = std::move(handler);
    return old;
}

QString ChooseOpenFile(const FileDialogRequest &request)
{
    return openHandler() ? openHandler()(request) : QString();
}

QString ChooseSaveFile(const FileDialogRequest &request)
{
    return saveHandler() ? saveHandler()(request) : QString();
}

FileDialogHandler SetOpenFileHandler(FileDialogHandler handler)
{
    FileDialogHandler old = std::move(openHandler());
    openHandler() = std::move(handler);
    return old;
}

FileDialogHandler SetSaveFileHandler(FileDialogHandler handler)
{
    FileDialogHandler old = std::move(saveHandler());
    saveHandler() = std::move(handler);
    return old;
}
