// The progress dialog as a person sees it while it follows a run: rows and
// their icons through the stages of a run, failure marking, the percentage,
// the clock, the close rules with their question, "Burn Next", the action
// after making, and the result with its folder. The job's reports are given
// to the dialog directly, as its job would.
#include <QComboBox>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTest>

#include "dialogtestutil.h"
#include "dialogs/progressdialog.h"

using Dlg = ProgressDialog;

namespace {
// The stages of a run by the numbers the tables below use: 1 video, 2 menu,
// 3 authoring, 4 burning, 5 checking the disc, 6 erasing, 7 the DVD folder,
// 8 the ISO image; 9 is the run's successful end, 0 no report.
JobStage stageOf(int number)
{
    switch (number) {
    case 1:
        return JobStage::CreatingVideo;
    case 2:
        return JobStage::CreatingMenu;
    case 3:
        return JobStage::CreatingDvd;
    case 4:
        return JobStage::BurningDisc;
    case 5:
        return JobStage::CheckingDisc;
    case 6:
        return JobStage::ErasingDisc;
    case 7:
        return JobStage::CreatingFolder;
    case 8:
        return JobStage::CreatingIso;
    default:
        return JobStage::Idle;
    }
}

Destination::Type targetOf(const QString &name)
{
    return Destination::typeFromName(name);
}

JobResult ended(JobResult::Outcome outcome, const QString &message = QString(),
                Destination::Type target = Destination::Iso, const QString &output = QString())
{
    JobResult r;
    r.outcome = outcome;
    r.message = message;
    r.target = target;
    r.outputPath = output;
    return r;
}
} // namespace

class TestProgressDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepIconsArePlayable();
    void rowsPerTarget_data();
    void rowsPerTarget();
    void stateTable_data();
    void stateTable();
    void failureMarking_data();
    void failureMarking();
    void statusTexts();
    void percentage();
    void elapsedClock();
    void closeRefusedWhileCheckingDisc();
    void closeAsksWhileWorking();
    void closeAfterTheEnd();
    void burnNext();
    void postTaskActions();
    void resultAndOpenFolder();
    void followsAJob();
    void pictures();
    void controlsHaveNames();

private:
    struct Form {
        Form()
        {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        }
        template <typename T> T *get(const QString &name) { return dialog.findChild<T *>(name); }
        QLabel *rowText(int row) { return get<QLabel>(QStringLiteral("labelinfostep0%1").arg(row + 1)); }
        QLabel *rowIcon(int row) { return get<QLabel>(QStringLiteral("labelimgstep0%1").arg(row + 1)); }
        QStringList rows()
        {
            QStringList out;
            for (int r = 0; r < Dlg::kRowCount; ++r) {
                if (rowText(r)->isVisible())
                    out << rowText(r)->text();
            }
            return out;
        }
        QList<int> icons(int count)
        {
            QList<int> out;
            for (int r = 0; r < count; ++r)
                out << dialog.rowIcon(r);
            return out;
        }
        // One report of the run's stage (9: its successful end).
        void step(int number)
        {
            if (number == 9)
                dialog.showEnd(ended(JobResult::Succeeded, QString(), target));
            else if (number != 0)
                dialog.showStage(stageOf(number));
        }
        void start(const QString &name, bool menu)
        {
            target = targetOf(name);
            dialog.showRunStart(target, menu);
        }
        Dlg dialog;
        Destination::Type target = Destination::None;
    };
};

void TestProgressDialog::stepIconsArePlayable()
{
    // The pictures made by the build are movies Qt can play.
    Form f;
    f.start(QStringLiteral("toiso"), false);
    const QString skin = f.dialog.skinFolder();
    QVERIFY(skin.endsWith(QLatin1Char('/')));
    const QList<QPair<QString, int>> icons = {{QStringLiteral("idle.gif"), 1},
                                              {QStringLiteral("work.gif"), 8},
                                              {QStringLiteral("success.gif"), 1},
                                              {QStringLiteral("fail.gif"), 1}};
    for (const auto &icon : icons) {
        QMovie movie(skin + icon.first);
        QVERIFY2(movie.isValid(), qPrintable(icon.first));
        QCOMPARE(movie.frameCount(), icon.second);
        QVERIFY(movie.jumpToFrame(0));
        const QImage frame = movie.currentImage();
        QCOMPARE(frame.size(), QSize(16, 16));
        // Transparent corners, a drawn middle.
        QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
        bool drawn = false;
        for (int y = 0; y < 16; ++y)
            drawn = drawn || qAlpha(frame.pixel(8, y)) == 255;
        QVERIFY(drawn);
    }
    // The spinner moves: its frames differ.
    QMovie spinner(skin + QStringLiteral("work.gif"));
    QVERIFY(spinner.jumpToFrame(0));
    const QImage first = spinner.currentImage();
    QVERIFY(spinner.jumpToNextFrame());
    QVERIFY(spinner.jumpToNextFrame());
    QVERIFY(spinner.currentImage() != first);
}

void TestProgressDialog::rowsPerTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QStringList>("rows");
    const QString title = QStringLiteral("Creating title"), menu = QStringLiteral("Creating menu"),
                  dvd = QStringLiteral("Creating DVD");
    QTest::newRow("folder") << "tofolder" << false
                            << QStringList{title, dvd, QStringLiteral("Creating DVD Folder")};
    QTest::newRow("folder, menu") << "tofolder" << true
                                  << QStringList{title, menu, dvd, QStringLiteral("Creating DVD Folder")};
    QTest::newRow("iso") << "toiso" << false << QStringList{title, dvd, QStringLiteral("Creating ISO")};
    QTest::newRow("iso, menu") << "toiso" << true
                               << QStringList{title, menu, dvd, QStringLiteral("Creating ISO")};
    QTest::newRow("burner") << "toburner" << false
                            << QStringList{title, dvd, QStringLiteral("Checking disc"),
                                           QStringLiteral("Burning disc")};
    QTest::newRow("burner, menu") << "toburner" << true
                                  << QStringList{title, menu, dvd, QStringLiteral("Checking disc"),
                                                 QStringLiteral("Burning disc")};
    QTest::newRow("unknown") << "elsewhere" << false << QStringList{};
}

void TestProgressDialog::rowsPerTarget()
{
    QFETCH(QString, target);
    QFETCH(bool, menu);
    QFETCH(QStringList, rows);
    Form f;
    // Whatever the previous run left is cleared.
    f.start(QStringLiteral("toburner"), true);
    f.step(1);
    f.dialog.showEnd(ended(JobResult::Failed, QStringLiteral("Failed")));
    f.start(target, menu);
    QCOMPARE(f.rows(), rows);
    for (int r = 0; r < Dlg::kRowCount; ++r) {
        QCOMPARE(f.dialog.rowIcon(r), r < rows.size() ? int(Dlg::IconIdle) : int(Dlg::IconNone));
        QVERIFY(f.rowText(r)->styleSheet().isEmpty());
    }
    QVERIFY(f.get<QProgressBar>(QStringLiteral("pgbCurrentTask"))->isVisible());
}

void TestProgressDialog::stateTable_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<int>("state");
    QTest::addColumn<QList<int>>("icons");
    const int I = Dlg::IconIdle, W = Dlg::IconWorking, S = Dlg::IconSuccess;
    QTest::newRow("1 encoding") << "toiso" << false << 1 << QList<int>{W, I, I};
    QTest::newRow("2 menu") << "toiso" << true << 2 << QList<int>{S, W, I, I};
    QTest::newRow("3 authoring") << "toiso" << false << 3 << QList<int>{S, W, I};
    QTest::newRow("3 authoring, menu") << "toiso" << true << 3 << QList<int>{S, S, W, I};
    QTest::newRow("4 burning") << "toburner" << false << 4 << QList<int>{S, S, S, W};
    QTest::newRow("4 burning, menu") << "toburner" << true << 4 << QList<int>{S, S, S, S, W};
    QTest::newRow("5 checking") << "toburner" << false << 5 << QList<int>{S, S, W, I};
    QTest::newRow("6 erasing, menu") << "toburner" << true << 6 << QList<int>{S, S, S, W, I};
    QTest::newRow("7 folder") << "tofolder" << false << 7 << QList<int>{S, S, W};
    QTest::newRow("8 iso") << "toiso" << false << 8 << QList<int>{S, S, W};
    QTest::newRow("9 burner") << "toburner" << false << 9 << QList<int>{S, S, S, S};
    QTest::newRow("9 burner, menu") << "toburner" << true << 9 << QList<int>{S, S, S, S, S};
    QTest::newRow("9 iso") << "toiso" << false << 9 << QList<int>{S, S, S};
    QTest::newRow("9 folder, menu") << "tofolder" << true << 9 << QList<int>{S, S, S, S};
    QTest::newRow("0 no change") << "toiso" << false << 0 << QList<int>{I, I, I};
}

void TestProgressDialog::stateTable()
{
    QFETCH(QString, target);
    QFETCH(bool, menu);
    QFETCH(int, state);
    QFETCH(QList<int>, icons);
    Form f;
    f.start(target, menu);
    f.step(state);
    QCOMPARE(f.icons(icons.size()), icons);
    QCOMPARE(f.dialog.showsEnd(), state == 9);
    if (state != 9)
        QCOMPARE(f.dialog.shownStage(), stageOf(state));
    // The icon shown is the movie of that state.
    static const char *const files[] = {"idle.gif", "work.gif", "success.gif", "fail.gif"};
    for (int r = 0; r < icons.size(); ++r) {
        QMovie *movie = f.rowIcon(r)->movie();
        QVERIFY(movie);
        QVERIFY(movie->fileName().endsWith(QLatin1String(files[icons.at(r)])));
        QCOMPARE(movie->state(), QMovie::Running);
    }
}

void TestProgressDialog::failureMarking_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("failedRow"); // -1: none
    QTest::newRow("encoding") << "toiso" << false << 1 << 0;
    QTest::newRow("menu") << "toiso" << true << 2 << 1;
    QTest::newRow("authoring") << "toiso" << false << 3 << 1;
    QTest::newRow("authoring, menu") << "tofolder" << true << 3 << 2;
    QTest::newRow("burning") << "toburner" << false << 4 << 3;
    QTest::newRow("burning, menu") << "toburner" << true << 4 << 4;
    QTest::newRow("checking") << "toburner" << false << 5 << 2;
    QTest::newRow("erasing, menu") << "toburner" << true << 6 << 3;
    QTest::newRow("iso") << "toiso" << false << 8 << 2;
    QTest::newRow("folder, menu") << "tofolder" << true << 7 << 3;
    QTest::newRow("before any step") << "toiso" << false << 0 << -1;
}

void TestProgressDialog::failureMarking()
{
    QFETCH(QString, target);
    QFETCH(bool, menu);
    QFETCH(int, before);
    QFETCH(int, failedRow);
    Form f;
    f.start(target, menu);
    f.step(before);
    f.dialog.showEnd(ended(JobResult::Failed, QStringLiteral("Failed to create DVD!")));
    QVERIFY(f.dialog.showsEnd());
    QCOMPARE(f.dialog.shownOutcome(), JobResult::Failed);
    for (int r = 0; r < f.rows().size(); ++r) {
        const bool failed = r == failedRow;
        QCOMPARE(f.dialog.rowIcon(r) == Dlg::IconFailure, failed);
        // The failed step's text is red; the others keep the usual colour.
        const QImage text = f.rowText(r)->grab().toImage();
        bool red = false;
        for (int y = 0; y < text.height() && !red; ++y) {
            for (int x = 0; x < text.width() && !red; ++x) {
                const QColor c = text.pixelColor(x, y);
                red = c.red() > 200 && c.green() < 90 && c.blue() < 90;
            }
        }
        QCOMPARE(red, failed);
    }
    QVERIFY(!f.get<QProgressBar>(QStringLiteral("pgbCurrentTask"))->isVisible());
    QVERIFY(!f.get<QLabel>(QStringLiteral("lblCurrentTask"))->isVisible());
    QVERIFY(!f.get<QLabel>(QStringLiteral("processCurVal"))->isVisible());
}

void TestProgressDialog::statusTexts()
{
    Form f;
    f.start(QStringLiteral("toiso"), false);
    auto *title = f.get<QLabel>(QStringLiteral("lblLargeTitle"));
    auto *task = f.get<QLabel>(QStringLiteral("lblCurrentTask"));
    auto *finish = f.get<QPushButton>(QStringLiteral("btnFinish"));
    QCOMPARE(title->text(), QStringLiteral("Creating DVD..."));
    QCOMPARE(task->text(), QStringLiteral("Checking the destination..."));
    f.step(1);
    QCOMPARE(title->text(), QStringLiteral("Creating DVD..."));
    QCOMPARE(task->text(), QStringLiteral("Creating video..."));
    QCOMPARE(finish->text(), QStringLiteral("Abort"));
    QVERIFY(finish->isEnabled());
    // A stage that cannot be stopped disables Abort until it is over.
    f.dialog.showCanAbort(false);
    QVERIFY(!finish->isEnabled());
    f.dialog.showCanAbort(true);
    QVERIFY(finish->isEnabled());
    f.step(3);
    QCOMPARE(task->text(), QStringLiteral("Creating DVD..."));
    f.step(8);
    QCOMPARE(task->text(), QStringLiteral("Creating ISO"));
    QCOMPARE(f.dialog.shownStage(), JobStage::CreatingIso);
    // A message quoting a path shows its part before the quote; the whole
    // of it is shown as the result.
    f.dialog.showEnd(ended(JobResult::Failed, QStringLiteral("Failed to create folder \"/x/y\".")));
    QCOMPARE(title->text(), QStringLiteral("Failed to create folder "));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblResult"))->text(),
             QStringLiteral("Failed to create folder \"/x/y\"."));
    QCOMPARE(finish->text(), QStringLiteral("Close"));
    f.start(QStringLiteral("toiso"), false);
    f.dialog.showEnd(ended(JobResult::Failed, QStringLiteral("\"quoted\" first")));
    QCOMPARE(title->text(), QStringLiteral("\"quoted\" first"));
    // An abort says so; a failure without a reason says what failed.
    f.start(QStringLiteral("toiso"), false);
    f.dialog.showEnd(ended(JobResult::Aborted, QStringLiteral("Aborted")));
    QCOMPARE(title->text(), QStringLiteral("Aborted"));
    f.start(QStringLiteral("toiso"), false);
    f.dialog.showEnd(ended(JobResult::Failed));
    QCOMPARE(title->text(), QStringLiteral("Failed to create DVD!"));
}

void TestProgressDialog::percentage()
{
    Form f;
    auto *value = f.get<QLabel>(QStringLiteral("processCurVal"));
    auto *bar = f.get<QProgressBar>(QStringLiteral("pgbCurrentTask"));
    QCOMPARE(value->text(), QStringLiteral("0%"));
    f.dialog.showProgress(42);
    QCOMPARE(value->text(), QStringLiteral("42%"));
    QCOMPARE(bar->value(), 42);
    f.dialog.showProgress(150);
    QCOMPARE(value->text(), QStringLiteral("100%"));
    QCOMPARE(bar->value(), 100);
    f.dialog.showProgress(-3);
    QCOMPARE(value->text(), QStringLiteral("0%"));
    QCOMPARE(bar->value(), 0);
    // Each stage starts at 0.
    f.dialog.showProgress(73);
    f.step(3);
    QCOMPARE(value->text(), QStringLiteral("0%"));
}

void TestProgressDialog::elapsedClock()
{
    Form f;
    auto *clock = f.get<QLabel>(QStringLiteral("lblElapsedTime"));
    f.start(QStringLiteral("toiso"), false);
    QCOMPARE(clock->text(), QStringLiteral("Elapsed Time: 00:00:00"));
    // The clock ticks: one second or more later (a loaded machine may
    // stall this process for longer than a second between two looks).
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != QStringLiteral("Elapsed Time: 00:00:00"), 10000);
    QVERIFY2(QRegularExpression(QStringLiteral("^Elapsed Time: 00:00:[0-5][0-9]$"))
                 .match(clock->text())
                 .hasMatch(),
             qPrintable(clock->text()));
    // The end of a run stops the clock; the next run starts it afresh.
    f.step(1);
    QVERIFY(f.dialog.elapsedClockRunning());
    f.dialog.showEnd(ended(JobResult::Aborted, QStringLiteral("Aborted")));
    QVERIFY(!f.dialog.elapsedClockRunning());
    f.start(QStringLiteral("toiso"), false);
    QVERIFY(f.dialog.elapsedClockRunning());
    QCOMPARE(clock->text(), QStringLiteral("Elapsed Time: 00:00:00"));
}

void TestProgressDialog::closeRefusedWhileCheckingDisc()
{
    MessageRecorder boxes;
    Form f;
    QSignalSpy abort(&f.dialog, &Dlg::abortRequested);
    QSignalSpy clean(&f.dialog, &Dlg::closedAfterRun);
    f.start(QStringLiteral("toburner"), false);
    for (JobStage stage : {JobStage::CheckingDisc, JobStage::ErasingDisc, JobStage::FinalizingDisc}) {
        f.dialog.showStage(stage);
        f.dialog.showCanAbort(false);
        QVERIFY(!f.dialog.close());
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("btnFinish")), Qt::LeftButton);
        QVERIFY(f.dialog.isVisible());
        QVERIFY(boxes.requests.isEmpty()); // not even a question
        QCOMPARE(abort.count(), 0);
        QCOMPARE(clean.count(), 0);
    }
}

void TestProgressDialog::closeAsksWhileWorking()
{
    MessageRecorder boxes;
    Form f;
    QSignalSpy abort(&f.dialog, &Dlg::abortRequested);
    QSignalSpy clean(&f.dialog, &Dlg::closedAfterRun);
    f.start(QStringLiteral("toiso"), false);
    f.step(1);
    auto *finish = f.get<QPushButton>(QStringLiteral("btnFinish"));

    // No keeps the run going, whichever way the close came.
    boxes.answers = {QDialogButtonBox::No, QDialogButtonBox::No, QDialogButtonBox::No};
    QTest::mouseClick(finish, Qt::LeftButton);
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    QVERIFY(!f.dialog.close());
    QCOMPARE(boxes.texts(), QStringList(3, QStringLiteral("Abort or not?")));
    const MessageBox::Request &question = boxes.requests.first();
    QCOMPARE(question.kind, MessageBox::Question);
    QCOMPARE(question.defaultButton, QDialogButtonBox::No);
    QCOMPARE(question.buttons, QDialogButtonBox::Yes | QDialogButtonBox::No);
    QVERIFY(f.dialog.isVisible());
    QCOMPARE(abort.count(), 0);
    QVERIFY(finish->isEnabled());
    QVERIFY(f.dialog.elapsedClockRunning()); // the run goes on, so does its clock

    // Yes asks the run to stop; the dialog waits for its end and says so.
    boxes.answers = {QDialogButtonBox::Yes};
    QTest::mouseClick(finish, Qt::LeftButton);
    QCOMPARE(abort.count(), 1);
    QCOMPARE(clean.count(), 0);
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblLargeTitle"))->text(), QStringLiteral("Aborting, please wait..."));
    QVERIFY(!finish->isEnabled());
    QVERIFY(f.dialog.isVisible());
    // While it stops, closing asks nothing more.
    QVERIFY(!f.dialog.close());
    QCOMPARE(boxes.requests.size(), 4);
    QCOMPARE(abort.count(), 1);

    // A Yes that comes after the run moved to a disc check changes nothing.
    f.start(QStringLiteral("toburner"), false);
    f.step(4);
    boxes.onRequest = [&f](const MessageBox::Request &) {
        f.dialog.showStage(JobStage::CheckingDisc);
        f.dialog.showCanAbort(false);
    };
    boxes.answers = {QDialogButtonBox::Yes};
    QVERIFY(!f.dialog.close());
    QCOMPARE(boxes.requests.size(), 5);
    QCOMPARE(abort.count(), 1);
}

void TestProgressDialog::closeAfterTheEnd()
{
    MessageRecorder boxes;
    for (JobResult::Outcome end : {JobResult::Succeeded, JobResult::Failed, JobResult::Aborted}) {
        for (int way = 0; way < 3; ++way) {
            Form f;
            QSignalSpy clean(&f.dialog, &Dlg::closedAfterRun);
            QSignalSpy finished(&f.dialog, &QDialog::finished);
            f.start(QStringLiteral("toiso"), false);
            f.step(1);
            f.dialog.showEnd(ended(end, QStringLiteral("Done")));
            auto *finish = f.get<QPushButton>(QStringLiteral("btnFinish"));
            QCOMPARE(finish->text(),
                     end == JobResult::Succeeded ? QStringLiteral("Finished") : QStringLiteral("Close"));
            QVERIFY(finish->isEnabled());
            // Nothing more to choose after the run.
            QVERIFY(!f.get<QComboBox>(QStringLiteral("postTaskActions"))->isVisible());
            QVERIFY(!f.get<QPushButton>(QStringLiteral("minimizeToTaskbar"))->isVisible());
            if (way == 0)
                QTest::mouseClick(finish, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(&f.dialog, Qt::Key_Escape);
            else
                QVERIFY(f.dialog.close());
            QVERIFY(!f.dialog.isVisible());
            QCOMPARE(clean.count(), 1);
            QCOMPARE(finished.count(), 1);
        }
    }
    QVERIFY(boxes.requests.isEmpty());
}

void TestProgressDialog::burnNext()
{
    Form f;
    QSignalSpy next(&f.dialog, &Dlg::burnNextRequested);
    auto *burnNext = f.get<QPushButton>(QStringLiteral("btnBurnNext"));
    auto *finish = f.get<QPushButton>(QStringLiteral("btnFinish"));
    QVERIFY(!burnNext->isVisible());

    // A folder or an image has no next copy: the button stays away.
    f.start(QStringLiteral("toiso"), false);
    f.step(8);
    f.step(9);
    QVERIFY(!burnNext->isVisible());
    f.dialog.showNextCopy();
    QCOMPARE(next.count(), 0);
    QCOMPARE(finish->text(), QStringLiteral("Finished"));

    // After a burn it offers one more copy.
    f.start(QStringLiteral("toburner"), false);
    f.step(5);
    f.step(4);
    f.step(9);
    QVERIFY(burnNext->isVisible());
    QVERIFY(burnNext->isEnabled());
    QVERIFY(!f.get<QComboBox>(QStringLiteral("postTaskActions"))->isVisible());
    saveShot(&f.dialog, QStringLiteral("progress-burned"));
    QTest::mouseClick(burnNext, Qt::LeftButton);
    QCOMPARE(next.count(), 1);
    QVERIFY(!burnNext->isVisible());
    QCOMPARE(finish->text(), QStringLiteral("Abort"));
    QVERIFY(finish->isEnabled());
    QVERIFY(f.dialog.elapsedClockRunning());
    QVERIFY(f.get<QComboBox>(QStringLiteral("postTaskActions"))->isVisible());
    QCOMPARE(f.icons(4), (QList<int>{Dlg::IconSuccess, Dlg::IconSuccess, Dlg::IconIdle, Dlg::IconIdle}));
    // The next copy is a run again: closing asks.
    MessageRecorder boxes;
    QVERIFY(!f.dialog.close());
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Abort or not?")});
}

void TestProgressDialog::postTaskActions()
{
    Form f;
    QSignalSpy changed(&f.dialog, &Dlg::postTaskActionsIndexChanged);
    auto *list = f.get<QComboBox>(QStringLiteral("postTaskActions"));
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->itemText(2), QStringLiteral("Shut Down"));
    f.dialog.setPostTaskIndex(3); // the window's choice, not reported back
    QCOMPARE(list->currentText(), QStringLiteral("Hibernate"));
    QCOMPARE(changed.count(), 0);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 2);

    // Minimize hides the window the dialog belongs to.
    QWidget window;
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Dlg child(&window);
    child.show();
    QVERIFY(QTest::qWaitForWindowExposed(&child));
    QTest::mouseClick(child.findChild<QPushButton *>(QStringLiteral("minimizeToTaskbar")), Qt::LeftButton);
    QTRY_VERIFY(window.windowState() & Qt::WindowMinimized);
}

void TestProgressDialog::resultAndOpenFolder()
{
    FileManagerRecorder fileManager;
    Form f;
    f.start(QStringLiteral("toiso"), false);
    auto *result = f.get<QLabel>(QStringLiteral("lblResult"));
    auto *open = f.get<QPushButton>(QStringLiteral("btnOpenFolder"));
    QVERIFY(!result->isVisible());
    QVERIFY(!open->isVisible());
    f.dialog.showEnd(ended(JobResult::Succeeded, QString(), Destination::Iso, QStringLiteral("/data/out.iso")));
    QCOMPARE(result->text(), QStringLiteral("The DVD image is /data/out.iso"));
    QVERIFY(open->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(fileManager.opened, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/data"))});
    // A DVD folder opens itself; a burnt disc has no folder.
    f.start(QStringLiteral("tofolder"), false);
    f.dialog.showEnd(
        ended(JobResult::Succeeded, QString(), Destination::Folder, QStringLiteral("/data/My DVD")));
    QCOMPARE(result->text(), QStringLiteral("The DVD folder is /data/My DVD"));
    QTest::mouseClick(open, Qt::LeftButton);
    QCOMPARE(fileManager.opened.last(), QUrl::fromLocalFile(QStringLiteral("/data/My DVD")));
    f.start(QStringLiteral("toburner"), false);
    f.dialog.showEnd(ended(JobResult::Succeeded, QString(), Destination::Burner, QStringLiteral("/dev/sr0")));
    QCOMPARE(result->text(), QStringLiteral("The DVD was burnt in /dev/sr0."));
    QVERIFY(!open->isVisible());
    // A new run starts without the old result.
    f.start(QStringLiteral("toburner"), false);
    QVERIFY(!result->isVisible());
    QVERIFY(!open->isVisible());
}

void TestProgressDialog::followsAJob()
{
    // A job's own reports reach the dialog: a run that ends at once (an
    // album without photos) lays out its rows and shows its end.
    Form f;
    MakeJob job;
    f.dialog.setJob(&job);
    MakeRequest request;
    request.destination.type = Destination::Folder;
    request.destination.path = QStringLiteral("/tmp");
    QVERIFY(job.start(request));
    QVERIFY(f.dialog.showsEnd());
    QCOMPARE(f.dialog.shownOutcome(), JobResult::Failed);
    QCOMPARE(f.rows(), (QStringList{QStringLiteral("Creating title"), QStringLiteral("Creating DVD"),
                                    QStringLiteral("Creating DVD Folder")}));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblLargeTitle"))->text(), QStringLiteral("The album has no photos."));
    // Abort goes to the job (nothing runs, so nothing happens).
    QSignalSpy finished(&job, &MakeJob::finished);
    Q_EMIT f.dialog.abortRequested();
    QCOMPARE(finished.count(), 0);
}

void TestProgressDialog::pictures()
{
    // A run in progress and a failed one, for a look.
    Form f;
    f.start(QStringLiteral("toburner"), false);
    f.step(3);
    f.dialog.showProgress(37);
    QVERIFY(!f.get<QLabel>(QStringLiteral("labeldvdimg"))->pixmap().isNull());
    QTest::qWait(50);
    saveShot(&f.dialog, QStringLiteral("progress-working"));
    f.dialog.showEnd(ended(JobResult::Failed, QStringLiteral("Failed to create DVD!\nmplex: program not found")));
    QTest::qWait(50);
    saveShot(&f.dialog, QStringLiteral("progress-failed"));
}

void TestProgressDialog::controlsHaveNames()
{
    // While a run works and after it has ended.
    Form f;
    f.start(QStringLiteral("toburner"), false);
    f.step(3);
    QStringList unnamed = unnamedControls(&f.dialog);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    f.dialog.showEnd(ended(JobResult::Succeeded, QString(), Destination::Burner, QStringLiteral("/dev/sr0")));
    unnamed = unnamedControls(&f.dialog);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

int main(int argc, char **argv)
{
    return runDialogTest<TestProgressDialog>(argc, argv);
}

#include "test_progressdialog.moc"
