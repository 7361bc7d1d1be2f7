// Captions and title cards in the album: their time in the timeline (frame
// exact, at every rate), their project members (round trip, hand-written
// short forms, older files, wrong members named), and one undo step per
// change through the album model.

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUndoStack>

#include "album/albummodel.h"
#include "album/project.h"
#include "album/timeline.h"
#include "testsupport.h"

namespace {

ImageInfo photo(const QString &path)
{
    ImageInfo info;
    info.path = path;
    return info;
}

TitleCard card(const QString &text, int ms)
{
    TitleCard c;
    c.text = text;
    c.durationMs = ms;
    return c;
}

QByteArray projectWithPhotos(const QByteArray &photos)
{
    return "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {}, \"photos\": " + photos +
           ", \"clips\": []}";
}

} // namespace

class TestCaptionsModel : public QObject
{
    Q_OBJECT

private slots:
    // A card's own duration moves every later boundary by the rule of the
    // whole show (each at its exact time, rounded to the nearest frame).
    void timelineWithTitleCards_data()
    {
        QTest::addColumn<int>("num");
        QTest::addColumn<int>("den");
        QTest::addColumn<QList<qint64>>("starts"); // photoStart(0..3), then totalFrames
        // Items 5000, card 2500, 5000, card 3100 ms; transitions 1500 ms.
        // Starts at 0, 6500, 10500, 17000 ms; the end at 20100 ms.
        QTest::newRow("PAL") << 25 << 1 << QList<qint64>{0, 163, 263, 425, 503};
        QTest::newRow("NTSC") << 30000 << 1001 << QList<qint64>{0, 195, 315, 509, 602};
        QTest::newRow("60 fps") << 60 << 1 << QList<qint64>{0, 390, 630, 1020, 1206};
    }

    void timelineWithTitleCards()
    {
        QFETCH(int, num);
        QFETCH(int, den);
        QFETCH(QList<qint64>, starts);
        Album album(QString{});
        album.settings.photoDurationMs = 5000;
        album.settings.transitionDurationMs = 1500;
        album.photos << photo(QStringLiteral("a.jpg"))
                     << ImageInfo::forTitleCard(card(QStringLiteral("x"), 2500))
                     << photo(QStringLiteral("b.jpg"))
                     << ImageInfo::forTitleCard(card(QStringLiteral("y"), 3100));
        OutputFormat format;
        format.frameRateNum = num;
        format.frameRateDen = den;
        const Timeline t = Timeline::of(album, format);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(t.photoStart(k), starts[k]);
        QCOMPARE(t.totalFrames(), starts[4]);
        QCOMPARE(t.itemMs(1), 2500);
        // The card's transition out starts after its own time.
        QCOMPARE(t.transitionStart(1), t.frameAt(6500 + 2500));
        // Every frame belongs to the item whose span holds it.
        for (int64_t f = 0; f < t.totalFrames(); ++f) {
            const Timeline::Position p = t.at(f);
            QVERIFY(p.photo >= 0);
            QVERIFY(t.photoStart(p.photo) <= f);
            QCOMPARE(p.inTransition, f >= t.transitionStart(p.photo));
        }
        // The album's length agrees, and without cards the timeline is the
        // one of equal photos.
        QCOMPARE(album.videoLength(), 20.1);
        album.photos.removeAt(3);
        album.photos.removeAt(1);
        QCOMPARE(Timeline::of(album, format), Timeline(2, 5000, 1500, num, den));
    }

    void fitToAudioKeepsCardTime()
    {
        Album album(QString{});
        album.settings.useTransition = false;
        album.photos << ImageInfo::forTitleCard(card(QStringLiteral("Start"), 4000))
                     << photo(QStringLiteral("a.jpg")) << photo(QStringLiteral("b.jpg"));
        AudioInfo clip;
        clip.clipEnd = 24.0;
        album.audios << clip;
        QVERIFY(album.fitPhotoDurationToAudio(OutputFormat::forStandard(TvStandard::Pal)));
        // 24 s less the card's 4 s over two photos, the whole frame just
        // above (the pictures outlast the music).
        QCOMPARE(album.settings.photoDurationMs, 10040);
        QVERIFY(album.videoLength() >= 24.0 && album.videoLength() <= 24.1);
    }

    void projectRoundTrip()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("captions-project"));
        Album album(QString{});
        ImageInfo p = photo(dir + QStringLiteral("/photos/a.jpg"));
        p.caption.text = QStringLiteral("Lisbon, May 2026\nשלום — 长城 🎉");
        p.caption.style.fontFamily = QStringLiteral("DejaVu Serif");
        p.caption.style.sizePerMille = 65;
        p.caption.style.colour = QColor(255, 236, 120);
        p.caption.style.bold = true;
        p.caption.style.italic = true;
        p.caption.style.place = CaptionPlace::Top;
        p.caption.style.align = CaptionAlign::Right;
        p.caption.style.backdrop = CaptionBackdrop::Band;
        TitleCard c = card(QStringLiteral("The End"), 3500);
        c.background = CardBackground::BlurredPhoto;
        c.photoPath = dir + QStringLiteral("/photos/a.jpg");
        c.colour2 = QColor(1, 2, 3);
        album.photos << ImageInfo::forTitleCard(card(QStringLiteral("Our Trip"), 2000)) << p
                     << ImageInfo::forTitleCard(c);
        const QByteArray json = Project::toJson(album, QDir(dir));
        // The card is an entry in its place, without a path; its photo is
        // stored relative to the project.
        const QJsonArray photos =
            QJsonDocument::fromJson(json).object().value(QStringLiteral("photos")).toArray();
        QCOMPARE(photos.size(), 3);
        QVERIFY(!photos[0].toObject().contains(QStringLiteral("path")));
        QCOMPARE(
            photos[2].toObject()[QStringLiteral("titleCard")].toObject()[QStringLiteral("photo")].toString(),
            QStringLiteral("photos/a.jpg"));
        Project::Data data;
        QString error;
        QVERIFY2(Project::fromJson(json, QDir(dir), &data, &error), qPrintable(error));
        QCOMPARE(data.photos.size(), 3);
        QCOMPARE(*data.photos[0].titleCard, card(QStringLiteral("Our Trip"), 2000));
        QVERIFY(!data.photos[1].titleCard);
        QCOMPARE(data.photos[1].caption, p.caption);
        QCOMPARE(*data.photos[2].titleCard, c);
        // Opening keeps the cards (no file to find) in their places, and
        // the photo whose file is gone as a placeholder with its caption.
        Album opened(QString{});
        QStringList missing;
        QVERIFY(Project::load(data, &opened, &missing, {}, false));
        QCOMPARE(missing, QStringList{dir + QStringLiteral("/photos/a.jpg")});
        QCOMPARE(opened.photos.size(), 3);
        QVERIFY(opened.photos[0].isTitleCard() && opened.photos[2].isTitleCard());
        QVERIFY(opened.photos[1].missing && !opened.photos[1].isTitleCard());
        QCOMPARE(opened.photos[1].caption, p.caption);
        QCOMPARE(opened.photos[2].titleCard->text, QStringLiteral("The End"));
        // What is shown leaves the placeholder out.
        QCOMPARE(opened.present().photos.size(), 2);
    }

    // Hand-written projects need only the text (and a card's time); files
    // without captions open as before.
    void handWrittenAndOlderProjects()
    {
        Project::Data data;
        QString error;
        QVERIFY2(
            Project::fromJson(projectWithPhotos("[{\"path\": \"/a.jpg\", \"caption\": {\"text\": \"Hi\"}},"
                                                " {\"titleCard\": {\"text\": \"Fin\", \"durationMs\": 3000}},"
                                                " {\"path\": \"/b.jpg\"}]"),
                              QDir(QStringLiteral("/")), &data, &error),
            qPrintable(error));
        QCOMPARE(data.photos.size(), 3);
        Caption expected;
        expected.text = QStringLiteral("Hi");
        QCOMPARE(data.photos[0].caption, expected);
        QCOMPARE(*data.photos[1].titleCard, card(QStringLiteral("Fin"), 3000));
        QVERIFY(data.photos[2].caption.isEmpty() && !data.photos[2].titleCard);
        // A photo without a caption writes none.
        Album album(QString{});
        album.photos << photo(QStringLiteral("/b.jpg"));
        QVERIFY(!Project::toJson(album, QDir(QStringLiteral("/"))).contains("caption"));
    }

    void wrongMembersAreNamed_data()
    {
        QTest::addColumn<QByteArray>("photos");
        QTest::addColumn<QString>("member");
        QTest::newRow("size too large")
            << QByteArray("[{\"path\": \"/a.jpg\", \"caption\": {\"text\": \"x\", \"size\": 900}}]")
            << QStringLiteral("photos[0].caption.size");
        QTest::newRow("no text") << QByteArray("[{\"path\": \"/a.jpg\", \"caption\": {\"bold\": true}}]")
                                 << QStringLiteral("photos[0].caption.text");
        QTest::newRow("unknown position")
            << QByteArray("[{\"path\": \"/a.jpg\"}, {\"path\": \"/b.jpg\", \"caption\": {\"text\": \"x\", "
                          "\"position\": \"left\"}}]")
            << QStringLiteral("photos[1].caption.position");
        QTest::newRow("bad colour")
            << QByteArray("[{\"path\": \"/a.jpg\", \"caption\": {\"text\": \"x\", \"colour\": \"#12\"}}]")
            << QStringLiteral("photos[0].caption.colour");
        QTest::newRow("card without time") << QByteArray("[{\"titleCard\": {\"text\": \"x\"}}]")
                                           << QStringLiteral("photos[0].titleCard.durationMs");
        QTest::newRow("card text not a text")
            << QByteArray("[{\"titleCard\": {\"text\": 5, \"durationMs\": 2000}}]")
            << QStringLiteral("photos[0].titleCard.text");
        QTest::newRow("caption not an object") << QByteArray("[{\"path\": \"/a.jpg\", \"caption\": \"x\"}]")
                                               << QStringLiteral("photos[0].caption");
    }

    void wrongMembersAreNamed()
    {
        QFETCH(QByteArray, photos);
        QFETCH(QString, member);
        Project::Data data;
        QString error;
        QVERIFY(!Project::fromJson(projectWithPhotos(photos), QDir(QStringLiteral("/")), &data, &error));
        QVERIFY2(error.contains(member + QLatin1Char(':')), qPrintable(error));
    }

    // Each caption and card change is one undo step; undo and redo bring
    // back exactly the text and the style.
    void undoRedoOfEachChange()
    {
        Album album(QString{});
        album.photos << photo(QStringLiteral("a.jpg")) << photo(QStringLiteral("b.jpg"));
        AlbumModel model(album);
        int changes = 0;
        connect(&model, &AlbumModel::changed, this, [&](AlbumModel::Parts parts) {
            QVERIFY(parts & AlbumModel::Photos);
            ++changes;
        });
        const QList<std::function<void(Album &)>> edits{
            [](Album &a) { a.photos[0].caption.text = QStringLiteral("Dawn"); },
            [](Album &a) { a.photos[0].caption.style.sizePerMille = 80; },
            [](Album &a) { a.photos[0].caption.style.colour = QColor(Qt::yellow); },
            [](Album &a) { a.photos[0].caption.style.place = CaptionPlace::Centre; },
            [](Album &a) { a.photos[0].caption.style.backdrop = CaptionBackdrop::None; },
            [](Album &a) { a.photos.insert(1, ImageInfo::forTitleCard(card(QStringLiteral("Mid"), 2000))); },
            [](Album &a) { a.photos[1].titleCard->durationMs = 6000; },
            [](Album &a) { a.photos[1].titleCard->background = CardBackground::Gradient; },
        };
        QList<AlbumSnapshot> states{AlbumSnapshot::of(model.album())};
        for (const auto &e : edits) {
            QVERIFY(model.edit(QStringLiteral("edit"), e));
            states << AlbumSnapshot::of(model.album());
        }
        QCOMPARE(model.undoStack()->count(), edits.size());
        for (int i = int(edits.size()) - 1; i >= 0; --i) {
            model.undoStack()->undo();
            QVERIFY(AlbumSnapshot::of(model.album()).sameAs(states[i]));
            QCOMPARE(model.album().photos.value(0).caption, states[i].photos.value(0).caption);
        }
        for (int i = 1; i <= int(edits.size()); ++i) {
            model.undoStack()->redo();
            QVERIFY(AlbumSnapshot::of(model.album()).sameAs(states[i]));
        }
        QCOMPARE(changes, 3 * int(edits.size()));
        // The same caption again records nothing.
        QVERIFY(!model.edit(QStringLiteral("same"),
                            [](Album &a) { a.photos[0].caption.text = QStringLiteral("Dawn"); }));
    }
};

QTEST_GUILESS_MAIN(TestCaptionsModel)
#include "test_captions_model.moc"
