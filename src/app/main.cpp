#include "app/Artwork.h"
#include "app/DesktopDialogs.h"
#include "app/TfMaindb.h"
#include "app/TfMainFrm.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

// Nanoseconds on the monotonic clock, comparable with what a benchmark reads before starting us.
long long monotonicNanoseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZQ-410"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ApplicationIcon())));
    // Start-up timing: quit as soon as the main window is shown and the event loop is idle.
    QStringList arguments = QApplication::arguments().mid(1);
    const bool quitWhenShown = arguments.removeAll(QStringLiteral("--quit-when-shown")) > 0;
    // A data file named on the command line is opened once the window is up.
    const QString file = arguments.isEmpty() ? QString() : arguments.first();

    TfMaindb data;
    TfMainFrm mainWindow;
    InstallDesktopDialogs(&mainWindow);
    if (!file.isEmpty())
        QObject::connect(&mainWindow, &TfMainFrm::firstShown, &mainWindow,
                         [&mainWindow, file] { mainWindow.OpenDataFile(file); }, Qt::QueuedConnection);
    if (quitWhenShown) {
        QObject::connect(&mainWindow, &TfMainFrm::firstShown, &app, [] {
            QTimer::singleShot(0, [] {
                std::printf("shown-at-ns %lld\n", monotonicNanoseconds());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    }
    // Where no window manager maximises it, the window still covers the screen.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return app.exec();
}
