#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

#include "album/project.h"

class AlbumModel;
class QLockFile;
class QThread;

// Keeps the album of one editor in a recovery file while it has unsaved
// changes, so that a crash, a kill or a power cut loses at most the last
// seconds of work. The file is a project document (docs/project-format.md)
// with a "recovery" member naming the project and the time; it lives in the
// user's state folder ($XDG_STATE_HOME/sorvel, ~/.local/state/sorvel by
// default), one per editor process ("recovery-<pid>.sorvel") beside a lock
// file that the editor holds while it runs, so that two editors never share
// a file and a later start can tell a dead editor's file from a live one's.
//
// The album is written a short while after a change (quiet for
// kQuietMs), and never later than kLatestMs after the first unsaved change
// however busy the editing; atomically (QSaveFile), on a thread of its own.
// The file goes when the album is saved (the history is clean) and when the
// editor ends normally.
class AutoSave : public QObject
{
    Q_OBJECT
public:
    static constexpr int kQuietMs = 2000;
    static constexpr int kLatestMs = 30000;

    explicit AutoSave(AlbumModel *model, QObject *parent = nullptr);
    ~AutoSave() override;

    // The project the album belongs to (empty for a new album): named in
    // the recovery file, so that the offer can say which album it is.
    void setProjectPath(const QString &path) { m_projectPath = path; }
    // This editor's recovery file.
    QString filePath() const { return m_file; }
    // Writes the album now (when it has unsaved changes) and waits until it
    // is on disk.
    void saveNow();
    // Waits until every write and removal asked for so far is done.
    void waitForWrites();
    // The recovery file stays when the editor ends (a termination signal
    // with unsaved changes): the next start offers it.
    void keepOnExit() { m_keepOnExit = true; }

    // The folder of the recovery files: $XDG_STATE_HOME/sorvel (made 0700).
    static QString folder();

    // A recovery file left by an editor that is gone.
    struct Orphan {
        QString file;
        QString projectPath; // empty for an album never saved
        QDateTime savedAt;
        int photos = 0;
        int clips = 0;
    };
    // The recovery files in folder() whose editor has ended without
    // removing them (its lock is stale), newest first.
    static QList<Orphan> orphans();
    // Reads a recovery file (as Project::read) and the project it
    // belongs to. False with a message when it cannot be read.
    static bool read(const QString &file, Project::Data *data, QString *projectPath, QString *error);
    // Removes a dead editor's recovery file (and its lock).
    static void discard(const QString &file);

private:
    void onAlbumChanged();
    void onCleanChanged(bool clean);
    void writeNow();
    void removeFile();

    AlbumModel *m_model;
    QString m_projectPath;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_quiet;
    QTimer m_latest;
    QThread *m_writer = nullptr;
    QObject *m_writerContext = nullptr;
    bool m_keepOnExit = false;
};
