#include "dialogs/dvdsettingsdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include "album/album.h"
#include "album/appsettings.h"
#include "authoring/dvdmenu.h"
#include "burning/devicethread.h"
#include "burning/dvdburner.h"
#include "dialogs/destinationbox.h"
#include "ui_dvdsettingsdialog.h"
#include "dialogs/bitratedialog.h"
#include "engine/photoframing.h"
#include "job/dvdgeneration.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>

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

DvdSettingsDialog::DvdSettingsDialog(QWidget *parent, DeviceThread *devices, Qt::WindowFlags flags)
    : DialogBase(parent, flags), m_ui(std::make_unique<Ui::DvdSettingsDialog>())
{
    m_ui->setupUi(this);
    m_ui->volumeEdit->setText(m_choices.volumeLabel);

    // The device thread keeps the destination box's recorders and discs
    // fresh.
    if (devices) {
        connect(devices, &DeviceThread::devicesUpdated, m_ui->targetComboBox, &DestinationBox::updateDevices,
                Qt::BlockingQueuedConnection);
        connect(devices, &DeviceThread::discsUpdated, m_ui->targetComboBox, &DestinationBox::updateDiscs,
                Qt::BlockingQueuedConnection);
    } else {
        // Without a thread the box lists the recorders found now.
        DVDBurner::instance()->updateDevices();
        m_ui->targetComboBox->updateDevices();
    }
    m_ui->targetComboBox->setVolumeLabel(m_choices.volumeLabel);
    // A long destination (a folder or disc image path) is shown shortened
    // instead of widening the dialog after it was placed over the window.
    m_ui->targetComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui->targetComboBox->setMinimumContentsLength(32);

    connect(m_ui->targetComboBox, &DestinationBox::speedsChanged, this, &DvdSettingsDialog::showSpeeds);
    connect(m_ui->targetComboBox, &DestinationBox::speedChoiceEnabled, this,
            &DvdSettingsDialog::enableSpeeds);
    connect(m_ui->targetComboBox, &DestinationBox::discTypeChanged, this, &DvdSettingsDialog::onDiscType);
    // The destination decides whether the dual-layer scale applies.
    connect(m_ui->targetComboBox, &QComboBox::currentIndexChanged, this, &DvdSettingsDialog::updateDVDSize);

    // Choices made by the person only; setting an index from code does not
    // come here.
    connect(m_ui->videoQualityComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onVideoQuality);
    connect(m_ui->tvModeComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onTvMode);
    connect(m_ui->showEndComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onShowEnd);
    connect(m_ui->aspectComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onAspect);
    connect(m_ui->chaptersComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onChapters);
    connect(m_ui->audioRateComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onAudioRate);
    connect(m_ui->channelComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onAudioChannel);
    connect(m_ui->volumeEdit, &QLineEdit::textChanged, this, &DvdSettingsDialog::onVolumeLabelEdited);
    connect(m_ui->copySpinBox, &QSpinBox::valueChanged, this, &DvdSettingsDialog::onCopiesChanged);
    connect(m_ui->btnBurn, &QPushButton::clicked, this, &DvdSettingsDialog::onBurnClicked);
    connect(m_ui->menuCheckBox, &QCheckBox::clicked, this, &DvdSettingsDialog::onMenuToggled);
    connect(m_ui->menuTitleEdit, &QLineEdit::textEdited, this, &DvdSettingsDialog::onMenuTitleEdited);
    connect(m_ui->menuBackgroundComboBox, &QComboBox::activated, this, &DvdSettingsDialog::onMenuBackground);
    connect(m_ui->menuMusicCheckBox, &QCheckBox::clicked, this, &DvdSettingsDialog::onMenuMusicToggled);
    m_ui->menuBackgroundComboBox->setIconSize(QSize(32, 24));
    listMenuBackgrounds();

    helper()->setAllWindowTitle(tr("DVD Settings"));
    helper()->enableRestoreFrameGeometry(false, false, false);
    showSpeeds({});
    enableSpeeds(false);
    alignLabels();
    initParameters();
}

void DvdSettingsDialog::alignLabels()
{
    // The three groups' labels share one column width, so their fields line up.
    const QList<QLabel *> labels = {m_ui->labelDestination,   m_ui->labelVolume,   m_ui->labelSpeed,
                                    m_ui->labelCopies,        m_ui->labelQuality,  m_ui->labelTvStandard,
                                    m_ui->labelAspect,        m_ui->labelChapters, m_ui->labelShowEnd,
                                    m_ui->labelAudioRate,     m_ui->labelChannels, m_ui->labelMenuTitle,
                                    m_ui->labelMenuBackground};
    int width = 0;
    for (QLabel *label : labels) {
        label->setMinimumWidth(0);
        width = qMax(width, label->sizeHint().width());
    }
    for (QLabel *label : labels)
        label->setMinimumWidth(width);
}

DvdSettingsDialog::~DvdSettingsDialog() = default;

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
    setItemData(m_ui->aspectComboBox, {int(DvdAspect::Wide), int(DvdAspect::Standard)});
    setItemData(m_ui->chaptersComboBox, {int(ChapterMarks::PerPhoto), int(ChapterMarks::None)});
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
    for (QComboBox *box :
         {static_cast<QComboBox *>(m_ui->videoQualityComboBox), m_ui->tvModeComboBox, m_ui->showEndComboBox,
          m_ui->aspectComboBox, m_ui->chaptersComboBox, m_ui->audioRateComboBox, m_ui->channelComboBox})
        box->setEnabled(true);
    updateDVDSize();
}

void DvdSettingsDialog::showChoices()
{
    selectQuality(m_choices.videoBitRate);
    selectData(m_ui->tvModeComboBox, int(m_choices.tvStandard));
    selectData(m_ui->showEndComboBox, int(m_choices.atEnd));
    m_ui->menuCheckBox->setChecked(m_choices.menu);
    selectData(m_ui->aspectComboBox, int(m_choices.aspect));
    selectData(m_ui->chaptersComboBox, int(m_choices.chapters));
    selectData(m_ui->audioRateComboBox, m_choices.audioBitRate);
    selectData(m_ui->channelComboBox, m_choices.audioChannels);
    {
        const QSignalBlocker block(m_ui->volumeEdit);
        m_ui->volumeEdit->setText(m_choices.volumeLabel);
    }
    m_ui->targetComboBox->setVolumeLabel(labelOf(m_choices.volumeLabel));
    showMenuChoices();
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
    showMenuChoices();
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

void DvdSettingsDialog::onAspect(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.aspect = DvdAspect(m_ui->aspectComboBox->itemData(index).toInt());
    setChoice(c);
}

void DvdSettingsDialog::onChapters(int index)
{
    if (index < 0)
        return;
    DvdChoices c = m_choices;
    c.chapters = ChapterMarks(m_ui->chaptersComboBox->itemData(index).toInt());
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

void DvdSettingsDialog::onVolumeLabelEdited(const QString &text)
{
    DvdChoices c = m_choices;
    c.volumeLabel = text;
    m_ui->targetComboBox->setVolumeLabel(labelOf(text));
    setChoice(c);
}

void DvdSettingsDialog::onCopiesChanged(int copies)
{
    DvdChoices c = m_choices;
    c.copies = copies;
    setChoice(c);
}

void DvdSettingsDialog::showSpeeds(const QVector<QString> &speeds)
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

void DvdSettingsDialog::enableSpeeds(bool enabled)
{
    m_ui->speedComboBox->setEnabled(enabled);
    m_ui->copySpinBox->setEnabled(enabled);
}

void DvdSettingsDialog::onDiscType(const QString &type)
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
    m_dvdSize = MakeJob::estimateDvdSize(m_choices.videoBitRate, m_choices.audioBitRate, m_duration);
    m_ui->capacityFrame->setShowMode(dualLayer() ? CapacityBar::DualLayer : CapacityBar::SingleLayer);
    m_ui->capacityFrame->do_getPos(m_dvdSize);
    // The video takes at most its quality's rate: the estimate is the most
    // the DVD can take (still photos take far less).
    m_ui->labelSize->setText(
        tr("Estimated size: up to %1")
            .arg(QLocale().formattedDataSize(qint64(m_dvdSize), 2, QLocale::DataSizeSIFormat)));
}

MakeRequest DvdSettingsDialog::request() const
{
    MakeRequest r;
    r.tvStandard = m_choices.tvStandard;
    r.videoBitRate = m_choices.videoBitRate;
    r.audioBitRate = m_choices.audioBitRate;
    r.audioChannels = m_choices.audioChannels;
    r.atEnd = m_choices.atEnd;
    r.aspect = m_choices.aspect;
    r.chapters = m_choices.chapters;
    r.menu = m_choices.menu;
    r.menuChoices = m_choices.menuChoices;
    r.destination = m_ui->targetComboBox->destination();
    r.destination.volumeLabel = m_ui->targetComboBox->volumeLabel();
    const bool burner = r.destination.type == Destination::Burner;
    r.copies = burner ? m_ui->copySpinBox->value() : 1;
    const QString speed = m_ui->speedComboBox->currentData().toString();
    r.speed = burner && !speed.isEmpty() ? speed : QStringLiteral("Max");
    r.deleteTemp = AppSettings::deleteTemp(AppSettings::pref());
    r.afterMaking = AppSettings::afterBurnAction(AppSettings::pref());
    r.holdResult = true;
    return r;
}

void DvdSettingsDialog::onMenuToggled(bool on)
{
    DvdChoices c = m_choices;
    c.menu = on;
    setChoice(c);
}

void DvdSettingsDialog::onMenuTitleEdited(const QString &text)
{
    DvdChoices c = m_choices;
    c.menuChoices.title = text;
    setChoice(c);
}

void DvdSettingsDialog::onMenuBackground(int index)
{
    if (index < 0)
        return;
    const QVariant data = m_ui->menuBackgroundComboBox->itemData(index);
    DvdChoices c = m_choices;
    c.menuChoices.backdrop = MenuBackdrop(data.toList().value(0).toInt());
    c.menuChoices.photo = data.toList().value(1).toString();
    setChoice(c);
}

void DvdSettingsDialog::onMenuMusicToggled(bool on)
{
    DvdChoices c = m_choices;
    c.menuChoices.music = on;
    setChoice(c);
}

void DvdSettingsDialog::setAlbum(const Album &album)
{
    m_album = album;
    m_backdropItem = -2;
    m_backdrop = QImage();
    listMenuBackgrounds();
    showMenuChoices();
}

void DvdSettingsDialog::listMenuBackgrounds()
{
    // "First Photo", every present photo by its file name (with its
    // thumbnail as the show turns it), and a title card's look when the
    // album has cards. Each item holds the choice it stands for.
    QComboBox *box = m_ui->menuBackgroundComboBox;
    const QSignalBlocker block(box);
    box->clear();
    const auto data = [](MenuBackdrop backdrop, const QString &photo = QString()) {
        return QVariant(QVariantList{int(backdrop), photo});
    };
    box->addItem(tr("First Photo"), data(MenuBackdrop::FirstPhoto));
    bool cards = false;
    for (const ImageInfo &item : std::as_const(m_album.photos)) {
        cards = cards || item.isTitleCard();
        if (item.isTitleCard() || item.missing || item.path.isEmpty())
            continue;
        const QImage thumbnail = Framing::oriented(item.thumbnail, item.orientationCode);
        box->addItem(thumbnail.isNull() ? QIcon() : QIcon(QPixmap::fromImage(thumbnail)),
                     QFileInfo(item.path).fileName(), data(MenuBackdrop::Photo, item.path));
        box->setItemData(box->count() - 1, QDir::toNativeSeparators(item.path), Qt::ToolTipRole);
    }
    if (cards)
        box->addItem(tr("A Title Card's Look"), data(MenuBackdrop::TitleCard));
}

void DvdSettingsDialog::showMenuChoices()
{
    const MenuChoices &menu = m_choices.menuChoices;
    {
        const QSignalBlocker block(m_ui->menuTitleEdit);
        if (m_ui->menuTitleEdit->text() != menu.title)
            m_ui->menuTitleEdit->setText(menu.title);
    }
    // Without a title of its own the menu shows the volume label.
    m_ui->menuTitleEdit->setPlaceholderText(labelOf(m_choices.volumeLabel));
    {
        // The item the disc will use: a photo no longer in the album, or a
        // card's look without cards, shows as the first photo.
        QComboBox *box = m_ui->menuBackgroundComboBox;
        const QSignalBlocker block(box);
        int index = 0;
        for (int i = 0; i < box->count(); ++i) {
            const QVariantList data = box->itemData(i).toList();
            const MenuBackdrop backdrop = MenuBackdrop(data.value(0).toInt());
            if (backdrop == menu.backdrop && (backdrop != MenuBackdrop::Photo || data.value(1) == menu.photo))
                index = i;
        }
        box->setCurrentIndex(index);
    }
    const bool hasMusic = m_album.menuMusicClip() >= 0;
    m_ui->menuMusicCheckBox->setChecked(menu.music && hasMusic);
    m_ui->menuMusicCheckBox->setToolTip(
        hasMusic ? tr("The first music clip plays under the menu, faded in and out, again and again")
                 : tr("The album has no music"));
    m_ui->menuTitleEdit->setEnabled(m_choices.menu);
    m_ui->menuBackgroundComboBox->setEnabled(m_choices.menu);
    m_ui->labelMenuTitle->setEnabled(m_choices.menu);
    m_ui->labelMenuBackground->setEnabled(m_choices.menu);
    m_ui->menuMusicCheckBox->setEnabled(m_choices.menu && hasMusic);
    showMenuPreview();
}

void DvdSettingsDialog::showMenuPreview()
{
    // The main page as the disc will show it (made as for the disc), then
    // brought to its shape on the television at a small size.
    const bool wide = m_choices.aspect == DvdAspect::Wide;
    const QString title = m_choices.menuChoices.title.trimmed().isEmpty() ? labelOf(m_choices.volumeLabel)
                                                                          : m_choices.menuChoices.title;
    DvdMenuContent content = DvdGeneration::menuContent(m_album, title, m_choices.menuChoices);
    content.pal = m_choices.tvStandard == TvStandard::Pal;
    content.wide = wide;
    // The background is decoded once for the item it comes from, small.
    const int item = m_album.menuBackdropItem(m_choices.menuChoices);
    if (item != m_backdropItem) {
        m_backdropItem = item;
        m_backdrop = content.background ? content.background(QSize(384, 216)) : QImage();
    }
    if (!m_backdrop.isNull())
        content.background = [photo = m_backdrop](QSize) { return photo; };
    const QImage page = DvdMenuDesign::mainPage(content).picture;
    const int height = 108;
    m_menuPreview = page.scaled(height * (wide ? 16 : 4) / (wide ? 9 : 3), height, Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
    m_ui->menuPreview->setPixmap(QPixmap::fromImage(m_menuPreview));
    m_ui->menuPreview->setEnabled(m_choices.menu);
    m_ui->menuPreview->setToolTip(m_choices.menu ? tr("The menu's main page")
                                                 : tr("The disc starts the show at once"));
    if (!m_choices.menu)
        m_menuPreview = QImage();
}

void DvdSettingsDialog::onBurnClicked()
{
    // The destination is checked by the run; a refusal brings the person
    // back here with the reason.
    accept();
}

void DvdSettingsDialog::retranslate()
{
    const QString speed = m_ui->speedComboBox->currentData().toString();
    m_ui->retranslateUi(this);
    helper()->setAllWindowTitle(tr("DVD Settings"));
    m_ui->targetComboBox->updateDisp();
    listMenuBackgrounds();
    alignLabels();
    const int max = m_ui->speedComboBox->findData(QStringLiteral("Max"));
    if (max >= 0)
        m_ui->speedComboBox->setItemText(max, tr("Max"));
    m_ui->speedComboBox->setCurrentIndex(qMax(0, m_ui->speedComboBox->findData(speed)));
    // The choices stay; only their texts change.
    showChoices();
    updateDVDSize();
}
