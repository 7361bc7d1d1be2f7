#pragma once

#include <desktop/dialogbase.h>

#include "album/videochoices.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Export Video": the file (typed, or chosen with "Browse..."; ".mp4" is
// appended), its size, shape, frame rate and quality, the estimated size of
// the file, and Export. It edits a copy of the album's video choices and
// returns them; the caller records them in the album and starts the run.
class ExportVideoDialog : public DialogBase
{
    Q_OBJECT
public:
    explicit ExportVideoDialog(QWidget *parent = nullptr);
    ~ExportVideoDialog() override;

    void setChoices(const VideoChoices &choices);
    // The choices shown, the file with ".mp4" at its end (absolute).
    VideoChoices choices() const;
    // The show's length (seconds), for the estimate.
    void setDuration(double seconds);
    // The estimate shown ("About 38 MB").
    QString estimateText() const;

    QLineEdit *fileEdit() const { return m_file; }
    QPushButton *browseButton() const { return m_browse; }
    QComboBox *sizeBox() const { return m_size; }
    QComboBox *shapeBox() const { return m_shape; }
    QComboBox *frameRateBox() const { return m_rate; }
    QComboBox *qualityBox() const { return m_quality; }
    QPushButton *exportButton() const { return m_export; }

public Q_SLOTS:
    void retranslate() override;

private:
    void browse();
    void updateEstimate();
    void updateExportButton();

    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_shape = nullptr;
    QComboBox *m_rate = nullptr;
    QComboBox *m_quality = nullptr;
    QLabel *m_estimate = nullptr;
    QLabel *m_fileLabel = nullptr, *m_sizeLabel = nullptr, *m_shapeLabel = nullptr, *m_rateLabel = nullptr,
           *m_qualityLabel = nullptr, *m_estimateLabel = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_export = nullptr;
    double m_seconds = 0.0;
};
