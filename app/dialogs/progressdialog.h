#pragma once

#include <desktop/dialogbase.h>
#include <job/generateworkingstate.h>

#include <QDateTime>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMovie;
namespace Ui {
class ProgressDialog;
}

// The window shown while a DVD is made: one row per step of the run with a
// status icon (idle, working, success, failure) and its text, the current
// task with its percentage, the elapsed time, the action after making, and
// the finish ("Abort" / "Close" / "Finished") and "Burn Next" buttons.
//
// The DVD settings dialog drives it (mapping the burn workflow's stages and
// end to its states), above all through setDlgStatus(). Only a run that has ended (states GenerateSucceeded and
// GenerateEnded) lets it close; before that closing asks "Abort or not?",
// and while a disc is checked or erased closing is refused.
class ProgressDialog : public DialogBase
{
    Q_OBJECT
public:
    enum StepIcon { IconIdle = 0, IconWorking = 1, IconSuccess = 2, IconFailure = 3, IconNone = 4 };
    static constexpr int kRowCount = 6;

    explicit ProgressDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ProgressDialog() override;

    // Lays out the rows for a target ("tofolder", "toiso", "toburner"), all
    // idle, and clears what the previous run showed.
    void setTargetType(const QString &type, bool withMenu);
    QString targetType() const { return m_targetType; }
    bool withMenu() const { return m_withMenu; }
    void startElapsedClock();
    bool elapsedClockRunning() const { return m_elapsedTimer.isActive(); }
    bool canAbort() const { return m_canAbort; }
    bool isAbort() const { return m_isAbort; }
    int workingState() const { return m_workingState; }
    void setWorkingState(int state) { m_workingState = state; }
    // Selects the post-task action without reporting it back.
    void setPostTaskIndex(int index);
    int postTaskIndex() const;
    // Where the finished result is, and the folder "Open Folder" shows in
    // the file manager (empty: no button).
    void showResult(const QString &text, const QString &folderToOpen);
    // The icon code a row shows (for the row's owner and for checks).
    int rowIcon(int row) const { return m_rowIcons.at(size_t(row)); }
    // Folder holding the step icons.
    QString skinFolder() const { return m_skinFolder; }

Q_SIGNALS:
    void btnburnnextclicked(bool, const QString &);
    void generateAbort();
    void cleantempfolder();
    void postTaskActionsIndexChanged(int index);

public Q_SLOTS:
    void on_btnFinish_clicked();
    void setCanAbort(bool canAbort);
    void setIsAbort(bool isAbort);
    void setDlgStatus(QString title, generateWorkingState state, QString task, QString burnNextText,
                      bool burnNextOn, QString finishText, bool finishEnabled);
    void doBurnNext();
    void setProcess(int value);
    void setProcess(int total, int current);
    void timeStop();
    void on_minimizeToTaskbar_clicked();
    void on_postTaskActions_currentIndexChanged(int index);
    void updateElapsedTime();
    void on_btnBurnNext_clicked();
    void on_setProcessCurVal(int value);
    void on_creatingTitleStatus(int, int number);
    void on_btnOpenFolder_clicked();
    void retranslate() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setRowIcon(int row, int icon);
    void setRowFailed(int row);
    void applyStateIcons(int state);
    void setPostTaskVisible(bool visible);
    void loadDiscPicture();
    QString iconFile(int icon) const;
    // Runs the close rules; true when the dialog may close now.
    bool requestClose();
    QLabel *rowIconLabel(int row) const;
    QLabel *rowTextLabel(int row) const;

    std::unique_ptr<Ui::ProgressDialog> m_ui;
    QTimer m_elapsedTimer;
    QDateTime m_startTime;
    int m_workingState = NoStepChange;
    QString m_targetType;
    bool m_withMenu = false;
    QString m_skinFolder;
    std::array<QMovie *, kRowCount> m_movies{};
    std::array<int, kRowCount> m_rowIcons{};
    bool m_canAbort = false;
    bool m_isAbort = false;
    bool m_closing = false;
    QString m_resultFolder;
};
