#pragma once

#include <QSize>
#include <QString>

#include <optional>

// The choices a person makes for a video file: where it goes, its size (the
// picture's short side: 720, 1080 or 2160 lines), its shape, its frame rate
// and its quality. Texts from the command line, the dialog and projects are
// parsed here once; everything past that edge passes these values.

enum class VideoSize { P720, P1080, P2160 };
// "720p", "1080p", "2160p" (also "720", "4k"...), any case.
std::optional<VideoSize> parseVideoSize(const QString &text);
// "720p", "1080p" or "2160p": the texts stored in projects and given to --size.
QString videoSizeName(VideoSize size);
// The picture's short side in pixels.
int videoSizeLines(VideoSize size);

// The picture's shape: 16:9 (television, computer), 4:3, 9:16 (a phone held
// upright) or 1:1.
enum class VideoShape { Wide, Standard, Portrait, Square };
// "16:9", "4:3", "9:16" or "1:1".
std::optional<VideoShape> parseVideoShape(const QString &text);
QString videoShapeName(VideoShape shape);
// The shape as width : height.
int videoShapeNum(VideoShape shape);
int videoShapeDen(VideoShape shape);

// The frame rates a video file may have (frames a second, whole numbers).
bool isVideoFrameRate(int fps);
std::optional<int> parseVideoFrameRate(const QString &text);

// The quality: the H.264 encoder's constant rate factor (lower is better
// and larger). High and Normal are visually clean for photographs; Small
// file halves the size again at a visible cost in fine detail.
enum class VideoQuality { High, Normal, Small };
// "high", "normal" or "small" (also "small-file"), any case.
std::optional<VideoQuality> parseVideoFileQuality(const QString &text);
QString videoFileQualityName(VideoQuality quality);
int videoQualityCrf(VideoQuality quality);

struct VideoChoices {
    QString file; // the last file exported to (absolute); empty: none yet
    VideoSize size = VideoSize::P1080;
    VideoShape shape = VideoShape::Wide;
    int frameRate = 30;
    VideoQuality quality = VideoQuality::Normal;

    // The stored frame in square pixels: 1920 x 1080 for 1080p 16:9,
    // 1080 x 1920 for 1080p 9:16, always even.
    QSize frameSize() const;

    bool operator==(const VideoChoices &o) const
    {
        return file == o.file && size == o.size && shape == o.shape && frameRate == o.frameRate &&
               quality == o.quality;
    }
    bool operator!=(const VideoChoices &o) const { return !(*this == o); }
};

// The AAC bit rate of a video file's stereo sound (bit/s).
constexpr int kVideoAudioBitRate = 192000;

// The estimated size in bytes of a video of the given length: the rate that
// the quality gives a slideshow of photographs (measured on the benchmark
// album, pan-and-zoom and transitions: High 0.10, Normal 0.06, Small 0.03
// bits a pixel) plus the sound. An estimate: busy photos take more.
quint64 estimateVideoFileSize(const VideoChoices &choices, double seconds);
