#include "album/autosave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QThread>
#include <QUndoStack>

#include <algorithm>

#include "album/albummodel.h"
#include "framework/apppaths.h"

Q_LOGGING_CATEGORY(lcAutoSave, "sorvel.autosave")

namespace {

constexpr char kPrefix[] = "recovery-";
constexpr char kRecoveryMember[] = "recovery";

QString lockPathOf(const QString &file)
{
    return file.left(file.size() - int(qstrlen(Project::kSuffix))) + QStringLiteral("lock");
}

// Writes bytes to path at once or not at all.
bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()) {
        qCWarning(lcAutoSave) << "cannot write the recovery file" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcAutoSave) << "cannot write the recovery file" << path << file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString AutoSave::folder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QString path = state + QStringLiteral("/sorvel");
    AppPaths::ensurePrivateFolder(path);
    return path;
}

AutoSave::AutoSave(AlbumModel *model, QObject *parent) : QObject(parent), m_model(model)
{
    const QString dir = folder();
    m_file = dir + QLatin1Char('/') + QLatin1String(kPrefix) +
             QString::number(QCoreApplication::applicationPid()) + QLatin1Char('.') +
             QLatin1String(Project::kSuffix);
    // The lock says the file belongs to a live editor. A file of the same
    // name left by a dead process whose number came round again is that
    // process's: it is left for the offer, never overwritten.
    m_lock = std::make_unique<QLockFile>(lockPathOf(m_file));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) || QFileInfo::exists(m_file)) {
        m_lock.reset();
        for (int n = 2; n < 100; ++n) {
            const QString other = dir + QLatin1Char('/') + QLatin1String(kPrefix) +
                                  QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                                  QString::number(n) + QLatin1Char('.') + QLatin1String(Project::kSuffix);
            auto lock = std::make_unique<QLockFile>(lockPathOf(other));
            lock->setStaleLockTime(0);
            if (!QFileInfo::exists(other) && lock->tryLock(0)) {
                m_file = other;
                m_lock = std::move(lock);
                break;
            }
        }
    }
    if (!m_lock)
        qCWarning(lcAutoSave) << "no recovery file can be kept in" << dir;

    m_writer = new QThread(this);
    m_writer->setObjectName(QStringLiteral("recovery writer"));
    m_writerContext = new QObject; // lives on the writer thread
    m_writerContext->moveToThread(m_writer);
    connect(m_writer, &QThread::finished, m_writerContext, &QObject::deleteLater);
    m_writer->start(QThread::LowPriority);

    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    m_latest.setSingleShot(true);
    m_latest.setInterval(kLatestMs);
    connect(&m_quiet, &QTimer::timeout, this, &AutoSave::writeNow);
    connect(&m_latest, &QTimer::timeout, this, &AutoSave::writeNow);
    connect(model, &AlbumModel::changed, this, &AutoSave::onAlbumChanged);
    connect(model->undoStack(), &QUndoStack::cleanChanged, this, &AutoSave::onCleanChanged);
}

AutoSave::~AutoSave()
{
    // A normal end: nothing is left to recover.
    m_quiet.stop();
    m_latest.stop();
    if (!m_keepOnExit)
        removeFile();
    m_writer->quit();
    m_writer->wait();
}

void AutoSave::onAlbumChanged()
{
    // The model tells of an edit before the step reaches the history, so
    // whether the album is still saved is decided when the timer fires.
    if (!m_lock)
        return;
    m_quiet.start();
    if (!m_latest.isActive())
        m_latest.start();
}

void AutoSave::onCleanChanged(bool clean)
{
    // A history that is cleared as the editor ends says "clean" too: a file
    // kept for the next start stays.
    if (!clean || m_keepOnExit)
        return;
    // Saved (or undone back to the saved state): the project holds it all.
    m_quiet.stop();
    m_latest.stop();
    removeFile();
}

void AutoSave::writeNow()
{
    m_quiet.stop();
    m_latest.stop();
    if (!m_lock || m_model->undoStack()->isClean())
        return;
    // The document is made here, where the album lives; the writing (and
    // the waiting for the disk) on the writer's thread.
    const QString projectDir =
        m_projectPath.isEmpty() ? QFileInfo(m_file).absolutePath() : QFileInfo(m_projectPath).absolutePath();
    QJsonObject root = QJsonDocument::fromJson(Project::toJson(m_model->album(), QDir(projectDir))).object();
    root.insert(
        QLatin1String(kRecoveryMember),
        QJsonObject{{QStringLiteral("projectPath"), m_projectPath},
                    {QStringLiteral("projectFolder"), projectDir},
                    {QStringLiteral("savedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}});
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const QString path = m_file;
    QMetaObject::invokeMethod(
        m_writerContext, [path, bytes] { writeAtomically(path, bytes); }, Qt::QueuedConnection);
}

void AutoSave::removeFile()
{
    if (!m_lock)
        return;
    const QString path = m_file;
    QMetaObject::invokeMethod(
        m_writerContext, [path] { QFile::remove(path); }, Qt::QueuedConnection);
}

void AutoSave::saveNow()
{
    writeNow();
    waitForWrites();
}

void AutoSave::waitForWrites()
{
    QMetaObject::invokeMethod(
        m_writerContext, [] {}, Qt::BlockingQueuedConnection);
}

QList<AutoSave::Orphan> AutoSave::orphans()
{
    QList<Orphan> out;
    const QDir dir(folder());
    const QFileInfoList files =
        dir.entryInfoList({QLatin1String(kPrefix) + QStringLiteral("*.") + QLatin1String(Project::kSuffix)},
                          QDir::Files | QDir::Hidden);
    for (const QFileInfo &fi : files) {
        QLockFile lock(lockPathOf(fi.absoluteFilePath()));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue; // a running editor's
        lock.unlock();
        Project::Data data;
        QString projectPath;
        QString error;
        Orphan orphan;
        orphan.file = fi.absoluteFilePath();
        orphan.savedAt = fi.lastModified();
        if (read(orphan.file, &data, &projectPath, &error)) {
            orphan.projectPath = projectPath;
            orphan.photos = int(data.photos.size());
            orphan.clips = int(data.clips.size());
        }
        out << orphan;
    }
    // Locks of dead editors that had nothing to recover: taking and
    // releasing one removes it.
    const QFileInfoList locks =
        dir.entryInfoList({QLatin1String(kPrefix) + QStringLiteral("*.lock")}, QDir::Files);
    for (const QFileInfo &fi : locks) {
        const QString path = fi.absoluteFilePath();
        const QString file = path.left(path.size() - 4) + QLatin1String(Project::kSuffix);
        if (QFileInfo::exists(file))
            continue;
        QLockFile lock(path);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            lock.unlock();
    }
    std::sort(out.begin(), out.end(), [](const Orphan &a, const Orphan &b) { return a.savedAt > b.savedAt; });
    return out;
}

bool AutoSave::read(const QString &file, Project::Data *data, QString *projectPath, QString *error)
{
    if (!Project::read(file, data, error))
        return false;
    // The paths of a recovery file were written relative to the project's
    // folder: read again against it.
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    const QJsonObject recovery = QJsonDocument::fromJson(in.read(Project::kMaxProjectSize))
                                     .object()
                                     .value(QLatin1String(kRecoveryMember))
                                     .toObject();
    *projectPath = recovery.value(QStringLiteral("projectPath")).toString();
    const QString projectFolder = recovery.value(QStringLiteral("projectFolder")).toString();
    if (!projectFolder.isEmpty() && QDir::isAbsolutePath(projectFolder)) {
        in.seek(0);
        if (!Project::fromJson(in.read(Project::kMaxProjectSize), QDir(projectFolder), data, error))
            return false;
    }
    return true;
}

void AutoSave::discard(const QString &file)
{
    QLockFile lock(lockPathOf(file));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return; // its editor is alive
    QFile::remove(file);
    lock.unlock();
}
