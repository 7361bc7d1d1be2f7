#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

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

QString builtProgram(const QString &name)
{
    const QString dir = qEnvironmentVariable("SORVEL_APPDIR");
    return QDir(dir).absoluteFilePath(name);
}

} // namespace TestSupport
