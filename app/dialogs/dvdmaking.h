#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "job/makejob.h"

class DialogQuestions;
class DriveWatch;
class DvdSettingsDialog;
class ProgressDialog;
class QWidget;

// "Create DVD" as a person goes through it: DVD Settings over the window;
// on "Burn" the window's job starts with the chosen request and a copy of
// the album, and the progress dialog follows the job once the destination
// has been checked; a destination the run refuses (or a disc check that
// stops) brings DVD Settings back with the reason. It owns the two dialogs,
// never the run.
class DvdMaking : public QObject
{
    Q_OBJECT
public:
    // job: the window's (not owned); window: the parent of the dialogs.
    DvdMaking(MakeJob *job, QWidget *window);
    ~DvdMaking() override;

    DvdSettingsDialog *settingsDialog() const { return m_settings; }
    ProgressDialog *progressDialog() const { return m_progress; }
    DialogQuestions *questions() const { return m_questions.get(); }
    MakeJob *job() const { return m_job; }

    // Shows DVD Settings for this album with its DVD choices and the action
    // after making selected (an index of the progress dialog's list), and
    // starts the run when the person presses "Burn". Returns once DVD
    // Settings is answered; the run goes on by itself.
    void open(const Album &album, const DvdChoices &choices, int afterMakingIndex);
    bool isRunning() const { return m_job->isRunning(); }
    // What closing the window during a run does: false while the run
    // cannot stop (a disc check, erase or finalizing); otherwise "Abort or
    // not?", and on Yes the run is asked to stop (true; its end follows).
    // True at once when no run is going.
    bool confirmAbort();
    // Stops the run as "Abort" would, without a question (a termination
    // signal); a question already open is withdrawn.
    void abortWithoutAsking();

Q_SIGNALS:
    // The DVD choices changed in DVD Settings.
    void choicesChanged(const DvdChoices &choices);
    // The person chose another action after making in the progress dialog.
    void afterMakingIndexChanged(int index);
    // A run ended (its progress dialog may still show the end).
    void runFinished(const JobResult &result);

private:
    void showSettings();
    void onStageChanged(JobStage stage);
    void onFinished(const JobResult &result);

    MakeJob *m_job;
    QPointer<QWidget> m_window;
    DvdSettingsDialog *m_settings = nullptr;
    ProgressDialog *m_progress = nullptr;
    std::unique_ptr<DialogQuestions> m_questions;
    DriveWatch *m_driveWatch = nullptr;
    Album m_album;
};
