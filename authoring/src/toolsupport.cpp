#include "toolsupport.h"

#include <framework/apppaths.h>

#include <QProcess>
#include <QRegularExpression>

#include <cstring>

Q_LOGGING_CATEGORY(lcDvdAuthor, "sorvel.dvdauthor")

namespace DvdTools {

QString applicationFolder()
{
    return AppPaths::appDir();
}

QString findTool(const QString &program)
{
    return AppPaths::findTool(program);
}

QString locateTool(const QString &program)
{
    const QString path = findTool(program);
    if (path.isEmpty())
        qCWarning(lcDvdAuthor).noquote()
            << program + QStringLiteral(": program not found in") << applicationFolder() << "or on PATH";
    return path;
}

bool waitUntilStarted(QProcess *process, const std::atomic<bool> &abortRequested)
{
    while (process->state() == QProcess::Starting && !abortRequested)
        process->waitForStarted(1000);
    return process->state() == QProcess::Running;
}

QString commandLineText(const QString &program, const QStringList &arguments)
{
    auto quoted = [](const QString &s) {
        if (!s.isEmpty() && !s.contains(QRegularExpression(QStringLiteral("[\\s\"'\\\\$`]"))))
            return s;
        QString q = s;
        q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
        return QLatin1Char('\'') + q + QLatin1Char('\'');
    };
    QStringList parts{quoted(program)};
    for (const QString &a : arguments)
        parts.append(quoted(a));
    return parts.join(QLatin1Char(' '));
}

QString failedEndText(const QString &tool, const QProcess &process, const QStringList &lastLines)
{
    QString text;
    if (process.exitStatus() == QProcess::CrashExit) {
        // On Unix the exit code of a crashed child is the signal's number.
        const int signal = process.exitCode();
        text = QStringLiteral("%1 crashed (signal %2, %3)")
                   .arg(tool)
                   .arg(signal)
                   .arg(QString::fromLocal8Bit(::strsignal(signal)));
    } else if (process.error() == QProcess::FailedToStart) {
        text = QStringLiteral("%1 could not be started: %2").arg(tool, process.errorString());
    } else {
        text = QStringLiteral("%1 ended with exit code %2").arg(tool).arg(process.exitCode());
    }
    if (!lastLines.isEmpty())
        text += QStringLiteral("; its last output:\n") + lastLines.join(QLatin1Char('\n'));
    return text;
}

void LastLines::add(const QByteArray &line)
{
    const QString text = QString::fromLocal8Bit(line).trimmed();
    if (text.isEmpty())
        return;
    m_lines.append(text.left(300));
    while (m_lines.size() > 3)
        m_lines.removeFirst();
}

QList<QByteArray> LineBuffer::feed(const QByteArray &chunk)
{
    m_pending.append(chunk);
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_pending.size(); ++i) {
        const char c = m_pending.at(i);
        if (c != '\r' && c != '\n')
            continue;
        if (i > start)
            lines.append(m_pending.mid(start, i - start));
        start = i + 1;
    }
    m_pending.remove(0, start);
    return lines;
}

QList<QByteArray> LineBuffer::flush()
{
    QList<QByteArray> lines;
    if (!m_pending.isEmpty())
        lines.append(m_pending);
    m_pending.clear();
    return lines;
}

MplexLine classifyMplexLine(const QByteArray &line)
{
    if (!line.startsWith("**ERROR:"))
        return MplexLine::Other;
    if (line.contains("MUX STATUS: Frame data under-runs detected!"))
        return MplexLine::UnderRun;
    return MplexLine::Error;
}

qint64 VobuProgress::vobuBytes(const QByteArray &line)
{
    if (!line.startsWith("STAT: VOBU"))
        return -1;
    const QList<QByteArray> parts = line.simplified().split(' ');
    if (parts.size() <= 4)
        return 0;
    QByteArray size = parts.at(4);
    const qsizetype mb = size.indexOf("MB");
    if (mb >= 0)
        size.truncate(mb);
    bool ok = false;
    const qint64 mebibytes = size.toLongLong(&ok);
    return ok && mebibytes > 0 ? mebibytes * 1048576 : 0;
}

bool VobuProgress::feedLine(const QByteArray &line)
{
    // Each title set's output is counted from zero again.
    if (line.startsWith("STAT: Picking VTS")) {
        m_completed += m_current;
        m_current = 0;
        return false;
    }
    const qint64 bytes = vobuBytes(line);
    if (bytes < 0)
        return false;
    if (bytes < m_current) {
        // The count restarted without a title set line: keep what was done.
        m_completed += m_current;
        m_current = bytes;
        return bytes > 0;
    }
    if (bytes == m_current)
        return false;
    m_current = bytes;
    return true;
}

int VobuProgress::authorPercent(qint64 written, qint64 total, int from)
{
    if (total <= 0 || written <= 0)
        return from;
    return qMin(99, from + int(written * 100 / total) * (100 - from) / 100);
}

void VobuProgress::reset()
{
    m_completed = 0;
    m_current = 0;
}

} // namespace DvdTools
