#pragma once

#include <QDir>
#include <QString>

// Where a finished DVD goes: a DVD folder written into a chosen folder, an
// ISO image file, or the disc in a recorder, with the volume label the DVD
// carries. A plain value: the destination box edits one for the person at
// the window, the burn workflow reads one, and a program without a window
// fills one in directly.
struct Destination {
    enum Type { None, Folder, Iso, Burner };

    Type type = None;
    // Folder: the folder that receives the DVD folder (named after the
    // label); Iso: the image file; Burner: the recorder's device name
    // ("/dev/sr0", "stdio:/path/disc.img").
    QString path;
    QString volumeLabel = defaultVolumeLabel();

    static QString defaultVolumeLabel() { return QStringLiteral("My DVD"); }

    // The label the DVD gets: trimmed, "My DVD" when nothing is left.
    QString label() const
    {
        const QString trimmed = volumeLabel.trimmed();
        return trimmed.isEmpty() ? defaultVolumeLabel() : trimmed;
    }

    // The target type texts of the destination box: "tofolder", "toiso",
    // "toburner"; empty for None.
    static QString typeName(Type type)
    {
        switch (type) {
        case Folder:
            return QStringLiteral("tofolder");
        case Iso:
            return QStringLiteral("toiso");
        case Burner:
            return QStringLiteral("toburner");
        case None:
            break;
        }
        return QString();
    }
    // The type of such a text (exact); None for anything else.
    static Type typeFromName(const QString &name)
    {
        for (Type type : {Folder, Iso, Burner}) {
            if (name == typeName(type))
                return type;
        }
        return None;
    }

    // An image path with ".iso" appended unless it already ends with it (in
    // any case), backslashes turned into "/".
    static QString isoPathWithExtension(QString path)
    {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!(path.size() > 4 && path.endsWith(QLatin1String(".iso"), Qt::CaseInsensitive)))
            path += QStringLiteral(".iso");
        return path;
    }

    // The same destination with its path in the form the burner uses: a
    // folder cleaned with "/" separators, an image with its extension, a
    // device name trimmed.
    Destination normalized() const
    {
        Destination d = *this;
        switch (type) {
        case Folder:
            d.path = path.trimmed().isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(path));
            break;
        case Iso:
            d.path = path.trimmed().isEmpty() ? QString() : isoPathWithExtension(path);
            break;
        case Burner:
            d.path = path.trimmed();
            break;
        case None:
            break;
        }
        return d;
    }

    bool operator==(const Destination &o) const
    {
        return type == o.type && path == o.path && volumeLabel == o.volumeLabel;
    }
    bool operator!=(const Destination &o) const { return !(*this == o); }
};
