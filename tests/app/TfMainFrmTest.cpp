#include "about/TfFrmAbout.h"
#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "app/TfMainFrm.h"
#include "channels/CellGrid.h"
#include "channels/TfChInfo.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TTestFre.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

class MainFrmTest : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        for (const char *name : {"English.Ini", "Chinese.Ini"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ZQ_DATA_DIR "/") + QLatin1String(name), pathOf(name)));
        Channels->setRowCount(2);
        window = std::make_unique<TfMainFrm>();
        window->OpenHelpFile = [this](const QString &path) { helpOpened.append(path); };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        CoreFixture::TearDown();
    }

    QAction *action(const char *name) const { return window->findChild<QAction *>(QLatin1String(name)); }
    CellGrid *grid() const { return window->fChInfo->gvData; }
    // Types a receive frequency into a channel's row through the grid's editor.
    void typeRx(int row, const QString &keys)
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(ColRx, row).center());
        ASSERT_TRUE(grid()->isEditing());
        QTest::keyClicks(grid()->editor(), keys);
        QTest::keyClick(grid()->editor(), Qt::Key_Return);
    }
    QByteArray fileBytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ScriptedFileDialogs dialogs;
    QStringList helpOpened;
    std::unique_ptr<TfMainFrm> window;
};

TEST_F(MainFrmTest, StartsWithTheFirstModelAnEmptyTableAndItsBars)
{
    EXPECT_EQ(window->windowTitle(), "ZQ-410");
    EXPECT_EQ(ALL->ModelName, "ZQ-410(UHF)");
    EXPECT_EQ(window->stModel->text(), "ZQ-410(UHF)");
    EXPECT_EQ(window->stFreq->text(), "450 - 470MHz");
    EXPECT_TRUE(window->lMode->isVisible());
    EXPECT_TRUE(window->nModelInformation->isVisible());
    EXPECT_FALSE(ALL->Modified);
    EXPECT_TRUE(window->FileName.isEmpty());

    const int widths[5] = {50, 80, 120, 180, 200};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(window->Panels[i]->width(), widths[i]);
    EXPECT_TRUE(window->Panels[0]->text().isEmpty());
    EXPECT_EQ(window->Panels[3]->text(), "Port: " + ALL->PortName);
    // The date with the system's separator between year, month and day.
    const QString date = window->Panels[1]->text();
    ASSERT_EQ(date.size(), 10);
    const QString separator = date.mid(4, 1);
    EXPECT_EQ(date, QDate::currentDate().toString(QStringLiteral("yyyy%1MM%1dd").arg(separator)));
    EXPECT_FALSE(separator.at(0).isLetterOrNumber());

    ASSERT_NE(window->fChInfo, nullptr);
    EXPECT_EQ(window->MdiArea->subWindowList().size(), 1);
    EXPECT_EQ(window->ChInfoWindow->width(), 810);
    EXPECT_LE(window->ChInfoWindow->height(), 480);
    EXPECT_EQ(Channels->rowCount(), 18);
    EXPECT_EQ(Channels->text(ColRx, HeaderRow), "RX Frequency");
    EXPECT_EQ(Staging->colCount(), 12);
}

TEST_F(MainFrmTest, MenusAndToolBarCarryTheirTagsShortcutsAndHints)
{
    struct Item
    {
        const char *name;
        int tag;
        QKeySequence shortcut;
        bool visible;
    };
    const Item items[] = {
        {"nNew", 1, QKeySequence("Ctrl+N"), true},
        {"nOpen", 2, QKeySequence("Ctrl+O"), true},
        {"nSave", 3, QKeySequence("Ctrl+S"), true},
        {"nSaveAs", 4, QKeySequence("Ctrl+A"), true},
        {"nPrint", 7, QKeySequence("Ctrl+P"), true},
        {"nPrintPreview", 8, QKeySequence("Ctrl+V"), true},
        {"nExit", 0, QKeySequence("Ctrl+X"), true},
        {"nChannelEdit", 10, QKeySequence("F11"), true},
        {"nBatchEdit", 36, QKeySequence("F10"), true},
        {"nFunctionSetting", 37, {}, true},
        {"nTestFrequency", 18, {}, false},
        {"nEmbeddedMessage", 19, {}, false},
        {"nReadFromRadio", 20, QKeySequence("Ctrl+R"), true},
        {"nWriteToRadio", 21, QKeySequence("Ctrl+W"), true},
        {"nTestOnline", 22, {}, false},
        {"nModelInformation", 9, {}, true},
        {"nCommunicationPort", 24, {}, true},
        {"nLanguageFileSetup", 25, {}, true},
        {"nTreeView", 26, {}, false},
        {"nToolbar", 27, {}, true},
        {"nStatusBar", 28, {}, true},
        {"nHelpTopics", 34, {}, true},
        {"nAbout", 35, {}, true},
    };
    for (const Item &i : items) {
        QAction *a = action(i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(TagOf(a), i.tag) << i.name;
        EXPECT_EQ(a->shortcut(), i.shortcut) << i.name;
        EXPECT_EQ(a->isVisible(), i.visible) << i.name;
    }
    EXPECT_FALSE(action("N3")->isVisible()); // above Test Frequency
    EXPECT_FALSE(action("N5")->isVisible()); // above Toolbar
    EXPECT_TRUE(action("N4")->isVisible());  // above Test Online
    auto *windowMenu = window->findChild<QMenu *>("nWindow");
    ASSERT_NE(windowMenu, nullptr);
    EXPECT_FALSE(windowMenu->menuAction()->isVisible());
    EXPECT_TRUE(action("nToolbar")->isChecked());
    EXPECT_TRUE(action("nStatusBar")->isChecked());

    QStringList order;
    for (QAction *a : window->tbar->actions())
        order.append(a->isSeparator() ? QStringLiteral("|") : a->toolTip());
    EXPECT_EQ(order.join(','), "New,Open,Save,|,Channel Edit,|,Print,|,Read,|,Write,|,Help");
    EXPECT_EQ(TagOf(action("tbChannelEdit")), 10);
    EXPECT_EQ(TagOf(action("tbHelp")), 34);
    // Menu items and buttons are separate objects, each with its own name.
    EXPECT_NE(action("tbNew"), action("nNew"));
    EXPECT_EQ(TagOf(action("tbNew")), 1);
}

TEST_F(MainFrmTest, CommandsWithoutTheirWindowsAreDisabledAndWiringEnablesThem)
{
    // The radio commands are wired by the program entry, which this window is built without.
    const QList<int> pending = {20, 21, 22, 24, 26};
    for (QAction *a : window->CommandActions()) {
        const int tag = TagOf(a);
        // Hidden items cannot be chosen at all.
        if (tag == 27 || tag == 28 || !a->isVisible())
            continue;
        EXPECT_EQ(a->isEnabled(), !pending.contains(tag)) << a->objectName().toStdString();
    }
    int ran = 0;
    window->SetCommand(20, [&] { ++ran; });
    EXPECT_TRUE(action("nReadFromRadio")->isEnabled());
    EXPECT_TRUE(action("tbRead")->isEnabled());
    action("tbRead")->trigger();
    action("nReadFromRadio")->trigger();
    EXPECT_EQ(ran, 2);
}

TEST_F(MainFrmTest, ToolbarAndStatusBarItemsToggleOnlyTheirBar)
{
    action("nToolbar")->trigger();
    EXPECT_FALSE(action("nToolbar")->isChecked());
    EXPECT_FALSE(window->pBar->isVisible());
    EXPECT_TRUE(window->stModel->isVisible());
    EXPECT_TRUE(window->MainBar->isVisible());
    action("nStatusBar")->trigger();
    EXPECT_FALSE(window->MainBar->isVisible());
    action("nToolbar")->trigger();
    action("nStatusBar")->trigger();
    EXPECT_TRUE(window->pBar->isVisible());
    EXPECT_TRUE(window->MainBar->isVisible());
}

TEST_F(MainFrmTest, EveryCommandFirstClosesTheChannelEditors)
{
    const QString path = pathOf("typed.dat");
    dialogs.saveAnswers({path});
    typeRx(2, "460.05");
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(ColRx, 3).center());
    QTest::keyClicks(grid()->editor(), "461");
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect(ColDecode, 2).center());
    ASSERT_TRUE(window->fChInfo->cbQT->isVisible());
    QTest::keyClicks(window->fChInfo->cbQT, "88");
    window->ExecuteCommand(3);
    EXPECT_FALSE(window->fChInfo->cbQT->isVisible());
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(Channels->text(ColDecode, 2), "88.0");
    EXPECT_EQ(window->FileName, path);
    ASSERT_EQ(fileBytes(path).size(), 992);

    // What was saved is what was typed.
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ASSERT_EQ(ReadDataFile(path), ReadDataFileResult::Ok);
    EXPECT_EQ(Channels->text(ColRx, 2), "460.05000");
    EXPECT_EQ(Channels->text(ColDecode, 2), "88.0");
}

TEST_F(MainFrmTest, NewAsksToSaveOnlyWhenModified)
{
    window->ExecuteCommand(1);
    EXPECT_EQ(messages.count(), 0);

    typeRx(2, "460.05");
    TestFre->RxFreq[1] = "461.00000";
    messages.answer({ResultNo});
    window->ExecuteCommand(1);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked()[0].text, Language->SaveProgram);
    EXPECT_EQ(dialogs.savesAsked(), 0);
    EXPECT_TRUE(Channels->text(ColRx, 2).isEmpty());
    EXPECT_TRUE(Channels->value(ColNumber, 2).isEmpty());
    EXPECT_EQ(Channels->text(ColNumber, 2), "1");
    EXPECT_FALSE(ALL->Modified);
    EXPECT_EQ(TestFre->RxFreq[1], "461.00000"); // the test frequencies stay
    EXPECT_EQ(ALL->ModelName, "ZQ-410(UHF)");

    const QString path = pathOf("before-new.dat");
    typeRx(2, "460.05");
    messages.answer({ResultYes});
    dialogs.saveAnswers({path});
    window->ExecuteCommand(1);
    EXPECT_EQ(dialogs.savesAsked(), 1);
    EXPECT_EQ(fileBytes(path).size(), 992);
    EXPECT_TRUE(window->FileName.isEmpty());
    EXPECT_EQ(window->windowTitle(), "ZQ-410");
}

TEST_F(MainFrmTest, SaveAndSaveAsFollowTheFileName)
{
    typeRx(2, "460.05");
    // No file yet: Save asks; a cancelled dialog writes nothing.
    window->ExecuteCommand(3);
    EXPECT_EQ(dialogs.savesAsked(), 1);
    EXPECT_TRUE(window->FileName.isEmpty());
    EXPECT_TRUE(ALL->Modified);
    EXPECT_EQ(window->windowTitle(), "ZQ-410");

    const QString path = pathOf("a.dat");
    dialogs.saveAnswers({path});
    window->ExecuteCommand(3);
    EXPECT_EQ(window->FileName, path);
    EXPECT_FALSE(ALL->Modified);
    EXPECT_EQ(window->windowTitle(), "ZQ-410 [" + QDir::toNativeSeparators(path) + "]");

    // Save again writes to the same file without asking.
    typeRx(3, "461");
    window->ExecuteCommand(3);
    EXPECT_EQ(dialogs.savesAsked(), 2);
    EXPECT_FALSE(ALL->Modified);

    // Save As always asks; cancelled, the codeplug belongs to no file and Save asks again.
    window->ExecuteCommand(4);
    EXPECT_EQ(dialogs.savesAsked(), 3);
    EXPECT_TRUE(window->FileName.isEmpty());
    EXPECT_EQ(window->windowTitle(), "ZQ-410");
    window->ExecuteCommand(3);
    EXPECT_EQ(dialogs.savesAsked(), 4);
}

TEST_F(MainFrmTest, OpenReplacesTheCodeplugOrLeavesItOnAFileItCannotUse)
{
    const QString good = pathOf("good.dat");
    typeRx(2, "460.05");
    ASSERT_TRUE(WriteDataFile(good));
    window->ExecuteCommand(1);

    // Cancelled: nothing changes.
    typeRx(4, "462");
    messages.answer({ResultNo});
    window->ExecuteCommand(2);
    EXPECT_EQ(dialogs.opensAsked(), 1);
    EXPECT_EQ(Channels->text(ColRx, 4), "462.00000");
    EXPECT_TRUE(ALL->Modified);

    messages.answer({ResultNo});
    dialogs.openAnswers({good});
    window->ExecuteCommand(2);
    EXPECT_EQ(window->FileName, good);
    EXPECT_EQ(Channels->text(ColRx, 2), "460.05000");
    EXPECT_TRUE(Channels->text(ColRx, 4).isEmpty());
    EXPECT_FALSE(ALL->Modified);
    EXPECT_EQ(window->windowTitle(), "ZQ-410 [" + QDir::toNativeSeparators(good) + "]");

    // A refused file and a missing one: told why, codeplug as it was, no file name.
    const QString bad = pathOf("bad.dat");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(992, '\x7f'));
    f.close();
    for (const QString &path : {bad, pathOf("missing.dat")}) {
        messages.clear();
        dialogs.openAnswers({path});
        window->ExecuteCommand(2);
        EXPECT_EQ(messages.count(), 1) << path.toStdString();
        EXPECT_EQ(Channels->text(ColRx, 2), "460.05000");
        EXPECT_TRUE(window->FileName.isEmpty());
        EXPECT_EQ(window->windowTitle(), "ZQ-410");
    }
    // Save after a refused open asks for a name instead of overwriting the refused file.
    window->ExecuteCommand(3);
    EXPECT_EQ(fileBytes(bad), QByteArray(992, '\x7f'));
}

TEST_F(MainFrmTest, ExitAsksFirstAndOffersToSaveUnsavedChanges)
{
    messages.answer({ResultNo});
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messages.texts(), QStringList{Language->ExitProgram});
    EXPECT_FALSE(QFile::exists(pathOf("SysInfo.Ini")));

    typeRx(2, "460.05");
    ALL->PortName = "COM7";
    messages.clear();
    messages.answer({ResultYes, ResultYes});
    window->close(); // the save dialog is cancelled
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages.texts(), (QStringList{Language->ExitProgram, Language->SaveProgram}));
    EXPECT_EQ(dialogs.savesAsked(), 1);
    const QByteArray sysInfo = fileBytes(pathOf("SysInfo.Ini"));
    EXPECT_TRUE(sysInfo.contains("COM7")) << sysInfo.constData();
}

TEST_F(MainFrmTest, ExitEndsEvenWhenTheConfigurationCannotBeWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("SysInfo.Ini"));
    messages.answer({ResultYes});
    window->close();
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(messages.count(), 2);
    EXPECT_TRUE(messages.asked()[1].text.startsWith("Unable to write to")) << messages.asked()[1].text.toStdString();
}

TEST_F(MainFrmTest, HelpOpensTheLanguagesHelpFileOrSaysItIsMissing)
{
    ALL->HelpPrefix = "QM";
    ALL->LanguageName = "English";
    window->ExecuteCommand(34);
    EXPECT_TRUE(helpOpened.isEmpty());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.asked()[0].text.contains("QM_English.chm"));

    QFile chm(pathOf("QM_English.chm"));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    messages.clear();
    action("tbHelp")->trigger();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(helpOpened, QStringList{ALL->AppDir + "QM_English.chm"});
}

TEST_F(MainFrmTest, AboutOpensModallyAndClosesOnAClick)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<TfFrmAbout *>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(about->windowTitle(), "ZQ-410");
        QTest::mouseClick(about->Label2, Qt::LeftButton);
    });
    action("nAbout")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainFrmTest, SwitchingLanguageRelabelsWithoutTouchingValuesOrModified)
{
    typeRx(2, "460.05");
    ALL->Modified = false;

    ALL->LanguageName = "Chinese";
    ALL->LanguageIndex = 1;
    window->ApplyLanguageChange();
    EXPECT_EQ(window->findChild<QMenu *>("nFile")->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(window->Panels[3]->text(), QStringLiteral("端口: ") + ALL->PortName);
    EXPECT_EQ(window->stModel->text(), "ZQ-410(UHF)");
    EXPECT_EQ(Language->Caution, QStringLiteral("注意"));
    EXPECT_EQ(Channels->text(ColRx, HeaderRow), QStringLiteral("接收频率"));
    EXPECT_EQ(Channels->text(ColDecode, 2), QStringLiteral("无"));
    EXPECT_EQ(Channels->text(ColPower, 2), QStringLiteral("高"));
    EXPECT_EQ(Channels->text(ColScanAdd, 2), QStringLiteral("否"));
    EXPECT_EQ(Channels->value(ColPower, 2), "1");
    EXPECT_EQ(Channels->text(ColRx, 2), "460.05000");
    EXPECT_EQ(Channels->noToneText(), QStringLiteral("无"));
    EXPECT_FALSE(ALL->Modified);

    ALL->LanguageName = "English";
    ALL->LanguageIndex = 0;
    window->ApplyLanguageChange();
    EXPECT_EQ(window->findChild<QMenu *>("nFile")->title(), "&File");
    EXPECT_EQ(Channels->text(ColRx, HeaderRow), "RX Frequency");
    EXPECT_EQ(Channels->text(ColDecode, 2), "None");
    EXPECT_EQ(Channels->text(ColPower, 2), "High");
    EXPECT_EQ(Channels->value(ColPower, 2), "1");
    EXPECT_EQ(Language->Caution, "Caution");
    EXPECT_FALSE(ALL->Modified);
}

TEST_F(MainFrmTest, LanguageCommandSwitchesThroughTheLanguageDialog)
{
    QFile::remove(pathOf("SysInfo.Ini"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZQ_DATA_DIR "/SysInfo.Ini"), pathOf("SysInfo.Ini")));
    ALL->LanguageName = "English";
    ALL->LanguageIndex = 0;
    auto answer = [](int index) {
        QTimer::singleShot(0, [index] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto *languages = dialog->findChild<QComboBox *>("cbLanguage");
            ASSERT_NE(languages, nullptr);
            languages->setCurrentIndex(index);
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        });
    };
    answer(1);
    action("nLanguageFileSetup")->trigger();
    EXPECT_EQ(ALL->LanguageName, "Chinese");
    EXPECT_EQ(window->findChild<QMenu *>("nSetup")->title(), QStringLiteral("设置(&S)"));
    EXPECT_EQ(Channels->text(ColTx, HeaderRow), QStringLiteral("发射频率"));
    // The same language again is no change.
    answer(1);
    action("nLanguageFileSetup")->trigger();
    EXPECT_EQ(window->findChild<QMenu *>("nSetup")->title(), QStringLiteral("设置(&S)"));
    answer(0);
    action("nLanguageFileSetup")->trigger();
    EXPECT_EQ(window->findChild<QMenu *>("nSetup")->title(), "&Setup");
    EXPECT_EQ(Channels->text(ColTx, HeaderRow), "TX Frequency");
}

TEST_F(MainFrmTest, AStartUpLanguageRelabelsBothWindowsWhenShown)
{
    window.reset();
    Channels->setRowCount(2);
    ALL->LanguageName = "Chinese";
    ALL->LanguageIndex = 1;
    TfMainFrm chinese;
    chinese.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chinese));
    EXPECT_EQ(chinese.findChild<QMenu *>("nFile")->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(chinese.lMode->text(), QStringLiteral("机型: "));
    EXPECT_EQ(chinese.fChInfo->windowTitle(), QStringLiteral("信道信息"));
    EXPECT_EQ(Channels->text(ColRx, HeaderRow), QStringLiteral("接收频率"));
    EXPECT_EQ(chinese.fChInfo->lNone->text(), QStringLiteral("无"));
}

TEST_F(MainFrmTest, AMissingLanguageFileLeavesTheBuiltInTexts)
{
    window.reset();
    Channels->setRowCount(2);
    ALL->LanguageName = "Klingon";
    ALL->LanguageIndex = 1;
    TfMainFrm main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(main.findChild<QMenu *>("nFile")->title(), "&File");
    EXPECT_EQ(Channels->text(ColRx, HeaderRow), "RX Frequency");
    EXPECT_EQ(main.fChInfo->lNone->text(), "None");
    main.ApplyLanguageChange();
    EXPECT_EQ(Language->Caution, QStringLiteral("注意")); // the built-in message texts
    EXPECT_EQ(Channels->text(ColDecode, HeaderRow), "QT/DQT Dec");
}

TEST_F(MainFrmTest, LoadStagedChannelsFillsTheTableAndForgetsTheFile)
{
    window->FileName = pathOf("x.dat");
    window->ResetStagingGrid();
    ASSERT_EQ(Staging->rowCount(), 18);
    Staging->setText(ColRx, 3, "460.05000");
    Staging->setText(ColDecode, 3, "D023N");
    for (int c = ColPower; c <= ColBusyLockout; ++c)
        Staging->setValue(c, 3, "0");
    window->LoadStagedChannels();
    EXPECT_EQ(Channels->text(ColRx, 3), "460.05000");
    EXPECT_EQ(Channels->text(ColDecode, 3), "D023N");
    EXPECT_EQ(Channels->text(ColEncode, 3), "None");
    EXPECT_EQ(Channels->text(ColPower, 3), "Low");
    EXPECT_TRUE(ALL->Modified);
    EXPECT_TRUE(window->FileName.isEmpty());
    EXPECT_EQ(window->windowTitle(), "ZQ-410");
}

TEST_F(MainFrmTest, ClosingTheChannelWindowOnlyMinimisesIt)
{
    window->ExecuteCommand(33);
    EXPECT_EQ(window->MdiArea->subWindowList().size(), 1);
    EXPECT_TRUE(window->ChInfoWindow->isMinimized());
    EXPECT_NE(window->fChInfo, nullptr);
}

} // namespace
