#include "app/Globals.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "channels/CellGrid.h"
#include "channels/ChannelSpinBox.h"
#include "channels/TfBBatchEdit.h"
#include "channels/TfBInfoEdit.h"
#include "channels/TfChInfo.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TFun.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"
#include "settings/TfModel.h"
#include "settings/TfTestFrequency.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

class MainWindowCommandsTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        window = std::make_unique<TfMainFrm>();
        window->show();
        ASSERT_NE(window->fChInfo, nullptr);
    }
    void TearDown() override
    {
        window.reset();
        CoreFixture::TearDown();
    }

    // Runs a command and hands the modal dialog it opens to `check`, which must close it.
    template<typename Dialog>
    bool runCommand(int tag, const std::function<void(Dialog *)> &check)
    {
        bool seen = false;
        QTimer::singleShot(0, [&seen, check] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                if (QWidget *other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen = true;
            check(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        window->ExecuteCommand(tag);
        return seen;
    }

    std::unique_ptr<TfMainFrm> window;
};

TEST_F(MainWindowCommandsTest, ChannelEditOpensOnTheChannelWindowsCurrentRow)
{
    StoreChannelRow(*Channels, 6, ChannelData{455.0, 456.0});
    ASSERT_TRUE(window->fChInfo->gvData->setCurrentCell(ColRx, 6));
    EXPECT_TRUE(runCommand<TfBInfoEdit>(10, [](TfBInfoEdit *edit) {
        EXPECT_EQ(edit->sexd->value(), 5);
        EXPECT_EQ(edit->sexd->maximum(), ALL->ChannelCount);
    }));
    EXPECT_TRUE(runCommand<TfBBatchEdit>(36, [](TfBBatchEdit *batch) {
        EXPECT_EQ(batch->seFrom->maximum(), ALL->ChannelCount);
        EXPECT_EQ(batch->seTo->maximum(), ALL->ChannelCount);
    }));
}

TEST_F(MainWindowCommandsTest, SettingsCommandsOpenTheirDialogs)
{
    EXPECT_TRUE(runCommand<TfBFunSet>(37, [](TfBFunSet *d) { QTest::mouseClick(d->btnOk, Qt::LeftButton); }));
    EXPECT_TRUE(ALL->Modified);
    ALL->Modified = false;
    EXPECT_TRUE(runCommand<TfTestFrequency>(18, [](TfTestFrequency *) {}));
    EXPECT_TRUE(runCommand<TfEmbeddedMessage>(19, [](TfEmbeddedMessage *) {}));
    EXPECT_FALSE(ALL->Modified);
}

TEST_F(MainWindowCommandsTest, ChangingTheModelRunsNewForTheNewModel)
{
    StoreChannelRow(*Channels, 3, ChannelData{455.0, 456.0});
    Fun->SquelchLevel = 9;
    ALL->Modified = true;
    // Yes to clearing the data, No to saving it.
    messages.answer({ResultYes, ResultNo});
    EXPECT_TRUE(runCommand<TfModel>(9, [](TfModel *d) {
        d->cbCopmut->setCurrentIndex(d->cbCopmut->findText(QStringLiteral("ZQ-410(VHF)")));
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    }));
    EXPECT_EQ(messages.count(), 2);
    EXPECT_EQ(ALL->ModelName, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(ALL->BandText, QStringLiteral("150 - 174MHz"));
    EXPECT_EQ(Fun->SquelchLevel, 5);
    EXPECT_TRUE(Channels->text(ColRx, 3).isEmpty());
    EXPECT_FALSE(ALL->Modified);
}

} // namespace
