#include "settings/TfEmbeddedMessage.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/FrequencyBox.h"
#include "codeplug/TEnMsg.h"
#include "i18n/FormLanguage.h"
#include "settings/MessageEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

MessageEdit *makeLine(QWidget *parent, const char *name, QObject *filter)
{
    auto *edit = new MessageEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->installEventFilter(filter);
    return edit;
}

} // namespace

TfEmbeddedMessage::TfEmbeddedMessage(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fEmbeddedMessage"));
    setWindowTitle(QStringLiteral("Embedded Message"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(279, 91);

    edEMA = makeLine(this, "edEMA", this);
    edEMB = makeLine(this, "edEMB", this);
    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edEMA);
    layout->addWidget(edEMB);
    layout->addLayout(buttons);

    connect(btnOk, &QPushButton::clicked, this, &TfEmbeddedMessage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfEmbeddedMessage::btnCancelClick);
}

void TfEmbeddedMessage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfEmbeddedMessage::FormShow()
{
    InitControls();
}

void TfEmbeddedMessage::InitControls()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    LoadFromEnMsg();
}

void TfEmbeddedMessage::LoadFromEnMsg()
{
    edEMA->setText(EnMsg->Line1);
    edEMB->setText(EnMsg->Line2);
}

void TfEmbeddedMessage::SaveToEnMsg()
{
    EnMsg->Line1 = edEMA->text();
    EnMsg->Line2 = edEMB->text();
}

bool TfEmbeddedMessage::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == edEMA || watched == edEMB) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // edEMAKeyPress: a typed character the radio cannot show is discarded.
        if (IsTypedCharacter(key) && (key->text().size() != 1 || !MessageCharAllowed(key->text().at(0))))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfEmbeddedMessage::btnOkClick()
{
    SaveToEnMsg();
    accept();
}

void TfEmbeddedMessage::btnCancelClick()
{
    reject();
}

void OpenEmbeddedMessage(QWidget *parent)
{
    TfEmbeddedMessage dialog(parent);
    dialog.exec();
}
