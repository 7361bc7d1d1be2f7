#include "dialogs/destinationbox.h"

#include <burning/dvdburner.h>

#include <desktop/application.h>
#include <desktop/filechooser.h>
#include <desktop/messagebox.h>
#include <framework/settingsstore.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include "framework/apppaths.h"

namespace {
const int kDeviceRole = Qt::UserRole + 1;

QString quotedNative(const QString &path)
{
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}
} // namespace

DestinationBox::DestinationBox(QWidget *parent) : QComboBox(parent)
{
    // No label until the settings dialog passes its own.
    m_destination.volumeLabel.clear();
    setContextMenuPolicy(Qt::NoContextMenu);
    // Nothing can be chosen before the first device scan has filled the list.
    setEnabled(false);
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DestinationBox::selectEntry);
}

DestinationBox::~DestinationBox() = default;

QString DestinationBox::volumeLabel() const
{
    return m_destination.label();
}

void DestinationBox::setVolumeLabel(const QString &name)
{
    m_destination.volumeLabel = name;
}

QString DestinationBox::defaultSavePath() const
{
    QString company = AppPaths::companyKey();
    QString product = AppPaths::defaultProductKey();
    if (Application *app = Application::instance()) {
        if (SettingsStore *pref = app->pref()) {
            company = pref->companyKey();
            product = pref->productKey();
        }
    }
    QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
                   company + QLatin1Char('/') + product;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}

Destination::Type DestinationBox::entryType(int index) const
{
    return Destination::typeFromName(itemData(index).toString());
}

int DestinationBox::entryIndex(Destination::Type type) const
{
    for (int i = 0; i < count(); ++i) {
        if (entryType(i) == type)
            return i;
    }
    return -1;
}

void DestinationBox::showCustomizedText(const QString &text, int index)
{
    m_customText = text;
    m_customIndex = index;
    update();
}

void DestinationBox::updateDisp()
{
    update();
}

void DestinationBox::applyPathTarget(Destination::Type type, const QString &path, int index)
{
    m_destination.type = type;
    m_destination.path = path;
    {
        QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
    showCustomizedText(QDir::toNativeSeparators(path), index);
}

bool DestinationBox::acceptFolder(const QString &folder, int index)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    const QString full = clean + QLatin1Char('/') + volumeLabel();
    if (QFileInfo::exists(full)) {
        if (MessageBox::question(
                tr("The folder %1 will be cleared. Do you want to continue?").arg(quotedNative(full)),
                QString(), QDialogButtonBox::Yes | QDialogButtonBox::No, this) != QDialogButtonBox::Yes)
            return false;
    }
    m_lastFolder = clean;
    applyPathTarget(Destination::Folder, clean, index);
    return true;
}

bool DestinationBox::refreshDataFolderTarget(int index)
{
    if (m_destination.volumeLabel.trimmed().isEmpty()) {
        MessageBox::alert(tr("Input volume label"), QString(), this);
        return false;
    }
    QString start = m_lastFolder;
    if (start.isEmpty() || start == QLatin1String("1") || !QFileInfo(start).isDir())
        start = defaultSavePath();
    const QString chosen = FileChooser::getExistingDirectory(this, tr("Open DVD Folder..."), start);
    if (chosen.isEmpty())
        return false;
    return acceptFolder(chosen, index);
}

bool DestinationBox::acceptIso(const QString &chosen, int index)
{
    const QString path = isoPathWithExtension(chosen);
    if (QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite)) {
            MessageBox::alert(
                tr("Cannot write to %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()),
                QString(), this);
            return false;
        }
    }
    m_lastIso = path;
    applyPathTarget(Destination::Iso, path, index);
    return true;
}

bool DestinationBox::refreshIsoTarget(int index)
{
    QString start;
    if (m_lastIso.isEmpty() || m_lastIso == QLatin1String("1")) {
        start = defaultSavePath() + volumeLabel();
    } else {
        QString dir = QFileInfo(m_lastIso).absolutePath();
        if (!QFileInfo(dir).isDir())
            dir = defaultSavePath();
        if (!dir.endsWith(QLatin1Char('/')))
            dir += QLatin1Char('/');
        start = dir + volumeLabel();
    }
    const QString chosen =
        FileChooser::getSaveFileName(this, tr("Save As"), start, tr("DVD Image file (*.iso)"));
    if (chosen.isEmpty())
        return false;
    return acceptIso(chosen, index);
}

bool DestinationBox::setPathTarget(Destination::Type type, const QString &path)
{
    if (entryIndex(type) < 0)
        refreshNow(); // the list has not been filled yet
    const int index = entryIndex(type);
    if (path.trimmed().isEmpty() || index < 0)
        return false;
    const bool accepted = type == Destination::Folder ? acceptFolder(path, index) : acceptIso(path, index);
    if (!accepted)
        return false;
    m_lastIndex = index;
    Q_EMIT speedChoiceEnabled(false);
    return true;
}

bool DestinationBox::setFolderTarget(const QString &folder)
{
    return setPathTarget(Destination::Folder, folder);
}

bool DestinationBox::setIsoTarget(const QString &isoPath)
{
    return setPathTarget(Destination::Iso, isoPath);
}

void DestinationBox::refreshNow()
{
    DVDBurner::instance()->updateDevices();
    updateDevices();
}

int DestinationBox::recorderIndex(const QString &key) const
{
    for (int i = 0; i < count(); ++i) {
        if (entryType(i) == Destination::Burner && itemData(i, kDeviceRole).toString() == key)
            return i;
    }
    return -1;
}

bool DestinationBox::setRecorderTarget(const QString &device)
{
    const QString key = DVDBurner::deviceKey(device);
    DVDBurner *burner = DVDBurner::instance();
    if (recorderIndex(key) < 0) {
        // A pseudo-drive named here joins the recorders; the list may also
        // not have been filled yet.
        if (key.startsWith(QLatin1String("stdio:")) && !burner->pseudoDrives().contains(key))
            burner->setPseudoDrives(burner->pseudoDrives() << key);
        refreshNow();
    }
    const int index = recorderIndex(key);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    if (m_destination.path != key) {
        // The index did not change: apply the selection directly.
        selectEntry(index);
    }
    return m_destination.type == Destination::Burner && m_destination.path == key;
}

void DestinationBox::selectRecorderOrDefault(const QString &device)
{
    int chosen = -1;
    int firstRecorder = -1;
    int bdRecorder = -1;
    for (int i = 0; i < count(); ++i) {
        if (entryType(i) != Destination::Burner)
            continue;
        const QString name = itemData(i, kDeviceRole).toString();
        if (firstRecorder < 0)
            firstRecorder = i;
        if (bdRecorder < 0) {
            if (const std::optional<RecorderInfo> info = DVDBurner::instance()->recorder(name)) {
                if (info->writesBd)
                    bdRecorder = i;
            }
        }
        if (!device.isEmpty() && DriveList::isSameDevice(name, device))
            chosen = i;
    }
    if (chosen < 0)
        chosen = bdRecorder >= 0 ? bdRecorder : firstRecorder;
    if (chosen < 0) {
        m_destination.type = Destination::None;
        m_destination.path.clear();
        setCurrentIndex(-1);
        showCustomizedText(tr("Please select the destination."), -1);
        m_lastIndex = -1;
        return;
    }
    setCurrentIndex(chosen);
    m_destination.type = Destination::Burner;
    m_destination.path = itemData(chosen, kDeviceRole).toString();
    m_lastIndex = chosen;
    showCustomizedText(QString(), -1);
}

void DestinationBox::updateDevices()
{
    {
        QSignalBlocker blocker(this);
        clear();
        const QVector<RecorderInfo> recorders = DVDBurner::instance()->recorders();
        for (const RecorderInfo &info : recorders) {
            if (!info.isRecorder())
                continue;
            addItem(info.deviceName + QStringLiteral(":(") + info.displayName + QLatin1Char(')'),
                    Destination::typeName(Destination::Burner));
            setItemData(count() - 1, info.deviceName, kDeviceRole);
        }
        addItem(tr("Save as DVD Folder"), Destination::typeName(Destination::Folder));
        addItem(tr("Save as Image (.iso)"), Destination::typeName(Destination::Iso));

        if (m_destination.path.isEmpty()) {
            selectRecorderOrDefault(QString());
        } else if (m_destination.type == Destination::Folder || m_destination.type == Destination::Iso) {
            const int index = entryIndex(m_destination.type);
            setCurrentIndex(index);
            m_lastIndex = index;
            showCustomizedText(QDir::toNativeSeparators(m_destination.path), index);
        } else {
            selectRecorderOrDefault(m_destination.path);
        }
        setEnabled(true);
    }
    const bool recorder = m_destination.type == Destination::Burner;
    if (recorder)
        updateSpeedList();
    Q_EMIT speedChoiceEnabled(recorder);
    update();
}

void DestinationBox::selectEntry(int index)
{
    if (index < 0 || index >= count())
        return;
    bool accepted = false;
    {
        QSignalBlocker blocker(this);
        switch (entryType(index)) {
        case Destination::Folder:
            accepted = refreshDataFolderTarget(index);
            break;
        case Destination::Iso:
            accepted = refreshIsoTarget(index);
            break;
        case Destination::Burner:
            m_destination.type = Destination::Burner;
            m_destination.path = itemData(index, kDeviceRole).toString();
            showCustomizedText(QString(), -1);
            accepted = true;
            break;
        case Destination::None:
            break;
        }
        if (accepted) {
            m_lastIndex = index;
        } else if (m_lastIndex >= 0 && m_lastIndex < count() &&
                   entryType(m_lastIndex) == Destination::Burner) {
            setCurrentIndex(m_lastIndex);
        } else {
            // Back to the previous folder or image, shown over no entry.
            const QString previous = m_destination.path;
            setCurrentIndex(-1);
            showCustomizedText(previous.isEmpty() ? tr("Please select the destination.")
                                                  : QDir::toNativeSeparators(previous),
                               -1);
        }
    }
    const bool recorder = m_destination.type == Destination::Burner;
    if (accepted && recorder) {
        updateDiscs();
        updateSpeedList();
    }
    Q_EMIT speedChoiceEnabled(recorder);
}

void DestinationBox::updateDiscs()
{
    if (m_destination.type != Destination::Burner)
        return;
    const std::optional<DiscInfo> disc = DVDBurner::instance()->disc(m_destination.path);
    // A blank dual-layer disc holds 7.9 GiB.
    if (disc && disc->writable && disc->freeSpace * 10 / (quint64(1) << 30) == 79)
        Q_EMIT discTypeChanged(QStringLiteral("D9"));
    else
        Q_EMIT discTypeChanged(QStringLiteral("D5"));
}

void DestinationBox::updateSpeedList()
{
    if (m_destination.type != Destination::Burner)
        return;
    QVector<QString> speeds;
    if (const std::optional<RecorderInfo> info = DVDBurner::instance()->recorder(m_destination.path)) {
        speeds = WriteSpeed::choices(info->speeds);
    }
    m_speeds = speeds;
    Q_EMIT speedsChanged(speeds);
}

void DestinationBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!m_customText.isEmpty() && currentIndex() == m_customIndex) {
        option.currentText = m_customText;
        option.currentIcon = QIcon();
    }
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
