#include "window/importprogress.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "album/infoparser.h"
#include "desktop/widgetsupport.h"
#include "desktop/messagebox.h"

ImportProgress::ImportProgress(bool isImage, QWidget *parent) : DialogBase(parent), m_isImage(isImage)
{
    setObjectName(QStringLiteral("ImportProgressClass"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(true);
    layout->addWidget(m_label);
    auto *row = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setMinimumWidth(200);
    m_progress->setValue(0);
    m_progress->setAlignment(Qt::AlignCenter);
    row->addWidget(m_progress);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    row->addWidget(m_cancel);
    layout->addLayout(row);
    setFixedSize(450, 100);
    // The label takes its final width now: the first file name is elided
    // to it before the dialog is shown.
    layout->activate();
    setModal(true);
    retranslate();
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, &ImportProgress::updateProgress);
    connect(m_cancel, &QPushButton::clicked, this, &ImportProgress::cancel);
}

ImportProgress::~ImportProgress()
{
    stopWorker();
}

void ImportProgress::retranslate()
{
    setWindowTitle(tr("Import Progress"));
    m_cancel->setText(tr("Cancel"));
}

void ImportProgress::showCurrent(int index)
{
    Desktop::labelElidedText(m_label,
                             tr("Importing %1...").arg(QDir::toNativeSeparators(m_paths.value(index))));
}

void ImportProgress::start(const QStringList &paths)
{
    m_paths = paths;
    if (m_paths.isEmpty()) {
        // Nothing to read: no worker; the dialog closes at its first tick.
        m_timer.start();
        return;
    }
    showCurrent(0);
    m_parser = std::make_unique<InfoParser>(&m_paths, m_isImage);
    m_parser->start(QThread::InheritPriority);
    m_timer.start();
}

void ImportProgress::updateProgress()
{
    if (!m_parser) {
        m_timer.stop();
        accept();
        return;
    }
    const int n = m_parser->processedCount();
    const int total = int(m_paths.size());
    if (m_isImage) {
        const QList<ImageInfo> images = m_parser->takeImages();
        if (!images.isEmpty()) {
            m_added = true;
            Q_EMIT photosRead(images);
        }
    } else {
        const QList<AudioInfo> audios = m_parser->takeAudios();
        if (!audios.isEmpty()) {
            m_added = true;
            Q_EMIT clipsRead(audios);
        }
    }
    m_progress->setValue(total > 0 ? n * 100 / total : 100);
    if (n < total) {
        showCurrent(n);
        return;
    }
    // Every path is handled, and a record is stored before the counter
    // moves: the take above got the last ones.
    m_timer.stop();
    m_parser->wait();
    Report::add(m_parser->rejectedPaths(), m_parser->rejectedReasons(), this);
    accept();
}

void ImportProgress::stopWorker()
{
    m_timer.stop();
    if (m_parser) {
        m_parser->stop();
        m_parser->wait();
    }
}

void ImportProgress::cancel()
{
    stopWorker();
    DialogBase::reject();
}

void ImportProgress::reject()
{
    // Closing the dialog (Escape, the window's close button) cancels.
    cancel();
}

// ---------------------------------------------------------------------------
// The report of the files left out.

namespace {
ImportProgress::Report *g_openReport = nullptr;
} // namespace

ImportProgress::Report::Report(QWidget *parent) : m_parent(parent), m_outer(g_openReport)
{
    if (!m_outer)
        g_openReport = this;
}

ImportProgress::Report::~Report()
{
    if (m_outer)
        return; // the outermost report shows them all
    g_openReport = nullptr;
    show(m_lines, m_parent);
}

QString ImportProgress::Report::line(const QString &path, const QString &reason)
{
    return reason.isEmpty() ? QDir::toNativeSeparators(path)
                            : tr("%1 \u2014 %2").arg(QDir::toNativeSeparators(path), reason);
}

void ImportProgress::Report::add(const QStringList &paths, const QStringList &reasons, QWidget *parent)
{
    QStringList lines;
    for (int i = 0; i < paths.size(); ++i)
        lines << line(paths.at(i), i < reasons.size() ? reasons.at(i) : QString());
    if (g_openReport)
        g_openReport->m_lines += lines;
    else
        show(lines, parent);
}

void ImportProgress::Report::show(const QStringList &lines, QWidget *parent)
{
    if (lines.isEmpty())
        return; // nothing left out: nothing to say
    MessageBox::list(MessageBox::Info, tr("Some files have not been added to the list:"), lines, parent);
}
