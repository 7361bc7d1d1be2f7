// The editor under a hostile user: work kept through a kill (autosave and
// recovery), missing files kept and relinked, Save As onto an existing
// name, special files (named pipes, devices), huge and out-of-range
// projects, long lists, the single-instance channel's bounds, imports that
// arrive while another runs or while "Edit Audio" is open, names in other
// byte encodings, the reports, the keyboard and a display without OpenGL.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QLocalSocket>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "album/autosave.h"
#include "album/project.h"
#include "desktop/singleapplication.h"
#include "dialogs/editaudiodialog.h"
#include "dialogs/progressdialog.h"
#include "engine/storyboardrender.h"
#include "editortestutil.h"
#include "framework/settingsstore.h"
#include "window/editorwindow.h"
#include "window/importprogress.h"
#include "window/photolistwidget.h"

using namespace EditorTest;
using TestSupport::ScopedEnv;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QStringList pathsOf(const Album &album)
{
    QStringList out;
    for (const ImageInfo &photo : album.photos)
        out << photo.path;
    return out;
}

QStringList recoveryFiles()
{
    return QDir(AutoSave::folder()).entryList({QStringLiteral("recovery-*.sorvel")}, QDir::Files);
}

// Visible top-level widgets of a type.
template <typename T> int visibleCount()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<T *>(w) && w->isVisible() ? 1 : 0;
    return n;
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void saveAsAsksBeforeReplacing();
    void relinkFindsAMovedFolder();
    void placeholdersShowInTheStrip();
    void recoveryAfterAKilledEditor();
    void recoveryFileGoesWithACleanSave();
    void specialFilesNeverBlock();
    void hugeAndEndlessProjectsAreRefused();
    void outOfRangeValuesAreClampedWithANote();
    void longListsScroll();
    void channelRefusesOversizedAndEndlessClients();
    void channelSurvivesManyIdleClients();
    void channelFallbackFolderMustBePrivate();
    void queuedImportsGiveOneReport();
    void editAudioKeepsClipsThatArrive();
    void undecodableNamesAreReported();
    void reportsGiveEachFileItsReason();
    void settingsPanelFitsAndTabHasNoDeadStops();
    void shortcutsShownInMenusAndTooltips();
    void progressDialogNamesTheActionAfterMaking();
    void offscreenPlatformRunsWithoutThePreview();

private:
    template <typename T> T *child(const char *name) const
    {
        T *w = m_window->findChild<T *>(QString::fromLatin1(name));
        return w ? w : m_window->widgetFrame()->findChild<T *>(QString::fromLatin1(name));
    }
    void importPhotos(const QStringList &paths);

    QString m_dir;
    QStringList m_photos;
    QString m_clip;
    QString m_clip2;
    std::unique_ptr<EditorWindow> m_window;
};

void TestRobustness::initTestCase()
{
    qputenv("ALSOFT_DRIVERS", "null");
    m_dir = TestSupport::freshDir(QStringLiteral("robustness"));
    for (int i = 0; i < 3; ++i) {
        m_photos << m_dir + QStringLiteral("/r%1.jpg").arg(i);
        QVERIFY(writePhoto(m_photos.last(), 96, 64, qRgb(60 * i, 100, 90)));
    }
    m_clip = m_dir + QStringLiteral("/one.mp3");
    QVERIFY(writeAudio(m_clip, 3.0));
    m_clip2 = m_dir + QStringLiteral("/two.mp3");
    QVERIFY(writeAudio(m_clip2, 2.0));
}

void TestRobustness::init()
{
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window->widgetFrame()));
}

void TestRobustness::cleanup()
{
    m_window.reset();
}

void TestRobustness::importPhotos(const QStringList &paths)
{
    ChooserAnswer answer(paths);
    QTest::mouseClick(child<QToolButton>("importPicture"), Qt::LeftButton);
}

void TestRobustness::saveAsAsksBeforeReplacing()
{
    // "precious" typed without a suffix: the dialog checked that name, the
    // suffix makes it an existing project, which is kept unless the
    // person says to replace it.
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-saveas"));
    const QString precious = folder + QStringLiteral("/precious.sorvel");
    QVERIFY(writeText(precious, "keep me"));
    importPhotos(m_photos.mid(0, 1));
    {
        ChooserAnswer chooser({folder + QStringLiteral("/precious")});
        MessageAnswer no(QDialogButtonBox::No);
        QVERIFY(!m_window->saveProjectAs());
        QCOMPARE(no.requests.size(), 1);
        QVERIFY(no.requests.first().text.contains(QStringLiteral("precious.sorvel")));
        QCOMPARE(readAll(precious), QByteArray("keep me"));
        QVERIFY(m_window->projectPath().isEmpty());
    }
    {
        ChooserAnswer chooser({folder + QStringLiteral("/precious")});
        MessageAnswer yes(QDialogButtonBox::Yes);
        QVERIFY(m_window->saveProjectAs());
        QCOMPARE(yes.requests.size(), 1);
        QVERIFY(readAll(precious).contains("sorvel-project"));
        QCOMPARE(m_window->projectPath(), precious);
    }
    {
        // A name that is free is not asked about.
        ChooserAnswer chooser({folder + QStringLiteral("/fresh")});
        MessageAnswer none;
        QVERIFY(m_window->saveProjectAs());
        QVERIFY(none.requests.isEmpty());
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/fresh.sorvel")));
    }
}

void TestRobustness::relinkFindsAMovedFolder()
{
    // The photos' folder moved away from the project (and deeper): the
    // project opens with placeholders, Relink... on the message searches
    // the new place with its subfolders and finds them all at once.
    const QString root = TestSupport::freshDir(QStringLiteral("robust-relink"));
    const QString project = root + QStringLiteral("/project");
    QVERIFY(QDir().mkpath(project + QStringLiteral("/pictures")));
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << project + QStringLiteral("/pictures/p%1.jpg").arg(i);
        QVERIFY(QFile::copy(m_photos.at(i), files.last()));
    }
    importPhotos(files);
    {
        ChooserAnswer chooser({m_clip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    m_window->albumModel()->edit(QStringLiteral("Turn"),
                                 [](Album &a) { a.photos[1].transformOps = {OpTurnLeft}; });
    // A caption and the menu's background on photos that move.
    m_window->albumModel()->edit(QStringLiteral("Caption"), [](Album &a) {
        a.photos[2].caption.text = QStringLiteral("At the lake");
        a.dvd.menuChoices.backdrop = MenuBackdrop::Photo;
        a.dvd.menuChoices.photo = a.photos[1].path;
    });
    const QString file = project + QStringLiteral("/album.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    const Album before = *m_window->album();
    const QString moved = root + QStringLiteral("/elsewhere/deep");
    QVERIFY(QDir().mkpath(moved));
    QVERIFY(QDir().rename(project + QStringLiteral("/pictures"), moved + QStringLiteral("/pictures")));

    m_window = std::make_unique<EditorWindow>();
    MessageAnswer relink(QDialogButtonBox::Yes); // "Relink..."
    ChooserAnswer chooser({root + QStringLiteral("/elsewhere")});
    QVERIFY(m_window->openProject(file));
    QCOMPARE(relink.requests.size(), 1);
    QCOMPARE(relink.requests.first().items.size(), 3);
    QCOMPARE(relink.requests.first().buttonTexts.value(QDialogButtonBox::Yes), QStringLiteral("Relink..."));
    const Album &after = *m_window->album();
    QCOMPARE(after.missingCount(), 0);
    QCOMPARE(after.photos.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(after.photos.at(i).path, moved + QStringLiteral("/pictures/p%1.jpg").arg(i));
        QCOMPARE(after.photos.at(i).transformOps, before.photos.at(i).transformOps);
        QVERIFY(after.photos.at(i).motionStart == before.photos.at(i).motionStart);
        QVERIFY(!after.photos.at(i).thumbnail.isNull());
    }
    QCOMPARE(after.audios.size(), 1);
    QCOMPARE(after.photos.at(2).caption.text, QStringLiteral("At the lake"));
    QCOMPARE(after.dvd.menuChoices.photo, after.photos.at(1).path);
    QCOMPARE(after.menuBackdropItem(after.dvd.menuChoices), 1);
    // The relink is an edit: undone, the placeholders are back.
    QVERIFY(m_window->widgetFrame()->isWindowModified());
    QVERIFY(m_window->storyboard()->totalFrames() > 0);
    m_window->undoStack()->undo();
    QCOMPARE(m_window->album()->missingCount(), 3);
    QCOMPARE(m_window->storyboard()->totalFrames(), 0);
}

void TestRobustness::placeholdersShowInTheStrip()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-placeholder"));
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << folder + QStringLiteral("/q%1.jpg").arg(i);
        QVERIFY(QFile::copy(m_photos.at(i), files.last()));
    }
    importPhotos(files);
    const QString file = folder + QStringLiteral("/a.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    const int fullFrames = m_window->storyboard()->totalFrames();
    QVERIFY(QFile::remove(files.at(0)));
    m_window = std::make_unique<EditorWindow>();
    m_window->show(true);
    MessageAnswer close(QDialogButtonBox::Close);
    QVERIFY(m_window->openProject(file));
    auto *strip = m_window->findChild<PhotoListWidget *>();
    QCOMPARE(strip->count(), 5); // three photos, two transitions
    QCOMPARE(strip->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("q0.jpg (missing)"));
    QCOMPARE(strip->item(2)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("q1.jpg"));
    QCOMPARE(strip->item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage(),
             PhotoListWidget::missingThumbnail().convertToFormat(
                 strip->item(0)->data(Qt::DecorationRole).value<QPixmap>().toImage().format()));
    // The preview and Create DVD see two photos.
    QVERIFY(m_window->storyboard()->totalFrames() < fullFrames);
    QVERIFY(m_window->storyboard()->totalFrames() > 0);
    QVERIFY(child<QAction>("actionRelink")->isEnabled());
    QVERIFY(child<QPushButton>("burn")->isEnabled());
}

void TestRobustness::recoveryAfterAKilledEditor()
{
    // A child editor imports photos (an unsaved change), writes its
    // recovery file, and is killed; the next editor offers the work back
    // and the recovered album is the child's, unsaved.
    for (const QString &f : recoveryFiles())
        QFile::remove(AutoSave::folder() + QLatin1Char('/') + f);
    const QString runtime = TestSupport::freshDir(QStringLiteral("robust-child-runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime); // an editor of its own
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), QStringLiteral("null"));
    child.setProcessEnvironment(env);
    child.setProgram(TestSupport::builtProgram(QStringLiteral("sorvel")));
    child.setArguments(m_photos);
    child.start();
    QVERIFY(child.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(recoveryFiles().size() == 1, 60000);
    const QString file = AutoSave::folder() + QLatin1Char('/') + recoveryFiles().first();
    QVERIFY(file.contains(QString::number(child.processId())));
    // Written at once or not at all: once there, it holds the album.
    Project::Data data;
    QString projectPath;
    QString error;
    QTRY_VERIFY_WITH_TIMEOUT(AutoSave::read(file, &data, &projectPath, &error) && data.photos.size() == 3,
                             30000);
    // A live editor's file is not offered.
    QVERIFY(AutoSave::orphans().isEmpty());
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(AutoSave::orphans().size(), 1);

    MessageAnswer recover(QDialogButtonBox::Yes); // "Recover"
    QVERIFY(m_window->offerRecovery());
    QCOMPARE(recover.requests.size(), 1);
    QCOMPARE(recover.requests.first().buttonTexts.value(QDialogButtonBox::Yes), QStringLiteral("Recover"));
    QVERIFY(recover.requests.first().buttons & QDialogButtonBox::Discard);
    QVERIFY(recover.requests.first().text.contains(QStringLiteral("never saved")));
    QCOMPARE(pathsOf(*m_window->album()), m_photos);
    QVERIFY(m_window->widgetFrame()->isWindowModified());
    QVERIFY(!m_window->undoStack()->isClean());
    // The dead editor's file is gone; this editor keeps the work now.
    QVERIFY(!QFileInfo::exists(file));
    QVERIFY(AutoSave::orphans().isEmpty());
    QVERIFY(QFileInfo::exists(m_window->autoSave()->filePath()));
}

void TestRobustness::recoveryFileGoesWithACleanSave()
{
    importPhotos(m_photos.mid(0, 2));
    AutoSave *save = m_window->autoSave();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(save->filePath()), AutoSave::kQuietMs + 10000);
    QFile::Permissions perms = QFileInfo(AutoSave::folder()).permissions();
    QVERIFY(!(perms & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther)));
    const QString file = TestSupport::freshDir(QStringLiteral("robust-clean")) + QStringLiteral("/c.sorvel");
    QVERIFY(m_window->saveProjectTo(file));
    save->waitForWrites();
    QVERIFY(!QFileInfo::exists(save->filePath()));
    // Another change brings it back, naming the project; a normal end
    // removes it.
    m_window->albumModel()->edit(QStringLiteral("Drop"), [](Album &a) { a.photos.removeLast(); });
    save->saveNow();
    Project::Data data;
    QString projectPath;
    QString error;
    QVERIFY(AutoSave::read(save->filePath(), &data, &projectPath, &error));
    QCOMPARE(projectPath, file);
    QCOMPARE(data.photos.size(), 1);
    const QString path = save->filePath();
    m_window.reset();
    QVERIFY(!QFileInfo::exists(path));
}

void TestRobustness::specialFilesNeverBlock()
{
    // Named pipes as a photo, a clip and a project: refused by name at
    // once (nothing opens them, so nothing waits for a writer).
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-fifo"));
    const QString photo = folder + QStringLiteral("/pipe.jpg");
    const QString clip = folder + QStringLiteral("/pipe.mp3");
    const QString project = folder + QStringLiteral("/pipe.sorvel");
    QVERIFY(makeFifo(photo) && makeFifo(clip) && makeFifo(project));
    MessageAnswer messages;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!m_window->openProject(project));
    QCOMPARE(messages.requests.size(), 1);
    QVERIFY2(messages.requests.first().text.contains(QStringLiteral("named pipe")),
             qPrintable(messages.requests.first().text));
    m_window->openPaths({photo, clip, m_photos.at(0)});
    QVERIFY(clock.elapsed() < 30000);
    QCOMPARE(pathsOf(*m_window->album()), QStringList{m_photos.at(0)});
    QCOMPARE(messages.requests.size(), 2);
    const QStringList items = messages.requests.last().items;
    QCOMPARE(items.size(), 2);
    for (const QString &item : items)
        QVERIFY2(item.contains(QStringLiteral("named pipe")), qPrintable(item));
    // A project naming a pipe keeps it as a missing photo.
    const QString named = folder + QStringLiteral("/names-pipe.sorvel");
    QVERIFY(
        writeText(named, QStringLiteral("{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {}, "
                                        "\"photos\": [{\"path\": \"pipe.jpg\"}], \"clips\": [{\"path\": "
                                        "\"pipe.mp3\", \"clipStart\": 0, \"clipEnd\": 1}]}")
                             .toUtf8()));
    MessageAnswer close(QDialogButtonBox::Close);
    QVERIFY(m_window->openProject(named));
    QCOMPARE(m_window->album()->missingCount(), 2);
    QVERIFY(close.requests.first().items.join(QLatin1Char(' ')).contains(QStringLiteral("named pipe")));
}

void TestRobustness::hugeAndEndlessProjectsAreRefused()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-huge"));
    const QString endless = folder + QStringLiteral("/zero.sorvel");
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), endless));
    const QString huge = folder + QStringLiteral("/huge.sorvel");
    {
        QFile f(huge);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write("{\"format\": \"sorvel-project\", ") > 0);
        QVERIFY(f.resize(70 * 1024 * 1024)); // sparse: nothing is written
    }
    importPhotos(m_photos.mid(0, 1));
    const int steps = m_window->undoStack()->count();
    MessageAnswer messages;
    QVERIFY(!m_window->openProject(endless));
    QVERIFY(!m_window->openProject(huge));
    QCOMPARE(messages.requests.size(), 2);
    QVERIFY2(messages.requests.at(0).text.contains(QStringLiteral("a device")),
             qPrintable(messages.requests.at(0).text));
    QVERIFY2(messages.requests.at(1).text.contains(QStringLiteral("too large")),
             qPrintable(messages.requests.at(1).text));
    QVERIFY(!messages.requests.at(1).text.contains(QStringLiteral("not a Sorvel project")));
    QCOMPARE(pathsOf(*m_window->album()), m_photos.mid(0, 1));
    QCOMPARE(m_window->undoStack()->count(), steps);
}

void TestRobustness::outOfRangeValuesAreClampedWithANote()
{
    // Values no control would give are brought into the controls' ranges,
    // each said in a note; the project opens.
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-ranges"));
    QVERIFY(QFile::copy(m_photos.at(0), folder + QStringLiteral("/a.jpg")));
    const QString file = folder + QStringLiteral("/r.sorvel");
    QVERIFY(writeText(
        file, "{\"format\": \"sorvel-project\", \"version\": 1, \"settings\": {\"photoDurationMs\": 1,"
              " \"transitionDurationMs\": 10000}, \"photos\": [{\"path\": \"a.jpg\"}], \"clips\": []}"));
    MessageAnswer messages;
    QVERIFY(m_window->openProject(file));
    QCOMPARE(m_window->album()->settings.photoDurationMs, Album::kMinPhotoDurationMs);
    QCOMPARE(m_window->album()->settings.transitionDurationMs, Album::kMaxTransitionDurationMs);
    QCOMPARE(child<QSpinBox>("photoDuration")->value(), Album::kMinPhotoDurationMs);
    QCOMPARE(messages.requests.size(), 1);
    const QString notes = messages.requests.first().items.join(QLatin1Char('\n'));
    QVERIFY2(notes.contains(QStringLiteral("settings.photoDurationMs was 1")), qPrintable(notes));
    QVERIFY2(notes.contains(QStringLiteral("settings.transitionDurationMs was 10000")), qPrintable(notes));
}

void TestRobustness::longListsScroll()
{
    // Ten thousand lines: the box stays within the screen, its buttons on
    // it, and the list scrolls.
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QStringLiteral("/some/folder/photo-%1.jpg \u2014 missing").arg(i, 5, 10, QLatin1Char('0'));
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget *box = QApplication::activeModalWidget();
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY(box->frameGeometry().height() <= screen.height());
        auto *list = box->findChild<QListWidget *>(QStringLiteral("messageItems"));
        QVERIFY(list);
        QCOMPARE(list->count(), 10000);
        QVERIFY(list->verticalScrollBar()->isVisible());
        auto *ok = box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(ok && ok->isVisible());
        QVERIFY(screen.contains(ok->mapToGlobal(ok->rect().bottomRight())));
        checked = true;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTimer::singleShot(30000, this, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    MessageBox::list(MessageBox::Info, QStringLiteral("Files:"), lines, m_window->widgetFrame());
    QVERIFY(checked);
}

void TestRobustness::channelRefusesOversizedAndEndlessClients()
{
    auto *app = qobject_cast<SingleApplication *>(QCoreApplication::instance());
    QVERIFY(!app->isRunning());
    QStringList received;
    const QMetaObject::Connection listening = connect(app, &SingleApplication::messageReceived, this,
                                                      [&received](const QString &m) { received << m; });
    const auto stopListening = qScopeGuard([listening] { QObject::disconnect(listening); });
    const QString path = SingleApplication::socketPath(QString());
    // 2 MB without a line end: cut off, nothing delivered.
    {
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(3000));
        socket.write(QByteArray(2 * 1024 * 1024, 'x'));
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 20000);
    }
    QVERIFY(received.isEmpty());
    // Endless messages on one connection: a few are taken, then cut off.
    {
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(3000));
        QByteArray many;
        for (int i = 0; i < 200; ++i)
            many += "note " + QByteArray::number(i) + '\n';
        socket.write(many);
        QTRY_VERIFY_WITH_TIMEOUT(socket.state() == QLocalSocket::UnconnectedState, 20000);
    }
    QCOMPARE(received.size(), SingleApplication::kMaxMessages);
    // The channel still works.
    received.clear();
    QVERIFY(app->sendMessage(QStringLiteral("hello")));
    QTRY_COMPARE(received, QStringList{QStringLiteral("hello")});
}

void TestRobustness::channelSurvivesManyIdleClients()
{
    // A client opens far more idle connections than the program has
    // descriptors to spare: the extra ones are refused, the socket file
    // stays, and a later start still reaches the editor.
    auto *app = qobject_cast<SingleApplication *>(QCoreApplication::instance());
    QVERIFY(!app->isRunning());
    const QString path = SingleApplication::socketPath(QString());
    rlimit saved = {};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
    int open = 0;
    for (int fd = 0; fd < 4096; ++fd)
        open += ::fcntl(fd, F_GETFD) != -1 ? 1 : 0;
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(open + 48);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &tight) == 0);
    QProcess flood;
    flood.setProgram(QStringLiteral("python3"));
    flood.setArguments({QStringLiteral("-c"),
                        QStringLiteral("import resource,socket,sys,time\n"
                                       "hard=resource.getrlimit(resource.RLIMIT_NOFILE)[1]\n"
                                       "resource.setrlimit(resource.RLIMIT_NOFILE,(hard,hard))\n"
                                       "s=[]\n"
                                       "for i in range(400):\n"
                                       "  c=socket.socket(socket.AF_UNIX)\n"
                                       "  c.connect(sys.argv[1]); s.append(c)\n"
                                       "print('open', flush=True)\n"
                                       "time.sleep(3)\n"),
                        path});
    flood.start();
    QVERIFY(flood.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(flood.state() == QProcess::NotRunning, 30000);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
    QVERIFY2(flood.readAllStandardOutput().contains("open"), flood.readAllStandardError().constData());
    QVERIFY(QFileInfo::exists(path));
    QStringList received;
    const QMetaObject::Connection listening = connect(app, &SingleApplication::messageReceived, this,
                                                      [&received](const QString &m) { received << m; });
    const auto stopListening = qScopeGuard([listening] { QObject::disconnect(listening); });
    QVERIFY(app->sendMessage(QStringLiteral("still here")));
    QTRY_COMPARE(received, QStringList{QStringLiteral("still here")});
}

void TestRobustness::channelFallbackFolderMustBePrivate()
{
    // Without a private runtime folder, the channel lives in a folder of
    // the user's own in the temporary folder, never in one somebody else
    // made (or could make): a link planted under the name, or a runtime
    // folder others may enter, is not used.
    // A short folder of its own: the socket path must stay within the
    // socket name limit wherever the build tree lies.
    QTemporaryDir shortTmp(QStringLiteral("/tmp/sorvel-rc-XXXXXX"));
    QVERIFY(shortTmp.isValid());
    const QString tmp = shortTmp.path();
    ScopedEnv tmpdir("TMPDIR", tmp);
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", tmp); // 0755: not private
        QFile::setPermissions(tmp, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                       QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        const QString path = SingleApplication::socketPath(QStringLiteral("robust"));
        QVERIFY(!path.isEmpty());
        QVERIFY2(!path.startsWith(tmp + QStringLiteral("/sorvel-") + QString::number(::getuid()) +
                                  QLatin1Char('-')),
                 qPrintable(path));
        const QString folder = QFileInfo(path).absolutePath();
        QCOMPARE(folder, tmp + QStringLiteral("/sorvel-runtime-") + QString::number(::getuid()));
        QFileInfo fi(folder);
        QCOMPARE(fi.ownerId(), ::getuid());
        QCOMPARE(int(fi.permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther |
                                         QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup)),
                 0);
    }
    {
        // The fallback name taken by a link to another folder: no channel.
        const QString other = TestSupport::freshDir(QStringLiteral("robust-channel-other"));
        QTemporaryDir shortTmp2(QStringLiteral("/tmp/sorvel-rc-XXXXXX"));
        QVERIFY(shortTmp2.isValid());
        const QString tmp2 = shortTmp2.path();
        QFile::setPermissions(tmp2, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup |
                                        QFile::ExeGroup);
        ScopedEnv tmpdir2("TMPDIR", tmp2);
        ScopedEnv runtime("XDG_RUNTIME_DIR", tmp2);
        QVERIFY(QFile::link(other, tmp2 + QStringLiteral("/sorvel-runtime-") + QString::number(::getuid())));
        QVERIFY(SingleApplication::socketPath(QStringLiteral("robust")).isEmpty());
    }
}

void TestRobustness::queuedImportsGiveOneReport()
{
    // Paths sent while an import runs wait for it: never a dialog over a
    // dialog, and one report of everything left out.
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-queue"));
    QStringList many;
    for (int i = 0; i < 40; ++i) {
        many << folder + QStringLiteral("/m%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(QFile::copy(m_photos.at(i % 3), many.last()));
    }
    const QString bad1 = folder + QStringLiteral("/bad1.jpg");
    const QString bad2 = folder + QStringLiteral("/bad2.jpg");
    const QString bad3 = folder + QStringLiteral("/bad3.png");
    for (const QString &bad : {bad1, bad2, bad3})
        QVERIFY(writeText(bad, "not a picture"));
    MessageAnswer messages;
    int most = 0;
    int sent = 0;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, this, [&] {
        int dialogs = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            dialogs += qobject_cast<ImportProgress *>(w) && w->isVisible() ? 1 : 0;
        most = qMax(most, dialogs);
        if (dialogs > 0 && sent == 0) {
            sent = 2;
            m_window->handleInstanceMessage(EditorWindow::openMessage({bad2}));
            m_window->handleInstanceMessage(EditorWindow::openMessage({bad3, m_photos.at(0)}));
        }
    });
    poll.start();
    m_window->openPaths(many + QStringList{bad1});
    poll.stop();
    QCOMPARE(sent, 2);
    QCOMPARE(most, 1);
    QCOMPARE(m_window->album()->photos.size(), 41);
    QCOMPARE(messages.requests.size(), 1);
    const QString report = messages.requests.first().items.join(QLatin1Char('\n'));
    for (const QString &bad : {bad1, bad2, bad3})
        QVERIFY2(report.contains(bad), qPrintable(report));
    // Nothing left out: no report at all.
    m_window->openPaths({m_photos.at(1)});
    QCOMPARE(messages.requests.size(), 1);
}

void TestRobustness::editAudioKeepsClipsThatArrive()
{
    // "Open With" a song while "Edit Audio" is open: the clip joins the
    // dialog's list, and OK keeps it.
    {
        ChooserAnswer chooser({m_clip});
        QTest::mouseClick(child<QToolButton>("importAudio"), Qt::LeftButton);
    }
    QCOMPARE(m_window->album()->audios.size(), 1);
    bool arrived = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<EditAudioDialog *>(QApplication::activeModalWidget()));
        auto *dialog = qobject_cast<EditAudioDialog *>(QApplication::activeModalWidget());
        m_window->openPaths({m_clip2});
        arrived = dialog->audioList().size() == 2;
        auto *box = dialog->findChild<QDialogButtonBox *>();
        QPushButton *ok = box ? box->button(QDialogButtonBox::Ok) : nullptr;
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            dialog->accept();
    });
    m_window->editAudio();
    QVERIFY(arrived);
    QCOMPARE(m_window->album()->audios.size(), 2);
    QCOMPARE(m_window->album()->audios.at(1).path, m_clip2);
}

void TestRobustness::undecodableNamesAreReported()
{
    // A name that is not valid UTF-8 cannot be held in a QString: it is
    // listed with its bytes escaped, never passed over in silence.
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-latin1"));
    QVERIFY(QFile::copy(m_photos.at(0), folder + QStringLiteral("/plain.jpg")));
    const QByteArray raw = QFile::encodeName(folder) + "/caf\xe9.jpg";
    QVERIFY(QFile::copy(m_photos.at(1), folder + QStringLiteral("/tmp.jpg")));
    QVERIFY(::rename(QFile::encodeName(folder + QStringLiteral("/tmp.jpg")).constData(), raw.constData()) ==
            0);
    MessageAnswer messages;
    m_window->openPaths({folder});
    QCOMPARE(m_window->album()->photos.size(), 1);
    QCOMPARE(messages.requests.size(), 1);
    QCOMPARE(messages.requests.first().items.size(), 1);
    QVERIFY2(messages.requests.first().items.first().contains(QStringLiteral("caf\\xe9.jpg")),
             qPrintable(messages.requests.first().items.first()));
    // The folder import of the window says the same.
    ChooserAnswer chooser({folder});
    m_window->importPhotoFolder();
    QCOMPARE(messages.requests.size(), 2);
    QVERIFY(messages.requests.last().items.join(QString()).contains(QStringLiteral("caf\\xe9.jpg")));
}

void TestRobustness::reportsGiveEachFileItsReason()
{
    const QString folder = TestSupport::freshDir(QStringLiteral("robust-reasons"));
    const QString text = folder + QStringLiteral("/text.jpg");
    QVERIFY(writeText(text, "just words"));
    const QString cut = folder + QStringLiteral("/cut.jpg");
    QByteArray jpeg = readAll(m_photos.at(0));
    QVERIFY(writeText(cut, jpeg.left(jpeg.size() / 2)));
    const QString pipe = folder + QStringLiteral("/pipe.png");
    QVERIFY(makeFifo(pipe));
    const QString gone = folder + QStringLiteral("/gone.jpg");
    MessageAnswer messages;
    importPhotos({text, cut, pipe, gone});
    QCOMPARE(messages.requests.size(), 1);
    const QStringList items = messages.requests.first().items;
    QCOMPARE(items.size(), 4);
    QVERIFY(items.at(0).startsWith(text) && items.at(0).endsWith(QStringLiteral("not a picture")));
    QVERIFY2(items.at(1).startsWith(cut) && items.at(1).endsWith(QStringLiteral("cut short")),
             qPrintable(items.at(1)));
    QVERIFY(items.at(2).startsWith(pipe) && items.at(2).endsWith(QStringLiteral("a named pipe (FIFO)")));
    QVERIFY(items.at(3).startsWith(gone) && items.at(3).endsWith(QStringLiteral("missing")));
    QVERIFY(!messages.requests.first().text.contains(QLatin1Char('\t')));
}

void TestRobustness::settingsPanelFitsAndTabHasNoDeadStops()
{
    QMainWindow *frame = m_window->widgetFrame();
    importPhotos(m_photos);
    frame->resize(1024, 700);
    QTRY_COMPARE(frame->size(), QSize(1024, 700));
    QVERIFY(makeActive(frame));
    const QString shots = qEnvironmentVariable("SORVEL_SCREENSHOTS");
    if (!shots.isEmpty())
        frame->grab().save(shots + QStringLiteral("/editor-1024x700.png"));
    // Every command of the settings panel is in sight without scrolling.
    auto *area = child<QScrollArea>("settingsScrollArea");
    for (const char *name : {"editAudio", "syncWithAudio", "loopAudio", "photoDuration"}) {
        QWidget *w = child<QWidget>(name);
        QVERIFY2(w && w->isVisible(), name);
        const QRect inViewport(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
        QVERIFY2(area->viewport()->rect().contains(inViewport), name);
    }
    // Tab goes through the controls without stopping where nothing can be
    // done (a hidden, disabled or covered widget, or the same one twice in a
    // row).
    QWidget *start = child<QWidget>("photoListWidget");
    start->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QList<QWidget *> seen;
    for (int i = 0; i < 60; ++i) {
        QWidget *before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY(now);
        QVERIFY2(now != before, qPrintable(now->objectName()));
        QVERIFY2(now->isVisible() && now->isEnabled() && now->window() == frame,
                 qPrintable(now->objectName() + QLatin1Char(' ') +
                            QString::fromLatin1(now->metaObject()->className())));
        QVERIFY2(!now->visibleRegion().isEmpty(), qPrintable(now->objectName()));
        // A frame and the picture in it are one place, one stop.
        QVERIFY2(!before->isAncestorOf(now) && !now->isAncestorOf(before), qPrintable(now->objectName()));
        if (now == start)
            break;
        seen << now;
    }
    QVERIFY(seen.size() > 10);
}

void TestRobustness::shortcutsShownInMenusAndTooltips()
{
    const QList<std::pair<const char *, const char *>> pairs = {
        {"actionImport_Picture", "importPicture"}, {"actionImport_Picture_Directory", "importPictureDir"},
        {"actionImport_Audio", "importAudio"},     {"actionTurn_Left", "turnLeft"},
        {"actionTurn_Right", "turnRight"},         {"actionCreate_DVD", "burn"}};
    QSet<QKeySequence> keys;
    for (const auto &[actionName, buttonName] : pairs) {
        auto *action = child<QAction>(actionName);
        QVERIFY2(action && !action->shortcut().isEmpty(), actionName);
        QVERIFY2(!keys.contains(action->shortcut()), actionName);
        keys << action->shortcut();
        QVERIFY(!action->associatedObjects().isEmpty()); // in a menu
        auto *button = child<QAbstractButton>(buttonName);
        QVERIFY2(button->toolTip().contains(action->shortcut().toString(QKeySequence::NativeText)),
                 qPrintable(button->toolTip()));
        QVERIFY(!button->accessibleName().isEmpty() || !button->text().isEmpty());
    }
    // The shortcut does what the button does.
    QVERIFY(makeActive(m_window->widgetFrame()));
    ChooserAnswer chooser(m_photos.mid(0, 1));
    QTest::keyClick(m_window->widgetFrame(), Qt::Key_I, Qt::ControlModifier);
    QTRY_COMPARE(m_window->album()->photos.size(), 1);
}

void TestRobustness::progressDialogNamesTheActionAfterMaking()
{
    ProgressDialog dialog;
    const QString menuTitle = child<QMenu>("menuAfter_Making")->title().remove(QLatin1Char('&'));
    bool found = false;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        QVERIFY(!label->text().contains(QStringLiteral("Post Task")));
        found = found || label->text().remove(QLatin1Char(':')) == menuTitle;
    }
    QVERIFY2(found, qPrintable(menuTitle));
}

void TestRobustness::offscreenPlatformRunsWithoutThePreview()
{
    // On a platform without OpenGL windows the editor starts, imports and
    // ends on a termination signal, instead of crashing after the splash;
    // the unsaved import stays for the next start.
    const QString runtime = TestSupport::freshDir(QStringLiteral("robust-offscreen-runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString state = TestSupport::freshDir(QStringLiteral("robust-offscreen-state"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_STATE_HOME"), state);
    env.insert(QStringLiteral("ALSOFT_DRIVERS"), QStringLiteral("null"));
    child.setProcessEnvironment(env);
    child.setProgram(TestSupport::builtProgram(QStringLiteral("sorvel")));
    child.setArguments(m_photos);
    child.start();
    QVERIFY(child.waitForStarted());
    // Up, the album imported and written to the recovery file.
    const QDir recovery(state + QStringLiteral("/sorvel"));
    QTRY_VERIFY_WITH_TIMEOUT(
        !recovery.entryList({QStringLiteral("recovery-*.sorvel")}, QDir::Files).isEmpty() ||
            child.state() != QProcess::Running,
        60000);
    QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
    ::kill(pid_t(child.processId()), SIGTERM);
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QStringList kept = recovery.entryList({QStringLiteral("recovery-*.sorvel")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    Project::Data data;
    QString projectPath;
    QString error;
    QVERIFY(AutoSave::read(recovery.filePath(kept.first()), &data, &projectPath, &error));
    QCOMPARE(data.photos.size(), m_photos.size());
}

int main(int argc, char **argv)
{
    SingleApplication app(QString(), argc, argv);
    app.initSettings();
    TestRobustness test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_robustness.moc"
