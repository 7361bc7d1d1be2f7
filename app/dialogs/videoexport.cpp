#include "dialogs/videoexport.h"

#include <QRect>
#include <QTimer>

#include "desktop/messagebox.h"
#include "dialogs/exportvideodialog.h"

VideoExport::VideoExport(MakeJob *job, QWidget *window) : QObject(window), m_job(job), m_window(window)
{
    m_dialog = new ExportVideoDialog(window);
    connect(job, &MakeJob::finished, this, &VideoExport::onFinished);
}

VideoExport::~VideoExport()
{
    delete m_dialog;
    m_dialog = nullptr;
}

void VideoExport::open(const Album &album)
{
    if (m_job->isRunning())
        return;
    m_album = album;
    m_dialog->setChoices(album.video);
    m_dialog->setDuration(album.videoLength());
    showDialog();
}

void VideoExport::showDialog()
{
    if (!m_window)
        return;
    m_dialog->adjustSize();
    QRect placed(QPoint(), m_dialog->frameGeometry().size());
    placed.moveCenter(m_window->window()->frameGeometry().center());
    m_dialog->move(placed.topLeft());
    if (m_dialog->exec() != QDialog::Accepted)
        return;
    const VideoChoices choices = m_dialog->choices();
    m_album.video = choices;
    Q_EMIT choicesChanged(choices);
    MakeRequest request;
    request.output = MakeRequest::Output::VideoFile;
    request.videoFile = choices.file;
    request.album = m_album;
    m_ours = true;
    if (!m_job->start(request))
        m_ours = false;
}

void VideoExport::onFinished(const JobResult &result)
{
    if (!m_ours || !result.videoFile)
        return;
    m_ours = false;
    if (result.lastStage != JobStage::CheckingDestination || result.ok() ||
        result.outcome == JobResult::Aborted)
        return;
    // Nothing was written: the file was refused or the overwrite declined.
    // The person sees why and gets the dialog back to choose again.
    if (!result.message.isEmpty())
        MessageBox::alert(result.message, QString(), m_window);
    QTimer::singleShot(0, this, &VideoExport::showDialog);
}
