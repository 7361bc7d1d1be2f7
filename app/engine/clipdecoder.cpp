#include "engine/clipdecoder.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <QLoggingCategory>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <vector>

Q_LOGGING_CATEGORY(lcClip, "sorvel.clipdecoder")

namespace {

void layoutOf(const AVChannelLayout &source, int channels, AVChannelLayout *out)
{
    if (source.order != AV_CHANNEL_ORDER_UNSPEC && source.nb_channels > 0)
        av_channel_layout_copy(out, &source);
    else
        av_channel_layout_default(out, channels > 0 ? channels : source.nb_channels);
}

} // namespace

ClipDecoder::ClipDecoder() = default;

ClipDecoder::~ClipDecoder()
{
    close();
}

void ClipDecoder::close()
{
    m_resampler.reset();
    m_mixer.reset();
    m_needLeadIn = true;
    m_dropOutput = 0;
    m_frame.reset();
    m_packet.reset();
    m_codec.reset();
    m_container.reset();
    m_streamIndex = -1;
    m_frameHeld = false;
    m_decoderDrained = false;
    m_inputEnded = false;
    m_endOfClip = false;
    m_seekTargetSamples = -1;
}

bool ClipDecoder::open(const AudioInfo &clip, const AudioInfo &wanted)
{
    close();
    m_info = wanted;
    if (m_info.channels <= 0)
        m_info.channels = 2;
    if (m_info.sampleRate <= 0)
        m_info.sampleRate = 48000;
    m_error.clear();
    m_container = av::openInput(clip.path);
    if (!m_container) {
        m_error = QStringLiteral("Cannot open the audio file %1").arg(clip.path);
        return false;
    }
    if (avformat_find_stream_info(m_container.get(), nullptr) < 0) {
        m_error = QStringLiteral("Cannot read the streams of %1").arg(clip.path);
        m_container.reset();
        return false;
    }
    m_codec = av::openFirstAudioDecoder(m_container.get(), &m_streamIndex);
    if (!m_codec) {
        m_error = QStringLiteral("No decodable audio stream in %1").arg(clip.path);
        m_container.reset();
        return false;
    }
    // Streams other than ours are not even read into packets.
    for (unsigned i = 0; i < m_container->nb_streams; ++i)
        m_container->streams[i]->discard = int(i) == m_streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    m_packet.reset(av_packet_alloc());
    m_frame.reset(av_frame_alloc());
    m_endOfClip = false;
    return true;
}

bool ClipDecoder::seek(double seconds)
{
    if (!m_container)
        return false;
    const int64_t ts = int64_t(seconds * 1000000.0);
    const int rc = av_seek_frame(m_container.get(), -1, ts, AVSEEK_FLAG_ANY | AVSEEK_FLAG_BACKWARD);
    if (rc < 0 && ts > 0)
        qCWarning(lcClip) << "seek failed:" << av::errorText(rc);
    avcodec_flush_buffers(m_codec.get());
    m_resampler.reset();
    m_mixer.reset();
    m_needLeadIn = true;
    m_dropOutput = 0;
    av_frame_unref(m_frame.get());
    av_packet_unref(m_packet.get());
    m_frameHeld = false;
    m_decoderDrained = false;
    m_inputEnded = false;
    m_endOfClip = false;
    const int rate = m_codec->sample_rate > 0 ? m_codec->sample_rate : 48000;
    m_seekTargetSamples = int64_t(seconds * rate + 0.5);
    return rc >= 0 || ts <= 0;
}

bool ClipDecoder::setupResampler()
{
    const AVFrame *f = m_frame.get();
    av::ChannelLayout in;
    av::ChannelLayout out;
    layoutOf(f->ch_layout, f->ch_layout.nb_channels, in.get());
    av_channel_layout_default(out.get(), m_info.channels);
    const AVSampleFormat outFormat = m_floatOutput ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16;
    // A change of rate goes in two steps: the channels and the sample
    // format first (at the file's rate, exact), then the rate, on
    // interleaved float samples that the decoder can lead in with (see
    // convertInto).
    const bool rateChange = f->sample_rate != m_info.sampleRate;
    av::Swr mixer;
    auto configureMixer = [&](bool fallbackMatrix) -> bool {
        SwrContext *created = nullptr;
        const int mixRate = rateChange ? f->sample_rate : m_info.sampleRate;
        if (swr_alloc_set_opts2(&created, out.get(), rateChange ? AV_SAMPLE_FMT_FLT : outFormat, mixRate,
                                in.get(), AVSampleFormat(f->format), f->sample_rate, 0, nullptr) < 0)
            return false;
        mixer.reset(created);
        // LFE is mixed in (-6 dB) when the output has no LFE channel.
        av_opt_set_double(created, "lfe_mix_level", 0.5, 0);
        const int nin = in->nb_channels;
        const int nout = out->nb_channels;
        std::vector<double> matrix;
        if (nin == 1 && (nout == 2 || nout == 6)) {
            // Mono to the front pair at full level.
            matrix.assign(size_t(nout), 0.0);
            matrix[0] = 1.0;
            matrix[1] = 1.0;
        } else if (fallbackMatrix) {
            matrix.assign(size_t(nin * nout), 0.0);
            std::vector<int> sources(size_t(nout), 0);
            for (int i = 0; i < nin; ++i)
                ++sources[size_t(i % nout)];
            for (int i = 0; i < nin; ++i)
                matrix[size_t((i % nout) * nin + i)] = 1.0 / sources[size_t(i % nout)];
        }
        if (!matrix.empty() && swr_set_matrix(created, matrix.data(), nin) < 0)
            return false;
        return swr_init(created) >= 0;
    };
    av::Swr rate;
    auto configureRate = [&]() -> bool {
        SwrContext *created = nullptr;
        if (swr_alloc_set_opts2(&created, out.get(), outFormat, m_info.sampleRate, out.get(),
                                AV_SAMPLE_FMT_FLT, f->sample_rate, 0, nullptr) < 0)
            return false;
        rate.reset(created);
        av_opt_set_int(created, "filter_size", 64, 0);
        av_opt_set_int(created, "phase_shift", 10, 0);
        av_opt_set_int(created, "linear_interp", 0, 0);
        av_opt_set_double(created, "cutoff", 0.97, 0);
        av_opt_set_int(created, "filter_type", SWR_FILTER_TYPE_KAISER, 0);
        av_opt_set_int(created, "kaiser_beta", 9, 0);
        return swr_init(created) >= 0;
    };
    if ((!configureMixer(false) && !configureMixer(true)) || (rateChange && !configureRate())) {
        m_error = QStringLiteral("Cannot convert the audio to %1 channels at %2 Hz")
                      .arg(m_info.channels)
                      .arg(m_info.sampleRate);
        qCWarning(lcClip).noquote() << m_error;
        return false;
    }
    if (rateChange) {
        m_mixer = std::move(mixer);
        m_resampler = std::move(rate);
        // The lead-in: whole periods of the two rates, so that the output
        // it gives is a whole number of samples.
        const int g = std::gcd(f->sample_rate, m_info.sampleRate);
        const int inStep = f->sample_rate / g;
        m_leadInStep = inStep <= 4096 ? inStep : 0;
        m_leadInOutStep = m_info.sampleRate / g;
    } else {
        m_resampler = std::move(mixer);
        m_leadInStep = 0;
    }
    return true;
}

int32_t ClipDecoder::roomFor(const AudioRing &ring) const
{
    return ring.capacity + kAudioRingSlack - ring.filled;
}

bool ClipDecoder::convertInto(AudioRing &ring, const AVFrame *frame)
{
    const int outFrameBytes = bytesPerSampleFrame();
    const int roomSamples = roomFor(ring) / outFrameBytes;
    uint8_t *out = ring.data + ring.filled;
    if (!frame) {
        if (!m_resampler)
            return true;
        const int pending = swr_get_out_samples(m_resampler.get(), 0);
        if (pending > roomSamples)
            return false;
        const int n = swr_convert(m_resampler.get(), &out, roomSamples, nullptr, 0);
        ring.filled += std::max(0, dropLeadIn(out, n, outFrameBytes)) * outFrameBytes;
        return true;
    }
    // Samples before the seek target are skipped.
    int skip = 0;
    if (m_seekTargetSamples >= 0) {
        const int64_t pts = frame->best_effort_timestamp;
        if (pts != AV_NOPTS_VALUE && frame->sample_rate > 0) {
            const AVRational tb = m_container->streams[m_streamIndex]->time_base;
            const int64_t start = av_rescale_q(pts, tb, AVRational{1, frame->sample_rate});
            if (start + frame->nb_samples <= m_seekTargetSamples)
                return true; // wholly before the target
            if (start < m_seekTargetSamples)
                skip = int(m_seekTargetSamples - start);
        }
        m_seekTargetSamples = -1;
    }
    const int inChannels = frame->ch_layout.nb_channels;
    const int count = frame->nb_samples - skip;
    if (count <= 0)
        return true;
    const bool direct = frame->format == (m_floatOutput ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16) &&
                        frame->sample_rate == m_info.sampleRate && inChannels == m_info.channels &&
                        !m_resampler;
    if (direct) {
        if (count > roomSamples)
            return false;
        std::memcpy(out, frame->data[0] + size_t(skip) * outFrameBytes, size_t(count) * outFrameBytes);
        ring.filled += count * outFrameBytes;
        return true;
    }
    if (!m_resampler && !setupResampler())
        return true; // no conversion possible: the clip yields no PCM
    const uint8_t *planes[AV_NUM_DATA_POINTERS] = {};
    const int bps = av_get_bytes_per_sample(AVSampleFormat(frame->format));
    if (av_sample_fmt_is_planar(AVSampleFormat(frame->format))) {
        for (int c = 0; c < inChannels && c < AV_NUM_DATA_POINTERS; ++c)
            planes[c] = frame->extended_data[c] + size_t(skip) * bps;
    } else {
        planes[0] = frame->extended_data[0] + size_t(skip) * bps * inChannels;
    }
    if (!m_mixer) {
        const int needed = swr_get_out_samples(m_resampler.get(), count);
        if (needed > roomSamples)
            return false;
        const int n = swr_convert(m_resampler.get(), &out, roomSamples, planes, count);
        if (n > 0)
            ring.filled += n * outFrameBytes;
        return true;
    }
    // A change of rate. A windowed-sinc filter started on a signal that
    // begins abruptly rings (a sine that starts mid-swing gains a ripple of
    // about 1 % of full scale at the start): the first samples are led in
    // by their own mirror image (2 x0 - x[k], which continues the signal's
    // level and slope backwards), and what the lead-in gives is dropped.
    // Clips joined end to start then meet without a step.
    const int channels = m_info.channels;
    int room = 0; // lead-in samples there is space for before the first sample
    if (m_needLeadIn && m_leadInStep > 0)
        room = std::max(0, std::min(count - 1, kLeadInSamples) / m_leadInStep * m_leadInStep);
    const int needed = swr_get_out_samples(m_resampler.get(), count + room);
    if (needed > roomSamples)
        return false;
    m_mixed.resize(size_t(room + count) * channels);
    float *first = m_mixed.data() + size_t(room) * channels;
    auto *mixedOut = reinterpret_cast<uint8_t *>(first);
    const int mixed = swr_convert(m_mixer.get(), &mixedOut, count, planes, count);
    if (mixed <= 0)
        return true;
    int leadIn = 0;
    if (m_needLeadIn) {
        m_needLeadIn = false;
        if (m_leadInStep > 0)
            leadIn = std::min(room, (mixed - 1) / m_leadInStep * m_leadInStep);
        for (int k = 1; k <= leadIn; ++k) {
            float *dst = first - size_t(k) * channels;
            const float *mirror = first + size_t(k) * channels;
            for (int c = 0; c < channels; ++c)
                dst[c] = 2.f * first[c] - mirror[c];
        }
        m_dropOutput = leadIn > 0 ? int64_t(leadIn / m_leadInStep) * m_leadInOutStep : 0;
    }
    const auto *source = reinterpret_cast<const uint8_t *>(first - size_t(leadIn) * channels);
    const int n = swr_convert(m_resampler.get(), &out, roomSamples, &source, mixed + leadIn);
    ring.filled += std::max(0, dropLeadIn(out, n, outFrameBytes)) * outFrameBytes;
    return true;
}

int ClipDecoder::dropLeadIn(uint8_t *out, int count, int frameBytes)
{
    if (count <= 0 || m_dropOutput <= 0)
        return count;
    const int drop = int(std::min<int64_t>(count, m_dropOutput));
    std::memmove(out, out + size_t(drop) * frameBytes, size_t(count - drop) * frameBytes);
    m_dropOutput -= drop;
    return count - drop;
}

bool ClipDecoder::decodeInto(AudioRing &ring, int32_t bytesPerFrame)
{
    return decodeTo(ring, bytesPerFrame * 256);
}

bool ClipDecoder::decodeTo(AudioRing &ring, int32_t target)
{
    ring.filled -= ring.filled % (m_floatOutput ? 4 : 2);
    if (!m_container) {
        m_endOfClip = true;
        return true;
    }
    const AVStream *stream = m_container->streams[m_streamIndex];
    // The out point in the stream's time base.
    const int64_t endPts = m_info.clipEnd > 0 && stream->time_base.num > 0
                               ? int64_t(m_info.clipEnd * stream->time_base.den / stream->time_base.num)
                               : INT64_MAX;
    while (ring.filled < target) {
        if (m_frameHeld) {
            if (!convertInto(ring, m_frame.get()))
                return true; // no room: keep the frame for the next call
            av_frame_unref(m_frame.get());
            m_frameHeld = false;
            continue;
        }
        if (m_decoderDrained) {
            if (!convertInto(ring, nullptr))
                return true;
            m_endOfClip = true;
            return true;
        }
        const int rc = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (rc == 0) {
            m_frameHeld = true;
            continue;
        }
        if (rc == AVERROR_EOF) {
            m_decoderDrained = true;
            continue;
        }
        if (rc != AVERROR(EAGAIN)) {
            qCWarning(lcClip) << "audio decoding failed:" << av::errorText(rc);
            m_decoderDrained = true;
            continue;
        }
        if (m_inputEnded) {
            m_decoderDrained = true;
            continue;
        }
        const int readRc = av_read_frame(m_container.get(), m_packet.get());
        if (readRc < 0) {
            m_inputEnded = true;
            avcodec_send_packet(m_codec.get(), nullptr);
            continue;
        }
        if (m_packet->stream_index != m_streamIndex) {
            av_packet_unref(m_packet.get());
            continue;
        }
        if (m_packet->pts != AV_NOPTS_VALUE && m_packet->pts > endPts) {
            av_packet_unref(m_packet.get());
            m_inputEnded = true;
            avcodec_send_packet(m_codec.get(), nullptr);
            continue;
        }
        // A packet the decoder refuses is dropped whole.
        const int sendRc = avcodec_send_packet(m_codec.get(), m_packet.get());
        if (sendRc < 0 && sendRc != AVERROR(EAGAIN))
            qCWarning(lcClip) << "audio packet dropped:" << av::errorText(sendRc);
        av_packet_unref(m_packet.get());
    }
    return true;
}
