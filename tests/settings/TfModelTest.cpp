#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "codeplug/TTestFre.h"
#include "i18n/TLanguage.h"
#include "settings/TfModel.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class ModelTest : public CoreFixture
{
protected:
    // The New command as the main window runs it, recording what it saw.
    std::function<void()> newCommand()
    {
        return [this] {
            ++newRuns;
            modelAtNew = ALL->ModelName;
            bandAtNew = ALL->BandText;
            funAtNew = *Fun;
        };
    }

    int newRuns = 0;
    QString modelAtNew;
    QString bandAtNew;
    TFun funAtNew;
};

TEST_F(ModelTest, OpensOnTheCurrentModelAndBand)
{
    const struct
    {
        const char *model, *band;
        const char *shownModel, *shownBand;
    } cases[] = {
        {"ZQ-410(VHF)", "136 - 174MHz", "ZQ-410(VHF)", "136 - 174MHz"},
        {"ZQ-410(UHF)", "400 - 480MHz", "ZQ-410(UHF)", "400 - 480MHz"},
        {"ZQ-999", "400 - 480MHz", "ZQ-410(UHF)", "400 - 480MHz"},
        {"ZQ-410(VHF)", "450 - 470MHz", "ZQ-410(VHF)", "136 - 150MHz"},
    };
    for (const auto &c : cases) {
        ALL->ModelName = QString::fromLatin1(c.model);
        ALL->BandText = QString::fromLatin1(c.band);
        TfModel dialog;
        dialog.show();
        EXPECT_EQ(dialog.cbCopmut->currentText(), QString::fromLatin1(c.shownModel)) << c.model;
        EXPECT_EQ(dialog.cbPd->currentText(), QString::fromLatin1(c.shownBand)) << c.band;
        EXPECT_EQ(dialog.cbCopmut->count(), 2);
        EXPECT_FALSE(dialog.Confirmed);
    }
}

TEST_F(ModelTest, SwitchingTheModelOffersItsBandsWithItsDefault)
{
    TfModel dialog;
    dialog.show();
    QTest::keyClick(dialog.cbCopmut, Qt::Key_Down);
    EXPECT_EQ(dialog.cbCopmut->currentText(), QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(dialog.cbPd->count(), 4);
    EXPECT_EQ(dialog.cbPd->currentText(), QStringLiteral("150 - 174MHz"));
    QTest::keyClick(dialog.cbCopmut, Qt::Key_Up);
    EXPECT_EQ(dialog.cbPd->count(), 9);
    EXPECT_EQ(dialog.cbPd->currentText(), QStringLiteral("450 - 470MHz"));
}

TEST_F(ModelTest, AChoiceOnUnmodifiedDataResetsTheCodeplugForTheNewModel)
{
    Fun->SquelchLevel = 9;
    EnMsg->Line1 = QStringLiteral("HELLO");
    TestFre->RxFreq[1] = QStringLiteral("123.00000");
    EXPECT_TRUE(ApplyModelChoice(QStringLiteral("ZQ-410(VHF)"), QStringLiteral("136 - 174MHz"), newCommand()));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(ALL->ModelName, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(ALL->ModelCode, QStringLiteral("5918"));
    EXPECT_DOUBLE_EQ(ALL->ModelFreqLimitA, 300.0);
    EXPECT_DOUBLE_EQ(ALL->ModelFreqLimitB, 67.0);
    EXPECT_EQ(ALL->BandText, QStringLiteral("136 - 174MHz"));
    EXPECT_DOUBLE_EQ(ALL->BandLow, 136.0);
    EXPECT_DOUBLE_EQ(ALL->BandHigh, 174.0);
    EXPECT_EQ(ALL->ChannelCount, 16);
    // New runs last and already sees the new model with the default settings.
    EXPECT_EQ(newRuns, 1);
    EXPECT_EQ(modelAtNew, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(bandAtNew, QStringLiteral("136 - 174MHz"));
    EXPECT_TRUE(funAtNew == TFun());
    EXPECT_TRUE(EnMsg->Line1.isEmpty());
    EXPECT_EQ(TestFre->RxFreq[1], QStringLiteral("123.00000"));
}

TEST_F(ModelTest, ModifiedDataAsksBeforeItIsCleared)
{
    for (int answer : {ResultNo, ResultYes}) {
        useModel(QStringLiteral("5917"));
        Fun->SquelchLevel = 9;
        ALL->Modified = true;
        messages.clear();
        messages.answer({answer});
        newRuns = 0;
        const bool changed = ApplyModelChoice(QStringLiteral("ZQ-410(VHF)"), QStringLiteral("150 - 174MHz"), newCommand());
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.asked().at(0).caption, Language->Confirmation);
        EXPECT_EQ(messages.asked().at(0).text, Language->ClearData);
        EXPECT_EQ(messages.asked().at(0).type, 2);
        EXPECT_EQ(changed, answer == ResultYes);
        EXPECT_EQ(newRuns, answer == ResultYes ? 1 : 0);
        EXPECT_EQ(ALL->ModelName, answer == ResultYes ? QStringLiteral("ZQ-410(VHF)") : QStringLiteral("ZQ-410(UHF)"));
        EXPECT_EQ(Fun->SquelchLevel, answer == ResultYes ? 5 : 9);
        // New itself still finds the data modified and asks to save it.
        EXPECT_TRUE(ALL->Modified);
    }
}

TEST_F(ModelTest, TheDialogChangesNothingUnlessConfirmed)
{
    for (bool confirm : {false, true}) {
        useModel(QStringLiteral("5917"));
        newRuns = 0;
        QTimer::singleShot(0, [confirm] {
            auto *dialog = qobject_cast<TfModel *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (confirm) {
                dialog->cbCopmut->setCurrentIndex(1);
                dialog->cbPd->setCurrentIndex(0);
                QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
            }
        });
        const bool changed = RunModelChange(nullptr, newCommand());
        EXPECT_EQ(changed, confirm);
        EXPECT_EQ(newRuns, confirm ? 1 : 0);
        EXPECT_EQ(ALL->BandText, confirm ? QStringLiteral("136 - 150MHz") : QStringLiteral("450 - 470MHz"));
    }
}

} // namespace
