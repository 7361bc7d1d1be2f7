#pragma once

// The storyboard timeline and the audio prefetch thread.

#include "album/album.h"
#include "album/timeline.h"
#include "engine/clipdecoder.h"
#include "engine/soundtrack.h"

#include <QMutex>
#include <QSemaphore>
#include <QThread>

#include <atomic>

#include <QImage>

#include <future>
#include <map>
#include <vector>
#include <memory>

class GLDrawer;

// A decoded picture: plane pointers and line sizes (FFmpeg's picture
// layout) and the cache age. Photos are frame-size BGRA (the photo laid
// into the whole frame in its framing, in the frame's stored shape),
// patterns frame-size 8-bit grey. The picture owns its pixels.
struct Picture {
    uint8_t *data[4] = {nullptr, nullptr, nullptr, nullptr};
    int linesize[4] = {0, 0, 0, 0};
    av::Memory pixels; // what data[0] points into
    uint32_t age = 0;
    // Changes whenever the pixels are refilled, unique in the process (lets
    // a drawer skip re-uploading a picture its slot already holds, whichever
    // storyboard it draws for).
    uint64_t serial = 0;
};

class StoryBoardRender : public QThread
{
    Q_OBJECT
public:
    static constexpr int kCacheSize = 32;
    // Frames of more pixels than this (larger than any DVD's) are a video
    // file's: fewer pictures are cached and decoded at once.
    static constexpr int64_t kLargeFramePixels = 1024 * 768;
    // The drawer's slots a frame uses: the photo, the incoming photo, and
    // the caption of each (drawn over both, still, at the output size).
    static constexpr int kSlotCount = 4;
    static constexpr int kPhotoSlot = 0;
    static constexpr int kIncomingSlot = 1;
    static constexpr int kCaptionSlot = 2;
    static constexpr int kIncomingCaptionSlot = 3;

    explicit StoryBoardRender(QObject *parent = nullptr);
    ~StoryBoardRender() override;

    void setAlbum(const Album *album) { m_album = album; }
    const Album *album() const { return m_album; }

    bool setFormat(const OutputFormat &format);
    const OutputFormat &format() const { return m_format; }
    // Computes the album's timeline at the format's frame rate again (after
    // any change of the photos or the durations).
    void rebuildTimeline();
    // The frames of the show: where each photo and transition starts.
    const Timeline &timeline() const { return m_timeline; }

    // Composes frame f on the drawer; returns what the drawer's endFrame
    // returns.
    bool renderFrame(int frame, bool seekAudioFlag, GLDrawer *drawer);
    // Whether frames a and b show the very same picture (a photo without
    // the dynamic effect stays the same for its whole display time): the
    // writer then encodes the frame it has instead of rendering it again.
    bool sameFrame(int a, int b) const;
    // Whether rendering frame b leaves every picture that frame a was
    // drawn from as it is, so that the two frames can be composed
    // together: both show the same photos (found in the caches, nothing
    // decoded or evicted) and neither has a picture made for the frame
    // alone (a pattern wipe's merged picture, a fading caption).
    bool keepsPictures(int a, int b) const;

    const Picture *photoPicture(const ImageInfo &info);
    // Starts decoding the timeline's first two photos, each on a thread of
    // its own, so that the frames find them ready: for a caller that has
    // other work to do before the frames (the soundtrack pass of a DVD run,
    // which keeps one core busy and leaves the other free).
    void decodeFirstPhotosAhead();
    // Starts decoding a photo for a storyboard not made yet, of this format
    // and framing, on a thread of its own: the command line starts the
    // show's first photo while the music's loudness is still measured,
    // which otherwise left one core idle before the first frame. The
    // first storyboard that asks for a photo takes the decode when it is
    // that photo in that format, and drops it otherwise. One at a time.
    static void decodeEarly(const ImageInfo &info, const OutputFormat &format, PhotoFraming framing);
    const Picture *patternPicture(const QString &path);
    // The caption of a photo over a transparent frame (BGRA with its own
    // alpha, rows bottom-up); null when the photo has no caption.
    const Picture *captionPicture(const ImageInfo &info);
    // Stored pixels per displayed pixel across a row of the format's frame.
    double squeeze() const;
    void clearCaches();

    void seekAudio(int frame);
    void startPrefetch();
    void stopPrefetch();

    // Consumers touch the ring only with ringLock() held (try-lock).
    AudioRing &audioRing() { return m_ring; }
    QMutex &ringLock() { return m_ringLock; }

    int32_t totalFrames() const { return int32_t(m_timeline.totalFrames()); }
    int32_t bytesPerFrame() const { return m_bytesPerFrame; }
    // The soundtrack the ring is filled from (its plan: tests).
    const Soundtrack &soundtrack() const { return m_soundtrack; }

    // Cache statistics (tests and the benchmark): photo decodes so far.
    int photoDecodeCount() const { return m_photoDecodes; }
    int photoCacheSize() const { return int(m_photoCache.size()); }
    int patternCacheSize() const { return int(m_patternCache.size()); }

protected:
    void run() override;

private:
    // What frame f shows: the photo (and, during a transition, the incoming
    // one with the dissolve or the pattern wipe at its progress) and where
    // each stands in its pan-and-zoom. Photo indices are -1 when absent.
    struct FramePlan {
        int photo = -1;
        int incoming = -1;
        int pattern = -1; // index into patternFiles; -1 dissolves
        double progress = 0.0;
        MotionSample motion;
        MotionSample incomingMotion;
        // The captions' alpha bytes: the photo's fades out and the incoming
        // one's fades in over a transition (quantised as a dissolve is).
        int captionAlpha = 255;
        int incomingCaptionAlpha = 0;
    };
    FramePlan plan(int frame) const;

    using Cache = std::map<QString, std::unique_ptr<Picture>>;
    // The picture a new entry of the cache fills: the least recently used
    // one (taken out of the cache) when it is full, else a new one; null
    // when out of memory.
    std::unique_ptr<Picture> takeSlot(Cache &cache, AVPixelFormat format);
    // How many pictures of the format a cache keeps at the frame's size.
    int cacheCapacity(AVPixelFormat format) const;
    // Enters a filled picture into its cache and the index, and ages the
    // cache.
    Picture *store(Cache &cache, const QString &key, std::unique_ptr<Picture> picture);
    void rememberPhoto(const QString &path, bool turned, PhotoFraming framing, Picture *picture);
    // A title card's picture (drawn once per card and format, cached).
    const Picture *cardPicture(const ImageInfo &info);
    // Copies a top-down image of the frame size into a picture's rows
    // bottom-up; false (nothing copied) when the sizes differ.
    bool fillPicture(Picture *picture, const QImage &image) const;
    // Uploads a caption with its fade (alpha byte 255: as it is).
    void uploadCaption(GLDrawer *drawer, int slot, const Picture *caption, int alphaByte);
    struct PhotoMemo {
        QString path;
        bool turned = false;
        PhotoFraming framing = PhotoFraming::Fit;
        Picture *picture = nullptr;
    };
    PhotoMemo m_photoMemo[2];
    // Decoding ahead: the next photo of the timeline is decoded and scaled
    // on a helper thread while the current frames render; photoPicture
    // takes the result when that photo's key misses the cache.
    // The photo decoded and laid into a frame-size picture of the format
    // in the framing (rows top-down), on a helper thread; null when it
    // cannot be decoded.
    static QImage decodePhoto(const QString &path, bool turned, const OutputFormat &format,
                              PhotoFraming framing);
    static QImage decodePhotoAhead(const QString &path, bool turned, const OutputFormat &format,
                                   PhotoFraming framing);
    static QString photoKey(const QString &path, bool turned, PhotoFraming framing);
    void decodeAhead(const ImageInfo &info);
    void dropDecodesAhead();
    // The decode started by decodeEarly when it is of this key in this
    // storyboard's format (invalid otherwise: the decode is dropped).
    std::future<QImage> takeEarlyDecode(const QString &key) const;
    std::map<QString, std::future<QImage>> m_ahead;
    QString m_aheadPath;
    bool m_aheadTurned = false;
    PhotoFraming m_aheadFraming = PhotoFraming::Fit;
    void freeRing();
    void prefetchStep();
    // The first sample frame of a video frame.
    int64_t sampleAt(int64_t frame) const;

    OutputFormat m_format;
    const Album *m_album = nullptr;
    Timeline m_timeline;
    Cache m_photoCache;
    Cache m_patternCache;
    Cache m_captionCache;
    // Captions fading in or out: their pixels with the alpha scaled.
    std::vector<uint8_t> m_fadeBuffer[2];
    std::map<QString, Picture *> m_pictureIndex; // both caches' pictures
    AudioRing m_ring;
    av::Memory m_ringMemory; // what m_ring.data points to
    QMutex m_ringLock;
    Soundtrack m_soundtrack;
    int32_t m_bytesPerFrame = 0;
    QSemaphore m_stopSignal{0};
    // Set by the prefetch thread as its last act. Qt's own end of a thread
    // is invisible to the thread sanitizer; reading this flag before the
    // ring and the decoder are freed makes the hand-over visible.
    std::atomic<bool> m_prefetchEnded{true};
    int m_photoDecodes = 0;
};
