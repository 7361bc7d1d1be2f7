// The custom bit rate dialog, its validators and the quality combo box,
// typed into and clicked as a person would.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "dialogtestutil.h"
#include "dialogs/bitratedialog.h"
#include "dialogs/displaytextcombobox.h"
#include "dialogs/validators.h"

class TestBitRate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typing_data();
    void typing();
    void videoDialogReportsTheRate();
    void incompleteNumbersAreRefused();
    void audioDialogChecksTheRange();
    void cancelReportsAnEmptyRate();
    void formShowsUnitAndRangeInRed();
    void comboBoxShowsDisplayText();
    void controlsHaveNames();

private:
    struct Dialog {
        explicit Dialog(int type) : dialog(nullptr, type)
        {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            edit = dialog.findChild<QLineEdit *>(QStringLiteral("lineEditBitRate"));
            box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QVERIFY(edit && box);
        }
        void click(QDialogButtonBox::StandardButton which)
        {
            QTest::mouseClick(box->button(which), Qt::LeftButton);
        }
        BitRateDialog dialog;
        QLineEdit *edit = nullptr;
        QDialogButtonBox *box = nullptr;
    };
};

void TestBitRate::typing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const int video = BitRateDialog::VideoBitRate, audio = BitRateDialog::AudioBitRate;
    QTest::newRow("video above the range") << video << "9.5"
                                           << "9.";
    QTest::newRow("video below the range") << video << "1"
                                           << "";
    QTest::newRow("video three decimals") << video << "6.125"
                                          << "6.125";
    QTest::newRow("video four decimals") << video << "6.1255"
                                         << "6.125";
    QTest::newRow("video bottom") << video << "2"
                                  << "2";
    QTest::newRow("video top") << video << "9"
                               << "9";
    QTest::newRow("video letters") << video << "5x"
                                   << "5";
    QTest::newRow("video group separator") << video << "2,5"
                                           << "2";
    QTest::newRow("audio zero") << audio << "0"
                                << "";
    QTest::newRow("audio leading zero") << audio << "012"
                                        << "12";
    QTest::newRow("audio on the way to 128") << audio << "1"
                                             << "1";
    QTest::newRow("audio below the range") << audio << "100"
                                           << "100";
    QTest::newRow("audio top") << audio << "448"
                               << "448";
    QTest::newRow("audio four digits") << audio << "4480"
                                       << "448";
    QTest::newRow("audio decimal point") << audio << "19.2"
                                         << "192";
}

void TestBitRate::typing()
{
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Dialog d(type);
    QTest::keyClicks(d.edit, typed);
    QCOMPARE(d.edit->text(), shown);
}

void TestBitRate::videoDialogReportsTheRate()
{
    Dialog d(BitRateDialog::VideoBitRate);
    QSignalSpy rate(&d.dialog, &BitRateDialog::customizedVideoBitRate);

    // OK on an empty field explains itself and keeps the dialog open.
    d.click(QDialogButtonBox::Ok);
    QVERIFY(d.dialog.isVisible());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Please input a valid value"));
    QCOMPARE(rate.count(), 0);

    QTest::keyClicks(d.edit, QStringLiteral("6.125"));
    QTest::keyClick(d.edit, Qt::Key_Return);
    QCOMPARE(rate.count(), 1);
    QCOMPARE(rate.first().at(0).toString(), QStringLiteral("6.125"));
    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
}

void TestBitRate::incompleteNumbersAreRefused()
{
    // A half-typed number would reach the encoder as a bit rate of 0.
    Dialog d(BitRateDialog::VideoBitRate);
    QSignalSpy rate(&d.dialog, &BitRateDialog::customizedVideoBitRate);
    QTest::keyClicks(d.edit, QStringLiteral("."));
    QCOMPARE(d.edit->text(), QStringLiteral("."));
    d.click(QDialogButtonBox::Ok);
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(rate.count(), 0);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Please input a valid value"));

    // "9." is a whole number in the range.
    d.edit->clear();
    QTest::keyClicks(d.edit, QStringLiteral("9."));
    d.click(QDialogButtonBox::Ok);
    QCOMPARE(rate.count(), 1);
    QCOMPARE(rate.first().at(0).toString(), QStringLiteral("9."));
}

void TestBitRate::audioDialogChecksTheRange()
{
    Dialog d(BitRateDialog::AudioBitRate);
    QSignalSpy rate(&d.dialog, &BitRateDialog::customizedAudioBitRate);
    QTest::keyClicks(d.edit, QStringLiteral("100"));
    d.click(QDialogButtonBox::Ok);
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(rate.count(), 0);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Please input a valid value"));

    d.edit->clear();
    QTest::keyClicks(d.edit, QStringLiteral("448"));
    d.click(QDialogButtonBox::Ok);
    QCOMPARE(rate.count(), 1);
    QCOMPARE(rate.first().at(0).toString(), QStringLiteral("448"));
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
}

void TestBitRate::cancelReportsAnEmptyRate()
{
    for (int type : {int(BitRateDialog::VideoBitRate), int(BitRateDialog::AudioBitRate)}) {
        Dialog d(type);
        QSignalSpy video(&d.dialog, &BitRateDialog::customizedVideoBitRate);
        QSignalSpy audio(&d.dialog, &BitRateDialog::customizedAudioBitRate);
        QTest::keyClicks(d.edit, QStringLiteral("3"));
        d.click(QDialogButtonBox::Cancel);
        QSignalSpy &reported = type == BitRateDialog::VideoBitRate ? video : audio;
        QSignalSpy &silent = type == BitRateDialog::VideoBitRate ? audio : video;
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.first().at(0).toString(), QString());
        QCOMPARE(silent.count(), 0);
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    }
    // Escape is a cancel too.
    Dialog d(BitRateDialog::VideoBitRate);
    QSignalSpy video(&d.dialog, &BitRateDialog::customizedVideoBitRate);
    QTest::keyClick(d.edit, Qt::Key_Escape);
    QCOMPARE(video.count(), 1);
    QCOMPARE(video.first().at(0).toString(), QString());
}

void TestBitRate::formShowsUnitAndRangeInRed()
{
    struct Case {
        int type;
        const char *unit;
        const char *range;
    };
    for (const Case &c : {Case{0, "Mbps", "2 - 9"}, Case{1, "kbit/s", "128 - 448"}}) {
        Dialog d(c.type);
        QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Customize Bitrate"));
        QCOMPARE(d.dialog.findChild<QLabel *>(QStringLiteral("labelUnit"))->text(), QLatin1String(c.unit));
        auto *range = d.dialog.findChild<QLabel *>(QStringLiteral("labelRange"));
        QCOMPARE(range->text(), QLatin1String(c.range));
        // The range is written in red.
        const QImage image = range->grab().toImage();
        bool red = false;
        for (int y = 0; y < image.height() && !red; ++y) {
            for (int x = 0; x < image.width() && !red; ++x) {
                const QColor px = image.pixelColor(x, y);
                red = px.red() > 200 && px.green() < 80 && px.blue() < 80;
            }
        }
        QVERIFY2(red, c.range);
        saveShot(&d.dialog, QStringLiteral("bitrate-%1").arg(c.type));
    }
}

void TestBitRate::comboBoxShowsDisplayText()
{
    // The custom rate looks exactly like an item of that text would.
    QWidget window;
    auto *custom = new DisplayTextComboBox(&window);
    auto *reference = new QComboBox(&window);
    custom->addItems({QStringLiteral("High"), QStringLiteral("Normal")});
    reference->addItem(QStringLiteral("7Mbps"));
    custom->setGeometry(10, 10, 160, 30);
    reference->setGeometry(10, 50, 160, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    custom->setDisplayText(QStringLiteral("7Mbps"));
    custom->setCurrentIndex(-1);
    QCOMPARE(custom->shownText(), QStringLiteral("7Mbps"));
    QCOMPARE(custom->grab().toImage(), reference->grab().toImage());

    // Choosing an item shows the item.
    custom->setCurrentIndex(1);
    QCOMPARE(custom->shownText(), QStringLiteral("Normal"));
    reference->setItemText(0, QStringLiteral("Normal"));
    QCOMPARE(custom->grab().toImage(), reference->grab().toImage());

    // Without a display text an empty box stays empty.
    custom->setDisplayText(QString());
    custom->setCurrentIndex(-1);
    QCOMPARE(custom->shownText(), QString());
}

void TestBitRate::controlsHaveNames()
{
    for (int type : {0, 1}) {
        Dialog d(type);
        const QStringList unnamed = unnamedControls(&d.dialog);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
}

int main(int argc, char **argv)
{
    return runDialogTest<TestBitRate>(argc, argv);
}

#include "test_bitrate.moc"
