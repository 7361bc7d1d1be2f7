#include "authoring/dvdmenu.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace {
// The frame around a highlighted button, in stored pixels: a dark rim and a
// bright band, outside the drawn button.
constexpr int kRim = 2;
constexpr int kBand = 4;
constexpr int kFrame = kRim + kBand;
constexpr int kIndexRows = 2;

const QRgb kHighlightBand = qRgb(255, 210, 0);
const QRgb kSelectBand = qRgb(255, 255, 255);
const QRgb kRimColour = qRgb(16, 16, 16);

// The page's geometry: drawn in display units (the shape the television
// shows), stored 720 pixels wide.
struct Canvas {
    QSize stored;
    double displayWidth = 0;
    double height = 0;
    QRectF safe; // the title safe area in display units

    explicit Canvas(const DvdMenuContent &content)
    {
        stored = DvdMenuDesign::storedSize(content.pal);
        height = stored.height();
        displayWidth = height * (content.wide ? 16.0 / 9.0 : 4.0 / 3.0);
        safe = QRectF(displayWidth * 0.1, height * 0.1, displayWidth * 0.8, height * 0.8);
    }
    double scaleX() const { return stored.width() / displayWidth; }
    // A display rectangle in stored pixels, on even columns and lines.
    QRect toStored(const QRectF &r) const
    {
        const auto even = [](double v) { return int(std::lround(v / 2.0)) * 2; };
        const int x0 = even(r.left() * scaleX());
        const int x1 = even(r.right() * scaleX());
        const int y0 = even(r.top());
        const int y1 = even(r.bottom());
        return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
    }
};

QFont menuFont(double pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, int(pixelSize)));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Text with a dark shadow, so it reads on a light part of a photo too.
void drawShadowedText(QPainter &p, const QRectF &box, const QString &text, const QFont &font, int flags)
{
    p.setFont(font);
    const double offset = std::max(1.0, font.pixelSize() / 16.0);
    p.setPen(QColor(0, 0, 0, 200));
    p.drawText(box.translated(offset, offset), flags, text);
    p.setPen(Qt::white);
    p.drawText(box, flags, text);
}

// The title's lines laid out in a width: wrapped at word boundaries
// (anywhere in a word too long for a line); a line break starts a new line.
struct TitleLines {
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    double height = 0;
};

TitleLines layOutTitle(const QString &text, const QFont &font, double width)
{
    TitleLines out;
    const QStringList paragraphs =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (const QString &paragraph : paragraphs) {
        auto layout = std::make_unique<QTextLayout>(paragraph.trimmed(), font);
        QTextOption option(Qt::AlignHCenter);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(paragraph.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        layout->setTextOption(option);
        layout->beginLayout();
        for (;;) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            line.setPosition(QPointF(0, out.height));
            out.height += line.height();
        }
        layout->endLayout();
        if (layout->lineCount() == 0) // an empty line keeps its height
            out.height += QFontMetricsF(font).height();
        out.paragraphs.push_back(std::move(layout));
    }
    return out;
}

// The disc's title in the box: as large as maxPixels when it fits, else
// smaller (down to a third) so that every line fits; lines that still do
// not fit are left out. Light text over a dark shadow.
void drawTitle(QPainter &p, const QRectF &box, const QString &text, double maxPixels, const QColor &colour)
{
    if (text.isEmpty())
        return;
    const double smallest = std::max(12.0, maxPixels / 3.0);
    TitleLines lines;
    QFont font;
    for (double size = maxPixels;; size = std::max(smallest, size * 0.9)) {
        font = menuFont(size, true);
        lines = layOutTitle(text, font, box.width());
        if (lines.height <= box.height() || size <= smallest)
            break;
    }
    const double shown = std::min(lines.height, box.height());
    const QPointF origin(box.left(), box.top() + (box.height() - shown) / 2.0);
    const double offset = std::max(1.0, font.pixelSize() / 16.0);
    // A dark text colour gets a light shadow.
    const QColor shadow = colour.lightnessF() < 0.4 ? QColor(255, 255, 255, 170) : QColor(0, 0, 0, 200);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto &layout : lines.paragraphs) {
        for (int n = 0; n < layout->lineCount(); ++n) {
            const QTextLine line = layout->lineAt(n);
            if (line.y() + line.height() > shown + 0.5)
                continue;
            p.setPen(shadow);
            line.draw(&p, origin + QPointF(offset, offset));
            p.setPen(colour);
            line.draw(&p, origin);
        }
    }
}

// The background: the picture cut to fill the page, blurred (scaled far
// down and smoothly back up) and darkened so that text and buttons read.
QImage backgroundPicture(const DvdMenuContent &content, const Canvas &canvas, double darken)
{
    QImage page(canvas.stored, QImage::Format_RGB32);
    QImage source = content.background
                        ? content.background(QSize(int(canvas.displayWidth), int(canvas.height)))
                        : QImage();
    QPainter p(&page);
    if (source.isNull()) {
        QLinearGradient g(0, 0, 0, canvas.height);
        g.setColorAt(0, QColor(30, 40, 60));
        g.setColorAt(1, QColor(5, 8, 15));
        p.fillRect(page.rect(), g);
        return page;
    }
    const QSize display(int(canvas.displayWidth), int(canvas.height));
    source = source.scaled(display, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    source = source.copy((source.width() - display.width()) / 2, (source.height() - display.height()) / 2,
                         display.width(), display.height());
    if (content.backgroundAsIs) {
        // A title card's look is already smooth and made for words on it.
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRect(QPoint(0, 0), canvas.stored), source);
        if (darken > 0.5)
            p.fillRect(page.rect(), QColor(0, 0, 0, int(255 * (darken - 0.5))));
        return page;
    }
    const QImage small = source.scaled(std::max(1, display.width() / 24), std::max(1, display.height() / 24),
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blurred =
        small.scaled(small.width() * 4, small.height() * 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .scaled(canvas.stored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(0, 0, blurred);
    p.fillRect(page.rect(), QColor(0, 0, 0, int(255 * darken)));
    return page;
}

// A text button: a dark rounded plate with a light border and its label.
void drawTextButton(QPainter &p, const QRectF &box, const QString &label, double height)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(235, 235, 235), std::max(2.0, height / 240.0)));
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(box, box.height() * 0.2, box.height() * 0.2);
    drawShadowedText(p, box, label, menuFont(box.height() * 0.5, true), Qt::AlignCenter);
}

// The remote's arrows: from each button to the nearest one whose centre
// lies that way, preferring those in line with it; none: itself.
void linkNavigation(QVector<DvdMenuButton> &buttons)
{
    const auto pick = [&](int from, int dx, int dy) {
        const QPointF c = QRectF(buttons[from].rect).center();
        int best = from;
        double bestScore = std::numeric_limits<double>::max();
        for (int i = 0; i < buttons.size(); ++i) {
            if (i == from)
                continue;
            const QPointF d = QRectF(buttons[i].rect).center() - c;
            const double along = d.x() * dx + d.y() * dy;
            const double across = std::abs(dx != 0 ? d.y() : d.x());
            if (along <= 1.0)
                continue;
            const double score = along + 3.0 * across;
            if (score < bestScore) {
                bestScore = score;
                best = i;
            }
        }
        return best + 1;
    };
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i].up = pick(i, 0, -1);
        buttons[i].down = pick(i, 0, 1);
        buttons[i].left = pick(i, -1, 0);
        buttons[i].right = pick(i, 1, 0);
    }
}

DvdMenuPage drawMainPage(const DvdMenuContent &content, const QImage &background)
{
    const Canvas canvas(content);
    DvdMenuPage page;
    page.picture = background;
    QPainter p(&page.picture);
    p.scale(canvas.scaleX(), 1.0);
    const QRectF &safe = canvas.safe;
    const double h = canvas.height;

    // The title between the safe area's top and the buttons, centred where
    // a one-line title has always stood.
    drawTitle(p, QRectF(safe.left(), safe.top(), safe.width(), h * 0.44), content.title.trimmed(), h * 0.1,
              content.titleColour);

    QStringList labels{QCoreApplication::translate("DvdMenu", "Play")};
    if (content.photoCount > 0)
        labels << QCoreApplication::translate("DvdMenu", "Photos");
    const double bw = canvas.displayWidth * 0.22;
    const double bh = h * 0.1;
    const double gap = canvas.displayWidth * 0.06;
    const double total = labels.size() * bw + (labels.size() - 1) * gap;
    double x = (canvas.displayWidth - total) / 2.0;
    for (int i = 0; i < labels.size(); ++i, x += bw + gap) {
        const QRectF box(x, h * 0.6, bw, bh);
        drawTextButton(p, box, labels[i], h);
        DvdMenuButton button;
        button.label = labels[i];
        button.rect = canvas.toStored(box);
        button.action =
            i == 0 ? DvdMenuAction{DvdMenuAction::PlayShow, 0} : DvdMenuAction{DvdMenuAction::OpenPage, 1};
        page.buttons.append(button);
    }
    p.end();
    linkNavigation(page.buttons);
    return page;
}

DvdMenuPage drawIndexPage(const DvdMenuContent &content, const QImage &background, int index, int pageCount)
{
    const Canvas canvas(content);
    DvdMenuPage page;
    page.picture = background;
    QPainter p(&page.picture);
    p.scale(canvas.scaleX(), 1.0);
    const QRectF &safe = canvas.safe;
    const double h = canvas.height;

    const QString heading =
        pageCount > 1
            ? QCoreApplication::translate("DvdMenu", "Photos %1 of %2").arg(index + 1).arg(pageCount)
            : QCoreApplication::translate("DvdMenu", "Photos");
    drawShadowedText(p, QRectF(safe.left(), safe.top(), safe.width(), h * 0.08), heading,
                     menuFont(h * 0.055, true), Qt::AlignCenter | Qt::TextSingleLine);

    const int columns = DvdMenuDesign::thumbnailsPerPage(content.wide) / kIndexRows;
    const int first = index * columns * kIndexRows;
    const int count = std::min(columns * kIndexRows, content.photoCount - first);
    const QRectF grid(safe.left(), safe.top() + h * 0.09, safe.width(), safe.height() - h * 0.22);
    const double cellW = grid.width() / columns;
    const double cellH = grid.height() / kIndexRows;
    const double boxW = std::min(cellW * 0.86, cellH * 0.74 * 4.0 / 3.0);
    const double boxH = boxW * 3.0 / 4.0;
    const QFont numberFont = menuFont(h * 0.04, false);
    for (int k = 0; k < count; ++k) {
        const int row = k / columns;
        const int column = k % columns;
        const QRectF cell(grid.left() + column * cellW, grid.top() + row * cellH, cellW, cellH);
        const QRectF box(cell.center().x() - boxW / 2, cell.top() + cellH * 0.04, boxW, boxH);
        const int photo = first + k;
        p.fillRect(box, QColor(20, 20, 20));
        QImage thumb = content.thumbnail ? content.thumbnail(photo, QSize(int(boxW), int(boxH))) : QImage();
        if (!thumb.isNull()) {
            const QSizeF fitted = QSizeF(thumb.size()).scaled(box.size(), Qt::KeepAspectRatio);
            const QRectF target(box.center().x() - fitted.width() / 2, box.center().y() - fitted.height() / 2,
                                fitted.width(), fitted.height());
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(target, thumb);
        }
        p.setPen(QPen(QColor(230, 230, 230), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        drawShadowedText(p, QRectF(cell.left(), box.bottom() + h * 0.005, cellW, h * 0.05),
                         QString::number(photo + 1), numberFont, Qt::AlignHCenter | Qt::AlignTop);
        DvdMenuButton button;
        button.label = QString::number(photo + 1);
        button.rect = canvas.toStored(box);
        button.action = {DvdMenuAction::PlayPhoto, photo};
        page.buttons.append(button);
    }

    // Previous at the left, Back in the middle, Next at the right; in the
    // button order Previous, Next, Back.
    const double bw = canvas.displayWidth * 0.18;
    const double bh = h * 0.085;
    const double y = safe.bottom() - bh;
    struct PageButton {
        QString label;
        double x;
        DvdMenuAction action;
    };
    QVector<PageButton> pageButtons;
    if (index > 0)
        pageButtons.append({QCoreApplication::translate("DvdMenu", "Previous"),
                            safe.left(),
                            {DvdMenuAction::OpenPage, index}});
    if (index + 1 < pageCount)
        pageButtons.append({QCoreApplication::translate("DvdMenu", "Next"),
                            safe.right() - bw,
                            {DvdMenuAction::OpenPage, index + 2}});
    pageButtons.append({QCoreApplication::translate("DvdMenu", "Back"),
                        canvas.displayWidth / 2 - bw / 2,
                        {DvdMenuAction::OpenPage, 0}});
    for (const PageButton &b : pageButtons) {
        const QRectF box(b.x, y, bw, bh);
        drawTextButton(p, box, b.label, h);
        DvdMenuButton button;
        button.label = b.label;
        button.rect = canvas.toStored(box);
        button.action = b.action;
        page.buttons.append(button);
    }
    p.end();
    linkNavigation(page.buttons);
    return page;
}
} // namespace

namespace DvdMenuDesign {

QSize storedSize(bool pal)
{
    return QSize(720, pal ? 576 : 480);
}

int thumbnailsPerPage(bool wide)
{
    return (wide ? 4 : 3) * kIndexRows;
}

int indexPageCount(int photoCount, bool wide)
{
    const int per = thumbnailsPerPage(wide);
    return photoCount <= 0 ? 0 : (photoCount + per - 1) / per;
}

DvdMenuPage mainPage(const DvdMenuContent &content)
{
    return drawMainPage(content, backgroundPicture(content, Canvas(content), 0.5));
}

QVector<DvdMenuPage> pages(const DvdMenuContent &content)
{
    const Canvas canvas(content);
    QVector<DvdMenuPage> all;
    all.append(drawMainPage(content, backgroundPicture(content, canvas, 0.5)));
    const int count = indexPageCount(content.photoCount, content.wide);
    if (count > 0) {
        // The index pages lie on the same background, darker, drawn once.
        const QImage background = backgroundPicture(content, canvas, 0.7);
        for (int i = 0; i < count; ++i)
            all.append(drawIndexPage(content, background, i, count));
    }
    return all;
}

DvdMenuStreams encodePages(const DvdMenuContent &content, const DvdMenuEncoder &encoder,
                           const QString &folder, const std::atomic<bool> *abort)
{
    DvdMenuStreams out;
    out.wide = content.wide;
    out.loops = content.music;
    out.pages = pages(content);
    for (int i = 0; i < out.pages.size(); ++i) {
        if (abort && *abort) {
            out.error = QStringLiteral("stopped");
            return out;
        }
        const QString base = QStringLiteral("%1/menu_%2").arg(folder).arg(i);
        const QString video = base + QStringLiteral(".m2v");
        const QString audio = base + QStringLiteral(".ac3");
        QString why;
        if (!encoder || !encoder(out.pages[i].picture, video, audio, &why)) {
            out.error = QStringLiteral("The menu's page %1 could not be encoded: %2").arg(i + 1).arg(why);
            return out;
        }
        out.videoFiles.append(video);
        out.audioFiles.append(audio);
    }
    return out;
}

QRect highlightRect(const QRect &button, QSize stored, bool letterbox)
{
    QRect r = button.adjusted(-kFrame, -kFrame, kFrame, kFrame) & QRect(QPoint(0, 0), stored);
    if (letterbox) {
        const int top = stored.height() / 8;
        const auto map = [&](int y) { return top + (y * 3 / 4) / 2 * 2; };
        r = QRect(QPoint(r.left(), map(r.top())), QPoint(r.right(), map(r.bottom() + 1) - 1));
    }
    return r;
}

QImage highlightImage(const DvdMenuPage &page, bool selected, bool letterbox)
{
    const QSize stored = page.picture.size();
    QImage image(stored, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor band = QColor::fromRgb(selected ? kSelectBand : kHighlightBand);
    const QColor rim = QColor::fromRgb(kRimColour);
    for (const DvdMenuButton &button : page.buttons) {
        const QRect outer = highlightRect(button.rect, stored, letterbox);
        // The band's width in lines shrinks with the letterbox mapping.
        const int vRim = letterbox ? 2 : kRim;
        const int vBand = letterbox ? 2 : kBand;
        const auto ring = [&](const QRect &r, int h, int v, const QColor &c) {
            p.fillRect(QRect(r.left(), r.top(), r.width(), v), c);
            p.fillRect(QRect(r.left(), r.bottom() - v + 1, r.width(), v), c);
            p.fillRect(QRect(r.left(), r.top(), h, r.height()), c);
            p.fillRect(QRect(r.right() - h + 1, r.top(), h, r.height()), c);
        };
        ring(outer, kRim, vRim, rim);
        ring(outer.adjusted(kRim, vRim, -kRim, -vRim), kBand, vBand, band);
    }
    return image;
}

} // namespace DvdMenuDesign
