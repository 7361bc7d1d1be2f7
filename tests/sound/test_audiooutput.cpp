// The sound output of the engine: buffer sizes and PCM order of the slicer,
// what really leaves OpenAL Soft (wave backend), the shared device, and a
// clean failure without any device.

#include <QtTest>

#include "engine/audiooutput.h"
#include "soundtestutil.h"

#include <numeric>

using namespace SoundTest;

class TestAudioOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bufferSizes_data();
    void bufferSizes();
    void sliceKeepsOrderWhileProducerLags();
    void segmentLimitAndLastBuffer();
    void playsExactlyWhatIsQueued();
    void sharedDeviceOutlivesOneOwner();
    void noDeviceFailsCleanly();
    void noDeviceChild();

private:
    QString m_dir;
    QString m_wav;
};

void TestAudioOutput::initTestCase()
{
    QVERIFY(
        prepareSoundFolder(QStringLiteral("audiooutput"), QStringLiteral("out.wav"), 48000, &m_dir, &m_wav));
}

void TestAudioOutput::bufferSizes_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("sizes");
    // 16-bit stereo at 48 kHz: 25 fps and 30000/1001 fps.
    QTest::newRow("PAL stereo") << 7680 << 2 << QList<int>{7680, 7680, 7680, 7680};
    QTest::newRow("NTSC stereo") << 6406 << 2 << QList<int>{6404, 6408, 6404, 6408, 6404, 6408};
    QTest::newRow("NTSC mono") << 3203 << 1 << QList<int>{3200, 3204, 3204, 3204, 3200};
    QTest::newRow("dialog 44.1 kHz") << 7056 << 2 << QList<int>{7056, 7056};
}

void TestAudioOutput::bufferSizes()
{
    QFETCH(int, chunk);
    QFETCH(int, channels);
    QFETCH(QList<int>, sizes);
    std::vector<uint8_t> storage(size_t(chunk) * 256 + kAudioRingSlack);
    AudioRing ring;
    ring.data = storage.data();
    ring.capacity = chunk * 256;
    ring.filled = chunk * 256;
    PcmSlicer slicer(chunk, channels);
    QList<int> taken;
    for (int i = 0; i < sizes.size(); ++i) {
        const uint8_t *data = nullptr;
        taken << slicer.take(ring, &data);
        QVERIFY(data);
    }
    QCOMPARE(taken, sizes);
    // Every four buffers carry exactly four chunks.
    if (sizes.size() >= 4)
        QCOMPARE(std::accumulate(taken.begin(), taken.begin() + 4, 0), 4 * chunk);
}

void TestAudioOutput::sliceKeepsOrderWhileProducerLags()
{
    // A producer that appends odd amounts (like a decoder's packets) and a
    // consumer that takes buffers whenever enough is there: the bytes come
    // out in order, none lost or repeated, and the ring never overflows.
    const int chunk = 6406;
    std::vector<uint8_t> storage(size_t(chunk) * 256 + kAudioRingSlack);
    AudioRing ring;
    ring.data = storage.data();
    ring.capacity = chunk * 256;
    PcmSlicer slicer(chunk, 2);
    uint32_t produced = 0;
    std::vector<uint8_t> out;
    const int appendSizes[] = {4608, 1152, 9000, 512, 20000, 3};
    for (int round = 0; round < 400; ++round) {
        const int n = appendSizes[round % 6];
        if (ring.filled + n <= ring.capacity + kAudioRingSlack) {
            for (int i = 0; i < n; ++i)
                ring.data[ring.filled + i] = uint8_t((produced + uint32_t(i)) * 2654435761u >> 24);
            ring.filled += n;
            produced += uint32_t(n);
        }
        for (int take = 0; take < 2; ++take) {
            const uint8_t *data = nullptr;
            const int size = slicer.take(ring, &data);
            if (size == 0)
                break;
            QCOMPARE(size % 4, 0);
            out.insert(out.end(), data, data + size);
        }
        QVERIFY(ring.filled <= ring.capacity + kAudioRingSlack);
        QVERIFY(ring.read <= ring.filled);
    }
    QVERIFY(out.size() > 100000);
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] != uint8_t(uint32_t(i) * 2654435761u >> 24))
            QFAIL(qPrintable(QStringLiteral("byte %1 out of order").arg(i)));
    }
}

void TestAudioOutput::segmentLimitAndLastBuffer()
{
    std::vector<uint8_t> storage(7056 * 4 + kAudioRingSlack);
    AudioRing ring;
    ring.data = storage.data();
    ring.capacity = 7056 * 4;
    ring.filled = 7056 + 1002;
    PcmSlicer slicer(7056, 2);
    const uint8_t *data = nullptr;
    // A limit below a chunk cuts the buffer to whole sample frames.
    QCOMPARE(slicer.take(ring, &data, false, 1003), 1000);
    // Less than a chunk waits for more data ...
    ring.read = 0;
    ring.filled = 1002;
    QCOMPARE(slicer.take(ring, &data), 0);
    // ... unless the stream has ended: the rest, in whole sample frames.
    QCOMPARE(slicer.take(ring, &data, true), 1000);
    QCOMPARE(slicer.take(ring, &data, true), 0);
}

namespace {
// Queues count buffers of a 1 kHz tone (48 kHz stereo, one video frame
// each) and plays them to the end.
bool playTone(AudioOutput &out, int count, int amplitude)
{
    std::vector<int16_t> frame(1920 * 2);
    for (int i = 0; i < 1920; ++i)
        frame[size_t(2 * i)] = frame[size_t(2 * i + 1)] =
            int16_t(amplitude * std::sin(2 * M_PI * 1000.0 * i / 48000.0));
    for (int i = 0; i < count; ++i) {
        if (!out.enqueue(frame.data(), 7680))
            return false;
    }
    out.play();
    QElapsedTimer clock;
    clock.start();
    int64_t bytes = 0;
    int done = 0;
    while (done < count && clock.elapsed() < 10000) {
        QTest::qWait(10);
        done += out.reclaimProcessed(&bytes);
    }
    // Played in real time, not merely marked as processed.
    if (clock.elapsed() < count * 40 - 60)
        qWarning("%d buffers done after %lld ms", count, clock.elapsed());
    return done == count && bytes == int64_t(count) * 7680 && out.freeBuffers() == out.bufferCount() &&
           clock.elapsed() >= count * 40 - 60;
}
} // namespace

void TestAudioOutput::playsExactlyWhatIsQueued()
{
    {
        AudioOutput out;
        QVERIFY2(out.open(), qPrintable(out.errorString()));
        QVERIFY(out.setFormat(2, 48000));
        QVERIFY(!out.setFormat(3, 48000));
        QCOMPARE(out.bufferCount(), 256);
        QVERIFY(playTone(out, 25, 12000));
        // Silent at gain 0, while the buffers are still consumed.
        out.setGain(0.0);
        QVERIFY(playTone(out, 10, 12000));
        // A source that ran dry plays newly queued buffers again.
        out.setGain(1.0);
        QVERIFY(playTone(out, 5, 12000));
    }
    // The device is closed with its last owner: the WAV is complete.
    const Pcm pcm = readWav(m_wav);
    QCOMPARE(pcm.rate, 48000);
    QCOMPARE(pcm.channels, 2);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 2);
    // 25 frames of 1/25 s: one second of tone, to the sample frame (the
    // threshold trims a few samples at the zero crossings of the ends);
    // then 0.4 s of silence and 0.2 s of tone.
    QVERIFY2(std::abs(regions[0].end - regions[0].begin - 48000) < 48,
             qPrintable(QString::number(regions[0].end - regions[0].begin)));
    QVERIFY(std::abs(regions[1].end - regions[1].begin - 9600) < 48);
    QVERIFY(regions[1].begin - regions[0].end >= 19200);
    QVERIFY(std::abs(frequency(pcm, regions[0].begin, regions[0].end) - 1000.0) < 5.0);
    QVERIFY(std::abs(frequency(pcm, regions[0].begin, regions[0].end, 1) - 1000.0) < 5.0);
}

void TestAudioOutput::sharedDeviceOutlivesOneOwner()
{
    auto first = std::make_unique<AudioOutput>();
    AudioOutput second;
    QVERIFY(first->open(16));
    QVERIFY(second.open(16));
    QCOMPARE(first->deviceName(), second.deviceName());
    QVERIFY(second.setFormat(2, 48000));
    first.reset();
    QVERIFY(second.deviceConnected());
    QVERIFY(playTone(second, 5, 8000));
    // stop() takes every buffer back at once.
    std::vector<int16_t> silence(3840);
    QVERIFY(second.enqueue(silence.data(), 7680));
    second.play();
    second.stop();
    QCOMPARE(second.queuedBuffers(), 0);
    QCOMPARE(second.freeBuffers(), 16);
}

void TestAudioOutput::noDeviceFailsCleanly()
{
    QByteArray output;
    QVERIFY2(passesWithoutSoundDevice("TestAudioOutput", "noDeviceChild", &output), output.constData());
}

void TestAudioOutput::noDeviceChild()
{
    if (!inNoDeviceChild())
        QSKIP("runs in the child process of noDeviceFailsCleanly");
    AudioOutput out;
    QVERIFY(!out.open());
    QVERIFY(!out.isOpen());
    QVERIFY(!out.errorString().isEmpty());
    // Every operation is a harmless no-op.
    int16_t pcm[4] = {};
    QVERIFY(!out.enqueue(pcm, sizeof pcm));
    out.play();
    out.setGain(0.5);
    QCOMPARE(out.reclaimProcessed(), 0);
    out.stop();
    QVERIFY(!out.isPlaying());
}

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "test_audiooutput.moc"
