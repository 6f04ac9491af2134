#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZQ_CLI_PATH), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class Cli : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
};

TEST_F(Cli, NewWritesTheStartupFileAndDumpShowsIt)
{
    const CliRun made = cli({QStringLiteral("new"), QStringLiteral("-o"), path(QStringLiteral("x.dat"))});
    ASSERT_EQ(made.exitCode, 0) << qPrintable(made.err);
    QFile f(path(QStringLiteral("x.dat")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 992);
    EXPECT_EQ(bytes.left(8), QByteArray::fromHex("5035393137450470"));
    EXPECT_EQ(bytes.mid(0x3D0, 8), QByteArray::fromHex("0000F43731393550"));

    const CliRun dump = cli({QStringLiteral("dump"), path(QStringLiteral("x.dat"))});
    ASSERT_EQ(dump.exitCode, 0) << qPrintable(dump.err);
    EXPECT_TRUE(dump.out.contains(QStringLiteral("Model: ZQ-410(UHF) (code 5917)")));
    EXPECT_TRUE(dump.out.contains(QStringLiteral("Band: 450 - 470MHz")));
    EXPECT_TRUE(dump.out.contains(QStringLiteral("Channels in use: 0")));
    EXPECT_TRUE(dump.out.contains(QStringLiteral("SquelchLevel = 5")));
    EXPECT_TRUE(dump.out.contains(QStringLiteral("TxTimeout = 6")));
}

TEST_F(Cli, NewForAnotherModelAndBandWithJsonDump)
{
    const QString file = path(QStringLiteral("v.dat"));
    const CliRun made = cli({QStringLiteral("new"), QStringLiteral("--model"), QStringLiteral("5918"),
                          QStringLiteral("--band"), QStringLiteral("136 - 174MHz"), QStringLiteral("-o"), file});
    ASSERT_EQ(made.exitCode, 0) << qPrintable(made.err);
    const CliRun dump = cli({QStringLiteral("dump"), file, QStringLiteral("--json")});
    ASSERT_EQ(dump.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("model")).toString(), QStringLiteral("ZQ-410(VHF)"));
    EXPECT_EQ(root.value(QStringLiteral("modelCode")).toString(), QStringLiteral("5918"));
    EXPECT_EQ(root.value(QStringLiteral("band")).toString(), QStringLiteral("136 - 174MHz"));
    EXPECT_TRUE(root.value(QStringLiteral("channels")).toArray().isEmpty());
    EXPECT_EQ(root.value(QStringLiteral("settings")).toObject().value(QStringLiteral("VoxLevel")).toInt(), 4);
    EXPECT_EQ(root.value(QStringLiteral("message")).toObject().value(QStringLiteral("line1")).toString(), QString());
}

TEST_F(Cli, RefusalsAndUsageErrorsHaveTheirExitCodes)
{
    QFile bad(path(QStringLiteral("bad.dat")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(992, '\xff'));
    bad.close();
    const struct { QStringList args; int code; const char *stderrHas; } cases[] = {
        {{QStringLiteral("dump"), path(QStringLiteral("bad.dat"))}, 1, ""},
        {{QStringLiteral("dump"), path(QStringLiteral("missing.dat"))}, 1, "missing.dat"},
        {{QStringLiteral("new"), QStringLiteral("--model"), QStringLiteral("X"), QStringLiteral("-o"), path(QStringLiteral("y.dat"))}, 1, "unknown model"},
        {{QStringLiteral("new"), QStringLiteral("--band"), QStringLiteral("136 - 174MHz"), QStringLiteral("-o"), path(QStringLiteral("y.dat"))}, 1, "has no band"},
        {{QStringLiteral("new")}, 2, "-o FILE"},
        {{QStringLiteral("dump")}, 2, "exactly one FILE"},
        {{QStringLiteral("frobnicate")}, 2, "unknown command"},
        {{}, 2, "Usage"},
    };
    for (const auto &c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.exitCode, c.code) << qPrintable(c.args.join(QLatin1Char(' ')));
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.stderrHas))) << qPrintable(r.err);
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("y.dat"))));
}

TEST_F(Cli, InfoListsTheCatalogue)
{
    const CliRun r = cli({QStringLiteral("info")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Model ZQ-410(UHF) (code 5917)")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Frequency limits: 67.0 - 300.0 MHz")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("400 - 480MHz  247")));
    EXPECT_EQ(cli({QStringLiteral("--help")}).exitCode, 0);
}

} // namespace
