#include "framework/tracelog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdarg>
#include <cstdio>

namespace {
constexpr qint64 kRotateSize = 8192;

// File name of the running executable (this code lives in a shared library,
// whose own name would not tell which program wrote the log).
QString moduleFileName()
{
    const QString name = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    return name.mid(slash); // keeps the leading separator, as the path joins it
}
} // namespace

QString traceLogPath()
{
    const QString module = moduleFileName();
    if (module.isEmpty())
        return QString();
    return QDir::tempPath() + module + QStringLiteral(".1.log");
}

void traceLog(const char *format, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);

    const QString path = traceLogPath();
    if (path.isEmpty())
        return;
    {
        QFile file(path);
        if (!file.open(QIODevice::Append | QIODevice::Text))
            return;
        file.write(buffer);
        file.write("\n");
    }
    if (QFileInfo(path).size() >= kRotateSize) {
        QString second = path;
        const int one = second.lastIndexOf(QLatin1Char('1'));
        second[one] = QLatin1Char('2');
        QFile::remove(second);
        QFile::rename(path, second);
    }
}

void traceEntry(const char *sourceFile, int line, const char *function)
{
    const int error = errno;
    const QByteArray now =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")).toLocal8Bit();
    traceLog("%s(%d): in %s : %s %08x", sourceFile, line, function, now.constData(), unsigned(error));
    traceLog("%s", "");
}
