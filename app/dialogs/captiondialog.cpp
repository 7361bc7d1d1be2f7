#include "dialogs/captiondialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QIcon swatch(const QColor &c)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(c);
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

CaptionDialog::CaptionDialog(Mode mode, QWidget *parent) : DialogBase(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("CaptionDialog"));
    build();
    retranslate();
    updateEnabled();
}

CaptionDialog::~CaptionDialog() = default;

void CaptionDialog::build()
{
    auto *form = new QFormLayout;
    auto label = [&](QWidget *buddy) {
        auto *l = new QLabel(this);
        l->setBuddy(buddy);
        m_labels << l;
        return l;
    };
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("captionText"));
    m_text->setTabChangesFocus(true);
    m_text->setMinimumHeight(72);
    form->addRow(label(m_text), m_text);

    m_font = new QFontComboBox(this);
    m_font->setObjectName(QStringLiteral("captionFont"));
    m_font->setEditable(false);
    form->addRow(label(m_font), m_font);

    auto *sizeRow = new QHBoxLayout;
    m_size = new QDoubleSpinBox(this);
    m_size->setObjectName(QStringLiteral("captionSize"));
    m_size->setDecimals(1);
    m_size->setSingleStep(0.5);
    m_size->setRange(CaptionStyle::kMinSizePerMille / 10.0, CaptionStyle::kMaxSizePerMille / 10.0);
    m_bold = new QCheckBox(this);
    m_bold->setObjectName(QStringLiteral("captionBold"));
    m_italic = new QCheckBox(this);
    m_italic->setObjectName(QStringLiteral("captionItalic"));
    sizeRow->addWidget(m_size);
    sizeRow->addWidget(m_bold);
    sizeRow->addWidget(m_italic);
    sizeRow->addStretch();
    form->addRow(label(m_size), sizeRow);

    m_colour = new QComboBox(this);
    m_colour->setObjectName(QStringLiteral("captionColour"));
    form->addRow(label(m_colour), m_colour);

    auto *placeRow = new QHBoxLayout;
    m_position = new QComboBox(this);
    m_position->setObjectName(QStringLiteral("captionPosition"));
    m_align = new QComboBox(this);
    m_align->setObjectName(QStringLiteral("captionAlign"));
    placeRow->addWidget(m_position);
    placeRow->addWidget(m_align);
    form->addRow(label(m_position), placeRow);

    m_backdrop = new QComboBox(this);
    m_backdrop->setObjectName(QStringLiteral("captionBackdrop"));
    form->addRow(label(m_backdrop), m_backdrop);

    if (m_mode != EditCaption) {
        m_duration = new QDoubleSpinBox(this);
        m_duration->setObjectName(QStringLiteral("cardDuration"));
        m_duration->setDecimals(1);
        m_duration->setRange(TitleCard::kMinDurationMs / 1000.0, TitleCard::kMaxDurationMs / 1000.0);
        m_duration->setSingleStep(0.5);
        form->addRow(label(m_duration), m_duration);
        m_background = new QComboBox(this);
        m_background->setObjectName(QStringLiteral("cardBackground"));
        form->addRow(label(m_background), m_background);
        auto *colours = new QHBoxLayout;
        m_backgroundColour = new QComboBox(this);
        m_backgroundColour->setObjectName(QStringLiteral("cardColour"));
        m_gradientColour = new QComboBox(this);
        m_gradientColour->setObjectName(QStringLiteral("cardGradientColour"));
        colours->addWidget(m_backgroundColour);
        colours->addWidget(m_gradientColour);
        form->addRow(label(m_backgroundColour), colours);
        m_photo = new QComboBox(this);
        m_photo->setObjectName(QStringLiteral("cardPhoto"));
        form->addRow(label(m_photo), m_photo);
        if (m_mode == NewTitleCard) {
            m_place = new QComboBox(this);
            m_place->setObjectName(QStringLiteral("cardPlace"));
            form->addRow(label(m_place), m_place);
        }
    }

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("captionNote"));
    m_note->setWordWrap(true);
    m_note->hide();

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    if (m_mode == EditCaption) {
        m_applyAll = m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
        m_applyAll->setObjectName(QStringLiteral("applyStyleToAll"));
        connect(m_applyAll, &QPushButton::clicked, this, [this] { m_applyToAll = true; });
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(m_note);
    top->addWidget(m_buttons);

    fillChoices();

    auto changed = [this] {
        if (!m_showing) {
            updateEnabled();
            Q_EMIT edited();
        }
    };
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this] {
        if (!m_showing) {
            m_fontTouched = true;
            m_note->hide();
        }
    });
    connect(m_text, &QPlainTextEdit::textChanged, this, changed);
    connect(m_font, &QFontComboBox::currentFontChanged, this, changed);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_bold, &QCheckBox::toggled, this, changed);
    connect(m_italic, &QCheckBox::toggled, this, changed);
    for (QComboBox *box : {m_position, m_align, m_backdrop, m_background, m_photo})
        if (box)
            connect(box, &QComboBox::currentIndexChanged, this, changed);
    for (QComboBox *box : {m_colour, m_backgroundColour, m_gradientColour}) {
        if (!box)
            continue;
        connect(box, &QComboBox::activated, this, [this, box](int index) {
            if (index == box->count() - 1)
                chooseOtherColour(box);
        });
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    }
    if (m_duration)
        connect(m_duration, &QDoubleSpinBox::valueChanged, this, changed);
}

void CaptionDialog::fillChoices()
{
    const QList<QColor> colours{QColor(255, 255, 255), QColor(255, 236, 120), QColor(0, 0, 0),
                                QColor(200, 200, 200), QColor(20, 24, 36),    QColor(70, 90, 130),
                                QColor(150, 30, 40),   QColor(30, 90, 60)};
    for (QComboBox *box : {m_colour, m_backgroundColour, m_gradientColour}) {
        if (!box)
            continue;
        for (const QColor &c : colours)
            box->addItem(swatch(c), c.name(), c);
        box->addItem(QString()); // "Other...", its text set by retranslate
    }
    for (int i = 0; i < 3; ++i) {
        m_position->addItem(QString(), i);
        m_align->addItem(QString(), i);
        m_backdrop->addItem(QString(), i);
        if (m_background)
            m_background->addItem(QString(), i);
    }
    if (m_place) {
        for (int i = 0; i < 4; ++i)
            m_place->addItem(QString(), i);
    }
}

void CaptionDialog::retranslate()
{
    setWindowTitle(m_mode == EditCaption    ? tr("Caption")
                   : m_mode == NewTitleCard ? tr("Add Title Card")
                                            : tr("Title Card"));
    const QStringList names{tr("&Text:"),         tr("&Font:"),       tr("&Size (% of the picture height):"),
                            tr("&Colour:"),       tr("&Position:"),   tr("&Legibility:"),
                            tr("&Duration (s):"), tr("&Background:"), tr("Background c&olours:"),
                            tr("P&hoto:"),        tr("P&lace:")};
    for (int i = 0; i < m_labels.size() && i < names.size(); ++i)
        m_labels[i]->setText(names[i]);
    m_text->setAccessibleName(tr("Text"));
    m_font->setAccessibleName(tr("Font"));
    m_size->setAccessibleName(tr("Size"));
    m_size->setSuffix(QStringLiteral(" %"));
    m_bold->setText(tr("&Bold"));
    m_italic->setText(tr("&Italic"));
    m_colour->setAccessibleName(tr("Colour"));
    m_position->setAccessibleName(tr("Position"));
    m_align->setAccessibleName(tr("Alignment"));
    m_backdrop->setAccessibleName(tr("Legibility"));
    const QStringList positions{tr("Bottom"), tr("Top"), tr("Centre")};
    const QStringList aligns{tr("Left"), tr("Centred"), tr("Right")};
    const QStringList backdrops{tr("Soft shadow"), tr("Translucent band"), tr("None")};
    for (int i = 0; i < 3; ++i) {
        m_position->setItemText(i, positions[i]);
        m_align->setItemText(i, aligns[i]);
        m_backdrop->setItemText(i, backdrops[i]);
    }
    for (QComboBox *box : {m_colour, m_backgroundColour, m_gradientColour}) {
        if (box)
            box->setItemText(box->count() - 1, tr("Other..."));
    }
    if (m_duration) {
        m_duration->setAccessibleName(tr("Duration"));
        m_background->setAccessibleName(tr("Background"));
        m_backgroundColour->setAccessibleName(tr("Background Colour"));
        m_gradientColour->setAccessibleName(tr("Gradient Colour"));
        m_photo->setAccessibleName(tr("Photo"));
        const QStringList backgrounds{tr("Plain colour"), tr("Gradient"), tr("Blurred photo")};
        for (int i = 0; i < 3; ++i)
            m_background->setItemText(i, backgrounds[i]);
    }
    if (m_place) {
        m_place->setAccessibleName(tr("Place"));
        const QStringList places{tr("After the selected photo"), tr("Before the selected photo"),
                                 tr("At the start"), tr("At the end")};
        for (int i = 0; i < 4; ++i)
            m_place->setItemText(i, places[i]);
    }
    if (m_applyAll)
        m_applyAll->setText(tr("Apply Style to &All"));
    DialogBase::retranslate();
}

int CaptionDialog::colourIndex(QComboBox *box, const QColor &colour)
{
    for (int i = 0; i < box->count() - 1; ++i) {
        if (box->itemData(i).value<QColor>() == colour)
            return i;
    }
    // A colour of its own: an entry before "Other...".
    box->insertItem(box->count() - 1, swatch(colour), colour.name(), colour);
    return box->count() - 2;
}

void CaptionDialog::chooseOtherColour(QComboBox *box)
{
    const QColor previous = box->property("chosen").value<QColor>();
    const QColor chosen = QColorDialog::getColor(previous.isValid() ? previous : QColor(Qt::white), this);
    box->setCurrentIndex(colourIndex(box, chosen.isValid() ? chosen : previous));
}

void CaptionDialog::showStyle(const CaptionStyle &s)
{
    m_fontFamily = s.fontFamily;
    m_font->setCurrentFont(s.fontFamily.isEmpty() ? QFont() : QFont(s.fontFamily));
    m_size->setValue(s.sizePerMille / 10.0);
    m_colour->setCurrentIndex(colourIndex(m_colour, s.colour));
    m_bold->setChecked(s.bold);
    m_italic->setChecked(s.italic);
    m_position->setCurrentIndex(int(s.place));
    m_align->setCurrentIndex(int(s.align));
    m_backdrop->setCurrentIndex(int(s.backdrop));
    const QString note = fontNote();
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

CaptionStyle CaptionDialog::style() const
{
    CaptionStyle s;
    // The family shown: the stored one until another is chosen (a family
    // that is not installed is kept, and drawn in the default).
    const QString shown = m_font->currentFont().family();
    s.fontFamily = m_fontTouched ? shown : m_fontFamily;
    s.sizePerMille = int(std::lround(m_size->value() * 10.0));
    s.colour = m_colour->currentData().value<QColor>();
    if (!s.colour.isValid())
        s.colour = QColor(255, 255, 255);
    s.bold = m_bold->isChecked();
    s.italic = m_italic->isChecked();
    s.place = CaptionPlace(m_position->currentIndex());
    s.align = CaptionAlign(m_align->currentIndex());
    s.backdrop = CaptionBackdrop(m_backdrop->currentIndex());
    return s;
}

QString CaptionDialog::fontNote() const
{
    if (m_fontFamily.isEmpty() || m_fontTouched || QFontDatabase::hasFamily(m_fontFamily))
        return QString();
    return tr("The font \"%1\" is not installed here; the text is drawn in \"%2\".")
        .arg(m_fontFamily, QFont().family());
}

void CaptionDialog::setCaption(const Caption &caption)
{
    m_showing = true;
    m_fontTouched = false;
    m_text->setPlainText(caption.text);
    showStyle(caption.style);
    m_showing = false;
    updateEnabled();
}

Caption CaptionDialog::caption() const
{
    Caption c;
    c.text = m_text->toPlainText();
    c.style = style();
    return c;
}

void CaptionDialog::setTitleCard(const TitleCard &card, const QStringList &albumPhotos)
{
    m_showing = true;
    m_fontTouched = false;
    m_photos = albumPhotos;
    m_text->setPlainText(card.text);
    showStyle(card.style);
    if (m_duration) {
        m_duration->setValue(card.durationMs / 1000.0);
        m_background->setCurrentIndex(int(card.background));
        m_backgroundColour->setCurrentIndex(colourIndex(m_backgroundColour, card.colour));
        m_gradientColour->setCurrentIndex(colourIndex(m_gradientColour, card.colour2));
        m_photo->clear();
        QStringList files = albumPhotos;
        if (!card.photoPath.isEmpty() && !files.contains(card.photoPath))
            files.prepend(card.photoPath);
        for (const QString &path : files)
            m_photo->addItem(QFileInfo(path).fileName(), path);
        m_photo->setCurrentIndex(std::max(0, int(files.indexOf(card.photoPath))));
    }
    m_showing = false;
    updateEnabled();
}

TitleCard CaptionDialog::titleCard() const
{
    TitleCard card;
    card.text = m_text->toPlainText();
    card.style = style();
    if (m_duration) {
        card.durationMs = int(std::lround(m_duration->value() * 1000.0));
        card.background = CardBackground(m_background->currentIndex());
        card.colour = m_backgroundColour->currentData().value<QColor>();
        card.colour2 = m_gradientColour->currentData().value<QColor>();
        if (card.background == CardBackground::BlurredPhoto)
            card.photoPath = m_photo->currentData().toString();
    }
    return card;
}

CaptionDialog::Place CaptionDialog::place() const
{
    return m_place ? Place(m_place->currentIndex()) : AfterSelected;
}

void CaptionDialog::updateEnabled()
{
    if (!m_background)
        return;
    const auto bg = CardBackground(m_background->currentIndex());
    m_backgroundColour->setEnabled(bg != CardBackground::BlurredPhoto);
    m_gradientColour->setEnabled(bg == CardBackground::Gradient);
    m_photo->setEnabled(bg == CardBackground::BlurredPhoto && m_photo->count() > 0);
}
