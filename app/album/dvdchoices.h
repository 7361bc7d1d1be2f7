#pragma once

#include <QString>

#include <optional>

// The choices a person makes for a DVD, as types: the TV standard, the
// action after making, the bit rates and the audio channels. Texts from the
// settings, the command line and the dialogs are parsed once with the
// functions below; everything past that edge passes these values and never
// compares texts again.

enum class TvStandard { Pal, Ntsc };

// "PAL" or "NTSC" in any case, with surrounding white space ignored.
std::optional<TvStandard> parseTvStandard(const QString &text);
// "PAL" or "NTSC", the texts stored in the settings and shown in lists.
QString tvStandardName(TvStandard standard);

// What the disc does when the show ends: play it again from the start (the
// default), or stop (a player returns to its stopped state).
enum class ShowEnd { Repeat, Stop };
// "repeat" or "stop" in any case, with surrounding white space ignored.
std::optional<ShowEnd> parseShowEnd(const QString &text);
// "repeat" or "stop", the texts stored in projects and given to --at-end.
QString showEndName(ShowEnd end);

// The shape of the DVD's picture on the television: 4:3, or 16:9 widescreen
// (anamorphic: the same 720 stored pixels a line, shown wider; a 4:3 set
// shows it letterboxed).
enum class DvdAspect { Standard, Wide };
// "4:3" or "16:9", with surrounding white space ignored.
std::optional<DvdAspect> parseDvdAspect(const QString &text);
// "4:3" or "16:9", the texts stored in projects and given to --aspect.
QString dvdAspectName(DvdAspect aspect);

// The title's chapters: one at every photo (a remote's Next and Previous
// step through the photos), or none (the show is one chapter).
enum class ChapterMarks { PerPhoto, None };
// "photo" or "none" in any case, with surrounding white space ignored.
std::optional<ChapterMarks> parseChapterMarks(const QString &text);
// "photo" or "none", the texts stored in projects and given to --chapters.
QString chapterMarksName(ChapterMarks marks);

// What lies behind the menu's pages: the album's first photo, a photo the
// person chose, or the look of the album's first title card (its
// background and colours, without its words).
enum class MenuBackdrop { FirstPhoto, Photo, TitleCard };
// "first", "photo" or "titleCard", the texts stored in projects.
std::optional<MenuBackdrop> parseMenuBackdrop(const QString &text);
QString menuBackdropName(MenuBackdrop backdrop);

// How long the menu's music plays before it starts again: a stretch of the
// album's first clip (the clip itself when shorter), faded in and out.
constexpr int kMenuMusicMs = 30000;
constexpr int kMenuMusicFadeMs = 2000;

// The volume label a DVD gets when none is given.
inline QString defaultVolumeLabel()
{
    return QStringLiteral("My DVD");
}

// What happens once the DVD is made; the numbers are the stored
// "AfterBurnAction" codes, the same in every menu, list and dialog.
enum class AfterMakingAction { ExitProgram = 0, StandBy = 1, Hibernate = 2, ShutDown = 4, DoNothing = 5 };
// The action of a stored code; any code that names none does nothing.
AfterMakingAction afterMakingActionFromCode(int code);
inline int afterMakingActionCode(AfterMakingAction action)
{
    return int(action);
}
// The actions after making in the order every list and menu shows them:
// "Do Nothing", "Exit Program", "Shut Down", "Hibernate", "Stand By".
AfterMakingAction afterMakingActionAtListIndex(int index);
int afterMakingListIndex(AfterMakingAction action);

// Video bit rates are held in bit/s and written in Mbit/s ("9", "6.5"); the
// range is that of the custom bit rate dialog, 2 to 9 Mbit/s.
constexpr int kMinVideoBitRate = 2000000;
constexpr int kMaxVideoBitRate = 9000000;
constexpr int kHighVideoBitRate = 9000000;
constexpr int kNormalVideoBitRate = 5000000;
constexpr int kLowVideoBitRate = 2000000;
// A decimal number of Mbit/s within the range; nothing for anything else.
std::optional<int> parseVideoBitRate(const QString &mbps);
// As parseVideoBitRate, and also the quality names "high", "normal" and
// "low" (any case) of the quality list.
std::optional<int> parseVideoQuality(const QString &text);
// Mbit/s in the shortest form: 9000000 gives "9", 6500000 "6.5".
QString formatVideoBitRate(int bitsPerSecond);

// Audio bit rates are held in bit/s and written in kbit/s ("192"); the range
// is that of the custom bit rate dialog, 128 to 448 kbit/s. The AC-3 encoder
// uses the nearest rate of its own list.
constexpr int kMinAudioBitRate = 128000;
constexpr int kMaxAudioBitRate = 448000;
constexpr int kDefaultAudioBitRate = 192000;
// A whole number of kbit/s within the range.
std::optional<int> parseAudioBitRate(const QString &kbps);
QString formatAudioBitRate(int bitsPerSecond);

// 1 (mono), 2 (stereo) or 6 (5.1).
constexpr int kDefaultAudioChannels = 2;
bool isAudioChannelCount(int channels);
std::optional<int> parseAudioChannels(const QString &text);
