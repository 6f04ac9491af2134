#include "radio/PortNames.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/IniFile.h"

#include <QFileInfo>
#include <QMutex>
#include <QSerialPort>
#include <QSet>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

struct PortRegistry
{
    QMutex mutex;
    PortOverrides configured;
    PortOverrides run;
    QSet<int> simulated;
    QString portBeforeSimulation;
};

PortRegistry &registry()
{
    static PortRegistry r;
    return r;
}

PortOverrides allOverrides()
{
    PortRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    PortOverrides all = r.configured;
    for (auto it = r.run.cbegin(); it != r.run.cend(); ++it)
        all.insert(it.key(), it.value());
    return all;
}

} // namespace

int PortNumberOf(const QString &portName)
{
    const QString digits = portName.mid(3);
    if (digits.isEmpty())
        return -1;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && n > 0 ? n : -1;
}

QString PortNameOf(int number)
{
    return QStringLiteral("COM") + QString::number(number);
}

PortOverrides ParsePortOverrides(const QMap<QString, QString> &section)
{
    PortOverrides result;
    for (auto it = section.cbegin(); it != section.cend(); ++it) {
        if (!it.key().trimmed().startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            continue;
        const int n = PortNumberOf(it.key().trimmed());
        const QString device = it.value().trimmed();
        if (n > 0 && !device.isEmpty())
            result.insert(n, device);
    }
    return result;
}

PortOverrides ReadPortOverrides(const QString &sysInfoPath)
{
    const IniFile ini(sysInfoPath);
    if (!ini.wasRead())
        return {};
    const QString section = QStringLiteral("Ports");
    QMap<QString, QString> entries;
    for (int n = 1; n <= HighestPortNumber; ++n) {
        const QString key = PortNameOf(n);
        if (ini.contains(section, key))
            entries.insert(key, ini.readString(section, key, QString()));
    }
    return ParsePortOverrides(entries);
}

void LoadPortOverrides(const QString &sysInfoPath)
{
    SetPortOverrides(ReadPortOverrides(sysInfoPath));
}

void SetPortOverrides(const PortOverrides &overrides)
{
    PortRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.configured = overrides;
}

PortOverrides CurrentPortOverrides()
{
    return allOverrides();
}

QString PortDevicePath(int number, const PortOverrides &overrides)
{
    if (number <= 0)
        return QString();
    const auto it = overrides.constFind(number);
    if (it != overrides.cend())
        return it.value();
#if defined(Q_OS_WIN)
    return PortNameOf(number);
#elif defined(Q_OS_LINUX)
    if (number <= 32)
        return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    if (number <= 64)
        return QStringLiteral("/dev/ttyUSB%1").arg(number - 33);
    if (number <= 96)
        return QStringLiteral("/dev/ttyACM%1").arg(number - 65);
    return QString();
#else
    return QString();
#endif
}

QString PortDevicePath(int number)
{
    return PortDevicePath(number, allOverrides());
}

QString AddRunPortMapping(const QString &devicePath)
{
    const PortOverrides taken = allOverrides();
    for (auto it = taken.cbegin(); it != taken.cend(); ++it)
        if (it.value() == devicePath)
            return PortNameOf(it.key());
    // Above the numbers of the fixed rule, so that no real port is hidden.
    int n = 97;
    while (n < HighestPortNumber && (taken.contains(n) || !PortDevicePath(n, taken).isEmpty()))
        ++n;
    PortRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.run.insert(n, devicePath);
    return PortNameOf(n);
}

QString UseSimulatedPort(const QString &devicePath)
{
    const bool fromRealPort = ALL && !IsSimulatedPort(ALL->PortName);
    const QString name = AddRunPortMapping(devicePath);
    {
        PortRegistry &r = registry();
        QMutexLocker lock(&r.mutex);
        r.simulated.insert(PortNumberOf(name));
        if (fromRealPort)
            r.portBeforeSimulation = ALL->PortName;
    }
    if (ALL)
        ALL->PortName = name;
    return name;
}

QString UseSimulatedPortOption(const QStringList &arguments)
{
    const QString option = QStringLiteral("--simulated-port");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == option && i + 1 < arguments.size())
            return UseSimulatedPort(arguments[i + 1]);
        if (a.startsWith(option + QLatin1Char('=')) && a.size() > option.size() + 1)
            return UseSimulatedPort(a.mid(option.size() + 1));
    }
    return QString();
}

void ForgetSimulatedPort()
{
    if (!ALL || !IsSimulatedPort(ALL->PortName))
        return;
    PortRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    ALL->PortName = r.portBeforeSimulation;
}

bool IsSimulatedPort(const QString &portName)
{
    const int n = PortNumberOf(portName);
    PortRegistry &r = registry();
    QMutexLocker lock(&r.mutex);
    return n > 0 && r.simulated.contains(n);
}

PortState ProbePort(const QString &device, QString *problem)
{
    if (device.isEmpty() || !QFileInfo::exists(device)) {
#ifdef Q_OS_WIN
        if (device.isEmpty())
            return PortState::Absent;
#else
        return PortState::Absent;
#endif
    }
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0 && errno == EACCES) {
        if (problem)
            *problem = QStringLiteral("permission denied");
        return PortState::NoPermission;
    }
#endif
    QSerialPort port;
    port.setPortName(device);
    if (!port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError e = port.error();
        if (problem)
            *problem = port.errorString();
#ifdef Q_OS_WIN
        if (e == QSerialPort::DeviceNotFoundError)
            return PortState::Absent;
#endif
        Q_UNUSED(e);
        return PortState::InUse;
    }
    port.close();
    return PortState::Free;
}

QList<PortProbe> ProbeSerialPorts()
{
    const PortOverrides overrides = allOverrides();
    QList<PortProbe> found;
    for (int n = 1; n <= HighestPortNumber; ++n) {
        PortProbe p;
        p.number = n;
        p.name = PortNameOf(n);
        p.device = PortDevicePath(n, overrides);
        p.state = ProbePort(p.device, &p.problem);
        if (p.state != PortState::Absent)
            found.append(p);
    }
    return found;
}

void ListSerialPorts(QStringList *list)
{
    if (!list)
        return;
    for (const PortProbe &p : ProbeSerialPorts())
        if (p.state == PortState::Free)
            list->append(p.name);
}
