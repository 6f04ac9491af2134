#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/TEnMsg.h"
#include "settings/MessageEdit.h"
#include "settings/TfEmbeddedMessage.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

class EmbeddedMessageTest : public CoreFixture
{
protected:
    void open()
    {
        dialog = std::make_unique<TfEmbeddedMessage>();
        dialog->show();
    }
    void TearDown() override
    {
        dialog.reset();
        CoreFixture::TearDown();
    }

    std::unique_ptr<TfEmbeddedMessage> dialog;
};

TEST_F(EmbeddedMessageTest, LinesAreCopiedInOnShowAndBackOnOkOnly)
{
    EnMsg->Line1 = QStringLiteral("ZQ 410");
    EnMsg->Line2 = QStringLiteral("Line two");
    for (bool confirm : {false, true}) {
        open();
        EXPECT_EQ(dialog->edEMA->text(), QStringLiteral("ZQ 410"));
        EXPECT_EQ(dialog->edEMB->text(), QStringLiteral("Line two"));
        dialog->edEMB->selectAll();
        QTest::keyClicks(dialog->edEMB, QStringLiteral("Dealer 7"));
        QTest::mouseClick(confirm ? dialog->btnOk : dialog->btnCancel, Qt::LeftButton);
        EXPECT_EQ(EnMsg->Line2, confirm ? QStringLiteral("Dealer 7") : QStringLiteral("Line two"));
        EXPECT_EQ(EnMsg->Line1, QStringLiteral("ZQ 410"));
        // The message never marks the codeplug as modified by itself.
        EXPECT_FALSE(ALL->Modified);
    }
}

TEST_F(EmbeddedMessageTest, AStoredLineIsShownAndKeptAsItIs)
{
    // A data file may carry characters the keys cannot type; opening and confirming keeps them.
    EnMsg->Line1 = QStringLiteral("A-B.C");
    open();
    EXPECT_EQ(dialog->edEMA->text(), QStringLiteral("A-B.C"));
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    EXPECT_EQ(EnMsg->Line1, QStringLiteral("A-B.C"));
}

TEST_F(EmbeddedMessageTest, OnlyLettersDigitsAndBlanksCanBeTyped)
{
    open();
    const struct
    {
        const char *typed, *shown;
    } cases[] = {{"Ab-1.z", "Ab1z"}, {"x y,Z!9", "x yZ9"}, {"caf\xc3\xa9\xe4\xb8\xad", "caf"}};
    for (const auto &c : cases) {
        dialog->edEMA->clear();
        for (const QChar ch : QString::fromUtf8(c.typed))
            QTest::sendKeyEvent(QTest::Click, dialog->edEMA, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        EXPECT_EQ(dialog->edEMA->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    QTest::keyClick(dialog->edEMA, Qt::Key_Backspace);
    EXPECT_EQ(dialog->edEMA->text(), QStringLiteral("ca"));
    QTest::keyClicks(dialog->edEMA, QString(40, QLatin1Char('W')));
    EXPECT_EQ(dialog->edEMA->text().size(), 32);
}

TEST_F(EmbeddedMessageTest, PastedTextPassesTheSameFilter)
{
    open();
    QApplication::clipboard()->setText(QStringLiteral("Call-me: 555.1234 now!"));
    dialog->edEMB->clear();
    QTest::keyClick(dialog->edEMB, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog->edEMB->text(), QStringLiteral("Callme 5551234 now"));
    // The context menu's paste, and a paste longer than the line.
    QApplication::clipboard()->setText(QStringLiteral("a\tb-c") + QString(40, QLatin1Char('x')));
    dialog->edEMB->clear();
    dialog->edEMB->pasteFiltered();
    EXPECT_EQ(dialog->edEMB->text(), QStringLiteral("abc") + QString(29, QLatin1Char('x')));
}

} // namespace
