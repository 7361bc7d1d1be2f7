#include "dvdtestmedia.h"

#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <sys/stat.h>
#include <unistd.h>

namespace DvdTestMedia {

bool makeVideo(const QString &path, bool pal, double seconds)
{
    return TestSupport::makeDvdVideo(path, pal, seconds);
}

bool makeNoiseVideo(const QString &path, double seconds)
{
    return TestSupport::ffmpeg({QStringLiteral("-f"),
                                QStringLiteral("lavfi"),
                                QStringLiteral("-i"),
                                QStringLiteral("nullsrc=size=720x576:rate=25,geq=random(1)*255:128:128"),
                                QStringLiteral("-t"),
                                QString::number(seconds),
                                QStringLiteral("-c:v"),
                                QStringLiteral("mpeg2video"),
                                QStringLiteral("-b:v"),
                                QStringLiteral("9M"),
                                QStringLiteral("-maxrate"),
                                QStringLiteral("9M"),
                                QStringLiteral("-minrate"),
                                QStringLiteral("9M"),
                                QStringLiteral("-bufsize"),
                                QStringLiteral("1835008"),
                                QStringLiteral("-g"),
                                QStringLiteral("12"),
                                QStringLiteral("-aspect"),
                                QStringLiteral("4:3"),
                                QStringLiteral("-f"),
                                QStringLiteral("mpeg2video"),
                                path});
}

bool makeAudio(const QString &path, double seconds)
{
    return TestSupport::makeAc3(path, seconds);
}

bool makeFifo(const QString &path)
{
    QFile::remove(path);
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QStringList xmlOutline(const QString &path)
{
    QStringList lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    QXmlStreamReader reader(&file);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            QString line = QString(depth * 2, QLatin1Char(' ')) + reader.name().toString();
            for (const QXmlStreamAttribute &a : reader.attributes())
                line += QStringLiteral(" %1=%2").arg(a.name().toString(), a.value().toString());
            lines.append(line);
            ++depth;
        } else if (reader.isEndElement()) {
            --depth;
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            lines.last() += QStringLiteral(" : ") + reader.text().toString();
        }
    }
    if (reader.hasError())
        lines.append(QStringLiteral("XML ERROR: ") + reader.errorString());
    return lines;
}

} // namespace DvdTestMedia
