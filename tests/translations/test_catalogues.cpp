// The catalogues and the choice of language: every shipped .ts file is
// complete and holds every source string (lupdate finds nothing new), its
// translations keep the source's place markers and plural forms; the
// language follows the desktop or Preferences; the command line's help and
// a DVD made under a language speak it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "authoring/dvdlanguages.h"
#include "catalogue.h"
#include "dvdcheck.h"
#include "framework/uilanguage.h"
#include "job/makedvdoptions.h"
#include "testsupport.h"

namespace {

using Catalogue::Message;

QList<Message> readCatalogue(const QString &path, QString *language)
{
    return Catalogue::read(path, language);
}

QStringList markers(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%(?:n|L?[1-9][0-9]?)"));
    QSet<QString> found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    QStringList list(found.begin(), found.end());
    list.sort();
    return list;
}

// Plural forms Qt uses for a language (its numerus rules).
int pluralForms(const QString &language)
{
    return language.section(QLatin1Char('_'), 0, 0) == QLatin1String("pl") ? 3 : 2;
}

QString sourceDir()
{
    return qEnvironmentVariable("SORVEL_SOURCE_DIR");
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runSorvel(const QStringList &args, const QString &language, int timeoutMs = 240000)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), language);
    p.setProcessEnvironment(env);
    p.start(TestSupport::builtProgram(QStringLiteral("sorvel")), args);
    Run r;
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogues_data();
    void catalogues();
    void chooseLanguage_data();
    void chooseLanguage();
    void desktopWishes();
    void formatsFollowTheLanguage();
    void dvdLanguageOfLocale();
    void helpWrapsAndTranslates();
    void dvdCarriesTheLanguage();
};

void TestCatalogues::catalogues_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages =
        QString::fromLatin1(SORVEL_LANGUAGES).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QVERIFY(!languages.isEmpty());
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

// lupdate over the sources, run on a copy, finds no new text; no entry is
// unfinished; every translation keeps the source's markers (a lost %1
// drops a file name from a message) and has the language's plural forms;
// a compiled catalogue is next to the program.
void TestCatalogues::catalogues()
{
    QFETCH(QString, language);
    const QString ts = sourceDir() + QStringLiteral("/translations/sorvel_%1.ts").arg(language);
    QString tsLanguage;
    const QList<Message> messages = readCatalogue(ts, &tsLanguage);
    QVERIFY2(messages.size() > 100, qPrintable(ts));

    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(": ") + m.source.left(60);
        if (m.unfinished || m.translations.isEmpty() || m.translations.first().isEmpty()) {
            faults << QStringLiteral("unfinished: ") + where;
            continue;
        }
        if (m.numerus && m.translations.size() != pluralForms(tsLanguage))
            faults << QStringLiteral("plural forms: ") + where;
        QString source = m.source;
        const QStringList wanted = markers(source.remove(QStringLiteral("%n")));
        for (QString t : m.translations) {
            if (markers(t.remove(QStringLiteral("%n"))) != wanted)
                faults << QStringLiteral("markers: ") + where;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QFileInfo(ts).fileName());
    QVERIFY(QFile::copy(ts, copy));
    QProcess lupdate;
    QStringList args{QStringLiteral("@") + QStringLiteral(SORVEL_LUPDATE_LIST)};
    args << QString::fromLatin1(SORVEL_LUPDATE_OPTIONS).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    args << QStringLiteral("-ts") << copy;
    lupdate.start(QStringLiteral(SORVEL_LUPDATE), args);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    QString dummy;
    const QList<Message> updated = readCatalogue(copy, &dummy);
    QStringList added;
    for (const Message &m : updated) {
        if (m.unfinished)
            added << m.context + QStringLiteral(": ") + m.source;
    }
    QVERIFY2(added.isEmpty(), qPrintable(QStringLiteral("run `make translations` and translate:\n") +
                                         added.join(QLatin1Char('\n'))));
    QCOMPARE(updated.size(), messages.size());

    QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(qgetenv("SORVEL_APPDIR")) +
                              QStringLiteral("/translations/sorvel_%1.qm").arg(language)));
}

void TestCatalogues::chooseLanguage_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("wishes");
    QTest::addColumn<QString>("expected");
    const QStringList none;
    QTest::newRow("nothing wished") << QString() << none << "en";
    QTest::newRow("exact") << QString() << QStringList{"pt_BR"} << "pt_BR";
    QTest::newRow("country of the language") << QString() << QStringList{"de_AT"} << "de";
    QTest::newRow("language for its variant") << QString() << QStringList{"pt_PT"} << "pt_BR";
    QTest::newRow("first wish spoken") << QString() << QStringList{"ja", "fr_CA", "de"} << "fr";
    QTest::newRow("English stops the search") << QString() << QStringList{"en_GB", "de"} << "en";
    QTest::newRow("nothing spoken") << QString() << QStringList{"ja", "ko"} << "en";
    QTest::newRow("Preferences win") << "pl" << QStringList{"de"} << "pl";
    QTest::newRow("English chosen") << "en" << QStringList{"de"} << "en";
    QTest::newRow("choice without catalogue") << "nl" << QStringList{"de"} << "de";
}

void TestCatalogues::chooseLanguage()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, wishes);
    QFETCH(QString, expected);
    const QStringList available{"de", "es", "fr", "it", "pl", "pt_BR"};
    QCOMPARE(UiLanguage::choose(choice, wishes, available), expected);
}

// LANGUAGE first (a list), then LC_ALL (which hides the others),
// LC_MESSAGES and LANG; encodings and modifiers dropped, C ignored.
void TestCatalogues::desktopWishes()
{
    const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i)
        saved[i] = qgetenv(names[i]);
    auto set = [&](const char *language, const char *all, const char *messages, const char *lang) {
        const char *values[] = {language, all, messages, lang};
        for (int i = 0; i < 4; ++i) {
            if (values[i])
                qputenv(names[i], values[i]);
            else
                qunsetenv(names[i]);
        }
    };
    set("pl:de_DE", nullptr, "fr_FR.UTF-8", "C.UTF-8");
    QCOMPARE(UiLanguage::environmentLanguages(), (QStringList{"pl", "de_DE", "fr_FR"}));
    set(nullptr, "it_IT.UTF-8@euro", "fr_FR.UTF-8", "de_DE.UTF-8");
    QCOMPARE(UiLanguage::environmentLanguages(), QStringList{"it_IT"});
    set(nullptr, nullptr, nullptr, "POSIX");
    QVERIFY(UiLanguage::environmentLanguages().isEmpty());
    for (int i = 0; i < 4; ++i) {
        if (saved[i].isNull())
            qunsetenv(names[i]);
        else
            qputenv(names[i], saved[i]);
    }
}

// German text with German numbers; a system locale of the same language
// keeps its country's conventions.
void TestCatalogues::formatsFollowTheLanguage()
{
    const QLocale c(QLocale::C);
    QCOMPARE(UiLanguage::formatsLocale(QStringLiteral("de"), c).toString(1.5), QStringLiteral("1,5"));
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    QCOMPARE(UiLanguage::formatsLocale(QStringLiteral("de"), swiss), swiss);
    QCOMPARE(UiLanguage::formatsLocale(QStringLiteral("pt_BR"), c).toString(1234.5, 'f', 1),
             QStringLiteral("1.234,5"));
    QCOMPARE(UiLanguage::nativeName(QStringLiteral("de")), QStringLiteral("Deutsch"));
    QVERIFY(UiLanguage::nativeName(QStringLiteral("pt_BR")).contains(QStringLiteral("Brasil")));
}

void TestCatalogues::dvdLanguageOfLocale()
{
    QCOMPARE(g_DVDLanguages.languageName(QStringLiteral("de")), QStringLiteral("Deutsch (German)"));
    QCOMPARE(g_DVDLanguages.languageName(QStringLiteral("pt_BR")), QStringLiteral("Portuguese"));
    QCOMPARE(g_DVDLanguages.languageName(QStringLiteral("pl")), QStringLiteral("Polish"));
    QCOMPARE(g_DVDLanguages.languageName(QStringLiteral("he")), QStringLiteral("Hebrew"));
    QCOMPARE(g_DVDLanguages.languageCode(g_DVDLanguages.languageName(QStringLiteral("es"))),
             QStringLiteral("ES"));
    QVERIFY(g_DVDLanguages.languageName(QStringLiteral("xx")).isEmpty());
    QVERIFY(g_DVDLanguages.languageName(QString()).isEmpty());
}

// The help in each shipped language: translated, every line within 79
// columns, the options still there as they are typed.
void TestCatalogues::helpWrapsAndTranslates()
{
    QCOMPARE(wrapText(QStringLiteral("aa bb cc"), 2, 7), QStringLiteral("  aa bb\n  cc\n"));
    QCOMPARE(wrapText(QStringLiteral("averyveryverylongword x"), 0, 5),
             QStringLiteral("averyveryverylongword\nx\n"));

    const Run english =
        runSorvel({QStringLiteral("make-dvd"), QStringLiteral("--help")}, QStringLiteral("en"));
    QCOMPARE(english.exitCode, 0);
    QVERIFY(english.out.startsWith("Usage: sorvel make-dvd"));
    const QStringList languages =
        QString::fromLatin1(SORVEL_LANGUAGES).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &language : languages) {
        const Run help = runSorvel({QStringLiteral("make-dvd"), QStringLiteral("--help")}, language);
        QCOMPARE(help.exitCode, 0);
        const QString text = QString::fromUtf8(help.out);
        QVERIFY2(!text.contains(QStringLiteral("Usage:")) && !text.contains(QStringLiteral("show this help")),
                 qPrintable(language));
        for (const char *option : {"--to-folder DIR", "--quality Q", "--verbose", "-h, --help"})
            QVERIFY2(text.contains(QLatin1String(option)), option);
        for (const QString &line : text.split(QLatin1Char('\n')))
            QVERIFY2(line.size() <= 79, qPrintable(language + QStringLiteral(": ") + line));
        const Run top = runSorvel({QStringLiteral("--help")}, language);
        QVERIFY2(!top.out.contains("Without a command"), qPrintable(language));
    }
    if (languages.contains(QStringLiteral("de"))) {
        const Run bad =
            runSorvel({QStringLiteral("make-dvd"), QStringLiteral("--channels"), QStringLiteral("3"),
                       QStringLiteral("--to-iso"), QStringLiteral("x.iso"), QStringLiteral("a.jpg")},
                      QStringLiteral("de"));
        QCOMPARE(bad.exitCode, 2);
        QVERIFY2(bad.err.contains("--channels muss 1, 2 oder 6 sein"), bad.err.constData());
    }
}

// make-dvd under LANGUAGE=de writes a disc whose sound track says "de";
// under English, "en".
void TestCatalogues::dvdCarriesTheLanguage()
{
    const QStringList languages =
        QString::fromLatin1(SORVEL_LANGUAGES).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QString language =
        languages.contains(QStringLiteral("de")) ? QStringLiteral("de") : languages.value(0);
    const QString dir = TestSupport::freshDir(QStringLiteral("dvdlanguage"));
    QImage photo(320, 240, QImage::Format_RGB32);
    photo.fill(qRgb(40, 120, 200));
    QVERIFY(photo.save(dir + QStringLiteral("/one.png")));
    for (const QString &lang : {language, QStringLiteral("en")}) {
        const QString out = dir + QStringLiteral("/out-") + lang;
        const Run run = runSorvel(
            {QStringLiteral("make-dvd"), QStringLiteral("--quiet"), QStringLiteral("--to-folder"), out,
             QStringLiteral("--volume-label"), QStringLiteral("LANG"), QStringLiteral("--photo-duration"),
             QStringLiteral("1000"), QStringLiteral("--no-transition"), QStringLiteral("--no-dynamic-effect"),
             QStringLiteral("--temp-dir"), dir, dir + QStringLiteral("/one.png")},
            lang);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const DvdCheck::Disc disc = DvdCheck::read(out + QStringLiteral("/LANG"));
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        QCOMPARE(disc.titles.first().audio.size(), 1);
        QCOMPARE(disc.titles.first().audio.first().language, lang.left(2));
    }
}

QTEST_GUILESS_MAIN(TestCatalogues)

#include "test_catalogues.moc"
