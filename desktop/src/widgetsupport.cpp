#include "desktop/widgetsupport.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryFile>
#include <QWidget>

namespace {
const char *const kPressXProperty = "_ky_press_x";

// Keeps the x of the left button's press on a slider while it is held.
class SliderClickTracker : public QObject
{
public:
    explicit SliderClickTracker(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                watched->setProperty(kPressXProperty, int(mouse->position().x()));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                watched->setProperty(kPressXProperty, QVariant());
        }
        return false;
    }
};
} // namespace

namespace Desktop {

void moveCenter(QWidget *widget)
{
    if (!widget)
        return;
    QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QSize size = widget->frameGeometry().size();
    widget->move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
}

void labelElidedText(QLabel *label, const QString &text)
{
    if (!label)
        return;
    const QFontMetrics fm(label->font());
    const int width = qMax(label->width() - 2 * label->margin() - 4, 20);
    label->setText(fm.elidedText(text, Qt::ElideMiddle, width));
    label->setToolTip(text);
}

QPixmap scaleBorderImage(const QPixmap &pixmap, const QSize &size, int left, int top, int right, int bottom)
{
    if (pixmap.isNull() || size.isEmpty())
        return QPixmap();
    QPixmap out(size);
    out.fill(Qt::transparent);
    QPainter p(&out);
    const int sw = pixmap.width(), sh = pixmap.height();
    const int dw = size.width(), dh = size.height();
    const int sx[4] = {0, left, sw - right, sw};
    const int sy[4] = {0, top, sh - bottom, sh};
    const int dx[4] = {0, left, dw - right, dw};
    const int dy[4] = {0, top, dh - bottom, dh};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QRect src(sx[c], sy[r], sx[c + 1] - sx[c], sy[r + 1] - sy[r]);
            const QRect dst(dx[c], dy[r], dx[c + 1] - dx[c], dy[r + 1] - dy[r]);
            if (src.isValid() && dst.isValid())
                p.drawPixmap(dst, pixmap, src);
        }
    }
    return out;
}

QIcon withFadedDisabled(const QIcon &source)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32}) {
        const QPixmap normal = source.pixmap(size, size);
        if (normal.isNull())
            continue;
        QPixmap faded(normal.size());
        faded.setDevicePixelRatio(normal.devicePixelRatio());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.35);
        painter.drawPixmap(0, 0, normal);
        painter.end();
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(faded, QIcon::Disabled);
    }
    return icon;
}

QIcon symbolicThemeIcon(const QString &name)
{
    const QIcon symbolic = QIcon::fromTheme(name + QStringLiteral("-symbolic"));
    return withFadedDisabled(symbolic.isNull() ? QIcon::fromTheme(name) : symbolic);
}

bool loadSkin(const QString &skinDir)
{
    const QDir dir(skinDir);
    if (skinDir.isEmpty() || !dir.exists())
        return false;
    QDir::setSearchPaths(QStringLiteral("skin"), {dir.absolutePath()});
    QString sheet;
    for (const QString &name : dir.entryList({QStringLiteral("*.qss")}, QDir::Files, QDir::Name)) {
        QFile file(dir.absoluteFilePath(name));
        if (file.open(QIODevice::ReadOnly))
            sheet += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(sheet);
    return true;
}

void trackSliderClicks(QAbstractSlider *slider)
{
    if (slider)
        slider->installEventFilter(new SliderClickTracker(slider));
}

int clickedSliderValue(const QAbstractSlider *slider, int range)
{
    if (!slider)
        return -1;
    const QVariant pressX = slider->property(kPressXProperty);
    if (!pressX.isValid() || slider->width() <= 0)
        return -1;
    const int x = qBound(0, pressX.toInt(), slider->width());
    return int(int64_t(x) * range / slider->width());
}

} // namespace Desktop
