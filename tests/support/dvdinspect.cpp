#include "dvdinspect.h"

#include <QFile>

extern "C" {
#include <dvdnav/dvdnav.h>
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <memory>

namespace DvdInspect {

namespace {

struct InputCloser {
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};
using Input = std::unique_ptr<AVFormatContext, InputCloser>;
struct CodecCloser {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
using Codec = std::unique_ptr<AVCodecContext, CodecCloser>;
struct PacketFree {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameFree {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

Input open(const QString &path, QString *error)
{
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, QFile::encodeName(path).constData(), nullptr, nullptr) < 0) {
        *error = QStringLiteral("cannot open ") + path;
        return Input();
    }
    Input input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0) {
        *error = QStringLiteral("no stream information in ") + path;
        return Input();
    }
    return input;
}

// The rate fields of the sequence header and its extension, in the units
// MPEG-2 gives them (400 bit/s and 16384 bits).
struct RateFields {
    int64_t rate = 0;       // 18 bits
    int64_t rateHigh = 0;   // 12 bits of the extension
    int64_t buffer = 0;     // 10 bits
    int64_t bufferHigh = 0; // 8 bits of the extension
};

// Reads the rate fields and the picture headers' vbv_delay in one
// picture's data.
void parsePicture(const uint8_t *data, int size, RateFields *fields, QList<int> *vbvDelays)
{
    for (int i = 0; i + 12 < size; ++i) {
        if (data[i] != 0 || data[i + 1] != 0 || data[i + 2] != 1)
            continue;
        const uint8_t code = data[i + 3];
        const uint8_t *d = data + i + 4;
        if (code == 0xB3) {
            // 12 bits width, 12 height, 4 aspect, 4 frame rate, 18 bit
            // rate, a marker bit, 10 buffer size.
            fields->rate = (int64_t(d[4]) << 10) | (int64_t(d[5]) << 2) | (d[6] >> 6);
            fields->buffer = (int64_t(d[6] & 0x1F) << 5) | (d[7] >> 3);
        } else if (code == 0xB5 && (d[0] >> 4) == 1) {
            // Sequence extension: 4 bits id, 8 profile and level, 1
            // progressive, 2 chroma, 2 + 2 size extensions, 12 bit rate
            // extension, a marker bit, 8 buffer size extension.
            fields->rateHigh = (int64_t(d[2] & 0x1F) << 7) | (d[3] >> 1);
            fields->bufferHigh = d[4];
        } else if (code == 0x00) {
            // 10 bits temporal reference, 3 picture type, 16 vbv_delay.
            vbvDelays->append(((d[1] & 0x07) << 13) | (d[2] << 5) | (d[3] >> 3));
        }
    }
}

} // namespace

VideoStream readVideoStream(const QString &vobPath)
{
    VideoStream out;
    Input input = open(vobPath, &out.error);
    if (!input)
        return out;
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0) {
        out.error = QStringLiteral("no video stream");
        return out;
    }
    out.frameRate =
        av_q2d(input->streams[video]->avg_frame_rate.num > 0 ? input->streams[video]->avg_frame_rate
                                                             : input->streams[video]->r_frame_rate);
    std::unique_ptr<AVPacket, PacketFree> pkt(av_packet_alloc());
    RateFields fields;
    while (av_read_frame(input.get(), pkt.get()) >= 0) {
        if (pkt->stream_index == video) {
            out.pictureBits.append(int64_t(pkt->size) * 8);
            parsePicture(pkt->data, pkt->size, &fields, &out.vbvDelays);
        }
        av_packet_unref(pkt.get());
    }
    out.headerBitRate = ((fields.rateHigh << 18) | fields.rate) * 400;
    out.vbvBufferBits = ((fields.bufferHigh << 10) | fields.buffer) * 16384;
    out.ok = !out.pictureBits.isEmpty();
    if (!out.ok)
        out.error = QStringLiteral("no pictures");
    return out;
}

int64_t largestRun(const QList<int64_t> &pictureBits, int count)
{
    int64_t sum = 0;
    int64_t most = 0;
    for (int i = 0; i < pictureBits.size(); ++i) {
        sum += pictureBits[i];
        if (i >= count)
            sum -= pictureBits[i - count];
        most = std::max(most, sum);
    }
    return most;
}

int64_t lowestOccupancy(const QList<int64_t> &pictureBits, double frameRate, int64_t rate, int64_t bufferBits)
{
    const double perPicture = double(rate) / frameRate;
    double occupancy = double(bufferBits);
    double lowest = occupancy;
    for (const int64_t bits : pictureBits) {
        occupancy -= double(bits);
        lowest = std::min(lowest, occupancy);
        occupancy = std::min(double(bufferBits), occupancy + perPicture);
    }
    return int64_t(lowest);
}

Decoded decode(const QString &vobPath)
{
    Decoded out;
    Input input = open(vobPath, &out.error);
    if (!input)
        return out;
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int audio = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (video < 0) {
        out.error = QStringLiteral("no video stream");
        return out;
    }
    auto openCodec = [&](int index) {
        const AVCodecParameters *par = input->streams[index]->codecpar;
        const AVCodec *codec = avcodec_find_decoder(par->codec_id);
        Codec ctx(avcodec_alloc_context3(codec));
        if (!ctx || avcodec_parameters_to_context(ctx.get(), par) < 0 ||
            avcodec_open2(ctx.get(), codec, nullptr) < 0)
            return Codec();
        return ctx;
    };
    Codec videoCodec = openCodec(video);
    Codec audioCodec = audio >= 0 ? openCodec(audio) : Codec();
    if (!videoCodec) {
        out.error = QStringLiteral("no video decoder");
        return out;
    }
    const AVRational videoBase = input->streams[video]->time_base;
    const double frameSeconds = 1.0 / av_q2d(input->streams[video]->avg_frame_rate);
    const AVRational audioBase = audio >= 0 ? input->streams[audio]->time_base : AVRational{1, 90000};
    bool audioStarted = false;
    std::unique_ptr<AVPacket, PacketFree> pkt(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());

    auto takeVideo = [&] {
        while (avcodec_receive_frame(videoCodec.get(), frame.get()) == 0) {
            if (frame->decode_error_flags)
                ++out.decodeErrors;
            // A picture without a time (the last of a program stream)
            // follows the one before.
            const double t =
                frame->best_effort_timestamp != AV_NOPTS_VALUE
                    ? double(frame->best_effort_timestamp) * av_q2d(videoBase)
                    : (out.pictureTimes.isEmpty() ? 0.0 : out.pictureTimes.last() + frameSeconds);
            out.pictureTimes.append(t);
            std::array<double, 3> mean{0, 0, 0};
            for (int plane = 0; plane < 3; ++plane) {
                const int w = plane ? frame->width / 2 : frame->width;
                const int h = plane ? frame->height / 2 : frame->height;
                double sum = 0;
                int n = 0;
                for (int y = h / 4; y < h * 3 / 4; ++y) {
                    const uint8_t *row = frame->data[plane] + int64_t(y) * frame->linesize[plane];
                    for (int x = w / 4; x < w * 3 / 4; ++x, ++n)
                        sum += row[x];
                }
                mean[size_t(plane)] = n ? sum / n : 0.0;
            }
            out.centreYuv.append(mean);
            av_frame_unref(frame.get());
        }
    };
    auto takeAudio = [&] {
        while (avcodec_receive_frame(audioCodec.get(), frame.get()) == 0) {
            if (frame->decode_error_flags)
                ++out.decodeErrors;
            if (!audioStarted && frame->best_effort_timestamp != AV_NOPTS_VALUE) {
                out.audioStart = double(frame->best_effort_timestamp) * av_q2d(audioBase);
                out.sampleRate = frame->sample_rate;
                audioStarted = true;
            }
            if (audioStarted && frame->format == AV_SAMPLE_FMT_FLTP) {
                const float *first = reinterpret_cast<const float *>(frame->extended_data[0]);
                out.sound.insert(out.sound.end(), first, first + frame->nb_samples);
            }
            av_frame_unref(frame.get());
        }
    };
    while (av_read_frame(input.get(), pkt.get()) >= 0) {
        if (pkt->stream_index == video) {
            if (avcodec_send_packet(videoCodec.get(), pkt.get()) < 0)
                ++out.decodeErrors;
            takeVideo();
        } else if (audioCodec && pkt->stream_index == audio) {
            if (avcodec_send_packet(audioCodec.get(), pkt.get()) < 0)
                ++out.decodeErrors;
            takeAudio();
        }
        av_packet_unref(pkt.get());
    }
    avcodec_send_packet(videoCodec.get(), nullptr);
    takeVideo();
    if (audioCodec) {
        avcodec_send_packet(audioCodec.get(), nullptr);
        takeAudio();
    }
    out.ok = !out.pictureTimes.isEmpty();
    if (!out.ok)
        out.error = QStringLiteral("no pictures decoded");
    return out;
}

Walk walk(const QString &dvdPath, int64_t maxBlocks)
{
    Walk out;
    dvdnav_t *raw = nullptr;
    if (dvdnav_open(&raw, QFile::encodeName(dvdPath).constData()) != DVDNAV_STATUS_OK) {
        out.error = QStringLiteral("dvdnav_open failed");
        return out;
    }
    std::unique_ptr<dvdnav_t, dvdnav_status_t (*)(dvdnav_t *)> nav(raw, dvdnav_close);
    dvdnav_set_readahead_flag(nav.get(), 0);
    dvdnav_set_PGC_positioning_flag(nav.get(), 1);
    std::vector<uint8_t> block(DVD_VIDEO_LB_LEN);
    while (out.blocks < maxBlocks) {
        int32_t event = 0;
        int32_t length = 0;
        if (dvdnav_get_next_block(nav.get(), block.data(), &event, &length) != DVDNAV_STATUS_OK) {
            out.error = QString::fromUtf8(dvdnav_err_to_string(nav.get()));
            return out;
        }
        switch (event) {
        case DVDNAV_BLOCK_OK:
        case DVDNAV_NAV_PACKET:
            ++out.blocks;
            break;
        case DVDNAV_STILL_FRAME:
            dvdnav_still_skip(nav.get());
            break;
        case DVDNAV_WAIT:
            dvdnav_wait_skip(nav.get());
            break;
        case DVDNAV_CELL_CHANGE: {
            const auto *cell = reinterpret_cast<const dvdnav_cell_change_event_t *>(block.data());
            if (dvdnav_is_domain_vts(nav.get()) && cell->pgN == 1 && cell->cellN == 1) {
                ++out.titleStarts;
                if (out.titleStarts >= 2) {
                    out.ok = true;
                    return out;
                }
            }
            break;
        }
        case DVDNAV_STOP:
            out.stopped = true;
            out.ok = true;
            return out;
        default:
            break;
        }
    }
    out.ok = true;
    return out;
}

QImage firstPicture(const QString &vobPath)
{
    QString error;
    Input input = open(vobPath, &error);
    if (!input)
        return QImage();
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0)
        return QImage();
    const AVCodecParameters *par = input->streams[video]->codecpar;
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    Codec ctx(avcodec_alloc_context3(codec));
    if (!ctx || avcodec_parameters_to_context(ctx.get(), par) < 0 ||
        avcodec_open2(ctx.get(), codec, nullptr) < 0)
        return QImage();
    std::unique_ptr<AVPacket, PacketFree> pkt(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    const auto convert = [&]() {
        QImage image(frame->width, frame->height, QImage::Format_RGB32);
        SwsContext *sws =
            sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                           frame->height, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!sws)
            return QImage();
        uint8_t *dst[1] = {image.bits()};
        const int stride[1] = {int(image.bytesPerLine())};
        sws_scale(sws, frame->data, frame->linesize, 0, frame->height, dst, stride);
        sws_freeContext(sws);
        return image;
    };
    while (av_read_frame(input.get(), pkt.get()) >= 0) {
        const bool ours = pkt->stream_index == video;
        if (ours && avcodec_send_packet(ctx.get(), pkt.get()) < 0) {
            av_packet_unref(pkt.get());
            continue;
        }
        av_packet_unref(pkt.get());
        if (ours && avcodec_receive_frame(ctx.get(), frame.get()) == 0)
            return convert();
    }
    avcodec_send_packet(ctx.get(), nullptr);
    if (avcodec_receive_frame(ctx.get(), frame.get()) == 0)
        return convert();
    return QImage();
}

void Player::NavCloser::operator()(dvdnav_s *nav) const
{
    dvdnav_close(nav);
}

Player::Player(const QString &dvdPath) : m_block(DVD_VIDEO_LB_LEN)
{
    dvdnav_t *raw = nullptr;
    if (dvdnav_open(&raw, QFile::encodeName(dvdPath).constData()) != DVDNAV_STATUS_OK) {
        m_error = QStringLiteral("dvdnav_open failed");
        return;
    }
    m_nav.reset(raw);
    dvdnav_set_readahead_flag(raw, 0);
    dvdnav_set_PGC_positioning_flag(raw, 1);
}

Player::~Player() = default;

bool Player::run(Stop until, int64_t maxBlocks, MenuView *view, int *title, int *chapter)
{
    if (!ok())
        return false;
    dvdnav_t *nav = m_nav.get();
    for (int64_t blocks = 0; blocks < maxBlocks; ++blocks) {
        int32_t event = 0;
        int32_t length = 0;
        if (dvdnav_get_next_block(nav, m_block.data(), &event, &length) != DVDNAV_STATUS_OK) {
            m_error = QString::fromUtf8(dvdnav_err_to_string(nav));
            return false;
        }
        switch (event) {
        case DVDNAV_NAV_PACKET:
        case DVDNAV_STILL_FRAME: {
            pci_t *pci = dvdnav_get_current_nav_pci(nav);
            const bool menu = !dvdnav_is_domain_vts(nav) && pci && pci->hli.hl_gi.btn_ns > 0;
            if (until == Stop::Menu && menu) {
                if (view) {
                    *view = MenuView();
                    view->vts = dvdnav_is_domain_vtsm(nav);
                    view->buttons = pci->hli.hl_gi.btn_ns;
                    const int groups = std::max(1, int(pci->hli.hl_gi.btngr_ns));
                    const int modes[3] = {int(pci->hli.hl_gi.btngr1_dsp_ty),
                                          int(pci->hli.hl_gi.btngr2_dsp_ty),
                                          int(pci->hli.hl_gi.btngr3_dsp_ty)};
                    // With several groups the 36 button entries are shared
                    // out evenly among them.
                    const int stride = 36 / groups;
                    for (int g = 0; g < groups; ++g) {
                        view->groupModes.append(modes[g]);
                        QVector<QRect> rects;
                        for (int b = 0; b < view->buttons && b < stride; ++b) {
                            const btni_t &bt = pci->hli.btnit[g * stride + b];
                            rects.append(QRect(QPoint(int(bt.x_start), int(bt.y_start)),
                                               QPoint(int(bt.x_end), int(bt.y_end))));
                        }
                        view->groupRects.append(rects);
                    }
                }
                return true;
            }
            if (event == DVDNAV_STILL_FRAME) {
                if (menu) {
                    m_error = QStringLiteral("a menu came before the chapter");
                    return false;
                }
                dvdnav_still_skip(nav);
            }
            break;
        }
        case DVDNAV_WAIT:
            dvdnav_wait_skip(nav);
            break;
        case DVDNAV_CELL_CHANGE:
            if (!dvdnav_is_domain_vts(nav))
                ++m_menuCellStarts;
            if (until == Stop::Chapter && dvdnav_is_domain_vts(nav)) {
                int32_t t = 0;
                int32_t c = 0;
                dvdnav_current_title_info(nav, &t, &c);
                *title = t;
                *chapter = c;
                return true;
            }
            break;
        case DVDNAV_STOP:
            m_error = QStringLiteral("the player stopped");
            return false;
        default:
            break;
        }
    }
    if (until == Stop::Count)
        return true;
    m_error = QStringLiteral("nothing after %1 blocks").arg(maxBlocks);
    return false;
}

bool Player::untilMenu(MenuView *view, int64_t maxBlocks)
{
    return run(Stop::Menu, maxBlocks, view, nullptr, nullptr);
}

bool Player::untilChapter(int *title, int *chapter, int64_t maxBlocks)
{
    return run(Stop::Chapter, maxBlocks, nullptr, title, chapter);
}

bool Player::play(int64_t blocks)
{
    return run(Stop::Count, blocks, nullptr, nullptr, nullptr);
}

bool Player::press(int button)
{
    if (!ok())
        return false;
    pci_t *pci = dvdnav_get_current_nav_pci(m_nav.get());
    if (dvdnav_button_select_and_activate(m_nav.get(), pci, button) != DVDNAV_STATUS_OK) {
        m_error = QString::fromUtf8(dvdnav_err_to_string(m_nav.get()));
        return false;
    }
    return true;
}

int Player::arrow(int direction)
{
    if (!ok())
        return 0;
    pci_t *pci = dvdnav_get_current_nav_pci(m_nav.get());
    switch (direction) {
    case 0:
        dvdnav_upper_button_select(m_nav.get(), pci);
        break;
    case 1:
        dvdnav_lower_button_select(m_nav.get(), pci);
        break;
    case 2:
        dvdnav_left_button_select(m_nav.get(), pci);
        break;
    default:
        dvdnav_right_button_select(m_nav.get(), pci);
        break;
    }
    int32_t button = 0;
    dvdnav_get_current_highlight(m_nav.get(), &button);
    return button;
}

bool Player::inMenu() const
{
    return ok() && (dvdnav_is_domain_vmgm(m_nav.get()) || dvdnav_is_domain_vtsm(m_nav.get()));
}

int Player::highlighted() const
{
    int32_t button = 0;
    if (ok())
        dvdnav_get_current_highlight(m_nav.get(), &button);
    return button;
}

bool Player::menuButton(bool title)
{
    if (!ok())
        return false;
    if (dvdnav_menu_call(m_nav.get(), title ? DVD_MENU_Title : DVD_MENU_Root) != DVDNAV_STATUS_OK) {
        m_error = QString::fromUtf8(dvdnav_err_to_string(m_nav.get()));
        return false;
    }
    return true;
}

} // namespace DvdInspect
