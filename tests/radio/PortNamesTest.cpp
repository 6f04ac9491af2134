#include "radio/PortNames.h"
#include "radio/SerialComPort.h"
#include "RadioTestSupport.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "support/CoreFixture.h"

#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(PortNames, NumberIsReadFromTheFourthCharacterOn)
{
    const struct
    {
        const char *name;
        int number;
    } cases[] = {{"COM3", 3}, {"COM12", 12}, {"Com7", 7}, {"COM256", 256}, {"", -1}, {"COM", -1},
                 {"COMx", -1}, {"COM-1", -1}, {"COM0", -1}, {"COM1 ", -1}};
    for (const auto &c : cases)
        EXPECT_EQ(PortNumberOf(QString::fromLatin1(c.name)), c.number) << c.name;
}

#ifdef Q_OS_LINUX
TEST(PortNames, FixedRuleMapsNumbersToDevicesAndOverridesWin)
{
    const PortOverrides overrides = ParsePortOverrides({{QStringLiteral("com200"), QStringLiteral("/dev/rfcomm0")},
                                                        {QStringLiteral("COM3"), QStringLiteral("/dev/ttyX")},
                                                        {QStringLiteral("Port9"), QStringLiteral("/dev/ignored")},
                                                        {QStringLiteral("COM5"), QString()}});
    EXPECT_EQ(overrides.size(), 2);
    const struct
    {
        int number;
        const char *device;
    } cases[] = {{1, "/dev/ttyS0"},     {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
                 {65, "/dev/ttyACM0"},  {96, "/dev/ttyACM31"}, {97, ""},             {200, "/dev/rfcomm0"},
                 {3, "/dev/ttyX"},      {5, "/dev/ttyS4"},     {0, ""}};
    for (const auto &c : cases)
        EXPECT_EQ(PortDevicePath(c.number, overrides), QString::fromLatin1(c.device)) << c.number;
}
#endif

class PortList : public CoreFixture
{
};

TEST_F(PortList, OffersMappedPortsThatOpenExclusivelyInNumberOrder)
{
    SimulatedRadio first;
    SimulatedRadio second;
    SimulatedRadio held;
    ASSERT_TRUE(first.started() && second.started() && held.started());
    SetPortOverrides({{212, first.device()}, {203, second.device()}, {230, held.device()}, {240, QStringLiteral("/dev/none-such")}});
    SerialComPort other;
    QString problem;
    ASSERT_TRUE(other.open(held.device(), &problem)) << qPrintable(problem);

    QStringList list;
    ListSerialPorts(&list);
    const qsizetype a = list.indexOf(QStringLiteral("COM203"));
    const qsizetype b = list.indexOf(QStringLiteral("COM212"));
    EXPECT_GE(a, 0);
    EXPECT_GT(b, a);
    EXPECT_FALSE(list.contains(QStringLiteral("COM230"))) << "a port held by another program is not offered";
    EXPECT_FALSE(list.contains(QStringLiteral("COM240")));
    ListSerialPorts(nullptr);

    bool sawHeld = false;
    for (const PortProbe &p : ProbeSerialPorts())
        if (p.number == 230) {
            sawHeld = true;
            EXPECT_EQ(p.state, PortState::InUse);
            EXPECT_EQ(p.device, held.device());
        }
    EXPECT_TRUE(sawHeld);
    other.close();
    SetPortOverrides({});
}

TEST_F(PortList, DeviceWithoutPermissionIsToldApart)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyLocked"));
    QFile f(device);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    f.setPermissions(QFileDevice::Permissions());
    EXPECT_EQ(ProbePort(device), PortState::NoPermission);
}

TEST_F(PortList, RunMappingTakesANumberAboveTheFixedRuleAndSelectsTheSimulatedPort)
{
    const QString name = UseSimulatedPort(QStringLiteral("/dev/pts/simulated"));
    const int n = PortNumberOf(name);
    EXPECT_GE(n, 97);
    EXPECT_LE(n, HighestPortNumber);
    EXPECT_EQ(PortDevicePath(n), QStringLiteral("/dev/pts/simulated"));
    EXPECT_EQ(ALL->PortName, name);
    EXPECT_TRUE(IsSimulatedPort(name));
    EXPECT_FALSE(IsSimulatedPort(QStringLiteral("COM1")));
    EXPECT_EQ(AddRunPortMapping(QStringLiteral("/dev/pts/simulated")), name) << "one device, one name";
}

TEST_F(PortList, SimulatedPortOptionSelectsItsPortForThisRunOnly)
{
    ALL->PortName = QStringLiteral("COM3");
    EXPECT_TRUE(UseSimulatedPortOption({QStringLiteral("zq410"), QStringLiteral("--other")}).isEmpty());
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM3"));
    const QString name = UseSimulatedPortOption({QStringLiteral("zq410"), QStringLiteral("--simulated-port=/dev/pts/77")});
    EXPECT_EQ(ALL->PortName, name);
    EXPECT_EQ(PortDevicePath(PortNumberOf(name)), QStringLiteral("/dev/pts/77"));
    ForgetSimulatedPort();
    EXPECT_EQ(ALL->PortName, QStringLiteral("COM3")) << "SysInfo.Ini keeps the port chosen before";
}

} // namespace

namespace {

TEST_F(PortList, PortsSectionOfSysInfoMapsPortsAtStartUp)
{
    QFile ini(pathOf(QStringLiteral("SysInfo.Ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[SysInfo]\r\nCom=COM200\r\n[Ports]\r\ncom200 = /dev/rfcomm0\r\nCOM7=/dev/ttyX\r\nCOM300=/dev/far\r\nName=x\r\n");
    ini.close();
    db.reset();
    db = std::make_unique<TfMaindb>(dir.path());
    EXPECT_EQ(PortDevicePath(200), QStringLiteral("/dev/rfcomm0"));
    EXPECT_EQ(PortDevicePath(7), QStringLiteral("/dev/ttyX"));
    EXPECT_EQ(ReadPortOverrides(pathOf(QStringLiteral("SysInfo.Ini"))).size(), 2);
    EXPECT_TRUE(ReadPortOverrides(pathOf(QStringLiteral("Missing.Ini"))).isEmpty());
    SetPortOverrides({});
}

} // namespace
