// The DVDs a run makes, read back and decoded as a careful check does:
// every photo change on the frame its album states (PAL and NTSC, durations
// that are no whole number of frames), the show ending on its last photo
// with the music, the video rate within the DVD's limits, still photos that
// do not fill the disc, the sound in step with the pictures, and what the
// disc does when the show ends (a libdvdnav walk).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <numeric>

#include "album/album.h"
#include "album/probe.h"
#include "album/timeline.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "dvdcheck.h"
#include "dvdinspect.h"
#include "engine/streamwriter.h"
#include "job/dvdgeneration.h"
#include "job/makejob.h"
#include "testmedia.h"
#include "testsupport.h"

namespace {

// The colours of the test photos, and which one a decoded picture shows
// (by its mean Y, U and V): -1 for none of them.
const QRgb kColours[] = {qRgb(220, 30, 30), qRgb(30, 30, 220), qRgb(30, 200, 30)};
constexpr int kColourCount = 3;

std::array<double, 3> yuvOf(QRgb c)
{
    const double r = qRed(c), g = qGreen(c), b = qBlue(c);
    const double y = 16 + (65.738 * r + 129.057 * g + 25.064 * b) / 256;
    const double u = 128 + (-37.945 * r - 74.494 * g + 112.439 * b) / 256;
    const double v = 128 + (112.439 * r - 94.154 * g - 18.285 * b) / 256;
    return {y, u, v};
}

int colourShown(const std::array<double, 3> &yuv, int colours)
{
    for (int i = 0; i < colours; ++i) {
        const std::array<double, 3> want = yuvOf(kColours[i]);
        if (std::abs(yuv[0] - want[0]) < 12 && std::abs(yuv[1] - want[1]) < 12 &&
            std::abs(yuv[2] - want[2]) < 12)
            return i;
    }
    return -1;
}

} // namespace

class TestDvdTiming : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cutsLandOnTheAlbumsFrames_data();
    void cutsLandOnTheAlbumsFrames();
    void ratesStayWithinTheDvdLimits_data();
    void ratesStayWithinTheDvdLimits();
    void stillPhotosDoNotFillTheDisc();
    void soundStartsWithThePictures_data();
    void soundStartsWithThePictures();
    void whatTheDiscDoesWhenTheShowEnds_data();
    void whatTheDiscDoesWhenTheShowEnds();
    void menuFromTheAlbum();
    void menuTitleBackgroundAndMusic();
    void menuFollowsTheEditorsTurns();

private:
    // Photos of one colour each, colours taken in turn.
    void addSolidPhotos(Album &album, int count, int colours);
    void addPhoto(Album &album, const QImage &image, const QString &name);
    void addClip(Album &album, const QString &path);
    // Makes the album's DVD folder; empty (and a failed check) when the run
    // fails.
    QString makeDvd(const Album &album, const MakeRequest &request, const QString &name);
    // The title's VOB as a player reads it, copied out of the DVD folder.
    QString titleVob(const QString &dvd, const QString &name);
    QString m_dir;
};

void TestDvdTiming::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("dvdtiming"));
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
    for (int i = 0; i < kColourCount; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(kColours[i]);
        QVERIFY(image.save(m_dir + QStringLiteral("/colour%1.png").arg(i)));
    }
}

void TestDvdTiming::addPhoto(Album &album, const QImage &image, const QString &name)
{
    const QString path = m_dir + QLatin1Char('/') + name;
    if (!QFile::exists(path))
        QVERIFY(image.save(path));
    ImageInfo info;
    info.path = path;
    QVERIFY(probeImage(info, path));
    prepareImportedPhoto(info, false);
    album.photos.append(info);
}

void TestDvdTiming::addSolidPhotos(Album &album, int count, int colours)
{
    for (int i = 0; i < count; ++i) {
        ImageInfo info;
        info.path = m_dir + QStringLiteral("/colour%1.png").arg(i % colours);
        QVERIFY(probeImage(info, info.path));
        prepareImportedPhoto(info, false);
        album.photos.append(info);
    }
}

void TestDvdTiming::addClip(Album &album, const QString &path)
{
    AudioInfo clip;
    clip.path = path;
    QVERIFY(probeAudio(clip, path));
    album.audios.append(clip);
}

QString TestDvdTiming::makeDvd(const Album &album, const MakeRequest &base, const QString &name)
{
    MakeRequest request = base;
    request.album = album;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvd-") + name;
    request.tempBase = m_dir + QStringLiteral("/temp-") + name;
    MakeJob job;
    QSignalSpy finished(&job, &MakeJob::finished);
    if (!job.start(request) || !finished.wait(600000)) {
        qWarning("the run of %s did not end", qPrintable(name));
        return QString();
    }
    const JobResult result = finished.first().at(0).value<JobResult>();
    if (!result.ok()) {
        qWarning("the run of %s failed: %s", qPrintable(name), qPrintable(result.message));
        return QString();
    }
    return result.outputPath;
}

QString TestDvdTiming::titleVob(const QString &dvd, const QString &name)
{
    const QString vob = m_dir + QLatin1Char('/') + name + QStringLiteral(".vob");
    return DvdCheck::extractTitleVobs(dvd, 1, vob) ? vob : QString();
}

void TestDvdTiming::cutsLandOnTheAlbumsFrames_data()
{
    QTest::addColumn<TvStandard>("standard");
    QTest::addColumn<int>("photoMs");
    QTest::addColumn<int>("transitionMs"); // 0: cuts
    // Durations that are no whole number of frames at one standard or the
    // other: 3280 ms is 82 PAL frames but 98.3 NTSC frames; 4800 ms is 120
    // PAL frames but 143.86 NTSC frames; 1500 ms is 37.5 PAL frames.
    QTest::newRow("PAL 3280") << TvStandard::Pal << 3280 << 0;
    QTest::newRow("PAL 4800") << TvStandard::Pal << 4800 << 0;
    QTest::newRow("NTSC 3280") << TvStandard::Ntsc << 3280 << 0;
    QTest::newRow("NTSC 4800") << TvStandard::Ntsc << 4800 << 0;
    QTest::newRow("PAL 3280, 1500 transitions") << TvStandard::Pal << 3280 << 1500;
    QTest::newRow("NTSC 3280, 1500 transitions") << TvStandard::Ntsc << 3280 << 1500;
}

void TestDvdTiming::cutsLandOnTheAlbumsFrames()
{
    QFETCH(TvStandard, standard);
    QFETCH(int, photoMs);
    QFETCH(int, transitionMs);
    // 30 photos in turn red and blue (three colours with transitions, so
    // that each dissolve's two photos differ from every other), no
    // pan-and-zoom; music shorter than the show.
    const int colours = transitionMs > 0 ? 3 : 2;
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addSolidPhotos(album, 30, colours);
    album.setPhotoDurationExactMs(photoMs);
    album.setTransitionDurationExactMs(qMax(transitionMs, 500));
    album.settings.useTransition = transitionMs > 0;
    album.settings.dissolveOnly = true;
    album.settings.useDynamicEffect = false;
    const QString music = m_dir + QStringLiteral("/music.wav");
    if (!QFile::exists(music))
        QVERIFY(TestMedia::writeChordWav(music, 20.0));
    addClip(album, music);
    MakeRequest request;
    request.tvStandard = standard;
    request.videoBitRate = kLowVideoBitRate;
    const QString name = QString::fromLatin1(QTest::currentDataTag())
                             .replace(QLatin1Char(' '), QLatin1Char('-'))
                             .remove(QLatin1Char(','));
    const QString dvd = makeDvd(album, request, name);
    QVERIFY(!dvd.isEmpty());
    const QString vob = titleVob(dvd, name);
    QVERIFY(!vob.isEmpty());
    const DvdInspect::Decoded d = DvdInspect::decode(vob);
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.decodeErrors, 0);

    // The frames of the album, exactly: photo k starts at the frame nearest
    // to k x (photo + transition) ms.
    const OutputFormat format = OutputFormat::forStandard(standard);
    const Timeline timeline = Timeline::of(album, format);
    const double frameMs = 1000.0 * format.frameRateDen / format.frameRateNum;
    const double albumMs = 30.0 * photoMs + 29.0 * transitionMs;
    QCOMPARE(int64_t(d.pictureTimes.size()), timeline.totalFrames());
    QVERIFY(std::abs(d.pictureTimes.size() * frameMs - albumMs) <= frameMs / 2);
    int wrong = 0;
    QString firstWrong;
    for (int k = 0; k < 30; ++k) {
        const int64_t start = std::llround(double(k) * (photoMs + transitionMs) / frameMs);
        QCOMPARE(timeline.photoStart(k), start);
        const int64_t end = k < 29 ? std::llround((double(k) * (photoMs + transitionMs) + photoMs) / frameMs)
                                   : int64_t(d.pictureTimes.size());
        // Every frame of the photo's own time shows it, the first and the
        // last included; with cuts, the frame before its first shows the
        // photo before.
        for (int64_t f = start; f < end; ++f) {
            if (colourShown(d.centreYuv[int(f)], colours) != k % colours && wrong++ == 0)
                firstWrong = QStringLiteral("frame %1 of photo %2").arg(f).arg(k);
        }
        if (k > 0 && transitionMs == 0 &&
            colourShown(d.centreYuv[int(start - 1)], colours) != (k - 1) % colours && wrong++ == 0)
            firstWrong = QStringLiteral("frame %1 before photo %2").arg(start - 1).arg(k);
    }
    QVERIFY2(wrong == 0,
             qPrintable(QStringLiteral("%1 frames wrong, the first: %2").arg(wrong).arg(firstWrong)));
    // The last frame is the last photo, not black.
    QCOMPARE(colourShown(d.centreYuv.last(), colours), 29 % colours);

    // The sound lasts as long as the pictures (to within one AC-3 frame).
    QVERIFY(d.sampleRate == 48000);
    const double pictureEnd = d.pictureTimes.first() + d.pictureTimes.size() * frameMs / 1000.0;
    const double soundEnd = d.audioStart + double(d.sound.size()) / d.sampleRate;
    QVERIFY2(soundEnd >= pictureEnd - 1e-3 && soundEnd <= pictureEnd + 1536.0 / 48000 + 1e-3,
             qPrintable(QStringLiteral("pictures end at %1 s, sound at %2 s").arg(pictureEnd).arg(soundEnd)));
    // The title's playing time is the timeline's: whole seconds and frames
    // of the time code, which counts NTSC frames 30 to a second (dvdauthor
    // rounds its NTSC frames now and then by one or two).
    const DvdCheck::Disc disc = DvdCheck::read(dvd);
    QVERIFY(disc.ok);
    const int64_t n = timeline.totalFrames();
    const int nominal = standard == TvStandard::Pal ? 25 : 30;
    const double timeCode = double(n / nominal) + double(n % nominal) * frameMs / 1000.0;
    QVERIFY2(
        std::abs(disc.titles[0].seconds - timeCode) <= 2 * frameMs / 1000.0 + 1e-6,
        qPrintable(
            QStringLiteral("%1 s in the title, %2 s expected").arg(disc.titles[0].seconds).arg(timeCode)));
}

void TestDvdTiming::ratesStayWithinTheDvdLimits_data()
{
    QTest::addColumn<TvStandard>("standard");
    QTest::addColumn<int>("quality");
    QTest::newRow("PAL High") << TvStandard::Pal << kHighVideoBitRate;
    QTest::newRow("NTSC High") << TvStandard::Ntsc << kHighVideoBitRate;
    QTest::newRow("PAL Low") << TvStandard::Pal << kLowVideoBitRate;
}

void TestDvdTiming::ratesStayWithinTheDvdLimits()
{
    QFETCH(TvStandard, standard);
    QFETCH(int, quality);
    // Pattern wipes and pan-and-zoom over photos full of fine detail, each
    // after a photo that stands still (its pan-and-zoom keys alike) and
    // leaves the buffer full: the hardest the encoder meets.
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    QVERIFY(!album.patternFiles.isEmpty());
    for (int i = 0; i < 6; ++i) {
        QImage photo = TestMedia::scenicImage(1600, 1200, i + 1);
        QRandomGenerator noise(quint32(i + 1));
        for (int y = 0; y < photo.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                const int n = int(noise.bounded(90)) - 45;
                line[x] = qRgb(qBound(0, qRed(line[x]) + n, 255), qBound(0, qGreen(line[x]) + n, 255),
                               qBound(0, qBlue(line[x]) + n, 255));
            }
        }
        addPhoto(album, photo, QStringLiteral("detail%1.jpg").arg(i));
        if (i % 2 == 0)
            album.photos.last().motionEnd = album.photos.last().motionStart;
    }
    album.setPhotoDurationExactMs(2000);
    album.setTransitionDurationExactMs(1500);
    album.settings.useDynamicEffect = true;
    MakeRequest request;
    request.tvStandard = standard;
    request.videoBitRate = quality;
    request.audioBitRate = kMaxAudioBitRate;
    const QString name =
        QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString dvd = makeDvd(album, request, name);
    QVERIFY(!dvd.isEmpty());
    const QString vob = titleVob(dvd, name);
    QVERIFY(!vob.isEmpty());
    const DvdInspect::VideoStream v = DvdInspect::readVideoStream(vob);
    QVERIFY2(v.ok, qPrintable(v.error));

    // A variable rate, said as MPEG-2 says it: the quality's rate is the
    // header's (the most the buffer receives a second), every picture's
    // vbv_delay 0xFFFF, and the buffer the encoder kept to.
    QCOMPARE(v.headerBitRate, int64_t(quality));
    QCOMPARE(v.vbvDelays.size(), v.pictureBits.size());
    QCOMPARE(v.vbvDelays.count(0xFFFF), v.vbvDelays.size());
    QVERIFY(v.vbvBufferBits >= dvdVideoBufferBits(quality) && v.vbvBufferBits <= kDvdVbvBufferBits);
    // No second of video above 9.8 Mbit/s.
    const int perSecond = int(std::lround(v.frameRate));
    const int64_t peak = DvdInspect::largestRun(v.pictureBits, perSecond);
    QVERIFY2(peak <= kDvdMaxVideoRate, qPrintable(QStringLiteral("%1 bits in one second").arg(peak)));
    // A player's 1835008-bit buffer, filled at the header's rate, keeps at
    // least a quarter of itself (more at 9 Mbit/s).
    const int64_t lowest =
        DvdInspect::lowestOccupancy(v.pictureBits, v.frameRate, v.headerBitRate, kDvdVbvBufferBits);
    QVERIFY2(lowest >= kDvdVbvBufferBits - dvdVideoBufferBits(quality),
             qPrintable(QStringLiteral("the buffer fell to %1 bits").arg(lowest)));
    qInfo("%s: %lld pictures, peak %.2f Mbit/s in a second, average %.2f Mbit/s, buffer at least %.0f %%",
          QTest::currentDataTag(), qlonglong(v.pictureBits.size()), peak / 1e6,
          std::accumulate(v.pictureBits.begin(), v.pictureBits.end(), 0.0) * v.frameRate /
              v.pictureBits.size() / 1e6,
          100.0 * lowest / kDvdVbvBufferBits);
    // mplex takes the streams at the DVD's 10.08 Mbit/s without under-runs
    // (the title's own streams, multiplexed again as the run did).
    const QString m2v = m_dir + QLatin1Char('/') + name + QStringLiteral(".m2v");
    const QString ac3 = m_dir + QLatin1Char('/') + name + QStringLiteral(".ac3");
    QVERIFY(TestSupport::ffmpeg({QStringLiteral("-i"), vob, QStringLiteral("-map"), QStringLiteral("0:v"),
                                 QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-f"),
                                 QStringLiteral("mpeg2video"), m2v}));
    QVERIFY(TestSupport::ffmpeg({QStringLiteral("-i"), vob, QStringLiteral("-map"), QStringLiteral("0:a"),
                                 QStringLiteral("-c"), QStringLiteral("copy"), QStringLiteral("-f"),
                                 QStringLiteral("ac3"), ac3}));
    QByteArray mplexOutput;
    QCOMPARE(TestSupport::run(QStringLiteral("mplex"),
                              {QStringLiteral("-v"), QStringLiteral("1"), QStringLiteral("-f"),
                               QStringLiteral("8"), QStringLiteral("-o"),
                               m_dir + QLatin1Char('/') + name + QStringLiteral("-again.vob"), m2v, ac3},
                              &mplexOutput),
             0);
    QVERIFY2(mplexOutput.contains("MUX STATUS: no under-runs detected."),
             mplexOutput.right(2000).constData());
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(vob);
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    const Timeline timeline = Timeline::of(album, OutputFormat::forStandard(standard));
    QCOMPARE(int64_t(decoded.videoFrames), timeline.totalFrames());
    // The size estimate bounds even a show that uses the whole rate.
    QVERIFY(quint64(QFileInfo(vob).size()) <=
            MakeJob::estimateDvdSize(quality, kMaxAudioBitRate, timeline.seconds()));
}

void TestDvdTiming::stillPhotosDoNotFillTheDisc()
{
    // Twelve scenic photos, 5 s each with the default transitions (pattern
    // wipes), without pan-and-zoom, at High: at a constant 9 Mbit/s this
    // was 9 Mbit/s of padding and repeats; now a third of that at most.
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    for (int i = 0; i < 12; ++i)
        addPhoto(album, TestMedia::scenicImage(1600, 1200, i + 1), QStringLiteral("scenic%1.jpg").arg(i));
    album.settings.useDynamicEffect = false;
    MakeRequest request;
    request.videoBitRate = kHighVideoBitRate;
    const QString dvd = makeDvd(album, request, QStringLiteral("still"));
    QVERIFY(!dvd.isEmpty());
    const QString vob = titleVob(dvd, QStringLiteral("still"));
    QVERIFY(!vob.isEmpty());
    const double seconds = Timeline::of(album, OutputFormat::forStandard(TvStandard::Pal)).seconds();
    const double constantRateBytes = (9000000.0 + kDefaultAudioBitRate) * seconds / 8;
    const qint64 size = QFileInfo(vob).size();
    qInfo("still show of %.1f s: %.1f MB, against %.1f MB at a constant 9 Mbit/s", seconds, size / 1e6,
          constantRateBytes / 1e6);
    QVERIFY2(size <= constantRateBytes / 3, qPrintable(QString::number(size)));
    // The estimate stays an upper bound.
    QVERIFY(quint64(size) <=
            MakeJob::estimateDvdSize(kHighVideoBitRate, kDefaultAudioBitRate, seconds));
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(vob);
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
}

void TestDvdTiming::soundStartsWithThePictures_data()
{
    QTest::addColumn<TvStandard>("standard");
    QTest::addColumn<int>("photoMs");
    QTest::newRow("PAL") << TvStandard::Pal << 2000;   // 50 frames
    QTest::newRow("NTSC") << TvStandard::Ntsc << 2002; // 60 frames
}

void TestDvdTiming::soundStartsWithThePictures()
{
    QFETCH(TvStandard, standard);
    QFETCH(int, photoMs);
    // Photos in turn red and blue, cut without transitions; the music is
    // silent but for a tone that starts exactly when each photo does.
    const int photos = 8;
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addSolidPhotos(album, photos, 2);
    album.setPhotoDurationExactMs(photoMs);
    album.settings.useTransition = false;
    album.settings.useDynamicEffect = false;
    const int rate = 48000;
    std::vector<int16_t> pcm(size_t(photos) * photoMs * rate / 1000 * 2, 0);
    for (int k = 1; k < photos; ++k) {
        const size_t at = size_t(int64_t(k) * photoMs * rate / 1000);
        for (size_t i = 0; i < size_t(rate / 10); ++i) {
            const auto v = int16_t(16000 * std::sin(2 * M_PI * 1000.0 * double(i) / rate));
            pcm[(at + i) * 2] = pcm[(at + i) * 2 + 1] = v;
        }
    }
    const QString music = m_dir + QStringLiteral("/tones-%1.wav").arg(photoMs);
    QVERIFY(TestMedia::writeWav(music, rate, 2, pcm));
    addClip(album, music);
    MakeRequest request;
    request.tvStandard = standard;
    const QString name = QStringLiteral("sync-") + QLatin1String(QTest::currentDataTag());
    const QString dvd = makeDvd(album, request, name);
    QVERIFY(!dvd.isEmpty());
    const QString vob = titleVob(dvd, name);
    QVERIFY(!vob.isEmpty());
    const DvdInspect::Decoded d = DvdInspect::decode(vob);
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.sampleRate, rate);

    const Timeline timeline = Timeline::of(album, OutputFormat::forStandard(standard));
    double worst = 0.0;
    for (int k = 1; k < photos; ++k) {
        // The picture: the first frame of photo k shows its colour.
        const int64_t cut = timeline.photoStart(k);
        QCOMPARE(colourShown(d.centreYuv[int(cut)], 2), k % 2);
        QCOMPARE(colourShown(d.centreYuv[int(cut - 1)], 2), (k - 1) % 2);
        const double pictureTime = d.pictureTimes[int(cut)];
        // The sound: where the tone first reaches half its height, searched
        // from 20 ms before the cut (1/12 ms after it starts, at 1 kHz).
        const double from = pictureTime - d.audioStart - 0.020;
        size_t i = size_t(std::max(0.0, from * rate));
        while (i < d.sound.size() && std::abs(d.sound[i]) < 0.5 * 16000 / 32768)
            ++i;
        QVERIFY(i < d.sound.size());
        const double soundTime = d.audioStart + double(i) / rate - std::asin(0.5) / (2 * M_PI * 1000.0);
        const double offset = soundTime - pictureTime;
        worst = std::max(worst, std::abs(offset));
        QVERIFY2(
            std::abs(offset) <= 1e-3,
            qPrintable(
                QStringLiteral("photo %1: the sound is %2 ms off the picture").arg(k).arg(offset * 1e3)));
    }
    qInfo("%s: sound within %.3f ms of the pictures", QTest::currentDataTag(), worst * 1e3);
}

void TestDvdTiming::whatTheDiscDoesWhenTheShowEnds_data()
{
    QTest::addColumn<ShowEnd>("atEnd");
    QTest::newRow("stop") << ShowEnd::Stop;
    QTest::newRow("repeat") << ShowEnd::Repeat;
}

void TestDvdTiming::whatTheDiscDoesWhenTheShowEnds()
{
    QFETCH(ShowEnd, atEnd);
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addSolidPhotos(album, 2, 2);
    album.setPhotoDurationExactMs(1000);
    MakeRequest request;
    request.atEnd = atEnd;
    request.videoBitRate = kLowVideoBitRate;
    const QString dvd =
        makeDvd(album, request, QStringLiteral("end-") + QLatin1String(QTest::currentDataTag()));
    QVERIFY(!dvd.isEmpty());
    // A player starting the disc plays the title, then stops, or starts it
    // again; it never needs more than three times the title's blocks.
    const qint64 titleBlocks = QFileInfo(dvd + QStringLiteral("/VIDEO_TS/VTS_01_1.VOB")).size() / 2048;
    const DvdInspect::Walk w = DvdInspect::walk(dvd, 3 * titleBlocks + 100);
    QVERIFY2(w.ok, qPrintable(w.error));
    QVERIFY(w.blocks >= titleBlocks);
    if (atEnd == ShowEnd::Stop) {
        QVERIFY(w.stopped);
        QCOMPARE(w.titleStarts, 1);
    } else {
        QVERIFY(!w.stopped);
        QCOMPARE(w.titleStarts, 2);
    }
}

// A run with the menu: the disc opens on the label and the album's photos,
// and each thumbnail starts its photo, with chapters at the photos even
// where the album's choice is none (the index needs them).
void TestDvdTiming::menuFromTheAlbum()
{
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addSolidPhotos(album, 3, 3);
    album.setPhotoDurationExactMs(1000);
    MakeRequest request;
    request.menu = true;
    request.chapters = ChapterMarks::None;
    request.aspect = DvdAspect::Wide;
    request.videoBitRate = kLowVideoBitRate;
    request.destination.volumeLabel = QStringLiteral("Beach Days");
    const QString dvd = makeDvd(album, request, QStringLiteral("menu"));
    QVERIFY(!dvd.isEmpty());
    const DvdCheck::Disc read = DvdCheck::read(dvd);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.titles.first().partCount, 3);

    DvdInspect::Player player(dvd);
    DvdInspect::MenuView view;
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    QCOMPARE(view.buttons, 2);
    QVERIFY(player.press(2));
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    QCOMPARE(view.buttons, 3 + 1); // the thumbnails and Back
    QVERIFY(player.press(3));
    int title = 0;
    int chapter = 0;
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(chapter, 3);

    // The index's thumbnails are the photos themselves.
    const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(DvdGeneration::menuContent(album, QString()));
    QCOMPARE(pages.size(), 2);
    for (int k = 0; k < 3; ++k) {
        const QRgb shown = pages[1].picture.pixel(pages[1].buttons[k].rect.center());
        const QColor want(kColours[k]);
        QVERIFY2(qAbs(qRed(shown) - want.red()) < 12 && qAbs(qGreen(shown) - want.green()) < 12 &&
                     qAbs(qBlue(shown) - want.blue()) < 12,
                 qPrintable(QString::number(k)));
    }
    QCOMPARE(DvdGeneration::menuContent(album, QString()).title, defaultVolumeLabel());
}

namespace {
double rmsOf(const std::vector<float> &sound, int rate, double from, double to)
{
    const size_t a = size_t(std::max(0.0, from * rate));
    const size_t b = std::min(sound.size(), size_t(to * rate));
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(sound[i]) * sound[i];
    return b > a ? std::sqrt(sum / double(b - a)) : 0.0;
}
} // namespace

// A run with the menu's own choices: its title instead of the label, the
// chosen photo behind it, and the album's first clip under it, looped.
void TestDvdTiming::menuTitleBackgroundAndMusic()
{
    Album album{qEnvironmentVariable("SORVEL_APPDIR")};
    addSolidPhotos(album, 3, 3);
    album.setPhotoDurationExactMs(1000);
    const QString wav = m_dir + QStringLiteral("/menu-chord.wav");
    QVERIFY(TestMedia::writeChordWav(wav, 5.0));
    addClip(album, wav);
    MakeRequest request;
    request.menu = true;
    request.aspect = DvdAspect::Standard;
    request.videoBitRate = kLowVideoBitRate;
    request.destination.volumeLabel = QStringLiteral("LABEL");
    request.menuChoices.title = QStringLiteral("Beach Days");
    request.menuChoices.backdrop = MenuBackdrop::Photo;
    request.menuChoices.photo = album.photos[1].path; // the blue one
    request.menuChoices.music = true;
    const QString dvd = makeDvd(album, request, QStringLiteral("menu-choices"));
    QVERIFY(!dvd.isEmpty());
    const DvdCheck::Disc read = DvdCheck::read(dvd);
    QVERIFY2(read.ok, qPrintable(read.error));

    // The main page lies on the blue photo; the pages are as long as the
    // music (the clip's five seconds), and it sounds in the middle of each
    // and fades at its ends.
    const QString menuVob = dvd + QStringLiteral("/VIDEO_TS/VIDEO_TS.VOB");
    const QImage first = DvdInspect::firstPicture(menuVob);
    const QRgb corner = first.pixel(8, 8);
    QVERIFY2(qBlue(corner) > qRed(corner) + 20 && qBlue(corner) > qGreen(corner) + 20,
             qPrintable(QString::number(corner, 16)));
    const DvdInspect::Decoded decoded = DvdInspect::decode(menuVob);
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.decodeErrors, 0);
    QCOMPARE(decoded.pictureTimes.size(), 2 * 125); // main page and one index page, 5 s each
    const double seconds = double(decoded.sound.size()) / decoded.sampleRate;
    QVERIFY2(qAbs(seconds - 10.0) < 0.1, qPrintable(QString::number(seconds)));
    const double middle = rmsOf(decoded.sound, decoded.sampleRate, 2.0, 3.0);
    QVERIFY2(middle > 0.05, qPrintable(QString::number(middle)));
    QVERIFY(rmsOf(decoded.sound, decoded.sampleRate, 0.0, 0.05) < middle * 0.15);
    QVERIFY(rmsOf(decoded.sound, decoded.sampleRate, 4.93, 4.98) < middle * 0.15);
    QVERIFY(rmsOf(decoded.sound, decoded.sampleRate, 7.0, 8.0) > middle * 0.8);

    // Its title, not the label; a walk lands on the menu and Play plays.
    const DvdMenuContent content =
        DvdGeneration::menuContent(album, request.menuChoices.title, request.menuChoices);
    QCOMPARE(content.title, QStringLiteral("Beach Days"));
    DvdInspect::Player player(dvd);
    DvdInspect::MenuView view;
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    QCOMPARE(view.buttons, 2);
    QVERIFY(player.press(1));
    int title = 0;
    int chapter = 0;
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(chapter, 1);

    // Without music in the album the choice changes nothing: a short
    // silent still.
    Album quiet = album;
    quiet.audios.clear();
    const QString still = makeDvd(quiet, request, QStringLiteral("menu-quiet"));
    QVERIFY(!still.isEmpty());
    const DvdInspect::Decoded silent = DvdInspect::decode(still + QStringLiteral("/VIDEO_TS/VIDEO_TS.VOB"));
    QVERIFY2(silent.ok, qPrintable(silent.error));
    QCOMPARE(silent.pictureTimes.size(), 2 * 25);
    QVERIFY(rmsOf(silent.sound, silent.sampleRate, 0.0, 2.0) < 1e-3);
}

// The menu shows the photos as the editor turned and mirrored them: a
// landscape photo turned a quarter is upright in its thumbnail and behind
// the main page; a title card's thumbnail is the card.
void TestDvdTiming::menuFollowsTheEditorsTurns()
{
    // Red at the left, green at the right of a landscape photo.
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(QColor(220, 30, 30));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() / 2; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(30, 200, 30));
    }
    Album album;
    addPhoto(album, image, QStringLiteral("halves.png"));
    album.photos[0].transformOps = {OpTurnRight};
    album.photos[0].orientationCode = orientationCodeFor(album.photos[0].transformOps);
    TitleCard card;
    card.text = QStringLiteral("Day 2");
    card.colour = QColor(240, 220, 20);
    album.photos.append(ImageInfo::forTitleCard(card));

    MenuChoices choices;
    const DvdMenuContent content = DvdGeneration::menuContent(album, QString(), choices);
    // Turned right: upright, the red half on top.
    const QImage thumb = content.thumbnail(0, QSize(160, 120));
    QVERIFY(thumb.height() > thumb.width());
    QVERIFY(qRed(thumb.pixel(thumb.width() / 2, thumb.height() / 4)) > 150);
    QVERIFY(qGreen(thumb.pixel(thumb.width() / 2, thumb.height() * 3 / 4)) > 150);
    const QImage background = content.background(QSize(720, 576));
    QVERIFY(background.height() > background.width());
    // Mirrored as well (turned right, then mirrored left-right): the same
    // halves, since they lie across the mirror.
    album.photos[0].transformOps = {OpMirror, OpTurnRight};
    album.photos[0].orientationCode = orientationCodeFor(album.photos[0].transformOps);
    const QImage mirrored =
        DvdGeneration::menuContent(album, QString(), choices).thumbnail(0, QSize(160, 120));
    QVERIFY(mirrored.height() > mirrored.width());
    // Turned back: the red half at the left again.
    album.photos[0].transformOps.clear();
    album.photos[0].orientationCode = 0;
    const QImage plain = DvdGeneration::menuContent(album, QString(), choices).thumbnail(0, QSize(160, 120));
    QVERIFY(plain.width() > plain.height());
    QVERIFY(qRed(plain.pixel(plain.width() / 4, plain.height() / 2)) > 150);

    // On the index page the turned photo stands in its box with bars at
    // its sides; the card is its yellow.
    album.photos[0].transformOps = {OpTurnRight};
    album.photos[0].orientationCode = orientationCodeFor(album.photos[0].transformOps);
    DvdMenuContent c = DvdGeneration::menuContent(album, QString(), choices);
    c.pal = true;
    const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(c);
    const QRect box = pages[1].buttons[0].rect;
    QVERIFY(qRed(pages[1].picture.pixel(box.center().x(), box.top() + box.height() / 4)) > 150);
    QVERIFY(qGray(pages[1].picture.pixel(box.left() + 6, box.center().y())) < 40);
    const QRgb cardShown = pages[1].picture.pixel(pages[1].buttons[1].rect.topLeft() + QPoint(6, 6));
    QVERIFY2(qRed(cardShown) > 180 && qGreen(cardShown) > 160 && qBlue(cardShown) < 80,
             qPrintable(QString::number(cardShown, 16)));

    // The card's look as the background: chosen, and only when there is a
    // card; the stored photo gone gives the first photo.
    choices.backdrop = MenuBackdrop::TitleCard;
    QCOMPARE(album.menuBackdropItem(choices), 1);
    QVERIFY(DvdGeneration::menuContent(album, QString(), choices).backgroundAsIs);
    choices.backdrop = MenuBackdrop::Photo;
    choices.photo = m_dir + QStringLiteral("/gone.png");
    QCOMPARE(album.menuBackdropItem(choices), 0);
    album.photos.removeLast();
    choices.backdrop = MenuBackdrop::TitleCard;
    QCOMPARE(album.menuBackdropItem(choices), 0);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    app.initSettings();
    TestDvdTiming test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_dvdtiming.moc"
