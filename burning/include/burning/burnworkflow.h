#pragma once

#include <burning/destination.h>
#include <burning/devicethread.h>
#include <burning/dvdburner.h>
#include <burning/runquestions.h>

#include <QMetaType>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

// The steps of a delivery.
enum class BurnStage { CreatingFolder, CreatingIso, CheckingDisc, ErasingDisc, BurningDisc, FinalizingDisc };

// How a delivery (or the disc check before generation) ended.
struct BurnResult {
    enum Outcome {
        Done,        // the folder, the image or the last copy is complete
        Failed,      // message says why
        Aborted,     // stopped, or the wait for a disc was given up
        CheckStopped // the disc check before generation did not find a usable disc
    };
    Outcome outcome = Failed;
    QString message; // empty when done
    // The action after making may follow (a failed delivery counts as an
    // end of the work too; a stopped one does not).
    bool runAfterMaking = false;
};

// What checkDestination() found.
struct CheckOutcome {
    enum Verdict {
        Ready,   // ready() was emitted
        Pending, // the engine checks the disc: ready() or finished(CheckStopped) follows
        Refused  // message says why; empty when the person declined a question
    };
    Verdict verdict = Refused;
    QString message;
};

// The burn workflow without a window: takes a finished DVD folder to a
// destination (a folder, an ISO image or one or more discs). It checks the
// destination before generation, drives the engine, asks its questions
// through RunQuestions and reports stages, progress and the end through
// typed signals. Nothing here shows anything.
//
// Use: setDestination, setQuestions; per run setWorkFolder, setDvdFolder,
// setDvdSize, setCopies, setSpeed; checkDestination() -> ready() (for a
// recorder after the engine's disc check, which may also end in
// finished(CheckStopped)); author the DVD (into dvdFolderPath() for a
// folder); startDelivery(); on nextDiscNeeded() call startDelivery() again
// (the next copy, or another try of a failed one); finished() ends each
// run. stop() aborts.
class BurnWorkflow : public QObject
{
    Q_OBJECT
public:
    explicit BurnWorkflow(QObject *parent = nullptr);
    ~BurnWorkflow() override;

    // Not owned; null: every question is declined (and a wait for a disc is
    // given up, its reason told with the end).
    void setQuestions(RunQuestions *questions) { m_questions = questions; }
    RunQuestions *questions() const { return m_questions; }

    Destination destination() const { return m_destination; }
    void setDestination(const Destination &destination);

    // The run's working folder (the DVD folder and staged images go there).
    void setWorkFolder(const QString &path) { m_workFolder = path; }
    // The finished DVD folder to deliver.
    void setDvdFolder(const QString &folder) { m_dvdFolder = folder; }
    void setDvdSize(quint64 bytes) { m_dvdSize = bytes; }
    void setCopies(int copies) { m_copiesLeft = copies; }
    int copiesLeft() const { return m_copiesLeft; }
    void setSpeed(const QString &speed) { m_speed = speed; }
    // The thread that refreshes the device caches and ejects trays.
    DeviceThread &deviceThread() { return m_deviceThread; }

    // Checks the destination (see CheckOutcome).
    CheckOutcome checkDestination();
    void startDelivery();
    // Where a folder destination gets its DVD folder (named after the
    // label, or the date for a label that is no file name); empty for other
    // destinations.
    QString dvdFolderPath() const;
    // Removes what this program put into the working folder.
    void cleanWorkFolder();
    // Stops the running job; a failure reported from now on ends the burn
    // instead of offering to try again. Between a failed try and the next
    // one (after nextDiscNeeded()) no job runs: the burn ends at once, with
    // finished(Aborted).
    void stop();
    // The destination type of the run that passed its check.
    Destination::Type startedType() const { return m_startedType; }

    // Rules shared with the dialogs and the job.
    static bool isValidVolumeLabel(const QString &label);
    // True when the disk of path has strictly more than needed bytes free.
    static bool hasFreeSpace(const QString &path, quint64 needed);
    // "1.50 GB" for unit "G" ("M", "K", or bytes).
    static QString sizeText(quint64 bytes, const QString &unit);
    static QString failureText(BurnError error);
    // What is wrong with a device that is no recorder, and the recorders
    // there are.
    static QString notARecorderText(const QString &device);
    // Removes from a folder only what this program writes there: the
    // DVD-Video folders VIDEO_TS and AUDIO_TS and the engine's staged images.
    static bool removeOwnContent(const QString &folder);

    // The running job's reports, on this object's thread (connected to each
    // job the workflow starts; public so that a test can stand in for it).
    void jobProgress(int percent);
    void jobSucceeded();
    void jobFailed(BurnError error, const QString &detail);
    void jobFinalizing();
    void jobEraseProgress(int percent);
    void jobEraseEnded(bool ok);
    void jobDiscChanged();
    void jobCheckEnded(bool ready);
    void jobAborted();
    // The job's disc question, asked on this object's thread.
    DiscDecision discProblem(DiscProblem problem);

Q_SIGNALS:
    // The destination is ready: generation may begin.
    void ready();
    void stageChanged(BurnStage stage);
    // Progress of the current stage, 0..100.
    void progressChanged(int percent);
    // Whether stopping now is safe (not while a disc is checked, erased or
    // finalized).
    void canAbortChanged(bool canAbort);
    // Another disc is needed (the next copy, or another try after a failed
    // one): call startDelivery() to go on.
    void nextDiscNeeded();
    void finished(const BurnResult &result);

private:
    enum class Failure { Engine, WithText, CheckStopped, Aborted, Erase };
    Destination::Type workingType() const;
    CheckOutcome checkFolderTarget(const Destination &target);
    CheckOutcome checkIsoTarget(const Destination &target);
    CheckOutcome checkRecorderTarget(const Destination &target);
    QString spaceProblem(const QString &destination) const;
    void setCanAbort(bool canAbort);
    void startPhase(int phase);
    void succeed();
    void fail(Failure failure, BurnError error = BurnError::Generic, const QString &text = QString());
    void retryOrFail(BurnError error);
    DiscDecision waitForDisc(const QString &reason, bool checking);
    void ejectLater(const QString &device);
    bool confirm(RunQuestions::Confirmation what, const QString &text);
    DVDBurner::JobSetup jobSetup();

    Destination m_destination;
    RunQuestions *m_questions = nullptr;
    DeviceThread m_deviceThread;
    QString m_dvdFolder;
    quint64 m_dvdSize = 0;
    QString m_workFolder;
    QString m_speed;
    Destination::Type m_startedType = Destination::None;
    int m_copiesLeft = 1;
    bool m_checking = false; // the disc check before generation runs
    bool m_waitedForDisc = false;
    bool m_aborted = false;
    bool m_retryPending = false; // a failed try was answered "try again": no job runs until startDelivery()
    int m_phase = 0;
    bool m_erased = false;
    QString m_unansweredWait; // why the engine waited for a disc nobody could insert
    QString m_jobError;       // the engine's words for its last failure
    // Shared with the jobs' disc questions: set once this object is going,
    // after which a waiting job gets no answer from it.
    std::shared_ptr<std::atomic<bool>> m_detached;
};

Q_DECLARE_METATYPE(BurnStage)
Q_DECLARE_METATYPE(BurnResult)
