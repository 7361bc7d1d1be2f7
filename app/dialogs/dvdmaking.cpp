#include "dialogs/dvdmaking.h"

#include <QRect>
#include <QTimer>

#include "burning/burnworkflow.h"
#include "burning/drivewatch.h"
#include "desktop/messagebox.h"
#include "dialogs/dialogquestions.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/progressdialog.h"

DvdMaking::DvdMaking(MakeJob *job, QWidget *window) : QObject(window), m_job(job), m_window(window)
{
    m_progress = new ProgressDialog(window);
    m_progress->setJob(job);
    DeviceThread *devices = &job->burnWorkflow()->deviceThread();
    m_settings = new DvdSettingsDialog(window, devices, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // The run's questions: over the window while the destination is
    // checked, over the progress dialog once it shows; a wait for a disc
    // ends by itself when the disc arrives.
    m_questions = std::make_unique<DialogQuestions>(window, m_progress);
    job->setQuestions(m_questions.get());
    m_driveWatch = new DriveWatch(devices, this);
    connect(m_driveWatch, &DriveWatch::discArrived, m_questions.get(), &DialogQuestions::discArrived);
    m_driveWatch->start();
    connect(m_settings, &DvdSettingsDialog::choicesChanged, this, &DvdMaking::choicesChanged);
    connect(m_progress, &ProgressDialog::postTaskActionsIndexChanged, this, [this](int index) {
        m_job->setAfterMaking(afterMakingActionAtListIndex(index));
        Q_EMIT afterMakingIndexChanged(index);
    });
    // A kept result is of no use once its dialog is gone.
    connect(m_progress, &ProgressDialog::closedAfterRun, m_job, &MakeJob::releaseResult);
    connect(job, &MakeJob::stageChanged, this, &DvdMaking::onStageChanged);
    connect(job, &MakeJob::finished, this, &DvdMaking::onFinished);
}

DvdMaking::~DvdMaking()
{
    // Nobody is left to answer once the dialogs go.
    m_job->setQuestions(nullptr);
    delete m_driveWatch;
    m_driveWatch = nullptr;
    delete m_settings;
    m_settings = nullptr;
}

void DvdMaking::open(const Album &album, const DvdChoices &choices, int afterMakingIndex)
{
    if (m_job->isRunning())
        return;
    m_album = album;
    m_progress->setPostTaskIndex(afterMakingIndex);
    m_settings->setChoices(choices);
    // The menu's choices list the album's photos; its preview lies on them.
    m_settings->setAlbum(album);
    m_settings->setDuration(album.videoLength());
    m_settings->updateDVDSize();
    showSettings();
}

void DvdMaking::showSettings()
{
    if (!m_window)
        return;
    // Over the window it belongs to, not in the middle of the screen.
    m_settings->adjustSize();
    QRect placed(QPoint(), m_settings->frameGeometry().size());
    placed.moveCenter(m_window->window()->frameGeometry().center());
    m_settings->move(placed.topLeft());
    if (m_settings->exec() != QDialog::Accepted)
        return;
    MakeRequest request = m_settings->request();
    request.album = m_album;
    request.afterMaking = afterMakingActionAtListIndex(m_progress->postTaskIndex());
    m_job->start(request);
}

void DvdMaking::onStageChanged(JobStage stage)
{
    // The progress dialog opens once the destination has been checked and
    // the making begins.
    if (stage == JobStage::CheckingDestination || stage == JobStage::Idle || m_progress->isVisible())
        return;
    m_questions->setRunShowing(true);
    if (m_window) {
        m_progress->adjustSize();
        QRect placed(QPoint(), m_progress->frameGeometry().size());
        placed.moveCenter(m_window->window()->frameGeometry().center());
        m_progress->move(placed.topLeft());
    }
    m_progress->open();
}

void DvdMaking::onFinished(const JobResult &result)
{
    // A question about stopping the run is answered by its end: the box
    // goes (as "No": nothing is left to stop) instead of standing over the
    // result.
    MessageBox::withdraw(ProgressDialog::tr("Abort or not?"), QDialogButtonBox::No);
    if (!m_progress->isVisible())
        m_questions->setRunShowing(false);
    Q_EMIT runFinished(result);
    // A video file's refusal is shown by its own flow (VideoExport).
    if (result.videoFile || result.lastStage != JobStage::CheckingDestination || result.ok() ||
        m_progress->isVisible())
        return;
    // Nothing was made: the destination was refused or declined. The
    // person sees why and gets the settings back to choose again.
    if (result.outcome != JobResult::Aborted && !result.message.isEmpty())
        MessageBox::alert(result.message, QString(), m_window);
    if (result.outcome != JobResult::Aborted)
        QTimer::singleShot(0, this, &DvdMaking::showSettings);
}

void DvdMaking::abortWithoutAsking()
{
    // What "Yes" to "Abort or not?" does; a stage that cannot stop (a disc
    // check, an erase, the finalizing) runs to its end.
    MessageBox::withdraw(ProgressDialog::tr("Abort or not?"), QDialogButtonBox::No);
    if (m_job->isRunning() && m_job->canAbort())
        m_job->abort();
}

bool DvdMaking::confirmAbort()
{
    if (!m_job->isRunning())
        return true;
    // As in the progress dialog: a disc check, an erase or the finalizing
    // is never cut short.
    if (!m_job->canAbort())
        return false;
    if (MessageBox::question(ProgressDialog::tr("Abort or not?"), QString(),
                             QDialogButtonBox::Yes | QDialogButtonBox::No, m_window,
                             QDialogButtonBox::No) != QDialogButtonBox::Yes)
        return false;
    m_job->abort();
    return true;
}
