#pragma once

#include <QColor>
#include <QFrame>
#include <QPoint>
#include <QStringList>
#include <QTimer>

// A thin gauge of how much of a recordable DVD the planned output fills.
// The part up to 90 % of the disc capacity is green, the part up to the
// capacity yellow, the excess red; a labelled scale runs along the bar and a
// tooltip names the zone under the mouse. Owners call setShowMode() and then
// do_getPos() with the size in bytes. Used by the main window and by the DVD
// settings dialog.
class CapacityBar : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor scaleLineColor READ scaleLineColor WRITE setScaleLineColor)
    Q_PROPERTY(QColor scaleTextColor READ scaleTextColor WRITE setScaleTextColor)
    Q_PROPERTY(QColor nullColor READ nullColor WRITE setNullColor)
    Q_PROPERTY(QColor greenColor READ greenColor WRITE setGreenColor)
    Q_PROPERTY(QColor yellowColor READ yellowColor WRITE setYellowColor)
    Q_PROPERTY(QColor redColor READ redColor WRITE setRedColor)
    Q_PROPERTY(int scaleTextSize READ scaleTextSize WRITE setScaleTextSize)
    Q_PROPERTY(int scaleTextBold READ scaleTextBold WRITE setScaleTextBold)
public:
    enum ShowMode { SingleLayer = 0, DualLayer = 1 };
    Q_ENUM(ShowMode)

    static constexpr quint64 kUnits = 10000;
    static constexpr quint64 kSingleLayerCapacity = 4700000000ULL;
    static constexpr quint64 kSingleLayerWarning = 4230000000ULL;
    static constexpr quint64 kDualLayerCapacity = 8500000000ULL;
    static constexpr quint64 kDualLayerWarning = 7650000000ULL;

    explicit CapacityBar(QWidget *parent = nullptr);
    ~CapacityBar() override;

    QColor borderColor() const { return m_borderColor; }
    QColor scaleLineColor() const { return m_scaleLineColor; }
    QColor scaleTextColor() const { return m_scaleTextColor; }
    QColor nullColor() const { return m_nullColor; }
    QColor greenColor() const { return m_greenColor; }
    QColor yellowColor() const { return m_yellowColor; }
    QColor redColor() const { return m_redColor; }
    int scaleTextSize() const { return m_scaleTextSize; }
    int scaleTextBold() const { return m_scaleTextBold; }

    ShowMode showMode() const { return m_showMode; }
    quint64 value() const { return m_value; }
    quint64 scaleMaximum() const { return m_scaleMaximum; }
    // Zone ends in units of the whole scale (0..kUnits).
    quint64 greenEnd() const { return m_greenEnd; }
    quint64 yellowEnd() const { return m_yellowEnd; }
    quint64 redEnd() const { return m_redEnd; }
    QStringList scaleLabels() const { return m_labels; }
    // The tooltip text for a point of the bar (widget coordinates); empty
    // where none shows.
    QString zoneText(int x) const;

public Q_SLOTS:
    void do_refreshDisp();
    void do_getPos(quint64 value);
    void setBorderColor(const QColor &color);
    void setScaleLineColor(const QColor &color);
    void setScaleTextColor(const QColor &color);
    void setNullColor(const QColor &color);
    void setGreenColor(const QColor &color);
    void setYellowColor(const QColor &color);
    void setRedColor(const QColor &color);
    void setScaleTextSize(int size);
    void setScaleTextBold(int bold);
    // Takes effect at the next do_getPos().
    void setShowMode(CapacityBar::ShowMode mode);
    void slotTooltipTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void recompute();
    quint64 pos(quint64 bytes) const;

    quint64 m_greenEnd = 0;
    quint64 m_yellowEnd = 0;
    quint64 m_redEnd = 0;
    QStringList m_labels;
    QColor m_borderColor{11, 21, 117};
    QColor m_scaleLineColor{0, 0, 0};
    QColor m_scaleTextColor{0, 0, 0};
    QColor m_nullColor{180, 175, 169};
    QColor m_greenColor{106, 242, 109};
    QColor m_yellowColor{253, 249, 96};
    QColor m_redColor{247, 43, 6};
    int m_scaleTextSize = 7;
    int m_scaleTextBold = 0;
    ShowMode m_showMode = SingleLayer;
    quint64 m_scaleMaximum = 5000000000ULL;
    quint64 m_value = 0;
    QTimer m_tooltipTimer;
    QPoint m_mousePos;
};
