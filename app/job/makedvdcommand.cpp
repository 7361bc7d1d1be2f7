#include "job/makedvdcommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <mutex>
#include <unistd.h>

extern "C" {
#include <libavutil/log.h>
}

#include "album/appsettings.h"
#include "album/infoparser.h"
#include "album/project.h"
#include "album/timeline.h"
#include "engine/storyboardrender.h"
#include "framework/filecheck.h"
#include "framework/commands.h"
#include "framework/terminationsignals.h"
#include "burning/burnworkflow.h"
#include "burning/runquestions.h"
#include "job/makejob.h"
#include "job/makedvdoptions.h"

namespace {

void printErr(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// A heading and one file a line; nothing when there are no files.
// A heading and one file a line, each with why it is listed when known.
void printFileList(const QString &heading, const QStringList &paths, const QStringList &reasons = {})
{
    if (paths.isEmpty())
        return;
    QString text = heading + QLatin1Char('\n');
    for (int i = 0; i < paths.size(); ++i) {
        text += QStringLiteral("  ") + QDir::toNativeSeparators(paths.at(i));
        if (i < reasons.size() && !reasons.at(i).isEmpty())
            text += QStringLiteral(": ") + reasons.at(i);
        text += QLatin1Char('\n');
    }
    printErr(text);
}

// Step lines and a live progress bar on a terminal; plain lines otherwise.
class ProgressPrinter
{
public:
    explicit ProgressPrinter(bool quiet) : m_quiet(quiet), m_tty(::isatty(STDERR_FILENO) == 1)
    {
        m_clock.start();
    }

    void step(const QString &text)
    {
        if (m_quiet || text.isEmpty() || text == m_step)
            return;
        endBar();
        m_step = text;
        m_lastPercent = -1;
        printErr(text + QLatin1Char('\n'));
    }

    void progress(int percent)
    {
        if (m_quiet)
            return;
        percent = qBound(0, percent, 100);
        if (m_tty) {
            if (percent == m_lastPercent && m_lastDraw.isValid() && m_lastDraw.elapsed() < 500)
                return;
            m_lastDraw.start();
            const int width = 30;
            const int filled = percent * width / 100;
            const qint64 s = m_clock.elapsed() / 1000;
            const QString bar =
                QStringLiteral("\r[%1%2] %3%  %4:%5:%6 ")
                    .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('-')))
                    .arg(percent, 3)
                    .arg(s / 3600, 2, 10, QLatin1Char('0'))
                    .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
                    .arg(s % 60, 2, 10, QLatin1Char('0'));
            printErr(bar);
            m_barShown = true;
        } else if (percent / 10 != m_lastPercent / 10 || m_lastPercent < 0) {
            printErr(QStringLiteral("%1 %2%\n").arg(m_step).arg(percent));
        }
        m_lastPercent = percent;
    }

    void endBar()
    {
        if (m_barShown) {
            printErr(QStringLiteral("\n"));
            m_barShown = false;
        }
    }

    QString elapsedText() const
    {
        const qint64 s = m_clock.elapsed() / 1000;
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600, 2, 10, QLatin1Char('0'))
            .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    }

private:
    bool m_quiet;
    bool m_tty;
    bool m_barShown = false;
    int m_lastPercent = -1;
    QString m_step;
    QElapsedTimer m_clock;
    QElapsedTimer m_lastDraw;
};

Q_LOGGING_CATEGORY(lcFfmpeg, "sorvel.ffmpeg")

// The diagnostic log of a run: every message of the program and of the
// libraries it uses (Qt's image readers, FFmpeg's "[mp3 @ 0x...]" lines) goes
// into make-dvd.log (make-video.log) in the cache folder, which each run starts afresh, and
// to the terminal only when asked for. Messages come from any thread.
class DiagnosticLog
{
public:
    DiagnosticLog(bool verbose, const QString &fileName)
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        if (!folder.isEmpty() && QDir().mkpath(folder)) {
            m_file.setFileName(folder + QLatin1Char('/') + fileName);
            if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
                m_file.setFileName(QString());
        }
        m_verbose = verbose;
        // Without --verbose the libraries' chatter stays out of the log too.
        if (!verbose && qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
            QLoggingCategory::setFilterRules(QStringLiteral("sorvel.*.debug=false"));
        s_log = this;
        m_previous = qInstallMessageHandler(qtMessage);
        av_log_set_callback(ffmpegMessage);
    }
    ~DiagnosticLog()
    {
        av_log_set_callback(av_log_default_callback);
        qInstallMessageHandler(m_previous);
        s_log = nullptr;
    }
    DiagnosticLog(const DiagnosticLog &) = delete;
    DiagnosticLog &operator=(const DiagnosticLog &) = delete;

    // The log file; empty when it could not be written.
    QString path() const { return m_file.fileName(); }

private:
    static void qtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        DiagnosticLog *log = s_log;
        if (!log)
            return;
        {
            std::lock_guard<std::mutex> lock(log->m_lock);
            if (log->m_file.isOpen()) {
                const QString line =
                    QStringLiteral("%1 %2: %3\n")
                        .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")),
                             QLatin1String(context.category ? context.category : "default"), message);
                log->m_file.write(line.toUtf8());
                log->m_file.flush();
            }
        }
        if ((log->m_verbose || type == QtFatalMsg) && log->m_previous)
            log->m_previous(type, context, message);
    }

    static void ffmpegMessage(void *object, int level, const char *format, va_list args)
    {
        if (level > av_log_get_level())
            return;
        char line[1024];
        int printPrefix = 1;
        av_log_format_line2(object, level, format, args, line, int(sizeof line), &printPrefix);
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.isEmpty())
            return;
        if (level <= AV_LOG_WARNING)
            qCWarning(lcFfmpeg).noquote() << text;
        else
            qCInfo(lcFfmpeg).noquote() << text;
    }

    static inline std::atomic<DiagnosticLog *> s_log{nullptr};
    QtMessageHandler m_previous = nullptr;
    std::mutex m_lock;
    QFile m_file;
    bool m_verbose = false;
};

// Applies a duration given in milliseconds the way the duration spin boxes
// do: a value that is already a whole number of frames is kept, any other
// moves to whole frames in the direction of the change.
int snapRequested(int requestedMs, int currentMs, const OutputFormat &format)
{
    const Timeline frames(0, 0, 0, format.frameRateNum, format.frameRateDen);
    if (requestedMs == currentMs || frames.isWholeFrames(requestedMs))
        return requestedMs;
    return frames.snapDurationMs(requestedMs, currentMs);
}

} // namespace

namespace {

// The DVD choices of one run.
// The questions of a run answered from the command line: --yes confirms
// (the question is printed with its answer unless --quiet); without it the
// first confirmation is declined and ends the run. A failed burn is never
// tried again, and nobody can insert a disc: a wait is cancelled and its
// reason told at the end.
class CommandLineQuestions : public RunQuestions
{
public:
    CommandLineQuestions(bool yes, bool quiet, std::function<void()> endRun)
        : m_yes(yes), m_quiet(quiet), m_endRun(std::move(endRun))
    {}
    bool confirm(Confirmation, const QString &text) override
    {
        if (m_yes) {
            if (!m_quiet)
                printErr(text + QStringLiteral(" [yes]\n"));
            return true;
        }
        if (m_unansweredConfirmation.isEmpty()) {
            m_unansweredConfirmation = text;
            m_endRun();
        }
        return false;
    }
    bool retryFailedBurn(const QString &) override { return false; }
    DiscWaitAnswer waitForDisc(const DiscWait &wait) override
    {
        m_unansweredWait = wait.reason;
        return DiscWaitAnswer::Cancelled;
    }
    // The first confirmation declined for want of --yes.
    QString unansweredConfirmation() const { return m_unansweredConfirmation; }
    // Why the run waited for a disc.
    QString unansweredWait() const { return m_unansweredWait; }

private:
    bool m_yes;
    bool m_quiet;
    std::function<void()> m_endRun;
    QString m_unansweredConfirmation;
    QString m_unansweredWait;
};

struct RunChoices {
    VideoChoices video; // make-video
    TvStandard standard = TvStandard::Pal;
    int videoBitRate = kHighVideoBitRate;
    int audioBitRate = kDefaultAudioBitRate;
    int channels = kDefaultAudioChannels;
    ShowEnd atEnd = ShowEnd::Repeat;
    DvdAspect aspect = DvdAspect::Wide;
    ChapterMarks chapters = ChapterMarks::PerPhoto;
    bool menu = true;
    MenuChoices menuChoices;
    QString volumeLabel;
};

// The menu's choices: the album's, with those given on the command line in
// their place. --menu-background names a photo of the show; anything else
// is refused with *error.
bool applyMenuOptions(const MakeDvdOptions &o, const Album &album, MenuChoices *menu, QString *error)
{
    if (o.given.contains(QLatin1String("--menu-title")))
        menu->title = o.menuTitle;
    if (o.given.contains(QLatin1String("--menu-music")) || o.given.contains(QLatin1String("--no-menu-music")))
        menu->music = o.menuMusic;
    if (!o.given.contains(QLatin1String("--menu-background")))
        return true;
    const QFileInfo wanted(o.menuBackground);
    const QString canonical = wanted.canonicalFilePath();
    for (const ImageInfo &item : album.photos) {
        if (item.isTitleCard() || item.path.isEmpty())
            continue;
        const QFileInfo photo(item.path);
        if (QDir::cleanPath(photo.absoluteFilePath()) == QDir::cleanPath(wanted.absoluteFilePath()) ||
            (!canonical.isEmpty() && photo.canonicalFilePath() == canonical)) {
            menu->backdrop = MenuBackdrop::Photo;
            menu->photo = item.path;
            return true;
        }
    }
    *error = MakeDvd::tr("--menu-background: %1 is not a photo of the show")
                 .arg(QDir::toNativeSeparators(o.menuBackground));
    return false;
}

// What the terminal shows for a stage of the run.
QString stageText(JobStage stage)
{
    switch (stage) {
    case JobStage::CheckingDestination:
        return MakeJob::tr("Checking the destination...");
    case JobStage::CreatingVideo:
        return MakeJob::tr("Creating video...");
    case JobStage::CreatingMenu:
        return MakeJob::tr("Creating menu...");
    case JobStage::CreatingDvd:
        return MakeJob::tr("Creating DVD...");
    case JobStage::CreatingFolder:
        return MakeJob::tr("Creating DVD Folder");
    case JobStage::CreatingIso:
        return MakeJob::tr("Creating ISO");
    case JobStage::CheckingDisc:
        return MakeJob::tr("Checking disc");
    case JobStage::ErasingDisc:
        return MakeJob::tr("Erasing");
    case JobStage::BurningDisc:
        return MakeJob::tr("Burning disc");
    case JobStage::FinalizingDisc:
        return MakeJob::tr("Finalizing disc");
    case JobStage::Idle:
        break;
    }
    return QString();
}

// The video choices of a run: the album's (a project's, or the defaults),
// with those given on the command line in their place.
VideoChoices videoChoicesOf(const MakeDvdOptions &o, VideoChoices choices)
{
    if (o.videoSize)
        choices.size = *o.videoSize;
    if (o.videoShape)
        choices.shape = *o.videoShape;
    if (o.videoFrameRate)
        choices.frameRate = *o.videoFrameRate;
    if (o.videoQuality)
        choices.quality = *o.videoQuality;
    choices.file = QFileInfo(o.videoFile).absoluteFilePath();
    return choices;
}

// The render format a command's durations are snapped to.
OutputFormat formatOf(const MakeDvdOptions &o, const RunChoices &c)
{
    if (o.command == MakeCommand::Video)
        return OutputFormat::forVideo(c.video);
    OutputFormat format = OutputFormat::forStandard(c.standard);
    format.audioChannels = c.channels;
    return format;
}

// Makes the DVD or the video file of a ready album: the job with the
// command line's progress, questions and exit codes.
int generate(const MakeDvdOptions &o, const Album &album, const RunChoices &c, ProgressPrinter &printer,
             const DiagnosticLog &log)
{
    const bool video = o.command == MakeCommand::Video;
    const QString prefix = QStringLiteral("sorvel %1: ").arg(makeCommandName(o.command));
    // The libraries check and compare paths; give them absolute ones.
    Destination destination = o.destination;
    destination.volumeLabel = c.volumeLabel;
    if (destination.type != Destination::Burner)
        destination.path = QFileInfo(destination.path).absoluteFilePath();
    const QString tempDir = o.tempDir.isEmpty() ? AppSettings::temporaryDir(AppSettings::pref())
                                                : QFileInfo(o.tempDir).absoluteFilePath();

    MakeRequest request;
    request.album = album;
    request.tvStandard = c.standard;
    request.videoBitRate = c.videoBitRate;
    request.audioBitRate = c.audioBitRate;
    request.audioChannels = c.channels;
    request.atEnd = c.atEnd;
    request.aspect = c.aspect;
    request.chapters = c.chapters;
    request.menu = c.menu;
    request.menuChoices = c.menuChoices;
    request.destination = destination;
    request.copies = o.copies;
    request.speed = o.speed;
    request.tempBase = tempDir;
    request.deleteTemp = !o.keepTemp;
    request.afterMaking = AfterMakingAction::DoNothing;
    request.endsWithProcess = true;
    if (video) {
        request.output = MakeRequest::Output::VideoFile;
        request.album.video = c.video;
        request.videoFile = c.video.file;
    }

    if (!o.quiet && video) {
        const QSize size = c.video.frameSize();
        printErr(MakeDvd::tr("%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8")
                     .arg(MakeDvd::tr("%n photo(s)", nullptr, int(album.photos.size())),
                          MakeDvd::tr("%n audio clip(s)", nullptr, int(album.audios.size())),
                          QLocale().toString(Timeline::of(album, formatOf(o, c)).seconds(), 'f', 2),
                          QString::number(size.width()), QString::number(size.height()),
                          videoShapeName(c.video.shape), QString::number(c.video.frameRate),
                          QString::number(videoQualityCrf(c.video.quality))) +
                 QLatin1Char('\n'));
    } else if (!o.quiet) {
        printErr(MakeDvd::tr("%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s")
                     .arg(MakeDvd::tr("%n photo(s)", nullptr, int(album.photos.size())),
                          MakeDvd::tr("%n audio clip(s)", nullptr, int(album.audios.size())),
                          QLocale().toString(
                              Timeline::of(album, OutputFormat::forStandard(c.standard)).seconds(), 'f', 2),
                          tvStandardName(c.standard), dvdAspectName(c.aspect),
                          QLocale().toString(c.videoBitRate / 1e6, 'g', 3)) +
                 QLatin1Char('\n'));
    }

    // --yes answers the confirmations (overwrite, clear, erase); without it
    // the first one ends the run. Nobody is there to try a failed write
    // again or to insert a disc: a failure ends the run with its reason.
    MakeJob job;
    CommandLineQuestions questions(o.yes, o.quiet, [&job] {
        // A declined disc question leaves the engine waiting for another
        // disc; the run ends instead.
        QTimer::singleShot(0, &job, &MakeJob::abort);
    });
    job.setQuestions(&questions);

    int exitCode = 1;
    bool interrupted = false;
    QObject::connect(&job, &MakeJob::stageChanged, [&](JobStage stage) { printer.step(stageText(stage)); });
    QObject::connect(&job, &MakeJob::progressChanged, [&](int percent) { printer.progress(percent); });
    QObject::connect(&job, &MakeJob::nextCopyStarting, &job, [&] {
        printer.endBar();
        if (!o.quiet)
            printErr(MakeDvd::tr("Burning the next copy...") + QLatin1Char('\n'));
    });
    QObject::connect(&job, &MakeJob::finished, [&](const JobResult &result) {
        printer.endBar();
        const QString message = result.message;
        if (result.ok()) {
            exitCode = 0;
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(result.outputPath)));
            std::fflush(stdout);
            if (!o.quiet)
                printErr(MakeDvd::tr("Done in %1.").arg(printer.elapsedText()) + QLatin1Char('\n'));
        } else {
            exitCode = 1;
            QString text = message;
            if (!questions.unansweredConfirmation().isEmpty())
                text = questions.unansweredConfirmation() + QLatin1Char('\n') +
                       MakeDvd::tr("(answer with --yes to go on)");
            else if (!questions.unansweredWait().isEmpty())
                text = text.isEmpty() ? questions.unansweredWait()
                                      : text + QLatin1Char('\n') + questions.unansweredWait();
            if (interrupted)
                text = MakeDvd::tr("Interrupted.");
            printErr(prefix + (text.isEmpty() ? MakeDvd::tr("failed") : text) + QLatin1Char('\n'));
            if (!interrupted && !log.path().isEmpty())
                printErr(MakeDvd::tr("Details: %1").arg(QDir::toNativeSeparators(log.path())) +
                         QLatin1Char('\n'));
            if (interrupted)
                exitCode = 130;
        }
        QCoreApplication::exit(exitCode);
    });

    // Ctrl-C and termination requests abort cleanly: children end and the
    // working folder goes.
    QObject::connect(TerminationSignals::instance(), &TerminationSignals::requested, &job, [&] {
        if (interrupted)
            return;
        interrupted = true;
        printer.endBar();
        printErr(MakeDvd::tr("Aborting...") + QLatin1Char('\n'));
        job.abort();
    });

    if (!job.start(request))
        return 1;
    return job.isRunning() ? QCoreApplication::exec() : exitCode;
}

// `make-dvd PROJECT.sorvel` (`make-video`): the project's album and DVD
// (video) choices, with the options named on the command line taking their
// place.
int runMakeProject(const MakeDvdOptions &o, ProgressPrinter &printer, const DiagnosticLog &log)
{
    const QString prefix = QStringLiteral("sorvel %1: ").arg(makeCommandName(o.command));
    const QString path = o.inputs.first();
    Project::Data data;
    QString error;
    if (!Project::read(path, &data, &error)) {
        printErr(prefix + error + QLatin1Char('\n'));
        return 1;
    }
    auto given = [&o](const char *name) { return o.given.contains(QLatin1String(name)); };
    Album album;
    QStringList missing;
    if (!o.quiet)
        printErr(MakeDvd::tr("Opening the project %1...").arg(QDir::toNativeSeparators(path)) +
                 QLatin1Char('\n'));
    for (const QString &note : std::as_const(data.notes))
        printErr(note + QLatin1Char('\n'));
    Project::load(data, &album, &missing, {}, false);
    if (!missing.isEmpty()) {
        QStringList reasons;
        for (const QString &file : std::as_const(missing))
            reasons << FileCheck::refusal(file);
        // Made without them only when the person says so: a DVD that
        // silently lacks photos is a DVD made again.
        printFileList(MakeDvd::tr("Some files of the project are missing or cannot be read:"), missing,
                      reasons);
        if (!o.yes) {
            printErr(prefix +
                     MakeDvd::tr("%n file(s) of the project are missing; give --yes to make "
                                 "the DVD without them",
                                 nullptr, int(missing.size())) +
                     QLatin1Char('\n'));
            return 1;
        }
        if (!o.quiet)
            printErr(MakeDvd::tr("Making the DVD without them") + QStringLiteral(" [yes]\n"));
        album = album.present();
    }
    if (album.photos.isEmpty()) {
        printErr(prefix + MakeDvd::tr("the project has no photo to make a slideshow from") +
                 QLatin1Char('\n'));
        return 1;
    }

    RunChoices c;
    c.standard = given("--standard") && o.standard ? *o.standard : album.dvd.tvStandard;
    c.videoBitRate = given("--quality") ? o.videoBitRate : album.dvd.videoBitRate;
    c.audioBitRate = given("--audio-bitrate") ? o.audioBitRate : album.dvd.audioBitRate;
    c.channels = given("--channels") ? o.channels : album.dvd.audioChannels;
    c.atEnd = given("--at-end") ? o.atEnd : album.dvd.atEnd;
    c.aspect = given("--aspect") ? o.aspect : album.dvd.aspect;
    c.chapters = given("--chapters") ? o.chapters : album.dvd.chapters;
    c.menu = given("--menu") || given("--no-menu") ? o.menu : album.dvd.menu;
    c.menuChoices = album.dvd.menuChoices;
    if (!applyMenuOptions(o, album, &c.menuChoices, &error)) {
        printErr(prefix + error + QLatin1Char('\n'));
        return 1;
    }
    c.volumeLabel = given("--volume-label") || album.dvd.volumeLabel.trimmed().isEmpty()
                        ? o.destination.volumeLabel
                        : album.dvd.volumeLabel.trimmed();
    c.video = videoChoicesOf(o, album.video);

    const OutputFormat format = formatOf(o, c);
    if (given("--photo-duration"))
        album.setPhotoDurationExactMs(
            snapRequested(o.photoDurationMs, album.settings.photoDurationMs, format));
    if (given("--transition-duration"))
        album.setTransitionDurationExactMs(
            snapRequested(o.transitionDurationMs, album.settings.transitionDurationMs, format));
    if (given("--no-transition"))
        album.settings.useTransition = false;
    if (given("--dissolve-only"))
        album.settings.dissolveOnly = true;
    if (given("--no-dynamic-effect"))
        album.settings.useDynamicEffect = false;
    if (given("--framing"))
        album.settings.framing = o.framing;
    if (given("--loop-audio"))
        album.settings.loopAudio = true;
    if (given("--loudness"))
        album.settings.evenLoudness = o.evenLoudness;
    if (given("--fade")) {
        album.settings.fadeAudio = o.fadeAudio;
        if (o.fadeAudio)
            album.settings.fadeMs = o.fadeMs;
    }
    if (given("--crossfade"))
        album.settings.crossfadeMs = o.crossfadeMs;
    if (o.syncWithAudio && !album.fitPhotoDurationToAudio(format) && !o.quiet)
        printErr(MakeDvd::tr("Sync with audio: the music gives less than 1 s or more than 999 s a photo; "
                             "the photo duration stays %1 ms.")
                     .arg(album.settings.photoDurationMs) +
                 QLatin1Char('\n'));
    return generate(o, album, c, printer, log);
}

} // namespace

void registerMakeDvdCommand()
{
    Commands::add(QStringLiteral("make-dvd"),
                  QString::fromLatin1(QT_TRANSLATE_NOOP(
                      "Commands", "make a DVD from photos and music (see make-dvd --help)")),
                  runMakeDvdCommand);
    Commands::add(QStringLiteral("make-video"),
                  QString::fromLatin1(QT_TRANSLATE_NOOP(
                      "Commands", "make an MP4 video file from photos and music (see make-video --help)")),
                  runMakeVideoCommand);
}

int runMakeDvdCommand(const QStringList &arguments)
{
    return runMakeCommand(MakeCommand::Dvd, arguments);
}

int runMakeVideoCommand(const QStringList &arguments)
{
    return runMakeCommand(MakeCommand::Video, arguments);
}

int runMakeCommand(MakeCommand command, const QStringList &arguments)
{
    const QString prefix = QStringLiteral("sorvel %1: ").arg(makeCommandName(command));
    const MakeDvdParse parsed = parseMakeArguments(command, arguments);
    if (!parsed.options) {
        printErr(prefix + parsed.error + QStringLiteral("\n\n") + makeUsage(command));
        return 2;
    }
    const MakeDvdOptions &o = *parsed.options;
    if (o.help) {
        std::fputs(makeUsage(command).toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        return 0;
    }

    ProgressPrinter printer(o.quiet);
    // The diagnostics go to the log; on the terminal only with --verbose
    // (or SORVEL_VERBOSE=1).
    const DiagnosticLog log(o.verbose || !qEnvironmentVariableIsEmpty("SORVEL_VERBOSE"),
                            makeCommandName(command) + QStringLiteral(".log"));

    // A saved project brings its album and choices; the options named on
    // the command line override them.
    if (o.inputs.size() == 1 && Project::isProjectFile(o.inputs.first()))
        return runMakeProject(o, printer, log);

    // Which files are photos and which are clips.
    const ExpandedInputs inputs = expandInputs(o.inputs);
    QStringList rejected = inputs.rejected;
    if (!o.quiet)
        printFileList(MakeDvd::tr("Not photos or audio by their names, not taken from the folders:"),
                      inputs.notTaken);

    const TvStandard standard = o.standard ? *o.standard : AppSettings::currentVideoStandard();
    RunChoices choices;
    choices.standard = standard;
    choices.videoBitRate = o.videoBitRate;
    choices.audioBitRate = o.audioBitRate;
    choices.channels = o.channels;
    choices.atEnd = o.atEnd;
    choices.aspect = o.aspect;
    choices.chapters = o.chapters;
    choices.menu = o.menu;
    choices.volumeLabel = o.destination.volumeLabel;
    choices.video = videoChoicesOf(o, VideoChoices());
    const OutputFormat format = formatOf(o, choices);

    Album album;
    InfoParser photoParser(&inputs.photos, true);
    InfoParser audioParser(&inputs.audios, false);
    photoParser.setThumbnails(false); // nothing shows them
    if (!o.quiet && !inputs.photos.isEmpty())
        printErr(MakeDvd::tr("Importing %1 and %2...")
                     .arg(MakeDvd::tr("%n photo(s)", nullptr, int(inputs.photos.size())),
                          MakeDvd::tr("%n audio file(s)", nullptr, int(inputs.audios.size()))) +
                 QLatin1Char('\n'));
    photoParser.start();
    audioParser.start();
    photoParser.wait();
    for (ImageInfo &info : photoParser.takeImages()) {
        prepareImportedPhoto(info, !o.noAutoRotate);
        album.photos.append(info);
    }
    // A video file's first photo decodes while the music's loudness is
    // measured (the show starts with it).
    if (o.command == MakeCommand::Video && !album.photos.isEmpty())
        StoryBoardRender::decodeEarly(album.photos.first(), format, o.framing);
    audioParser.wait();
    album.audios = audioParser.takeAudios();
    QStringList reasons = inputs.reasons;
    rejected += photoParser.rejectedPaths();
    reasons += photoParser.rejectedReasons();
    rejected += audioParser.rejectedPaths();
    reasons += audioParser.rejectedReasons();
    printFileList(MakeDvd::tr("Some files have not been added to the list:"), rejected, reasons);
    if (album.photos.isEmpty()) {
        printErr(prefix + MakeDvd::tr("no photo to make a slideshow from") + QLatin1Char('\n'));
        return 1;
    }

    album.setPhotoDurationExactMs(snapRequested(o.photoDurationMs, album.settings.photoDurationMs, format));
    album.setTransitionDurationExactMs(
        snapRequested(o.transitionDurationMs, album.settings.transitionDurationMs, format));
    album.settings.useTransition = !o.noTransition;
    album.settings.dissolveOnly = o.dissolveOnly;
    album.settings.useDynamicEffect = !o.noDynamicEffect;
    album.settings.framing = o.framing;
    album.settings.loopAudio = o.loopAudio;
    album.settings.evenLoudness = o.evenLoudness;
    album.settings.fadeAudio = o.fadeAudio;
    album.settings.fadeMs = o.fadeMs;
    album.settings.crossfadeMs = o.crossfadeMs;
    if (o.syncWithAudio && !album.fitPhotoDurationToAudio(format) && !o.quiet)
        printErr(MakeDvd::tr("Sync with audio: the music gives less than 1 s or more than 999 s a photo; "
                             "the photo duration stays %1 ms.")
                     .arg(album.settings.photoDurationMs) +
                 QLatin1Char('\n'));

    QString error;
    if (!applyMenuOptions(o, album, &choices.menuChoices, &error)) {
        printErr(prefix + error + QLatin1Char('\n'));
        return 1;
    }
    return generate(o, album, choices, printer, log);
}
