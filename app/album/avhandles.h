#pragma once

// RAII owners for FFmpeg handles. Every handle the program takes from
// FFmpeg goes into one of these, so that no error path leaks it.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/buffer.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <QString>

#include <memory>

namespace av {

struct InputFormatDeleter {
    void operator()(AVFormatContext *ctx) const { avformat_close_input(&ctx); }
};
struct OutputFormatDeleter {
    void operator()(AVFormatContext *ctx) const
    {
        if (!ctx)
            return;
        if (ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE))
            avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};
struct CodecContextDeleter {
    void operator()(AVCodecContext *ctx) const { avcodec_free_context(&ctx); }
};
struct FrameDeleter {
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct SwrDeleter {
    void operator()(SwrContext *ctx) const { swr_free(&ctx); }
};
struct BufferPoolDeleter {
    // The pool itself goes once every buffer taken from it is back.
    void operator()(AVBufferPool *pool) const { av_buffer_pool_uninit(&pool); }
};
struct SwsDeleter {
    void operator()(SwsContext *ctx) const { sws_freeContext(ctx); }
};

struct MemoryDeleter {
    void operator()(void *memory) const { av_free(memory); }
};

using InputFormat = std::unique_ptr<AVFormatContext, InputFormatDeleter>;
using OutputFormat = std::unique_ptr<AVFormatContext, OutputFormatDeleter>;
using CodecContext = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using Frame = std::unique_ptr<AVFrame, FrameDeleter>;
using Packet = std::unique_ptr<AVPacket, PacketDeleter>;
using Swr = std::unique_ptr<SwrContext, SwrDeleter>;
using Sws = std::unique_ptr<SwsContext, SwsDeleter>;
using BufferPool = std::unique_ptr<AVBufferPool, BufferPoolDeleter>;
// Bytes from av_malloc (aligned for FFmpeg's SIMD code).
using Memory = std::unique_ptr<uint8_t, MemoryDeleter>;

// A channel layout; a custom one owns its channel map.
class ChannelLayout
{
public:
    ChannelLayout() = default;
    ~ChannelLayout() { av_channel_layout_uninit(&m_layout); }
    ChannelLayout(const ChannelLayout &) = delete;
    ChannelLayout &operator=(const ChannelLayout &) = delete;
    AVChannelLayout *get() { return &m_layout; }
    const AVChannelLayout *get() const { return &m_layout; }
    AVChannelLayout *operator->() { return &m_layout; }
    const AVChannelLayout *operator->() const { return &m_layout; }

private:
    AVChannelLayout m_layout = {};
};

// Opens a file for reading (the path as UTF-8); null on failure.
inline InputFormat openInput(const QString &path)
{
    AVFormatContext *ctx = nullptr;
    if (avformat_open_input(&ctx, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return InputFormat();
    return InputFormat(ctx);
}

// The decoder of the first audio stream of an opened input that has a
// decoder which opens; *streamIndex is that stream's index (-1 and a null
// context when there is none).
inline CodecContext openFirstAudioDecoder(AVFormatContext *input, int *streamIndex)
{
    *streamIndex = -1;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream *stream = input->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        const AVCodec *decoder = avcodec_find_decoder(stream->codecpar->codec_id);
        if (!decoder)
            continue;
        CodecContext ctx(avcodec_alloc_context3(decoder));
        if (!ctx || avcodec_parameters_to_context(ctx.get(), stream->codecpar) < 0)
            continue;
        ctx->pkt_timebase = stream->time_base;
        if (avcodec_open2(ctx.get(), decoder, nullptr) < 0)
            continue;
        *streamIndex = int(i);
        return ctx;
    }
    return CodecContext();
}

// FFmpeg's text for an error code.
inline QString errorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(code, buffer, sizeof buffer);
    return QString::fromUtf8(buffer);
}

} // namespace av
