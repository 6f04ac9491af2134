#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;

// The about window: product title, application icon and lines of text that all come from the
// current language file. A click on its background or a label closes it.
class TfFrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfFrmAbout(QWidget *parent = nullptr);

    QLabel *ImApp = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label9 = nullptr;
    QFrame *Panel1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void FormMouseDown();
};
