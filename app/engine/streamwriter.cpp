#include "engine/streamwriter.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
}

#include <QLoggingCategory>
#include <QThread>

#include <algorithm>
#include <climits>
#include <cstring>

Q_LOGGING_CATEGORY(lcWriter, "sorvel.streamwriter")

VideoStreamParams VideoStreamParams::dvd(TvStandard standard, int32_t bitRate, DvdAspect aspect)
{
    const bool pal = standard == TvStandard::Pal;
    VideoStreamParams p;
    p.srcWidth = 720;
    p.srcHeight = pal ? 576 : 480;
    p.dstWidth = 720;
    p.dstHeight = pal ? 576 : 480;
    p.srcPixelFormat = AV_PIX_FMT_BGRA;
    p.codecId = AV_CODEC_ID_MPEG2VIDEO;
    p.codecType = AVMEDIA_TYPE_VIDEO;
    p.timeBaseNum = pal ? 1 : 1001;
    p.timeBaseDen = pal ? 25 : 30000;
    // The sequence header's aspect ratio information (2 for 4:3, 3 for
    // 16:9) follows from the sample aspect ratio set from these.
    p.aspectDen = aspect == DvdAspect::Wide ? 9 : 3;
    p.aspectNum = aspect == DvdAspect::Wide ? 16 : 4;
    p.bitRate = bitRate;
    return p;
}

VideoStreamParams VideoStreamParams::h264(int32_t width, int32_t height, int32_t fps, int32_t crf,
                                          const char *preset)
{
    VideoStreamParams p;
    p.srcWidth = p.dstWidth = width;
    p.srcHeight = p.dstHeight = height;
    p.srcPixelFormat = AV_PIX_FMT_BGRA;
    p.codecId = AV_CODEC_ID_H264;
    p.codecType = AVMEDIA_TYPE_VIDEO;
    p.timeBaseNum = 1;
    p.timeBaseDen = fps;
    // Square pixels: the display shape is the stored one.
    p.aspectNum = width;
    p.aspectDen = height;
    p.crf = crf;
    p.preset = preset;
    p.level = h264LevelFor(width, height, fps);
    p.bt709 = true;
    return p;
}

AudioStreamParams AudioStreamParams::aac(int32_t channels, int32_t bitRate)
{
    AudioStreamParams p;
    p.channels = channels;
    p.sampleRate = 48000;
    p.sampleFormat = AV_SAMPLE_FMT_S16;
    p.codecId = AV_CODEC_ID_AAC;
    p.codecType = AVMEDIA_TYPE_AUDIO;
    p.bitRate = bitRate;
    return p;
}

namespace {

// The H.264 levels from 3.0 up (ITU-T H.264 Table A-1): the most
// macroblocks a second and a frame, the bit rate (kbit/s) and the coded
// picture buffer (kbit) of the Baseline and Main profiles; High allows 1.25
// times both.
struct H264Level {
    int level;
    int64_t macroblocksPerSecond;
    int frameMacroblocks;
    int64_t maxRateKbit;
    int64_t maxBufferKbit;
};
constexpr H264Level kH264Levels[] = {
    {30, 40500, 1620, 10000, 10000},      {31, 108000, 3600, 14000, 14000},
    {32, 216000, 5120, 20000, 20000},     {40, 245760, 8192, 20000, 25000},
    {41, 245760, 8192, 50000, 62500},     {42, 522240, 8704, 50000, 62500},
    {50, 589824, 22080, 135000, 135000},  {51, 983040, 36864, 240000, 240000},
    {52, 2073600, 36864, 240000, 240000},
};

const H264Level *findLevel(int level)
{
    for (const H264Level &l : kH264Levels) {
        if (l.level == level)
            return &l;
    }
    return nullptr;
}

} // namespace

int h264LevelFor(int width, int height, int fps)
{
    const int mbWide = (width + 15) / 16;
    const int mbHigh = (height + 15) / 16;
    const int frame = mbWide * mbHigh;
    for (const H264Level &l : kH264Levels) {
        // A side may be at most sqrt(8 x the frame limit) macroblocks long.
        const int64_t side = int64_t(8) * l.frameMacroblocks;
        if (frame <= l.frameMacroblocks && int64_t(frame) * fps <= l.macroblocksPerSecond &&
            int64_t(mbWide) * mbWide <= side && int64_t(mbHigh) * mbHigh <= side)
            return l.level;
    }
    return 0;
}

int64_t h264MaxBitRate(int level)
{
    const H264Level *l = findLevel(level);
    return l ? l->maxRateKbit * 1250 : 0;
}

int64_t h264MaxBuffer(int level)
{
    const H264Level *l = findLevel(level);
    return l ? l->maxBufferKbit * 1250 : 0;
}

AudioStreamParams AudioStreamParams::ac3(int32_t channels, int32_t bitRate)
{
    AudioStreamParams p;
    p.channels = channels;
    p.sampleRate = 48000;
    p.sampleFormat = AV_SAMPLE_FMT_S16;
    p.codecId = AV_CODEC_ID_AC3;
    p.codecType = AVMEDIA_TYPE_AUDIO;
    p.bitRate = bitRate;
    p.trimEncoderDelay = true;
    return p;
}

// Rate control: a variable bit rate within the DVD's limits.
//
// The quality's rate is the most the video may take ("up to 9 Mbit/s"): the
// encoder aims at it where the pictures need it and spends less where they
// do not (a still photo's repeated frames cost next to nothing; nothing is
// padded), and it is the sequence header's bit rate. MPEG-2 signals such a
// stream by a vbv_delay of 0xFFFF in every picture (the variable-rate VBV
// of ISO/IEC 13818-2 Annex C: the decoder's buffer fills at the header's
// rate until full, a picture is taken out at its time), which is what
// FFmpeg writes whenever the minimum rate is not the maximum; mplex and
// dvdauthor take it as it is.
//
// A DVD player reads at most 9.8 Mbit/s of video. A constant 9 Mbit/s
// stream with the full 1835008-bit buffer reached 10.4 Mbit/s in single
// seconds and emptied the buffer to a few hundred bits: the frames after a
// quiet stretch may use all the buffer holds on top of the rate, and
// FFmpeg's per-frame limits (rc_max_available_vbv_use) only steer its
// estimate, which a scene change misses. The encoder's buffer is therefore
// made smaller than the player's: FFmpeg never lets a frame take more than
// its model buffer holds (it encodes the frame again more coarsely), so
// any second of video is at most the rate plus that buffer, and a player's
// 1835008-bit buffer never holds less than the difference. The model buffer
// is the smaller of 9.8 Mbit/s less the rate (800000 bits at 9 Mbit/s, a
// margin of 56 % in the player) and three quarters of the DVD buffer (a
// margin of 25 % at lower rates: slack for a burnt disc read late or a
// player slow to start). The header declares the model buffer, which the
// stream keeps; a decoder with more buffer (every DVD player) only gains.
int dvdVideoBufferBits(int bitRate)
{
    return int(std::min<int64_t>(int64_t(kDvdVbvBufferBits) * 3 / 4,
                                 std::max<int64_t>(int64_t(kDvdMaxVideoRate) - bitRate, 16384)));
}

void configureDvdVideoEncoder(AVCodecContext *c, const VideoStreamParams &p)
{
    c->codec_id = AVCodecID(p.codecId);
    c->codec_type = AVMEDIA_TYPE_VIDEO;
    c->width = p.dstWidth;
    c->height = p.dstHeight;
    c->time_base = AVRational{p.timeBaseNum, p.timeBaseDen};
    c->framerate = AVRational{p.timeBaseDen, p.timeBaseNum};
    // The average aims just below the maximum: FFmpeg's rate control wants
    // room between the two (with none it warns that it will fail).
    c->bit_rate = p.bitRate - p.bitRate / 64;
    c->bit_rate_tolerance = p.bitRate;
    c->rc_min_rate = 0;
    c->rc_max_rate = p.bitRate;
    c->rc_buffer_size = dvdVideoBufferBits(p.bitRate);
    c->rc_initial_buffer_occupancy = c->rc_buffer_size * 3 / 4;
    c->rc_max_available_vbv_use = 0.5f;
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    // Groups of 12 pictures (0.48 s PAL, 0.4 s NTSC: a DVD's VOBU is 0.4 to
    // 1 s), I and P pictures only, every group closed: a group needs no
    // picture before it, so a chapter can start at any group. FFmpeg's
    // encoder marks groups closed only without its scene-change I pictures
    // (it refuses the two together); a cut then starts with a P picture
    // whose blocks are coded on their own where that is cheaper.
    c->gop_size = 12;
    c->max_b_frames = 0;
    c->flags |= AV_CODEC_FLAG_CLOSED_GOP;
    av_opt_set_int(c, "sc_threshold", 1000000000, AV_OPT_SEARCH_CHILDREN);
    int num = 0, den = 0;
    av_reduce(&num, &den, int64_t(p.aspectNum) * p.dstHeight, int64_t(p.aspectDen) * p.dstWidth, 255);
    c->sample_aspect_ratio = AVRational{num, den};
    // Slice threads, six per core (at most 16): the encoder hands a
    // frame's slices to its threads as they become free and waits for the
    // last one, so many small slices keep every core busy while the
    // renderer, mplex or dvdauthor hold a core for a moment; with one per
    // core, a slice whose core was taken left the other core idle until it
    // ended. An MPEG-2 slice is one row of macroblocks at most, so more
    // slices cost no bits. On the 2-core benchmark album, twelve threads
    // against three: 5.56 s against 5.96 s (medians of four alternating
    // runs). SORVEL_ENCODER_THREADS overrides it (0 = FFmpeg's choice).
    const int cores = std::max(1, QThread::idealThreadCount());
    c->thread_count = qEnvironmentVariableIsSet("SORVEL_ENCODER_THREADS")
                          ? qEnvironmentVariableIntValue("SORVEL_ENCODER_THREADS")
                          : (cores == 1 ? 1 : std::min(6 * cores, 16));
    c->thread_type = FF_THREAD_SLICE;
}

StreamWriter::StreamWriter() = default;

StreamWriter::~StreamWriter()
{
    close();
}

bool StreamWriter::fail(const QString &what, int code)
{
    if (m_error.isEmpty()) {
        m_error = code ? QStringLiteral("%1 (%2): %3").arg(what, m_path, av::errorText(code))
                       : QStringLiteral("%1 (%2)").arg(what, m_path);
        qCWarning(lcWriter).noquote() << m_error;
    }
    return false;
}

bool StreamWriter::open(const QString &path, const VideoStreamParams &video, const AudioStreamParams &audio,
                        const ContainerParams &container)
{
    close();
    m_error.clear();
    m_path = path;
    m_video = video;
    m_audio = audio;
    AVFormatContext *ctx = nullptr;
    int rc = avformat_alloc_output_context2(
        &ctx, nullptr, container.format.isEmpty() ? nullptr : container.format.constData(),
        path.toLocal8Bit().constData());
    if (rc < 0 || !ctx)
        return fail(QStringLiteral("No output format for the file name"), rc);
    m_container.reset(ctx);
    if (hasVideo() && !openVideo())
        return false;
    if (hasAudio() && !openAudio())
        return false;
    if (m_container->nb_streams == 0)
        return fail(QStringLiteral("A writer without streams"), 0);
    if (!addChapters(container.chapters))
        return false;
    m_packet.reset(av_packet_alloc());
    if (!(m_container->oformat->flags & AVFMT_NOFILE)) {
        rc = avio_open(&m_container->pb, path.toLocal8Bit().constData(), AVIO_FLAG_WRITE);
        if (rc < 0)
            return fail(QStringLiteral("Cannot create the file"), rc);
    }
    // MP4's index normally follows the media; with fastStart the muxer
    // moves it to the front once the file is complete (a second pass over
    // the file), so that a player can start before the whole file is there.
    AVDictionary *options = nullptr;
    if (container.fastStart)
        av_dict_set(&options, "movflags", "+faststart", 0);
    rc = avformat_write_header(m_container.get(), &options);
    av_dict_free(&options);
    if (rc < 0)
        return fail(QStringLiteral("Cannot write the file header"), rc);
    m_headerWritten = true;
    m_inputCopy.reset();
    const QString copy = qEnvironmentVariable("SORVEL_ENCODER_INPUT_COPY");
    if (hasVideo() && !copy.isEmpty()) {
        m_inputCopy = std::make_unique<QFile>(copy);
        if (!m_inputCopy->open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("Cannot write the encoder's input to %1").arg(copy), 0);
    }
    return true;
}

bool StreamWriter::openVideo()
{
    // H.264 is libx264's (the other H.264 encoders FFmpeg may list need
    // hardware).
    const AVCodec *codec = m_video.codecId == AV_CODEC_ID_H264
                               ? avcodec_find_encoder_by_name("libx264")
                               : avcodec_find_encoder(AVCodecID(m_video.codecId));
    if (!codec)
        return fail(QStringLiteral("No video encoder"), 0);
    m_videoStream = avformat_new_stream(m_container.get(), nullptr);
    if (!m_videoStream)
        return fail(QStringLiteral("Cannot add the video stream"), AVERROR(ENOMEM));
    m_videoStream->id = 0;
    m_videoCodec.reset(avcodec_alloc_context3(codec));
    AVCodecContext *c = m_videoCodec.get();
    if (m_video.codecId == AV_CODEC_ID_H264) {
        if (!configureH264(c))
            return false;
    } else {
        configureDvdVideoEncoder(c, m_video);
    }
    if (m_container->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int rc = avcodec_open2(c, codec, nullptr);
    if (rc < 0)
        return fail(QStringLiteral("Cannot open the video encoder"), rc);
    rc = avcodec_parameters_from_context(m_videoStream->codecpar, c);
    if (rc < 0)
        return fail(QStringLiteral("Cannot set the video stream parameters"), rc);
    m_videoStream->time_base = c->time_base;
    m_videoStream->avg_frame_rate = c->framerate;
    m_videoStream->sample_aspect_ratio = c->sample_aspect_ratio;

    // The writer's BGRA frames take the one-pass converter (vertical
    // bilinear scaling, BT.601's matrix for DVDs, BT.709's for HD files);
    // anything else libswscale.
    m_useConverter =
        m_video.srcPixelFormat == AV_PIX_FMT_BGRA && m_video.srcWidth == m_video.dstWidth &&
        m_converter.setup(m_video.srcWidth, m_video.srcHeight, m_video.dstHeight,
                          m_video.bt709 ? BgraToYuv420::Matrix::Bt709 : BgraToYuv420::Matrix::Bt601);
    if (!m_useConverter && (m_video.srcPixelFormat != AV_PIX_FMT_YUV420P ||
                            m_video.srcWidth != m_video.dstWidth || m_video.srcHeight != m_video.dstHeight)) {
        m_scaler.reset(sws_getContext(
            m_video.srcWidth, m_video.srcHeight, AVPixelFormat(m_video.srcPixelFormat), m_video.dstWidth,
            m_video.dstHeight, AV_PIX_FMT_YUV420P,
            m_video.bt709 ? SWS_BILINEAR | SWS_ACCURATE_RND : SWS_FAST_BILINEAR, nullptr, nullptr, nullptr));
        if (!m_scaler)
            return fail(QStringLiteral("Cannot set up the picture conversion"), 0);
        if (m_video.bt709) {
            const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
            // Full-range RGB in, limited-range BT.709 YUV out.
            sws_setColorspaceDetails(m_scaler.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        }
    }
    // The encoder's input pictures get the row length of the encoder's own
    // pictures (the width plus its 16-pixel edges, in 64-byte steps), with
    // which the MPEG-2 encoder takes a picture as it is instead of copying
    // it into a picture of its own first.
    m_lumaStride = FFALIGN(m_video.dstWidth + 32, 64);
    m_frameBytes = m_lumaStride * m_video.dstHeight + m_lumaStride * ((m_video.dstHeight + 1) / 2);
    m_framePool.reset(av_buffer_pool_init(size_t(m_frameBytes) + 64, nullptr));
    if (!m_framePool)
        return fail(QStringLiteral("Out of memory"), AVERROR(ENOMEM));
    m_sampleAspect = c->sample_aspect_ratio;
    return true;
}

bool StreamWriter::configureH264(AVCodecContext *c)
{
    c->codec_type = AVMEDIA_TYPE_VIDEO;
    c->width = m_video.dstWidth;
    c->height = m_video.dstHeight;
    c->time_base = AVRational{m_video.timeBaseNum, m_video.timeBaseDen};
    c->framerate = AVRational{m_video.timeBaseDen, m_video.timeBaseNum};
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->sample_aspect_ratio = AVRational{1, 1};
    // High profile at the size's level; the level's rate and buffer as the
    // limits a player of that level needs (the constant-quality encoding
    // stays below them for photographs; a busy second is capped).
    c->profile = FF_PROFILE_H264_HIGH;
    c->level = m_video.level;
    c->rc_max_rate = h264MaxBitRate(m_video.level);
    c->rc_buffer_size = int(std::min<int64_t>(h264MaxBuffer(m_video.level), INT_MAX));
    // A key frame at least every five seconds (seeking), besides those at
    // the chapters (setKeyFrames) and the encoder's own at cuts.
    c->gop_size = 5 * std::max(1, m_video.timeBaseDen / std::max(1, m_video.timeBaseNum));
    if (m_video.bt709) {
        c->color_primaries = AVCOL_PRI_BT709;
        c->color_trc = AVCOL_TRC_BT709;
        c->colorspace = AVCOL_SPC_BT709;
        c->color_range = AVCOL_RANGE_MPEG;
    }
    // A frame thread per core: libx264's own choice (one and a half per
    // core) holds more frames in flight (22 MB more at 1080p) without
    // encoding faster, and the renderer needs its share of the cores.
    // SORVEL_ENCODER_THREADS overrides it (0 = libx264's choice).
    c->thread_count = qEnvironmentVariableIsSet("SORVEL_ENCODER_THREADS")
                          ? qEnvironmentVariableIntValue("SORVEL_ENCODER_THREADS")
                          : std::max(1, QThread::idealThreadCount());
    int rc = av_opt_set(c->priv_data, "profile", "high", 0);
    if (rc >= 0 && m_video.preset && *m_video.preset)
        rc = av_opt_set(c->priv_data, "preset", m_video.preset, 0);
    if (rc >= 0)
        rc = av_opt_set_double(c->priv_data, "crf", double(m_video.crf), 0);
    // Forced key frames are IDR pictures: a chapter can be entered there.
    if (rc >= 0)
        rc = av_opt_set_int(c->priv_data, "forced-idr", 1, 0);
    if (rc < 0)
        return fail(QStringLiteral("Cannot set up the H.264 encoder"), rc);
    return true;
}

bool StreamWriter::addChapters(const std::vector<ChapterMark> &chapters)
{
    if (chapters.empty())
        return true;
    if (!hasVideo())
        return fail(QStringLiteral("Chapters need a video stream"), 0);
    // The format context owns its chapters (freed with it); FFmpeg has no
    // public call to add one, so they are made as its own code makes them.
    AVFormatContext *ctx = m_container.get();
    auto **list = static_cast<AVChapter **>(av_realloc_array(nullptr, chapters.size(), sizeof(AVChapter *)));
    if (!list)
        return fail(QStringLiteral("Out of memory"), AVERROR(ENOMEM));
    ctx->chapters = list;
    ctx->nb_chapters = 0;
    for (size_t i = 0; i < chapters.size(); ++i) {
        auto *ch = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
        if (!ch)
            return fail(QStringLiteral("Out of memory"), AVERROR(ENOMEM));
        ch->id = int64_t(i) + 1;
        ch->time_base = AVRational{m_video.timeBaseNum, m_video.timeBaseDen};
        ch->start = chapters[i].startFrame;
        ch->end = chapters[i].endFrame;
        list[ctx->nb_chapters++] = ch;
        if (!chapters[i].title.isEmpty())
            av_dict_set(&ch->metadata, "title", chapters[i].title.toUtf8().constData(), 0);
    }
    return true;
}

bool StreamWriter::openAudio()
{
    const AVCodec *codec = avcodec_find_encoder(AVCodecID(m_audio.codecId));
    if (!codec)
        return fail(QStringLiteral("No audio encoder"), 0);
    m_audioStream = avformat_new_stream(m_container.get(), nullptr);
    if (!m_audioStream)
        return fail(QStringLiteral("Cannot add the audio stream"), AVERROR(ENOMEM));
    m_audioStream->id = int(m_container->nb_streams) - 1;
    m_audioCodec.reset(avcodec_alloc_context3(codec));
    AVCodecContext *c = m_audioCodec.get();
    c->codec_type = AVMEDIA_TYPE_AUDIO;
    c->sample_rate = m_audio.sampleRate;
    c->bit_rate = m_audio.bitRate;
    av_channel_layout_default(&c->ch_layout, m_audio.channels);
    c->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AVSampleFormat(m_audio.sampleFormat);
    c->time_base = AVRational{1, m_audio.sampleRate};
    if (m_container->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int rc = avcodec_open2(c, codec, nullptr);
    if (rc < 0)
        return fail(QStringLiteral("Cannot open the audio encoder"), rc);
    rc = avcodec_parameters_from_context(m_audioStream->codecpar, c);
    if (rc < 0)
        return fail(QStringLiteral("Cannot set the audio stream parameters"), rc);
    m_audioStream->time_base = c->time_base;

    SwrContext *swr = nullptr;
    rc = swr_alloc_set_opts2(&swr, &c->ch_layout, c->sample_fmt, c->sample_rate, &c->ch_layout,
                             AVSampleFormat(m_audio.sampleFormat), m_audio.sampleRate, 0, nullptr);
    m_audioConverter.reset(swr);
    if (rc < 0 || (rc = swr_init(swr)) < 0)
        return fail(QStringLiteral("Cannot set up the audio conversion"), rc);
    const int frameSize = c->frame_size > 0 ? c->frame_size : 1536;
    m_audioFrameBytes =
        m_audio.channels * frameSize * av_get_bytes_per_sample(AVSampleFormat(m_audio.sampleFormat));
    m_audioFrame.reset(av_frame_alloc());
    m_audioFrame->format = c->sample_fmt;
    m_audioFrame->nb_samples = frameSize;
    m_audioFrame->sample_rate = c->sample_rate;
    av_channel_layout_copy(&m_audioFrame->ch_layout, &c->ch_layout);
    rc = av_frame_get_buffer(m_audioFrame.get(), 0);
    if (rc < 0)
        return fail(QStringLiteral("Out of memory"), rc);
    m_pending.resize(size_t(m_audioFrameBytes) * 64);
    m_pendingBytes = 0;
    // An encoder with a delay (FFmpeg's AC-3 encoder: one 256-sample block)
    // puts that many samples before the first input sample when decoded.
    // Where the file cannot tell a player to skip them, the first samples
    // of the PCM are dropped instead, so the sound decoded at time t is the
    // soundtrack's sound at time t (5.33 ms earlier than it was), and the
    // same number of silent samples closes the stream, so that the last
    // input samples leave the encoder too.
    m_delaySamples = m_audio.trimEncoderDelay ? std::max(0, c->initial_padding) : 0;
    m_delayBytesLeft = int64_t(m_delaySamples) * m_audio.channels *
                       av_get_bytes_per_sample(AVSampleFormat(m_audio.sampleFormat));
    return true;
}

bool StreamWriter::drain(AVCodecContext *ctx, AVStream *stream)
{
    for (;;) {
        const int rc = avcodec_receive_packet(ctx, m_packet.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc < 0)
            return fail(QStringLiteral("Encoding failed"), rc);
        m_packet->stream_index = stream->index;
        av_packet_rescale_ts(m_packet.get(), ctx->time_base, stream->time_base);
        const int wrc = av_write_frame(m_container.get(), m_packet.get());
        av_packet_unref(m_packet.get());
        if (wrc < 0)
            return fail(QStringLiteral("Cannot write to the file"), wrc);
        if (m_container->pb && m_container->pb->error < 0)
            return fail(QStringLiteral("Cannot write to the file"), m_container->pb->error);
    }
}

bool StreamWriter::writeVideo(const uint8_t *pixels, int strideBytes)
{
    if (!hasVideo() || !m_videoCodec)
        return false;
    return encodeVideo(convertVideo(pixels, strideBytes));
}

av::Frame StreamWriter::newVideoFrame()
{
    if (!hasVideo() || !m_framePool)
        return av::Frame();
    // Encoder input pictures come from the pool: a picture the encoder
    // still holds is never overwritten, and none is allocated per frame
    // once the pool has its few buffers.
    av::Frame frame(av_frame_alloc());
    if (!frame)
        return frame;
    AVFrame *f = frame.get();
    f->buf[0] = av_buffer_pool_get(m_framePool.get());
    if (!f->buf[0])
        return av::Frame();
    f->data[0] = f->buf[0]->data;
    f->data[1] = f->data[0] + m_lumaStride * m_video.dstHeight;
    f->data[2] = f->data[1] + m_lumaStride / 2 * ((m_video.dstHeight + 1) / 2);
    f->linesize[0] = m_lumaStride;
    f->linesize[1] = f->linesize[2] = m_lumaStride / 2;
    f->format = AV_PIX_FMT_YUV420P;
    f->width = m_video.dstWidth;
    f->height = m_video.dstHeight;
    f->sample_aspect_ratio = m_sampleAspect;
    return frame;
}

void StreamWriter::convertBand(AVFrame *frame, const uint8_t *rows, int strideBytes, int y0, int count) const
{
    if (frame && convertsInBands())
        m_converter.convertRows(rows, strideBytes, y0, y0 + count, frame->data, frame->linesize);
}

av::Frame StreamWriter::convertVideo(const uint8_t *pixels, int strideBytes)
{
    av::Frame frame = newVideoFrame();
    if (!frame)
        return frame;
    AVFrame *f = frame.get();
    if (m_useConverter) {
        m_converter.convert(pixels, strideBytes > 0 ? strideBytes : m_video.srcWidth * 4, f->data,
                            f->linesize);
    } else if (m_scaler) {
        const uint8_t *src[4] = {pixels, nullptr, nullptr, nullptr};
        const int srcStride[4] = {strideBytes > 0 ? strideBytes : m_video.srcWidth * 4, 0, 0, 0};
        sws_scale(m_scaler.get(), src, srcStride, 0, m_video.srcHeight, f->data, f->linesize);
    } else {
        const uint8_t *src[4];
        int srcStride[4];
        av_image_fill_arrays(const_cast<uint8_t **>(src), srcStride, pixels, AV_PIX_FMT_YUV420P,
                             m_video.srcWidth, m_video.srcHeight, 1);
        av_image_copy(f->data, f->linesize, src, srcStride, AV_PIX_FMT_YUV420P, m_video.dstWidth,
                      m_video.dstHeight);
    }
    return frame;
}

void StreamWriter::setKeyFrames(std::vector<int64_t> frames)
{
    std::sort(frames.begin(), frames.end());
    m_keyFrames = std::move(frames);
    m_nextKeyFrame = 0;
}

bool StreamWriter::encodeVideo(av::Frame frame)
{
    if (!hasVideo() || !m_videoCodec)
        return false;
    if (failed())
        return false;
    if (!frame)
        return fail(QStringLiteral("Out of memory"), AVERROR(ENOMEM));
    // A key frame is encoded as an I picture that begins a new group (the
    // encoder starts one at every I picture it is asked for).
    while (m_nextKeyFrame < m_keyFrames.size() && m_keyFrames[m_nextKeyFrame] < m_videoFrames)
        ++m_nextKeyFrame;
    const bool key = m_nextKeyFrame < m_keyFrames.size() && m_keyFrames[m_nextKeyFrame] == m_videoFrames;
    frame->pict_type = key ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    frame->pts = m_videoFrames++;
    if (m_inputCopy) {
        for (int plane = 0; plane < 3; ++plane) {
            const int w = plane ? (frame->width + 1) / 2 : frame->width;
            const int h = plane ? (frame->height + 1) / 2 : frame->height;
            for (int y = 0; y < h; ++y)
                m_inputCopy->write(reinterpret_cast<const char *>(frame->data[plane]) +
                                       size_t(frame->linesize[plane]) * size_t(y),
                                   w);
        }
    }
    const int rc = avcodec_send_frame(m_videoCodec.get(), frame.get());
    if (rc < 0)
        return fail(QStringLiteral("Video encoding failed"), rc);
    return drain(m_videoCodec.get(), m_videoStream);
}

bool StreamWriter::encodeAudioFrame(const uint8_t *pcm)
{
    AVFrame *f = m_audioFrame.get();
    int rc = av_frame_make_writable(f);
    if (rc < 0)
        return fail(QStringLiteral("Out of memory"), rc);
    const uint8_t *in[1] = {pcm};
    const int samples = f->nb_samples;
    rc = swr_convert(m_audioConverter.get(), f->extended_data, samples, in, samples);
    if (rc < 0)
        return fail(QStringLiteral("Audio conversion failed"), rc);
    f->pts = m_audioSamples;
    m_audioSamples += samples;
    rc = avcodec_send_frame(m_audioCodec.get(), f);
    if (rc < 0)
        return fail(QStringLiteral("Audio encoding failed"), rc);
    return drain(m_audioCodec.get(), m_audioStream);
}

bool StreamWriter::writeAudio(const uint8_t *bytes, int count)
{
    if (!hasAudio() || !m_audioCodec)
        return false;
    if (failed())
        return false;
    if (m_delayBytesLeft > 0) {
        const int dropped = int(std::min<int64_t>(m_delayBytesLeft, count));
        m_delayBytesLeft -= dropped;
        bytes += dropped;
        count -= dropped;
    }
    if (count <= 0)
        return true;
    if (m_pending.size() < m_pendingBytes + size_t(count))
        m_pending.resize(m_pendingBytes + size_t(count));
    std::memcpy(m_pending.data() + m_pendingBytes, bytes, size_t(count));
    m_pendingBytes += size_t(count);
    size_t offset = 0;
    while (m_pendingBytes - offset >= size_t(m_audioFrameBytes)) {
        if (!encodeAudioFrame(m_pending.data() + offset))
            return false;
        offset += size_t(m_audioFrameBytes);
    }
    if (offset > 0) {
        std::memmove(m_pending.data(), m_pending.data() + offset, m_pendingBytes - offset);
        m_pendingBytes -= offset;
    }
    return true;
}

bool StreamWriter::finish()
{
    if (m_finished)
        return !failed();
    if (!m_container || !m_headerWritten)
        return fail(QStringLiteral("The file was never opened"), 0);
    if (failed())
        return false;
    if (hasAudio() && m_delaySamples > 0) {
        // The silence that pushes the last samples through the encoder's
        // delay.
        const std::vector<uint8_t> silence(size_t(m_delaySamples) * m_audio.channels *
                                               av_get_bytes_per_sample(AVSampleFormat(m_audio.sampleFormat)),
                                           0);
        m_delayBytesLeft = 0;
        if (!writeAudio(silence.data(), int(silence.size())))
            return false;
    }
    if (hasAudio() && m_pendingBytes > 0) {
        // The last audio frame is padded with silence.
        if (m_pending.size() < size_t(m_audioFrameBytes))
            m_pending.resize(size_t(m_audioFrameBytes));
        std::memset(m_pending.data() + m_pendingBytes, 0, size_t(m_audioFrameBytes) - m_pendingBytes);
        m_pendingBytes = 0;
        if (!encodeAudioFrame(m_pending.data()))
            return false;
    }
    if (m_videoCodec) {
        const int rc = avcodec_send_frame(m_videoCodec.get(), nullptr);
        if (rc < 0 && rc != AVERROR_EOF)
            return fail(QStringLiteral("Video encoding failed"), rc);
        if (!drain(m_videoCodec.get(), m_videoStream))
            return false;
    }
    if (m_audioCodec) {
        const int rc = avcodec_send_frame(m_audioCodec.get(), nullptr);
        if (rc < 0 && rc != AVERROR_EOF)
            return fail(QStringLiteral("Audio encoding failed"), rc);
        if (!drain(m_audioCodec.get(), m_audioStream))
            return false;
    }
    if (m_videoCodec && !writeSequenceEnd())
        return false;
    int rc = av_write_trailer(m_container.get());
    m_finished = true;
    if (rc < 0)
        return fail(QStringLiteral("Cannot write the end of the file"), rc);
    if (m_container->pb) {
        avio_flush(m_container->pb);
        if (m_container->pb->error < 0)
            return fail(QStringLiteral("Cannot write to the file"), m_container->pb->error);
        rc = avio_closep(&m_container->pb);
        if (rc < 0)
            return fail(QStringLiteral("Cannot close the file"), rc);
    }
    return true;
}

bool StreamWriter::writeSequenceEnd()
{
    // An MPEG video elementary stream ends with a sequence end code; the
    // encoder does not write one. Without it a multiplexer cannot tell that
    // the last picture is complete and drops it.
    const char *format = m_container->oformat ? m_container->oformat->name : "";
    if (std::strcmp(format, "mpeg2video") != 0 && std::strcmp(format, "mpeg1video") != 0)
        return true;
    static const unsigned char sequenceEnd[] = {0x00, 0x00, 0x01, 0xB7};
    avio_write(m_container->pb, sequenceEnd, int(sizeof sequenceEnd));
    if (m_container->pb->error < 0)
        return fail(QStringLiteral("Cannot write to the file"), m_container->pb->error);
    return true;
}

void StreamWriter::close()
{
    if (m_container && m_headerWritten && !m_finished) {
        const int rc = av_write_trailer(m_container.get());
        if (rc < 0)
            qCWarning(lcWriter).noquote() << "trailer of" << m_path << av::errorText(rc);
    }
    m_container.reset(); // closes the file
    m_inputCopy.reset();
    m_videoCodec.reset();
    m_audioCodec.reset();
    m_videoStream = nullptr;
    m_audioStream = nullptr;
    m_packet.reset();
    m_audioFrame.reset();
    m_scaler.reset();
    m_useConverter = false;
    m_audioConverter.reset();
    m_framePool.reset();
    std::vector<uint8_t>().swap(m_pending);
    m_pendingBytes = 0;
    m_delaySamples = 0;
    m_delayBytesLeft = 0;
    m_videoFrames = 0;
    m_keyFrames.clear();
    m_nextKeyFrame = 0;
    m_audioSamples = 0;
    m_headerWritten = false;
    m_finished = false;
    m_video = VideoStreamParams();
    m_audio = AudioStreamParams();
}
