#include "dialogs/clipsliderbar.h"

#include "desktop/widgetsupport.h"
#include "framework/tracelog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

#include <algorithm>

namespace {
// Lines of the trace entries written for a missing picture.
constexpr int kTraceBackground = 93;
constexpr int kTraceInTag = 147;
constexpr int kTraceOutTag = 158;
constexpr int kTraceThumb = 172;
constexpr int kTraceDisabledThumb = 179;
} // namespace

ClipSliderBar::ClipSliderBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
}

void ClipSliderBar::load(Picture &picture, const QString &path)
{
    picture.path = path;
    picture.pixmap = path.isEmpty() ? QPixmap() : QPixmap(path);
    picture.reported = false;
}

void ClipSliderBar::setFore(const QString &path)
{
    load(m_fore, path);
}
void ClipSliderBar::setClipFore(const QString &path)
{
    load(m_clipFore, path);
}
void ClipSliderBar::setClipForeSelected(const QString &path)
{
    load(m_clipForeSelected, path);
}
void ClipSliderBar::setDisableClipFore(const QString &path)
{
    load(m_diableclipFore, path);
}
void ClipSliderBar::setGone(const QString &path)
{
    load(m_gone, path);
}
void ClipSliderBar::setClipStart(const QString &path)
{
    load(m_clipStart, path);
}
void ClipSliderBar::setClipEnd(const QString &path)
{
    load(m_clipEnd, path);
}
void ClipSliderBar::setThumb(const QString &path)
{
    load(m_thumb, path);
}
void ClipSliderBar::setDisabaleThumb(const QString &path)
{
    load(m_disableThumb, path);
}

void ClipSliderBar::setType(int type)
{
    m_type = type;
    update();
}

void ClipSliderBar::setValue(int value)
{
    if (m_draggingThumb)
        return;
    m_value = value;
    update();
}

bool ClipSliderBar::setRange(int minimum, int maximum)
{
    if (minimum < 0 || maximum <= minimum)
        return false;
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_clipStartValue < minimum)
        m_clipStartValue = minimum;
    if (m_clipEndValue < 0 || m_clipEndValue > maximum)
        m_clipEndValue = maximum;
    m_value = std::clamp(m_value, minimum, maximum);
    update();
    return true;
}

void ClipSliderBar::setClipStartValue(int value)
{
    m_clipStartValue = value;
    update();
}

void ClipSliderBar::setClipEndValue(int value)
{
    m_clipEndValue = value;
    update();
}

void ClipSliderBar::setThumbEnabled(bool enabled)
{
    if (m_thumbEnabled == enabled)
        return;
    m_thumbEnabled = enabled;
    update();
}

void ClipSliderBar::setSelectedLook(bool selected)
{
    if (m_selectedLook == selected)
        return;
    m_selectedLook = selected;
    update();
}

int ClipSliderBar::innerLeft() const
{
    return rect().left() + m_horiMargin;
}

int ClipSliderBar::innerRight() const
{
    return rect().right() - m_horiMargin;
}

int ClipSliderBar::xOfValue(int value) const
{
    const int span = m_maximum - m_minimum;
    if (span <= 0)
        return innerLeft();
    const double scale = double(innerRight() - innerLeft() + 1) / span;
    return innerLeft() + int((value - m_minimum) * scale);
}

int ClipSliderBar::valueAtX(int x) const
{
    const int width = innerRight() - innerLeft() + 1;
    if (width <= 0)
        return m_minimum;
    return int(int64_t(x - innerLeft()) * (m_maximum - m_minimum) / width) + m_minimum;
}

int ClipSliderBar::dragValueAtX(int x) const
{
    const int left = innerLeft();
    const int right = innerRight();
    x = std::clamp(x, left, right);
    if (x >= right)
        return m_maximum;
    const double perPixel = double(m_maximum - m_minimum) / double(right - left + 1);
    return int(perPixel * (x - left)) + m_minimum;
}

int ClipSliderBar::topOf(int top, const QPixmap &pixmap) const
{
    return top >= 0 ? top : (height() - pixmap.height()) / 2;
}

QRect ClipSliderBar::thumbRect() const
{
    const QPixmap &pm = m_thumbEnabled ? m_thumb.pixmap : m_disableThumb.pixmap;
    const int x = xOfValue(m_value);
    return QRect(x - pm.width() / 2, topOf(m_thumbTop, pm), pm.width(), pm.height());
}

QRect ClipSliderBar::inTagRect() const
{
    const QPixmap &pm = m_clipStart.pixmap;
    const int xs = xOfValue(m_clipStartValue);
    const int x = m_isThumbCenter ? xs - pm.width() / 2 : xs - pm.width();
    return QRect(x, topOf(m_clipTagTop, pm), pm.width(), pm.height());
}

QRect ClipSliderBar::outTagRect() const
{
    const QPixmap &pm = m_clipEnd.pixmap;
    const int xe = xOfValue(m_clipEndValue);
    const int x = m_isThumbCenter ? xe - pm.width() / 2 : xe;
    return QRect(x, topOf(m_clipTagTop, pm), pm.width(), pm.height());
}

const QPixmap *ClipSliderBar::picture(Picture &picture, int traceLine)
{
    if (!picture.pixmap.isNull())
        return &picture.pixmap;
    // A missing picture means a broken skin; one entry per picture keeps
    // the small rotating log from filling with repaints.
    if (!picture.reported) {
        picture.reported = true;
        traceEntry("kysliderbar", traceLine, "KySliderBar::paintEvent");
    }
    return nullptr;
}

void ClipSliderBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const int left = innerLeft();
    const int innerWidth = innerRight() - left + 1;
    if (innerWidth <= 0)
        return;
    const QRect inner(left, 0, innerWidth, height());
    const bool enabled = isEnabled();

    if (const QPixmap *fore = picture(m_fore, kTraceBackground)) {
        painter.save();
        painter.setClipRect(inner);
        painter.drawPixmap(left, topOf(m_foreTop, *fore),
                           Desktop::scaleBorderImage(*fore, QSize(innerWidth, fore->height()), 2, 3, 2, 3));
        painter.restore();
    }

    const bool clipSet = m_clipStartValue >= 0 && m_clipEndValue >= 0;
    if (clipSet && (m_type & ShowClipSegment)) {
        const int xs = xOfValue(m_clipStartValue);
        const int xe = xOfValue(m_clipEndValue);
        const Picture &look = m_selectedLook ? (enabled ? m_clipForeSelected : m_diableclipFore)
                                             : (enabled ? m_clipFore : m_diableclipFore);
        if (!look.pixmap.isNull() && xe > xs) {
            painter.save();
            painter.setClipRect(inner);
            painter.drawPixmap(
                xs, topOf(m_clipForeTop, look.pixmap),
                Desktop::scaleBorderImage(look.pixmap, QSize(xe - xs, look.pixmap.height()), 2, 3, 2, 3));
            painter.restore();
        }
    }
    if (clipSet && (m_type & ShowClipTags)) {
        if (const QPixmap *tag = picture(m_clipStart, kTraceInTag))
            painter.drawPixmap(inTagRect().topLeft(), *tag);
        if (const QPixmap *tag = picture(m_clipEnd, kTraceOutTag))
            painter.drawPixmap(outTagRect().topLeft(), *tag);
    }
    if (m_type & ShowThumb) {
        const QPixmap *thumb = (m_thumbEnabled && enabled) ? picture(m_thumb, kTraceThumb)
                                                           : picture(m_disableThumb, kTraceDisabledThumb);
        if (thumb) {
            const int x = xOfValue(m_value);
            painter.drawPixmap(x - thumb->width() / 2, topOf(m_thumbTop, *thumb), *thumb);
        }
    }
}

void ClipSliderBar::mousePressEvent(QMouseEvent *event)
{
    m_dragTarget = NoTarget;
    m_jumped = false;
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if ((m_type & ShowThumb) && m_thumbEnabled && thumbRect().contains(pos)) {
        m_dragTarget = DragThumb;
        m_dragRect = thumbRect();
        m_draggingThumb = true;
        return;
    }
    if ((m_type & ShowClipTags) && m_clipStartValue >= 0 && m_clipEndValue >= 0) {
        if (inTagRect().contains(pos)) {
            m_dragTarget = DragInTag;
            m_dragRect = inTagRect();
            return;
        }
        if (outTagRect().contains(pos)) {
            m_dragTarget = DragOutTag;
            m_dragRect = outTagRect();
            return;
        }
    }
    // A press on the groove moves the thumb there.
    const int v = valueAtX(pos.x());
    if (pos.x() < innerLeft() || v < m_minimum || v > m_maximum || !m_thumbEnabled || !(m_type & ShowThumb))
        return;
    m_value = v;
    m_jumped = true;
    update();
    Q_EMIT valueChanged(v);
}

void ClipSliderBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_dragTarget == NoTarget)
        return;
    const int x = std::clamp(int(event->position().x()), innerLeft(), innerRight());
    if (x == innerLeft() && ((m_dragTarget == DragThumb && m_value == m_minimum) ||
                             (m_dragTarget == DragInTag && m_clipStartValue == m_minimum)))
        return;
    if (x == innerRight() && ((m_dragTarget == DragThumb && m_value == m_maximum) ||
                              (m_dragTarget == DragOutTag && m_clipEndValue == m_maximum)))
        return;
    const int v = dragValueAtX(x);
    switch (m_dragTarget) {
    case DragThumb:
        if (v != m_value) {
            m_value = v;
            Q_EMIT valueChanged(v);
        }
        break;
    case DragInTag: {
        // As close to the out tag as the minimum clip length allows.
        const int in = std::max(m_minimum, std::min(v, m_clipEndValue - m_minClipLength));
        if (in != m_clipStartValue && in <= m_clipEndValue - m_minClipLength) {
            m_clipStartValue = in;
            Q_EMIT clipStartChanged(in);
        }
        break;
    }
    case DragOutTag: {
        const int out = std::min(m_maximum, std::max(v, m_clipStartValue + m_minClipLength));
        if (out != m_clipEndValue && out >= m_clipStartValue + m_minClipLength) {
            m_clipEndValue = out;
            Q_EMIT clipEndChanged(out);
        }
        break;
    }
    default:
        break;
    }
    update();
}

void ClipSliderBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_draggingThumb = false;
    const int v = std::clamp(dragValueAtX(int(event->position().x())), 0, m_maximum);
    const int target = m_dragTarget;
    const bool jumped = m_jumped;
    m_dragTarget = NoTarget;
    m_jumped = false;
    switch (target) {
    case DragThumb:
        if (v != m_value) {
            m_value = v;
            update();
            Q_EMIT valueChanged(v);
        }
        Q_EMIT thumbMouseRelease(v);
        break;
    case DragInTag:
        Q_EMIT startTagMouseRelease(m_clipStartValue);
        break;
    case DragOutTag:
        Q_EMIT endTagMouseRelease(m_clipEndValue);
        break;
    default:
        // A plain click on the groove has put the thumb there: the thumb
        // is dropped where it now is.
        if (jumped)
            Q_EMIT thumbMouseRelease(m_value);
        break;
    }
}

void ClipSliderBar::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (!m_thumbEnabled || !(m_type & ShowThumb))
        return;
    const QPoint delta = event->angleDelta();
    m_wheelRemainder += delta.y() != 0 ? delta.y() : delta.x();
    const int steps = m_wheelRemainder / 120;
    m_wheelRemainder -= steps * 120;
    if (steps == 0)
        return;
    const int v = m_value - steps;
    if (v < m_minimum || v > m_maximum)
        return;
    if (!m_draggingThumb)
        m_value = v;
    update();
    Q_EMIT valueChanged(v);
}
