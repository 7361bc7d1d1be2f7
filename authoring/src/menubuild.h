#pragma once

#include "authoring/dvdmenu.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

// Turns the menu's encoded pages into the program streams dvdauthor
// takes: each page's video and sound multiplexed by mplex, and its button
// highlights added as subpictures by spumux (on a wide disc one stream for
// the 16:9 set and one for the letterboxed 4:3 set). Runs on the authoring
// thread.
class MenuBuild
{
public:
    MenuBuild(DvdMenuStreams streams, QString folder);

    // Multiplexes every page and adds its highlights. False with error()
    // when a step failed or abort was set.
    bool run(const std::atomic<bool> &abort);
    QString error() const { return m_error; }
    // The pages were multiplexed into this folder already (multiplexPages()
    // beside the encoding): nothing is left to run.
    bool ready() const;
    const QVector<DvdMenuPage> &pages() const { return m_pages; }
    // The program stream of page i ("menu_<i>.mpg" in the folder).
    QString pageFile(int i) const;
    bool wide() const { return m_streams.wide; }
    bool loops() const { return m_streams.loops; }

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

    DvdMenuStreams m_streams;
    const QVector<DvdMenuPage> &m_pages;
    QString m_folder;
    QString m_error;
};
