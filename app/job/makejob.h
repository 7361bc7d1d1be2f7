#pragma once

#include <QMetaType>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "burning/destination.h"

class BurnWorkflow;
class DvdGeneration;
class VideoGeneration;
class RunQuestions;
enum class BurnStage;
struct BurnResult;

// What one run makes and where it goes: a copy of the album (the window may
// go on editing meanwhile), the encoding choices and the destination.
struct MakeRequest {
    // A DVD (the DVD choices below and the destination) or a video file
    // (the album's video choices, album.video, and videoFile).
    enum class Output { Dvd, VideoFile };
    Output output = Output::Dvd;
    // The MP4 file a video run writes (absolute).
    QString videoFile;
    Album album;
    TvStandard tvStandard = TvStandard::Pal;
    int videoBitRate = kHighVideoBitRate;      // bit/s
    int audioBitRate = kDefaultAudioBitRate;   // bit/s
    int audioChannels = kDefaultAudioChannels; // 1, 2 or 6
    ShowEnd atEnd = ShowEnd::Repeat;           // what the disc does after the show
    QString audioLanguage;                     // locale code ("de"); empty: the program's language
    DvdAspect aspect = DvdAspect::Wide;        // the picture's shape
    ChapterMarks chapters = ChapterMarks::PerPhoto;
    bool menu = false;       // the disc opens on a menu made from the album
    MenuChoices menuChoices; // its title (empty: the volume label), background and music
    Destination destination; // folder, ISO file or recorder, and the volume label
    int copies = 1;
    QString speed = QStringLiteral("Max");
    QString tempBase;       // empty: the "TemporaryDir" setting
    bool deleteTemp = true; // remove the run's working folder at the end
    AfterMakingAction afterMaking = AfterMakingAction::DoNothing;
    // After a successful burn keep the DVD folder, so that burnNext() can
    // burn one more copy of it, until releaseResult() or the next start().
    bool holdResult = false;
    // The DVD opens on a menu (its stage shows in the progress).
    bool withMenu = false;
    // The process ends with the run (the command line): the rendering
    // thread's lowered priority need not be restorable.
    bool endsWithProcess = false;
};

// The stages of a run, in the order they come.
enum class JobStage {
    Idle,
    CheckingDestination, // free space, folder, file, the disc in a recorder
    CreatingVideo,       // encoding (for a DVD: its title)
    CreatingMenu,        // the DVD's menu
    CreatingDvd,         // the end of authoring
    CreatingFolder,      // the DVD folder is put in place
    CreatingIso,         // the ISO image is written
    CheckingDisc,        // the disc in the recorder is checked before burning
    ErasingDisc,
    BurningDisc,
    FinalizingDisc,
};

// How a run ended.
struct JobResult {
    enum Outcome { Succeeded, Failed, Aborted };
    Outcome outcome = Failed;
    // Why it failed, as the person should read it; empty on success.
    QString message;
    // The stage the run was in when it ended (CheckingDestination: nothing
    // was made, the destination was refused or declined).
    JobStage lastStage = JobStage::Idle;
    // Where the result went: the DVD folder, the ISO file, the device or
    // the video file.
    QString outputPath;
    Destination::Type target = Destination::None; // None for a video file
    bool videoFile = false;

    bool ok() const { return outcome == Succeeded; }
};
Q_DECLARE_METATYPE(JobResult)

// One run from an album to its destination, without any widget: the window
// holds one, `sorvel make-dvd` and `sorvel make-video` use one. A video file
// run checks the file's folder (space, an existing file to overwrite), has a
// VideoGeneration write it (stages CheckingDestination, CreatingVideo) and
// ends. A DVD run checks the destination, has a
// DvdGeneration encode and author the DVD in a working folder of its own,
// delivers it (a DVD folder moved into place, an ISO image written, or discs
// burnt, asking for each further disc), cleans up and carries out the
// action after making. What it reports goes out as typed signals; the
// questions it must ask (overwrite, clear, non-blank disc, try again, insert
// a disc) go through the burn workflow to whoever answers them.
//
// Every run works in a new subfolder "sorvel-run-*" of the temporary folder
// and clean-up removes that subfolder only.
class MakeJob : public QObject
{
    Q_OBJECT
public:
    explicit MakeJob(QObject *parent = nullptr);
    ~MakeJob() override;

    // Who answers the run's questions (not owned): the window's message
    // boxes and waiting dialogs, or the command line's options. Without one
    // every question is declined.
    void setQuestions(RunQuestions *questions);
    // The job's burn workflow, whose device thread also keeps a
    // destination box's recorders fresh.
    BurnWorkflow *burnWorkflow() const;

    // Starts a run. False (and nothing happens) while one is going; every
    // other outcome, even an immediate refusal, ends in finished().
    bool start(const MakeRequest &request);
    // Aborts the running stage; finished() follows once everything stopped.
    // A disc check or an erase is not cut short (canAbort() is false then).
    void abort();
    // Burns one more copy of a held result: a new run that ends in
    // finished() (the copies of a request follow one another by themselves).
    void burnNext();
    // The action after making of the running job (the person may change it
    // while the run goes on).
    void setAfterMaking(AfterMakingAction action) { m_request.afterMaking = action; }

    bool isRunning() const { return m_running; }
    bool isAborting() const { return m_running && m_abortRequested; }
    bool canAbort() const { return m_canAbort; }
    JobStage stage() const { return m_stage; }
    // True while a finished burn's DVD folder is kept for another copy.
    bool isResultHeld() const { return m_resultHeld; }
    // Removes a kept DVD folder (nothing while a run is going).
    void releaseResult();

    // The request of the current (or last) run.
    const MakeRequest &request() const { return m_request; }
    // The run's working folder (empty before the first run).
    QString workFolder() const { return m_workFolder; }
    // Where the result goes: the DVD folder, the ISO file or the device.
    QString outputPath() const { return m_outputPath; }
    // Estimated DVD size in bytes for a bit rate pair and a duration.
    static quint64 estimateDvdSize(int videoBitRate, int audioBitRate, double seconds);
    // Removes the "sorvel-run-*" folders in base whose run was killed (the
    // process named by their lock file is gone); never a folder a live
    // process owns, nor anything without a run's lock file. Each run does
    // this before it makes its own folder. Returns how many went.
    static int removeStaleWorkFolders(const QString &base);
    // What the largest disc (a double-layer DVD+R) holds, in bytes. A show
    // estimated above it is refused before anything is encoded; for an
    // ISO image the run asks first (RunQuestions::Confirmation::OversizedImage).
    static constexpr quint64 kLargestDiscBytes = 8547991552ULL;
    // "18.2 GB".
    static QString sizeText(quint64 bytes);
    // The lock file naming a working folder's process.
    static constexpr char kWorkFolderLock[] = "sorvel-run.lock";

Q_SIGNALS:
    // A run began (start() was called and accepted): views lay out its
    // stages from request().
    void started();
    void stageChanged(JobStage stage);
    // Progress of the current stage, 0..100.
    void progressChanged(int percent);
    void canAbortChanged(bool canAbort);
    // A copy was burnt and the next one begins (the burn workflow asks for
    // its disc); views show the burn's stages afresh.
    void nextCopyStarting();
    void finished(const JobResult &result);

private:
    void setStage(JobStage stage);
    void setCanAbort(bool canAbort);
    void deferStep(void (MakeJob::*step)());
    void connectWorkflow();
    bool createWorkFolder(QString *error);
    // False (the run finished) when the show is too big for any disc.
    bool checkCapacity();
    void onDestinationReady();
    void startGeneration();
    // A video file run: the file's check, then its generation.
    void startVideoFile();
    QString videoFileProblem(bool *declined);
    void startVideoGeneration();
    void onGenerationFinished(bool ok, const QString &message);
    void startDelivery();
    void burnNextCopy();
    void onBurnStage(BurnStage stage);
    void onBurnFinished(const BurnResult &result);
    void runAfterMakingAction();
    void finish(JobResult::Outcome outcome, const QString &message);
    void cleanUp();

    MakeRequest m_request;
    JobStage m_stage = JobStage::Idle;
    bool m_running = false;
    bool m_abortRequested = false;
    bool m_canAbort = true;
    QString m_workFolder;
    std::unique_ptr<QLockFile> m_workLock;
    QString m_outputPath;
    std::unique_ptr<DvdGeneration> m_generation;
    std::unique_ptr<VideoGeneration> m_videoGeneration;
    RunQuestions *m_questions = nullptr;
    std::unique_ptr<BurnWorkflow> m_burner;
    bool m_resultHeld = false;
    bool m_delivering = false;         // the burn workflow delivers the DVD
    bool m_waitingForNextBurn = false; // between a copy (or a failed try) and the next one
    int m_runId = 0;
};
