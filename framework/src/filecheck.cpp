#include "framework/filecheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileCheck {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("FileCheck", text);
}
} // namespace

QString refusal(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st = {};
    // stat, not lstat: a link to a regular file is that file.
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return tr("missing");
        return tr("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISDIR(st.st_mode))
        return tr("a folder");
    if (S_ISFIFO(st.st_mode))
        return tr("a named pipe (FIFO)");
    if (S_ISSOCK(st.st_mode))
        return tr("a socket");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return tr("a device");
    if (!S_ISREG(st.st_mode))
        return tr("not a regular file");
    if (::access(native.constData(), R_OK) != 0)
        return tr("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    return QString();
}

QString escapedName(const QByteArray &rawName)
{
    QString out;
    out.reserve(rawName.size());
    for (const char c : rawName) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\')
            out += QLatin1Char(c);
        else
            out += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return out;
}

bool nameRoundTrips(const QByteArray &rawName)
{
    return QFile::encodeName(QFile::decodeName(rawName)) == rawName;
}

QStringList undecodableNames(const QString &folder, const QStringList &patterns)
{
    QStringList out;
    const QByteArray native = QFile::encodeName(folder);
    DIR *dir = ::opendir(native.constData());
    if (!dir)
        return out;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == ".." || nameRoundTrips(raw))
            continue;
        // The pattern is matched on the decoded name: its suffix is plain
        // ASCII even when the rest of the name is not.
        if (!patterns.isEmpty() && !QDir::match(patterns, QFile::decodeName(raw)))
            continue;
        struct stat st = {};
        if (::stat((native + '/' + raw).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        out << QDir(folder).absolutePath() + QLatin1Char('/') + escapedName(raw);
    }
    ::closedir(dir);
    out.sort();
    return out;
}

} // namespace FileCheck
