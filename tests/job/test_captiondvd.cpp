// A project with a title card and a captioned photo made into a DVD by
// `sorvel make-dvd`: the words read back by OCR from frames decoded out of
// the DVD's title, at the card's and the photo's times.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "dvdcheck.h"
#include "testsupport.h"

class TestCaptionDvd : public QObject
{
    Q_OBJECT

    QString m_dir;

    // The frame at `seconds` of a VOB, as a television shows it (the
    // stored 720 x 576 pixels widened to 4:3).
    QImage frameAt(const QString &vob, double seconds, const QString &name)
    {
        const QString png = m_dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!TestSupport::ffmpeg({QStringLiteral("-ss"), QString::number(seconds), QStringLiteral("-i"), vob,
                                  QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-vf"),
                                  QStringLiteral("scale=768:576"), QStringLiteral("-y"), png}))
            return QImage();
        return QImage(png);
    }

    QString ocr(const QImage &frame, const QRect &part, const QString &name)
    {
        QImage crop = frame.copy(part).convertToFormat(QImage::Format_Grayscale8);
        crop.invertPixels();
        const QString png = m_dir + QLatin1Char('/') + name + QStringLiteral("-ocr.png");
        crop.scaled(crop.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(png);
        QProcess p;
        p.start(QStringLiteral("tesseract"),
                {png, QStringLiteral("stdout"), QStringLiteral("--psm"), QStringLiteral("6")});
        if (!p.waitForFinished(60000))
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

private Q_SLOTS:
    void initTestCase() { m_dir = TestSupport::freshDir(QStringLiteral("captiondvd")); }

    void wordsOnTheDisc()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("tesseract")).isEmpty())
            QSKIP("tesseract is not installed (scripts/install-deps installs it)");
        QImage photo(1024, 768, QImage::Format_RGB32);
        photo.fill(QColor(60, 90, 80));
        QVERIFY(photo.save(m_dir + QStringLiteral("/harbour.jpg")));
        const QByteArray project = R"({
            "format": "sorvel-project", "version": 1,
            "settings": {"photoDurationMs": 4000, "transitionDurationMs": 1000, "useDynamicEffect": false,
                         "dissolveOnly": true},
            "photos": [
                {"titleCard": {"text": "Our Trip", "durationMs": 3000, "background": "gradient"}},
                {"path": "harbour.jpg", "caption": {"text": "Summer Holiday", "size": 60}}
            ],
            "clips": []
        })";
        const QString projectPath = m_dir + QStringLiteral("/trip.sorvel");
        QFile file(projectPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(project);
        file.close();

        const QString out = m_dir + QStringLiteral("/out");
        QByteArray output;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(TestSupport::builtProgram(QStringLiteral("sorvel")),
                {QStringLiteral("make-dvd"), QStringLiteral("--to-folder"), out, QStringLiteral("--yes"),
                 projectPath});
        QVERIFY(p.waitForFinished(300000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

        const QString dvd =
            QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty()
                ? out
                : out + QLatin1Char('/') + QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot).first();
        const QString vob = m_dir + QStringLiteral("/title.vob");
        QVERIFY2(DvdCheck::extractTitleVobs(dvd, 1, vob), qPrintable(dvd));

        // The card alone in its first three seconds; the photo alone from
        // 4 s (card 3 s, the dissolve 1 s) to 8 s.
        const QImage card = frameAt(vob, 1.5, QStringLiteral("card"));
        const QImage captioned = frameAt(vob, 6.0, QStringLiteral("caption"));
        QVERIFY(!card.isNull() && !captioned.isNull());
        const QString cardText = ocr(card, QRect(0, 200, 768, 176), QStringLiteral("card"));
        QVERIFY2(cardText.contains(QStringLiteral("Our Trip"), Qt::CaseInsensitive), qPrintable(cardText));
        // The caption within the lower part of the title-safe area.
        const QString captionText = ocr(captioned, QRect(76, 400, 616, 118), QStringLiteral("caption"));
        QVERIFY2(captionText.contains(QStringLiteral("Summer Holiday"), Qt::CaseInsensitive),
                 qPrintable(captionText));

        const QString shots = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
        QDir().mkpath(shots);
        QVERIFY(captioned.save(shots + QStringLiteral("/dvd-frame-with-caption.png")));
        QVERIFY(card.save(shots + QStringLiteral("/dvd-frame-title-card.png")));
    }
};

QTEST_GUILESS_MAIN(TestCaptionDvd)
#include "test_captiondvd.moc"
