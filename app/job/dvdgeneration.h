#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVector>

#include "authoring/dvdmenu.h"

#include <atomic>
#include <future>
#include <memory>

#include "album/album.h"
#include "album/dvdchoices.h"

class AVWriterManager;
class DvdAuthoring;
class StoryBoardRender;
class QTimer;

// What a DVD generation encodes: the album (a copy: the window may go on
// editing while a DVD is made) and the encoding choices.
struct DvdGenerationSettings {
    TvStandard tvStandard = TvStandard::Pal;
    int videoBitRate = kHighVideoBitRate;      // bit/s
    int audioBitRate = kDefaultAudioBitRate;   // bit/s
    int audioChannels = kDefaultAudioChannels; // 1, 2 or 6
    ShowEnd atEnd = ShowEnd::Repeat;           // what the disc does after the show
    // The language the disc gives its sound track, as a locale code ("de",
    // "pt_BR"); empty: the language the program speaks. English when the
    // DVD language table does not hold it.
    QString audioLanguage;
    DvdAspect aspect = DvdAspect::Wide; // the picture's shape
    ChapterMarks chapters = ChapterMarks::PerPhoto;
    // The disc opens on a menu (the volume label as its title, Play and
    // the photo index); the title then has a chapter at every photo.
    bool menu = false;
    QString menuTitle;       // the menu's title (its own, else the volume label); empty: the default label
    MenuChoices menuChoices; // the background and the music (the title is menuTitle)
    // The process ends with the run (the command line): the rendering
    // thread's lowered priority need not be restorable (see
    // AVWriterManager::setRenderPriority).
    bool endsWithProcess = false;
};

// Turns an album into a DVD-Video folder: encodes MPEG-2 video and AC-3
// audio and authors them with mplex and dvdauthor into "<work>/dvd". Knows
// nothing of destinations or discs; the job (MakeJob) runs it between the
// destination check and the delivery.
//
// The DVD is authored while the video is encoded: the soundtrack is encoded
// first ("audio.ac3", nothing rendered), then the author starts on
// "video.m2v", a named pipe, and the video pass writes into it, so that
// multiplexing and authoring end shortly after the last frame. Where the
// working folder holds no named pipes, the video is encoded into a file and
// authored afterwards.
//
// Reports videoStarted() when the encoding begins, authoringTail() once
// the last frame is encoded and only the authoring tools' tail is left,
// progress 0..100 of each of the two, and finished() once: ok with the
// folder complete, or the failure with its cause. Everything runs on the
// thread that owns it (the GUI thread).
class DvdGeneration : public QObject
{
    Q_OBJECT
public:
    explicit DvdGeneration(QObject *parent = nullptr);
    ~DvdGeneration() override;

    // Starts encoding the album into workFolder (which must exist and stay
    // until finished()). False when a generation is running.
    bool start(const Album &album, const DvdGenerationSettings &settings, const QString &workFolder);
    // Stops: the writer, the author and their children end, the video pipe
    // goes; finished(false, "Aborted") follows (at once while encoding, once
    // the author has stopped while it authors). Destroying a running
    // generation stops it at once and reports nothing.
    void abort();
    bool isRunning() const { return m_running; }
    // The folder the DVD is authored into.
    QString dvdFolder() const;

    // The chapters' first frames for an album at a format: the first frame
    // of every photo's own time (photoStart: the transition into a photo
    // belongs to the chapter before), or frame 0 alone without chapters.
    // The chapter marks a disc gets: a chapter at every photo with the
    // menu (its index starts the show at them), else the choice.
    static ChapterMarks chapterMarks(const DvdGenerationSettings &settings)
    {
        return settings.menu ? ChapterMarks::PerPhoto : settings.chapters;
    }
    // What the menu is made of: the title (empty: the default label), the
    // background the choices name (Album::menuBackdropItem: a photo as the
    // show turns it, or a title card's look without its words) and the
    // index's thumbnails (photos as the show turns them, title cards as
    // they look), decoded when the pages are drawn. The music is the
    // encoder's (MenuStill::music).
    static DvdMenuContent menuContent(const Album &album, const QString &title,
                                      const MenuChoices &choices = MenuChoices());

    static QVector<qint64> chapterFrames(const Album &album, const OutputFormat &format, ChapterMarks marks);

    // Estimated DVD size in bytes for a bit rate pair and a duration (bit
    // rates in bit/s): an upper bound, since the video's rate is variable up
    // to videoBitRate (the 5 % cover the multiplex's headers and one
    // encoder buffer).
    static quint64 estimateDvdSize(int videoBitRate, int audioBitRate, double seconds);

Q_SIGNALS:
    void videoStarted();
    void authoringTail();
    void progressChanged(int percent);
    void finished(bool ok, const QString &message);

private:
    // The passes of an encoding that streams its video into the author.
    enum Pass { AudioPass, WaitingForReader, VideoPass };
    enum Phase { Idle, Encoding, Authoring };

    void deferStep(void (DvdGeneration::*step)());
    void startEncoding();
    void onWriterProgress(int percent);
    void onCompileEnd();
    void onWriterFailed(const QString &message);
    void writerFailedWhileStreaming(const QString &message);
    void startAuthoring();
    void startStreamingAuthor();
    void openVideoPipe();
    void startVideoPass();
    // Opens the DVD video stream at path and hands it to the writer; false
    // (the generation has failed) when either step fails.
    bool addVideoWriter(const QString &path);
    bool addAuthorStreams(const QString &videoPath, const QString &audioPath);
    void onAuthorStatus(int status, int title);
    QString authorFailureText() const;
    // Stops the writer and the author and removes the video pipe, at once.
    void stopParts();
    void finish(bool ok, const QString &message);

    Album m_album;
    DvdGenerationSettings m_settings;
    OutputFormat m_format;
    QString m_workFolder;
    Phase m_phase = Idle;
    bool m_running = false;
    bool m_aborting = false;
    int m_runId = 0;
    std::unique_ptr<StoryBoardRender> m_storyboard;
    std::unique_ptr<AVWriterManager> m_writer;
    std::unique_ptr<DvdAuthoring> m_author;
    // The menu's pages, drawn and encoded on their own thread from the
    // start of the encoding (the photos are decoded for their thumbnails):
    // ready long before dvdauthor needs them.
    void startMenu();
    std::shared_future<DvdMenuStreams> m_menuStreams;
    std::shared_ptr<std::atomic<bool>> m_menuAbort;
    bool m_compileHandled = false;
    bool m_streaming = false; // the video goes through a pipe into the author
    Pass m_pass = AudioPass;
    bool m_videoComplete = false;   // the video pass ended and closed its stream
    bool m_authorSucceeded = false; // the author ended before the video pass did
    int m_authorPercent = 0;
    QString m_writerError; // a video pass failure waiting for the author's verdict
    std::unique_ptr<QTimer> m_pipeWait;
    std::unique_ptr<QTimer> m_writerFailGrace;
    QElapsedTimer m_passClock; // times the passes for the diagnostic log
};
