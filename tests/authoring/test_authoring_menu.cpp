// The disc's menu: its pages' layout and button order, and discs authored
// with it in PAL and NTSC, 4:3 and 16:9, walked with libdvdnav the way a
// viewer uses a remote (Play, the photo index, Menu, the end of the show),
// their highlight areas compared with the drawn buttons, the menu decoded
// with FFmpeg and its title read back by OCR.
#include "dvdtestmedia.h"
#include "authoring/dvdauthoring.h"
#include "authoring/dvdmenu.h"
#include "engine/menustill.h"

#include "dvdcheck.h"
#include "dvdinspect.h"
#include "testmedia.h"
#include "testsupport.h"

#include <QPainter>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <set>

namespace {
constexpr int kPhotos = 9;
const QString kTitle = QStringLiteral("Summer Holiday");

DvdMenuContent content(bool pal, bool wide, int photos = kPhotos)
{
    DvdMenuContent c;
    c.title = kTitle;
    c.photoCount = photos;
    c.pal = pal;
    c.wide = wide;
    c.background = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, size.width(), size.height());
        g.setColorAt(0, QColor(240, 200, 120));
        g.setColorAt(1, QColor(40, 90, 160));
        p.fillRect(image.rect(), g);
        return image;
    };
    c.thumbnail = [](int k, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((k * 40) % 360, 200, 220));
        return image;
    };
    return c;
}

// The title: seconds of test pattern of the disc's shape.
bool makeTitle(const QString &path, bool pal, bool wide, int seconds)
{
    return TestSupport::ffmpeg({QStringLiteral("-f"),
                                QStringLiteral("lavfi"),
                                QStringLiteral("-i"),
                                pal ? QStringLiteral("testsrc=size=720x576:rate=25")
                                    : QStringLiteral("testsrc=size=720x480:rate=30000/1001"),
                                QStringLiteral("-t"),
                                QString::number(seconds),
                                QStringLiteral("-c:v"),
                                QStringLiteral("mpeg2video"),
                                QStringLiteral("-b:v"),
                                QStringLiteral("3M"),
                                QStringLiteral("-maxrate"),
                                QStringLiteral("9M"),
                                QStringLiteral("-bufsize"),
                                QStringLiteral("1835008"),
                                QStringLiteral("-g"),
                                pal ? QStringLiteral("12") : QStringLiteral("15"),
                                QStringLiteral("-aspect"),
                                wide ? QStringLiteral("16:9") : QStringLiteral("4:3"),
                                QStringLiteral("-f"),
                                QStringLiteral("mpeg2video"),
                                path});
}

QString ocr(const QImage &image, const QString &scratch)
{
    if (!image.save(scratch))
        return QString();
    QProcess tesseract;
    tesseract.start(QStringLiteral("tesseract"), {scratch, QStringLiteral("stdout")});
    if (!tesseract.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(tesseract.readAllStandardOutput()).simplified();
}

// The picture as the television shows it: 720 stored columns widened or
// narrowed to the display shape.
QImage displayed(const QImage &stored, bool wide)
{
    const int width = stored.height() * (wide ? 16 : 4) / (wide ? 9 : 3);
    return stored.scaled(width, stored.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
} // namespace

class TestAuthoringMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void highlights();
    void disc_data();
    void disc();
    void titleAndBackground();
    void menuMusic();
    void musicLoops_data();
    void musicLoops();
};

void TestAuthoringMenu::layout_data()
{
    QTest::addColumn<bool>("pal");
    QTest::addColumn<bool>("wide");
    QTest::newRow("PAL 4:3") << true << false;
    QTest::newRow("NTSC 4:3") << false << false;
    QTest::newRow("PAL 16:9") << true << true;
    QTest::newRow("NTSC 16:9") << false << true;
}

// The button order every player and test relies on, the actions behind
// them, the title safe area and arrows that follow the layout.
void TestAuthoringMenu::layout()
{
    QFETCH(bool, pal);
    QFETCH(bool, wide);
    const int photos = 13;
    const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(content(pal, wide, photos));
    const int per = DvdMenuDesign::thumbnailsPerPage(wide);
    QCOMPARE(pages.size(), 1 + (photos + per - 1) / per);
    const QSize stored = DvdMenuDesign::storedSize(pal);

    const DvdMenuPage &main = pages[0];
    QCOMPARE(main.picture.size(), stored);
    QCOMPARE(main.buttons.size(), 2);
    QCOMPARE(main.buttons[0].label, QStringLiteral("Play"));
    QCOMPARE(main.buttons[0].action.kind, DvdMenuAction::PlayShow);
    QCOMPARE(main.buttons[1].label, QStringLiteral("Photos"));
    QCOMPARE(main.buttons[1].action.kind, DvdMenuAction::OpenPage);
    QCOMPARE(main.buttons[1].action.target, 1);
    QCOMPARE(main.buttons[0].right, 2);
    QCOMPARE(main.buttons[1].left, 1);
    QCOMPARE(main.buttons[0].left, 1); // nothing that way: stays

    // Every photo exactly once, in order, on the index pages.
    int next = 0;
    const QRect safe(int(stored.width() * 0.1) - 1, int(stored.height() * 0.1) - 1,
                     int(stored.width() * 0.8) + 2, int(stored.height() * 0.8) + 2);
    for (int i = 1; i < pages.size(); ++i) {
        const DvdMenuPage &page = pages[i];
        const int thumbs = std::min(per, photos - (i - 1) * per);
        QStringList expected;
        for (int k = 0; k < thumbs; ++k) {
            QCOMPARE(page.buttons[k].action.kind, DvdMenuAction::PlayPhoto);
            QCOMPARE(page.buttons[k].action.target, next++);
        }
        for (int b = thumbs; b < page.buttons.size(); ++b)
            expected.append(page.buttons[b].label);
        QStringList want;
        if (i > 1)
            want << QStringLiteral("Previous");
        if (i + 1 < pages.size())
            want << QStringLiteral("Next");
        want << QStringLiteral("Back");
        QCOMPARE(expected, want);
        QCOMPARE(page.buttons.last().action.target, 0);
        for (const DvdMenuButton &b : page.buttons)
            QVERIFY2(safe.contains(b.rect), qPrintable(b.label));
        // Reading order: the second thumbnail lies right of the first, the
        // first of the second row below the first.
        const int columns = per / 2;
        if (thumbs > 1) {
            QVERIFY(page.buttons[0].rect.right() < page.buttons[1].rect.left());
            QCOMPARE(page.buttons[0].right, 2);
            QCOMPARE(page.buttons[1].left, 1);
        }
        if (thumbs > columns) {
            QVERIFY(page.buttons[0].rect.bottom() < page.buttons[columns].rect.top());
            QCOMPARE(page.buttons[0].down, columns + 1);
            QCOMPARE(page.buttons[columns].up, 1);
        }
        // Down from the lowest thumbnails reaches the page buttons, and up
        // from Back a thumbnail.
        const int back = page.buttons.size();
        QVERIFY(page.buttons[back - 1].up <= thumbs);
        QVERIFY(page.buttons[thumbs - 1].down > thumbs);
        // No two buttons overlap, with their highlight frames too.
        for (int a = 0; a < page.buttons.size(); ++a)
            for (int b = a + 1; b < page.buttons.size(); ++b)
                QVERIFY(!DvdMenuDesign::highlightRect(page.buttons[a].rect, stored, false)
                             .intersects(DvdMenuDesign::highlightRect(page.buttons[b].rect, stored, false)));
    }
    QCOMPARE(next, photos);
}

// The highlight overlays spumux turns into subpictures: no more than four
// colours (transparent included), no blended pixels, the frame around each
// button and nothing on the button itself; the letterbox overlay maps the
// frame into the middle three quarters of the height.
void TestAuthoringMenu::highlights()
{
    for (bool wide : {false, true}) {
        const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(content(true, wide));
        const DvdMenuPage &page = pages[1];
        const QSize stored = page.picture.size();
        for (bool letterbox : {false, true}) {
            for (bool selected : {false, true}) {
                const QImage image = DvdMenuDesign::highlightImage(page, selected, letterbox);
                QCOMPARE(image.size(), stored);
                std::set<QRgb> colours;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        colours.insert(image.pixel(x, y));
                QVERIFY2(colours.size() <= 4, qPrintable(QString::number(colours.size())));
                for (QRgb c : colours)
                    QVERIFY(qAlpha(c) == 0 || qAlpha(c) == 255);
                for (const DvdMenuButton &button : page.buttons) {
                    const QRect frame = DvdMenuDesign::highlightRect(button.rect, stored, letterbox);
                    QVERIFY(frame.top() % 2 == 0);
                    QCOMPARE(qAlpha(image.pixel(frame.topLeft())), 255);
                    QCOMPARE(qAlpha(image.pixel(frame.bottomRight())), 255);
                    QCOMPARE(qAlpha(image.pixel(frame.center())), 0);
                    if (letterbox) {
                        QVERIFY(frame.top() >= stored.height() / 8);
                        QVERIFY(frame.bottom() < stored.height() * 7 / 8);
                    } else {
                        QVERIFY(frame.contains(button.rect));
                    }
                }
            }
        }
    }
}

void TestAuthoringMenu::disc_data()
{
    layout_data();
}

// A disc with the menu, as a viewer goes through it with a remote.
void TestAuthoringMenu::disc()
{
    QFETCH(bool, pal);
    QFETCH(bool, wide);
    const QString dir =
        TestSupport::freshDir(QStringLiteral("menu %1 %2").arg(pal ? 1 : 0).arg(wide ? 1 : 0));
    const QString video = dir + QStringLiteral("/title.m2v");
    const QString audio = dir + QStringLiteral("/title.ac3");
    QVERIFY(makeTitle(video, pal, wide, kPhotos));
    QVERIFY(DvdTestMedia::makeAudio(audio, kPhotos));

    DvdAuthoring author;
    author.setTempPath(dir + QStringLiteral("/work"));
    author.setTVStandard(pal ? DvdAuthoring::PAL : DvdAuthoring::NTSC);
    author.setAspectRatio(wide ? DvdAuthoring::Ratio16x9 : DvdAuthoring::Ratio4x3);
    author.setEndOfShow(DvdAuthoring::Stop); // with a menu the end returns to it all the same
    QVERIFY(author.addVideo(video, 0));
    QVERIFY(author.addAudio(audio, QStringLiteral("English"), 0));
    QVector<qint64> chapters;
    for (int k = 0; k < kPhotos; ++k)
        chapters.append(qint64(k) * (pal ? 25 : 30));
    QVERIFY(author.setChapters(0, chapters));
    const TvStandard standard = pal ? TvStandard::Pal : TvStandard::Ntsc;
    const DvdAspect aspect = wide ? DvdAspect::Wide : DvdAspect::Standard;
    author.setMenu(content(pal, wide),
                   [=](const QImage &picture, const QString &v, const QString &a, QString *error) {
                       return MenuStill::encode(picture, standard, aspect, v, a, error);
                   });
    author.start();
    author.wait();
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorSucceeded);
    const QString disc = dir + QStringLiteral("/work/dvd");

    // libdvdread reads it without complaint.
    const DvdCheck::Disc read = DvdCheck::read(disc);
    QVERIFY2(read.ok, qPrintable(read.error));
    // (Only what libdvdread says of every folder: no CSS library, no
    // device name.)
    for (const QString &message : read.messages)
        QVERIFY2(message.startsWith(QLatin1String("Encrypted DVD support unavailable")) ||
                     message.startsWith(QLatin1String("Couldn't find device name")),
                 qPrintable(message));
    QCOMPARE(read.menuAspect, wide ? 3 : 0);
    QCOMPARE(read.titles.size(), 1);
    QCOMPARE(read.titles[0].partCount, kPhotos);

    // Highlight areas on the drawn buttons: the pages as drawn for the disc.
    const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(content(pal, wide));
    const QSize stored = DvdMenuDesign::storedSize(pal);
    const auto checkOn = [&](const DvdInspect::MenuView &view, const DvdMenuPage &page) {
        QCOMPARE(view.buttons, page.buttons.size());
        QCOMPARE(view.groupRects.size(), wide ? 2 : 1);
        for (int g = 0; g < view.groupRects.size(); ++g) {
            // 4:3 menus: one group for the normal picture; wide menus: one
            // for 16:9 and one for letterbox.
            const bool letterbox = view.groupModes[g] == 2;
            if (wide)
                QVERIFY(view.groupModes[g] == 1 || view.groupModes[g] == 2);
            for (int b = 0; b < page.buttons.size(); ++b) {
                const QRect want = DvdMenuDesign::highlightRect(page.buttons[b].rect, stored, letterbox);
                const QRect got = view.groupRects[g][b];
                QVERIFY2(qAbs(got.left() - want.left()) <= 2 && qAbs(got.top() - want.top()) <= 2 &&
                             qAbs(got.right() - want.right()) <= 2 && qAbs(got.bottom() - want.bottom()) <= 2,
                         qPrintable(QStringLiteral("button %1 group %2").arg(b + 1).arg(g)));
                if (!letterbox)
                    QVERIFY(got.adjusted(-1, -1, 1, 1).contains(page.buttons[b].rect));
            }
        }
        if (wide)
            QVERIFY(view.groupModes.contains(1) && view.groupModes.contains(2));
    };

    DvdInspect::Player player(disc);
    DvdInspect::MenuView view;
    int title = 0;
    int chapter = 0;
    // The disc opens on the main page; Play starts the show at its start.
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    checkOn(view, pages[0]);
    QCOMPARE(player.arrow(3), 2);
    QCOMPARE(player.arrow(2), 1);
    QVERIFY(player.press(1));
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(title, 1);
    QCOMPARE(chapter, 1);
    // Menu in the middle of the show: back on the main page.
    while (chapter < 3)
        QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QVERIFY(player.menuButton());
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    checkOn(view, pages[0]);

    // Photos: the first thumbnail plays the first photo's chapter.
    QVERIFY(player.press(2));
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    checkOn(view, pages[1]);
    QVERIFY(player.press(1));
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(chapter, 1);
    // The Title button also leads to the main page; then the last page of
    // the index and its last thumbnail: the last photo's chapter.
    QVERIFY(player.menuButton(true));
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    checkOn(view, pages[0]);
    QVERIFY(player.press(2));
    QVERIFY(player.untilMenu(&view));
    const int per = DvdMenuDesign::thumbnailsPerPage(wide);
    QVERIFY(player.press(per + 1)); // Next
    QVERIFY(player.untilMenu(&view));
    checkOn(view, pages[2]);
    const int lastThumb = kPhotos - per;
    QCOMPARE(pages[2].buttons[lastThumb - 1].action.target, kPhotos - 1);
    QVERIFY(player.press(lastThumb));
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(title, 1);
    QCOMPARE(chapter, kPhotos);
    // At the end of the show the disc is back on the main page.
    QVERIFY2(player.untilMenu(&view, 200000), qPrintable(player.error()));
    checkOn(view, pages[0]);

    // The menu's video decodes, and its title reads back.
    const QString menuVob = disc + QStringLiteral("/VIDEO_TS/VIDEO_TS.VOB");
    const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(menuVob);
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.errors, 0);
    QVERIFY(decoded.videoFrames >= pages.size());
    const QImage shown = displayed(DvdInspect::firstPicture(menuVob), wide);
    QVERIFY(!shown.isNull());
    const QString text = ocr(shown, dir + QStringLiteral("/main.png"));
    QVERIFY2(text.contains(kTitle, Qt::CaseInsensitive), qPrintable(text));

    // Pictures of the main page and the first index page, for a person to
    // look at (SORVEL_SCREENSHOTS names a folder).
    const QString shots = qEnvironmentVariable("SORVEL_SCREENSHOTS");
    if (!shots.isEmpty()) {
        const QString tag =
            QStringLiteral("%1-%2").arg(pal ? QStringLiteral("pal") : QStringLiteral("ntsc"),
                                        wide ? QStringLiteral("16x9") : QStringLiteral("4x3"));
        shown.save(shots + QStringLiteral("/menu-main-%1.png").arg(tag));
        displayed(DvdInspect::firstPicture(dir + QStringLiteral("/work/menu_1.mpg")), wide)
            .save(shots + QStringLiteral("/menu-index-%1.png").arg(tag));
    }
}

namespace {
// Where a page's title is drawn: the pixels that differ from the same
// page without a title.
QRect titleArea(const DvdMenuContent &c)
{
    DvdMenuContent untitled = c;
    untitled.title.clear();
    const QImage with = DvdMenuDesign::mainPage(c).picture;
    const QImage without = DvdMenuDesign::mainPage(untitled).picture;
    QRect area;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// The root mean square of a stretch of sound (seconds from..to).
double rms(const std::vector<float> &sound, int rate, double from, double to)
{
    const size_t a = size_t(std::max(0.0, from * rate));
    const size_t b = std::min(sound.size(), size_t(to * rate));
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(sound[i]) * sound[i];
    return b > a ? std::sqrt(sum / double(b - a)) : 0.0;
}

// An album of one clip: seconds of a chord in a WAV file in dir.
Album musicAlbum(const QString &dir, double seconds)
{
    Album album;
    AudioInfo clip;
    clip.path = dir + QStringLiteral("/chord.wav");
    TestMedia::writeChordWav(clip.path, seconds);
    clip.duration = seconds;
    clip.clipEnd = seconds;
    album.audios.append(clip);
    return album;
}
} // namespace

// The title: any text, wrapped and made smaller to stay in the title safe
// area above the buttons; a title card's look lies behind the page as it
// is, and the title takes the card's text colour.
void TestAuthoringMenu::titleAndBackground()
{
    for (const bool wide : {false, true}) {
        DvdMenuContent c = content(true, wide);
        c.background = nullptr;
        const QRectF safe(72, 57.6, 576, 460.8);
        const QRect shortArea = titleArea(c);
        QVERIFY(!shortArea.isEmpty());
        c.title = QStringLiteral("The Long Summer Holiday at Grandmother's House by the Lake with all the "
                                 "Cousins, the Dogs and the Old Boat, August 2026");
        const DvdMenuPage page = DvdMenuDesign::mainPage(c);
        const QRect longArea = titleArea(c);
        QVERIFY2(safe.contains(QRectF(longArea)), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                 .arg(longArea.x())
                                                                 .arg(longArea.y())
                                                                 .arg(longArea.width())
                                                                 .arg(longArea.height())));
        // Wrapped onto lines of their own, above the buttons.
        QVERIFY(longArea.height() > shortArea.height() * 3 / 2);
        for (const DvdMenuButton &button : page.buttons)
            QVERIFY(longArea.bottom() < button.rect.top());
        const QString dir = TestSupport::freshDir(QStringLiteral("menu title %1").arg(wide ? 1 : 0));
        const QString read = ocr(displayed(page.picture, wide), dir + QStringLiteral("/title.png"));
        for (const char *word : {"Grandmother's", "Cousins", "August"})
            QVERIFY2(read.contains(QLatin1String(word), Qt::CaseInsensitive), qPrintable(read));

        const QString shots = qEnvironmentVariable("SORVEL_SCREENSHOTS");
        if (!shots.isEmpty())
            displayed(page.picture, wide)
                .save(shots + QStringLiteral("/menu-long-title-%1.png")
                                  .arg(wide ? QStringLiteral("16x9") : QStringLiteral("4x3")));
        // Words of any script, and line breaks of the person's own.
        c.title = QStringLiteral("Été à Łódź\n夏休み 2026");
        const QRect lines = titleArea(c);
        QVERIFY(safe.contains(QRectF(lines)));
        QVERIFY(lines.height() > shortArea.height() * 3 / 2);
    }

    // A title card's look: its yellow as it is on the main page (the index
    // pages a little darker), with the title in the card's dark colour.
    DvdMenuContent card = content(true, true);
    card.background = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(250, 230, 20));
        return image;
    };
    card.backgroundAsIs = true;
    card.titleColour = QColor(20, 20, 60);
    const QVector<DvdMenuPage> pages = DvdMenuDesign::pages(card);
    const QRgb corner = pages[0].picture.pixel(4, 4);
    QVERIFY2(qRed(corner) > 235 && qGreen(corner) > 215 && qBlue(corner) < 40,
             qPrintable(QString::number(corner, 16)));
    QVERIFY(qRed(pages[1].picture.pixel(4, 4)) < qRed(corner) - 30);
    QVERIFY(qRed(pages[1].picture.pixel(4, 4)) > 120);
    const QRect area = titleArea(card);
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(pages[0].picture.pixel(x, y)) < 80 ? 1 : 0;
    }
    QVERIFY2(dark > 200, qPrintable(QString::number(dark)));
}

// The menu's music: the clip from its in point, as long as asked (the
// clip's span when shorter), faded in and out, at its level between.
void TestAuthoringMenu::menuMusic()
{
    const QString dir = TestSupport::freshDir(QStringLiteral("menu music"));
    Album album = musicAlbum(dir, 12.0);
    album.audios[0].clipStart = 1.0;
    const std::vector<int16_t> music = MenuStill::music(album, 8000, 1000);
    QCOMPARE(int(music.size()), 8 * 48000 * 2);
    std::vector<float> left(music.size() / 2);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = music[2 * i] / 32768.f;
    const double middle = rms(left, 48000, 3.0, 5.0);
    QVERIFY2(middle > 0.1, qPrintable(QString::number(middle)));
    QVERIFY(rms(left, 48000, 0.0, 0.05) < middle * 0.1);
    QVERIFY(rms(left, 48000, 7.95, 8.0) < middle * 0.1);
    QVERIFY(rms(left, 48000, 0.45, 0.55) < middle * 0.9);
    QVERIFY(rms(left, 48000, 1.2, 1.4) > middle * 0.8);

    // Shorter than asked: the clip's own span.
    album.audios[0].clipEnd = 4.0;
    QCOMPARE(int(MenuStill::music(album, 30000, 1000).size()), 3 * 48000 * 2);
    // No clip, or one that does not decode: no music.
    album.audios[0].path = dir + QStringLiteral("/gone.wav");
    QVERIFY(MenuStill::music(album).empty());
    QVERIFY(MenuStill::music(Album()).empty());
}

// A menu with music: each page's still lasts as long as the music, its
// sound decodes with the music's level and fades, and on a libdvdnav walk
// the page plays again at its end, keeping the button the viewer chose,
// until a button is pressed.
void TestAuthoringMenu::musicLoops_data()
{
    QTest::addColumn<bool>("pal");
    QTest::addColumn<bool>("wide");
    QTest::newRow("PAL 4:3") << true << false;
    QTest::newRow("NTSC 16:9") << false << true;
}

void TestAuthoringMenu::musicLoops()
{
    QFETCH(bool, pal);
    QFETCH(bool, wide);
    const QString dir = TestSupport::freshDir(QStringLiteral("menu loops %1").arg(pal ? 1 : 0));
    const std::vector<int16_t> music = MenuStill::music(musicAlbum(dir, 10.0), 6000, 1000);
    QCOMPARE(int(music.size()), 6 * 48000 * 2);
    const QString video = dir + QStringLiteral("/title.m2v");
    const QString audio = dir + QStringLiteral("/title.ac3");
    const int photos = 3;
    QVERIFY(makeTitle(video, pal, wide, photos));
    QVERIFY(DvdTestMedia::makeAudio(audio, photos));
    DvdAuthoring author;
    author.setTempPath(dir + QStringLiteral("/work"));
    author.setTVStandard(pal ? DvdAuthoring::PAL : DvdAuthoring::NTSC);
    author.setAspectRatio(wide ? DvdAuthoring::Ratio16x9 : DvdAuthoring::Ratio4x3);
    QVERIFY(author.addVideo(video, 0));
    QVERIFY(author.addAudio(audio, QStringLiteral("English"), 0));
    const int second = pal ? 25 : 30;
    QVERIFY(author.setChapters(0, {0, second, 2 * second}));
    DvdMenuContent c = content(pal, wide, photos);
    c.music = true;
    const TvStandard standard = pal ? TvStandard::Pal : TvStandard::Ntsc;
    const DvdAspect aspect = wide ? DvdAspect::Wide : DvdAspect::Standard;
    author.setMenu(c, [&](const QImage &picture, const QString &v, const QString &a, QString *error) {
        return MenuStill::encode(picture, standard, aspect, v, a, error, &music);
    });
    author.start();
    author.wait();
    QCOMPARE(author.processStatus(), DvdAuthoring::AuthorSucceeded);
    const QString disc = dir + QStringLiteral("/work/dvd");
    const DvdCheck::Disc read = DvdCheck::read(disc);
    QVERIFY2(read.ok, qPrintable(read.error));

    // Every page: six seconds of picture and of sound, the music's level
    // in the middle, faded at both ends.
    for (int i = 0; i < 2; ++i) {
        const QString page = dir + QStringLiteral("/work/menu_%1.mpg").arg(i);
        const DvdInspect::Decoded decoded = DvdInspect::decode(page);
        QVERIFY2(decoded.ok, qPrintable(decoded.error));
        QCOMPARE(decoded.decodeErrors, 0);
        // Six seconds: 150 PAL pictures, 180 NTSC ones (6.006 s).
        QCOMPARE(decoded.pictureTimes.size(), pal ? 150 : 180);
        const double period = pal ? 0.04 : 1001.0 / 30000.0;
        // Every picture the page's still, none lost or shifted.
        for (int f = 1; f < decoded.centreYuv.size(); ++f) {
            for (int c = 0; c < 3; ++c)
                QVERIFY(qAbs(decoded.centreYuv[f][c] - decoded.centreYuv[0][c]) < 1.5);
            QVERIFY(qAbs(decoded.pictureTimes[f] - decoded.pictureTimes[0] - f * period) < 0.002);
        }
        QCOMPARE(decoded.sampleRate, 48000);
        const double seconds = double(decoded.sound.size()) / decoded.sampleRate;
        QVERIFY2(qAbs(seconds - 6.0) < 0.05, qPrintable(QString::number(seconds)));
        const double start = decoded.audioStart - decoded.pictureTimes.first();
        QVERIFY2(qAbs(start) < 0.05, qPrintable(QString::number(start)));
        const double middle = rms(decoded.sound, 48000, 2.5, 3.5);
        QVERIFY2(middle > 0.1, qPrintable(QString::number(middle)));
        QVERIFY(rms(decoded.sound, 48000, 0.0, 0.05) < middle * 0.15);
        QVERIFY(rms(decoded.sound, 48000, 5.9, 5.95) < middle * 0.15);
        qInfo("page %d: %.3f s of sound, level %.3f in the middle, %.4f in the first 50 ms", i + 1, seconds,
              middle, rms(decoded.sound, 48000, 0.0, 0.05));
    }
    const DvdCheck::DecodeResult all = DvdCheck::decodeAll(disc + QStringLiteral("/VIDEO_TS/VIDEO_TS.VOB"));
    QVERIFY2(all.ok, qPrintable(all.error));
    QCOMPARE(all.errors, 0);

    // The walk: the main page, Photos chosen, and the page plays on and
    // on with Photos still chosen; then Play starts the show.
    DvdInspect::Player player(disc);
    DvdInspect::MenuView view;
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    QCOMPARE(view.buttons, 2);
    QCOMPARE(view.groupRects.size(), wide ? 2 : 1);
    QCOMPARE(player.arrow(3), 2);
    const int starts = player.menuCellStarts();
    const qint64 pageBlocks = QFileInfo(dir + QStringLiteral("/work/menu_0.mpg")).size() / 2048;
    QVERIFY2(player.play(pageBlocks * 5 / 2), qPrintable(player.error()));
    QVERIFY(player.inMenu());
    QVERIFY2(player.menuCellStarts() >= starts + 2, qPrintable(QString::number(player.menuCellStarts())));
    QCOMPARE(player.highlighted(), 2);
    QVERIFY2(player.untilMenu(&view), qPrintable(player.error()));
    QVERIFY(player.press(1));
    int title = 0;
    int chapter = 0;
    QVERIFY2(player.untilChapter(&title, &chapter), qPrintable(player.error()));
    QCOMPARE(title, 1);
    QCOMPARE(chapter, 1);
}

QTEST_MAIN(TestAuthoringMenu)
#include "test_authoring_menu.moc"
