#include "dialogs/dvdmaking.h"

#include <QRect>
#include <QTimer>

#include "burning/kymburner.h"
#include "desktop/messagebox.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/progressdialog.h"

DvdMaking::DvdMaking(MakeJob *job, QWidget *window) : QObject(window), m_job(job), m_window(window)
{
    m_progress = new ProgressDialog(window);
    m_progress->setJob(job);
    m_settings = new DvdSettingsDialog(window, m_progress, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // The destination box and the disc questions of DVD Settings serve the
    // job's burn workflow.
    job->setBurnWorkflow(m_settings->burner()->workflow());
    connect(m_settings, &DvdSettingsDialog::choicesChanged, this, &DvdMaking::choicesChanged);
    connect(m_progress, &ProgressDialog::postTaskActionsIndexChanged, this, [this](int index) {
        m_job->setAfterMaking(afterMakingActionOfIndex(index));
        Q_EMIT afterMakingIndexChanged(index);
    });
    // A kept result is of no use once its dialog is gone.
    connect(m_progress, &ProgressDialog::closedAfterRun, m_job, &MakeJob::releaseResult);
    connect(job, &MakeJob::stageChanged, this, &DvdMaking::onStageChanged);
    connect(job, &MakeJob::finished, this, &DvdMaking::onFinished);
}

DvdMaking::~DvdMaking()
{
    // The settings dialog's burner waits for its device thread and delivers
    // events meanwhile: it goes while the dialogs are still whole.
    delete m_settings;
    m_settings = nullptr;
}

AfterMakingAction DvdMaking::afterMakingActionOfIndex(int index)
{
    static const AfterMakingAction actions[] = {AfterMakingAction::DoNothing, AfterMakingAction::ExitProgram,
                                                AfterMakingAction::ShutDown, AfterMakingAction::Hibernate,
                                                AfterMakingAction::StandBy};
    return index >= 0 && index < int(std::size(actions)) ? actions[index] : AfterMakingAction::DoNothing;
}

void DvdMaking::open(const Album &album, const DvdChoices &choices, int afterMakingIndex)
{
    if (m_job->isRunning())
        return;
    m_album = album;
    m_progress->setPostTaskIndex(afterMakingIndex);
    m_settings->setChoices(choices);
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
    request.afterMaking = afterMakingActionOfIndex(m_progress->postTaskIndex());
    m_job->start(request);
}

void DvdMaking::onStageChanged(JobStage stage)
{
    // The progress dialog opens once the destination has been checked and
    // the making begins.
    if (stage == JobStage::CheckingDestination || stage == JobStage::Idle || m_progress->isVisible())
        return;
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
    Q_EMIT runFinished(result);
    if (result.lastStage != JobStage::CheckingDestination || result.ok() || m_progress->isVisible())
        return;
    // Nothing was made: the destination was refused or declined. The
    // person sees why and gets the settings back to choose again.
    if (result.outcome != JobResult::Aborted && !result.message.isEmpty())
        MessageBox::alert(result.message, QString(), m_window);
    if (result.outcome != JobResult::Aborted)
        QTimer::singleShot(0, this, &DvdMaking::showSettings);
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
    return !m_job->isRunning();
}
