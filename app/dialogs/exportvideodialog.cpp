#include "dialogs/exportvideodialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "desktop/filechooser.h"
#include "job/makedvdoptions.h"

namespace {

const VideoSize kSizes[] = {VideoSize::P720, VideoSize::P1080, VideoSize::P2160};
const VideoShape kShapes[] = {VideoShape::Wide, VideoShape::Standard, VideoShape::Portrait,
                              VideoShape::Square};
const int kRates[] = {25, 30, 50, 60};
const VideoQuality kQualities[] = {VideoQuality::High, VideoQuality::Normal, VideoQuality::Small};

template <typename T, size_t N> int indexOf(const T (&list)[N], T value)
{
    for (size_t i = 0; i < N; ++i) {
        if (list[i] == value)
            return int(i);
    }
    return 0;
}

} // namespace

ExportVideoDialog::ExportVideoDialog(QWidget *parent) : DialogBase(parent)
{
    setObjectName(QStringLiteral("ExportVideoDialog"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("fileEdit"));
    m_file->setMinimumWidth(360);
    m_browse = new QPushButton(this);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setIcon(QIcon::fromTheme(QStringLiteral("document-save-as")));
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("sizeBox"));
    m_shape = new QComboBox(this);
    m_shape->setObjectName(QStringLiteral("shapeBox"));
    m_rate = new QComboBox(this);
    m_rate->setObjectName(QStringLiteral("frameRateBox"));
    m_quality = new QComboBox(this);
    m_quality->setObjectName(QStringLiteral("qualityBox"));
    m_estimate = new QLabel(this);
    m_estimate->setObjectName(QStringLiteral("estimateLabel"));
    m_fileLabel = new QLabel(this);
    m_sizeLabel = new QLabel(this);
    m_shapeLabel = new QLabel(this);
    m_rateLabel = new QLabel(this);
    m_qualityLabel = new QLabel(this);
    m_estimateLabel = new QLabel(this);
    m_fileLabel->setBuddy(m_file);
    m_sizeLabel->setBuddy(m_size);
    m_shapeLabel->setBuddy(m_shape);
    m_rateLabel->setBuddy(m_rate);
    m_qualityLabel->setBuddy(m_quality);
    for (int i = 0; i < int(std::size(kSizes)); ++i)
        m_size->addItem(QString());
    for (int i = 0; i < int(std::size(kShapes)); ++i)
        m_shape->addItem(QString());
    for (int rate : kRates)
        m_rate->addItem(QString::number(rate));
    for (int i = 0; i < int(std::size(kQualities)); ++i)
        m_quality->addItem(QString());

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);
    auto *form = new QFormLayout;
    form->addRow(m_fileLabel, fileRow);
    form->addRow(m_sizeLabel, m_size);
    form->addRow(m_shapeLabel, m_shape);
    form->addRow(m_rateLabel, m_rate);
    form->addRow(m_qualityLabel, m_quality);
    form->addRow(m_estimateLabel, m_estimate);
    m_buttons = new QDialogButtonBox(this);
    m_export = m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setIcon(QIcon::fromTheme(QStringLiteral("video-x-generic")));
    m_export->setDefault(true);
    m_buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    connect(m_browse, &QPushButton::clicked, this, &ExportVideoDialog::browse);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_file, &QLineEdit::textChanged, this, &ExportVideoDialog::updateExportButton);
    for (QComboBox *box : {m_size, m_shape, m_rate, m_quality})
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &ExportVideoDialog::updateEstimate);
    retranslate();
    setChoices(VideoChoices());
}

ExportVideoDialog::~ExportVideoDialog() = default;

void ExportVideoDialog::retranslate()
{
    setWindowTitle(tr("Export Video"));
    m_fileLabel->setText(tr("&File:"));
    m_browse->setText(tr("&Browse..."));
    m_sizeLabel->setText(tr("&Size:"));
    m_shapeLabel->setText(tr("S&hape:"));
    m_rateLabel->setText(tr("Frame &rate:"));
    m_qualityLabel->setText(tr("&Quality:"));
    m_estimateLabel->setText(tr("Estimated size:"));
    m_export->setText(tr("&Export"));
    m_size->setItemText(0, tr("720p (HD)"));
    m_size->setItemText(1, tr("1080p (Full HD)"));
    m_size->setItemText(2, tr("2160p (4K)"));
    m_shape->setItemText(0, tr("16:9 (wide screen)"));
    m_shape->setItemText(1, tr("4:3"));
    m_shape->setItemText(2, tr("9:16 (upright, for phones)"));
    m_shape->setItemText(3, tr("1:1 (square)"));
    for (int i = 0; i < int(std::size(kQualities)); ++i) {
        const int crf = videoQualityCrf(kQualities[i]);
        const QString name = kQualities[i] == VideoQuality::High     ? tr("High")
                             : kQualities[i] == VideoQuality::Normal ? tr("Normal")
                                                                     : tr("Small file");
        m_quality->setItemText(i, tr("%1 (CRF %2)").arg(name).arg(crf));
    }
    // What assistive tools read for each control: its label.
    m_file->setAccessibleName(tr("File"));
    m_size->setAccessibleName(tr("Size"));
    m_shape->setAccessibleName(tr("Shape"));
    m_rate->setAccessibleName(tr("Frame rate"));
    m_quality->setAccessibleName(tr("Quality"));
    m_estimate->setAccessibleName(tr("Estimated size"));
    m_file->setPlaceholderText(tr("Where the video goes (.mp4)"));
    updateEstimate();
}

void ExportVideoDialog::setChoices(const VideoChoices &choices)
{
    QString file = choices.file;
    if (file.isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
        file = QDir(folder).filePath(tr("Slideshow") + QStringLiteral(".mp4"));
    }
    m_file->setText(QDir::toNativeSeparators(file));
    m_size->setCurrentIndex(indexOf(kSizes, choices.size));
    m_shape->setCurrentIndex(indexOf(kShapes, choices.shape));
    m_rate->setCurrentIndex(indexOf(kRates, choices.frameRate));
    m_quality->setCurrentIndex(indexOf(kQualities, choices.quality));
    updateEstimate();
    updateExportButton();
}

VideoChoices ExportVideoDialog::choices() const
{
    VideoChoices c;
    const QString text = QDir::fromNativeSeparators(m_file->text().trimmed());
    if (!text.isEmpty())
        c.file = QDir::cleanPath(QFileInfo(videoPathWithExtension(text)).absoluteFilePath());
    c.size = kSizes[qBound(0, m_size->currentIndex(), int(std::size(kSizes)) - 1)];
    c.shape = kShapes[qBound(0, m_shape->currentIndex(), int(std::size(kShapes)) - 1)];
    c.frameRate = kRates[qBound(0, m_rate->currentIndex(), int(std::size(kRates)) - 1)];
    c.quality = kQualities[qBound(0, m_quality->currentIndex(), int(std::size(kQualities)) - 1)];
    return c;
}

void ExportVideoDialog::setDuration(double seconds)
{
    m_seconds = seconds;
    updateEstimate();
}

QString ExportVideoDialog::estimateText() const
{
    return m_estimate->text();
}

void ExportVideoDialog::updateEstimate()
{
    const VideoChoices c = choices();
    const QSize frame = c.frameSize();
    const quint64 bytes = estimateVideoFileSize(c, m_seconds);
    const double mb = double(bytes) / (1024.0 * 1024.0);
    const QString size = mb >= 1024.0 ? tr("About %1 GB").arg(mb / 1024.0, 0, 'f', 1)
                                      : tr("About %1 MB").arg(std::max<qint64>(1, qRound64(mb)));
    m_estimate->setText(tr("%1 (%2 x %3 pixels)").arg(size).arg(frame.width()).arg(frame.height()));
}

void ExportVideoDialog::updateExportButton()
{
    m_export->setEnabled(!m_file->text().trimmed().isEmpty());
}

void ExportVideoDialog::browse()
{
    const QString chosen = FileChooser::getSaveFileName(this, tr("Export Video"),
                                                        QDir::fromNativeSeparators(m_file->text().trimmed()),
                                                        tr("MP4 video (*.mp4)"));
    if (chosen.isEmpty())
        return;
    m_file->setText(QDir::toNativeSeparators(videoPathWithExtension(chosen)));
}
