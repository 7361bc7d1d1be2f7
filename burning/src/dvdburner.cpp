#include "burning/dvdburner.h"

#include "burnerlog.h"

#include <framework/settingsstore.h>

#include <QCoreApplication>
#include <QMutexLocker>
#include <QThread>

Q_LOGGING_CATEGORY(lcBurner, "sorvel.burner")

static BSDiscInfo fromEngine(const KyDiscInfo &disc)
{
    BSDiscInfo info;
    info.discType = disc.typeCode;
    info.discTypeName = disc.GetDiscTypeName();
    info.totalSize = disc.capacity;
    info.freeSize = disc.freeSpace;
    info.usedSize = disc.usedSpace;
    info.blank = disc.blank;
    info.writable = disc.writable;
    info.erasable = disc.erasable;
    return info;
}

DVDBurner *DVDBurner::Instance()
{
    static DVDBurner instance;
    return &instance;
}

DVDBurner::DVDBurner() : m_manager(IDeviceManager::Create())
{
    QStringList drives = IDeviceManager::pseudoDrivesFromEnvironment();
    if (const SettingsStore *store = SettingsStore::current())
        drives += store->value(pseudoDriveSettingKey(), QString()).toString().split(QLatin1Char(';'));
    m_manager->setPseudoDrives(drives);
}

DVDBurner::~DVDBurner()
{
    Clean();
}

QString DVDBurner::deviceKey(const QString &device)
{
    const QString name = device.trimmed();
    return name.startsWith(QLatin1String("stdio:")) ? IDeviceManager::pseudoDriveName(name) : name;
}

void DVDBurner::setPseudoDrives(const QStringList &entries)
{
    if (m_manager)
        m_manager->setPseudoDrives(entries);
}

QStringList DVDBurner::pseudoDrives() const
{
    return m_manager ? m_manager->pseudoDrives() : QStringList();
}

void DVDBurner::UpdateDevices()
{
    if (!m_manager)
        return;
    m_manager->RefreshDevices();
    QVector<BSBurnerInfo> recorders;
    const int count = m_manager->GetDeviceCount();
    for (int i = 0; i < count; ++i) {
        const KyDeviceRecord rec = m_manager->GetDevice(i);
        if (!rec.recorderFlag)
            continue;
        BSBurnerInfo info;
        info.deviceName = rec.deviceName;
        info.displayName = rec.displayName;
        info.recorderFlag = rec.recorderFlag;
        info.speedList = rec.speeds;
        info.curSpeed = rec.currentSpeed;
        recorders.append(info);
    }
    QMutexLocker locker(&m_lock);
    // Speeds learnt from the discs survive a rescan of the same recorder.
    for (BSBurnerInfo &info : recorders) {
        for (const BSBurnerInfo &old : qAsConst(m_recorders)) {
            if (old.deviceName == info.deviceName && !old.speedList.isEmpty()) {
                info.speedList = old.speedList;
                info.curSpeed = old.curSpeed;
            }
        }
    }
    m_recorders = recorders;
}

QVector<BSBurnerInfo> DVDBurner::GetBurnerInfos()
{
    QMutexLocker locker(&m_lock);
    return m_recorders;
}

std::optional<BSBurnerInfo> DVDBurner::GetBurnerInfo(const QString &name)
{
    const QString key = deviceKey(name);
    QMutexLocker locker(&m_lock);
    std::optional<BSBurnerInfo> found;
    for (const BSBurnerInfo &info : qAsConst(m_recorders)) {
        if (info.deviceName == key)
            found = info;
    }
    return found;
}

int DVDBurner::CheckBeforeDriveStatusISCDRom(const QString &name)
{
    return GetBurnerInfo(name).has_value() ? 1 : 0;
}

void DVDBurner::UpdateDiscs(bool onlyRecorders)
{
    if (!m_manager)
        return;
    QVector<BSBurnerInfo> recorders = GetBurnerInfos();
    QMap<QString, BSDiscInfo> discs;
    for (BSBurnerInfo &info : recorders) {
        if (onlyRecorders && !info.recorderFlag)
            continue;
        // A drive that a job is using is not opened a second time.
        KyBurner *burner = m_manager->isBusy() ? nullptr : m_manager->OpenBurner(info.deviceName);
        if (!burner) {
            // A drive busy with a job keeps what is known about its disc.
            QMutexLocker locker(&m_lock);
            if (m_discs.contains(info.deviceName))
                discs.insert(info.deviceName, m_discs.value(info.deviceName));
            continue;
        }
        if (KyDiscInfo *disc = burner->GetDiscInfo())
            discs.insert(info.deviceName, fromEngine(*disc));
        info.speedList = burner->speeds();
        info.curSpeed = burner->currentSpeed();
        burner->Release();
    }
    QMutexLocker locker(&m_lock);
    for (BSBurnerInfo &cached : m_recorders) {
        for (const BSBurnerInfo &fresh : qAsConst(recorders)) {
            if (fresh.deviceName == cached.deviceName) {
                cached.speedList = fresh.speedList;
                cached.curSpeed = fresh.curSpeed;
            }
        }
    }
    m_discs.swap(discs);
}

void DVDBurner::UpdateDiscInfo(const QString &device)
{
    const std::optional<KyDiscInfo> disc = m_job ? m_job->GetDiscInfo() : std::nullopt;
    QMutexLocker locker(&m_lock);
    if (disc)
        m_discs.insert(deviceKey(device), fromEngine(*disc));
    else
        m_discs.remove(deviceKey(device));
}

std::optional<BSDiscInfo> DVDBurner::GetDiscInfo(const QString &device)
{
    const QString key = deviceKey(device);
    QMutexLocker locker(&m_lock);
    const auto it = m_discs.constFind(key);
    if (it == m_discs.constEnd())
        return std::nullopt;
    return it.value();
}

void DVDBurner::UpdateDiscISOMes()
{
    QMap<QString, BSDiscISOInfo> isoInfo;
    for (const BSBurnerInfo &info : GetBurnerInfos())
        isoInfo.insert(info.deviceName, BSDiscISOInfo());
    QMutexLocker locker(&m_lock);
    m_discIso.swap(isoInfo);
}

std::optional<BSDiscISOInfo> DVDBurner::GetDiscISOInfo(const QString &device)
{
    const QString key = deviceKey(device);
    QMutexLocker locker(&m_lock);
    const auto it = m_discIso.constFind(key);
    if (it == m_discIso.constEnd())
        return std::nullopt;
    return it.value();
}

bool DVDBurner::DiscHaveISOContent(const QString &)
{
    return false;
}

void DVDBurner::UpdateMacSpeedList(BSBurnerInfo &info)
{
    if (!m_manager)
        return;
    KyBurner *burner = m_manager->OpenBurner(info.deviceName);
    if (!burner)
        return;
    info.speedList = burner->speeds();
    info.curSpeed = burner->currentSpeed();
    burner->Release();
}

void DVDBurner::SetXSpeed(const QString &speed)
{
    m_speed = speed;
}

bool DVDBurner::prepareJob(IBurnerJobCallBack *callback, bool writeJob)
{
    if (!m_manager)
        return false;
    if (m_job && m_job->IsRunning()) {
        qCDebug(lcBurner) << "a job is running; the new one is ignored";
        return false;
    }
    if (m_job)
        m_job->Release();
    m_job = IBurnerJob::Create(m_manager);
    if (writeJob) {
        m_job->SetUnderrunProof(1);
        m_job->SetCallback(callback);
        m_job->SetSpeed(m_speed);
        m_job->SetCloseDisc(1);
    } else {
        m_job->SetCallback(callback);
    }
    return true;
}

int DVDBurner::BurnDiscFromFolder(IBurnerJobCallBack *callback, const QString &folder, const QString &device,
                                  const QString &volume, int)
{
    if (!prepareJob(callback, true))
        return -1;
    m_job->SetDvdVideoImage(1);
    if (m_directErase)
        m_job->SetEraseNonBlank(1);
    m_job->SetStageInWorkFolder(1);
    setWorkingState(BurnStateBurning);
    return m_job->BurnFolder(deviceKey(device), folder, volume, 5000, 0);
}

int DVDBurner::MakeISOFromFolder(IBurnerJobCallBack *callback, const QString &folder, const QString &volume,
                                 const QString &isoPath, int timeout)
{
    if (!prepareJob(callback, true))
        return -1;
    m_job->SetDvdVideoImage(1);
    setWorkingState(BurnStateMakingISO);
    return m_job->MakeISO(isoPath, folder, volume, timeout);
}

int DVDBurner::MakeFolderFromFolder(IBurnerJobCallBack *callback, const QString &folder,
                                    const QString &targetFolder)
{
    if (!prepareJob(callback, false))
        return -1;
    setWorkingState(BurnStateMakingISO);
    return m_job->MakeFolder(targetFolder, folder);
}

int DVDBurner::BurnDiscFromISO(IBurnerJobCallBack *callback, const QString &isoPath, const QString &device,
                               int timeout)
{
    if (!prepareJob(callback, true))
        return -1;
    if (m_directErase)
        m_job->SetEraseNonBlank(1);
    setWorkingState(BurnStateBurning);
    return m_job->BurnISO(deviceKey(device), isoPath, timeout, 0);
}

int DVDBurner::StartCheckBurnDVDFirst(IBurnerJobCallBack *callback, quint64 size, const QString &device,
                                      int timeout)
{
    if (!prepareJob(callback, false))
        return -1;
    m_job->SetUnderrunProof(1);
    m_job->SetCheck(0);
    m_job->SetOnlyCheck(1);
    m_onlyCheck = 1;
    setWorkingState(BurnStateChecking);
    return m_job->CheckDisc(deviceKey(device), size, timeout, 0);
}

int DVDBurner::StartErase(IBurnerJobCallBack *callback, const QString &device, int mode)
{
    if (!prepareJob(callback, false))
        return -1;
    setWorkingState(BurnStateErasing);
    return m_job->Erase(deviceKey(device), mode, 0);
}

bool DVDBurner::IsRunning()
{
    return m_job && m_job->IsRunning();
}

void DVDBurner::Stop()
{
    if (m_job)
        m_job->Stop();
}

void DVDBurner::StopCheck()
{
    if (m_job)
        m_job->StopCheck();
}

void DVDBurner::SetReturn(int value)
{
    if (m_job)
        m_job->SetReturn(value);
}

void DVDBurner::SetIgnore(int value)
{
    if (m_job)
        m_job->SetIgnore(value);
}

void DVDBurner::SetContinueWork(int value)
{
    if (m_job)
        m_job->SetContinueWork(value);
}

void DVDBurner::SetCheck(int value)
{
    if (m_job)
        m_job->SetCheck(value);
}

void DVDBurner::SetOnlyCheck(int value)
{
    m_onlyCheck = value;
}

void DVDBurner::SetDirectErase(int value)
{
    m_directErase = value;
}

qint64 DVDBurner::GetRealISOSize()
{
    return m_job ? m_job->GetRealISOSize() : 0;
}

QString DVDBurner::GetErrorFile()
{
    return m_job ? m_job->GetErrorFile() : QString();
}

int DVDBurner::VestraDriveEject(const QString &device)
{
    if (!m_manager)
        return 0;
    KyBurner *burner = m_manager->OpenBurner(deviceKey(device));
    if (!burner)
        return 0;
    const int result = burner->EjectDisc(0);
    burner->Release();
    return result;
}

int DVDBurner::VestraDriveCloseDoor(const QString &device)
{
    if (!m_manager)
        return 0;
    KyBurner *burner = m_manager->OpenBurner(deviceKey(device));
    if (!burner)
        return 0;
    const int result = burner->CloseDoor(0);
    burner->Release();
    return result;
}

bool DVDBurner::IsCanContinueBurn(const BSDiscInfo *disc)
{
    return disc && disc->writable && (disc->blank || disc->erasable);
}

void DVDBurner::BeforeWait()
{
    m_waiting = true;
}

void DVDBurner::StopWait()
{
    m_waiting = false;
}

int DVDBurner::WaitCondition(int ms)
{
    int budget = ms;
    while (m_waiting) {
        QThread::msleep(100);
        QCoreApplication::processEvents();
        budget -= 100;
        if (budget <= 0)
            return m_waiting ? 0 : 1;
    }
    return 1;
}

void DVDBurner::StopBeforeExit()
{
    if (m_manager)
        m_manager->StopAllWork();
}

void DVDBurner::Clean()
{
    if (m_job) {
        m_job->Release();
        m_job = nullptr;
    }
    if (m_manager) {
        m_manager->Release();
        m_manager = nullptr;
    }
}
