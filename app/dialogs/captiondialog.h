#pragma once

#include <desktop/dialogbase.h>

#include <QStringList>

#include "album/caption.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Edits a photo's caption or a title card: the text (several lines), the
// font, its size as a share of the picture's height, colour, bold and
// italic, where the text stands, and what keeps it readable; for a title
// card also its time on screen and its background (a plain colour, a
// gradient or a blurred copy of one of the album's photos) and, for a new
// card, its place in the album. Every change is reported at once
// (edited()) so the window's preview shows it; OK keeps it, Cancel
// forgets it. "Apply Style to All" closes the dialog like OK and asks for
// the style to go to every photo's caption.
class CaptionDialog : public DialogBase
{
    Q_OBJECT
public:
    enum Mode { EditCaption, EditTitleCard, NewTitleCard };
    // Where a new title card goes.
    enum Place { AfterSelected, BeforeSelected, AtStart, AtEnd };

    CaptionDialog(Mode mode, QWidget *parent = nullptr);
    ~CaptionDialog() override;

    void setCaption(const Caption &caption);
    Caption caption() const;
    // albumPhotos: the album's photo files a blurred background can use.
    void setTitleCard(const TitleCard &card, const QStringList &albumPhotos);
    TitleCard titleCard() const;
    Place place() const;
    // Whether the dialog closed with "Apply Style to All".
    bool applyStyleToAll() const { return m_applyToAll; }
    // A note about the chosen font (not installed: drawn in the default).
    QString fontNote() const;

Q_SIGNALS:
    // Something changed: the caption() or titleCard() now.
    void edited();

public Q_SLOTS:
    void retranslate() override;

private:
    void build();
    void fillChoices();
    CaptionStyle style() const;
    void showStyle(const CaptionStyle &style);
    static int colourIndex(QComboBox *box, const QColor &colour);
    void chooseOtherColour(QComboBox *box);
    void updateEnabled();

    Mode m_mode;
    bool m_applyToAll = false;
    bool m_showing = false;
    // The stored family, kept until a person picks another one.
    QString m_fontFamily;
    bool m_fontTouched = false;
    QStringList m_photos;
    QPlainTextEdit *m_text = nullptr;
    QFontComboBox *m_font = nullptr;
    QDoubleSpinBox *m_size = nullptr;
    QComboBox *m_colour = nullptr;
    QCheckBox *m_bold = nullptr;
    QCheckBox *m_italic = nullptr;
    QComboBox *m_position = nullptr;
    QComboBox *m_align = nullptr;
    QComboBox *m_backdrop = nullptr;
    QDoubleSpinBox *m_duration = nullptr;
    QComboBox *m_background = nullptr;
    QComboBox *m_backgroundColour = nullptr;
    QComboBox *m_gradientColour = nullptr;
    QComboBox *m_photo = nullptr;
    QComboBox *m_place = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_applyAll = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QList<QLabel *> m_labels;
};
