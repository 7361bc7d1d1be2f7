// The music of a made DVD, decoded from its title's AC-3: clips of 44.1,
// 48 and 96 kHz joined without a click, a quiet and a loud clip at one
// loudness, no sample beyond -1 dBTP, and the fades at the start and at
// the show's end.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "album/infoparser.h"
#include "album/probe.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "dvdcheck.h"
#include "job/makejob.h"
#include "soundtestutil.h"

#include <QDialogButtonBox>

using namespace SoundTest;

namespace {

constexpr int kRate = 48000;

double level(const Pcm &pcm, double from, double to)
{
    return rms(pcm, int64_t(from * kRate), int64_t(to * kRate)) / 32768.0;
}

// The largest second difference of the left channel in [from, to) seconds.
double roughness(const Pcm &pcm, double from, double to)
{
    double worst = 0;
    const int64_t a = std::max<int64_t>(1, int64_t(from * kRate));
    const int64_t b = std::min<int64_t>(pcm.frames() - 1, int64_t(to * kRate));
    for (int64_t i = a; i < b; ++i)
        worst = std::max(worst, std::abs(double(pcm.at(i + 1, 0)) - 2.0 * pcm.at(i, 0) + pcm.at(i - 1, 0)));
    return worst;
}

// Integrated loudness and true peak of a stretch of a file, by FFmpeg's
// ebur128 filter.
bool ebur128(const QString &path, double from, double seconds, double *lufs, double *peak)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-ss"),
             QString::number(from), QStringLiteral("-t"), QString::number(seconds), QStringLiteral("-i"),
             path, QStringLiteral("-af"), QStringLiteral("ebur128=peak=true"), QStringLiteral("-f"),
             QStringLiteral("null"), QStringLiteral("-")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return false;
    const QString log = QString::fromUtf8(p.readAllStandardError());
    const int summary = log.lastIndexOf(QStringLiteral("Summary:"));
    const auto mi = QRegularExpression(QStringLiteral("I:\\s+(-?[0-9.]+) LUFS")).match(log, summary);
    const auto mp = QRegularExpression(QStringLiteral("Peak:\\s+(-?[0-9.]+) dBFS")).match(log, summary);
    if (summary < 0 || !mi.hasMatch() || !mp.hasMatch())
        return false;
    *lufs = mi.captured(1).toDouble();
    *peak = mp.captured(1).toDouble();
    return true;
}

} // namespace

class TestDvdMusic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void musicOfTheDisc();

private:
    QString make(const QString &name, const QString &expr, int rate, int seconds, int channels,
                 const QStringList &codec = {});
    QString m_dir;
};

void TestDvdMusic::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("dvdmusic"));
    qputenv("ALSOFT_DRIVERS", "null");
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
}

QString TestDvdMusic::make(const QString &name, const QString &expr, int rate, int seconds, int channels,
                           const QStringList &codec)
{
    const QString path = m_dir + QLatin1Char('/') + name;
    QStringList exprs;
    for (int c = 0; c < channels; ++c)
        exprs << expr;
    QStringList args = {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                        QStringLiteral("aevalsrc=exprs=%1:s=%2:d=%3")
                            .arg(exprs.join(QLatin1Char('|')))
                            .arg(rate)
                            .arg(seconds)};
    args += codec;
    args << path;
    return TestSupport::ffmpeg(args) ? path : QString();
}

void TestDvdMusic::musicOfTheDisc()
{
    // 0..9 s: one 440 Hz sine in three clips (44.1 kHz mono, 48 kHz
    // stereo, 96 kHz stereo), each whole periods long; 9..15 s a quiet
    // Opus clip; 15..21 s a quiet clip with loud clicks; 21..27 s a loud
    // Vorbis clip.
    const QString sine = QStringLiteral("0.5*sin(2*PI*440*t)");
    const QStringList audios = {
        make(QStringLiteral("s44.wav"), sine, 44100, 3, 1),
        make(QStringLiteral("s48.flac"), sine, 48000, 3, 2),
        make(QStringLiteral("s96.wav"), sine, 96000, 3, 2,
             {QStringLiteral("-c:a"), QStringLiteral("pcm_f32le")}),
        make(QStringLiteral("quiet.opus"), QStringLiteral("0.02*sin(2*PI*1000*t)"), 48000, 6, 2,
             {QStringLiteral("-b:a"), QStringLiteral("128k")}),
        make(QStringLiteral("clicks.wav"), QStringLiteral("0.05*sin(2*PI*700*t)+0.9*lt(mod(t\\,1)\\,0.002)"),
             48000, 6, 1),
        make(QStringLiteral("loud.oga"), QStringLiteral("0.95*sin(2*PI*300*t)"), 44100, 6, 2,
             {QStringLiteral("-c:a"), QStringLiteral("libvorbis"), QStringLiteral("-q:a"),
              QStringLiteral("8")}),
    };
    for (const QString &a : audios)
        QVERIFY(!a.isEmpty());

    // Imported as the window does: probed and measured once.
    InfoParser parser(&audios, false);
    parser.start();
    QVERIFY(parser.wait(120000));
    QVERIFY(parser.rejectedPaths().isEmpty());
    Album album;
    album.audios = parser.takeAudios();
    QCOMPARE(album.audios.size(), 6);
    for (AudioInfo &clip : album.audios) {
        QVERIFY2(clip.loudness.measured, qPrintable(clip.path));
        // Lossy files are a little longer than their whole seconds.
        clip.clipEnd = std::round(clip.clipEnd);
    }
    for (int i = 0; i < 2; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(qRgb(60 * i, 90, 160));
        const QString path = m_dir + QStringLiteral("/p%1.jpg").arg(i);
        QVERIFY(image.save(path, "JPEG"));
        ImageInfo photo;
        QVERIFY(probeImage(photo, path));
        photo.path = path;
        album.photos.append(photo);
    }
    album.settings.useTransition = false;
    album.settings.useDynamicEffect = false;
    album.setPhotoDurationExactMs(13500);
    QVERIFY(album.settings.evenLoudness); // a new album's
    album.settings.fadeAudio = true;
    album.settings.fadeMs = 1000;

    MakeRequest request;
    request.album = album;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvd");
    request.tempBase = m_dir + QStringLiteral("/temp");
    MakeJob job;
    QSignalSpy finished(&job, &MakeJob::finished);
    QVERIFY(job.start(request));
    QVERIFY(finished.wait(280000));
    const JobResult result = finished.first().at(0).value<JobResult>();
    QVERIFY2(result.ok(), qPrintable(result.message));

    const QString vob = m_dir + QStringLiteral("/title.vob");
    QVERIFY(DvdCheck::extractTitleVobs(job.outputPath(), 1, vob));
    const QString wav = m_dir + QStringLiteral("/dvd-audio.wav");
    QVERIFY(TestSupport::ffmpeg({QStringLiteral("-i"), vob, QStringLiteral("-map"), QStringLiteral("0:a:0"),
                                 QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), wav}));
    const Pcm pcm = readWav(wav);
    QCOMPARE(pcm.rate, kRate);
    QCOMPARE(pcm.channels, 2);
    QVERIFY2(std::abs(pcm.frames() / double(kRate) - 27.0) < 0.1, qPrintable(QString::number(pcm.frames())));

    // The joins: no second difference above what the sine and the codec
    // give inside the clips, and no dip in level.
    const double inside = std::max({roughness(pcm, 1.5, 2.5), roughness(pcm, 4, 5), roughness(pcm, 7, 8)});
    for (double join : {3.0, 6.0}) {
        const double rough = roughness(pcm, join - 0.02, join + 0.02);
        QVERIFY2(
            rough <= inside * 1.5 + 4,
            qPrintable(
                QStringLiteral("join at %1 s: %2, inside the clips %3").arg(join).arg(rough).arg(inside)));
        const double steady = level(pcm, join - 0.5, join - 0.1);
        for (double w = join - 0.02; w < join + 0.02; w += 0.005)
            QVERIFY2(std::abs(level(pcm, w, w + 0.005) - steady) < 0.05 * steady,
                     qPrintable(QStringLiteral("join at %1 s").arg(join)));
    }

    // One loudness for the quiet and the loud clip, measured on the
    // decoded AC-3 (away from the joins and the fade).
    double quietLufs = 0, quietPeak = 0, loudLufs = 0, loudPeak = 0, clicksLufs = 0, clicksPeak = 0;
    QVERIFY(ebur128(wav, 9.2, 5.6, &quietLufs, &quietPeak));
    QVERIFY(ebur128(wav, 15.2, 5.6, &clicksLufs, &clicksPeak));
    QVERIFY(ebur128(wav, 21.2, 4.6, &loudLufs, &loudPeak));
    qInfo().noquote() << QStringLiteral(
                             "DVD loudness: quiet clip %1 LUFS (%2 dBTP), loud clip %3 LUFS (%4 dBTP), "
                             "clicks %5 LUFS (%6 dBTP)")
                             .arg(quietLufs)
                             .arg(quietPeak)
                             .arg(loudLufs)
                             .arg(loudPeak)
                             .arg(clicksLufs)
                             .arg(clicksPeak);
    QVERIFY2(std::abs(quietLufs + 16) <= 1.0, qPrintable(QString::number(quietLufs)));
    QVERIFY2(std::abs(loudLufs + 16) <= 1.0, qPrintable(QString::number(loudLufs)));
    // The clicks' gain is held back by their peaks.
    QVERIFY2(clicksPeak <= -1.0 + 0.3 && clicksPeak >= -3.0, qPrintable(QString::number(clicksPeak)));
    int peak = 0;
    for (int16_t v : pcm.samples)
        peak = std::max(peak, std::abs(int(v)));
    const double peakDb = 20 * std::log10(peak / 32768.0);
    QVERIFY2(peakDb <= -1.0, qPrintable(QString::number(peakDb)));

    // The fade-in over the first second and the fade-out ending with the
    // show at 27 s.
    double last = -1;
    for (int w = 0; w < 10; ++w) {
        const double l = level(pcm, w * 0.1, w * 0.1 + 0.1);
        QVERIFY2(l > last, qPrintable(QStringLiteral("fade-in at %1 s").arg(w * 0.1)));
        last = l;
    }
    const double full = level(pcm, 1.2, 2.8);
    QVERIFY(level(pcm, 0, 0.01) < 0.02 * full);
    QVERIFY(std::abs(level(pcm, 0.49, 0.51) - full / 2) < 0.1 * full);
    const double loudFull = level(pcm, 24.5, 25.9);
    last = 2;
    for (int w = 0; w < 10; ++w) {
        const double l = level(pcm, 26 + w * 0.1, 26.1 + w * 0.1);
        QVERIFY2(l < last, qPrintable(QStringLiteral("fade-out at %1 s").arg(26 + w * 0.1)));
        last = l;
    }
    QVERIFY(std::abs(level(pcm, 26.49, 26.51) - loudFull / 2) < 0.1 * loudFull);
    QVERIFY(level(pcm, 26.98, 27.0) < 0.02 * loudFull);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestDvdMusic test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_dvdmusic.moc"
