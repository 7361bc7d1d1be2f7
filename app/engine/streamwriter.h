#pragma once

// One output file of FFmpeg with at most one video (MPEG-2 for a DVD, H.264
// for a video file) and one audio (AC-3, AAC) encoder. Every FFmpeg failure
// is checked and kept in errorString(): open, encode and write (a full disk)
// all return false.

#include "album/avhandles.h"
#include "album/dvdchoices.h"
#include "engine/yuvconvert.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>
#include <vector>

struct VideoStreamParams {
    int32_t srcWidth = 0;
    int32_t srcHeight = 0;
    int32_t dstWidth = 0;
    int32_t dstHeight = 0;
    int32_t srcPixelFormat = 0; // AVPixelFormat
    int32_t codecId = 0;        // AVCodecID; 0 = no video stream
    int32_t codecType = 0;      // AVMediaType
    int32_t timeBaseNum = 0;
    int32_t timeBaseDen = 0;
    int32_t aspectDen = 3;
    int32_t aspectNum = 4;
    int32_t bitRate = 0; // bits per second
    // H.264 only: the constant rate factor, libx264's speed preset and the
    // level (ten times its number, 40 for 4.0); the pictures carry BT.709
    // colour (converted with BT.709's matrix and flagged so).
    int32_t crf = 0;
    const char *preset = "";
    int32_t level = 0;
    bool bt709 = false;

    // A video file's H.264 stream: width x height BGRA frames in square
    // pixels at fps, High profile at the level the size and rate need,
    // 4:2:0, BT.709, the quality crf at the given libx264 preset.
    static VideoStreamParams h264(int32_t width, int32_t height, int32_t fps, int32_t crf,
                                  const char *preset);

    // A DVD's video: 720 x 576 (PAL) or 720 x 480 (NTSC) BGRA frames
    // composed at that size, MPEG-2 shown as 4:3 or 16:9, bitRate in bits
    // per second.
    static VideoStreamParams dvd(TvStandard standard, int32_t bitRate,
                                 DvdAspect aspect = DvdAspect::Standard);
};

struct AudioStreamParams {
    int32_t channels = 0;
    int32_t sampleRate = 0;
    int32_t sampleFormat = 0; // AVSampleFormat of the PCM handed in
    int32_t codecId = 0;      // AVCodecID; 0 = no audio stream
    int32_t codecType = 0;
    int32_t bitRate = 0; // bits per second
    // The encoder's delay (its initial padding: the AC-3 encoder's first
    // 256 samples) is taken off the start of the PCM and made up with
    // silence at the end, so that the decoded sound starts with the
    // pictures. For files that cannot say it themselves (an AC-3 elementary
    // stream has no field for it); a container that records the padding
    // leaves this off.
    bool trimEncoderDelay = false;

    // AC-3 at 48 kHz from signed 16-bit PCM with 1, 2 or 6 channels, the
    // encoder's delay trimmed.
    static AudioStreamParams ac3(int32_t channels, int32_t bitRate);
    // AAC-LC at 48 kHz from signed 16-bit PCM (a container that records the
    // encoder's delay: MP4 skips it with an edit list).
    static AudioStreamParams aac(int32_t channels, int32_t bitRate);
};

// A chapter of a file, in video frames: [startFrame, endFrame).
struct ChapterMark {
    int64_t startFrame = 0;
    int64_t endFrame = 0;
    QString title;
};

// The container of a file: its FFmpeg format name (empty: from the file
// name, which a ".part" name does not give), the index at the front of an
// MP4 file so that it plays while it downloads, and its chapters.
struct ContainerParams {
    QByteArray format;
    bool fastStart = false;
    std::vector<ChapterMark> chapters;
};

// The smallest H.264 level (ten times its number) whose frame size and
// macroblock rate hold width x height at fps; 0 when none does.
int h264LevelFor(int width, int height, int fps);
// The most a High profile stream of a level may take (bit/s) and its
// buffer (bits): a player of that level decodes anything within them.
int64_t h264MaxBitRate(int level);
int64_t h264MaxBuffer(int level);

// The DVD's limits: a player's video buffer (bits) and the most video it
// reads in a second (bit/s).
constexpr int kDvdVbvBufferBits = 224 * 1024 * 8;
constexpr int kDvdMaxVideoRate = 9800000;
// The video buffer the encoder works with at a rate (bit/s), smaller than a
// player's so that no second of video exceeds kDvdMaxVideoRate and the
// player's buffer keeps a margin (see streamwriter.cpp).
int dvdVideoBufferBits(int bitRate);

// The DVD rate control applied to an MPEG-2 encoder context: a variable
// bit rate up to p.bitRate (no padding, vbv_delay 0xFFFF), with the buffer
// of dvdVideoBufferBits (see the report in streamwriter.cpp). Shared by the
// writer and the benchmark's encoder-only run.
void configureDvdVideoEncoder(AVCodecContext *ctx, const VideoStreamParams &p);

class StreamWriter
{
public:
    StreamWriter();
    ~StreamWriter();
    StreamWriter(const StreamWriter &) = delete;
    StreamWriter &operator=(const StreamWriter &) = delete;

    bool open(const QString &path, const VideoStreamParams &video, const AudioStreamParams &audio,
              const ContainerParams &container = ContainerParams());
    // The frames (counted from 0, ascending) that must each begin a closed
    // group of pictures with an I picture (an IDR picture in H.264), so
    // that a chapter lands on its exact frame. Set before the first frame
    // is encoded; the encoder places its other key frames as it does
    // without them.
    void setKeyFrames(std::vector<int64_t> frames);
    // Encodes one source picture (srcWidth x srcHeight, srcPixelFormat).
    bool writeVideo(const uint8_t *pixels, int strideBytes);
    // writeVideo in two halves, so that the conversion can run on another
    // thread than the encoding: convertVideo turns a source picture into an
    // encoder input frame (null when out of memory, or without video); it
    // runs one call at a time, beside encodeVideo. encodeVideo encodes the
    // frames in the order given.
    av::Frame convertVideo(const uint8_t *pixels, int strideBytes);
    // The same in bands: a picture from the pool, then its rows converted
    // as they are made, band after band (each even-sized, in order, rows
    // y0 .. y0 + count - 1 of the source at `rows`). Only where the source
    // is BGRA of the output's size (convertsInBands()).
    bool convertsInBands() const { return m_useConverter && m_converter.rowsOneToOne(); }
    av::Frame newVideoFrame();
    void convertBand(AVFrame *frame, const uint8_t *rows, int strideBytes, int y0, int count) const;
    bool encodeVideo(av::Frame frame);
    // Queues PCM and encodes every complete audio frame (less the encoder's
    // delay at the start, see AudioStreamParams::trimEncoderDelay).
    bool writeAudio(const uint8_t *bytes, int count);
    // Ends the streams: pads the last audio frame with silence, drains the
    // encoders, writes the trailer and closes the file, checking each step.
    // After it the file is complete; false (with errorString) when not.
    bool finish();
    // Releases everything (writes the trailer first when finish() was not
    // called, as close always does; failures are only logged).
    void close();

    bool hasVideo() const { return m_video.codecId != 0; }
    bool hasAudio() const { return m_audio.codecId != 0; }
    bool isOpen() const { return bool(m_container); }
    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }
    int64_t videoFramesWritten() const { return m_videoFrames; }
    int64_t audioSamplesWritten() const { return m_audioSamples; }
    // Samples of PCM dropped at the start for the encoder's delay.
    int audioDelaySamples() const { return m_delaySamples; }

private:
    bool writeSequenceEnd();
    bool fail(const QString &what, int code);
    bool openVideo();
    bool configureH264(AVCodecContext *c);
    bool addChapters(const std::vector<ChapterMark> &chapters);
    bool openAudio();
    bool drain(AVCodecContext *ctx, AVStream *stream);
    bool encodeAudioFrame(const uint8_t *pcm);

    QString m_path;
    QString m_error;
    av::OutputFormat m_container;
    VideoStreamParams m_video;
    AudioStreamParams m_audio;
    av::CodecContext m_videoCodec;
    AVStream *m_videoStream = nullptr;
    av::CodecContext m_audioCodec;
    AVStream *m_audioStream = nullptr;
    av::Packet m_packet;
    AVRational m_sampleAspect = {0, 1};
    av::Frame m_audioFrame;
    av::Sws m_scaler;
    BgraToYuv420 m_converter;
    bool m_useConverter = false;
    av::Swr m_audioConverter;
    av::BufferPool m_framePool;
    int m_frameBytes = 0;
    int m_lumaStride = 0;
    int64_t m_videoFrames = 0;
    std::vector<int64_t> m_keyFrames;
    size_t m_nextKeyFrame = 0;
    int64_t m_audioSamples = 0;
    std::vector<uint8_t> m_pending;
    size_t m_pendingBytes = 0;
    int m_audioFrameBytes = 0;
    int m_delaySamples = 0;
    // Bytes of PCM still to drop at the start.
    int64_t m_delayBytesLeft = 0;
    bool m_headerWritten = false;
    bool m_finished = false;
    // SORVEL_ENCODER_INPUT_COPY=FILE: every picture handed to the video
    // encoder is also written there as raw planar YUV 4:2:0, so that a
    // benchmark can time the encoder alone on exactly these pictures.
    std::unique_ptr<QFile> m_inputCopy;
};
