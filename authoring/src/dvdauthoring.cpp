#include "authoring/dvdauthoring.h"

#include "authoring/childprocess.h"
#include "menubuild.h"
#include "title.h"
#include "toolsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QVariant>
#include <QXmlStreamWriter>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kPollMs = 1000;
constexpr int kReapMs = 5000;
// How long dvdauthor may take to end by itself after mplex lost it as its
// reader.
constexpr int kReaderGraceMs = 2000;
// Titles up to this count chain through the title set menus (jumppad).
constexpr int kMaxJumpTitles = 30;
} // namespace

DvdAuthoring::DvdAuthoring(QObject *parent)
    : QThread(parent), m_authorProgress(std::make_unique<DvdTools::VobuProgress>()),
      m_stderrLines(std::make_unique<DvdTools::LineBuffer>()),
      m_authorLastLines(std::make_unique<DvdTools::LastLines>())
{
    qRegisterMetaType<DvdAuthoring::AuthorStatus>("KymDVDAuthor::AuthorStatus");
}

DvdAuthoring::~DvdAuthoring()
{
    // The worker notices the abort within a second, kills its child and
    // returns; the thread must be joined before the titles go.
    if (isRunning()) {
        abort();
        wait();
    }
    clear();
}

void DvdAuthoring::setTempPath(const QString &path)
{
    m_tempFolder = Title::normalizedFolder(path);
}

bool DvdAuthoring::addVideo(const QString &path, int index)
{
    if (index < titleCount() || !QFileInfo::exists(path))
        return false;
    auto title = std::make_unique<Title>();
    title->setVideoFile(path);
    m_titles.push_back(std::move(title));
    return true;
}

bool DvdAuthoring::setChapters(int index, const QVector<qint64> &frames)
{
    if (index < 0 || index >= titleCount())
        return false;
    for (int i = 0; i < frames.size(); ++i) {
        if (frames[i] < 0 || (i > 0 && frames[i] <= frames[i - 1]))
            return false;
    }
    m_titles[size_t(index)]->setChapterFrames(frames);
    return true;
}

bool DvdAuthoring::addAudio(const QString &path, const QString &language, int index)
{
    if (index < 0 || index >= titleCount() || !QFileInfo::exists(path))
        return false;
    m_titles[size_t(index)]->addAudioFile(path, language);
    return true;
}

void DvdAuthoring::setMenu(const DvdMenuContent &content, DvdMenuEncoder encoder)
{
    // Deferred: drawn and encoded on the worker, when it asks for them.
    m_menuStreams = std::async(std::launch::deferred, [this, content, encoder] {
                        DvdMenuContent c = content;
                        c.pal = m_tvStandard == PAL;
                        c.wide = m_aspectRatio == Ratio16x9;
                        return DvdMenuDesign::encodePages(c, encoder, m_tempFolder, &m_abortRequested);
                    }).share();
}

bool DvdAuthoring::buildMenu()
{
    m_menu.reset();
    if (!hasMenu())
        return true;
    if (m_tempFolder.isEmpty() || !QDir().mkpath(m_tempFolder)) {
        setError(QStringLiteral("No usable temporary folder for the menu"));
        processStatusChanged(AuthorFailed, 0);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    // Pages encoded beside the show are ready by now, or nearly.
    m_menuStreams.wait();
    const qint64 waited = clock.elapsed();
    m_menu = std::make_unique<MenuBuild>(m_menuStreams.get(), m_tempFolder);
    if (m_menu->ready()) {
        qCInfo(lcDvdAuthor).noquote() << "menu:" << m_menu->pages().size() << "pages; waited" << waited
                                      << "ms for them, encoded and multiplexed";
        return true;
    }
    if (m_menu->run(m_abortRequested)) {
        qCInfo(lcDvdAuthor).noquote()
            << "menu:" << m_menu->pages().size() << "pages; waited" << waited
            << "ms for their encoding, multiplexed in" << clock.elapsed() - waited << "ms";
        return true;
    }
    if (m_abortRequested) {
        processStatusChanged(AuthorAborted, 0);
    } else {
        setError(m_menu->error());
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(AuthorFailed, 0);
    }
    return false;
}

void DvdAuthoring::start()
{
    if (isRunning())
        return;
    // An abort() that comes right after start() must not be lost, so the
    // flags are cleared here and never by the worker.
    m_abortRequested = false;
    setError(QString());
    for (const auto &title : m_titles) {
        title->clearAbort();
        title->moveToThread(this);
    }
    QThread::start(QThread::InheritPriority);
}

void DvdAuthoring::abort()
{
    m_abortRequested = true;
    for (const auto &title : m_titles)
        title->requestAbort();
}

void DvdAuthoring::clear()
{
    if (isRunning()) {
        qCWarning(lcDvdAuthor) << "clear() ignored while the author runs";
        return;
    }
    m_titles.clear();
}

void DvdAuthoring::run()
{
    if (m_titles.empty())
        return;
    // The titles' child process objects belong to this thread; they go when
    // the run ends, however it ends.
    // They also go back to the thread that owns the author, from here, so
    // that nothing of them is left to this thread's end (Qt's own work
    // after run() returns), and whoever deletes them later finds them in
    // its own thread.
    struct ReleaseProcesses {
        const std::vector<std::unique_ptr<Title>> &titles;
        QThread *owner;
        ~ReleaseProcesses()
        {
            for (const auto &title : titles) {
                title->releaseProcesses();
                title->moveToThread(owner);
            }
        }
    } release{m_titles, thread()};
    calcTitlesSourceFileSize();
    // The menu's pages are small stills: they are ready in moments, before
    // the tools start on the title.
    if (!buildMenu())
        return;
    if (createTitlePipes()) {
        runPiped();
        removeTitlePipes();
    } else {
        runSequential();
    }
}

bool DvdAuthoring::createPipe(const QString &path, QString *error)
{
    // SORVEL_NO_PIPES=1 takes the way of file systems without named pipes
    // (files, one step after the other), to compare or test it.
    if (qEnvironmentVariableIntValue("SORVEL_NO_PIPES") != 0) {
        if (error)
            *error = QStringLiteral("named pipes are turned off (SORVEL_NO_PIPES)");
        return false;
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    if (::lstat(name.constData(), &st) == 0 && !S_ISDIR(st.st_mode))
        ::unlink(name.constData());
    if (::mkfifo(name.constData(), 0600) == 0)
        return true;
    if (error)
        *error = QString::fromLocal8Bit(::strerror(errno));
    return false;
}

bool DvdAuthoring::createTitlePipes()
{
    if (m_tempFolder.isEmpty() || !QDir().mkpath(m_tempFolder))
        return false; // the sequential run reports the folder
    for (size_t i = 0; i < m_titles.size(); ++i) {
        Title *title = m_titles[i].get();
        title->setTempPath(m_tempFolder);
        title->setIndex(int(i));
        QString error;
        if (!createPipe(title->vobFilePath(), &error)) {
            // A file system without named pipes (FAT, some network shares):
            // the titles go through files, one step after the other.
            qCInfo(lcDvdAuthor).noquote() << "No named pipe in" << m_tempFolder << "(" + error + ");"
                                          << "multiplexing into files first";
            removeTitlePipes();
            return false;
        }
    }
    return true;
}

void DvdAuthoring::removeTitlePipes()
{
    // The pipes hold nothing once the run is over; a pipe left behind would
    // keep anything that opens it waiting.
    for (const auto &title : m_titles) {
        const QByteArray name = QFile::encodeName(title->vobFilePath());
        struct stat st = {};
        if (::lstat(name.constData(), &st) == 0 && S_ISFIFO(st.st_mode))
            ::unlink(name.constData());
    }
}

void DvdAuthoring::runPiped()
{
    m_piped = true;
    m_totalDVDSize = m_expectedSize > 0 ? m_expectedSize : m_titlesSourceSize;
    const size_t n = m_titles.size();

    // mplex comes first, so that a missing mplex is told as such.
    if (!startTitle(0))
        return finishPiped(0, true);
    if (!createAuthorXml()) {
        m_titles[0]->stopMplex();
        setError(QStringLiteral("Cannot write %1").arg(authorXmlFilePath()));
        processStatusChanged(AuthorFailed, 0);
        return;
    }
    const QString program = DvdTools::locateTool(QStringLiteral("dvdauthor"));
    if (program.isEmpty()) {
        m_titles[0]->stopMplex();
        setError(QStringLiteral("dvdauthor: program not found"));
        processStatusChanged(AuthorFailed, 0);
        return;
    }
    if (!startAuthorProcess(program))
        return finishPiped(0, false);
    // The tools take what the encoder leaves: at a lower priority they read
    // their pipes in large pieces when a core is free, instead of waking
    // for every write and slowing the frames that feed them.
    m_authorProcess->setPriority(KYPROCESS_PRIORITY_BELOW_NORMAL);

    // Both tools run; this thread follows them through their notifications.
    // Every reaction goes through check(), queued, so that no handler runs
    // inside another one.
    QEventLoop loop;
    size_t current = 0; // the title mplex works on
    size_t muxed = 0;   // titles whose multiplexing ended well
    bool titleFailed = false;
    // mplex that lost its reader goes first; dvdauthor, ending by itself a
    // moment later, holds the cause: it gets this long to do so.
    QTimer readerGrace;
    readerGrace.setSingleShot(true);
    const auto check = [&] {
        if (!loop.isRunning())
            return;
        if (m_abortRequested)
            return loop.quit();
        Title *title = m_titles[current].get();
        if (title->state() == Title::MultiplexFailed || title->state() == Title::MultiplexKilled) {
            titleFailed = true;
            const bool authorRunning = m_authorProcess->state() != QProcess::NotRunning;
            if (title->endedByBrokenPipe() && authorRunning && !readerGrace.isActive()) {
                readerGrace.start(kReaderGraceMs);
                return;
            }
            if (authorRunning && readerGrace.isActive())
                return; // the timer or dvdauthor's end comes back here
            return loop.quit();
        }
        if (title->state() == Title::Multiplexed && muxed == current) {
            ++muxed;
            processStatusChanged(MplexOk, int(current));
            processStatusChanged(SpumuxRunning, int(current));
            title->prepareSpumux();
            processStatusChanged(SpumuxOk, int(current));
            if (m_abortRequested)
                return loop.quit();
            if (current + 1 < n) {
                ++current;
                if (!startTitle(current)) {
                    titleFailed = true;
                    return loop.quit();
                }
            }
        }
        ChildProcess *author = m_authorProcess.get();
        if (author->state() == QProcess::NotRunning) {
            const bool authorOk = author->exitStatus() == QProcess::NormalExit && author->exitCode() == 0;
            // A clean end of dvdauthor waits for mplex's own end, which
            // decides whether every title went through.
            if (!authorOk || muxed == n)
                return loop.quit();
        }
    };
    const auto queueCheck = [&] { QMetaObject::invokeMethod(&loop, check, Qt::QueuedConnection); };
    for (const auto &title : m_titles)
        connect(title.get(), &Title::ended, &loop, queueCheck);
    connect(m_authorProcess.get(), &QProcess::finished, &loop, queueCheck);
    QTimer abortPoll;
    connect(&abortPoll, &QTimer::timeout, &loop, check);
    connect(&readerGrace, &QTimer::timeout, &loop, [&] {
        titleFailed = true;
        loop.quit();
    });
    abortPoll.start(50);
    queueCheck();
    loop.exec();
    abortPoll.stop();
    for (const auto &title : m_titles)
        disconnect(title.get(), &Title::ended, &loop, nullptr);
    finishPiped(current, titleFailed);
}

bool DvdAuthoring::startTitle(size_t index)
{
    Title *title = m_titles[index].get();
    processStatusChanged(MplexRunning, int(index));
    if (!title->startMplex(int(index)))
        return false;
    title->lowerPriority();
    return true;
}

void DvdAuthoring::finishPiped(size_t current, bool titleFailed)
{
    Title *title = m_titles[current].get();
    // Whichever tool is still running goes now: its partner is gone or the
    // run was stopped, so it would wait on its pipe for ever.
    title->stopMplex();
    ChildProcess *author = m_authorProcess.get();
    if (author && author->state() != QProcess::NotRunning) {
        author->terminate();
        if (!author->waitForFinished(kReapMs))
            qCWarning(lcDvdAuthor) << "dvdauthor did not end after it was killed";
    }

    if (m_abortRequested) {
        if (title->state() == Title::MultiplexKilled)
            processStatusChanged(MplexAborted, int(current));
        if (author)
            processStatusChanged(AuthorAborted, 0);
        m_authorProcess.reset();
        return;
    }
    if (!author) {
        // mplex could not start.
        setError(title->errorText());
        processStatusChanged(MplexFailed, int(current));
        return;
    }
    // A tool killed here ended because of its partner; a tool that ended by
    // itself tells the cause. mplex that lost its reader (a broken pipe)
    // points at dvdauthor.
    const bool authorKilled = author->property("killed").toBool() &&
                              author->exitStatus() == QProcess::CrashExit && author->exitCode() == SIGKILL;
    const bool authorOk = author->error() != QProcess::FailedToStart &&
                          author->exitStatus() == QProcess::NormalExit && author->exitCode() == 0;
    const bool authorFailed = !authorKilled && !authorOk;
    // (mplex may have ended by itself just before it was to be killed: its
    // own end counts.)
    const bool mplexFailed = title->state() == Title::MultiplexFailed;
    const bool authorCause = authorFailed && (!mplexFailed || title->endedByBrokenPipe());
    if ((titleFailed || mplexFailed) && !authorCause) {
        setError(title->errorText().isEmpty() ? QStringLiteral("mplex was stopped") : title->errorText());
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(MplexFailed, int(current));
    } else if (authorFailed) {
        setError(DvdTools::failedEndText(QStringLiteral("dvdauthor"), *author, m_authorLastLines->lines()));
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(AuthorFailed, 0);
    } else if (!authorOk || title->state() != Title::Multiplexed) {
        setError(QStringLiteral("dvdauthor ended before mplex finished the titles"));
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(AuthorFailed, 0);
    } else {
        reportCleanAuthorEnd();
    }
    m_authorProcess.reset();
}

void DvdAuthoring::reportCleanAuthorEnd()
{
    // dvdauthor's exit code alone does not prove the folder: its table of
    // contents must be there.
    if (!QFileInfo(targetFolder() + QStringLiteral("/VIDEO_TS/VIDEO_TS.IFO")).isFile()) {
        setError(
            QStringLiteral("dvdauthor ended normally but wrote no VIDEO_TS.IFO in %1").arg(targetFolder()));
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(AuthorFailed, 0);
        return;
    }
    processStatusChanged(AuthorSucceeded, 0);
    Q_EMIT progressChanged(100);
}

void DvdAuthoring::runSequential()
{
    m_piped = false;

    bool failed = false;
    qint64 done = 0;
    const int n = titleCount();
    for (int i = 0; i < n; ++i) {
        if (failed)
            return;
        if (m_abortRequested)
            break;
        Title *title = m_titles[size_t(i)].get();
        processStatusChanged(MplexRunning, i);
        title->setTempPath(m_tempFolder);
        if (title->runMplex(i)) {
            processStatusChanged(MplexOk, i);
            processStatusChanged(SpumuxRunning, i);
            if (title->prepareSpumux()) {
                processStatusChanged(SpumuxOk, i);
            } else {
                processStatusChanged(title->state() == Title::SubpictureKilled ? SpumuxAborted : SpumuxFailed,
                                     i);
                failed = true;
            }
            done += title->sourceFileSize();
            const int percent =
                m_titlesSourceSize > 0 ? int(done * 100 / m_titlesSourceSize) : (i + 1) * 100 / n;
            Q_EMIT progressChanged(percent * 50 / 100);
        } else {
            if (title->state() != Title::MultiplexKilled)
                setError(title->errorText());
            processStatusChanged(title->state() == Title::MultiplexKilled ? MplexAborted : MplexFailed, i);
            failed = true;
        }
    }
    if (failed)
        return;

    if (!createAuthorXml()) {
        setError(QStringLiteral("Cannot write %1").arg(authorXmlFilePath()));
        processStatusChanged(AuthorFailed, 0);
        return;
    }
    dvdauthor();
}

bool DvdAuthoring::createAuthorXml()
{
    const QString path = authorXmlFilePath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        qCWarning(lcDvdAuthor).noquote()
            << QStringLiteral("Open file: %1 failed.").arg(path) << file.errorString();
        return false;
    }
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);

    const int n = titleCount();
    const bool jump = n <= kMaxJumpTitles;
    writer.writeStartElement(QStringLiteral("dvdauthor"));
    writer.writeAttribute(QStringLiteral("jumppad"), jump ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < n; ++i) {
        const Title *title = m_titles[size_t(i)].get();
        writer.writeStartElement(QStringLiteral("titleset"));
        if (jump) {
            writer.writeStartElement(QStringLiteral("menus"));
            writer.writeEmptyElement(QStringLiteral("video"));
            writeVideoAttributes(writer, false);
            writer.writeStartElement(QStringLiteral("pgc"));
            // With a menu this is also where a remote's Menu button leads
            // during the show: the main page, unless the title before
            // chains into this one (g1 = 1).
            if (m_menu) {
                writer.writeAttribute(QStringLiteral("entry"), QStringLiteral("root"));
                writer.writeTextElement(
                    QStringLiteral("pre"),
                    QStringLiteral("if (g1 eq 1) { g1 = 0; jump title 1; } jump vmgm menu 1;"));
            } else {
                writer.writeTextElement(QStringLiteral("pre"), QStringLiteral("jump title 1;"));
            }
            writer.writeEndElement(); // pgc
            writer.writeEndElement(); // menus
        }
        writer.writeStartElement(QStringLiteral("titles"));
        writer.writeEmptyElement(QStringLiteral("video"));
        writeVideoAttributes(writer, false);
        for (const QString &code : title->audioLanguageCodes()) {
            writer.writeEmptyElement(QStringLiteral("audio"));
            writer.writeAttribute(QStringLiteral("lang"), code);
            writer.writeAttribute(QStringLiteral("format"), QStringLiteral("ac3"));
        }
        writer.writeStartElement(QStringLiteral("pgc"));
        writer.writeTextElement(QStringLiteral("pre"), QStringLiteral("g2 = 1;"));
        writer.writeEmptyElement(QStringLiteral("vob"));
        writer.writeAttribute(QStringLiteral("file"), QFileInfo(title->vobFilePath()).fileName());
        if (title->chapterFrames().size() > 1)
            writer.writeAttribute(QStringLiteral("chapters"), chapterTimes(title->chapterFrames()));
        QString post;
        // After the last title the show starts again through the video
        // manager's menu (whose only command plays title 1), or ends:
        // "exit" returns the player to its stopped state.
        // With a menu, the end of the show returns to its main page.
        if (i == n - 1)
            post = m_endOfShow == Stop && !m_menu ? QStringLiteral("exit;")
                                                  : QStringLiteral("call vmgm menu 1;");
        else if (jump)
            post = m_menu ? QStringLiteral("g1 = 1; call titleset %1 menu;").arg(i + 2)
                          : QStringLiteral("call titleset %1 menu;").arg(i + 2);
        else
            post = QStringLiteral("g1 = %1; call vmgm menu %2;").arg(i + 2).arg((i + 1) / 25 + 1);
        writer.writeTextElement(QStringLiteral("post"), post);
        writer.writeEndElement(); // pgc
        writer.writeEndElement(); // titles
        writer.writeEndElement(); // titleset
    }
    writer.writeStartElement(QStringLiteral("vmgm"));
    writer.writeTextElement(QStringLiteral("fpc"), m_menu ? QStringLiteral("g1 = 0; jump menu 1;")
                                                          : QStringLiteral("jump title 1;"));
    createMenusXmlStream(writer);
    writer.writeEndElement(); // vmgm
    writer.writeEndElement(); // dvdauthor
    file.close();
    if (writer.hasError() || file.error() != QFileDevice::NoError) {
        qCWarning(lcDvdAuthor).noquote() << "Writing" << path << "failed:" << file.errorString();
        return false;
    }
    return true;
}

void DvdAuthoring::createMenusXmlStream(QXmlStreamWriter &writer)
{
    writer.writeStartElement(QStringLiteral("menus"));
    writer.writeEmptyElement(QStringLiteral("video"));
    // Without a resolution dvdauthor leaves the video manager's attributes
    // invalid for PAL (players then complain about the disc).
    writeVideoAttributes(writer, true);
    if (m_menu) {
        writeMenuPages(writer);
    } else {
        writer.writeStartElement(QStringLiteral("pgc"));
        writer.writeTextElement(QStringLiteral("post"), QStringLiteral("jump title 1;"));
        writer.writeEndElement(); // pgc
    }
    writer.writeEndElement(); // menus
}

void DvdAuthoring::writeMenuPages(QXmlStreamWriter &writer)
{
    if (m_menu->wide()) {
        // A wide menu carries its highlights twice: for the 16:9 set and
        // for the letterboxed picture of a 4:3 set.
        writer.writeStartElement(QStringLiteral("subpicture"));
        writer.writeEmptyElement(QStringLiteral("stream"));
        writer.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        writer.writeAttribute(QStringLiteral("mode"), QStringLiteral("widescreen"));
        writer.writeEmptyElement(QStringLiteral("stream"));
        writer.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        writer.writeAttribute(QStringLiteral("mode"), QStringLiteral("letterbox"));
        writer.writeEndElement(); // subpicture
    }
    const QVector<DvdMenuPage> &pages = m_menu->pages();
    for (int i = 0; i < pages.size(); ++i) {
        writer.writeStartElement(QStringLiteral("pgc"));
        // The main page answers a remote's Title button.
        if (i == 0)
            writer.writeAttribute(QStringLiteral("entry"), QStringLiteral("title"));
        writer.writeEmptyElement(QStringLiteral("vob"));
        writer.writeAttribute(QStringLiteral("file"), QFileInfo(m_menu->pageFile(i)).fileName());
        // The still stays on screen until the viewer chooses; a page with
        // music plays it and starts again (the highlighted button stays).
        if (!m_menu->loops())
            writer.writeAttribute(QStringLiteral("pause"), QStringLiteral("inf"));
        for (int b = 0; b < pages[i].buttons.size(); ++b) {
            writer.writeStartElement(QStringLiteral("button"));
            writer.writeAttribute(QStringLiteral("name"), QStringLiteral("b%1").arg(b + 1));
            writer.writeCharacters(MenuBuild::buttonCommand(pages[i].buttons[b].action));
            writer.writeEndElement(); // button
        }
        if (m_menu->loops())
            writer.writeTextElement(QStringLiteral("post"), QStringLiteral("jump cell 1;"));
        writer.writeEndElement(); // pgc
    }
}

void DvdAuthoring::removeStaleDvdFiles()
{
    // dvdauthor adds title sets to a VIDEO_TS folder that already holds
    // some, so the files of an earlier DVD in the target folder would end up
    // on this disc. Only DVD-Video files are removed.
    QDir videoTs(targetFolder() + QStringLiteral("/VIDEO_TS"));
    if (!videoTs.exists())
        return;
    static const QRegularExpression dvdFile(QStringLiteral("^(VIDEO_TS|VTS_\\d\\d_\\d)\\.(IFO|BUP|VOB)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QStringList files = videoTs.entryList(QDir::Files);
    for (const QString &name : files) {
        if (dvdFile.match(name).hasMatch() && !videoTs.remove(name))
            qCWarning(lcDvdAuthor).noquote() << "Could not remove" << videoTs.filePath(name);
    }
}

bool DvdAuthoring::dvdauthor()
{
    const QString program = DvdTools::locateTool(QStringLiteral("dvdauthor"));
    if (program.isEmpty()) {
        setError(QStringLiteral("dvdauthor: program not found"));
        processStatusChanged(AuthorFailed, 0);
        return false;
    }
    calcTotalDVDSize();
    startAuthorProcess(program);
    ChildProcess *p = m_authorProcess.get();

    bool ok = false;
    for (;;) {
        if (m_abortRequested) {
            p->terminate();
            if (!p->waitForFinished(kReapMs))
                qCWarning(lcDvdAuthor) << "dvdauthor did not end after it was killed";
            break;
        }
        if (p->waitForFinished(kPollMs) || p->state() == QProcess::NotRunning) {
            ok = processStatus() == AuthorSucceeded;
            break;
        }
        if (processStatus() != AuthorStarted)
            break;
    }
    finishAuthorProcess();
    return ok;
}

bool DvdAuthoring::startAuthorProcess(const QString &program)
{
    const QString xml = authorXmlFilePath();
    const QStringList arguments{QStringLiteral("-o"), targetFolder(), QStringLiteral("-x"), xml};
    const QString videoFormat = m_tvStandard == NTSC ? QStringLiteral("NTSC") : QStringLiteral("PAL");
    qCInfo(lcDvdAuthor).noquote() << "dvdauthor command line: VIDEO_FORMAT=" + videoFormat
                                  << DvdTools::commandLineText(program, arguments);

    if (!QDir().mkpath(targetFolder()))
        qCWarning(lcDvdAuthor).noquote() << "Could not create the DVD folder" << targetFolder();
    removeStaleDvdFiles();
    m_authorProgress->reset();
    m_lastAuthorPercent = m_piped ? 0 : 50;
    *m_stderrLines = DvdTools::LineBuffer();
    m_authorLastLines->clear();

    m_authorProcess = std::make_unique<ChildProcess>();
    ChildProcess *p = m_authorProcess.get();
    connect(p, &QProcess::readyReadStandardOutput, this, &DvdAuthoring::on_authorpStdoutReady,
            Qt::DirectConnection);
    connect(p, &QProcess::readyReadStandardError, this, &DvdAuthoring::on_authorpStderrReady,
            Qt::DirectConnection);
    connect(p, &QProcess::started, this, &DvdAuthoring::on_authorpStarted, Qt::DirectConnection);
    connect(p, &QProcess::finished, this, &DvdAuthoring::on_authorpFinished, Qt::DirectConnection);
    connect(p, &QProcess::errorOccurred, this, &DvdAuthoring::on_authorpError, Qt::DirectConnection);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The title set menus carry no video element; dvdauthor takes their
    // format from here.
    env.insert(QStringLiteral("VIDEO_FORMAT"), videoFormat);
    p->setProcessEnvironment(env);
    // The VOBs are named relative to the author XML's folder.
    p->setWorkingDirectory(QFileInfo(xml).absolutePath());
    p->start(program, arguments, QIODevice::ReadWrite);
    const bool started = DvdTools::waitUntilStarted(p, m_abortRequested);
    p->closeWriteChannel();
    return started;
}

void DvdAuthoring::finishAuthorProcess()
{
    ChildProcess *p = m_authorProcess.get();
    if (p->state() != QProcess::NotRunning) {
        p->terminate();
        p->waitForFinished(kReapMs);
    }
    // Every run ends with one final status, also one whose end was not seen
    // (killed, or never reported as started).
    const AuthorStatus last = processStatus();
    if (last != AuthorSucceeded && last != AuthorFailed && last != AuthorAborted) {
        const bool killed = p->property("killed").toBool();
        if (!killed)
            setError(DvdTools::failedEndText(QStringLiteral("dvdauthor"), *p, m_authorLastLines->lines()));
        processStatusChanged(killed ? AuthorAborted : AuthorFailed, 0);
    }
    m_authorProcess.reset();
}

void DvdAuthoring::on_authorpStdoutReady()
{
    if (m_authorProcess)
        m_authorProcess->readAllStandardOutput();
}

void DvdAuthoring::on_authorpStderrReady()
{
    if (!m_authorProcess)
        return;
    handleAuthorLines(m_stderrLines->feed(m_authorProcess->readAllStandardError()));
}

void DvdAuthoring::handleAuthorLines(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        if (!line.startsWith("STAT:"))
            m_authorLastLines->add(line);
        if (line.startsWith("ERR:") || line.startsWith("WARN:"))
            qCWarning(lcDvdAuthor).noquote() << "dvdauthor:" << QString::fromUtf8(line);
        if (!m_authorProgress->feedLine(line) || m_totalDVDSize <= 0)
            continue;
        const int percent = DvdTools::VobuProgress::authorPercent(m_authorProgress->written(), m_totalDVDSize,
                                                                  m_piped ? 0 : 50);
        if (percent > m_lastAuthorPercent) {
            m_lastAuthorPercent = percent;
            Q_EMIT progressChanged(percent);
        }
    }
}

void DvdAuthoring::on_authorpStarted()
{
    processStatusChanged(AuthorStarted, 0);
}

void DvdAuthoring::on_authorpFinished(int exitCode)
{
    ChildProcess *p = m_authorProcess.get();
    handleAuthorLines(m_stderrLines->feed(p->readAllStandardError()));
    handleAuthorLines(m_stderrLines->flush());
    if (m_piped)
        return; // judged with mplex's end, once both have ended
    if (p->property("killed").toBool()) {
        processStatusChanged(AuthorAborted, 0);
    } else if (p->exitStatus() == QProcess::CrashExit || exitCode != 0) {
        // A crash that no abort caused is a failure, told with its signal.
        setError(DvdTools::failedEndText(QStringLiteral("dvdauthor"), *p, m_authorLastLines->lines()));
        qCWarning(lcDvdAuthor).noquote() << errorString();
        processStatusChanged(AuthorFailed, 0);
    } else {
        reportCleanAuthorEnd();
    }
}

void DvdAuthoring::on_authorpError()
{
    ChildProcess *p = m_authorProcess.get();
    // A crash or kill is reported when the process finishes; a timed-out
    // wait is no failure.
    const QProcess::ProcessError error = p->error();
    if (error == QProcess::Crashed || error == QProcess::Timedout)
        return;
    qCWarning(lcDvdAuthor).noquote() << "dvdauthor:" << p->errorString();
    if (m_piped)
        return; // judged with mplex's end, once both have ended
    if (error == QProcess::FailedToStart || p->state() == QProcess::NotRunning) {
        setError(DvdTools::failedEndText(QStringLiteral("dvdauthor"), *p, m_authorLastLines->lines()));
        processStatusChanged(AuthorFailed, 0);
    }
}

void DvdAuthoring::calcTitlesSourceFileSize()
{
    m_titlesSourceSize = 0;
    for (const auto &title : m_titles)
        m_titlesSourceSize += title->sourceFileSize();
}

void DvdAuthoring::calcTotalDVDSize()
{
    m_totalDVDSize = 0;
    for (const auto &title : m_titles)
        m_totalDVDSize += QFileInfo(title->vobFilePath()).size();
}

QString DvdAuthoring::errorString() const
{
    std::lock_guard<std::mutex> lock(m_errorLock);
    return m_errorString;
}

void DvdAuthoring::setError(const QString &text)
{
    std::lock_guard<std::mutex> lock(m_errorLock);
    m_errorString = text;
}

void DvdAuthoring::processStatusChanged(AuthorStatus status, int titleIndex)
{
    m_status = status;
    qCDebug(lcDvdAuthor) << "status" << status << "title" << titleIndex;
    Q_EMIT statusChanged(status, titleIndex);
}

QString DvdAuthoring::TVStandardStr() const
{
    return m_tvStandard == NTSC ? QStringLiteral("ntsc") : QStringLiteral("pal");
}

void DvdAuthoring::writeVideoAttributes(QXmlStreamWriter &writer, bool withResolution) const
{
    writer.writeAttribute(QStringLiteral("format"), TVStandardStr());
    if (withResolution)
        writer.writeAttribute(QStringLiteral("resolution"),
                              m_tvStandard == NTSC ? QStringLiteral("720x480") : QStringLiteral("720x576"));
    // Every part of the disc says the same shape as the video stream's own
    // header; a wide picture is letterboxed on a 4:3 set (no pan and scan).
    writer.writeAttribute(QStringLiteral("aspect"), aspectRatioStr());
    if (m_aspectRatio == Ratio16x9)
        writer.writeAttribute(QStringLiteral("widescreen"), QStringLiteral("nopanscan"));
}

QString DvdAuthoring::chapterTimes(const QVector<qint64> &frames) const
{
    // Times to the microsecond (an NTSC frame lasts 1001/30000 s, not a
    // whole number of milliseconds); dvdauthor takes the video unit whose
    // start is nearest to each, which is the frame's own group.
    const qint64 num = m_tvStandard == PAL ? 1 : 1001;
    const qint64 den = m_tvStandard == PAL ? 25 : 30000;
    QStringList times;
    for (qint64 f : frames) {
        const qint64 us = (f * num * 1000000 + den / 2) / den;
        times.append(QStringLiteral("%1.%2").arg(us / 1000000).arg(us % 1000000, 6, 10, QLatin1Char('0')));
    }
    return times.join(QLatin1Char(','));
}

QString DvdAuthoring::aspectRatioStr() const
{
    return m_aspectRatio == Ratio4x3 ? QStringLiteral("4:3") : QStringLiteral("16:9");
}

QString DvdAuthoring::authorXmlFilePath() const
{
    return QStringLiteral("%1/author.xml").arg(m_tempFolder);
}

QString DvdAuthoring::tempDVDFolder() const
{
    return m_tempFolder + QStringLiteral("/dvd");
}

QString DvdAuthoring::targetFolder() const
{
    return m_targetFolder.isEmpty() ? tempDVDFolder() : m_targetFolder;
}
