// Editing a long album: the photo strip shows the album model, so every edit
// refreshes it. Measures, on an album of N photos (default 1000) with real
// 80 x 60 thumbnails: one turn of a selected photo, one move, an undo and
// redo, and an import arriving in batches of ten as the import dialog hands
// them on (one grouped edit). The baseline, in the same run, is filling a
// plain list widget once with the strip's items (every thumbnail made into
// a picture): what any strip must do to show the album at all.
// Usage: bench_albumedit [count]   (default 1000)
// Last line: fill_ms=<n> turn_ms=<n> move_ms=<n> undo_redo_ms=<n>
//            import_ms=<n> turn_ratio=<n> import_ratio=<n>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPainter>
#include <QUndoStack>

#include <cstdio>
#include <vector>

#include "album/albummodel.h"
#include "benchstats.h"
#include "window/photolistwidget.h"

namespace {

QList<ImageInfo> makePhotos(int count)
{
    QList<ImageInfo> photos;
    for (int i = 0; i < count; ++i) {
        ImageInfo photo;
        photo.path = QStringLiteral("/photos/%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        photo.width = 4000;
        photo.height = 3000;
        photo.depth = 24;
        photo.thumbnail = QImage(80, 60, QImage::Format_RGB32);
        photo.thumbnail.fill(QColor::fromHsv(i % 360, 160, 200));
        photo.thumbnailTurned = QImage(80, 60, QImage::Format_RGB32);
        photo.thumbnailTurned.fill(QColor::fromHsv((i + 180) % 360, 160, 200));
        prepareImportedPhoto(photo, false);
        photos << photo;
    }
    return photos;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? qMax(2, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    const QList<ImageInfo> photos = makePhotos(count);

    // Baseline: a plain list widget filled once.
    std::vector<double> fills;
    for (int run = 0; run < 5; ++run) {
        QListWidget plain;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < photos.size(); ++i) {
            if (i > 0)
                plain.addItem(new QListWidgetItem);
            auto *item = new QListWidgetItem;
            item->setData(Qt::DecorationRole,
                          QPixmap::fromImage(PhotoListWidget::displayThumbnail(photos.at(i))));
            item->setToolTip(photos.at(i).path);
            plain.addItem(item);
        }
        fills.push_back(msSince(timer));
    }

    AlbumModel model{Album(QString())};
    PhotoListWidget strip;
    strip.setAlbumModel(&model);
    model.edit(QStringLiteral("Add"), [&photos](Album &album) { album.photos = photos; });

    std::vector<double> turns, moves, undoRedos;
    const int middle = 2 * (count / 2);
    for (int run = 0; run < 20; ++run) {
        strip.setCurrentRow(middle);
        QElapsedTimer timer;
        timer.start();
        strip.transformSelected(OpTurnLeft);
        turns.push_back(msSince(timer));
        timer.restart();
        strip.moveSelectedRight();
        moves.push_back(msSince(timer));
        timer.restart();
        model.undoStack()->undo();
        model.undoStack()->redo();
        undoRedos.push_back(msSince(timer));
    }

    // An import of the whole album in batches of ten, as one grouped edit.
    std::vector<double> imports;
    for (int run = 0; run < 3; ++run) {
        model.reset(Album(QString()));
        QElapsedTimer timer;
        timer.start();
        model.beginEdit(QStringLiteral("Import Photos"));
        for (int first = 0; first < photos.size(); first += 10) {
            const QList<ImageInfo> batch = photos.mid(first, 10);
            model.edit(QString(), [&batch](Album &album) { album.photos += batch; });
        }
        model.endEdit();
        imports.push_back(msSince(timer));
    }
    if (strip.count() != 2 * count - 1) {
        std::fprintf(stderr, "the strip shows %d rows, not %d\n", strip.count(), 2 * count - 1);
        return 1;
    }

    const double fill = median(fills);
    const double turn = median(turns);
    const double move = median(moves);
    const double undoRedo = median(undoRedos);
    const double import = median(imports);
    std::printf("photos=%d\n", count);
    std::printf("fill_ms=%.2f turn_ms=%.2f move_ms=%.2f undo_redo_ms=%.2f import_ms=%.1f turn_ratio=%.3f "
                "import_ratio=%.2f\n",
                fill, turn, move, undoRedo, import, turn / fill, import / fill);
    return 0;
}
