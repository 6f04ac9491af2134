#include "PdfText.h"
#include "ReportSample.h"
#include "support/CoreFixture.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "app/TfMainFrm.h"
#include "channels/TfChInfo.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/DataFile.h"
#include "codeplug/TFun.h"
#include "i18n/LanguageTexts.h"
#include "i18n/TLanguage.h"
#include "report/PrintCodeplug.h"
#include "report/ReportPreview.h"
#include "report/ReportTables.h"
#include "report/TMemTable.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Row = QStringList; // TypeID, TypeName, AField, AValue, BField, BValue

QList<Row> rowsOf(const TMemTable &t)
{
    QList<Row> rows;
    for (int r = 0; r < t.RowCount(); ++r) {
        Row row;
        for (const TMemTable::Field &f : t.fields())
            row.append(t.TextAt(r, f.name));
        rows.append(row);
    }
    return rows;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class PrintCodeplugTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        SetChannelTitles(*Channels);
        TFun &f = *Fun;
        f.BatterySave = 1;
        f.BeepTone = 0;
        f.HighVolInhibitTx = 1;
        f.LowVolInhibitTx = 7; // anything but 1 is off
        f.SquelchLevel = 5;
        f.SideKey = 2;
        f.TxTimeout = 6;
        f.ScanMode = 1;
        f.VoicePrompt = 0;
        f.VoiceLanguage = 1;
        f.Alarm = 1;
        f.FmRadio = 1;
        f.VoxEnabled = 1;
        f.VoxLevel = 2;
        f.VoxInhibitOnReceive = 0;
    }

    // A language "Test" beside the program at this index of the list; quotes keep the blanks.
    void useTestLanguage(int index)
    {
        writeFile(pathOf("Test.Ini"), "[Language]\nOpen=On\nClose=Off\nChannel=Channel\nInfo=\" Info\"\n"
                                      "[fBFunSet]\nfBFunSet.Caption=Functions\ncbBattSave.Caption=Power saving\n"
                                      "Label2.Caption=Side button\ncbMonikey.2=Power level\n"
                                      "[fMainFrm]\nlMode.Caption=\"Radio: \"\nLabel4.Caption=\"Band: \"\n");
        ALL->LanguageName = QStringLiteral("Test");
        ALL->LanguageIndex = index;
        LoadLanguageTexts(ALL->LanguageName);
    }

    QList<Row> funSetRows(const QString &title, const QString &battSave, const QString &sideKey,
                          const QString &sideKeyValue, const QString &on, const QString &off) const
    {
        const QString t = title;
        return {{"9", t, battSave, on, "", ""},
                {"9", t, "Clew Voice", off, "", ""},
                {"9", t, "High Vol Inhibit Tx", on, "", ""},
                {"9", t, "Low Vol Inhibit Tx", off, "", ""},
                {"9", t, "Squelch level", "5", "", ""},
                {"9", t, sideKey, sideKeyValue, "", ""},
                {"9", t, "TX Time Out", "180", "", ""},
                {"9", t, "Scan", "On", "", ""},
                {"9", t, "Voice", "Off", "", ""},
                {"9", t, "Voice Annunciation", "Chinese", "", ""},
                {"9", t, "Incept Alarm", "On", "", ""},
                {"9", t, "FM", "Turn on", "", ""},
                {"9", t, "VOX Function", on, "", ""},
                {"9", t, "VOX Gain Level", "3", "", ""},
                {"9", t, "VOX Inhibit OnReceive", off, "", ""}};
    }
};

TEST_F(PrintCodeplugTest, FirstLanguageListsBuiltInLabelsWithChineseOnOffWords)
{
    StoreSampleChannel(*Channels, 2);
    FillReportTables({"Model Type: ", "Frequency: ", ALL->BandText});

    ASSERT_EQ(myMain->RowCount(), 1);
    EXPECT_EQ(rowsOf(*myMain).first(),
              Row({"ZQ-410", "Model Type: ", "ZQ-410(UHF)", "", "", "Frequency: ", "450 - 470MHz"}));
    const QList<Row> rows = rowsOf(*myAdo);
    ASSERT_EQ(rows.size(), 15 + 1 + 6);
    EXPECT_EQ(rows.mid(0, 15),
              funSetRows("Function Setting", "Battery Save", "Side Key", "H/L Power", "已启动", "已关闭"));
    EXPECT_EQ(rows[15], Row({"8", "信道信息", "", "", "", ""}));
    EXPECT_EQ(rows[16], Row({"8", "信道信息", "Channel No.2", "", "", ""}));
    EXPECT_EQ(rows[17], Row({"8", "信道信息", "RX Frequency", "452.00250", "TX Frequency", "462.00500"}));
    EXPECT_FALSE(ALL->Modified);
}

TEST_F(PrintCodeplugTest, FirstLanguageTakesOnlyTheMessageTextsOfItsFile)
{
    useTestLanguage(0);
    FillReportTables(BuiltInHeaderTexts());
    EXPECT_EQ(rowsOf(*myAdo).mid(0, 15),
              funSetRows("Function Setting", "Battery Save", "Side Key", "H/L Power", "On", "Off"));
    EXPECT_EQ(myAdo->TextAt(15, "TypeName"), QStringLiteral("Channel Info"));
    EXPECT_EQ(myMain->TextAt(0, "AField"), QStringLiteral("Model Type: "));
    EXPECT_EQ(myMain->TextAt(0, "CField"), QStringLiteral("Frequency: "));
}

TEST_F(PrintCodeplugTest, AnotherLanguageRelabelsTheSettingsAndTheHeader)
{
    useTestLanguage(1);
    FillReportTables(BuiltInHeaderTexts());
    EXPECT_EQ(rowsOf(*myAdo).mid(0, 15),
              funSetRows("Functions", "Power saving", "Side button", "Power level", "On", "Off"));
    EXPECT_EQ(rowsOf(*myMain).first(), Row({"ZQ-410", "Radio: ", "ZQ-410(UHF)", "", "", "Band: ", "450 - 470MHz"}));
}

TEST_F(PrintCodeplugTest, PrintingTwiceGivesTheSameRows)
{
    for (int k : {1, 9, 16})
        StoreSampleChannel(*Channels, k);
    FillReportTables({"Model Type: ", "Frequency: ", ALL->BandText});
    const QList<Row> first = rowsOf(*myMain) + rowsOf(*myAdo);
    FillReportTables({"Model Type: ", "Frequency: ", ALL->BandText});
    EXPECT_EQ(rowsOf(*myMain) + rowsOf(*myAdo), first);
    EXPECT_EQ(myAdo->RowCount(), 15 + 1 + 3 * 6);
}

TEST_F(PrintCodeplugTest, HeaderTextsComeFromTheMainWindowLabels)
{
    QWidget window;
    const char *const names[][2] = {{"lMode", "Modell: "}, {"Label4", "Bereich: "}, {"stFreq", "400 - 480MHz"}};
    for (const auto &n : names) {
        auto *label = new QLabel(QString::fromUtf8(n[1]), &window);
        label->setObjectName(QLatin1String(n[0]));
    }
    const ReportHeaderTexts texts = HeaderTextsOf(&window);
    EXPECT_EQ(texts.modelLabel, QStringLiteral("Modell: "));
    EXPECT_EQ(texts.bandLabel, QStringLiteral("Bereich: "));
    EXPECT_EQ(texts.bandText, QStringLiteral("400 - 480MHz"));
    EXPECT_EQ(HeaderTextsOf(nullptr).bandText, QString());
}

TEST_F(PrintCodeplugTest, MainWindowCommandsPreviewAndPrintWithItsHeaderTexts)
{
    TfMainFrm window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    ASSERT_TRUE(window.HasCommand(7));
    ASSERT_TRUE(window.HasCommand(8));
    window.lMode->setText(QStringLiteral("Modell: "));
    StoreSampleChannel(*Channels, 4);

    // Closes the modal window the command opens, noting what it was.
    QString opened;
    int pages = -1;
    const auto closeModal = [&] {
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            if (auto *preview = qobject_cast<TReportPreview *>(modal)) {
                opened = QStringLiteral("preview");
                pages = preview->previewWidget()->pageCount();
            } else if (qobject_cast<QPrintDialog *>(modal)) {
                opened = QStringLiteral("print dialog");
            }
            modal->close();
        });
    };

    closeModal();
    window.ExecuteCommand(8);
    EXPECT_EQ(opened, QStringLiteral("preview"));
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(rowsOf(*myMain).first(), Row({"ZQ-410", "Modell: ", "ZQ-410(UHF)", "", "", window.Label4->text(),
                                           window.stFreq->text()}));
    EXPECT_EQ(window.stFreq->text(), ALL->BandText);
    EXPECT_EQ(myAdo->RowCount(), 15 + 1 + 6);

    opened.clear();
    EmptyTable(*myAdo);
    closeModal();
    window.ExecuteCommand(7);
    EXPECT_EQ(opened, QStringLiteral("print dialog"));
    EXPECT_EQ(myAdo->RowCount(), 15 + 1 + 6);
}

// The command-line tool renders a data file as the program's preview does.
class CliPrintTest : public PrintCodeplugTest
{
protected:
    static QString cli() { return QCoreApplication::applicationDirPath() + QStringLiteral("/zq410-cli"); }

    int run(const QStringList &args, QString *errors = nullptr)
    {
        QProcess p;
        p.start(cli(), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (errors)
            *errors = QString::fromLocal8Bit(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QString saveSixteenChannels()
    {
        for (int k = 1; k <= 16; ++k)
            StoreSampleChannel(*Channels, k);
        const QString path = pathOf("sixteen.dat");
        EXPECT_TRUE(WriteDataFile(path));
        return path;
    }

    // Every text of the report rows in order, and where each section begins.
    void expectPdfHoldsRows(const QStringList &pages, const ReportHeaderTexts &header)
    {
        ASSERT_EQ(pages.size(), 5);
        for (const QString &page : pages)
            EXPECT_TRUE(ContainsInOrder(page, {"ZQ-410", header.modelLabel.trimmed(), "ZQ-410(UHF)",
                                               header.bandLabel.trimmed(), "450 - 470MHz"}));
        QStringList funTexts, channelTexts;
        for (int r = 0; r < myAdo->RowCount(); ++r) {
            QStringList &texts = myAdo->Value(r, "TypeID").toInt() == SectionFunSet ? funTexts : channelTexts;
            for (const char *f : {"AField", "AValue", "BField", "BValue"})
                if (!myAdo->TextAt(r, f).trimmed().isEmpty())
                    texts << myAdo->TextAt(r, f).trimmed();
        }
        QString missing;
        EXPECT_TRUE(ContainsInOrder(pages[0], QStringList{myAdo->TextAt(0, "TypeName")} + funTexts, &missing))
            << qPrintable(missing);
        const QString channelPages = pages.mid(1).join(QString());
        EXPECT_TRUE(channelPages.startsWith(pages[1]));
        EXPECT_TRUE(ContainsInOrder(channelPages, QStringList{myAdo->TextAt(15, "TypeName")} + channelTexts, &missing))
            << qPrintable(missing);
        EXPECT_FALSE(pages[0].contains(myAdo->TextAt(16, "AField")));
    }
};

TEST_F(CliPrintTest, WritesThePdfOfTheRowsTheProgramPrints)
{
    // The shipped configuration lists English, then Chinese.
    const struct
    {
        QString option;
        QString language;
        int index;
    } cases[] = {{QString(), "English", 0}, {"Chinese", "Chinese", 1}};
    const QString dat = saveSixteenChannels();
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.language));
        const QString pdf = pathOf(c.language + ".pdf");
        QStringList args = {"print", dat, "--pdf", pdf};
        if (!c.option.isEmpty())
            args << "--language" << c.option;
        QString errors;
        ASSERT_EQ(run(args, &errors), 0) << qPrintable(errors);

        // The program's own path in the same language: channel window first shown, file opened.
        QFile::remove(pathOf(c.language + ".Ini"));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/" + c.language + ".Ini",
                                pathOf(c.language + ".Ini")));
        ALL->LanguageName = c.language;
        ALL->LanguageIndex = c.index;
        LoadLanguageTexts(c.language);
        TfChInfo channels;
        channels.setAttribute(Qt::WA_DontShowOnScreen);
        channels.show();
        ASSERT_EQ(ReadDataFile(dat), ReadDataFileResult::Ok);
        FillReportTables(BuiltInHeaderTexts());
        expectPdfHoldsRows(PdfPages(pdf), {myMain->TextAt(0, "AField"), myMain->TextAt(0, "CField"), ALL->BandText});
    }
    EXPECT_TRUE(PdfPages(pathOf("Chinese.pdf")).value(0).contains(QStringLiteral("已启动")));
    EXPECT_TRUE(PdfPages(pathOf("Chinese.pdf")).value(1).contains(QStringLiteral("信道信息")));
}

TEST_F(CliPrintTest, RefusesWhatItCannotPrint)
{
    writeFile(pathOf("short.dat"), QByteArray(100, '\0'));
    const struct
    {
        QStringList args;
        int exit;
    } cases[] = {
        {{"print"}, 2},
        {{"print", pathOf("short.dat")}, 2},
        {{"print", pathOf("short.dat"), "--pdf"}, 2},
        {{"print", pathOf("short.dat"), "--pdf", pathOf("x.pdf"), "--colour"}, 2},
        {{"print", pathOf("short.dat"), "--pdf", pathOf("x.pdf")}, 1},
        {{"print", pathOf("missing.dat"), "--pdf", pathOf("x.pdf")}, 1},
    };
    for (const auto &c : cases) {
        QString errors;
        EXPECT_EQ(run(c.args, &errors), c.exit) << qPrintable(c.args.join(' '));
        EXPECT_FALSE(errors.isEmpty()) << qPrintable(c.args.join(' '));
    }
    EXPECT_FALSE(QFile::exists(pathOf("x.pdf")));

    const QString dat = saveSixteenChannels();
    QString errors;
    EXPECT_EQ(run({"print", dat, "--pdf", pathOf("no/such/dir/x.pdf")}, &errors), 1);
    EXPECT_TRUE(errors.contains("x.pdf")) << qPrintable(errors);
    EXPECT_EQ(run({"print", dat, "--pdf", pathOf("x.pdf"), "--language", "Klingon"}, &errors), 1);
    EXPECT_TRUE(errors.contains("Klingon.Ini")) << qPrintable(errors);
    EXPECT_FALSE(QFile::exists(pathOf("x.pdf")));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
