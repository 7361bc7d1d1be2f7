#pragma once

#include <kybase/kydialog.h>
#include <kymburner/dvdburner.h>
#include <kymburner/generateworkingstate.h>
#include <kymburner/qdevthreadmgr.h>
#include <kymburner/waitingdiskdialog.h>

#include <QPointer>
#include <QString>

#include <atomic>

class KyTargetComboBox;

// The engine callback as the workflow implements it: both entries end in
// PostOrSendMessage (post 1 for postMessage, 0 for sendMessage).
class KyBurnerCallback : public IBurnerJobCallBack
{
public:
    virtual int PostOrSendMessage(int message, int wParam, int lParam, int post) = 0;
};

// Takes a finished DVD folder to the destination of the target box: a
// folder, an ISO image or one or more discs. Checks the destination before
// generation, drives the engine, asks the engine's questions and reports
// progress and states for the generation progress dialog.
//
// Use: initBurner(box, ...) once; choose the destination in the box (by the
// user, or setFolderTarget / setIsoTarget / setRecorderTarget and
// setVolumeName); per run setTempPath, setDVDSource, setDVDSize, setCopyNum,
// setBurnSpeed; checkBurnerCondition() -> beginGenerate() (for a recorder
// after the engine's disc check, which may also end in burnFinished(false,
// false)); author the DVD (into fillDVDFolderFullPath() for a folder);
// startBurnWork(); on doBurnNext() call startBurnWork() again for the next
// copy; burnFinished(ok, afterDone) ends each run. DVDBurner::Stop() aborts.
// Questions go through KyMessageBox, disc waits through WaitingDiskDialog;
// both take answer hooks for runs without a person.
class KymBurner : public KyDialog, public KyBurnerCallback
{
    Q_OBJECT
public:
    explicit KymBurner(QWidget *parent = nullptr);
    ~KymBurner() override;

    void initBurner(KyTargetComboBox *box, QWidget *burnWaitParent, QWidget *messageParent,
                    QWidget *burnQuestionParent);
    void setDVDSource(const QString &folder) { m_dvdSource = folder; }
    void setDVDSize(quint64 bytes) { m_dvdSize = bytes; }
    void setTempPath(const QString &path) { m_tempPath = path; }
    void setCopyNum(int copies) { m_copiesLeft = copies; }
    int copiesLeft() const { return m_copiesLeft; }
    void setBurnSpeed(const QString &speed) { m_burnSpeed = speed; }

    // Checks the destination; emits beginGenerate() when ready (for a
    // recorder after the engine's disc check). False when a check failed or
    // the user declined; true when generation began or the disc check runs.
    bool checkBurnerCondition();
    void startBurnWork();
    QString fillDVDFolderFullPath() const;
    void makeTempFolderClean();
    void showWaitDlg(const QString &reason, bool checking);

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
    // Removes from a folder only what this program writes there: the
    // DVD-Video folders VIDEO_TS and AUDIO_TS and the engine's staged images.
    static bool removeOwnContent(const QString &folder);

    WaitingDiskDialog *burnWaitDialog() const { return m_burnWait; }
    WaitingDiskDialog *checkWaitDialog() const { return m_checkWait; }
    QString startedTargetType() const { return m_startedType; }

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

public Q_SLOTS:
    void on_deviceChange(QString strDrive, int iArrive);

private:
    QString targetType() const;
    QString targetValue() const;
    QString volumeLabel() const;
    bool checkSpaceRule(const QString &destination);
    void phaseUpdate(generateWorkingState state, const QString &text);
    void afterBurn(bool ok, int code, const QString &text);
    int show_ob_burn_notified_check(int status);
    QString show_ob_burn_failed(int code) const { return failureText(code); }
    void alert(const QString &text);
    bool ask(const QString &text, QWidget *parent);

    QPointer<KyTargetComboBox> m_box;
    QPointer<QWidget> m_burnWaitParent;
    QPointer<QWidget> m_messageParent;
    QPointer<QWidget> m_burnQuestionParent;
    // The waiting dialogs belong to the parents given to initBurner.
    QPointer<WaitingDiskDialog> m_burnWait;
    QPointer<WaitingDiskDialog> m_checkWait;
    QDevThreadMgr m_devThread;
    IDevMonitor *m_monitor = nullptr;
    QString m_dvdSource;
    quint64 m_dvdSize = 0;
    QString m_tempPath;
    QString m_burnSpeed;
    QString m_startedType;
    int m_copiesLeft = 1;
    bool m_waitedForDisc = false;
    bool m_aborted = false;
    bool m_canAbort = false;
    int m_phase = 0;
    bool m_erased = false;
    int m_progressStart = 51;
    int m_progressEnd = 90;
    std::atomic<bool> m_detached{false};
};
