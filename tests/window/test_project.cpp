// Projects as a person uses them: saving through the chooser, reopening,
// moving the project's folder, missing files, damaged files, saving onto a
// read-only folder or a full file system, undo and redo of every kind of
// change, the unsaved-changes question, `sorvel PROJECT` and
// `sorvel make-dvd PROJECT`.
#include <QAction>
#include <QTimer>
#include <QPushButton>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QStorageInfo>
#include <QToolButton>
#include <QUndoStack>

#include <memory>
#include <sys/resource.h>
#include <csignal>
#include <unistd.h>

#include "album/appsettings.h"
#include "album/project.h"
#include "dialogs/clipsliderbar.h"
#include "dvdcheck.h"
#include "dvdinspect.h"
#include "engine/storyboardrender.h"
#include "editortestutil.h"
#include "framework/settingsstore.h"
#include "desktop/singleapplication.h"
#include "window/audiolistwidget.h"
#include "window/photolistwidget.h"
#include "window/editorwindow.h"

using namespace EditorTest;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

bool runTool(const QString &program, const QStringList &args)
{
    return TestSupport::run(program, args, nullptr, 20000) == 0;
}
} // namespace

class TestProject : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void saveAndReopenEveryField();
    void movedFolderOpensWithItsPhotos();
    void missingFilesAreListedAndKept();
    void handWrittenProjectOpens();
    void damagedFilesChangeNothing_data();
    void damagedFilesChangeNothing();
    void savingOntoReadOnlyFolderKeepsPreviousFile();
    void savingOntoFullFileSystemKeepsPreviousFile();
    void undoAndRedoEveryKindOfChange();
    void undoAndRedoTheOtherEdits();
    void durationTypedBackThenReorderIsItsOwnStep();
    void unsavedChangesQuestion();
    void projectFromTheCommandLine();
    void makeDvdOfSavedProject();

private:
    template <typename T> T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        return w ? w : m_window->widgetFrame()->findChild<T *>(QString::fromLatin1(name));
    }
    void importPhotos(const QStringList &paths);
    void buildAlbum();
    QStringList photoPaths() const;

    QString m_dir;     // the project folder: photos/, music/
    QString m_outside; // a photo outside it
    QStringList m_photos;
    QString m_clip;
    QString m_shortClip;
    std::unique_ptr<EditorWindow> m_window;
};

void TestProject::initTestCase()
{
    Application::instance()->pref()->setValue(AppSettings::kVideoStandard, QStringLiteral("PAL"));
    m_dir = TestSupport::freshDir(QStringLiteral("project"));
    QDir().mkpath(m_dir + QStringLiteral("/photos"));
    QDir().mkpath(m_dir + QStringLiteral("/music"));
    for (int i = 0; i < 4; ++i) {
        const QString path = m_dir + QStringLiteral("/photos/p%1.jpg").arg(i);
        QVERIFY(writePhoto(path, 96, 64, qRgb(40 * i, 120, 80)));
        m_photos << path;
    }
    QVERIFY(writeExif(m_photos.at(1), 6));
    m_outside = TestSupport::freshDir(QStringLiteral("project-outside")) + QStringLiteral("/far.png");
    QVERIFY(writePhoto(m_outside, 80, 60));
    m_clip = m_dir + QStringLiteral("/music/song.mp3");
    QVERIFY(writeAudio(m_clip, 12.0));
    m_shortClip = m_dir + QStringLiteral("/music/short.mp3");
    QVERIFY(writeAudio(m_shortClip, 1.0));
}

void TestProject::init()
{
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->widgetFrame()));
}

void TestProject::cleanup()
{
    m_window.reset();
}

void TestProject::importPhotos(const QStringList &paths)
{
    ChooserAnswer answer(paths);
    QTest::mouseClick(child<QToolButton>("importPicture"), Qt::LeftButton);
}

QStringList TestProject::photoPaths() const
{
    QStringList out;
    for (const ImageInfo &info : m_window->album()->photos)
        out << info.path;
    return out;
}

// Photos (one turned by EXIF, one turned by hand, one from elsewhere), a
// trimmed clip, changed settings and DVD choices.
void TestProject::buildAlbum()
{
    importPhotos(m_photos + QStringList{m_outside});
    {
        ChooserAnswer answer({m_clip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    PhotoListWidget *strip = m_window->findChild<PhotoListWidget *>();
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, 4));
    QTest::mouseClick(child<QToolButton>("turnLeft"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("mirror"), Qt::LeftButton);
    child<QSpinBox>("photoDuration")->setValue(3001);
    child<QSpinBox>("transitionDuration")->setValue(999);
    child<QRadioButton>("dissolveOnly")->setChecked(true);
    child<QCheckBox>("loopAudio")->click();
    // Framing is picked in the album settings like a person picks it.
    QComboBox *framing = child<QComboBox>("framing");
    QCOMPARE(framing->currentText(), QStringLiteral("Fit"));
    framing->setCurrentIndex(framing->findText(QStringLiteral("Blurred Backdrop")));
    child<QCheckBox>("evenLoudness")->click(); // on for a new album: now off
    child<QCheckBox>("fadeAudio")->click();
    child<QSpinBox>("fadeDuration")->setValue(4500);
    child<QSpinBox>("crossfadeDuration")->setValue(750);
    QList<AudioInfo> clips = m_window->album()->audios;
    clips[0].clipStart = 1.5;
    clips[0].clipEnd = 9.25;
    m_window->albumModel()->edit(QStringLiteral("Trim"), [&clips](Album &album) { album.audios = clips; });
    DvdChoices dvd;
    dvd.tvStandard = TvStandard::Ntsc;
    dvd.videoBitRate = 6500000;
    dvd.audioBitRate = 384000;
    dvd.audioChannels = 6;
    dvd.volumeLabel = QStringLiteral("Trip & <Friends>");
    dvd.atEnd = ShowEnd::Stop;
    dvd.menu = false; // new albums have it on
    dvd.aspect = DvdAspect::Standard;
    dvd.chapters = ChapterMarks::None;
    dvd.menuChoices.title = QStringLiteral("Łódź & <Friends>\nSummer");
    dvd.menuChoices.backdrop = MenuBackdrop::Photo;
    dvd.menuChoices.photo = m_window->album()->photos.at(2).path;
    dvd.menuChoices.music = false; // new albums have it on
    m_window->setDvdChoices(dvd);
}

void TestProject::saveAndReopenEveryField()
{
    buildAlbum();
    QVERIFY(m_window->widgetFrame()->isWindowModified());
    QVERIFY(m_window->widgetFrame()->windowTitle().startsWith(QStringLiteral("Untitled[*]")));
    const AlbumSnapshot saved = AlbumSnapshot::of(*m_window->album());
    const QString project = m_dir + QStringLiteral("/trip");
    {
        ChooserAnswer answer({project}); // the suffix is added
        QTest::keySequence(m_window->widgetFrame(), QKeySequence::Save);
        child<QAction>("actionSave_Project")->trigger(); // a second save writes in place
        QCOMPARE(answer.requests.size(), 1);
        QCOMPARE(answer.requests.first().mode, FileChooser::SaveFile);
    }
    const QString file = project + QStringLiteral(".sorvel");
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(m_window->projectPath(), file);
    QVERIFY(!m_window->widgetFrame()->isWindowModified());
    QVERIFY(m_window->widgetFrame()->windowTitle().startsWith(QStringLiteral("trip[*] - ")));

    // The file: a versioned JSON document with relative and absolute paths.
    const QJsonObject root = QJsonDocument::fromJson(readAll(file)).object();
    QCOMPARE(root.value(QStringLiteral("format")).toString(), QStringLiteral("sorvel-project"));
    QCOMPARE(root.value(QStringLiteral("version")).toInt(), 1);
    const QJsonArray photos = root.value(QStringLiteral("photos")).toArray();
    QCOMPARE(photos.size(), 5);
    QCOMPARE(photos.at(0).toObject().value(QStringLiteral("path")).toString(),
             QStringLiteral("photos/p0.jpg"));
    QCOMPARE(photos.at(4).toObject().value(QStringLiteral("path")).toString(), m_outside);
    QCOMPARE(root.value(QStringLiteral("clips"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("path"))
                 .toString(),
             QStringLiteral("music/song.mp3"));
    QCOMPARE(root.value(QStringLiteral("dvd")).toObject().value(QStringLiteral("standard")).toString(),
             QStringLiteral("NTSC"));
    // The clip's loudness, measured at import, is kept with it.
    const QJsonObject loudness = root.value(QStringLiteral("clips"))
                                     .toArray()
                                     .at(0)
                                     .toObject()
                                     .value(QStringLiteral("loudness"))
                                     .toObject();
    QCOMPARE(loudness.value(QStringLiteral("integratedLufs")).toDouble(),
             saved.audios.at(0).loudness.integratedLufs);
    QVERIFY(saved.audios.at(0).loudness.measured);
    QCOMPARE(root.value(QStringLiteral("dvd")).toObject().value(QStringLiteral("atEnd")).toString(),
             QStringLiteral("stop"));
    QCOMPARE(root.value(QStringLiteral("dvd")).toObject().value(QStringLiteral("menu")), QJsonValue(false));
    QCOMPARE(root.value(QStringLiteral("dvd")).toObject().value(QStringLiteral("aspect")).toString(),
             QStringLiteral("4:3"));
    QCOMPARE(root.value(QStringLiteral("dvd")).toObject().value(QStringLiteral("chapters")).toString(),
             QStringLiteral("none"));
    QCOMPARE(root.value(QStringLiteral("settings")).toObject().value(QStringLiteral("framing")).toString(),
             QStringLiteral("blur"));
    // The menu's background by its photo's path, relative as the photo's.
    const QJsonObject dvdMember = root.value(QStringLiteral("dvd")).toObject();
    QCOMPARE(dvdMember.value(QStringLiteral("menuTitle")).toString(),
             QStringLiteral("Łódź & <Friends>\nSummer"));
    QCOMPARE(dvdMember.value(QStringLiteral("menuMusic")), QJsonValue(false));
    const QJsonObject backdrop = dvdMember.value(QStringLiteral("menuBackground")).toObject();
    QCOMPARE(backdrop.value(QStringLiteral("kind")).toString(), QStringLiteral("photo"));
    QCOMPARE(backdrop.value(QStringLiteral("path")), photos.at(2).toObject().value(QStringLiteral("path")));

    // A new window opens it as it was: every field.
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    {
        ChooserAnswer answer({file});
        QTest::keySequence(m_window->widgetFrame(), QKeySequence::Open);
        if (answer.requests.isEmpty())
            child<QAction>("actionOpen_Project")->trigger();
    }
    const AlbumSnapshot reopened = AlbumSnapshot::of(*m_window->album());
    QVERIFY(reopened.sameAs(saved));
    QCOMPARE(reopened.photos.at(1).transformOps, QVector<int32_t>{OpTurnRight}); // EXIF turn kept
    QCOMPARE(reopened.photos.at(2).transformOps, (QVector<int32_t>{OpMirror, OpTurnLeft}));
    QCOMPARE(reopened.photos.at(2).motionStart, saved.photos.at(2).motionStart);
    QCOMPARE(reopened.audios.at(0).clipStart, 1.5);
    QCOMPARE(reopened.audios.at(0).clipEnd, 9.25);
    QCOMPARE(reopened.settings.photoDurationMs, saved.settings.photoDurationMs);
    QCOMPARE(reopened.settings.transitionDurationMs, saved.settings.transitionDurationMs);
    QVERIFY(reopened.settings.dissolveOnly && reopened.settings.loopAudio);
    QVERIFY(!reopened.settings.evenLoudness && reopened.settings.fadeAudio);
    QCOMPARE(reopened.settings.fadeMs, 4500);
    QCOMPARE(reopened.settings.crossfadeMs, 750);
    QCOMPARE(reopened.audios.at(0).loudness, saved.audios.at(0).loudness);
    QVERIFY(!child<QCheckBox>("evenLoudness")->isChecked());
    QCOMPARE(child<QSpinBox>("fadeDuration")->value(), 4500);
    QCOMPARE(child<QSpinBox>("crossfadeDuration")->value(), 750);
    QCOMPARE(reopened.dvd.volumeLabel, QStringLiteral("Trip & <Friends>"));
    QCOMPARE(reopened.dvd.audioChannels, 6);
    QCOMPARE(reopened.dvd.atEnd, ShowEnd::Stop);
    QVERIFY(!reopened.dvd.menu);
    QCOMPARE(reopened.dvd.aspect, DvdAspect::Standard);
    QCOMPARE(reopened.dvd.chapters, ChapterMarks::None);
    QCOMPARE(reopened.dvd.menuChoices, saved.dvd.menuChoices);
    QCOMPARE(reopened.dvd.menuChoices.photo, reopened.photos.at(2).path);
    QCOMPARE(reopened.settings.framing, PhotoFraming::Blur);
    QCOMPARE(child<QComboBox>("framing")->currentText(), QStringLiteral("Blurred Backdrop"));
    // The window shows it: controls, strips, NTSC frame rate, title.
    QCOMPARE(child<QSpinBox>("photoDuration")->value(), saved.settings.photoDurationMs);
    QVERIFY(child<QRadioButton>("dissolveOnly")->isChecked());
    QCOMPARE(m_window->findChild<PhotoListWidget *>()->count(), 9);
    QCOMPARE(m_window->outputFormat().frameRateNum, 30000);
    QVERIFY(!m_window->widgetFrame()->isWindowModified());
    QVERIFY(!m_window->undoStack()->canUndo());
    // The recent projects list names it first.
    auto *recent = child<QMenu>("menuRecent_Projects");
    QVERIFY(recent->isEnabled());
    QCOMPARE(recent->actions().first()->data().toString(), file);
}

void TestProject::movedFolderOpensWithItsPhotos()
{
    buildAlbum();
    const QString file = m_dir + QStringLiteral("/moved.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    const QString copy = TestSupport::freshDir(QStringLiteral("project-copy")) + QStringLiteral("/trip");
    QVERIFY(copyTree(m_dir, copy));
    m_window = std::make_unique<EditorWindow>();
    MessageAnswer messages;
    QVERIFY(m_window->openProject(copy + QStringLiteral("/moved.sorvel")));
    QVERIFY(messages.requests.isEmpty());
    const QStringList paths = photoPaths();
    QCOMPARE(paths.size(), 5);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(paths.at(i), copy + QStringLiteral("/photos/p%1.jpg").arg(i));
    QCOMPARE(paths.at(4), m_outside); // stored absolute, found where it was
    QCOMPARE(m_window->album()->audios.first().path, copy + QStringLiteral("/music/song.mp3"));
}

void TestProject::missingFilesAreListedAndKept()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("project-missing"));
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << folder + QStringLiteral("/m%1.png").arg(i);
        QVERIFY(writePhoto(files.last(), 50, 40));
    }
    importPhotos(files);
    const QString file = folder + QStringLiteral("/album.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    const QByteArray saved = readAll(file);
    QVERIFY(QFile::rename(files.at(1), files.at(1) + QStringLiteral(".away")));
    m_window = std::make_unique<EditorWindow>();
    MessageAnswer messages(QDialogButtonBox::Close);
    QVERIFY(m_window->openProject(file));
    // The missing photo keeps its place, marked; the preview and the DVD
    // see the other two.
    QCOMPARE(photoPaths(), files);
    QVERIFY(m_window->album()->photos.at(1).missing);
    QCOMPARE(m_window->album()->present().photos.size(), 2);
    QCOMPARE(messages.requests.size(), 1);
    QVERIFY(messages.requests.first().items.join(QLatin1Char('\n')).contains(files.at(1)));
    QVERIFY(!messages.requests.first().items.join(QLatin1Char('\n')).contains(files.at(0)));
    QVERIFY(!m_window->widgetFrame()->isWindowModified());
    // Saved again, it is the same project: nothing was dropped.
    QVERIFY(m_window->saveProjectTo(file));
    QCOMPARE(readAll(file), saved);
    // The photo put back comes back.
    QVERIFY(QFile::rename(files.at(1) + QStringLiteral(".away"), files.at(1)));
    m_window = std::make_unique<EditorWindow>();
    QVERIFY(m_window->openProject(file));
    QCOMPARE(photoPaths(), files);
    QVERIFY(!m_window->album()->photos.at(1).missing);
    QCOMPARE(messages.requests.size(), 1);
}

void TestProject::handWrittenProjectOpens()
{
    // Only the paths: every setting and edit takes its default, and the
    // photos get motion keys of their own, as imported ones do.
    const QString file = m_dir + QStringLiteral("/hand.sorvel");
    QVERIFY(writeText(file,
                      "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {},"
                      " \"photos\": [{\"path\": \"photos/p0.jpg\"}, {\"path\": \"photos/p2.jpg\"}],"
                      " \"clips\": [{\"path\": \"music/song.mp3\", \"clipStart\": 1, \"clipEnd\": 5}]}"));
    MessageAnswer messages;
    QVERIFY(m_window->openProject(file));
    QVERIFY(messages.requests.isEmpty());
    QCOMPARE(photoPaths(), (QStringList{m_photos.at(0), m_photos.at(2)}));
    const Album *album = m_window->album();
    QCOMPARE(album->settings.photoDurationMs, 5000);
    QCOMPARE(album->dvd.atEnd, ShowEnd::Repeat); // as discs did before the choice
    QVERIFY(!album->dvd.menu);                   // nor had those discs a menu
    QCOMPARE(album->dvd.menuChoices.backdrop, MenuBackdrop::FirstPhoto);
    QVERIFY(album->dvd.menuChoices.title.isEmpty());
    QVERIFY(!album->dvd.menuChoices.music); // nor music under it
    // 4:3 with one chapter and photos fitted, as discs were before the
    // choices; the preview composes that shape.
    QCOMPARE(album->dvd.aspect, DvdAspect::Standard);
    QCOMPARE(album->dvd.chapters, ChapterMarks::None);
    QCOMPARE(album->settings.framing, PhotoFraming::Fit);
    QCOMPARE(m_window->outputFormat().aspectNum, 4);
    QVERIFY(!(album->photos.at(0).motionStart == album->photos.at(0).motionEnd));
    QCOMPARE(album->audios.size(), 1);
    QCOMPARE(album->audios.first().clipLength(), 4.0);
    QVERIFY(m_window->storyboard()->totalFrames() > 0);
    // Written before the loudness was evened out: it plays as it did, and
    // its clip is measured for when the user turns it on.
    QVERIFY(!album->settings.evenLoudness && !album->settings.fadeAudio);
    QCOMPARE(album->settings.crossfadeMs, 0);
    QVERIFY(album->audios.first().loudness.measured);
    QVERIFY(!child<QCheckBox>("evenLoudness")->isChecked());

    // One key without the other is a damaged file, and the message names it.
    QVERIFY(writeText(file,
                      "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {}, \"clips\": [],"
                      " \"photos\": [{\"path\": \"photos/p0.jpg\", \"motionStart\": "
                      "{\"kind\": 0, \"values\": [0, 0, 0, 0]}}]}"));
    QVERIFY(!m_window->openProject(file));
    QCOMPARE(messages.requests.size(), 1);
    QVERIFY(messages.requests.first().text.contains(QStringLiteral("damaged")));
    QVERIFY(messages.requests.first().text.contains(file));
}

void TestProject::damagedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QByteArray good = Project::toJson(Album(), QDir(m_dir));
    QTest::newRow("truncated") << good.left(good.size() / 2) << QStringLiteral("damaged");
    QTest::newRow("other json") << QByteArray("{\"photos\": [], \"name\": \"x\"}")
                                << QStringLiteral("not a Sorvel project");
    QTest::newRow("text") << QByteArray("hello\n") << QStringLiteral("not a Sorvel project");
    QByteArray future = good;
    future.replace("\"version\": 1", "\"version\": 7");
    QTest::newRow("newer version") << future << QStringLiteral("newer version");
    QByteArray badOp = good;
    badOp.replace("\"photos\": [\n    ]", "\"photos\": [{\"path\": \"a.jpg\", \"transformOps\": [9]}]");
    QTest::newRow("bad photo") << badOp << QStringLiteral("damaged");
    QByteArray badRate = good;
    badRate.replace("\"videoBitRate\": 9000000", "\"videoBitRate\": 90");
    QTest::newRow("bad rate") << badRate << QStringLiteral("damaged");
    QByteArray badEnd = good;
    badEnd.replace("\"atEnd\": \"repeat\"", "\"atEnd\": \"sometimes\"");
    QVERIFY(badEnd != good);
    QTest::newRow("bad end of show") << badEnd << QStringLiteral("damaged");
    QByteArray badAspect = good;
    badAspect.replace("\"aspect\": \"16:9\"", "\"aspect\": \"21:9\"");
    QVERIFY(badAspect != good);
    QTest::newRow("bad aspect") << badAspect << QStringLiteral("damaged");
    QByteArray badFraming = good;
    badFraming.replace("\"framing\": \"fit\"", "\"framing\": 2");
    QVERIFY(badFraming != good);
    QTest::newRow("bad framing") << badFraming << QStringLiteral("damaged");
}

void TestProject::damagedFilesChangeNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    importPhotos(m_photos.mid(0, 2));
    const QString file =
        TestSupport::freshDir(QStringLiteral("project-damaged")) + QStringLiteral("/x.sorvel");
    QVERIFY(writeText(file, content));
    const AlbumSnapshot before = AlbumSnapshot::of(*m_window->album());
    const int steps = m_window->undoStack()->count();
    MessageAnswer messages;
    QVERIFY(!m_window->openProject(file));
    QCOMPARE(messages.requests.size(), 1);
    QCOMPARE(messages.requests.first().kind, MessageBox::Alert);
    QVERIFY2(messages.requests.first().text.contains(message), qPrintable(messages.requests.first().text));
    QVERIFY(AlbumSnapshot::of(*m_window->album()).sameAs(before));
    QCOMPARE(m_window->findChild<PhotoListWidget *>()->count(), 3);
    QCOMPARE(m_window->undoStack()->count(), steps);
    QVERIFY(m_window->projectPath().isEmpty());
}

void TestProject::savingOntoReadOnlyFolderKeepsPreviousFile()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("project-readonly"));
    const QString file = folder + QStringLiteral("/album.sorvel");
    importPhotos(m_photos.mid(0, 1));
    QVERIFY(m_window->saveProjectTo(file));
    const QByteArray before = readAll(file);
    importPhotos(m_photos.mid(1, 2));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    // The administrator may write anywhere: make the folder immutable then.
    bool immutable = false;
    if (QFileInfo(folder).isWritable() && ::geteuid() == 0)
        immutable = runTool(QStringLiteral("chattr"), {QStringLiteral("+i"), folder});
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("this file system lets the test write into a read-only folder");
    }
    MessageAnswer messages;
    const bool saved = m_window->saveProjectTo(file);
    if (immutable)
        runTool(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(messages.requests.size(), 1);
    QVERIFY(messages.requests.first().text.contains(QStringLiteral("cannot be saved")));
    QCOMPARE(readAll(file), before);
    QVERIFY(m_window->widgetFrame()->isWindowModified());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("album.sorvel")});
}

void TestProject::savingOntoFullFileSystemKeepsPreviousFile()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("project-full"));
    // A small file system of its own when the test may mount one; else a
    // file size limit stands in for the full disk.
    const bool mounted =
        ::geteuid() == 0 &&
        runTool(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=256k"), QStringLiteral("tmpfs"), folder});
    const QString file = folder + QStringLiteral("/album.sorvel");
    importPhotos(m_photos.mid(0, 1));
    QVERIFY(m_window->saveProjectTo(file));
    const QByteArray before = readAll(file);
    importPhotos(m_photos);
    MessageAnswer messages;
    bool saved = true;
    if (mounted) {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        QCOMPARE(QStorageInfo(folder).bytesAvailable(), qint64(0));
        saved = m_window->saveProjectTo(file);
        filler.remove();
        QCOMPARE(readAll(file), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("album.sorvel")});
        runTool(QStringLiteral("umount"), {folder});
    } else {
        struct rlimit old;
        ::getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = rlim_t(before.size() + 64);
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        saved = m_window->saveProjectTo(file);
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(readAll(file), before);
    }
    QVERIFY(!saved);
    QCOMPARE(messages.requests.size(), 1);
    QCOMPARE(messages.requests.first().kind, MessageBox::Alert);
    QVERIFY(messages.requests.first().text.contains(QStringLiteral("cannot be saved")));
    QVERIFY(m_window->widgetFrame()->isWindowModified());
}

void TestProject::undoAndRedoEveryKindOfChange()
{
    QList<AlbumSnapshot> states{AlbumSnapshot::of(*m_window->album())};
    auto step = [&] { states << AlbumSnapshot::of(*m_window->album()); };
    PhotoListWidget *strip = m_window->findChild<PhotoListWidget *>();
    importPhotos(m_photos.mid(0, 3));
    step();
    {
        ChooserAnswer answer({m_clip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    step();
    QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, 0));
    QTest::mouseClick(child<QToolButton>("turnRight"), Qt::LeftButton);
    step();
    QTest::mouseClick(child<QToolButton>("flip"), Qt::LeftButton);
    step();
    QTest::mouseClick(child<QToolButton>("moveRight"), Qt::LeftButton);
    step();
    child<QAction>("actionSortDescending")->trigger();
    step();
    child<QAction>("actionDelete")->trigger();
    step();
    auto *photo = child<QSpinBox>("photoDuration");
    photo->setFocus();
    QTest::keyClick(photo, Qt::Key_Up);
    QTest::keyClick(photo, Qt::Key_Up); // one step for both
    step();
    child<QCheckBox>("useDynamicEffect")->click();
    step();
    // "Edit Audio": the clip ends at 4 s, set with the dialog's slider bar.
    auto *poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        auto *bar = dialog->findChild<ClipSliderBar *>(QStringLiteral("sliderClipping"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->xOfValue(4) + 1, bar->foreTop() + 3));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("setOutPoint")), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    poll->start(20);
    QTest::mouseClick(child<QPushButton>("editAudio"), Qt::LeftButton);
    QCOMPARE(m_window->album()->audios.first().clipEnd, 4.0);
    QCOMPARE(child<QAction>("actionUndo")->text(), QStringLiteral("Undo Edit Audio"));
    step();
    DvdChoices dvd = m_window->dvdChoices();
    dvd.videoBitRate = 5000000;
    m_window->setDvdChoices(dvd);
    step();

    QUndoStack *undo = m_window->undoStack();
    QCOMPARE(undo->count(), states.size() - 1);
    QCOMPARE(child<QAction>("actionUndo")->text(), QStringLiteral("Undo DVD Settings"));
    QVERIFY(makeActive(m_window->widgetFrame()));
    for (int i = states.size() - 2; i >= 0; --i) {
        QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY2(AlbumSnapshot::of(*m_window->album()).sameAs(states.at(i)), qPrintable(QString::number(i)));
    }
    QVERIFY(undo->isClean());
    QVERIFY(!m_window->widgetFrame()->isWindowModified());
    QCOMPARE(strip->count(), 0);
    QCOMPARE(photo->value(), 5000);
    for (int i = 1; i < states.size(); ++i) {
        QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QVERIFY2(AlbumSnapshot::of(*m_window->album()).sameAs(states.at(i)), qPrintable(QString::number(i)));
    }
    // What the strips and controls show follows.
    QCOMPARE(strip->count(), 3);
    QVERIFY(!child<QCheckBox>("useDynamicEffect")->isChecked());
    QCOMPARE(photo->value(), m_window->album()->settings.photoDurationMs);
    QVERIFY(m_window->findChild<AudioListWidget *>()->item(0)->toolTip().contains(
        QStringLiteral("End Point:&nbsp;<b>00:00:04</b>")));
}

// The edits the test above leaves out, each made with the window's own
// controls: every one is one step under the name of its command.
void TestProject::undoAndRedoTheOtherEdits()
{
    PhotoListWidget *photos = m_window->findChild<PhotoListWidget *>();
    AudioListWidget *clips = m_window->findChild<AudioListWidget *>();
    auto *undoAction = child<QAction>("actionUndo");
    QList<AlbumSnapshot> states{AlbumSnapshot::of(*m_window->album())};
    auto step = [&](const char *label) {
        states << AlbumSnapshot::of(*m_window->album());
        const QString expected = QStringLiteral("Undo ") + QLatin1String(label);
        if (undoAction->text() == expected && m_window->undoStack()->count() == states.size() - 1)
            return true;
        qWarning() << "after" << label << "the undo menu says" << undoAction->text() << "with"
                   << m_window->undoStack()->count() << "steps";
        return false;
    };
    auto clickRow = [](QListWidget *strip, int row) {
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(strip, row));
    };

    importPhotos(m_photos.mid(0, 3)); // the second one is turned by its EXIF data
    QVERIFY(step("Import Photos"));
    {
        ChooserAnswer answer({m_clip, m_shortClip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    QVERIFY(step("Import Audio"));
    clickRow(photos, 0);
    QTest::mouseClick(child<QToolButton>("mirror"), Qt::LeftButton);
    QVERIFY(step("Mirror"));
    clickRow(photos, 2);
    QTest::mouseClick(child<QToolButton>("restore"), Qt::LeftButton);
    QVERIFY(step("Restore"));
    QTest::mouseClick(child<QToolButton>("autoRotate"), Qt::LeftButton);
    QVERIFY(step("Auto Rotate"));
    child<QAction>("actionAuto_Rotate_All_Photos")->trigger();
    QVERIFY(step("Auto Rotate All Photos"));
    clickRow(photos, 2);
    QTest::mouseClick(child<QToolButton>("moveLeft"), Qt::LeftButton);
    QVERIFY(step("Move Left"));
    {
        DragTo target(photos, rowCentre(photos, 1), Qt::ControlModifier);
        dragItem(photos, 0);
    }
    QVERIFY(step("Copy Photos"));
    auto *transition = child<QSpinBox>("transitionDuration");
    transition->setFocus();
    QTest::keyClick(transition, Qt::Key_Down);
    QVERIFY(step("Transition Duration"));
    child<QCheckBox>("useTransition")->click();
    QVERIFY(step("Use Transition"));
    child<QCheckBox>("useTransition")->click();
    QVERIFY(step("Use Transition"));
    child<QRadioButton>("dissolveOnly")->click();
    QVERIFY(step("Transition Type"));
    child<QCheckBox>("loopAudio")->click();
    QVERIFY(step("Loop Audio"));
    {
        // A person picks the framing from the list with the keyboard.
        QComboBox *framing = child<QComboBox>("framing");
        framing->setFocus();
        QTest::keyClick(framing, Qt::Key_Down);
        QCOMPARE(m_window->album()->settings.framing, PhotoFraming::Fill);
        QVERIFY(step("Framing"));
        // The 4:3 shape chosen for the DVD: one step, and the preview
        // composes that frame.
        QCOMPARE(m_window->outputFormat().aspectNum, 16);
        DvdChoices dvd = m_window->album()->dvd;
        dvd.aspect = DvdAspect::Standard;
        m_window->setDvdChoices(dvd);
        QVERIFY(step("DVD Settings"));
        QCOMPARE(m_window->outputFormat().aspectNum, 4);
    }
    QTest::mouseClick(child<QPushButton>("syncWithAudio"), Qt::LeftButton);
    QVERIFY(step("Sync with Audio"));
    clickRow(clips, 1);
    QTest::mouseClick(child<QToolButton>("moveLeft"), Qt::LeftButton);
    QVERIFY(step("Move Left"));
    // Sorted by size already: nothing to record.
    child<QAction>("actionSortBySize")->trigger();
    QCOMPARE(m_window->undoStack()->count(), states.size() - 1);
    child<QAction>("actionSortDescending")->trigger();
    QVERIFY(step("Sort"));
    clickRow(clips, 0);
    child<QAction>("actionDelete")->trigger();
    QVERIFY(step("Delete"));
    child<QAction>("actionClear")->trigger();
    QVERIFY(step("Clear"));

    // Every state comes back in order, and goes forward again.
    QVERIFY(makeActive(m_window->widgetFrame()));
    for (int i = states.size() - 2; i >= 0; --i) {
        QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY2(AlbumSnapshot::of(*m_window->album()).sameAs(states.at(i)), qPrintable(QString::number(i)));
    }
    QCOMPARE(photos->count(), 0);
    for (int i = 1; i < states.size(); ++i) {
        QTest::keySequence(m_window->widgetFrame(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QVERIFY2(AlbumSnapshot::of(*m_window->album()).sameAs(states.at(i)), qPrintable(QString::number(i)));
    }
    QCOMPARE(photos->count(), 7);
    QCOMPARE(clips->count(), 0);
    QVERIFY(child<QRadioButton>("dissolveOnly")->isChecked());
    QVERIFY(child<QCheckBox>("loopAudio")->isChecked());
    QCOMPARE(child<QComboBox>("framing")->currentText(), QStringLiteral("Fill"));
    QCOMPARE(transition->value(), 1480);
}

// A duration typed to another value and back leaves nothing to undo, and
// neither does a "Sync with Audio" that cannot fit; the reorder after them
// is a step of its own under its own name.
void TestProject::durationTypedBackThenReorderIsItsOwnStep()
{
    QMainWindow *frame = m_window->widgetFrame();
    QUndoStack *undo = m_window->undoStack();
    auto *undoAction = child<QAction>("actionUndo");
    importPhotos(m_photos.mid(0, 3));
    {
        ChooserAnswer answer({m_shortClip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    const int steps = undo->count();
    const QStringList order = photoPaths();
    QVERIFY(makeActive(frame));

    auto *duration = child<QSpinBox>("photoDuration");
    duration->setFocus();
    duration->selectAll();
    QTest::keyClicks(duration, QStringLiteral("6000"));
    QTest::keyClick(duration, Qt::Key_Return);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 6040);
    QCOMPARE(undoAction->text(), QStringLiteral("Undo Photo Duration"));
    duration->selectAll();
    QTest::keyClicks(duration, QStringLiteral("5000"));
    QTest::keyClick(duration, Qt::Key_Return);
    QCOMPARE(duration->value(), 5000);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 5000);
    QCOMPARE(undo->count(), steps);
    QCOMPARE(undoAction->text(), QStringLiteral("Undo Import Audio"));

    // One second of music for three photos: nothing to fit.
    QTest::mouseClick(child<QPushButton>("syncWithAudio"), Qt::LeftButton);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 5000);
    QCOMPARE(undo->count(), steps);

    PhotoListWidget *strip = m_window->findChild<PhotoListWidget *>();
    {
        DragTo target(strip, rowCentre(strip, 4));
        dragItem(strip, 0);
    }
    QCOMPARE(photoPaths(), (QStringList{order.at(1), order.at(2), order.at(0)}));
    QCOMPARE(undo->count(), steps + 1);
    QCOMPARE(undoAction->text(), QStringLiteral("Undo Move Photos"));
    QTest::keySequence(frame, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(photoPaths(), order);
    QCOMPARE(m_window->album()->settings.photoDurationMs, 5000);
    QCOMPARE(undoAction->text(), QStringLiteral("Undo Import Audio"));
}

void TestProject::unsavedChangesQuestion()
{
    QMainWindow *frame = m_window->widgetFrame();
    // Nothing changed: no question.
    {
        MessageAnswer messages;
        child<QAction>("actionNew_Project")->trigger();
        QVERIFY(messages.requests.isEmpty());
    }
    importPhotos(m_photos.mid(0, 2));
    {
        MessageAnswer cancel(QDialogButtonBox::Cancel);
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        QCOMPARE(cancel.requests.size(), 1);
        QCOMPARE(cancel.requests.first().buttons,
                 QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel);
        ChooserAnswer chooser({QStringLiteral("/never/used.sorvel")});
        child<QAction>("actionOpen_Project")->trigger();
        QVERIFY(chooser.requests.isEmpty()); // cancelled before the chooser
        child<QAction>("actionNew_Project")->trigger();
        QCOMPARE(m_window->album()->photos.size(), 2);
    }
    {
        // Save: the chooser asks where, then New goes on with an empty album.
        MessageAnswer save(QDialogButtonBox::Save);
        const QString file =
            TestSupport::freshDir(QStringLiteral("project-question")) + QStringLiteral("/q.sorvel");
        ChooserAnswer chooser({file});
        child<QAction>("actionNew_Project")->trigger();
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(m_window->album()->photos.isEmpty());
        QVERIFY(m_window->projectPath().isEmpty());
    }
    importPhotos(m_photos.mid(0, 1));
    {
        MessageAnswer discard(QDialogButtonBox::Discard);
        QVERIFY(frame->close());
        QCOMPARE(discard.requests.size(), 1);
    }
}

void TestProject::projectFromTheCommandLine()
{
    importPhotos(m_photos.mid(0, 2));
    const QString file = TestSupport::freshDir(QStringLiteral("project-cli")) + QStringLiteral("/cli.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    m_window = std::make_unique<EditorWindow>();
    auto *app = qobject_cast<SingleApplication *>(QCoreApplication::instance());
    QVERIFY(!app->isRunning());
    m_window->listenToInstances(app);
    QCOMPARE(TestSupport::run(TestSupport::builtProgram(QStringLiteral("sorvel")), {file}, nullptr, 30000),
             0);
    QTRY_COMPARE(m_window->projectPath(), file);
    QCOMPARE(photoPaths(), m_photos.mid(0, 2));
    QVERIFY(m_window->widgetFrame()->windowTitle().startsWith(QStringLiteral("cli[*]")));
}

void TestProject::makeDvdOfSavedProject()
{
    importPhotos(m_photos.mid(0, 2));
    child<QSpinBox>("photoDuration")->setValue(1000);
    child<QSpinBox>("transitionDuration")->setValue(500);
    DvdChoices dvd = m_window->dvdChoices();
    dvd.videoBitRate = 2000000;
    dvd.volumeLabel = QStringLiteral("PROJECTDISC");
    dvd.atEnd = ShowEnd::Stop;
    dvd.menu = false; // a disc with a menu returns to it instead of stopping
    m_window->setDvdChoices(dvd);
    const QString work = TestSupport::freshDir(QStringLiteral("project-makedvd"));
    const QString file = work + QStringLiteral("/short.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    const double windowLength = m_window->album()->videoLength();
    const int windowFrames = m_window->storyboard()->totalFrames();
    QByteArray output;
    const int code =
        TestSupport::run(TestSupport::builtProgram(QStringLiteral("sorvel")),
                         {QStringLiteral("make-dvd"), QStringLiteral("--quiet"), QStringLiteral("--yes"),
                          QStringLiteral("--to-folder"), work + QStringLiteral("/out"),
                          QStringLiteral("--temp-dir"), work + QStringLiteral("/tmp"), file},
                         &output, 300000);
    QVERIFY2(code == 0, output.constData());
    const QString disc = work + QStringLiteral("/out/PROJECTDISC");
    const DvdCheck::Disc read = DvdCheck::read(disc);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.titles.size(), 1);
    QVERIFY2(qAbs(read.titles.first().seconds - windowLength) < 0.5,
             qPrintable(QStringLiteral("%1 vs %2").arg(read.titles.first().seconds).arg(windowLength)));
    QCOMPARE(read.titles.first().pal, 1);
    // The DVD has the frames the window counts, and stops at the end as
    // the project says.
    const DvdCheck::DecodeResult decoded =
        DvdCheck::decodeTitle(disc, read.titles.first().titleSet, work + QStringLiteral("/title.vob"));
    QVERIFY2(decoded.ok, qPrintable(decoded.error));
    QCOMPARE(decoded.videoFrames, windowFrames);
    const DvdInspect::Walk walk = DvdInspect::walk(disc, 100000);
    QVERIFY2(walk.ok, qPrintable(walk.error));
    QVERIFY(walk.stopped);
    QCOMPARE(walk.titleStarts, 1);
    // A new album's disc is widescreen with a chapter at each photo.
    QCOMPARE(read.titles.first().aspect, 3);
    QCOMPARE(read.titles.first().partCount, 2);

    // The same project as it was written before the shape and the chapters
    // were choices makes the disc it made then: 4:3, one chapter.
    QJsonObject root = QJsonDocument::fromJson(readAll(file)).object();
    QJsonObject oldDvd = root.value(QStringLiteral("dvd")).toObject();
    oldDvd.remove(QStringLiteral("aspect"));
    oldDvd.remove(QStringLiteral("chapters"));
    oldDvd.insert(QStringLiteral("volumeLabel"), QStringLiteral("OLDDISC"));
    root.insert(QStringLiteral("dvd"), oldDvd);
    QJsonObject oldSettings = root.value(QStringLiteral("settings")).toObject();
    oldSettings.remove(QStringLiteral("framing"));
    root.insert(QStringLiteral("settings"), oldSettings);
    const QString oldFile = work + QStringLiteral("/old.sorvel");
    QVERIFY(writeText(oldFile, QJsonDocument(root).toJson()));
    QVERIFY2(TestSupport::run(TestSupport::builtProgram(QStringLiteral("sorvel")),
                              {QStringLiteral("make-dvd"), QStringLiteral("--quiet"), QStringLiteral("--yes"),
                               QStringLiteral("--to-folder"), work + QStringLiteral("/out"),
                               QStringLiteral("--temp-dir"), work + QStringLiteral("/tmp"), oldFile},
                              &output, 300000) == 0,
             output.constData());
    const DvdCheck::Disc old = DvdCheck::read(work + QStringLiteral("/out/OLDDISC"));
    QVERIFY2(old.ok, qPrintable(old.error));
    QCOMPARE(old.titles.first().aspect, 0);
    QCOMPARE(old.menuAspect, 0);
    QCOMPARE(old.titles.first().partCount, 1);
}

int main(int argc, char **argv)
{
    SingleApplication app(QString(), argc, argv);
    app.initSettings();
    TestProject test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_project.moc"
