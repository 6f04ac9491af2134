#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Utilities.h"
#include "channels/ChannelSpinBox.h"
#include "channels/FrequencyBox.h"
#include "channels/TfBBatchEdit.h"
#include "channels/ToneBox.h"
#include "codeplug/ChannelTable.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

class BatchEditTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        dialog = std::make_unique<TfBBatchEdit>();
        dialog->setChannelCount(ALL->ChannelCount);
        dialog->show();
    }

    static void type(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void start(const char *rx, const char *tx, const char *step, bool descending = false)
    {
        type(dialog->eReceive, QString::fromLatin1(rx));
        type(dialog->eSend, QString::fromLatin1(tx));
        dialog->cbJg->setCurrentIndex(dialog->cbJg->findText(QString::fromLatin1(step)));
        (descending ? dialog->rdesc : dialog->rasc)->setChecked(true);
    }

    void range(int from, int to)
    {
        QTest::mouseClick(dialog->rOne, Qt::LeftButton, {}, QPoint(5, dialog->rOne->height() / 2));
        dialog->seFrom->setValue(from);
        dialog->seTo->setValue(to);
    }

    void ok() { QTest::mouseClick(dialog->btnOk, Qt::LeftButton); }

    QString cell(int col, int channel) const { return Channels->text(col, channel + 1); }

    void TearDown() override
    {
        dialog.reset();
        CoreFixture::TearDown();
    }

    std::unique_ptr<TfBBatchEdit> dialog;
};

TEST_F(BatchEditTest, RunsOverAllChannelsStepByStep)
{
    const struct
    {
        const char *rx;
        const char *step;
        bool descending;
        int channel;
        const char *expected;
    } cases[] = {
        {"450.0", "12.5", false, 1, "450.00000"},
        {"450.0", "12.5", false, 2, "450.01250"},
        {"450.0", "12.5", false, 16, "450.18750"},
        {"470.0", "25.0", true, 1, "470.00000"},
        {"470.0", "25.0", true, 2, "469.97500"},
        {"470.0", "25.0", true, 16, "469.62500"},
        {"450.0", "6.25", false, 4, "450.01875"},
        {"450.0", "6.25", false, 3, "450.01250"},
        {"450.0", "5.00", false, 16, "450.07500"},
        // A start outside the model is clamped silently; the clamped value is the one that
        // advances, so a run past a limit keeps writing that limit.
        {"0.0", "12.5", false, 1, "300.00000"},
        {"0.0", "12.5", false, 2, "300.01250"},
        {"0.0", "12.5", true, 16, "300.00000"},
        {"300.01", "25.0", true, 1, "300.01000"},
        {"300.01", "25.0", true, 2, "300.00000"},
        {"300.01", "25.0", true, 3, "300.00000"},
        {"649.99", "25.0", false, 2, "650.00000"},
        {"649.99", "25.0", false, 16, "650.00000"},
    };
    for (const auto &c : cases) {
        start(c.rx, c.rx, c.step, c.descending);
        ok();
        EXPECT_EQ(cell(ColRx, c.channel), QString::fromLatin1(c.expected)) << c.rx << " " << c.step << " " << c.channel;
        EXPECT_EQ(cell(ColTx, c.channel), QString::fromLatin1(c.expected)) << c.rx << " " << c.step << " " << c.channel;
    }
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(ALL->Modified);
}

TEST_F(BatchEditTest, EveryChannelOfTheRunGetsTheSameSettings)
{
    Channels->setNoToneText(QStringLiteral("无"));
    start("450.0", "455.0", "12.5");
    dialog->cbDQT->setToneText(QStringLiteral("D023N"));
    dialog->cbfsgl->setCurrentIndex(0);
    QTest::keyClick(dialog->chpppy, Qt::Key_Space);
    ok();
    for (int ch = 1; ch <= 16; ++ch) {
        const int row = ch + 1;
        EXPECT_EQ(Channels->value(ColNumber, row), QStringLiteral("1"));
        EXPECT_EQ(Channels->text(ColDecode, row), QStringLiteral("无"));
        EXPECT_EQ(Channels->text(ColEncode, row), QStringLiteral("D023N"));
        EXPECT_EQ(Channels->text(ColPower, row), QStringLiteral("Low"));
        EXPECT_EQ(Channels->value(ColPower, row), QStringLiteral("0"));
        EXPECT_EQ(Channels->text(ColWidth, row), QStringLiteral("Wide"));
        EXPECT_EQ(Channels->value(ColWidth, row), QStringLiteral("0"));
        EXPECT_EQ(Channels->text(ColScanAdd, row), QStringLiteral("No"));
        EXPECT_EQ(Channels->value(ColScanAdd, row), QStringLiteral("1"));
        EXPECT_EQ(Channels->text(ColBeatShift, row), QStringLiteral("Yes"));
        EXPECT_EQ(Channels->value(ColBeatShift, row), QStringLiteral("0"));
    }
    EXPECT_EQ(cell(ColTx, 3), QStringLiteral("455.02500"));
}

TEST_F(BatchEditTest, ARangeChangesOnlyItsChannels)
{
    start("450.0", "450.0", "25.0");
    range(3, 5);
    EXPECT_TRUE(dialog->pPd->isEnabled());
    ok();
    EXPECT_EQ(cell(ColRx, 3), QStringLiteral("450.00000"));
    EXPECT_EQ(cell(ColRx, 4), QStringLiteral("450.02500"));
    EXPECT_EQ(cell(ColRx, 5), QStringLiteral("450.05000"));
    for (int ch : {1, 2, 6, 16}) {
        EXPECT_TRUE(cell(ColRx, ch).isEmpty()) << ch;
        EXPECT_TRUE(Channels->value(ColNumber, ch + 1).isEmpty()) << ch;
    }
    // Every TX cell is editable after a batch, also those of free rows.
    for (int row = FirstChannelRow; row < Channels->rowCount(); ++row)
        EXPECT_FALSE(Channels->readOnly(ColTx, row)) << row;
}

TEST_F(BatchEditTest, RangeInputIsCheckedBeforeAnythingChanges)
{
    const struct
    {
        int from, to;
        const char *rx, *tx;
        const char *caption;
        const char *text;
    } cases[] = {
        {5, 3, "450.0", "450.0", "Confirmation", "FChBigT"},
        {3, 5, "450.0", "700.0", "Caution", "ErrRange"},
        {3, 5, "100.0", "450.0", "Caution", "ErrRange"},
    };
    const auto textOf = [](const char *key) {
        const QString k = QString::fromLatin1(key);
        return k == QLatin1String("FChBigT") ? Language->FChBigT
             : k == QLatin1String("ErrRange") ? Language->ErrRange
             : k == QLatin1String("Caution") ? Language->Caution
                                             : Language->Confirmation;
    };
    for (const auto &c : cases) {
        messages.clear();
        start(c.rx, c.tx, "25.0");
        range(c.from, c.to);
        ok();
        ASSERT_EQ(messages.count(), 1) << c.from << c.tx;
        EXPECT_EQ(messages.asked().at(0).caption, textOf(c.caption));
        EXPECT_EQ(messages.asked().at(0).text, textOf(c.text));
        for (int ch = 1; ch <= 16; ++ch)
            EXPECT_TRUE(cell(ColRx, ch).isEmpty()) << ch;
        EXPECT_FALSE(ALL->Modified);
    }
}

TEST_F(BatchEditTest, StartFrequenciesAreSnappedAndNonNumbersRunNothing)
{
    type(dialog->eReceive, QStringLiteral("450.0073"));
    EXPECT_EQ(dialog->eReceive->text(), QStringLiteral("450.00625"));
    type(dialog->eSend, QStringLiteral("."));
    ok();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(cell(ColRx, 1).isEmpty());
    EXPECT_FALSE(ALL->Modified);
}

} // namespace
