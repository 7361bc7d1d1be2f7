#include "dialogs/displaytextcombobox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

DisplayTextComboBox::DisplayTextComboBox(QWidget *parent) : QComboBox(parent)
{
    // Assistive tools read the shown value like any other combo box's.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { setAccessibleDescription(shownText()); });
}

void DisplayTextComboBox::setDisplayText(const QString &text)
{
    m_displayText = text;
    setAccessibleDescription(shownText());
    update();
}

void DisplayTextComboBox::setDisplayIndex(int index)
{
    m_displayIndex = index;
    setAccessibleDescription(shownText());
    update();
}

bool DisplayTextComboBox::showsDisplayText() const
{
    return currentIndex() == m_displayIndex && !m_displayText.isEmpty();
}

QString DisplayTextComboBox::shownText() const
{
    return showsDisplayText() ? m_displayText : currentText();
}

void DisplayTextComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (showsDisplayText()) {
        option.currentText = m_displayText;
        option.currentIcon = QIcon();
    }
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
