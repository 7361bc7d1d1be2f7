// The destination box, the waiting-for-disc dialog and the run's questions
// asked through them, with the real engine on pseudo-drives. Message boxes,
// file choosers and waits are answered by hooks.
#include "dialogtestutil.h"
#include "testsupport.h"

#include <burning/burnworkflow.h>
#include <burning/dvdburner.h>
#include <desktop/filechooser.h>
#include <desktop/messagebox.h>

#include "dialogs/destinationbox.h"
#include "dialogs/dialogquestions.h"
#include "dialogs/waitfordiscdialog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Answers every message box: questions with the next queued answer (Yes when
// none is queued) and records all texts.
struct BoxAnswers {
    QStringList texts;
    QList<QDialogButtonBox::StandardButton> answers;
    BoxAnswers()
    {
        MessageBox::setAnswerHook([this](const MessageBox::Request &r) {
            texts.append(r.text);
            if (r.kind != MessageBox::Question)
                return QDialogButtonBox::Ok;
            return answers.isEmpty() ? QDialogButtonBox::Yes : answers.takeFirst();
        });
    }
    ~BoxAnswers() { MessageBox::setAnswerHook({}); }
    bool saw(const QString &text) const { return texts.contains(text); }
};

struct WaitAnswers {
    QList<WaitForDiscDialog::Answer> answers;
    QStringList reasons;
    QStringList titles;
    WaitAnswers()
    {
        WaitForDiscDialog::setAnswerHook([this](WaitForDiscDialog *dialog) {
            reasons.append(dialog->reason());
            titles.append(dialog->valueText(QStringLiteral("title")));
            return answers.isEmpty() ? WaitForDiscDialog::AnswerCancel : answers.takeFirst();
        });
    }
    ~WaitAnswers() { WaitForDiscDialog::setAnswerHook({}); }
};

} // namespace

class TestDestinationBox : public QObject
{
    Q_OBJECT
private:
    QString pseudo;

    void usePseudoDrives(const QStringList &drives)
    {
        DVDBurner::instance()->setPseudoDrives(drives);
        DVDBurner::instance()->updateDevices();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString drives = TestSupport::freshDir(QStringLiteral("drives"));
        pseudo = QStringLiteral("stdio:") + drives + QStringLiteral("/disc.img");
        qputenv("SORVEL_PSEUDO_DRIVES", pseudo.toLocal8Bit());
    }

    void init() { usePseudoDrives({pseudo}); }

    void boxWithoutRecorder()
    {
        usePseudoDrives({});
        BoxAnswers boxes;
        DestinationBox box;
        box.updateDevices();
        QVERIFY(box.isEnabled());
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.customizedText(), QStringLiteral("Please select the destination."));
        QVERIFY(box.targetType().isEmpty() && box.targetValue().isEmpty());

        // The box's destination refused by the workflow, with the reason.
        BurnWorkflow workflow;
        QSignalSpy begin(&workflow, &BurnWorkflow::ready);
        workflow.setDestination(box.destination());
        const CheckOutcome outcome = workflow.checkDestination();
        QCOMPARE(outcome.verdict, CheckOutcome::Refused);
        QCOMPARE(outcome.message, QStringLiteral("Please select the destination."));
        QCOMPARE(begin.count(), 0);
    }

    void boxWithPseudoRecorderAndDialogs()
    {
        BoxAnswers boxes;
        DestinationBox box;
        box.setVolumeLabel(QStringLiteral("Trip"));
        QSignalSpy speedStatus(&box, &DestinationBox::speedChoiceEnabled);
        QSignalSpy speeds(&box, &DestinationBox::speedsChanged);
        box.updateDevices();
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.itemText(0), pseudo + QStringLiteral(":(Image File Recorder)"));
        QCOMPARE(box.targetType(), QStringLiteral("toburner"));
        QCOMPARE(box.targetValue(), pseudo);
        QVERIFY(speedStatus.count() >= 1 && speedStatus.last().at(0).toBool());
        QVERIFY(!speeds.isEmpty() &&
                speeds.last().at(0).value<QVector<QString>>().first() == QStringLiteral("Max"));

        // Image names: ".iso" appended unless present in any case.
        QCOMPARE(DestinationBox::isoPathWithExtension(QStringLiteral("/a/b")), QStringLiteral("/a/b.iso"));
        QCOMPARE(DestinationBox::isoPathWithExtension(QStringLiteral("/a/B.ISO")),
                 QStringLiteral("/a/B.ISO"));
        QCOMPARE(DestinationBox::isoPathWithExtension(QStringLiteral(".iso")), QStringLiteral(".iso.iso"));

        const QString dir = TestSupport::freshDir(QStringLiteral("box"));
        QString answer;
        QStringList kinds;
        FileChooser::setHook([&](const FileChooser::Request &r) {
            kinds.append(r.mode == FileChooser::ExistingDirectory ? QStringLiteral("folder")
                                                                  : QStringLiteral("iso"));
            return answer.isEmpty() ? QStringList() : QStringList{answer};
        });
        // A cancelled folder dialog goes back to the recorder.
        box.setCurrentIndex(1);
        QCOMPARE(kinds, QStringList{QStringLiteral("folder")});
        QCOMPARE(box.currentIndex(), 0);
        QCOMPARE(box.targetType(), QStringLiteral("toburner"));
        // An image chosen in the dialog gets its extension.
        answer = dir + QStringLiteral("/movie");
        box.setCurrentIndex(2);
        QCOMPARE(box.targetType(), QStringLiteral("toiso"));
        QCOMPARE(box.targetValue(), dir + QStringLiteral("/movie.iso"));
        QCOMPARE(box.customizedText(), QDir::toNativeSeparators(dir + QStringLiteral("/movie.iso")));
        // A cancelled folder dialog after an image keeps the image.
        answer.clear();
        box.setCurrentIndex(1);
        QCOMPARE(box.targetType(), QStringLiteral("toiso"));
        QCOMPARE(box.currentIndex(), -1);
        FileChooser::setHook({});

        // Set without a person.
        QVERIFY(box.setFolderTarget(dir));
        QCOMPARE(box.targetType(), QStringLiteral("tofolder"));
        QVERIFY(box.setRecorderTarget(pseudo));
        QCOMPARE(box.targetValue(), pseudo);
        QVERIFY(!box.setRecorderTarget(QStringLiteral("/dev/nothing")));
        // A box that was never filled, and a pseudo-drive it does not list.
        DestinationBox fresh;
        QVERIFY(fresh.setIsoTarget(dir + QStringLiteral("/a.iso")));
        const QString other = QStringLiteral("stdio:") + dir + QStringLiteral("/other.img");
        QVERIFY(fresh.setRecorderTarget(other));
        QCOMPARE(fresh.targetValue(), other);
        QVERIFY(DVDBurner::instance()->pseudoDrives().contains(other));
        box.setVolumeLabel(QStringLiteral("  "));
        QCOMPARE(box.volumeLabel(), QStringLiteral("My DVD"));
    }

    void boxIsAViewOfTheDestination()
    {
        BoxAnswers boxes;
        DestinationBox box;
        box.updateDevices();
        const QString dir = TestSupport::freshDir(QStringLiteral("view"));
        box.setVolumeLabel(QStringLiteral("Album"));
        QVERIFY(box.setIsoTarget(dir + QStringLiteral("/a")));
        const Destination chosen = box.destination();
        QCOMPARE(chosen.type, Destination::Iso);
        QCOMPARE(chosen.path, dir + QStringLiteral("/a.iso"));
        QCOMPARE(chosen.label(), QStringLiteral("Album"));
        // The workflow takes the box's value as it is; giving the workflow
        // another one leaves the box alone.
        BurnWorkflow workflow;
        workflow.setDestination(box.destination());
        QCOMPARE(workflow.destination(), chosen);
        workflow.setDestination({Destination::Folder, dir});
        QCOMPARE(box.destination(), chosen);
        QCOMPARE(Destination::typeFromName(box.targetType()), Destination::Iso);
    }

    void waitingForDiscThroughTheDialogs()
    {
        // The run's questions answered by the window: the check phase's wait
        // may be cancelled or ignored at once, the burn phase's cancel is
        // confirmed first and aborts the burn.
        const QString drives = TestSupport::freshDir(QStringLiteral("nodisc"));
        const QString missing = QStringLiteral("stdio:") + drives + QStringLiteral("/gone/disc.img");
        usePseudoDrives({missing});
        BoxAnswers boxes;
        WaitAnswers waits;
        QWidget parent;
        DialogQuestions questions(&parent, &parent);
        BurnWorkflow workflow;
        workflow.setQuestions(&questions);
        QSignalSpy begin(&workflow, &BurnWorkflow::ready);
        QSignalSpy finished(&workflow, &BurnWorkflow::finished);
        workflow.setDestination({Destination::Burner, missing});
        workflow.setWorkFolder(drives);
        workflow.setDvdSize(1000);
        auto lastResult = [&] { return finished.last().at(0).value<BurnResult>(); };

        waits.answers = {WaitForDiscDialog::AnswerCancel};
        QCOMPARE(workflow.checkDestination().verdict, CheckOutcome::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
        QCOMPARE(waits.reasons, QStringList{QStringLiteral("Please insert a blank disc.")});
        QCOMPARE(waits.titles.last(),
                 QStringLiteral("[%1] Image File Recorder: Waiting for Disc").arg(missing));
        QCOMPARE(lastResult().runAfterMaking, false);
        QCOMPARE(lastResult().message, QStringLiteral("Disc checking stopped"));
        QCOMPARE(begin.count(), 0);
        QVERIFY(questions.checkWaitDialog()->isIgnoreVisible());
        QVERIFY(boxes.texts.isEmpty());

        waits.answers = {WaitForDiscDialog::AnswerIgnore};
        QCOMPARE(workflow.checkDestination().verdict, CheckOutcome::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(begin.count(), 1, 20000);

        // Burn phase: Cancel, confirmed, aborts the burn.
        waits.answers = {WaitForDiscDialog::AnswerCancel};
        boxes.answers = {QDialogButtonBox::Yes};
        workflow.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 20000);
        QVERIFY(boxes.saw(QStringLiteral("Are you sure you want to abort?")));
        QVERIFY(!questions.burnWaitDialog()->isIgnoreVisible());
        QCOMPARE(lastResult().outcome, BurnResult::Aborted);
        QCOMPARE(lastResult().message, QStringLiteral("Burning aborted!"));
        QCOMPARE(lastResult().runAfterMaking, false);
    }

    void arrivingDiscEndsTheWait()
    {
        // A person waits in front of the dialog; the disc arrives in the
        // recorder waited for (another drive's disc changes nothing).
        QWidget parent;
        DialogQuestions questions(&parent, &parent);
        DiscWait wait;
        wait.device = pseudo;
        wait.reason = QStringLiteral("Please insert a blank disc.");
        wait.checking = true;
        wait.displayName = QStringLiteral("Image File Recorder");
        wait.requiredType = QStringLiteral("DVD-R/RW,DVD+R/RW");
        wait.discType = QStringLiteral("Empty");
        wait.neededSize = QStringLiteral("1.20 GB");
        wait.discFree = QStringLiteral("N/A");
        QTimer::singleShot(0, &questions, [&] {
            QTRY_VERIFY(questions.checkWaitDialog()->isVisible());
            // Every control says what it is; a picture for a look.
            QCOMPARE(unnamedControls(questions.checkWaitDialog()), QStringList());
            saveShot(questions.checkWaitDialog(), QStringLiteral("waitfordisc-check"));
            questions.discArrived(QStringLiteral("/dev/sr9"));
            QVERIFY(questions.checkWaitDialog()->isVisible());
            questions.discArrived(pseudo.mid(6));
        });
        QCOMPARE(questions.waitForDisc(wait), RunQuestions::DiscWaitAnswer::Inserted);
        QVERIFY(!questions.checkWaitDialog()->isVisible());
        QCOMPARE(questions.checkWaitDialog()->reason(), wait.reason);
    }

    void confirmationsAreMessageBoxes()
    {
        // Yes goes on; the safe answer of each question is No.
        BoxAnswers boxes;
        QWidget settings;
        QWidget progress;
        DialogQuestions questions(&settings, &progress);
        boxes.answers = {QDialogButtonBox::Yes, QDialogButtonBox::No};
        QVERIFY(questions.confirm(RunQuestions::Confirmation::ClearFolder, QStringLiteral("clear?")));
        questions.setRunShowing(true);
        QVERIFY(!questions.retryFailedBurn(QStringLiteral("again?")));
        QCOMPARE(boxes.texts, QStringList({QStringLiteral("clear?"), QStringLiteral("again?")}));
    }

    void waitingDialogConfirmation()
    {
        BoxAnswers boxes;
        WaitForDiscDialog burnPhase;
        burnPhase.setNoConfirm(false);
        burnPhase.show();
        QVERIFY(QTest::qWaitForWindowExposed(&burnPhase));
        auto *cancel = burnPhase.findChild<QPushButton *>(QStringLiteral("cancelButton"));
        QVERIFY(cancel);
        boxes.answers = {QDialogButtonBox::No};
        cancel->click();
        QVERIFY(burnPhase.isVisible());
        QVERIFY(!burnPhase.isClosed());
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Are you sure you want to abort?")});
        cancel->click();
        QVERIFY(!burnPhase.isVisible());
        QVERIFY(burnPhase.isClosed() && !burnPhase.isIgnore());

        boxes.texts.clear();
        WaitForDiscDialog checkPhase;
        checkPhase.show();
        checkPhase.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
        QVERIFY(!checkPhase.isVisible());
        QVERIFY(boxes.texts.isEmpty());
        checkPhase.show();
        checkPhase.findChild<QPushButton *>(QStringLiteral("ignoreButton"))->click();
        QVERIFY(!checkPhase.isVisible());
        QVERIFY(checkPhase.isIgnore());

        // Ignore needs no confirmation even in the burn phase; a disc
        // arriving closes without any question.
        burnPhase.show();
        burnPhase.findChild<QPushButton *>(QStringLiteral("ignoreButton"))->click();
        QVERIFY(!burnPhase.isVisible());
        burnPhase.show();
        QTimer::singleShot(0, &burnPhase, [&] { burnPhase.closeForDisc(); });
        QCOMPARE(burnPhase.exec(), 1);
        QVERIFY(boxes.texts.isEmpty());
    }
};

QTEST_MAIN(TestDestinationBox)
#include "test_destinationbox.moc"
