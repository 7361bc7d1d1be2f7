#include "dialogs/progressdialog.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMovie>
#include <QUrl>

#include "desktop/application.h"
#include "desktop/mainwindowbase.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"
#include "desktop/skinmodel.h"
#include "ui_progressdialog.h"

namespace {
const char *const kFailedStyle = "QLabel {color:rgb(255,0,0);}";

QString twoDigits(qint64 v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

ProgressDialog::ProgressDialog(QWidget *parent, Qt::WindowFlags flags)
    : DialogBase(parent, flags), m_ui(std::make_unique<Ui::ProgressDialog>())
{
    m_ui->setupUi(this);
    QFont title = m_ui->lblLargeTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    m_ui->lblLargeTitle->setFont(title);

    m_ui->pgbCurrentTask->setRange(0, 100);
    m_ui->pgbCurrentTask->setValue(0);
    m_ui->btnBurnNext->setEnabled(false);
    m_ui->btnBurnNext->hide();
    setPostTaskVisible(true);
    m_ui->btnFinish->setEnabled(true);
    m_ui->btnOpenFolder->hide();
    m_ui->lblResult->hide();
    m_ui->btnOpenFolder->setIcon(QIcon::fromTheme(QStringLiteral("folder-open")));

    m_elapsedTimer.setInterval(1000);
    connect(&m_elapsedTimer, &QTimer::timeout, this, &ProgressDialog::updateElapsedTime);
    connect(m_ui->pgbCurrentTask, &QProgressBar::valueChanged, this,
            [this](int value) { m_ui->processCurVal->setText(QStringLiteral("%1%").arg(qBound(0, value, 100))); });
    connect(m_ui->btnFinish, &QPushButton::clicked, this, &ProgressDialog::onFinishClicked);
    connect(m_ui->btnBurnNext, &QPushButton::clicked, this, &ProgressDialog::onBurnNextClicked);
    connect(m_ui->btnOpenFolder, &QPushButton::clicked, this, &ProgressDialog::onOpenFolderClicked);
    connect(m_ui->minimizeToTaskbar, &QPushButton::clicked, this, &ProgressDialog::onMinimizeClicked);
    connect(m_ui->postTaskActions, &QComboBox::currentIndexChanged, this,
            &ProgressDialog::postTaskActionsIndexChanged);
    for (int row = 0; row < kRowCount; ++row) {
        m_movies[size_t(row)] = new QMovie(this);
        m_rowIcons[size_t(row)] = IconNone;
    }
    m_ui->processCurVal->setText(QStringLiteral("0%"));
    loadDiscPicture();

    QString product = QStringLiteral("Sorvel");
    if (auto *app = Application::instance(); app && app->pref())
        product = app->pref()->productName();
    helper()->setAllWindowTitle(product);
    fitWidth();
}

void ProgressDialog::fitWidth()
{
    // 500 pixels, or as wide as the buttons and labels now shown need in
    // the language spoken; never narrower than before, so the dialog does
    // not jump while a run goes on.
    setFixedWidth(qMax(qMax(500, minimumWidth()), sizeHint().width()));
}

ProgressDialog::~ProgressDialog() = default;

QLabel *ProgressDialog::rowIconLabel(int row) const
{
    QLabel *const labels[kRowCount] = {m_ui->labelimgstep01, m_ui->labelimgstep02, m_ui->labelimgstep03,
                                       m_ui->labelimgstep04, m_ui->labelimgstep05, m_ui->labelimgstep06};
    return labels[row];
}

QLabel *ProgressDialog::rowTextLabel(int row) const
{
    QLabel *const labels[kRowCount] = {m_ui->labelinfostep01, m_ui->labelinfostep02, m_ui->labelinfostep03,
                                       m_ui->labelinfostep04, m_ui->labelinfostep05, m_ui->labelinfostep06};
    return labels[row];
}

QString ProgressDialog::iconFile(int icon) const
{
    static const char *const names[] = {"idle.gif", "work.gif", "success.gif", "fail.gif"};
    if (icon < IconIdle || icon > IconFailure)
        return QString();
    return m_skinFolder + QLatin1String(names[icon]);
}

void ProgressDialog::setRowIcon(int row, int icon)
{
    if (row < 0 || row >= kRowCount)
        return;
    QMovie *movie = m_movies[size_t(row)];
    QLabel *label = rowIconLabel(row);
    movie->stop();
    m_rowIcons[size_t(row)] = icon;
    if (icon == IconNone) {
        label->clear();
        return;
    }
    movie->setFileName(iconFile(icon));
    label->setMovie(movie);
    movie->start();
    // The row's state also reaches assistive tools, which cannot see icons.
    static const char *const states[] = {QT_TR_NOOP("waiting"), QT_TR_NOOP("in progress"), QT_TR_NOOP("done"),
                                         QT_TR_NOOP("failed")};
    label->setAccessibleName(tr(states[icon]));
}

void ProgressDialog::setRowFailed(int row)
{
    if (row < 0 || row >= kRowCount)
        return;
    setRowIcon(row, IconFailure);
    rowTextLabel(row)->setStyleSheet(QLatin1String(kFailedStyle));
}

void ProgressDialog::loadDiscPicture()
{
    QString folder = m_skinFolder;
    if (folder.isEmpty()) {
        if (auto *app = Application::instance(); app && app->pref())
            folder = app->pref()->skinDir() + QLatin1Char('/');
    }
    m_ui->labeldvdimg->setPixmap(QPixmap(folder + QStringLiteral("dvd.png")));
}

void ProgressDialog::setPostTaskVisible(bool visible)
{
    m_ui->labelPostTask->setVisible(visible);
    m_ui->postTaskActions->setVisible(visible);
    m_ui->minimizeToTaskbar->setVisible(visible);
    fitWidth();
}

void ProgressDialog::setJob(MakeJob *job)
{
    if (m_job)
        disconnect(m_job, nullptr, this, nullptr);
    m_job = job;
    if (!job)
        return;
    connect(job, &MakeJob::started, this,
            [this] {
                const MakeRequest &r = m_job->request();
                showRunStart(r.destination.type, r.withMenu, r.output == MakeRequest::Output::VideoFile);
            });
    connect(job, &MakeJob::stageChanged, this, &ProgressDialog::showStage);
    connect(job, &MakeJob::progressChanged, this, &ProgressDialog::showProgress);
    connect(job, &MakeJob::canAbortChanged, this, &ProgressDialog::showCanAbort);
    connect(job, &MakeJob::nextCopyStarting, this, &ProgressDialog::showNextCopy);
    connect(job, &MakeJob::finished, this, &ProgressDialog::showEnd);
    connect(this, &ProgressDialog::abortRequested, job, &MakeJob::abort);
    // Outside the button's click: the job's reports reach the dialog.
    connect(this, &ProgressDialog::burnNextRequested, job, &MakeJob::burnNext, Qt::QueuedConnection);
}

void ProgressDialog::showRunStart(Destination::Type target, bool withMenu, bool videoFile)
{
    m_videoFile = videoFile;
    m_target = videoFile ? Destination::None : target;
    m_withMenu = withMenu && !videoFile;
    m_stage = JobStage::Idle;
    m_ended = false;
    m_aborting = false;
    m_canAbort = true;
    m_outcome = JobResult::Failed;
    // The skin can change between runs.
    QString skin;
    if (auto *app = Application::instance()) {
        if (app->skinModel())
            skin = app->skinModel()->currentAppSkinUrl().toLocalFile();
        else if (app->pref())
            skin = app->pref()->skinDir();
    }
    skin = skin.trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!skin.endsWith(QLatin1Char('/')))
        skin += QLatin1Char('/');
    m_skinFolder = skin;
    loadDiscPicture();

    for (int row = 0; row < kRowCount; ++row) {
        setRowIcon(row, IconNone);
        rowTextLabel(row)->clear();
        rowTextLabel(row)->setStyleSheet(QString());
        rowIconLabel(row)->setVisible(false);
        rowTextLabel(row)->setVisible(false);
    }
    m_ui->labeldvdimg->setVisible(!videoFile);
    QStringList rows;
    rows << (videoFile ? tr("Creating video") : tr("Creating title"));
    if (m_withMenu)
        rows << tr("Creating menu");
    if (!videoFile)
        rows << tr("Creating DVD");
    switch (m_target) {
    case Destination::Folder:
        rows << tr("Creating DVD Folder");
        break;
    case Destination::Iso:
        rows << tr("Creating ISO");
        break;
    case Destination::Burner:
        rows << tr("Checking disc") << tr("Burning disc");
        break;
    case Destination::None:
        if (!videoFile)
            rows.clear();
        break;
    }
    for (int row = 0; row < rows.size(); ++row) {
        setRowIcon(row, IconIdle);
        rowTextLabel(row)->setText(rows.at(row));
        rowIconLabel(row)->setVisible(true);
        rowTextLabel(row)->setVisible(true);
    }
    setTitle(videoFile ? tr("Exporting video...") : tr("Creating DVD..."));
    setTaskText(tr("Checking the destination..."));
    showProgressRow(true);
    showProgress(0);
    // A new run shows no result of the previous one.
    showResult(QString(), QString());
    m_ui->btnBurnNext->setEnabled(false);
    m_ui->btnBurnNext->hide();
    setPostTaskVisible(true);
    m_ui->btnFinish->setText(tr("Abort"));
    m_ui->btnFinish->setEnabled(true);
    startElapsedClock();
}

int ProgressDialog::rowOfStage(JobStage stage) const
{
    const int m = m_withMenu ? 1 : 0;
    switch (stage) {
    case JobStage::CreatingVideo:
        return 0;
    case JobStage::CreatingMenu:
        return m_withMenu ? 1 : -1;
    case JobStage::CreatingDvd:
        return 1 + m;
    case JobStage::CreatingFolder:
    case JobStage::CreatingIso:
    case JobStage::CheckingDisc:
    case JobStage::ErasingDisc:
        return 2 + m;
    case JobStage::BurningDisc:
    case JobStage::FinalizingDisc:
        return 3 + m;
    case JobStage::Idle:
    case JobStage::CheckingDestination:
        break;
    }
    return -1;
}

void ProgressDialog::showStage(JobStage stage)
{
    if (m_ended)
        return;
    m_stage = stage;
    const int row = rowOfStage(stage);
    if (row >= 0) {
        for (int r = 0; r < row; ++r)
            setRowIcon(r, IconSuccess);
        setRowIcon(row, IconWorking);
    }
    switch (stage) {
    case JobStage::CheckingDestination:
        setTaskText(tr("Checking the destination..."));
        break;
    case JobStage::CreatingVideo:
        setTaskText(tr("Creating video..."));
        break;
    case JobStage::CreatingMenu:
        setTaskText(tr("Creating menu..."));
        break;
    case JobStage::CreatingDvd:
        setTaskText(tr("Creating DVD..."));
        break;
    case JobStage::CreatingFolder:
        setTaskText(tr("Creating DVD Folder"));
        break;
    case JobStage::CreatingIso:
        setTaskText(tr("Creating ISO"));
        break;
    case JobStage::CheckingDisc:
        setTaskText(tr("Checking disc"));
        break;
    case JobStage::ErasingDisc:
        setTaskText(tr("Erasing"));
        break;
    case JobStage::BurningDisc:
        setTaskText(tr("Burning disc"));
        break;
    case JobStage::FinalizingDisc:
        setTaskText(tr("Finalizing disc"));
        break;
    case JobStage::Idle:
        break;
    }
    showProgress(0);
}

void ProgressDialog::showProgress(int percent)
{
    m_ui->pgbCurrentTask->setValue(qBound(0, percent, 100));
}

void ProgressDialog::showCanAbort(bool canAbort)
{
    m_canAbort = canAbort;
    if (!m_ended && !m_aborting)
        m_ui->btnFinish->setEnabled(canAbort);
}

void ProgressDialog::showNextCopy()
{
    if (m_target != Destination::Burner)
        return;
    m_ended = false;
    m_aborting = false;
    setTitle(tr("Creating DVD..."));
    showProgressRow(true);
    showResult(QString(), QString());
    m_ui->btnBurnNext->setEnabled(false);
    m_ui->btnBurnNext->hide();
    setPostTaskVisible(true);
    m_ui->btnFinish->setText(tr("Abort"));
    m_ui->btnFinish->setEnabled(m_canAbort);
    const int m = m_withMenu ? 1 : 0;
    for (int row : {2 + m, 3 + m}) {
        setRowIcon(row, IconIdle);
        rowTextLabel(row)->setStyleSheet(QString());
    }
    m_stage = JobStage::Idle;
    startElapsedClock();
}

void ProgressDialog::showEnd(const JobResult &result)
{
    m_ended = true;
    m_aborting = false;
    m_outcome = result.outcome;
    // The run is over: the clock shows how long it took, to the second of
    // its end rather than of the last tick.
    m_elapsedTimer.stop();
    updateElapsedTime();
    const QString path = QDir::toNativeSeparators(result.outputPath);
    if (result.ok()) {
        const int last = m_videoFile ? 0 : m_target == Destination::Burner ? 3 : 2;
        for (int row = 0; row <= last + (m_withMenu ? 1 : 0) && row < kRowCount; ++row)
            setRowIcon(row, IconSuccess);
        setTitle(tr("Created Successfully!"));
        setTaskText(tr("Finished"));
        if (result.videoFile)
            showResult(tr("The video file is %1").arg(path), QFileInfo(result.outputPath).absolutePath());
        switch (result.target) {
        case Destination::Folder:
            showResult(tr("The DVD folder is %1").arg(path), result.outputPath);
            break;
        case Destination::Iso:
            showResult(tr("The DVD image is %1").arg(path), QFileInfo(result.outputPath).absolutePath());
            break;
        case Destination::Burner:
            showResult(tr("The DVD was burnt in %1.").arg(path), QString());
            break;
        case Destination::None:
            break;
        }
        m_ui->btnFinish->setText(tr("Finished"));
    } else {
        setRowFailed(rowOfStage(m_stage));
        showProgressRow(false);
        if (result.outcome == JobResult::Aborted) {
            setTitle(tr("Aborted"));
        } else {
            setTitle(result.message.isEmpty()
                         ? (m_videoFile ? tr("Failed to export the video!") : tr("Failed to create DVD!"))
                         : result.message);
            // The title shows a message only up to a quoted path; then the
            // whole of it is shown here.
            if (result.message.indexOf(QLatin1Char('"')) > 0)
                showResult(result.message, QString());
        }
        m_ui->btnFinish->setText(tr("Close"));
    }
    // Another copy can only follow a burn that worked.
    const bool another = result.ok() && m_target == Destination::Burner;
    m_ui->btnBurnNext->setText(tr("Burn Next"));
    m_ui->btnBurnNext->setEnabled(another);
    m_ui->btnBurnNext->setVisible(another);
    setPostTaskVisible(false);
    m_ui->btnFinish->setEnabled(true);
    m_ui->btnFinish->setDefault(true);
    m_ui->btnFinish->setFocus();
}

void ProgressDialog::setTitle(const QString &title)
{
    // A message that quotes a path shows only its part before the quote.
    const int quote = title.indexOf(QLatin1Char('"'));
    m_ui->lblLargeTitle->setText(quote > 0 ? title.left(quote) : title);
    adjustSizeV2();
}

void ProgressDialog::setTaskText(const QString &text)
{
    m_ui->lblCurrentTask->setText(text);
}

void ProgressDialog::showProgressRow(bool visible)
{
    m_ui->lblCurrentTask->setVisible(visible);
    m_ui->pgbCurrentTask->setVisible(visible);
    m_ui->processCurVal->setVisible(visible);
}

void ProgressDialog::startElapsedClock()
{
    m_startTime = QDateTime::currentDateTime();
    updateElapsedTime();
    m_elapsedTimer.start();
}

void ProgressDialog::updateElapsedTime()
{
    const qint64 s =
        m_startTime.isValid() ? qMax<qint64>(0, m_startTime.secsTo(QDateTime::currentDateTime())) : 0;
    m_ui->lblElapsedTime->setText(
        tr("Elapsed Time: %1:%2:%3").arg(twoDigits(s / 3600), twoDigits((s % 3600) / 60), twoDigits(s % 60)));
}

bool ProgressDialog::requestClose()
{
    if (m_ended) {
        Q_EMIT closedAfterRun();
        return true;
    }
    // Stopping a disc check, an erase or the finalizing half-way can leave
    // the disc unusable: wait for it. Nor can a stop be stopped.
    if (!m_canAbort || m_aborting)
        return false;
    if (MessageBox::question(tr("Abort or not?"), QString(), QDialogButtonBox::Yes | QDialogButtonBox::No,
                             this, QDialogButtonBox::No) == QDialogButtonBox::Yes) {
        // The run may have ended, or reached a stage that cannot stop, while
        // the question was open.
        if (!m_ended && m_canAbort && !m_aborting) {
            m_aborting = true;
            // Until the run reports its end the dialog says it is stopping.
            setTitle(tr("Aborting, please wait..."));
            m_ui->btnFinish->setEnabled(false);
            Q_EMIT abortRequested();
        }
    }
    // The dialog stays until the run reports its end.
    return false;
}

void ProgressDialog::closeEvent(QCloseEvent *event)
{
    if (m_closing || requestClose()) {
        m_closing = true;
        DialogBase::closeEvent(event);
        m_closing = false;
    } else {
        event->ignore();
    }
}

void ProgressDialog::reject()
{
    // Escape and the window's close button end here too; a run that has not
    // ended is never left running unseen.
    if (m_closing || requestClose()) {
        m_closing = true;
        DialogBase::reject();
        m_closing = false;
    }
}

void ProgressDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        reject();
        event->accept();
        return;
    }
    DialogBase::keyPressEvent(event);
}

void ProgressDialog::onFinishClicked()
{
    m_ui->btnFinish->setEnabled(false);
    reject();
    if (isVisible())
        m_ui->btnFinish->setEnabled(m_ended || (m_canAbort && !m_aborting));
}

void ProgressDialog::onBurnNextClicked()
{
    if (!m_ended || m_target != Destination::Burner)
        return;
    showNextCopy();
    Q_EMIT burnNextRequested();
}

void ProgressDialog::onMinimizeClicked()
{
    QWidget *frame = nullptr;
    if (auto *app = Application::instance(); app && app->mainWindow())
        frame = app->mainWindow()->widgetFrame();
    if (!frame)
        frame = parentWidget() ? parentWidget()->window() : this;
    frame->showMinimized();
}

void ProgressDialog::setPostTaskIndex(int index)
{
    const QSignalBlocker block(m_ui->postTaskActions);
    m_ui->postTaskActions->setCurrentIndex(index);
}

int ProgressDialog::postTaskIndex() const
{
    return m_ui->postTaskActions->currentIndex();
}

void ProgressDialog::showResult(const QString &text, const QString &folderToOpen)
{
    m_ui->lblResult->setText(text);
    m_ui->lblResult->setVisible(!text.isEmpty());
    m_resultFolder = folderToOpen;
    m_ui->btnOpenFolder->setVisible(!folderToOpen.isEmpty());
    fitWidth();
    adjustSizeV2();
}

void ProgressDialog::onOpenFolderClicked()
{
    if (m_resultFolder.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_resultFolder)))
        MessageBox::alert(tr("Failed to open folder \"%1\".").arg(QDir::toNativeSeparators(m_resultFolder)),
                          QString(), this);
}

void ProgressDialog::retranslate()
{
    const QString title = m_ui->lblLargeTitle->text();
    const QString task = m_ui->lblCurrentTask->text();
    const int postTask = m_ui->postTaskActions->currentIndex();
    m_ui->retranslateUi(this);
    loadDiscPicture();
    {
        const QSignalBlocker block(m_ui->postTaskActions);
        m_ui->postTaskActions->setCurrentIndex(postTask);
    }
    // A run in progress keeps its texts until the next report.
    if (m_stage != JobStage::Idle || m_ended) {
        m_ui->lblLargeTitle->setText(title);
        m_ui->lblCurrentTask->setText(task);
    }
}
