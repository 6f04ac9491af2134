#include "support/ScriptedMessages.h"

ScriptedMessages::ScriptedMessages()
{
    m_previous = SetMessageHandler(
        [this](const QString &caption, const QString &text, int type) { return respond(caption, text, type); });
}

ScriptedMessages::~ScriptedMessages()
{
    SetMessageHandler(std::move(m_previous));
}

void ScriptedMessages::answer(std::initializer_list<int> answers)
{
    m_script.append(QList<int>(answers));
}

void ScriptedMessages::setDefaultAnswer(int type, int result)
{
    if (type == MsgYesNo)
        m_defaultYesNo = result;
    else if (type == MsgRetryCancel)
        m_defaultRetryCancel = result;
}

QStringList ScriptedMessages::texts() const
{
    QStringList t;
    for (const Asked &a : m_asked)
        t.append(a.text);
    return t;
}

int ScriptedMessages::respond(const QString &caption, const QString &text, int type)
{
    m_asked.append({caption, text, type});
    if (type == MsgInformation)
        return ResultOk;
    if (!m_script.isEmpty())
        return m_script.takeFirst();
    return type == MsgYesNo ? m_defaultYesNo : m_defaultRetryCancel;
}

ScriptedFileDialogs::ScriptedFileDialogs()
{
    m_prevOpen = SetOpenFileHandler([this](const FileDialogRequest &) {
        ++m_opens;
        return m_open.isEmpty() ? QString() : m_open.takeFirst();
    });
    m_prevSave = SetSaveFileHandler([this](const FileDialogRequest &) {
        ++m_saves;
        return m_save.isEmpty() ? QString() : m_save.takeFirst();
    });
}

ScriptedFileDialogs::~ScriptedFileDialogs()
{
    SetOpenFileHandler(std::move(m_prevOpen));
    SetSaveFileHandler(std::move(m_prevSave));
}

void ScriptedFileDialogs::openAnswers(std::initializer_list<QString> paths)
{
    m_open.append(QList<QString>(paths));
}

void ScriptedFileDialogs::saveAnswers(std::initializer_list<QString> paths)
{
    m_save.append(QList<QString>(paths));
}
