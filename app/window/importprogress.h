#pragma once

#include <QStringList>
#include <QTimer>

#include <memory>

#include "album/album.h"
#include "desktop/dialogbase.h"

class InfoParser;
class QLabel;
class QProgressBar;
class QPushButton;

// The small modal dialog of an import: the worker (InfoParser) reads the
// files on its own thread while the dialog names the file being read. Every
// 40 ms the finished records are handed on (photosRead, clipsRead), so the
// photos appear while the import goes on. Cancel keeps what was already
// handed on. At the end the files that could not be read are listed in one
// message.
class ImportProgress : public DialogBase
{
    Q_OBJECT
public:
    // The files an import left out, told in one list, one file a line with
    // its reason. While a Report lives, the imports (every dialog, photos
    // and clips, and the names a folder listing could not decode) add to
    // it, and it shows one list when it goes, none when nothing was left
    // out; without one, each import shows its own.
    class Report
    {
    public:
        explicit Report(QWidget *parent);
        ~Report();
        Report(const Report &) = delete;
        Report &operator=(const Report &) = delete;
        // "path — reason".
        static QString line(const QString &path, const QString &reason);
        // Adds to the open report, or shows the lines at once.
        static void add(const QStringList &paths, const QStringList &reasons, QWidget *parent);

    private:
        static void show(const QStringList &lines, QWidget *parent);
        QWidget *m_parent;
        Report *m_outer;
        QStringList m_lines;
    };

    // isImage: photos are read, else audio clips.
    ImportProgress(bool isImage, QWidget *parent);
    ~ImportProgress() override;

    void start(const QStringList &paths);
    // At least one record was handed on.
    bool added() const { return m_added; }

Q_SIGNALS:
    void photosRead(const QList<ImageInfo> &photos);
    void clipsRead(const QList<AudioInfo> &clips);

public Q_SLOTS:
    void updateProgress();
    // Stops reading; what was handed on stays.
    void cancel();
    void reject() override;
    void retranslate() override;

private:
    void stopWorker();
    void showCurrent(int index);

    bool m_isImage;
    bool m_added = false;
    std::unique_ptr<InfoParser> m_parser;
    QStringList m_paths;
    QLabel *m_label = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer m_timer;
};
