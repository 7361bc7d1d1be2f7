// The "Edit Audio" dialog as a person uses it, with real decoding and real
// OpenAL Soft playing into a WAV file (wave backend): what is heard is
// checked second by second against clips whose every second is a tone.

#include <QtTest>

#include "album/mediatypes.h"

#include "dialogs/editaudiodialog.h"
#include "dialogs/clipsliderbar.h"
#include "album/probe.h"
#include "desktop/application.h"
#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"
#include "soundtestutil.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>

using namespace SoundTest;

namespace {

template <typename T = QPushButton> T *child(QWidget *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no widget %s", name);
    return widget;
}

// Clicks the clip slider bar's groove at a value (below the thumb's row of
// pixels, away from the tags).
void clickBarAt(QWidget *dialog, int value)
{
    auto *bar = child<ClipSliderBar>(dialog, "sliderClipping");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(value) + 1, bar->foreTop() + 3));
}

QString rowText(QWidget *dialog, int row, int column)
{
    QTreeWidgetItem *item = child<QTreeWidget>(dialog, "treeWidget")->topLevelItem(row);
    return item ? item->text(column) : QString();
}

} // namespace

class TestAudioEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void emptySoundtrack();
    void rowsOrderAndDeletion();
    void pointsAndTheirButtons();
    void addReportsRejectedFiles();
    void cancelAndOk();
    void volumeAndMute();
    void playSegmentPlaysExactlyIt();
    void playStopsAtTheEndOfTheFile();
    void pauseContinuesAtThePosition();
    void droppedThumbSeeksWhilePlaying();
    void longClipDecodesALittleAtATime();
    void withoutSoundDevice();
    void withoutSoundDeviceChild();

private:
    std::unique_ptr<EditAudioDialog> open(const QList<AudioInfo> &clips);
    AudioInfo clip(const QString &path, double start = -1, double end = -1);
    void closeAndReadWav(Pcm *pcm);

    QString m_dir;
    QString m_wav;
    QString m_tones10;
    QString m_tones3;
    QString m_long;
    QString m_broken;
    std::unique_ptr<EditAudioDialog> m_dialog;
};

void TestAudioEdit::initTestCase()
{
    QVERIFY(
        prepareSoundFolder(QStringLiteral("audioedit"), QStringLiteral("played.wav"), 44100, &m_dir, &m_wav));
    m_tones10 = m_dir + QStringLiteral("/tones10.wav");
    m_tones3 = m_dir + QStringLiteral("/tones3.wav");
    m_long = m_dir + QStringLiteral("/long.mp3");
    m_broken = m_dir + QStringLiteral("/broken.mp3");
    QVERIFY(makeSecondTones(m_tones10, 10, 44100, 2));
    QVERIFY(makeSecondTones(m_tones3, 3, 44100, 2));
    // Three minutes of MP3 at 48 kHz, to be resampled for playback.
    QVERIFY(TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                 QStringLiteral("sine=frequency=440:sample_rate=48000:duration=180"),
                                 QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-b:a"),
                                 QStringLiteral("96k"), m_long}));
    QFile broken(m_broken);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is not an audio file\n");
    broken.close();
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Ok; });
}

void TestAudioEdit::cleanup()
{
    m_dialog.reset();
    FileChooser::setHook({});
}

AudioInfo TestAudioEdit::clip(const QString &path, double start, double end)
{
    AudioInfo info;
    if (!probeAudio(info, path))
        qWarning("cannot probe %s", qPrintable(path));
    info.path = path;
    if (start >= 0)
        info.clipStart = start;
    if (end >= 0)
        info.clipEnd = end;
    return info;
}

std::unique_ptr<EditAudioDialog> TestAudioEdit::open(const QList<AudioInfo> &clips)
{
    auto dialog = std::make_unique<EditAudioDialog>(clips);
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        qWarning("dialog not shown");
    return dialog;
}

void TestAudioEdit::closeAndReadWav(Pcm *pcm)
{
    // The wave backend completes its file when the device closes with the
    // dialog.
    m_dialog.reset();
    *pcm = readWav(m_wav);
}

void TestAudioEdit::emptySoundtrack()
{
    m_dialog = open({});
    for (const char *name :
         {"play", "playSegment", "stop", "setInPoint", "setOutPoint", "deleteClip", "moveUp", "moveDown"})
        QVERIFY2(!child(m_dialog.get(), name)->isEnabled(), name);
    QVERIFY(!child<ClipSliderBar>(m_dialog.get(), "sliderClipping")->isEnabled());
    QVERIFY(child(m_dialog.get(), "add")->isEnabled());
    QVERIFY(!child(m_dialog.get(), "pause")->isVisible());
    QCOMPARE(child<QLabel>(m_dialog.get(), "label")->text(), QStringLiteral("00:00:00 / 00:00:00"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Edit Audio"));
    QCOMPARE(m_dialog->size(), QSize(360, 450));
    // "Add" still works on an empty list.
    FileChooser::setHook([this](const FileChooser::Request &) { return QStringList{m_tones3}; });
    QTest::mouseClick(child(m_dialog.get(), "add"), Qt::LeftButton);
    QCOMPARE(child<QTreeWidget>(m_dialog.get(), "treeWidget")->topLevelItemCount(), 1);
    QVERIFY(child(m_dialog.get(), "play")->isEnabled());
    QCOMPARE(child<QLabel>(m_dialog.get(), "label")->text(), QStringLiteral("00:00:00 / 00:00:03"));
}

void TestAudioEdit::rowsOrderAndDeletion()
{
    m_dialog = open({clip(m_tones10, 2, 7), clip(m_tones3), clip(m_tones10)});
    QWidget *d = m_dialog.get();
    auto *tree = child<QTreeWidget>(d, "treeWidget");
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(rowText(d, 0, 0), QStringLiteral("tones10.wav"));
    QCOMPARE(rowText(d, 0, 1), QStringLiteral("00:00:10"));
    QCOMPARE(rowText(d, 0, 2), QStringLiteral("00:00:02"));
    QCOMPARE(rowText(d, 0, 3), QStringLiteral("00:00:07"));
    QCOMPARE(tree->columnWidth(1), 80);
    screenshot(d, QStringLiteral("audioedit.png"));

    // The first row is current: it cannot move up.
    QCOMPARE(tree->indexOfTopLevelItem(tree->currentItem()), 0);
    QVERIFY(!child(d, "moveUp")->isEnabled());
    QVERIFY(child(d, "moveDown")->isEnabled());
    auto *bar = child<ClipSliderBar>(d, "sliderClipping");
    QCOMPARE(bar->maximum(), 10);
    QCOMPARE(bar->clipStartValue(), 2);
    QCOMPARE(bar->clipEndValue(), 7);

    // The last row cannot move down.
    m_dialog->setCurrentRow(2);
    QVERIFY(!child(d, "moveDown")->isEnabled());
    QVERIFY(child(d, "moveUp")->isEnabled());
    QTest::mouseClick(child(d, "moveUp"), Qt::LeftButton);
    QCOMPARE(tree->indexOfTopLevelItem(tree->currentItem()), 1);
    QCOMPARE(m_dialog->audioList().at(1).path, m_tones10);
    QCOMPARE(m_dialog->audioList().at(1).clipEnd, 10.0);
    QCOMPARE(m_dialog->audioList().at(2).path, m_tones3);
    QCOMPARE(rowText(d, 2, 0), QStringLiteral("tones3.wav"));
    QCOMPARE(bar->clipEndValue(), 10);

    // Deleting the last row selects the new last row ...
    m_dialog->setCurrentRow(2);
    QTest::mouseClick(child(d, "deleteClip"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->indexOfTopLevelItem(tree->currentItem()), 1);
    QVERIFY(!child(d, "moveDown")->isEnabled());
    QCOMPARE(child<QLabel>(d, "label")->text(), QStringLiteral("00:00:00 / 00:00:10"));
    // ... and deleting the only row resets everything.
    QTest::mouseClick(child(d, "deleteClip"), Qt::LeftButton);
    QTest::mouseClick(child(d, "deleteClip"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItemCount(), 0);
    QVERIFY(m_dialog->audioList().isEmpty());
    QVERIFY(!child(d, "deleteClip")->isEnabled());
    QVERIFY(!child(d, "play")->isEnabled());
    QVERIFY(!bar->isEnabled());
    QCOMPARE(child<QLabel>(d, "label")->text(), QStringLiteral("00:00:00 / 00:00:00"));
}

void TestAudioEdit::pointsAndTheirButtons()
{
    m_dialog = open({clip(m_tones10)});
    QWidget *d = m_dialog.get();
    QPushButton *setIn = child(d, "setInPoint");
    QPushButton *setOut = child(d, "setOutPoint");
    // Within one second of the out point the in point cannot be set.
    clickBarAt(d, 9);
    QCOMPARE(child<ClipSliderBar>(d, "sliderClipping")->value(), 9);
    QCOMPARE(child<QLabel>(d, "label")->text(), QStringLiteral("00:00:09 / 00:00:10"));
    QVERIFY(!setIn->isEnabled());
    QVERIFY(setOut->isEnabled());
    clickBarAt(d, 4);
    QVERIFY(setIn->isEnabled());
    QTest::mouseClick(setIn, Qt::LeftButton);
    QCOMPARE(m_dialog->audioList().at(0).clipStart, 4.0);
    QCOMPARE(rowText(d, 0, 2), QStringLiteral("00:00:04"));
    // Right on the in point the out point cannot be set either.
    QVERIFY(!setOut->isEnabled());
    clickBarAt(d, 8);
    QTest::mouseClick(setOut, Qt::LeftButton);
    QCOMPARE(m_dialog->audioList().at(0).clipEnd, 8.0);
    QCOMPARE(rowText(d, 0, 3), QStringLiteral("00:00:08"));

    // Dragging the in tag toward the out tag stops one second before it.
    auto *bar = child<ClipSliderBar>(d, "sliderClipping");
    const QPoint tag(bar->xOfValue(4) - 3, bar->clipTagTop() + 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, tag);
    for (int x = tag.x(); x <= bar->width(); x += 7) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, tag.y()), bar->mapToGlobal(QPoint(x, tag.y())),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width(), tag.y()));
    QCOMPARE(m_dialog->audioList().at(0).clipStart, 7.0);
    QCOMPARE(rowText(d, 0, 2), QStringLiteral("00:00:07"));
}

void TestAudioEdit::addReportsRejectedFiles()
{
    m_dialog = open({clip(m_tones10)});
    QWidget *d = m_dialog.get();
    FileChooser::Request asked;
    FileChooser::setHook([&](const FileChooser::Request &request) {
        asked = request;
        return QStringList{m_broken, m_tones3};
    });
    QString message;
    const auto previous = MessageBox::setAnswerHook([&](const MessageBox::Request &request) {
        message = request.text;
        return QDialogButtonBox::Ok;
    });
    QTest::mouseClick(child(d, "add"), Qt::LeftButton);
    MessageBox::setAnswerHook(previous);
    QCOMPARE(asked.mode, FileChooser::OpenFiles);
    QCOMPARE(asked.caption, QStringLiteral("Select One or More Files"));
    // The shared list of audio names, the same as the window's import.
    QCOMPARE(asked.filter, MediaTypes::audioDialogFilter());
    QVERIFY(
        asked.filter.startsWith(QStringLiteral("All Supported Files (*.mp3 *.m4a *.aac *.ogg *.oga *.opus")));
    QVERIFY(asked.filter.contains(QStringLiteral(";;AAC and M4A Files (*.m4a *.aac);;")));
    QVERIFY(asked.filter.endsWith(QStringLiteral(";;All Files (*)")));
    // The good file is added, the broken one reported.
    QCOMPARE(m_dialog->audioList().size(), 2);
    QCOMPARE(m_dialog->audioList().at(1).path, m_tones3);
    // Measured as an imported clip is, so that it plays at the show's level.
    QVERIFY(m_dialog->audioList().at(1).loudness.measured);
    QCOMPARE(rowText(d, 1, 0), QStringLiteral("tones3.wav"));
    QCOMPARE(message, QStringLiteral("Some files have not been added to the list:\n%1\t").arg(m_broken));
    // The clip being edited stays current; the first row can now move down.
    QCOMPARE(child<QTreeWidget>(d, "treeWidget")->currentItem()->text(0), QStringLiteral("tones10.wav"));
    QVERIFY(child(d, "moveDown")->isEnabled());
    // The folder is remembered for the next time.
    QCOMPARE(Application::instance()->pref()->value(QStringLiteral("AudioLastDir")).toString(), m_dir);
}

void TestAudioEdit::cancelAndOk()
{
    const QList<AudioInfo> original{clip(m_tones10)};
    FileChooser::setHook([this](const FileChooser::Request &) { return QStringList{m_tones3}; });
    for (const bool accept : {false, true}) {
        m_dialog = open(original);
        QWidget *d = m_dialog.get();
        m_dialog->open();
        QTest::mouseClick(child(d, "add"), Qt::LeftButton);
        clickBarAt(d, 3);
        QTest::mouseClick(child(d, "setInPoint"), Qt::LeftButton);
        auto *box = child<QDialogButtonBox>(d, "buttonBox");
        QPushButton *button = box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!m_dialog->isVisible());
        if (!accept) {
            QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
            continue;
        }
        // OK hands back the whole edited list.
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        const QList<AudioInfo> edited = m_dialog->audioList();
        QCOMPARE(edited.size(), 2);
        QCOMPARE(edited.at(0).clipStart, 3.0);
        QCOMPARE(edited.at(0).clipEnd, 10.0);
        QCOMPARE(edited.at(1).path, m_tones3);
    }
}

void TestAudioEdit::volumeAndMute()
{
    m_dialog = open({clip(m_tones3)});
    QWidget *d = m_dialog.get();
    auto *volume = child<QSlider>(d, "volume");
    QCOMPARE(volume->value(), 100);
    QVERIFY(volume->width() <= 120);
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(volume->width() / 2, volume->height() / 2));
    QCOMPARE(volume->value(), 50);
    QTest::mouseClick(child(d, "mute"), Qt::LeftButton);
    QVERIFY(!volume->isEnabled());
    QVERIFY(!child(d, "mute")->isVisible());
    QVERIFY(child(d, "unmute")->isVisible());
    QVERIFY(hasFocus(child(d, "unmute")));
    QTest::mouseClick(child(d, "unmute"), Qt::LeftButton);
    QVERIFY(volume->isEnabled());
    QCOMPARE(volume->value(), 50);
    QVERIFY(child(d, "mute")->isVisible());
    // Page keys still page.
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_PageUp);
    QCOMPARE(volume->value(), 60);
}

void TestAudioEdit::playSegmentPlaysExactlyIt()
{
    m_dialog = open({clip(m_tones10, 3, 6)});
    QWidget *d = m_dialog.get();
    QTest::mouseClick(child(d, "playSegment"), Qt::LeftButton);
    QVERIFY(child(d, "pause")->isVisible());
    QVERIFY(!child(d, "playSegment")->isVisible());
    QVERIFY(!child(d, "play")->isEnabled());
    QVERIFY(child(d, "stop")->isEnabled());
    // The thumb follows the sound.
    QTRY_COMPARE_WITH_TIMEOUT(child<ClipSliderBar>(d, "sliderClipping")->value(), 4, 5000);
    // It stops by itself at the out point.
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isPlaying(), 6000);
    QVERIFY(child(d, "play")->isVisible() && child(d, "play")->isEnabled());
    QVERIFY(child(d, "playSegment")->isVisible());
    QVERIFY(!child(d, "stop")->isEnabled());
    QCOMPARE(child<QLabel>(d, "label")->text(), QStringLiteral("00:00:00 / 00:00:10"));

    Pcm pcm;
    closeAndReadWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    // Exactly seconds 3, 4 and 5 of the clip.
    QVERIFY2(std::abs(regions[0].heard(44100) - 3.0) < 0.01,
             qPrintable(QString::number(regions[0].heard(44100))));
    const std::vector<double> tones = secondTones(pcm, regions[0].begin, 3);
    for (int k = 0; k < 3; ++k)
        QVERIFY2(std::abs(tones[size_t(k)] - toneOfSecond(3 + k)) < 10,
                 qPrintable(QString::number(tones[size_t(k)])));
}

void TestAudioEdit::playStopsAtTheEndOfTheFile()
{
    m_dialog = open({clip(m_tones3, 1, 2)});
    QWidget *d = m_dialog.get();
    QTest::mouseClick(child(d, "play"), Qt::LeftButton);
    QVERIFY(!child(d, "play")->isVisible());
    QVERIFY(!child(d, "playSegment")->isEnabled());
    // Plain play ignores the segment and runs to the end of the file.
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isPlaying(), 7000);
    QCOMPARE(child<ClipSliderBar>(d, "sliderClipping")->value(), 0);

    Pcm pcm;
    closeAndReadWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 1);
    QVERIFY(std::abs(regions[0].heard(44100) - 3.0) < 0.01);
    const std::vector<double> tones = secondTones(pcm, regions[0].begin, 3);
    for (int k = 0; k < 3; ++k)
        QVERIFY(std::abs(tones[size_t(k)] - toneOfSecond(k)) < 10);
}

void TestAudioEdit::pauseContinuesAtThePosition()
{
    m_dialog = open({clip(m_tones3)});
    QWidget *d = m_dialog.get();
    QTest::mouseClick(child(d, "play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_dialog->position() >= 1.3, 5000);
    QTest::mouseClick(child(d, "pause"), Qt::LeftButton);
    const double pausedAt = m_dialog->position();
    QVERIFY2(pausedAt < 2.7, qPrintable(QString::number(pausedAt)));
    QVERIFY(child(d, "play")->isVisible());
    QVERIFY(hasFocus(child(d, "play")));
    QVERIFY(child(d, "stop")->isEnabled());
    QCOMPARE(child<ClipSliderBar>(d, "sliderClipping")->value(), int(pausedAt));
    QCOMPARE(child<QLabel>(d, "label")->text(),
             EditAudioDialog::timeText(pausedAt) + QStringLiteral(" / 00:00:03"));
    QTest::qWait(400);
    QTest::mouseClick(child(d, "play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isPlaying(), 6000);

    Pcm pcm;
    closeAndReadWav(&pcm);
    const auto regions = soundRegions(pcm);
    QCOMPARE(int(regions.size()), 2);
    // Nothing repeated, nothing skipped: the two stretches make the clip.
    const double first = regions[0].heard(44100);
    const double second = regions[1].heard(44100);
    QVERIFY2(std::abs(first - pausedAt) < 0.03, qPrintable(QStringLiteral("%1 %2").arg(first).arg(pausedAt)));
    QVERIFY2(std::abs(first + second - 3.0) < 0.02,
             qPrintable(QStringLiteral("%1 + %2").arg(first).arg(second)));
    // The second stretch starts with the rest of the second paused in.
    const int pausedSecond = int(pausedAt);
    const int64_t restOfSecond = int64_t((pausedSecond + 1 - pausedAt) * 44100);
    if (restOfSecond > 4000)
        QVERIFY(std::abs(frequency(pcm, regions[1].begin + 500, regions[1].begin + restOfSecond - 500) -
                         toneOfSecond(pausedSecond)) < 15);
}

void TestAudioEdit::droppedThumbSeeksWhilePlaying()
{
    m_dialog = open({clip(m_tones10, 2, 4)});
    QWidget *d = m_dialog.get();
    auto *bar = child<ClipSliderBar>(d, "sliderClipping");
    QTest::mouseClick(child(d, "play"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_dialog->position() >= 0.5, 5000);
    // The thumb is picked up where it stands and dropped at 6 s: playback
    // goes on from there, no longer bound to anything but the file.
    const int y = bar->thumbTop() + 2;
    const QPoint grip(bar->xOfValue(bar->value()), y);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    for (int x = grip.x(); x <= bar->xOfValue(6); x += 5) {
        QMouseEvent move(QEvent::MouseMove, QPoint(x, y), bar->mapToGlobal(QPoint(x, y)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(6) + 1, y));
    QVERIFY(m_dialog->isPlaying());
    QVERIFY2(m_dialog->position() >= 6.0 && m_dialog->position() < 6.2,
             qPrintable(QString::number(m_dialog->position())));
    QVERIFY(!child(d, "playSegment")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(m_dialog->position() >= 6.8, 5000);
    QCOMPARE(bar->value(), int(m_dialog->position()));
    QTest::mouseClick(child(d, "pause"), Qt::LeftButton);
    const double pausedAt = m_dialog->position();

    Pcm pcm;
    closeAndReadWav(&pcm);
    const auto regions = soundRegions(pcm);
    QVERIFY(!regions.empty());
    // Second 0 first; second 6 last, for the time played after the drop.
    const Region &first = regions.front();
    QVERIFY(std::abs(frequency(pcm, first.begin + 2000, first.begin + 20000) - toneOfSecond(0)) < 10);
    const int64_t end = regions.back().end;
    const int64_t from = end - int64_t((pausedAt - 6.0) * 44100) + 2000;
    const int64_t to = end - int64_t(std::max(0.0, pausedAt - 7.0) * 44100) - 2000;
    QVERIFY(to - from > 10000);
    QVERIFY2(std::abs(frequency(pcm, from, to) - toneOfSecond(6)) < 10,
             qPrintable(QString::number(frequency(pcm, from, to))));
}

void TestAudioEdit::longClipDecodesALittleAtATime()
{
    // Starting a three-minute MP3 near its end queues about a second of
    // sound at once; the refill ticks add the rest a few buffers at a time,
    // so no single step holds the dialog for long.
    m_dialog = open({clip(m_long)});
    QWidget *d = m_dialog.get();
    clickBarAt(d, 170);
    QTest::mouseClick(child(d, "play"), Qt::LeftButton);
    const int primed = m_dialog->queuedBuffers();
    QVERIFY2(primed > 0 && primed <= 24, qPrintable(QString::number(primed)));
    QTRY_VERIFY_WITH_TIMEOUT(m_dialog->queuedBuffers() > 100, 10000);
    QVERIFY(m_dialog->isPlaying());
    QVERIFY(m_dialog->position() > 170.0);
    QVERIFY(child<QLabel>(d, "label")->text().startsWith(QStringLiteral("00:02:5")));
}

void TestAudioEdit::withoutSoundDevice()
{
    QByteArray output;
    QVERIFY2(passesWithoutSoundDevice("TestAudioEdit", "withoutSoundDeviceChild", &output),
             output.constData());
}

void TestAudioEdit::withoutSoundDeviceChild()
{
    if (!inNoDeviceChild())
        QSKIP("runs in the child process of withoutSoundDevice");
    m_dialog = open({clip(m_tones10)});
    QWidget *d = m_dialog.get();
    QVERIFY(!m_dialog->soundAvailable());
    for (const char *name : {"play", "playSegment", "stop", "mute"})
        QVERIFY2(!child(d, name)->isEnabled(), name);
    QVERIFY(!child<QSlider>(d, "volume")->isEnabled());
    auto *note = child<QLabel>(d, "noSoundNote");
    QVERIFY(note->isVisible());
    QVERIFY(note->text().startsWith(QStringLiteral("Sound is not available")));
    screenshot(d, QStringLiteral("audioedit-nosound.png"));
    // Editing works as ever.
    clickBarAt(d, 2);
    QTest::mouseClick(child(d, "setInPoint"), Qt::LeftButton);
    QCOMPARE(m_dialog->audioList().at(0).clipStart, 2.0);
    QTest::mouseClick(child(d, "deleteClip"), Qt::LeftButton);
    QVERIFY(m_dialog->audioList().isEmpty());
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestAudioEdit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_audioedit.moc"
