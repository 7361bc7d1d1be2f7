#pragma once

#include "authoring/authoring_global.h"
#include "authoring/dvdmenu.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

class ChildProcess;
class MenuBuild;
class QXmlStreamWriter;
class Title;
namespace DvdTools {
class LastLines;
class LineBuffer;
class VobuProgress;
} // namespace DvdTools

// Turns MPEG-2 video and AC-3 audio elementary streams into a DVD-Video
// folder. The caller adds titles and settings on the GUI thread and calls
// start(); the worker thread writes "author.xml" in the temporary folder and
// runs dvdauthor into the target folder while mplex multiplexes the titles,
// one after the other, into named pipes "title_<i>.vob" that dvdauthor
// reads: both tools run at the same time and no multiplexed copy of the
// video is stored. A video input may itself be a named pipe that the caller
// writes while the tools run (see setExpectedSize()).
//
// Statuses: MplexRunning (title 0), AuthorStarted, then per title MplexOk,
// SpumuxRunning, SpumuxOk (and MplexRunning for the next title), and at the
// end AuthorSucceeded, or the failure with its real cause: MplexFailed when
// mplex failed (also when dvdauthor then stopped for want of input),
// AuthorFailed when dvdauthor failed (also when mplex then lost its reader),
// MplexAborted / AuthorAborted after abort(). When either tool fails, the
// other is killed. progressChanged() rises from 0 to 99 with dvdauthor's
// output and reaches 100 with AuthorSucceeded.
//
// Where the temporary folder cannot hold named pipes, the titles are
// multiplexed into "title_<i>.vob" files first and dvdauthor runs after
// them (progress 0 to 50 multiplexing, 50 to 100 authoring).
//
// abort() stops the running children within a second; destroying a running
// author aborts it and joins the thread.
class AUTHORING_EXPORT DvdAuthoring : public QThread
{
    Q_OBJECT
public:
    enum TVStandard { NTSC = 0, PAL = 1 };
    Q_ENUM(TVStandard)
    enum AspectRatio { Ratio16x9 = 0, Ratio4x3 = 1 };
    Q_ENUM(AspectRatio)
    // What a player does after the last title: start the show again, or
    // stop (the player's own stopped state).
    enum EndOfShow { PlayAgain = 0, Stop = 1 };
    Q_ENUM(EndOfShow)
    enum AuthorStatus {
        MplexRunning = 0,
        MplexFailed = 1,
        MplexOk = 2,
        MplexAborted = 3,
        SpumuxRunning = 4,
        SpumuxFailed = 5,
        SpumuxOk = 6,
        SpumuxAborted = 7,
        AuthorStarted = 8,
        AuthorFailed = 9,
        AuthorSucceeded = 10,
        AuthorAborted = 11
    };
    Q_ENUM(AuthorStatus)

    explicit DvdAuthoring(QObject *parent = nullptr);
    ~DvdAuthoring() override;

    void setTVStandard(TVStandard standard) { m_tvStandard = standard; }
    void setAspectRatio(AspectRatio ratio) { m_aspectRatio = ratio; }
    void setEndOfShow(EndOfShow end) { m_endOfShow = end; }
    EndOfShow endOfShow() const { return m_endOfShow; }
    // Stores the folder for intermediate files with "/" separators and no
    // trailing "/".
    void setTempPath(const QString &path);
    // Where dvdauthor writes the DVD folder; empty means "<temp>/dvd".
    void setTargetFolder(const QString &path) { m_targetFolder = path; }
    // The expected size in bytes of the multiplexed titles, for progress
    // while an input is a named pipe still being written (its size is not
    // known). 0, the default, uses the sizes of the input files.
    void setExpectedSize(qint64 bytes) { m_expectedSize = bytes; }

    // Makes a named pipe at path, replacing a file that stands there. False
    // (with the reason in *error) where the file system has none, or when
    // the environment sets SORVEL_NO_PIPES=1.
    static bool createPipe(const QString &path, QString *error = nullptr);

    // Appends a new title with this video stream. False when index is below
    // titleCount() or the file does not exist; the title always takes the
    // next position.
    bool addVideo(const QString &path, int index);
    // The chapters of the title at index: the frames (at the TV standard's
    // rate, counted from the title's first) where each begins, ascending,
    // the first 0. dvdauthor starts a chapter at the video unit nearest to
    // each time, so each frame should begin a group of pictures of the
    // stream (see StreamWriter::setKeyFrames). False for an unknown title
    // or frames out of order. Without it a title is one chapter.
    bool setChapters(int index, const QVector<qint64> &frames);
    // Adds an audio stream to the title at index; language is a name of
    // g_DVDLanguages ("English"). False for an unknown title or a missing
    // file.
    bool addAudio(const QString &path, const QString &language, int index);

    // The disc opens on a menu (see dvdmenu.h): its pages encoded, which
    // the worker waits for before the tools start, multiplexes, and gives
    // their button highlights with spumux. The Menu and Title buttons of a
    // remote and the end of the show return to the main page. The title
    // must have a chapter per photo for the index's buttons. Without a
    // menu the disc starts the show at once. The pages should match the
    // disc's TV standard and aspect.
    void setMenu(std::shared_future<DvdMenuStreams> menu) { m_menuStreams = std::move(menu); }
    // The same, with the pages drawn and encoded on the worker (into the
    // temporary folder, for the disc's standard and aspect) when it starts.
    void setMenu(const DvdMenuContent &content, DvdMenuEncoder encoder);
    bool hasMenu() const { return m_menuStreams.valid(); }

    // Starts the worker thread. Call on the thread that added the titles.
    void start();
    // Asks the worker to stop; returns at once. The running child is killed
    // within a second and the run ends with an aborted status.
    void abort();
    // Deletes every title. Not while the worker runs.
    void clear();

    AuthorStatus processStatus() const { return AuthorStatus(m_status.load()); }
    // Why the last run failed, for the user (a missing tool, a tool's error
    // line, its exit code or the signal it crashed with and its last
    // output); empty after a success or an abort. Set before the failed
    // status is reported.
    QString errorString() const;
    int titleCount() const { return int(m_titles.size()); }

Q_SIGNALS:
    void progressChanged(int percent);
    // Emitted with the title index for the multiplexing statuses and 0 for
    // the authoring ones.
    void statusChanged(DvdAuthoring::AuthorStatus status, int titleIndex = 0);

protected:
    void run() override;

private Q_SLOTS:
    void on_authorpStdoutReady();
    void on_authorpStderrReady();
    void on_authorpStarted();
    void on_authorpFinished(int exitCode);
    void on_authorpError();

private:
    void runSequential();
    bool createTitlePipes();
    void removeTitlePipes();
    void runPiped();
    bool startTitle(size_t index);
    bool startAuthorProcess(const QString &program);
    void finishPiped(size_t current, bool titleFailed);
    bool createAuthorXml();
    void createMenusXmlStream(QXmlStreamWriter &writer);
    bool dvdauthor();
    void finishAuthorProcess();
    // dvdauthor ended with exit code 0: AuthorSucceeded when the folder
    // holds its table of contents, AuthorFailed with the reason otherwise.
    void reportCleanAuthorEnd();
    void handleAuthorLines(const QList<QByteArray> &lines);
    void removeStaleDvdFiles();
    void calcTitlesSourceFileSize();
    void calcTotalDVDSize();
    qint64 titlesSourceFileSize() const { return m_titlesSourceSize; }
    qint64 totalDVDSize() const { return m_totalDVDSize; }
    void processStatusChanged(AuthorStatus status, int titleIndex);
    void setError(const QString &text);

    QString TVStandardStr() const;
    QString aspectRatioStr() const;
    // dvdauthor's chapters attribute: each frame's time in seconds.
    QString chapterTimes(const QVector<qint64> &frames) const;
    // The attributes of a <video> element of this disc.
    void writeVideoAttributes(QXmlStreamWriter &writer, bool withResolution) const;
    QString authorXmlFilePath() const;
    QString tempFolder() const { return m_tempFolder; }
    QString tempDVDFolder() const;
    QString targetFolder() const;

    bool buildMenu();
    void writeMenuPages(QXmlStreamWriter &writer);

    std::vector<std::unique_ptr<Title>> m_titles;
    std::shared_future<DvdMenuStreams> m_menuStreams;
    std::unique_ptr<MenuBuild> m_menu;
    TVStandard m_tvStandard = NTSC;
    AspectRatio m_aspectRatio = Ratio4x3;
    EndOfShow m_endOfShow = PlayAgain;
    QString m_tempFolder;
    std::unique_ptr<ChildProcess> m_authorProcess;
    QString m_targetFolder;
    qint64 m_totalDVDSize = 0;
    std::atomic<int> m_status{0};
    std::atomic<bool> m_abortRequested{false};
    qint64 m_titlesSourceSize = 0;
    qint64 m_expectedSize = 0;
    bool m_piped = false;
    std::unique_ptr<DvdTools::VobuProgress> m_authorProgress;
    std::unique_ptr<DvdTools::LineBuffer> m_stderrLines;
    int m_lastAuthorPercent = 0;
    std::unique_ptr<DvdTools::LastLines> m_authorLastLines;
    mutable std::mutex m_errorLock; // the worker writes, any thread reads
    QString m_errorString;
};
