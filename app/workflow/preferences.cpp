#include "workflow/preferences.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPushButton>
#include <QUrl>

#include "album/appsettings.h"
#include "album/cpuaffinity.h"
#include "kybase/ky.h"
#include "kybase/kyfilechooser.h"
#include "kybase/kymessagebox.h"
#include "kybase/kypref.h"
#include "ui_preferences.h"

Q_LOGGING_CATEGORY(lcPreferences, "sorvel.preferences")

namespace {
// The actions after making, in list order.
const AfterMakingAction kAfterMakingActions[] = {AfterMakingAction::DoNothing, AfterMakingAction::ExitProgram,
                                                 AfterMakingAction::ShutDown, AfterMakingAction::Hibernate,
                                                 AfterMakingAction::StandBy};
const int kUpdateDays[] = {1, 7, 30};
} // namespace

Preferences::Preferences(QWidget *parent)
    : KyDialog(parent), m_ui(std::make_unique<Ui::PreferencesClass>()), m_pref(AppSettings::pref()),
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
    connect(m_ui->lineEdit, &QLineEdit::textEdited, this, &Preferences::onSettingsChanged);
    connect(m_ui->lineEdit, &QLineEdit::editingFinished, this, &Preferences::onSettingsChanged);
    connect(m_ui->deleteTemp, &QCheckBox::clicked, this, &Preferences::onSettingsChanged);
    connect(m_ui->checkUpdate, &QCheckBox::toggled, this, &Preferences::onSettingsChanged);
    connect(m_ui->updateFreq, &QComboBox::currentIndexChanged, this, &Preferences::onSettingsChanged);
    connect(m_ui->resetToDefault, &QPushButton::clicked, this, &Preferences::onSettingsChanged);
    for (QRadioButton *radio : {m_ui->radioButton, m_ui->radioButton_2, m_ui->radioButton_3})
        connect(radio, &QRadioButton::toggled, this, &Preferences::onSettingsChanged);
    connect(m_ui->cpuNumber, &QComboBox::currentIndexChanged, this, &Preferences::onSettingsChanged);
    connect(m_ui->afterBurnAction, &QComboBox::currentIndexChanged, this, &Preferences::onSettingsChanged);
    connect(m_ui->resetToDefault_2, &QPushButton::clicked, this, &Preferences::onSettingsChanged);

    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    helper()->setAllWindowTitle(tr("Preferences"));
    adjustSizeV2();
    setFixedSize(size().expandedTo(QSize(560, 0)));
}

Preferences::~Preferences() = default;

QString Preferences::defaultFolder() const
{
    // The folder generation uses while nothing is stored.
    return Ky::tempPath();
}

void Preferences::load()
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

bool Preferences::isAcceptableFolderPath(const QString &path)
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

AfterMakingAction Preferences::afterMakingActionForIndex(int index)
{
    if (index < 0 || index >= int(std::size(kAfterMakingActions)))
        return AfterMakingAction::DoNothing;
    return kAfterMakingActions[index];
}

int Preferences::indexForAfterMakingAction(AfterMakingAction action)
{
    for (int i = 0; i < int(std::size(kAfterMakingActions)); ++i) {
        if (kAfterMakingActions[i] == action)
            return i;
    }
    return 0;
}

int Preferences::updateDaysForIndex(int index)
{
    if (index < 0 || index >= int(std::size(kUpdateDays)))
        return kUpdateDays[0];
    return kUpdateDays[index];
}

int Preferences::indexForUpdateDays(int days)
{
    for (int i = 0; i < int(std::size(kUpdateDays)); ++i) {
        if (kUpdateDays[i] == days)
            return i;
    }
    return 1; // an unknown interval shows as weekly
}

void Preferences::on_browse_clicked()
{
    const QString start = AppSettings::temporaryDir(m_pref);
    const QString folder = KyFileChooser::getExistingDirectory(this, tr("Select one folder"), start);
    if (folder.isEmpty())
        return;
    m_ui->lineEdit->setText(QDir::toNativeSeparators(folder));
    onSettingsChanged();
}

void Preferences::on_open_clicked()
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
        KyMessageBox::alert(tr("Failed to open folder \"%1\".").arg(path), QString(), this);
}

void Preferences::on_resetToDefault_clicked()
{
    m_ui->lineEdit->setText(QDir::toNativeSeparators(defaultFolder()));
    m_ui->deleteTemp->setChecked(true);
    m_ui->checkUpdate->setChecked(true);
    m_ui->updateFreq->setCurrentIndex(0);
}

void Preferences::on_resetToDefault_2_clicked()
{
    m_ui->radioButton->setChecked(true);
    m_ui->cpuNumber->setCurrentIndex(m_processors - 1);
    m_ui->afterBurnAction->setCurrentIndex(0);
}

void Preferences::on_lineEdit_editingFinished()
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

void Preferences::refuseFolder(const QString &message)
{
    m_ui->tabWidget->setCurrentIndex(0);
    KyMessageBox::alert(message, QString(), this);
    m_ui->lineEdit->setFocus();
    m_ui->lineEdit->selectAll();
}

bool Preferences::store()
{
    const QString path = m_ui->lineEdit->text().trimmed();
    if (!isAcceptableFolderPath(path) || !QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        refuseFolder(tr("The selected path is incorrect, please select again."));
        return false;
    }
    if (!Ky::isFolderWritable(QDir(path).absolutePath())) {
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
    m_pref->setValue(AppSettings::kTemporaryDir, path, false);
    m_pref->setValue(AppSettings::kDeleteTemp, m_ui->deleteTemp->isChecked(), false);
    m_pref->setValue(AppSettings::kAutoUpdateEnable, m_ui->checkUpdate->isChecked(), false);
    m_pref->setValue(AppSettings::kUpdateInterval, updateDaysForIndex(m_ui->updateFreq->currentIndex()),
                     false);
    m_pref->setValue(AppSettings::kCPUType, cpuType, false);
    m_pref->setValue(AppSettings::kCPUInUse, m_ui->cpuNumber->currentIndex() + 1, false);
    m_pref->setValue(AppSettings::kAfterBurnAction,
                     afterMakingActionCode(afterMakingActionForIndex(m_ui->afterBurnAction->currentIndex())),
                     false);
    // The processor choice takes effect at once, for this run of the program.
    if (!CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(m_pref)))
        qCWarning(lcPreferences) << "the processor choice could not be applied to every thread";
    return true;
}

void Preferences::on_buttonBox_clicked(QAbstractButton *button)
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

void Preferences::onSettingsChanged()
{
    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void Preferences::retranslate()
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
