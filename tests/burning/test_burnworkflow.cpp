// The burn workflow and the disc-recording facade, with the real engine
// writing to pseudo-drives and the real genisoimage. The run's questions are
// answered by a script.
#include "dvdcheck.h"
#include "dvdfixture.h"
#include "systemfixtures.h"
#include "testsupport.h"

#include <burning/burnworkflow.h>
#include <burning/devicethread.h>
#include <burning/diskspace.h>
#include <burning/drivewatch.h>
#include <burning/dvdburner.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

// Answers the run's questions: confirmations and "try again?" with the next
// queued answer (yes when none is queued), disc waits with the next queued
// answer (cancelled when none is queued); records every text and reason.
struct Questions : RunQuestions {
    QStringList texts;
    QList<bool> answers;
    QList<DiscWaitAnswer> waits;
    QStringList reasons;
    QList<DiscWait> asked;
    bool confirm(Confirmation, const QString &text) override { return answer(text); }
    bool retryFailedBurn(const QString &text) override { return answer(text); }
    DiscWaitAnswer waitForDisc(const DiscWait &wait) override
    {
        reasons.append(wait.reason);
        asked.append(wait);
        return waits.isEmpty() ? DiscWaitAnswer::Cancelled : waits.takeFirst();
    }
    bool answer(const QString &text)
    {
        texts.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    bool saw(const QString &text) const { return texts.contains(text); }
};

// A workflow answered by a script, with its signals recorded.
struct Workflow {
    Questions questions;
    BurnWorkflow burner;
    Destination target;
    std::unique_ptr<QSignalSpy> ready, finished, stages, next, progress;

    Workflow()
    {
        burner.setQuestions(&questions);
        ready = std::make_unique<QSignalSpy>(&burner, &BurnWorkflow::ready);
        finished = std::make_unique<QSignalSpy>(&burner, &BurnWorkflow::finished);
        stages = std::make_unique<QSignalSpy>(&burner, &BurnWorkflow::stageChanged);
        next = std::make_unique<QSignalSpy>(&burner, &BurnWorkflow::nextDiscNeeded);
        progress = std::make_unique<QSignalSpy>(&burner, &BurnWorkflow::progressChanged);
    }
    void choose(Destination::Type type, const QString &path)
    {
        target.type = type;
        target.path = path;
        burner.setDestination(target);
    }
    void setLabel(const QString &label)
    {
        target.volumeLabel = label;
        burner.setDestination(target);
    }
    // The verdict of a check; the refusal's text in refusal.
    bool check()
    {
        const CheckOutcome outcome = burner.checkDestination();
        refusal = outcome.verdict == CheckOutcome::Refused ? outcome.message : QString();
        return outcome.verdict != CheckOutcome::Refused;
    }
    BurnResult result() const
    {
        return finished->isEmpty() ? BurnResult() : finished->last().at(0).value<BurnResult>();
    }
    QString lastTitle() const { return result().message; }
    BurnStage lastStage() const { return stages->last().at(0).value<BurnStage>(); }
    QString refusal;
};

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &fi : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (fi.isDir())
            copyTree(fi.absoluteFilePath(), to + QLatin1Char('/') + fi.fileName());
        else
            QFile::copy(fi.absoluteFilePath(), to + QLatin1Char('/') + fi.fileName());
    }
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("user data");
}

} // namespace

class TestBurnWorkflow : public QObject
{
    Q_OBJECT
private:
    QString dvd;
    QString pseudo;
    quint64 dvdSize = 0;

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
        // The engine picks its pseudo-drives up from the environment.
        qputenv("SORVEL_PSEUDO_DRIVES", pseudo.toLocal8Bit());
        QCOMPARE(DVDBurner::instance()->pseudoDrives(), QStringList{pseudo});
        dvd = DvdFixture::dvdFolder();
        QVERIFY2(!dvd.isEmpty(), "the DVD fixture could not be built");
        for (const QString &f : QDir(dvd + QStringLiteral("/VIDEO_TS")).entryList(QDir::Files))
            dvdSize += quint64(QFileInfo(dvd + QStringLiteral("/VIDEO_TS/") + f).size());
    }

    void init() { usePseudoDrives({pseudo}); }

    void workflowWithoutQuestions()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("value"));
        const QString temp = TestSupport::freshDir(QStringLiteral("value-temp"));
        BurnWorkflow workflow;
        QSignalSpy begin(&workflow, &BurnWorkflow::ready);
        QSignalSpy finished(&workflow, &BurnWorkflow::finished);
        CheckOutcome outcome = workflow.checkDestination();
        QCOMPARE(outcome.verdict, CheckOutcome::Refused);
        QCOMPARE(outcome.message, QStringLiteral("Please select the destination."));

        // An image named without its extension, a label with spaces around.
        workflow.setDestination({Destination::Iso, dir + QStringLiteral("/movie"), QStringLiteral(" Trip ")});
        QCOMPARE(workflow.destination().path, dir + QStringLiteral("/movie.iso"));
        QCOMPARE(workflow.destination().label(), QStringLiteral("Trip"));
        workflow.setWorkFolder(temp);
        workflow.setDvdSize(dvdSize);
        workflow.setDvdFolder(dvd);
        QCOMPARE(workflow.checkDestination().verdict, CheckOutcome::Ready);
        QCOMPARE(begin.count(), 1);
        workflow.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(finished.last().at(0).value<BurnResult>().outcome, BurnResult::Done);
        QFile iso(dir + QStringLiteral("/movie.iso"));
        QVERIFY(iso.open(QIODevice::ReadOnly));
        // The volume identifier of the primary volume descriptor.
        QVERIFY(iso.seek(16 * 2048 + 40));
        QCOMPARE(iso.read(32).trimmed(), QByteArray("Trip"));
        QVERIFY(DvdCheck::read(iso.fileName()).ok);

        // Without anyone to ask, an existing image is not overwritten.
        outcome = workflow.checkDestination();
        QCOMPARE(outcome.verdict, CheckOutcome::Refused);
        QVERIFY(outcome.message.isEmpty());

        // A device that is no recorder is named; a pseudo-drive joins the
        // recorders when it is named.
        workflow.setDestination({Destination::Burner, QStringLiteral("/dev/nothing")});
        outcome = workflow.checkDestination();
        QCOMPARE(outcome.verdict, CheckOutcome::Refused);
        QVERIFY2(
            outcome.message.startsWith(QStringLiteral("/dev/nothing: no such recorder.\nRecorders found: ")),
            qPrintable(outcome.message));
        usePseudoDrives({});
        const QString other = QStringLiteral("stdio:") + dir + QStringLiteral("/other.img");
        workflow.setDestination({Destination::Burner, other});
        QCOMPARE(workflow.checkDestination().verdict, CheckOutcome::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(begin.count(), 2, 20000);
        QCOMPARE(workflow.startedType(), Destination::Burner);
        QVERIFY(DVDBurner::instance()->pseudoDrives().contains(other));
        QVERIFY(QApplication::allWidgets().isEmpty());

        // A disc nobody can insert: the check stops and says why.
        const QString gone = QStringLiteral("stdio:") + dir + QStringLiteral("/gone/disc.img");
        workflow.setDestination({Destination::Burner, gone});
        QCOMPARE(workflow.checkDestination().verdict, CheckOutcome::Pending);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 20000);
        const BurnResult stopped = finished.last().at(0).value<BurnResult>();
        QCOMPARE(stopped.outcome, BurnResult::CheckStopped);
        QCOMPARE(stopped.message, QStringLiteral("Disc checking stopped\nPlease insert a blank disc."));
        QVERIFY(!stopped.runAfterMaking);
    }

    void labelsSizesAndFolderName()
    {
        QVERIFY(BurnWorkflow::isValidVolumeLabel(QStringLiteral("My DVD")));
        for (const char *bad : {"", ".hidden", "end.", " lead", "trail ", "tab\t", "a:b", "a/b", "a\\b",
                                "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
            QVERIFY2(!BurnWorkflow::isValidVolumeLabel(QString::fromLatin1(bad)), bad);
        QCOMPARE(BurnWorkflow::sizeText(quint64(9000) << 20, QStringLiteral("m")),
                 QStringLiteral("9000.00 MB"));
        QCOMPARE(BurnWorkflow::sizeText(quint64(3) << 29, QStringLiteral("G")), QStringLiteral("1.50 GB"));
        QCOMPARE(BurnWorkflow::sizeText(512, QString()), QStringLiteral("512.00 B"));

        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("label"));
        w.choose(Destination::Folder, dir);
        w.setLabel(QStringLiteral("Summer"));
        QCOMPARE(w.burner.dvdFolderPath(), dir + QStringLiteral("/Summer"));
        w.setLabel(QStringLiteral("Summer: 2026"));
        const QDate today = QDate::currentDate();
        QCOMPARE(w.burner.dvdFolderPath(),
                 dir + QLatin1Char('/') + today.toString(QStringLiteral("yyyyMMdd")));
        w.choose(Destination::Iso, dir + QStringLiteral("/x"));
        QVERIFY(w.burner.dvdFolderPath().isEmpty());
    }

    void folderTargetKeepsUserFiles()
    {
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("tofolder"));
        const QString temp = TestSupport::freshDir(QStringLiteral("tofolder-temp"));
        w.setLabel(QStringLiteral("HOLIDAY"));
        w.choose(Destination::Folder, dir);
        const QString folder = dir + QStringLiteral("/HOLIDAY");
        touch(folder + QStringLiteral("/VIDEO_TS/OLD.VOB"));
        touch(folder + QStringLiteral("/notes.txt"));
        w.burner.setWorkFolder(temp);
        w.burner.setDvdSize(dvdSize);
        w.burner.setDvdFolder(folder);

        w.questions.answers = {false};
        QVERIFY(!w.check());
        QVERIFY(w.refusal.isEmpty());
        QCOMPARE(w.ready->count(), 0);
        QVERIFY(QFile::exists(folder + QStringLiteral("/VIDEO_TS/OLD.VOB")));

        QVERIFY(w.check());
        QCOMPARE(w.ready->count(), 1);
        QVERIFY(w.questions.saw(QStringLiteral("The folder \"%1\" will be cleared. Do you want to continue?")
                                    .arg(QDir::toNativeSeparators(folder))));
        // Nothing changes in the destination before the new DVD is complete.
        QVERIFY(QFile::exists(folder + QStringLiteral("/VIDEO_TS/OLD.VOB")));

        // The author writes the DVD in the working folder; the burner then
        // puts it in place of the old one.
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner.setDvdFolder(temp + QStringLiteral("/dvd"));
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 30000);
        QCOMPARE(w.result().outcome, BurnResult::Done);
        QVERIFY(w.result().runAfterMaking);
        QVERIFY(w.lastTitle().isEmpty());
        QVERIFY(!QFile::exists(folder + QStringLiteral("/VIDEO_TS/OLD.VOB")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/notes.txt")));
        const DvdCheck::Disc disc = DvdCheck::read(folder);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        const QList<QString> vobs = DvdCheck::titleVobs(folder, 1);
        QVERIFY(!vobs.isEmpty());
        const DvdCheck::DecodeResult decoded = DvdCheck::decodeAll(vobs.first());
        QVERIFY2(decoded.ok, qPrintable(decoded.error));
        QCOMPARE(decoded.errors, 0);
        QVERIFY(decoded.videoFrames >= 49);
    }

    void folderTargetOnAnotherDisk()
    {
        Workflow w;
        const QString temp = TestSupport::freshDir(QStringLiteral("otherdisk-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner.setWorkFolder(temp);
        w.burner.setDvdFolder(temp + QStringLiteral("/dvd"));
        w.burner.setDvdSize(dvdSize);
        w.setLabel(QStringLiteral("Trip"));

        // Another file system with room: copied beside the destination, then
        // renamed; nothing of the staging is left.
        TestSupport::TmpfsMount roomy(QStringLiteral("otherdisk-roomy"), 64 << 20);
        if (!roomy.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + roomy.error()));
        w.choose(Destination::Folder, roomy.path());
        QVERIFY(w.check());
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 30000);
        QVERIFY2(w.result().outcome == BurnResult::Done, qPrintable(w.lastTitle()));
        QCOMPARE(QDir(roomy.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Trip")});
        QVERIFY(DvdCheck::read(roomy.path() + QStringLiteral("/Trip")).ok);

        // A disk that fills up while the DVD is copied: the destination stays
        // as it was (an older DVD there included), with the reason told. The
        // free-space figures are made to pass the check.
        TestSupport::TmpfsMount small(QStringLiteral("otherdisk-small"), qint64(dvdSize / 2));
        QVERIFY(small.ok());
        touch(small.path() + QStringLiteral("/Trip/VIDEO_TS/OLD.VOB"));
        DiskSpace::setProbe([](const QString &) {
            return DiskSpace::Info{true, quint64(1) << 40, 1, QStringLiteral("ext4"), QStringLiteral("/")};
        });
        w.choose(Destination::Folder, small.path());
        QVERIFY(w.check());
        DiskSpace::setProbe({});
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 2, 30000);
        QCOMPARE(w.result().outcome, BurnResult::Failed);
        QVERIFY2(w.lastTitle().startsWith(QStringLiteral("Failed to create the DVD folder.\n")),
                 qPrintable(w.lastTitle()));
        QVERIFY(w.lastTitle().contains(QStringLiteral("No space left on device")));
        QCOMPARE(QDir(small.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Trip")});
        QCOMPARE(QDir(small.path() + QStringLiteral("/Trip/VIDEO_TS")).entryList(QDir::Files),
                 QStringList{QStringLiteral("OLD.VOB")});
    }

    void isoTargetWritesReadableImage()
    {
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("toiso"));
        const QString temp = TestSupport::freshDir(QStringLiteral("toiso-temp"));
        w.choose(Destination::Iso, dir + QStringLiteral("/movie"));
        const QString iso = dir + QStringLiteral("/movie.iso");
        touch(iso);
        w.burner.setWorkFolder(temp);
        w.burner.setDvdSize(dvdSize);
        w.burner.setDvdFolder(dvd);

        w.questions.answers = {false};
        QVERIFY(!w.check());
        QVERIFY(
            w.questions.saw(QStringLiteral("The file \"%1\" will be overwritten. Do you want to continue?")
                                .arg(QDir::toNativeSeparators(iso))));
        QVERIFY(w.check());
        QCOMPARE(w.ready->count(), 1);
        w.burner.startDelivery();
        QCOMPARE(w.lastStage(), BurnStage::CreatingIso);
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 1, 60000);
        QCOMPARE(w.result().outcome, BurnResult::Done);
        for (const QList<QVariant> &p : qAsConst(*w.progress))
            QVERIFY(p.at(0).toInt() >= 0 && p.at(0).toInt() <= 100);
        QCOMPARE(w.progress->last().at(0).toInt(), 100);
        const DvdCheck::Disc disc = DvdCheck::read(iso);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("movie.iso")});
    }

    void unwritableIsoDestinationFails()
    {
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("toiso-bad"));
        touch(dir + QStringLiteral("/blocker"));
        w.choose(Destination::Iso, dir + QStringLiteral("/blocker/movie.iso"));
        w.burner.setWorkFolder(dir);
        w.burner.setDvdSize(dvdSize);
        w.burner.setDvdFolder(dvd);
        // Refused before anything is made, with the reason.
        QVERIFY(!w.check());
        QCOMPARE(w.ready->count(), 0);
        QCOMPARE(w.refusal, QStringLiteral("Cannot write to %1: Not a directory.")
                                .arg(QDir::toNativeSeparators(dir + QStringLiteral("/blocker/movie.iso"))));
        // Should the destination go bad after the check, the engine's reason
        // is reported with the failure.
        QFile::remove(dir + QStringLiteral("/blocker"));
        QVERIFY(w.check());
        touch(dir + QStringLiteral("/blocker"));
        w.burner.startDelivery();
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 1, 60000);
        QCOMPARE(w.result().outcome, BurnResult::Failed);
        QCOMPARE(w.result().runAfterMaking, true);
        QVERIFY2(w.lastTitle().startsWith(QStringLiteral("failed! open file failed(mkiso).\n")),
                 qPrintable(w.lastTitle()));
        QVERIFY(w.lastTitle().contains(QStringLiteral("Not a directory")));

        // A disk that fills up while the image is written: the failure names
        // the cause, and no partial image is left. The free-space figures are
        // made to pass the check.
        TestSupport::TmpfsMount small(QStringLiteral("iso-small"), qint64(dvdSize / 2));
        if (!small.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + small.error()));
        DiskSpace::setProbe([](const QString &) {
            return DiskSpace::Info{true, quint64(1) << 40, 1, QStringLiteral("ext4"), QStringLiteral("/")};
        });
        w.choose(Destination::Iso, small.path() + QStringLiteral("/movie"));
        QVERIFY(w.check());
        DiskSpace::setProbe({});
        w.burner.startDelivery();
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 2, 60000);
        QCOMPARE(w.result().outcome, BurnResult::Failed);
        QVERIFY2(w.lastTitle().contains(QStringLiteral("No space left on device")),
                 qPrintable(w.lastTitle()));
        QCOMPARE(QDir(small.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void recorderTwoCopies()
    {
        Workflow w;
        w.choose(Destination::Burner, pseudo);
        const QString temp = TestSupport::freshDir(QStringLiteral("toburner-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner.setWorkFolder(temp);
        w.burner.setDvdSize(dvdSize);
        w.burner.setDvdFolder(temp + QStringLiteral("/dvd"));
        w.burner.setCopies(2);
        w.burner.setSpeed(QStringLiteral("Max"));
        QVERIFY(w.check());
        QTRY_COMPARE_WITH_TIMEOUT(w.ready->count(), 1, 20000);

        w.burner.startDelivery();
        QCOMPARE(w.lastStage(), BurnStage::CheckingDisc);
        // After the first copy the next disc is asked for; the run goes on.
        QTRY_COMPARE_WITH_TIMEOUT(w.next->count(), 1, 60000);
        QCOMPARE(w.finished->count(), 0);
        QCOMPARE(w.progress->last().at(0).toInt(), 100);

        QFile::remove(DVDBurner::instance()->pseudoDrives().first().mid(6));
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 60000);
        QCOMPARE(w.next->count(), 1);
        QCOMPARE(w.result().outcome, BurnResult::Done);
        QCOMPARE(w.burner.copiesLeft(), 0);

        const DvdCheck::Disc disc = DvdCheck::read(pseudo.mid(6));
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), DvdCheck::read(dvd).titles.size());
        const QList<QString> vobs = DvdCheck::titleVobs(temp + QStringLiteral("/dvd"), 1);
        QVERIFY(!vobs.isEmpty());
        // The staged images are gone from the work folder.
        QVERIFY(QDir(temp + QStringLiteral("/temp")).entryList(QDir::Files).isEmpty());
    }

    void nonBlankDiscIsAskedAbout()
    {
        // An image file that holds data is a written disc, asked about
        // before anything is written over it.
        const QString dir = TestSupport::freshDir(QStringLiteral("nonblank"));
        const QString image = dir + QStringLiteral("/disc.img");
        touch(image);
        Workflow w;
        w.choose(Destination::Burner, QStringLiteral("stdio:") + image);
        const QString temp = TestSupport::freshDir(QStringLiteral("nonblank-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner.setWorkFolder(temp);
        w.burner.setDvdSize(dvdSize);
        w.burner.setDvdFolder(temp + QStringLiteral("/dvd"));
        const QString erase =
            QStringLiteral("The disc in the drive is not blank. Writing to this disc will erase all "
                           "the data on the disc. \nDo you want to continue?");
        // Declined, the drive is read again after a moment (a real tray is
        // opened first) and the disc asked about again.
        w.questions.answers = {false, true};
        QVERIFY(w.check());
        QTRY_COMPARE_WITH_TIMEOUT(w.ready->count(), 1, 20000);
        QCOMPARE(w.questions.texts, QStringList({erase, erase}));
        QVERIFY(w.questions.asked.isEmpty());
        QVERIFY(DVDBurner::instance()->directErase());

        // Agreed while checking, the burn erases the disc without asking.
        w.questions.texts.clear();
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 60000);
        QCOMPARE(w.result().outcome, BurnResult::Done);
        QVERIFY(w.questions.texts.isEmpty());
        QVERIFY(DvdCheck::read(image).ok);
        QVERIFY(!DVDBurner::instance()->directErase());
    }

    void waitingForDiscCheckPhase()
    {
        const QString drives = TestSupport::freshDir(QStringLiteral("nodisc"));
        const QString missing = QStringLiteral("stdio:") + drives + QStringLiteral("/gone/disc.img");
        usePseudoDrives({missing});
        Workflow w;
        w.choose(Destination::Burner, missing);
        w.burner.setWorkFolder(drives);
        w.burner.setDvdSize(dvdSize);

        w.questions.waits = {RunQuestions::DiscWaitAnswer::Cancelled};
        QVERIFY(w.check());
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 20000);
        QCOMPARE(w.questions.reasons, QStringList{QStringLiteral("Please insert a blank disc.")});
        QCOMPARE(w.result().runAfterMaking, false);
        QCOMPARE(w.lastTitle(), QStringLiteral("Disc checking stopped"));
        QCOMPARE(w.ready->count(), 0);
        const DiscWait asked = w.questions.asked.last();
        QVERIFY(asked.checking);
        QCOMPARE(asked.device, missing);
        QCOMPARE(asked.displayName, QStringLiteral("Image File Recorder"));
        QCOMPARE(asked.requiredType, QStringLiteral("DVD-R/RW,DVD+R/RW"));
        QCOMPARE(asked.discType, QStringLiteral("Empty"));
        QCOMPARE(asked.discFree, QStringLiteral("N/A"));
        QCOMPARE(asked.neededSize, BurnWorkflow::sizeText(dvdSize, QStringLiteral("G")));

        w.questions.waits = {RunQuestions::DiscWaitAnswer::Ignored};
        QVERIFY(w.check());
        QTRY_COMPARE_WITH_TIMEOUT(w.ready->count(), 1, 20000);

        // Burn phase: given up, the burn is aborted.
        w.questions.waits = {RunQuestions::DiscWaitAnswer::Cancelled};
        w.burner.startDelivery();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 2, 20000);
        QVERIFY(!w.questions.asked.last().checking);
        QCOMPARE(w.result().outcome, BurnResult::Aborted);
        QCOMPARE(w.lastTitle(), QStringLiteral("Burning aborted!"));
        QCOMPARE(w.result().runAfterMaking, false);
    }

    void failedBurnRetryAndFailureTexts()
    {
        Workflow w;
        w.choose(Destination::Burner, pseudo);
        QSignalSpy abortFlag(&w.burner, &BurnWorkflow::canAbortChanged);
        w.burner.jobFailed(BurnError::Write, QString());
        QVERIFY(w.questions.saw(QStringLiteral("Burn process failed. Do you want to try again.")));
        QCOMPARE(w.next->count(), 1);
        QCOMPARE(w.finished->count(), 0);
        w.questions.answers = {false};
        w.burner.jobFailed(BurnError::Write, QString());
        QCOMPARE(w.finished->count(), 1);
        QCOMPARE(w.lastTitle(), QStringLiteral("Failed to write to disc, please retry."));
        QVERIFY(abortFlag.last().at(0).toBool());
        // The engine's words follow the failure's text.
        w.questions.answers = {false};
        w.burner.jobFailed(BurnError::OpenDisc, QStringLiteral("the drive said no"));
        QCOMPARE(w.lastTitle(), QStringLiteral("Failed to open disc, please retry.\nthe drive said no"));

        QCOMPARE(BurnWorkflow::failureText(BurnError::Generic),
                 QStringLiteral("Burning failed! We recommend you burn again."));
        QCOMPARE(BurnWorkflow::failureText(BurnError(-1)), QString());
        QCOMPARE(BurnWorkflow::failureText(BurnError(77)), QStringLiteral("Burning failed!"));
    }

    void recorderProgressStages()
    {
        Workflow w;
        w.choose(Destination::Burner, pseudo);
        QSignalSpy abortFlag(&w.burner, &BurnWorkflow::canAbortChanged);
        auto last = [&] { return w.progress->last().at(0).toInt(); };
        w.burner.jobCheckEnded(true);
        QCOMPARE(w.ready->count(), 1);
        QCOMPARE(w.burner.startedType(), Destination::Burner);
        // Erasing, then burning, finalizing at 99.
        w.burner.jobEraseProgress(0);
        QCOMPARE(w.lastStage(), BurnStage::ErasingDisc);
        QCOMPARE(abortFlag.last().at(0).toBool(), false);
        QCOMPARE(last(), 0);
        w.burner.jobEraseProgress(50);
        QCOMPARE(last(), 50);
        w.burner.jobEraseProgress(100);
        QCOMPARE(w.lastStage(), BurnStage::CheckingDisc);
        w.burner.jobProgress(50);
        QCOMPARE(w.lastStage(), BurnStage::BurningDisc);
        QCOMPARE(abortFlag.last().at(0).toBool(), true);
        QCOMPARE(w.progress->at(w.progress->count() - 2).at(0).toInt(), 0);
        QCOMPARE(last(), 50);
        w.burner.jobProgress(150);
        QCOMPARE(last(), 99);
        w.burner.jobFinalizing();
        QCOMPARE(w.lastStage(), BurnStage::FinalizingDisc);
        QCOMPARE(abortFlag.last().at(0).toBool(), false);
        QCOMPARE(last(), 99);
        w.burner.jobSucceeded();
        QCOMPARE(last(), 100);
        QCOMPARE(w.result().outcome, BurnResult::Done);
        // A failed erase ends the run.
        w.burner.jobEraseEnded(false);
        QCOMPARE(w.lastTitle(), QStringLiteral("Failed to erase!"));
        QCOMPARE(w.result().runAfterMaking, true);
    }

    void freeSpaceRules()
    {
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("space"));
        const quint64 size = quint64(1) << 30;
        DiskSpace::Info tmp{true, 0, 1, QStringLiteral("ext4"), QStringLiteral("/tmpdisk")};
        DiskSpace::Info dst{true, 0, 1, QStringLiteral("ext4"), QStringLiteral("/dstdisk")};
        DiskSpace::setProbe(
            [&](const QString &path) { return path.startsWith(dir + QStringLiteral("/t")) ? tmp : dst; });
        w.burner.setWorkFolder(dir + QStringLiteral("/t"));
        w.burner.setDvdSize(size);
        w.choose(Destination::Iso, dir + QStringLiteral("/out.iso"));

        // The same disk must hold the work files and the result.
        tmp.available = dst.available = 2 * size;
        QVERIFY(!w.check());
        QCOMPARE(w.refusal,
                 QStringLiteral("Not enough free space available in the disk which the temporary folder "
                                "is located in. At least 2048.00 MB disk space is needed in disk "
                                "/tmpdisk."));
        tmp.available = dst.available = 2 * size + 1;
        QVERIFY(w.check());

        // Different disks need the size on each.
        dst.deviceId = 2;
        tmp.available = size + 1;
        dst.available = size;
        QVERIFY(!w.check());
        QCOMPARE(w.refusal,
                 QStringLiteral("Not enough space available in the target disk. At least 1024.00 MB of "
                                "disk space is needed in /dstdisk disk."));
        dst.available = size + 1;
        QVERIFY(w.check());

        // FAT32 holds files up to 4 GiB.
        tmp.available = dst.available = quint64(100) << 30;
        dst.fsType = QStringLiteral("vfat");
        w.burner.setDvdSize(quint64(4294967296ULL));
        QVERIFY(w.check());
        w.burner.setDvdSize(quint64(4294967297ULL));
        QVERIFY(!w.check());
        QCOMPARE(w.refusal,
                 QStringLiteral("The file system of destination disk (/dstdisk) does not support files "
                                "larger than 4GB, please select again."));

        // A recorder needs twice the size in the temporary disk.
        w.choose(Destination::Burner, pseudo);
        w.burner.setDvdSize(size);
        tmp.available = 2 * size;
        QVERIFY(!w.check());
        tmp.present = false;
        QVERIFY(!w.check());
        QCOMPARE(w.refusal,
                 QStringLiteral(
                     "The temporary folder does not exist, please set the temporary folder and try again."));
        DiskSpace::setProbe({});
        QVERIFY(!DVDBurner::instance()->discHasRoom(QStringLiteral("/dev/none"), 0));

        // The real probe: same file system for two folders of one disk.
        QVERIFY(
            DiskSpace::sameDisk(DiskSpace::query(dir), DiskSpace::query(dir + QStringLiteral("/new/deep"))));
        QVERIFY(!DiskSpace::query(QStringLiteral("relative/path")).present);
    }

    void tempCleanRemovesOnlyOwnFiles()
    {
        Workflow w;
        const QString temp = TestSupport::freshDir(QStringLiteral("clean"));
        touch(temp + QStringLiteral("/dvd/VIDEO_TS/VTS_01_1.VOB"));
        touch(temp + QStringLiteral("/dvd/AUDIO_TS/x"));
        touch(temp + QStringLiteral("/dvd/mine.txt"));
        touch(temp + QStringLiteral("/temp/sorvel-burn-abc123.iso"));
        touch(temp + QStringLiteral("/temp/photo.jpg"));
        touch(temp + QStringLiteral("/keep.txt"));
        w.burner.setWorkFolder(temp);
        w.burner.cleanWorkFolder();
        QCOMPARE(QDir(temp + QStringLiteral("/dvd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("mine.txt")});
        QCOMPARE(QDir(temp + QStringLiteral("/temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("photo.jpg")});
        QVERIFY(QFile::exists(temp + QStringLiteral("/keep.txt")));
    }

    void refusedJobStartIsReported()
    {
        // The engine runs one job at a time. A disc check held at its disc
        // question keeps a job running; every starter called meanwhile
        // starts nothing and says so, and no image is written.
        struct HeldAtQuestion {
            QSemaphore asked;
            QSemaphore go;
            // A job's last signal comes after it stops counting as running;
            // this record must outlive it.
            std::atomic<int> checkEnded{0};
            std::atomic<int> succeeded{0};
            std::atomic<int> setups{0};
        } held;
        const DVDBurner::JobSetup setup = [&held](DiscJob &job) {
            ++held.setups;
            QObject::connect(
                &job, &DiscJob::checkEnded, &job, [&held] { ++held.checkEnded; }, Qt::DirectConnection);
            QObject::connect(
                &job, &DiscJob::succeeded, &job, [&held] { ++held.succeeded; }, Qt::DirectConnection);
            job.setDiscQuestion([&held](DiscProblem) {
                held.asked.release();
                held.go.acquire();
                return DiscDecision::Cancel;
            });
        };
        const QString temp = TestSupport::freshDir(QStringLiteral("refused"));
        const QString missing = QStringLiteral("stdio:") + temp + QStringLiteral("/gone/disc.img");
        const QString iso = temp + QStringLiteral("/out.iso");
        DVDBurner *burner = DVDBurner::instance();
        QVERIFY(burner->checkDisc(setup, dvdSize, missing));
        QVERIFY(held.asked.tryAcquire(1, 20000));
        QVERIFY(burner->isRunning());
        QVERIFY(!burner->makeImage(setup, dvd, QStringLiteral("X"), iso));
        QVERIFY(!burner->makeFolder(setup, dvd, temp + QStringLiteral("/copy")));
        QVERIFY(!burner->burnFolder(setup, dvd, pseudo, QStringLiteral("X")));
        QVERIFY(!burner->burnImage(setup, iso, pseudo));
        QVERIFY(!burner->erase(setup, pseudo, EraseMode::Fast));
        QVERIFY(!burner->checkDisc(setup, dvdSize, pseudo));
        QCOMPARE(held.setups.load(), 1);
        held.go.release();
        QTRY_COMPARE_WITH_TIMEOUT(held.checkEnded.load(), 1, 10000);
        QVERIFY(!burner->isRunning());
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // Once the engine is free a starter runs its job.
        QVERIFY(burner->makeImage(setup, dvd, QStringLiteral("X"), iso));
        QTRY_COMPARE_WITH_TIMEOUT(held.succeeded.load(), 1, 30000);
        QVERIFY(!burner->isRunning());
        QVERIFY(QFileInfo(iso).size() > 0);
        QCOMPARE(burner->imageSize(), QFileInfo(iso).size());
    }

    void stopWhileRetryingAgainAndAgain()
    {
        // A burn that keeps failing (the disc image's disk is read-only) and
        // is tried again a few times, stopped at a random moment: before the
        // job starts, while it grabs the drive or images the folder, while
        // its failure is on the way, or between two tries, when no job runs.
        // Every round must end in exactly one failed finished(), without a
        // hang or a crash. SORVEL_STRESS_ROUNDS sets the number of rounds
        // (run it a few hundred times under the sanitizers).
        TestSupport::TmpfsMount disk(QStringLiteral("retry-disk"), 16 << 20);
        if (!disk.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
        touch(disk.path() + QStringLiteral("/placeholder"));
        QVERIFY(disk.makeReadOnly());
        const QString temp = TestSupport::freshDir(QStringLiteral("retry-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        Questions questions; // "try again?" is answered yes
        BurnWorkflow workflow;
        workflow.setQuestions(&questions);
        workflow.setDestination(
            {Destination::Burner, QStringLiteral("stdio:") + disk.path() + QStringLiteral("/disc.img")});
        workflow.setWorkFolder(temp);
        workflow.setDvdFolder(temp + QStringLiteral("/dvd"));
        workflow.setDvdSize(dvdSize);
        QSignalSpy finished(&workflow, &BurnWorkflow::finished);
        // Like the window, the next try starts a little later, unless the
        // burn was stopped meanwhile.
        int retriesLeft = 0;
        bool stopped = false;
        connect(&workflow, &BurnWorkflow::nextDiscNeeded, &workflow, [&] {
            if (retriesLeft-- > 0)
                QTimer::singleShot(0, &workflow, [&] {
                    if (!stopped)
                        workflow.startDelivery();
                });
        });
        const int rounds = qEnvironmentVariableIsSet("SORVEL_STRESS_ROUNDS")
                               ? qEnvironmentVariableIntValue("SORVEL_STRESS_ROUNDS")
                               : 30;
        QRandomGenerator random(20260101);
        for (int round = 0; round < rounds; ++round) {
            finished.clear();
            stopped = false;
            retriesLeft = random.bounded(3);
            workflow.startDelivery();
            QTest::qWait(random.bounded(40));
            stopped = true;
            workflow.stop();
            QVERIFY2(!finished.isEmpty() || finished.wait(10000), qPrintable(QString::number(round)));
            // A job's last report is sent just after it stops counting as
            // running: once none runs, a short wait delivers any second one.
            QTRY_VERIFY_WITH_TIMEOUT(!DVDBurner::instance()->isRunning(), 10000);
            QTest::qWait(20);
            QCOMPARE(finished.count(), 1);
            QVERIFY(finished.first().at(0).value<BurnResult>().outcome != BurnResult::Done);
        }
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), QStringList{QStringLiteral("placeholder")});
    }

    void cachesReadWhileTheWatchThreadRefreshes()
    {
        // Recorders with and without a disc image, refreshed again and again
        // by the device-watch thread while this (the GUI) thread reads them.
        const QString dir = TestSupport::freshDir(QStringLiteral("hammer"));
        QStringList drives;
        for (int i = 0; i < 4; ++i) {
            const QString image = dir + QStringLiteral("/disc%1.img").arg(i);
            if (i % 2 == 0)
                touch(image);
            drives << QStringLiteral("stdio:") + image;
        }
        usePseudoDrives(drives);
        DVDBurner *burner = DVDBurner::instance();
        DeviceThread watch;
        int refreshes = 0;
        connect(
            &watch, &DeviceThread::discsUpdated, &watch, [&] { ++refreshes; }, Qt::DirectConnection);
        watch.start();
        QElapsedTimer timer;
        timer.start();
        int reads = 0;
        int recordersSeen = 0;
        while (timer.elapsed() < 2000 || refreshes < 5) {
            watch.queueRefresh();
            for (const QString &drive : qAsConst(drives)) {
                if (const std::optional<RecorderInfo> info = burner->recorder(drive))
                    recordersSeen += info->displayName.isEmpty() ? 0 : 1;
                if (const std::optional<DiscInfo> disc = burner->disc(drive))
                    QVERIFY(disc->capacity >= disc->freeSpace || disc->capacity == 0);
                burner->discVolume(drive);
                QCOMPARE(burner->isRecorder(drive), true);
                ++reads;
            }
            QCOMPARE(burner->recorders().size(), drives.size());
            burner->updateDiscVolumes();
            if (timer.elapsed() > 60000)
                break;
        }
        watch.stop();
        QVERIFY2(refreshes >= 5, qPrintable(QString::number(refreshes)));
        QVERIFY(reads > 100);
        QCOMPARE(recordersSeen, reads);
    }

    void driveWatchRefreshesAndReportsArrivals()
    {
        // A disc image appearing in a watched pseudo-drive is an arriving
        // disc: the caches are read again and the arrival is told.
        const QString dir = TestSupport::freshDir(QStringLiteral("watch"));
        const QString drive = QStringLiteral("stdio:") + dir + QStringLiteral("/disc.img");
        usePseudoDrives({drive});
        DeviceThread thread;
        int refreshes = 0;
        connect(
            &thread, &DeviceThread::devicesUpdated, &thread, [&] { ++refreshes; }, Qt::DirectConnection);
        DriveWatch watch(&thread);
        QSignalSpy arrived(&watch, &DriveWatch::discArrived);
        watch.start();
        QTRY_VERIFY_WITH_TIMEOUT(refreshes >= 1, 20000);
        QVERIFY(DVDBurner::instance()->isRecorder(drive));
        const int before = refreshes;
        touch(dir + QStringLiteral("/disc.img"));
        QTRY_VERIFY_WITH_TIMEOUT(!arrived.isEmpty(), 20000);
        QCOMPARE(arrived.last().at(0).toString(), drive);
        QTRY_VERIFY_WITH_TIMEOUT(refreshes > before, 20000);
        // A disc leaving is no arrival.
        arrived.clear();
        watch.mediumChanged(drive, false);
        QVERIFY(arrived.isEmpty());
        thread.stop();
    }

    void waitConditionBudget()
    {
        DVDBurner *burner = DVDBurner::instance();
        burner->beginWait();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(burner->waitForEnd(250), false);
        QVERIFY(timer.elapsed() >= 290);
        QTimer::singleShot(50, [burner] { burner->endWait(); });
        QCOMPARE(burner->waitForEnd(5000), true);
        QVERIFY(!burner->disc(QStringLiteral("/dev/none")));
        QCOMPARE(burner->eject(QStringLiteral("/dev/none")), false);
    }
};

QTEST_MAIN(TestBurnWorkflow)
#include "test_burnworkflow.moc"
