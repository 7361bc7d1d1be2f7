#include "dialogs/progressdialog.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
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
    connect(m_ui->pgbCurrentTask, &QProgressBar::valueChanged, this, &ProgressDialog::on_setProcessCurVal);
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
    setFixedWidth(500);
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

void ProgressDialog::setTargetType(const QString &type, bool withMenu)
{
    m_targetType = type;
    m_withMenu = withMenu;
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
    QStringList rows;
    rows << tr("Creating title");
    if (withMenu)
        rows << tr("Creating menu");
    rows << tr("Creating DVD");
    if (type == QLatin1String("tofolder"))
        rows << tr("Creating DVD Folder");
    else if (type == QLatin1String("toiso"))
        rows << tr("Creating ISO");
    else if (type == QLatin1String("toburner"))
        rows << tr("Checking disc") << tr("Burning disc");
    else
        rows.clear();
    for (int row = 0; row < rows.size(); ++row) {
        setRowIcon(row, IconIdle);
        rowTextLabel(row)->setText(rows.at(row));
        rowIconLabel(row)->setVisible(true);
        rowTextLabel(row)->setVisible(true);
    }
    m_ui->lblCurrentTask->show();
    m_ui->pgbCurrentTask->show();
    m_ui->processCurVal->show();
    // A new run shows no result of the previous one.
    showResult(QString(), QString());
    m_isAbort = false;
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
    m_ui->label->setVisible(visible);
    m_ui->postTaskActions->setVisible(visible);
    m_ui->minimizeToTaskbar->setVisible(visible);
}

void ProgressDialog::setDlgStatus(QString title, generateWorkingState state, QString task,
                                  QString burnNextText, bool burnNextOn, QString finishText,
                                  bool finishEnabled)
{
    if (!title.isEmpty()) {
        // A message that quotes a path shows only its part before the quote.
        const int quote = title.indexOf(QLatin1Char('"'));
        m_ui->lblLargeTitle->setText(quote > 0 ? title.left(quote) : title);
        adjustSizeV2();
    }
    if (!task.isEmpty())
        m_ui->lblCurrentTask->setText(task);
    if (!burnNextText.isEmpty())
        m_ui->btnBurnNext->setText(burnNextText);
    // Another copy can only follow a burn: for a folder or an image the
    // button would do nothing.
    if (m_targetType != QLatin1String("toburner"))
        burnNextOn = false;
    m_ui->btnBurnNext->setEnabled(burnNextOn);
    m_ui->btnBurnNext->setVisible(burnNextOn);
    setPostTaskVisible(!burnNextOn);
    if (!finishText.isEmpty())
        m_ui->btnFinish->setText(finishText);
    m_ui->btnFinish->setEnabled(finishEnabled);

    if (state != NoStepChange) {
        applyStateIcons(state);
        if (state != GenerateEnded)
            m_workingState = state;
    }
    if (state == GenerateSucceeded || state == GenerateEnded) {
        if (!burnNextOn)
            setPostTaskVisible(false);
        // The run is over: the clock shows how long it took.
        m_elapsedTimer.stop();
        m_ui->btnFinish->setDefault(true);
        m_ui->btnFinish->setFocus();
    }
}

void ProgressDialog::applyStateIcons(int state)
{
    const int m = m_withMenu ? 1 : 0;
    // Rows are 0-based here: row k of the table is index k - 1.
    auto succeedTo = [this](int lastRow) {
        for (int row = 0; row <= lastRow && row < kRowCount; ++row)
            setRowIcon(row, IconSuccess);
    };
    switch (state) {
    case CreatingTitle:
        setRowIcon(0, IconWorking);
        break;
    case CreatingMenu:
        succeedTo(0);
        setRowIcon(1, IconWorking);
        break;
    case CreatingDVD:
        succeedTo(m);
        setRowIcon(1 + m, IconWorking);
        break;
    case BurningDisc:
        succeedTo(2 + m);
        setRowIcon(3 + m, IconWorking);
        break;
    case CheckingDisc:
    case ErasingDisc:
    case CreatingFolder:
    case CreatingISO:
        succeedTo(1 + m);
        setRowIcon(2 + m, IconWorking);
        break;
    case GenerateSucceeded:
        succeedTo(m_targetType == QLatin1String("toburner") ? 3 + m : 2 + m);
        break;
    case GenerateEnded: {
        int failed = -1;
        switch (m_workingState) {
        case CreatingTitle:
            failed = 0;
            break;
        case CreatingMenu:
            failed = 1;
            break;
        case CreatingDVD:
            failed = 1 + m;
            break;
        case BurningDisc:
            failed = 3 + m;
            break;
        case CheckingDisc:
        case ErasingDisc:
        case CreatingFolder:
        case CreatingISO:
            failed = 2 + m;
            break;
        default:
            break;
        }
        setRowFailed(failed);
        m_workingState = GenerateEnded;
        m_ui->lblCurrentTask->hide();
        m_ui->pgbCurrentTask->hide();
        m_ui->processCurVal->hide();
        break;
    }
    default:
        break;
    }
}

void ProgressDialog::setCanAbort(bool canAbort)
{
    m_canAbort = canAbort;
}

void ProgressDialog::setIsAbort(bool isAbort)
{
    m_isAbort = isAbort;
}

void ProgressDialog::setProcess(int value)
{
    m_ui->pgbCurrentTask->setValue(qBound(0, value, 100));
}

void ProgressDialog::setProcess(int, int current)
{
    setProcess(current);
}

void ProgressDialog::on_setProcessCurVal(int value)
{
    m_ui->processCurVal->setText(QStringLiteral("%1%").arg(qBound(0, value, 100)));
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

void ProgressDialog::timeStop()
{
    m_elapsedTimer.stop();
}

void ProgressDialog::on_creatingTitleStatus(int, int number)
{
    m_ui->labelinfostep01->setText(tr("Creating title (No.%1)...").arg(number));
}

bool ProgressDialog::requestClose()
{
    switch (m_workingState) {
    case CheckingDisc:
    case ErasingDisc:
        // Stopping a disc check or an erase half-way can leave the disc
        // unusable: wait for it.
        return false;
    case GenerateSucceeded:
    case GenerateEnded:
        Q_EMIT cleantempfolder();
        return true;
    default:
        break;
    }
    if (MessageBox::question(tr("Abort or not?"), QString(), QDialogButtonBox::Yes | QDialogButtonBox::No,
                             this, QDialogButtonBox::No) == QDialogButtonBox::Yes) {
        // The state may have moved on while the question was open.
        if (m_workingState != CheckingDisc && m_workingState != ErasingDisc &&
            m_workingState != GenerateSucceeded && m_workingState != GenerateEnded) {
            m_isAbort = true;
            Q_EMIT generateAbort();
            Q_EMIT cleantempfolder();
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

void ProgressDialog::on_btnFinish_clicked()
{
    m_ui->btnFinish->setEnabled(false);
    reject();
    if (isVisible())
        m_ui->btnFinish->setEnabled(m_canAbort || m_workingState == GenerateSucceeded ||
                                    m_workingState == GenerateEnded);
}

void ProgressDialog::doBurnNext()
{
    if (m_targetType != QLatin1String("toburner"))
        return;
    m_canAbort = true;
    setDlgStatus(tr("Creating DVD..."), NoStepChange, QString(), QString(), false, tr("Abort"), true);
    m_ui->lblCurrentTask->show();
    m_ui->pgbCurrentTask->show();
    m_ui->processCurVal->show();
    showResult(QString(), QString());
    // Back from the end state: the next copy is a run step again.
    if (m_workingState == GenerateSucceeded)
        m_workingState = NoStepChange;
    startElapsedClock();
    const int m = m_withMenu ? 1 : 0;
    setRowIcon(2 + m, IconIdle);
    setRowIcon(3 + m, IconIdle);
    Q_EMIT btnburnnextclicked(true, QString());
}

void ProgressDialog::on_btnBurnNext_clicked()
{
    doBurnNext();
}

void ProgressDialog::on_minimizeToTaskbar_clicked()
{
    QWidget *frame = nullptr;
    if (auto *app = Application::instance(); app && app->mainWindow())
        frame = app->mainWindow()->widgetFrame();
    if (!frame)
        frame = parentWidget() ? parentWidget()->window() : this;
    frame->showMinimized();
}

void ProgressDialog::on_postTaskActions_currentIndexChanged(int index)
{
    Q_EMIT postTaskActionsIndexChanged(index);
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
    adjustSizeV2();
}

void ProgressDialog::on_btnOpenFolder_clicked()
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
    // A run in progress keeps its texts until the next status.
    if (m_workingState != NoStepChange) {
        m_ui->lblLargeTitle->setText(title);
        m_ui->lblCurrentTask->setText(task);
    }
}
