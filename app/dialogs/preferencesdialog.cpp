#include "dialogs/preferencesdialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPushButton>
#include <QUrl>

#include "album/appsettings.h"
#include "album/cpuaffinity.h"
#include "desktop/widgetsupport.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"
#include "ui_preferencesdialog.h"
#include "framework/apppaths.h"

Q_LOGGING_CATEGORY(lcPreferences, "sorvel.preferences")

namespace {
// The actions after making, in list order.
const AfterMakingAction kAfterMakingActions[] = {AfterMakingAction::DoNothing, AfterMakingAction::ExitProgram,
                                                 AfterMakingAction::ShutDown, AfterMakingAction::Hibernate,
                                                 AfterMakingAction::StandBy};
const int kUpdateDays[] = {1, 7, 30};
} // namespace

PreferencesDialog::PreferencesDialog(QWidget *parent)
    : DialogBase(parent), m_ui(std::make_unique<Ui::PreferencesDialog>()), m_pref(AppSettings::pref()),
      m_processors(CpuAffinity::processorCount())
{
    m_ui->setupUi(this);
    m_ui->tabWidget->setCurrentIndex(0);
    m_ui->browse->setIcon(QIcon::fromTheme(QStringLiteral("folder-open")));
    m_ui->lineEdit->setAccessibleName(m_ui->groupBox->title());
    m_ui->updateFreq->setAccessibleName(m_ui->checkUpdate->text());
    m_ui->cpuNumber->setAccessibleName(m_ui->radioButton_3->text());
    for (int i = 1; i <= m_processors; ++i)
        m_ui->cpuNumber->addItem(QString::number(i));

    connect(m_ui->checkUpdate, &QCheckBox::toggled, m_ui->updateFreq, &QWidget::setEnabled);
    connect(m_ui->radioButton_3, &QRadioButton::toggled, m_ui->cpuNumber, &QWidget::setEnabled);
    load();

    // Any change enables Apply; typing counts as a change at once.
    connect(m_ui->lineEdit, &QLineEdit::textEdited, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->lineEdit, &QLineEdit::editingFinished, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->deleteTemp, &QCheckBox::clicked, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->checkUpdate, &QCheckBox::toggled, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->updateFreq, &QComboBox::currentIndexChanged, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->resetToDefault, &QPushButton::clicked, this, &PreferencesDialog::onSettingsChanged);
    for (QRadioButton *radio : {m_ui->radioButton, m_ui->radioButton_2, m_ui->radioButton_3})
        connect(radio, &QRadioButton::toggled, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->cpuNumber, &QComboBox::currentIndexChanged, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->afterBurnAction, &QComboBox::currentIndexChanged, this,
            &PreferencesDialog::onSettingsChanged);
    connect(m_ui->resetToDefault_2, &QPushButton::clicked, this, &PreferencesDialog::onSettingsChanged);

    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    helper()->setAllWindowTitle(tr("Preferences"));
    adjustSizeV2();
    setFixedSize(size().expandedTo(QSize(560, 0)));
}

PreferencesDialog::~PreferencesDialog() = default;

QString PreferencesDialog::defaultFolder() const
{
    // The folder generation uses while nothing is stored.
    return AppPaths::tempPath();
}

void PreferencesDialog::load()
{
    m_ui->lineEdit->setText(QDir::toNativeSeparators(AppSettings::temporaryDir(m_pref)));
    m_ui->deleteTemp->setChecked(AppSettings::deleteTemp(m_pref));
    const bool autoUpdate = AppSettings::autoUpdateEnable(m_pref);
    m_ui->checkUpdate->setChecked(autoUpdate);
    m_ui->updateFreq->setCurrentIndex(indexForUpdateDays(AppSettings::updateInterval(m_pref)));
    m_ui->updateFreq->setEnabled(autoUpdate);

    const int cpuType = qBound(0, AppSettings::cpuType(m_pref), 2);
    QRadioButton *radios[] = {m_ui->radioButton, m_ui->radioButton_2, m_ui->radioButton_3};
    radios[cpuType]->setChecked(true);
    m_ui->cpuNumber->setCurrentIndex(qBound(1, AppSettings::cpuInUse(m_pref, m_processors), m_processors) -
                                     1);
    m_ui->cpuNumber->setEnabled(cpuType == 2);

    m_ui->afterBurnAction->setCurrentIndex(indexForAfterMakingAction(AppSettings::afterBurnAction(m_pref)));
}

bool PreferencesDialog::isAcceptableFolderPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    QString p = QDir::fromNativeSeparators(path);
    if (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (!QDir::isAbsolutePath(p) || !p.startsWith(QLatin1Char('/')))
        return false;
    static const QString refused = QStringLiteral("\"*:<>`!#?|");
    for (const QChar c : p.mid(1)) {
        if (refused.contains(c))
            return false;
    }
    return true;
}

AfterMakingAction PreferencesDialog::afterMakingActionForIndex(int index)
{
    if (index < 0 || index >= int(std::size(kAfterMakingActions)))
        return AfterMakingAction::DoNothing;
    return kAfterMakingActions[index];
}

int PreferencesDialog::indexForAfterMakingAction(AfterMakingAction action)
{
    for (int i = 0; i < int(std::size(kAfterMakingActions)); ++i) {
        if (kAfterMakingActions[i] == action)
            return i;
    }
    return 0;
}

int PreferencesDialog::updateDaysForIndex(int index)
{
    if (index < 0 || index >= int(std::size(kUpdateDays)))
        return kUpdateDays[0];
    return kUpdateDays[index];
}

int PreferencesDialog::indexForUpdateDays(int days)
{
    for (int i = 0; i < int(std::size(kUpdateDays)); ++i) {
        if (kUpdateDays[i] == days)
            return i;
    }
    return 1; // an unknown interval shows as weekly
}

void PreferencesDialog::on_browse_clicked()
{
    const QString start = AppSettings::temporaryDir(m_pref);
    const QString folder = FileChooser::getExistingDirectory(this, tr("Select one folder"), start);
    if (folder.isEmpty())
        return;
    m_ui->lineEdit->setText(QDir::toNativeSeparators(folder));
    onSettingsChanged();
}

void PreferencesDialog::on_open_clicked()
{
    const QString path = m_ui->lineEdit->text().trimmed();
    bool ok = isAcceptableFolderPath(path);
    // A valid folder that does not exist yet is created, so that the file
    // manager has something to show.
    if (ok && !QFileInfo(path).isDir())
        ok = QDir().mkpath(path);
    if (ok)
        ok = QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(path).absolutePath()));
    if (!ok)
        MessageBox::alert(tr("Failed to open folder \"%1\".").arg(path), QString(), this);
}

void PreferencesDialog::on_resetToDefault_clicked()
{
    m_ui->lineEdit->setText(QDir::toNativeSeparators(defaultFolder()));
    m_ui->deleteTemp->setChecked(true);
    m_ui->checkUpdate->setChecked(true);
    m_ui->updateFreq->setCurrentIndex(0);
}

void PreferencesDialog::on_resetToDefault_2_clicked()
{
    m_ui->radioButton->setChecked(true);
    m_ui->cpuNumber->setCurrentIndex(m_processors - 1);
    m_ui->afterBurnAction->setCurrentIndex(0);
}

void PreferencesDialog::on_lineEdit_editingFinished()
{
    // Tidies the typed path ("/data//dvd/" -> "/data/dvd"). Nothing is
    // created here: a half-typed path must not leave folders behind.
    const QString text = m_ui->lineEdit->text().trimmed();
    if (text.isEmpty() || !isAcceptableFolderPath(text))
        return;
    const QString tidy = QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(text)));
    if (tidy != m_ui->lineEdit->text())
        m_ui->lineEdit->setText(tidy);
}

void PreferencesDialog::refuseFolder(const QString &message)
{
    m_ui->tabWidget->setCurrentIndex(0);
    MessageBox::alert(message, QString(), this);
    m_ui->lineEdit->setFocus();
    m_ui->lineEdit->selectAll();
}

bool PreferencesDialog::store()
{
    const QString path = m_ui->lineEdit->text().trimmed();
    if (!isAcceptableFolderPath(path) || !QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        refuseFolder(tr("The selected path is incorrect, please select again."));
        return false;
    }
    if (!AppPaths::isFolderWritable(QDir(path).absolutePath())) {
        refuseFolder(tr("The selected folder is read-only, please select other folder."));
        return false;
    }
    if (!m_pref) {
        qCWarning(lcPreferences) << "no preferences store; nothing saved";
        return true;
    }
    int cpuType = 2;
    if (m_ui->radioButton->isChecked())
        cpuType = 0;
    else if (m_ui->radioButton_2->isChecked())
        cpuType = 1;
    m_pref->setValue(AppSettings::kTemporaryDir, path);
    m_pref->setValue(AppSettings::kDeleteTemp, m_ui->deleteTemp->isChecked());
    m_pref->setValue(AppSettings::kAutoUpdateEnable, m_ui->checkUpdate->isChecked());
    m_pref->setValue(AppSettings::kUpdateInterval, updateDaysForIndex(m_ui->updateFreq->currentIndex()));
    m_pref->setValue(AppSettings::kCPUType, cpuType);
    m_pref->setValue(AppSettings::kCPUInUse, m_ui->cpuNumber->currentIndex() + 1);
    m_pref->setValue(AppSettings::kAfterBurnAction,
                     afterMakingActionCode(afterMakingActionForIndex(m_ui->afterBurnAction->currentIndex())));
    // The processor choice takes effect at once, for this run of the program.
    if (!CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(m_pref)))
        qCWarning(lcPreferences) << "the processor choice could not be applied to every thread";
    return true;
}

void PreferencesDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    const QDialogButtonBox::StandardButton which = m_ui->buttonBox->standardButton(button);
    if ((which == QDialogButtonBox::Ok || which == QDialogButtonBox::Apply) && !store())
        return;
    switch (which) {
    case QDialogButtonBox::Ok:
        accept();
        break;
    case QDialogButtonBox::Apply:
        m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
        break;
    default:
        reject();
        break;
    }
}

void PreferencesDialog::onSettingsChanged()
{
    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void PreferencesDialog::retranslate()
{
    const int tab = m_ui->tabWidget->currentIndex();
    const int freq = m_ui->updateFreq->currentIndex();
    const int action = m_ui->afterBurnAction->currentIndex();
    {
        const QSignalBlocker b1(m_ui->updateFreq);
        const QSignalBlocker b2(m_ui->afterBurnAction);
        m_ui->retranslateUi(this);
        m_ui->updateFreq->setCurrentIndex(freq);
        m_ui->afterBurnAction->setCurrentIndex(action);
    }
    m_ui->tabWidget->setCurrentIndex(tab);
    helper()->setAllWindowTitle(tr("Preferences"));
}
