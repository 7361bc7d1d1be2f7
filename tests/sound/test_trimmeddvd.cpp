// A clip trimmed in the "Edit Audio" dialog is what the DVD plays: the
// soundtrack of the made DVD, decoded from its title VOBs, is the trimmed
// span of the source second by second, followed by silence.

#include <QtTest>

#include "album/probe.h"
#include "dialogs/editaudiodialog.h"
#include "dialogs/clipsliderbar.h"
#include "dvdcheck.h"
#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "soundtestutil.h"
#include "job/generationcontroller.h"

#include <QDialogButtonBox>
#include <QPushButton>

using namespace SoundTest;

class TestTrimmedDvd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void dvdPlaysTheTrimmedSpan();

private:
    QString m_dir;
};

void TestTrimmedDvd::initTestCase()
{
    m_dir = TestSupport::freshDir(QStringLiteral("trimmeddvd"));
    // The dialog plays nothing here; a silent device keeps it quiet.
    qputenv("ALSOFT_DRIVERS", "null");
    MessageBox::setAnswerHook([](const MessageBox::Request &) { return QDialogButtonBox::Yes; });
}

void TestTrimmedDvd::dvdPlaysTheTrimmedSpan()
{
    const QString music = m_dir + QStringLiteral("/tones30.mp3");
    QVERIFY(makeSecondTones(music, 30, 44100, 2, {QStringLiteral("-b:a"), QStringLiteral("192k")}));
    AudioInfo clip;
    QVERIFY(probeAudio(clip, music));
    clip.path = music;

    // Trim to 10 s .. 20 s with the slider bar and the two buttons.
    EditAudioDialog dialog({clip});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *bar = dialog.findChild<ClipSliderBar *>(QStringLiteral("sliderClipping"));
    const int y = bar->foreTop() + 3;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(20) + 1, y));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("setOutPoint")), Qt::LeftButton);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(10) + 1, y));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("setInPoint")), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<AudioInfo> trimmed = dialog.audioList();
    QCOMPARE(trimmed.at(0).clipStart, 10.0);
    QCOMPARE(trimmed.at(0).clipEnd, 20.0);

    // Twelve seconds of pictures over the ten seconds of music.
    Album album;
    for (int i = 0; i < 2; ++i) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(qRgb(60 * i, 90, 160));
        const QString path = m_dir + QStringLiteral("/p%1.jpg").arg(i);
        QVERIFY(image.save(path, "JPEG"));
        ImageInfo photo;
        QVERIFY(probeImage(photo, path));
        photo.path = path;
        album.photos.append(photo);
    }
    album.settings.useTransition = false;
    album.settings.useDynamicEffect = false;
    album.setPhotoDurationExactMs(6000);
    album.audios = trimmed;

    GenerationRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = m_dir + QStringLiteral("/dvd");
    request.tempBase = m_dir + QStringLiteral("/temp");
    GenerationController controller;
    QSignalSpy finished(&controller, &GenerationController::finished);
    QVERIFY(controller.start(&album, request));
    QVERIFY(finished.wait(240000));
    QVERIFY2(finished.first().at(0).toBool(), qPrintable(finished.first().at(1).toString()));

    const QString vob = m_dir + QStringLiteral("/title.vob");
    QVERIFY(DvdCheck::extractTitleVobs(controller.outputPath(), 1, vob));
    const QString raw = m_dir + QStringLiteral("/dvd-audio.raw");
    QVERIFY(
        TestSupport::ffmpeg({QStringLiteral("-i"), vob, QStringLiteral("-map"), QStringLiteral("0:a:0"),
                             QStringLiteral("-ac"), QStringLiteral("1"), QStringLiteral("-ar"),
                             QStringLiteral("48000"), QStringLiteral("-f"), QStringLiteral("s16le"), raw}));
    const Pcm pcm = readRaw(raw, 48000, 1);
    QVERIFY2(std::abs(pcm.frames() / 48000.0 - 12.0) < 0.1,
             qPrintable(QString::number(pcm.frames() / 48000.0)));
    // Seconds 0..9 of the DVD are seconds 10..19 of the source ...
    const std::vector<double> tones = secondTones(pcm, 0, 10);
    for (int k = 0; k < 10; ++k)
        QVERIFY2(std::abs(tones[size_t(k)] - toneOfSecond(10 + k)) < 15,
                 qPrintable(QStringLiteral("second %1: %2 Hz").arg(k).arg(tones[size_t(k)])));
    // ... and after the out point the DVD is silent.
    QVERIFY(rms(pcm, int64_t(10.1 * 48000), int64_t(11.9 * 48000)) < 50);
    QVERIFY(rms(pcm, int64_t(9.2 * 48000), int64_t(9.8 * 48000)) > 5000);
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestTrimmedDvd test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_trimmeddvd.moc"
