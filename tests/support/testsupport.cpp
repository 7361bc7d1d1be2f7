#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace TestSupport {

QString freshDir(const QString &name)
{
    QString base = qEnvironmentVariable("SORVEL_TEST_TMP");
    if (base.isEmpty())
        base = QDir::tempPath() + QStringLiteral("/sorvel-tests");
    QDir dir(base + QLatin1Char('/') + name);
    dir.removeRecursively();
    QDir().mkpath(dir.absolutePath());
    return dir.absolutePath();
}

int run(const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool ffmpeg(const QStringList &arguments)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-y")};
    args += arguments;
    QByteArray out;
    const int rc = run(QStringLiteral("ffmpeg"), args, &out);
    if (rc != 0)
        qWarning("ffmpeg failed: %s", out.constData());
    return rc == 0;
}

bool makeDvdVideo(const QString &path, bool pal, double seconds)
{
    const QString source = pal ? QStringLiteral("testsrc=size=720x576:rate=25")
                               : QStringLiteral("testsrc=size=720x480:rate=30000/1001");
    return TestSupport::ffmpeg({QStringLiteral("-f"),
                                QStringLiteral("lavfi"),
                                QStringLiteral("-i"),
                                source,
                                QStringLiteral("-t"),
                                QString::number(seconds),
                                QStringLiteral("-c:v"),
                                QStringLiteral("mpeg2video"),
                                QStringLiteral("-b:v"),
                                QStringLiteral("5M"),
                                QStringLiteral("-maxrate"),
                                QStringLiteral("9M"),
                                QStringLiteral("-minrate"),
                                QStringLiteral("0"),
                                QStringLiteral("-bufsize"),
                                QStringLiteral("1835008"),
                                QStringLiteral("-g"),
                                pal ? QStringLiteral("12") : QStringLiteral("15"),
                                QStringLiteral("-aspect"),
                                QStringLiteral("4:3"),
                                QStringLiteral("-f"),
                                QStringLiteral("mpeg2video"),
                                path});
}

bool makeAc3(const QString &path, double seconds)
{
    return TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("sine=frequency=440:sample_rate=48000"), QStringLiteral("-t"),
                                QString::number(seconds), QStringLiteral("-ac"), QStringLiteral("2"),
                                QStringLiteral("-c:a"), QStringLiteral("ac3"), QStringLiteral("-ar"),
                                QStringLiteral("48000"), QStringLiteral("-b:a"), QStringLiteral("192k"),
                                QStringLiteral("-f"), QStringLiteral("ac3"), path});
}

QString builtProgram(const QString &name)
{
    const QString dir = qEnvironmentVariable("SORVEL_APPDIR");
    return QDir(dir).absoluteFilePath(name);
}

QStringList childProcesses()
{
    QStringList children;
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces, so read
        // after the last closing parenthesis.
        const QByteArray text = stat.readAll();
        const int close = int(text.lastIndexOf(')'));
        const QList<QByteArray> rest = text.mid(close + 2).split(' ');
        if (close > 0 && rest.size() > 1 && rest.at(1) == self)
            children.append(QString::fromLocal8Bit(text.left(close + 1)));
    }
    return children;
}

QString slowEndingMultiplexerFolder(double seconds)
{
    const QString real = QStandardPaths::findExecutable(QStringLiteral("mplex"));
    const QString bin = freshDir(QStringLiteral("slow-ending-mplex"));
    QFile script(bin + QStringLiteral("/mplex"));
    if (real.isEmpty() || !script.open(QIODevice::WriteOnly))
        return QString();
    // The script opens mplex's output itself (a pipe: it waits there for
    // dvdauthor), leaves a copy of it with a child, and becomes the real
    // mplex. mplex ends as usual; the child waits for that (it is handed to
    // another parent then), sleeps, and ends, and the output with it (it
    // names no working folder meanwhile). Counted from mplex's start
    // instead, the delay was used up before the end of a video that took
    // longer to encode on a busy machine.
    script.write(QStringLiteral("#!/usr/bin/perl\n"
                                "my ($o) = grep { $ARGV[$_] eq '-o' } 0 .. $#ARGV;\n"
                                "open(my $hold, '>', $ARGV[$o + 1]) if defined $o;\n"
                                "my $mplex = $$;\n"
                                "if (fork() == 0) {\n"
                                "    $0 = 'mplex-output';\n"
                                "    select(undef, undef, undef, 0.02) while getppid() == $mplex;\n"
                                "    select(undef, undef, undef, %1);\n"
                                "    exit 0;\n"
                                "}\n"
                                "exec '%2', @ARGV;\n")
                     .arg(seconds)
                     .arg(real)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return bin;
}

bool writeShellScript(const QString &path, const QByteArray &body)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write("#!/bin/sh\n" + body) < 0)
        return false;
    f.close();
    return f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

ScopedEnv::ScopedEnv(const char *name, const QString &value)
    : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
{
    qputenv(name, QFile::encodeName(value));
}

ScopedEnv::~ScopedEnv()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

} // namespace TestSupport
