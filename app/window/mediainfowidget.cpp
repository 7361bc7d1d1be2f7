#include "window/mediainfowidget.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "album/album.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "window/stripsupport.h"
#include "framework/apppaths.h"

MediaInfoWidget::MediaInfoWidget(QWidget *parent) : DialogBase(parent, Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("MediaInfoWidget"));
    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("textBrowser"));
    m_view->setReadOnly(true);
    m_view->setOpenLinks(false);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse |
                                    Qt::LinksAccessibleByKeyboard);
    m_view->setAccessibleName(tr("Properties"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    setFixedSize(280, parent ? qMax(300, parent->height()) : 420);
    retranslate();
}

MediaInfoWidget::~MediaInfoWidget() = default;

void MediaInfoWidget::retranslate()
{
    const Application *app = Application::instance();
    helper()->setAllWindowTitle(app && app->pref() ? app->pref()->productName() : AppPaths::productName());
    rebuild();
}

void MediaInfoWidget::setInfo(int kind, const QStringList &strings)
{
    for (QString &s : m_strings)
        s.clear();
    m_kind = kind;
    static const Field photoFields[] = {FileName, Format,       Size,         Resolution,   Modified,
                                        Make,     Model,        Software,     BitsPerPixel, ExposureTime,
                                        FNumber,  ExposureMode, ExposureBias, MaxAperture};
    static const Field audioFields[] = {FileName, Format, Size, Channels, SampleRate, Duration};
    if (kind == Photo) {
        for (Field f : photoFields)
            m_strings[f] = strings.value(f);
    } else if (kind == Audio) {
        for (Field f : audioFields)
            m_strings[f] = strings.value(f);
    }
}

// The strings every kind has (name, format from the suffix, size in whole
// KB); the others empty.
static QStringList fileStrings(const QString &path, int64_t fileSize)
{
    QStringList s;
    for (int i = 0; i < MediaInfoWidget::FieldCount; ++i)
        s << QString();
    const QFileInfo fi(path);
    s[MediaInfoWidget::FileName] = fi.fileName();
    s[MediaInfoWidget::Format] = fi.suffix().toUpper();
    s[MediaInfoWidget::Size] = MediaInfoWidget::tr("%1KB", "file size in kilobytes").arg(fileSize / 1024);
    return s;
}

QStringList MediaInfoWidget::photoStrings(const ImageInfo &info)
{
    QStringList s = fileStrings(info.path, info.fileSize);
    s[Resolution] = QStringLiteral("%1x%2").arg(info.width).arg(info.height);
    s[Modified] = info.exifText[4];
    s[Make] = info.exifText[0];
    s[Model] = info.exifText[1];
    s[Software] = info.exifText[2];
    s[BitsPerPixel] = info.exifText[5];
    s[ExposureTime] = info.exifText[6];
    s[FNumber] = info.exifText[7];
    s[ExposureMode] = info.exifText[8];
    s[ExposureBias] = info.exifText[10];
    s[MaxAperture] = info.exifText[11];
    return s;
}

QStringList MediaInfoWidget::audioStrings(const AudioInfo &info)
{
    QStringList s = fileStrings(info.path, info.fileSize);
    s[Channels] = QString::number(info.channels);
    s[SampleRate] = tr("%1Hz", "sample rate").arg(info.sampleRate);
    s[Duration] = StripSupport::hmsText(info.duration);
    return s;
}

QString MediaInfoWidget::html() const
{
    if (m_kind != Photo && m_kind != Audio)
        return QString();
    auto row = [this](const QString &label, Field f) {
        return QStringLiteral("<tr><td>") + label + QStringLiteral("</td><td>") +
               m_strings[f].toHtmlEscaped() + QStringLiteral("</td></tr>");
    };
    QString out = QStringLiteral("<html><body><table border=\"0\">");
    out += row(tr("File Name:"), FileName);
    out += row(tr("Format:"), Format);
    if (m_kind == Photo) {
        out += row(tr("Resolution:"), Resolution);
        out += row(tr("Size:"), Size);
        out += row(tr("Modified:"), Modified);
        out += QStringLiteral("<tr><td>-------------------------</td><td>----------------</td></tr>");
        out += row(tr("Equipment Make:"), Make);
        out += row(tr("Camera Model:"), Model);
        out += row(tr("Software:"), Software);
        out += row(tr("Compressed Bit-Per-Pixel:"), BitsPerPixel);
        out += row(tr("Exposure Time:"), ExposureTime);
        out += row(tr("F-Number:"), FNumber);
        out += row(tr("Exposure Mode:"), ExposureMode);
        out += row(tr("Exposure Bias:"), ExposureBias);
        out += row(tr("Max Aperture:"), MaxAperture);
    } else {
        out += row(tr("Size:"), Size);
        out += row(tr("Channels:"), Channels);
        out += row(tr("Sample Rate:"), SampleRate);
        out += row(tr("Duration:"), Duration);
    }
    out += QStringLiteral("</table></body></html>");
    return out;
}

void MediaInfoWidget::rebuild()
{
    m_view->setHtml(html());
}
