// Captions and title cards drawn by the engine: read back by OCR from
// written frames at DVD and HD sizes, kept inside the title-safe area,
// the same pixels on OpenGL (the preview's path) and on the processor (the
// writer's), fading with the transitions, and right-to-left and CJK text in
// the order the text layout gives.

#include "engine/avwritermanager.h"
#include "engine/captionpainter.h"
#include "engine/offscreengl.h"
#include "engine/storyboardrender.h"

#include "enginetestutil.h"
#include "testsupport.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTest>
#include <QTextLayout>

using namespace EngineTest;

namespace {

OutputFormat hdFormat()
{
    OutputFormat f;
    f.width = 1920;
    f.height = 1080;
    f.aspectNum = 16;
    f.aspectDen = 9;
    return f;
}

// Stored pixels per displayed pixel of a format's frame, as the storyboard
// draws it.
double squeezeOf(const OutputFormat &format)
{
    StoryBoardRender story;
    story.setFormat(format);
    return story.squeeze();
}

// The box of pixels that differ from a flat background colour by more than
// a few levels (a null rectangle when none).
QRect changedBox(const QImage &frame, QColor background, int tolerance = 6)
{
    QRect box;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (!near(QColor(frame.pixel(x, y)), background, tolerance))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Mean distance from the background over a box: the text's contrast.
double contrast(const QImage &frame, const QRect &box, QColor background)
{
    double sum = 0.0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c(frame.pixel(x, y));
            sum += std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                   std::abs(c.blue() - background.blue());
        }
    }
    return sum / (3.0 * box.width() * box.height());
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

    QString m_dir;
    QString m_grey;
    QString m_blue;

    // Frame f of the album as the writer makes it (top row first). gl:
    // drawn by OpenGL, as the on-screen preview draws, instead of composed
    // on the processor.
    QImage render(Album &album, const OutputFormat &format, int f, bool gl = false)
    {
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        AVWriterManager writer;
        if (!writer.init(story.format())) {
            qWarning() << writer.errorString();
            return QImage();
        }
        if (gl)
            writer.core().setSoftwareCompositing(false);
        story.renderFrame(f, false, &writer);
        QImage out(format.width, format.height, QImage::Format_ARGB32);
        writer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits());
        return out;
    }

    // The frame as the preview's drawing path makes it: OpenGL with the
    // on-screen row order (bottom row first, read back and turned).
    QImage renderAsPreview(Album &album, const OutputFormat &format, int f)
    {
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        OffscreenGLDrawer drawer;
        if (!drawer.initTextures(format.width, format.height, StoryBoardRender::kSlotCount, false))
            return QImage();
        story.renderFrame(f, false, &drawer);
        QImage out(format.width, format.height, QImage::Format_ARGB32);
        drawer.readPixels(GL_BGRA, GL_UNSIGNED_BYTE, out.bits());
        return out.mirrored(false, true);
    }

    ImageInfo captioned(const QString &path, const QString &text, CaptionPlace place = CaptionPlace::Bottom,
                        CaptionAlign align = CaptionAlign::Centre)
    {
        ImageInfo info = photoInfo(path);
        info.caption.text = text;
        info.caption.style.place = place;
        info.caption.style.align = align;
        return info;
    }

    // The words tesseract reads in a part of a frame (dark text on light
    // and at least 60 pixels a line, as it reads best).
    QString ocr(const QImage &frame, const QRect &part, const QString &name)
    {
        QImage crop = frame.copy(part.adjusted(-12, -12, 12, 12)).convertToFormat(QImage::Format_Grayscale8);
        crop.invertPixels();
        if (crop.height() < 120)
            crop = crop.scaled(crop.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString png = m_dir + QLatin1Char('/') + name + QStringLiteral(".png");
        crop.save(png);
        frame.save(m_dir + QLatin1Char('/') + name + QStringLiteral("-frame.png"));
        QProcess p;
        p.start(QStringLiteral("tesseract"),
                {png, QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("7")});
        if (!p.waitForFinished(60000))
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

private slots:
    void initTestCase()
    {
        m_dir = TestSupport::freshDir(QStringLiteral("captions"));
        m_grey = m_dir + QStringLiteral("/grey.png");
        QVERIFY(solidImage(QColor(90, 110, 100), 1440, 1080).save(m_grey));
        m_blue = m_dir + QStringLiteral("/blue.png");
        QVERIFY(solidImage(QColor(30, 50, 140), 1440, 1080).save(m_blue));
    }

    void readBackByOcr_data()
    {
        QTest::addColumn<bool>("hd");
        QTest::addColumn<bool>("card");
        QTest::newRow("DVD caption") << false << false;
        QTest::newRow("1080p caption") << true << false;
        QTest::newRow("DVD title card") << false << true;
        QTest::newRow("1080p title card") << true << true;
    }

    void readBackByOcr()
    {
        QFETCH(bool, hd);
        QFETCH(bool, card);
        if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty())
            QSKIP("tesseract is not installed (scripts/install-deps installs it)");
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        if (card) {
            TitleCard c;
            c.text = QStringLiteral("Harbour Lights");
            c.background = CardBackground::Gradient;
            album.photos.append(ImageInfo::forTitleCard(c));
        } else {
            album.photos.append(captioned(m_grey, QStringLiteral("Summer Holiday")));
        }
        const OutputFormat format = hd ? hdFormat() : OutputFormat::forStandard(TvStandard::Pal);
        const QImage frame = render(album, format, 10);
        QVERIFY(!frame.isNull());
        const QString expected = card ? QStringLiteral("Harbour Lights") : QStringLiteral("Summer Holiday");
        const CaptionStyle &style = card ? album.photos[0].titleCard->style : album.photos[0].caption.style;
        const QRect part = CaptionPainter::textBox(expected, style, frame.size(), squeezeOf(format));
        const QString text =
            ocr(frame, part,
                QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
        QVERIFY2(text.contains(expected, Qt::CaseInsensitive), qPrintable(QStringLiteral("read: ") + text));
    }

    // Every position, and a text far too long for one screen, stays within
    // the inner 80 % of the frame, where the position says.
    void insideTitleSafeArea_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("longText");
        for (int p = 0; p < 3; ++p) {
            for (int a = 0; a < 3; ++a)
                QTest::addRow("place %d align %d", p, a) << p << a << false;
        }
        QTest::newRow("very long text") << 0 << 1 << true;
    }

    void insideTitleSafeArea()
    {
        QFETCH(int, place);
        QFETCH(int, align);
        QFETCH(bool, longText);
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        QString text = QStringLiteral("Lisbon, 14 May\nTram 28 up the hill");
        if (longText) {
            text.clear();
            for (int i = 0; i < 120; ++i)
                text += QStringLiteral("word%1 ").arg(i);
            text += QStringLiteral("Averyveryverylongwordwithoutanyspacethatcannotwrapatawordboundaryatall");
        }
        ImageInfo info = captioned(m_grey, text, CaptionPlace(place), CaptionAlign(align));
        info.caption.style.backdrop = CaptionBackdrop::Band;
        album.photos.append(info);
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
        const QImage frame = render(album, format, 5);
        const QRect box = changedBox(frame, QColor(90, 110, 100));
        // (The photo fills the 4:3 frame: every other pixel is the photo's.)
        const QRect safe = CaptionPainter::safeArea(frame.size());
        QVERIFY(!box.isNull());
        QVERIFY2(safe.contains(box), qPrintable(QStringLiteral("text at %1,%2 %3x%4")
                                                    .arg(box.x())
                                                    .arg(box.y())
                                                    .arg(box.width())
                                                    .arg(box.height())));
        if (longText)
            return;
        const QPoint c = box.center();
        const int h = frame.height(), w = frame.width();
        if (CaptionPlace(place) == CaptionPlace::Bottom)
            QVERIFY(c.y() > h * 2 / 3);
        else if (CaptionPlace(place) == CaptionPlace::Top)
            QVERIFY(c.y() < h / 3);
        else
            QVERIFY(std::abs(c.y() - h / 2) < h / 10);
        if (CaptionAlign(align) == CaptionAlign::Left)
            QVERIFY(std::abs(box.left() - safe.left()) <= 1);
        else if (CaptionAlign(align) == CaptionAlign::Right)
            QVERIFY(std::abs(box.right() - safe.right()) <= 1);
        else
            QVERIFY(std::abs(c.x() - w / 2) <= 2);
    }

    // The preview draws with OpenGL, the writer composes on the processor:
    // the caption's pixels are the same, still and fading (to within the
    // one level by which OpenGL's blend rounds differently).
    void previewAndWrittenFrameIdentical_data()
    {
        QTest::addColumn<bool>("hd");
        QTest::newRow("DVD") << false;
        QTest::newRow("1080p") << true;
    }

    void previewAndWrittenFrameIdentical()
    {
        QFETCH(bool, hd);
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.settings.dissolveOnly = true;
        album.photos.append(captioned(m_grey, QStringLiteral("Grandma's 90th")));
        album.photos.append(captioned(m_blue, QStringLiteral("Cake"), CaptionPlace::Top));
        const OutputFormat format = hd ? hdFormat() : OutputFormat::forStandard(TvStandard::Pal);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        const Timeline &t = story.timeline();
        const int middle = int((t.transitionStart(0) + t.photoStart(1)) / 2);
        for (int f : {5, middle}) {
            const QImage written = render(album, format, f);
            const QImage preview = renderAsPreview(album, format, f);
            QVERIFY(!written.isNull() && !preview.isNull());
            const QRect box =
                CaptionPainter::textBox(QStringLiteral("Grandma's 90th"), album.photos[0].caption.style,
                                        written.size(), story.squeeze());
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (!near(QColor(written.pixel(x, y)), QColor(preview.pixel(x, y)), 1))
                        QFAIL(qPrintable(QStringLiteral("frame %1 differs at %2,%3: %4 against %5")
                                             .arg(f)
                                             .arg(x)
                                             .arg(y)
                                             .arg(written.pixel(x, y), 8, 16)
                                             .arg(preview.pixel(x, y), 8, 16)));
                }
            }
        }
    }

    // The caption fades with its photo: half its contrast at the middle of
    // a dissolve, none after it; the incoming photo's caption the reverse.
    void fadesWithTransition()
    {
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.settings.dissolveOnly = true;
        const QString grey2 = m_dir + QStringLiteral("/grey2.png");
        QVERIFY(solidImage(QColor(90, 110, 100), 720, 540).save(grey2));
        album.photos.append(captioned(m_grey, QStringLiteral("Departure")));
        album.photos.append(captioned(grey2, QStringLiteral("Arrival"), CaptionPlace::Top));
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        const Timeline &t = story.timeline();
        const int from = int(t.transitionStart(0));
        const int to = int(t.photoStart(1));
        const int middle = (from + to) / 2;
        const QColor bg(90, 110, 100);
        const QSize size(format.width, format.height);
        const QRect out = CaptionPainter::textBox(QStringLiteral("Departure"), album.photos[0].caption.style,
                                                  size, story.squeeze());
        const QRect in = CaptionPainter::textBox(QStringLiteral("Arrival"), album.photos[1].caption.style,
                                                 size, story.squeeze());
        const QImage still = render(album, format, from - 1);
        const QImage half = render(album, format, middle);
        const QImage after = render(album, format, to);
        const double full = contrast(still, out, bg);
        QVERIFY(full > 10.0);
        const double progress = double(middle - from) / double(to - from);
        QVERIFY2(std::abs(contrast(half, out, bg) / full - (1.0 - progress)) < 0.08,
                 qPrintable(QString::number(contrast(half, out, bg) / full)));
        QVERIFY(contrast(after, out, bg) < 0.5);
        const double inFull = contrast(after, in, bg);
        QVERIFY(contrast(still, in, bg) < 0.5);
        QVERIFY2(std::abs(contrast(half, in, bg) / inFull - progress) < 0.08,
                 qPrintable(QString::number(contrast(half, in, bg) / inFull)));
    }

    // The caption does not move with the pan-and-zoom: the same pixels at
    // the start and the end of a zooming photo's time.
    void staysStillOverPanAndZoom()
    {
        Album album(QString{});
        album.settings.useDynamicEffect = true;
        album.settings.useTransition = false;
        const QString flat = m_dir + QStringLiteral("/flat.png");
        QVERIFY(solidImage(QColor(90, 110, 100), 2000, 1500).save(flat));
        ImageInfo info = captioned(flat, QStringLiteral("Zooming in"));
        info.motionStart = MotionKey{0, {0.f, 0.f, 0.f, 0.f}};
        info.motionEnd = MotionKey{0, {30.f, 20.f, 120.f, 0.f}};
        album.photos.append(info);
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
        const QRect box = CaptionPainter::textBox(info.caption.text, info.caption.style,
                                                  QSize(format.width, format.height), squeezeOf(format));
        const QImage a = render(album, format, 0);
        const QImage b = render(album, format, 100);
        QCOMPARE(a.copy(box), b.copy(box));
    }

    // A title card takes its own time in the show and is drawn in its place.
    void titleCardInTheTimeline()
    {
        Album album(QString{});
        album.settings.useDynamicEffect = false;
        album.settings.photoDurationMs = 4000;
        album.settings.transitionDurationMs = 1000;
        TitleCard card;
        card.text = QStringLiteral("Part Two");
        card.durationMs = 2520;
        card.colour = QColor(200, 30, 30);
        album.photos.append(photoInfo(m_grey));
        album.photos.append(ImageInfo::forTitleCard(card));
        album.photos.append(photoInfo(m_blue));
        const OutputFormat format = OutputFormat::forStandard(TvStandard::Pal);
        StoryBoardRender story;
        story.setAlbum(&album);
        story.setFormat(format);
        const Timeline &t = story.timeline();
        // 4000 + 1000 ms: the card alone from frame 125 for 63 frames
        // (2520 ms), the last photo from (4000 + 1000 + 2520 + 1000) ms.
        QCOMPARE(t.photoStart(1), int64_t(125));
        QCOMPARE(t.transitionStart(1), int64_t(188));
        QCOMPARE(t.photoStart(2), int64_t(213));
        QCOMPARE(t.totalFrames(), int64_t(313));
        const QImage before = render(album, format, int(t.transitionStart(0)) - 1);
        const QImage first = render(album, format, 125);
        const QImage last = render(album, format, 187);
        QVERIFY(!near(QColor(before.pixel(5, 5)), card.colour, 30));
        QVERIFY(near(QColor(first.pixel(5, 5)), card.colour, 2));
        QVERIFY(near(QColor(last.pixel(5, 5)), card.colour, 2));
        QVERIFY(near(QColor(render(album, format, 213).pixel(5, 5)), QColor(30, 50, 140), 2));
    }

    // Right-to-left and CJK text in the order the text layout itself gives
    // (a caption laid out left to right would put the Hebrew words and the
    // number in the other order).
    void rightToLeftAndCjk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::newRow("Hebrew with Latin")
            << QStringLiteral("שלום Tel Aviv 2026") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Arabic with Latin") << QStringLiteral("مرحبا Lisbon") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Chinese") << QStringLiteral("长城 2026 北京") << QStringLiteral("WenQuanYi Micro Hei");
    }

    void rightToLeftAndCjk()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        if (!QFontDatabase::hasFamily(family))
            QSKIP("the font is not installed (scripts/install-deps installs it)");
        Caption caption;
        caption.text = text;
        caption.style.fontFamily = family;
        caption.style.backdrop = CaptionBackdrop::None;
        caption.style.align = CaptionAlign::Left;
        const QSize size(1280, 720);
        const QImage ours = CaptionPainter::caption(caption, size);
        QVERIFY(!ours.isNull());

        // The same text drawn by QTextLayout alone, in its own direction,
        // at the place the caption's box starts.
        const QFont font =
            CaptionPainter::fontFor(caption.style, CaptionPainter::pixelSizeFor(caption.style, 720));
        const QRawFont raw = QRawFont::fromFont(font);
        for (const QChar ch : text) {
            if (ch.isLetter())
                QVERIFY2(raw.supportsCharacter(ch), "the font lacks a glyph of the text");
        }
        const QRect box = CaptionPainter::textBox(text, caption.style, size);
        auto draw = [&](Qt::LayoutDirection direction) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QTextLayout layout(text, font);
            QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
            option.setTextDirection(direction);
            layout.setTextOption(option);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            line.setLineWidth(CaptionPainter::safeArea(size).width());
            layout.endLayout();
            QPainter p(&image);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::white);
            line.draw(&p, QPointF(CaptionPainter::safeArea(size).left(), box.top()));
            p.end();
            return image.convertToFormat(QImage::Format_ARGB32);
        };
        const QImage reference = draw(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        const QImage wrongOrder = draw(text.isRightToLeft() ? Qt::LeftToRight : Qt::RightToLeft);
        auto alphaDistance = [](const QImage &a, const QImage &b) {
            int64_t sum = 0;
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x)
                    sum += std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y)));
            }
            return sum;
        };
        const QImage blank(size, QImage::Format_ARGB32);
        QImage none = blank;
        none.fill(Qt::transparent);
        const int64_t ink = alphaDistance(reference, none);
        QVERIFY(ink > 0);
        // The same glyphs in the same places (the caption is clipped to the
        // safe area: an antialiased edge may lose a trace).
        QVERIFY2(alphaDistance(ours, reference) < ink / 100,
                 qPrintable(QString::number(alphaDistance(ours, reference))));
        if (text.isRightToLeft())
            QVERIFY(alphaDistance(ours, wrongOrder) > ink / 5);
    }

    // A family that is not installed falls back to the default with a note;
    // empty text draws nothing.
    void missingFontAndEmptyText()
    {
        CaptionStyle style;
        style.fontFamily = QStringLiteral("No Such Family 4711");
        QString note;
        const QFont font = CaptionPainter::fontFor(style, 30, &note);
        QCOMPARE(font.family(), QFont().family());
        QVERIFY(note.contains(QStringLiteral("No Such Family 4711")));
        Caption caption;
        caption.style = style;
        caption.text = QStringLiteral("Still drawn");
        QVERIFY(!CaptionPainter::caption(caption, QSize(720, 540)).isNull());
        caption.text = QStringLiteral("  \n ");
        QVERIFY(CaptionPainter::caption(caption, QSize(720, 540)).isNull());
    }
};

ENGINE_DRAWING_TEST_MAIN(TestCaptions)
#include "test_captions.moc"
