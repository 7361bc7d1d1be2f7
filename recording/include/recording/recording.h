#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

// The disc-recording engine: drives and the discs in them (libburn, plus
// "stdio:" pseudo-drives that record into a file), ISO images of DVD folders
// (genisoimage) and medium arrival events (libudev). Jobs run on the engine's
// own thread and report through IBurnerJobCallBack.

// Notification codes passed as wParam to IBurnerJobCallBack.
enum BurnNotify {
    NotifyBurnProgress = 0, // lParam: percent
    NotifySucceeded = 1,
    NotifyFailed = 2,         // lParam: BurnError
    NotifyFinalizing = 3,     // lParam: 0
    NotifyDiscProblem = 4,    // lParam: DiscStatus; answered through SetReturn
    NotifyEraseEnded = 10,    // lParam: 0 failed, 1 done
    NotifyEraseProgress = 12, // lParam: percent
    NotifyDiscChanged = 15,
    NotifyCheckEnded = 16, // lParam: 0 ready, 1 stopped
    NotifyAborted = 17
};

// Error codes of NotifyFailed.
enum BurnError {
    BurnErrorGeneric = 1,
    BurnErrorOpenIso = 2,
    BurnErrorOpenDisc = 3,
    BurnErrorWrite = 4,
    BurnErrorMakeIsoOutput = 14,
    BurnErrorReadDvdData = 15,
    BurnErrorWriteFolder = 16 // the DVD folder could not be put in place
};

// Why a disc cannot be used (lParam of NotifyDiscProblem).
enum DiscStatus {
    DiscNone = 0,          // no disc in the drive
    DiscNotRecordable = 1, // a pressed or otherwise unwritable disc
    DiscNotBlank = 2,      // holds data but can be erased: SetReturn(1) erases it
    DiscClosed = 3,        // holds data and cannot be erased
    DiscTooSmall = 4,      // not enough free space
    DiscUsable = 5,
    DiscUnsupported = 6 // a medium type the engine does not write (CD, BD)
};

// The message number handed to the callback with every notification.
constexpr int kBurnMessage = 0x0400 + 0x77;

// One writing speed of a drive.
struct BurnDiscSpeed {
    int kbPerSecond = 0; // 0: the drive's maximum
    QString text;        // "Max", "8X"
    bool operator==(const BurnDiscSpeed &o) const { return kbPerSecond == o.kbPerSecond && text == o.text; }
};

// The disc in one drive.
struct KyDiscInfo {
    int typeCode = 0; // MMC profile number, 0xffff for a pseudo-drive's file
    QString typeName;
    quint64 capacity = 0;  // bytes of the whole medium
    quint64 freeSpace = 0; // bytes that can still be written
    quint64 usedSpace = 0;
    int blank = 0;    // nothing written yet
    int writable = 0; // recordable now (blank, or erasable before writing)
    int erasable = 0; // rewritable medium
    QString GetDiscTypeName() const { return typeName; }
};

// Recorder flags of a device record.
enum RecorderFlag { RecorderDvd = 1, RecorderBd = 2, RecorderPseudo = 4 };

struct KyDeviceRecord {
    QString deviceName;  // "/dev/sr0" or "stdio:/path/disc.img"
    QString displayName; // vendor and product
    int recorderFlag = 0;
    QVector<BurnDiscSpeed> speeds;
    BurnDiscSpeed currentSpeed;
};

class IDeviceManager;

// One opened (grabbed) drive. Obtained from IDeviceManager::OpenBurner and
// given back with Release().
class KyBurner
{
public:
    // The disc in the drive, or null when the drive holds none. Valid until
    // Release().
    KyDiscInfo *GetDiscInfo();
    QVector<BurnDiscSpeed> speeds() const;
    BurnDiscSpeed currentSpeed() const;
    // 1 on success, 0 on failure.
    int EjectDisc(int flags);
    int CloseDoor(int flags);
    void Release();

private:
    friend class IDeviceManager;
    struct Private;
    explicit KyBurner(std::unique_ptr<Private> d);
    ~KyBurner();
    std::unique_ptr<Private> d;
    KyDiscInfo m_disc;
};

// Static facts about recorders and speeds.
class KyBurnerInfo
{
public:
    // Non-zero when both names denote the same device ("stdio:" prefix and
    // trailing separators aside).
    static int isSameDVDDevice(const QString &a, const QString &b);
    static int SupportBD(int recorderFlag);
    // Display texts of a speed list: "Max" first, then "NX" fastest first.
    static QVector<QString> GetShowSpeedList(int recorderFlag, const QVector<BurnDiscSpeed> &speeds,
                                             int discType);
    // The libburn speed (kB/s, 0 = maximum) of a speed text: "Max" or "8X".
    static int speedFromText(const QString &text);
};

// The list of drives: libburn's scan plus the pseudo-drives.
class IDeviceManager
{
public:
    static IDeviceManager *Create();
    void Release();

    // Environment variable with extra pseudo-drives, separated by ';'. Each
    // entry is "stdio:/path/file" or just a path.
    static QString pseudoDriveVariable() { return QStringLiteral("SORVEL_PSEUDO_DRIVES"); }
    static QStringList pseudoDrivesFromEnvironment();
    // Normalises a pseudo-drive entry to "stdio:/absolute/path".
    static QString pseudoDriveName(const QString &entry);
    void setPseudoDrives(const QStringList &entries);
    QStringList pseudoDrives() const;

    // Scans the drives again; returns the number found.
    int RefreshDevices();
    int GetDeviceCount() const;
    KyDeviceRecord GetDevice(int index) const;
    // Opens the drive for exclusive use; null when it is unknown, busy or
    // cannot be opened.
    KyBurner *OpenBurner(const QString &deviceName);
    // Stops every running job and waits for them to end.
    void StopAllWork();
    // True while a job of the engine is running.
    bool isBusy() const;

private:
    friend class IBurnerJob;
    IDeviceManager();
    ~IDeviceManager();
    struct Private;
    std::unique_ptr<Private> d;
};

// Medium arrival and removal in optical drives (libudev) and changes of
// pseudo-drive files (a file appearing, disappearing or being rewritten
// counts as a new medium; its folder vanishing counts as removal).
class IDevMonitor : public QObject
{
    Q_OBJECT
public:
    static IDevMonitor *Create(const QStringList &pseudoDrives = QStringList());
    void Release();
    bool Start();
    // Poll interval of the pseudo-drive files.
    void setPollInterval(int ms);

Q_SIGNALS:
    void Notify(const QString &drive, int arrive);

private:
    explicit IDevMonitor(const QStringList &pseudoDrives);
    ~IDevMonitor() override;
    void readUdev();
    void pollPseudoDrives();
    struct Private;
    std::unique_ptr<Private> d;
};

// Receives the notifications of a job (BurnNotify as wParam). postMessage
// may be handled later; sendMessage waits for the handler, whose result is
// returned to the engine.
class IBurnerJobCallBack
{
public:
    virtual ~IBurnerJobCallBack() = default;
    virtual int postMessage(int message, int wParam, int lParam) = 0;
    virtual int sendMessage(int message, int wParam, int lParam) = 0;
};

// One engine job. The starters return at once; the work runs on the job's
// own thread. At most one starter per job object is honoured.
class IBurnerJob
{
public:
    static IBurnerJob *Create(IDeviceManager *manager);
    // Stops the job, waits for its thread and deletes it.
    void Release();

    bool IsRunning() const;
    void SetCallback(IBurnerJobCallBack *callback);
    void SetSpeed(const QString &speedText);
    // Answers of the callback to NotifyDiscProblem.
    void SetReturn(int value);
    void SetIgnore(int value);
    void SetContinueWork(int value);
    void SetCheck(int mode);
    void StopCheck();
    void Stop();

    qint64 GetRealISOSize() const;
    // A copy of the disc seen by the last check, none before any (the job's
    // thread rewrites its record while it checks).
    std::optional<KyDiscInfo> GetDiscInfo() const;
    // Diagnostic text of the last failure (the failing program's output).
    QString GetErrorFile() const;

    // Options of write jobs.
    void SetUnderrunProof(int on);     // buffer underrun protection
    void SetCloseDisc(int on);         // close the disc after writing
    void SetDvdVideoImage(int on);     // image a folder as DVD-Video (UDF bridge)
    void SetEraseNonBlank(int on);     // erase a non-blank rewritable disc unasked
    void SetStageInWorkFolder(int on); // stage a folder burn's image next to the folder
    void SetOnlyCheck(int on);

    // Starters; return 0 when started, -1 when the job already ran.
    int BurnFolder(const QString &device, const QString &folder, const QString &volumeLabel, int timeoutMs,
                   int flags);
    int BurnISO(const QString &device, const QString &isoPath, int timeoutMs, int flags);
    int MakeISO(const QString &isoPath, const QString &folder, const QString &volumeLabel, int timeoutMs);
    // Puts a finished DVD folder at targetFolder: renamed there on the same
    // file system, else copied into a hidden folder beside it first. An
    // existing DVD there is replaced only once the new one is complete.
    int MakeFolder(const QString &targetFolder, const QString &folder);
    int CheckDisc(const QString &device, quint64 requiredSize, int timeoutMs, int flags);
    int Erase(const QString &device, int mode, int flags);

    // Folder for the staged image of a folder burn. Default: "temp" beside
    // the DVD folder with SetStageInWorkFolder, else the system temporary
    // folder.
    void setStagingFolder(const QString &folder);

    struct Private; // the engine's own state

private:
    explicit IBurnerJob(IDeviceManager *manager);
    ~IBurnerJob();
    std::unique_ptr<Private> d;
};
