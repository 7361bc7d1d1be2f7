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

PreferencesDialog::PreferencesDialog(QWidget *parent)
    : DialogBase(parent), m_ui(std::make_unique<Ui::PreferencesDialog>()), m_pref(AppSettings::pref()),
      m_processors(CpuAffinity::processorCount())
{
    m_ui->setupUi(this);
    m_ui->tabWidget->setCurrentIndex(0);
    m_ui->browseTemporaryFolder->setIcon(QIcon::fromTheme(QStringLiteral("folder-open")));
    m_ui->temporaryFolder->setAccessibleName(m_ui->temporaryFolderGroup->title());
    m_ui->coreCount->setAccessibleName(m_ui->chosenCores->text());
    for (int i = 1; i <= m_processors; ++i)
        m_ui->coreCount->addItem(QString::number(i));

    connect(m_ui->chosenCores, &QRadioButton::toggled, m_ui->coreCount, &QWidget::setEnabled);
    load();

    // Any change enables Apply; typing counts as a change at once.
    connect(m_ui->temporaryFolder, &QLineEdit::textEdited, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->temporaryFolder, &QLineEdit::editingFinished, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->deleteTemporaryFiles, &QCheckBox::clicked, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->resetGeneral, &QPushButton::clicked, this, &PreferencesDialog::onSettingsChanged);
    for (QRadioButton *radio : {m_ui->allCores, m_ui->fewestCores, m_ui->chosenCores})
        connect(radio, &QRadioButton::toggled, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->coreCount, &QComboBox::currentIndexChanged, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->afterMakingAction, &QComboBox::currentIndexChanged, this,
            &PreferencesDialog::onSettingsChanged);
    connect(m_ui->resetMaking, &QPushButton::clicked, this, &PreferencesDialog::onSettingsChanged);
    connect(m_ui->browseTemporaryFolder, &QPushButton::clicked, this, &PreferencesDialog::browseTemporaryFolder);
    connect(m_ui->openTemporaryFolder, &QPushButton::clicked, this, &PreferencesDialog::openTemporaryFolder);
    connect(m_ui->resetGeneral, &QPushButton::clicked, this, &PreferencesDialog::resetGeneral);
    connect(m_ui->resetMaking, &QPushButton::clicked, this, &PreferencesDialog::resetMaking);
    connect(m_ui->temporaryFolder, &QLineEdit::editingFinished, this, &PreferencesDialog::tidyTemporaryFolder);
    connect(m_ui->buttonBox, &QDialogButtonBox::clicked, this, &PreferencesDialog::onButton);

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
    m_ui->temporaryFolder->setText(QDir::toNativeSeparators(AppSettings::temporaryDir(m_pref)));
    m_ui->deleteTemporaryFiles->setChecked(AppSettings::deleteTemp(m_pref));

    const int cpuType = qBound(0, AppSettings::cpuType(m_pref), 2);
    QRadioButton *radios[] = {m_ui->allCores, m_ui->fewestCores, m_ui->chosenCores};
    radios[cpuType]->setChecked(true);
    m_ui->coreCount->setCurrentIndex(qBound(1, AppSettings::cpuInUse(m_pref, m_processors), m_processors) -
                                     1);
    m_ui->coreCount->setEnabled(cpuType == 2);

    m_ui->afterMakingAction->setCurrentIndex(afterMakingListIndex(AppSettings::afterBurnAction(m_pref)));
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

void PreferencesDialog::browseTemporaryFolder()
{
    const QString start = AppSettings::temporaryDir(m_pref);
    const QString folder = FileChooser::getExistingDirectory(this, tr("Select one folder"), start);
    if (folder.isEmpty())
        return;
    m_ui->temporaryFolder->setText(QDir::toNativeSeparators(folder));
    onSettingsChanged();
}

void PreferencesDialog::openTemporaryFolder()
{
    const QString path = m_ui->temporaryFolder->text().trimmed();
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

void PreferencesDialog::resetGeneral()
{
    m_ui->temporaryFolder->setText(QDir::toNativeSeparators(defaultFolder()));
    m_ui->deleteTemporaryFiles->setChecked(true);
}

void PreferencesDialog::resetMaking()
{
    m_ui->allCores->setChecked(true);
    m_ui->coreCount->setCurrentIndex(m_processors - 1);
    m_ui->afterMakingAction->setCurrentIndex(0);
}

void PreferencesDialog::tidyTemporaryFolder()
{
    // Tidies the typed path ("/data//dvd/" -> "/data/dvd"). Nothing is
    // created here: a half-typed path must not leave folders behind.
    const QString text = m_ui->temporaryFolder->text().trimmed();
    if (text.isEmpty() || !isAcceptableFolderPath(text))
        return;
    const QString tidy = QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(text)));
    if (tidy != m_ui->temporaryFolder->text())
        m_ui->temporaryFolder->setText(tidy);
}

void PreferencesDialog::refuseFolder(const QString &message)
{
    m_ui->tabWidget->setCurrentIndex(0);
    MessageBox::alert(message, QString(), this);
    m_ui->temporaryFolder->setFocus();
    m_ui->temporaryFolder->selectAll();
}

bool PreferencesDialog::store()
{
    const QString path = m_ui->temporaryFolder->text().trimmed();
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
    if (m_ui->allCores->isChecked())
        cpuType = 0;
    else if (m_ui->fewestCores->isChecked())
        cpuType = 1;
    m_pref->setValue(AppSettings::kTemporaryDir, path);
    m_pref->setValue(AppSettings::kDeleteTemp, m_ui->deleteTemporaryFiles->isChecked());
    m_pref->setValue(AppSettings::kCPUType, cpuType);
    m_pref->setValue(AppSettings::kCPUInUse, m_ui->coreCount->currentIndex() + 1);
    m_pref->setValue(AppSettings::kAfterBurnAction,
                     afterMakingActionCode(afterMakingActionAtListIndex(m_ui->afterMakingAction->currentIndex())));
    // The processor choice takes effect at once, for this run of the program.
    if (!CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(m_pref)))
        qCWarning(lcPreferences) << "the processor choice could not be applied to every thread";
    return true;
}

void PreferencesDialog::onButton(QAbstractButton *button)
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
    const int action = m_ui->afterMakingAction->currentIndex();
    {
        const QSignalBlocker block(m_ui->afterMakingAction);
        m_ui->retranslateUi(this);
        m_ui->afterMakingAction->setCurrentIndex(action);
    }
    m_ui->tabWidget->setCurrentIndex(tab);
    helper()->setAllWindowTitle(tr("Preferences"));
}
