#include "burning/dvdburner.h"

#include "burnerlog.h"

#include <framework/settingsstore.h>

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

Q_LOGGING_CATEGORY(lcBurner, "sorvel.burner")

DVDBurner *DVDBurner::instance()
{
    static DVDBurner burner;
    return &burner;
}

DVDBurner::DVDBurner() : m_drives(std::make_unique<DriveList>())
{
    QStringList drives = DriveList::pseudoDrivesFromEnvironment();
    if (const SettingsStore *store = SettingsStore::current())
        drives += store->value(pseudoDriveSettingKey(), QString()).toString().split(QLatin1Char(';'));
    m_drives->setPseudoDrives(drives);
}

DVDBurner::~DVDBurner()
{
    // The job goes before the drive list, which waits for every job.
    m_job.reset();
    m_drives.reset();
}

QString DVDBurner::deviceKey(const QString &device)
{
    const QString name = device.trimmed();
    return name.startsWith(QLatin1String("stdio:")) ? DriveList::pseudoDriveName(name) : name;
}

void DVDBurner::setPseudoDrives(const QStringList &entries)
{
    m_drives->setPseudoDrives(entries);
}

QStringList DVDBurner::pseudoDrives() const
{
    return m_drives->pseudoDrives();
}

void DVDBurner::updateDevices()
{
    m_drives->refresh();
    QVector<RecorderInfo> recorders;
    for (const RecorderInfo &info : m_drives->drives()) {
        if (info.isRecorder())
            recorders.append(info);
    }
    QMutexLocker locker(&m_lock);
    // Speeds learnt from the discs survive a rescan of the same recorder.
    for (RecorderInfo &info : recorders) {
        for (const RecorderInfo &old : qAsConst(m_recorders)) {
            if (old.deviceName == info.deviceName && !old.speeds.isEmpty()) {
                info.speeds = old.speeds;
                info.currentSpeed = old.currentSpeed;
            }
        }
    }
    m_recorders = recorders;
}

QVector<RecorderInfo> DVDBurner::recorders() const
{
    QMutexLocker locker(&m_lock);
    return m_recorders;
}

std::optional<RecorderInfo> DVDBurner::recorder(const QString &device) const
{
    const QString key = deviceKey(device);
    QMutexLocker locker(&m_lock);
    std::optional<RecorderInfo> found;
    for (const RecorderInfo &info : qAsConst(m_recorders)) {
        if (info.deviceName == key)
            found = info;
    }
    return found;
}

void DVDBurner::updateDiscs()
{
    QVector<RecorderInfo> recorders = this->recorders();
    QMap<QString, DiscInfo> discs;
    for (RecorderInfo &info : recorders) {
        // A drive that a job is using is not opened a second time.
        const std::unique_ptr<Drive> drive = m_drives->isBusy() ? nullptr : m_drives->open(info.deviceName);
        if (!drive) {
            // A drive busy with a job keeps what is known about its disc.
            QMutexLocker locker(&m_lock);
            if (m_discs.contains(info.deviceName))
                discs.insert(info.deviceName, m_discs.value(info.deviceName));
            continue;
        }
        if (const std::optional<DiscInfo> disc = drive->disc())
            discs.insert(info.deviceName, *disc);
        info.speeds = drive->speeds();
        info.currentSpeed = drive->currentSpeed();
    }
    QMutexLocker locker(&m_lock);
    for (RecorderInfo &cached : m_recorders) {
        for (const RecorderInfo &fresh : qAsConst(recorders)) {
            if (fresh.deviceName == cached.deviceName) {
                cached.speeds = fresh.speeds;
                cached.currentSpeed = fresh.currentSpeed;
            }
        }
    }
    m_discs.swap(discs);
}

void DVDBurner::updateDiscFromJob(const QString &device)
{
    const std::optional<DiscInfo> disc = m_job ? m_job->disc() : std::nullopt;
    QMutexLocker locker(&m_lock);
    if (disc)
        m_discs.insert(deviceKey(device), *disc);
    else
        m_discs.remove(deviceKey(device));
}

std::optional<DiscInfo> DVDBurner::disc(const QString &device) const
{
    const QString key = deviceKey(device);
    QMutexLocker locker(&m_lock);
    const auto it = m_discs.constFind(key);
    if (it == m_discs.constEnd())
        return std::nullopt;
    return it.value();
}

bool DVDBurner::discHasRoom(const QString &device, quint64 size) const
{
    const std::optional<DiscInfo> found = disc(device);
    return found && found->writable && found->freeSpace > size;
}

void DVDBurner::updateDiscVolumes()
{
    QMap<QString, DiscVolume> volumes;
    for (const RecorderInfo &info : recorders())
        volumes.insert(info.deviceName, DiscVolume());
    QMutexLocker locker(&m_lock);
    m_volumes.swap(volumes);
}

std::optional<DiscVolume> DVDBurner::discVolume(const QString &device) const
{
    const QString key = deviceKey(device);
    QMutexLocker locker(&m_lock);
    const auto it = m_volumes.constFind(key);
    if (it == m_volumes.constEnd())
        return std::nullopt;
    return it.value();
}

DiscJob *DVDBurner::newJob(JobKind kind)
{
    if (m_job && m_job->isRunning()) {
        qCDebug(lcBurner) << "a job is running; the new one is ignored";
        return nullptr;
    }
    m_job = std::make_unique<DiscJob>();
    if (kind == JobKind::Write) {
        m_job->setUnderrunProof(true);
        m_job->setSpeed(m_speed);
        m_job->setCloseDisc(true);
    }
    return m_job.get();
}

bool DVDBurner::burnFolder(const JobSetup &setup, const QString &folder, const QString &device,
                           const QString &volumeLabel)
{
    DiscJob *job = newJob(JobKind::Write);
    if (!job)
        return false;
    job->setDvdVideoImage(true);
    job->setEraseNonBlank(m_directErase);
    job->setStageInWorkFolder(true);
    setup(*job);
    return job->burnFolder(deviceKey(device), folder, volumeLabel);
}

bool DVDBurner::burnImage(const JobSetup &setup, const QString &isoPath, const QString &device)
{
    DiscJob *job = newJob(JobKind::Write);
    if (!job)
        return false;
    job->setEraseNonBlank(m_directErase);
    setup(*job);
    return job->burnImage(deviceKey(device), isoPath);
}

bool DVDBurner::makeImage(const JobSetup &setup, const QString &folder, const QString &volumeLabel,
                          const QString &isoPath)
{
    DiscJob *job = newJob(JobKind::Write);
    if (!job)
        return false;
    job->setDvdVideoImage(true);
    setup(*job);
    return job->makeImage(isoPath, folder, volumeLabel);
}

bool DVDBurner::makeFolder(const JobSetup &setup, const QString &folder, const QString &targetFolder)
{
    DiscJob *job = newJob(JobKind::Other);
    if (!job)
        return false;
    setup(*job);
    return job->makeFolder(targetFolder, folder);
}

bool DVDBurner::checkDisc(const JobSetup &setup, quint64 size, const QString &device)
{
    DiscJob *job = newJob(JobKind::Other);
    if (!job)
        return false;
    job->setUnderrunProof(true);
    setup(*job);
    return job->checkDisc(deviceKey(device), size);
}

bool DVDBurner::erase(const JobSetup &setup, const QString &device, EraseMode mode)
{
    DiscJob *job = newJob(JobKind::Other);
    if (!job)
        return false;
    setup(*job);
    return job->erase(deviceKey(device), mode);
}

bool DVDBurner::isRunning() const
{
    return m_job && m_job->isRunning();
}

void DVDBurner::stop()
{
    if (m_job)
        m_job->stop();
}

qint64 DVDBurner::imageSize() const
{
    return m_job ? m_job->imageSize() : 0;
}

QString DVDBurner::errorText() const
{
    return m_job ? m_job->errorText() : QString();
}

bool DVDBurner::eject(const QString &device)
{
    const std::unique_ptr<Drive> drive = m_drives->open(deviceKey(device));
    return drive && drive->ejectOnRelease();
}

bool DVDBurner::waitForEnd(int ms)
{
    int budget = ms;
    while (m_waiting) {
        QThread::msleep(100);
        QCoreApplication::processEvents();
        budget -= 100;
        if (budget <= 0)
            return !m_waiting;
    }
    return true;
}

void DVDBurner::stopAllJobs()
{
    m_drives->stopAllJobs();
}
