#include "dialogs/editaudiodialog.h"

#include "ui_editaudiodialog.h"

#include <QGuiApplication>

#include "album/appsettings.h"
#include "album/loudness.h"
#include "album/mediatypes.h"
#include "album/probe.h"
#include "desktop/widgetsupport.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcAudioEdit, "sorvel.audioedit")

namespace {

constexpr int kBytesPerSecond = EditAudioDialog::kSampleRate * EditAudioDialog::kChannels * 2;
// What the GUI thread may decode at once, in time and in buffers: when
// playback starts (about a second of sound), and on every refill tick (the
// queue grows to its 256 buffers over the first ticks).
constexpr int kPrimeBudgetMs = 15;
constexpr int kPrimeBuffers = 24;
constexpr int kTickBudgetMs = 3;
constexpr int kTickBuffers = 8;
// The PCM waiting between decoder and OpenAL: 256 chunks plus the room one
// decode call may overshoot by.
constexpr int kPcmCapacity = EditAudioDialog::kChunkBytes * AudioOutput::kBufferCount;

QIcon themeIcon(const char *name)
{
    return Desktop::symbolicThemeIcon(QString::fromLatin1(name));
}

// An icon of the skin, or the text when the skin lacks it.
void setSkinIcon(QPushButton *button, const QString &picture, const QString &fallbackText)
{
    const QIcon icon(picture);
    if (icon.pixmap(16, 16).isNull())
        button->setText(fallbackText);
    else
        button->setIcon(Desktop::withFadedDisabled(icon));
}

QString audioFileFilter()
{
    return MediaTypes::audioDialogFilter();
}

} // namespace

EditAudioDialog::EditAudioDialog(const QList<AudioInfo> &audios, QWidget *parent)
    : DialogBase(parent), ui(std::make_unique<Ui::EditAudioDialog>()), m_audios(audios)
{
    // 1-2: the list, the form; nothing to delete or move until a row is current.
    ui->setupUi(this);
    ui->deleteClip->setEnabled(false);
    ui->moveUp->setEnabled(false);
    ui->moveDown->setEnabled(false);
    ui->pause->hide();

    ui->add->setIcon(themeIcon("list-add"));
    ui->deleteClip->setIcon(themeIcon("list-remove"));
    ui->moveUp->setIcon(themeIcon("go-up"));
    ui->moveDown->setIcon(themeIcon("go-down"));
    ui->play->setIcon(themeIcon("media-playback-start"));
    ui->pause->setIcon(themeIcon("media-playback-pause"));
    ui->stop->setIcon(themeIcon("media-playback-stop"));
    ui->mute->setIcon(themeIcon("audio-volume-high"));
    ui->unmute->setIcon(themeIcon("audio-volume-muted"));
    setSkinIcon(ui->playSegment, QStringLiteral("skin:sliderbar/play_segment.png"), QStringLiteral("[>]"));
    setSkinIcon(ui->setInPoint, QStringLiteral("skin:sliderbar/set_in.png"), QStringLiteral("["));
    setSkinIcon(ui->setOutPoint, QStringLiteral("skin:sliderbar/set_out.png"), QStringLiteral("]"));

    // 3: the rows.
    QHeaderView *header = ui->treeWidget->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column <= 3; ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        ui->treeWidget->setColumnWidth(column, 80);
    }
    for (const AudioInfo &info : std::as_const(m_audios)) {
        auto *item = new QTreeWidgetItem(ui->treeWidget);
        fillRow(item, info);
    }

    // 4-5: the sound output and the PCM between decoder and output.
    m_outputFormat.channels = kChannels;
    m_outputFormat.sampleRate = kSampleRate;
    m_outputFormat.bitsPerSample = 16;
    m_pcmStorage.assign(size_t(kPcmCapacity) + kAudioRingSlack, 0);
    m_pcm.data = m_pcmStorage.data();
    m_pcm.capacity = kPcmCapacity;
    m_slicer.reset(kChunkBytes, kChannels);
    m_soundAvailable = m_output.open() && m_output.setFormat(kChannels, kSampleRate);
    if (!m_soundAvailable) {
        qCInfo(lcAudioEdit).noquote() << "playback unavailable:" << m_output.errorString();
        m_output.close();
        ui->noSoundNote->setText(
            tr("Sound is not available: %1 The clips can still be ordered and trimmed, but not played.")
                .arg(m_output.errorString()));
        ui->noSoundNote->show();
    }
    m_refill = new QTimer(this);
    m_refill->setTimerType(Qt::PreciseTimer);
    connect(m_refill, &QTimer::timeout, this, &EditAudioDialog::updateAudioBuffer);

    // 7: the slider bar shows the thumb, the segment and the tags.
    ui->sliderClipping->setMinClipLength(1);
    ui->sliderClipping->setType(ClipSliderBar::ShowThumb | ClipSliderBar::ShowClipSegment |
                                ClipSliderBar::ShowClipTags);
    connect(ui->sliderClipping, &ClipSliderBar::clipStartChanged, this, &EditAudioDialog::onClipStartChanged);
    connect(ui->sliderClipping, &ClipSliderBar::clipEndChanged, this, &EditAudioDialog::onClipEndChanged);
    connect(ui->sliderClipping, &ClipSliderBar::thumbMouseRelease, this,
            &EditAudioDialog::onThumbMouseRelease);
    connect(ui->sliderClipping, &ClipSliderBar::valueChanged, this, &EditAudioDialog::onSliderValueChanged);

    // 6: the first clip, or nothing to play.
    if (m_audios.isEmpty()) {
        setPlaybackControlsEnabled(false);
    } else {
        ui->treeWidget->setCurrentItem(ui->treeWidget->topLevelItem(0));
    }

    // 8: volume.
    ui->unmute->hide();
    ui->volume->setRange(0, 100);
    ui->volume->setValue(100);
    Desktop::trackSliderClicks(ui->volume);
    connect(ui->volume, &QSlider::valueChanged, this, &EditAudioDialog::setVolume);
    connect(ui->volume, &QSlider::actionTriggered, this, &EditAudioDialog::on_volumePositionAction_triggered);
    if (!m_soundAvailable) {
        ui->mute->setEnabled(false);
        ui->volume->setEnabled(false);
    }

    // 9.
    helper()->setAllWindowTitle(tr("Edit Audio"));
    setFixedSize(360, 450);
}

EditAudioDialog::~EditAudioDialog()
{
    m_refill->stop();
    m_output.stop();
}

QString EditAudioDialog::timeText(double seconds)
{
    const int64_t s = seconds > 0 ? int64_t(seconds) : 0;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

void EditAudioDialog::fillRow(QTreeWidgetItem *item, const AudioInfo &info)
{
    item->setText(0, QFileInfo(info.path).fileName());
    item->setToolTip(0, info.path);
    item->setText(1, timeText(info.duration));
    item->setText(2, timeText(info.clipStart));
    item->setText(3, timeText(info.clipEnd));
}

int EditAudioDialog::currentIndex() const
{
    QTreeWidgetItem *item = ui->treeWidget->currentItem();
    const int row = item ? ui->treeWidget->indexOfTopLevelItem(item) : -1;
    return row >= 0 && row < m_audios.size() ? row : -1;
}

AudioInfo *EditAudioDialog::current()
{
    const int row = currentIndex();
    return row >= 0 ? &m_audios[row] : nullptr;
}

void EditAudioDialog::setCurrentRow(int row)
{
    if (row >= 0 && row < ui->treeWidget->topLevelItemCount())
        ui->treeWidget->setCurrentItem(ui->treeWidget->topLevelItem(row));
}

void EditAudioDialog::setPlaybackControlsEnabled(bool enabled)
{
    const bool sound = enabled && m_soundAvailable && m_decoderOpen;
    ui->play->setEnabled(sound);
    ui->pause->setEnabled(sound);
    ui->playSegment->setEnabled(sound);
    ui->stop->setEnabled(sound && m_playing);
    ui->sliderClipping->setEnabled(enabled);
    ui->setInPoint->setEnabled(enabled);
    ui->setOutPoint->setEnabled(enabled);
}

void EditAudioDialog::updateLabel()
{
    const AudioInfo *info = current();
    ui->label->setText(timeText(info ? m_position : 0.0) + QStringLiteral(" / ") +
                       timeText(info ? info->duration : 0.0));
}

void EditAudioDialog::updatePointButtons()
{
    const AudioInfo *info = current();
    if (!info || !ui->sliderClipping->isEnabled())
        return;
    ui->setInPoint->setEnabled(info->clipEnd - 1 > m_position);
    ui->setOutPoint->setEnabled(info->clipStart + 1 < m_position);
}

// ---------------------------------------------------------------------------
// The list

void EditAudioDialog::on_treeWidget_currentItemChanged(QTreeWidgetItem *item, QTreeWidgetItem *)
{
    const bool hasRow = item != nullptr;
    ui->deleteClip->setEnabled(hasRow);
    ui->moveUp->setEnabled(hasRow);
    ui->moveDown->setEnabled(hasRow);
    on_stop_clicked();
    m_decoder.close();
    m_decoderOpen = false;
    const int row = currentIndex();
    if (row >= 0) {
        ui->moveUp->setEnabled(row > 0);
        ui->moveDown->setEnabled(row < m_audios.size() - 1);
        const AudioInfo &info = m_audios[row];
        AudioInfo wanted = m_outputFormat;
        wanted.clipStart = 0.0;
        wanted.clipEnd = 0.0; // the whole file: a segment is cut by its length
        m_decoderOpen = m_decoder.open(info, wanted);
        if (!m_decoderOpen)
            qCWarning(lcAudioEdit).noquote() << m_decoder.errorString();
        ClipSliderBar *slider = ui->sliderClipping;
        // A clip shorter than a second has no range to trim in.
        const bool ranged = slider->setRange(0, int(info.duration));
        slider->setClipStartValue(int(info.clipStart));
        slider->setClipEndValue(int(info.clipEnd));
        slider->setValue(0);
        setPlaybackControlsEnabled(true);
        if (!ranged) {
            slider->setEnabled(false);
            ui->setInPoint->setEnabled(false);
            ui->setOutPoint->setEnabled(false);
        }
        ui->stop->setEnabled(false);
    } else {
        setPlaybackControlsEnabled(false);
    }
    m_position = 0.0;
    updateLabel();
}

void EditAudioDialog::selectAfterEdit(int row)
{
    // The tree's own current-item changes during a take or insert point at
    // rows the list does not match yet; the change is run once here.
    QTreeWidgetItem *item = row >= 0 ? ui->treeWidget->topLevelItem(row) : nullptr;
    {
        const QSignalBlocker blocker(ui->treeWidget);
        ui->treeWidget->setCurrentItem(item);
    }
    on_treeWidget_currentItemChanged(ui->treeWidget->currentItem(), nullptr);
}

void EditAudioDialog::on_moveUp_clicked()
{
    moveCurrentRow(-1);
}

void EditAudioDialog::on_moveDown_clicked()
{
    moveCurrentRow(+1);
}

void EditAudioDialog::moveCurrentRow(int step)
{
    const int row = currentIndex();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_audios.size())
        return;
    on_stop_clicked();
    {
        const QSignalBlocker blocker(ui->treeWidget);
        QTreeWidgetItem *item = ui->treeWidget->takeTopLevelItem(row);
        ui->treeWidget->insertTopLevelItem(target, item);
    }
    m_audios.move(row, target);
    selectAfterEdit(target);
}

void EditAudioDialog::on_deleteClip_clicked()
{
    const int row = currentIndex();
    if (row < 0)
        return;
    on_stop_clicked();
    {
        const QSignalBlocker blocker(ui->treeWidget);
        delete ui->treeWidget->takeTopLevelItem(row);
    }
    m_audios.removeAt(row);
    if (m_audios.isEmpty()) {
        selectAfterEdit(-1);
        ui->deleteClip->setEnabled(false);
        ui->label->setText(QStringLiteral("00:00:00 / 00:00:00"));
    } else {
        selectAfterEdit(std::min(row, int(m_audios.size()) - 1));
    }
}

void EditAudioDialog::addClips(const QList<AudioInfo> &clips)
{
    for (const AudioInfo &info : clips) {
        m_audios.append(info);
        auto *item = new QTreeWidgetItem;
        fillRow(item, info);
        const QSignalBlocker blocker(ui->treeWidget);
        ui->treeWidget->addTopLevelItem(item);
    }
    if (!clips.isEmpty() && currentIndex() < 0)
        setCurrentRow(0);
}

void EditAudioDialog::on_add_clicked()
{
    SettingsStore *pref = AppSettings::pref();
    const QStringList files = FileChooser::getOpenFileNames(
        this, tr("Select One or More Files"), AppSettings::audioLastDir(pref), audioFileFilter());
    if (files.isEmpty())
        return;
    if (pref)
        pref->setValue(AppSettings::kAudioLastDir, QFileInfo(files.first()).absolutePath());
    const int before = currentIndex();
    QStringList failed;
    // Each clip is measured as the window's import measures it (its
    // loudness for "Even out the loudness"); decoding it whole also finds a
    // file that opens but does not play.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    for (const QString &path : files) {
        AudioInfo info;
        QString error;
        if (!probeAudio(info, path) || !Loudness::measure(path, &info.loudness, &error)) {
            failed.append(path);
            continue;
        }
        info.path = path;
        m_audios.append(info);
        auto *item = new QTreeWidgetItem;
        fillRow(item, info);
        const QSignalBlocker blocker(ui->treeWidget);
        ui->treeWidget->addTopLevelItem(item);
    }
    QGuiApplication::restoreOverrideCursor();
    if (before >= 0) {
        // The clip being edited stays current; only the move buttons change.
        ui->moveDown->setEnabled(before < m_audios.size() - 1);
    } else if (!m_audios.isEmpty()) {
        selectAfterEdit(0);
    }
    if (!failed.isEmpty()) {
        QString text = tr("Some files have not been added to the list:\n");
        for (const QString &path : std::as_const(failed))
            text += QStringLiteral("%1\t").arg(QDir::toNativeSeparators(path));
        MessageBox::info(text, tr("Edit Audio"), this);
    }
}

// ---------------------------------------------------------------------------
// Playback

double EditAudioDialog::playedSeconds() const
{
    return m_startTime + double(m_playedBytes + m_output.playedBytesOfFront()) / kBytesPerSecond;
}

void EditAudioDialog::haltOutput()
{
    m_refill->stop();
    if (m_playing) {
        m_output.pause();
        m_output.reclaimProcessed(&m_playedBytes);
        m_position = playedSeconds();
    }
    m_output.stop();
    m_slicer.clearCarry();
}

void EditAudioDialog::startFrom(double seconds)
{
    m_output.stop();
    m_pcm.filled = m_pcm.read = 0;
    m_slicer.clearCarry();
    m_startTime = seconds;
    m_position = seconds;
    m_playedBytes = 0;
    m_queuedBytes = 0;
    m_limitBytes = -1;
    const AudioInfo *info = current();
    if (m_segmentMode && info) {
        const int64_t frames = int64_t(std::llround((info->clipEnd - seconds) * kSampleRate));
        m_limitBytes = std::max<int64_t>(0, frames) * kChannels * 2;
    }
    m_decoder.seek(seconds);
    fillQueue(kPrimeBudgetMs, kPrimeBuffers);
    m_output.play();
    m_refill->start(5);
}

void EditAudioDialog::fillQueue(int budgetMs, int maxBuffers)
{
    QElapsedTimer clock;
    clock.start();
    for (int queued = 0; queued < maxBuffers && m_output.freeBuffers() > 0;) {
        const int64_t left = m_limitBytes >= 0 ? m_limitBytes - m_queuedBytes : -1;
        if (left == 0)
            return;
        const uint8_t *data = nullptr;
        const int bytes = m_slicer.take(m_pcm, &data, m_decoder.endOfClip(), left);
        if (bytes > 0) {
            if (!m_output.enqueue(data, bytes))
                return;
            m_queuedBytes += bytes;
            ++queued;
            continue;
        }
        if (m_decoder.endOfClip() || clock.elapsed() >= budgetMs)
            return;
        // A little more PCM: about one buffer's worth per decode call.
        m_decoder.decodeTo(m_pcm, std::min(m_pcm.filled + kChunkBytes, m_pcm.capacity));
    }
}

void EditAudioDialog::on_play_clicked()
{
    if (!m_soundAvailable || !current())
        return;
    m_playing = true;
    m_segmentMode = false;
    // Continue where playback paused unless the thumb was moved since.
    const int thumb = ui->sliderClipping->value();
    startFrom(thumb == int(m_position) ? m_position : double(thumb));
    ui->play->hide();
    ui->pause->show();
    ui->pause->setEnabled(true);
    ui->stop->setEnabled(true);
    ui->playSegment->setEnabled(false);
    ui->pause->setFocus();
}

void EditAudioDialog::on_playSegment_clicked()
{
    AudioInfo *info = current();
    if (!m_soundAvailable || !info)
        return;
    m_playing = true;
    m_segmentMode = true;
    ui->sliderClipping->setValue(int(info->clipStart));
    startFrom(info->clipStart);
    ui->playSegment->hide();
    ui->pause->show();
    ui->pause->setEnabled(true);
    ui->stop->setEnabled(true);
    ui->play->setEnabled(false);
    ui->pause->setFocus();
}

void EditAudioDialog::on_pause_clicked()
{
    haltOutput();
    m_playing = false;
    ui->pause->hide();
    ui->play->show();
    ui->playSegment->show();
    ui->play->setEnabled(m_soundAvailable && m_decoderOpen);
    ui->playSegment->setEnabled(m_soundAvailable && m_decoderOpen);
    if (m_segmentMode)
        ui->playSegment->setFocus();
    else
        ui->play->setFocus();
    ui->sliderClipping->setValue(int(m_position));
    updatePointButtons();
    updateLabel();
}

void EditAudioDialog::on_stop_clicked()
{
    on_pause_clicked();
    ui->stop->setEnabled(false);
    ui->play->setFocus();
    m_position = 0.0;
    m_segmentMode = false;
    ui->sliderClipping->setValue(0);
    updateLabel();
}

void EditAudioDialog::updateAudioBuffer()
{
    const AudioInfo *info = current();
    if (!m_playing || !info) {
        m_refill->stop();
        return;
    }
    const int processed = m_output.reclaimProcessed(&m_playedBytes);
    if (processed > 10)
        qCDebug(lcAudioEdit, "Notice: Processed %d buffers!", processed);
    fillQueue(kTickBudgetMs, kTickBuffers);
    // Restarts the source should it have run dry while the decoder lagged.
    m_output.play();

    m_position = playedSeconds();
    ui->sliderClipping->setValue(int(m_position));
    updateLabel();
    const bool drained = m_output.queuedBuffers() == 0 &&
                         (m_decoder.endOfClip() || (m_limitBytes >= 0 && m_queuedBytes >= m_limitBytes));
    if ((m_segmentMode && info->clipEnd <= m_position) || m_position >= info->duration || drained) {
        on_stop_clicked();
        return;
    }
    updatePointButtons();
}

void EditAudioDialog::onThumbMouseRelease(int value)
{
    m_position = value;
    if (m_playing) {
        m_segmentMode = false;
        startFrom(value);
        ui->playSegment->show();
        ui->playSegment->setEnabled(false);
    }
    updatePointButtons();
    updateLabel();
}

void EditAudioDialog::onSliderValueChanged(int value)
{
    if (m_playing)
        return;
    m_position = value;
    updatePointButtons();
    updateLabel();
}

// ---------------------------------------------------------------------------
// In and out points

void EditAudioDialog::on_setInPoint_clicked()
{
    AudioInfo *info = current();
    if (!info)
        return;
    const int value = ui->sliderClipping->value();
    if (value > info->clipEnd - 1)
        return;
    info->clipStart = value;
    ui->sliderClipping->setClipStartValue(value);
    fillRow(ui->treeWidget->currentItem(), *info);
    updatePointButtons();
}

void EditAudioDialog::on_setOutPoint_clicked()
{
    AudioInfo *info = current();
    if (!info)
        return;
    const int value = ui->sliderClipping->value();
    if (value < info->clipStart + 1)
        return;
    info->clipEnd = value;
    ui->sliderClipping->setClipEndValue(value);
    fillRow(ui->treeWidget->currentItem(), *info);
    updatePointButtons();
}

void EditAudioDialog::onClipStartChanged(int value)
{
    if (AudioInfo *info = current()) {
        info->clipStart = value;
        fillRow(ui->treeWidget->currentItem(), *info);
        updatePointButtons();
    }
}

void EditAudioDialog::onClipEndChanged(int value)
{
    if (AudioInfo *info = current()) {
        info->clipEnd = value;
        fillRow(ui->treeWidget->currentItem(), *info);
        updatePointButtons();
    }
}

// ---------------------------------------------------------------------------
// Volume

void EditAudioDialog::setVolume(int value)
{
    m_output.setGain(value / 100.0);
}

void EditAudioDialog::on_volumePositionAction_triggered()
{
    const int value = Desktop::clickedSliderValue(ui->volume, 100);
    if (value >= 0)
        ui->volume->setSliderPosition(value);
}

void EditAudioDialog::on_mute_clicked()
{
    m_output.setGain(0.0);
    ui->volume->setEnabled(false);
    ui->mute->hide();
    ui->unmute->show();
    ui->unmute->setFocus();
}

void EditAudioDialog::on_unmute_clicked()
{
    m_output.setGain(ui->volume->value() / 100.0);
    ui->volume->setEnabled(true);
    ui->unmute->hide();
    ui->mute->show();
    ui->mute->setFocus();
}
