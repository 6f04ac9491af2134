#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/TFun.h"
#include "i18n/TLanguage.h"
#include "report/TMemTable.h"
#include "settings/TfBFunSet.h"
#include "support/CoreFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

class FunSetTest : public CoreFixture
{
protected:
    void open()
    {
        dialog = std::make_unique<TfBFunSet>();
        dialog->show();
    }
    void ok() { QTest::mouseClick(dialog->btnOk, Qt::LeftButton); }

    void TearDown() override
    {
        dialog.reset();
        CoreFixture::TearDown();
    }

    std::unique_ptr<TfBFunSet> dialog;
};

TEST_F(FunSetTest, ShowsEveryFieldAndStoresItBackOnOk)
{
    Fun->BatterySave = 0;
    Fun->SquelchLevel = 7;
    Fun->SideKey = 3;
    Fun->TxTimeout = 10;
    Fun->VoiceLanguage = 0;
    Fun->ScanMode = 1;
    Fun->Alarm = 1;
    Fun->FmRadio = 0;
    const TFun before = *Fun;
    open();
    EXPECT_FALSE(dialog->cbBattSave->isChecked());
    EXPECT_TRUE(dialog->cbBeepTone->isChecked());
    EXPECT_EQ(dialog->cbSQvelch->currentText(), QStringLiteral("7"));
    EXPECT_EQ(dialog->cbMonikey->currentText(), QStringLiteral("Alarm"));
    EXPECT_EQ(dialog->cbTxTimeout->currentText(), QStringLiteral("300"));
    EXPECT_EQ(dialog->cbVoice->currentText(), QStringLiteral("English"));
    EXPECT_EQ(dialog->cxScan->currentText(), QStringLiteral("On"));
    EXPECT_EQ(dialog->cxWaveof->currentText(), QStringLiteral("On"));
    EXPECT_EQ(dialog->cxAlt->currentText(), QStringLiteral("On"));
    EXPECT_EQ(dialog->cxFM->currentText(), QStringLiteral("Interdict"));
    // OK without a change stores the same values and still marks the codeplug modified.
    ok();
    EXPECT_TRUE(*Fun == before);
    EXPECT_TRUE(ALL->Modified);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(FunSetTest, ChangedControlsReachTheSettingsOnlyOnOk)
{
    const TFun before = *Fun;
    for (bool confirm : {false, true}) {
        open();
        QTest::keyClick(dialog->cbBattSave, Qt::Key_Space);
        QTest::keyClick(dialog->cbMonikey, Qt::Key_Down);
        QTest::keyClick(dialog->cbSQvelch, Qt::Key_Up);
        if (confirm) {
            ok();
            EXPECT_EQ(Fun->BatterySave, 0);
            EXPECT_EQ(Fun->SideKey, 2);
            EXPECT_EQ(Fun->SquelchLevel, 4);
            EXPECT_TRUE(ALL->Modified);
        } else {
            QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
            EXPECT_TRUE(*Fun == before);
            EXPECT_FALSE(ALL->Modified);
            open();
            dialog->close();
            EXPECT_TRUE(*Fun == before);
            EXPECT_FALSE(ALL->Modified);
        }
    }
}

TEST_F(FunSetTest, VoxLevelIsShownOneHigherThanStored)
{
    const struct
    {
        int stored, shown, chosen, storedAfter;
    } cases[] = {{0, 1, 0, 0}, {4, 5, 0, 4}, {2, 3, 5, 4}, {3, 4, 1, 0}};
    for (const auto &c : cases) {
        Fun->VoxLevel = c.stored;
        open();
        EXPECT_EQ(dialog->seVoxLevel->value(), c.shown) << c.stored;
        if (c.chosen)
            dialog->seVoxLevel->setValue(c.chosen);
        ok();
        EXPECT_EQ(Fun->VoxLevel, c.storedAfter) << c.stored;
    }
}

TEST_F(FunSetTest, DisabledVoxPanelKeepsItsValues)
{
    Fun->VoxEnabled = 0;
    Fun->VoxInhibitOnReceive = 1;
    Fun->VoxLevel = 2;
    open();
    EXPECT_FALSE(dialog->Panel1->isEnabled());
    EXPECT_EQ(dialog->seVoxLevel->value(), 3);
    EXPECT_TRUE(dialog->chVoxInhibit->isChecked());
    ok();
    EXPECT_EQ(Fun->VoxEnabled, 0);
    EXPECT_EQ(Fun->VoxInhibitOnReceive, 1);
    EXPECT_EQ(Fun->VoxLevel, 2);

    open();
    QTest::keyClick(dialog->chVoxFun, Qt::Key_Space);
    EXPECT_TRUE(dialog->Panel1->isEnabled());
    QTest::keyClick(dialog->chVoxFun, Qt::Key_Space);
    EXPECT_FALSE(dialog->Panel1->isEnabled());
}

TEST_F(FunSetTest, StoredValuesOutsideTheListsSurviveOk)
{
    // Check boxes know only 1 as on: anything else is shown off and stored as 0.
    Fun->BeepTone = 2;
    Fun->SideKey = 5;
    Fun->SquelchLevel = 12;
    Fun->TxTimeout = -1;
    Fun->VoxLevel = 9;
    Fun->FmRadio = 7;
    open();
    EXPECT_FALSE(dialog->cbBeepTone->isChecked());
    EXPECT_EQ(dialog->cbMonikey->currentIndex(), -1);
    EXPECT_EQ(dialog->cbSQvelch->currentIndex(), -1);
    EXPECT_EQ(dialog->cxFM->currentIndex(), -1);
    ok();
    EXPECT_EQ(Fun->BeepTone, 0);
    EXPECT_EQ(Fun->SideKey, 5);
    EXPECT_EQ(Fun->SquelchLevel, 12);
    EXPECT_EQ(Fun->TxTimeout, -1);
    EXPECT_EQ(Fun->VoxLevel, 9);
    EXPECT_EQ(Fun->FmRadio, 7);

    // A choice of the user replaces them.
    open();
    dialog->cbMonikey->setCurrentIndex(2);
    dialog->seVoxLevel->setValue(2);
    ok();
    EXPECT_EQ(Fun->SideKey, 2);
    EXPECT_EQ(Fun->VoxLevel, 1);
}

TEST_F(FunSetTest, ReportRowsListEverySettingWithItsShownText)
{
    Fun->VoxEnabled = 1;
    Fun->VoxLevel = 1;
    Fun->BatterySave = 0;
    TMemTable body;
    body.AddField(QStringLiteral("TypeID"), TMemTable::Integer);
    body.AddField(QStringLiteral("TypeName"), TMemTable::Text, 20);
    for (const char *f : {"AField", "AValue", "BField", "BValue"})
        body.AddField(QString::fromLatin1(f), TMemTable::Text, 100);
    body.Append({{QStringLiteral("TypeID"), 1}});

    TfBFunSet hidden;
    const TFun before = *Fun;
    hidden.AppendPrintRows(body);
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_TRUE(*Fun == before);
    EXPECT_FALSE(ALL->Modified);

    const QString on = Language->Open;
    const QString off = Language->Close;
    const QStringList fields = {"Battery Save", "Clew Voice", "High Vol Inhibit Tx", "Low Vol Inhibit Tx",
                                "Squelch level", "Side Key", "TX Time Out", "Scan", "Voice", "Voice Annunciation",
                                "Incept Alarm", "FM", "VOX Function", "VOX Gain Level", "VOX Inhibit OnReceive"};
    const QStringList values = {off, on, on, on, "5", "Monmome", "180", "Off", "On", "Chinese", "Off", "Turn on",
                                on, "2", off};
    ASSERT_EQ(body.RowCount(), 16);
    for (int i = 0; i < 15; ++i) {
        const int row = i + 1;
        EXPECT_EQ(body.Value(row, QStringLiteral("TypeID")).toInt(), 9);
        EXPECT_EQ(body.TextAt(row, QStringLiteral("TypeName")), QStringLiteral("Function Setting"));
        EXPECT_EQ(body.TextAt(row, QStringLiteral("AField")), fields.at(i)) << i;
        EXPECT_EQ(body.TextAt(row, QStringLiteral("AValue")), values.at(i)) << i;
        EXPECT_TRUE(body.TextAt(row, QStringLiteral("BField")).isEmpty());
        EXPECT_TRUE(body.TextAt(row, QStringLiteral("BValue")).isEmpty());
    }
}

} // namespace
