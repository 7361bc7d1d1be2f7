#pragma once

// The "Edit Audio" dialog: orders, trims and auditions the clips of the
// soundtrack. It works on a copy of the album's clips; exec() returning
// Accepted means audioList() holds the edited list.
//
// Playback goes straight to OpenAL (AudioOutput): the clip is decoded to
// 16-bit stereo PCM at 44100 Hz and queued in buffers of 1/25 s. The
// decoding is done a little at a time on the GUI thread: every start fills
// the queue for at most a few milliseconds, and every tick of the 5 ms
// refill timer tops it up within a small time budget, so a long clip never
// stalls the dialog. Without a sound device the dialog still edits; the
// playback buttons are disabled and a note says why.

#include "album/album.h"
#include "engine/audiooutput.h"
#include "engine/clipdecoder.h"
#include "desktop/dialogbase.h"

#include <QList>

#include <memory>
#include <vector>

class QTimer;
class QTreeWidgetItem;
namespace Ui {
class EditAudioDialog;
}

class EditAudioDialog : public DialogBase
{
    Q_OBJECT
public:
    // Output format of the playback and the PCM per buffer.
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kChunkBytes = 7056; // 1/25 s of 16-bit stereo at 44100 Hz

    explicit EditAudioDialog(const QList<AudioInfo> &audios, QWidget *parent = nullptr);
    ~EditAudioDialog() override;

    QList<AudioInfo> audioList() const { return m_audios; }
    // Makes row i current (the clip the person double-clicked).
    void setCurrentRow(int row);
    // Appends clips to the list (clips added to the album while the dialog
    // is open), so that OK keeps them.
    void addClips(const QList<AudioInfo> &clips);
    // False when no sound device could be opened (playback is off).
    bool soundAvailable() const { return m_soundAvailable; }
    // The playback position in seconds.
    double position() const { return m_position; }
    bool isPlaying() const { return m_playing; }
    // Buffers waiting in the sound card's queue (diagnostics and tests).
    int queuedBuffers() const { return m_output.queuedBuffers(); }

    // "hh:mm:ss" of whole seconds.
    static QString timeText(double seconds);

private Q_SLOTS:
    void on_add_clicked();
    void on_deleteClip_clicked();
    void on_moveUp_clicked();
    void on_moveDown_clicked();
    void on_treeWidget_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_play_clicked();
    void on_pause_clicked();
    void on_playSegment_clicked();
    void on_stop_clicked();
    void on_setInPoint_clicked();
    void on_setOutPoint_clicked();
    void updateAudioBuffer();
    void onClipStartChanged(int value);
    void onClipEndChanged(int value);
    void onThumbMouseRelease(int value);
    void setVolume(int value);
    void on_mute_clicked();
    void on_unmute_clicked();

private:
    // A click on the volume slider's groove puts the handle there.
    void on_volumePositionAction_triggered();
    // The thumb moved by the wheel or a click while nothing plays.
    void onSliderValueChanged(int value);

    int currentIndex() const;
    AudioInfo *current();
    void fillRow(QTreeWidgetItem *item, const AudioInfo &info);
    void setPlaybackControlsEnabled(bool enabled);
    void updatePointButtons();
    void updateLabel();
    // Stops the source and takes the buffers back, keeping the position
    // exact to the sample frame.
    void haltOutput();
    // Positions the decoder, fills the queue (bounded) and starts.
    void startFrom(double seconds);
    // Decodes and queues until the queue is full, the clip (or segment)
    // ends, maxBuffers were queued or budgetMs have passed.
    void fillQueue(int budgetMs, int maxBuffers);
    double playedSeconds() const;
    void selectAfterEdit(int row);
    // Moves the current clip one row up (-1) or down (+1).
    void moveCurrentRow(int step);

    std::unique_ptr<Ui::EditAudioDialog> ui;
    QList<AudioInfo> m_audios;
    double m_position = 0.0;
    ClipDecoder m_decoder;
    bool m_decoderOpen = false;
    AudioInfo m_outputFormat;
    std::vector<uint8_t> m_pcmStorage;
    AudioRing m_pcm;
    PcmSlicer m_slicer;
    AudioOutput m_output;
    bool m_soundAvailable = false;
    bool m_playing = false;
    bool m_segmentMode = false;
    QTimer *m_refill = nullptr;
    // Playback accounting since the last start.
    double m_startTime = 0.0;
    int64_t m_playedBytes = 0;
    int64_t m_queuedBytes = 0;
    int64_t m_limitBytes = -1; // end of the segment, -1: the end of the file
};
