#include "exif/exifinfo.h"

#include <QFile>
#include <QLoggingCategory>

#include <exiv2/exiv2.hpp>

#include <mutex>

Q_LOGGING_CATEGORY(lcExif, "sorvel.exif")

namespace {
const char *const kTags[ExifInfo::PropertyCount] = {
    "Exif.Image.Make",
    "Exif.Image.Model",
    "Exif.Image.Software",
    "Exif.Photo.DateTimeOriginal",
    "Exif.Image.DateTime",
    "Exif.Photo.CompressedBitsPerPixel",
    "Exif.Photo.ExposureTime",
    "Exif.Photo.FNumber",
    "Exif.Photo.ExposureMode",
    "Exif.Photo.ISOSpeedRatings",
    "Exif.Photo.ExposureBiasValue",
    "Exif.Photo.MaxApertureValue",
    "Exif.Photo.FocalLength",
    "Exif.Photo.Flash",
    "Exif.Photo.MeteringMode",
    "Exif.Photo.WhiteBalance",
};

void muteExiv2Once()
{
    static std::once_flag once;
    // exiv2 writes warnings about odd files to stderr; they are not errors
    // of ours and would only confuse the user.
    std::call_once(once, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}
} // namespace

const char *ExifInfo::tagKey(int type)
{
    return type >= 0 && type < PropertyCount ? kTags[type] : nullptr;
}

ExifInfo::ExifInfo(const QString &path)
{
    for (int i = 0; i < PropertyCount; ++i)
        m_texts.append(QString());
    muteExiv2Once();
    try {
        const QByteArray native = QFile::encodeName(path);
        auto image = Exiv2::ImageFactory::open(std::string(native.constData(), size_t(native.size())));
        if (!image.get())
            return;
        image->readMetadata();
        readFrom(image->exifData());
    } catch (const std::exception &e) {
        qCDebug(lcExif) << "unreadable EXIF in" << path << ":" << e.what();
        reset();
    } catch (...) {
        qCDebug(lcExif) << "unreadable EXIF in" << path;
        reset();
    }
}

ExifInfo ExifInfo::fromTiffBlock(const QByteArray &tiff)
{
    ExifInfo info;
    for (int i = 0; i < PropertyCount; ++i)
        info.m_texts.append(QString());
    if (tiff.size() < 8)
        return info;
    muteExiv2Once();
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte *>(tiff.constData()),
                                  uint32_t(tiff.size()));
        info.readFrom(exif);
    } catch (const std::exception &e) {
        qCDebug(lcExif) << "unreadable EXIF block:" << e.what();
        info.reset();
    } catch (...) {
        qCDebug(lcExif) << "unreadable EXIF block";
        info.reset();
    }
    return info;
}

void ExifInfo::readFrom(Exiv2::ExifData &exif)
{
    if (exif.empty())
        return;
    m_hasExif = true;
    const auto orientation = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (orientation != exif.end() && orientation->count() > 0) {
        const long value = orientation->toLong();
        if (value >= 1 && value <= 8)
            m_orientation = int(value);
    }
    for (int i = 0; i < PropertyCount; ++i) {
        const auto it = exif.findKey(Exiv2::ExifKey(kTags[i]));
        if (it == exif.end())
            continue;
        m_texts[i] = QString::fromStdString(it->print(&exif)).trimmed();
    }
}

void ExifInfo::reset()
{
    m_orientation = 1;
    m_hasExif = false;
    for (QString &text : m_texts)
        text.clear();
}

QString ExifInfo::property(int type) const
{
    return type >= 0 && type < PropertyCount ? m_texts.at(type) : QString();
}
