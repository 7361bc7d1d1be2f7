#pragma once

#include <desktop/dialogbase.h>

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>

#include "job/makejob.h"

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMovie;
namespace Ui {
class ProgressDialog;
}

// The window shown while a DVD or a video file is made. It follows a MakeJob (which the
// editor window owns): one row per stage of the run with a status icon
// (idle, working, success, failure) and its text, the current task with
// its percentage, the elapsed time, the action after making, and the
// finish ("Abort" / "Close" / "Finished") and "Burn Next" buttons. It owns
// nothing of the run: its buttons ask the job to abort or to burn one more
// copy.
//
// Only a run that has ended lets it close; before that closing asks
// "Abort or not?", and while a disc is checked, erased or finalized
// closing is refused.
class ProgressDialog : public DialogBase
{
    Q_OBJECT
public:
    enum StepIcon { IconIdle = 0, IconWorking = 1, IconSuccess = 2, IconFailure = 3, IconNone = 4 };
    static constexpr int kRowCount = 6;

    explicit ProgressDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ProgressDialog() override;

    // Follows this job (not owned) from now on: each run it starts lays out
    // the rows of its destination and clears what the previous one showed;
    // its stages, progress and end are shown as they come, and the
    // dialog's Abort and Burn Next go to it.
    void setJob(MakeJob *job);
    MakeJob *job() const { return m_job; }

    // What the job's reports turn into (public for a view without a job).
    // A run toward this target begins: the rows of its stages, all idle. A
    // video file's run has one row (its encoding) and ends with the file's
    // folder to open.
    void showRunStart(Destination::Type target, bool withMenu, bool videoFile = false);
    void showStage(JobStage stage);
    void showProgress(int percent);
    void showCanAbort(bool canAbort);
    // The next copy of a burn begins: its stages are idle again.
    void showNextCopy();
    void showEnd(const JobResult &result);

    // The stage the dialog shows, and whether it shows a run's end.
    JobStage shownStage() const { return m_stage; }
    bool showsEnd() const { return m_ended; }
    // The outcome shown once the run has ended.
    JobResult::Outcome shownOutcome() const { return m_outcome; }
    bool elapsedClockRunning() const { return m_elapsedTimer.isActive(); }
    // Selects the action after making without reporting it back.
    void setPostTaskIndex(int index);
    int postTaskIndex() const;
    // The icon code a row shows (for the row's owner and for checks).
    int rowIcon(int row) const { return m_rowIcons.at(size_t(row)); }
    // Folder holding the step icons.
    QString skinFolder() const { return m_skinFolder; }

Q_SIGNALS:
    // The person confirmed "Abort" (or closed the dialog and said Yes).
    void abortRequested();
    // The person asked for one more copy after a burn.
    void burnNextRequested();
    // The person chose another action after making.
    void postTaskActionsIndexChanged(int index);
    // The dialog closed after its run ended.
    void closedAfterRun();

public Q_SLOTS:
    void retranslate() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onFinishClicked();
    void onBurnNextClicked();
    void onOpenFolderClicked();
    void onMinimizeClicked();

    void setTitle(const QString &title);
    void setTaskText(const QString &text);
    void showProgressRow(bool visible);
    void showResult(const QString &text, const QString &folderToOpen);
    void setRowIcon(int row, int icon);
    void setRowFailed(int row);
    // The row a stage works in (-1 for none).
    int rowOfStage(JobStage stage) const;
    void setPostTaskVisible(bool visible);
    void fitWidth();
    void loadDiscPicture();
    void startElapsedClock();
    void updateElapsedTime();
    QString iconFile(int icon) const;
    // Runs the close rules; true when the dialog may close now.
    bool requestClose();
    QLabel *rowIconLabel(int row) const;
    QLabel *rowTextLabel(int row) const;

    std::unique_ptr<Ui::ProgressDialog> m_ui;
    QPointer<MakeJob> m_job;
    QTimer m_elapsedTimer;
    QDateTime m_startTime;
    JobStage m_stage = JobStage::Idle;
    Destination::Type m_target = Destination::None;
    bool m_withMenu = false;
    bool m_videoFile = false;
    bool m_ended = false;
    bool m_aborting = false;
    bool m_canAbort = true;
    JobResult::Outcome m_outcome = JobResult::Failed;
    QString m_skinFolder;
    std::array<QMovie *, kRowCount> m_movies{};
    std::array<int, kRowCount> m_rowIcons{};
    bool m_closing = false;
    QString m_resultFolder;
};
