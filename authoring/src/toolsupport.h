#pragma once

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <atomic>

class QProcess;

Q_DECLARE_LOGGING_CATEGORY(lcDvdAuthor)

// Helpers shared by the title multiplexer and the author: finding the
// external tools, logging their command lines and reading their status text.
namespace DvdTools {

// The application data folder (pattern/, silence.ac3, bundled tools).
QString applicationFolder();
// The tool from the application folder, else from PATH; empty when neither
// has it.
QString findTool(const QString &program);
// findTool(), with a diagnostic naming the tool when it is not found.
QString locateTool(const QString &program);
// Waits until the process has started or failed to start, looking at the
// abort flag at least once a second; true when it runs.
bool waitUntilStarted(QProcess *process, const std::atomic<bool> &abortRequested);
// A copy-and-paste form of a command line for the diagnostic log.
QString commandLineText(const QString &program, const QStringList &arguments);

// How a child that failed ended, told to the user: "dvdauthor crashed
// (signal 11, Segmentation fault)" or "dvdauthor ended with exit code 1",
// followed by the last lines it wrote.
QString failedEndText(const QString &tool, const QProcess &process, const QStringList &lastLines);

// The last few lines a child wrote, for failedEndText().
class LastLines
{
public:
    void add(const QByteArray &line);
    QStringList lines() const { return m_lines; }
    void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};

// Splits a child's output into lines at carriage returns and line feeds.
// A line that has not ended yet is kept until the rest of it arrives, so a
// status line split across two reads is still one line.
class LineBuffer
{
public:
    // The complete lines in chunk (with what was kept before), empty lines
    // dropped.
    QList<QByteArray> feed(const QByteArray &chunk);
    // The unfinished tail, when the stream has ended.
    QList<QByteArray> flush();

private:
    QByteArray m_pending;
};

// How a line of mplex's standard error bears on the title.
enum class MplexLine {
    Other,    // information, warnings
    UnderRun, // the frame under-run report: excuses a failing exit code
    Error     // any other error report: the title fails
};
MplexLine classifyMplexLine(const QByteArray &line);

// Output size reported by dvdauthor's "STAT: VOBU <n> at <m>MB, ..." lines,
// summed over the title sets it writes one after another (its count starts
// again with each title set).
class VobuProgress
{
public:
    // Takes one line; true when the total written size grew.
    bool feedLine(const QByteArray &line);
    // Bytes written so far over the whole run.
    qint64 written() const { return m_completed + m_current; }
    void reset();

    // The size in bytes of one "STAT: VOBU" line, -1 for any other line.
    static qint64 vobuBytes(const QByteArray &line);
    // The whole run's percentage for written of total bytes, from `from`
    // (50 when multiplexing came first, 0 when it runs alongside) up to 99
    // (the last step belongs to the successful end).
    static int authorPercent(qint64 written, qint64 total, int from = 50);

private:
    qint64 m_completed = 0; // title sets finished before the current one
    qint64 m_current = 0;   // largest size seen in the current title set
};

} // namespace DvdTools
