#pragma once

#include <QHash>
#include <QMainWindow>

#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class TfChInfo;

// The main window: menu, tool bar, model and band strip, status bar and the channel window as
// its permanent child. Every menu item and tool bar button carries its command number as Tag
// and runs through ExecuteCommand.
class TfMainFrm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfMainFrm(QWidget *parent = nullptr);

    // Closes the channel window's in-place editors, then runs the command of the tag.
    void ExecuteCommand(int tag);
    // Gives a command its action and enables every item and button carrying its tag.
    void SetCommand(int tag, std::function<void()> action);
    bool HasCommand(int tag) const { return m_commands.contains(tag); }

    void NewCodeplug();
    void OpenCodeplug();
    // Open without the dialog and its save prompt: a file named on the command line.
    void OpenDataFile(const QString &path);
    void SaveCodeplug();
    void UpdateCaptions();
    // After a language change: message texts, this window, captions, the channel table.
    void ApplyLanguageChange();
    void ShowHelp();
    void ShowAbout();

    // The read transfer's staging table: emptied before a read, copied in after a good one.
    void ResetStagingGrid();
    void LoadStagedChannels();

    // Full path of the current data file; empty when the codeplug belongs to no file.
    QString FileName;

    // Opens a help file with the desktop's handler; replaceable so tests see the request.
    std::function<void(const QString &path)> OpenHelpFile;

    TfChInfo *fChInfo = nullptr;
    QMdiSubWindow *ChInfoWindow = nullptr;
    QMdiArea *MdiArea = nullptr;
    QWidget *pBar = nullptr;
    QToolBar *tbar = nullptr;
    QLabel *lMode = nullptr;
    QLabel *stModel = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *stFreq = nullptr;
    QLabel *lCom = nullptr;
    QLabel *ImBack = nullptr;
    QStatusBar *MainBar = nullptr;
    QLabel *Panels[5] = {};
    QTimer *Timer = nullptr;
    QComboBox *cbCom = nullptr;
    QAction *nToolbar = nullptr;
    QAction *nStatusBar = nullptr;
    QAction *nModelInformation = nullptr;

    // The actions carrying a tag, menu items and tool bar buttons alike.
    QList<QAction *> CommandActions() const;

signals:
    // The window has been shown for the first time and its start-up steps are done.
    void firstShown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormShow();
    void RegisterCommands();
    void EnableCommands();
    void buildMenus();
    void buildToolBar();
    void buildStrip(QWidget *central);
    void buildStatusBar();
    QAction *item(QMenu *menu, const char *name, const QString &text, int tag, const QKeySequence &shortcut = {});
    QAction *separator(QMenu *menu, const char *name);
    void nToolbarClick();
    void nStatusBarClick();
    bool SaveProgramPrompt();
    void FillPorts();

    QHash<int, std::function<void()>> m_commands;
    bool m_shown = false;
};
