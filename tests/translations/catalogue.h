#pragma once

// Reads a Qt Linguist catalogue (.ts) for the translation tests.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace Catalogue {

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or the plural forms
};

// The catalogue's live entries (obsolete and vanished ones left out);
// language gets the file's language attribute.
inline QList<Message> read(const QString &path, QString *language)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            current.unfinished = type == QLatin1String("unfinished");
            if (current.numerus) {
                while (xml.readNextStartElement())
                    current.translations << xml.readElementText();
            } else {
                current.translations << xml.readElementText();
            }
            if (type != QLatin1String("obsolete") && type != QLatin1String("vanished"))
                messages << current;
        }
    }
    return messages;
}

// The languages the build ships (SORVEL_LANGUAGES, "de;fr;...").
inline QStringList shippedLanguages(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace Catalogue
