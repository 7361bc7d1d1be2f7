#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "burning/destination.h"
#include "job/generateworkingstate.h"

class AVWriterManager;
class BurnWorkflow;
class RunQuestions;
class DvdAuthoring;
class StoryBoardRender;
class QTimer;

// What one DVD generation makes and how.
struct GenerationRequest {
    TvStandard tvStandard = TvStandard::Pal;
    int videoBitRate = kHighVideoBitRate;      // bit/s
    int audioBitRate = kDefaultAudioBitRate;   // bit/s
    int audioChannels = kDefaultAudioChannels; // 1, 2 or 6
    ShowEnd atEnd = ShowEnd::Repeat;           // what the disc does after the show
    Destination destination;                   // folder, ISO file or recorder, and the volume label
    int copies = 1;
    QString speed = QStringLiteral("Max");
    QString tempBase;       // empty: the "TemporaryDir" setting
    bool deleteTemp = true; // remove the run's working folder at the end
    AfterMakingAction afterMaking = AfterMakingAction::DoNothing;
    // After a successful burn keep the DVD folder, so that burnNext() can
    // burn one more copy of it, until releaseResult() or the next start().
    bool holdResult = false;
    // The process ends with the run (the command line): the rendering
    // thread's lowered priority need not be restorable (see
    // AVWriterManager::setRenderPriority).
    bool endsWithProcess = false;
};

// Runs one DVD generation without any widget: checks the destination, encodes
// the album into MPEG-2 video and AC-3 audio, authors a DVD-Video folder,
// delivers it as a folder, an ISO image or burnt discs, cleans up and runs
// the action after making. Every run works in its own new subfolder of the
// temporary folder, and clean-up removes that subfolder only.
//
// The DVD is authored while the video is encoded: the soundtrack is encoded
// first ("audio.ac3", nothing rendered), then the author starts on
// "video.m2v", a named pipe, and the video pass writes into it, so that
// multiplexing and authoring end shortly after the last frame. Where the
// working folder holds no named pipes, the video is encoded into a file and
// authored afterwards.
//
// Questions (folder will be cleared, file will be overwritten, non-blank
// disc, retry, insert a disc) go through the burn workflow's RunQuestions,
// which the window answers with its dialogs and the command line from its
// options.
class GenerationController : public QObject
{
    Q_OBJECT
public:
    explicit GenerationController(QObject *parent = nullptr);
    ~GenerationController() override;

    // Starts a run for the album (not owned; it must stay unchanged until
    // finished()). False when a run is already going.
    bool start(const Album *album, const GenerationRequest &request);
    // Aborts the running step; finished() follows once everything stopped.
    void abort();
    // Uses this burn workflow (not owned) instead of one of its own, for
    // example one whose questions are answered by the window's dialogs or
    // by the command line's options. Only before the first start().
    void setBurnWorkflow(BurnWorkflow *workflow);
    // Who answers the run's questions (not owned); null: every question is
    // declined. Also passed to a workflow given by setBurnWorkflow().
    void setQuestions(RunQuestions *questions);
    // True while a finished burn's DVD folder is kept for another copy.
    bool isResultHeld() const { return m_resultHeld; }
    // Removes a kept DVD folder (nothing while a run is going).
    void releaseResult();
    bool isRunning() const { return m_running; }

    // The request of the current (or last) run.
    const GenerationRequest &request() const { return m_request; }
    // The run's working folder (empty before the first run).
    QString workFolder() const { return m_workFolder; }
    // Where the result went: the DVD folder, the ISO file or the device.
    QString outputPath() const { return m_outputPath; }
    // Estimated DVD size in bytes for a bit rate pair and a duration (bit
    // rates in bit/s): an upper bound, since the video's rate is variable up
    // to videoBitRate (the 5 % cover the multiplex's headers and one
    // encoder buffer).
    static quint64 estimateDvdSize(int videoBitRate, int audioBitRate, double seconds);

Q_SIGNALS:
    // A new step: its working state (generateWorkingState) and the text to
    // show ("Creating video...").
    void stepChanged(int state, const QString &text);
    // Progress of the current step, 0..100.
    void progressChanged(int percent);
    // A further disc is needed for the next copy; the controller goes on by
    // itself once burnNext() is called.
    void nextDiscNeeded();
    // The end of the run: ok only when the output is complete.
    void finished(bool ok, const QString &message);

public Q_SLOTS:
    // Burns the next copy after nextDiscNeeded(), or one more copy of a
    // kept result (a new run that ends in finished()).
    void burnNext();

private:
    void deferStep(void (GenerationController::*step)());
    void fail(const QString &message);
    void finish(bool ok, const QString &message);
    void onBeginGenerate();
    void startEncoding();
    void onWriterProgress(int percent);
    void onCompileEnd();
    void onWriterFailed(const QString &message);
    void startAuthoring();
    void startStreamingAuthor();
    void openVideoPipe();
    void startVideoPass();
    // Opens the DVD video stream at path and hands it to the writer; false
    // (the run has failed) when either step fails.
    bool addVideoWriter(const QString &path);
    void writerFailedWhileStreaming(const QString &message);
    QString authorFailureText() const;
    void addAuthorStreams();
    void onAuthorStatus(int status, int title);
    void startDelivery();
    void onBurnFinished(const BurnResult &result);
    void cleanUp();
    bool createWorkFolder(QString *error);
    void connectWorkflow();

    enum Phase { Idle, Checking, Encoding, Authoring, Delivering };
    // The passes of an encoding that streams its video into the author.
    enum Pass { AudioPass, WaitingForReader, VideoPass };

    const Album *m_album = nullptr;
    GenerationRequest m_request;
    Phase m_phase = Idle;
    bool m_running = false;
    bool m_abortRequested = false;
    QString m_workFolder;
    QString m_outputPath;
    QString m_burnMessage;
    OutputFormat m_format;
    std::unique_ptr<StoryBoardRender> m_storyboard;
    std::unique_ptr<AVWriterManager> m_writer;
    std::unique_ptr<DvdAuthoring> m_author;
    std::unique_ptr<BurnWorkflow> m_ownBurner;
    BurnWorkflow *m_burner = nullptr; // m_ownBurner's or one given by setBurnWorkflow()
    RunQuestions *m_questions = nullptr;
    bool m_resultHeld = false;
    bool m_compileHandled = false;
    bool m_streaming = false; // the video goes through a pipe into the author
    Pass m_pass = AudioPass;
    bool m_videoComplete = false; // the video pass ended and closed its stream
    bool m_authorSucceeded = false;
    int m_authorPercent = 0;
    QString m_writerError; // a video pass failure waiting for the author's verdict
    std::unique_ptr<QTimer> m_pipeWait;
    std::unique_ptr<QTimer> m_writerFailGrace;
    QElapsedTimer m_passClock; // times the passes for the diagnostic log
    bool m_burnSucceeded = false;
    bool m_waitingForNextBurn = false; // doBurnNext came, burnNext() not yet
    int m_runId = 0;
};
