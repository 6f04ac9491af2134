#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The language dialog: picks the language of the user interface from the lists in SysInfo.Ini.
// Run it modally; afterwards LanguageChanged tells whether LanguageName and LanguageIndex of ALL
// now name another language, which the caller then switches the running program to.
class TfSetLanguage : public QDialog
{
    Q_OBJECT

public:
    explicit TfSetLanguage(QWidget *parent = nullptr);

    bool LanguageChanged = false;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

private:
    QLabel *lbName;
    QComboBox *cbLanguage;
    // The language names that name the language files, parallel to cbLanguage; never shown.
    QListWidget *fileNames;
    QPushButton *btnOk;
    QPushButton *btnCancel;
    // The text shown when no language file is listed at the chosen position; never shown itself.
    QLabel *lbNoFile;
};
