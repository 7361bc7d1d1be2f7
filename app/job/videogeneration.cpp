#include "job/videogeneration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "album/timeline.h"
#include "engine/avwritermanager.h"
#include "engine/storyboardrender.h"
#include "engine/streamwriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

Q_LOGGING_CATEGORY(lcVideoGeneration, "sorvel.videogeneration")

VideoGeneration::VideoGeneration(QObject *parent) : QObject(parent) {}

VideoGeneration::~VideoGeneration()
{
    if (m_running) {
        ++m_runId;
        m_running = false;
        stopParts();
    }
}

std::vector<ChapterMark> VideoGeneration::chapters(const Album &album, const OutputFormat &format)
{
    std::vector<ChapterMark> marks;
    const Timeline timeline = Timeline::of(album, format);
    const int64_t total = timeline.totalFrames();
    const int n = album.photos.size();
    for (int k = 0; k < n; ++k) {
        ChapterMark m;
        m.startFrame = k == 0 ? 0 : timeline.photoStart(k);
        m.endFrame = k + 1 < n ? timeline.photoStart(k + 1) : total;
        m.title = QFileInfo(album.photos.at(k).path).fileName();
        if (m.endFrame > m.startFrame)
            marks.push_back(m);
    }
    return marks;
}

bool VideoGeneration::start(const Album &album, const QString &file, bool endsWithProcess)
{
    if (m_running)
        return false;
    m_running = true;
    ++m_runId;
    m_album = album;
    m_file = file;
    const VideoChoices &choices = m_album.video;
    const OutputFormat format = OutputFormat::forVideo(choices);

    m_writer.reset();
    m_storyboard = std::make_unique<StoryBoardRender>();
    m_writer = std::make_unique<AVWriterManager>();
    m_storyboard->setAlbum(&m_album);
    m_storyboard->setFormat(format);
    const int run = m_runId;
    auto failLater = [this, run](const QString &message) {
        QMetaObject::invokeMethod(
            this,
            [this, run, message] {
                if (run == m_runId)
                    finish(false, message);
            },
            Qt::QueuedConnection);
        return true;
    };
    if (!m_writer->init(format))
        return failLater(tr("Cannot render the slideshow: %1").arg(m_writer->errorString()));
    m_writer->setStoryboard(m_storyboard.get());
    m_writer->setRenderPriority(endsWithProcess ? AVWriterManager::RenderPriority::Lower
                                                : AVWriterManager::RenderPriority::LowerIfRestorable);
    connect(m_writer.get(), &AVWriterManager::progressChanged, this, &VideoGeneration::progressChanged);
    connect(
        m_writer.get(), &AVWriterManager::compileEnd, this,
        [this, run] {
            if (run == m_runId)
                onCompileEnd();
        },
        Qt::QueuedConnection);
    connect(
        m_writer.get(), &AVWriterManager::failed, this,
        [this, run](const QString &message) {
            if (run == m_runId)
                finish(false, tr("Cannot write the video: %1").arg(message));
        },
        Qt::QueuedConnection);

    const QSize size = choices.frameSize();
    ContainerParams container;
    container.format = "mp4";
    container.fastStart = true;
    container.chapters = chapters(m_album, format);
    std::vector<int64_t> keys;
    for (const ChapterMark &m : container.chapters)
        keys.push_back(m.startFrame);
    auto writer = std::make_unique<StreamWriter>();
    QFile::remove(partPath());
    if (!writer->open(partPath(),
                      VideoStreamParams::h264(size.width(), size.height(), choices.frameRate,
                                              videoQualityCrf(choices.quality), kVideoFilePreset),
                      AudioStreamParams::aac(2, kVideoAudioBitRate), container))
        return failLater(tr("Cannot create the video file: %1").arg(writer->errorString()));
    writer->setKeyFrames(std::move(keys));
    if (!m_writer->addWriter(std::move(writer)))
        return failLater(m_writer->errorString());
    Q_EMIT progressChanged(0);
    if (!m_writer->start())
        return failLater(tr("Cannot start encoding: %1").arg(m_writer->errorString()));
    return true;
}

void VideoGeneration::abort()
{
    if (m_running)
        finish(false, tr("Aborted"));
}

void VideoGeneration::onCompileEnd()
{
    // The writers finished and closed the part file; it becomes the file.
    m_writer->stop();
    m_writer->clearWriters();
    const QByteArray from = QFile::encodeName(partPath());
    const QByteArray to = QFile::encodeName(m_file);
    if (::rename(from.constData(), to.constData()) != 0) {
        finish(false, tr("Cannot rename %1 to %2: %3")
                          .arg(QDir::toNativeSeparators(partPath()), QDir::toNativeSeparators(m_file),
                               QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    finish(true, QString());
}

void VideoGeneration::stopParts()
{
    if (m_writer) {
        m_writer->stop();
        m_writer->clearWriters();
    }
    m_writer.reset();
    m_storyboard.reset();
    if (!m_file.isEmpty() && QFile::exists(partPath()) && !QFile::remove(partPath()))
        qCWarning(lcVideoGeneration).noquote() << "cannot remove" << partPath();
}

void VideoGeneration::finish(bool ok, const QString &message)
{
    if (!m_running)
        return;
    stopParts();
    m_running = false;
    ++m_runId;
    Q_EMIT finished(ok, message);
}
