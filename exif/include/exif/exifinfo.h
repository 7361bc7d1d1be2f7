#pragma once

#include <QString>
#include <QStringList>

namespace Exiv2 {
class ExifData;
}

// Reads the EXIF orientation and sixteen human-readable properties of a
// photo. A file without EXIF, or with EXIF that cannot be parsed, reads as
// having none: orientation 1 and sixteen empty texts.
//
// PROPERTY_TYPE selects a property; the text is the EXIF value as a person
// reads it ("1/125 s", "F2.8", "Canon"), empty when the photo lacks it:
//
//  | #  | property                    | EXIF tag                          |
//  |----|-----------------------------|-----------------------------------|
//  | 0  | equipment make              | Exif.Image.Make                   |
//  | 1  | camera model                | Exif.Image.Model                  |
//  | 2  | software                    | Exif.Image.Software               |
//  | 3  | date-time original          | Exif.Photo.DateTimeOriginal       |
//  | 4  | date-time (modified)        | Exif.Image.DateTime               |
//  | 5  | compressed bits per pixel   | Exif.Photo.CompressedBitsPerPixel |
//  | 6  | exposure time               | Exif.Photo.ExposureTime           |
//  | 7  | F-number                    | Exif.Photo.FNumber                |
//  | 8  | exposure mode               | Exif.Photo.ExposureMode           |
//  | 9  | ISO speed                   | Exif.Photo.ISOSpeedRatings        |
//  | 10 | exposure bias               | Exif.Photo.ExposureBiasValue      |
//  | 11 | max aperture                | Exif.Photo.MaxApertureValue       |
//  | 12 | focal length                | Exif.Photo.FocalLength            |
//  | 13 | flash                       | Exif.Photo.Flash                  |
//  | 14 | metering mode               | Exif.Photo.MeteringMode           |
//  | 15 | white balance               | Exif.Photo.WhiteBalance           |
class ExifInfo
{
public:
    enum PROPERTY_TYPE {
        EquipmentMake = 0,
        CameraModel = 1,
        Software = 2,
        DateTimeOriginal = 3,
        DateTime = 4,
        CompressedBitsPerPixel = 5,
        ExposureTime = 6,
        FNumber = 7,
        ExposureMode = 8,
        IsoSpeed = 9,
        ExposureBias = 10,
        MaxAperture = 11,
        FocalLength = 12,
        Flash = 13,
        MeteringMode = 14,
        WhiteBalance = 15,
        PropertyCount = 16
    };

    explicit ExifInfo(const QString &path);
    // The EXIF of a TIFF-structured block in memory (what a HEIF file
    // carries as its "Exif" item, after the offset word).
    static ExifInfo fromTiffBlock(const QByteArray &tiff);

    // EXIF orientation 1..8; 1 when absent or outside 1..8.
    int Orientation() const { return m_orientation; }
    QString property(int type) const;
    bool hasExif() const { return m_hasExif; }
    // The EXIF tag key read for a property ("Exif.Image.Make").
    static const char *tagKey(int type);

private:
    ExifInfo() = default;
    void reset();
    void readFrom(Exiv2::ExifData &exif);

    int m_orientation = 1;
    bool m_hasExif = false;
    QStringList m_texts;
};
