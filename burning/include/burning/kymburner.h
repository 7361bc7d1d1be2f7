#pragma once

#include <desktop/dialogbase.h>
#include <burning/dvdburner.h>
#include <burning/generateworkingstate.h>
#include <burning/burnworkflow.h>
#include <burning/destination.h>
#include <burning/devicethread.h>
#include <burning/waitingdiskdialog.h>

#include <QString>

class KyTargetComboBox;

// The burn workflow of the DVD settings dialog: a hidden dialog around
// BurnWorkflow that reads the destination from the target box, owns the
// two waiting-for-disc dialogs, keeps the box's device list fresh and
// watches for discs arriving. Every workflow call and signal passes
// through unchanged (see BurnWorkflow for the order of calls).
//
// Use: initBurner(box, ...) once; choose the destination in the box (by the
// user, or setFolderTarget / setIsoTarget / setRecorderTarget and
// setVolumeName); then as BurnWorkflow. Questions go through
// MessageBox, disc waits through WaitingDiskDialog; both take answer hooks
// for runs without a person.
class KymBurner : public DialogBase, public KyBurnerCallback
{
    Q_OBJECT
public:
    explicit KymBurner(QWidget *parent = nullptr);
    ~KymBurner() override;

    void initBurner(KyTargetComboBox *box, QWidget *burnWaitParent, QWidget *messageParent,
                    QWidget *burnQuestionParent);
    // The destination without a box (a box given to initBurner wins).
    void setDestination(const Destination &destination) { m_workflow.setDestination(destination); }
    Destination destination() const { return m_workflow.destination(); }
    void setDVDSource(const QString &folder) { m_workflow.setDVDSource(folder); }
    void setDVDSize(quint64 bytes) { m_workflow.setDVDSize(bytes); }
    void setTempPath(const QString &path) { m_workflow.setTempPath(path); }
    void setCopyNum(int copies) { m_workflow.setCopyNum(copies); }
    int copiesLeft() const { return m_workflow.copiesLeft(); }
    void setBurnSpeed(const QString &speed) { m_workflow.setBurnSpeed(speed); }

    bool checkBurnerCondition() { return m_workflow.checkBurnerCondition(); }
    void startBurnWork() { m_workflow.startBurnWork(); }
    QString fillDVDFolderFullPath() const { return m_workflow.fillDVDFolderFullPath(); }
    void makeTempFolderClean() { m_workflow.makeTempFolderClean(); }
    void showWaitDlg(const QString &reason, bool checking) { m_workflow.showWaitDlg(reason, checking); }

    int postMessage(int message, int wParam, int lParam) override;
    int sendMessage(int message, int wParam, int lParam) override;
    int PostOrSendMessage(int message, int wParam, int lParam, int post) override;

    static bool isValidVolumeLabel(const QString &label) { return BurnWorkflow::isValidVolumeLabel(label); }
    static bool checkHardDiskCapacity(const QString &path, quint64 needed)
    {
        return BurnWorkflow::checkHardDiskCapacity(path, needed);
    }
    static bool checkDVDCapacity(const QString &device, quint64 size)
    {
        return BurnWorkflow::checkDVDCapacity(device, size);
    }
    static QString convertSizeToStr(quint64 bytes, const QString &unit)
    {
        return BurnWorkflow::convertSizeToStr(bytes, unit);
    }
    static QString failureText(int code) { return BurnWorkflow::failureText(code); }
    static bool removeOwnContent(const QString &folder) { return BurnWorkflow::removeOwnContent(folder); }

    WaitingDiskDialog *burnWaitDialog() const { return m_workflow.burnWaitDialog(); }
    WaitingDiskDialog *checkWaitDialog() const { return m_workflow.checkWaitDialog(); }
    QString startedTargetType() const { return m_workflow.startedTargetType(); }
    BurnWorkflow *workflow() { return &m_workflow; }

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
    BurnWorkflow m_workflow;
    IDevMonitor *m_monitor = nullptr;
};
