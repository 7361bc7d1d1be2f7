#include "dvdfixture.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace DvdFixture {

static bool runIn(const QString &dir, const QString &program, const QStringList &args,
                  const QStringList &env = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : env)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(environment);
    p.start(program, args);
    if (!p.waitForStarted() || !p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAll().constData());
        return false;
    }
    return true;
}

QString dvdFolder()
{
    static QString built;
    if (!built.isEmpty())
        return built;
    const QString dir = TestSupport::freshDir(QStringLiteral("dvdfixture"));
    const QString video = dir + QStringLiteral("/video.m2v");
    const QString audio = dir + QStringLiteral("/audio.ac3");
    if (!TestSupport::makeDvdVideo(video, true, 2.0) || !TestSupport::makeAc3(audio, 2.0))
        return QString();
    if (!runIn(dir, QStringLiteral("mplex"),
               {QStringLiteral("-f"), QStringLiteral("8"), QStringLiteral("-o"), QStringLiteral("title.vob"),
                video, audio}))
        return QString();
    const QStringList env{QStringLiteral("VIDEO_FORMAT=PAL")};
    if (!runIn(
            dir, QStringLiteral("dvdauthor"),
            {QStringLiteral("-o"), QStringLiteral("dvd"), QStringLiteral("-t"), QStringLiteral("title.vob")},
            env) ||
        !runIn(dir, QStringLiteral("dvdauthor"),
               {QStringLiteral("-o"), QStringLiteral("dvd"), QStringLiteral("-T")}, env))
        return QString();
    if (!QFileInfo(dir + QStringLiteral("/dvd/VIDEO_TS/VIDEO_TS.IFO")).isFile())
        return QString();
    built = dir + QStringLiteral("/dvd");
    return built;
}

} // namespace DvdFixture
