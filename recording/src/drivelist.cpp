#include "recording/recording.h"

#include "enginejobs.h"
#include "libburnsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <set>

using namespace recording;

// ---------------------------------------------------------------- Drive

struct Drive::Private {
    explicit Private(const QString &address)
        : address(address), grabbed(std::make_unique<GrabbedDrive>(address))
    {}
    QString address;
    std::unique_ptr<GrabbedDrive> grabbed;
    GrabbedDrive &drive() const { return *grabbed; }
};

Drive::Drive(std::unique_ptr<Private> p) : d(std::move(p)) {}

Drive::~Drive() = default;

std::optional<DiscInfo> Drive::disc() const
{
    const DiscFacts facts = readDisc(d->drive().drive());
    if (!facts.present)
        return std::nullopt;
    return engineDiscInfo(facts);
}

QVector<WriteSpeed> Drive::speeds() const
{
    return driveSpeeds(d->drive().drive());
}

WriteSpeed Drive::currentSpeed() const
{
    WriteSpeed speed;
    speed.text = QStringLiteral("Max");
    std::lock_guard<std::recursive_mutex> guard(libburnLock());
    if (burn_drive *drive = d->drive().drive()) {
        const int kb = burn_drive_get_write_speed(drive);
        if (kb > 0) {
            speed.kbPerSecond = kb;
            speed.text = QStringLiteral("%1X").arg(qMax(1, (kb + 692) / 1385));
        }
    }
    return speed;
}

bool Drive::ejectOnRelease()
{
    if (!d->drive().drive())
        return false;
    d->drive().setEjectOnRelease(true);
    return true;
}

bool Drive::closeTray()
{
    if (d->drive().isPseudo())
        return d->drive().drive() != nullptr;
    // libburn pulls the tray in when a drive is grabbed with loading.
    d->grabbed.reset();
    d->grabbed = std::make_unique<GrabbedDrive>(d->address, true);
    return d->drive().drive() != nullptr;
}

// ---------------------------------------------------------------- speeds and names

static QString canonicalDevice(QString name)
{
    name = pseudoPath(name.trimmed());
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return QDir::cleanPath(name);
}

bool DriveList::isSameDevice(const QString &a, const QString &b)
{
    if (a.trimmed().isEmpty() || b.trimmed().isEmpty())
        return false;
    return canonicalDevice(a) == canonicalDevice(b);
}

QVector<QString> WriteSpeed::choices(const QVector<WriteSpeed> &speeds)
{
    QVector<QString> texts{QStringLiteral("Max")};
    QVector<int> factors;
    for (const WriteSpeed &s : speeds) {
        if (s.kbPerSecond <= 0)
            continue;
        const int x = qMax(1, (s.kbPerSecond + 692) / 1385);
        if (!factors.contains(x))
            factors.append(x);
    }
    std::sort(factors.begin(), factors.end(), std::greater<int>());
    for (int x : factors)
        texts.append(QStringLiteral("%1X").arg(x));
    return texts;
}

int WriteSpeed::kbPerSecondFromText(const QString &text)
{
    QString t = text.trimmed().toUpper();
    if (t.isEmpty() || t == QLatin1String("MAX"))
        return 0;
    if (t.endsWith(QLatin1Char('X')))
        t.chop(1);
    bool ok = false;
    const double factor = t.toDouble(&ok);
    return ok && factor > 0 ? int(factor * 1385) : 0;
}

// ---------------------------------------------------------------- DriveList

struct DriveList::Private {
    LibburnSession session;
    mutable QMutex mutex;
    QStringList pseudo;
    QVector<RecorderInfo> devices;
    QVector<RecorderInfo> lastRealDrives;
};

DriveList::DriveList() : d(std::make_unique<Private>())
{
    d->pseudo = pseudoDrivesFromEnvironment();
}

DriveList::~DriveList()
{
    stopAllJobs();
}

QString DriveList::pseudoDriveName(const QString &entry)
{
    const QString path = pseudoPath(entry.trimmed());
    if (path.isEmpty())
        return QString();
    return QStringLiteral("stdio:") + QFileInfo(path).absoluteFilePath();
}

QStringList DriveList::pseudoDrivesFromEnvironment()
{
    QStringList result;
    const QStringList entries = qEnvironmentVariable("SORVEL_PSEUDO_DRIVES").split(QLatin1Char(';'));
    for (const QString &entry : entries) {
        const QString name = pseudoDriveName(entry);
        if (!name.isEmpty() && !result.contains(name))
            result.append(name);
    }
    return result;
}

void DriveList::setPseudoDrives(const QStringList &entries)
{
    QStringList names;
    for (const QString &entry : entries) {
        const QString name = pseudoDriveName(entry);
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    QMutexLocker locker(&d->mutex);
    d->pseudo = names;
}

QStringList DriveList::pseudoDrives() const
{
    QMutexLocker locker(&d->mutex);
    return d->pseudo;
}

int DriveList::refresh()
{
    QVector<RecorderInfo> real;
    bool scanned = false;
    if (d->session.ok()) {
        std::lock_guard<std::recursive_mutex> guard(libburnLock());
        burn_drive_info *infos = nullptr;
        unsigned int count = 0;
        // libburn refuses to scan while one of its drives is grabbed (a job
        // is writing); the last scan stays valid then.
        // The scan runs in a libburn thread: 0 means "still scanning".
        int scan = 0;
        if (activeJobCount() == 0) {
            for (int waited = 0; (scan = burn_drive_scan(&infos, &count)) == 0 && waited < 20000;
                 waited += 50)
                QThread::msleep(50);
        }
        if (scan > 0) {
            scanned = true;
            for (unsigned int i = 0; i < count; ++i) {
                char adr[BURN_DRIVE_ADR_LEN] = {0};
                if (burn_drive_get_adr(&infos[i], adr) != 1)
                    continue;
                RecorderInfo rec;
                rec.deviceName = QString::fromLocal8Bit(adr);
                rec.displayName = (QString::fromLatin1(infos[i].vendor).trimmed() + QLatin1Char(' ') +
                                   QString::fromLatin1(infos[i].product).trimmed())
                                      .trimmed();
                if (infos[i].write_dvdr || infos[i].write_dvdram)
                    rec.writesDvd = true;
                rec.currentSpeed.text = QStringLiteral("Max");
                real.append(rec);
            }
            if (infos)
                burn_drive_info_free(infos);
        }
    }
    QMutexLocker locker(&d->mutex);
    if (scanned)
        d->lastRealDrives = real;
    QVector<RecorderInfo> all = d->lastRealDrives;
    for (const QString &name : qAsConst(d->pseudo)) {
        RecorderInfo rec;
        rec.deviceName = name;
        rec.displayName = QStringLiteral("Image File Recorder");
        rec.writesDvd = true;
        rec.pseudo = true;
        rec.currentSpeed.text = QStringLiteral("Max");
        all.append(rec);
    }
    d->devices = all;
    return d->devices.size();
}

QVector<RecorderInfo> DriveList::drives() const
{
    QMutexLocker locker(&d->mutex);
    return d->devices;
}

std::unique_ptr<Drive> DriveList::open(const QString &deviceName)
{
    if (!d->session.ok() || deviceName.trimmed().isEmpty())
        return nullptr;
    auto p = std::make_unique<Drive::Private>(deviceName.trimmed());
    if (!p->drive().drive())
        return nullptr;
    return std::unique_ptr<Drive>(new Drive(std::move(p)));
}

bool DriveList::isBusy() const
{
    return activeJobCount() > 0;
}

void DriveList::stopAllJobs()
{
    recording::stopAllJobs();
}
