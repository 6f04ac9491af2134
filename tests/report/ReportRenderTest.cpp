#include "PdfText.h"
#include "ReportSample.h"
#include "support/CoreFixture.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "i18n/TLanguage.h"
#include "report/ReportPreview.h"
#include "report/ReportRenderer.h"
#include "report/ReportTables.h"
#include "report/TMemTable.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Setting
{
    QString label, value;
};

// Fifteen function-setting lines as the settings window lists them in English.
QList<Setting> englishSettings(const TLanguage &l)
{
    return {{"Battery Save", l.Open},    {"Clew Voice", l.Close},     {"High Vol Inhibit Tx", l.Open},
            {"Low Vol Inhibit Tx", l.Close}, {"Squelch level", "5"},  {"Side Key", "H/L Power"},
            {"TX Time Out", "180"},      {"Scan", "On"},              {"Voice", "Off"},
            {"Voice Annunciation", "Chinese"}, {"Incept Alarm", "On"}, {"FM", "Turn on"},
            {"VOX Function", l.Open},    {"VOX Gain Level", "3"},     {"VOX Inhibit OnReceive", l.Close}};
}

QList<Setting> chineseSettings(const TLanguage &l)
{
    return {{"省电", l.Open},        {"按键音", l.Close},     {"高压禁发", l.Open},   {"低压禁发", l.Close},
            {"静噪等级", "5"},       {"侧键", "高低功率"},    {"发射限时", "180"},    {"扫描", "开"},
            {"语音", "关"},          {"语音播报", "中文"},    {"报警", "开"},         {"收音机", "打开"},
            {"声控", l.Open},        {"声控等级", "3"},       {"接收禁声控", l.Close}};
}

class ReportRenderTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        SetChannelTitles(*Channels);
    }

    void fill(const QList<Setting> &settings, const QString &funTitle, const ReportHeaderTexts &header)
    {
        EmptyTable(*myAdo);
        EmptyTable(*myMain);
        AppendHeaderRow(*myMain, ALL->ProductTitle, ALL->ModelName, header);
        for (const Setting &s : settings)
            AppendBodyRow(*myAdo, SectionFunSet, funTitle, s.label, s.value);
        AppendChannelRows(*myAdo, *Channels, *Language);
    }

    void fillSixteenChannels()
    {
        for (int k = 1; k <= 16; ++k)
            StoreSampleChannel(*Channels, k);
    }

    // Every text of the channel section in reading order.
    QStringList channelTexts(const QStringList &titles) const
    {
        QStringList texts;
        for (int k = 1; k <= 16; ++k) {
            const SampleChannel s = SampleChannelOf(k);
            const QString none = Channels->noToneText();
            texts << titles[0] + QString::number(k) << titles[1] << s.rx << titles[2] << s.tx << titles[3]
                  << (s.decode.isEmpty() ? none : s.decode) << titles[4] << (s.encode.isEmpty() ? none : s.encode)
                  << titles[5] << Channels->itemText(ColPower, s.power) << titles[6]
                  << Channels->itemText(ColWidth, s.width) << titles[7] << Channels->itemText(ColScanAdd, s.scanAdd)
                  << titles[8] << Channels->itemText(ColBeatShift, s.beatShift) << titles[9]
                  << Channels->itemText(ColBusyLockout, s.busyLockout);
        }
        return texts;
    }

    QString writePdf(const QString &name)
    {
        const QString path = pathOf(name);
        QString problem;
        EXPECT_TRUE(ExportReportPdf(path, *myMain, *myAdo, &problem, printedAt)) << qPrintable(problem);
        return path;
    }

    // Checks the pages of the report of the sixteen-channel sample.
    void expectReport(const QStringList &pages, const QList<Setting> &settings, const QString &funTitle,
                      const ReportHeaderTexts &header, const QStringList &titles)
    {
        ASSERT_EQ(pages.size(), 5); // the settings page, then 97 channel lines at 31 a page
        const QString date = ReportRenderer(*myMain, *myAdo, printedAt).DateText();
        for (int p = 0; p < pages.size(); ++p) {
            QString missing;
            EXPECT_TRUE(ContainsInOrder(pages[p], {"ZQ-410", date, header.modelLabel.trimmed(), "ZQ-410(UHF)",
                                                   header.bandLabel.trimmed(), "450 - 470MHz"},
                                        &missing))
                << "page " << p + 1 << " header lacks " << qPrintable(missing);
            const QString section = p == 0 ? funTitle : Language->Channel + Language->Info;
            EXPECT_TRUE(ContainsInOrder(pages[p], {"450 - 470MHz", section})) << "page " << p + 1;
            const QStringList lines = pages[p].trimmed().split(QLatin1Char('\n'));
            EXPECT_EQ(lines.last().trimmed(), QString::number(p + 1)) << "page number of page " << p + 1;
        }
        QStringList funTexts;
        for (const Setting &s : settings)
            funTexts << s.label << s.value;
        QString missing;
        EXPECT_TRUE(ContainsInOrder(pages[0], funTexts, &missing)) << "settings lack " << qPrintable(missing);
        EXPECT_FALSE(pages[0].contains(titles[1])) << "the channel section must start on a page of its own";
        const QString channelPages = pages.mid(1).join(QString());
        EXPECT_FALSE(channelPages.contains(settings.first().label));
        EXPECT_TRUE(ContainsInOrder(channelPages, channelTexts(titles), &missing))
            << "channels lack " << qPrintable(missing) << " in\n" << qPrintable(channelPages.left(1500));
    }

    const QDateTime printedAt{QDate(2026, 3, 7), QTime(9, 5, 4)};
};

TEST_F(ReportRenderTest, SectionsStartOnNewPagesAndOverflowRepeatsTheTitle)
{
    fillSixteenChannels();
    fill(englishSettings(*Language), "Function Setting", {"Model Type: ", "Frequency: ", ALL->BandText});
    const QList<ReportPage> pages = ReportRenderer(*myMain, *myAdo).Paginate();

    ASSERT_EQ(pages.size(), 5);
    // The empty line and five channels fill the first channel page; later pages take five
    // whole channels (30 of 31 lines), never part of one.
    const QList<int> sizes = {1 + 15, 1 + 31, 1 + 30, 1 + 30, 1 + 6};
    int next = 0;
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_EQ(pages[p].size(), sizes[p]) << "page " << p + 1;
        EXPECT_EQ(pages[p].first(), (ReportBand{ReportBand::SectionTitle, next})) << "page " << p + 1;
        for (int i = 1; i < pages[p].size(); ++i)
            EXPECT_EQ(pages[p][i], (ReportBand{ReportBand::DataLine, next++}));
    }
    EXPECT_EQ(next, myAdo->RowCount());

    // Room for the page header, the footer, a title and exactly two lines: a channel cannot stay
    // together, so its lines simply run on.
    const QList<ReportPage> small = ReportRenderer(*myMain, *myAdo).Paginate(37 + 6 + 7 + 2 * 7);
    EXPECT_EQ(small.size(), 8 + 49);

    EmptyTable(*myAdo);
    const QList<ReportPage> empty = ReportRenderer(*myMain, *myAdo).Paginate();
    ASSERT_EQ(empty.size(), 1);
    EXPECT_TRUE(empty.first().isEmpty());
}

TEST_F(ReportRenderTest, DateAndTimeUseTheSeparatorsOfTheSystemFormat)
{
    const struct
    {
        QString format;
        QChar expected;
    } cases[] = {{"dd/MM/yyyy", '/'}, {"yyyy-MM-dd", '-'}, {"d.M.yy", '.'}, {"yyyy'年'M'月'd'日'", '/'},
                 {"HH:mm", ':'},      {"h.mm AP", '.'},    {"", '/'}};
    for (const auto &c : cases)
        EXPECT_EQ(ReportRenderer::SeparatorOf(c.format, QLatin1Char('/')), c.expected) << qPrintable(c.format);

    const ReportRenderer r(*myMain, *myAdo, printedAt);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^2026(\\D)03\\g{1}07$")).match(r.DateText()).hasMatch())
        << qPrintable(r.DateText());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^09(\\D)05\\g{1}04$")).match(r.TimeText()).hasMatch())
        << qPrintable(r.TimeText());
}

TEST_F(ReportRenderTest, TextFontShowsChineseWhereSongTiIsMissing)
{
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    ASSERT_FALSE(chinese.isEmpty()) << "no Chinese font installed";
    for (const QFont &font : {ReportRenderer::TextFont(), ReportRenderer::TextFont(14.0, true)})
        EXPECT_TRUE(chinese.contains(QFontInfo(font).family())) << qPrintable(QFontInfo(font).family());
    EXPECT_EQ(ReportRenderer::TextFont().pointSizeF(), 10.0);
    EXPECT_TRUE(ReportRenderer::TextFont(14.0, true).bold());
}

TEST_F(ReportRenderTest, PdfOfSixteenChannelsHoldsEveryTextInOrder)
{
    fillSixteenChannels();
    const ReportHeaderTexts header{"Model Type: ", "Frequency: ", ALL->BandText};
    fill(englishSettings(*Language), "Function Setting", header);
    const QStringList pages = PdfPages(writePdf("english.pdf"));
    expectReport(pages, englishSettings(*Language), "Function Setting", header, BuiltInChannelTitles());
}

TEST_F(ReportRenderTest, PdfInChineseShowsTheChineseTexts)
{
    const QStringList titles = {"信道号", "接收频率", "发射频率", "接收亚音", "发射亚音", "功率", "带宽", "扫描",
                                "移频", "繁忙锁定"};
    SetChannelTitles(*Channels, titles);
    Channels->setNoToneText(QStringLiteral("无"));
    Channels->setPowerItems({"低", "高"});
    Channels->setWidthItems({"宽带", "窄带"});
    Channels->setYesNoItems({"是", "否"});
    fillSixteenChannels();
    const ReportHeaderTexts header{"机型：", "频段：", ALL->BandText};
    fill(chineseSettings(*Language), "功能设置", header);
    const QStringList pages = PdfPages(writePdf("chinese.pdf"));
    expectReport(pages, chineseSettings(*Language), "功能设置", header, titles);
}

TEST_F(ReportRenderTest, PrinterGetsTheSamePagesAsThePdf)
{
    fillSixteenChannels();
    fill(englishSettings(*Language), "Function Setting", {"Model Type: ", "Frequency: ", ALL->BandText});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathOf("printed.pdf"));
    printer.setPageLayout(ReportRenderer::PageLayout());
    ASSERT_TRUE(PrintReportOn(printer, *myMain, *myAdo, printedAt));
    EXPECT_EQ(PdfPages(pathOf("printed.pdf")), PdfPages(writePdf("exported.pdf")));
}

TEST_F(ReportRenderTest, PreviewShowsThePagesAndQuickExportWritesThePdf)
{
    fillSixteenChannels();
    fill(englishSettings(*Language), "Function Setting", {"Model Type: ", "Frequency: ", ALL->BandText});
    ScriptedFileDialogs files;
    TReportPreview preview(*myMain, *myAdo);
    ASSERT_NE(preview.previewWidget(), nullptr);
    preview.previewWidget()->updatePreview();
    EXPECT_EQ(preview.previewWidget()->pageCount(), 5);
    ASSERT_NE(preview.quickExportAction(), nullptr);

    files.saveAnswers({QString(), pathOf("quick.pdf"), pathOf("no/such/dir/quick.pdf")});
    preview.quickExportAction()->trigger(); // cancelled
    EXPECT_FALSE(QFile::exists(pathOf("quick.pdf")));
    EXPECT_EQ(messages.count(), 0);

    preview.quickExportAction()->trigger();
    const QStringList pages = PdfPages(pathOf("quick.pdf"));
    ASSERT_EQ(pages.size(), 5);
    EXPECT_TRUE(ContainsInOrder(pages[4], {"Channel No.16", "466.02000", "476.04000"}));
    EXPECT_EQ(messages.count(), 0);

    preview.quickExportAction()->trigger(); // a directory that does not exist
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().first().caption, Language->Caution);
    EXPECT_TRUE(messages.asked().first().text.contains("quick.pdf"));
    EXPECT_EQ(files.savesAsked(), 3);
}

} // namespace

int main(int argc, char **argv)
{
    // Test discovery runs the binary without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
