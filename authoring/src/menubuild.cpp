#include "menubuild.h"

#include "toolsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamWriter>

namespace {
constexpr int kToolPollMs = 200;
constexpr int kToolLimitMs = 120000;
} // namespace

MenuBuild::MenuBuild(DvdMenuStreams streams, QString folder)
    : m_streams(std::move(streams)), m_pages(m_streams.pages), m_folder(std::move(folder))
{}

bool DvdMenuDesign::multiplexPages(DvdMenuStreams *streams, const QString &folder,
                                   const std::atomic<bool> &abort)
{
    MenuBuild build(*streams, folder);
    if (!build.run(abort)) {
        streams->error = build.error().isEmpty() ? QStringLiteral("stopped") : build.error();
        return false;
    }
    streams->multiplexedIn = folder;
    return true;
}

bool MenuBuild::ready() const
{
    const auto clean = [](const QString &path) {
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    };
    if (m_streams.multiplexedIn.isEmpty() || clean(m_streams.multiplexedIn) != clean(m_folder))
        return false;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (!QFileInfo(pageFile(i)).isFile())
            return false;
    }
    return true;
}

QString MenuBuild::pageFile(int i) const
{
    return QStringLiteral("%1/menu_%2.mpg").arg(m_folder).arg(i);
}

bool MenuBuild::run(const std::atomic<bool> &abort)
{
    if (!m_streams.ok()) {
        m_error = m_streams.error.isEmpty() ? QStringLiteral("The menu has no page") : m_streams.error;
        return false;
    }
    const QString mplex = DvdTools::locateTool(QStringLiteral("mplex"));
    if (mplex.isEmpty()) {
        m_error = QStringLiteral("mplex: program not found");
        return false;
    }
    for (int i = 0; i < m_pages.size(); ++i) {
        if (abort)
            return false;
        const QStringList arguments{
            QStringLiteral("-v"),          QStringLiteral("1"),
            QStringLiteral("-f"),          QStringLiteral("8"),
            QStringLiteral("-o"),          QStringLiteral("%1/menu_%2_av.mpg").arg(m_folder).arg(i),
            m_streams.videoFiles.value(i), m_streams.audioFiles.value(i)};
        if (!runTool(mplex, arguments, QString(), QString(), abort) || !addHighlights(i, abort))
            return false;
    }
    return true;
}

bool MenuBuild::addHighlights(int i, const std::atomic<bool> &abort)
{
    const QString spumux = DvdTools::locateTool(QStringLiteral("spumux"));
    if (spumux.isEmpty()) {
        m_error = QStringLiteral("spumux: program not found");
        return false;
    }
    const DvdMenuPage &page = m_pages[i];
    const QString base = QStringLiteral("%1/menu_%2").arg(m_folder).arg(i);
    // One subpicture stream on a 4:3 disc; on a wide one stream 0 for the
    // 16:9 set and stream 1 for the letterboxed 4:3 set.
    const int streams = m_streams.wide ? 2 : 1;
    QString input = base + QStringLiteral("_av.mpg");
    for (int s = 0; s < streams; ++s) {
        const bool letterbox = s == 1;
        const QString tag = QStringLiteral("_s%1").arg(s);
        const QString highlight = base + tag + QStringLiteral("_highlight.png");
        const QString select = base + tag + QStringLiteral("_select.png");
        const QString xmlPath = base + tag + QStringLiteral(".xml");
        QFile xml(xmlPath);
        if (!DvdMenuDesign::highlightImage(page, false, letterbox).save(highlight) ||
            !DvdMenuDesign::highlightImage(page, true, letterbox).save(select) ||
            !xml.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            xml.write(spumuxXml(page, highlight, select, letterbox)) < 0) {
            m_error = QStringLiteral("Cannot write the menu's highlights in %1").arg(m_folder);
            return false;
        }
        xml.close();
        const QString output = s + 1 == streams ? pageFile(i) : base + tag + QStringLiteral(".mpg");
        const QStringList arguments{QStringLiteral("-m"), QStringLiteral("dvd"), QStringLiteral("-s"),
                                    QString::number(s), xmlPath};
        if (!runTool(spumux, arguments, input, output, abort))
            return false;
        input = output;
    }
    return true;
}

bool MenuBuild::runTool(const QString &tool, const QStringList &arguments, const QString &input,
                        const QString &output, const std::atomic<bool> &abort)
{
    qCInfo(lcDvdAuthor).noquote() << "menu:" << DvdTools::commandLineText(tool, arguments);
    QProcess process;
    if (!input.isEmpty())
        process.setStandardInputFile(input);
    if (!output.isEmpty())
        process.setStandardOutputFile(output, QIODevice::Truncate);
    process.start(tool, arguments);
    DvdTools::LastLines lastLines;
    int waited = 0;
    while (!process.waitForFinished(kToolPollMs)) {
        if (process.state() == QProcess::NotRunning)
            break;
        waited += kToolPollMs;
        if (abort || waited > kToolLimitMs) {
            process.kill();
            process.waitForFinished();
            m_error = abort ? QStringLiteral("stopped") : QStringLiteral("%1 did not end").arg(tool);
            return false;
        }
    }
    for (const QByteArray &line : process.readAllStandardError().split('\n'))
        lastLines.add(line);
    if (process.error() == QProcess::FailedToStart || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = DvdTools::failedEndText(QFileInfo(tool).fileName(), process, lastLines.lines());
        return false;
    }
    return true;
}

QByteArray MenuBuild::spumuxXml(const DvdMenuPage &page, const QString &highlight, const QString &select,
                                bool letterbox)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartElement(QStringLiteral("subpictures"));
    w.writeStartElement(QStringLiteral("stream"));
    w.writeStartElement(QStringLiteral("spu"));
    w.writeAttribute(QStringLiteral("start"), QStringLiteral("00:00:00.00"));
    w.writeAttribute(QStringLiteral("force"), QStringLiteral("yes"));
    w.writeAttribute(QStringLiteral("highlight"), highlight);
    w.writeAttribute(QStringLiteral("select"), select);
    const auto name = [](int n) { return QStringLiteral("b%1").arg(n); };
    for (int b = 0; b < page.buttons.size(); ++b) {
        const DvdMenuButton &button = page.buttons[b];
        const QRect r = DvdMenuDesign::highlightRect(button.rect, page.picture.size(), letterbox);
        w.writeEmptyElement(QStringLiteral("button"));
        w.writeAttribute(QStringLiteral("name"), name(b + 1));
        w.writeAttribute(QStringLiteral("x0"), QString::number(r.left()));
        w.writeAttribute(QStringLiteral("y0"), QString::number(r.top()));
        w.writeAttribute(QStringLiteral("x1"), QString::number(r.right() + 1));
        w.writeAttribute(QStringLiteral("y1"), QString::number(r.bottom() + 1));
        w.writeAttribute(QStringLiteral("up"), name(button.up));
        w.writeAttribute(QStringLiteral("down"), name(button.down));
        w.writeAttribute(QStringLiteral("left"), name(button.left));
        w.writeAttribute(QStringLiteral("right"), name(button.right));
    }
    w.writeEndElement(); // spu
    w.writeEndElement(); // stream
    w.writeEndElement(); // subpictures
    return out;
}

QString MenuBuild::buttonCommand(const DvdMenuAction &action)
{
    switch (action.kind) {
    case DvdMenuAction::PlayShow:
        return QStringLiteral("jump title 1;");
    case DvdMenuAction::OpenPage:
        return QStringLiteral("jump menu %1;").arg(action.target + 1);
    case DvdMenuAction::PlayPhoto:
        return QStringLiteral("jump title 1 chapter %1;").arg(action.target + 1);
    }
    return QStringLiteral("jump title 1;");
}
