#include "dialogs/capacitybar.h"

#include <QEnterEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr quint64 kTenGB = 10000000000ULL;

// Scale labels in gigabytes, in the language's number format ("1,5 GB").
QStringList labelsInSteps(double step)
{
    QStringList labels;
    for (int k = 1; k <= 9; ++k)
        labels << CapacityBar::tr("%1GB", "scale label").arg(QLocale().toString(step * k));
    labels << QString();
    return labels;
}
} // namespace

CapacityBar::CapacityBar(QWidget *parent) : QFrame(parent)
{
    setMinimumHeight(30);
    setMaximumHeight(30);
    setMouseTracking(true);
    m_labels = labelsInSteps(0.5);
    m_tooltipTimer.setInterval(200);
    connect(&m_tooltipTimer, &QTimer::timeout, this, &CapacityBar::slotTooltipTimeout);
    setAccessibleName(tr("Disc capacity"));
}

CapacityBar::~CapacityBar() = default;

quint64 CapacityBar::pos(quint64 bytes) const
{
    // units x bytes stays far below 2^64 for any disc size the bar shows
    // (bytes < 1.8e15).
    return m_scaleMaximum ? kUnits * bytes / m_scaleMaximum : 0;
}

void CapacityBar::recompute()
{
    quint64 cap = 0;
    quint64 warn = 0;
    if (m_showMode == SingleLayer) {
        cap = kSingleLayerCapacity;
        warn = kSingleLayerWarning;
    } else if (m_showMode == DualLayer) {
        cap = kDualLayerCapacity;
        warn = kDualLayerWarning;
    } else {
        return;
    }
    if (m_showMode == SingleLayer && m_value < 5000000000ULL) {
        m_scaleMaximum = 5000000000ULL;
        m_labels = labelsInSteps(0.5);
    } else if (m_value < kTenGB) {
        m_scaleMaximum = kTenGB;
        m_labels = labelsInSteps(1);
    } else {
        const quint64 n = m_value / kTenGB + 1;
        m_scaleMaximum = n * kTenGB;
        m_labels = labelsInSteps(double(n));
    }
    if (m_value <= cap) {
        m_greenEnd = pos(m_value);
        if (m_greenEnd < pos(warn)) {
            m_yellowEnd = m_redEnd = m_greenEnd;
        } else {
            m_greenEnd = pos(warn);
            m_yellowEnd = m_redEnd = pos(m_value);
        }
    } else {
        m_greenEnd = pos(warn);
        m_yellowEnd = pos(cap);
        m_redEnd = pos(m_value);
    }
}

void CapacityBar::do_refreshDisp()
{
    update();
}

void CapacityBar::do_getPos(quint64 value)
{
    m_value = value;
    recompute();
    update();
}

void CapacityBar::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void CapacityBar::setScaleLineColor(const QColor &color)
{
    m_scaleLineColor = color;
    update();
}

void CapacityBar::setScaleTextColor(const QColor &color)
{
    m_scaleTextColor = color;
    update();
}

void CapacityBar::setNullColor(const QColor &color)
{
    m_nullColor = color;
    update();
}

void CapacityBar::setGreenColor(const QColor &color)
{
    m_greenColor = color;
    update();
}

void CapacityBar::setYellowColor(const QColor &color)
{
    m_yellowColor = color;
    update();
}

void CapacityBar::setRedColor(const QColor &color)
{
    m_redColor = color;
    update();
}

void CapacityBar::setScaleTextSize(int size)
{
    m_scaleTextSize = size;
    update();
}

void CapacityBar::setScaleTextBold(int bold)
{
    m_scaleTextBold = bold;
    update();
}

void CapacityBar::setShowMode(CapacityBar::ShowMode mode)
{
    m_showMode = mode;
}

void CapacityBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_borderColor);
    const int left = r.left() + 1;
    const int d = r.width() - 2;
    const int top = r.top() + 1;
    const int h = r.height() - 2;
    if (d <= 0 || h <= 0)
        return;
    auto px = [d](quint64 u) { return int(qint64(d) * qint64(u) / qint64(kUnits)); };

    int x = left;
    if (m_greenEnd > 0) {
        const int w = px(m_greenEnd);
        p.fillRect(QRect(x, top, w, h), m_greenColor);
        x += w;
    }
    if (m_yellowEnd > m_greenEnd) {
        const int w = px(m_yellowEnd - m_greenEnd);
        p.fillRect(QRect(x, top, w, h), m_yellowColor);
        x += w;
    }
    if (m_redEnd > m_yellowEnd && m_redEnd > m_greenEnd) {
        const int w = px(m_redEnd - m_yellowEnd);
        p.fillRect(QRect(x, top, w, h), m_redColor);
        x += w;
    }
    if (x < left + d)
        p.fillRect(QRect(x, top, left + d - x, h), m_nullColor);

    QFont font = p.font();
    font.setPointSize(m_scaleTextSize);
    font.setWeight(m_scaleTextBold == 1 ? QFont::Bold : QFont::Normal);
    p.setFont(font);
    for (int k = 1; k <= 19; ++k) {
        const int tx = left + k * d / 20;
        const bool longTick = k % 2 == 0;
        const int length = longTick ? h / 3 - 2 : 2 * h / 9 - 2;
        p.fillRect(QRect(tx, top, 1, qMax(1, length)), m_scaleLineColor);
        if (longTick) {
            const int j = k / 2;
            const QString label = m_labels.value(j - 1);
            if (label.isEmpty())
                continue;
            const int boxWidth = d / 10;
            const QRectF box(tx - boxWidth / 2.0, top + 0.4 * h, boxWidth, 0.6 * h);
            p.setPen(m_scaleTextColor);
            p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, label);
        }
    }
}

QString CapacityBar::zoneText(int x) const
{
    const quint64 green = m_greenEnd;
    const quint64 yellow = qMax(m_yellowEnd, green);
    const quint64 red = qMax(m_redEnd, yellow);
    const qint64 w = width();
    const qint64 g = w * qint64(green) / qint64(kUnits);
    const qint64 y = w * qint64(yellow) / qint64(kUnits);
    const qint64 r = w * qint64(red) / qint64(kUnits);
    if (x < 0 || x > r)
        return QString();
    if (x <= g)
        return tr("Disc space is sufficient");
    if (x <= y)
        return tr("The file size is close to the maximum disc capacity");
    return tr("The file size is beyond the maximum disc capacity");
}

void CapacityBar::slotTooltipTimeout()
{
    // Keep the zone ends ordered, as the painting does.
    if (m_greenEnd > m_yellowEnd)
        m_yellowEnd = m_greenEnd;
    if (m_yellowEnd > m_redEnd)
        m_redEnd = m_yellowEnd;
    const QString text = zoneText(m_mousePos.x());
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::hideText();
    const qint64 r = qint64(width()) * qint64(m_redEnd) / qint64(kUnits);
    const bool beyond = text == tr("The file size is beyond the maximum disc capacity");
    QToolTip::showText(mapToGlobal(m_mousePos), text, this, beyond ? QRect(0, 0, int(r), height()) : QRect());
}

void CapacityBar::mouseMoveEvent(QMouseEvent *event)
{
    m_mousePos = event->position().toPoint();
    QFrame::mouseMoveEvent(event);
}

void CapacityBar::enterEvent(QEnterEvent *event)
{
    m_mousePos = event->position().toPoint();
    m_tooltipTimer.start();
    QFrame::enterEvent(event);
}

void CapacityBar::leaveEvent(QEvent *event)
{
    m_tooltipTimer.stop();
    QFrame::leaveEvent(event);
}
