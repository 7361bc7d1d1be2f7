#pragma once

#include <QString>

// Where a finished DVD goes: a DVD folder written into a chosen folder, an
// ISO image file, or the disc in a recorder, with the volume label the DVD
// carries. A plain value: the destination box edits one for the person at
// the window, the burn workflow reads one, and a program without a window
// fills one in directly.
struct KymDestination {
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

    bool operator==(const KymDestination &o) const
    {
        return type == o.type && path == o.path && volumeLabel == o.volumeLabel;
    }
    bool operator!=(const KymDestination &o) const { return !(*this == o); }
};
