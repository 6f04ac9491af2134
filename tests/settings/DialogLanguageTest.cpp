#include "app/Globals.h"
#include "app/TALL.h"
#include "channels/CellGrid.h"
#include "channels/FrequencyBox.h"
#include "channels/TfBBatchEdit.h"
#include "channels/TfBInfoEdit.h"
#include "channels/ToneBox.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TFun.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"
#include "report/TMemTable.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"
#include "settings/TfModel.h"
#include "settings/TfTestFrequency.h"
#include "support/CoreFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QString shippedFile(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

TEST(DialogLanguageFiles, EveryKeyADialogReadsIsInBothShippedFiles)
{
    struct Dialog
    {
        const char *name;
        std::function<QWidget *()> make;
        bool translateItems;
    };
    const Dialog dialogs[] = {
        {"fBInfoEdit", [] { return new TfBInfoEdit; }, true},
        {"fBBatchEdit", [] { return new TfBBatchEdit; }, true},
        {"fBFunSet", [] { return new TfBFunSet; }, true},
        {"fModel", [] { return new TfModel; }, false},
        {"fTestFrequency", [] { return new TfTestFrequency; }, true},
        {"fEmbeddedMessage", [] { return new TfEmbeddedMessage; }, true},
    };
    for (const char *file : {"English.Ini", "Chinese.Ini"}) {
        const QString path = shippedFile(QString::fromLatin1(file));
        ASSERT_TRUE(QFile::exists(path)) << file;
        for (const Dialog &d : dialogs) {
            std::unique_ptr<QWidget> window(d.make());
            EXPECT_EQ(window->objectName(), QLatin1String(d.name));
            EXPECT_GT(FormLanguageKeys(window.get(), d.translateItems).size(), 1) << d.name;
            EXPECT_EQ(MissingLanguageKeys(window.get(), d.translateItems, path), QStringList()) << file << " " << d.name;
        }
    }
}

// The dialogs in Chinese, from the shipped file.
class ChineseDialogTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        ASSERT_TRUE(QFile::copy(shippedFile(QStringLiteral("Chinese.Ini")), pathOf(QStringLiteral("Chinese.Ini"))));
        ALL->LanguageIndex = 1;
        ALL->LanguageName = QStringLiteral("Chinese");
    }
};

TEST_F(ChineseDialogTest, FunctionSettingsTranslateCaptionsAndListsButNotNumbers)
{
    Fun->SideKey = 1;
    Fun->TxTimeout = 3;
    Fun->SquelchLevel = 4;
    TfBFunSet dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("功能设置"));
    EXPECT_EQ(dialog.cbMonikey->currentText(), QStringLiteral("监听"));
    EXPECT_EQ(dialog.cbTxTimeout->itemText(0), QStringLiteral("关闭"));
    EXPECT_EQ(dialog.cbTxTimeout->currentText(), QStringLiteral("90"));
    EXPECT_EQ(dialog.cbSQvelch->currentText(), QStringLiteral("4"));

    TMemTable body;
    body.AddField(QStringLiteral("TypeID"), TMemTable::Integer);
    body.AddField(QStringLiteral("TypeName"), TMemTable::Text, 20);
    for (const char *f : {"AField", "AValue", "BField", "BValue"})
        body.AddField(QString::fromLatin1(f), TMemTable::Text, 100);
    TfBFunSet hidden;
    hidden.AppendPrintRows(body);
    ASSERT_EQ(body.RowCount(), 15);
    EXPECT_EQ(body.TextAt(0, QStringLiteral("TypeName")), QStringLiteral("功能设置"));
    EXPECT_EQ(body.TextAt(5, QStringLiteral("AField")), QStringLiteral("侧键功能"));
    EXPECT_EQ(body.TextAt(5, QStringLiteral("AValue")), QStringLiteral("监听"));
}

TEST_F(ChineseDialogTest, NumberListsKeepTheirDigitsWhateverTheFileSays)
{
    QFile file(pathOf(QStringLiteral("Odd.Ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[fBFunSet]\ncbSQvelch.0=zero\ncbSQvelch.5=five\ncbTxTimeout.0=Never\ncbTxTimeout.3=ninety\n"
               "cbMonikey.1=Monitor\n[fBBatchEdit]\ncbJg.0=fast\n");
    file.close();
    ALL->LanguageName = QStringLiteral("Odd");
    Fun->SquelchLevel = 5;
    Fun->TxTimeout = 0;
    TfBFunSet dialog;
    dialog.show();
    EXPECT_EQ(dialog.cbSQvelch->itemText(0), QStringLiteral("0"));
    EXPECT_EQ(dialog.cbSQvelch->currentText(), QStringLiteral("5"));
    EXPECT_EQ(dialog.cbTxTimeout->currentText(), QStringLiteral("Never"));
    EXPECT_EQ(dialog.cbTxTimeout->itemText(3), QStringLiteral("90"));
    EXPECT_EQ(dialog.cbMonikey->itemText(1), QStringLiteral("Monitor"));
    // A key the file lacks keeps the built-in text.
    EXPECT_EQ(dialog.cbMonikey->itemText(2), QStringLiteral("H/L Power"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Function Setting"));
    TfBBatchEdit batch;
    batch.show();
    EXPECT_EQ(batch.cbJg->itemText(0), QStringLiteral("25.0"));
}

TEST_F(ChineseDialogTest, ChannelEditStoresTheChannelTablesTexts)
{
    // The channel window still shows its built-in texts: the table's own no-tone text and
    // items are what the dialog writes, whatever the dialog's file calls them.
    TfBInfoEdit dialog;
    dialog.StartChannel = 1;
    dialog.setChannelCount(ALL->ChannelCount);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("信道编辑"));
    EXPECT_EQ(dialog.cbQT->itemText(0), QStringLiteral("无"));
    EXPECT_EQ(dialog.cbQT->itemText(1), QStringLiteral("67.0"));
    dialog.eReceive->selectAll();
    QTest::keyClicks(dialog.eReceive, QStringLiteral("455"));
    QTest::keyClick(dialog.eReceive, Qt::Key_Return);
    EXPECT_EQ(Channels->text(ColDecode, 2), QStringLiteral("None"));
    EXPECT_EQ(Channels->text(ColPower, 2), QStringLiteral("High"));
    EXPECT_EQ(Channels->text(ColScanAdd, 2), QStringLiteral("No"));
    EXPECT_EQ(dialog.cbfsgl->currentText(), QStringLiteral("高"));
}

TEST_F(ChineseDialogTest, TestFrequencyTitlesAndNoticeComeFromTheFile)
{
    TfTestFrequency dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("测试频率"));
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("测试频率不一致。请从电台读取数据或写入电台。"));
    EXPECT_EQ(dialog.gvData->gridTitle(2), QStringLiteral("接收[MHz]"));
    EXPECT_EQ(dialog.gvData->table()->text(2, 2), QStringLiteral("460.05000"));
}

} // namespace
