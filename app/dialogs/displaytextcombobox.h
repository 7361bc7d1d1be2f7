#pragma once

#include <QComboBox>
#include <QString>

// A combo box that can show a free text, such as a custom bit rate
// ("6.5Mbps"), when its current index equals the display index (by default
// -1, that is when no item is current).
class DisplayTextComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DisplayTextComboBox(QWidget *parent = nullptr);

    void setDisplayText(const QString &text);
    QString displayText() const { return m_displayText; }
    void setDisplayIndex(int index);
    int displayIndex() const { return m_displayIndex; }
    // What the box shows: the display text when it applies, else the
    // current item's text.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool showsDisplayText() const;

    QString m_displayText;
    int m_displayIndex = -1;
};
