#include "app/TfMainFrm.h"

#include "about/TfFrmAbout.h"
#include "app/Artwork.h"
#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "channels/CellGrid.h"
#include "channels/TfBBatchEdit.h"
#include "channels/TfBInfoEdit.h"
#include "channels/TfChInfo.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TMacList.h"
#include "i18n/FormLanguage.h"
#include "i18n/LanguageTexts.h"
#include "i18n/SysInfo.h"
#include "i18n/TLanguage.h"
#include "i18n/TfSetLanguage.h"
#include "radio/PortNames.h"
#include "settings/TfBFunSet.h"
#include "settings/TfEmbeddedMessage.h"
#include "settings/TfModel.h"
#include "settings/TfTestFrequency.h"
#include "report/PrintCodeplug.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const int PanelWidths[5] = {50, 80, 120, 180, 200};
const QString DataFileFilter = QStringLiteral("Data File(*.dat)|*.dat");
const QString DataFileExtension = QStringLiteral("*.dat");

// "yyyy/mm/dd" with the system's date separator standing for the slashes.
QString dateText(const QDate &date)
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    QChar separator = QLatin1Char('/');
    for (const QChar c : format)
        if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.')) {
            separator = c;
            break;
        }
    return date.toString(QStringLiteral("yyyy%1MM%1dd").arg(separator));
}

} // namespace

TfMainFrm::TfMainFrm(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fMainFrm"));
    setWindowTitle(ALL ? ALL->ProductTitle : QString());
    OpenHelpFile = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    buildMenus();
    pBar = new QWidget(central);
    pBar->setObjectName(QStringLiteral("pBar"));
    auto *barLayout = new QHBoxLayout(pBar);
    barLayout->setContentsMargins(2, 0, 2, 0);
    tbar = new QToolBar(pBar);
    tbar->setObjectName(QStringLiteral("tbar"));
    tbar->setIconSize(QSize(16, 16));
    tbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbar->setMovable(false);
    tbar->setFloatable(false);
    barLayout->addWidget(tbar);
    barLayout->addStretch();
    layout->addWidget(pBar);
    buildToolBar();
    buildStrip(central);

    MdiArea = new QMdiArea(central);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    layout->addWidget(MdiArea, 1);

    ImBack = new QLabel(this);
    ImBack->setObjectName(QStringLiteral("ImBack"));
    ImBack->hide();
    SetStaticText(ImBack);

    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    SetTag(cbCom, -2);
    cbCom->hide();

    buildStatusBar();
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this,
            [this] { Panels[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); });
    Timer->start();

    if (Staging)
        Staging->setColCount(12);

    RegisterCommands();
    EnableCommands();
}

QAction *TfMainFrm::item(QMenu *menu, const char *name, const QString &text, int tag, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    if (tag > 0) {
        SetTag(action, tag);
        connect(action, &QAction::triggered, this, [this, tag] { ExecuteCommand(tag); });
    }
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

QAction *TfMainFrm::separator(QMenu *menu, const char *name)
{
    QAction *s = menu->addSeparator();
    s->setParent(this);
    s->setObjectName(QLatin1String(name));
    return s;
}

void TfMainFrm::buildMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    setMenuBar(bar);
    auto menu = [bar](const char *name, const QString &title) {
        QMenu *m = bar->addMenu(title);
        m->setObjectName(QLatin1String(name));
        return m;
    };

    QMenu *file = menu("nFile", QStringLiteral("&File"));
    item(file, "nNew", QStringLiteral("&New"), 1, QKeySequence(Qt::CTRL | Qt::Key_N));
    item(file, "nOpen", QStringLiteral("&Open"), 2, QKeySequence(Qt::CTRL | Qt::Key_O));
    item(file, "nSave", QStringLiteral("&Save"), 3, QKeySequence(Qt::CTRL | Qt::Key_S));
    item(file, "nSaveAs", QStringLiteral("Save &As"), 4, QKeySequence(Qt::CTRL | Qt::Key_A));
    separator(file, "N1");
    item(file, "nPrint", QStringLiteral("&Print"), 7, QKeySequence(Qt::CTRL | Qt::Key_P));
    item(file, "nPrintPreview", QStringLiteral("Print Pre&view"), 8, QKeySequence(Qt::CTRL | Qt::Key_V));
    separator(file, "N2");
    QAction *exit = item(file, "nExit", QStringLiteral("&Exit"), 0, QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menu("nEdit", QStringLiteral("&Edit"));
    item(edit, "nChannelEdit", QStringLiteral("&Channel Edit"), 10, QKeySequence(Qt::Key_F11));
    item(edit, "nBatchEdit", QStringLiteral("&Batch Channel Edit"), 36, QKeySequence(Qt::Key_F10));
    item(edit, "nFunctionSetting", QStringLiteral("Function &Setting"), 37);
    separator(edit, "N3")->setVisible(false);
    item(edit, "nTestFrequency", QStringLiteral("&Test Frequency"), 18)->setVisible(false);
    item(edit, "nEmbeddedMessage", QStringLiteral("Embedded &Message"), 19)->setVisible(false);

    QMenu *program = menu("nProgram", QStringLiteral("&Program"));
    item(program, "nReadFromRadio", QStringLiteral("&Read From Radio"), 20, QKeySequence(Qt::CTRL | Qt::Key_R));
    item(program, "nWriteToRadio", QStringLiteral("&Write To Radio"), 21, QKeySequence(Qt::CTRL | Qt::Key_W));
    separator(program, "N4");
    item(program, "nTestOnline", QStringLiteral("&Test Online"), 22)->setVisible(false);

    QMenu *setup = menu("nSetup", QStringLiteral("&Setup"));
    nModelInformation = item(setup, "nModelInformation", QStringLiteral("&Model Information"), 9);
    nModelInformation->setVisible(false);
    item(setup, "nCommunicationPort", QStringLiteral("&Communication Port"), 24);
    item(setup, "nLanguageFileSetup", QStringLiteral("Language File Setup"), 25);

    QMenu *view = menu("nView", QStringLiteral("&View"));
    item(view, "nTreeView", QStringLiteral("Tree &View"), 26)->setVisible(false);
    separator(view, "N5")->setVisible(false);
    nToolbar = item(view, "nToolbar", QStringLiteral("&Toolbar"), 0);
    SetTag(nToolbar, 27);
    nToolbar->setCheckable(true);
    nToolbar->setChecked(true);
    connect(nToolbar, &QAction::triggered, this, &TfMainFrm::nToolbarClick);
    nStatusBar = item(view, "nStatusBar", QStringLiteral("&Status bar"), 0);
    SetTag(nStatusBar, 28);
    nStatusBar->setCheckable(true);
    nStatusBar->setChecked(true);
    connect(nStatusBar, &QAction::triggered, this, &TfMainFrm::nStatusBarClick);

    QMenu *window = menu("nWindow", QStringLiteral("&Window"));
    window->menuAction()->setVisible(false);
    item(window, "nCascade", QStringLiteral("&Cascade"), 29);
    item(window, "nTileHorizontally", QStringLiteral("Tile Windows &Horizontally"), 30);
    item(window, "nTileVertically", QStringLiteral("Tile Windows &Vertically"), 31);
    item(window, "nArrangeIcons", QStringLiteral("&Arrange Icons"), 32);
    item(window, "nCloseAll", QStringLiteral("Close All &Windows"), 33);

    QMenu *help = menu("nHelp", QStringLiteral("&Help"));
    item(help, "nHelpTopics", QStringLiteral("&Help Topics"), 34);
    item(help, "nAbout", QStringLiteral("About..."), 35);
}

void TfMainFrm::buildToolBar()
{
    struct Button
    {
        const char *name;
        const char *hint;
        int tag;
        ToolbarPicture picture;
    };
    const Button buttons[] = {
        {"tbNew", "New", 1, ToolbarPicture::New},
        {"tbOpen", "Open", 2, ToolbarPicture::Open},
        {"tbSave", "Save", 3, ToolbarPicture::Save},
        {nullptr, nullptr, 0, {}},
        {"tbChannelEdit", "Channel Edit", 10, ToolbarPicture::ChannelEdit},
        {nullptr, nullptr, 0, {}},
        {"tbPrint", "Print", 7, ToolbarPicture::Print},
        {nullptr, nullptr, 0, {}},
        {"tbRead", "Read", 20, ToolbarPicture::Read},
        {nullptr, nullptr, 0, {}},
        {"tbWrite", "Write", 21, ToolbarPicture::Write},
        {nullptr, nullptr, 0, {}},
        {"tbHelp", "Help", 34, ToolbarPicture::Help},
    };
    for (const Button &b : buttons) {
        if (!b.name) {
            tbar->addSeparator();
            continue;
        }
        auto *action = new QAction(QIcon(QPixmap::fromImage(ToolbarImage(b.picture))), QLatin1String(b.hint), this);
        action->setObjectName(QLatin1String(b.name));
        action->setToolTip(QLatin1String(b.hint));
        SetTag(action, b.tag);
        const int tag = b.tag;
        connect(action, &QAction::triggered, this, [this, tag] { ExecuteCommand(tag); });
        tbar->addAction(action);
    }
}

void TfMainFrm::buildStrip(QWidget *central)
{
    auto *strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("pModel"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 2, 8, 2);
    lMode = new QLabel(QStringLiteral("Model Type: "), strip);
    lMode->setObjectName(QStringLiteral("lMode"));
    lMode->setVisible(false);
    stModel = new QLabel(strip);
    stModel->setObjectName(QStringLiteral("stModel"));
    stModel->setMinimumWidth(120);
    SetStaticText(stModel);
    Label4 = new QLabel(QStringLiteral("Frequency: "), strip);
    Label4->setObjectName(QStringLiteral("Label4"));
    stFreq = new QLabel(strip);
    stFreq->setObjectName(QStringLiteral("stFreq"));
    stFreq->setMinimumWidth(120);
    SetStaticText(stFreq);
    lCom = new QLabel(QStringLiteral("Port: "), strip);
    lCom->setObjectName(QStringLiteral("lCom"));
    lCom->setVisible(false);
    lSimulated = new QLabel(QStringLiteral(" (simulated radio)"), strip);
    lSimulated->setObjectName(QStringLiteral("lSimulated"));
    lSimulated->setVisible(false);
    QFont bold = stModel->font();
    bold.setBold(true);
    stModel->setFont(bold);
    stFreq->setFont(bold);
    row->addWidget(lMode);
    row->addWidget(stModel);
    row->addSpacing(24);
    row->addWidget(Label4);
    row->addWidget(stFreq);
    row->addStretch();
    central->layout()->addWidget(strip);
}

void TfMainFrm::buildStatusBar()
{
    MainBar = new QStatusBar(this);
    MainBar->setObjectName(QStringLiteral("MainBar"));
    MainBar->setSizeGripEnabled(false);
    setStatusBar(MainBar);
    for (int i = 0; i < 5; ++i) {
        Panels[i] = new QLabel(MainBar);
        Panels[i]->setFixedWidth(PanelWidths[i]);
        Panels[i]->setFrameShape(QFrame::StyledPanel);
        Panels[i]->setFrameShadow(QFrame::Sunken);
        MainBar->addWidget(Panels[i]);
    }
}

QList<QAction *> TfMainFrm::CommandActions() const
{
    QList<QAction *> list;
    for (QAction *a : findChildren<QAction *>())
        if (TagOf(a) > 0)
            list.append(a);
    return list;
}

void TfMainFrm::RegisterCommands()
{
    m_commands.insert(1, [this] { NewCodeplug(); });
    m_commands.insert(2, [this] { OpenCodeplug(); });
    m_commands.insert(3, [this] { SaveCodeplug(); });
    m_commands.insert(4, [this] {
        FileName.clear();
        SaveCodeplug();
    });
    m_commands.insert(25, [this] {
        TfSetLanguage dialog(this);
        dialog.exec();
        if (dialog.LanguageChanged)
            ApplyLanguageChange();
    });
    m_commands.insert(29, [this] { MdiArea->cascadeSubWindows(); });
    m_commands.insert(30, [this] {
        const QList<QMdiSubWindow *> windows = MdiArea->subWindowList();
        if (windows.isEmpty())
            return;
        const int h = MdiArea->viewport()->height() / int(windows.size());
        for (int i = 0; i < windows.size(); ++i) {
            windows[i]->showNormal();
            windows[i]->setGeometry(0, i * h, MdiArea->viewport()->width(), h);
        }
    });
    m_commands.insert(31, [this] {
        const QList<QMdiSubWindow *> windows = MdiArea->subWindowList();
        if (windows.isEmpty())
            return;
        const int w = MdiArea->viewport()->width() / int(windows.size());
        for (int i = 0; i < windows.size(); ++i) {
            windows[i]->showNormal();
            windows[i]->setGeometry(i * w, 0, w, MdiArea->viewport()->height());
        }
    });
    m_commands.insert(32, [this] {
        int x = 0;
        for (QMdiSubWindow *w : MdiArea->subWindowList())
            if (w->isMinimized()) {
                w->move(x, MdiArea->viewport()->height() - w->height());
                x += w->width();
            }
    });
    m_commands.insert(33, [this] {
        const QList<QMdiSubWindow *> windows = MdiArea->subWindowList();
        for (auto it = windows.crbegin(); it != windows.crend(); ++it)
            (*it)->close();
    });
    m_commands.insert(34, [this] { ShowHelp(); });
    m_commands.insert(35, [this] { ShowAbout(); });
    // The channel dialogs count channels as the channel table has rows for them.
    m_commands.insert(10, [this] {
        OpenChannelEdit(this, fChInfo ? fChInfo->gvData->currentRow() : FirstChannelRow, Channels->rowCount() - 2);
    });
    m_commands.insert(36, [this] { OpenBatchEdit(this, Channels->rowCount() - 2); });
    m_commands.insert(37, [this] { OpenFunctionSettings(this); });
    m_commands.insert(18, [this] { OpenTestFrequency(this); });
    m_commands.insert(19, [this] { OpenEmbeddedMessage(this); });
    m_commands.insert(9, [this] { RunModelChange(this, [this] { NewCodeplug(); }); });
    m_commands.insert(7, [this] { PrintCodeplug(this, false); });
    m_commands.insert(8, [this] { PrintCodeplug(this, true); });
    // Commands whose windows are wired in with SetCommand from the program's entry:
    //   20 read, 21 write, 24 port.
    // 22 (Test Online) and 26 (Tree View) are hidden items without an action.
}

void TfMainFrm::SetCommand(int tag, std::function<void()> action)
{
    m_commands.insert(tag, std::move(action));
    EnableCommands();
}

void TfMainFrm::EnableCommands()
{
    // An item without an action is shown disabled rather than doing nothing.
    for (QAction *a : CommandActions()) {
        const int tag = TagOf(a);
        if (tag == 27 || tag == 28)
            continue;
        a->setEnabled(m_commands.contains(tag));
    }
}

void TfMainFrm::ExecuteCommand(int tag)
{
    if (fChInfo)
        fChInfo->CloseEditors();
    const auto it = m_commands.constFind(tag);
    if (it != m_commands.constEnd() && *it)
        (*it)();
}

void TfMainFrm::nToolbarClick()
{
    pBar->setVisible(nToolbar->isChecked());
}

void TfMainFrm::nStatusBarClick()
{
    MainBar->setVisible(nStatusBar->isChecked());
}

void TfMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfMainFrm::FillPorts()
{
    cbCom->clear();
    QStringList ports;
    ListSerialPorts(&ports);
    cbCom->addItems(ports);
    ALL->PortName = ALL->PortName.toUpper();
    if (!ports.contains(ALL->PortName) && !ports.isEmpty())
        ALL->PortName = ports.first();
}

void TfMainFrm::FormShow()
{
    ImBack->setPixmap(QPixmap::fromImage(BackgroundPicture()));
    MdiArea->setBackground(QBrush(ImBack->pixmap()));

    if (const TMacType *first = MacList->ModelAt(0)) {
        MakeModelCurrent(*ALL, first);
        AssignBandText(*ALL, first->DefaultBand);
    }
    FillPorts();
    FileName.clear();
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    setWindowTitle(ALL->ProductTitle);
    lMode->setVisible(true);
    nModelInformation->setVisible(true);
    UpdateCaptions();

    if (!fChInfo) {
        fChInfo = new TfChInfo;
        ChInfoWindow = MdiArea->addSubWindow(fChInfo);
        ChInfoWindow->setObjectName(QStringLiteral("ChInfoWindow"));
        ChInfoWindow->resize(870, 521);
    }
    ChInfoWindow->show();
    ALL->Modified = false;
    emit firstShown();
}

void TfMainFrm::UpdateCaptions()
{
    Panels[0]->clear();
    Panels[1]->setText(dateText(QDate::currentDate()));
    Panels[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    Panels[4]->clear();
    stModel->setText(ALL->ModelName);
    stFreq->setText(ALL->BandText);
    Panels[3]->setText(lCom->text() + ALL->PortName + (IsSimulatedPort(ALL->PortName) ? lSimulated->text() : QString()));
    if (FileName.isEmpty())
        setWindowTitle(ALL->ProductTitle);
    else
        setWindowTitle(ALL->ProductTitle + QStringLiteral(" [") + QDir::toNativeSeparators(FileName)
                       + QLatin1Char(']'));
}

bool TfMainFrm::SaveProgramPrompt()
{
    if (!ALL->Modified)
        return false;
    if (ShowMessage(Language->Confirmation, Language->SaveProgram, MsgYesNo) == ResultYes)
        SaveCodeplug();
    return true;
}

void TfMainFrm::NewCodeplug()
{
    SaveProgramPrompt();
    ResetSettings(*Fun, *EnMsg);
    if (fChInfo)
        fChInfo->ClearChannelTable();
    else
        ::ClearChannelTable(*Channels, ALL->ChannelCount);
    FileName.clear();
    UpdateCaptions();
    ALL->Modified = false;
}

void TfMainFrm::OpenCodeplug()
{
    SaveProgramPrompt();
    FileDialogRequest request{QString(), FileName.isEmpty() ? QString() : QFileInfo(FileName).absolutePath(),
                              DataFileFilter, DataFileExtension};
    const QString path = ChooseOpenFile(request);
    if (path.isEmpty())
        return;
    OpenDataFile(path);
}

void TfMainFrm::OpenDataFile(const QString &path)
{
    FileName = path;
    // A file that could not be used belongs to no codeplug: Save must not overwrite it.
    if (ReadDataFile(path) != ReadDataFileResult::Ok)
        FileName.clear();
    UpdateCaptions();
}

void TfMainFrm::SaveCodeplug()
{
    if (FileName.isEmpty()) {
        FileDialogRequest request{QString(), QString(), DataFileFilter, DataFileExtension};
        const QString path = ChooseSaveFile(request);
        if (!path.isEmpty()) {
            FileName = path;
            WriteDataFile(FileName);
        }
    } else {
        WriteDataFile(FileName);
    }
    UpdateCaptions();
}

void TfMainFrm::ApplyLanguageChange()
{
    LoadLanguageTexts(ALL->LanguageName);
    ApplyFormLanguage(this, ALL->LanguageName, true);
    UpdateCaptions();
    if (fChInfo)
        fChInfo->RelabelGrid();
}

void TfMainFrm::ShowHelp()
{
    const QString path = ALL->AppDir + ALL->HelpPrefix + QLatin1Char('_') + ALL->LanguageName + QStringLiteral(".chm");
    if (!QFileInfo::exists(path)) {
        ShowMessage(Language->Caution,
                    QStringLiteral("The help file \"%1\" was not found.").arg(QDir::toNativeSeparators(path)),
                    MsgInformation);
        return;
    }
    if (OpenHelpFile)
        OpenHelpFile(path);
}

void TfMainFrm::ShowAbout()
{
    TfFrmAbout about(this);
    about.exec();
}

void TfMainFrm::ResetStagingGrid()
{
    ::ResetStagingGrid(*Staging, ALL->ChannelCount);
}

void TfMainFrm::LoadStagedChannels()
{
    if (fChInfo)
        fChInfo->CloseEditors();
    ::LoadStagedChannels(*Channels, *Staging, ALL->ChannelCount);
    ALL->Modified = true;
    FileName.clear();
    UpdateCaptions();
}

void TfMainFrm::closeEvent(QCloseEvent *event)
{
    if (fChInfo)
        fChInfo->CloseEditors();
    if (ShowMessage(Language->Confirmation, Language->ExitProgram, MsgYesNo) != ResultYes) {
        event->ignore();
        return;
    }
    SaveProgramPrompt();
    ForgetSimulatedPort();
    const QString problem = WriteSysInfo(*ALL);
    if (!problem.isEmpty())
        ShowMessage(Language->Caution, problem, MsgInformation);
    event->accept();
}
