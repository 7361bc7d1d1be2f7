#pragma once

#include <QStringList>
#include <QTimer>

#include <memory>

#include "desktop/dialogbase.h"

class InfoParser;
class QLabel;
class QProgressBar;
class QPushButton;

// The small modal dialog of an import: the worker (InfoParser) reads the
// files on its own thread while the dialog names the file being read. Every
// 40 ms the finished records go to the parent strip (the photo strip or the
// audio strip), so the photos appear while the import goes on. Cancel keeps
// what was already shown. At the end the files that could not be read are
// listed in one message.
class ImportProgress : public DialogBase
{
    Q_OBJECT
public:
    // parent: the PhotoListWidget (isImage) or AudioListWidget that
    // receives the records.
    ImportProgress(bool isImage, QWidget *parent);
    ~ImportProgress() override;

    void start(const QStringList &paths);
    // At least one record was handed to the strip.
    bool added() const { return m_added; }

public Q_SLOTS:
    void updateProgress();
    void on_Cancel_clicked();
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
