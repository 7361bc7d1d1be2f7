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

// ---------------------------------------------------------------- KyBurner

struct KyBurner::Private {
    explicit Private(const QString &address)
        : address(address), grabbed(std::make_unique<GrabbedDrive>(address))
    {}
    QString address;
    std::unique_ptr<GrabbedDrive> grabbed;
    GrabbedDrive &drive() { return *grabbed; }
};

KyBurner::KyBurner(std::unique_ptr<Private> p) : d(std::move(p)) {}

KyBurner::~KyBurner() = default;

KyDiscInfo *KyBurner::GetDiscInfo()
{
    const DiscFacts facts = readDisc(d->drive().drive());
    if (!facts.present)
        return nullptr;
    m_disc = engineDiscInfo(facts);
    return &m_disc;
}

QVector<BurnDiscSpeed> KyBurner::speeds() const
{
    return driveSpeeds(d->drive().drive());
}

BurnDiscSpeed KyBurner::currentSpeed() const
{
    BurnDiscSpeed speed;
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

int KyBurner::EjectDisc(int)
{
    if (!d->drive().drive())
        return 0;
    d->drive().setEjectOnRelease(true);
    return 1;
}

int KyBurner::CloseDoor(int)
{
    if (d->drive().isPseudo())
        return d->drive().drive() ? 1 : 0;
    // libburn pulls the tray in when a drive is grabbed with loading.
    d->grabbed.reset();
    d->grabbed = std::make_unique<GrabbedDrive>(d->address, true);
    return d->drive().drive() ? 1 : 0;
}

void KyBurner::Release()
{
    delete this;
}

// ---------------------------------------------------------------- KyBurnerInfo

static QString canonicalDevice(QString name)
{
    name = pseudoPath(name.trimmed());
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return QDir::cleanPath(name);
}

int KyBurnerInfo::isSameDVDDevice(const QString &a, const QString &b)
{
    if (a.trimmed().isEmpty() || b.trimmed().isEmpty())
        return 0;
    return canonicalDevice(a) == canonicalDevice(b) ? 1 : 0;
}

int KyBurnerInfo::SupportBD(int recorderFlag)
{
    return (recorderFlag & RecorderBd) ? 1 : 0;
}

QVector<QString> KyBurnerInfo::GetShowSpeedList(int, const QVector<BurnDiscSpeed> &speeds, int)
{
    QVector<QString> texts{QStringLiteral("Max")};
    QVector<int> factors;
    for (const BurnDiscSpeed &s : speeds) {
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

int KyBurnerInfo::speedFromText(const QString &text)
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

// ---------------------------------------------------------------- IDeviceManager

struct IDeviceManager::Private {
    LibburnSession session;
    mutable QMutex mutex;
    QStringList pseudo;
    QVector<KyDeviceRecord> devices;
    QVector<KyDeviceRecord> lastRealDrives;
};

IDeviceManager::IDeviceManager() : d(std::make_unique<Private>())
{
    d->pseudo = pseudoDrivesFromEnvironment();
}

IDeviceManager::~IDeviceManager()
{
    StopAllWork();
}

IDeviceManager *IDeviceManager::Create()
{
    return new IDeviceManager();
}

void IDeviceManager::Release()
{
    delete this;
}

QString IDeviceManager::pseudoDriveName(const QString &entry)
{
    const QString path = pseudoPath(entry.trimmed());
    if (path.isEmpty())
        return QString();
    return QStringLiteral("stdio:") + QFileInfo(path).absoluteFilePath();
}

QStringList IDeviceManager::pseudoDrivesFromEnvironment()
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

void IDeviceManager::setPseudoDrives(const QStringList &entries)
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

QStringList IDeviceManager::pseudoDrives() const
{
    QMutexLocker locker(&d->mutex);
    return d->pseudo;
}

int IDeviceManager::RefreshDevices()
{
    QVector<KyDeviceRecord> real;
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
                KyDeviceRecord rec;
                rec.deviceName = QString::fromLocal8Bit(adr);
                rec.displayName = (QString::fromLatin1(infos[i].vendor).trimmed() + QLatin1Char(' ') +
                                   QString::fromLatin1(infos[i].product).trimmed())
                                      .trimmed();
                if (infos[i].write_dvdr || infos[i].write_dvdram)
                    rec.recorderFlag |= RecorderDvd;
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
    QVector<KyDeviceRecord> all = d->lastRealDrives;
    for (const QString &name : qAsConst(d->pseudo)) {
        KyDeviceRecord rec;
        rec.deviceName = name;
        rec.displayName = QStringLiteral("Image File Recorder");
        rec.recorderFlag = RecorderDvd | RecorderPseudo;
        rec.currentSpeed.text = QStringLiteral("Max");
        all.append(rec);
    }
    d->devices = all;
    return d->devices.size();
}

int IDeviceManager::GetDeviceCount() const
{
    QMutexLocker locker(&d->mutex);
    return d->devices.size();
}

KyDeviceRecord IDeviceManager::GetDevice(int index) const
{
    QMutexLocker locker(&d->mutex);
    return index >= 0 && index < d->devices.size() ? d->devices.at(index) : KyDeviceRecord();
}

KyBurner *IDeviceManager::OpenBurner(const QString &deviceName)
{
    if (!d->session.ok() || deviceName.trimmed().isEmpty())
        return nullptr;
    auto p = std::make_unique<KyBurner::Private>(deviceName.trimmed());
    if (!p->drive().drive())
        return nullptr;
    return new KyBurner(std::move(p));
}

bool IDeviceManager::isBusy() const
{
    return activeJobCount() > 0;
}

void IDeviceManager::StopAllWork()
{
    stopAllJobs();
}
