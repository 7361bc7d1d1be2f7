#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

// The disc-recording engine: drives and the discs in them (libburn, plus
// "stdio:" pseudo-drives that record into a file), ISO images of DVD folders
// (genisoimage) and medium arrival events (libudev). Jobs run on their own
// thread and report through typed signals; the one question a job asks (what
// to do about an unusable disc) is answered through a blocking callback.

// Why a job failed (DiscJob::failed). The numbers are the codes the burn
// workflow shows texts for.
enum class BurnError {
    Generic = 1,
    OpenImage = 2,
    OpenDisc = 3,
    Write = 4,
    MakeImageOutput = 14, // the image file could not be created or filled
    ReadDvdData = 15,     // the DVD folder could not be read or imaged
    WriteFolder = 16      // the DVD folder could not be put in place
};

// Why the disc in a drive cannot be used.
enum class DiscProblem {
    NoDisc,        // no disc in the drive
    NotRecordable, // a pressed or otherwise unwritable disc
    NotBlank,      // holds data but can be erased
    Closed,        // holds data and cannot be erased
    TooSmall,      // not enough free space
    Unsupported    // a medium type the engine does not write (CD, BD)
};

// The answer to a disc problem.
enum class DiscDecision {
    // A non-blank disc: erase it and write. Any other problem: a disc was
    // inserted, read the drive again.
    UseDisc,
    // Leave this disc alone and wait: the drive is read again shortly.
    WaitForAnother,
    // A disc check ends ready whatever the disc (the burn checks again);
    // other jobs take it as Cancel.
    Ignore,
    // The job ends (a check as not ready, any other job as aborted).
    Cancel
};

enum class EraseMode { Fast, Full };

// One writing speed of a drive.
struct WriteSpeed {
    int kbPerSecond = 0; // 0: the drive's maximum
    QString text;        // "Max", "8X"
    bool operator==(const WriteSpeed &o) const { return kbPerSecond == o.kbPerSecond && text == o.text; }

    // The libburn speed (kB/s, 0 = maximum) of a speed text: "Max" or "8X".
    static int kbPerSecondFromText(const QString &text);
    // The texts a person chooses from: "Max" first, then "NX" fastest first.
    static QVector<QString> choices(const QVector<WriteSpeed> &speeds);
};

// The disc in one drive.
struct DiscInfo {
    int typeCode = 0; // MMC profile number, 0xffff for a pseudo-drive's file
    QString typeName;
    quint64 capacity = 0;  // bytes of the whole medium
    quint64 freeSpace = 0; // bytes that can be written (after erasing, for a rewritable disc)
    quint64 usedSpace = 0;
    bool blank = false;    // nothing written yet
    bool writable = false; // recordable now (blank, or erasable before writing)
    bool erasable = false; // rewritable medium
};

// One recorder: a drive that writes DVDs (or BDs), or a pseudo-drive.
struct RecorderInfo {
    QString deviceName;  // "/dev/sr0" or "stdio:/path/disc.img"
    QString displayName; // vendor and product
    bool writesDvd = false;
    bool writesBd = false;
    bool pseudo = false; // records into a file
    QVector<WriteSpeed> speeds;
    WriteSpeed currentSpeed;

    bool isRecorder() const { return writesDvd || writesBd; }
};

// One opened (grabbed) drive, released when this object goes.
class Drive
{
public:
    ~Drive();
    Drive(const Drive &) = delete;
    Drive &operator=(const Drive &) = delete;

    // The disc in the drive; none when the drive holds none.
    std::optional<DiscInfo> disc() const;
    QVector<WriteSpeed> speeds() const;
    WriteSpeed currentSpeed() const;
    // Opens the tray when this object goes. False when the drive is gone.
    bool ejectOnRelease();
    // Pulls the tray in; false when the drive could not be grabbed again.
    bool closeTray();

private:
    friend class DriveList;
    struct Private;
    explicit Drive(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

// The list of drives: libburn's scan plus the pseudo-drives.
class DriveList
{
public:
    DriveList();
    // Stops every running job and waits for them to end.
    ~DriveList();
    DriveList(const DriveList &) = delete;
    DriveList &operator=(const DriveList &) = delete;

    // Environment variable with extra pseudo-drives, separated by ';'. Each
    // entry is "stdio:/path/file" or just a path.
    static QString pseudoDriveVariable() { return QStringLiteral("SORVEL_PSEUDO_DRIVES"); }
    static QStringList pseudoDrivesFromEnvironment();
    // Normalises a pseudo-drive entry to "stdio:/absolute/path".
    static QString pseudoDriveName(const QString &entry);
    // True when both names denote the same device ("stdio:" prefix and
    // trailing separators aside); false when either is empty.
    static bool isSameDevice(const QString &a, const QString &b);

    void setPseudoDrives(const QStringList &entries);
    QStringList pseudoDrives() const;

    // Scans the drives again; returns the number found.
    int refresh();
    // The drives of the last scan, pseudo-drives last.
    QVector<RecorderInfo> drives() const;
    // Opens the drive for exclusive use; null when it is unknown, busy or
    // cannot be opened.
    std::unique_ptr<Drive> open(const QString &deviceName);
    // Stops every running job and waits for them to end.
    void stopAllJobs();
    // True while a job of the engine is running.
    bool isBusy() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Medium arrival and removal in optical drives (libudev) and changes of
// pseudo-drive files (a file appearing, disappearing or being rewritten
// counts as a new medium; its folder vanishing counts as removal).
class MediumMonitor : public QObject
{
    Q_OBJECT
public:
    explicit MediumMonitor(const QStringList &pseudoDrives = QStringList(), QObject *parent = nullptr);
    ~MediumMonitor() override;
    // Starts watching; false when nothing can be watched.
    bool start();
    // Poll interval of the pseudo-drive files.
    void setPollInterval(int ms);

Q_SIGNALS:
    void mediumChanged(const QString &drive, bool present);

private:
    void readUdev();
    void pollPseudoDrives();
    struct Private;
    std::unique_ptr<Private> d;
};

// One engine job. The starters return at once; the work runs on the job's
// own thread and at most one starter per job is honoured. Every signal is
// emitted on the job's thread (connect with the default connection to get
// them in the receiver's thread); the last one (succeeded, failed, aborted,
// checkEnded or eraseEnded) follows once isRunning() is false, so that its
// receiver may start the next job at once. Deleting the job stops it and
// waits for its thread.
class DiscJob : public QObject
{
    Q_OBJECT
public:
    // Asked on the job's thread while the job waits for the answer.
    using DiscQuestion = std::function<DiscDecision(DiscProblem problem)>;

    explicit DiscJob(QObject *parent = nullptr);
    ~DiscJob() override;

    bool isRunning() const;
    // Options, honoured when set before the job starts.
    void setSpeed(const QString &speedText);
    void setUnderrunProof(bool on);     // buffer underrun protection
    void setCloseDisc(bool on);         // close the disc after writing
    void setDvdVideoImage(bool on);     // image a folder as DVD-Video (UDF bridge)
    void setEraseNonBlank(bool on);     // erase a non-blank rewritable disc unasked
    void setStageInWorkFolder(bool on); // stage a folder burn's image next to the folder
    // Folder for the staged image of a folder burn. Default: "temp" beside
    // the DVD folder with setStageInWorkFolder, else the system temporary
    // folder.
    void setStagingFolder(const QString &folder);
    // Without a question every disc problem is answered Cancel.
    void setDiscQuestion(DiscQuestion question);

    // Stops the job; it ends with aborted() (a check with checkEnded(false)).
    void stop();

    // Bytes of the image the last imaging step wrote.
    qint64 imageSize() const;
    // A copy of the disc seen by the last check, none before any (the job's
    // thread rewrites its record while it checks).
    std::optional<DiscInfo> disc() const;
    // Diagnostic text of the last failure (the failing program's output).
    QString errorText() const;

    // Starters; false when the job already ran.
    bool burnFolder(const QString &device, const QString &folder, const QString &volumeLabel);
    bool burnImage(const QString &device, const QString &isoPath);
    bool makeImage(const QString &isoPath, const QString &folder, const QString &volumeLabel);
    // Puts a finished DVD folder at targetFolder: renamed there on the same
    // file system, else copied into a hidden folder beside it first. An
    // existing DVD there is replaced only once the new one is complete.
    bool makeFolder(const QString &targetFolder, const QString &folder);
    // Checks that the disc in the device can take requiredSize bytes.
    bool checkDisc(const QString &device, quint64 requiredSize);
    bool erase(const QString &device, EraseMode mode);

    struct Private; // the engine's own state

Q_SIGNALS:
    void progress(int percent);
    void succeeded();
    void failed(BurnError error, const QString &detail);
    void finalizing();
    void eraseProgress(int percent);
    void eraseEnded(bool ok);
    // The disc record (disc()) changed.
    void discChanged();
    void checkEnded(bool ready);
    void aborted();

private:
    std::unique_ptr<Private> d;
};

Q_DECLARE_METATYPE(BurnError)
