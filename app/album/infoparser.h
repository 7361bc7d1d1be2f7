#pragma once

#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QStringList>
#include <QThread>

#include <atomic>

#include "album/album.h"

// Probes a list of files on its own thread, strictly in order, one at a
// time: photos with probeImage, clips with probeAudio. Finished records and
// rejected paths are collected under a lock for the GUI thread to take.
class InfoParser : public QThread
{
    Q_OBJECT
public:
    // paths is not owned and must outlive the worker.
    InfoParser(const QStringList *paths, bool isImage, QObject *parent = nullptr);
    ~InfoParser() override;

    bool isImage() const { return m_isImage; }
    // Photos probed without thumbnails (probeImageHeader); set before
    // start().
    void setThumbnails(bool make) { m_thumbnails = make; }
    // The records finished since the last call; the list is emptied.
    QList<ImageInfo> takeImages();
    QList<AudioInfo> takeAudios();
    QStringList rejectedPaths() const;
    // Why each rejected path was rejected, in the same order ("not a
    // picture", "a named pipe (FIFO)", "cannot be read: Permission denied").
    QStringList rejectedReasons() const;
    // Paths handled so far (read without the lock).
    int processedCount() const { return m_processed.load(); }
    // Asks the worker to stop between two files.
    void stop();

protected:
    void run() override;

private:
    const QStringList *m_paths;
    bool m_isImage;
    bool m_thumbnails = true;
    std::atomic<int> m_processed{0};
    QList<ImageInfo> m_images;
    QList<AudioInfo> m_audios;
    QStringList m_rejected;
    QStringList m_reasons;
    mutable QMutex m_lock;
    QSemaphore m_cancel{0};
    std::atomic<bool> m_stopping{false}; // ends a long measurement at once
};
