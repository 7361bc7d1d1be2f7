#include "job/dvdgeneration.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTimer>

#include "album/timeline.h"
#include "authoring/dvdauthoring.h"
#include "authoring/dvdlanguages.h"
#include "engine/avwritermanager.h"
#include "engine/captionpainter.h"
#include "engine/menustill.h"
#include "engine/photoframing.h"
#include "engine/storyboardrender.h"
#include "engine/streamwriter.h"
#include "framework/uilanguage.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcGeneration, "sorvel.generation")

namespace {
// Share of the video's progress given to the soundtrack pass that comes
// before the frames when the video is streamed.
constexpr int kAudioPassPercent = 5;
// How long the author may take to open the video pipe (mplex starting).
constexpr qint64 kReaderWaitMs = 30000;
// The video pipe's buffer (the unprivileged maximum by default).
constexpr int kVideoPipeBytes = 1 << 20;
// How long a failed video pass waits for the author to tell its own cause
// (a broken pipe means mplex has gone) before the author is stopped.
constexpr int kWriterFailGraceMs = 2000;

// Owns a file descriptor.
class UniqueFd
{
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// A reader that went away makes a write into a pipe fail with EPIPE instead
// of ending the program.
void ignoreBrokenPipes()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);
}

const char *const kStatusTexts[] = {
    "Title %1 mplexing.",  "Title %1 mplex failed.",  "Title %1 mplex ok.",  "Title %1 mplex abort.",
    "Title %1 spumuxing.", "Title %1 spumux failed.", "Title %1 spumux ok.", "Title %1 spumux abort.",
    "Author started.",     "Author failed.",          "Author success.",     "Author abort.",
};
} // namespace

DvdGeneration::DvdGeneration(QObject *parent) : QObject(parent) {}

DvdGeneration::~DvdGeneration()
{
    stopParts();
}

void DvdGeneration::stopParts()
{
    if (m_pipeWait)
        m_pipeWait->stop();
    if (m_writerFailGrace)
        m_writerFailGrace->stop();
    if (m_writer)
        m_writer->stop();
    if (m_menuAbort)
        *m_menuAbort = true;
    // The author goes before the writer closes the video pipe: mplex must
    // never see the end of a stream that was cut short.
    if (m_author && m_author->isRunning()) {
        m_author->abort();
        m_author->wait(); // joins the worker, which ends its children
    }
    if (m_writer)
        m_writer->clearWriters();
    if (m_streaming && !m_workFolder.isEmpty()) {
        // The video pipe holds nothing; left in a kept working folder it
        // would keep whatever opens it waiting.
        const QByteArray pipe = QFile::encodeName(m_workFolder + QStringLiteral("/video.m2v"));
        struct stat st = {};
        if (::lstat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
            ::unlink(pipe.constData());
    }
}

DvdMenuContent DvdGeneration::menuContent(const Album &album, const QString &title,
                                          const MenuChoices &choices)
{
    DvdMenuContent content;
    content.title = title.trimmed().isEmpty() ? defaultVolumeLabel() : title.trimmed();
    content.photoCount = album.photos.size();
    const int backdrop = album.menuBackdropItem(choices);
    if (backdrop >= 0 && album.photos[backdrop].isTitleCard()) {
        // The card's background and colours; its words give way to the
        // title, in the card's text colour.
        TitleCard card = *album.photos[backdrop].titleCard;
        card.text.clear();
        content.titleColour = card.style.colour;
        content.backgroundAsIs = true;
        content.background = [card](QSize size) {
            const QImage photo = card.background == CardBackground::BlurredPhoto
                                     ? CaptionPainter::cardBackdrop(card.photoPath, size)
                                     : QImage();
            return CaptionPainter::titleCard(card, size, 1.0, photo);
        };
    } else if (backdrop >= 0) {
        content.background = [photo = album.photos[backdrop]](QSize size) {
            return Framing::shownPhoto(photo.path, photo.orientationCode, size);
        };
    }
    content.thumbnail = [items = album.photos](int k, QSize size) {
        if (k < 0 || k >= items.size())
            return QImage();
        const ImageInfo &item = items[k];
        if (!item.isTitleCard())
            return Framing::shownPhoto(item.path, item.orientationCode, size);
        const TitleCard &card = *item.titleCard;
        const QImage photo = card.background == CardBackground::BlurredPhoto
                                 ? CaptionPainter::cardBackdrop(card.photoPath, size)
                                 : QImage();
        return CaptionPainter::titleCard(card, size, 1.0, photo);
    };
    return content;
}

QVector<qint64> DvdGeneration::chapterFrames(const Album &album, const OutputFormat &format,
                                             ChapterMarks marks)
{
    const Timeline timeline = Timeline::of(album, format);
    QVector<qint64> frames{0};
    if (marks == ChapterMarks::PerPhoto) {
        for (int k = 1; k < timeline.photoCount(); ++k) {
            const qint64 f = timeline.photoStart(k);
            if (f > frames.last() && f < timeline.totalFrames())
                frames.append(f);
        }
    }
    return frames;
}

quint64 DvdGeneration::estimateDvdSize(int videoBitRate, int audioBitRate, double seconds)
{
    const qint64 v = videoBitRate;
    const qint64 a = audioBitRate;
    const qint64 bytes = qint64(double(v + a) * seconds * 0.125);
    return quint64(double(quint64(bytes)) * 1.05);
}

QString DvdGeneration::dvdFolder() const
{
    return m_workFolder + QStringLiteral("/dvd");
}

bool DvdGeneration::start(const Album &album, const DvdGenerationSettings &settings,
                          const QString &workFolder)
{
    if (m_running)
        return false;
    m_album = album;
    m_settings = settings;
    m_workFolder = workFolder;
    m_running = true;
    m_aborting = false;
    ++m_runId;
    m_format = OutputFormat::forStandard(settings.tvStandard, settings.aspect);
    m_format.audioChannels = settings.audioChannels;
    // Start outside the caller's call.
    deferStep(&DvdGeneration::startEncoding);
    return true;
}

void DvdGeneration::deferStep(void (DvdGeneration::*step)())
{
    // The next step starts outside the signal that ended the previous one,
    // and only if the generation it belongs to is still going.
    const int run = m_runId;
    QTimer::singleShot(0, this, [this, run, step] {
        if (run == m_runId && m_running)
            (this->*step)();
    });
}

void DvdGeneration::startMenu()
{
    if (m_menuAbort)
        *m_menuAbort = true; // an earlier run's pages are not wanted
    m_menuStreams = std::shared_future<DvdMenuStreams>();
    if (!m_settings.menu)
        return;
    DvdMenuContent content = menuContent(m_album, m_settings.menuTitle, m_settings.menuChoices);
    content.pal = m_settings.tvStandard == TvStandard::Pal;
    content.wide = m_settings.aspect == DvdAspect::Wide;
    // The music is made on the menu's thread, once for every page.
    const bool music = m_settings.menuChoices.music && m_album.menuMusicClip() >= 0;
    content.music = music;
    const Album album = music ? m_album : Album();
    const QString folder = m_workFolder + QStringLiteral("/menu");
    QDir().mkpath(folder);
    auto abort = std::make_shared<std::atomic<bool>>(false);
    m_menuAbort = abort;
    const TvStandard standard = m_settings.tvStandard;
    const DvdAspect aspect = m_settings.aspect;
    const QString workFolder = m_workFolder;
    m_menuStreams = std::async(std::launch::async, [content, folder, workFolder, abort, standard, aspect,
                                                    album] {
                        QElapsedTimer clock;
                        clock.start();
                        DvdMenuContent c = content;
                        const std::vector<int16_t> sound =
                            c.music ? MenuStill::music(album) : std::vector<int16_t>();
                        if (c.music && sound.empty()) {
                            // The clip did not decode: the menu stays silent.
                            qCWarning(lcGeneration) << "menu: no music from the first clip";
                            c.music = false;
                        }
                        DvdMenuStreams streams = DvdMenuDesign::encodePages(
                            c,
                            [standard, aspect, &sound](const QImage &picture, const QString &video,
                                                       const QString &audio, QString *error) {
                                return MenuStill::encode(picture, standard, aspect, video, audio, error,
                                                         sound.empty() ? nullptr : &sound);
                            },
                            folder, abort.get());
                        // The pages' program streams too, in the author's
                        // working folder, so that the author finds them ready.
                        if (streams.ok())
                            DvdMenuDesign::multiplexPages(&streams, workFolder, *abort);
                        qCInfo(lcGeneration) << "menu:" << streams.pages.size()
                                             << "pages drawn, encoded and multiplexed in" << clock.elapsed()
                                             << "ms";
                        return streams;
                    }).share();
}

void DvdGeneration::startEncoding()
{
    m_phase = Encoding;
    m_videoComplete = false;
    m_authorSucceeded = false;
    m_authorPercent = 0;
    m_writerError.clear();
    Q_EMIT videoStarted();
    Q_EMIT progressChanged(0);

    startMenu();
    // The old writer refers to the old storyboard: it goes first.
    m_writer.reset();
    m_storyboard = std::make_unique<StoryBoardRender>();
    m_writer = std::make_unique<AVWriterManager>();
    m_storyboard->setAlbum(&m_album);
    m_storyboard->setFormat(m_format);
    if (!m_writer->init(m_format)) {
        finish(false, tr("Cannot render the slideshow: %1").arg(m_writer->errorString()));
        return;
    }
    m_writer->setStoryboard(m_storyboard.get());
    m_writer->setRenderPriority(m_settings.endsWithProcess
                                    ? AVWriterManager::RenderPriority::Lower
                                    : AVWriterManager::RenderPriority::LowerIfRestorable);
    // Queued signals of a writer from an earlier generation must not reach
    // this one.
    const int run = m_runId;
    connect(m_writer.get(), &AVWriterManager::progressChanged, this, &DvdGeneration::onWriterProgress);
    connect(
        m_writer.get(), &AVWriterManager::compileEnd, this,
        [this, run] {
            if (run == m_runId)
                onCompileEnd();
        },
        Qt::QueuedConnection);
    connect(
        m_writer.get(), &AVWriterManager::failed, this,
        [this, run](const QString &message) {
            if (run == m_runId)
                onWriterFailed(message);
        },
        Qt::QueuedConnection);

    const QString videoPath = m_workFolder + QStringLiteral("/video.m2v");
    const QString audioPath = m_workFolder + QStringLiteral("/audio.ac3");
    QFile::remove(videoPath);
    QFile::remove(audioPath);
    QString pipeError;
    m_streaming = DvdAuthoring::createPipe(videoPath, &pipeError);
    if (!m_streaming)
        qCInfo(lcGeneration).noquote() << "no named pipe in the working folder (" + pipeError +
                                              "): the video is encoded into a file and authored afterwards";
    if (!m_streaming && !addVideoWriter(videoPath))
        return;
    auto audio = std::make_unique<StreamWriter>();
    if (!audio->open(audioPath, VideoStreamParams(),
                     AudioStreamParams::ac3(m_format.audioChannels, m_settings.audioBitRate))) {
        finish(false, tr("Cannot create the audio stream: %1").arg(audio->errorString()));
        return;
    }
    if (!m_writer->addWriter(std::move(audio))) {
        finish(false, m_writer->errorString());
        return;
    }
    // A streamed generation encodes the soundtrack alone first: mplex needs
    // the whole of it while it multiplexes the video as it comes. The first
    // two photos decode meanwhile on the other core, so the frames do not
    // wait for them.
    m_storyboard->decodeFirstPhotosAhead();
    m_pass = AudioPass;
    m_compileHandled = false;
    m_passClock.start();
    if (!m_writer->start())
        finish(false, tr("Cannot start encoding: %1").arg(m_writer->errorString()));
}

void DvdGeneration::onWriterProgress(int percent)
{
    if (m_phase != Encoding)
        return;
    if (!m_streaming)
        Q_EMIT progressChanged(percent);
    else if (m_pass == AudioPass)
        Q_EMIT progressChanged(percent * kAudioPassPercent / 100);
    else if (m_pass == VideoPass)
        Q_EMIT progressChanged(kAudioPassPercent + percent * (100 - kAudioPassPercent) / 100);
}

void DvdGeneration::onWriterFailed(const QString &message)
{
    if (m_phase != Encoding)
        return;
    if (m_streaming && m_pass == VideoPass) {
        writerFailedWhileStreaming(message);
        return;
    }
    finish(false, tr("Encoding failed: %1").arg(message));
}

void DvdGeneration::writerFailedWhileStreaming(const QString &message)
{
    // The pipe stays open until the author has ended: closing it would hand
    // mplex a short stream that it would take for the whole video. When
    // mplex went away first (the write failed with a broken pipe), the
    // author reports why within moments; otherwise it is stopped.
    if (!m_writerError.isEmpty())
        return;
    m_writerError = message;
    if (!m_author || !m_author->isRunning()) {
        const QString cause = authorFailureText();
        finish(false, cause.isEmpty() ? tr("Encoding failed: %1").arg(message) : cause);
        return;
    }
    if (!m_writerFailGrace) {
        m_writerFailGrace = std::make_unique<QTimer>();
        m_writerFailGrace->setSingleShot(true);
        connect(m_writerFailGrace.get(), &QTimer::timeout, this, [this] {
            if (m_running && !m_writerError.isEmpty() && m_author)
                m_author->abort(); // its aborted status ends the generation
        });
    }
    m_writerFailGrace->start(kWriterFailGraceMs);
}

void DvdGeneration::onCompileEnd()
{
    if (m_compileHandled || m_phase != Encoding)
        return;
    m_compileHandled = true;
    m_writer->stop();
    m_writer->clearWriters();
    if (m_writer->hasFailed()) {
        finish(false, tr("Encoding failed: %1").arg(m_writer->errorString()));
        return;
    }
    if (!m_streaming) {
        deferStep(&DvdGeneration::startAuthoring);
        return;
    }
    if (m_pass == AudioPass) {
        qCInfo(lcGeneration) << "soundtrack encoded in" << m_passClock.restart() << "ms";
        deferStep(&DvdGeneration::startStreamingAuthor);
        return;
    }
    qCInfo(lcGeneration) << "video encoded in" << m_passClock.restart() << "ms";
    // The last frame is in the pipe and the pipe is closed: what is left
    // of authoring is mplex's and dvdauthor's tail.
    m_videoComplete = true;
    m_phase = Authoring;
    Q_EMIT authoringTail();
    Q_EMIT progressChanged(m_authorPercent);
    if (m_authorSucceeded)
        finish(true, QString());
}

bool DvdGeneration::addAuthorStreams(const QString &videoPath, const QString &audioPath)
{
    m_author = std::make_unique<DvdAuthoring>();
    // The queued reports of an author from an earlier generation must not
    // reach this one.
    const int run = m_runId;
    connect(m_author.get(), &DvdAuthoring::progressChanged, this, [this, run](int p) {
        if (run != m_runId)
            return;
        m_authorPercent = p;
        if (m_phase == Authoring)
            Q_EMIT progressChanged(p);
    });
    connect(m_author.get(), &DvdAuthoring::statusChanged, this,
            [this, run](DvdAuthoring::AuthorStatus status, int title) {
                if (run == m_runId)
                    onAuthorStatus(int(status), title);
            });
    const QString locale =
        m_settings.audioLanguage.isEmpty() ? UiLanguage::current() : m_settings.audioLanguage;
    QString language = g_DVDLanguages.languageName(locale);
    if (language.isEmpty())
        language = QStringLiteral("English");
    if (!m_author->addVideo(videoPath, 0) || !m_author->addAudio(audioPath, language, 0))
        return false;
    m_author->setAspectRatio(m_settings.aspect == DvdAspect::Wide ? DvdAuthoring::Ratio16x9
                                                                  : DvdAuthoring::Ratio4x3);
    if (!m_author->setChapters(0, chapterFrames(m_album, m_format, chapterMarks(m_settings))))
        return false;
    if (m_menuStreams.valid())
        m_author->setMenu(m_menuStreams);
    m_author->setEndOfShow(m_settings.atEnd == ShowEnd::Stop ? DvdAuthoring::Stop : DvdAuthoring::PlayAgain);
    m_author->setTempPath(m_workFolder);
    m_author->setTVStandard(m_settings.tvStandard == TvStandard::Pal ? DvdAuthoring::PAL
                                                                     : DvdAuthoring::NTSC);
    return true;
}

void DvdGeneration::startAuthoring()
{
    m_phase = Authoring;
    Q_EMIT authoringTail();
    Q_EMIT progressChanged(0);
    const QString videoPath = QDir::toNativeSeparators(m_workFolder + QStringLiteral("/video.m2v"));
    const QString audioPath = QDir::toNativeSeparators(m_workFolder + QStringLiteral("/audio.ac3"));
    if (!addAuthorStreams(videoPath, audioPath)) {
        finish(false, tr("The encoded video is missing."));
        return;
    }
    // The DVD is authored in the working folder; the delivery moves it into
    // place only once it is complete.
    m_author->start();
}

void DvdGeneration::startStreamingAuthor()
{
    ignoreBrokenPipes();
    if (!addAuthorStreams(m_workFolder + QStringLiteral("/video.m2v"),
                          m_workFolder + QStringLiteral("/audio.ac3"))) {
        finish(false, tr("The encoded streams are missing."));
        return;
    }
    m_author->setExpectedSize(
        qint64(estimateDvdSize(m_settings.videoBitRate, m_settings.audioBitRate, m_album.videoLength())));
    m_author->start();

    // The video pass starts once mplex reads the pipe; opening it before
    // would block until it does, or for ever if mplex never comes.
    m_pass = WaitingForReader;
    m_passClock.start();
    if (!m_pipeWait) {
        m_pipeWait = std::make_unique<QTimer>();
        m_pipeWait->setInterval(5);
        connect(m_pipeWait.get(), &QTimer::timeout, this, &DvdGeneration::openVideoPipe);
    }
    m_pipeWait->start();
}

void DvdGeneration::openVideoPipe()
{
    if (!m_running || m_phase != Encoding || m_pass != WaitingForReader) {
        m_pipeWait->stop();
        return;
    }
    const QByteArray path = QFile::encodeName(m_workFolder + QStringLiteral("/video.m2v"));
    // Succeeds only once a reader has the pipe open.
    const UniqueFd probe(::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (probe.get() < 0) {
        if (errno == ENXIO && m_passClock.elapsed() < kReaderWaitMs)
            return; // not yet; a failing author ends the generation through its status
        m_pipeWait->stop();
        const QString reason = errno == ENXIO ? tr("mplex did not start reading the video")
                                              : QString::fromLocal8Bit(::strerror(errno));
        finish(false, tr("Failed to create DVD!") + QLatin1Char('\n') + reason);
        return;
    }
    m_pipeWait->stop();
    // A deeper pipe (about a second of video instead of 64 KiB) lets the
    // encoder go on while mplex waits for a core, and the other way round.
    if (::fcntl(probe.get(), F_SETPIPE_SZ, kVideoPipeBytes) < 0)
        qCDebug(lcGeneration) << "the video pipe keeps its size:" << ::strerror(errno);
    // A reader of our own, held while the stream opens, so that the open
    // cannot block even if mplex went away in between (the first write then
    // fails instead).
    const UniqueFd keeper(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (addVideoWriter(QFile::decodeName(path)))
        startVideoPass();
}

bool DvdGeneration::addVideoWriter(const QString &path)
{
    auto video = std::make_unique<StreamWriter>();
    if (!video->open(
            path, VideoStreamParams::dvd(m_settings.tvStandard, m_settings.videoBitRate, m_settings.aspect),
            AudioStreamParams())) {
        finish(false, tr("Cannot create the video stream: %1").arg(video->errorString()));
        return false;
    }
    // Each chapter starts with a closed group of pictures on its very
    // frame, so that the chapter dvdauthor marks there begins on it.
    const QVector<qint64> chapters = chapterFrames(m_album, m_format, chapterMarks(m_settings));
    video->setKeyFrames(std::vector<int64_t>(chapters.begin(), chapters.end()));
    if (!m_writer->addWriter(std::move(video))) {
        finish(false, m_writer->errorString());
        return false;
    }
    return true;
}

void DvdGeneration::startVideoPass()
{
    qCInfo(lcGeneration) << "mplex read the video pipe after" << m_passClock.restart() << "ms";
    m_pass = VideoPass;
    m_compileHandled = false;
    if (!m_writer->start())
        finish(false, tr("Cannot start encoding: %1").arg(m_writer->errorString()));
}

QString DvdGeneration::authorFailureText() const
{
    if (!m_author)
        return QString();
    const int status = m_author->processStatus();
    if (status != DvdAuthoring::MplexFailed && status != DvdAuthoring::SpumuxFailed &&
        status != DvdAuthoring::AuthorFailed)
        return QString();
    // The cause as the authoring tools gave it.
    const QString reason = m_author->errorString();
    return reason.isEmpty() ? tr("Failed to create DVD!")
                            : tr("Failed to create DVD!") + QLatin1Char('\n') + reason;
}

void DvdGeneration::onAuthorStatus(int status, int title)
{
    if (status >= 0 && status < int(sizeof kStatusTexts / sizeof *kStatusTexts)) {
        QString text = QString::fromLatin1(kStatusTexts[status]);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(title);
        qCDebug(lcGeneration).noquote() << "authoring:" << text;
    }
    // A streamed generation authors while it encodes.
    if (m_phase != Authoring && !(m_streaming && m_phase == Encoding))
        return;
    switch (status) {
    case DvdAuthoring::AuthorSucceeded:
        if (m_streaming)
            qCInfo(lcGeneration) << "authoring ended" << m_passClock.elapsed() << "ms after the video";
        if (m_videoComplete || !m_streaming) {
            finish(true, QString());
        } else if (m_writerError.isEmpty() && m_phase == Encoding && m_pass == VideoPass) {
            // The video pass has handed over every frame and closed the
            // pipe; its end is on its way.
            m_authorSucceeded = true;
        } else {
            // A DVD made from less than the whole video is no result.
            finish(false, m_writerError.isEmpty()
                              ? tr("Failed to create DVD!") + QLatin1Char('\n') + tr("The video ended early.")
                              : tr("Encoding failed: %1").arg(m_writerError));
        }
        break;
    case DvdAuthoring::MplexFailed:
    case DvdAuthoring::SpumuxFailed:
    case DvdAuthoring::AuthorFailed:
        finish(false, m_aborting ? tr("Aborted") : authorFailureText());
        break;
    case DvdAuthoring::MplexAborted:
    case DvdAuthoring::SpumuxAborted:
    case DvdAuthoring::AuthorAborted:
        finish(false, !m_writerError.isEmpty() && !m_aborting ? tr("Encoding failed: %1").arg(m_writerError)
                                                              : tr("Aborted"));
        break;
    default:
        break;
    }
}

void DvdGeneration::abort()
{
    if (!m_running || m_aborting)
        return;
    m_aborting = true;
    if (m_phase == Authoring && m_author && m_author->isRunning()) {
        // The author reports its aborted status; that ends the generation.
        m_author->abort();
        return;
    }
    finish(false, tr("Aborted")); // stops the writer and the author
}

void DvdGeneration::finish(bool ok, const QString &message)
{
    if (!m_running)
        return;
    stopParts();
    m_phase = Idle;
    m_running = false;
    ++m_runId; // late reports of this generation's parts are ignored
    Q_EMIT finished(ok, message);
}
