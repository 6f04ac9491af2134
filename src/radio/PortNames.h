#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Ports are named "COM" + number everywhere (PortName, SysInfo.Ini, the lists). On Windows
// these are the system's ports. On Linux a fixed rule keeps a name with its device when other
// devices come and go: COM1-COM32 are /dev/ttyS0-31, COM33-COM64 /dev/ttyUSB0-31 and
// COM65-COM96 /dev/ttyACM0-31. A [Ports] section of SysInfo.Ini (COM200=/dev/rfcomm0) maps
// any number to any device and wins over the rule.

constexpr int HighestPortNumber = 256;

// The number of a port name, read from its 4th character on ("COM12" -> 12); -1 when that is
// empty or not a positive decimal number.
int PortNumberOf(const QString &portName);
QString PortNameOf(int number);

using PortOverrides = QMap<int, QString>;

// The entries of a [Ports] section; keys are port names in any letter case, entries whose
// key is not a port name or whose device is empty are left out.
PortOverrides ParsePortOverrides(const QMap<QString, QString> &section);
// The [Ports] section of SysInfo.Ini (read only; the program never writes it).
PortOverrides ReadPortOverrides(const QString &sysInfoPath);
void LoadPortOverrides(const QString &sysInfoPath);
void SetPortOverrides(const PortOverrides &overrides);
PortOverrides CurrentPortOverrides();

// The device behind a port number; empty when there is none.
QString PortDevicePath(int number, const PortOverrides &overrides);
QString PortDevicePath(int number);

// Maps a further device to a free port number for this run only (never stored) and returns
// the port's name. Used for a simulated radio and for a device path given on a command line.
QString AddRunPortMapping(const QString &devicePath);
// Maps the simulated radio's device and makes its port the current one (ALL->PortName).
QString UseSimulatedPort(const QString &devicePath);
bool IsSimulatedPort(const QString &portName);
// The program option "--simulated-port DEVICE" (or "--simulated-port=DEVICE"): maps the device
// and selects its port, after SysInfo.Ini has been read. Returns the port's name, or an empty
// text when the option is not given.
QString UseSimulatedPortOption(const QStringList &arguments);
// Before PortName is stored on exit: a simulated port gives way to the port chosen before it,
// since its mapping lasts for this run only.
void ForgetSimulatedPort();

enum class PortState {
    Absent,       // no such device
    Free,         // opens exclusively: offered
    InUse,        // exists but another program holds it (or it does not answer as a port)
    NoPermission, // exists, but this user may not open it
};

struct PortProbe
{
    int number = 0;
    QString name;
    QString device;
    PortState state = PortState::Absent;
    QString problem;
};

// Every port from COM1 to COM256 whose device exists, in order, with what an exclusive open
// found.
QList<PortProbe> ProbeSerialPorts();
PortState ProbePort(const QString &device, QString *problem = nullptr);

// Appends the name of every port that can be opened now, in number order. Does nothing
// without a list.
void ListSerialPorts(QStringList *list);
