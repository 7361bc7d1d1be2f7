#pragma once

#include "toolsupport.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <memory>

class ChildProcess;

// One DVD title: an MPEG-2 video elementary stream and its AC-3 audio
// streams, multiplexed by mplex into one program-stream VOB
// ("<temp>/title_<index>.vob"). state() tells how it went.
class Title : public QObject
{
    Q_OBJECT
public:
    enum State {
        Idle = 0,
        Multiplexing = 1,
        Multiplexed = 2,
        MultiplexKilled = 3,
        MultiplexFailed = 4,
        SubpictureDone = 6,
        SubpictureKilled = 7,
        SubpictureFailed = 8
    };

    explicit Title(QObject *parent = nullptr);
    ~Title() override;

    void setVideoFile(const QString &path) { m_videoPath = path; }
    void addAudioFile(const QString &path, const QString &language);
    // Stores the folder with "/" separators and no trailing "/".
    void setTempPath(const QString &path);
    // The title's position, which names its VOB (runMplex and startMplex
    // set it too).
    void setIndex(int index) { m_index = index; }

    // Multiplexes the title into its VOB; true only when the state ends as
    // Multiplexed. Blocks, checking the abort flag at least once a second.
    bool runMplex(int index);
    // Starts mplex writing into the title's VOB path as it stands (a named
    // pipe that a reader consumes while mplex writes) and returns once mplex
    // runs: true, state Multiplexing. False, state MultiplexFailed with
    // errorText(), when it cannot start (missing tool, silence or folder).
    // ended() tells when the state leaves Multiplexing.
    bool startMplex(int index);
    // Kills a running mplex and reaps it.
    void stopMplex();
    // Runs mplex below normal priority (it then yields to the encoder that
    // feeds it).
    void lowerPriority();
    // Prepares the subpicture step; titles carry no subpictures, so nothing
    // runs.
    bool prepareSpumux();

    QString videoFile() const { return m_videoPath; }
    int audioCount() const { return m_audio.size(); }
    // Where the title's chapters begin, in frames from its start (the
    // first 0); empty: one chapter.
    void setChapterFrames(const QVector<qint64> &frames) { m_chapterFrames = frames; }
    QVector<qint64> chapterFrames() const { return m_chapterFrames; }
    QString vobFilePath() const;
    qint64 sourceFileSize() const;
    QStringList audioLanguageCodes() const;

    // Deletes the child process objects of the last run.
    void releaseProcesses();

    void requestAbort() { m_abortRequested = true; }
    void clearAbort() { m_abortRequested = false; }
    int state() const { return m_state.load(); }
    // Why multiplexing failed (empty when it did not, or was stopped).
    QString errorText() const { return m_errorText; }
    // mplex was ended by a broken pipe: the reader of its output went away
    // first, so the cause lies with that reader.
    bool endedByBrokenPipe() const { return m_brokenPipe; }

    // Stores the folder path the way setTempPath() does.
    static QString normalizedFolder(const QString &path);

Q_SIGNALS:
    // mplex finished, failed to start or reported an error (state() is no
    // longer Multiplexing).
    void ended();

private Q_SLOTS:
    void on_mplexStarted();
    void on_mplexStdoutReady();
    void on_mplexStderrReady();
    void on_mplexFinished();
    void on_mplexError();
    void on_spumuxError();
    void on_spumuxFinished(int exitCode);

private:
    void handleMplexLines(const QList<QByteArray> &lines);
    bool prepareMplex(QString *program, QStringList *arguments);
    bool launchMplex(const QString &program, const QStringList &arguments);
    void onMplexProcessFinished();

    QString m_videoPath;
    QVector<QPair<QString, QString>> m_audio; // path, language name
    QVector<qint64> m_chapterFrames;
    std::unique_ptr<ChildProcess> m_mplex;
    std::unique_ptr<ChildProcess> m_spumux;
    std::atomic<bool> m_abortRequested{false};
    std::atomic<int> m_state{Idle};
    QString m_tempFolder;
    int m_index = 0;
    DvdTools::LineBuffer m_mplexErr;
    DvdTools::LastLines m_mplexLastLines;
    bool m_mplexErrorLine = false;
    bool m_brokenPipe = false;
    QString m_errorText;
};
