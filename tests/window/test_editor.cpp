// The editor window driven as a person would: importing through the file
// chooser, dropping files, dragging inside the strips, the edit commands,
// the album settings, the media information window, a second start handing
// its files to the first, and screenshots of a loaded album.
#include <QAbstractSlider>
#include <QAccessible>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <memory>

#include "album/appsettings.h"
#include "editortestutil.h"
#include "framework/settingsstore.h"
#include "desktop/singleapplication.h"
#include "window/audiolistwidget.h"
#include "window/importprogress.h"
#include "window/mediainfowidget.h"
#include "window/photolistwidget.h"
#include "window/editorwindow.h"
#include "window/previewplayer.h"
#include "dialogs/capacitybar.h"

using namespace EditorTest;

namespace {
// Clicks a check box or radio button on its indicator.
void clickButton(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

// The bytes of a literal without its terminating NUL.
template <size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, int(N - 1));
}
} // namespace

class TestEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startsEmptyWithEverythingInPlace();
    void importReportsBrokenFilesInOrder();
    void cancelKeepsWhatWasShown();
    void threePhotosAlternateWithTransitions();
    void dropFilesOnFirstPhotoInsertsBefore();
    void internalDragAndCtrlCopy();
    void foreignPayloadIsIgnored();
    void deleteFirstLastAndAll();
    void moveCommandsAtBothEnds();
    void sortByNameKeepsFoldersGrouped();
    void turnsMirrorsAndAutoRotate();
    void durationsSnapToWholeFrames();
    void controlsChangedWithoutAClickReachTheAlbum();
    void syncWithAudio();
    void mediaInformationOfPhotoAndClip();
    void afterMakingMenu();
    void secondStartImportsIntoFirst();
    void screenshotsOfLoadedAlbum();
    void previewShowsShapeAndFraming();

private:
    template <typename T> T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            w = m_window->widgetFrame()->findChild<T *>(QString::fromLatin1(name));
        return w;
    }
    PhotoListWidget *photos() const { return child<PhotoListWidget>("photoListWidget"); }
    AudioListWidget *audios() const { return child<AudioListWidget>("audioListWidget"); }
    void importPhotos(const QStringList &paths);
    void importAudio(const QStringList &paths);
    QStringList photoPaths() const;
    void selectPhotoRows(int first, int last);

    QString m_dir;
    QStringList m_photos; // p0.png .. p9.png
    std::unique_ptr<EditorWindow> m_window;
};

void TestEditor::initTestCase()
{
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
    m_dir = TestSupport::freshDir(QStringLiteral("editor"));
    for (int i = 0; i < 10; ++i) {
        const QString path = m_dir + QStringLiteral("/p%1.png").arg(i);
        QVERIFY(writePhoto(path, 64 + i, 48, qRgb(20 * i, 100, 200 - 10 * i)));
        m_photos << path;
    }
}

void TestEditor::init()
{
    resetMotionKeyCounter();
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    QVERIFY(makeActive(m_window->widgetFrame()));
}

void TestEditor::cleanup()
{
    m_window.reset();
}

void TestEditor::importPhotos(const QStringList &paths)
{
    ChooserAnswer answer(paths);
    QTest::mouseClick(child<QToolButton>("importPicture"), Qt::LeftButton);
    QCOMPARE(answer.requests.size(), 1);
}

void TestEditor::importAudio(const QStringList &paths)
{
    ChooserAnswer answer(paths);
    QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
}

QStringList TestEditor::photoPaths() const
{
    QStringList out;
    for (const ImageInfo &info : m_window->album()->photos)
        out << info.path;
    return out;
}

void TestEditor::selectPhotoRows(int first, int last)
{
    PhotoListWidget *strip = photos();
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, first));
    if (last != first)
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::ShiftModifier, rowCentre(strip, last));
}

void TestEditor::startsEmptyWithEverythingInPlace()
{
    QMenuBar *bar = m_window->widgetFrame()->menuBar();
    QStringList titles;
    for (QAction *a : bar->actions()) {
        if (a->isVisible())
            titles << a->text();
    }
    QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                  QStringLiteral("&Actions"), QStringLiteral("&Help")}));
    auto *sortMenu = child<QMenu>("menuSort_By");
    QStringList sortEntries;
    for (QAction *a : sortMenu->actions())
        sortEntries << a->text();
    QCOMPARE(sortEntries, (QStringList{QStringLiteral("Name"), QStringLiteral("Date"), QStringLiteral("Type"),
                                       QStringLiteral("Size"), QString(), QStringLiteral("Ascending"),
                                       QStringLiteral("Descending")}));
    QStringList afterMaking;
    for (QAction *a : child<QMenu>("menuAfter_Making")->actions())
        afterMaking << a->text();
    QCOMPARE(afterMaking, (QStringList{QStringLiteral("Do &Nothing"), QStringLiteral("&Exit Program"),
                                       QStringLiteral("&Shut Down"), QStringLiteral("&Hibernate"),
                                       QStringLiteral("Stand &By")}));

    QVERIFY(child<QLabel>("gettingStart")->isVisible());
    QVERIFY(!child<QWidget>("previewPlayer")->isVisible());
    QVERIFY(!child<QPushButton>("burn")->isEnabled());
    QVERIFY(!child<QAction>("actionCreate_DVD")->isEnabled());
    QVERIFY(!child<QToolButton>("play")->isEnabled());
    QVERIFY(!child<QToolButton>("pause")->isVisible());
    QVERIFY(!child<QToolButton>("unmute")->isVisible());
    for (const char *name : {"deleteSelected", "turnLeft", "turnRight", "mirror", "flip", "autoRotate",
                             "restore", "moveLeft", "moveRight"})
        QVERIFY2(!child<QToolButton>(name)->isEnabled(), name);
    QVERIFY(!child<QAction>("actionDelete")->isEnabled());
    QVERIFY(!child<QPushButton>("syncWithAudio")->isEnabled());
    // The music's switches: the fade is offered (off, its length waiting),
    // the loudness evened out.
    QCOMPARE(child<QCheckBox>("fadeAudio")->text(), QStringLiteral("Fade in and out"));
    QVERIFY(!child<QCheckBox>("fadeAudio")->isChecked());
    QVERIFY(!child<QSpinBox>("fadeDuration")->isEnabled());
    QVERIFY(child<QCheckBox>("evenLoudness")->isChecked());
    QCOMPARE(child<QLabel>("timeCode")->text(), QStringLiteral("00:00:00 / 00:00:00"));
    QCOMPARE(child<QLabel>("albumLength")->text(), QStringLiteral("00:00:00"));
    QCOMPARE(child<QSpinBox>("photoDuration")->value(), 5000);
    QCOMPARE(child<QSpinBox>("transitionDuration")->value(), 1500);
    QVERIFY(child<QCheckBox>("useTransition")->isChecked());
    QVERIFY(child<QCheckBox>("useDynamicEffect")->isChecked());
    QVERIFY(child<QRadioButton>("randomTransition")->isChecked()); // the build has patterns
    auto *combo = child<QComboBox>("dvdTypeComboBox");
    QCOMPARE(combo->itemText(0), QStringLiteral("DVD 4.7G"));
    QCOMPARE(combo->itemText(1), QStringLiteral("DVD 8.5G"));
    QCOMPARE(child<CapacityBar>("capacityBar")->value(), quint64(0));
    // Time codes at 25 frames per second drop the frames of a second.
    QCOMPARE(m_window->frameTimeText(90061), QStringLiteral("01:00:02"));
}

void TestEditor::importReportsBrokenFilesInOrder()
{
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        if (i == 2 || i == 6) {
            const QString broken = m_dir + QStringLiteral("/broken%1.jpg").arg(i);
            QVERIFY(writeText(broken, "this is no photo"));
            paths << broken;
        } else {
            paths << m_photos.at(i);
        }
    }
    MessageAnswer messages;
    importPhotos(paths);
    QStringList expected = paths;
    expected.removeAt(6);
    expected.removeAt(2);
    QCOMPARE(photoPaths(), expected);
    QCOMPARE(photos()->count(), 15);
    QCOMPARE(messages.requests.size(), 1);
    // One file a line, each with why it was left out.
    QCOMPARE(messages.requests.first().text, QStringLiteral("Some files have not been added to the list:"));
    QCOMPARE(messages.requests.first().items.size(), 2);
    QVERIFY(messages.requests.first().items.at(0).startsWith(paths.at(2) + QStringLiteral(" \u2014 ")));
    QVERIFY(messages.requests.first().items.at(1).startsWith(paths.at(6) + QStringLiteral(" \u2014 ")));
    QCOMPARE(messages.requests.first().title, QString());
    // The album follows the strip: the lengths, the capacity and Play.
    QCOMPARE(child<QLabel>("albumLength")->text(), QStringLiteral("00:00:50")); // 8 x 5 s + 7 x 1.5 s
    QVERIFY(child<CapacityBar>("capacityBar")->value() > 0);
    QCOMPARE(child<QLabel>("timeCode")->text(), QStringLiteral("00:00:00 / 00:00:50"));
    QVERIFY(AppSettings::photoLastDir(Application::instance()->pref()) == m_dir);
}

void TestEditor::cancelKeepsWhatWasShown()
{
    // Large photos take long enough that Cancel arrives mid-import.
    const QString dir = TestSupport::freshDir(QStringLiteral("editor-cancel"));
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const QString path = dir + QStringLiteral("/big%1.png").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(writePhoto(path, 1800, 1200, qRgb(i * 6, 90, 140)));
        paths << path;
    }
    int shownAtCancel = -1;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<ImportProgress *>(QApplication::activeModalWidget());
        if (dialog && photos()->count() > 0 && shownAtCancel < 0) {
            shownAtCancel = photos()->count();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Cancel")), Qt::LeftButton);
        }
    });
    poll.start();
    importPhotos(paths);
    poll.stop();
    QVERIFY(shownAtCancel > 0);
    const int kept = int(m_window->album()->photos.size());
    QVERIFY2(kept < 40, "the import ran to the end before Cancel");
    QVERIFY(photos()->count() >= shownAtCancel);
    QCOMPARE(photos()->count(), 2 * kept - 1);
    QCOMPARE(photoPaths(), paths.mid(0, kept));
}

void TestEditor::threePhotosAlternateWithTransitions()
{
    importPhotos(m_photos.mid(0, 3));
    PhotoListWidget *strip = photos();
    QCOMPARE(strip->count(), 5);
    const QStringList kinds = {QStringLiteral("p0.png"), QStringLiteral("Transition"),
                               QStringLiteral("p1.png"), QStringLiteral("Transition"),
                               QStringLiteral("p2.png")};
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(strip->item(row)->data(Qt::AccessibleTextRole).toString(), kinds.at(row));
        QCOMPARE(strip->item(row)->sizeHint().width(), row % 2 == 0 ? 88 : 44);
    }
    QVERIFY(strip->item(0)->toolTip().contains(QStringLiteral("64 x 48")));
    // The audio strip is laid out on the photo strip's time scale.
    QCOMPARE(strip->contentWidth(), 3 * 88 + 2 * 44);
}

void TestEditor::dropFilesOnFirstPhotoInsertsBefore()
{
    importPhotos(m_photos.mid(0, 2));
    PhotoListWidget *strip = photos();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(m_photos.at(5)), QUrl::fromLocalFile(m_photos.at(6))});
    QCOMPARE(deliverDrop(strip, rowCentre(strip, 0), &data, Qt::CopyAction, Qt::NoModifier), Qt::CopyAction);
    QTRY_COMPARE(strip->count(), 7);
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(5), m_photos.at(6), m_photos.at(0), m_photos.at(1)}));
    // Photo, transition, photo, transition before the old first photo.
    QCOMPARE(strip->item(3)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Transition"));
    QCOMPARE(strip->item(4)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("p0.png"));

    // A folder dropped after the last photo adds its photos in name order;
    // a folder without photos is refused.
    const QString folder = TestSupport::freshDir(QStringLiteral("editor-dropfolder"));
    QVERIFY(writePhoto(folder + QStringLiteral("/b.png"), 40, 30));
    QVERIFY(writePhoto(folder + QStringLiteral("/a.jpg"), 40, 30));
    QVERIFY(writeText(folder + QStringLiteral("/notes.txt"), "x"));
    QMimeData folderData;
    folderData.setUrls({QUrl::fromLocalFile(folder)});
    const QPoint empty(strip->viewport()->width() - 5, 10);
    QCOMPARE(deliverDrop(strip, empty, &folderData, Qt::CopyAction, Qt::NoModifier), Qt::CopyAction);
    QTRY_COMPARE(strip->count(), 11);
    QCOMPARE(photoPaths().mid(4),
             (QStringList{folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/b.png")}));
    const QString noPhotos = TestSupport::freshDir(QStringLiteral("editor-nophotos"));
    QVERIFY(writeText(noPhotos + QStringLiteral("/notes.txt"), "x"));
    QMimeData textData;
    textData.setUrls({QUrl::fromLocalFile(noPhotos)});
    QCOMPARE(deliverDrop(strip, empty, &textData, Qt::CopyAction, Qt::NoModifier), Qt::IgnoreAction);
}

void TestEditor::internalDragAndCtrlCopy()
{
    importPhotos(m_photos.mid(0, 3));
    PhotoListWidget *strip = photos();
    const QStringList before = photoPaths();

    // Onto the transition right after the photo: nothing happens.
    {
        DragTo target(strip, rowCentre(strip, 1));
        dragItem(strip, 0);
        QCOMPARE(target.drags, 1);
    }
    QCOMPARE(photoPaths(), before);
    QCOMPARE(strip->count(), 5);

    // The same with Ctrl copies the photo there.
    {
        DragTo target(strip, rowCentre(strip, 1), Qt::ControlModifier);
        dragItem(strip, 0);
    }
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(0), m_photos.at(0), m_photos.at(1), m_photos.at(2)}));
    QCOMPARE(strip->count(), 7);

    // Moving the first photo onto the last one puts it after it.
    {
        DragTo target(strip, rowCentre(strip, 6));
        dragItem(strip, 0);
    }
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(0), m_photos.at(1), m_photos.at(2), m_photos.at(0)}));
    QCOMPARE(strip->count(), 7);
    for (int row = 1; row < 7; row += 2)
        QCOMPARE(strip->item(row)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Transition"));
    QCOMPARE(m_window->album()->photos.size(), 4);
}

void TestEditor::foreignPayloadIsIgnored()
{
    importPhotos(m_photos.mid(0, 3));
    PhotoListWidget *strip = photos();
    // A payload that did not come from this strip's drag (another program,
    // an old drag): indices out of range or not, nothing is dropped.
    for (const QByteArray &payload : {raw("2\0"
                                          "0\0"
                                          "99\0"),
                                      raw("1\0"
                                          "0\0"),
                                      QByteArray("garbage"), QByteArray()}) {
        QMimeData data;
        data.setData(QStringLiteral("ImageList"), payload);
        deliverDrop(strip, rowCentre(strip, 4), &data, Qt::MoveAction, Qt::NoModifier);
        QCOMPARE(strip->count(), 5);
    }
    QCOMPARE(StripSupport::decodePayload(raw("2\0"
                                             "0\0"
                                             "99\0"),
                                         3),
             QList<int>());
    QCOMPARE(StripSupport::decodePayload(raw("2\0"
                                             "0\0"
                                             "2\0"),
                                         3),
             (QList<int>{0, 2}));
    QCOMPARE(StripSupport::decodePayload(raw("3\0"
                                             "0\0"
                                             "2\0"),
                                         3),
             QList<int>());
    QCOMPARE(StripSupport::decodePayload(raw("1\0"
                                             "-1\0"),
                                         3),
             QList<int>());
    QCOMPARE(StripSupport::decodePayload(StripSupport::encodePayload({1, 2}), 3), (QList<int>{1, 2}));
}

void TestEditor::deleteFirstLastAndAll()
{
    importPhotos(m_photos.mid(0, 4));
    PhotoListWidget *strip = photos();
    auto *deleteButton = child<QToolButton>("deleteSelected");

    selectPhotoRows(0, 0);
    QVERIFY(deleteButton->isEnabled());
    QTest::mouseClick(deleteButton, Qt::LeftButton);
    QCOMPARE(photoPaths(), m_photos.mid(1, 3));
    QCOMPARE(strip->count(), 5);
    QCOMPARE(strip->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("p1.png"));

    selectPhotoRows(4, 4);
    child<QAction>("actionDelete")->trigger();
    QCOMPARE(photoPaths(), m_photos.mid(1, 2));
    QCOMPARE(strip->count(), 3);
    QCOMPARE(strip->item(2)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("p2.png"));

    // A transition selected alone counts as no selection.
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, 1));
    QVERIFY(!deleteButton->isEnabled());

    child<QAction>("actionSelect_All")->trigger();
    QCOMPARE(photos()->selectedItems().size(), 3);
    QVERIFY(child<QAction>("actionDelete")->isEnabled());
    // The Delete key works once the window has the focus back from the
    // import dialog.
    QVERIFY(makeActive(m_window->widgetFrame()));
    QTest::keyClick(strip, Qt::Key_Delete);
    QCOMPARE(strip->count(), 0);
    QVERIFY(m_window->album()->photos.isEmpty());
    QVERIFY(child<QLabel>("gettingStart")->isVisible());
    QCOMPARE(child<QLabel>("timeCode")->text(), QStringLiteral("00:00:00 / 00:00:00"));

    // Clear empties the active strip at once.
    importPhotos(m_photos.mid(0, 2));
    selectPhotoRows(0, 0);
    child<QAction>("actionClear")->trigger();
    QCOMPARE(strip->count(), 0);
    QVERIFY(m_window->album()->photos.isEmpty());
}

void TestEditor::moveCommandsAtBothEnds()
{
    importPhotos(m_photos.mid(0, 3));
    auto *left = child<QToolButton>("moveLeft");
    auto *right = child<QToolButton>("moveRight");

    selectPhotoRows(0, 0);
    QVERIFY(!left->isEnabled());
    QVERIFY(right->isEnabled());
    QTest::mouseClick(right, Qt::LeftButton);
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(1), m_photos.at(0), m_photos.at(2)}));
    QCOMPARE(photos()->selectedPhotoRows(), QList<int>{2});
    QVERIFY(left->isEnabled() && right->isEnabled());

    QTest::mouseClick(right, Qt::LeftButton);
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(1), m_photos.at(2), m_photos.at(0)}));
    QCOMPARE(photos()->selectedPhotoRows(), QList<int>{4});
    QVERIFY(left->isEnabled());
    QVERIFY(!right->isEnabled());
    QVERIFY(!child<QAction>("actionMove_Right")->isEnabled());

    // Two photos at once to the left.
    selectPhotoRows(2, 4);
    QTest::mouseClick(left, Qt::LeftButton);
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(2), m_photos.at(0), m_photos.at(1)}));
    QCOMPARE(photos()->selectedPhotoRows(), (QList<int>{0, 2}));
    QVERIFY(!left->isEnabled());
    QCOMPARE(photos()->count(), 5);

    // The audio strip's Move Right is judged against its own rows; the
    // photo edit buttons are off while it is active.
    const QString clip = m_dir + QStringLiteral("/move-clip.mp3");
    QVERIFY(writeAudio(clip, 1.0));
    importAudio({clip, clip});
    AudioListWidget *strip = audios();
    QCOMPARE(strip->count(), 2);
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, 1));
    QCOMPARE(m_window->activeStrip(), 1);
    QVERIFY(photos()->selectedItems().isEmpty());
    QVERIFY(!child<QAction>("actionMove_Right")->isEnabled());
    QVERIFY(child<QAction>("actionMove_Left")->isEnabled());
    QVERIFY(!child<QToolButton>("turnLeft")->isEnabled());
    QVERIFY(child<QToolButton>("deleteSelected")->isEnabled());
}

void TestEditor::sortByNameKeepsFoldersGrouped()
{
    const QString a = TestSupport::freshDir(QStringLiteral("editor-sort-a"));
    const QString b = TestSupport::freshDir(QStringLiteral("editor-sort-b"));
    const QStringList files = {b + QStringLiteral("/1.png"), a + QStringLiteral("/9.png"),
                               b + QStringLiteral("/0.png"), a + QStringLiteral("/2.png")};
    for (const QString &f : files)
        QVERIFY(writePhoto(f, 40, 30));
    importPhotos(files);
    selectPhotoRows(0, 0);
    child<QAction>("actionSortByName")->trigger();
    QCOMPARE(photoPaths(), (QStringList{files.at(3), files.at(1), files.at(2), files.at(0)}));
    child<QAction>("actionSortDescending")->trigger();
    QVERIFY(!child<QAction>("actionSortAscending")->isChecked());
    QCOMPARE(photoPaths(), (QStringList{files.at(0), files.at(2), files.at(1), files.at(3)}));
    // The items follow the records.
    QCOMPARE(photos()->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("1.png"));
    child<QAction>("actionSortByDate")->trigger();
    QVERIFY(child<QAction>("actionSortByDate")->isChecked());
    QVERIFY(!child<QAction>("actionSortByName")->isChecked());
}

void TestEditor::turnsMirrorsAndAutoRotate()
{
    // A photo whose EXIF says "turned 90 degrees clockwise" (6) is turned on
    // import and shows its turned thumbnail.
    const QString turned = m_dir + QStringLiteral("/turned.jpg");
    QVERIFY(writePhoto(turned, 160, 120));
    QVERIFY(writeExif(turned, 6));
    importPhotos({turned, m_photos.at(0)});
    const ImageInfo &first = m_window->album()->photos.at(0);
    QCOMPARE(first.transformOps, QVector<int32_t>{OpTurnRight});
    QVERIFY(orientationTurns(first.orientationCode));
    // The marker (white, top-left of the file) shows at the top right of a
    // thumbnail turned clockwise.
    QImage shown = photos()->item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    QCOMPARE(shown.size(), QSize(80, 60));
    const QImage thumb = PhotoListWidget::displayThumbnail(first);
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), thumb.convertToFormat(QImage::Format_RGB32));
    QVERIFY(qRed(shown.pixel(60, 8)) > 230 && qBlue(shown.pixel(60, 8)) > 230);
    QVERIFY(qRed(shown.pixel(30, 8)) < 230 || qBlue(shown.pixel(30, 8)) < 200);

    selectPhotoRows(2, 2);
    QTest::mouseClick(child<QToolButton>("turnLeft"), Qt::LeftButton);
    QCOMPARE(m_window->album()->photos.at(1).transformOps, QVector<int32_t>{OpTurnLeft});
    QTest::mouseClick(child<QToolButton>("mirror"), Qt::LeftButton);
    QCOMPARE(m_window->album()->photos.at(1).transformOps, (QVector<int32_t>{OpMirror, OpTurnLeft}));
    child<QAction>("actionFlip")->trigger();
    QCOMPARE(m_window->album()->photos.at(1).transformOps.first(), int32_t(OpFlip));
    QTest::mouseClick(child<QToolButton>("restore"), Qt::LeftButton);
    QVERIFY(m_window->album()->photos.at(1).transformOps.isEmpty());
    QTest::mouseClick(child<QToolButton>("turnRight"), Qt::LeftButton);
    QCOMPARE(m_window->album()->photos.at(1).orientationCode, int32_t(OrientCw));

    // Auto Rotate on the turned photo brings back its EXIF turn; Auto Rotate
    // All Photos removes every turn, the ones from import included.
    selectPhotoRows(0, 0);
    QTest::mouseClick(child<QToolButton>("restore"), Qt::LeftButton);
    QVERIFY(m_window->album()->photos.at(0).transformOps.isEmpty());
    QTest::mouseClick(child<QToolButton>("autoRotate"), Qt::LeftButton);
    QCOMPARE(m_window->album()->photos.at(0).transformOps, QVector<int32_t>{OpTurnRight});
    QVERIFY(child<QAction>("actionAuto_Rotate_All_Photos")->isEnabled());
    child<QAction>("actionAuto_Rotate_All_Photos")->trigger();
    for (const ImageInfo &info : m_window->album()->photos) {
        QVERIFY(info.transformOps.isEmpty());
        QCOMPARE(info.orientationCode, 0);
    }
    shown = photos()->item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    QVERIFY(qRed(shown.pixel(12, 10)) > 230 && qBlue(shown.pixel(12, 10)) > 230); // marker back at top left

    // With auto-rotation on import switched off the EXIF turn is not applied.
    child<QAction>("actionAuto_Rotate_While_Importing")->trigger();
    importPhotos({turned});
    QVERIFY(m_window->album()->photos.last().transformOps.isEmpty());
}

void TestEditor::durationsSnapToWholeFrames()
{
    importPhotos(m_photos.mid(0, 2));
    auto *photo = child<QSpinBox>("photoDuration");
    auto *transition = child<QSpinBox>("transitionDuration");
    photo->setFocus();
    QTest::keyClick(photo, Qt::Key_Up); // 5001 snaps up to the next 40 ms frame
    QCOMPARE(photo->value(), 5040);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 5040);
    QTest::keyClick(photo, Qt::Key_Down); // 5039 snaps down
    QCOMPARE(photo->value(), 5000);
    transition->setFocus();
    QTest::keyClick(transition, Qt::Key_Down);
    QCOMPARE(transition->value(), 1480);
    QCOMPARE(m_window->album()->transitionDuration(), 1.48);
    QCOMPARE(transition->minimum(), 500);
    QCOMPARE(transition->maximum(), 5000);
    QCOMPARE(photo->minimum(), 1000);
    QCOMPARE(photo->maximum(), 999000);
    QCOMPARE(child<QLabel>("albumLength")->text(), QStringLiteral("00:00:11")); // 2 x 5 + 1.48

    // The switches are album-wide.
    clickButton(child<QCheckBox>("useTransition"));
    QVERIFY(!m_window->album()->settings.useTransition);
    QVERIFY(!child<QRadioButton>("dissolveOnly")->isEnabled());
    QCOMPARE(child<QLabel>("albumLength")->text(), QStringLiteral("00:00:10"));
    clickButton(child<QCheckBox>("useTransition"));
    clickButton(child<QRadioButton>("dissolveOnly"));
    QVERIFY(m_window->album()->settings.dissolveOnly);
    clickButton(child<QCheckBox>("useDynamicEffect"));
    QVERIFY(!m_window->album()->settings.useDynamicEffect);
    clickButton(child<QCheckBox>("loopAudio"));
    QVERIFY(m_window->album()->settings.loopAudio);

    // The music: loudness evened out for a new album; the fade's length is
    // set once the fade is on; each change is one undo step.
    auto *even = child<QCheckBox>("evenLoudness");
    auto *fade = child<QCheckBox>("fadeAudio");
    auto *fadeLength = child<QSpinBox>("fadeDuration");
    auto *crossfade = child<QSpinBox>("crossfadeDuration");
    QVERIFY(even->isChecked() && m_window->album()->settings.evenLoudness);
    QVERIFY(!fade->isChecked() && !fadeLength->isEnabled());
    clickButton(even);
    QVERIFY(!m_window->album()->settings.evenLoudness);
    clickButton(fade);
    QVERIFY(m_window->album()->settings.fadeAudio && fadeLength->isEnabled());
    fadeLength->setFocus();
    QTest::keyClick(fadeLength, Qt::Key_Up);
    QTest::keyClick(fadeLength, Qt::Key_Up);
    QCOMPARE(m_window->album()->settings.fadeMs, 4000);
    QCOMPARE(child<QAction>("actionUndo")->text(), QStringLiteral("Undo Fade Length"));
    crossfade->setFocus();
    QTest::keyClick(crossfade, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(crossfade, QStringLiteral("500"));
    QTest::keyClick(crossfade, Qt::Key_Enter);
    QCOMPARE(m_window->album()->settings.crossfadeMs, 500);
    QCOMPARE(crossfade->maximum(), 10000);
    QCOMPARE(fadeLength->minimum(), 500);
    m_window->undoStack()->undo(); // the crossfade
    m_window->undoStack()->undo(); // both steps of the fade length at once
    QCOMPARE(crossfade->value(), 0);
    QCOMPARE(fadeLength->value(), 3000);
    QCOMPARE(m_window->album()->settings.fadeMs, 3000);
    m_window->undoStack()->undo();
    QVERIFY(!fade->isChecked() && !m_window->album()->settings.fadeAudio);
    m_window->undoStack()->undo();
    QVERIFY(even->isChecked() && m_window->album()->settings.evenLoudness);
}

// Assistive technology and code change a control without a click: the album
// follows all the same, and undo puts the controls back without recording
// anything itself.
void TestEditor::controlsChangedWithoutAClickReachTheAlbum()
{
    importPhotos(m_photos.mid(0, 2));
    QUndoStack *undo = m_window->undoStack();
    const int start = undo->count();
    auto *loop = child<QCheckBox>("loopAudio");
    QAccessibleInterface *a11y = QAccessible::queryAccessibleInterface(loop);
    QVERIFY(a11y && a11y->actionInterface());
    a11y->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(loop->isChecked());
    QVERIFY(m_window->album()->settings.loopAudio);
    QCOMPARE(child<QAction>("actionUndo")->text(), QStringLiteral("Undo Loop Audio"));
    loop->setChecked(false);
    QVERIFY(!m_window->album()->settings.loopAudio);
    loop->setChecked(true);
    QVERIFY(m_window->album()->settings.loopAudio);

    child<QCheckBox>("useTransition")->setChecked(false);
    QVERIFY(!m_window->album()->settings.useTransition);
    QVERIFY(!child<QRadioButton>("dissolveOnly")->isEnabled());
    child<QCheckBox>("useTransition")->setChecked(true);
    child<QRadioButton>("dissolveOnly")->setChecked(true);
    QVERIFY(m_window->album()->settings.dissolveOnly);
    child<QRadioButton>("randomTransition")->setChecked(true);
    QVERIFY(!m_window->album()->settings.dissolveOnly);
    child<QCheckBox>("useDynamicEffect")->setChecked(false);
    QVERIFY(!m_window->album()->settings.useDynamicEffect);
    child<QSpinBox>("photoDuration")->setValue(7000);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 7040);
    child<QSpinBox>("transitionDuration")->setValue(1000);
    QCOMPARE(m_window->album()->settings.transitionDurationMs, 1000);
    const int steps = undo->count();
    QCOMPARE(steps, start + 10);

    // Undo everything: the controls follow, and nothing new is recorded.
    while (undo->index() > start)
        undo->undo();
    QCOMPARE(undo->count(), steps);
    QVERIFY(!loop->isChecked());
    QVERIFY(child<QCheckBox>("useTransition")->isChecked());
    QVERIFY(child<QRadioButton>("randomTransition")->isChecked());
    QVERIFY(child<QCheckBox>("useDynamicEffect")->isChecked());
    QCOMPARE(child<QSpinBox>("photoDuration")->value(), 5000);
    QCOMPARE(child<QSpinBox>("transitionDuration")->value(), 1500);
    QCOMPARE(m_window->album()->settings, SlideshowSettings());
}

void TestEditor::syncWithAudio()
{
    importPhotos(m_photos.mid(0, 2));
    auto *sync = child<QPushButton>("syncWithAudio");
    QVERIFY(!sync->isEnabled());
    const QString clip = m_dir + QStringLiteral("/sync.mp3");
    QVERIFY(writeAudio(clip, 20.0));
    importAudio({clip});
    QVERIFY(sync->isEnabled());
    QTest::mouseClick(sync, Qt::LeftButton);
    // Two photos and two transition spans fill the 20 s clip.
    const int ms = child<QSpinBox>("photoDuration")->value();
    QCOMPARE(ms, m_window->album()->settings.photoDurationMs);
    QVERIFY2(qAbs(m_window->album()->videoLength() - m_window->album()->audioLength()) < 0.1,
             qPrintable(QString::number(m_window->album()->videoLength())));
    QCOMPARE(ms % 40, 0);
    QCOMPARE(child<QLabel>("audioLength")->text(), QStringLiteral("00:00:20"));

    // A clip too short for 1 s per photo leaves the duration alone.
    child<QAction>("actionClear")->trigger(); // the audio strip is active after the import
    importPhotos(m_photos);
    const QString shortClip = m_dir + QStringLiteral("/short.mp3");
    QVERIFY(writeAudio(shortClip, 2.0));
    importAudio({shortClip});
    const int before = child<QSpinBox>("photoDuration")->value();
    QTest::mouseClick(sync, Qt::LeftButton);
    QCOMPARE(child<QSpinBox>("photoDuration")->value(), before);
}

void TestEditor::mediaInformationOfPhotoAndClip()
{
    const QString odd = m_dir + QStringLiteral("/<b>x<b> & y.jpg");
    QVERIFY(writePhoto(odd, 120, 90));
    QVERIFY(writeExif(odd, 1, "Fish & <Chips>", "Model <1>"));
    importPhotos({odd});
    QTest::mouseClick(photos()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(photos(), 0));
    child<QAction>("actionProperties")->trigger();
    MediaInfoWidget *info = m_window->mediaInfo();
    QVERIFY(info->isVisible());
    auto *view = info->findChild<QTextBrowser *>();
    const QString text = view->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("<b>x<b> & y.jpg")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Fish & <Chips>")));
    QVERIFY(text.contains(QStringLiteral("Model <1>")));
    QVERIFY(text.contains(QStringLiteral("120x90")));
    QVERIFY(text.contains(QStringLiteral("JPG")));
    QVERIFY(photos()->item(0)->toolTip().contains(QStringLiteral("&lt;b&gt;x&lt;b&gt; &amp; y.jpg")));

    // A clip: size in whole KB, channels, rate, duration.
    AudioInfo clip;
    clip.path = m_dir + QStringLiteral("/long & <loud>.mp3");
    clip.channels = 2;
    clip.sampleRate = 44100;
    clip.duration = 3725.4;
    clip.clipEnd = clip.duration;
    clip.fileSize = 1536;
    m_window->albumModel()->edit(QStringLiteral("Add Clip"),
                                 [&clip](Album &album) { album.audios = {clip}; });
    QTest::mouseClick(audios()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 16));
    const QString clipText = view->toPlainText();
    QVERIFY2(clipText.contains(QStringLiteral("01:02:05")), qPrintable(clipText));
    QVERIFY(clipText.contains(QStringLiteral("44100Hz")));
    QVERIFY(clipText.contains(QStringLiteral("1KB")));
    QVERIFY(clipText.contains(QStringLiteral("long & <loud>.mp3")));
    QVERIFY(!clipText.contains(QStringLiteral("Resolution")));
    QVERIFY(audios()->item(0)->toolTip().contains(QStringLiteral("long &amp; &lt;loud&gt;.mp3")));
    QVERIFY(!audios()->item(0)->toolTip().contains(QStringLiteral("Start Point")));

    // Nothing selected empties the window.
    audios()->removeAll();
    audios()->setCurrentRow(-1);
    m_window->onClipRowChanged(-1);
    QVERIFY(view->toPlainText().isEmpty());
}

void TestEditor::afterMakingMenu()
{
    SettingsStore *pref = Application::instance()->pref();
    child<QAction>("actionShut_Down")->trigger();
    QCOMPARE(pref->value(AppSettings::kAfterBurnAction).toInt(), 4);
    QVERIFY(child<QAction>("actionShut_Down")->isChecked());
    QVERIFY(!child<QAction>("actionDo_Nothing")->isChecked());
    child<QAction>("actionStand_By")->trigger();
    QCOMPARE(pref->value(AppSettings::kAfterBurnAction).toInt(), 1);
    // The progress dialog's list uses the menu's order.
    m_window->onPostTaskActionChanged(3);
    QVERIFY(child<QAction>("actionHibernate")->isChecked());
    QVERIFY(!child<QAction>("actionStand_By")->isChecked());
    QCOMPARE(pref->value(AppSettings::kAfterBurnAction).toInt(), 2);
    child<QAction>("actionDo_Nothing")->trigger();
    QCOMPARE(pref->value(AppSettings::kAfterBurnAction).toInt(), 5);
    // The disc type rescales the bar without changing the album.
    importPhotos(m_photos.mid(0, 1));
    auto *bar = child<CapacityBar>("capacityBar");
    child<QComboBox>("dvdTypeComboBox")->setCurrentIndex(1);
    QCOMPARE(bar->showMode(), CapacityBar::DualLayer);
    QCOMPARE(bar->scaleMaximum(), quint64(10000000000ULL));
    QCOMPARE(m_window->album()->photos.size(), 1);
}

void TestEditor::secondStartImportsIntoFirst()
{
    auto *app = qobject_cast<SingleApplication *>(QCoreApplication::instance());
    QVERIFY(!app->isRunning()); // this test is the first instance
    QVERIFY(app->socketPath(QString()).startsWith(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)));
    m_window->listenToInstances(app);
    QByteArray output;
    const int code = TestSupport::run(TestSupport::builtProgram(QStringLiteral("sorvel")),
                                      {m_photos.at(3), m_photos.at(4)}, &output, 30000);
    QCOMPARE(code, 0);
    QTRY_COMPARE(photoPaths(), (QStringList{m_photos.at(3), m_photos.at(4)}));
    // Paths with spaces and percent signs survive the channel.
    const QStringList odd = {QStringLiteral("/tmp/a b%20c/ü.png"), QStringLiteral("rel/x.png")};
    const QStringList decoded = EditorWindow::pathsOfOpenMessage(EditorWindow::openMessage(odd));
    QCOMPARE(decoded.first(), odd.first());
    QCOMPARE(decoded.at(1), QDir::current().absoluteFilePath(QStringLiteral("rel/x.png")));
}

void TestEditor::screenshotsOfLoadedAlbum()
{
    const QString album = qEnvironmentVariable("SORVEL_SOURCE_DIR") + QStringLiteral("/samples/album");
    MessageAnswer messages;
    m_window->openPaths({album});
    QVERIFY(messages.requests.isEmpty());
    QCOMPARE(m_window->album()->photos.size(), 9);
    QCOMPARE(m_window->album()->audios.size(), 1);
    QVERIFY(m_window->album()->audios.first().duration > 1.0);
    QVERIFY(child<CapacityBar>("capacityBar")->value() > 0);
    QVERIFY(child<QLabel>("audioLength")->text() != QStringLiteral("00:00:00"));
    QTest::mouseClick(photos()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(photos(), 2));
    QMainWindow *frame = m_window->widgetFrame();
    const QString outDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(outDir);
    for (const QSize &size : {QSize(1280, 800), QSize(1024, 700)}) {
        frame->resize(size);
        QTest::qWait(100);
        QCOMPARE(frame->size(), size);
        // Every control stays reachable: the strips and the Burn row fit,
        // and no shown control reaches past the window's edge.
        QVERIFY(photos()->isVisible() && audios()->isVisible());
        QVERIFY(child<QPushButton>("burn")->isVisible());
        int shown = 0;
        for (QWidget *w : frame->findChildren<QWidget *>()) {
            if (!w->isVisible() ||
                !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QAbstractSlider *>(w) ||
                  qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QComboBox *>(w)))
                continue;
            const QRect onFrame(w->mapTo(frame, QPoint(0, 0)), w->size());
            QVERIFY2(frame->rect().contains(onFrame), qPrintable(w->objectName()));
            ++shown;
        }
        QVERIFY(shown > 20);
        const QString file =
            outDir + QStringLiteral("/editor-%1x%2.png").arg(size.width()).arg(size.height());
        QVERIFY(frame->grab().save(file));
    }

    // Every control a person can use is named for assistive tools: by its
    // text, or by an accessible name where it shows only an icon.
    QStringList unnamed;
    for (QWidget *w : frame->findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QAbstractSlider *>(w) &&
            !qobject_cast<QAbstractSpinBox *>(w) && !qobject_cast<QComboBox *>(w))
            continue;
        // Qt's own parts (a scroll area's scroll bars, the menu bar's
        // overflow button) are named by Qt.
        if (w->objectName().startsWith(QLatin1String("qt_")) ||
            (w->parentWidget() && w->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea"))))
            continue;
        // The name a screen reader announces: the accessible name, else the
        // button's text or the text of the label that is the control's buddy.
        QAccessibleInterface *a11y = QAccessible::queryAccessibleInterface(w);
        const QString name = a11y ? a11y->text(QAccessible::Name) : QString();
        if (name.trimmed().isEmpty())
            unnamed << QStringLiteral("%1(%2)").arg(w->objectName(),
                                                    QLatin1String(w->metaObject()->className()));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));

    // The import dialog while it reads, and the media information window.
    ImportProgress progress(true, photos());
    progress.start(m_photos.mid(0, 3));
    progress.show();
    QVERIFY(progress.findChild<QPushButton *>(QStringLiteral("Cancel"))->isVisible());
    // The first file is named across the dialog's width, not elided to a
    // label that has not been laid out yet.
    const QString reading = progress.findChild<QLabel *>(QStringLiteral("label"))->text();
    QVERIFY2(reading.startsWith(QStringLiteral("Importing ")), qPrintable(reading));
    QVERIFY(progress.grab().save(outDir + QStringLiteral("/import-progress.png")));
    progress.reject();
    child<QAction>("actionProperties")->trigger();
    MediaInfoWidget *info = m_window->mediaInfo();
    QVERIFY(info->isVisible());
    QVERIFY(!info->findChild<QTextBrowser *>()->toPlainText().isEmpty());
    QVERIFY(info->grab().save(outDir + QStringLiteral("/media-info.png")));
}

int main(int argc, char **argv)
{
    SingleApplication app(QString(), argc, argv);
    app.initSettings();
    TestEditor test;
    return QTest::qExec(&test, argc, argv);
}

namespace {

// The frame's rectangle in a grab of the preview: the pixels that are not
// the preview area's own colour (#1b1e24).
QRect frameIn(const QImage &shot)
{
    QRect r;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if (std::abs(qRed(p) - 0x1b) + std::abs(qGreen(p) - 0x1e) + std::abs(qBlue(p) - 0x24) > 12)
                r = r.united(QRect(x, y, 1, 1));
        }
    return r;
}

} // namespace

void TestEditor::previewShowsShapeAndFraming()
{
    // A portrait phone photo, shown still.
    const QString portrait = m_dir + QStringLiteral("/portrait.png");
    QImage image(540, 960, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb(60 + x * 180 / 540, 200 - y * 150 / 960, (x / 30 + y / 30) % 2 ? 220 : 40));
    QVERIFY(image.save(portrait));
    importPhotos({portrait});
    child<QCheckBox>("useDynamicEffect")->setChecked(false);
    auto *player = child<PreviewPlayer>("previewPlayer");
    QMainWindow *frame = m_window->widgetFrame();
    frame->resize(1280, 800);
    const QString outDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(outDir);

    // A new album is 16:9: the preview's frame has that shape.
    QCOMPARE(m_window->album()->dvd.aspect, DvdAspect::Wide);
    QImage shot;
    QRect picture;
    auto settle = [&] {
        QTest::qWait(200);
        shot = player->grabFramebuffer();
        picture = frameIn(shot);
    };
    auto ratioIs = [&](double want) {
        return picture.isValid() && std::abs(double(picture.width()) / picture.height() / want - 1.0) < 0.02;
    };
    QComboBox *framing = child<QComboBox>("framing");
    const QStringList names{QStringLiteral("fit"), QStringLiteral("fill"), QStringLiteral("blur")};
    QList<QRgb> besidePhoto;
    for (int i = 0; i < 3; ++i) {
        framing->setCurrentIndex(i);
        QCOMPARE(m_window->album()->settings.framing, PhotoFraming(i));
        settle();
        QVERIFY2(ratioIs(16.0 / 9.0),
                 qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
        // A point beside the photo, a tenth into the frame.
        besidePhoto.append(shot.pixel(picture.left() + picture.width() / 10, picture.center().y()));
        QVERIFY(frame->grab().save(outDir + QStringLiteral("/preview-%1-1280x800.png").arg(names[i])));
    }
    QCOMPARE(besidePhoto[0] & 0xFFFFFF, 0u);    // fit: a black bar
    QVERIFY(qGray(besidePhoto[1]) > 40);        // fill: the photo
    QVERIFY((besidePhoto[2] & 0xFFFFFF) != 0u); // blur: its soft copy
    QVERIFY(besidePhoto[2] != besidePhoto[1]);

    // A 4:3 DVD: the preview follows.
    DvdChoices dvd = m_window->album()->dvd;
    dvd.aspect = DvdAspect::Standard;
    m_window->setDvdChoices(dvd);
    settle();
    QVERIFY2(ratioIs(4.0 / 3.0),
             qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
}

#include "test_editor.moc"
