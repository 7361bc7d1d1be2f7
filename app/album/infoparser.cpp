#include "album/infoparser.h"

#include "album/loudness.h"

#include "album/probe.h"

InfoParser::InfoParser(const QStringList *paths, bool isImage, QObject *parent)
    : QThread(parent), m_paths(paths), m_isImage(isImage)
{}

InfoParser::~InfoParser()
{
    stop();
    wait();
}

QList<ImageInfo> InfoParser::takeImages()
{
    QMutexLocker locker(&m_lock);
    QList<ImageInfo> out;
    out.swap(m_images);
    return out;
}

QList<AudioInfo> InfoParser::takeAudios()
{
    QMutexLocker locker(&m_lock);
    QList<AudioInfo> out;
    out.swap(m_audios);
    return out;
}

QStringList InfoParser::rejectedReasons() const
{
    QMutexLocker locker(&m_lock);
    return m_reasons;
}

QStringList InfoParser::rejectedPaths() const
{
    QMutexLocker locker(&m_lock);
    return m_rejected;
}

void InfoParser::stop()
{
    m_stopping.store(true);
    m_cancel.release();
}

void InfoParser::run()
{
    // A stop left over from an earlier run must not end this one.
    m_cancel.tryAcquire(m_cancel.available());
    m_stopping.store(false);
    m_processed = 0;
    const int total = m_paths ? int(m_paths->size()) : 0;
    if (total == 0)
        return; // nothing to probe
    while (!m_cancel.tryAcquire()) {
        const QString path = m_paths->at(m_processed.load());
        if (m_isImage) {
            ImageInfo info;
            info.path = path;
            const bool ok = m_thumbnails ? probeImage(info, path) : probeImageHeader(info, path);
            const QString reason = ok ? QString() : probeFailureReason(path, true);
            QMutexLocker locker(&m_lock);
            if (ok) {
                m_images.append(info);
            } else {
                m_rejected.append(path);
                m_reasons.append(reason);
            }
        } else {
            AudioInfo info;
            info.path = path;
            // The loudness is measured here, once: decoding the whole clip
            // also finds a file that opens but does not decode.
            QString error;
            const bool probed = probeAudio(info, path);
            const bool ok = probed && Loudness::measure(path, &info.loudness, &error, &m_stopping);
            if (!ok && m_stopping.load())
                break; // stopped while measuring: the file is not rejected
            const QString reason = ok                        ? QString()
                                   : probed && !error.isEmpty() ? error
                                                                : probeFailureReason(path, false);
            QMutexLocker locker(&m_lock);
            if (ok) {
                m_audios.append(info);
            } else {
                m_rejected.append(path);
                m_reasons.append(reason);
            }
        }
        if (++m_processed >= total)
            break;
    }
}
