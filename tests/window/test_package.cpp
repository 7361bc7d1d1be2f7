// The installed program as a desktop and a distribution see it: the Debian
// package built by CPack, its file list, the desktop entry, metainfo and
// file type validated by the desktop's own tools, and the program unpacked
// from the package running on its own.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "testsupport.h"

namespace {
struct Result {
    int code = -1;
    QByteArray out;
};

Result run(const QString &program, const QStringList &args, const QString &workDir = QString(),
           const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(program, args);
    Result r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(240000))
        return r;
    r.out = p.readAll();
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}
} // namespace

class TestPackage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fileList();
    void desktopFilesValidate();
    void projectFileType();
    void unpackedProgramRuns();

private:
    QString m_work;
    QString m_deb;
    QString m_root;
    QStringList m_files;
};

void TestPackage::initTestCase()
{
    m_work = TestSupport::freshDir(QStringLiteral("package"));
    const QString config = QStringLiteral(SORVEL_BUILD_DIR "/CPackConfig.cmake");
    const Result built =
        run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                      config, QStringLiteral("-B"), m_work + QStringLiteral("/out")});
    QVERIFY2(built.code == 0, built.out.constData());
    const QStringList debs = QDir(m_work + QStringLiteral("/out")).entryList({QStringLiteral("*.deb")});
    QCOMPARE(debs.size(), 1);
    m_deb = m_work + QStringLiteral("/out/") + debs.first();
    const Result listed = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), m_deb});
    QCOMPARE(listed.code, 0);
    for (const QByteArray &line : listed.out.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && !fields.last().endsWith('/'))
            m_files << QString::fromUtf8(fields.at(5));
    }
    m_root = m_work + QStringLiteral("/root");
    QCOMPARE(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, m_root}).code, 0);
}

void TestPackage::fileList()
{
    for (const char *file : {"./usr/bin/sorvel", "./usr/lib/sorvel/libsorvel_framework.so",
                             "./usr/lib/sorvel/libsorvel_desktop.so", "./usr/lib/sorvel/libsorvel_burning.so",
                             "./usr/lib/sorvel/libsorvel_authoring.so", "./usr/share/sorvel/silence.ac3",
                             "./usr/share/sorvel/pattern/01_wipe_from_left.wpt",
                             "./usr/share/sorvel/skin/default/app_sorvel/head.png",
                             "./usr/share/sorvel/skin/default/app_sorvel/gettingstart.png",
                             "./usr/share/applications/org.sorvel.Sorvel.desktop",
                             "./usr/share/icons/hicolor/scalable/apps/org.sorvel.Sorvel.svg",
                             "./usr/share/metainfo/org.sorvel.Sorvel.metainfo.xml",
                             "./usr/share/mime/packages/org.sorvel.Sorvel.xml"})
        QVERIFY2(m_files.contains(QString::fromLatin1(file)), file);
    // Nothing of the build or the tests goes into the package.
    for (const QString &file : std::as_const(m_files)) {
        QVERIFY2(!file.contains(QLatin1String("test_")) && !file.contains(QLatin1String("bench_")),
                 qPrintable(file));
        QVERIFY2(file.startsWith(QLatin1String("./usr/")), qPrintable(file));
    }
    const Result fields =
        run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_deb, QStringLiteral("Depends")});
    for (const char *dependency : {"dvdauthor", "mjpegtools", "genisoimage", "libqt6widgets6"})
        QVERIFY2(fields.out.contains(dependency), fields.out.constData());
}

void TestPackage::desktopFilesValidate()
{
    const QString desktop = m_root + QStringLiteral("/usr/share/applications/org.sorvel.Sorvel.desktop");
    const Result entry = run(QStringLiteral("desktop-file-validate"), {desktop});
    QVERIFY2(entry.code == 0 && entry.out.trimmed().isEmpty(), entry.out.constData());
    QFile file(desktop);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("\nExec=sorvel %F\n"));
    QVERIFY(text.contains("application/x-sorvel-project;"));
    QVERIFY(text.contains("image/jpeg;"));
    QVERIFY(text.contains("audio/mpeg;"));
    const Result meta = run(QStringLiteral("appstreamcli"),
                            {QStringLiteral("validate"), QStringLiteral("--no-net"),
                             m_root + QStringLiteral("/usr/share/metainfo/org.sorvel.Sorvel.metainfo.xml")});
    QVERIFY2(meta.code == 0, meta.out.constData());
    // The icon is a picture of its own, readable as SVG.
    QFile icon(m_root + QStringLiteral("/usr/share/icons/hicolor/scalable/apps/org.sorvel.Sorvel.svg"));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QVERIFY(icon.readAll().contains("<svg"));
}

void TestPackage::projectFileType()
{
    // The shared-mime-info tool compiles the package's type into a database.
    const QString mime = m_root + QStringLiteral("/usr/share/mime");
    const Result compiled = run(QStringLiteral("update-mime-database"), {mime});
    if (compiled.code == -1)
        QSKIP("update-mime-database is not installed");
    QVERIFY2(compiled.code == 0, compiled.out.constData());
    QFile globs(mime + QStringLiteral("/globs2"));
    QVERIFY(globs.open(QIODevice::ReadOnly));
    QVERIFY(globs.readAll().contains("application/x-sorvel-project:*.sorvel"));
}

void TestPackage::unpackedProgramRuns()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SORVEL_APPDIR")); // it finds its data beside itself
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    const Result help = run(m_root + QStringLiteral("/usr/bin/sorvel"),
                            {QStringLiteral("make-dvd"), QStringLiteral("--help")}, m_work, env);
    QVERIFY2(help.code == 0, help.out.constData());
    QVERIFY(help.out.contains("Usage: sorvel make-dvd"));
    QVERIFY(help.out.contains("PROJECT.sorvel"));
}

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
