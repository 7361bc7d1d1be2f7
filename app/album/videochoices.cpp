#include "album/videochoices.h"

#include <QtGlobal>

#include <cmath>

std::optional<VideoSize> parseVideoSize(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("720p") || t == QLatin1String("720"))
        return VideoSize::P720;
    if (t == QLatin1String("1080p") || t == QLatin1String("1080"))
        return VideoSize::P1080;
    if (t == QLatin1String("2160p") || t == QLatin1String("2160") || t == QLatin1String("4k"))
        return VideoSize::P2160;
    return std::nullopt;
}

QString videoSizeName(VideoSize size)
{
    switch (size) {
    case VideoSize::P720:
        return QStringLiteral("720p");
    case VideoSize::P2160:
        return QStringLiteral("2160p");
    case VideoSize::P1080:
        break;
    }
    return QStringLiteral("1080p");
}

int videoSizeLines(VideoSize size)
{
    return size == VideoSize::P720 ? 720 : size == VideoSize::P2160 ? 2160 : 1080;
}

std::optional<VideoShape> parseVideoShape(const QString &text)
{
    const QString t = text.trimmed();
    for (VideoShape s : {VideoShape::Wide, VideoShape::Standard, VideoShape::Portrait, VideoShape::Square}) {
        if (t == videoShapeName(s))
            return s;
    }
    return std::nullopt;
}

QString videoShapeName(VideoShape shape)
{
    return QStringLiteral("%1:%2").arg(videoShapeNum(shape)).arg(videoShapeDen(shape));
}

int videoShapeNum(VideoShape shape)
{
    switch (shape) {
    case VideoShape::Standard:
        return 4;
    case VideoShape::Portrait:
        return 9;
    case VideoShape::Square:
        return 1;
    case VideoShape::Wide:
        break;
    }
    return 16;
}

int videoShapeDen(VideoShape shape)
{
    switch (shape) {
    case VideoShape::Standard:
        return 3;
    case VideoShape::Portrait:
        return 16;
    case VideoShape::Square:
        return 1;
    case VideoShape::Wide:
        break;
    }
    return 9;
}

bool isVideoFrameRate(int fps)
{
    return fps == 25 || fps == 30 || fps == 50 || fps == 60;
}

std::optional<int> parseVideoFrameRate(const QString &text)
{
    bool ok = false;
    const int fps = text.trimmed().toInt(&ok);
    if (!ok || !isVideoFrameRate(fps))
        return std::nullopt;
    return fps;
}

std::optional<VideoQuality> parseVideoFileQuality(const QString &text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("high"))
        return VideoQuality::High;
    if (t == QLatin1String("normal"))
        return VideoQuality::Normal;
    if (t == QLatin1String("small") || t == QLatin1String("small-file"))
        return VideoQuality::Small;
    return std::nullopt;
}

QString videoFileQualityName(VideoQuality quality)
{
    switch (quality) {
    case VideoQuality::High:
        return QStringLiteral("high");
    case VideoQuality::Small:
        return QStringLiteral("small");
    case VideoQuality::Normal:
        break;
    }
    return QStringLiteral("normal");
}

int videoQualityCrf(VideoQuality quality)
{
    switch (quality) {
    case VideoQuality::High:
        return 18;
    case VideoQuality::Small:
        return 26;
    case VideoQuality::Normal:
        break;
    }
    return 21;
}

QSize VideoChoices::frameSize() const
{
    const int lines = videoSizeLines(size);
    const int num = videoShapeNum(shape);
    const int den = videoShapeDen(shape);
    // The short side is the size's lines; the long one follows the shape,
    // rounded to an even number (4:2:0 pictures have even sides).
    if (num >= den) {
        const int w = int(std::lround(double(lines) * num / den / 2.0)) * 2;
        return QSize(w, lines);
    }
    const int h = int(std::lround(double(lines) * den / num / 2.0)) * 2;
    return QSize(lines, h);
}

quint64 estimateVideoFileSize(const VideoChoices &choices, double seconds)
{
    if (!(seconds > 0.0))
        return 0;
    const double bitsPerPixel = choices.quality == VideoQuality::High    ? 0.10
                                : choices.quality == VideoQuality::Small ? 0.03
                                                                         : 0.06;
    const QSize s = choices.frameSize();
    const double videoBits = double(s.width()) * s.height() * choices.frameRate * bitsPerPixel * seconds;
    const double audioBits = double(kVideoAudioBitRate) * seconds;
    // The container: about 1 % for its index and headers.
    return quint64((videoBits + audioBits) / 8.0 * 1.01);
}
