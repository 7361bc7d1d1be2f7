// The burn workflow, the destination box and the waiting dialog, with the
// real engine writing to pseudo-drives and the real genisoimage. Message
// boxes and waiting dialogs are answered by hooks.
#include "dvdcheck.h"
#include "dvdfixture.h"
#include "systemfixtures.h"
#include "testsupport.h"

#include <desktop/filechooser.h>
#include <desktop/messagebox.h>
#include <burning/diskspace.h>
#include <burning/dvdburner.h>
#include <burning/kymburner.h>
#include <burning/kytargetcombobox.h>
#include <burning/devicethread.h>
#include <burning/waitingdiskdialog.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
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
    QList<WaitingDiskDialog::Answer> answers;
    QStringList reasons;
    WaitAnswers()
    {
        WaitingDiskDialog::setAnswerHook([this](WaitingDiskDialog *dialog) {
            reasons.append(dialog->reason());
            return answers.isEmpty() ? WaitingDiskDialog::AnswerCancel : answers.takeFirst();
        });
    }
    ~WaitAnswers() { WaitingDiskDialog::setAnswerHook({}); }
};

// A burner wired to a destination box as the settings dialog does it.
struct Workflow {
    QWidget parent;
    KyTargetComboBox *box;
    KymBurner *burner;
    std::unique_ptr<QSignalSpy> begin, finished, status, next, aborted;

    Workflow()
    {
        box = new KyTargetComboBox(&parent);
        burner = new KymBurner(&parent);
        begin = std::make_unique<QSignalSpy>(burner, &KymBurner::beginGenerate);
        finished = std::make_unique<QSignalSpy>(burner, &KymBurner::burnFinished);
        status = std::make_unique<QSignalSpy>(burner, &KymBurner::setDlgStatus);
        next = std::make_unique<QSignalSpy>(burner, &KymBurner::doBurnNext);
        aborted = std::make_unique<QSignalSpy>(burner, &KymBurner::setIsAbort);
        burner->initBurner(box, &parent, &parent, &parent);
        if (!QTest::qWaitFor([this] { return box->isEnabled(); }, 20000))
            qWarning("the device scan did not finish");
    }
    int lastState() const { return status->isEmpty() ? -1 : status->last().at(1).toInt(); }
    QString lastTitle() const { return status->isEmpty() ? QString() : status->last().at(0).toString(); }
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
        DVDBurner::Instance()->setPseudoDrives(drives);
        DVDBurner::Instance()->UpdateDevices();
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString drives = TestSupport::freshDir(QStringLiteral("drives"));
        pseudo = QStringLiteral("stdio:") + drives + QStringLiteral("/disc.img");
        // The engine picks its pseudo-drives up from the environment.
        qputenv("SORVEL_PSEUDO_DRIVES", pseudo.toLocal8Bit());
        QCOMPARE(DVDBurner::Instance()->pseudoDrives(), QStringList{pseudo});
        dvd = DvdFixture::dvdFolder();
        QVERIFY2(!dvd.isEmpty(), "the DVD fixture could not be built");
        for (const QString &f : QDir(dvd + QStringLiteral("/VIDEO_TS")).entryList(QDir::Files))
            dvdSize += quint64(QFileInfo(dvd + QStringLiteral("/VIDEO_TS/") + f).size());
    }

    void init() { usePseudoDrives({pseudo}); }

    void boxWithoutRecorder()
    {
        usePseudoDrives({});
        BoxAnswers boxes;
        KyTargetComboBox box;
        box.on_updateDevice();
        QVERIFY(box.isEnabled());
        QCOMPARE(box.count(), 2);
        QCOMPARE(box.customizedText(), QStringLiteral("Please select the destination."));
        QVERIFY(box.targetType().isEmpty() && box.targetValue().isEmpty());

        KymBurner burner;
        burner.initBurner(&box, nullptr, nullptr, nullptr);
        QSignalSpy begin(&burner, &KymBurner::beginGenerate);
        QVERIFY(!burner.checkBurnerCondition());
        QVERIFY(boxes.saw(QStringLiteral("Please select the destination.")));
        QCOMPARE(begin.count(), 0);
    }

    void boxWithPseudoRecorderAndDialogs()
    {
        BoxAnswers boxes;
        KyTargetComboBox box;
        box.setVolumeName(QStringLiteral("Trip"));
        QSignalSpy speedStatus(&box, &KyTargetComboBox::setSpeedStatus);
        QSignalSpy speeds(&box, QOverload<QVector<QString>>::of(&KyTargetComboBox::updateSpeedList));
        box.on_updateDevice();
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.itemText(0), pseudo + QStringLiteral(":(Image File Recorder)"));
        QCOMPARE(box.targetType(), QStringLiteral("toburner"));
        QCOMPARE(box.targetValue(), pseudo);
        QVERIFY(speedStatus.count() >= 1 && speedStatus.last().at(0).toBool());
        QVERIFY(!speeds.isEmpty() &&
                speeds.last().at(0).value<QVector<QString>>().first() == QStringLiteral("Max"));

        // Image names: ".iso" appended unless present in any case.
        QCOMPARE(KyTargetComboBox::isoPathWithExtension(QStringLiteral("/a/b")), QStringLiteral("/a/b.iso"));
        QCOMPARE(KyTargetComboBox::isoPathWithExtension(QStringLiteral("/a/B.ISO")),
                 QStringLiteral("/a/B.ISO"));
        QCOMPARE(KyTargetComboBox::isoPathWithExtension(QStringLiteral(".iso")), QStringLiteral(".iso.iso"));

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
        KyTargetComboBox fresh;
        QVERIFY(fresh.setIsoTarget(dir + QStringLiteral("/a.iso")));
        const QString other = QStringLiteral("stdio:") + dir + QStringLiteral("/other.img");
        QVERIFY(fresh.setRecorderTarget(other));
        QCOMPARE(fresh.targetValue(), other);
        QVERIFY(DVDBurner::Instance()->pseudoDrives().contains(other));
        box.setVolumeName(QStringLiteral("  "));
        QCOMPARE(box.getVolumeName(), QStringLiteral("My DVD"));
    }

    void workflowWithoutWidgets()
    {
        BoxAnswers boxes;
        const QString dir = TestSupport::freshDir(QStringLiteral("value"));
        const QString temp = TestSupport::freshDir(QStringLiteral("value-temp"));
        BurnWorkflow workflow;
        QSignalSpy begin(&workflow, &BurnWorkflow::beginGenerate);
        QSignalSpy finished(&workflow, &BurnWorkflow::burnFinished);
        QVERIFY(!workflow.checkBurnerCondition());
        QVERIFY(boxes.saw(QStringLiteral("Please select the destination.")));

        // An image named without its extension, a label with spaces around.
        workflow.setDestination({Destination::Iso, dir + QStringLiteral("/movie"), QStringLiteral(" Trip ")});
        QCOMPARE(workflow.destination().path, dir + QStringLiteral("/movie.iso"));
        QCOMPARE(workflow.destination().label(), QStringLiteral("Trip"));
        workflow.setTempPath(temp);
        workflow.setDVDSize(dvdSize);
        workflow.setDVDSource(dvd);
        QVERIFY(workflow.checkBurnerCondition());
        QCOMPARE(begin.count(), 1);
        workflow.startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QVERIFY(finished.last().at(0).toBool());
        QFile iso(dir + QStringLiteral("/movie.iso"));
        QVERIFY(iso.open(QIODevice::ReadOnly));
        // The volume identifier of the primary volume descriptor.
        QVERIFY(iso.seek(16 * 2048 + 40));
        QCOMPARE(iso.read(32).trimmed(), QByteArray("Trip"));
        QVERIFY(DvdCheck::read(iso.fileName()).ok);

        // A device that is no recorder is named; a pseudo-drive joins the
        // recorders when it is named.
        workflow.setDestination({Destination::Burner, QStringLiteral("/dev/nothing")});
        QVERIFY(!workflow.checkBurnerCondition());
        QVERIFY2(boxes.texts.last().startsWith(
                     QStringLiteral("/dev/nothing: no such recorder.\nRecorders found: ")),
                 qPrintable(boxes.texts.last()));
        usePseudoDrives({});
        const QString other = QStringLiteral("stdio:") + dir + QStringLiteral("/other.img");
        workflow.setDestination({Destination::Burner, other});
        QVERIFY(workflow.checkBurnerCondition());
        QTRY_COMPARE_WITH_TIMEOUT(begin.count(), 2, 20000);
        QCOMPARE(workflow.startedTargetType(), QStringLiteral("toburner"));
        QVERIFY(DVDBurner::Instance()->pseudoDrives().contains(other));
        QVERIFY(QApplication::allWidgets().isEmpty());
    }

    void boxIsAViewOfTheDestination()
    {
        BoxAnswers boxes;
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("view"));
        w.box->setVolumeName(QStringLiteral("Album"));
        QVERIFY(w.box->setIsoTarget(dir + QStringLiteral("/a")));
        const Destination chosen = w.box->destination();
        QCOMPARE(chosen.type, Destination::Iso);
        QCOMPARE(chosen.path, dir + QStringLiteral("/a.iso"));
        QCOMPARE(chosen.label(), QStringLiteral("Album"));
        // The burner reads the box; a value set on it does not override the box.
        QCOMPARE(w.burner->destination(), chosen);
        w.burner->setDestination({Destination::Folder, dir});
        QCOMPARE(w.burner->destination(), chosen);
        QCOMPARE(Destination::typeFromName(w.box->targetType()), Destination::Iso);
    }

    void labelsSizesAndFolderName()
    {
        QVERIFY(KymBurner::isValidVolumeLabel(QStringLiteral("My DVD")));
        for (const char *bad : {"", ".hidden", "end.", " lead", "trail ", "tab\t", "a:b", "a/b", "a\\b",
                                "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
            QVERIFY2(!KymBurner::isValidVolumeLabel(QString::fromLatin1(bad)), bad);
        QCOMPARE(KymBurner::convertSizeToStr(quint64(9000) << 20, QStringLiteral("m")),
                 QStringLiteral("9000.00 MB"));
        QCOMPARE(KymBurner::convertSizeToStr(quint64(3) << 29, QStringLiteral("G")),
                 QStringLiteral("1.50 GB"));
        QCOMPARE(KymBurner::convertSizeToStr(512, QString()), QStringLiteral("512.00 B"));

        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("label"));
        QVERIFY(w.box->setFolderTarget(dir));
        w.box->setVolumeName(QStringLiteral("Summer"));
        QCOMPARE(w.burner->fillDVDFolderFullPath(), dir + QStringLiteral("/Summer"));
        w.box->setVolumeName(QStringLiteral("Summer: 2026"));
        const QDate today = QDate::currentDate();
        QCOMPARE(w.burner->fillDVDFolderFullPath(),
                 dir + QLatin1Char('/') + today.toString(QStringLiteral("yyyyMMdd")));
        QVERIFY(w.box->setIsoTarget(dir + QStringLiteral("/x")));
        QVERIFY(w.burner->fillDVDFolderFullPath().isEmpty());
    }

    void folderTargetKeepsUserFiles()
    {
        BoxAnswers boxes;
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("tofolder"));
        const QString temp = TestSupport::freshDir(QStringLiteral("tofolder-temp"));
        w.box->setVolumeName(QStringLiteral("HOLIDAY"));
        QVERIFY(w.box->setFolderTarget(dir));
        const QString folder = dir + QStringLiteral("/HOLIDAY");
        touch(folder + QStringLiteral("/VIDEO_TS/OLD.VOB"));
        touch(folder + QStringLiteral("/notes.txt"));
        w.burner->setTempPath(temp);
        w.burner->setDVDSize(dvdSize);
        w.burner->setDVDSource(folder);

        boxes.answers = {QDialogButtonBox::No};
        QVERIFY(!w.burner->checkBurnerCondition());
        QCOMPARE(w.begin->count(), 0);
        QVERIFY(QFile::exists(folder + QStringLiteral("/VIDEO_TS/OLD.VOB")));

        QVERIFY(w.burner->checkBurnerCondition());
        QCOMPARE(w.begin->count(), 1);
        QVERIFY(boxes.saw(QStringLiteral("The folder \"%1\" will be cleared. Do you want to continue?")
                              .arg(QDir::toNativeSeparators(folder))));
        // Nothing changes in the destination before the new DVD is complete.
        QVERIFY(QFile::exists(folder + QStringLiteral("/VIDEO_TS/OLD.VOB")));

        // The author writes the DVD in the working folder; the burner then
        // puts it in place of the old one.
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner->setDVDSource(temp + QStringLiteral("/dvd"));
        w.burner->startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 30000);
        QCOMPARE(w.finished->last().at(0).toBool(), true);
        QCOMPARE(w.lastState(), int(GenerateSucceeded));
        QCOMPARE(w.lastTitle(), QStringLiteral("Created Successfully!"));
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
        BoxAnswers boxes;
        Workflow w;
        const QString temp = TestSupport::freshDir(QStringLiteral("otherdisk-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner->setTempPath(temp);
        w.burner->setDVDSource(temp + QStringLiteral("/dvd"));
        w.burner->setDVDSize(dvdSize);
        w.box->setVolumeName(QStringLiteral("Trip"));

        // Another file system with room: copied beside the destination, then
        // renamed; nothing of the staging is left.
        TestSupport::TmpfsMount roomy(QStringLiteral("otherdisk-roomy"), 64 << 20);
        if (!roomy.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + roomy.error()));
        QVERIFY(w.box->setFolderTarget(roomy.path()));
        QVERIFY(w.burner->checkBurnerCondition());
        w.burner->startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 30000);
        QVERIFY2(w.finished->last().at(0).toBool(), qPrintable(w.lastTitle()));
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
        QVERIFY(w.box->setFolderTarget(small.path()));
        QVERIFY(w.burner->checkBurnerCondition());
        DiskSpace::setProbe({});
        w.burner->startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 2, 30000);
        QCOMPARE(w.finished->last().at(0).toBool(), false);
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
        BoxAnswers boxes;
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("toiso"));
        const QString temp = TestSupport::freshDir(QStringLiteral("toiso-temp"));
        QVERIFY(w.box->setIsoTarget(dir + QStringLiteral("/movie")));
        const QString iso = dir + QStringLiteral("/movie.iso");
        touch(iso);
        w.burner->setTempPath(temp);
        w.burner->setDVDSize(dvdSize);
        w.burner->setDVDSource(dvd);
        QSignalSpy progress(w.burner, &KymBurner::setProcess);

        boxes.answers = {QDialogButtonBox::No};
        QVERIFY(!w.burner->checkBurnerCondition());
        QVERIFY(boxes.saw(QStringLiteral("The file \"%1\" will be overwritten. Do you want to continue?")
                              .arg(QDir::toNativeSeparators(iso))));
        QVERIFY(w.burner->checkBurnerCondition());
        QCOMPARE(w.begin->count(), 1);
        w.burner->startBurnWork();
        QCOMPARE(w.lastState(), int(CreatingISO));
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 1, 60000);
        QVERIFY(w.finished->last().at(0).toBool());
        QCOMPARE(w.lastState(), int(GenerateSucceeded));
        for (const QList<QVariant> &p : qAsConst(progress))
            QVERIFY(p.at(0).toInt() >= 51 && p.at(0).toInt() <= 100);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        const DvdCheck::Disc disc = DvdCheck::read(iso);
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), 1);
        QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{QStringLiteral("movie.iso")});
    }

    void unwritableIsoDestinationFails()
    {
        BoxAnswers boxes;
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("toiso-bad"));
        touch(dir + QStringLiteral("/blocker"));
        QVERIFY(w.box->setIsoTarget(dir + QStringLiteral("/blocker/movie.iso")));
        w.burner->setTempPath(dir);
        w.burner->setDVDSize(dvdSize);
        w.burner->setDVDSource(dvd);
        // Refused before anything is made, with the reason.
        QVERIFY(!w.burner->checkBurnerCondition());
        QCOMPARE(w.begin->count(), 0);
        QCOMPARE(boxes.texts.last(),
                 QStringLiteral("Cannot write to %1: Not a directory.")
                     .arg(QDir::toNativeSeparators(dir + QStringLiteral("/blocker/movie.iso"))));
        // Should the destination go bad after the check, the engine's reason
        // is reported with the failure.
        QFile::remove(dir + QStringLiteral("/blocker"));
        QVERIFY(w.burner->checkBurnerCondition());
        touch(dir + QStringLiteral("/blocker"));
        w.burner->startBurnWork();
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 1, 60000);
        QCOMPARE(w.finished->last().at(0).toBool(), false);
        QCOMPARE(w.finished->last().at(1).toBool(), true);
        QCOMPARE(w.lastState(), int(GenerateEnded));
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
        QVERIFY(w.box->setIsoTarget(small.path() + QStringLiteral("/movie")));
        QVERIFY(w.burner->checkBurnerCondition());
        DiskSpace::setProbe({});
        w.burner->startBurnWork();
        QTRY_VERIFY_WITH_TIMEOUT(w.finished->count() == 2, 60000);
        QCOMPARE(w.finished->last().at(0).toBool(), false);
        QVERIFY2(w.lastTitle().contains(QStringLiteral("No space left on device")),
                 qPrintable(w.lastTitle()));
        QCOMPARE(QDir(small.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void recorderTwoCopies()
    {
        BoxAnswers boxes;
        Workflow w;
        QCOMPARE(w.box->targetValue(), pseudo);
        const QString temp = TestSupport::freshDir(QStringLiteral("toburner-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        w.burner->setTempPath(temp);
        w.burner->setDVDSize(dvdSize);
        w.burner->setDVDSource(temp + QStringLiteral("/dvd"));
        w.burner->setCopyNum(2);
        w.burner->setBurnSpeed(QStringLiteral("Max"));
        QVERIFY(w.burner->checkBurnerCondition());
        QTRY_COMPARE_WITH_TIMEOUT(w.begin->count(), 1, 20000);

        w.burner->startBurnWork();
        QCOMPARE(w.lastState(), int(CheckingDisc));
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 60000);
        QCOMPARE(w.next->count(), 1);
        QVERIFY(w.finished->last().at(0).toBool());
        QVERIFY(w.lastState() != int(GenerateSucceeded));

        QFile::remove(DVDBurner::Instance()->pseudoDrives().first().mid(6));
        w.burner->startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 2, 60000);
        QCOMPARE(w.next->count(), 1);
        QCOMPARE(w.lastState(), int(GenerateSucceeded));
        QCOMPARE(w.burner->copiesLeft(), 0);

        const DvdCheck::Disc disc = DvdCheck::read(pseudo.mid(6));
        QVERIFY2(disc.ok, qPrintable(disc.error));
        QCOMPARE(disc.titles.size(), DvdCheck::read(dvd).titles.size());
        const QList<QString> vobs = DvdCheck::titleVobs(temp + QStringLiteral("/dvd"), 1);
        QVERIFY(!vobs.isEmpty());
        // The staged images are gone from the work folder.
        QVERIFY(QDir(temp + QStringLiteral("/temp")).entryList(QDir::Files).isEmpty());
    }

    void waitingForDiscCheckPhase()
    {
        const QString drives = TestSupport::freshDir(QStringLiteral("nodisc"));
        const QString missing = QStringLiteral("stdio:") + drives + QStringLiteral("/gone/disc.img");
        usePseudoDrives({missing});
        BoxAnswers boxes;
        WaitAnswers waits;
        Workflow w;
        QCOMPARE(w.box->targetValue(), missing);
        w.burner->setTempPath(drives);
        w.burner->setDVDSize(dvdSize);

        waits.answers = {WaitingDiskDialog::AnswerCancel};
        QVERIFY(w.burner->checkBurnerCondition());
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 1, 20000);
        QCOMPARE(waits.reasons, QStringList{QStringLiteral("Please insert a blank disc.")});
        QCOMPARE(w.finished->last().at(1).toBool(), false);
        QCOMPARE(w.lastTitle(), QStringLiteral("Disc checking stopped"));
        QCOMPARE(w.begin->count(), 0);
        QVERIFY(w.burner->checkWaitDialog()->isIgnoreVisible());

        waits.answers = {WaitingDiskDialog::AnswerIgnore};
        QVERIFY(w.burner->checkBurnerCondition());
        QTRY_COMPARE_WITH_TIMEOUT(w.begin->count(), 1, 20000);

        // Burn phase: Cancel, confirmed, aborts the burn.
        waits.answers = {WaitingDiskDialog::AnswerCancel};
        boxes.answers = {QDialogButtonBox::Yes};
        w.burner->startBurnWork();
        QTRY_COMPARE_WITH_TIMEOUT(w.finished->count(), 2, 20000);
        QVERIFY(boxes.saw(QStringLiteral("Are you sure you want to abort?")));
        QVERIFY(!w.burner->burnWaitDialog()->isIgnoreVisible());
        QVERIFY(w.aborted->last().at(0).toBool());
        QCOMPARE(w.lastTitle(), QStringLiteral("Burning aborted!"));
        QCOMPARE(w.finished->last().at(1).toBool(), false);
    }

    void failedBurnRetryAndFailureTexts()
    {
        BoxAnswers boxes;
        Workflow w;
        QVERIFY(w.box->setRecorderTarget(pseudo));
        QSignalSpy abortFlag(w.burner, &KymBurner::setCanAbort);
        w.burner->PostOrSendMessage(kBurnMessage, NotifyFailed, BurnErrorWrite, 1);
        QVERIFY(boxes.saw(QStringLiteral("Burn process failed. Do you want to try again.")));
        QCOMPARE(w.next->count(), 1);
        QCOMPARE(w.finished->count(), 0);
        boxes.answers = {QDialogButtonBox::No};
        w.burner->PostOrSendMessage(kBurnMessage, NotifyFailed, BurnErrorWrite, 1);
        QCOMPARE(w.finished->count(), 1);
        QCOMPARE(w.lastTitle(), QStringLiteral("Failed to write to disc, please retry."));
        // Unknown notifications change nothing.
        w.burner->PostOrSendMessage(kBurnMessage, 11, 0, 1);
        QCOMPARE(w.finished->count(), 1);

        QCOMPARE(KymBurner::failureText(1), QStringLiteral("Burning failed! We recommend you burn again."));
        QCOMPARE(KymBurner::failureText(-1), QString());
        QCOMPARE(KymBurner::failureText(77), QStringLiteral("Burning failed!"));
    }

    void recorderProgressRanges()
    {
        BoxAnswers boxes;
        Workflow w;
        QVERIFY(w.box->setRecorderTarget(pseudo));
        QSignalSpy progress(w.burner, &KymBurner::setProcess);
        auto post = [&](int what, int value) { w.burner->PostOrSendMessage(kBurnMessage, what, value, 1); };
        auto last = [&] { return qMakePair(progress.last().at(0).toInt(), progress.last().at(1).toInt()); };
        post(NotifyCheckEnded, 0);
        QCOMPARE(w.begin->count(), 1);
        QCOMPARE(w.burner->startedTargetType(), QStringLiteral("toburner"));
        // Erasing takes 51..60, then burning 61..90, finalizing 99.
        post(NotifyEraseProgress, 0);
        QCOMPARE(w.lastState(), int(ErasingDisc));
        QCOMPARE(last(), qMakePair(51, 0));
        post(NotifyEraseProgress, 50);
        QCOMPARE(last(), qMakePair(55, 50));
        post(NotifyEraseProgress, 100);
        QCOMPARE(w.status->last().at(2).toString(), QStringLiteral("Checking disc"));
        post(NotifyBurnProgress, 50);
        QCOMPARE(w.lastState(), int(BurningDisc));
        QCOMPARE(progress.at(progress.count() - 2).at(0).toInt(), 61);
        QCOMPARE(last(), qMakePair(75, 50));
        post(NotifyBurnProgress, 150);
        QCOMPARE(last(), qMakePair(89, 99));
        post(NotifyFinalizing, 0);
        QCOMPARE(w.status->last().at(2).toString(), QStringLiteral("Finalizing disc"));
        QCOMPARE(last(), qMakePair(99, 99));
        post(NotifySucceeded, 0);
        QCOMPARE(last(), qMakePair(100, 100));
        QCOMPARE(w.lastState(), int(GenerateSucceeded));
        // A failed erase ends the run.
        post(NotifyEraseEnded, 0);
        QCOMPARE(w.lastTitle(), QStringLiteral("Failed to erase!"));
        QCOMPARE(w.finished->last().at(1).toBool(), true);
    }

    void freeSpaceRules()
    {
        BoxAnswers boxes;
        Workflow w;
        const QString dir = TestSupport::freshDir(QStringLiteral("space"));
        const quint64 size = quint64(1) << 30;
        DiskSpace::Info tmp{true, 0, 1, QStringLiteral("ext4"), QStringLiteral("/tmpdisk")};
        DiskSpace::Info dst{true, 0, 1, QStringLiteral("ext4"), QStringLiteral("/dstdisk")};
        DiskSpace::setProbe(
            [&](const QString &path) { return path.startsWith(dir + QStringLiteral("/t")) ? tmp : dst; });
        w.burner->setTempPath(dir + QStringLiteral("/t"));
        w.burner->setDVDSize(size);
        QVERIFY(w.box->setIsoTarget(dir + QStringLiteral("/out.iso")));

        // The same disk must hold the work files and the result.
        tmp.available = dst.available = 2 * size;
        QVERIFY(!w.burner->checkBurnerCondition());
        QVERIFY(boxes.saw(
            QStringLiteral("Not enough free space available in the disk which the temporary folder is "
                           "located in. At least 2048.00 MB disk space is needed in disk /tmpdisk.")));
        tmp.available = dst.available = 2 * size + 1;
        QVERIFY(w.burner->checkBurnerCondition());

        // Different disks need the size on each.
        dst.deviceId = 2;
        tmp.available = size + 1;
        dst.available = size;
        QVERIFY(!w.burner->checkBurnerCondition());
        QVERIFY(
            boxes.saw(QStringLiteral("Not enough space available in the target disk. At least 1024.00 MB of "
                                     "disk space is needed in /dstdisk disk.")));
        dst.available = size + 1;
        QVERIFY(w.burner->checkBurnerCondition());

        // FAT32 holds files up to 4 GiB.
        tmp.available = dst.available = quint64(100) << 30;
        dst.fsType = QStringLiteral("vfat");
        w.burner->setDVDSize(quint64(4294967296ULL));
        QVERIFY(w.burner->checkBurnerCondition());
        w.burner->setDVDSize(quint64(4294967297ULL));
        QVERIFY(!w.burner->checkBurnerCondition());
        QVERIFY(
            boxes.saw(QStringLiteral("The file system of destination disk (/dstdisk) does not support files "
                                     "larger than 4GB, please select again.")));

        // A recorder needs twice the size in the temporary disk.
        QVERIFY(w.box->setRecorderTarget(pseudo));
        w.burner->setDVDSize(size);
        tmp.available = 2 * size;
        QVERIFY(!w.burner->checkBurnerCondition());
        tmp.present = false;
        QVERIFY(!w.burner->checkBurnerCondition());
        QVERIFY(boxes.saw(QStringLiteral(
            "The temporary folder does not exist, please set the temporary folder and try again.")));
        DiskSpace::setProbe({});
        QVERIFY(!KymBurner::checkDVDCapacity(QStringLiteral("/dev/none"), 0));

        // The real probe: same file system for two folders of one disk.
        QVERIFY(
            DiskSpace::sameDisk(DiskSpace::query(dir), DiskSpace::query(dir + QStringLiteral("/new/deep"))));
        QVERIFY(!DiskSpace::query(QStringLiteral("relative/path")).present);
    }

    void waitingDialogConfirmation()
    {
        BoxAnswers boxes;
        WaitingDiskDialog burnPhase;
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
        WaitingDiskDialog checkPhase;
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
        QTimer::singleShot(0, &burnPhase, [&] { burnPhase.closeWithResult(1); });
        QCOMPARE(burnPhase.exec(), 1);
        QVERIFY(boxes.texts.isEmpty());
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
        w.burner->setTempPath(temp);
        w.burner->makeTempFolderClean();
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
        struct HeldAtQuestion : IBurnerJobCallBack {
            QSemaphore asked;
            QSemaphore go;
            // A job's last notification comes after it stops counting as
            // running; the callback must outlive it.
            std::atomic<int> checkEnded{0};
            std::atomic<int> succeeded{0};
            int postMessage(int, int wParam, int) override
            {
                checkEnded += wParam == NotifyCheckEnded ? 1 : 0;
                succeeded += wParam == NotifySucceeded ? 1 : 0;
                return 0;
            }
            int sendMessage(int message, int wParam, int lParam) override
            {
                postMessage(message, wParam, lParam);
                if (wParam == NotifyDiscProblem) {
                    asked.release();
                    go.acquire();
                }
                return 0;
            }
        } callback;
        const QString temp = TestSupport::freshDir(QStringLiteral("refused"));
        const QString missing = QStringLiteral("stdio:") + temp + QStringLiteral("/gone/disc.img");
        const QString iso = temp + QStringLiteral("/out.iso");
        DVDBurner *burner = DVDBurner::Instance();
        QCOMPARE(burner->StartCheckBurnDVDFirst(&callback, dvdSize, missing, 5000), 0);
        QVERIFY(callback.asked.tryAcquire(1, 20000));
        QVERIFY(burner->IsRunning());
        QCOMPARE(burner->MakeISOFromFolder(&callback, dvd, QStringLiteral("X"), iso, 5000), -1);
        QCOMPARE(burner->MakeFolderFromFolder(&callback, dvd, temp + QStringLiteral("/copy")), -1);
        QCOMPARE(burner->BurnDiscFromFolder(&callback, dvd, pseudo, QStringLiteral("X"), 5000), -1);
        QCOMPARE(burner->BurnDiscFromISO(&callback, iso, pseudo, 5000), -1);
        QCOMPARE(burner->StartErase(&callback, pseudo, 0), -1);
        QCOMPARE(burner->StartCheckBurnDVDFirst(&callback, dvdSize, pseudo, 5000), -1);
        callback.go.release();
        QTRY_COMPARE_WITH_TIMEOUT(callback.checkEnded.load(), 1, 10000);
        QVERIFY(!burner->IsRunning());
        QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

        // Once the engine is free a starter runs its job.
        QCOMPARE(burner->MakeISOFromFolder(&callback, dvd, QStringLiteral("X"), iso, 5000), 0);
        QTRY_COMPARE_WITH_TIMEOUT(callback.succeeded.load(), 1, 30000);
        QVERIFY(!burner->IsRunning());
        QVERIFY(QFileInfo(iso).size() > 0);
    }

    void stopWhileRetryingAgainAndAgain()
    {
        // A burn that keeps failing (the disc image's disk is read-only) and
        // is tried again a few times, stopped at a random moment: before the
        // job starts, while it grabs the drive or images the folder, while
        // its failure is on the way, or between two tries, when no job runs.
        // Every round must end in exactly one burnFinished(false), without a
        // hang or a crash. SORVEL_STRESS_ROUNDS sets the number of rounds
        // (run it a few hundred times under the sanitizers).
        TestSupport::TmpfsMount disk(QStringLiteral("retry-disk"), 16 << 20);
        if (!disk.ok())
            QSKIP(qPrintable(QStringLiteral("no tmpfs mount here: ") + disk.error()));
        touch(disk.path() + QStringLiteral("/placeholder"));
        QVERIFY(disk.makeReadOnly());
        const QString temp = TestSupport::freshDir(QStringLiteral("retry-temp"));
        copyTree(dvd, temp + QStringLiteral("/dvd"));
        BoxAnswers boxes; // "try again?" is answered Yes
        BurnWorkflow workflow;
        workflow.setDestination(
            {Destination::Burner, QStringLiteral("stdio:") + disk.path() + QStringLiteral("/disc.img")});
        workflow.setTempPath(temp);
        workflow.setDVDSource(temp + QStringLiteral("/dvd"));
        workflow.setDVDSize(dvdSize);
        QSignalSpy finished(&workflow, &BurnWorkflow::burnFinished);
        // Like the window, the next try starts a little later, unless the
        // burn was stopped meanwhile.
        int retriesLeft = 0;
        bool stopped = false;
        connect(&workflow, &BurnWorkflow::doBurnNext, &workflow, [&] {
            if (retriesLeft-- > 0)
                QTimer::singleShot(0, &workflow, [&] {
                    if (!stopped)
                        workflow.startBurnWork();
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
            workflow.startBurnWork();
            QTest::qWait(random.bounded(40));
            stopped = true;
            workflow.stop();
            QVERIFY2(!finished.isEmpty() || finished.wait(10000), qPrintable(QString::number(round)));
            // A job's last report is sent just after it stops counting as
            // running: once none runs, a short wait delivers any second one.
            QTRY_VERIFY_WITH_TIMEOUT(!DVDBurner::Instance()->IsRunning(), 10000);
            QTest::qWait(20);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.first().at(0).toBool(), false);
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
        DVDBurner *burner = DVDBurner::Instance();
        DeviceThread watch;
        int refreshes = 0;
        connect(
            &watch, &DeviceThread::renderedUpdateDiscs, &watch, [&] { ++refreshes; }, Qt::DirectConnection);
        watch.start();
        QElapsedTimer timer;
        timer.start();
        int reads = 0;
        int recordersSeen = 0;
        while (timer.elapsed() < 2000 || refreshes < 5) {
            watch.queueRefresh();
            for (const QString &drive : qAsConst(drives)) {
                if (const std::optional<BSBurnerInfo> info = burner->GetBurnerInfo(drive))
                    recordersSeen += info->displayName.isEmpty() ? 0 : 1;
                if (const std::optional<BSDiscInfo> disc = burner->GetDiscInfo(drive))
                    QVERIFY(disc->totalSize >= disc->freeSize || disc->totalSize == 0);
                burner->GetDiscISOInfo(drive);
                QCOMPARE(burner->CheckBeforeDriveStatusISCDRom(drive), 1);
                ++reads;
            }
            QCOMPARE(burner->GetBurnerInfos().size(), drives.size());
            burner->UpdateDiscISOMes();
            if (timer.elapsed() > 60000)
                break;
        }
        watch.stop();
        QVERIFY2(refreshes >= 5, qPrintable(QString::number(refreshes)));
        QVERIFY(reads > 100);
        QCOMPARE(recordersSeen, reads);
    }

    void waitConditionBudget()
    {
        DVDBurner *burner = DVDBurner::Instance();
        burner->BeforeWait();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(burner->WaitCondition(250), 0);
        QVERIFY(timer.elapsed() >= 290);
        QTimer::singleShot(50, [burner] { burner->StopWait(); });
        QCOMPARE(burner->WaitCondition(5000), 1);
        QVERIFY(!burner->GetDiscInfo(QStringLiteral("/dev/none")));
        QCOMPARE(burner->VestraDriveEject(QStringLiteral("/dev/none")), 0);
    }
};

QTEST_MAIN(TestBurnWorkflow)
#include "test_burnworkflow.moc"
