#pragma once

// Draws captions and title cards at the output size, so text is sharp at
// every size (never drawn small and scaled up).
//
// A frame is given as its stored size and its squeeze: stored pixels per
// displayed pixel across a row (1 for square pixels, 0.9375 for a 4:3 PAL
// DVD frame of 720 x 576, 0.703125 for a 16:9 one). Text is laid out in
// the displayed frame (so letters keep their shape on the television) and
// drawn straight onto the stored pixels through a horizontal scale of the
// painter: no picture of the text is resampled.
//
// Everything stays inside the title-safe area, the inner 80 % of the
// displayed frame, that a television never cuts: lines wrap at word
// boundaries (anywhere within a word too long for a line); text too tall
// for the area is drawn smaller, down to a third of its size, and lines
// that still do not fit are left out.
//
// The caption pictures are BGRA (QImage::Format_ARGB32, not premultiplied:
// the drawing core blends them with their own alpha) with rows bottom-up,
// as the storyboard's photo pictures are; the title card pictures are
// opaque. QtGui only (the engine links no widgets).

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "album/caption.h"

class CaptionPainter
{
public:
    // The title-safe rectangle of a frame, in stored pixels.
    static QRect safeArea(QSize frame);

    // The font of a style at a pixel size: the style's family when it is
    // installed, else the default family (with a note in *note, and in the
    // log once per family).
    static QFont fontFor(const CaptionStyle &style, int pixelSize, QString *note = nullptr);
    // The text's pixel height for a style on a frame of this height.
    static int pixelSizeFor(const CaptionStyle &style, int frameHeight);

    // The caption over a transparent frame, rows top-down. Null for an
    // empty caption (no text, or only white space).
    static QImage caption(const Caption &caption, QSize frame, double squeeze = 1.0);
    // A title card: its background (plain, gradient, or the blurred and
    // darkened photo, when given) with its text; opaque, rows top-down.
    static QImage titleCard(const TitleCard &card, QSize frame, double squeeze = 1.0,
                            const QImage &photo = {});
    // A small blurred, darkened copy of a photo for a card's background
    // (decoded at a reduced size); null when it cannot be read.
    static QImage cardBackdrop(const QString &path, QSize frame);

    // Where the text of a caption is drawn (its lines' box, stored pixels),
    // empty for an empty caption: what tests and the editor's preview check.
    static QRect textBox(const QString &text, const CaptionStyle &style, QSize frame, double squeeze = 1.0);

private:
    struct Layout;
    static Layout layOut(const QString &text, const CaptionStyle &style, QSize frame, double squeeze);
    static void drawText(QImage &target, const QString &text, const CaptionStyle &style, double squeeze,
                         bool titleCardText);
};
