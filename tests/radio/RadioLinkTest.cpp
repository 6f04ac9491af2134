// End to end over a pseudo-terminal: the transfers against the simulated radio.

#include "RadioCodeplug.h"
#include "RadioTestSupport.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"
#include "radio/PortNames.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"
#include "support/CoreFixture.h"

#include <QTimer>

namespace {

class RadioLink : public CoreFixture
{
protected:
    void usePort(const SimulatedRadio &radio)
    {
        ASSERT_TRUE(radio.started());
        SetPortOverrides({{200, radio.device()}});
        ALL->PortName = QStringLiteral("COM200");
    }

    // Reads the radio; true when the read completed and was applied.
    bool read()
    {
        ReadTransfer link;
        EXPECT_TRUE(RunAttempt(link));
        return link.ReadDone && ApplyStagedRead();
    }

    bool write()
    {
        WriteTransfer link;
        EXPECT_TRUE(RunAttempt(link));
        return link.WriteDone;
    }

    void expectCodeplug(const TestCodeplug &c)
    {
        for (int n = 1; n <= 16; ++n) {
            ChannelData channel;
            const RowState state = ReadChannelRow(*Channels, n + 1, channel);
            if (c.channels.contains(n)) {
                ASSERT_EQ(state, RowState::InUse) << "channel " << n;
                EXPECT_EQ(channel, c.channels[n]) << "channel " << n;
                EXPECT_TRUE(Channels->hasInUseMark(n + 1));
            } else {
                EXPECT_EQ(state, RowState::NotInUse) << "channel " << n;
            }
        }
        EXPECT_EQ(*Fun, c.fun);
        EXPECT_EQ(EnMsg->Line1, c.message.Line1);
        EXPECT_EQ(EnMsg->Line2, c.message.Line2);
        EXPECT_EQ(ALL->BandText, c.bandText);
        EXPECT_EQ(ALL->ModelCode, c.modelCode);
    }
};

TEST_F(RadioLink, ReadGivesTheRadiosCodeplugWithTheExactCommandsInOrder)
{
    const TestCodeplug radioCodeplug = TestCodeplug::Programmed();
    SimulatedRadio radio({}, radioCodeplug.memory().bytes);
    usePort(radio);
    ALL->Modified = false;

    ASSERT_TRUE(read());
    expectCodeplug(radioCodeplug);
    EXPECT_DOUBLE_EQ(ALL->BandLow, 400.0);
    EXPECT_DOUBLE_EQ(ALL->BandHigh, 420.0);
    EXPECT_TRUE(ALL->Modified);
    EXPECT_EQ(messages.texts(), QStringList {Language->ReadOk});
    radio.stop();
    EXPECT_EQ(radio.log(), ExpectedReadFrames());
}

TEST_F(RadioLink, ReadOfTheOtherModelMakesItCurrentAndAnUnprogrammedRadioGivesFallbacks)
{
    RadioMemory blank; // 0xFF everywhere, identity record too
    SimulatedRadio radio({QStringLiteral("--code"), QStringLiteral("5918")}, blank.bytes);
    usePort(radio);
    TestCodeplug::Programmed().load();

    ASSERT_TRUE(read());
    EXPECT_EQ(ALL->ModelName, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(ALL->CurrentModel, MacList->FindByCode(QStringLiteral("5918")));
    EXPECT_EQ(ALL->BandText, QStringLiteral(" 27 -  72MHz"));
    for (int n = 1; n <= 16; ++n)
        EXPECT_FALSE(Channels->rowInUse(n + 1)) << n;
    TFun fallback;
    fallback.BatterySave = fallback.BeepTone = fallback.VoxEnabled = fallback.VoxInhibitOnReceive = 1;
    fallback.VoiceLanguage = fallback.ScanMode = fallback.VoicePrompt = fallback.HighVolInhibitTx = 1;
    fallback.LowVolInhibitTx = fallback.Alarm = fallback.FmRadio = 1;
    fallback.SquelchLevel = 5;
    fallback.SideKey = 0;
    fallback.TxTimeout = 6;
    fallback.VoxLevel = 4;
    EXPECT_EQ(*Fun, fallback);
    EXPECT_TRUE(EnMsg->Line1.isEmpty() && EnMsg->Line2.isEmpty());
}

TEST_F(RadioLink, WriteSendsTwentyFourRecordsAndAReadGivesTheCodeplugBack)
{
    SimulatedRadio radio;
    usePort(radio);
    const TestCodeplug written = TestCodeplug::Programmed();
    written.load();
    const MemorySnapshot before = MemorySnapshot::take();

    ASSERT_TRUE(write());
    EXPECT_EQ(messages.texts(), QStringList {Language->WriteOk});
    // Writing changes nothing of the codeplug, Modified included.
    EXPECT_EQ(MemorySnapshot::take(), before);
    EXPECT_EQ(ALL->ChannelUsedBits, QStringLiteral("1100000000000001"));
    EXPECT_EQ(ALL->ScanBits, QStringLiteral("0100000000000001"));

    // What reached the radio: its memory holds the records, channel 3 is empty, channel 1
    // has no transmit frequency and no encode tone.
    const QByteArray image = radio.image();
    ASSERT_EQ(image.size(), 1024);
    RadioMemory memory;
    memory.bytes = image;
    const RadioMemory expected = written.memory();
    for (int address : {0x10, 0x20, 0x30, 0x100, 0x380, 0x390, 0x3A0, 0x3B0, 0x3C0, 0x3D0, 0x2B0})
        EXPECT_EQ(memory.at(address), expected.at(address)) << std::hex << address;
    const Record ch1 = memory.at(0x10);
    EXPECT_EQ(ch1[4], 0xFF);
    EXPECT_EQ(ch1[7], 0xFF);
    EXPECT_EQ(ch1[10], 0xFF);
    EXPECT_EQ(ch1[11], 0xFF);
    radio.stop();
    const QStringList log = radio.log();
    EXPECT_EQ(Headers(log), ExpectedWriteHeaders());
    EXPECT_EQ(log.size(), 3 + 48 + 1);

    SimulatedRadio again({}, image);
    usePort(again);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ResetSettings(*Fun, *EnMsg);
    ASSERT_TRUE(read());
    expectCodeplug(written);
}

struct ModelCase
{
    const char *radioCode;
    bool asked;         // "Modforce"
    int answer;         // to "Modforce"
    bool refused;       // "ModError"
    bool written;
};

class WriteModelCheck : public RadioLink, public ::testing::WithParamInterface<ModelCase>
{
};

TEST_P(WriteModelCheck, RadioModelDecidesWhetherToWrite)
{
    const ModelCase c = GetParam();
    auto model = std::make_unique<TMacType>(QStringLiteral("5932"), 32, QStringLiteral("ZQ-410(32)"));
    model->SetReservedBlocks(39);
    MacList->AddModel(std::move(model));
    SimulatedRadio radio({QStringLiteral("--code"), QString::fromLatin1(c.radioCode)});
    usePort(radio);
    TestCodeplug::Programmed().load();
    messages.answer({c.answer});

    WriteTransfer link;
    ASSERT_TRUE(RunAttempt(link));
    EXPECT_EQ(link.WriteDone, c.written);
    QStringList shown;
    if (c.asked)
        shown << Language->Modforce;
    if (c.refused)
        shown << Language->ModError;
    if (c.written)
        shown << Language->WriteOk;
    EXPECT_EQ(messages.texts(), shown);
    radio.stop();
    const QStringList log = radio.log();
    if (!c.written) {
        EXPECT_EQ(log.size(), 2) << "nothing but the handshake may reach the radio";
    } else {
        // A forced write writes the current model's code.
        RadioMemory memory;
        memory.bytes = radio.image();
        const Record id = memory.at(0x3D0);
        EXPECT_EQ(QString(QChar(id[6])) + QChar(id[5]) + QChar(id[4]) + QChar(id[3]), QStringLiteral("5917"));
    }
}

INSTANTIATE_TEST_SUITE_P(Models, WriteModelCheck,
                         ::testing::Values(ModelCase {"5917", false, 0, false, true},
                                           ModelCase {"5918", true, ResultYes, false, true},
                                           ModelCase {"5918", true, ResultNo, false, false},
                                           ModelCase {"9999", true, ResultNo, false, false},
                                           ModelCase {"5932", false, 0, true, false}));

TEST_F(RadioLink, ReadRefusesAModelTheCatalogueDoesNotKnow)
{
    SimulatedRadio radio({QStringLiteral("--code"), QStringLiteral("9999")}, TestCodeplug::Programmed().memory().bytes);
    usePort(radio);
    const MemorySnapshot before = MemorySnapshot::take();
    EXPECT_FALSE(read());
    EXPECT_EQ(messages.texts(), QStringList {Language->ModError});
    EXPECT_EQ(MemorySnapshot::take(), before);
}

TEST_F(RadioLink, SilentRadioGivesComErrorWithRetryAndCancel)
{
    SimulatedRadio radio({QStringLiteral("--silent-after"), QStringLiteral("0")});
    usePort(radio);
    const MemorySnapshot before = MemorySnapshot::take();
    messages.answer({ResultRetry, ResultCancel});
    EXPECT_FALSE(read());
    ASSERT_EQ(messages.count(), 2);
    for (const auto &asked : messages.asked()) {
        EXPECT_EQ(asked.text, Language->ComError);
        EXPECT_EQ(asked.type, int(MsgRetryCancel));
    }
    EXPECT_EQ(MemorySnapshot::take(), before);
    radio.stop();
    EXPECT_EQ(radio.log().count(QStringLiteral("02 50 52 4F 47 52 41 4D")), 2) << "Retry starts again from the wake-up";
}

TEST_F(RadioLink, TimeOutOnTheLastRecordChangesNothing)
{
    // 3 handshake commands and 22 records of 4 commands each, then settings record B.
    SimulatedRadio reading({QStringLiteral("--silent-after"), QStringLiteral("91")}, TestCodeplug::Programmed().memory().bytes);
    usePort(reading);
    TestCodeplug mine = TestCodeplug::Programmed();
    mine.channels.remove(2);
    mine.message.Line1 = QStringLiteral("MINE");
    mine.load();
    const MemorySnapshot before = MemorySnapshot::take();
    EXPECT_FALSE(read());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().first().text, Language->ComError);
    EXPECT_EQ(messages.asked().first().type, int(MsgRetryCancel));
    EXPECT_EQ(MemorySnapshot::take(), before);
    EXPECT_EQ(StagedRead(), nullptr);

    // 3 handshake commands, then 48 halves; the last half goes unanswered.
    SimulatedRadio writing({QStringLiteral("--silent-after"), QStringLiteral("50")});
    usePort(writing);
    messages.clear();
    EXPECT_FALSE(write());
    EXPECT_EQ(messages.texts(), QStringList {Language->ComError});
    EXPECT_EQ(MemorySnapshot::take(), before);
}

TEST_F(RadioLink, CablePulledMidTransferEndsInComErrorAndChangesNothing)
{
    SimulatedRadio radio({}, TestCodeplug::Programmed().memory().bytes);
    usePort(radio);
    const MemorySnapshot before = MemorySnapshot::take();
    ReadTransfer link;
    // After the click's pause and the handshake, while the records are being read.
    QTimer::singleShot(950, [&radio] { radio.pull(); });
    // A read command left unanswered times out; an acknowledge exchange arms no timer and
    // waits until the user cancels, which closing the link stands for here.
    const bool rested = RunAttempt(link, 2500);
    EXPECT_FALSE(link.ReadDone);
    if (rested) {
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.asked().first().text, Language->ComError);
        EXPECT_EQ(messages.asked().first().type, int(MsgRetryCancel));
    } else {
        EXPECT_EQ(messages.count(), 0);
    }
    EXPECT_EQ(MemorySnapshot::take(), before);
    EXPECT_EQ(StagedRead(), nullptr);
}

TEST_F(RadioLink, WrongAcknowledgeEndsTheReadWithComError)
{
    SimulatedRadio radio({QStringLiteral("--bad-ack"), QStringLiteral("5")}, TestCodeplug::Programmed().memory().bytes);
    usePort(radio);
    const MemorySnapshot before = MemorySnapshot::take();
    EXPECT_FALSE(read());
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.asked().first().text, Language->ComError);
    EXPECT_EQ(messages.asked().first().type, int(MsgInformation));
    EXPECT_EQ(MemorySnapshot::take(), before);
}

class ReadLineQuirks : public RadioLink, public ::testing::WithParamInterface<QStringList>
{
};

TEST_P(ReadLineQuirks, AreAccepted)
{
    const TestCodeplug radioCodeplug = TestCodeplug::Programmed();
    SimulatedRadio radio(GetParam(), radioCodeplug.memory().bytes);
    usePort(radio);
    ASSERT_TRUE(read());
    expectCodeplug(radioCodeplug);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReadLineQuirks,
                         ::testing::Values(QStringList {QStringLiteral("--echo")},
                                           QStringList {QStringLiteral("--split"), QStringLiteral("5")},
                                           QStringList {QStringLiteral("--split"), QStringLiteral("1")}));

TEST_F(RadioLink, ChannelThatCannotBeEncodedIsReportedBeforeAnythingIsSent)
{
    SimulatedRadio radio;
    usePort(radio);
    TestCodeplug::Programmed().load();
    Channels->setText(ColTx, 3, QStringLiteral("4x5.000"));
    EXPECT_FALSE(write());
    EXPECT_EQ(messages.texts(), QStringList {Language->ComError});
    radio.stop();
    EXPECT_TRUE(radio.log().isEmpty());
}

struct PortCase
{
    const char *portName;
    const char *mappedDevice;
};

class UnusablePort : public RadioLink, public ::testing::WithParamInterface<PortCase>
{
};

TEST_P(UnusablePort, GivesLPortErrorAndCloses)
{
    SetPortOverrides({{201, QString::fromLatin1(GetParam().mappedDevice)}});
    ALL->PortName = QString::fromLatin1(GetParam().portName);
    for (int kind = 0; kind < 2; ++kind) {
        messages.clear();
        std::unique_ptr<TransferLink> link;
        if (kind == 0)
            link = std::make_unique<ReadTransfer>();
        else
            link = std::make_unique<WriteTransfer>();
        bool closed = false;
        QObject::connect(link.get(), &TransferLink::closeRequested, [&] { closed = true; });
        EXPECT_TRUE(RunAttempt(*link, 3000));
        EXPECT_TRUE(closed);
        EXPECT_EQ(messages.texts(), QStringList {Language->LPortError});
    }
}

INSTANTIATE_TEST_SUITE_P(Names, UnusablePort,
                         ::testing::Values(PortCase {"", ""}, PortCase {"COM", ""}, PortCase {"COMx1", ""},
                                           PortCase {"COM201", "/nonexistent/tty0"}));

} // namespace
