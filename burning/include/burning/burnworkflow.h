#pragma once

#include <burning/dvdburner.h>
#include <burning/generateworkingstate.h>
#include <burning/destination.h>
#include <burning/devicethread.h>

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>

class KyTargetComboBox;
class QWidget;
class WaitingDiskDialog;

// The engine callback as the workflow implements it: both entries end in
// PostOrSendMessage (post 1 for postMessage, 0 for sendMessage).
class KyBurnerCallback : public IBurnerJobCallBack
{
public:
    virtual int PostOrSendMessage(int message, int wParam, int lParam, int post) = 0;
};

// The burn workflow without a window: takes a finished DVD folder to a
// destination (a folder, an ISO image or one or more discs). It checks the
// destination before generation, drives the engine, asks the engine's
// questions and reports progress and states. It creates no widget: the
// window's KymBurner gives it the destination box to read the destination
// from, the parents of its questions and the waiting-for-disc dialogs; a
// program without a window sets the destination value directly, and its
// questions go through MessageBox's answer hook.
//
// Use: setDestination (or setDestinationView); per run setTempPath,
// setDVDSource, setDVDSize, setCopyNum, setBurnSpeed; checkBurnerCondition()
// -> beginGenerate() (for a recorder after the engine's disc check, which
// may also end in burnFinished(false, false)); author the DVD (into
// fillDVDFolderFullPath() for a folder); startBurnWork(); on doBurnNext()
// call startBurnWork() again for the next copy; burnFinished(ok, afterDone)
// ends each run. DVDBurner::Stop() aborts.
class BurnWorkflow : public QObject, public KyBurnerCallback
{
    Q_OBJECT
public:
    explicit BurnWorkflow(QObject *parent = nullptr);
    ~BurnWorkflow() override;

    // The destination: the view's when a view is set, else the value given.
    Destination destination() const;
    void setDestination(const Destination &destination);
    void setDestinationView(KyTargetComboBox *view);
    KyTargetComboBox *destinationView() const;

    void setDVDSource(const QString &folder) { m_dvdSource = folder; }
    void setDVDSize(quint64 bytes) { m_dvdSize = bytes; }
    void setTempPath(const QString &path) { m_tempPath = path; }
    void setCopyNum(int copies) { m_copiesLeft = copies; }
    int copiesLeft() const { return m_copiesLeft; }
    void setBurnSpeed(const QString &speed) { m_burnSpeed = speed; }

    // Parents of the message boxes (check phase and errors) and of the
    // non-blank question while burning; null parents are fine.
    void setMessageParents(QWidget *messageParent, QWidget *burnQuestionParent);
    // The waiting-for-disc dialogs of the burn and the check phase. Without
    // them nobody can insert a disc: a wait counts as cancelled.
    void setWaitingDialogs(WaitingDiskDialog *burnWait, WaitingDiskDialog *checkWait);
    WaitingDiskDialog *burnWaitDialog() const;
    WaitingDiskDialog *checkWaitDialog() const;
    // The thread that refreshes the device caches and ejects trays.
    DeviceThread &deviceThread() { return m_devThread; }

    // Checks the destination; emits beginGenerate() when ready (for a
    // recorder after the engine's disc check). False when a check failed or
    // the user declined; true when generation began or the disc check runs.
    bool checkBurnerCondition();
    void startBurnWork();
    QString fillDVDFolderFullPath() const;
    void makeTempFolderClean();
    // Stops the running job; a failure reported from now on ends the burn
    // instead of offering to try again. Between a failed try and the next
    // one (after doBurnNext()) no job runs: the burn ends at once, with
    // burnFinished(false, false).
    void stop();
    void showWaitDlg(const QString &reason, bool checking);
    QString startedTargetType() const { return Destination::typeName(m_startedType); }
    // A disc arrived in a drive (or left it): answers a waiting engine when
    // it is the destination's drive.
    void deviceChanged(const QString &drive, int arrive);

    int postMessage(int message, int wParam, int lParam) override;
    int sendMessage(int message, int wParam, int lParam) override;
    int PostOrSendMessage(int message, int wParam, int lParam, int post) override;

    // Rules shared with tests and the controller.
    static bool isValidVolumeLabel(const QString &label);
    // True when the disk of path has strictly more than needed bytes free.
    static bool checkHardDiskCapacity(const QString &path, quint64 needed);
    // True when the disc in the device is writable and has strictly more
    // than size bytes free (from the disc cache).
    static bool checkDVDCapacity(const QString &device, quint64 size);
    static QString convertSizeToStr(quint64 bytes, const QString &unit);
    static QString failureText(int code);
    // The question asked after a failed burn ("try again?"); a program
    // without a person answers it No.
    static QString retryQuestion();
    // What is wrong with a device that is no recorder, and the recorders
    // there are.
    static QString notARecorderText(const QString &device);
    // Removes from a folder only what this program writes there: the
    // DVD-Video folders VIDEO_TS and AUDIO_TS and the engine's staged images.
    static bool removeOwnContent(const QString &folder);

Q_SIGNALS:
    void beginGenerate();
    void setCanAbort(bool canAbort);
    void setIsAbort(bool aborted);
    void setDlgStatus(QString ltitle, generateWorkingState totalstep, QString curlbl, QString nextbtnlbl,
                      bool bbtnnext, QString finishbtnlbl, bool bbtnfinish);
    void doBurnNext();
    void setProcess(int itotal, int icurr);
    void timeStop();
    void burnFinished(bool flagRet, bool flatAfterDone);

private:
    Destination::Type workingType() const;
    bool checkFolderTarget(const Destination &target);
    bool checkIsoTarget(const Destination &target);
    bool checkRecorderTarget(const Destination &target);
    bool checkSpaceRule(const QString &destination);
    void phaseUpdate(generateWorkingState state, const QString &text);
    void startPhase(int phase);
    void afterBurn(bool ok, int code, const QString &text);
    int show_ob_burn_notified_check(int status);
    void retryOrFail(int code);
    void ejectLater(const QString &device);
    void alert(const QString &text);
    bool ask(const QString &text, QWidget *parent);

    Destination m_destination;
    QPointer<KyTargetComboBox> m_view;
    QPointer<QWidget> m_messageParent;
    QPointer<QWidget> m_burnQuestionParent;
    QPointer<WaitingDiskDialog> m_burnWait;
    QPointer<WaitingDiskDialog> m_checkWait;
    DeviceThread m_devThread;
    QString m_dvdSource;
    quint64 m_dvdSize = 0;
    QString m_tempPath;
    QString m_burnSpeed;
    Destination::Type m_startedType = Destination::None;
    int m_copiesLeft = 1;
    bool m_waitedForDisc = false;
    bool m_aborted = false;
    bool m_retryPending = false; // a failed try was answered "try again": no job runs until startBurnWork()
    bool m_canAbort = false;
    int m_phase = 0;
    bool m_erased = false;
    int m_progressStart = 51;
    int m_progressEnd = 90;
    QString m_unansweredWait; // why the engine waited for a disc nobody could insert
    std::atomic<bool> m_detached{false};
};
