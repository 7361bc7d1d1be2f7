// The editor's widgets on their own: the capacity bar's zones, scales and
// tooltips, the audio strip's time scale with its grey overflow, the media
// information table, the import dialog's edges.
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "editortestutil.h"
#include "desktop/application.h"
#include "window/audiolistwidget.h"
#include "window/importprogress.h"
#include "window/mediainfowidget.h"
#include "window/photolistwidget.h"
#include "dialogs/capacitybar.h"

namespace {
AudioInfo clipOf(double seconds, const QString &name = QStringLiteral("/music/song.mp3"))
{
    AudioInfo clip;
    clip.path = name;
    clip.channels = 2;
    clip.sampleRate = 48000;
    clip.duration = seconds;
    clip.clipEnd = seconds;
    return clip;
}

// An audio strip showing an album of its own, as the window's strip shows
// the window's.
struct AudioStrip {
    AlbumModel model{Album(QString())};
    AudioListWidget strip;
    AudioStrip() { strip.setAlbumModel(&model); }
    void setClips(const QList<AudioInfo> &clips)
    {
        model.edit(QStringLiteral("Clips"), [&clips](Album &album) { album.audios = clips; });
    }
};

bool isGrey(QRgb c)
{
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}
} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void capacityZones_data();
    void capacityZones();
    void capacityScaleLabels();
    void capacityShowModeWaitsForValue();
    void capacityTooltipZonesAndColours();
    void audioClipUnderShorterSlideshow();
    void audioWithoutPhotosIsAllGrey();
    void audioTooltipOfTrimmedClip();
    void audioStripMovesAndDeletes();
    void mediaInformationTable();
    void importWithoutPathsClosesAtOnce();
    void chooserStartsInAnExistingFolder();
};

void TestWidgets::capacityZones_data()
{
    QTest::addColumn<quint64>("value");
    QTest::addColumn<int>("mode");
    QTest::addColumn<quint64>("scale");
    QTest::addColumn<quint64>("green");
    QTest::addColumn<quint64>("yellow");
    QTest::addColumn<quint64>("red");
    QTest::newRow("empty") << quint64(0) << 0 << quint64(5000000000ULL) << quint64(0) << quint64(0)
                           << quint64(0);
    QTest::newRow("below warning") << quint64(2500000000ULL) << 0 << quint64(5000000000ULL) << quint64(5000)
                                   << quint64(5000) << quint64(5000);
    QTest::newRow("close to full") << quint64(4500000000ULL) << 0 << quint64(5000000000ULL) << quint64(8460)
                                   << quint64(9000) << quint64(9000);
    QTest::newRow("exactly full") << quint64(4700000000ULL) << 0 << quint64(5000000000ULL) << quint64(8460)
                                  << quint64(9400) << quint64(9400);
    QTest::newRow("over single") << quint64(5000000000ULL) << 0 << quint64(10000000000ULL) << quint64(4230)
                                 << quint64(4700) << quint64(5000);
    QTest::newRow("dual layer") << quint64(8000000000ULL) << 1 << quint64(10000000000ULL) << quint64(7650)
                                << quint64(8000) << quint64(8000);
    QTest::newRow("dual over") << quint64(9000000000ULL) << 1 << quint64(10000000000ULL) << quint64(7650)
                               << quint64(8500) << quint64(9000);
    QTest::newRow("far over") << quint64(25000000000ULL) << 0 << quint64(30000000000ULL) << quint64(1410)
                              << quint64(1566) << quint64(8333);
}

void TestWidgets::capacityZones()
{
    QFETCH(quint64, value);
    QFETCH(int, mode);
    CapacityBar bar;
    bar.setShowMode(CapacityBar::ShowMode(mode));
    bar.do_getPos(value);
    QTEST(bar.scaleMaximum(), "scale");
    QTEST(bar.greenEnd(), "green");
    QTEST(bar.yellowEnd(), "yellow");
    QTEST(bar.redEnd(), "red");
}

void TestWidgets::capacityScaleLabels()
{
    CapacityBar bar;
    QCOMPARE(bar.scaleLabels().first(), QStringLiteral("0.5GB"));
    QCOMPARE(bar.scaleLabels().at(8), QStringLiteral("4.5GB"));
    bar.do_getPos(25000000000ULL);
    QCOMPARE(
        bar.scaleLabels(),
        (QStringList{QStringLiteral("3GB"), QStringLiteral("6GB"), QStringLiteral("9GB"),
                     QStringLiteral("12GB"), QStringLiteral("15GB"), QStringLiteral("18GB"),
                     QStringLiteral("21GB"), QStringLiteral("24GB"), QStringLiteral("27GB"), QString()}));
    bar.do_getPos(5000000000ULL);
    QCOMPARE(bar.scaleLabels().first(), QStringLiteral("1GB"));
    QCOMPARE(bar.height(), 30);
}

void TestWidgets::capacityShowModeWaitsForValue()
{
    CapacityBar bar;
    bar.do_getPos(8000000000ULL);
    const quint64 green = bar.greenEnd();
    bar.setShowMode(CapacityBar::DualLayer);
    QCOMPARE(bar.greenEnd(), green);
    bar.do_getPos(8000000000ULL);
    QCOMPARE(bar.greenEnd(), quint64(7650));
}

void TestWidgets::capacityTooltipZonesAndColours()
{
    CapacityBar bar;
    bar.resize(1002, 30);
    QCOMPARE(bar.zoneText(0), QStringLiteral("Disc space is sufficient"));
    QVERIFY(bar.zoneText(5).isEmpty()); // an empty bar shows no tooltip past its start
    bar.do_getPos(5000000000ULL);       // green to 4230, yellow to 4700, red to 5000 of 10000
    QCOMPARE(bar.zoneText(300), QStringLiteral("Disc space is sufficient"));
    QCOMPARE(bar.zoneText(450), QStringLiteral("The file size is close to the maximum disc capacity"));
    QCOMPARE(bar.zoneText(490), QStringLiteral("The file size is beyond the maximum disc capacity"));
    QVERIFY(bar.zoneText(600).isEmpty());
    QVERIFY(bar.zoneText(-1).isEmpty());
    const QImage image = bar.grab().toImage();
    QCOMPARE(QColor(image.pixel(200, 25)), bar.greenColor());
    QCOMPARE(QColor(image.pixel(450, 25)), bar.yellowColor());
    QCOMPARE(QColor(image.pixel(490, 25)), bar.redColor());
    QCOMPARE(QColor(image.pixel(800, 25)), bar.nullColor());
    QCOMPARE(QColor(image.pixel(0, 15)), bar.borderColor());
    // Long ticks at every tenth, drawn from the top in the scale colour.
    QCOMPARE(QColor(image.pixel(1 + 2 * 1000 / 20, 2)), bar.scaleLineColor());
}

void TestWidgets::audioClipUnderShorterSlideshow()
{
    AudioStrip album;
    AudioListWidget &strip = album.strip;
    strip.resize(800, 36);
    album.setClips({clipOf(30.0)});
    // 10 s of photos shown 300 pixels wide: 1/30 s per pixel.
    strip.setTimeScale(300, 1.0 / 30.0);
    QCOMPARE(strip.item(0)->sizeHint(), QSize(520, 32));
    QCOMPARE(strip.overflowAt(0), 220);
    QCOMPARE(strip.contentWidth(), 520);
    const QImage picture = strip.item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(picture.width(), 520);
    QVERIFY(!isGrey(picture.pixel(150, 15)));
    QVERIFY(isGrey(picture.pixel(310, 15)));
    QVERIFY(isGrey(picture.pixel(510, 15)));
    QVERIFY(!isGrey(picture.pixel(298, 15)));
    // A second clip starts after the slideshow's end: 220 pixels, all grey.
    album.setClips({clipOf(30.0), clipOf(5.0, QStringLiteral("/music/b.ogg"))});
    QCOMPARE(strip.item(1)->sizeHint().width(), 220);
    QCOMPARE(strip.overflowAt(1), 220);
    // A clip that ends before the photos do has no grey part.
    strip.setTimeScale(3000, 1.0 / 30.0);
    QCOMPARE(strip.item(0)->sizeHint().width(), 900);
    QCOMPARE(strip.overflowAt(0), 0);
}

void TestWidgets::audioWithoutPhotosIsAllGrey()
{
    AudioStrip album;
    AudioListWidget &strip = album.strip;
    album.setClips({clipOf(30.0)});
    strip.setTimeScale(0, 0.0); // below 0.001: the default 1/33
    QCOMPARE(strip.secondsPerPixel(), 1.0 / 33.0);
    QCOMPARE(strip.item(0)->sizeHint().width(), 220);
    QCOMPARE(strip.overflowAt(0), 220);
    const QImage picture = strip.item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    QVERIFY(isGrey(picture.pixel(100, 15)));
    QVERIFY(isGrey(picture.pixel(10, 15)));
    // The clip text: position, name and length.
    QVERIFY(strip.item(0)->toolTip().startsWith(QStringLiteral("<nobr>#1&nbsp;<b>song.mp3</b>")));
}

void TestWidgets::audioTooltipOfTrimmedClip()
{
    AudioStrip album;
    AudioListWidget &strip = album.strip;
    AudioInfo clip = clipOf(200.0);
    album.setClips({clip});
    QVERIFY(!strip.item(0)->toolTip().contains(QStringLiteral("Start Point")));
    clip.clipStart = 65.0;
    clip.clipEnd = 130.5;
    album.setClips({clip});
    const QString tip = strip.item(0)->toolTip();
    QVERIFY(tip.contains(QStringLiteral("Start Point:&nbsp;<b>00:01:05</b>")));
    QVERIFY(tip.contains(QStringLiteral("End Point:&nbsp;<b>00:02:10</b>")));
    QVERIFY(tip.contains(QStringLiteral("Duration:&nbsp;<b>00:01:05</b>")));
    QVERIFY(tip.contains(QStringLiteral("Sample Rate:&nbsp;<b>48000</b>")));
}

void TestWidgets::audioStripMovesAndDeletes()
{
    AudioStrip album;
    AudioListWidget &strip = album.strip;
    strip.resize(900, 36);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const QList<AudioInfo> clips = {clipOf(3, QStringLiteral("/a.mp3")), clipOf(3, QStringLiteral("/b.mp3")),
                                    clipOf(3, QStringLiteral("/c.mp3")), clipOf(3, QStringLiteral("/d.mp3"))};
    album.setClips(clips);
    QList<QList<AudioInfo>> published;
    connect(&album.model, &AlbumModel::changed, this,
            [&published, &album] { published << album.model.album().audios; });
    auto paths = [&album] {
        QStringList out;
        for (const AudioInfo &clip : album.model.album().audios)
            out << clip.path;
        return out;
    };
    strip.setCurrentRow(0);
    strip.moveSelectedRight();
    QCOMPARE(paths(), (QStringList{QStringLiteral("/b.mp3"), QStringLiteral("/a.mp3"),
                                   QStringLiteral("/c.mp3"), QStringLiteral("/d.mp3")}));
    QCOMPARE(strip.currentRow(), 1);
    QCOMPARE(published.size(), 1);

    // Dragging a clip onto its neighbour does nothing; onto the clip two
    // further it lands after that clip.
    {
        EditorTest::DragTo onto(&strip, EditorTest::rowCentre(&strip, 2));
        EditorTest::dragItem(&strip, 1);
    }
    QCOMPARE(paths().at(1), QStringLiteral("/a.mp3"));
    strip.setCurrentRow(0);
    {
        EditorTest::DragTo onto(&strip, EditorTest::rowCentre(&strip, 3));
        EditorTest::dragItem(&strip, 0);
    }
    QCOMPARE(paths(), (QStringList{QStringLiteral("/a.mp3"), QStringLiteral("/c.mp3"),
                                   QStringLiteral("/d.mp3"), QStringLiteral("/b.mp3")}));

    strip.selectAll();
    strip.deleteSelected();
    QCOMPARE(strip.count(), 0);
    QVERIFY(published.last().isEmpty());
}

void TestWidgets::mediaInformationTable()
{
    MediaInfoWidget info;
    ImageInfo photo;
    photo.path = QStringLiteral("/photos/IMG 1.jpeg");
    photo.width = 4000;
    photo.height = 3000;
    photo.fileSize = 1023;
    info.setInfo(MediaInfoWidget::Photo, MediaInfoWidget::photoStrings(photo));
    info.rebuild();
    const QString html = info.html();
    QVERIFY(html.startsWith(QStringLiteral("<html><body><table border=\"0\"><tr><td>File Name:</td><td>IMG "
                                           "1.jpeg</td></tr><tr><td>Format:</td><td>JPEG</td></tr>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td>Size:</td><td>0KB</td></tr>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td>Resolution:</td><td>4000x3000</td></tr>")));
    // Without EXIF: the separator and the labels with empty values.
    QVERIFY(
        html.contains(QStringLiteral("<tr><td>-------------------------</td><td>----------------</td></tr>"
                                     "<tr><td>Equipment Make:</td><td></td></tr>")));
    QVERIFY(html.endsWith(QStringLiteral("<tr><td>Max Aperture:</td><td></td></tr></table></body></html>")));

    AudioInfo clip = clipOf(59.9);
    clip.fileSize = 2048;
    info.setInfo(MediaInfoWidget::Audio, MediaInfoWidget::audioStrings(clip));
    info.rebuild();
    QVERIFY(info.html().contains(QStringLiteral("<tr><td>Duration:</td><td>00:00:59</td></tr>")));
    QVERIFY(info.html().contains(QStringLiteral("<tr><td>Channels:</td><td>2</td></tr>")));
    QVERIFY(info.html().contains(QStringLiteral("<tr><td>Size:</td><td>2KB</td></tr>")));
    QVERIFY(!info.html().contains(QStringLiteral("Resolution")));

    info.setInfo(MediaInfoWidget::Nothing, {});
    info.rebuild();
    QVERIFY(info.html().isEmpty());
    QVERIFY(info.findChild<QTextBrowser *>()->toPlainText().isEmpty());
    QCOMPARE(info.width(), 280);
}

void TestWidgets::importWithoutPathsClosesAtOnce()
{
    PhotoListWidget strip;
    ImportProgress dialog(true, &strip);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import Progress"));
    QCOMPARE(dialog.size(), QSize(450, 100));
    dialog.start({});
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(!dialog.added());
    QCOMPARE(strip.count(), 0);
}

void TestWidgets::chooserStartsInAnExistingFolder()
{
    // A remembered folder that is gone: the real dialog opens in the nearest
    // folder that still exists, with nothing typed in; a file name given
    // for saving stays.
    const QString base = TestSupport::freshDir(QStringLiteral("chooser"));
    struct Seen {
        QString folder;
        QStringList files;
    };
    const auto open = [](const std::function<void()> &choose) {
        Seen seen;
        QTimer::singleShot(0, [&seen] {
            QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            seen.folder = dialog->directory().absolutePath();
            seen.files = dialog->selectedFiles();
            dialog->reject();
        });
        choose();
        return seen;
    };
    const QString caption = QStringLiteral("Test");
    Seen seen =
        open([&] { FileChooser::getOpenFileNames(nullptr, caption, base + QStringLiteral("/gone/deeper")); });
    QCOMPARE(seen.folder, base);
    QVERIFY(seen.files.isEmpty() || seen.files == QStringList{base});
    seen = open([&] { FileChooser::getExistingDirectory(nullptr, caption, base + QStringLiteral("/gone")); });
    QCOMPARE(seen.folder, base);
    seen = open(
        [&] { FileChooser::getSaveFileName(nullptr, caption, base + QStringLiteral("/gone/album.sorvel")); });
    QCOMPARE(seen.folder, base);
    QCOMPARE(seen.files, QStringList{base + QStringLiteral("/album.sorvel")});
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_widgets.moc"
