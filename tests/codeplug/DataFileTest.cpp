#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"
#include "support/CoreFixture.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Everything a data file can change, to tell that a refused file left memory alone.
struct Snapshot
{
    QString model, code, band;
    double low = 0, high = 0;
    bool modified = false;
    TFun fun;
    TEnMsg message;
    QStringList cells;

    static Snapshot take()
    {
        Snapshot s;
        s.model = ALL->ModelName;
        s.code = ALL->ModelCode;
        s.band = ALL->BandText;
        s.low = ALL->BandLow;
        s.high = ALL->BandHigh;
        s.modified = ALL->Modified;
        s.fun = *Fun;
        s.message = *EnMsg;
        for (int r = 0; r < Channels->rowCount(); ++r)
            for (int c = 0; c < Channels->colCount(); ++c)
                s.cells << Channels->text(c, r) << Channels->value(c, r)
                        << QString::number(Channels->readOnly(c, r));
        return s;
    }
    bool operator==(const Snapshot &) const = default;
};

class DataFile : public CoreFixture
{
protected:
    void fillSampleCodeplug()
    {
        ChannelData a;
        a.rx = 462.5625;
        a.tx = 467.5625;
        a.decodeTone = QStringLiteral("88.5");
        a.encodeTone = QStringLiteral("D023N");
        a.power = 1;
        a.width = 1;
        a.scanAdd = 0;
        a.beatShift = 1;
        a.busyLockout = 0;
        StoreChannelRow(*Channels, 2, a);
        ChannelData b;
        b.rx = 455.0;
        b.tx = -1.0;
        b.encodeTone = QStringLiteral("D754I");
        b.power = 0;
        b.width = 0;
        b.scanAdd = 1;
        b.beatShift = 0;
        b.busyLockout = 1;
        StoreChannelRow(*Channels, 17, b); // channel 16
        Fun->SquelchLevel = 8;
        Fun->SideKey = 3;
        Fun->VoxEnabled = 1;
        Fun->VoxLevel = 0;
        Fun->FmRadio = 0;
        Fun->BatterySave = 0;
        EnMsg->Line1 = QStringLiteral("ABCDEFGHIJKLMNOPQRST");            // 20 characters
        EnMsg->Line2 = QStringLiteral("0123456789 abcdefghij KLMNOPQRS"); // 31
        EnMsg->Line2 += QLatin1Char('Z');                                  // 32
        ALL->Modified = true;
    }
};

TEST_F(DataFile, SaveRightAfterStartupGivesTheKnown992Bytes)
{
    const QString path = pathOf(QStringLiteral("new.dat"));
    ALL->Modified = true;
    ASSERT_TRUE(WriteDataFile(path, QDateTime(QDate(2024, 3, 5), QTime(14, 7))));
    EXPECT_FALSE(ALL->Modified);
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 992);
    EXPECT_EQ(bytes.left(16), hex("50 35 39 31 37 45 04 70 E8 07 03 05 0E 07 FF FF"));
    EXPECT_EQ(bytes.mid(16, 54 * 16), QByteArray(54 * 16, '\xff'));
    EXPECT_EQ(bytes.mid(0x370, 16), hex("01 01 00 00 04 00 01 01 00 01 FF FF FF FF FF FF"));
    EXPECT_EQ(bytes.mid(0x380, 64), QByteArray(64, '\xff'));
    EXPECT_EQ(bytes.mid(0x3C0, 16), hex("03 05 01 06 FF FF FF FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(bytes.mid(0x3D0, 16), hex("00 00 F4 37 31 39 35 50 FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(ALL->ChannelUsedBits, QString(16, QLatin1Char('0')));
}

TEST_F(DataFile, ChannelsSitAtTheirRadioAddresses)
{
    fillSampleCodeplug();
    const QString path = pathOf(QStringLiteral("c.dat"));
    ASSERT_TRUE(WriteDataFile(path));
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 992);
    EXPECT_EQ(bytes.mid(0x10, 16), hex("50 62 25 46 50 62 75 46 85 08 23 80 0E FF FF FF"));
    EXPECT_EQ(bytes.mid(0x100, 16), hex("00 00 50 45 FF FF FF FF FF FF 54 C7 11 FF FF FF"));
    EXPECT_EQ(bytes.mid(0x390, 16), hex("51 52 53 54 FF FF FF FF FF FF FF FF FF FF FF FF")) << "Line1 characters 17-20";
    EXPECT_EQ(ALL->ChannelUsedBits, QStringLiteral("1000000000000001"));
    EXPECT_EQ(ALL->ScanBits, QStringLiteral("0000000000000001"));
}

TEST_F(DataFile, SaveThenOpenGivesBackTheCodeplugForBothModels)
{
    for (const char *code : {"5917", "5918"}) {
        SCOPED_TRACE(code);
        useModel(QString::fromLatin1(code));
        const QString band = MacList->FindByCode(QString::fromLatin1(code))->Bands.first();
        AssignBandText(*ALL, band);
        fillSampleCodeplug();
        if (ALL->ModelFreqLimitA <= 300.0) { // a VHF channel
            ChannelData v;
            v.rx = 145.0;
            v.tx = 145.6;
            StoreChannelRow(*Channels, 2, v);
        }
        const Snapshot saved = Snapshot::take();
        const QString path = pathOf(QStringLiteral("round.dat"));
        ASSERT_TRUE(WriteDataFile(path));

        // Something else in memory, then open the file again.
        useModel(QStringLiteral("5917"));
        Fun->ResetDefaults();
        EnMsg->ResetDefaults();
        ALL->Modified = true;
        ASSERT_EQ(ReadDataFile(path), ReadDataFileResult::Ok);
        Snapshot opened = Snapshot::take();
        EXPECT_FALSE(opened.modified);
        opened.modified = saved.modified;
        EXPECT_EQ(opened.model, saved.model);
        EXPECT_EQ(opened.band, band);
        EXPECT_EQ(opened.fun, saved.fun);
        EXPECT_EQ(opened.message.Line1.size(), 20);
        EXPECT_EQ(opened.message.Line2.size(), 32);
        EXPECT_TRUE(opened == saved) << "channel table, settings, message, model and band come back";
        EXPECT_TRUE(messages.asked().isEmpty());
    }
}

TEST_F(DataFile, OpeningAVhfFileSwitchesModelAndBand)
{
    useModel(QStringLiteral("5918"), QStringLiteral("136 - 174MHz"));
    const QString path = pathOf(QStringLiteral("vhf.dat"));
    ASSERT_TRUE(WriteDataFile(path));
    useModel(QStringLiteral("5917"));
    ASSERT_EQ(ReadDataFile(path), ReadDataFileResult::Ok);
    EXPECT_EQ(ALL->ModelName, QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(ALL->BandText, QStringLiteral("136 - 174MHz"));
    EXPECT_EQ(ALL->BandLow, 136.0);
    EXPECT_EQ(ALL->BandHigh, 174.0);
    EXPECT_EQ(ALL->ModelFreqLimitA, 300.0);
}

TEST_F(DataFile, ABandCodeOutsideTheTableReadsAsTheFirstBand)
{
    const QString path = pathOf(QStringLiteral("band.dat"));
    ASSERT_TRUE(WriteDataFile(path));
    QByteArray bytes = readAll(path);
    bytes[0x3D2] = char(0x01);
    writeAll(path, bytes);
    ASSERT_EQ(ReadDataFile(path), ReadDataFileResult::Ok);
    EXPECT_EQ(ALL->BandText, QStringLiteral(" 27 -  72MHz"));
    EXPECT_EQ(ALL->BandLow, 27.0);
    EXPECT_EQ(ALL->BandHigh, 72.0);
}

TEST_F(DataFile, RefusedFilesLeaveMemoryUnchanged)
{
    const QString good = pathOf(QStringLiteral("good.dat"));
    fillSampleCodeplug();
    ASSERT_TRUE(WriteDataFile(good));
    const QByteArray valid = readAll(good);

    QByteArray unknownModel = valid;
    unknownModel.replace(1, 4, "1234");
    QByteArray badDigits = valid;
    badDigits[5] = char(0x4A);
    const struct { const char *name; QByteArray bytes; ReadDataFileResult result; QString message; } cases[] = {
        {"unknown model", unknownModel, ReadDataFileResult::Refused, Language->ModError},
        {"band digits not decimal", badDigits, ReadDataFileResult::Refused, QStringLiteral("4A0470")},
        {"shorter than its layout", valid.left(900), ReadDataFileResult::Refused, QStringLiteral("900 bytes")},
        {"empty", QByteArray(), ReadDataFileResult::Refused, QStringLiteral("0 bytes")},
        {"only a header", valid.left(16), ReadDataFileResult::Refused, QStringLiteral("16 bytes")},
    };
    // A different codeplug in memory, which no refusal may touch.
    useModel(QStringLiteral("5918"));
    Fun->SquelchLevel = 2;
    EnMsg->Line1 = QStringLiteral("KEEP");
    ChannelData c;
    c.rx = 150.0;
    c.tx = 150.0;
    StoreChannelRow(*Channels, 4, c);
    ALL->Modified = true;
    const Snapshot before = Snapshot::take();

    for (const auto &tc : cases) {
        SCOPED_TRACE(tc.name);
        const QString path = pathOf(QStringLiteral("refused.dat"));
        writeAll(path, tc.bytes);
        messages.clear();
        EXPECT_EQ(ReadDataFile(path), tc.result);
        ASSERT_EQ(messages.count(), 1);
        EXPECT_EQ(messages.asked().first().type, MsgInformation);
        EXPECT_TRUE(messages.asked().first().text.contains(tc.message)) << qPrintable(messages.asked().first().text);
        EXPECT_TRUE(Snapshot::take() == before);
    }

    messages.clear();
    EXPECT_EQ(ReadDataFile(pathOf(QStringLiteral("missing.dat"))), ReadDataFileResult::CannotOpen);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("missing.dat")));
    EXPECT_TRUE(Snapshot::take() == before);
}

TEST_F(DataFile, AFailedSaveKeepsTheOldFileAndModified)
{
    const QString path = pathOf(QStringLiteral("keep.dat"));
    ASSERT_TRUE(WriteDataFile(path));
    const QByteArray old = readAll(path);

    fillSampleCodeplug();
    Channels->setText(ColRx, 6, QStringLiteral("not a number"));
    ALL->Modified = true;
    EXPECT_FALSE(WriteDataFile(path));
    EXPECT_TRUE(ALL->Modified);
    EXPECT_EQ(readAll(path), old) << "nothing of the failed save reached the file";
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("keep.dat")));
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("Channel 5")));

    messages.clear();
    Channels->setText(ColRx, 6, QString());
    EXPECT_FALSE(WriteDataFile(pathOf(QStringLiteral("no/such/dir/x.dat"))));
    EXPECT_TRUE(ALL->Modified);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("x.dat")));
}

TEST_F(DataFile, AnyDamagedFileGivesACodeplugOrARefusal)
{
    fillSampleCodeplug();
    const QString good = pathOf(QStringLiteral("fuzz-source.dat"));
    ASSERT_TRUE(WriteDataFile(good));
    const QByteArray valid = readAll(good);
    QRandomGenerator rng(410);
    const QString path = pathOf(QStringLiteral("fuzz.dat"));
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes = valid;
        if (i % 3 == 0) // random garbage of random length
            bytes = QByteArray(int(rng.bounded(1200)), '\0');
        const int flips = int(rng.bounded(40));
        for (int f = 0; f < flips && !bytes.isEmpty(); ++f)
            bytes[int(rng.bounded(bytes.size()))] = char(rng.bounded(256));
        if (i % 3 == 0)
            for (char &b : bytes)
                b = char(rng.bounded(256));
        if (i % 5 == 1)
            bytes.truncate(int(rng.bounded(bytes.size() + 1)));
        if (i % 7 == 2) // keep a known model so that decoding goes deep
            bytes.replace(0, 5, "P5917");
        writeAll(path, bytes);
        const Snapshot before = Snapshot::take();
        messages.clear();
        const ReadDataFileResult r = ReadDataFile(path);
        if (r != ReadDataFileResult::Ok) {
            EXPECT_TRUE(Snapshot::take() == before) << "iteration " << i;
            EXPECT_EQ(messages.count(), 1);
        } else {
            EXPECT_EQ(Channels->rowCount(), ALL->ChannelCount + 2);
            // What was read can be saved and reads back the same, as long as the identity record
            // named a model of the catalogue (the header of the saved file carries that code).
            const Snapshot opened = Snapshot::take();
            const QString again = pathOf(QStringLiteral("fuzz-again.dat"));
            if (MacList->FindByCode(ALL->ModelCode) && WriteDataFile(again)) {
                ASSERT_EQ(ReadDataFile(again), ReadDataFileResult::Ok);
                EXPECT_TRUE(Snapshot::take() == opened) << "iteration " << i;
            }
        }
    }
}

} // namespace
