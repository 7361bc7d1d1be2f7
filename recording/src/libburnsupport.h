#pragma once

#include <QLoggingCategory>
#include <QString>

#include <libburn/libburn.h>

// libburn declares everything in namespace burn when compiled as C++.
using namespace burn;

#include <memory>
#include <mutex>

Q_DECLARE_LOGGING_CATEGORY(lcRecording)

namespace recording {

// libburn keeps process-wide state: it is initialised once while any user
// holds a LibburnSession, and its drive table is touched under one lock.
class LibburnSession
{
public:
    LibburnSession();
    ~LibburnSession();
    LibburnSession(const LibburnSession &) = delete;
    LibburnSession &operator=(const LibburnSession &) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

std::recursive_mutex &libburnLock();

struct SourceDeleter {
    void operator()(burn_source *s) const { burn_source_free(s); }
};
struct DiscDeleter {
    void operator()(burn_disc *d) const { burn_disc_free(d); }
};
struct SessionDeleter {
    void operator()(burn_session *s) const { burn_session_free(s); }
};
struct TrackDeleter {
    void operator()(burn_track *t) const { burn_track_free(t); }
};
struct WriteOptsDeleter {
    void operator()(burn_write_opts *o) const { burn_write_opts_free(o); }
};
using SourcePtr = std::unique_ptr<burn_source, SourceDeleter>;
using DiscPtr = std::unique_ptr<burn_disc, DiscDeleter>;
using SessionPtr = std::unique_ptr<burn_session, SessionDeleter>;
using TrackPtr = std::unique_ptr<burn_track, TrackDeleter>;
using WriteOptsPtr = std::unique_ptr<burn_write_opts, WriteOptsDeleter>;

// A drive grabbed for exclusive use; released (optionally ejecting) when the
// owner goes away.
class GrabbedDrive
{
public:
    // Grabs the drive at a libburn address; check drive() for success.
    // With loadTray the drive pulls its tray in first; without it an open
    // tray stays open (and reads as "no disc"), so that a tray the user or
    // the engine has just opened is not closed again behind their back.
    explicit GrabbedDrive(const QString &address, bool loadTray = false);
    ~GrabbedDrive();
    GrabbedDrive(const GrabbedDrive &) = delete;
    GrabbedDrive &operator=(const GrabbedDrive &) = delete;

    burn_drive *drive() const { return m_info ? m_info[0].drive : nullptr; }
    const burn_drive_info *info() const { return m_info; }
    QString address() const { return m_address; }
    bool isPseudo() const;
    // The file behind a pseudo-drive, empty for real drives.
    QString pseudoFile() const;
    void setEjectOnRelease(bool eject) { m_eject = eject; }

private:
    QString m_address;
    burn_drive_info *m_info = nullptr;
    bool m_eject = false;
};

// Takes the queued problem reports (severity SORRY and worse) of libburn.
QStringList takeLibburnMessages();

// Strips a "stdio:" prefix.
QString pseudoPath(const QString &device);
bool isPseudoAddress(const QString &device);

// Reads the state of the medium in a grabbed drive into the engine's record.
struct DiscFacts {
    bool present = false;
    int typeCode = 0;
    QString typeName;
    quint64 capacity = 0;
    quint64 freeSpace = 0;
    quint64 usedSpace = 0;
    bool blank = false;
    bool appendable = false;
    bool erasable = false;
    bool dvdWritable = false; // a DVD recordable profile (or a pseudo-drive)
};
DiscFacts readDisc(burn_drive *drive);

} // namespace recording
