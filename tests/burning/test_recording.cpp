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

namespace {

struct Note {
    int what;
    int value;
};

// Records the notifications a job sends from its thread; answers disc
// problems through a test-supplied function.
class Recorder : public IBurnerJobCallBack
{
public:
    std::function<void(int status)> onDiscProblem;

    int postMessage(int, int wParam, int lParam) override
    {
        QMutexLocker locker(&mutex);
        notes.append({wParam, lParam});
        return 0;
    }
    int sendMessage(int message, int wParam, int lParam) override
    {
        postMessage(message, wParam, lParam);
        if (wParam == NotifyDiscProblem && onDiscProblem)
            onDiscProblem(lParam);
        return 0;
    }
    QList<Note> all()
    {
        QMutexLocker locker(&mutex);
        return notes;
    }
    bool has(int what)
    {
        for (const Note &n : all()) {
            if (n.what == what)
                return true;
        }
        return false;
    }
    int valueOf(int what)
    {
        int v = -1;
        for (const Note &n : all()) {
            if (n.what == what)
                v = n.value;
        }
        return v;
    }

private:
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
bool waitEnded(IBurnerJob *job, Recorder &rec, int ms = 60000)
{
    return QTest::qWaitFor(
        [&] {
            return !job->IsRunning() &&
                   (rec.has(NotifySucceeded) || rec.has(NotifyFailed) || rec.has(NotifyAborted) ||
                    rec.has(NotifyCheckEnded) || rec.has(NotifyEraseEnded));
        },
        ms);
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT
private:
    IDeviceManager *manager = nullptr;
    QString dvd;

private Q_SLOTS:
    void initTestCase()
    {
        dvd = DvdFixture::dvdFolder();
        QVERIFY2(!dvd.isEmpty(), "the DVD fixture could not be built");
        manager = IDeviceManager::Create();
    }
    void cleanupTestCase() { manager->Release(); }

    void pseudoDrivesAreListedAsRecorders()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("list"));
        qputenv("SORVEL_PSEUDO_DRIVES", QStringLiteral("%1/a.img;stdio:%1/b.img").arg(dir).toLocal8Bit());
        const QStringList env = IDeviceManager::pseudoDrivesFromEnvironment();
        QCOMPARE(env, QStringList({QStringLiteral("stdio:%1/a.img").arg(dir),
                                   QStringLiteral("stdio:%1/b.img").arg(dir)}));
        manager->setPseudoDrives(env);
        QVERIFY(manager->RefreshDevices() >= 2);
        const KyDeviceRecord last = manager->GetDevice(manager->GetDeviceCount() - 1);
        QCOMPARE(last.deviceName, QStringLiteral("stdio:%1/b.img").arg(dir));
        QVERIFY(last.recorderFlag & RecorderDvd);
        QVERIFY(!KyBurnerInfo::SupportBD(last.recorderFlag));

        KyBurner *burner = manager->OpenBurner(last.deviceName);
        QVERIFY(burner);
        KyDiscInfo *disc = burner->GetDiscInfo();
        QVERIFY(disc);
        QVERIFY(disc->writable && disc->blank);
        QVERIFY(disc->freeSpace > 0);
        burner->Release();
        QVERIFY(!manager->OpenBurner(QStringLiteral("stdio:%1/missing/x.img").arg(dir)));
        qunsetenv("SORVEL_PSEUDO_DRIVES");
    }

    void speedsAndDeviceNames()
    {
        QCOMPARE(KyBurnerInfo::speedFromText(QStringLiteral("Max")), 0);
        QCOMPARE(KyBurnerInfo::speedFromText(QStringLiteral("8X")), 8 * 1385);
        const QVector<BurnDiscSpeed> speeds{{4 * 1385, QStringLiteral("4X")},
                                            {16 * 1385, QStringLiteral("16X")},
                                            {4 * 1385 + 10, QStringLiteral("4X")}};
        QCOMPARE(KyBurnerInfo::GetShowSpeedList(RecorderDvd, speeds, 0),
                 QVector<QString>({QStringLiteral("Max"), QStringLiteral("16X"), QStringLiteral("4X")}));
        QVERIFY(
            KyBurnerInfo::isSameDVDDevice(QStringLiteral("stdio:/tmp/x.img"), QStringLiteral("/tmp/x.img")));
        QVERIFY(KyBurnerInfo::isSameDVDDevice(QStringLiteral("/dev/sr0"), QStringLiteral("/dev/sr0/")));
        QVERIFY(!KyBurnerInfo::isSameDVDDevice(QStringLiteral("/dev/sr0"), QStringLiteral("/dev/sr1")));
        QVERIFY(!KyBurnerInfo::isSameDVDDevice(QString(), QString()));
    }

    void makeIsoIsReadableDvdAndSecondStartIgnored()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkiso"));
        const QString iso = dir + QStringLiteral("/out.iso");
        Recorder rec;
        IBurnerJob *job = IBurnerJob::Create(manager);
        job->SetCallback(&rec);
        job->SetDvdVideoImage(1);
        QCOMPARE(job->MakeISO(iso, dvd, QStringLiteral("HOLIDAY"), 5000), 0);
        QCOMPARE(job->MakeISO(iso, dvd, QStringLiteral("AGAIN"), 5000), -1);
        QVERIFY(waitEnded(job, rec));
        QVERIFY2(rec.has(NotifySucceeded), qPrintable(job->GetErrorFile()));
        QVERIFY(rec.has(NotifyBurnProgress));
        QCOMPARE(job->GetRealISOSize(), QFileInfo(iso).size());
        job->Release();
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
            IBurnerJob *job = IBurnerJob::Create(manager);
            job->SetCallback(&rec);
            job->SetDvdVideoImage(1);
            QCOMPARE(job->MakeISO(iso, dvd, QStringLiteral("NEW"), 5000), 0);
            QVERIFY(waitEnded(job, rec));
            QVERIFY2(rec.has(NotifySucceeded), qPrintable(job->GetErrorFile()));
            job->Release();
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
            IBurnerJob *job = IBurnerJob::Create(manager);
            job->SetCallback(&rec);
            job->SetDvdVideoImage(1);
            job->MakeISO(blocked, dvd, QStringLiteral("X"), 5000);
            QVERIFY(waitEnded(job, rec));
            QCOMPARE(rec.valueOf(NotifyFailed), int(BurnErrorMakeIsoOutput));
            QVERIFY(!rec.has(NotifySucceeded));
            job->Release();
        }
        QVERIFY(QFileInfo::exists(blocked + QStringLiteral("/keep")));
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("out.iso")});
    }

    void stoppedMakeIsoLeavesNoFile()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("mkisostop"));
        Recorder rec;
        IBurnerJob *job = IBurnerJob::Create(manager);
        job->SetCallback(&rec);
        job->SetDvdVideoImage(1);
        job->MakeISO(dir + QStringLiteral("/out.iso"), dvd, QStringLiteral("X"), 5000);
        job->Stop();
        QVERIFY(waitEnded(job, rec));
        QVERIFY(rec.has(NotifyAborted));
        QVERIFY(!rec.has(NotifySucceeded));
        job->Release();
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
            IBurnerJob *job = IBurnerJob::Create(manager);
            job->SetCallback(&rec);
            job->MakeISO(dir + QStringLiteral("/blocker/out.iso"), dvd, QStringLiteral("X"), 5000);
            QVERIFY(waitEnded(job, rec));
            QCOMPARE(rec.valueOf(NotifyFailed), int(BurnErrorMakeIsoOutput));
            QVERIFY(!rec.has(NotifySucceeded));
            job->Release();
        }
        QFile::remove(dir + QStringLiteral("/blocker"));
        {
            // A folder that is no DVD: genisoimage refuses -dvd-video.
            Recorder rec;
            IBurnerJob *job = IBurnerJob::Create(manager);
            job->SetCallback(&rec);
            job->SetDvdVideoImage(1);
            job->MakeISO(dir + QStringLiteral("/bad.iso"), dir + QStringLiteral("/ro"), QStringLiteral("X"),
                         5000);
            QVERIFY(waitEnded(job, rec));
            QCOMPARE(rec.valueOf(NotifyFailed), int(BurnErrorReadDvdData));
            QVERIFY(!job->GetErrorFile().isEmpty());
            job->Release();
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
            IBurnerJob *job = IBurnerJob::Create(manager);
            refusing.onDiscProblem = [job](int status) {
                QCOMPARE(status, int(DiscNotBlank));
                job->SetReturn(0);
            };
            job->SetCallback(&refusing);
            QCOMPARE(job->BurnISO(QStringLiteral("stdio:") + target, iso, 5000, 0), 0);
            QVERIFY(waitEnded(job, refusing));
            QCOMPARE(refusing.valueOf(NotifyDiscProblem), int(DiscNotBlank));
            QVERIFY(refusing.has(NotifyAborted));
            job->Release();
            QCOMPARE(sha1(target), before);
        }
        Recorder rec;
        IBurnerJob *job = IBurnerJob::Create(manager);
        rec.onDiscProblem = [job](int) { job->SetReturn(1); };
        job->SetCallback(&rec);
        job->SetCloseDisc(1);
        QCOMPARE(job->BurnISO(QStringLiteral("stdio:") + target, iso, 5000, 0), 0);
        QVERIFY(waitEnded(job, rec));
        QVERIFY2(rec.has(NotifySucceeded), qPrintable(job->GetErrorFile()));
        QCOMPARE(rec.valueOf(NotifyDiscProblem), int(DiscNotBlank));
        QVERIFY(rec.has(NotifyFinalizing));
        QVERIFY(!rec.has(NotifyFailed) && !rec.has(NotifyAborted));
        job->Release();
        QCOMPARE(QFileInfo(target).size(), QFileInfo(iso).size());
        QCOMPARE(sha1(target), sha1(iso));
    }

    void burnFolderToPseudoDriveIsReadable()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("burnfolder"));
        const QString target = dir + QStringLiteral("/disc.img");
        Recorder rec;
        IBurnerJob *job = IBurnerJob::Create(manager);
        job->SetCallback(&rec);
        job->SetDvdVideoImage(1);
        job->SetCloseDisc(1);
        job->setStagingFolder(dir);
        QCOMPARE(job->BurnFolder(QStringLiteral("stdio:") + target, dvd, QStringLiteral("MY DVD"), 5000, 0),
                 0);
        QVERIFY(waitEnded(job, rec));
        QVERIFY2(rec.has(NotifySucceeded), qPrintable(job->GetErrorFile()));
        job->Release();
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
        IBurnerJob *job = IBurnerJob::Create(manager);
        job->SetCallback(&rec);
        // 1X keeps the pseudo-drive at disc speed, so the write lasts.
        job->SetSpeed(QStringLiteral("1X"));
        job->BurnISO(QStringLiteral("stdio:") + target, iso, 5000, 0);
        QVERIFY(QTest::qWaitFor([&] { return rec.valueOf(NotifyBurnProgress) >= 1 || !job->IsRunning(); },
                                30000));
        QVERIFY(job->IsRunning());
        job->Stop();
        QVERIFY(waitEnded(job, rec));
        QVERIFY(rec.has(NotifyAborted));
        QVERIFY(!rec.has(NotifySucceeded));
        job->Release();
    }

    void missingDiscIsAskedForAndCancelEndsCheck()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("nodisc"));
        // A pseudo-drive whose folder is missing holds no disc.
        const QString device = QStringLiteral("stdio:%1/missing/disc.img").arg(dir);
        Recorder rec;
        IBurnerJob *job = IBurnerJob::Create(manager);
        int asked = 0;
        rec.onDiscProblem = [&](int status) {
            ++asked;
            QCOMPARE(status, int(DiscNone));
            if (asked == 1) {
                // The "disc" arrives: the engine looks again.
                QDir().mkpath(dir + QStringLiteral("/missing"));
                job->SetReturn(1);
            }
        };
        job->SetCallback(&rec);
        job->CheckDisc(device, 1000, 5000, 0);
        QVERIFY(waitEnded(job, rec));
        QCOMPARE(asked, 1);
        QCOMPARE(rec.valueOf(NotifyCheckEnded), 0);
        QVERIFY(rec.has(NotifyDiscChanged));
        QVERIFY(job->GetDiscInfo());
        job->Release();

        Recorder rec2;
        rec2.onDiscProblem = [](int) {}; // no answer: cancelled
        IBurnerJob *job2 = IBurnerJob::Create(manager);
        job2->SetCallback(&rec2);
        job2->CheckDisc(QStringLiteral("stdio:%1/gone/disc.img").arg(dir), 1000, 5000, 0);
        QVERIFY(waitEnded(job2, rec2));
        QCOMPARE(rec2.valueOf(NotifyCheckEnded), 1);
        job2->Release();

        // Too small: a check for more than the file system holds.
        Recorder rec3;
        int status3 = -1;
        rec3.onDiscProblem = [&](int status) { status3 = status; };
        IBurnerJob *job3 = IBurnerJob::Create(manager);
        job3->SetCallback(&rec3);
        job3->CheckDisc(QStringLiteral("stdio:%1/disc.img").arg(dir), quint64(1) << 62, 5000, 0);
        QVERIFY(waitEnded(job3, rec3));
        QCOMPARE(status3, int(DiscTooSmall));
        QCOMPARE(rec3.valueOf(NotifyCheckEnded), 1);
        job3->Release();
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
        IBurnerJob *job = IBurnerJob::Create(manager);
        job->SetCallback(&rec);
        job->Erase(QStringLiteral("stdio:") + target, 0, 0);
        QVERIFY(waitEnded(job, rec));
        QCOMPARE(rec.valueOf(NotifyEraseEnded), 1);
        QCOMPARE(rec.valueOf(NotifyEraseProgress), 100);
        QCOMPARE(QFileInfo(target).size(), qint64(0));
        job->Release();
    }

    void monitorReportsPseudoDiscChanges()
    {
        const QString dir = TestSupport::freshDir(QStringLiteral("monitor"));
        const QString device = QStringLiteral("stdio:%1/disc.img").arg(dir);
        IDevMonitor *monitor = IDevMonitor::Create({device});
        monitor->setPollInterval(50);
        QSignalSpy spy(monitor, &IDevMonitor::Notify);
        QVERIFY(monitor->Start());
        QFile f(dir + QStringLiteral("/disc.img"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        QTRY_VERIFY(spy.count() >= 1);
        QCOMPARE(spy.last().at(0).toString(), device);
        QCOMPARE(spy.last().at(1).toInt(), 1);
        QDir(dir).removeRecursively();
        QTRY_COMPARE(spy.last().at(1).toInt(), 0);
        monitor->Release();
    }
};

QTEST_GUILESS_MAIN(TestRecording)
#include "test_recording.moc"
