#include "title.h"

#include "authoring/dvdlanguages.h"
#include "authoring/childprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

#include <csignal>

namespace {
// Longest wait between two looks at the abort flag.
constexpr int kPollMs = 1000;
// How long a killed child may take to be reaped.
constexpr int kReapMs = 5000;
} // namespace

Title::Title(QObject *parent) : QObject(parent) {}

Title::~Title()
{
    // The worker leaves no running mplex behind; this only covers a title
    // deleted in the middle of a synchronous run's failure path.
    if (m_mplex && m_mplex->state() != QProcess::NotRunning)
        stopMplex();
}

QString Title::normalizedFolder(const QString &path)
{
    QString folder = QDir::fromNativeSeparators(path);
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

void Title::addAudioFile(const QString &path, const QString &language)
{
    m_audio.append(qMakePair(path, language));
}

void Title::setTempPath(const QString &path)
{
    m_tempFolder = normalizedFolder(path);
}

QString Title::vobFilePath() const
{
    return QStringLiteral("%1/title_%2.vob").arg(m_tempFolder).arg(m_index);
}

qint64 Title::sourceFileSize() const
{
    qint64 size = QFileInfo(m_videoPath).size();
    for (const auto &audio : m_audio)
        size += QFileInfo(audio.first).size();
    return size;
}

QStringList Title::audioLanguageCodes() const
{
    QStringList codes;
    for (const auto &audio : m_audio)
        codes.append(g_DVDLanguages.languageCode(audio.second));
    return codes;
}

bool Title::prepareMplex(QString *program, QStringList *arguments)
{
    m_mplexErrorLine = false;
    m_brokenPipe = false;
    m_mplexLastLines.clear();
    m_errorText.clear();
    m_mplexErr = DvdTools::LineBuffer();
    m_state = Idle;

    if (m_tempFolder.isEmpty() || !QDir().mkpath(m_tempFolder)) {
        qCWarning(lcDvdAuthor).noquote()
            << "mplex: no usable temporary folder:"
            << (m_tempFolder.isEmpty() ? QStringLiteral("(none set)") : m_tempFolder);
        m_errorText = QStringLiteral("mplex: no usable temporary folder");
        m_state = MultiplexFailed;
        return false;
    }
    *program = DvdTools::locateTool(QStringLiteral("mplex"));
    if (program->isEmpty()) {
        m_errorText = QStringLiteral("mplex: program not found");
        m_state = MultiplexFailed;
        return false;
    }
    *arguments =
        QStringList{QStringLiteral("-v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("8"),
                    QStringLiteral("-o"), vobFilePath(),       m_videoPath};
    if (m_audio.isEmpty()) {
        // A DVD title needs a sound track: a title without audio gets the
        // silence from the application folder.
        const QString silence =
            QDir::cleanPath(DvdTools::applicationFolder() + QStringLiteral("/./silence.ac3"));
        if (!QFileInfo(silence).isFile()) {
            qCWarning(lcDvdAuthor).noquote() << "mplex: the silent sound track" << silence << "is missing";
            m_errorText = QStringLiteral("the silent sound track %1 is missing").arg(silence);
            m_state = MultiplexFailed;
            return false;
        }
        arguments->append(silence);
    } else {
        for (const auto &audio : m_audio)
            arguments->append(audio.first);
    }
    qCInfo(lcDvdAuthor).noquote() << "mplex command line:" << DvdTools::commandLineText(*program, *arguments);
    return true;
}

bool Title::launchMplex(const QString &program, const QStringList &arguments)
{
    m_mplex = std::make_unique<ChildProcess>();
    ChildProcess *p = m_mplex.get();
    connect(p, &QProcess::readyReadStandardOutput, this, &Title::on_mplexStdoutReady, Qt::DirectConnection);
    connect(p, &QProcess::readyReadStandardError, this, &Title::on_mplexStderrReady, Qt::DirectConnection);
    connect(p, &QProcess::started, this, &Title::on_mplexStarted, Qt::DirectConnection);
    connect(p, &QProcess::errorOccurred, this, &Title::on_mplexError, Qt::DirectConnection);
    connect(p, &QProcess::finished, this, &Title::onMplexProcessFinished, Qt::DirectConnection);
    p->start(program, arguments, QIODevice::ReadWrite);
    DvdTools::waitUntilStarted(p, m_abortRequested);
    p->closeWriteChannel();
    return m_state == Multiplexing;
}

bool Title::startMplex(int index)
{
    m_index = index;
    QString program;
    QStringList arguments;
    if (!prepareMplex(&program, &arguments) || !launchMplex(program, arguments)) {
        if (m_state == Multiplexing || m_state == Idle) {
            // Still starting when an abort came.
            if (m_mplex && m_mplex->state() != QProcess::NotRunning)
                stopMplex();
            m_state = MultiplexKilled;
        }
        return false;
    }
    return true;
}

void Title::lowerPriority()
{
    if (m_mplex && !m_mplex->setPriority(KYPROCESS_PRIORITY_BELOW_NORMAL))
        qCDebug(lcDvdAuthor) << "mplex keeps its priority";
}

bool Title::runMplex(int index)
{
    m_index = index;
    const QString vob = vobFilePath();
    QString program;
    QStringList arguments;
    if (!prepareMplex(&program, &arguments))
        return false;
    // A VOB left by an earlier run must not pass for this run's output.
    QFile::remove(vob);
    launchMplex(program, arguments);

    ChildProcess *p = m_mplex.get();
    for (;;) {
        if (m_abortRequested) {
            stopMplex();
            on_mplexFinished();
            break;
        }
        if (p->waitForFinished(kPollMs) || p->state() == QProcess::NotRunning) {
            if (m_state == Multiplexing)
                on_mplexFinished();
            break;
        }
        if (m_state != Multiplexing)
            break;
    }
    // An error report ends the title at once; mplex must not go on writing.
    if (p->state() != QProcess::NotRunning)
        stopMplex();

    if (m_state == Multiplexed && QFileInfo(vob).size() <= 0) {
        qCWarning(lcDvdAuthor).noquote() << "mplex reported success but wrote no data to" << vob;
        m_state = MultiplexFailed;
    }
    m_mplex.reset();
    return m_state == Multiplexed;
}

void Title::stopMplex()
{
    if (!m_mplex || m_mplex->state() == QProcess::NotRunning)
        return;
    m_mplex->terminate();
    if (!m_mplex->waitForFinished(kReapMs))
        qCWarning(lcDvdAuthor) << "mplex did not end after it was killed";
}

void Title::releaseProcesses()
{
    m_mplex.reset();
    m_spumux.reset();
}

bool Title::prepareSpumux()
{
    m_spumux = std::make_unique<ChildProcess>();
    connect(m_spumux.get(), &QProcess::finished, this, &Title::on_spumuxFinished, Qt::DirectConnection);
    connect(m_spumux.get(), &QProcess::errorOccurred, this, &Title::on_spumuxError, Qt::DirectConnection);
    return true;
}

void Title::on_mplexStarted()
{
    m_state = Multiplexing;
}

void Title::on_mplexStdoutReady()
{
    if (m_mplex)
        m_mplex->readAllStandardOutput();
}

void Title::on_mplexStderrReady()
{
    if (m_mplex)
        handleMplexLines(m_mplexErr.feed(m_mplex->readAllStandardError()));
}

void Title::handleMplexLines(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        m_mplexLastLines.add(line);
        switch (DvdTools::classifyMplexLine(line)) {
        case DvdTools::MplexLine::UnderRun:
            qCInfo(lcDvdAuthor).noquote() << "mplex:" << QString::fromUtf8(line);
            m_mplex->setProperty("ignore error", true);
            break;
        case DvdTools::MplexLine::Error:
            qCWarning(lcDvdAuthor).noquote() << "mplex:" << QString::fromUtf8(line);
            if (!m_mplexErrorLine)
                m_errorText = QStringLiteral("mplex: ") + QString::fromLocal8Bit(line).trimmed();
            m_mplexErrorLine = true;
            if (m_state == Multiplexing) {
                m_state = MultiplexFailed;
                Q_EMIT ended();
            }
            break;
        case DvdTools::MplexLine::Other:
            break;
        }
    }
}

void Title::onMplexProcessFinished()
{
    // An error line or an abort may have decided the state already.
    if (m_state != Multiplexing)
        return;
    on_mplexFinished();
    Q_EMIT ended();
}

void Title::on_mplexFinished()
{
    ChildProcess *p = m_mplex.get();
    handleMplexLines(m_mplexErr.feed(p->readAllStandardError()));
    handleMplexLines(m_mplexErr.flush());
    const int exitCode = p->exitCode();
    const bool crashed = p->exitStatus() == QProcess::CrashExit;
    const bool ignoreError = p->property("ignore error").toBool();
    // A kill that came after mplex had ended by itself does not hide how
    // it ended.
    if (p->property("killed").toBool() && crashed && exitCode == SIGKILL) {
        m_state = MultiplexKilled;
    } else if (crashed) {
        m_brokenPipe = exitCode == SIGPIPE;
        m_errorText = DvdTools::failedEndText(QStringLiteral("mplex"), *p, m_mplexLastLines.lines());
        qCWarning(lcDvdAuthor).noquote() << m_errorText;
        m_state = MultiplexFailed;
    } else if (m_mplexErrorLine) {
        m_state = MultiplexFailed;
    } else if (exitCode != 0 && !ignoreError) {
        m_errorText = DvdTools::failedEndText(QStringLiteral("mplex"), *p, m_mplexLastLines.lines());
        qCWarning(lcDvdAuthor).noquote() << m_errorText;
        m_state = MultiplexFailed;
    } else {
        m_state = Multiplexed;
    }
}

void Title::on_mplexError()
{
    const QProcess::ProcessError error = m_mplex->error();
    // A crash is told when the process finishes.
    if (error == QProcess::Timedout || error == QProcess::Crashed || m_mplex->property("killed").toBool())
        return;
    qCWarning(lcDvdAuthor).noquote() << "mplex:" << m_mplex->errorString();
    if (m_errorText.isEmpty())
        m_errorText = DvdTools::failedEndText(QStringLiteral("mplex"), *m_mplex, m_mplexLastLines.lines());
    const bool wasRunning = m_state == Multiplexing;
    m_state = MultiplexFailed;
    if (wasRunning)
        Q_EMIT ended();
}

void Title::on_spumuxError()
{
    if (m_spumux->error() == QProcess::Timedout || m_spumux->property("killed").toBool())
        return;
    m_state = SubpictureFailed;
}

void Title::on_spumuxFinished(int exitCode)
{
    if (m_spumux->property("killed").toBool())
        m_state = SubpictureKilled;
    else if (m_spumux->exitStatus() == QProcess::CrashExit || exitCode != 0)
        m_state = SubpictureFailed;
    else
        m_state = SubpictureDone;
}
