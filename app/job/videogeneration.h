#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

#include "album/album.h"

class AVWriterManager;
class StoryBoardRender;
struct ChapterMark;

// The libx264 speed preset of a video file. "veryfast" for now: about half
// of "medium"'s encoding time at 1080p; `bench_makevideo --presets` prints
// the size, time and PSNR of each preset at the default CRF to choose by.
constexpr const char *kVideoFilePreset = "veryfast";

// Turns an album into an MP4 file: H.264 video rendered by the engine at
// the file's size and rate, the album's soundtrack (the DVD's mix) as AAC,
// a chapter at every photo, the index at the front. The file is written as
// "<file>.part" beside the destination and renamed to it only once complete,
// so the destination never holds a cut file; an abort or a failure removes
// the part file and leaves whatever was at the destination untouched.
//
// Reports progress 0..100 and finished() once. Everything runs on the
// thread that owns it (the GUI thread).
class VideoGeneration : public QObject
{
    Q_OBJECT
public:
    explicit VideoGeneration(QObject *parent = nullptr);
    ~VideoGeneration() override;

    // Starts encoding the album into file (an absolute path whose folder
    // exists) with the album's video choices (its `video` member). False
    // when a generation is running. endsWithProcess: see
    // AVWriterManager::setRenderPriority.
    bool start(const Album &album, const QString &file, bool endsWithProcess = false);
    // Stops at once; the part file is removed and finished(false, ...)
    // follows. Destroying a running generation stops it and reports nothing.
    void abort();
    bool isRunning() const { return m_running; }
    // The file being written until it is complete.
    QString partPath() const { return m_file + QStringLiteral(".part"); }

    // The chapters of an album's timeline: one per photo, from its first
    // frame on its own (the transition into it belongs to the one before)
    // to the next photo's, titled with the photo's file name.
    static std::vector<ChapterMark> chapters(const Album &album, const OutputFormat &format);

Q_SIGNALS:
    void progressChanged(int percent);
    void finished(bool ok, const QString &message);

private:
    void onCompileEnd();
    void finish(bool ok, const QString &message);
    void stopParts();

    Album m_album;
    QString m_file;
    bool m_running = false;
    int m_runId = 0;
    std::unique_ptr<StoryBoardRender> m_storyboard;
    std::unique_ptr<AVWriterManager> m_writer;
};
