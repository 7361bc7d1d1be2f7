#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

struct dvdnav_s;

// Looks inside a DVD's title the way a careful check does: the video
// stream's rate signalling and the size of every picture (what a player's
// buffer receives), the decoded pictures and sound with their times, and a
// player's walk through the disc's navigation (libdvdnav).
namespace DvdInspect {

// The MPEG-2 video of a program stream (a title's VOB), picture by picture
// in decoding order.
struct VideoStream {
    bool ok = false;
    QString error;
    int64_t headerBitRate = 0; // the sequence header's bit rate, bit/s
    int64_t vbvBufferBits = 0; // the sequence header's VBV buffer size, bits
    double frameRate = 0.0;
    QList<int64_t> pictureBits; // each picture with the headers before it
    QList<int> vbvDelays;       // each picture header's vbv_delay field
};
VideoStream readVideoStream(const QString &vobPath);

// The most bits any `count` consecutive pictures take.
int64_t largestRun(const QList<int64_t> &pictureBits, int count);
// The least a decoder buffer of bufferBits holds just after a picture is
// taken out, when it fills at `rate` bit/s until full (MPEG-2's variable
// rate buffer: the rate the sequence header gives, vbv_delay 0xFFFF) and
// decoding starts once it is full.
int64_t lowestOccupancy(const QList<int64_t> &pictureBits, double frameRate, int64_t rate,
                        int64_t bufferBits);

// The decoded title: the time of every picture (presentation order) with
// the mean Y, U and V of its central quarter, and the sound of its first
// channel with the time of its first sample.
struct Decoded {
    bool ok = false;
    QString error;
    int decodeErrors = 0;
    QList<double> pictureTimes;
    QList<std::array<double, 3>> centreYuv;
    double audioStart = 0.0;
    int sampleRate = 0;
    std::vector<float> sound;
};
Decoded decode(const QString &vobPath);

// A player's walk through the disc from its start (libdvdnav), skipping
// stills and waits, until it stops, plays the title a second time, or has
// read maxBlocks blocks.
struct Walk {
    bool ok = false;
    QString error;
    bool stopped = false; // the player reached its stopped state
    int titleStarts = 0;  // times the title began (1 once, 2 when it played again)
    int64_t blocks = 0;
};
Walk walk(const QString &dvdPath, int64_t maxBlocks);

// The first picture of a program stream, decoded by FFmpeg (null when none
// decodes).
QImage firstPicture(const QString &vobPath);

// A menu as a player sees it: its buttons' highlight areas from the
// navigation packet, per button group (one group, or on a wide menu one
// per display mode with its mode: 1 wide, 2 letterbox, 4 pan and scan).
struct MenuView {
    bool vts = false; // a title set's menu (else the video manager's)
    int buttons = 0;
    QVector<int> groupModes;
    QVector<QVector<QRect>> groupRects;
};

// A player driven step by step the way a viewer does with a remote
// (libdvdnav from the disc's first-play program): play until a menu shows,
// press a button, play until a chapter begins, press Menu. Every step gives
// up after a number of blocks and says so in error().
class Player
{
public:
    explicit Player(const QString &dvdPath);
    ~Player();
    bool ok() const { return m_nav != nullptr && m_error.isEmpty(); }
    QString error() const { return m_error; }

    // Plays until a menu with buttons is on screen.
    bool untilMenu(MenuView *view, int64_t maxBlocks = 20000);
    // Selects and activates button n (1-based) of the menu on screen.
    bool press(int button);
    // Moves the selection with an arrow (0 up, 1 down, 2 left, 3 right);
    // the button now selected.
    int arrow(int direction);
    // Plays until a title's chapter begins: its title and chapter numbers.
    bool untilChapter(int *title, int *chapter, int64_t maxBlocks = 20000);
    // Plays this many blocks of what is on (a still counts as one).
    bool play(int64_t blocks);
    // The remote's Menu (root) or Title button.
    bool menuButton(bool title = false);
    // Whether a menu is on (the video manager's or a title set's), the
    // button highlighted there, and how often a menu's cell has begun.
    bool inMenu() const;
    int highlighted() const;
    int menuCellStarts() const { return m_menuCellStarts; }

private:
    enum class Stop { Menu, Chapter, Count };
    bool run(Stop until, int64_t maxBlocks, MenuView *view, int *title, int *chapter);
    struct NavCloser {
        void operator()(dvdnav_s *nav) const;
    };
    std::unique_ptr<dvdnav_s, NavCloser> m_nav;
    QString m_error;
    std::vector<uint8_t> m_block;
    int m_menuCellStarts = 0;
};

} // namespace DvdInspect
