#pragma once

#include "app/ShowMessage.h"

#include <QList>
#include <QString>

// Installs itself as the message service for its lifetime: records every box the program
// shows and answers questions from a script (then with a default answer).
class ScriptedMessages
{
public:
    struct Asked
    {
        QString caption;
        QString text;
        int type = 0;
    };

    ScriptedMessages();
    ~ScriptedMessages();

    // Answers for the next questions, in order (6 Yes, 7 No, 4 Retry, 2 Cancel).
    void answer(std::initializer_list<int> answers);
    void setDefaultAnswer(int type, int result);

    const QList<Asked> &asked() const { return m_asked; }
    QStringList texts() const;
    int count() const { return int(m_asked.size()); }
    void clear() { m_asked.clear(); }

private:
    int respond(const QString &caption, const QString &text, int type);

    QList<Asked> m_asked;
    QList<int> m_script;
    int m_defaultYesNo = ResultNo;
    int m_defaultRetryCancel = ResultCancel;
    MessageHandler m_previous;
};

// Answers the open and save dialogs with scripted paths ("" = cancel) for its lifetime.
class ScriptedFileDialogs
{
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs();

    void openAnswers(std::initializer_list<QString> paths);
    void saveAnswers(std::initializer_list<QString> paths);
    int opensAsked() const { return m_opens; }
    int savesAsked() const { return m_saves; }

private:
    QList<QString> m_open;
    QList<QString> m_save;
    int m_opens = 0;
    int m_saves = 0;
    FileDialogHandler m_prevOpen;
    FileDialogHandler m_prevSave;
};
