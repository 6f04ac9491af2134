// What a pseudo-terminal cannot do: line errors, raised by an in-process port in front of the
// same simulated radio.

#include "RadioCodeplug.h"
#include "RadioTestSupport.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/TLanguage.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "support/CoreFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstring>

namespace {

const QString WakeUp = QStringLiteral("02 50 52 4F 47 52 41 4D");

class LineErrors : public CoreFixture
{
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        ALL->PortName = QStringLiteral("COM1");
    }

    InProcessPort *radioPort(const RadioSim::Options &options = {})
    {
        auto *port = new InProcessPort(options);
        const QByteArray bytes = TestCodeplug::Programmed().memory().bytes;
        std::memcpy(port->radio().memory().data(), bytes.constData(), size_t(bytes.size()));
        return port;
    }

    // Raises a line error after these frames (counted over the whole dialog).
    static void lineErrorsAt(InProcessPort *port, QList<int> frames)
    {
        port->onFrame = [port, frames](int n) {
            if (frames.contains(n))
                port->raiseLineError();
        };
    }
};

TEST_F(LineErrors, FirstLineErrorOfAReadRestartsSilently)
{
    InProcessPort *port = radioPort();
    lineErrorsAt(port, {10});
    ReadTransfer link(port);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(RunAttempt(link));
    EXPECT_TRUE(link.ReadDone);
    EXPECT_EQ(messages.texts(), QStringList {Language->ReadOk});
    EXPECT_EQ(port->log().count(WakeUp), 2);
    EXPECT_GE(clock.elapsed(), 500 + 500) << "the restart waits 500 ms, then acts as the click";
}

TEST_F(LineErrors, LaterLineErrorOfAReadReportsComErrorAndChangesNothing)
{
    InProcessPort *port = radioPort();
    // The second attempt starts over with the wake-up; hit it in its records too.
    lineErrorsAt(port, {10, 20 + 12});
    const MemorySnapshot before = MemorySnapshot::take();
    ReadTransfer link(port);
    ASSERT_TRUE(RunAttempt(link));
    EXPECT_FALSE(link.ReadDone);
    EXPECT_FALSE(ApplyStagedRead());
    EXPECT_EQ(messages.texts(), QStringList {Language->ComError});
    EXPECT_EQ(port->log().count(WakeUp), 2);
    EXPECT_EQ(MemorySnapshot::take(), before);
}

TEST_F(LineErrors, WriteReportsALineErrorAtOnceWithoutRestart)
{
    // In the handshake, and among the records.
    for (int frame : {1, 10}) {
        messages.clear();
        InProcessPort *port = radioPort();
        lineErrorsAt(port, {frame});
        TestCodeplug::Programmed().load();
        WriteTransfer link(port);
        ASSERT_TRUE(RunAttempt(link)) << frame;
        EXPECT_FALSE(link.WriteDone);
        ASSERT_EQ(messages.count(), 1) << frame;
        EXPECT_EQ(messages.asked().first().text, Language->ComError);
        EXPECT_EQ(messages.asked().first().type, int(MsgInformation));
        EXPECT_EQ(port->log().count(WakeUp), 1);
        EXPECT_LE(port->log().size(), frame + 1) << "the worker stops at the failed step";
        EXPECT_TRUE(link.okEnabled());
    }
}

TEST_F(LineErrors, NoLineErrorIsRaisedOutsideAnAttempt)
{
    InProcessPort *port = radioPort();
    ReadTransfer link(port);
    link.FormShow();
    port->raiseLineError();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 700)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(port->log().isEmpty()) << "no restart without an attempt";
    link.FormClose();
}

TEST_F(LineErrors, WorkerWaitingForAnAcknowledgeIsEndedWhenTheDialogCloses)
{
    RadioSim::Options silentAfterIdentity;
    silentAfterIdentity.silentAfter = 2;
    InProcessPort *port = radioPort(silentAfterIdentity);
    auto link = std::make_unique<ReadTransfer>(port);
    // The acknowledge exchange arms no timer: only closing the dialog ends the wait.
    EXPECT_FALSE(RunAttempt(*link, 1500));
    EXPECT_EQ(port->log().size(), 3);
    QElapsedTimer clock;
    clock.start();
    link.reset();
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_TRUE(messages.texts().isEmpty());
}

} // namespace
