// Reading the status text of the authoring tools: lines split at carriage
// returns and line feeds across reads, mplex's error rules, and the output
// size dvdauthor reports.
#include "toolsupport.h"

#include <QtTest>

using namespace DvdTools;

namespace {
constexpr qint64 MiB = 1048576;

// dvdauthor's standard error for two title sets, as it prints it: progress
// lines end in a carriage return, the count starts again for the second
// title set, and the fixing pass reports sizes that are no progress.
const QByteArray kTwoTitleSets = "DVDAuthor::dvdauthor, version 0.7.2.\n"
                                 "Build options: gnugetopt iconv freetype fribidi fontconfig\n\n"
                                 "INFO: default video format is PAL\n"
                                 "INFO: dvdauthor creating VTS\n"
                                 "STAT: Picking VTS 01\n\n"
                                 "STAT: Processing title_0.vob...\n"
                                 "STAT: VOBU 16 at 1MB, 1 PGCs\r"
                                 "STAT: VOBU 33 at 2MB, 1 PGCs\r"
                                 "STAT: VOBU 49 at 3MB, 1 PGCs\r"
                                 "STAT: VOBU 51 at 3MB, 1 PGCs\r\n"
                                 "INFO: Video pts = 0.160 .. 3.120\n"
                                 "CHAPTERS: VTS[1/1] 0.000\n\n"
                                 "STAT: fixing VOBU at 3MB (51/51, 100%)\r"
                                 "STAT: fixed 51 VOBUs                         \n"
                                 "INFO: dvdauthor creating VTS\n"
                                 "STAT: Picking VTS 02\n\n"
                                 "STAT: Processing title_1.vob...\n"
                                 "STAT: VOBU 16 at 1MB, 1 PGCs\r"
                                 "STAT: VOBU 30 at 2MB, 1 PGCs\r\n"
                                 "STAT: fixing VOBU at 2MB (30/30, 100%)\r"
                                 "STAT: fixed 30 VOBUs                         \n"
                                 "INFO: dvdauthor creating table of contents\n";

// Feeds the text in the given pieces; returns the written sizes at every
// growth.
QList<qint64> progressOf(const QList<QByteArray> &chunks)
{
    LineBuffer lines;
    VobuProgress progress;
    QList<qint64> sizes;
    auto take = [&](const QList<QByteArray> &complete) {
        for (const QByteArray &line : complete) {
            if (progress.feedLine(line))
                sizes.append(progress.written());
        }
    };
    for (const QByteArray &chunk : chunks)
        take(lines.feed(chunk));
    take(lines.flush());
    return sizes;
}
} // namespace

class TestAuthoringParsing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineBufferKeepsUnfinishedLines();
    void vobuSizeOfOneLine_data();
    void vobuSizeOfOneLine();
    void progressOverTitleSets();
    void progressIndependentOfReadBoundaries();
    void progressBeyondTwoGibibytes();
    void authoringPercentage();
    void mplexErrorRules_data();
    void mplexErrorRules();
    void commandLineForTheLog();
};

void TestAuthoringParsing::lineBufferKeepsUnfinishedLines()
{
    LineBuffer b;
    QCOMPARE(b.feed("STAT: VOBU 1 at 1MB\rSTAT: VO"), QList<QByteArray>{"STAT: VOBU 1 at 1MB"});
    QCOMPARE(b.feed("BU 2 at 2MB, 1 PGCs"), QList<QByteArray>{});
    QCOMPARE(b.feed("\r\n\r\nINFO: x\n"), (QList<QByteArray>{"STAT: VOBU 2 at 2MB, 1 PGCs", "INFO: x"}));
    QCOMPARE(b.feed("tail without end"), QList<QByteArray>{});
    QCOMPARE(b.flush(), QList<QByteArray>{"tail without end"});
    QCOMPARE(b.flush(), QList<QByteArray>{});
    // A multi-byte character split between reads is whole again.
    b.feed("**ERROR: caf\xc3");
    QCOMPARE(QString::fromUtf8(b.feed("\xa9\n").value(0)), QStringLiteral("**ERROR: café"));
}

void TestAuthoringParsing::vobuSizeOfOneLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("bytes");
    QTest::newRow("usual") << QByteArray("STAT: VOBU 16 at 7MB, 1 PGCs") << 7 * MiB;
    QTest::newRow("zero") << QByteArray("STAT: VOBU 7 at 0MB, 1 PGCs") << qint64(0);
    QTest::newRow("extra spaces") << QByteArray("STAT:  VOBU  16   at 12MB, 1 PGCs") << qint64(-1);
    QTest::newRow("spaces after the prefix") << QByteArray("STAT: VOBU   16 at  12MB, 1 PGCs") << 12 * MiB;
    QTest::newRow("no MB") << QByteArray("STAT: VOBU 16 at 5 1 PGCs") << 5 * MiB;
    QTest::newRow("not a number") << QByteArray("STAT: VOBU 16 at xMB, 1 PGCs") << qint64(0);
    QTest::newRow("too short") << QByteArray("STAT: VOBU 16 at") << qint64(0);
    QTest::newRow("fixing pass") << QByteArray("STAT: fixing VOBU at 7MB (17/17, 94%)") << qint64(-1);
    QTest::newRow("case matters") << QByteArray("stat: VOBU 16 at 7MB, 1 PGCs") << qint64(-1);
    QTest::newRow("other text") << QByteArray("INFO: STAT: VOBU 16 at 7MB") << qint64(-1);
}

void TestAuthoringParsing::vobuSizeOfOneLine()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, bytes);
    QCOMPARE(VobuProgress::vobuBytes(line), bytes);
}

void TestAuthoringParsing::progressOverTitleSets()
{
    // The second title set's count adds to the first's.
    QCOMPARE(progressOf({kTwoTitleSets}), (QList<qint64>{1 * MiB, 2 * MiB, 3 * MiB, 4 * MiB, 5 * MiB}));
    // Two lines of one read, as in a 12 MiB run: 3 and 6 MiB.
    QCOMPARE(progressOf({"STAT: VOBU 10 at 3MB, 1 PGCs\rSTAT: VOBU 20 at 6MB, 1 PGCs\r"}),
             (QList<qint64>{3 * MiB, 6 * MiB}));
    // A count that starts again without a title set line still adds up.
    QCOMPARE(progressOf({"STAT: VOBU 9 at 4MB\rSTAT: VOBU 2 at 1MB\rSTAT: VOBU 3 at 2MB\r"}),
             (QList<qint64>{4 * MiB, 5 * MiB, 6 * MiB}));
}

void TestAuthoringParsing::progressIndependentOfReadBoundaries()
{
    const QList<qint64> whole = progressOf({kTwoTitleSets});
    for (int cut = 1; cut < kTwoTitleSets.size(); ++cut) {
        const QList<qint64> split = progressOf({kTwoTitleSets.left(cut), kTwoTitleSets.mid(cut)});
        QVERIFY2(split == whole, qPrintable(QStringLiteral("split at byte %1").arg(cut)));
    }
    QList<QByteArray> bytes;
    for (char c : kTwoTitleSets)
        bytes.append(QByteArray(1, c));
    QCOMPARE(progressOf(bytes), whole);
}

void TestAuthoringParsing::progressBeyondTwoGibibytes()
{
    VobuProgress p;
    QVERIFY(p.feedLine("STAT: VOBU 90000 at 2047MB, 1 PGCs"));
    QVERIFY(p.feedLine("STAT: VOBU 99000 at 4400MB, 1 PGCs"));
    QCOMPARE(p.written(), 4400 * MiB);
    QVERIFY(!p.feedLine("STAT: Picking VTS 02"));
    QVERIFY(p.feedLine("STAT: VOBU 16 at 100MB, 1 PGCs"));
    QCOMPARE(p.written(), 4500 * MiB);
    p.reset();
    QCOMPARE(p.written(), qint64(0));
}

void TestAuthoringParsing::authoringPercentage()
{
    // 3 and 6 MiB of a 12 MiB disc.
    QCOMPARE(VobuProgress::authorPercent(3 * MiB, 12 * MiB), 62);
    QCOMPARE(VobuProgress::authorPercent(6 * MiB, 12 * MiB), 75);
    QCOMPARE(VobuProgress::authorPercent(0, 12 * MiB), 50);
    // The output may come out a little larger than the VOBs; 100 waits for
    // the successful end.
    QCOMPARE(VobuProgress::authorPercent(13 * MiB, 12 * MiB), 99);
    QCOMPARE(VobuProgress::authorPercent(5 * MiB, 0), 50);
    // Sizes beyond 2 GiB.
    QCOMPARE(VobuProgress::authorPercent(3000 * MiB, 4000 * MiB), 87);
}

void TestAuthoringParsing::mplexErrorRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::newRow("under-run") << QByteArray("**ERROR: [mplex] MUX STATUS: Frame data under-runs detected!")
                               << int(MplexLine::UnderRun);
    QTest::newRow("error") << QByteArray("**ERROR: [mplex] Could not open video.m2v")
                           << int(MplexLine::Error);
    QTest::newRow("error not at the start")
        << QByteArray("   INFO: [mplex] **ERROR: nothing") << int(MplexLine::Other);
    QTest::newRow("warning") << QByteArray("++ WARN: [mplex] Stream e0: data will arrive too late")
                             << int(MplexLine::Other);
    QTest::newRow("no under-run") << QByteArray("   INFO: [mplex] MUX STATUS: no under-runs detected.")
                                  << int(MplexLine::Other);
}

void TestAuthoringParsing::mplexErrorRules()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QCOMPARE(int(classifyMplexLine(line)), kind);
}

void TestAuthoringParsing::commandLineForTheLog()
{
    QCOMPARE(commandLineText(
                 QStringLiteral("/usr/bin/mplex"),
                 {QStringLiteral("-o"), QStringLiteral("/tmp/a b/it's \"x\".vob"), QStringLiteral("v.m2v")}),
             QStringLiteral("/usr/bin/mplex -o '/tmp/a b/it'\\''s \"x\".vob' v.m2v"));
}

QTEST_GUILESS_MAIN(TestAuthoringParsing)
#include "test_authoring_parsing.moc"
