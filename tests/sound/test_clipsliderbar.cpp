// The clip slider bar as a person uses it: pictures from the skin's style
// sheet, the range rule, dragging the thumb and the tags, clicking the
// groove, the wheel, and the trace log kept for what should not occur.

#include <QApplication>
#include <QtTest>

#include "dialogs/clipsliderbar.h"
#include "desktop/widgetsupport.h"
#include "testsupport.h"
#include "framework/tracelog.h"

namespace {

QString appDir()
{
    return QString::fromLocal8Bit(qgetenv("SORVEL_APPDIR"));
}

void dragTo(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QByteArray traceText()
{
    QFile file(traceLogPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(QRgb a, QColor b, int tolerance = 24)
{
    return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

} // namespace

class TestClipSliderBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void picturesFromTheSkin();
    void rangeRule();
    void inTagKeepsTheMinimumClipLength();
    void grooveClickMovesTheThumb();
    void thumbDragIgnoresOutsideValues();
    void wheelSteps();
    void missingPictureIsTracedOnce();

private:
    int yOfBar() const { return m_bar->foreTop() + 3; }
    QPoint inTagPoint() const
    {
        return QPoint(m_bar->xOfValue(m_bar->clipStartValue()) - 3, m_bar->clipTagTop() + 2);
    }
    QPoint outTagPoint() const
    {
        return QPoint(m_bar->xOfValue(m_bar->clipEndValue()) + 2, m_bar->clipTagTop() + 2);
    }
    ClipSliderBar *m_bar = nullptr;
};

void TestClipSliderBar::initTestCase()
{
    // The trace log goes to the test's own temporary folder.
    qputenv("TMPDIR", qgetenv("SORVEL_TEST_TMP"));
    QVERIFY(Desktop::loadSkin(appDir() + QStringLiteral("/skin/default")));
}

void TestClipSliderBar::init()
{
    QFile::remove(traceLogPath());
    m_bar = new ClipSliderBar;
    // 8 pixels of margin each side: 200 pixels for 0..100, 2 per unit.
    m_bar->resize(216, 30);
    m_bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_bar));
    m_bar->setType(ClipSliderBar::ShowThumb | ClipSliderBar::ShowClipSegment | ClipSliderBar::ShowClipTags);
    QVERIFY(m_bar->setRange(0, 100));
    m_bar->setClipStartValue(20);
    m_bar->setClipEndValue(80);
    m_bar->setMinClipLength(10);
}

void TestClipSliderBar::cleanup()
{
    delete m_bar;
    m_bar = nullptr;
}

void TestClipSliderBar::picturesFromTheSkin()
{
    QCOMPARE(m_bar->horiMargin(), 8);
    QCOMPARE(m_bar->thumb(), QStringLiteral("skin:sliderbar/thumb.png"));
    QCOMPARE(m_bar->xOfValue(0), 8);
    QCOMPARE(m_bar->xOfValue(50), 108);
    m_bar->setValue(50);
    const QImage shot = m_bar->grab().toImage();
    if (!qEnvironmentVariableIsEmpty("SORVEL_SCREENSHOTS"))
        shot.scaled(shot.size() * 4)
            .save(qEnvironmentVariable("SORVEL_SCREENSHOTS") + QStringLiteral("/sliderbar.png"));
    const QColor accent(0x35, 0x84, 0xe4);
    // The kept part of the clip in the accent colour, the rest grey.
    QVERIFY(near(shot.pixel(m_bar->xOfValue(30), yOfBar()), accent));
    QVERIFY(near(shot.pixel(m_bar->xOfValue(90), yOfBar()), QColor(0xd6, 0xd6, 0xd6)));
    // The white thumb on the value, the tags beside their points.
    QVERIFY(near(shot.pixel(108, m_bar->thumbTop() + 6), Qt::white, 12));
    QVERIFY(near(shot.pixel(inTagPoint()), QColor(0x1a, 0x5f, 0xb4), 60));
    QVERIFY(near(shot.pixel(outTagPoint()), QColor(0x1a, 0x5f, 0xb4), 60));
    // A disabled bar shows the segment and thumb in grey.
    m_bar->setEnabled(false);
    const QImage disabled = m_bar->grab().toImage();
    QVERIFY(near(disabled.pixel(m_bar->xOfValue(30), yOfBar()), QColor(0xb0, 0xb0, 0xad)));
    QVERIFY(near(disabled.pixel(108, m_bar->thumbTop() + 6), QColor(0xeb, 0xeb, 0xeb), 12));
    QVERIFY(traceText().isEmpty());
}

void TestClipSliderBar::rangeRule()
{
    // A clip shorter than one unit has no range: refused, the old one stays.
    QVERIFY(!m_bar->setRange(0, 0));
    QVERIFY(!m_bar->setRange(-1, 10));
    QVERIFY(!m_bar->setRange(5, 3));
    QCOMPARE(m_bar->minimum(), 0);
    QCOMPARE(m_bar->maximum(), 100);
    // Unset or outlying points snap to the new ends.
    m_bar->setClipStartValue(-1);
    m_bar->setClipEndValue(-1);
    m_bar->setValue(70);
    QVERIFY(m_bar->setRange(10, 60));
    QCOMPARE(m_bar->clipStartValue(), 10);
    QCOMPARE(m_bar->clipEndValue(), 60);
    QCOMPARE(m_bar->value(), 60);
}

void TestClipSliderBar::inTagKeepsTheMinimumClipLength()
{
    QSignalSpy starts(m_bar, &ClipSliderBar::clipStartChanged);
    QSignalSpy ends(m_bar, &ClipSliderBar::clipEndChanged);
    QSignalSpy startReleases(m_bar, &ClipSliderBar::startTagMouseRelease);
    QSignalSpy values(m_bar, &ClipSliderBar::valueChanged);

    QTest::mousePress(m_bar, Qt::LeftButton, {}, inTagPoint());
    dragTo(m_bar, QPoint(m_bar->xOfValue(50), 5));
    QCOMPARE(m_bar->clipStartValue(), 50);
    // Toward the out tag: it stops at the minimum clip length ...
    dragTo(m_bar, QPoint(m_bar->xOfValue(75), 5));
    QCOMPARE(m_bar->clipStartValue(), 70);
    // ... and never passes it, however far the pointer goes.
    dragTo(m_bar, QPoint(m_bar->xOfValue(99), 5));
    QCOMPARE(m_bar->clipStartValue(), 70);
    QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(m_bar->xOfValue(99), 5));
    QCOMPARE(starts.last().at(0).toInt(), 70);
    QCOMPARE(startReleases.count(), 1);
    QCOMPARE(startReleases.first().at(0).toInt(), 70);
    QCOMPARE(values.count(), 0);
    QCOMPARE(m_bar->value(), 0);

    // The out tag the same way toward the in tag, and back out to the end.
    QTest::mousePress(m_bar, Qt::LeftButton, {}, outTagPoint());
    dragTo(m_bar, QPoint(m_bar->xOfValue(20), 5));
    QCOMPARE(m_bar->clipEndValue(), 80);
    dragTo(m_bar, QPoint(m_bar->width() + 40, 5));
    QCOMPARE(m_bar->clipEndValue(), 100);
    QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(m_bar->width() + 40, 5));
    QCOMPARE(ends.last().at(0).toInt(), 100);
}

void TestClipSliderBar::grooveClickMovesTheThumb()
{
    QSignalSpy values(m_bar, &ClipSliderBar::valueChanged);
    QSignalSpy releases(m_bar, &ClipSliderBar::thumbMouseRelease);
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(m_bar->xOfValue(40), yOfBar()));
    QCOMPARE(m_bar->value(), 40);
    QCOMPARE(values.count(), 1);
    QCOMPARE(values.first().at(0).toInt(), 40);
    // Releasing after a plain click is ordinary use: the thumb is dropped
    // there, and the trace log stays empty.
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.first().at(0).toInt(), 40);
    QVERIFY(traceText().isEmpty());

    // Without an enabled thumb a click moves nothing.
    m_bar->setThumbEnabled(false);
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(m_bar->xOfValue(70), yOfBar()));
    QCOMPARE(m_bar->value(), 40);
    QCOMPARE(values.count(), 1);
}

void TestClipSliderBar::thumbDragIgnoresOutsideValues()
{
    m_bar->setValue(30);
    QSignalSpy values(m_bar, &ClipSliderBar::valueChanged);
    QSignalSpy releases(m_bar, &ClipSliderBar::thumbMouseRelease);
    const QPoint thumb(m_bar->xOfValue(30), m_bar->thumbTop() + 7);
    QTest::mousePress(m_bar, Qt::LeftButton, {}, thumb);
    dragTo(m_bar, QPoint(m_bar->xOfValue(60), thumb.y()));
    QCOMPARE(m_bar->value(), 60);
    // The playback moving the thumb while the person holds it is ignored.
    m_bar->setValue(31);
    QCOMPARE(m_bar->value(), 60);
    dragTo(m_bar, QPoint(-50, thumb.y()));
    QCOMPARE(m_bar->value(), 0);
    dragTo(m_bar, QPoint(m_bar->xOfValue(45), thumb.y()));
    QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(m_bar->xOfValue(45), thumb.y()));
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.first().at(0).toInt(), 45);
    QCOMPARE(values.last().at(0).toInt(), 45);
    // Afterwards the value follows again.
    m_bar->setValue(10);
    QCOMPARE(m_bar->value(), 10);
}

void TestClipSliderBar::wheelSteps()
{
    m_bar->setValue(50);
    QSignalSpy values(m_bar, &ClipSliderBar::valueChanged);
    const QPoint at(m_bar->xOfValue(50), yOfBar());
    QWheelEvent up(at, m_bar->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_bar, &up);
    QVERIFY(up.isAccepted());
    QCOMPARE(m_bar->value(), 49);
    // Half notches of a touchpad add up to one step.
    QWheelEvent half(at, m_bar->mapToGlobal(at), QPoint(), QPoint(0, -60), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_bar, &half);
    QCOMPARE(m_bar->value(), 49);
    QApplication::sendEvent(m_bar, &half);
    QCOMPARE(m_bar->value(), 50);
    QCOMPARE(values.count(), 2);
    // Past the ends nothing changes.
    m_bar->setValue(100);
    QWheelEvent down(at, m_bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_bar, &down);
    QCOMPARE(m_bar->value(), 100);
}

void TestClipSliderBar::missingPictureIsTracedOnce()
{
    m_bar->setValue(50);
    m_bar->setThumb(QStringLiteral("skin:sliderbar/no-such-thumb.png"));
    const QImage first = m_bar->grab().toImage();
    m_bar->grab();
    m_bar->repaint();
    // The thumb is not drawn: the groove shows where it would be.
    QVERIFY(!near(first.pixel(108, m_bar->thumbTop() + 1), Qt::white, 12));
    const QList<QByteArray> lines = traceText().split('\n');
    QCOMPARE(lines.size(), 3); // the entry, the empty line, the end of the file
    QVERIFY2(lines[0].startsWith("kysliderbar(172): in KySliderBar::paintEvent"), lines[0].constData());
    QVERIFY(lines[1].isEmpty());
}

QTEST_MAIN(TestClipSliderBar)
#include "test_clipsliderbar.moc"
