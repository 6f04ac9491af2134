#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/ChannelSpinBox.h"
#include "channels/FrequencyBox.h"
#include "channels/TfBInfoEdit.h"
#include "channels/ToneBox.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

class ChannelEditTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        ChannelData five;
        five.rx = 455.0;
        five.tx = 456.0;
        five.decodeTone = QStringLiteral("88.5");
        five.power = 0;
        five.width = 1;
        five.scanAdd = 0;
        five.beatShift = 1;
        five.busyLockout = 0;
        StoreChannelRow(*Channels, 6, five);
        ALL->Modified = false;
    }

    void open(int channel)
    {
        dialog = std::make_unique<TfBInfoEdit>();
        dialog->StartChannel = channel;
        dialog->setChannelCount(ALL->ChannelCount);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }

    // Types into a box the way the user does: select everything, type, press Enter.
    static void type(QWidget *box, const QString &text)
    {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            line->selectAll();
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(box))
            spin->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QString cell(int col, int channel) const { return Channels->text(col, channel + 1); }
    QString value(int col, int channel) const { return Channels->value(col, channel + 1); }

    void TearDown() override
    {
        dialog.reset();
        CoreFixture::TearDown();
    }

    std::unique_ptr<TfBInfoEdit> dialog;
};

TEST_F(ChannelEditTest, OpensOnTheStartChannelAndShowsItsFields)
{
    open(5);
    EXPECT_EQ(dialog->sexd->value(), 5);
    EXPECT_EQ(dialog->eReceive->text(), QStringLiteral("455.00000"));
    EXPECT_EQ(dialog->eSend->text(), QStringLiteral("456.00000"));
    EXPECT_EQ(dialog->cbQT->currentText(), QStringLiteral("88.5"));
    EXPECT_EQ(dialog->cbDQT->shownItemIndex(), 0);
    EXPECT_EQ(dialog->cbfsgl->currentIndex(), 0);
    EXPECT_EQ(dialog->cbkz->currentIndex(), 1);
    EXPECT_TRUE(dialog->chsmtj->isChecked());
    EXPECT_FALSE(dialog->chpppy->isChecked());
    EXPECT_TRUE(dialog->chfm->isChecked());
    EXPECT_TRUE(dialog->pMain->isEnabled());
    // Loading writes nothing.
    EXPECT_FALSE(ALL->Modified);

    type(dialog->sexd, QStringLiteral("4"));
    EXPECT_EQ(dialog->sexd->value(), 4);
    EXPECT_TRUE(dialog->eReceive->text().isEmpty());
    EXPECT_FALSE(dialog->pMain->isEnabled());
    EXPECT_EQ(dialog->cbkz->currentIndex(), 0);
    EXPECT_FALSE(dialog->chsmtj->isChecked());
    EXPECT_FALSE(ALL->Modified);
    EXPECT_TRUE(cell(ColRx, 4).isEmpty());
}

TEST_F(ChannelEditTest, TypedChannelNumbersStayWithinTheModel)
{
    open(1);
    const struct
    {
        const char *typed;
        int shown;
    } cases[] = {{"0", 1}, {"99", 16}, {"16", 16}, {"7", 7}, {"123456789012345678901", 16}};
    for (const auto &c : cases) {
        type(dialog->sexd, QString::fromLatin1(c.typed));
        EXPECT_EQ(dialog->sexd->value(), c.shown) << c.typed;
    }
    EXPECT_EQ(dialog->sexd->maximum(), 16);
}

TEST_F(ChannelEditTest, AFrequencyTypedIntoAFreeChannelMakesItAChannelWithTheControlsShown)
{
    // The no-tone text of a language whose tone boxes call item 0 differently.
    Channels->setNoToneText(QStringLiteral("无"));
    open(5);
    // Power is the one control a free channel keeps: Low from channel 5.
    type(dialog->sexd, QStringLiteral("2"));
    type(dialog->eReceive, QStringLiteral("462.5625"));

    EXPECT_EQ(dialog->eReceive->text(), QStringLiteral("462.56250"));
    EXPECT_EQ(cell(ColRx, 2), QStringLiteral("462.56250"));
    EXPECT_EQ(cell(ColTx, 2), QStringLiteral("462.56250"));
    EXPECT_EQ(cell(ColDecode, 2), QStringLiteral("无"));
    EXPECT_EQ(cell(ColEncode, 2), QStringLiteral("无"));
    EXPECT_EQ(cell(ColPower, 2), QStringLiteral("Low"));
    EXPECT_EQ(value(ColPower, 2), QStringLiteral("0"));
    EXPECT_EQ(cell(ColWidth, 2), QStringLiteral("Wide"));
    EXPECT_EQ(value(ColWidth, 2), QStringLiteral("0"));
    for (int col : {ColScanAdd, ColBeatShift, ColBusyLockout}) {
        EXPECT_EQ(cell(col, 2), QStringLiteral("No")) << col;
        EXPECT_EQ(value(col, 2), QStringLiteral("1")) << col;
    }
    EXPECT_EQ(value(ColNumber, 2), QStringLiteral("1"));
    EXPECT_FALSE(Channels->readOnly(ColTx, 3));
    EXPECT_TRUE(dialog->pMain->isEnabled());
    EXPECT_TRUE(ALL->Modified);
    EXPECT_EQ(messages.count(), 0);
    // Tones shown as the no-tone text come back as item 0.
    type(dialog->sexd, QStringLiteral("3"));
    type(dialog->sexd, QStringLiteral("2"));
    EXPECT_EQ(dialog->cbQT->shownItemIndex(), 0);
}

TEST_F(ChannelEditTest, ReceiveFrequenciesAreCheckedAgainstModelAndBand)
{
    const struct
    {
        const char *typed;
        const char *stored; // empty: nothing stored
        const char *message;
    } cases[] = {
        {"700", "470.00000", "ErrRange"},   // above the model: band's upper end
        {"100", "450.00000", "ErrRange"},   // below the model: band's lower end
        {"480", "480.00000", "OutRange"},   // in the model, out of the band: kept
        {"460.0073", "460.00625", ""},      // 6.25 kHz raster
        {"460.007", "460.00500", ""},       // 5 kHz raster
        {".", "", "ErrRange"},              // no number: nothing stored
    };
    for (const auto &c : cases) {
        ClearChannelTable(*Channels, ALL->ChannelCount);
        messages.clear();
        open(3);
        type(dialog->eReceive, QString::fromLatin1(c.typed));
        EXPECT_EQ(cell(ColRx, 3), QString::fromLatin1(c.stored)) << c.typed;
        if (*c.message) {
            ASSERT_EQ(messages.count(), 1) << c.typed;
            const QString expected = QLatin1String(c.message) == QLatin1String("ErrRange") ? Language->ErrRange
                                                                                         : Language->OutRange;
            EXPECT_EQ(messages.asked().at(0).text, expected) << c.typed;
            EXPECT_EQ(messages.asked().at(0).caption, Language->Caution);
            EXPECT_EQ(messages.asked().at(0).type, 1);
        } else {
            EXPECT_EQ(messages.count(), 0) << c.typed;
        }
    }
}

TEST_F(ChannelEditTest, FrequencyBoxesDropEveryKeyButDigitsAndPoint)
{
    open(3);
    dialog->eReceive->selectAll();
    QTest::keyClicks(dialog->eReceive, QStringLiteral("4a6-0, 1x"));
    EXPECT_EQ(dialog->eReceive->text(), QStringLiteral("4601"));
}

TEST_F(ChannelEditTest, ErasingTheReceiveFrequencyFreesTheChannel)
{
    open(5);
    type(dialog->eReceive, QString());
    for (int col = ColRx; col <= ColBusyLockout; ++col) {
        EXPECT_TRUE(cell(col, 5).isEmpty()) << col;
        EXPECT_TRUE(value(col, 5).isEmpty()) << col;
    }
    EXPECT_TRUE(value(ColNumber, 5).isEmpty());
    EXPECT_TRUE(Channels->readOnly(ColTx, 6));
    EXPECT_FALSE(dialog->pMain->isEnabled());
    EXPECT_TRUE(ALL->Modified);
}

TEST_F(ChannelEditTest, ErasingTheTransmitFrequencyDropsTheEncodeTone)
{
    Channels->setText(ColEncode, 6, QStringLiteral("D023N"));
    open(5);
    type(dialog->eSend, QString());
    EXPECT_TRUE(cell(ColTx, 5).isEmpty());
    EXPECT_EQ(cell(ColEncode, 5), Channels->noToneText());
    EXPECT_EQ(cell(ColRx, 5), QStringLiteral("455.00000"));
    EXPECT_EQ(value(ColNumber, 5), QStringLiteral("1"));

    type(dialog->eSend, QStringLiteral("700"));
    EXPECT_EQ(cell(ColTx, 5), QStringLiteral("470.00000"));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().at(0).text, Language->ErrRange);

    // A transmit text that is no number is refused and the stored one comes back.
    type(dialog->eSend, QStringLiteral("."));
    EXPECT_EQ(cell(ColTx, 5), QStringLiteral("470.00000"));
    EXPECT_EQ(dialog->eSend->text(), QStringLiteral("470.00000"));
}

TEST_F(ChannelEditTest, TypedTonesAreFilteredAndStoredInCanonicalForm)
{
    const struct
    {
        const char *typed;
        const char *stored;
    } cases[] = {{"D023n", "D023N"}, {"88", "88.0"}, {"100,0", "100.0"}, {"7q7", "77.0"}, {"d023n", "D777N"}, {"", ""}};
    open(5);
    for (const auto &c : cases) {
        ToneBox *box = dialog->cbDQT;
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(box->lineEdit(), QString::fromLatin1(c.typed));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        const QString expected = *c.stored ? QString::fromLatin1(c.stored) : Channels->noToneText();
        EXPECT_EQ(cell(ColEncode, 5), expected) << c.typed;
    }
}

TEST_F(ChannelEditTest, LeavingATypedToneBoxStoresIt)
{
    open(5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->cbDQT->setFocus();
    dialog->cbDQT->lineEdit()->selectAll();
    QTest::keyClicks(dialog->cbDQT->lineEdit(), QStringLiteral("D023n"));
    EXPECT_EQ(cell(ColEncode, 5), Channels->noToneText());
    dialog->cbkz->setFocus();
    EXPECT_EQ(cell(ColEncode, 5), QStringLiteral("D023N"));
    EXPECT_EQ(dialog->cbDQT->currentText(), QStringLiteral("D023N"));
}

TEST_F(ChannelEditTest, MovingThroughTheBoxesWithoutEditingStoresNothing)
{
    open(5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    for (QWidget *w : std::initializer_list<QWidget *>{dialog->eReceive, dialog->eSend, dialog->cbQT, dialog->cbDQT,
                                                      dialog->cbkz, dialog->eReceive})
        w->setFocus();
    EXPECT_FALSE(ALL->Modified);
    EXPECT_EQ(cell(ColDecode, 5), QStringLiteral("88.5"));
}

TEST_F(ChannelEditTest, ChoosingListItemsAndCheckBoxesStoresTextAndIndex)
{
    open(5);
    QTest::keyClick(dialog->chpppy, Qt::Key_Space);
    EXPECT_EQ(cell(ColBeatShift, 5), QStringLiteral("Yes"));
    EXPECT_EQ(value(ColBeatShift, 5), QStringLiteral("0"));
    QTest::keyClick(dialog->chsmtj, Qt::Key_Space);
    EXPECT_EQ(cell(ColScanAdd, 5), QStringLiteral("No"));
    EXPECT_EQ(value(ColScanAdd, 5), QStringLiteral("1"));
    QTest::keyClick(dialog->cbfsgl, Qt::Key_Down);
    EXPECT_EQ(cell(ColPower, 5), QStringLiteral("High"));
    EXPECT_EQ(value(ColPower, 5), QStringLiteral("1"));
    QTest::keyClick(dialog->cbkz, Qt::Key_Up);
    EXPECT_EQ(cell(ColWidth, 5), QStringLiteral("Wide"));
    EXPECT_EQ(value(ColWidth, 5), QStringLiteral("0"));
    EXPECT_EQ(cell(ColDecode, 5), QStringLiteral("88.5"));
    EXPECT_TRUE(ALL->Modified);
}

} // namespace
