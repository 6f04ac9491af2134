// The command-line tool's radio commands against the simulated radio.

#include "RadioCodeplug.h"
#include "RadioTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/CoreFixture.h"

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString errors;
    QString output;
};

CliRun cli(const QStringList &args)
{
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zq410-cli"), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()),
            QString::fromUtf8(p.readAllStandardOutput())};
}

class CliRadio : public CoreFixture
{
};

TEST_F(CliRadio, ReadThenWriteBackOverADevicePath)
{
    QTemporaryDir dir;
    SimulatedRadio radio({}, TestCodeplug().memory().bytes);
    ASSERT_TRUE(radio.started());
    const QString file = dir.filePath(QStringLiteral("radio.dat"));
    const CliRun read = cli({QStringLiteral("read"), QStringLiteral("--port"), radio.device(), QStringLiteral("-o"), file});
    ASSERT_EQ(read.exitCode, 0) << read.errors.toStdString();
    EXPECT_TRUE(read.errors.contains(QStringLiteral("read 22/22"))) << "progress on standard error";
    EXPECT_EQ(QFile(file).size(), 992);

    const CliRun dump = cli({QStringLiteral("dump"), file});
    EXPECT_TRUE(dump.output.contains(QStringLiteral("400 - 420MHz"))) << dump.output.toStdString();

    const CliRun write = cli({QStringLiteral("write"), file, QStringLiteral("--port"), radio.device()});
    EXPECT_EQ(write.exitCode, 0) << write.errors.toStdString();
}

TEST_F(CliRadio, OtherModelIsWrittenOnlyWhenForced)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("new.dat"));
    ASSERT_EQ(cli({QStringLiteral("new"), QStringLiteral("-o"), file}).exitCode, 0);
    SimulatedRadio radio({QStringLiteral("--code"), QStringLiteral("5918")});
    ASSERT_TRUE(radio.started());
    const QStringList args {QStringLiteral("write"), file, QStringLiteral("--port"), radio.device()};
    EXPECT_EQ(cli(args).exitCode, 1);
    EXPECT_EQ(cli(args + QStringList {QStringLiteral("--force")}).exitCode, 0);
}

TEST_F(CliRadio, PortThatCannotBeOpenedOrUsageErrorsFail)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.dat"));
    const CliRun bad = cli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("COMx"), QStringLiteral("-o"), file});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(cli({QStringLiteral("read"), QStringLiteral("-o"), file}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("COM1")}).exitCode, 2);
    const CliRun ports = cli({QStringLiteral("ports")});
    EXPECT_EQ(ports.exitCode, 0);
}

} // namespace
