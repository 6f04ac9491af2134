#pragma once

#include <QComboBox>

// An editable tone box offering the drop-down tone list (item 0 is the no-tone text). Typing is
// filtered to what tone texts are made of; a commit (Enter, leaving the box after typing, or
// choosing an item) is reported as a value change, the program's own changes are not.
class ToneBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ToneBox(QWidget *parent = nullptr);

    // Index of the item whose text the box shows, -1 when it shows a text of its own.
    int shownItemIndex() const;
    void selectItem(int index);
    void setToneText(const QString &text);

    // The tone check of the dialogs: an empty text selects item 0; any text other than item 0
    // is brought into canonical tone form.
    void CheckTone();

    // What a cell receives from the box: the channel table's no-tone text while the box shows
    // item 0, so the table stays consistent whatever a language file calls item 0.
    QString cellText(const QString &noToneText) const;

signals:
    void valueCommitted();
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void editFinished();
};

// The tone key filter: "," becomes "."; Backspace, Enter, ".", the digits and D, I, N in either
// case pass; every other character is dropped. Returns the character to type, or a null
// character when the key is dropped.
QChar FilterToneKey(QChar c);
