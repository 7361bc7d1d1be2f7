// Captions and title cards in the editor as a person makes them: the
// caption dialog from the keyboard and a double click, the preview showing
// every change while the dialog is open, OK as one undo step, Cancel as
// none, "Apply Style to All", a new title card in its place, its editor,
// and pictures of the dialog and of the preview with a caption.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <functional>
#include <memory>

#include "album/appsettings.h"
#include "desktop/singleapplication.h"
#include "dialogs/captiondialog.h"
#include "editortestutil.h"
#include "engine/captionpainter.h"
#include "framework/settingsstore.h"
#include "window/editorwindow.h"
#include "window/photolistwidget.h"
#include "window/previewplayer.h"

using namespace EditorTest;

class TestCaptionsWindow : public QObject
{
    Q_OBJECT

    QString m_dir;
    QStringList m_photos;
    std::unique_ptr<EditorWindow> m_window;

    template <typename T> T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            w = m_window->widgetFrame()->findChild<T *>(QString::fromLatin1(name));
        return w;
    }
    PhotoListWidget *strip() const { return child<PhotoListWidget>("photoListWidget"); }
    PreviewPlayer *player() const { return child<PreviewPlayer>("previewPlayer"); }
    QUndoStack *undo() const { return m_window->undoStack(); }

    void clickRow(int row)
    {
        QTest::mouseClick(strip()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip(), row));
    }

    // Runs `work` on the caption dialog once it is open (opened by `open`),
    // then presses the button `finish` does.
    bool withDialog(const std::function<void()> &open, const std::function<void(CaptionDialog *)> &work)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            CaptionDialog *dialog = nullptr;
            for (int i = 0; i < 200 && !dialog; ++i) {
                dialog = qobject_cast<CaptionDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    QTest::qWait(20);
            }
            if (!dialog)
                return;
            ran = true;
            work(dialog);
        });
        open();
        return ran;
    }

    static QPushButton *button(CaptionDialog *dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog->findChild<QDialogButtonBox *>()->button(which);
    }

    // Whether the preview shows light text pixels in its lower or upper
    // part (the test photos are dark and flat).
    int lightPixels(bool top)
    {
        const QImage image = player()->grabFramebuffer();
        int n = 0;
        const int from = top ? 0 : image.height() / 2;
        for (int y = from; y < from + image.height() / 2; ++y) {
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) > 200;
        }
        return n;
    }

private Q_SLOTS:
    void initTestCase()
    {
        Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
        m_dir = TestSupport::freshDir(QStringLiteral("captions-window"));
        for (int i = 0; i < 3; ++i) {
            const QString path = m_dir + QStringLiteral("/p%1.png").arg(i);
            QImage image(640, 480, QImage::Format_RGB32);
            image.fill(QColor(40 + 20 * i, 50, 70));
            QVERIFY(image.save(path));
            m_photos << path;
        }
    }

    void init()
    {
        resetMotionKeyCounter();
        m_window = std::make_unique<EditorWindow>();
        m_window->show(true);
        QVERIFY(makeActive(m_window->widgetFrame()));
        ChooserAnswer answer(m_photos);
        QTest::mouseClick(child<QToolButton>("importPicture"), Qt::LeftButton);
        QTRY_COMPARE(m_window->album()->photos.size(), 3);
        m_window->widgetFrame()->resize(1280, 800);
        // The import's progress window may have taken the keyboard.
        QVERIFY(makeActive(m_window->widgetFrame()));
    }

    void cleanup() { m_window.reset(); }

    void captionWithLivePreviewOkAndCancel()
    {
        clickRow(2);
        const int steps = undo()->count();
        QCOMPARE(lightPixels(false), 0);
        int shownWhileTyping = 0;
        int shownAtTop = 0;
        const bool ran = withDialog(
            [&] { QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::Key_T)); },
            [&](CaptionDialog *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Caption"));
                auto *text = dialog->findChild<QPlainTextEdit *>("captionText");
                text->setFocus();
                QTest::keyClicks(text, QStringLiteral("Harbour at dusk"));
                shownWhileTyping = lightPixels(false);
                auto *position = dialog->findChild<QComboBox *>("captionPosition");
                position->setFocus();
                QTest::keyClick(position, Qt::Key_Down); // Top
                shownAtTop = lightPixels(true);
                QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QVERIFY(ran);
        QVERIFY(shownWhileTyping > 50);
        QVERIFY(shownAtTop > 50);
        const Caption caption = m_window->album()->photos.at(1).caption;
        QCOMPARE(caption.text, QStringLiteral("Harbour at dusk"));
        QCOMPARE(caption.style.place, CaptionPlace::Top);
        QCOMPARE(undo()->count(), steps + 1);
        QCOMPARE(undo()->undoText(), QStringLiteral("Caption"));
        // The photo stays selected for the next edit.
        QCOMPARE(strip()->selectedPhotoRows(), QList<int>{2});
        // The preview shows the kept caption, undo takes it away.
        QTRY_VERIFY(lightPixels(true) > 50);
        undo()->undo();
        QVERIFY(m_window->album()->photos.at(1).caption.isEmpty());
        undo()->redo();
        QCOMPARE(m_window->album()->photos.at(1).caption, caption);

        // Cancel keeps the album as it was, and leaves no step; the preview
        // shows the album again.
        const bool cancelled = withDialog(
            [&] {
                QTest::mouseDClick(strip()->viewport(), Qt::LeftButton, Qt::NoModifier,
                                   rowCentre(strip(), 2));
            },
            [&](CaptionDialog *dialog) {
                auto *text = dialog->findChild<QPlainTextEdit *>("captionText");
                text->selectAll();
                QTest::keyClicks(text, QStringLiteral("Gone"));
                QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
            });
        QVERIFY(cancelled);
        QCOMPARE(m_window->album()->photos.at(1).caption, caption);
        QCOMPARE(undo()->count(), steps + 1);
    }

    void applyStyleToAll()
    {
        clickRow(0);
        const int steps = undo()->count();
        const bool ran = withDialog(
            [&] { m_window->widgetFrame()->findChild<QAction *>("actionCaption")->trigger(); },
            [&](CaptionDialog *dialog) {
                auto *text = dialog->findChild<QPlainTextEdit *>("captionText");
                QTest::keyClicks(text, QStringLiteral("Day one"));
                auto *size = dialog->findChild<QDoubleSpinBox *>("captionSize");
                size->selectAll();
                QTest::keyClicks(size, QStringLiteral("8"));
                QTest::mouseClick(dialog->findChild<QCheckBox *>("captionItalic"), Qt::LeftButton,
                                  Qt::NoModifier, QPoint(8, 8));
                auto *backdrop = dialog->findChild<QComboBox *>("captionBackdrop");
                backdrop->setCurrentIndex(1); // band
                QTest::mouseClick(dialog->findChild<QPushButton *>("applyStyleToAll"), Qt::LeftButton);
            });
        QVERIFY(ran);
        QCOMPARE(undo()->count(), steps + 1);
        QCOMPARE(undo()->undoText(), QStringLiteral("Apply Caption Style to All"));
        const QList<ImageInfo> &photos = m_window->album()->photos;
        QCOMPARE(photos.at(0).caption.text, QStringLiteral("Day one"));
        for (const ImageInfo &p : photos) {
            QCOMPARE(p.caption.style.sizePerMille, 80);
            QVERIFY(p.caption.style.italic);
            QCOMPARE(p.caption.style.backdrop, CaptionBackdrop::Band);
        }
        QVERIFY(photos.at(1).caption.text.isEmpty()); // the style only
    }

    void addTitleCardAndEditIt()
    {
        clickRow(0);
        const int steps = undo()->count();
        const bool ran = withDialog(
            [&] {
                QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
            },
            [&](CaptionDialog *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Title Card"));
                QTest::keyClicks(dialog->findChild<QPlainTextEdit *>("captionText"),
                                 QStringLiteral("The Beginning"));
                dialog->findChild<QComboBox *>("cardPlace")->setCurrentIndex(1); // before
                dialog->findChild<QComboBox *>("cardColour")->setCurrentIndex(6);
                QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QVERIFY(ran);
        QCOMPARE(undo()->count(), steps + 1);
        QCOMPARE(m_window->album()->photos.size(), 4);
        const ImageInfo &card = m_window->album()->photos.at(0);
        QVERIFY(card.isTitleCard());
        QCOMPARE(card.titleCard->text, QStringLiteral("The Beginning"));
        QCOMPARE(card.titleCard->colour, QColor(150, 30, 40));
        // The strip shows it as what it is.
        QCOMPARE(strip()->item(0)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Title card: The Beginning"));
        const QImage thumb = PhotoListWidget::displayThumbnail(card);
        QCOMPARE(QColor(thumb.pixel(2, 2)), QColor(150, 30, 40));

        // Its editor: a double click, a new duration.
        const bool edited = withDialog(
            [&] {
                QTest::mouseDClick(strip()->viewport(), Qt::LeftButton, Qt::NoModifier,
                                   rowCentre(strip(), 0));
            },
            [&](CaptionDialog *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Title Card"));
                auto *duration = dialog->findChild<QDoubleSpinBox *>("cardDuration");
                duration->selectAll();
                QTest::keyClicks(duration, QStringLiteral("2"));
                QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QVERIFY(edited);
        QCOMPARE(m_window->album()->photos.at(0).titleCard->durationMs, 2000);
        QCOMPARE(undo()->count(), steps + 2);
        undo()->undo();
        QCOMPARE(m_window->album()->photos.at(0).titleCard->durationMs, 5000);
        undo()->undo();
        QCOMPARE(m_window->album()->photos.size(), 3);
    }

    // Pictures of the caption editor over the window and of the preview
    // with a caption, at both window sizes.
    void screenshots()
    {
        const QString outDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
        QDir().mkpath(outDir);
        // A title card at the start, as the strip shows it.
        QVERIFY(withDialog(
            [&] { m_window->widgetFrame()->findChild<QAction *>("actionAdd_Title_Card")->trigger(); },
            [&](CaptionDialog *dialog) {
                QTest::keyClicks(dialog->findChild<QPlainTextEdit *>("captionText"),
                                 QStringLiteral("Our Trip"));
                dialog->findChild<QComboBox *>("cardPlace")->setCurrentIndex(2); // at the start
                dialog->findChild<QComboBox *>("cardBackground")->setCurrentIndex(1);
                QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            }));
        QVERIFY(m_window->album()->photos.at(0).isTitleCard());
        clickRow(4);
        QMainWindow *frame = m_window->widgetFrame();
        for (const QSize &size : {QSize(1280, 800), QSize(1024, 700)}) {
            frame->resize(size);
            QTest::qWait(50);
            const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
            // Back from the last dialog, the window takes the keyboard again
            // (a window manager would hand it back; Xvfb has none).
            QVERIFY(makeActive(frame));
            const bool ran = withDialog(
                [&] { QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::Key_T)); },
                [&](CaptionDialog *dialog) {
                    auto *text = dialog->findChild<QPlainTextEdit *>("captionText");
                    text->selectAll();
                    QTest::keyClicks(text, QStringLiteral("Lisbon, 14 May"));
                    QTest::keyClick(text, Qt::Key_Return);
                    QTest::keyClicks(text, QStringLiteral("Tram 28"));
                    dialog->findChild<QComboBox *>("captionBackdrop")->setCurrentIndex(1);
                    // Every control is named for assistive tools.
                    for (QWidget *w : dialog->findChildren<QWidget *>()) {
                        if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                             qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QPlainTextEdit *>(w)) &&
                            w->isVisible()) {
                            const auto *b = qobject_cast<QAbstractButton *>(w);
                            QVERIFY2(!w->accessibleName().isEmpty() || (b && !b->text().isEmpty()),
                                     qPrintable(w->objectName()));
                        }
                    }
                    QVERIFY(dialog->grab().save(outDir + QStringLiteral("/caption-dialog-%1.png").arg(tag)));
                    QVERIFY(
                        frame->grab().save(outDir + QStringLiteral("/preview-with-caption-%1.png").arg(tag)));
                    QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
                });
            QVERIFY(ran);
        }
    }
};

int main(int argc, char **argv)
{
    SingleApplication app(QString(), argc, argv);
    app.initSettings();
    TestCaptionsWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_captions_window.moc"
