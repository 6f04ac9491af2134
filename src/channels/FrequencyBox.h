#pragma once

#include <QLineEdit>

// A number box for frequencies in MHz: accepts digits and one ".", and reports a value change
// only when the user commits an edit (Enter or leaving the box). Texts set by the program are
// never reported.
class FrequencyBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit FrequencyBox(QWidget *parent = nullptr);

    // Sets the text as the program's own change: no value change is reported for it.
    void setFrequencyText(const QString &text);

signals:
    void valueCommitted();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void commit();
};

// The frequency key filter: Backspace, Enter, "." and the digits pass; every other character
// is dropped. Keys that type nothing (cursor keys, shortcuts) are not characters and pass.
bool FrequencyKeyAllowed(const QKeyEvent *event);

// Whether a key types a character (Backspace and Enter included) rather than moving, deleting,
// leaving or running a shortcut; the key filters of the dialogs look at typed characters only.
bool IsTypedCharacter(const QKeyEvent *event);
