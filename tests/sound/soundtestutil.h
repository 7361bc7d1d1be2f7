#pragma once

// Helpers of the sound tests: OpenAL Soft's wave backend (what the program
// plays ends up in a WAV file, in real time), test clips whose every second
// is a different tone, and the analysis of what was played.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtEndian>

#include "testsupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <vector>

namespace SoundTest {

// The tone of second k of a test clip.
inline double toneOfSecond(int k)
{
    return 300.0 + 100.0 * k;
}

// Points OpenAL Soft at a configuration that writes everything played
// into wavPath as 16-bit stereo at the given rate. Call before the first
// OpenAL use of the process.
inline bool useWaveBackend(const QString &dir, const QString &wavPath, int frequency)
{
    const QString conf = dir + QStringLiteral("/alsoft.conf");
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QStringLiteral("[general]\ndrivers=wave\nfrequency=%1\nchannels=stereo\nsample-type=int16\n"
                              "[wave]\nfile=%2\n")
                   .arg(frequency)
                   .arg(wavPath)
                   .toUtf8());
    file.close();
    qputenv("ALSOFT_CONF", QFile::encodeName(conf));
    qunsetenv("ALSOFT_DRIVERS");
    return true;
}

// A clip whose second k holds a sine of toneOfSecond(k) Hz at half scale,
// the same on every channel unless rightTone > 0 (then the right channel
// is a steady tone of that frequency).
inline bool makeSecondTones(const QString &path, int seconds, int rate, int channels,
                            const QStringList &codec = {}, double rightTone = 0.0)
{
    const QString left = QStringLiteral("0.5*sin(2*PI*(300+100*floor(t))*t)");
    QString exprs = left;
    if (channels == 2)
        exprs +=
            QLatin1Char('|') + (rightTone > 0 ? QStringLiteral("0.5*sin(2*PI*%1*t)").arg(rightTone) : left);
    QStringList args = {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                        QStringLiteral("aevalsrc=exprs=%1:s=%2:d=%3").arg(exprs).arg(rate).arg(seconds)};
    args += codec;
    args << path;
    return TestSupport::ffmpeg(args);
}

struct Pcm {
    int rate = 0;
    int channels = 0;
    std::vector<int16_t> samples; // interleaved
    int64_t frames() const { return channels ? int64_t(samples.size()) / channels : 0; }
    int16_t at(int64_t frame, int channel) const { return samples[size_t(frame * channels + channel)]; }
};

// Reads a 16-bit PCM WAV file (plain or extensible format). The data runs
// to the end of the file when the header's size is not final.
inline Pcm readWav(const QString &path)
{
    Pcm pcm;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return pcm;
    const QByteArray all = file.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF"))
        return pcm;
    int pos = 12;
    while (pos + 8 <= all.size()) {
        const QByteArray id = all.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(all.constData() + pos + 4);
        if (id == "fmt ") {
            pcm.channels = qFromLittleEndian<quint16>(all.constData() + pos + 10);
            pcm.rate = int(qFromLittleEndian<quint32>(all.constData() + pos + 12));
        } else if (id == "data") {
            const qsizetype begin = pos + 8;
            qsizetype bytes = all.size() - begin;
            if (size > 0 && qsizetype(size) < bytes)
                bytes = size;
            pcm.samples.resize(size_t(bytes / 2));
            std::memcpy(pcm.samples.data(), all.constData() + begin, size_t(bytes / 2) * 2);
            return pcm;
        }
        pos += 8 + int(size) + int(size & 1);
    }
    return pcm;
}

// Raw signed 16-bit samples (as written by "ffmpeg -f s16le").
inline Pcm readRaw(const QString &path, int rate, int channels)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return pcm;
    const QByteArray all = file.readAll();
    pcm.samples.resize(size_t(all.size() / 2));
    std::memcpy(pcm.samples.data(), all.constData(), pcm.samples.size() * 2);
    return pcm;
}

// Frequency of one channel between two sample frames, from its zero
// crossings.
inline double frequency(const Pcm &pcm, int64_t from, int64_t to, int channel = 0)
{
    from = std::max<int64_t>(from, 1);
    to = std::min(to, pcm.frames());
    if (to - from < 2)
        return 0.0;
    int crossings = 0;
    for (int64_t i = from; i < to; ++i) {
        if ((pcm.at(i - 1, channel) < 0) != (pcm.at(i, channel) < 0))
            ++crossings;
    }
    return crossings / 2.0 / (double(to - from) / pcm.rate);
}

inline double rms(const Pcm &pcm, int64_t from, int64_t to, int channel = 0)
{
    from = std::max<int64_t>(from, 0);
    to = std::min(to, pcm.frames());
    double sum = 0;
    for (int64_t i = from; i < to; ++i)
        sum += double(pcm.at(i, channel)) * pcm.at(i, channel);
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

// A stretch of sound between silences.
struct Region {
    int64_t begin = 0;  // first loud sample frame
    int64_t end = 0;    // one past the last
    int64_t silent = 0; // sample frames of the short silences (over 5 ms) within
    double seconds(int rate) const { return double(end - begin) / rate; }
    // The sound itself: a sound card that ran dry for a moment, while a
    // starved process caught up, plays the same sound later, not more.
    double heard(int rate) const { return double(end - begin - silent) / rate; }
};

// The stretches where any channel is louder than the threshold, joined
// over gaps shorter than minGapSeconds (the zero crossings of a tone).
inline std::vector<Region> soundRegions(const Pcm &pcm, double minGapSeconds = 0.05, int threshold = 200)
{
    std::vector<Region> regions;
    const int64_t gap = int64_t(minGapSeconds * pcm.rate);
    int64_t lastLoud = -1;
    for (int64_t i = 0; i < pcm.frames(); ++i) {
        bool loud = false;
        for (int c = 0; c < pcm.channels && !loud; ++c)
            loud = std::abs(int(pcm.at(i, c))) > threshold;
        if (!loud)
            continue;
        if (regions.empty() || i - lastLoud > gap)
            regions.push_back(Region{i, i + 1, 0});
        else if (i - lastLoud - 1 > pcm.rate / 200)
            regions.back().silent += i - lastLoud - 1;
        regions.back().end = i + 1;
        lastLoud = i;
    }
    return regions;
}

// The tone sequence of a stretch: the frequency of each whole second,
// measured away from the second's edges.
inline std::vector<double> secondTones(const Pcm &pcm, int64_t begin, int seconds, int channel = 0)
{
    std::vector<double> tones;
    for (int k = 0; k < seconds; ++k) {
        const int64_t from = begin + int64_t((k + 0.15) * pcm.rate);
        const int64_t to = begin + int64_t((k + 0.85) * pcm.rate);
        tones.push_back(frequency(pcm, from, to, channel));
    }
    return tones;
}

// Whether the widget has its window's keyboard focus (the one it gets when
// the window is active; other test programs may share the display and own
// the active window).
inline bool hasFocus(const QWidget *widget)
{
    return widget && widget->window()->focusWidget() == widget;
}

// Saves a picture of the widget as a person sees it into the folder named
// by SORVEL_SCREENSHOTS, when that is set (to look at what a test drives).
inline void screenshot(QWidget *widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("SORVEL_SCREENSHOTS");
    if (!dir.isEmpty() && widget)
        widget->grab().save(dir + QLatin1Char('/') + name);
}

// The no-device cases run in a child process of the test program (OpenAL
// Soft reads its settings once per process) whose OpenAL finds no backend
// it can open.
inline bool inNoDeviceChild()
{
    return !qEnvironmentVariableIsEmpty("SORVEL_NO_DEVICE_CHILD");
}

// The test's fresh folder (the no-device child gets one of its own) and,
// outside that child, OpenAL Soft set to write what is played into
// <folder>/<wavName>.
inline bool prepareSoundFolder(const QString &name, const QString &wavName, int frequency, QString *dir,
                               QString *wav)
{
    *dir = TestSupport::freshDir(inNoDeviceChild() ? name + QStringLiteral("-child") : name);
    *wav = *dir + QLatin1Char('/') + wavName;
    return inNoDeviceChild() || useWaveBackend(*dir, *wav, frequency);
}

// Runs one test function of this program in a child process with extra
// environment (for OpenAL settings that are read once per process).
inline int runChild(const QString &testFunction, const QStringList &environment, QByteArray *output = nullptr)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment) {
        const int eq = entry.indexOf(QLatin1Char('='));
        env.insert(entry.left(eq), entry.mid(eq + 1));
    }
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {testFunction});
    if (!child.waitForFinished(120000))
        return -1;
    if (output)
        *output = child.readAll();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

// Runs the test function childFunction of the test class testClass in a
// child process without any sound device; true when it passed. Its output
// is kept in *output for the failure message.
inline bool passesWithoutSoundDevice(const char *testClass, const char *childFunction, QByteArray *output)
{
    const int rc =
        runChild(QString::fromLatin1(childFunction),
                 {QStringLiteral("ALSOFT_DRIVERS=sorvel-no-such-backend"),
                  QStringLiteral("ALSOFT_CONF=/dev/null"), QStringLiteral("SORVEL_NO_DEVICE_CHILD=1")},
                 output);
    return rc == 0 && output->contains(QByteArray("PASS   : ") + testClass + "::" + childFunction);
}

} // namespace SoundTest
