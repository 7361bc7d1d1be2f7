#include "engine/captionpainter.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QLinearGradient>
#include <QLoggingCategory>
#include <QMutex>
#include <QPainter>
#include <QSet>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

Q_LOGGING_CATEGORY(lcCaption, "sorvel.caption")

namespace {

// The title-safe area's share of the frame in each direction.
constexpr double kSafeShare = 0.8;
// The smallest a text that does not fit is drawn, as a share of its size.
constexpr double kSmallestShare = 1.0 / 3.0;

// A box blur of the alpha channel of an ARGB32 premultiplied image, three
// passes each way (close to a Gaussian), within rect.
void blurAlpha(QImage &image, const QRect &rect, int radius)
{
    if (radius < 1 || rect.isEmpty())
        return;
    const int w = rect.width();
    const int h = rect.height();
    std::vector<int> a(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(rect.top() + y)) + rect.left();
        for (int x = 0; x < w; ++x)
            a[size_t(y) * w + x] = qAlpha(row[x]);
    }
    std::vector<int> tmp(std::max(w, h));
    auto pass = [&](int count, int step, int offset) {
        const int window = 2 * radius + 1;
        int sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += a[size_t(offset) + size_t(std::clamp(i, 0, count - 1)) * step];
        for (int i = 0; i < count; ++i) {
            tmp[size_t(i)] = sum / window;
            const int out = std::clamp(i - radius, 0, count - 1);
            const int in = std::clamp(i + radius + 1, 0, count - 1);
            sum += a[size_t(offset) + size_t(in) * step] - a[size_t(offset) + size_t(out) * step];
        }
        for (int i = 0; i < count; ++i)
            a[size_t(offset) + size_t(i) * step] = tmp[size_t(i)];
    };
    for (int k = 0; k < 3; ++k) {
        for (int y = 0; y < h; ++y)
            pass(w, 1, y * w);
        for (int x = 0; x < w; ++x)
            pass(h, w, x);
    }
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(rect.top() + y)) + rect.left();
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(0, 0, 0, a[size_t(y) * w + x]); // premultiplied black
    }
}

} // namespace

struct CaptionPainter::Layout {
    QFont font;
    // One layout per paragraph (a line break in the text starts one).
    std::vector<std::unique_ptr<QTextLayout>> paragraphs;
    // How many lines of each paragraph are drawn (the rest do not fit).
    std::vector<int> shownLines;
    // The text block in displayed pixels (x across the displayed frame).
    QRectF block;
    QRectF safe; // the safe area, displayed pixels
    double padding = 0.0;
};

QRect CaptionPainter::safeArea(QSize frame)
{
    const int mx = int(std::lround(frame.width() * (1.0 - kSafeShare) / 2.0));
    const int my = int(std::lround(frame.height() * (1.0 - kSafeShare) / 2.0));
    return QRect(mx, my, frame.width() - 2 * mx, frame.height() - 2 * my);
}

int CaptionPainter::pixelSizeFor(const CaptionStyle &style, int frameHeight)
{
    const int perMille =
        std::clamp(style.sizePerMille, CaptionStyle::kMinSizePerMille, CaptionStyle::kMaxSizePerMille);
    return std::max(6, int(std::lround(frameHeight * perMille / 1000.0)));
}

QFont CaptionPainter::fontFor(const CaptionStyle &style, int pixelSize, QString *note)
{
    QFont font;
    const QString family = style.fontFamily.trimmed();
    if (!family.isEmpty()) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
        } else {
            const QString text =
                QStringLiteral("The font \"%1\" is not installed; the caption is drawn in \"%2\".")
                    .arg(family, font.family());
            if (note)
                *note = text;
            static QMutex noted;
            static QSet<QString> families;
            QMutexLocker lock(&noted);
            if (!families.contains(family)) {
                families.insert(family);
                qCInfo(lcCaption).noquote() << text;
            }
        }
    }
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Glyph positions as laid out, not snapped to whole pixels of the
    // screen: the same text at every size and squeeze.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

CaptionPainter::Layout CaptionPainter::layOut(const QString &text, const CaptionStyle &style, QSize frame,
                                              double squeeze)
{
    Layout out;
    const double sq = squeeze > 0.0 ? squeeze : 1.0;
    const QRect safeStored = safeArea(frame);
    out.safe = QRectF(safeStored.x() / sq, safeStored.y(), safeStored.width() / sq, safeStored.height());
    const int requested = pixelSizeFor(style, frame.height());
    const bool band = style.backdrop == CaptionBackdrop::Band;
    const QStringList paragraphs =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));

    Qt::Alignment h = Qt::AlignHCenter;
    if (style.align == CaptionAlign::Left)
        h = Qt::AlignLeft | Qt::AlignAbsolute;
    else if (style.align == CaptionAlign::Right)
        h = Qt::AlignRight | Qt::AlignAbsolute;

    int size = requested;
    const int smallest = std::max(6, int(requested * kSmallestShare));
    for (;;) {
        out.paragraphs.clear();
        out.font = fontFor(style, size);
        out.padding = band ? size * 0.35 : 0.0;
        const double lineWidth = std::max(1.0, out.safe.width() - 2 * out.padding);
        double height = 0.0;
        double widest = 0.0;
        for (const QString &p : paragraphs) {
            auto layout = std::make_unique<QTextLayout>(p, out.font);
            QTextOption option(h);
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            option.setTextDirection(p.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
            layout->setTextOption(option);
            layout->setCacheEnabled(true);
            layout->beginLayout();
            for (;;) {
                QTextLine line = layout->createLine();
                if (!line.isValid())
                    break;
                line.setLineWidth(lineWidth);
                line.setPosition(QPointF(0.0, height));
                height += line.height();
                widest = std::max(widest, line.naturalTextWidth());
            }
            layout->endLayout();
            if (layout->lineCount() == 0) // an empty paragraph keeps its line
                height += QFontMetricsF(out.font).height();
            out.paragraphs.push_back(std::move(layout));
        }
        const double available = out.safe.height() - 2 * out.padding;
        if (height <= available || size <= smallest) {
            // Lines that still do not fit are left out.
            out.shownLines.assign(out.paragraphs.size(), 0);
            double used = 0.0;
            bool full = false;
            for (size_t i = 0; i < out.paragraphs.size() && !full; ++i) {
                QTextLayout &l = *out.paragraphs[i];
                for (int n = 0; n < l.lineCount(); ++n) {
                    const QTextLine line = l.lineAt(n);
                    if (line.y() + line.height() > available + 0.01) {
                        full = true;
                        break;
                    }
                    used = line.y() + line.height();
                    ++out.shownLines[i];
                }
            }
            if (!full)
                used = std::min(height, available);
            const double blockW = std::min(widest, lineWidth) + 2 * out.padding;
            const double blockH = used + 2 * out.padding;
            double x = out.safe.left();
            if (style.align == CaptionAlign::Centre)
                x = out.safe.center().x() - blockW / 2;
            else if (style.align == CaptionAlign::Right)
                x = out.safe.right() - blockW;
            double y = out.safe.bottom() - blockH;
            if (style.place == CaptionPlace::Top)
                y = out.safe.top();
            else if (style.place == CaptionPlace::Centre)
                y = out.safe.center().y() - blockH / 2;
            out.block = QRectF(x, y, blockW, blockH);
            break;
        }
        size = std::max(smallest, int(size * 0.9));
    }
    return out;
}

void CaptionPainter::drawText(QImage &target, const QString &text, const CaptionStyle &style, double squeeze,
                              bool titleCardText)
{
    const double sq = squeeze > 0.0 ? squeeze : 1.0;
    const QSize frame = target.size();
    const Layout l = layOut(text, style, frame, sq);
    if (l.paragraphs.empty())
        return;
    // The lines' origin: the layouts place their lines within lineWidth
    // (aligned there), so the origin is the safe area's left edge (plus the
    // band's padding) whatever the alignment.
    const QPointF origin(l.safe.left() + l.padding, l.block.top() + l.padding);
    const QTransform squeezeX = QTransform::fromScale(sq, 1.0);
    const QRect safeStored = safeArea(frame);

    // Each line knows its place in the block (the layouts placed them one
    // below the other across paragraphs).
    auto drawAll = [&](QPainter &p, const QPointF &offset) {
        for (size_t i = 0; i < l.paragraphs.size(); ++i) {
            const QTextLayout &layout = *l.paragraphs[i];
            for (int n = 0; n < l.shownLines[i]; ++n)
                layout.lineAt(n).draw(&p, origin + offset);
        }
    };

    const int px = l.font.pixelSize();
    if (style.backdrop == CaptionBackdrop::Band) {
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(squeezeX);
        p.fillRect(l.block.intersected(l.safe), QColor(0, 0, 0, titleCardText ? 110 : 140));
    } else if (style.backdrop == CaptionBackdrop::Shadow) {
        // The text's shape, blurred and offset down and right, in black.
        const int radius = std::max(1, px / 14);
        const double offset = std::max(1.0, px / 16.0);
        QImage shadow(frame, QImage::Format_ARGB32_Premultiplied);
        shadow.fill(Qt::transparent);
        {
            QPainter p(&shadow);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setRenderHint(QPainter::Antialiasing);
            p.setTransform(squeezeX);
            p.setPen(QColor(0, 0, 0));
            drawAll(p, QPointF(offset, offset));
        }
        const QRectF box = squeezeX.mapRect(l.block.translated(offset, offset));
        const QRect area = box.toAlignedRect()
                               .adjusted(-3 * radius, -3 * radius, 3 * radius, 3 * radius)
                               .intersected(QRect(QPoint(0, 0), frame));
        blurAlpha(shadow, area, radius);
        QPainter p(&target);
        p.setOpacity(0.85);
        p.setClipRect(safeStored);
        p.drawImage(area.topLeft(), shadow, area);
    }
    QPainter p(&target);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(safeStored);
    p.setTransform(squeezeX);
    p.setPen(style.colour);
    drawAll(p, QPointF(0.0, 0.0));
}

QImage CaptionPainter::caption(const Caption &caption, QSize frame, double squeeze)
{
    if (caption.isEmpty() || frame.isEmpty())
        return QImage();
    QImage image(frame, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    drawText(image, caption.text, caption.style, squeeze, false);
    // The drawing core blends with the picture's own alpha.
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage CaptionPainter::cardBackdrop(const QString &path, QSize frame)
{
    if (path.isEmpty())
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A blurred background needs few pixels: about a twelfth of the frame.
    const QSize small = QSize(std::max(8, frame.width() / 12), std::max(8, frame.height() / 12));
    const QSize source = reader.size();
    if (source.isValid())
        reader.setScaledSize(source.scaled(small * 2, Qt::KeepAspectRatioByExpanding));
    QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcCaption).noquote()
            << "cannot read the title card's photo" << path << reader.errorString();
        return QImage();
    }
    image = image.convertToFormat(QImage::Format_RGB32)
                .scaled(small, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return image;
}

QImage CaptionPainter::titleCard(const TitleCard &card, QSize frame, double squeeze, const QImage &photo)
{
    if (frame.isEmpty())
        return QImage();
    QImage image(frame, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect all(QPoint(0, 0), frame);
        if (card.background == CardBackground::BlurredPhoto && !photo.isNull()) {
            // The small copy scaled up smoothly is the blur; it covers the
            // displayed frame (cut round its centre) and is darkened.
            const QSize display(int(std::lround(frame.width() / (squeeze > 0 ? squeeze : 1.0))),
                                frame.height());
            const QSize covered = photo.size().scaled(display, Qt::KeepAspectRatioByExpanding);
            QImage big = photo.scaled(covered, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QRect cut((big.width() - display.width()) / 2, (big.height() - display.height()) / 2,
                            display.width(), display.height());
            p.drawImage(all, big, cut);
            p.fillRect(all, QColor(0, 0, 0, 120));
        } else if (card.background == CardBackground::Gradient) {
            QLinearGradient g(0, 0, 0, frame.height());
            g.setColorAt(0.0, card.colour);
            g.setColorAt(1.0, card.colour2);
            p.fillRect(all, g);
        } else {
            p.fillRect(all, QColor(card.colour.red(), card.colour.green(), card.colour.blue()));
        }
    }
    if (!card.text.trimmed().isEmpty())
        drawText(image, card.text, card.style, squeeze, true);
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect CaptionPainter::textBox(const QString &text, const CaptionStyle &style, QSize frame, double squeeze)
{
    if (text.trimmed().isEmpty() || frame.isEmpty())
        return QRect();
    const double sq = squeeze > 0.0 ? squeeze : 1.0;
    const Layout l = layOut(text, style, frame, sq);
    return QTransform::fromScale(sq, 1.0).mapRect(l.block).toAlignedRect();
}
