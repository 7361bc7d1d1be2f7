#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Looks inside a DVD's title the way a careful check does: the video
// stream's rate signalling and the size of every picture (what a player's
// buffer receives), the decoded pictures and sound with their times, and a
// player's walk through the disc's navigation (libdvdnav).
namespace DvdInspect {

// The MPEG-2 video of a program stream (a title's VOB), picture by picture
// in decoding order.
struct VideoStream {
    bool ok = false;
    QString error;
    int64_t headerBitRate = 0; // the sequence header's bit rate, bit/s
    int64_t vbvBufferBits = 0; // the sequence header's VBV buffer size, bits
    double frameRate = 0.0;
    QList<int64_t> pictureBits; // each picture with the headers before it
    QList<int> vbvDelays;       // each picture header's vbv_delay field
};
VideoStream readVideoStream(const QString &vobPath);

// The most bits any `count` consecutive pictures take.
int64_t largestRun(const QList<int64_t> &pictureBits, int count);
// The least a decoder buffer of bufferBits holds just after a picture is
// taken out, when it fills at `rate` bit/s until full (MPEG-2's variable
// rate buffer: the rate the sequence header gives, vbv_delay 0xFFFF) and
// decoding starts once it is full.
int64_t lowestOccupancy(const QList<int64_t> &pictureBits, double frameRate, int64_t rate,
                        int64_t bufferBits);

// The decoded title: the time of every picture (presentation order) with
// the mean Y, U and V of its central quarter, and the sound of its first
// channel with the time of its first sample.
struct Decoded {
    bool ok = false;
    QString error;
    int decodeErrors = 0;
    QList<double> pictureTimes;
    QList<std::array<double, 3>> centreYuv;
    double audioStart = 0.0;
    int sampleRate = 0;
    std::vector<float> sound;
};
Decoded decode(const QString &vobPath);

// A player's walk through the disc from its start (libdvdnav), skipping
// stills and waits, until it stops, plays the title a second time, or has
// read maxBlocks blocks.
struct Walk {
    bool ok = false;
    QString error;
    bool stopped = false; // the player reached its stopped state
    int titleStarts = 0;  // times the title began (1 once, 2 when it played again)
    int64_t blocks = 0;
};
Walk walk(const QString &dvdPath, int64_t maxBlocks);

} // namespace DvdInspect
