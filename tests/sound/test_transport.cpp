// The editor window's preview as a person uses it: the transport buttons
// and their states, the end of the timeline, the volume, the keyboard,
// editing while playing, "Edit Audio" from the window, and what is heard:
// OpenAL Soft's wave backend records what the window plays, which is
// compared with the album's music for the played span.

#include <QtTest>

#include "../window/editortestutil.h"
#include "album/appsettings.h"
#include "dialogs/editaudiodialog.h"
#include "dialogs/clipsliderbar.h"
#include "window/previewplayer.h"
#include "engine/clipdecoder.h"
#include "engine/storyboardrender.h"
#include "framework/settingsstore.h"
#include "desktop/singleapplication.h"
#include "window/audiolistwidget.h"
#include "window/photolistwidget.h"
#include "window/editorwindow.h"
#include "soundtestutil.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

using namespace SoundTest;

class TestTransport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void playStateMachine();
    void endOfTimelineRewinds();
    void volumeAndMute();
    void positionSliderClickAndStripScroll();
    void editingWhilePlayingPausesFirst();
    void keyboard();
    void sampleAlbumPlaysItsMusic();
    void editAudioTrimsWhatThePreviewPlays();
    void ntscTimeCode();
    void withoutSoundDevice();
    void withoutSoundDeviceChild();

private:
    void openWindow();
    void closeWindow(Pcm *pcm = nullptr);
    template <typename T = QToolButton> T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        return w ? w : m_window->widgetFrame()->findChild<T *>(QString::fromLatin1(name));
    }
    void importPhotos(const QStringList &paths);
    void importAudio(const QStringList &paths);
    void clickPhotoRow(int row);
    // Runs a function on the next modal dialog (the window's exec() waits).
    void onNextDialog(std::function<void(QWidget *)> handle);

    QString m_dir;
    QString m_wav;
    QStringList m_photos;
    QString m_tones;
    std::unique_ptr<EditorWindow> m_window;
};

void TestTransport::initTestCase()
{
    QVERIFY(
        prepareSoundFolder(QStringLiteral("transport"), QStringLiteral("played.wav"), 48000, &m_dir, &m_wav));
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
    for (int i = 0; i < 20; ++i) {
        m_photos << m_dir + QStringLiteral("/p%1.png").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(EditorTest::writePhoto(m_photos.last(), 160, 120, qRgb(12 * i, 200 - 8 * i, 90)));
    }
    m_tones = m_dir + QStringLiteral("/tones.wav");
    QVERIFY(makeSecondTones(m_tones, 30, 48000, 2));
}

void TestTransport::init()
{
    resetMotionKeyCounter();
    openWindow();
}

void TestTransport::cleanup()
{
    m_window.reset();
}

void TestTransport::openWindow()
{
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->widgetFrame()));
}

void TestTransport::closeWindow(Pcm *pcm)
{
    // The sound device closes with the window's player: the WAV is complete.
    m_window.reset();
    if (pcm)
        *pcm = SoundTest::readWav(m_wav);
}

void TestTransport::importPhotos(const QStringList &paths)
{
    {
        EditorTest::ChooserAnswer answer(paths);
        QTest::mouseClick(child("importPicture"), Qt::LeftButton);
    }
    // The import dialog has come and gone: the window is active again.
    m_window->widgetFrame()->activateWindow();
}

void TestTransport::importAudio(const QStringList &paths)
{
    {
        EditorTest::ChooserAnswer answer(paths);
        QTest::mouseClick(child("importAudio"), Qt::LeftButton);
    }
    m_window->widgetFrame()->activateWindow();
}

void TestTransport::clickPhotoRow(int row)
{
    PhotoListWidget *strip = child<PhotoListWidget>("photoListWidget");
    strip->scrollToItem(strip->item(row));
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, EditorTest::rowCentre(strip, row));
}

void TestTransport::onNextDialog(std::function<void(QWidget *)> handle)
{
    // Polls from the event loop the window's exec() runs.
    auto *poll = new QTimer(this);
    poll->start(20);
    connect(poll, &QTimer::timeout, this, [poll, handle] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            handle(dialog);
        }
    });
}

void TestTransport::playStateMachine()
{
    importPhotos(m_photos.mid(0, 3));
    importAudio({m_tones});
    QToolButton *play = child("play");
    QToolButton *pause = child("pause");
    QToolButton *stop = child("stop");
    QVERIFY(child<PreviewPlayer>("previewPlayer")->isVisible());
    QVERIFY(!child<QLabel>("gettingStart")->isVisible());
    // Stopped.
    QCOMPARE(m_window->playState(), 0);
    QVERIFY(play->isVisible() && play->isEnabled());
    QVERIFY(!pause->isVisible());
    QVERIFY(!stop->isEnabled());
    QCOMPARE(play->toolTip(), QStringLiteral("Play (Space)"));

    // Playing: the settings are locked, the time code runs.
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(m_window->playState(), 1);
    QVERIFY(!play->isVisible());
    QVERIFY(pause->isVisible() && pause->isEnabled() && hasFocus(pause));
    QVERIFY(stop->isEnabled());
    for (const char *name : {"photoDuration", "transitionDuration", "useTransition", "useDynamicEffect",
                             "loopAudio", "editAudio", "dissolveOnly", "randomTransition", "syncWithAudio"})
        QVERIFY2(!child<QWidget>(name)->isEnabled(), name);
    QVERIFY(m_window->storyboard()->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= 30, 10000);
    const int total = m_window->storyboard()->totalFrames();
    QCOMPARE(child<QLabel>("timeCode")->text(), m_window->frameTimeText(m_window->currentFrame()) +
                                                    QStringLiteral(" / ") + m_window->frameTimeText(total));
    QCOMPARE(child<QSlider>("position")->value(), m_window->currentFrame());

    // Paused: the position stays, the audio thread has ended.
    QTest::mouseClick(pause, Qt::LeftButton);
    const int held = m_window->currentFrame();
    QCOMPARE(m_window->playState(), 2);
    QVERIFY(!m_window->storyboard()->isRunning());
    QVERIFY(play->isVisible() && play->isEnabled() && hasFocus(play));
    QVERIFY(stop->isEnabled());
    QVERIFY(child<QWidget>("editAudio")->isEnabled());
    QVERIFY(child<QWidget>("photoDuration")->isEnabled());
    QTest::qWait(200);
    QCOMPARE(m_window->currentFrame(), held);
    QCOMPARE(m_window->player()->position(), held);

    // Stopped again: back at the start.
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(m_window->playState(), 0);
    QCOMPARE(m_window->currentFrame(), 0);
    QVERIFY(!stop->isEnabled());
    QVERIFY(child<QLabel>("timeCode")->text().startsWith(QStringLiteral("00:00:00 / ")));

    // What was heard: the music from its start for the frames played.
    Pcm pcm;
    closeWindow(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    QVERIFY2(std::abs(regions[0].heard(48000) - held / 25.0) < 0.07,
             qPrintable(QStringLiteral("%1 s heard for %2 frames").arg(regions[0].heard(48000)).arg(held)));
    QVERIFY(std::abs(frequency(pcm, regions[0].begin + 2400, regions[0].begin + 40000) - toneOfSecond(0)) <
            10);
}

void TestTransport::endOfTimelineRewinds()
{
    // Twenty photos of one second without transitions: the strips are
    // wider than the window.
    QTest::mouseClick(child<QCheckBox>("useTransition"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!m_window->album()->settings.useTransition);
    auto *duration = child<QSpinBox>("photoDuration");
    duration->setValue(1000);
    importPhotos(m_photos);
    const int total = m_window->storyboard()->totalFrames();
    QCOMPARE(total, 500);
    QScrollBar *bar = child<QScrollBar>("stripScrollBar");
    QVERIFY(bar->maximum() > 0);
    // Near the end: the strips scroll there with the slider.
    child<QSlider>("position")->setValue(total - 15);
    QCOMPARE(m_window->currentFrame(), total - 15);
    QVERIFY(bar->value() > 0);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY2_WITH_TIMEOUT(m_window->playState() == 0,
                              qPrintable(QStringLiteral("state %1 at frame %2 of %3")
                                             .arg(m_window->playState())
                                             .arg(m_window->currentFrame())
                                             .arg(total)),
                              8000);
    QCOMPARE(m_window->currentFrame(), 0);
    QCOMPARE(m_window->player()->position(), 0);
    QCOMPARE(bar->value(), 0);
    QVERIFY(child("play")->isVisible() && child("play")->isEnabled());
    QVERIFY(!m_window->storyboard()->isRunning());
}

void TestTransport::volumeAndMute()
{
    importPhotos(m_photos.mid(0, 2));
    importAudio({m_tones});
    auto *volume = child<QSlider>("volume");
    QCOMPARE(volume->value(), 100);
    QCOMPARE(volume->width() % 2, 0);
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(volume->width() / 2, volume->height() / 2));
    QCOMPARE(volume->value(), 50);
    QTest::mouseClick(child("mute"), Qt::LeftButton);
    QVERIFY(!volume->isEnabled());
    QVERIFY(child("unmute")->isVisible() && hasFocus(child("unmute")));
    QVERIFY(!child("mute")->isVisible());
    // Muted: silent, while the picture runs.
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= 15, 10000);
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    const int muted = m_window->currentFrame();
    QTest::mouseClick(child("unmute"), Qt::LeftButton);
    QVERIFY(volume->isEnabled());
    QCOMPARE(volume->value(), 50);
    QVERIFY(child("mute")->isVisible() && hasFocus(child("mute")));
    // Unmuted at half volume: heard at half level.
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= muted + 12, 10000);
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    // A sine at half scale has an RMS of 0.5 / sqrt(2) of full scale,
    // brought to the show's level by the clip's loudness gain (a new album
    // evens out the loudness), then halved by the volume.
    const AudioInfo clip = m_window->album()->audios.first();
    QVERIFY(clip.loudness.measured);
    const double gain = std::pow(10.0, Loudness::gainDb(clip.loudness) / 20.0);
    Pcm pcm;
    closeWindow(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    const double level = rms(pcm, regions[0].begin + 2400, regions[0].begin + 16000);
    QVERIFY2(std::abs(level - gain * 0.5 * 0.5 / std::sqrt(2.0) * 32767) < 800 * gain,
             qPrintable(QString::number(level)));
}

void TestTransport::positionSliderClickAndStripScroll()
{
    // Ten photos of one second without transitions and no music: 250
    // frames, strips wider than half the window.
    QTest::mouseClick(child<QCheckBox>("useTransition"), Qt::LeftButton, {}, QPoint(8, 8));
    child<QSpinBox>("photoDuration")->setValue(1000);
    importPhotos(m_photos.mid(0, 10));
    QCOMPARE(m_window->storyboard()->totalFrames(), 250);
    auto *position = child<QSlider>("position");
    QScrollBar *bar = child<QScrollBar>("stripScrollBar");
    QVERIFY(bar->maximum() > 0);

    // The handle dragged to the middle: the strips show the middle of the
    // timeline in the middle of the bar.
    position->setValue(125);
    QCOMPARE(m_window->currentFrame(), 125);
    const int half = bar->width() / 2;
    QCOMPARE(bar->value(), qMax(0, int((half + bar->maximum()) * 0.5 - half)));
    QCOMPARE(child<PhotoListWidget>("photoListWidget")->horizontalScrollBar()->value(), bar->value());
    QCOMPARE(child<AudioListWidget>("audioListWidget")->horizontalScrollBar()->value(), bar->value());

    // A click on the groove while playing: the preview pauses there, at
    // the frame under the pointer.
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QCOMPARE(m_window->playState(), 1);
    const int x = position->width() / 5;
    QTest::mouseClick(position, Qt::LeftButton, {}, QPoint(x, position->height() / 2));
    QCOMPARE(m_window->playState(), 2);
    QVERIFY(!m_window->storyboard()->isRunning());
    QCOMPARE(m_window->currentFrame(), x * 250 / position->width());
    QCOMPARE(position->value(), m_window->currentFrame());
    QCOMPARE(m_window->player()->position(), m_window->currentFrame());
    QVERIFY(child<QLabel>("timeCode")->text().startsWith(m_window->frameTimeText(m_window->currentFrame())));
    // Page keys still page.
    position->setFocus();
    const int before = position->value();
    QTest::keyClick(position, Qt::Key_PageUp);
    QCOMPARE(position->value(), before + position->pageStep());
}

void TestTransport::editingWhilePlayingPausesFirst()
{
    importPhotos(m_photos.mid(0, 3));
    // A seek from the stopped state keeps it stopped.
    clickPhotoRow(2);
    QCOMPARE(m_window->playState(), 0);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QCOMPARE(m_window->playState(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() > m_window->storyboard()->timeline().photoStart(1),
                             10000);
    // Turning the selected photo is an edit: the preview pauses first, so
    // the audio thread never runs while the album changes.
    QTest::mouseClick(child("turnLeft"), Qt::LeftButton);
    QCOMPARE(m_window->playState(), 2);
    QVERIFY(!m_window->storyboard()->isRunning());
    QCOMPARE(m_window->album()->photos.at(1).orientationCode != 0, true);
    QVERIFY(child("play")->isVisible());
}

void TestTransport::keyboard()
{
    importPhotos(m_photos.mid(0, 4));
    clickPhotoRow(0);
    QWidget *preview = child<QWidget>("previewFrame");
    preview->setFocus();
    QVERIFY(hasFocus(preview));
    QTest::keyClick(preview, Qt::Key_Space);
    QCOMPARE(m_window->playState(), 1);
    QTest::qWait(300);
    // The pause button has the focus now; Space there pauses as well.
    QTest::keyClick(m_window->widgetFrame()->focusWidget(), Qt::Key_Space);
    QCOMPARE(m_window->playState(), 2);
    const int cycle = int(m_window->storyboard()->timeline().photoStart(1));
    preview->setFocus();
    // Right and Left step through the strip's rows, as Next and Previous.
    QTest::keyClick(preview, Qt::Key_Right);
    QCOMPARE(child<PhotoListWidget>("photoListWidget")->currentRow(), 1);
    QTest::keyClick(preview, Qt::Key_Right);
    QCOMPARE(child<PhotoListWidget>("photoListWidget")->currentRow(), 2);
    QCOMPARE(m_window->currentFrame(), cycle);
    QTest::keyClick(preview, Qt::Key_Left);
    QCOMPARE(child<PhotoListWidget>("photoListWidget")->currentRow(), 1);
    // Home goes back to the start.
    QTest::keyClick(preview, Qt::Key_Home);
    QCOMPARE(m_window->playState(), 0);
    QCOMPARE(m_window->currentFrame(), 0);
    QCOMPARE(child("next")->toolTip(), QStringLiteral("Next (Right)"));
    QCOMPARE(child("stop")->toolTip(), QStringLiteral("Stop (Home)"));
}

void TestTransport::sampleAlbumPlaysItsMusic()
{
    const QString album = qEnvironmentVariable("SORVEL_SOURCE_DIR") + QStringLiteral("/samples/album");
    EditorTest::MessageAnswer messages;
    m_window->openPaths({album});
    QCOMPARE(m_window->album()->photos.size(), 9);
    QCOMPARE(m_window->album()->audios.size(), 1);
    // The third photo: 2 x (5 s + 1.5 s) into the album.
    clickPhotoRow(4);
    const int start = m_window->currentFrame();
    QCOMPARE(start, 325); // 13 s at 25 frames a second
    QCOMPARE(start, int(m_window->storyboard()->timeline().photoStart(2)));
    // The preview shows a picture (the pixels of each frame are checked
    // against the off-screen drawing in test_player).
    const QImage shown = m_window->player()->grabFramebuffer();
    const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
    QVERIFY(qRed(centre) + qGreen(centre) + qBlue(centre) > 100);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= start + 37, 10000);
    screenshot(m_window->widgetFrame(), QStringLiteral("window-playing.png"));
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    const int played = m_window->currentFrame() - start;
    const AudioInfo music = m_window->album()->audios.first();
    const bool evenLoudness = m_window->album()->settings.evenLoudness;

    Pcm pcm;
    closeWindow(&pcm);
    const auto regions = soundRegions(pcm, 0.2, 30);
    QVERIFY(!regions.empty());
    // The album's music from 13 s on, decoded as the storyboard does.
    ClipDecoder decoder;
    AudioInfo wanted;
    wanted.channels = 2;
    wanted.sampleRate = 48000;
    wanted.bitsPerSample = 16;
    wanted.clipEnd = music.clipEnd;
    QVERIFY(decoder.open(music, wanted));
    decoder.seek(start / 25.0);
    std::vector<uint8_t> storage(7680 * 256 + kAudioRingSlack);
    AudioRing ring;
    ring.data = storage.data();
    ring.capacity = 7680 * 256;
    decoder.decodeInto(ring, 7680);
    const auto *decoded = reinterpret_cast<const int16_t *>(ring.data);
    // A new album evens out the loudness: the preview plays the clip at
    // its measured gain, as the DVD will.
    QVERIFY(evenLoudness);
    QVERIFY(music.loudness.measured);
    const double gain = std::pow(10.0, Loudness::gainDb(music.loudness) / 20.0);
    std::vector<int16_t> scaled(size_t(ring.filled / 2));
    for (size_t i = 0; i < scaled.size(); ++i)
        scaled[i] = int16_t(std::lrint(std::clamp(decoded[i] * gain, -32768.0, 32767.0)));
    const int16_t *source = scaled.data();
    const int64_t compare = 48000; // one second of stereo frames
    QVERIFY(ring.filled >= compare * 4);
    // Where the played music starts in the recording (the first loud
    // sample may lie a little after it), and how closely it matches.
    double best = 1e18;
    int64_t begin = -1;
    for (int64_t offset = std::max<int64_t>(0, regions[0].begin - 4000); offset <= regions[0].begin;
         ++offset) {
        double diff = 0;
        for (int64_t i = 0; i < 2000; i += 4)
            diff += std::abs(int(pcm.at(offset + i, 0)) - int(source[i * 2]));
        if (diff < best) {
            best = diff;
            begin = offset;
        }
    }
    QVERIFY(begin >= 0);
    double sum = 0;
    for (int64_t i = 0; i < compare; ++i)
        sum += std::abs(int(pcm.at(begin + i, 0)) - int(source[i * 2])) +
               std::abs(int(pcm.at(begin + i, 1)) - int(source[i * 2 + 1]));
    QVERIFY2(sum / (compare * 2) < 4.0, qPrintable(QString::number(sum / (compare * 2))));
    // And it lasted the frames the picture advanced.
    QVERIFY(std::abs(regions.back().end - begin - played * 1920) < 1920 + 9600);
}

void TestTransport::editAudioTrimsWhatThePreviewPlays()
{
    importPhotos(m_photos.mid(0, 2));
    child<QSpinBox>("photoDuration")->setValue(10000);
    importAudio({m_tones});
    // "Edit Audio": trim the clip to 10 s .. 20 s with the slider bar.
    onNextDialog([](QWidget *dialog) {
        auto *bar = dialog->findChild<ClipSliderBar *>(QStringLiteral("sliderClipping"));
        const int y = bar->foreTop() + 3;
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(20) + 1, y));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("setOutPoint")), Qt::LeftButton);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(10) + 1, y));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("setInPoint")), Qt::LeftButton);
        screenshot(dialog, QStringLiteral("window-editaudio.png"));
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>("editAudio"), Qt::LeftButton);
    QCOMPARE(m_window->album()->audios.at(0).clipStart, 10.0);
    QCOMPARE(m_window->album()->audios.at(0).clipEnd, 20.0);
    QCOMPARE(child<QLabel>("audioLength")->text(), QStringLiteral("00:00:10"));

    // A double click on the clip opens the dialog on it; Cancel keeps all.
    QString current;
    onNextDialog([&current](QWidget *dialog) {
        current = dialog->findChild<QTreeWidget *>()->currentItem()->text(2);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    AudioListWidget *strip = child<AudioListWidget>("audioListWidget");
    // A person's double click: press, release, the second press, release.
    const QPoint clip = EditorTest::rowCentre(strip, 0);
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, clip);
    QTest::mouseDClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, clip);
    QTest::mouseRelease(strip->viewport(), Qt::LeftButton, Qt::NoModifier, clip);
    QCOMPARE(current, QStringLiteral("00:00:10"));
    QCOMPARE(m_window->album()->audios.at(0).clipStart, 10.0);

    // The preview plays the trimmed span: from 0 the music of second 10 ...
    child<QSlider>("position")->setValue(0);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= 30, 10000);
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    // (A moment of silence parts the two stretches in the recording.)
    QTest::qWait(200);
    // ... and after 9.5 s the last half second of it, then silence.
    child<QSlider>("position")->setValue(237);
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= 237 + 25, 10000);
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    Pcm pcm;
    closeWindow(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 2);
    QVERIFY(std::abs(frequency(pcm, regions[0].begin + 2400, regions[0].begin + 40000) - toneOfSecond(10)) <
            10);
    QVERIFY(std::abs(frequency(pcm, regions[1].begin + 1000, regions[1].begin + 20000) - toneOfSecond(19)) <
            15);
    // 237 frames = 9.48 s: 0.52 s of the clip remain.
    QVERIFY2(std::abs(regions[1].heard(48000) - 0.52) < 0.05,
             qPrintable(QString::number(regions[1].heard(48000))));
}

void TestTransport::ntscTimeCode()
{
    m_window.reset();
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("NTSC"));
    openWindow();
    QCOMPARE(m_window->frameTimeText(1800), QStringLiteral("00:01:00"));
    importPhotos(m_photos.mid(0, 1));
    QCOMPARE(m_window->player()->format().frameRateNum, 30000);
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
}

void TestTransport::withoutSoundDevice()
{
    m_window.reset();
    QByteArray output;
    QVERIFY2(passesWithoutSoundDevice("TestTransport", "withoutSoundDeviceChild", &output),
             output.constData());
}

void TestTransport::withoutSoundDeviceChild()
{
    if (!inNoDeviceChild())
        QSKIP("runs in the child process of withoutSoundDevice");
    // The window says so once in its status line, and previews pictures.
    const QString note = m_window->widgetFrame()->statusBar()->currentMessage();
    QVERIFY2(note.startsWith(QStringLiteral("Sound is not available")), qPrintable(note));
    importPhotos(m_photos.mid(0, 2));
    importAudio({m_tones});
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(child("play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->currentFrame() >= 25, 10000);
    QTest::mouseClick(child("pause"), Qt::LeftButton);
    // Clocked by the time that passed, at the frame rate.
    QVERIFY2(m_window->currentFrame() <= clock.elapsed() * 25 / 1000 + 1,
             qPrintable(QString::number(m_window->currentFrame())));
    const QImage shown = m_window->player()->grabFramebuffer();
    const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
    QVERIFY(qRed(centre) + qGreen(centre) + qBlue(centre) > 100);
    // "Edit Audio" opens without sound too.
    onNextDialog([](QWidget *dialog) {
        QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("noSoundNote"))->isVisible());
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>("editAudio"), Qt::LeftButton);
}

int main(int argc, char **argv)
{
    SingleApplication app(QString(), argc, argv);
    app.initSettings();
    TestTransport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_transport.moc"
