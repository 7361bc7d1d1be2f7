#pragma once

#include "authoring/authoring_global.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

// The disc's menu, made from the album: a main page (the album's picture
// blurred and darkened behind the disc's title, buttons Play and Photos)
// and index pages of photo thumbnails, each a button that starts the show
// at that photo's chapter. Every player finds the buttons in the same
// place: on the main page Play is button 1 and Photos button 2; on an index
// page the thumbnails are buttons 1..n in reading order, then Previous
// (not on the first page), Next (not on the last) and Back.
//
// Pages are drawn as stills at the DVD's stored size (720 x 576 or
// 720 x 480), laid out for the picture's shape on the television (4:3 or
// 16:9 anamorphic) inside the title safe area.

// What a button does when the viewer presses it.
struct DvdMenuAction {
    enum Kind { PlayShow, OpenPage, PlayPhoto };
    Kind kind = PlayShow;
    int target = 0; // OpenPage: the page (0 the main page); PlayPhoto: the photo (0-based)
};

struct AUTHORING_EXPORT DvdMenuButton {
    QString label;
    QRect rect; // the drawn button in stored pixels
    DvdMenuAction action;
    // The buttons a remote's arrows go to (1-based on the page; the button
    // itself where nothing lies that way).
    int up = 0;
    int down = 0;
    int left = 0;
    int right = 0;
};

struct AUTHORING_EXPORT DvdMenuPage {
    QImage picture; // the page as the viewer sees it, stored size, RGB32
    QVector<DvdMenuButton> buttons;
};

// What the menu is made of; the pictures are asked for while the pages
// are drawn (on the authoring thread), each at about the size asked.
struct AUTHORING_EXPORT DvdMenuContent {
    // The main page's words: any text; a line break starts a new line, a
    // long title wraps and is drawn smaller to stay in the title safe area.
    QString title;
    QColor titleColour = Qt::white;
    int photoCount = 0;
    bool pal = true;
    bool wide = false;
    // The main page's background (null: a plain dark page), cut to fill the
    // page, blurred and darkened; with backgroundAsIs (a title card's look)
    // drawn as it is, and only the index pages darkened.
    std::function<QImage(QSize)> background;
    bool backgroundAsIs = false;
    // The pages play music and start again at its end (the encoder makes
    // each page's still as long as the music); without, a page is a short
    // still that holds.
    bool music = false;
    // The thumbnail of photo k (null: a grey frame with its number).
    std::function<QImage(int, QSize)> thumbnail;
};

// The menu's pages encoded, ready for authoring: each page with its video
// (MPEG-2 elementary stream) and sound (AC-3) file; error says why not.
struct AUTHORING_EXPORT DvdMenuStreams {
    bool wide = false;
    bool loops = false; // the pages play music and start again at its end
    QVector<DvdMenuPage> pages;
    QStringList videoFiles;
    QStringList audioFiles;
    // Where multiplexPages() made the pages' program streams
    // ("menu_<i>.mpg" with their highlights); empty: the author makes them.
    QString multiplexedIn;
    QString error;
    bool ok() const { return error.isEmpty() && !pages.isEmpty(); }
};

// Turns a page's still into the files a menu needs (the title's encoder
// settings); false with the reason in *error.
using DvdMenuEncoder = std::function<bool(const QImage &picture, const QString &videoPath,
                                          const QString &audioPath, QString *error)>;

namespace DvdMenuDesign {
// 720 x 576 (PAL) or 720 x 480 (NTSC).
AUTHORING_EXPORT QSize storedSize(bool pal);
// Thumbnails on an index page: 3 x 2 on a 4:3 page, 4 x 2 on a wide one,
// big enough to tell the photos apart on a television.
AUTHORING_EXPORT int thumbnailsPerPage(bool wide);
// Index pages for a number of photos (none without photos).
AUTHORING_EXPORT int indexPageCount(int photoCount, bool wide);
// The main page alone (what DVD Settings shows).
AUTHORING_EXPORT DvdMenuPage mainPage(const DvdMenuContent &content);
// Every page: the main page first, then the index pages.
AUTHORING_EXPORT QVector<DvdMenuPage> pages(const DvdMenuContent &content);

// Draws every page and encodes it into "menu_<i>.m2v" and "menu_<i>.ac3"
// in folder; stops (with an error) when abort becomes true. Takes a while
// for many photos (each is decoded for its thumbnail): callers run it
// beside the show's encoding.
AUTHORING_EXPORT DvdMenuStreams encodePages(const DvdMenuContent &content, const DvdMenuEncoder &encoder,
                                            const QString &folder, const std::atomic<bool> *abort = nullptr);

// Multiplexes the encoded pages with their sound (mplex) and adds their
// highlights (spumux) into "menu_<i>.mpg" in folder, the author's working
// folder, on the calling thread: run beside the show's encoding, the author
// finds the pages ready. False with streams->error when a tool failed or
// abort became true.
AUTHORING_EXPORT bool multiplexPages(DvdMenuStreams *streams, const QString &folder,
                                     const std::atomic<bool> &abort);

// The subpicture overlays of a page for spumux: transparent but for a
// frame around every button, in at most three colours without blending
// (a dark rim and a bright band that read on any background). letterbox
// maps a wide page onto the middle three quarters of the height, as a 4:3
// set shows it.
AUTHORING_EXPORT QImage highlightImage(const DvdMenuPage &page, bool selected, bool letterbox);
// A button's subpicture area: its drawn rectangle with the frame around
// it, in the wide (or 4:3) stored picture or mapped for letterbox, on even
// lines.
AUTHORING_EXPORT QRect highlightRect(const QRect &button, QSize stored, bool letterbox);
} // namespace DvdMenuDesign
