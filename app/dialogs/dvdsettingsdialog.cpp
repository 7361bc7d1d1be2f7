#include "dialogs/dvdsettingsdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTimer>

#include "album/album.h"
#include "album/appsettings.h"
#include "desktop/widgetsupport.h"
#include "desktop/application.h"
#include "desktop/mainwindowbase.h"
#include "desktop/messagebox.h"
#include "framework/poweraction.h"
#include "burning/burnworkflow.h"
#include "burning/drivewatch.h"
#include "ui_dvdsettingsdialog.h"
#include "dialogs/bitratedialog.h"
#include "dialogs/destinationbox.h"
#include "dialogs/dialogquestions.h"
#include "dialogs/progressdialog.h"

Q_LOGGING_CATEGORY(lcDvdSetting, "sorvel.dvdsetting")

namespace {
// Item data of "Customize" in the quality list; the other items hold their
// bit rate in bit/s.
constexpr int kCustomizeItem = -1;

void setItemData(QComboBox *box, const QList<int> &data)
{
    for (int i = 0; i < box->count() && i < data.size(); ++i)
        box->setItemData(i, data.at(i));
}

// The label a DVD gets for the text of the label field.
QString labelOf(const QString &text)
{
    Destination d;
    d.volumeLabel = text;
    return d.label();
}

void selectData(QComboBox *box, int data)
{
    const QSignalBlocker block(box);
    box->setCurrentIndex(box->findData(data));
}
} // namespace

DvdSettingsDialog::DvdSettingsDialog(const Album *album, ProgressDialog *progressDialog, QWidget *parent,
                                     Qt::WindowFlags flags)
    : DialogBase(parent, flags), m_ui(std::make_unique<Ui::DvdSettingsDialog>()), m_album(album),
      m_progress(progressDialog)
{
    m_ui->setupUi(this);
    m_ui->volumeEdit->setText(m_choices.volumeLabel);

    // The burn workflow: its questions sit over this dialog while checking
    // and over the progress dialog while burning; its device thread keeps
    // the destination box's recorders and discs fresh.
    m_workflow = new BurnWorkflow(this);
    m_questions = new DialogQuestions(this, m_progress, this);
    m_workflow->setQuestions(m_questions);
    DeviceThread &devices = m_workflow->deviceThread();
    connect(&devices, &DeviceThread::devicesUpdated, m_ui->targetComboBox, &DestinationBox::updateDevices,
            Qt::BlockingQueuedConnection);
    connect(&devices, &DeviceThread::discsUpdated, m_ui->targetComboBox, &DestinationBox::updateDiscs,
            Qt::BlockingQueuedConnection);
    m_driveWatch = new DriveWatch(&devices, this);
    connect(m_driveWatch, &DriveWatch::discArrived, m_questions, &DialogQuestions::discArrived);
    m_driveWatch->start();
    m_ui->targetComboBox->setVolumeLabel(m_choices.volumeLabel);
    // A long destination (a folder or disc image path) is shown shortened
    // instead of widening the dialog after it was placed over the window.
    m_ui->targetComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui->targetComboBox->setMinimumContentsLength(32);

    connect(m_ui->targetComboBox, &DestinationBox::speedsChanged, this,
            &DvdSettingsDialog::on_updateSpeedList);
    connect(m_ui->targetComboBox, &DestinationBox::speedChoiceEnabled, this,
            &DvdSettingsDialog::on_setSpeedStatus);
    connect(m_ui->targetComboBox, &DestinationBox::discTypeChanged, this, &DvdSettingsDialog::on_setDistType);
    // The destination decides whether the dual-layer scale applies.
    connect(m_ui->targetComboBox, &QComboBox::currentIndexChanged, this, &DvdSettingsDialog::updateDVDSize);

    // Choices made by the person only; setting an index from code does not
    // come here.
    connect(m_ui->videoQualityComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onVideoQuality);
    connect(m_ui->tvModeComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onTvMode);
    connect(m_ui->showEndComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onShowEnd);
    connect(m_ui->audioRateComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onAudioRate);
    connect(m_ui->channelComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onAudioChannel);

    connect(&m_controller, &GenerationController::stepChanged, this, &DvdSettingsDialog::onStepChanged);
    connect(&m_controller, &GenerationController::finished, this, &DvdSettingsDialog::onFinished);

    if (m_progress) {
        connect(m_progress, &ProgressDialog::btnburnnextclicked, this,
                &DvdSettingsDialog::on_startBurnerWork);
        connect(m_progress, &ProgressDialog::generateAbort, this, &DvdSettingsDialog::on_generateAbort);
        connect(m_progress, &ProgressDialog::cleantempfolder, this, &DvdSettingsDialog::makeTempFolderClean);
        // Progress of every step, the burn's included, comes through the
        // controller; the burn's stages and end come from the workflow
        // (before the controller hears of that end).
        connect(&m_controller, &GenerationController::progressChanged, m_progress,
                qOverload<int>(&ProgressDialog::setProcess));
        connect(m_workflow, &BurnWorkflow::canAbortChanged, this, [this](bool on) {
            if (progressShowing())
                m_progress->setCanAbort(on);
        });
        connect(m_workflow, &BurnWorkflow::stageChanged, this, &DvdSettingsDialog::onBurnStage);
        connect(m_workflow, &BurnWorkflow::nextDiscNeeded, this, &DvdSettingsDialog::onNextDiscNeeded);
        connect(m_workflow, &BurnWorkflow::finished, this, &DvdSettingsDialog::onBurnFinished);
    }
    // The controller runs on the workflow.
    m_controller.setBurnWorkflow(m_workflow);

    helper()->setAllWindowTitle(tr("DVD Settings"));
    helper()->enableRestoreFrameGeometry(false, false, false);
    on_updateSpeedList({});
    on_setSpeedStatus(false);
    alignLabels();
    initParameters();
}

void DvdSettingsDialog::alignLabels()
{
    // The three groups' labels share one column width, so their fields line up.
    const QList<QLabel *> labels = {m_ui->labelDestination, m_ui->labelVolume,    m_ui->labelSpeed,
                                    m_ui->labelCopies,      m_ui->labelQuality,   m_ui->labelTvStandard,
                                    m_ui->labelShowEnd,     m_ui->labelAudioRate, m_ui->labelChannels};
    int width = 0;
    for (QLabel *label : labels) {
        label->setMinimumWidth(0);
        width = qMax(width, label->sizeHint().width());
    }
    for (QLabel *label : labels)
        label->setMinimumWidth(width);
}

DvdSettingsDialog::~DvdSettingsDialog()
{
    // The workflow waits for its device thread and delivers events
    // meanwhile: it goes while this dialog and its controls are still whole.
    delete m_driveWatch;
    m_driveWatch = nullptr;
    delete m_workflow;
    m_workflow = nullptr;
}

DestinationBox *DvdSettingsDialog::targetComboBox() const
{
    return m_ui->targetComboBox;
}

void DvdSettingsDialog::initParameters()
{
    setItemData(m_ui->videoQualityComboBox,
                {kHighVideoBitRate, kNormalVideoBitRate, kLowVideoBitRate, kCustomizeItem});
    setItemData(m_ui->tvModeComboBox, {int(TvStandard::Ntsc), int(TvStandard::Pal)});
    setItemData(m_ui->showEndComboBox, {int(ShowEnd::Repeat), int(ShowEnd::Stop)});
    setItemData(m_ui->audioRateComboBox, {128000, 160000, 192000, 224000, 256000, 320000, 384000, 448000});
    setItemData(m_ui->channelComboBox, {1, 2, 6});

    DvdChoices defaults = m_choices;
    defaults.videoBitRate = kHighVideoBitRate;
    defaults.tvStandard = AppSettings::currentVideoStandard();
    defaults.audioBitRate = kDefaultAudioBitRate;
    defaults.audioChannels = kDefaultAudioChannels;
    defaults.atEnd = ShowEnd::Repeat;
    m_choices = defaults;
    showChoices();
    for (QComboBox *box : {static_cast<QComboBox *>(m_ui->videoQualityComboBox), m_ui->tvModeComboBox,
                           m_ui->showEndComboBox, m_ui->audioRateComboBox, m_ui->channelComboBox})
        box->setEnabled(true);
    updateDVDSize();
}

void DvdSettingsDialog::showChoices()
{
    selectQuality(m_choices.videoBitRate);
    selectData(m_ui->tvModeComboBox, int(m_choices.tvStandard));
    selectData(m_ui->showEndComboBox, int(m_choices.atEnd));
    selectData(m_ui->audioRateComboBox, m_choices.audioBitRate);
    selectData(m_ui->channelComboBox, m_choices.audioChannels);
    {
        const QSignalBlocker block(m_ui->volumeEdit);
        m_ui->volumeEdit->setText(m_choices.volumeLabel);
    }
    m_ui->targetComboBox->setVolumeLabel(labelOf(m_choices.volumeLabel));
    {
        const QSignalBlocker block(m_ui->copySpinBox);
        m_ui->copySpinBox->setValue(m_choices.copies);
    }
}

void DvdSettingsDialog::setChoices(const DvdChoices &choices)
{
    DvdChoices c = choices;
    // Anything outside the lists falls back to the defaults.
    if (c.videoBitRate < kMinVideoBitRate || c.videoBitRate > kMaxVideoBitRate)
        c.videoBitRate = kHighVideoBitRate;
    if (m_ui->audioRateComboBox->findData(c.audioBitRate) < 0)
        c.audioBitRate = kDefaultAudioBitRate;
    if (!isAudioChannelCount(c.audioChannels))
        c.audioChannels = kDefaultAudioChannels;
    c.copies = qBound(1, c.copies, m_ui->copySpinBox->maximum());
    m_choices = c;
    showChoices();
    updateDVDSize();
}

void DvdSettingsDialog::setChoice(const DvdChoices &choices)
{
    if (choices == m_choices)
        return;
    m_choices = choices;
    Q_EMIT choicesChanged(m_choices);
}

void DvdSettingsDialog::selectQuality(int bitRate)
{
    DisplayTextComboBox *box = m_ui->videoQualityComboBox;
    const QSignalBlocker block(box);
    const int index = box->findData(bitRate);
    box->setCurrentIndex(index);
    // A custom rate shows as "6.5Mbps" with no item current.
    box->setDisplayText(index < 0 ? tr("%1Mbps").arg(formatVideoBitRate(bitRate)) : QString());
}

void DvdSettingsDialog::onVideoQuality(int index)
{
    if (index < 0)
        return;
    const int data = m_ui->videoQualityComboBox->itemData(index).toInt();
    if (data == kCustomizeItem) {
        openCustomBitRateDialog();
    } else {
        DvdChoices c = m_choices;
        c.videoBitRate = data;
        m_ui->videoQualityComboBox->setDisplayText(QString());
        setChoice(c);
    }
    updateDVDSize();
}

void DvdSettingsDialog::openCustomBitRateDialog()
{
    BitRateDialog dialog(this, BitRateDialog::VideoBitRate);
    connect(&dialog, &BitRateDialog::customizedVideoBitRate, this,
            &DvdSettingsDialog::onCustomizedVideoBitRate);
    dialog.exec();
}

void DvdSettingsDialog::onCustomizedVideoBitRate(const QString &rate)
{
    // An empty text (Cancel) keeps the previous rate.
    const QString text = rate.trimmed();
    DvdChoices c = m_choices;
    if (!text.isEmpty()) {
        if (const std::optional<int> parsed = parseVideoBitRate(text))
            c.videoBitRate = *parsed;
    }
    selectQuality(c.videoBitRate);
    setChoice(c);
    updateDVDSize();
}

void DvdSettingsDialog::onTvMode(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.tvStandard = TvStandard(m_ui->tvModeComboBox->itemData(index).toInt());
    // The standard is also the program's choice for the next album.
    if (SettingsStore *pref = AppSettings::pref())
        AppSettings::setVideoStandard(pref, c.tvStandard);
    setChoice(c);
}

void DvdSettingsDialog::onShowEnd(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.atEnd = ShowEnd(m_ui->showEndComboBox->itemData(index).toInt());
    setChoice(c);
}

void DvdSettingsDialog::onAudioRate(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.audioBitRate = m_ui->audioRateComboBox->itemData(index).toInt();
    setChoice(c);
    updateDVDSize();
}

void DvdSettingsDialog::onAudioChannel(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.audioChannels = m_ui->channelComboBox->itemData(index).toInt();
    setChoice(c);
}

void DvdSettingsDialog::on_volumeEdit_textChanged(const QString &text)
{
    DvdChoices c = m_choices;
    c.volumeLabel = text;
    m_ui->targetComboBox->setVolumeLabel(labelOf(text));
    setChoice(c);
}

void DvdSettingsDialog::on_copySpinBox_valueChanged(int copies)
{
    DvdChoices c = m_choices;
    c.copies = copies;
    setChoice(c);
}

void DvdSettingsDialog::on_updateSpeedList(const QVector<QString> &speeds)
{
    // The data is what the engine reads ("Max", "8X"); only the text of
    // "Max" is translated.
    m_ui->speedComboBox->clear();
    m_ui->speedComboBox->addItem(tr("Max"), QStringLiteral("Max"));
    for (const QString &speed : speeds) {
        const QString s = speed.trimmed();
        if (s.isEmpty() || s.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0)
            continue;
        const QString text = s.endsWith(QLatin1Char('X'), Qt::CaseInsensitive) ? s : s + QLatin1Char('X');
        m_ui->speedComboBox->addItem(text, text);
    }
}

void DvdSettingsDialog::on_setSpeedStatus(bool enabled)
{
    m_ui->speedComboBox->setEnabled(enabled);
    m_ui->copySpinBox->setEnabled(enabled);
}

void DvdSettingsDialog::on_setDistType(const QString &type)
{
    m_discType = type;
    updateDVDSize();
}

bool DvdSettingsDialog::dualLayer() const
{
    return m_ui->targetComboBox->destination().type == Destination::Burner &&
           m_discType == QLatin1String("D9");
}

void DvdSettingsDialog::updateDVDSize()
{
    m_dvdSize =
        GenerationController::estimateDvdSize(m_choices.videoBitRate, m_choices.audioBitRate, m_duration);
    m_ui->capacityFrame->setShowMode(dualLayer() ? CapacityBar::DualLayer : CapacityBar::SingleLayer);
    m_ui->capacityFrame->do_getPos(m_dvdSize);
    // The video takes at most its quality's rate: the estimate is the most
    // the DVD can take (still photos take far less).
    m_ui->labelSize->setText(
        tr("Estimated size: up to %1")
            .arg(QLocale().formattedDataSize(qint64(m_dvdSize), 2, QLocale::DataSizeSIFormat)));
}

GenerationRequest DvdSettingsDialog::request() const
{
    GenerationRequest r;
    r.tvStandard = m_choices.tvStandard;
    r.videoBitRate = m_choices.videoBitRate;
    r.audioBitRate = m_choices.audioBitRate;
    r.audioChannels = m_choices.audioChannels;
    r.atEnd = m_choices.atEnd;
    r.destination = m_ui->targetComboBox->destination();
    r.destination.volumeLabel = m_ui->targetComboBox->volumeLabel();
    const bool burner = r.destination.type == Destination::Burner;
    r.copies = burner ? m_ui->copySpinBox->value() : 1;
    const QString speed = m_ui->speedComboBox->currentData().toString();
    r.speed = burner && !speed.isEmpty() ? speed : QStringLiteral("Max");
    r.deleteTemp = AppSettings::deleteTemp(AppSettings::pref());
    // The action after making is read when the run ends: the person may
    // change it in the progress dialog meanwhile.
    r.afterMaking = AfterMakingAction::DoNothing;
    r.holdResult = true;
    return r;
}

void DvdSettingsDialog::setChecking(bool checking)
{
    m_ui->btnBurn->setEnabled(!checking);
    if (checking)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void DvdSettingsDialog::on_btnBurn_clicked()
{
    if (m_controller.isRunning() || m_progressShown || m_progressPending || !m_album)
        return;
    m_targetType = m_ui->targetComboBox->targetType();
    m_aborting = false;
    setChecking(true);
    // The destination is checked first (free space, disc, folder); the
    // progress dialog opens when the encoding starts.
    m_controller.start(m_album, request());
}

void DvdSettingsDialog::onStepChanged(int state, const QString &)
{
    if (!m_progress)
        return;
    if (state == CreatingTitle) {
        Q_EMIT dvdParamChanged(m_controller.request().tvStandard, m_controller.request().audioBitRate,
                               m_controller.request().audioChannels);
        if (!m_progressShown && !m_progressPending) {
            m_progressPending = true;
            m_progress->setWorkingState(NoStepChange);
            m_progress->setProcess(0, 0);
            m_progress->setTargetType(m_targetType, false);
            // Opened outside the controller's signal, which goes on to start
            // the encoding.
            QTimer::singleShot(0, this, &DvdSettingsDialog::runProgress);
        }
        m_progress->setCanAbort(true);
        m_progress->setIsAbort(false);
        setStatus(tr("Creating DVD..."), CreatingTitle, tr("Creating video..."), tr("Abort"),
                  m_progress->canAbort());
        m_progress->setProcess(0);
    } else if (state == CreatingDVD) {
        setStatus(tr("Creating DVD..."), CreatingDVD, tr("Creating DVD..."), tr("Abort"),
                  m_progress->canAbort());
        m_progress->setProcess(0);
    }
}

void DvdSettingsDialog::setStatus(const QString &title, generateWorkingState state, const QString &task,
                                  const QString &finishText, bool finishEnabled)
{
    if (m_aborting && state != GenerateEnded)
        return; // "Aborting, please wait..." stays until the end
    m_progress->setDlgStatus(title, state, task, QString(), false, finishText, finishEnabled);
}

void DvdSettingsDialog::runProgress()
{
    m_progressPending = false;
    if (!m_progress)
        return;
    m_progressShown = true;
    setChecking(false);
    // Hiding ends this dialog's own modal loop once the progress dialog's
    // has returned: the window gets back control when the run is over.
    setResult(QDialog::Accepted);
    hide();
    Desktop::moveCenter(m_progress);
    m_progress->startElapsedClock();
    m_progress->adjustSize();
    m_questions->setRunShowing(true);
    m_progress->exec();
    m_questions->setRunShowing(false);
    m_progressShown = false;
    // A kept result is of no use once its dialog is gone.
    m_controller.releaseResult();
    done(QDialog::Accepted);
}

bool DvdSettingsDialog::progressShowing() const
{
    return m_progress && (m_progressShown || m_progressPending);
}

void DvdSettingsDialog::onBurnStage(BurnStage stage)
{
    if (!progressShowing() || m_aborting)
        return;
    m_progress->setDlgStatus(QString(), workingStateOf(stage), burnStageText(stage), QString(), false,
                             tr("Abort"), m_progress->canAbort());
}

void DvdSettingsDialog::onNextDiscNeeded()
{
    if (!progressShowing())
        return;
    m_progress->timeStop();
    m_progress->doBurnNext();
}

void DvdSettingsDialog::onBurnFinished(const BurnResult &result)
{
    if (!progressShowing())
        return;
    m_progress->timeStop();
    if (result.outcome == BurnResult::Done) {
        m_progress->setDlgStatus(tr("Created Successfully!"), GenerateSucceeded, tr("Finished"), QString(),
                                 true, tr("Finished"), true);
        return;
    }
    // A disc wait given up in the progress dialog ends the run as aborted.
    if (result.outcome == BurnResult::Aborted)
        m_progress->setIsAbort(true);
    m_progress->setDlgStatus(result.message, GenerateEnded, tr("Finished"), QString(), false, tr("Close"),
                             true);
}

void DvdSettingsDialog::onFinished(bool ok, const QString &message)
{
    Q_EMIT runFinished(ok, message);
    if (!m_progress || !(m_progressShown || m_progressPending)) {
        // Ended before the encoding began: the destination was refused (the
        // burn workflow said why) or the run could not start.
        setChecking(false);
        if (!message.isEmpty())
            MessageBox::alert(message, QString(), this);
        return;
    }
    m_progress->timeStop();
    if (ok) {
        m_aborting = false;
        showResult(true, QString());
        runAfterMakingAction();
        return;
    }
    const bool aborted = m_aborting || m_progress->isAbort();
    m_aborting = false;
    if (aborted) {
        setStatus(tr("Aborted"), GenerateEnded, tr("Finished"), tr("Close"), true);
    } else {
        setStatus(message.isEmpty() ? tr("Failed to create DVD!") : message, GenerateEnded, tr("Finished"),
                  tr("Close"), true);
        showResult(false, message);
    }
    m_progress->setCanAbort(true);
}

void DvdSettingsDialog::showResult(bool ok, const QString &message)
{
    if (!ok) {
        // The title shows a message only up to a quoted path; then the
        // whole of it is shown here.
        if (message.indexOf(QLatin1Char('"')) > 0)
            m_progress->showResult(message, QString());
        return;
    }
    const QString path = QDir::toNativeSeparators(m_controller.outputPath());
    switch (m_controller.request().destination.type) {
    case Destination::Folder:
        m_progress->showResult(tr("The DVD folder is %1").arg(path), m_controller.outputPath());
        break;
    case Destination::Iso:
        m_progress->showResult(tr("The DVD image is %1").arg(path),
                               QFileInfo(m_controller.outputPath()).absolutePath());
        break;
    case Destination::Burner:
        m_progress->showResult(tr("The DVD was burnt in %1.").arg(path), QString());
        break;
    case Destination::None:
        break;
    }
}

void DvdSettingsDialog::runAfterMakingAction()
{
    const AfterMakingAction action = AppSettings::afterBurnAction(AppSettings::pref());
    if (action == AfterMakingAction::DoNothing)
        return;
    QWidget *parent = nullptr;
    if (auto *app = Application::instance(); app && app->mainWindow())
        parent = app->mainWindow();
    PowerAction power(afterMakingActionCode(action), parent);
    if (!power.exec())
        qCWarning(lcDvdSetting) << "the action after making failed:" << power.lastError();
}

void DvdSettingsDialog::on_generateAbort()
{
    if (!m_controller.isRunning())
        return;
    // Until the run reports its end the dialog says it is stopping.
    m_progress->setCanAbort(false);
    m_progress->setDlgStatus(tr("Aborting, please wait..."), NoStepChange, QString(), QString(), false,
                             tr("Abort"), false);
    m_aborting = true;
    m_controller.abort();
}

void DvdSettingsDialog::abortRun()
{
    if (!m_controller.isRunning())
        return;
    if (!m_progress || !(m_progressShown || m_progressPending)) {
        m_controller.abort(); // still checking the destination
        return;
    }
    const int state = m_progress->workingState();
    if (state == CheckingDisc || state == ErasingDisc)
        return;
    m_progress->setIsAbort(true);
    on_generateAbort();
}

void DvdSettingsDialog::makeTempFolderClean()
{
    // Only the run's own working folder, which the controller removes; the
    // temporary folder itself is never listed or emptied here.
    m_controller.releaseResult();
}

void DvdSettingsDialog::on_startBurnerWork(bool, const QString &)
{
    if (!m_controller.isRunning() && !m_controller.isResultHeld())
        return;
    setStatus(tr("Creating DVD..."), NoStepChange, QString(), tr("Abort"), m_progress->canAbort());
    // The workflow asks for the next copy from inside its own end of the
    // previous one: the next burn starts after that has returned.
    QTimer::singleShot(0, &m_controller, &GenerationController::burnNext);
}

void DvdSettingsDialog::retranslate()
{
    const QString speed = m_ui->speedComboBox->currentData().toString();
    m_ui->retranslateUi(this);
    helper()->setAllWindowTitle(tr("DVD Settings"));
    m_ui->targetComboBox->updateDisp();
    alignLabels();
    const int max = m_ui->speedComboBox->findData(QStringLiteral("Max"));
    if (max >= 0)
        m_ui->speedComboBox->setItemText(max, tr("Max"));
    m_ui->speedComboBox->setCurrentIndex(qMax(0, m_ui->speedComboBox->findData(speed)));
    // The choices stay; only their texts change.
    showChoices();
    updateDVDSize();
}
