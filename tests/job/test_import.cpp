// The import worker and the command line's input handling, on real files.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include "album/infoparser.h"
#include "systemfixtures.h"
#include "testsupport.h"
#include "job/makedvdoptions.h"

namespace {
void writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void writePhoto(const QString &path, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(w % 256, h % 256, 90));
    QVERIFY(img.save(path, path.endsWith(QLatin1String(".JPG")) ? "JPEG" : "PNG"));
}
} // namespace

class TestImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void importKeepsOrderAndReportsRejected();
    void stopBetweenFiles();
    void emptyListProbesNothing();
    void audioImport();
    void expandFoldersAndFiles();
    void usageErrors_data();
    void usageErrors();
    void optionValues();
};

void TestImport::importKeepsOrderAndReportsRejected()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("import"));
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        const QString path = dir + QStringLiteral("/p%1.png").arg(i);
        if (i == 3 || i == 7)
            writeText(path, "not an image");
        else
            writePhoto(path, 40 + i, 30);
        paths.append(path);
    }
    InfoParser parser(&paths, true);
    parser.start();
    QVERIFY(parser.wait(30000));
    QCOMPARE(parser.processedCount(), 10);
    const QList<ImageInfo> images = parser.takeImages();
    QCOMPARE(images.size(), 8);
    int expectedIndex = 0;
    for (const ImageInfo &info : images) {
        if (expectedIndex == 3 || expectedIndex == 7)
            ++expectedIndex;
        QCOMPARE(info.path, paths[expectedIndex]);
        QCOMPARE(info.width, 40 + expectedIndex);
        ++expectedIndex;
    }
    QCOMPARE(parser.rejectedPaths(), (QStringList{paths[3], paths[7]}));
    QVERIFY(parser.takeImages().isEmpty()); // taken once
}

void TestImport::stopBetweenFiles()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("import-stop"));
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const QString path = dir + QStringLiteral("/big%1.png").arg(i);
        writePhoto(path, 1200, 900);
        paths.append(path);
    }
    InfoParser parser(&paths, true);
    parser.start();
    while (parser.processedCount() < 2)
        QTest::qWait(5);
    parser.stop();
    QVERIFY(parser.wait(30000));
    const int done = parser.processedCount();
    QVERIFY(done >= 2 && done < 40);
    QCOMPARE(parser.takeImages().size(), done);

    // A stale stop request does not end a new run at once.
    parser.stop();
    parser.start();
    QVERIFY(parser.wait(60000));
    QCOMPARE(parser.processedCount(), 40);
}

void TestImport::emptyListProbesNothing()
{
    const QStringList none;
    InfoParser parser(&none, true);
    parser.start();
    QVERIFY(parser.wait(5000));
    QCOMPARE(parser.processedCount(), 0);
    QVERIFY(parser.takeImages().isEmpty());
}

void TestImport::audioImport()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("import-audio"));
    const QString wav = dir + QStringLiteral("/a.wav");
    QVERIFY(TestSupport::ffmpeg({"-f", "lavfi", "-i", "sine=duration=1", wav}));
    const QString video = dir + QStringLiteral("/v.mkv");
    QVERIFY(TestSupport::ffmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=32x32:duration=1", "-c:v", "mpeg2video", video}));
    const QStringList paths{wav, video};
    InfoParser parser(&paths, false);
    parser.start();
    QVERIFY(parser.wait(30000));
    const QList<AudioInfo> clips = parser.takeAudios();
    QCOMPARE(clips.size(), 1);
    QCOMPARE(clips[0].path, wav);
    QCOMPARE(parser.rejectedPaths(), QStringList{video});
}

void TestImport::expandFoldersAndFiles()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("expand"));
    QDir().mkpath(dir + QStringLiteral("/album/sub"));
    writePhoto(dir + QStringLiteral("/album/b.JPG"), 10, 10);
    writePhoto(dir + QStringLiteral("/album/a.png"), 10, 10);
    writePhoto(dir + QStringLiteral("/album/sub/deep.png"), 10, 10); // one level only
    writeText(dir + QStringLiteral("/album/notes.txt"), "x");
    QVERIFY(
        TestSupport::ffmpeg({"-f", "lavfi", "-i", "sine=duration=1", dir + QStringLiteral("/album/m.wav")}));
    // Files outside the patterns are probed: a photo without suffix, a
    // clip with an odd suffix and a text file.
    writePhoto(dir + QStringLiteral("/noext"), 10, 10);
    QFile::copy(dir + QStringLiteral("/noext"), dir + QStringLiteral("/photo.data"));
    QFile::rename(dir + QStringLiteral("/photo.data"), dir + QStringLiteral("/photo"));
    QVERIFY(TestSupport::ffmpeg(
        {"-f", "lavfi", "-i", "sine=duration=1", "-f", "wav", dir + QStringLiteral("/clip.bin")}));
    writeText(dir + QStringLiteral("/readme.txt"), "hello");

    const ExpandedInputs in = expandInputs(
        {dir + QStringLiteral("/noext"), dir + QStringLiteral("/album"), dir + QStringLiteral("/clip.bin"),
         dir + QStringLiteral("/readme.txt"), dir + QStringLiteral("/missing.jpg")});
    QCOMPARE(in.photos, (QStringList{dir + QStringLiteral("/noext"), dir + QStringLiteral("/album/a.png"),
                                     dir + QStringLiteral("/album/b.JPG")}));
    QCOMPARE(in.audios,
             (QStringList{dir + QStringLiteral("/album/m.wav"), dir + QStringLiteral("/clip.bin")}));
    QCOMPARE(in.rejected,
             (QStringList{dir + QStringLiteral("/readme.txt"), dir + QStringLiteral("/missing.jpg")}));

    // A folder that cannot be read is listed, not skipped without a word.
    const QString locked = dir + QStringLiteral("/locked");
    QVERIFY(QDir().mkpath(locked));
    writePhoto(dir + QStringLiteral("/locked/inside.png"), 10, 10);
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    {
        TestSupport::FilePermissionsEnforced asUser;
        if (!asUser.ok())
            QSKIP("file permissions cannot be enforced here");
        const ExpandedInputs denied = expandInputs({locked, dir + QStringLiteral("/album/a.png")});
        QCOMPARE(denied.rejected, QStringList{locked});
        QCOMPARE(denied.photos, QStringList{dir + QStringLiteral("/album/a.png")});
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestImport::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message"); // a part of the error, when it matters
    QTest::newRow("no output") << QStringList{"a.jpg"} << QString();
    QTest::newRow("two outputs") << QStringList{"--to-iso", "a.iso", "--to-folder", "d", "a.jpg"}
                                 << QString();
    QTest::newRow("no inputs") << QStringList{"--to-iso", "a.iso"} << QString();
    QTest::newRow("missing value") << QStringList{"a.jpg", "--to-iso"} << QString();
    QTest::newRow("bad standard") << QStringList{"--standard", "SECAM", "--to-iso", "a.iso", "a.jpg"}
                                  << QString();
    QTest::newRow("quality too high")
        << QStringList{"--quality", "9.5", "--to-iso", "a.iso", "a.jpg"} << QString();
    QTest::newRow("quality text") << QStringList{"--quality", "best", "--to-iso", "a.iso", "a.jpg"}
                                  << QString();
    QTest::newRow("audio rate low") << QStringList{"--audio-bitrate", "96", "--to-iso", "a.iso", "a.jpg"}
                                    << QString();
    QTest::newRow("channels 4") << QStringList{"--channels", "4", "--to-iso", "a.iso", "a.jpg"} << QString();
    QTest::newRow("at end sometimes") << QStringList{"--at-end", "sometimes", "--to-iso", "a.iso", "a.jpg"}
                                      << QStringLiteral("repeat or stop");
    QTest::newRow("unknown option") << QStringList{"--fast", "--to-iso", "a.iso", "a.jpg"} << QString();
    QTest::newRow("copies for iso") << QStringList{"--copies", "2", "--to-iso", "a.iso", "a.jpg"}
                                    << QString();
    QTest::newRow("flag with value") << QStringList{"--yes=no", "--to-iso", "a.iso", "a.jpg"} << QString();
    // Values outside the window's own ranges, with the range in the message.
    const QStringList iso{"--to-iso", "a.iso", "a.jpg"};
    QTest::newRow("photo 999999 ms") << (QStringList{"--photo-duration", "999999"} + iso)
                                     << QStringLiteral("from 1000 to 999000");
    QTest::newRow("photo one hour") << (QStringList{"--photo-duration", "3600000"} + iso)
                                    << QStringLiteral("from 1000 to 999000");
    QTest::newRow("photo 1 ms") << (QStringList{"--photo-duration", "1"} + iso)
                                << QStringLiteral("from 1000 to 999000");
    QTest::newRow("transition 999999 ms")
        << (QStringList{"--transition-duration=999999"} + iso) << QStringLiteral("from 500 to 5000");
    QTest::newRow("transition 499 ms")
        << (QStringList{"--transition-duration", "499"} + iso) << QStringLiteral("from 500 to 5000");
    QTest::newRow("quality nan") << (QStringList{"--quality", "nan"} + iso) << QStringLiteral("from 2 to 9");
    QTest::newRow("quality inf") << (QStringList{"--quality", "inf"} + iso) << QStringLiteral("from 2 to 9");
    QTest::newRow("aspect 21:9") << (QStringList{"--aspect", "21:9"} + iso) << QStringLiteral("16:9 or 4:3");
    QTest::newRow("aspect missing") << (QStringList{"--aspect"}) << QStringLiteral("--aspect");
    QTest::newRow("framing stretch") << (QStringList{"--framing", "stretch"} + iso)
                                     << QStringLiteral("fit, fill or blur");
    QTest::newRow("chapters 5") << (QStringList{"--chapters", "5"} + iso) << QStringLiteral("photo or none");
}

void TestImport::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const MakeDvdParse parsed = parseMakeDvdArguments(args);
    QVERIFY(!parsed.options);
    QVERIFY(!parsed.error.isEmpty());
    QVERIFY2(parsed.error.contains(message), qPrintable(parsed.error));
}

void TestImport::optionValues()
{
    const MakeDvdParse parsed = parseMakeDvdArguments({"--to-drive",
                                                       "stdio:/tmp/x.img",
                                                       "--quality",
                                                       "normal",
                                                       "--standard",
                                                       "ntsc",
                                                       "--audio-bitrate=448",
                                                       "--channels",
                                                       "6",
                                                       "--copies",
                                                       "3",
                                                       "--photo-duration",
                                                       "4000",
                                                       "--no-transition",
                                                       "--volume-label",
                                                       "  ",
                                                       "--at-end",
                                                       "STOP",
                                                       "--aspect",
                                                       "4:3",
                                                       "--framing=Blur",
                                                       "--chapters",
                                                       "none",
                                                       "--",
                                                       "--odd-name.jpg"});
    QVERIFY2(parsed.options, qPrintable(parsed.error));
    const MakeDvdOptions &o = *parsed.options;
    QCOMPARE(o.destination.type, Destination::Burner);
    QCOMPARE(o.destination.path, QStringLiteral("stdio:/tmp/x.img"));
    QCOMPARE(o.videoBitRate, 5000000);
    QCOMPARE(o.standard, TvStandard::Ntsc);
    QCOMPARE(o.audioBitRate, 448000);
    QCOMPARE(o.channels, 6);
    QCOMPARE(o.copies, 3);
    QCOMPARE(o.photoDurationMs, 4000);
    QVERIFY(o.noTransition);
    QCOMPARE(o.destination.volumeLabel, QStringLiteral("My DVD"));
    QCOMPARE(o.inputs, QStringList{"--odd-name.jpg"});
    QCOMPARE(o.atEnd, ShowEnd::Stop);
    QCOMPARE(o.aspect, DvdAspect::Standard);
    QCOMPARE(o.framing, PhotoFraming::Blur);
    QCOMPARE(o.chapters, ChapterMarks::None);
    const MakeDvdParse custom = parseMakeDvdArguments({"--quality", "6.50", "--to-iso", "x.iso", "p.jpg"});
    QVERIFY(custom.options);
    QCOMPARE(custom.options->videoBitRate, 6500000);
    QCOMPARE(custom.options->atEnd, ShowEnd::Repeat); // the default, as before the option
    QCOMPARE(custom.options->standard, std::nullopt);
    // The menu: on unless --no-menu, the last of the two winning; a value
    // is refused.
    QVERIFY(custom.options->menu);
    const MakeDvdParse off = parseMakeDvdArguments({"--no-menu", "--to-iso", "x.iso", "p.jpg"});
    QVERIFY2(off.options, qPrintable(off.error));
    QVERIFY(!off.options->menu);
    const MakeDvdParse on = parseMakeDvdArguments({"--no-menu", "--menu", "--to-iso", "x.iso", "p.jpg"});
    QVERIFY2(on.options, qPrintable(on.error));
    QVERIFY(on.options->menu);
    QVERIFY(!parseMakeDvdArguments({"--menu=yes", "--to-iso", "x.iso", "p.jpg"}).options);
    // The menu's title (any text, empty too), its background and music;
    // only for a DVD.
    QVERIFY(custom.options->menuMusic);
    QVERIFY(custom.options->menuTitle.isEmpty() && custom.options->menuBackground.isEmpty());
    const MakeDvdParse menu =
        parseMakeDvdArguments({"--menu-title", QStringLiteral("Été – 夏"), "--menu-background=b.jpg",
                               "--no-menu-music", "--to-iso", "x.iso", "p.jpg", "b.jpg"});
    QVERIFY2(menu.options, qPrintable(menu.error));
    QCOMPARE(menu.options->menuTitle, QStringLiteral("Été – 夏"));
    QCOMPARE(menu.options->menuBackground, QStringLiteral("b.jpg"));
    QVERIFY(!menu.options->menuMusic);
    QVERIFY(menu.options->given.contains(QStringLiteral("--no-menu-music")));
    QVERIFY(parseMakeDvdArguments({"--no-menu-music", "--menu-music", "--to-iso", "x.iso", "p.jpg"})
                .options->menuMusic);
    QVERIFY(!parseMakeDvdArguments({"--menu-background=", "--to-iso", "x.iso", "p.jpg"}).options);
    QVERIFY(!parseMakeDvdArguments({"--menu-music=no", "--to-iso", "x.iso", "p.jpg"}).options);
    QVERIFY(!parseMakeArguments(MakeCommand::Video, {"--menu-title", "x", "--to", "v.mp4", "p.jpg"}).options);
    // Without a project: widescreen, photos fitted, a chapter at each.
    QCOMPARE(custom.options->aspect, DvdAspect::Wide);
    QCOMPARE(custom.options->framing, PhotoFraming::Fit);
    QCOMPARE(custom.options->chapters, ChapterMarks::PerPhoto);
    QVERIFY(parseMakeDvdArguments({"--help"}).options->help);
}

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
