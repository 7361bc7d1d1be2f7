#include "engine/menustill.h"

#include "engine/streamwriter.h"

#include "album/probe.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>

#include <vector>

namespace {
// A still needs few bits: the rate caps the first picture's size only.
constexpr int kMenuVideoBitRate = 6000000;
constexpr int kMenuAudioBitRate = 192000;
constexpr int kMenuChannels = 2;
} // namespace

namespace MenuStill {

QImage photo(const QString &path, QSize size)
{
    if (path.isEmpty())
        return QImage();
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize source = reader.size();
    // Twice the size asked (both ways, for either orientation) keeps the
    // detail; a JPEG decodes that much faster.
    const int side = 2 * std::max(size.width(), size.height());
    if (source.isValid() && source.width() > side && source.height() > side)
        reader.setScaledSize(source.scaled(side, side, Qt::KeepAspectRatioByExpanding));
    QImage image;
    if (!reader.read(&image))
        return QImage();
    return image;
}

bool encode(const QImage &picture, TvStandard standard, DvdAspect aspect, const QString &videoPath,
            const QString &audioPath, QString *error)
{
    const bool pal = standard == TvStandard::Pal;
    const VideoStreamParams params = VideoStreamParams::dvd(standard, kMenuVideoBitRate, aspect);
    QImage frame = picture.convertToFormat(QImage::Format_ARGB32);
    if (frame.width() != params.srcWidth || frame.height() != params.srcHeight)
        frame =
            frame.scaled(params.srcWidth, params.srcHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // NTSC's second holds 30000/1001 frames.
    const int frames = pal ? kFrames25 : 30;
    StreamWriter video;
    if (!video.open(videoPath, params, AudioStreamParams())) {
        *error = video.errorString();
        return false;
    }
    for (int i = 0; i < frames; ++i) {
        // Format_ARGB32 is B, G, R, A in memory on the little-endian
        // machines this runs on: the writer's BGRA.
        if (!video.writeVideo(frame.constBits(), int(frame.bytesPerLine()))) {
            *error = video.errorString();
            return false;
        }
    }
    if (!video.finish()) {
        *error = video.errorString();
        return false;
    }

    StreamWriter audio;
    if (!audio.open(audioPath, VideoStreamParams(),
                    AudioStreamParams::ac3(kMenuChannels, kMenuAudioBitRate))) {
        *error = audio.errorString();
        return false;
    }
    const int samples = pal ? 48000 * frames / 25 : int(int64_t(48000) * frames * 1001 / 30000);
    const std::vector<uint8_t> silence(size_t(samples) * kMenuChannels * 2, 0);
    if (!audio.writeAudio(silence.data(), int(silence.size())) || !audio.finish()) {
        *error = audio.errorString();
        return false;
    }
    return true;
}

} // namespace MenuStill
