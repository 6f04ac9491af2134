#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/CellGrid.h"
#include "channels/ChannelSpinBox.h"
#include "channels/FrequencyBox.h"
#include "channels/TfBBatchEdit.h"
#include "channels/TfBInfoEdit.h"
#include "channels/TfToneOption.h"
#include "channels/ToneBox.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TFun.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

class DialogCodeplugTest : public CoreFixture
{
protected:
    static void type(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Picks a tone in the picker that the next double click opens.
    static void pickLater(const QString &tone)
    {
        QTimer::singleShot(0, [tone] {
            auto *picker = qobject_cast<TfToneOption *>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            CellGrid *grid = tone.endsWith(QLatin1Char('I')) ? picker->gvDcsI
                           : tone.endsWith(QLatin1Char('N')) ? picker->gvDcsN
                                                             : picker->gvCtcss;
            QRadioButton *radio = grid == picker->gvDcsI ? picker->rDCSI
                                : grid == picker->gvDcsN ? picker->rDCSN
                                                         : picker->rCTCSS;
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
            const ChannelTable *t = grid->table();
            for (int r = 1; r < t->rowCount(); ++r)
                for (int c = 1; c < t->colCount(); ++c)
                    if (t->text(c, r) == tone) {
                        const QPoint at = grid->cellRect(c, r).center();
                        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
                        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
                        return;
                    }
            picker->reject();
        });
    }
};

TEST_F(DialogCodeplugTest, ATonePickedInThePickerIsStoredAsItIs)
{
    StoreChannelRow(*Channels, 2, ChannelData{455.0, 455.0});
    TfBInfoEdit edit;
    edit.StartChannel = 1;
    edit.setChannelCount(16);
    edit.show();
    pickLater(QStringLiteral("D525N"));
    QTest::mouseDClick(edit.cbDQT->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(edit.cbDQT->currentText(), QStringLiteral("D525N"));
    EXPECT_EQ(Channels->text(ColEncode, 2), QStringLiteral("D525N"));

    TfBBatchEdit batch;
    batch.show();
    pickLater(QStringLiteral("206.5"));
    QTest::mouseDClick(batch.cbQT->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(batch.cbQT->currentText(), QStringLiteral("206.5"));
}

TEST_F(DialogCodeplugTest, ACodeplugEditedInTheDialogsSavesAndReopensUnchanged)
{
    {
        TfBBatchEdit batch;
        batch.setChannelCount(ALL->ChannelCount);
        batch.show();
        type(batch.eReceive, QStringLiteral("450.0"));
        type(batch.eSend, QStringLiteral("455.0"));
        batch.cbJg->setCurrentIndex(2);
        batch.cbQT->setToneText(QStringLiteral("88.5"));
        QTest::keyClick(batch.chsmtj, Qt::Key_Space);
        QTest::mouseClick(batch.rOne, Qt::LeftButton, {}, QPoint(5, batch.rOne->height() / 2));
        batch.seFrom->setValue(2);
        batch.seTo->setValue(9);
        QTest::mouseClick(batch.btnOk, Qt::LeftButton);
    }
    {
        TfBInfoEdit edit;
        edit.StartChannel = 12;
        edit.setChannelCount(ALL->ChannelCount);
        edit.show();
        type(edit.eReceive, QStringLiteral("462.5625"));
        type(edit.eSend, QString());
        edit.cbQT->lineEdit()->selectAll();
        QTest::keyClicks(edit.cbQT->lineEdit(), QStringLiteral("D754i"));
        QTest::keyClick(edit.cbQT->lineEdit(), Qt::Key_Return);
        QTest::keyClick(edit.chfm, Qt::Key_Space);
        QTest::keyClick(edit.cbkz, Qt::Key_Down);
    }
    ASSERT_TRUE(ALL->Modified);
    ASSERT_EQ(messages.count(), 0);

    const int rows = Channels->rowCount();
    QList<ChannelData> before;
    for (int r = FirstChannelRow; r < rows; ++r) {
        ChannelData c;
        QString problem;
        const RowState state = ReadChannelRow(*Channels, r, c, &problem);
        ASSERT_NE(state, RowState::Invalid) << r << problem.toStdString();
        before.append(state == RowState::InUse ? c : ChannelData{-1.0});
    }
    EXPECT_EQ(before.at(3).rx, 450.0125);
    EXPECT_EQ(before.at(11).decodeTone, QStringLiteral("D754I"));
    EXPECT_EQ(before.at(11).tx, -1.0);

    const QString path = pathOf(QStringLiteral("dialogs.dat"));
    ASSERT_TRUE(WriteDataFile(path));
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ASSERT_EQ(ReadDataFile(path), ReadDataFileResult::Ok);
    for (int r = FirstChannelRow; r < rows; ++r) {
        ChannelData c;
        const RowState state = ReadChannelRow(*Channels, r, c);
        EXPECT_EQ(state == RowState::InUse ? c : ChannelData{-1.0}, before.at(r - FirstChannelRow)) << r;
    }
}

TEST_F(DialogCodeplugTest, TheCommandsOpenOnTheCurrentRowWithTheModelsChannelCount)
{
    StoreChannelRow(*Channels, 6, ChannelData{455.0, 456.0});
    int shown = 0;
    QTimer::singleShot(0, [&shown] {
        auto *edit = qobject_cast<TfBInfoEdit *>(QApplication::activeModalWidget());
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->sexd->value(), 5);
        EXPECT_EQ(edit->sexd->maximum(), 16);
        EXPECT_EQ(edit->eReceive->text(), QStringLiteral("455.00000"));
        ++shown;
        QTest::mouseClick(edit->btnClose, Qt::LeftButton);
    });
    OpenChannelEdit(nullptr, 6, ALL->ChannelCount);
    QTimer::singleShot(0, [&shown] {
        auto *batch = qobject_cast<TfBBatchEdit *>(QApplication::activeModalWidget());
        ASSERT_NE(batch, nullptr);
        EXPECT_EQ(batch->seFrom->maximum(), 16);
        EXPECT_EQ(batch->seTo->maximum(), 16);
        ++shown;
        QTest::mouseClick(batch->btnCancel, Qt::LeftButton);
    });
    OpenBatchEdit(nullptr, ALL->ChannelCount);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(ALL->Modified);
}

} // namespace
