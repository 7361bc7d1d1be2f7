// The show's soundtrack as one stream: clips of different rates and
// channel counts joined without a click or a gap, the crossfade, the fades
// at the start and at the show's end, and the loudness gain, on files made
// by the ffmpeg tool and measured by its ebur128 filter.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "album/loudness.h"
#include "engine/soundtrack.h"
#include "enginetestutil.h"
#include "testmedia.h"
#include "testsupport.h"

#include <algorithm>
#include <cmath>

using namespace EngineTest;

namespace {

constexpr int kRate = 48000;

// Reads count sample frames of the soundtrack from a position, as floats
// of full scale, left channel.
std::vector<double> leftChannel(Soundtrack &track, int64_t from, int count, int channels = 2)
{
    std::vector<int16_t> pcm(size_t(count) * channels);
    track.seek(from);
    track.read(pcm.data(), count);
    std::vector<double> left(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        left[size_t(i)] = pcm[size_t(i) * channels] / 32768.0;
    return left;
}

double rmsOf(const std::vector<double> &s, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / double(std::max<size_t>(1, to - from)));
}

// The largest second difference in [from, to): a smooth sine gives a small
// one, a step, a gap or a jump in phase a large one.
double roughness(const std::vector<double> &s, size_t from, size_t to)
{
    double worst = 0;
    for (size_t i = std::max<size_t>(from, 1); i + 1 < std::min(to, s.size()); ++i)
        worst = std::max(worst, std::abs(s[i + 1] - 2 * s[i] + s[i - 1]));
    return worst;
}

// Integrated loudness (LUFS) and true peak (dBTP) of a file by FFmpeg's
// ebur128 filter, read from its summary.
bool ebur128(const QString &path, double *lufs, double *peak)
{
    QProcess p;
    p.start(QStringLiteral("ffmpeg"),
            {QStringLiteral("-hide_banner"), QStringLiteral("-nostats"), QStringLiteral("-i"), path,
             QStringLiteral("-af"), QStringLiteral("ebur128=peak=true"), QStringLiteral("-f"),
             QStringLiteral("null"), QStringLiteral("-")});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return false;
    const QString log = QString::fromUtf8(p.readAllStandardError());
    const int summary = log.lastIndexOf(QStringLiteral("Summary:"));
    const QRegularExpression i(QStringLiteral("I:\\s+(-?[0-9.]+) LUFS"));
    const QRegularExpression tp(QStringLiteral("Peak:\\s+(-?[0-9.]+|-inf) dBFS"));
    const auto mi = i.match(log, summary);
    const auto mp = tp.match(log, summary);
    if (summary < 0 || !mi.hasMatch() || !mp.hasMatch())
        return false;
    *lufs = mi.captured(1).toDouble();
    *peak = mp.captured(1) == QLatin1String("-inf") ? -200.0 : mp.captured(1).toDouble();
    return true;
}

} // namespace

class TestSoundtrack : public QObject
{
    Q_OBJECT
private:
    QString m_dir;

    // A file made from an aevalsrc expression by the ffmpeg tool.
    QString make(const QString &name, const QString &expr, int rate, double seconds, int channels)
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        QStringList exprs;
        for (int c = 0; c < channels; ++c)
            exprs << expr;
        const bool ok =
            TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                 QStringLiteral("aevalsrc=exprs=%1:s=%2:d=%3")
                                     .arg(exprs.join(QLatin1Char('|')))
                                     .arg(rate)
                                     .arg(seconds),
                                 path});
        return ok ? path : QString();
    }

    AudioInfo clip(const QString &path, double seconds)
    {
        AudioInfo a = clipInfo(path, 0, seconds);
        QString error;
        if (!Loudness::measure(path, &a.loudness, &error))
            qWarning() << error;
        return a;
    }

private slots:
    void initTestCase() { m_dir = TestSupport::freshDir(QStringLiteral("soundtrack")); }

    void joinsAcrossRatesAndChannels()
    {
        // A 440 Hz sine whose every clip holds whole periods: joined end to
        // start it is one unbroken sine, whatever each file's rate and
        // channels.
        const QString sine = QStringLiteral("0.5*sin(2*PI*440*t)");
        Album album(QString{});
        album.settings.evenLoudness = false;
        album.audios = {clip(make(QStringLiteral("s44.wav"), sine, 44100, 3, 1), 3),
                        clip(make(QStringLiteral("s48.flac"), sine, 48000, 3, 2), 3),
                        clip(make(QStringLiteral("s96.wav"), sine, 96000, 3, 2), 3)};
        Soundtrack track;
        track.setup(&album, OutputFormat(), 10 * kRate);
        QCOMPARE(track.entries().size(), size_t(3));
        QCOMPARE(track.entries()[1].start, int64_t(3 * kRate));
        QCOMPARE(track.entries()[2].start, int64_t(6 * kRate));
        QCOMPARE(track.musicEnd(), int64_t(9 * kRate));
        const std::vector<double> s = leftChannel(track, 0, 10 * kRate);
        // The noise floor: the roughest place well inside the clips.
        double inside = 0;
        for (int k = 0; k < 3; ++k)
            inside = std::max(inside, roughness(s, size_t((k * 3 + 1) * kRate), size_t((k * 3 + 2) * kRate)));
        QVERIFY(inside > 0);
        for (int join : {3, 6}) {
            const size_t at = size_t(join * kRate);
            const double rough = roughness(s, at - 480, at + 480);
            QVERIFY2(
                rough < inside * 1.5 + 2e-4,
                qPrintable(QStringLiteral("join at %1 s: %2 (inside %3)").arg(join).arg(rough).arg(inside)));
            // No dip: every 5 ms around the join at the sine's level.
            for (size_t w = at - 960; w < at + 960; w += 240)
                QVERIFY2(
                    std::abs(rmsOf(s, w, w + 240) - 0.5 / std::sqrt(2.0)) < 0.02,
                    qPrintable(QStringLiteral("join at %1 s, window %2").arg(join).arg(double(w) / kRate)));
        }
        // The music ends with the last clip; silence after it.
        QVERIFY(rmsOf(s, size_t(9 * kRate) + 240, s.size()) < 1e-4);
    }

    void crossfadeOverlapsClips()
    {
        Album album(QString{});
        album.settings.evenLoudness = false;
        album.settings.crossfadeMs = 200;
        album.audios = {
            clip(make(QStringLiteral("x440.wav"), QStringLiteral("0.4*sin(2*PI*440*t)"), 48000, 1, 2), 1),
            clip(make(QStringLiteral("x1000.wav"), QStringLiteral("0.4*sin(2*PI*1000*t)"), 44100, 1, 2), 1)};
        Soundtrack track;
        track.setup(&album, OutputFormat(), 3 * kRate);
        // The second clip starts 200 ms before the first ends.
        QCOMPARE(track.entries()[1].start, int64_t(0.8 * kRate));
        QCOMPARE(track.musicEnd(), int64_t(1.8 * kRate));
        const std::vector<double> s = leftChannel(track, 0, 2 * kRate);
        // Before and after the overlap: one tone at its level; in the middle
        // of it both at half level, whose sum never passes the clips' peak.
        QVERIFY(std::abs(rmsOf(s, 0, size_t(0.7 * kRate)) - 0.4 / std::sqrt(2.0)) < 0.01);
        QVERIFY(std::abs(rmsOf(s, size_t(1.0 * kRate), size_t(1.7 * kRate)) - 0.4 / std::sqrt(2.0)) < 0.01);
        const double mid = rmsOf(s, size_t(0.89 * kRate), size_t(0.91 * kRate));
        QVERIFY2(std::abs(mid - 0.4 / 2) < 0.03, qPrintable(QString::number(mid)));
        double peak = 0;
        for (double v : s)
            peak = std::max(peak, std::abs(v));
        QVERIFY(peak <= 0.401);
        QVERIFY(rmsOf(s, size_t(1.8 * kRate) + 48, s.size()) < 1e-4);

        // Looped, the first clip fades in over the last one at each round.
        album.settings.loopAudio = true;
        track.setup(&album, OutputFormat(), 3 * kRate);
        QCOMPARE(track.roundLength(), int64_t(1.6 * kRate));
        const std::vector<double> looped = leftChannel(track, 0, 3 * kRate);
        QVERIFY(std::abs(rmsOf(looped, size_t(1.85 * kRate), size_t(2.3 * kRate)) - 0.4 / std::sqrt(2.0)) <
                0.01);
        // A seek into the overlap reads what reading through gave.
        const std::vector<double> seeked = leftChannel(track, int64_t(1.5 * kRate), 4800);
        for (size_t i = 0; i < seeked.size(); i += 97)
            QVERIFY(std::abs(seeked[i] - looped[size_t(1.5 * kRate) + i]) < 2.0 / 32768);
    }

    void fadesEndWithTheShow()
    {
        const QString steady =
            make(QStringLiteral("steady.wav"), QStringLiteral("0.5*sin(2*PI*500*t)"), 48000, 8, 2);
        Album album(QString{});
        album.settings.evenLoudness = false;
        album.settings.fadeAudio = true;
        album.settings.fadeMs = 1000;
        album.audios = {clip(steady, 8)};
        // A 5 s show over 8 s of music: the fade-out ends at 5 s exactly.
        Soundtrack track;
        track.setup(&album, OutputFormat(), 5 * kRate);
        QCOMPARE(track.fadeLength(), int64_t(kRate));
        QCOMPARE(track.musicEnd(), int64_t(5 * kRate));
        const std::vector<double> s = leftChannel(track, 0, 6 * kRate);
        const double full = 0.5 / std::sqrt(2.0);
        // The fade-in: silent at first, rising in every 100 ms, full at 1 s.
        double last = -1;
        for (int w = 0; w < 10; ++w) {
            const double level = rmsOf(s, size_t(w * 4800), size_t((w + 1) * 4800));
            QVERIFY2(level > last, qPrintable(QStringLiteral("fade-in window %1").arg(w)));
            last = level;
        }
        QVERIFY(rmsOf(s, 0, 480) < 0.01 * full);
        QVERIFY(std::abs(rmsOf(s, size_t(1.0 * kRate), size_t(4.0 * kRate)) - full) < 0.01);
        // Half way through each fade, half the level (a smooth ramp).
        QVERIFY(std::abs(rmsOf(s, size_t(0.49 * kRate), size_t(0.51 * kRate)) - full / 2) < 0.03);
        QVERIFY(std::abs(rmsOf(s, size_t(4.49 * kRate), size_t(4.51 * kRate)) - full / 2) < 0.03);
        // The fade-out: falling in every 100 ms, silent in the show's last
        // 10 ms and after it.
        last = 2;
        for (int w = 0; w < 10; ++w) {
            const size_t from = size_t(4 * kRate + w * 4800);
            const double level = rmsOf(s, from, from + 4800);
            QVERIFY2(level < last, qPrintable(QStringLiteral("fade-out window %1").arg(w)));
            last = level;
        }
        QVERIFY(rmsOf(s, size_t(5 * kRate) - 480, size_t(5 * kRate)) < 0.01 * full);
        QVERIFY(rmsOf(s, size_t(5 * kRate), s.size()) == 0);

        // Music shorter than the show, not looped: the fade ends with it.
        track.setup(&album, OutputFormat(), 12 * kRate);
        QCOMPARE(track.musicEnd(), int64_t(8 * kRate));
        QVERIFY(track.fadeGainAt(7 * kRate) > 0.99);
        QVERIFY(track.fadeGainAt(8 * kRate - 1) < 0.01);
        // A show too short for two whole fades keeps a full middle.
        track.setup(&album, OutputFormat(), kRate * 3 / 2);
        QCOMPARE(track.fadeLength(), int64_t(kRate / 2));
        QVERIFY(track.fadeGainAt(kRate * 3 / 4) > 0.99);
    }

    void loudnessEvenedOut()
    {
        // A quiet clip, a loud one, and a quiet one with loud clicks (its
        // gain is held back by its peaks).
        const QString quiet =
            make(QStringLiteral("quiet.wav"), QStringLiteral("0.02*sin(2*PI*1000*t)"), 44100, 6, 2);
        const QString loud =
            make(QStringLiteral("loud.flac"), QStringLiteral("0.95*sin(2*PI*300*t)"), 48000, 6, 2);
        const QString peaky =
            make(QStringLiteral("peaky.wav"), QStringLiteral("0.05*sin(2*PI*700*t)+0.9*lt(mod(t\\,1)\\,0.002)"),
                 48000, 6, 1);
        Album album(QString{});
        album.settings.evenLoudness = true;
        album.audios = {clip(quiet, 6), clip(loud, 6), clip(peaky, 6)};
        for (const AudioInfo &a : album.audios)
            QVERIFY(a.loudness.measured);
        QVERIFY(album.audios[0].loudness.integratedLufs < -30);
        QVERIFY(album.audios[1].loudness.integratedLufs > -5);
        Soundtrack track;
        track.setup(&album, OutputFormat(), 18 * kRate);
        std::vector<int16_t> pcm(size_t(18) * kRate * 2);
        track.read(pcm.data(), 18 * kRate);
        for (int k = 0; k < 3; ++k) {
            const QString path = m_dir + QStringLiteral("/even%1.wav").arg(k);
            QVERIFY(TestMedia::writeWav(path, kRate, 2,
                                        std::vector<int16_t>(pcm.begin() + k * 6 * kRate * 2,
                                                             pcm.begin() + (k + 1) * 6 * kRate * 2)));
            double lufs = 0;
            double peak = 0;
            QVERIFY(ebur128(path, &lufs, &peak));
            qInfo().noquote() << QStringLiteral("clip %1: %2 LUFS, %3 dBTP").arg(k).arg(lufs).arg(peak);
            QVERIFY2(peak <= -0.9, qPrintable(QString::number(peak)));
            if (k < 2)
                QVERIFY2(std::abs(lufs - Loudness::kTargetLufs) <= 1.0, qPrintable(QString::number(lufs)));
            else
                QVERIFY2(peak >= -2.0, qPrintable(QString::number(peak))); // held at the peak limit
        }
        // Kept as they are: the loud clip plays at its own level.
        album.settings.evenLoudness = false;
        track.setup(&album, OutputFormat(), 18 * kRate);
        const std::vector<double> s = leftChannel(track, 6 * kRate, kRate);
        QVERIFY(std::abs(rmsOf(s, 0, s.size()) - 0.95 / std::sqrt(2.0)) < 0.01);
    }

    void undecodableClipIsReported()
    {
        const QString broken = m_dir + QStringLiteral("/broken.opus");
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("OggS") + QByteArray(4000, '\x11'));
        f.close();
        ClipLoudness l;
        QString error;
        QVERIFY(!Loudness::measure(broken, &l, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!l.measured);
        QCOMPARE(Loudness::gainDb(l), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestSoundtrack)
#include "test_soundtrack.moc"
