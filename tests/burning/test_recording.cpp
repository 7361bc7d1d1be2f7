// The disc-recording engine against real libburn pseudo-drives and the real
// genisoimage.
#include "dvdcheck.h"
#include "dvdfixture.h"
#include "testsupport.h"

#include <recording/recording.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// What a job reported, in order.
enum class Report {
    Progress,
    Succeeded,
    Failed,
    Finalizing,
    DiscProblem,
    EraseEnded,
    EraseProgress,
    DiscChanged,
    CheckEnded,
    Aborted
};

struct Note {
    Report what;
    int value;
};

// Records the signals a job emits on its thread; answers disc problems
// through a test-supplied function (no function: Cancel).
class Recorder
{
public:
    std::function<DiscDecision(DiscProblem problem)> onDiscProblem;

    // Listens to the job (before it starts).
    void watch(DiscJob *job)
    {
        const auto direct = Qt::DirectConnection;
        QObject::connect(
            job, &DiscJob::progress, job, [this](int p) { add(Report::Progress, p); }, direct);
        QObject::connect(
            job, &DiscJob::succeeded, job, [this] { add(Report::Succeeded, 0); }, direct);
        QObject::connect(
            job, &DiscJob::failed, job, [this](BurnError e, const QString &) { add(Report::Failed, int(e)); },
            direct);
        QObject::connect(
            job, &DiscJob::finalizing, job, [this] { add(Report::Finalizing, 0); }, direct);
        QObject::connect(
            job, &DiscJob::eraseEnded, job, [this](bool ok) { add(Report::EraseEnded, ok ? 1 : 0); }, direct);
        QObject::connect(
            job, &DiscJob::eraseProgress, job, [this](int p) { add(Report::EraseProgress, p); }, direct);
        QObject::connect(
            job, &DiscJob::discChanged, job, [this] { add(Report::DiscChanged, 0); }, direct);
        // checkEnded(ready): 0 ready, 1 stopped.
        QObject::connect(
            job, &DiscJob::checkEnded, job, [this](bool ready) { add(Report::CheckEnded, ready ? 0 : 1); },
            direct);
        QObject::connect(
            job, &DiscJob::aborted, job, [this] { add(Report::Aborted, 0); }, direct);
        job->setDiscQuestion([this](DiscProblem problem) {
            add(Report::DiscProblem, int(problem));
            return onDiscProblem ? onDiscProblem(problem) : DiscDecision::Cancel;
        });
    }
    QList<Note> all()
    {
        QMutexLocker locker(&mutex);
        return notes;
    }
    bool has(Report what)
    {
        for (const Note &n : all()) {
            if (n.what == what)
                return true;
        }
        return false;
    }
    int valueOf(Report what)
    {
        int v = -1;
        for (const Note &n : all()) {
            if (n.what == what)
                v = n.value;
        }
        return v;
    }

private:
    void add(Report what, int value)
    {
        QMutexLocker locker(&mutex);
        notes.append({what, value});
    }
    QMutex mutex;
    QList<Note> notes;
};

QByteArray sha1(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&f);
    return hash.result();
}

// A job's last notification follows the end of its running state.
bool waitEnded(DiscJob *job, Recorder &rec, int ms = 60000)
{
    return QTest::qWaitFor(
        [&] {
            return !job->isRunning() &&
                   (rec.has(Report::Succeeded) || rec.has(Report::Failed) || rec.has(Report::Aborted) ||
                    rec.has(Report::CheckEnded) || rec.has(Report::EraseEnded));
        },
        ms);
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DriveList> manager;
    QString dvd;

private Q_SLOTS:
    void initTestCase()
    {
        dvd = DvdFixture::dvdFolder();
        QVERIFY2(!dvd.isEmpty(), "the DVD fixture could not be built");
        manager = std::make_unique<DriveList>();
    }
    void cleanupTestCase() { manager.reset(); }

    void pseudoDrivesAreListedAsRecorders()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("list"));
        qputenv("SORVEL_PSEUDO_DRIVES", QStringLiteral("%1/a.img;stdio:%1/b.img").arg(dir).toLocal8Bit());
        const QStringList env = DriveList::pseudoDrivesFromEnvironment();
        QCOMPARE(env, QStringList({QStringLiteral("stdio:%1/a.img").arg(dir),
                                   QStringLiteral("stdio:%1/b.img").arg(dir)}));
        manager->setPseudoDrives(env);
        QVERIFY(manager->refresh() >= 2);
        const RecorderInfo last = manager->drives().last();
        QCOMPARE(last.deviceName, QStringLiteral("stdio:%1/b.img").arg(dir));
        QVERIFY(last.writesDvd && last.pseudo);
        QVERIFY(!last.writesBd);

        std::unique_ptr<Drive> drive = manager->open(last.deviceName);
        QVERIFY(drive);
        const std::optional<DiscInfo> disc = drive->disc();
        QVERIFY(disc);
        QVERIFY(disc->writable && disc->blank);
        QVERIFY(disc->freeSpace > 0);
        drive.reset();
        QVERIFY(!manager->open(QStringLiteral("stdio:%1/missing/x.img").arg(dir)));
        qunsetenv("SORVEL_PSEUDO_DRIVES");
    }

    void speedsAndDeviceNames()
    {
        QCOMPARE(WriteSpeed::kbPerSecondFromText(QStringLiteral("Max")), 0);
        QCOMPARE(WriteSpeed::kbPerSecondFromText(QStringLiteral("8X")), 8 * 1385);
        const QVector<WriteSpeed> speeds{{4 * 1385, QStringLiteral("4X")},
                                         {16 * 1385, QStringLiteral("16X")},
                                         {4 * 1385 + 10, QStringLiteral("4X")}};
        QCOMPARE(WriteSpeed::choices(speeds),
                 QVector<QString>({QStringLiteral("Max"), QStringLiteral("16X"), QStringLiteral("4X")}));
        QVERIFY(DriveList::isSameDevice(QStringLiteral("stdio:/tmp/x.img"), QStringLiteral("/tmp/x.img")));
        QVERIFY(DriveList::isSameDevice(QStringLiteral("/dev/sr0"), QStringLiteral("/dev/sr0/")));
        QVERIFY(!DriveList::isSameDevice(QStringLiteral("/dev/sr0"), QStringLiteral("/dev/sr1")));
        QVERIFY(!DriveList::isSameDevice(QString(), QString()));
    }

    void makeIsoIsReadableDvdAndSecondStartIgnored()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkiso"));
        const QString iso = dir + QStringLiteral("/out.iso");
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.watch(job.get());
        job->setDvdVideoImage(true);
        QVERIFY(job->makeImage(iso, dvd, QStringLiteral("HOLIDAY")));
        QVERIFY(!job->makeImage(iso, dvd, QStringLiteral("AGAIN")));
        QVERIFY(waitEnded(job.get(), rec));
        QVERIFY2(rec.has(Report::Succeeded), qPrintable(job->errorText()));
        QVERIFY(rec.has(Report::Progress));
        QCOMPARE(job->imageSize(), QFileInfo(iso).size());
        job.reset();
        // Only the finished image is left; no temporary part files.
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("out.iso")});

        const DvdCheck::Disc disc = DvdCheck::read(iso);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        QCOMPARE(disc.titles.first().pal, 1);
        QCOMPARE(disc.titles.first().height, 576);
        QVERIFY(disc.titles.first().seconds > 1.5);
    }

    void makeIsoReplacesEarlierImageOnlyWhenDone()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkisoreplace"));
        const QString iso = dir + QStringLiteral("/out.iso");
        QFile old(iso);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier image");
        old.close();
        {
            Recorder rec;
            auto job = std::make_unique<DiscJob>();
            rec.watch(job.get());
            job->setDvdVideoImage(true);
            QVERIFY(job->makeImage(iso, dvd, QStringLiteral("NEW")));
            QVERIFY(waitEnded(job.get(), rec));
            QVERIFY2(rec.has(Report::Succeeded), qPrintable(job->errorText()));
            job.reset();
        }
        const DvdCheck::Disc disc = DvdCheck::read(iso);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("out.iso")});

        // A folder in the image's place cannot be replaced: the job fails,
        // the folder and its content stay, and no part file is left.
        const QString blocked = dir + QStringLiteral("/folder.iso");
        QVERIFY(QDir().mkpath(blocked));
        QFile keep(blocked + QStringLiteral("/keep"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        {
            Recorder rec;
            auto job = std::make_unique<DiscJob>();
            rec.watch(job.get());
            job->setDvdVideoImage(true);
            job->makeImage(blocked, dvd, QStringLiteral("X"));
            QVERIFY(waitEnded(job.get(), rec));
            QCOMPARE(rec.valueOf(Report::Failed), int(BurnError::MakeImageOutput));
            QVERIFY(!rec.has(Report::Succeeded));
            job.reset();
        }
        QVERIFY(QFileInfo::exists(blocked + QStringLiteral("/keep")));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("out.iso")});
    }

    void stoppedMakeIsoLeavesNoFile()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkisostop"));
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.watch(job.get());
        job->setDvdVideoImage(true);
        job->makeImage(dir + QStringLiteral("/out.iso"), dvd, QStringLiteral("X"));
        job->stop();
        QVERIFY(waitEnded(job.get(), rec));
        QVERIFY(rec.has(Report::Aborted));
        QVERIFY(!rec.has(Report::Succeeded));
        job.reset();
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList());
    }

    void makeIsoFailuresLeaveNoFile()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkisofail"));
        QDir().mkpath(dir + QStringLiteral("/ro"));
        // A destination below a plain file cannot be created, even by root.
        QFile blocker(dir + QStringLiteral("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            Recorder rec;
            auto job = std::make_unique<DiscJob>();
            rec.watch(job.get());
            job->makeImage(dir + QStringLiteral("/blocker/out.iso"), dvd, QStringLiteral("X"));
            QVERIFY(waitEnded(job.get(), rec));
            QCOMPARE(rec.valueOf(Report::Failed), int(BurnError::MakeImageOutput));
            QVERIFY(!rec.has(Report::Succeeded));
            job.reset();
        }
        QFile::remove(dir + QStringLiteral("/blocker"));
        {
            // A folder that is no DVD: genisoimage refuses -dvd-video.
            Recorder rec;
            auto job = std::make_unique<DiscJob>();
            rec.watch(job.get());
            job->setDvdVideoImage(true);
            job->makeImage(dir + QStringLiteral("/bad.iso"), dir + QStringLiteral("/ro"),
                           QStringLiteral("X"));
            QVERIFY(waitEnded(job.get(), rec));
            QCOMPARE(rec.valueOf(Report::Failed), int(BurnError::ReadDvdData));
            QVERIFY(!job->errorText().isEmpty());
            job.reset();
            QVERIFY(!QFile::exists(dir + QStringLiteral("/bad.iso")));
            QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList());
        }
    }

    void burnIsoToPseudoDriveWritesSameBytes()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("burniso"));
        const QString iso = dir + QStringLiteral("/src.iso");
        QVERIFY(
            TestSupport::run(QStringLiteral("genisoimage"),
                             {QStringLiteral("-quiet"), QStringLiteral("-dvd-video"), QStringLiteral("-V"),
                              QStringLiteral("T"), QStringLiteral("-o"), iso, dvd}) == 0);
        const QString target = dir + QStringLiteral("/disc.img");
        // An older, larger image in the pseudo-drive must not leave a tail.
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(int(QFileInfo(iso).size() + 100000), 'x'));
        }
        // An image file that holds data is a written disc: the job asks
        // before writing over it, and a refusal leaves it as it was.
        const QByteArray before = sha1(target);
        {
            Recorder refusing;
            auto job = std::make_unique<DiscJob>();
            refusing.onDiscProblem = [](DiscProblem problem) {
                [&] { QCOMPARE(problem, DiscProblem::NotBlank); }();
                return DiscDecision::Cancel;
            };
            refusing.watch(job.get());
            QVERIFY(job->burnImage(QStringLiteral("stdio:") + target, iso));
            QVERIFY(waitEnded(job.get(), refusing));
            QCOMPARE(refusing.valueOf(Report::DiscProblem), int(DiscProblem::NotBlank));
            QVERIFY(refusing.has(Report::Aborted));
            job.reset();
            QCOMPARE(sha1(target), before);
        }
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.onDiscProblem = [](DiscProblem) { return DiscDecision::UseDisc; };
        rec.watch(job.get());
        job->setCloseDisc(true);
        QVERIFY(job->burnImage(QStringLiteral("stdio:") + target, iso));
        QVERIFY(waitEnded(job.get(), rec));
        QVERIFY2(rec.has(Report::Succeeded), qPrintable(job->errorText()));
        QCOMPARE(rec.valueOf(Report::DiscProblem), int(DiscProblem::NotBlank));
        QVERIFY(rec.has(Report::Finalizing));
        QVERIFY(!rec.has(Report::Failed) && !rec.has(Report::Aborted));
        job.reset();
        QCOMPARE(QFileInfo(target).size(), QFileInfo(iso).size());
        QCOMPARE(sha1(target), sha1(iso));
    }

    void burnFolderToPseudoDriveIsReadable()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("burnfolder"));
        const QString target = dir + QStringLiteral("/disc.img");
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.watch(job.get());
        job->setDvdVideoImage(true);
        job->setCloseDisc(true);
        job->setStagingFolder(dir);
        QVERIFY(job->burnFolder(QStringLiteral("stdio:") + target, dvd, QStringLiteral("MY DVD")));
        QVERIFY(waitEnded(job.get(), rec));
        QVERIFY2(rec.has(Report::Succeeded), qPrintable(job->errorText()));
        job.reset();
        // The staged image is gone; the pseudo-disc holds a DVD.
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("disc.img")});
        const DvdCheck::Disc disc = DvdCheck::read(target);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), DvdCheck::read(dvd).titles.size());
        QCOMPARE(disc.titles.first().height, 576);
    }

    void stopDuringWriteEndsAborted()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("stop"));
        const QString iso = dir + QStringLiteral("/big.iso");
        {
            QFile f(iso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(64) << 20));
        }
        const QString target = dir + QStringLiteral("/disc.img");
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.watch(job.get());
        // 1X keeps the pseudo-drive at disc speed, so the write lasts.
        job->setSpeed(QStringLiteral("1X"));
        job->burnImage(QStringLiteral("stdio:") + target, iso);
        QVERIFY(
            QTest::qWaitFor([&] { return rec.valueOf(Report::Progress) >= 1 || !job->isRunning(); }, 30000));
        QVERIFY(job->isRunning());
        job->stop();
        QVERIFY(waitEnded(job.get(), rec));
        QVERIFY(rec.has(Report::Aborted));
        QVERIFY(!rec.has(Report::Succeeded));
        job.reset();
    }

    void missingDiscIsAskedForAndCancelEndsCheck()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("nodisc"));
        // A pseudo-drive whose folder is missing holds no disc.
        const QString device = QStringLiteral("stdio:%1/missing/disc.img").arg(dir);
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        int asked = 0;
        rec.onDiscProblem = [&](DiscProblem problem) {
            ++asked;
            [&] { QCOMPARE(problem, DiscProblem::NoDisc); }();
            if (asked == 1) {
                // The "disc" arrives: the engine looks again.
                QDir().mkpath(dir + QStringLiteral("/missing"));
                return DiscDecision::UseDisc;
            }
            return DiscDecision::Cancel;
        };
        rec.watch(job.get());
        job->checkDisc(device, 1000);
        QVERIFY(waitEnded(job.get(), rec));
        QCOMPARE(asked, 1);
        QCOMPARE(rec.valueOf(Report::CheckEnded), 0);
        QVERIFY(rec.has(Report::DiscChanged));
        QVERIFY(job->disc());
        job.reset();

        Recorder rec2;
        // no answer: cancelled
        auto job2 = std::make_unique<DiscJob>();
        rec2.watch(job2.get());
        job2->checkDisc(QStringLiteral("stdio:%1/gone/disc.img").arg(dir), 1000);
        QVERIFY(waitEnded(job2.get(), rec2));
        QCOMPARE(rec2.valueOf(Report::CheckEnded), 1);
        job2.reset();

        // Too small: a check for more than the file system holds.
        Recorder rec3;
        int status3 = -1;
        rec3.onDiscProblem = [&](DiscProblem problem) {
            status3 = int(problem);
            return DiscDecision::Cancel;
        };
        auto job3 = std::make_unique<DiscJob>();
        rec3.watch(job3.get());
        job3->checkDisc(QStringLiteral("stdio:%1/disc.img").arg(dir), quint64(1) << 62);
        QVERIFY(waitEnded(job3.get(), rec3));
        QCOMPARE(status3, int(DiscProblem::TooSmall));
        QCOMPARE(rec3.valueOf(Report::CheckEnded), 1);
        job3.reset();
    }

    void eraseEmptiesPseudoDisc()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("erase"));
        const QString target = dir + QStringLiteral("/disc.img");
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("data");
        f.close();
        Recorder rec;
        auto job = std::make_unique<DiscJob>();
        rec.watch(job.get());
        job->erase(QStringLiteral("stdio:") + target, EraseMode::Fast);
        QVERIFY(waitEnded(job.get(), rec));
        QCOMPARE(rec.valueOf(Report::EraseEnded), 1);
        QCOMPARE(rec.valueOf(Report::EraseProgress), 100);
        QCOMPARE(QFileInfo(target).size(), qint64(0));
        job.reset();
    }

    void monitorReportsPseudoDiscChanges()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("monitor"));
        const QString device = QStringLiteral("stdio:%1/disc.img").arg(dir);
        auto monitor = std::make_unique<MediumMonitor>(QStringList{device});
        monitor->setPollInterval(50);
        QSignalSpy spy(monitor.get(), &MediumMonitor::mediumChanged);
        QVERIFY(monitor->start());
        QFile f(dir + QStringLiteral("/disc.img"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QTRY_VERIFY(spy.count() >= 1);
        QCOMPARE(spy.last().at(0).toString(), device);
        QCOMPARE(spy.last().at(1).toBool(), true);
        QDir(dir).removeRecursively();
        QTRY_COMPARE(spy.last().at(1).toBool(), false);
        monitor.reset();
    }
};

QTEST_GUILESS_MAIN(TestRecording)
#include "test_recording.moc"
