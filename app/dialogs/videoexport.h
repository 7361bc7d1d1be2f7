#pragma once

#include <QObject>
#include <QPointer>

#include "album/album.h"
#include "job/makejob.h"

class ExportVideoDialog;
class QWidget;

// "Export Video..." as a person goes through it: the Export Video dialog
// over the window with the album's video choices; on "Export" the choices
// go back to the album (choicesChanged: the window records them as an
// edit) and the window's job starts with a video file request. The run is
// shown by the window's progress dialog, which follows the job (see
// DvdMaking); a file the run refuses (or an overwrite declined) brings the
// dialog back with the reason. It owns its dialog, never the run.
class VideoExport : public QObject
{
    Q_OBJECT
public:
    VideoExport(MakeJob *job, QWidget *window);
    ~VideoExport() override;

    ExportVideoDialog *dialog() const { return m_dialog; }

    // Shows the dialog for this album (its video choices and length) and
    // starts the run on "Export". Returns once the dialog is answered.
    void open(const Album &album);

Q_SIGNALS:
    // The person exported with these choices (the file included).
    void choicesChanged(const VideoChoices &choices);

private:
    void showDialog();
    void onFinished(const JobResult &result);

    MakeJob *m_job;
    QPointer<QWidget> m_window;
    ExportVideoDialog *m_dialog = nullptr;
    Album m_album;
    bool m_ours = false; // the job's run was started here
};
