#include "about/TfFrmAbout.h"

#include "app/Artwork.h"
#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/FormLanguage.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

TfFrmAbout::TfFrmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fFrmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(408, 269);
    QFont font(QStringLiteral("宋体"), 10);
    setFont(font);

    ImApp = new QLabel(this);
    ImApp->setObjectName(QStringLiteral("ImApp"));
    ImApp->setGeometry(16, 16, 32, 32);
    ImApp->setPixmap(QPixmap::fromImage(ApplicationIcon()));
    ImApp->installEventFilter(this);
    SetStaticText(ImApp);

    auto label = [this](QWidget *parent, const char *name, const char *text, int top) {
        auto *l = new QLabel(QLatin1String(text), parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(64, top, 330, 20);
        l->installEventFilter(this);
        return l;
    };
    Label1 = label(this, "Label1", "1", 14);
    Label2 = label(this, "Label2", "2", 36);
    Label3 = label(this, "Label3", "3", 58);
    Label8 = label(this, "Label8", "4", 80);
    Label4 = label(this, "Label4", "5", 102);
    Label9 = label(this, "Label9", "6", 124);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->installEventFilter(this);
    Label5 = label(Panel1, "Label5", "7", 0);
    Label6 = label(Panel1, "Label6", "8", 20);
    Label7 = label(Panel1, "Label7", "9", 40);
    Panel1->hide();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(16, 152, 376, 101);
}

void TfFrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfFrmAbout::FormShow()
{
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        ImApp->setPixmap(icon.pixmap(32, 32));
    ApplyFormLanguage(this, ALL->LanguageName, false);
    setWindowTitle(ALL->ProductTitle);
    Memo1->clear();
    Memo1->setPlainText(Label5->text() + QLatin1Char('\n') + Label6->text() + QStringLiteral("\n\n") + Label7->text());
}

void TfFrmAbout::FormMouseDown()
{
    close();
}

void TfFrmAbout::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    FormMouseDown();
}

bool TfFrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        // The icon takes the click so that it does not reach the window behind it.
        if (watched != ImApp)
            FormMouseDown();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
