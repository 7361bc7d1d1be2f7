#pragma once

#include <desktop/dialogbase.h>

#include <QMetaType>
#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"
#include "job/generationcontroller.h"

class ProgressDialog;
class BurnWorkflow;
class DestinationBox;
class DialogQuestions;
class DriveWatch;
class BitRateDialog;
struct BurnResult;
enum class BurnStage;
namespace Ui {
class DvdSettingsDialog;
}

// The album's DVD choices (DvdChoices) are kept with the album; see
// album/album.h.

// "DVD Settings": the destination (folder, ISO image or a recorder), the
// volume label, writing speed and copies, the video quality (with a custom
// bit rate), TV standard, what the disc does when the show ends, audio bit
// rate and channels, and the size these choices give on a capacity bar.
// "Burn" builds a GenerationRequest and runs it in its GenerationController,
// on a burn workflow whose questions this dialog's message boxes and waiting
// dialogs answer; the progress dialog follows the run: the controller's
// steps and end, the burn's stages, "Burn Next" and the action after making.
// The dialog hides while the progress dialog is open and ends (accepted)
// when that closes.
class DvdSettingsDialog : public DialogBase
{
    Q_OBJECT
public:
    DvdSettingsDialog(const Album *album, ProgressDialog *progressDialog, QWidget *parent = nullptr,
                      Qt::WindowFlags flags = {});
    ~DvdSettingsDialog() override;

    // Slideshow length in seconds (the window sets it on every change).
    void setDuration(double seconds) { m_duration = seconds; }
    double duration() const { return m_duration; }
    // Recomputes the size estimate and shows it on the dialog's bar.
    void updateDVDSize();
    quint64 dvdSize() const { return m_dvdSize; }
    // True for a recorder destination with a dual-layer disc in it.
    bool dualLayer() const;
    QString discType() const { return m_discType; }
    // Fills the parameter lists and selects the default choices (the TV
    // standard from the "VideoStandard" setting).
    void initParameters();

    DvdChoices choices() const { return m_choices; }
    void setChoices(const DvdChoices &choices);
    // The run "Burn" would start now.
    GenerationRequest request() const;

    DestinationBox *targetComboBox() const;
    BurnWorkflow *workflow() const { return m_workflow; }
    DialogQuestions *questions() const { return m_questions; }
    GenerationController *controller() { return &m_controller; }
    // True from "Burn" until the run has ended (its progress dialog may
    // still show the end).
    bool isRunning() const { return m_controller.isRunning(); }
    // Stops the run as a confirmed "Abort" does (not while a disc is
    // checked or erased); runFinished() follows.
    void abortRun();

Q_SIGNALS:
    // The encoding parameters of a run, when its encoding starts.
    void dvdParamChanged(TvStandard standard, int audioBitRate, int audioChannels);
    // The choices changed through the dialog's controls.
    void choicesChanged(const DvdChoices &choices);
    // A run ended (its progress dialog may still be open).
    void runFinished(bool ok, const QString &message);

public Q_SLOTS:
    void onVideoQuality(int index);
    void onTvMode(int index);
    void onShowEnd(int index);
    void onAudioRate(int index);
    void onAudioChannel(int index);
    void onCustomizedVideoBitRate(const QString &rate);
    void on_volumeEdit_textChanged(const QString &text);
    void on_copySpinBox_valueChanged(int copies);
    void on_btnBurn_clicked();
    void on_updateSpeedList(const QVector<QString> &speeds);
    void on_setSpeedStatus(bool enabled);
    void on_setDistType(const QString &type);
    void on_generateAbort();
    void makeTempFolderClean();
    void on_startBurnerWork(bool, const QString &);
    void retranslate() override;

private:
    void openCustomBitRateDialog();
    void selectQuality(int bitRate);
    void showChoices();
    void setChoice(const DvdChoices &choices);
    void onStepChanged(int state, const QString &text);
    void onFinished(bool ok, const QString &message);
    bool progressShowing() const;
    void onBurnStage(BurnStage stage);
    void onBurnFinished(const BurnResult &result);
    void onNextDiscNeeded();
    void runProgress();
    void setStatus(const QString &title, generateWorkingState state, const QString &task,
                   const QString &finishText, bool finishEnabled);
    void runAfterMakingAction();
    void showResult(bool ok, const QString &message);
    void setChecking(bool checking);
    void alignLabels();

    std::unique_ptr<Ui::DvdSettingsDialog> m_ui;
    const Album *m_album;
    QPointer<ProgressDialog> m_progress;
    BurnWorkflow *m_workflow = nullptr;
    DialogQuestions *m_questions = nullptr;
    DriveWatch *m_driveWatch = nullptr;
    GenerationController m_controller;
    DvdChoices m_choices;
    quint64 m_dvdSize = 0;
    double m_duration = 0;
    QString m_discType;
    QString m_targetType; // of the run in progress
    bool m_progressShown = false;
    bool m_progressPending = false;
    bool m_aborting = false;
};
