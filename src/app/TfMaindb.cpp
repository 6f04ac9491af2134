#include "app/TfMaindb.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TFun.h"
#include "codeplug/TMacList.h"
#include "codeplug/TTestFre.h"
#include "i18n/LanguageTexts.h"
#include "i18n/SysInfo.h"
#include "radio/PortNames.h"
#include "i18n/TLanguage.h"
#include "report/ReportTables.h"
#include "report/TMemTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

TMacList *MacList = nullptr;
TALL *ALL = nullptr;
TTestFre *TestFre = nullptr;
TEnMsg *EnMsg = nullptr;
TFun *Fun = nullptr;
TFrqList *FrqList = nullptr;
TLanguage *Language = nullptr;
ChannelTable *Channels = nullptr;
ChannelTable *Staging = nullptr;
TMemTable *myAdo = nullptr;
TMemTable *myMain = nullptr;

TfMaindb::TfMaindb(const QString &appDir)
{
    DataModuleCreate(appDir);
}

TfMaindb::~TfMaindb()
{
    myMain = nullptr;
    myAdo = nullptr;
    Staging = nullptr;
    Channels = nullptr;
    Language = nullptr;
    FrqList = nullptr;
    Fun = nullptr;
    EnMsg = nullptr;
    TestFre = nullptr;
    ALL = nullptr;
    MacList = nullptr;
}

void TfMaindb::DataModuleCreate(const QString &appDir)
{
    // 1. Numbers use "." whatever the regional settings say; the core formats with QLocale::c()
    //    explicitly, and this makes the widgets' number boxes agree with it.
    QLocale::setDefault(QLocale::c());

    // 2. The report tables, empty, first the body and then the page header.
    m_myAdo = std::make_unique<TMemTable>(); DefineBodyFields(*m_myAdo); myAdo = m_myAdo.get();
    m_myMain = std::make_unique<TMemTable>(); DefineHeaderFields(*m_myMain); myMain = m_myMain.get();

    // 3. The singletons, in their fixed order.
    m_macList = std::make_unique<TMacList>();
    MacList = m_macList.get();
    m_all = std::make_unique<TALL>();
    ALL = m_all.get();
    m_testFre = std::make_unique<TTestFre>();
    TestFre = m_testFre.get();
    m_enMsg = std::make_unique<TEnMsg>();
    EnMsg = m_enMsg.get();
    m_fun = std::make_unique<TFun>();
    Fun = m_fun.get();
    m_frqList = std::make_unique<TFrqList>();
    FrqList = m_frqList.get();
    m_language = std::make_unique<TLanguage>();
    Language = m_language.get();
    m_channels = std::make_unique<ChannelTable>();
    Channels = m_channels.get();
    m_staging = std::make_unique<ChannelTable>();
    Staging = m_staging.get();

    // 4. The directory of the executable, with a trailing separator.
    QString dir = appDir;
    if (dir.isEmpty())
        dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    dir = QDir::fromNativeSeparators(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    ALL->AppDir = dir;

    // 5., 6. Bands, then models (which also sets the product title).
    RegisterBands(*FrqList);
    RegisterModels(*MacList, *ALL);

    // 7. Default settings and an empty message.
    ResetSettings(*Fun, *EnMsg);

    // 8., 9. The system configuration, then the message texts of its language.
    ReadSysInfo(*ALL);
    LoadPortOverrides(SysInfoFilePath(*ALL));
    LoadLanguageTexts(ALL->LanguageName);

    // 10.
    ALL->Relabeling = false;
}
