#include "window/stripsupport.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QUrl>

#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "framework/apppaths.h"

namespace StripSupport {

QStringList expandPaths(const QStringList &paths, const QStringList &patterns)
{
    QStringList out;
    for (const QString &path : paths) {
        const QFileInfo fi(path);
        if (fi.isDir()) {
            const QFileInfoList entries = QDir(path).entryInfoList(patterns, QDir::Files | QDir::Readable,
                                                                   QDir::Name | QDir::IgnoreCase);
            for (const QFileInfo &entry : entries)
                out << entry.absoluteFilePath();
        } else if (!path.isEmpty()) {
            out << path;
        }
    }
    return out;
}

QStringList expandUrls(const QList<QUrl> &urls, const QStringList &patterns)
{
    QStringList paths;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return expandPaths(paths, patterns);
}

QByteArray encodePayload(const QList<int> &tokens)
{
    QByteArray out = QByteArray::number(tokens.size());
    out.append('\0');
    for (int token : tokens) {
        out.append(QByteArray::number(token));
        out.append('\0');
    }
    return out;
}

QList<int> decodePayload(const QByteArray &payload, int recordCount)
{
    const QList<QByteArray> parts = payload.split('\0');
    // A well-formed payload ends with NUL: its last part is empty.
    if (parts.size() < 2 || !parts.last().isEmpty())
        return {};
    bool ok = false;
    const int count = parts.first().toInt(&ok);
    if (!ok || count <= 0 || count != parts.size() - 2)
        return {};
    QList<int> tokens;
    for (int i = 1; i <= count; ++i) {
        const int token = parts.at(i).toInt(&ok);
        if (!ok || token < 0 || token >= recordCount)
            return {};
        tokens << token;
    }
    return tokens;
}

QString hmsText(double seconds)
{
    const qint64 whole = seconds > 0 ? qint64(seconds) : 0;
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600, 2, 10, QLatin1Char('0'))
        .arg((whole / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QList<int> selectedRows(const QListWidget *view)
{
    QList<int> rows;
    const QList<QListWidgetItem *> items = view->selectedItems();
    for (QListWidgetItem *item : items)
        rows << view->row(item);
    std::sort(rows.begin(), rows.end());
    return rows;
}

namespace {
DragRunner &dragRunner()
{
    static DragRunner runner;
    return runner;
}
} // namespace

DragRunner setDragRunner(DragRunner runner)
{
    DragRunner previous = dragRunner();
    dragRunner() = std::move(runner);
    return previous;
}

QString skinFile(const QString &name)
{
    QString skinDir;
    if (auto *app = Application::instance(); app && app->pref())
        skinDir = app->pref()->skinDir();
    else
        skinDir = AppPaths::appDir() + QStringLiteral("/skin/default");
    return skinDir + QStringLiteral("/app_sorvel/") + name;
}

} // namespace StripSupport

namespace {
// Draws an item's picture centred in its cell, on a tinted rounded cell when
// the item is selected or under the mouse, with an outline for the
// selection on top.
class StripItemDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF cell = QRectF(option.rect).adjusted(1, 1, -1, -1);
        const QColor highlight = option.palette.color(QPalette::Highlight);
        const bool selected = option.state & QStyle::State_Selected;
        if (selected || (option.state & QStyle::State_MouseOver)) {
            QColor fill = highlight;
            fill.setAlpha(selected ? 70 : 30);
            painter->setPen(Qt::NoPen);
            painter->setBrush(fill);
            painter->drawRoundedRect(cell, 4, 4);
        }
        const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
        if (!pixmap.isNull()) {
            const QSize size = pixmap.deviceIndependentSize().toSize();
            painter->drawPixmap(option.rect.x() + (option.rect.width() - size.width()) / 2,
                                option.rect.y() + (option.rect.height() - size.height()) / 2, pixmap);
        }
        if (selected) {
            painter->setPen(QPen(highlight, 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(cell, 4, 4);
        }
        painter->restore();
    }
};
} // namespace

StripListWidget::StripListWidget(QWidget *parent) : QListWidget(parent)
{
    setItemDelegate(new StripItemDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::DragDrop);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setDropIndicatorShown(true);
    setAcceptDrops(true);
    setMouseTracking(true);
}

void StripListWidget::setAlbumModel(AlbumModel *model)
{
    if (m_model)
        m_model->disconnect(this);
    m_model = model;
    if (model) {
        connect(model, &AlbumModel::changed, this, [this](AlbumModel::Parts parts) {
            if (parts & shownPart())
                showAlbum();
        });
    }
    showAlbum();
}

void StripListWidget::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    QPainter painter(viewport());
    int left = 4 - horizontalScrollBar()->value();
    if (count() > 0)
        left = visualItemRect(item(count() - 1)).right() + 4;
    left += spacing();
    const QString text = hintText();
    const QFontMetrics fm(font());
    const int width = qMax(240, fm.boundingRect(text).width() + 16);
    const QRect box(left, 3, width, viewport()->height() - 7);
    QPen pen(palette().color(QPalette::Mid));
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void StripListWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStartPos = event->position().toPoint();
    QListWidget::mousePressEvent(event);
}

void StripListWidget::mouseMoveEvent(QMouseEvent *event)
{
    // No rubber band: a move only ever starts a drag.
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_dragStartPos).manhattanLength() < QApplication::startDragDistance())
        return;
    startDrag();
}

Qt::DropAction StripListWidget::runDrag(const char *format, const QList<int> &tokens,
                                        const QList<QListWidgetItem *> &items)
{
    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(format), StripSupport::encodePayload(tokens));
    m_dragData = data;
    m_draggedCount = int(items.size());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    if (!items.isEmpty())
        drag->setPixmap(items.first()->data(Qt::DecorationRole).value<QPixmap>());
    m_internalDrag = true;
    Qt::DropAction action = Qt::IgnoreAction;
    if (const StripSupport::DragRunner &runner = StripSupport::dragRunner())
        action = runner(drag, Qt::CopyAction | Qt::MoveAction);
    else
        action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    m_internalDrag = false;
    m_draggedCount = 0;
    drag->deleteLater();
    return action;
}

bool StripListWidget::isOwnDrag(const QMimeData *data) const
{
    return m_internalDrag && data && data == m_dragData.data();
}

QList<int> StripListWidget::ownTokens(const QMimeData *data, const char *format, int recordCount) const
{
    if (!isOwnDrag(data))
        return {};
    const QList<int> tokens =
        StripSupport::decodePayload(data->data(QString::fromLatin1(format)), recordCount);
    // Only the rows this drag started with are valid.
    return tokens.size() == m_draggedCount ? tokens : QList<int>();
}

void StripListWidget::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    const bool wanted = data->hasUrls() ? !StripSupport::expandUrls(data->urls(), nameFilters()).isEmpty()
                                        : data->hasFormat(QString::fromLatin1(mimeFormat()));
    if (wanted)
        event->acceptProposedAction();
    else
        event->ignore();
}

void StripListWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (isOwnDrag(event->mimeData())) {
        const QList<int> rows = draggedRows();
        const int target = row(itemAt(event->position().toPoint()));
        const bool copy = event->modifiers() & Qt::ControlModifier;
        if (!copy && !rows.isEmpty() && target >= 0 && target >= rows.first() - 1 &&
            target <= rows.last() + 2) {
            event->ignore();
            return;
        }
        event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    event->acceptProposedAction();
}

void StripListWidget::dropFiles(QDropEvent *event, int target)
{
    const QMimeData *data = event->mimeData();
    const QStringList paths =
        data->hasUrls() ? StripSupport::expandUrls(data->urls(), nameFilters()) : QStringList();
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The import runs after the drop has been answered, so the file
    // manager that started the drag is not kept waiting.
    QMetaObject::invokeMethod(
        this, [this, paths, target] { importAt(paths, target); }, Qt::QueuedConnection);
}

void StripListWidget::selectRows(int first, int last)
{
    clearSelection();
    if (first < 0 || last < first || last >= count())
        return;
    const QItemSelection selection(model()->index(first, 0), model()->index(last, 0));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
