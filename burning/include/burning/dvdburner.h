#pragma once

#include <recording/recording.h>

#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One recorder as the burning library knows it.
struct BSBurnerInfo {
    QString deviceName; // the whole device name: "/dev/sr0", "stdio:/path"
    QString displayName;
    int recorderFlag = 0;
    QVector<BurnDiscSpeed> speedList;
    BurnDiscSpeed curSpeed;
};

// The disc in one drive.
struct BSDiscInfo {
    int discType = 0;
    QString discTypeName;
    quint64 totalSize = 0;
    quint64 freeSize = 0; // bytes that can be written
    quint64 usedSize = 0;
    int blank = 0;
    int writable = 0; // usable for the capacity check
    int erasable = 0;
};

struct BSDiscISOInfo {
    QString volumeName;
    QString createDate;
};

enum burn_working_state {
    BurnStateIdle = 0,
    BurnStateChecking,
    BurnStateBurning,
    BurnStateErasing,
    BurnStateMakingISO
};

// Process-wide facade over the disc-recording engine: the device list, the
// disc caches and at most one running job. The device thread refreshes the
// caches while the GUI thread reads them: every reader gets a copy taken
// under the lock.
class DVDBurner
{
public:
    static DVDBurner *Instance();

    // Settings key (a list of pseudo-drive files, separated by ';') read in
    // addition to the SORVEL_PSEUDO_DRIVES environment variable.
    static QString pseudoDriveSettingKey() { return QStringLiteral("Burner/PseudoDrives"); }
    void setPseudoDrives(const QStringList &entries);
    QStringList pseudoDrives() const;

    void UpdateDevices();
    QVector<BSBurnerInfo> GetBurnerInfos();
    // The recorder of that device name (the last one listed), if any.
    std::optional<BSBurnerInfo> GetBurnerInfo(const QString &name);
    int CheckBeforeDriveStatusISCDRom(const QString &name);
    void UpdateDiscs(bool onlyRecorders);
    void UpdateDiscInfo(const QString &device);
    // The disc last seen in the device's drive, if any.
    std::optional<BSDiscInfo> GetDiscInfo(const QString &device);
    void UpdateDiscISOMes();
    std::optional<BSDiscISOInfo> GetDiscISOInfo(const QString &device);
    bool DiscHaveISOContent(const QString &device);
    void UpdateMacSpeedList(BSBurnerInfo &info);

    void SetXSpeed(const QString &speed);
    QString xSpeed() const { return m_speed; }
    // The job starters return at once: 0 when the job started, -1 when it
    // did not (the engine runs one job at a time; the job's callback then
    // hears nothing).
    int BurnDiscFromFolder(IBurnerJobCallBack *callback, const QString &folder, const QString &device,
                           const QString &volume, int timeout);
    int MakeISOFromFolder(IBurnerJobCallBack *callback, const QString &folder, const QString &volume,
                          const QString &isoPath, int timeout);
    // Puts a finished DVD folder in its place (see IBurnerJob::MakeFolder).
    int MakeFolderFromFolder(IBurnerJobCallBack *callback, const QString &folder,
                             const QString &targetFolder);
    int BurnDiscFromISO(IBurnerJobCallBack *callback, const QString &isoPath, const QString &device,
                        int timeout);
    int StartCheckBurnDVDFirst(IBurnerJobCallBack *callback, quint64 size, const QString &device,
                               int timeout);
    int StartErase(IBurnerJobCallBack *callback, const QString &device, int mode);

    bool IsRunning();
    void Stop();
    void StopCheck();
    void SetReturn(int value);
    void SetIgnore(int value);
    void SetContinueWork(int value);
    void SetCheck(int value);
    void SetOnlyCheck(int value);
    int IsOnlyCheck() const { return m_onlyCheck; }
    void SetDirectErase(int value);
    int IsDirectErase() const { return m_directErase; }
    qint64 GetRealISOSize();
    QString GetErrorFile();

    int VestraDriveEject(const QString &device);
    int VestraDriveCloseDoor(const QString &device);
    static bool IsCanContinueBurn(const BSDiscInfo *disc);

    void BeforeWait();
    void StopWait();
    int WaitCondition(int ms);

    void StopBeforeExit();
    void Clean();
    void setWorkingState(burn_working_state state) { m_state = state; }
    burn_working_state getWorkingState() const { return m_state; }

    // The key of a device in the caches: its whole name, pseudo-drives in
    // their "stdio:/absolute/path" form.
    static QString deviceKey(const QString &device);

private:
    DVDBurner();
    ~DVDBurner();
    DVDBurner(const DVDBurner &) = delete;
    DVDBurner &operator=(const DVDBurner &) = delete;
    bool prepareJob(IBurnerJobCallBack *callback, bool writeJob);

    IDeviceManager *m_manager = nullptr;
    IBurnerJob *m_job = nullptr;
    QMutex m_lock;
    QString m_speed;
    QVector<BSBurnerInfo> m_recorders;
    QMap<QString, BSDiscInfo> m_discs;
    QMap<QString, BSDiscISOInfo> m_discIso;
    bool m_waiting = false;
    int m_onlyCheck = 0;
    int m_directErase = 0;
    burn_working_state m_state = BurnStateIdle;
};
