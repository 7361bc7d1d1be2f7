#pragma once

// A skinnable horizontal slider drawn from pictures: a thumb for the current
// position and, optionally, a clip segment between an in point and an out
// point with two draggable tags. The pictures and their vertical positions
// are properties set from the skin's style sheet, for example
//
//   ClipSliderBar { qproperty-thumb: "skin:sliderbar/thumb.png"; qproperty-thumbTop: 10; }
//
// A picture path may use the "skin:" search path of the framework.

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

class ClipSliderBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int horiMargin READ horiMargin WRITE setHoriMargin)
    Q_PROPERTY(int foreTop READ foreTop WRITE setForeTop)
    Q_PROPERTY(bool isThumbCenter READ isThumbCenter WRITE setIsThumbCenter)
    Q_PROPERTY(QString fore READ fore WRITE setFore)
    Q_PROPERTY(int clipForeTop READ clipForeTop WRITE setClipForeTop)
    Q_PROPERTY(QString clipFore READ clipFore WRITE setClipFore)
    Q_PROPERTY(QString clipForeSelected READ clipForeSelected WRITE setClipForeSelected)
    Q_PROPERTY(QString diableclipFore READ diableclipFore WRITE setDisableClipFore)
    Q_PROPERTY(int goneTop READ goneTop WRITE setGoneTop)
    Q_PROPERTY(QString gone READ gone WRITE setGone)
    Q_PROPERTY(int clipTagTop READ clipTagTop WRITE setClipTagTop)
    Q_PROPERTY(QString clipStart READ clipStart WRITE setClipStart)
    Q_PROPERTY(QString clipEnd READ clipEnd WRITE setClipEnd)
    Q_PROPERTY(int thumbTop READ thumbTop WRITE setThumbTop)
    Q_PROPERTY(QString thumb READ thumb WRITE setThumb)
    Q_PROPERTY(QString disableThumb READ disableThumb WRITE setDisabaleThumb)

public:
    // Bits of type().
    enum TypeBits { ShowThumb = 1, ShowClipSegment = 2, ShowClipTags = 4 };

    explicit ClipSliderBar(QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(200, 30); }
    QSize minimumSizeHint() const override { return QSize(200, 20); }

    int value() const { return m_value; }
    // Moves the thumb; ignored while the person holds the thumb.
    void setValue(int value);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Accepted only when 0 <= minimum < maximum; an unset or outlying in
    // point becomes the minimum and out point the maximum. False when
    // refused (the previous range stays).
    bool setRange(int minimum, int maximum);
    // The in and out points of the clip segment (-1: not set).
    int clipStartValue() const { return m_clipStartValue; }
    int clipEndValue() const { return m_clipEndValue; }
    void setClipStartValue(int value);
    void setClipEndValue(int value);
    // The smallest distance the tags keep between the in and out points.
    void setMinClipLength(int length) { m_minClipLength = length; }
    int minClipLength() const { return m_minClipLength; }
    void setThumbEnabled(bool enabled);
    bool thumbEnabled() const { return m_thumbEnabled; }
    // Draws the clip segment with the selected look.
    void setSelectedLook(bool selected);
    int type() const { return m_type; }

    // Where a value sits (x of its pixel) and the value under an x.
    int xOfValue(int value) const;
    int valueAtX(int x) const;

    int horiMargin() const { return m_horiMargin; }
    int foreTop() const { return m_foreTop; }
    bool isThumbCenter() const { return m_isThumbCenter; }
    QString fore() const { return m_fore.path; }
    int clipForeTop() const { return m_clipForeTop; }
    QString clipFore() const { return m_clipFore.path; }
    QString clipForeSelected() const { return m_clipForeSelected.path; }
    QString diableclipFore() const { return m_diableclipFore.path; }
    int goneTop() const { return m_goneTop; }
    QString gone() const { return m_gone.path; }
    int clipTagTop() const { return m_clipTagTop; }
    QString clipStart() const { return m_clipStart.path; }
    QString clipEnd() const { return m_clipEnd.path; }
    int thumbTop() const { return m_thumbTop; }
    QString thumb() const { return m_thumb.path; }
    QString disableThumb() const { return m_disableThumb.path; }

public Q_SLOTS:
    void setHoriMargin(int margin) { m_horiMargin = margin; }
    void setForeTop(int top) { m_foreTop = top; }
    void setFore(const QString &path);
    void setClipForeTop(int top) { m_clipForeTop = top; }
    void setClipFore(const QString &path);
    void setClipForeSelected(const QString &path);
    void setDisableClipFore(const QString &path);
    void setGoneTop(int top) { m_goneTop = top; }
    void setGone(const QString &path);
    void setClipTagTop(int top) { m_clipTagTop = top; }
    void setClipStart(const QString &path);
    void setClipEnd(const QString &path);
    void setThumbTop(int top) { m_thumbTop = top; }
    void setThumb(const QString &path);
    void setDisabaleThumb(const QString &path);
    void setType(int type);
    void setIsThumbCenter(bool center) { m_isThumbCenter = center; }

Q_SIGNALS:
    void valueChanged(int value);
    void clipStartChanged(int value);
    void clipEndChanged(int value);
    void thumbMouseRelease(int value);
    void startTagMouseRelease(int value);
    void endTagMouseRelease(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Picture {
        QString path;
        QPixmap pixmap;
        bool reported = false; // missing picture already written to the trace log
    };
    enum DragTarget { NoTarget = 0, DragThumb = 1, DragInTag = 2, DragOutTag = 3 };

    static void load(Picture &picture, const QString &path);
    // The picture, or null (with one trace entry) when it is missing.
    const QPixmap *picture(Picture &picture, int traceLine);
    int innerLeft() const;
    int innerRight() const;
    // Top of a picture: its style-sheet position, or centred when unset.
    int topOf(int top, const QPixmap &pixmap) const;
    QRect thumbRect() const;
    QRect inTagRect() const;
    QRect outTagRect() const;
    // The value under x while dragging: clamped to the bar, the maximum at
    // its right end.
    int dragValueAtX(int x) const;

    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 1000;
    int m_clipStartValue = -1;
    int m_clipEndValue = -1;
    int m_horiMargin = 0;
    int m_foreTop = -1;
    bool m_isThumbCenter = false;
    Picture m_fore;
    int m_clipForeTop = -1;
    Picture m_clipFore;
    Picture m_clipForeSelected;
    Picture m_diableclipFore;
    int m_goneTop = -1;
    Picture m_gone;
    int m_clipTagTop = -1;
    Picture m_clipStart;
    Picture m_clipEnd;
    int m_thumbTop = -1;
    Picture m_thumb;
    Picture m_disableThumb;
    int m_type = ShowThumb | ShowClipSegment;
    bool m_thumbEnabled = true;
    int m_dragTarget = NoTarget;
    QRect m_dragRect{QPoint(-1, -1), QPoint(-1, -1)};
    bool m_draggingThumb = false;
    bool m_jumped = false; // the last press moved the thumb to the groove
    int m_minClipLength = 0;
    bool m_selectedLook = false;
    int m_wheelRemainder = 0;
};
