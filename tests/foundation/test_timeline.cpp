// The timeline: album durations in milliseconds to whole frames at PAL,
// NTSC and the video export's rates, without drift, and the positions and
// progress the renderer asks for.
#include <QTest>

#include "album/album.h"
#include "album/timeline.h"

#include <cmath>

class TestTimeline : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cutsStayOnTheAlbumsTime_data();
    void cutsStayOnTheAlbumsTime();
    void transitionsAlternateWithoutDrift();
    void everyFrameHasOnePlace();
    void appearanceRunsAcrossTheTransitions();
    void snappingAtEveryRate_data();
    void snappingAtEveryRate();
    void albumAndFormat();
};

void TestTimeline::cutsStayOnTheAlbumsTime_data()
{
    QTest::addColumn<int>("rateNum");
    QTest::addColumn<int>("rateDen");
    QTest::addColumn<int>("photoMs");
    QTest::addColumn<int>("transitionMs");
    QTest::newRow("PAL 3280") << 25 << 1 << 3280 << 0;
    QTest::newRow("PAL 4800") << 25 << 1 << 4800 << 0;
    QTest::newRow("NTSC 3280") << 30000 << 1001 << 3280 << 0;
    QTest::newRow("NTSC 4800") << 30000 << 1001 << 4800 << 0;
    QTest::newRow("PAL 3280 + 1500") << 25 << 1 << 3280 << 1500;
    QTest::newRow("NTSC 4800 + 1500") << 30000 << 1001 << 4800 << 1500;
    QTest::newRow("30 fps 5000 + 1500") << 30 << 1 << 5000 << 1500;
    QTest::newRow("60 fps 3280 + 700") << 60 << 1 << 3280 << 700;
}

void TestTimeline::cutsStayOnTheAlbumsTime()
{
    QFETCH(int, rateNum);
    QFETCH(int, rateDen);
    QFETCH(int, photoMs);
    QFETCH(int, transitionMs);
    // A 12-minute show and far beyond: every photo starts within half a
    // frame of the time the album states, however many came before.
    const int photos = 2000;
    const Timeline t(photos, photoMs, transitionMs, rateNum, rateDen);
    const double frameMs = 1000.0 * rateDen / rateNum;
    for (int k = 0; k <= photos; ++k) {
        const double albumMs = k < photos ? double(k) * (photoMs + transitionMs)
                                          : double(photos) * photoMs + double(photos - 1) * transitionMs;
        const double frameTime = double(t.photoStart(k)) * frameMs;
        QVERIFY2(std::abs(frameTime - albumMs) <= frameMs / 2 + 1e-6,
                 qPrintable(QStringLiteral("photo %1: frame time %2 ms, album %3 ms")
                                .arg(k)
                                .arg(frameTime)
                                .arg(albumMs)));
        if (k < photos - 1) {
            const double cutMs = double(k) * (photoMs + transitionMs) + photoMs;
            QVERIFY(std::abs(double(t.transitionStart(k)) * frameMs - cutMs) <= frameMs / 2 + 1e-6);
        }
    }
    // The last frame belongs to the last photo, and the total is the
    // album's length to the nearest frame.
    QCOMPARE(t.at(t.totalFrames() - 1).photo, photos - 1);
    QVERIFY(!t.at(t.totalFrames() - 1).inTransition);
    QCOMPARE(t.at(t.totalFrames()).photo, -1);
    QVERIFY(std::abs(t.seconds() * 1000 - (double(photos) * photoMs + double(photos - 1) * transitionMs)) <=
            frameMs / 2 + 1e-6);
}

void TestTimeline::transitionsAlternateWithoutDrift()
{
    // PAL: a 3280 ms photo is 82 frames, a 1500 ms transition 37.5: the
    // transitions take 37 and 38 frames in turn, the photos stay 82 frames.
    const Timeline pal(30, 3280, 1500, 25, 1);
    for (int k = 0; k < 29; ++k) {
        QCOMPARE(pal.transitionStart(k) - pal.photoStart(k), int64_t(82));
        QCOMPARE(pal.photoStart(k + 1) - pal.transitionStart(k), int64_t(k % 2 == 0 ? 38 : 37));
    }
    // 30 x 3280 + 29 x 1500 = 141900 ms = 3547.5 frames, the half rounded up.
    QCOMPARE(pal.totalFrames(), int64_t(3548));
    QCOMPARE(pal.photoStart(29), int64_t(3466)); // 29 x 4780 ms = 3465.5 frames
    // NTSC: a 4800 ms photo is 143.86 frames: 144 mostly, 143 now and
    // then, and photo 30 starts at 4315.7 frames.
    const Timeline ntsc(31, 4800, 0, 30000, 1001);
    QCOMPARE(ntsc.photoStart(1), int64_t(144));
    QCOMPARE(ntsc.photoStart(30), int64_t(4316));
    int shorter = 0;
    for (int k = 0; k < 30; ++k) {
        const int64_t length = ntsc.photoStart(k + 1) - ntsc.photoStart(k);
        QVERIFY(length == 143 || length == 144);
        shorter += length == 143;
    }
    QCOMPARE(shorter, 4); // 30 x 144 - 4315.68, rounded
    // Without transitions a transition starts where the next photo does.
    QCOMPARE(ntsc.transitionStart(3), ntsc.photoStart(4));
    QCOMPARE(ntsc.transitionStart(30), ntsc.totalFrames());
}

void TestTimeline::everyFrameHasOnePlace()
{
    // Walking the frames of a show visits every photo in order, each
    // transition between its photos, and the transition's progress rises
    // from 0 on its first frame by one step a frame.
    for (const auto &rate : {std::pair<int, int>{25, 1}, {30000, 1001}, {50, 1}}) {
        const Timeline t(7, 3280, 1500, rate.first, rate.second);
        int lastPhoto = 0;
        bool lastInTransition = false;
        for (int64_t f = 0; f < t.totalFrames(); ++f) {
            const Timeline::Position p = t.at(f);
            QVERIFY(p.photo >= 0);
            if (p.photo != lastPhoto) {
                QCOMPARE(p.photo, lastPhoto + 1);
                QVERIFY(lastInTransition);
                QCOMPARE(f, t.photoStart(p.photo));
            }
            QCOMPARE(p.inTransition, f >= t.transitionStart(p.photo));
            if (p.inTransition) {
                const int64_t first = t.transitionStart(p.photo);
                const double length = double(t.photoStart(p.photo + 1) - first);
                QCOMPARE(p.progress, double(f - first) / length);
            } else {
                QCOMPARE(p.progress, 0.0);
            }
            lastPhoto = p.photo;
            lastInTransition = p.inTransition;
        }
        QCOMPARE(lastPhoto, 6);
    }
    QCOMPARE(Timeline().totalFrames(), int64_t(0));
    QCOMPARE(Timeline().at(0).photo, -1);
    QCOMPARE(Timeline(1, 5000, 1500, 25, 1).totalFrames(), int64_t(125)); // one photo: no transition
}

void TestTimeline::appearanceRunsAcrossTheTransitions()
{
    // A photo appears from the start of the transition into it to the end
    // of the transition out of it: 5000 + 2 x 1500 ms = 200 PAL frames,
    // sampled at the middle of each frame.
    const Timeline t(3, 5000, 1500, 25, 1);
    QCOMPARE(t.transitionStart(0), int64_t(125));
    QCOMPARE(t.appearance(1, 125), 0.5 / 200.0);
    QCOMPARE(t.appearance(0, 0), (37.5 + 0.5) / 200.0); // as if a transition had led in
    for (int64_t f = 1; f < t.totalFrames(); ++f)
        QVERIFY(std::abs(t.appearance(1, f) - t.appearance(1, f - 1) - 1.0 / 200.0) < 1e-12);
    // The outgoing and incoming photo of a transition are in step: the
    // incoming one is one photo-and-transition behind.
    const int64_t mid = (t.transitionStart(1) + t.photoStart(2)) / 2;
    QVERIFY(std::abs(t.appearance(1, mid) - t.appearance(2, mid) - 6500.0 / 8000.0) < 1e-12);
}

void TestTimeline::snappingAtEveryRate_data()
{
    QTest::addColumn<int>("rateNum");
    QTest::addColumn<int>("rateDen");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("PAL up") << 25 << 1 << 1500 << 1501 << 1520;
    QTest::newRow("PAL down") << 25 << 1 << 1500 << 1499 << 1480;
    QTest::newRow("NTSC up from 4800") << 30000 << 1001 << 4800 << 4801 << 4805; // 144 frames
    QTest::newRow("NTSC down to 4771") << 30000 << 1001 << 4800 << 4799 << 4771; // 143 frames
    QTest::newRow("30 fps up") << 30 << 1 << 1500 << 1501 << 1533;               // 46 frames
    QTest::newRow("30 fps down") << 30 << 1 << 1500 << 1499 << 1467;             // 44 frames
    QTest::newRow("50 fps up") << 50 << 1 << 1500 << 1501 << 1520;
    QTest::newRow("60 fps up") << 60 << 1 << 1500 << 1501 << 1517;   // 91 frames
    QTest::newRow("60 fps down") << 60 << 1 << 1500 << 1499 << 1483; // 89 frames
}

void TestTimeline::snappingAtEveryRate()
{
    QFETCH(int, rateNum);
    QFETCH(int, rateDen);
    QFETCH(int, current);
    QFETCH(int, requested);
    QFETCH(int, expected);
    const Timeline t(0, 0, 0, rateNum, rateDen);
    QCOMPARE(t.snapDurationMs(requested, current), expected);
    QVERIFY(t.isWholeFrames(expected));
    // The snapped value is the shown value of its frames, and a step of
    // one millisecond from it reaches the next whole frame either way.
    QCOMPARE(t.msOf(t.framesOf(expected)), expected);
    QCOMPARE(t.framesOf(t.snapDurationMs(expected + 1, expected)), t.framesOf(expected) + 1);
    QCOMPARE(t.framesOf(t.snapDurationMs(expected - 1, expected)), t.framesOf(expected) - 1);
}

void TestTimeline::albumAndFormat()
{
    Album album{QString()};
    for (int i = 0; i < 4; ++i)
        album.photos.append(ImageInfo());
    album.setPhotoDurationExactMs(4800);
    const OutputFormat ntsc = OutputFormat::forStandard(TvStandard::Ntsc);
    QCOMPARE(Timeline::of(album, ntsc), Timeline(4, 4800, 1500, 30000, 1001));
    album.settings.useTransition = false;
    QCOMPARE(Timeline::of(album, ntsc), Timeline(4, 4800, 0, 30000, 1001));
    // 4 x 4800 ms at 30000/1001: 575.4 frames.
    QCOMPARE(Timeline::of(album, ntsc).totalFrames(), int64_t(575));
    // The duration controls snap with the same rule.
    QCOMPARE(album.setPhotoDurationMs(4801, ntsc), 4805);
    QCOMPARE(album.setTransitionDurationMs(1499, OutputFormat::forStandard(TvStandard::Pal)), 1480);
}

QTEST_APPLESS_MAIN(TestTimeline)
#include "test_timeline.moc"
