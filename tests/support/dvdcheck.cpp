#include "dvdcheck.h"

#include <QDir>
#include <QFileInfo>

extern "C" {
#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <vector>

namespace DvdCheck {

namespace {
struct DvdCloser {
    void operator()(dvd_reader_t *d) const { DVDClose(d); }
};
struct IfoCloser {
    void operator()(ifo_handle_t *i) const { ifoClose(i); }
};
using DvdPtr = std::unique_ptr<dvd_reader_t, DvdCloser>;
using IfoPtr = std::unique_ptr<ifo_handle_t, IfoCloser>;

int bcd(uint8_t v)
{
    return (v >> 4) * 10 + (v & 0x0f);
}

void collectMessage(void *priv, dvd_logger_level_t, const char *format, va_list args)
{
    char text[1024];
    std::vsnprintf(text, sizeof text, format, args);
    static_cast<QStringList *>(priv)->append(QString::fromLocal8Bit(text).trimmed());
}

// A playback time in frames of its own rate.
int64_t timeFrames(const dvd_time_t &t)
{
    const int rateCode = (t.frame_u >> 6) & 3;
    const int64_t fps = rateCode == 1 ? 25 : 30; // NTSC counts 30 frames a second (drop-frame aside)
    return ((bcd(t.hour) * 60 + bcd(t.minute)) * 60 + bcd(t.second)) * fps + bcd(t.frame_u & 0x3f);
}

double timeSeconds(const dvd_time_t &t)
{
    const int rateCode = (t.frame_u >> 6) & 3;
    const double fps = rateCode == 1 ? 25.0 : rateCode == 3 ? 30000.0 / 1001.0 : 0.0;
    const int frames = bcd(t.frame_u & 0x3f);
    return bcd(t.hour) * 3600.0 + bcd(t.minute) * 60.0 + bcd(t.second) + (fps > 0 ? frames / fps : 0.0);
}
} // namespace

Disc read(const QString &path)
{
    Disc disc;
    QString target = path;
    if (QFileInfo(path).isDir() && QFileInfo(path).fileName() == QLatin1String("VIDEO_TS"))
        target = QFileInfo(path).absolutePath();
    static const dvd_logger_cb logger{collectMessage};
    DvdPtr dvd(DVDOpen2(&disc.messages, &logger, QFile::encodeName(target).constData()));
    if (!dvd) {
        disc.error = QStringLiteral("DVDOpen failed");
        return disc;
    }
    IfoPtr vmg(ifoOpen(dvd.get(), 0));
    if (!vmg || !vmg->tt_srpt || !vmg->vmgi_mat) {
        disc.error = QStringLiteral("cannot read VIDEO_TS.IFO");
        return disc;
    }
    disc.menuFormat = vmg->vmgi_mat->vmgm_video_attr.video_format;
    disc.menuPictureSize = vmg->vmgi_mat->vmgm_video_attr.picture_size;
    disc.menuAspect = vmg->vmgi_mat->vmgm_video_attr.display_aspect_ratio;
    for (int t = 0; t < vmg->tt_srpt->nr_of_srpts; ++t) {
        const title_info_t &info = vmg->tt_srpt->title[t];
        Title title;
        title.titleSet = info.title_set_nr;
        IfoPtr vts(ifoOpen(dvd.get(), info.title_set_nr));
        if (!vts || !vts->vtsi_mat) {
            disc.error = QStringLiteral("cannot read VTS %1").arg(info.title_set_nr);
            return disc;
        }
        const video_attr_t &v = vts->vtsi_mat->vts_video_attr;
        title.pal = v.video_format == 1 ? 1 : v.video_format == 0 ? 0 : -1;
        title.height = v.picture_size == 0 ? (title.pal == 1 ? 576 : 480) : 0;
        title.aspect = v.display_aspect_ratio;
        title.permittedDisplay = v.permitted_df;
        title.menuAspect = vts->vtsi_mat->vtsm_video_attr.display_aspect_ratio;
        title.partCount = info.nr_of_ptts;
        for (int a = 0; a < vts->vtsi_mat->nr_of_vts_audio_streams; ++a) {
            const audio_attr_t &attr = vts->vtsi_mat->vts_audio_attr[a];
            AudioStream s;
            s.format = attr.audio_format;
            s.channels = attr.channels + 1;
            if (attr.lang_type == 1 && attr.lang_code)
                s.language = QString(QChar(attr.lang_code >> 8)) + QChar(attr.lang_code & 0xff);
            title.audio.append(s);
        }
        if (vts->vts_ptt_srpt && vts->vts_pgcit && info.vts_ttn >= 1 &&
            info.vts_ttn <= vts->vts_ptt_srpt->nr_of_srpts) {
            const ttu_t &ttu = vts->vts_ptt_srpt->title[info.vts_ttn - 1];
            if (ttu.nr_of_ptts > 0) {
                const int pgcn = ttu.ptt[0].pgcn;
                if (pgcn >= 1 && pgcn <= vts->vts_pgcit->nr_of_pgci_srp)
                    title.seconds = timeSeconds(vts->vts_pgcit->pgci_srp[pgcn - 1].pgc->playback_time);
            }
            // Each chapter: its program's first cell, and the frames of the
            // cells before that one in its program chain.
            for (int c = 0; c < ttu.nr_of_ptts; ++c) {
                const int pgcn = ttu.ptt[c].pgcn;
                const int pgn = ttu.ptt[c].pgn;
                if (pgcn < 1 || pgcn > vts->vts_pgcit->nr_of_pgci_srp)
                    continue;
                const pgc_t *pgc = vts->vts_pgcit->pgci_srp[pgcn - 1].pgc;
                if (!pgc || pgn < 1 || pgn > pgc->nr_of_programs || !pgc->program_map || !pgc->cell_playback)
                    continue;
                const int cell = pgc->program_map[pgn - 1];
                if (cell < 1 || cell > pgc->nr_of_cells)
                    continue;
                Chapter chapter;
                chapter.startFrame = 0;
                for (int k = 0; k < cell - 1; ++k)
                    chapter.startFrame += timeFrames(pgc->cell_playback[k].playback_time);
                chapter.firstSector = pgc->cell_playback[cell - 1].first_sector;
                chapter.lastSector = pgc->cell_playback[cell - 1].last_sector;
                title.chapters.append(chapter);
            }
        }
        disc.titles.append(title);
    }
    disc.ok = true;
    return disc;
}

DecodeResult decodeAll(const QString &vobPath)
{
    DecodeResult r;
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, vobPath.toUtf8().constData(), nullptr, nullptr) < 0) {
        r.error = QStringLiteral("cannot open ") + vobPath;
        return r;
    }
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext *)> fmt(
        raw, [](AVFormatContext *c) { avformat_close_input(&c); });
    if (avformat_find_stream_info(fmt.get(), nullptr) < 0) {
        r.error = QStringLiteral("no stream info");
        return r;
    }
    struct Dec {
        AVCodecContext *ctx = nullptr;
        bool video = false;
        AVRational timeBase{1, 90000};
        double frameSeconds = 0.0; // one video frame
    };
    QList<Dec> decoders(int(fmt->nb_streams));
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVCodecParameters *par = fmt->streams[i]->codecpar;
        if (par->codec_type != AVMEDIA_TYPE_VIDEO && par->codec_type != AVMEDIA_TYPE_AUDIO)
            continue;
        const AVCodec *codec = avcodec_find_decoder(par->codec_id);
        if (!codec)
            continue;
        AVCodecContext *ctx = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(ctx, par);
        if (avcodec_open2(ctx, codec, nullptr) < 0) {
            avcodec_free_context(&ctx);
            continue;
        }
        const AVStream *stream = fmt->streams[i];
        const AVRational rate =
            stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
        decoders[int(i)] = {ctx, par->codec_type == AVMEDIA_TYPE_VIDEO, stream->time_base,
                            rate.num > 0 ? av_q2d(av_inv_q(rate)) : 0.0};
    }
    AVPacket *pkt = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    auto drain = [&](Dec &d) {
        while (avcodec_receive_frame(d.ctx, frame) == 0) {
            if (frame->decode_error_flags)
                ++r.errors;
            (d.video ? r.videoFrames : r.audioFrames)++;
            // A frame without a timestamp (the decoder gives none for the
            // last picture of a program stream) follows the one before.
            double &end = d.video ? r.videoEnd : r.audioEnd;
            const double length = d.video                  ? d.frameSeconds
                                  : frame->sample_rate > 0 ? double(frame->nb_samples) / frame->sample_rate
                                                           : 0.0;
            if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
                end = std::max(end, double(frame->best_effort_timestamp) * av_q2d(d.timeBase) + length);
            else
                end += length;
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(fmt.get(), pkt) >= 0) {
        if (pkt->stream_index < decoders.size() && decoders[pkt->stream_index].ctx) {
            Dec &d = decoders[pkt->stream_index];
            if (avcodec_send_packet(d.ctx, pkt) < 0)
                ++r.errors;
            drain(d);
        }
        av_packet_unref(pkt);
    }
    for (Dec &d : decoders) {
        if (!d.ctx)
            continue;
        avcodec_send_packet(d.ctx, nullptr);
        drain(d);
        avcodec_free_context(&d.ctx);
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    r.ok = r.videoFrames > 0;
    return r;
}

DecodeResult decodeTitle(const QString &dvdPath, int titleSet, const QString &scratchFile)
{
    if (!extractTitleVobs(dvdPath, titleSet, scratchFile)) {
        DecodeResult r;
        r.error = QStringLiteral("cannot read title set %1 of %2").arg(titleSet).arg(dvdPath);
        return r;
    }
    return decodeAll(scratchFile);
}

bool extractTitleVobs(const QString &dvdPath, int titleSet, const QString &outFile)
{
    DvdPtr dvd(DVDOpen(QFile::encodeName(dvdPath).constData()));
    if (!dvd)
        return false;
    std::unique_ptr<dvd_file_t, void (*)(dvd_file_t *)> file(
        DVDOpenFile(dvd.get(), titleSet, DVD_READ_TITLE_VOBS), DVDCloseFile);
    if (!file)
        return false;
    QFile out(outFile);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const ssize_t blocks = DVDFileSize(file.get());
    std::vector<unsigned char> buffer(64 * DVD_VIDEO_LB_LEN);
    for (ssize_t at = 0; at < blocks;) {
        const size_t count = size_t(std::min<ssize_t>(64, blocks - at));
        const ssize_t got = DVDReadBlocks(file.get(), int(at), count, buffer.data());
        if (got <= 0)
            return false;
        out.write(reinterpret_cast<const char *>(buffer.data()), got * DVD_VIDEO_LB_LEN);
        at += got;
    }
    return blocks > 0;
}

bool extractSectors(const QString &dvdPath, int titleSet, uint32_t first, uint32_t last,
                    const QString &outFile)
{
    DvdPtr dvd(DVDOpen(QFile::encodeName(dvdPath).constData()));
    if (!dvd || last < first)
        return false;
    std::unique_ptr<dvd_file_t, void (*)(dvd_file_t *)> file(
        DVDOpenFile(dvd.get(), titleSet, DVD_READ_TITLE_VOBS), DVDCloseFile);
    if (!file)
        return false;
    QFile out(outFile);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    std::vector<unsigned char> buffer(64 * DVD_VIDEO_LB_LEN);
    for (uint32_t at = first; at <= last;) {
        const size_t count = std::min<size_t>(64, size_t(last - at) + 1);
        const ssize_t got = DVDReadBlocks(file.get(), int(at), count, buffer.data());
        if (got <= 0)
            return false;
        out.write(reinterpret_cast<const char *>(buffer.data()), got * DVD_VIDEO_LB_LEN);
        at += uint32_t(got);
    }
    return true;
}

QList<QString> titleVobs(const QString &dvdFolder, int titleSet)
{
    QDir dir(dvdFolder);
    if (dir.exists(QStringLiteral("VIDEO_TS")))
        dir.cd(QStringLiteral("VIDEO_TS"));
    QList<QString> out;
    for (int part = 1; part <= 9; ++part) {
        const QString name = QStringLiteral("VTS_%1_%2.VOB").arg(titleSet, 2, 10, QLatin1Char('0')).arg(part);
        if (!dir.exists(name))
            break;
        out.append(dir.absoluteFilePath(name));
    }
    return out;
}

} // namespace DvdCheck
