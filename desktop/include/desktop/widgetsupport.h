#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QAbstractSlider;
class QLabel;
class QWidget;

// Small helpers of the framework.
namespace Desktop {

// Centres a top-level widget on the screen it is on.
void moveCenter(QWidget *widget);
// Shows text in the label, shortened with an ellipsis in the middle so it
// fits the label's current width; the full text becomes the tooltip.
void labelElidedText(QLabel *label, const QString &text);
// Scales a pixmap to size keeping the four border strips unscaled.
QPixmap scaleBorderImage(const QPixmap &pixmap, const QSize &size, int left, int top, int right, int bottom);

// The icon with its disabled look made by fading the normal one, clearly
// apart from the enabled look (the style's own greying hardly changes the
// dark glyphs of symbolic icons).
QIcon withFadedDisabled(const QIcon &icon);
// The desktop theme's symbolic icon of a freedesktop name (crisp at button
// size), else its full-colour one; faded when disabled.
QIcon symbolicThemeIcon(const QString &name);

// Loads a skin: its pictures become reachable as "skin:<name>" and its style
// sheets (every *.qss file of the folder, in name order) become the
// application's style sheet. False when the folder does not exist.
bool loadSkin(const QString &skinDir);

// Click-to-position on a horizontal slider: remembers where the left button
// went down on the slider, so that the handler of its actionTriggered()
// can move the handle under the pointer with clickedSliderValue().
void trackSliderClicks(QAbstractSlider *slider);
// While the left button is held on a tracked slider: x * range / width of
// the press point (integer arithmetic, x within the slider); -1 otherwise.
int clickedSliderValue(const QAbstractSlider *slider, int range);

} // namespace Desktop
