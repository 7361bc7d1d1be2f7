#include "album/loudness.h"

#include "album/avhandles.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavfilter/avfilter.h>
#include <libavutil/opt.h>
}

#include <QLoggingCategory>

#include <cmath>
#include <memory>

Q_LOGGING_CATEGORY(lcLoudness, "sorvel.loudness")

namespace {

struct GraphDeleter {
    void operator()(AVFilterGraph *graph) const { avfilter_graph_free(&graph); }
};
using Graph = std::unique_ptr<AVFilterGraph, GraphDeleter>;

// abuffer -> ebur128 (true peak, metadata on each 100 ms block) -> sink.
struct Meter {
    Graph graph;
    AVFilterContext *source = nullptr;
    AVFilterContext *sink = nullptr;
    av::Frame out{av_frame_alloc()};
    double integrated = -70.0;
    double truePeak = 0.0; // linear
    bool sawBlock = false;

    bool open(const AVCodecContext *codec, QString *error)
    {
        graph.reset(avfilter_graph_alloc());
        if (!graph || !out) {
            *error = QStringLiteral("out of memory");
            return false;
        }
        av::ChannelLayout layout;
        if (codec->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC && codec->ch_layout.nb_channels > 0)
            av_channel_layout_copy(layout.get(), &codec->ch_layout);
        else
            av_channel_layout_default(layout.get(), codec->ch_layout.nb_channels);
        char layoutName[128] = {};
        av_channel_layout_describe(layout.get(), layoutName, sizeof(layoutName));
        const QByteArray args =
            QStringLiteral("time_base=1/%1:sample_rate=%1:sample_fmt=%2:channel_layout=%3")
                .arg(codec->sample_rate)
                .arg(QString::fromLatin1(av_get_sample_fmt_name(codec->sample_fmt)),
                     QString::fromLatin1(layoutName))
                .toLatin1();
        AVFilterContext *meter = nullptr;
        if (avfilter_graph_create_filter(&source, avfilter_get_by_name("abuffer"), "in", args.constData(),
                                         nullptr, graph.get()) < 0 ||
            avfilter_graph_create_filter(&meter, avfilter_get_by_name("ebur128"), "meter",
                                         "metadata=1:peak=true:dualmono=true", nullptr, graph.get()) < 0 ||
            avfilter_graph_create_filter(&sink, avfilter_get_by_name("abuffersink"), "out", nullptr, nullptr,
                                         graph.get()) < 0 ||
            avfilter_link(source, 0, meter, 0) < 0 || avfilter_link(meter, 0, sink, 0) < 0 ||
            avfilter_graph_config(graph.get(), nullptr) < 0) {
            *error = QStringLiteral("cannot set up the loudness measurement");
            return false;
        }
        return true;
    }

    // Takes what the meter has measured so far.
    void drain()
    {
        while (av_buffersink_get_frame(sink, out.get()) >= 0) {
            const AVDictionaryEntry *i = av_dict_get(out->metadata, "lavfi.r128.I", nullptr, 0);
            const AVDictionaryEntry *tp = av_dict_get(out->metadata, "lavfi.r128.true_peak", nullptr, 0);
            if (i) {
                integrated = std::strtod(i->value, nullptr);
                sawBlock = true;
            }
            if (tp)
                truePeak = std::max(truePeak, std::strtod(tp->value, nullptr));
            av_frame_unref(out.get());
        }
    }
};

} // namespace

namespace Loudness {

bool measure(const QString &path, ClipLoudness *result, QString *error, const std::atomic<bool> *cancel)
{
    *result = ClipLoudness();
    av::InputFormat input = av::openInput(path);
    if (!input || avformat_find_stream_info(input.get(), nullptr) < 0) {
        *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    int index = -1;
    av::CodecContext codec = av::openFirstAudioDecoder(input.get(), &index);
    if (!codec) {
        *error = QStringLiteral("no decodable audio in %1").arg(path);
        return false;
    }
    for (unsigned s = 0; s < input->nb_streams; ++s)
        input->streams[s]->discard = int(s) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    Meter meter;
    if (!meter.open(codec.get(), error))
        return false;
    av::Packet packet(av_packet_alloc());
    av::Frame frame(av_frame_alloc());
    if (!packet || !frame) {
        *error = QStringLiteral("out of memory");
        return false;
    }
    int64_t decodedSamples = 0;
    auto takeFrames = [&]() {
        while (avcodec_receive_frame(codec.get(), frame.get()) == 0) {
            decodedSamples += frame->nb_samples;
            // A frame whose format differs from the stream's (a changing
            // stream) is not measured rather than misread.
            if (frame->sample_rate == codec->sample_rate && frame->format == codec->sample_fmt &&
                frame->ch_layout.nb_channels == codec->ch_layout.nb_channels) {
                frame->pts = AV_NOPTS_VALUE;
                if (av_buffersrc_add_frame_flags(meter.source, frame.get(), AV_BUFFERSRC_FLAG_KEEP_REF) >= 0)
                    meter.drain();
            }
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        if (packet->stream_index == index && avcodec_send_packet(codec.get(), packet.get()) >= 0)
            takeFrames();
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    takeFrames();
    if (av_buffersrc_add_frame(meter.source, nullptr) >= 0)
        meter.drain();
    if (decodedSamples == 0) {
        *error = QStringLiteral("no audio decoded from %1").arg(path);
        return false;
    }
    result->measured = true;
    // A clip shorter than one 400 ms block has no gated loudness: it is
    // taken as silent (no gain).
    result->integratedLufs = meter.sawBlock && std::isfinite(meter.integrated) ? meter.integrated : -70.0;
    result->truePeakDb = meter.truePeak > 0.0 ? 20.0 * std::log10(meter.truePeak) : -120.0;
    qCDebug(lcLoudness).noquote() << path << result->integratedLufs << "LUFS" << result->truePeakDb << "dBTP";
    return true;
}

double gainDb(const ClipLoudness &loudness)
{
    if (!loudness.measured || !(loudness.integratedLufs > kSilenceLufs))
        return 0.0;
    const double toTarget = kTargetLufs - loudness.integratedLufs;
    const double peakRoom = kMaxTruePeakDb - loudness.truePeakDb;
    return std::min(toTarget, peakRoom);
}

} // namespace Loudness
