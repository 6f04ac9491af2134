#include "RadioCodeplug.h"
#include "RadioTestSupport.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"
#include "radio/PortNames.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "radio/TfReadRadio.h"
#include "radio/TfSetPort.h"
#include "radio/TfWriteRadio.h"
#include "support/CoreFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <cstring>

namespace {

template <typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

bool waitFor(const std::function<bool()> &condition, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

class RadioDialogs : public CoreFixture
{
protected:
    InProcessPort *radioPort(const RadioSim::Options &options = {})
    {
        auto *port = new InProcessPort(options);
        const QByteArray bytes = TestCodeplug::Programmed().memory().bytes;
        std::memcpy(port->radio().memory().data(), bytes.constData(), size_t(bytes.size()));
        ALL->PortName = QStringLiteral("COM1");
        return port;
    }
};

TEST_F(RadioDialogs, ReadDialogReadsClosesByItselfAndLeavesTheReadToApply)
{
    TfReadRadio dialog(nullptr, radioPort());
    auto *pBar = child<QProgressBar>(&dialog, "pBar");
    auto *btnOk = child<QPushButton>(&dialog, "btnOk");
    int highest = 0;
    bool okDisabledMeanwhile = false;
    QObject::connect(pBar, &QProgressBar::valueChanged, [&](int v) {
        highest = std::max(highest, v);
        okDisabledMeanwhile = okDisabledMeanwhile || !btnOk->isEnabled();
    });
    dialog.show();
    ASSERT_TRUE(waitFor([&] { return dialog.transfer()->port()->isOpen(); }));
    btnOk->click();
    ASSERT_TRUE(waitFor([&] { return !dialog.isVisible(); }));
    EXPECT_TRUE(dialog.ReadDone());
    EXPECT_EQ(pBar->maximum(), 22);
    EXPECT_EQ(highest, 22);
    EXPECT_TRUE(okDisabledMeanwhile);
    EXPECT_EQ(messages.texts(), QStringList {Language->ReadOk});
    EXPECT_FALSE(dialog.transfer()->port()->isOpen());
    ASSERT_TRUE(ApplyStagedRead());
    EXPECT_EQ(EnMsg->Line1, TestCodeplug::Programmed().message.Line1);
}

TEST_F(RadioDialogs, CancelDuringAReadStopsTheWorkerAndChangesNothing)
{
    InProcessPort *port = radioPort();
    TfReadRadio dialog(nullptr, port);
    const MemorySnapshot before = MemorySnapshot::take();
    dialog.show();
    ASSERT_TRUE(waitFor([&] { return port->isOpen(); }));
    child<QPushButton>(&dialog, "btnOk")->click();
    ASSERT_TRUE(waitFor([&] { return port->log().size() > 20; }));
    child<QPushButton>(&dialog, "btnCancel")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(port->isOpen());
    const qsizetype sent = port->log().size();
    waitFor([] { return false; }, 300);
    EXPECT_EQ(port->log().size(), sent) << "nothing more reaches the line";
    EXPECT_FALSE(dialog.ReadDone());
    EXPECT_FALSE(ApplyStagedRead());
    EXPECT_EQ(MemorySnapshot::take(), before);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(RadioDialogs, WriteDialogStaysOpenForAnotherWrite)
{
    TestCodeplug::Programmed().load();
    TfWriteRadio dialog(nullptr, radioPort());
    auto *btnOk = child<QPushButton>(&dialog, "btnOk");
    dialog.show();
    ASSERT_TRUE(waitFor([&] { return dialog.transfer()->port()->isOpen(); }));
    btnOk->click();
    ASSERT_TRUE(waitFor([&] { return !messages.texts().isEmpty(); }));
    EXPECT_EQ(messages.texts(), QStringList {Language->WriteOk});
    ASSERT_TRUE(waitFor([&] { return btnOk->isEnabled(); }));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.WriteDone());
    EXPECT_EQ(child<QProgressBar>(&dialog, "pBar")->value(), 0);
    dialog.close();
}

TEST_F(RadioDialogs, PortDialogSelectsThePortInUseAndShowsItsDevice)
{
    SimulatedRadio first;
    SimulatedRadio second;
    ASSERT_TRUE(first.started() && second.started());
    SetPortOverrides({{212, first.device()}, {203, second.device()}});
    QStringList present;
    ListSerialPorts(&present);
    ASSERT_FALSE(present.isEmpty());
    // A name that matches no entry exactly (letter case counts) selects the first entry.
    const struct
    {
        const char *portName;
        QString selected;
    } cases[] = {{"COM212", QStringLiteral("COM212")}, {"COM203", QStringLiteral("COM203")},
                 {"com212", present.first()}, {"COM9999", present.first()}};
    for (const auto &c : cases) {
        ALL->PortName = QString::fromLatin1(c.portName);
        TfSetPort dialog;
        dialog.show();
        auto *cbCom = child<QComboBox>(&dialog, "cbCom");
        EXPECT_EQ(cbCom->currentText(), c.selected) << c.portName;
        EXPECT_EQ(cbCom->count(), present.size());
        EXPECT_EQ(child<QLabel>(&dialog, "lbDevice")->text(), PortDevicePath(PortNumberOf(c.selected)));
        EXPECT_FALSE(child<QLabel>(&dialog, "lbNoPermission")->isVisible());
        child<QPushButton>(&dialog, "btnCancel")->click();
        EXPECT_EQ(ALL->PortName, QString::fromLatin1(c.portName)) << "Cancel changes nothing";
    }
    TfSetPort dialog;
    dialog.show();
    auto *cbCom = child<QComboBox>(&dialog, "cbCom");
    cbCom->setCurrentIndex(cbCom->findText(QStringLiteral("COM212")));
    child<QPushButton>(&dialog, "btnOk")->click();
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM212"));
    SetPortOverrides({});
}

TEST_F(RadioDialogs, ShippedLanguageFilesHoldEveryKeyAndRelabelTheDialogs)
{
    TfReadRadio read(nullptr, radioPort());
    TfWriteRadio write(nullptr, radioPort());
    TfSetPort port;
    const struct
    {
        QWidget *dialog;
        bool translateItems;
        const char *chineseCaption;
    } dialogs[] = {{&read, false, "从对讲机读取数据"}, {&write, false, "向对讲机写入数据"}, {&port, true, "通信端口"}};
    for (const auto &d : dialogs) {
        for (const char *file : {"English.Ini", "Chinese.Ini"}) {
            const QString path = QStringLiteral(ZQ_SOURCE_DATA_DIR "/") + QString::fromLatin1(file);
            const QStringList missing = MissingLanguageKeys(d.dialog, d.translateItems, path);
            EXPECT_TRUE(missing.isEmpty()) << file << ": " << missing.join(QLatin1Char(' ')).toStdString();
        }
        ApplyFormLanguageFile(d.dialog, QStringLiteral(ZQ_SOURCE_DATA_DIR "/Chinese.Ini"), d.translateItems);
        EXPECT_EQ(d.dialog->windowTitle(), QString::fromUtf8(d.chineseCaption));
        EXPECT_EQ(child<QPushButton>(d.dialog, "btnCancel")->text(), QStringLiteral("取消(&C)"));
    }
}

} // namespace

#include "app/TfMainFrm.h"
#include "codeplug/ChannelTable.h"
#include "radio/RadioCommands.h"

#include <QAction>
#include <QStatusBar>
#include <QTimer>

namespace {

TEST_F(RadioDialogs, MainWindowReadsTheSimulatedRadioThroughItsCommand)
{
    const TestCodeplug radioCodeplug = TestCodeplug::Programmed();
    SimulatedRadio radio({}, radioCodeplug.memory().bytes);
    ASSERT_TRUE(radio.started());
    ALL->PortName = QStringLiteral("COM1");
    const QString port = UseSimulatedPortOption({QStringLiteral("--simulated-port"), radio.device()});
    TfMainFrm window;
    WireRadioCommands(window);
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.fChInfo != nullptr; }));
    EXPECT_EQ(ALL->PortName, port) << "the simulated port is among the ports present";
    EXPECT_TRUE(window.Panels[3]->text().endsWith(window.lSimulated->text()));
    window.FileName = QStringLiteral("/tmp/old.dat");

    // Ok in the read dialog once it is up; it closes by itself after the read.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<TfReadRadio *>(QApplication::activeModalWidget())) {
            auto *ok = child<QPushButton>(dialog, "btnOk");
            if (ok->isEnabled() && dialog->transfer()->port()->isOpen() && dialog->transfer()->LinkState() == 0
                && dialog->transfer()->progress() == 0 && !dialog->property("clicked").toBool()) {
                dialog->setProperty("clicked", true);
                ok->click();
            }
        }
    });
    poll.start(50);
    window.ExecuteCommand(20);
    poll.stop();
    EXPECT_EQ(messages.texts(), QStringList {Language->ReadOk});
    EXPECT_TRUE(window.FileName.isEmpty());
    EXPECT_TRUE(ALL->Modified);
    EXPECT_EQ(EnMsg->Line1, radioCodeplug.message.Line1);
    EXPECT_EQ(Channels->text(ColRx, 2), QStringLiteral("462.56250"));
    ForgetSimulatedPort();
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM1"));
    window.hide();
}

} // namespace
