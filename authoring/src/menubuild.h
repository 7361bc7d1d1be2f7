#pragma once

#include "authoring/dvdmenu.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

// Turns the menu's pages into the program streams dvdauthor takes: each
// page's still encoded (by the caller's encoder: MPEG-2 and AC-3 like the
// title), multiplexed by mplex, and its button highlights added as
// subpictures by spumux (on a wide disc one stream for the 16:9 set and
// one for the letterboxed 4:3 set). Runs on the authoring thread.
class MenuBuild
{
public:
    using Encoder = std::function<bool(const QImage &picture, const QString &videoPath,
                                       const QString &audioPath, QString *error)>;

    MenuBuild(const DvdMenuContent &content, Encoder encoder, QString folder);

    // Draws, encodes and multiplexes every page. False with error() when a
    // step failed or abort was set.
    bool run(const std::atomic<bool> &abort);
    QString error() const { return m_error; }
    const QVector<DvdMenuPage> &pages() const { return m_pages; }
    // The program stream of page i ("menu_<i>.mpg" in the folder).
    QString pageFile(int i) const;
    bool wide() const { return m_content.wide; }

    // spumux's description of a page's buttons for one subpicture stream.
    static QByteArray spumuxXml(const DvdMenuPage &page, const QString &highlight, const QString &select,
                                bool letterbox);
    // dvdauthor's command for a button (pages are the video manager's menus
    // 1..n; photos the title's chapters 1..n).
    static QString buttonCommand(const DvdMenuAction &action);

private:
    bool runTool(const QString &tool, const QStringList &arguments, const QString &input,
                 const QString &output, const std::atomic<bool> &abort);
    bool addHighlights(int i, const std::atomic<bool> &abort);

    DvdMenuContent m_content;
    Encoder m_encoder;
    QString m_folder;
    QVector<DvdMenuPage> m_pages;
    QString m_error;
};
