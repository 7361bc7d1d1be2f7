#pragma once

#include <recording/recording.h>

#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

// What a disc's file system says about it.
struct DiscVolume {
    QString volumeName;
    QString createDate;
};

// Process-wide facade over the disc-recording engine: the recorder list, the
// disc caches and at most one running job. The device thread refreshes the
// caches while the GUI thread reads them: every reader gets a copy taken
// under the lock. The jobs are started and answered on the GUI thread.
class DVDBurner
{
public:
    static DVDBurner *instance();

    // Settings key (a list of pseudo-drive files, separated by ';') read in
    // addition to the SORVEL_PSEUDO_DRIVES environment variable.
    static QString pseudoDriveSettingKey() { return QStringLiteral("Burner/PseudoDrives"); }
    // The key of a device in the caches: its whole name, pseudo-drives in
    // their "stdio:/absolute/path" form.
    static QString deviceKey(const QString &device);

    void setPseudoDrives(const QStringList &entries);
    QStringList pseudoDrives() const;

    // Scans the recorders again (speeds learnt from their discs stay).
    void updateDevices();
    QVector<RecorderInfo> recorders() const;
    // The recorder of that device name (the last one listed), if any.
    std::optional<RecorderInfo> recorder(const QString &device) const;
    bool isRecorder(const QString &device) const { return recorder(device).has_value(); }
    // Reads the disc and the speeds of every recorder that no job is using.
    void updateDiscs();
    // Takes the disc the running job saw last into the cache.
    void updateDiscFromJob(const QString &device);
    // The disc last seen in the device's drive, if any.
    std::optional<DiscInfo> disc(const QString &device) const;
    // True when the disc in the device is writable and has strictly more
    // than size bytes free (from the disc cache).
    bool discHasRoom(const QString &device, quint64 size) const;
    void updateDiscVolumes();
    std::optional<DiscVolume> discVolume(const QString &device) const;

    // The speed of the next write job ("Max", "8X").
    void setSpeed(const QString &speed) { m_speed = speed; }
    QString speed() const { return m_speed; }
    // A non-blank disc is erased without asking (the person agreed while
    // the disc was checked).
    void setDirectErase(bool on) { m_directErase = on; }
    bool directErase() const { return m_directErase; }

    // Called with a new job before it starts: the place to connect to its
    // signals and to give it its disc question.
    using JobSetup = std::function<void(DiscJob &job)>;
    // The job starters return at once: true when the job started, false
    // when it did not (the engine runs one job at a time; the setup is then
    // not called and nothing is reported).
    bool burnFolder(const JobSetup &setup, const QString &folder, const QString &device,
                    const QString &volumeLabel);
    bool burnImage(const JobSetup &setup, const QString &isoPath, const QString &device);
    bool makeImage(const JobSetup &setup, const QString &folder, const QString &volumeLabel,
                   const QString &isoPath);
    // Puts a finished DVD folder in its place (see DiscJob::makeFolder).
    bool makeFolder(const JobSetup &setup, const QString &folder, const QString &targetFolder);
    // Checks the disc in the device for size bytes.
    bool checkDisc(const JobSetup &setup, quint64 size, const QString &device);
    bool erase(const JobSetup &setup, const QString &device, EraseMode mode);

    bool isRunning() const;
    void stop();
    // Of the last job.
    qint64 imageSize() const;
    QString errorText() const;

    // Opens the drive's tray; false when the drive cannot be opened.
    bool eject(const QString &device);

    // A wait that another part of the program ends with endWait().
    void beginWait() { m_waiting = true; }
    void endWait() { m_waiting = false; }
    // Delivers events until endWait() or for ms; true when the wait ended.
    bool waitForEnd(int ms);

    // Stops every job of the engine and waits for them.
    void stopAllJobs();

private:
    DVDBurner();
    ~DVDBurner();
    DVDBurner(const DVDBurner &) = delete;
    DVDBurner &operator=(const DVDBurner &) = delete;
    enum class JobKind { Write, Other };
    DiscJob *newJob(JobKind kind);

    std::unique_ptr<DriveList> m_drives;
    std::unique_ptr<DiscJob> m_job;
    mutable QMutex m_lock;
    QString m_speed;
    QVector<RecorderInfo> m_recorders;
    QMap<QString, DiscInfo> m_discs;
    QMap<QString, DiscVolume> m_volumes;
    bool m_waiting = false;
    bool m_directErase = false;
};
