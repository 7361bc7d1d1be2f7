#pragma once

#include <QString>

#include "desktop/dialogbase.h"

class QTextBrowser;
struct AudioInfo;
struct ImageInfo;

// The small file-property window of the main window: a read-only table of
// the properties of the photo or clip selected in the strips. It keeps the
// display strings and turns them into HTML; every value is escaped, so file
// names and camera texts with '<' or '&' show as they are.
class MediaInfoWidget : public DialogBase
{
    Q_OBJECT
public:
    enum Kind { Audio = 0, Photo = 1, Nothing = 2 };
    // The strings in the order setInfo takes them.
    enum Field {
        FileName,
        Format,
        Size,
        Resolution,
        Modified,
        Make,
        Model,
        Software,
        BitsPerPixel,
        ExposureTime,
        FNumber,
        ExposureMode,
        ExposureBias,
        MaxAperture,
        Channels,
        SampleRate,
        Duration,
        FieldCount
    };

    explicit MediaInfoWidget(QWidget *parent = nullptr);
    ~MediaInfoWidget() override;

    // Stores the strings of a kind (the others stay empty).
    void setInfo(int kind, const QStringList &strings);
    // The strings for a photo and for a clip, from their records and files.
    static QStringList photoStrings(const ImageInfo &info);
    static QStringList audioStrings(const AudioInfo &info);
    // Regenerates the table into the view.
    void rebuild();
    QString html() const;
    int kind() const { return m_kind; }

public Q_SLOTS:
    void retranslate() override;

private:
    QTextBrowser *m_view = nullptr;
    int m_kind = Nothing;
    QString m_strings[FieldCount];
};
