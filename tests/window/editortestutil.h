#pragma once

// Helpers of the editor tests: real photo and audio files, answering the
// file choosers and message boxes, and delivering a strip's drag to a target
// the way the desktop's drag loop would.
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <exiv2/exiv2.hpp>

#include "desktop/filechooser.h"
#include "desktop/messagebox.h"
#include "window/stripsupport.h"
#include "testsupport.h"

namespace EditorTest {

inline bool writePhoto(const QString &path, int w, int h, QRgb color = qRgb(200, 80, 40))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(color);
    // A marker in the top-left quarter shows which way the photo is turned.
    for (int y = 0; y < h / 4; ++y)
        for (int x = 0; x < w / 4; ++x)
            img.setPixel(x, y, qRgb(255, 255, 255));
    const QByteArray format = path.endsWith(QLatin1String(".png")) ? "PNG" : "JPEG";
    return img.save(path, format.constData(), 95);
}

inline bool writeExif(const QString &path, int orientation, const char *make = "Sorvel Optics",
                      const char *model = "Test Camera")
{
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData &exif = image->exifData();
        exif["Exif.Image.Orientation"] = uint16_t(orientation);
        exif["Exif.Image.Make"] = make;
        exif["Exif.Image.Model"] = model;
        image->writeMetadata();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

inline bool writeText(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// A stereo 44.1 kHz MP3 of a tone.
inline bool writeAudio(const QString &path, double seconds)
{
    return TestSupport::ffmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                QStringLiteral("sine=frequency=440:sample_rate=44100"), QStringLiteral("-t"),
                                QString::number(seconds), QStringLiteral("-ac"), QStringLiteral("2"), path});
}

// Makes a shown top-level window the one that takes the keyboard, as a
// person's click on it would. Under Xvfb without a window manager the X
// server's focus follows when it likes (and not at all on a loaded machine),
// so Qt is told directly: shortcuts and key presses go to this window from
// now on. Waits for the window to be on screen first.
inline bool makeActive(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QApplication::activeWindow() == window;
}

// Answers every file or folder chooser with the given paths while alive.
class ChooserAnswer
{
public:
    explicit ChooserAnswer(QStringList answer)
    {
        FileChooser::setHook([this, answer](const FileChooser::Request &request) {
            requests << request;
            return answer;
        });
    }
    ~ChooserAnswer() { FileChooser::setHook({}); }
    QList<FileChooser::Request> requests;
};

// Records every message box and answers it with a button.
class MessageAnswer
{
public:
    explicit MessageAnswer(QDialogButtonBox::StandardButton answer = QDialogButtonBox::Ok)
    {
        MessageBox::setAnswerHook([this, answer](const MessageBox::Request &request) {
            requests << request;
            return answer;
        });
    }
    ~MessageAnswer() { MessageBox::setAnswerHook({}); }
    QList<MessageBox::Request> requests;
};

// Delivers drag events to a widget's viewport: enter, move, and a drop when
// the move was accepted. Returns the drop action (IgnoreAction when the
// target refused).
inline Qt::DropAction deliverDrop(QAbstractScrollArea *target, const QPoint &pos, const QMimeData *data,
                                  Qt::DropActions actions, Qt::KeyboardModifiers modifiers)
{
    QWidget *viewport = target->viewport();
    QDragEnterEvent enter(pos, actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDragMoveEvent move(pos, actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &move);
    if (!move.isAccepted())
        return Qt::IgnoreAction;
    QDropEvent drop(QPointF(pos), actions, data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// While alive, a drag a strip starts is delivered to the target at pos.
class DragTo
{
public:
    DragTo(QAbstractScrollArea *target, QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        StripSupport::setDragRunner([this, target, pos, modifiers](QDrag *drag, Qt::DropActions actions) {
            ++drags;
            return deliverDrop(target, pos, drag->mimeData(), actions, modifiers);
        });
    }
    ~DragTo() { StripSupport::setDragRunner({}); }
    int drags = 0;
};

// Presses the left button on a strip's item and moves far enough to start
// a drag of the selection.
inline void dragItem(QListWidget *strip, int row)
{
    QWidget *viewport = strip->viewport();
    const QPoint start = strip->visualItemRect(strip->item(row)).center();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
    const QPoint end = start + QPoint(QApplication::startDragDistance() + 5, 0);
    QMouseEvent move(QEvent::MouseMove, end, viewport->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, end);
}

inline QPoint rowCentre(QListWidget *strip, int row)
{
    return strip->visualItemRect(strip->item(row)).center();
}

} // namespace EditorTest
