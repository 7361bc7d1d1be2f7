// The "DVD Settings" dialog's controls as a person uses them: the lists and
// their defaults, the custom bit rate, the size estimate on the capacity
// bar, the dual-layer scale, the volume label, the writing speeds, and the
// request "Burn" hands to the generation.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "album/album.h"
#include "album/appsettings.h"
#include "dialogtestutil.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "burning/dvdburner.h"
#include "dialogs/destinationbox.h"
#include "dialogs/displaytextcombobox.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/capacitybar.h"

class TestDvdSettingsDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void listsAndDefaults();
    void tvStandardFromTheSetting();
    void customBitRate_data();
    void customBitRate();
    void sizeEstimate();
    void dualLayerOnlyForADualLayerDisc();
    void volumeLabel();
    void speedsAndCopies();
    void choicesComeAndGo();
    void picture();
    void startWithAMenu();
    void menuTitleBackgroundAndMusic();
    void controlsHaveNames();

private:
    // An album of photos in plain colours, written as PNG files into dir
    // (photo0.png, ...); count photos in all, the colours repeating.
    static Album colourAlbum(const QString &dir, const QList<QColor> &colours, int count)
    {
        Album album;
        for (int k = 0; k < count; ++k) {
            ImageInfo photo;
            photo.path = QStringLiteral("%1/photo%2.png").arg(dir).arg(k);
            QImage image(320, 240, QImage::Format_RGB32);
            image.fill(colours[k % colours.size()]);
            image.save(photo.path);
            photo.width = 320;
            photo.height = 240;
            photo.thumbnail = image.scaled(80, 60);
            album.photos.append(photo);
        }
        return album;
    }
    struct Form {
        Form() : dialog(nullptr)
        {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        }
        template <typename T> T *get(const char *name) { return dialog.findChild<T *>(QLatin1String(name)); }
        void choose(const char *name, const QString &text)
        {
            QVERIFY2(chooseEntry(get<QComboBox>(name), text), qPrintable(text));
        }
        Album album;
        DvdSettingsDialog dialog;
    };
    // Answers the custom bit rate dialog once it is open: types the text
    // and presses OK, or Cancel when the text is empty.
    static void answerCustomDialog(const QString &text)
    {
        auto *poll = new QTimer(qApp);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, text] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("CustomizeBitRateDialogClass"))
                return;
            poll->deleteLater();
            poll->stop();
            auto *edit = modal->findChild<QLineEdit *>(QStringLiteral("lineEditBitRate"));
            auto *box = modal->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QTest::keyClicks(edit, text);
            QTest::mouseClick(box->button(text.isEmpty() ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        poll->start();
    }
};

void TestDvdSettingsDialog::init()
{
    Application::instance()->pref()->remove(AppSettings::kVideoStandard);
}

void TestDvdSettingsDialog::listsAndDefaults()
{
    Form f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("DVD Settings"));
    auto texts = [](QComboBox *box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    QCOMPARE(texts(f.get<QComboBox>("videoQualityComboBox")),
             (QStringList{"High", "Normal", "Low", "Customize"}));
    QCOMPARE(texts(f.get<QComboBox>("tvModeComboBox")), (QStringList{"NTSC", "PAL"}));
    QCOMPARE(f.get<QComboBox>("audioRateComboBox")->count(), 8);
    QCOMPARE(f.get<QComboBox>("audioRateComboBox")->itemText(7),
             QStringLiteral("448kbit/s (Highest Audio Quality)"));
    QCOMPARE(texts(f.get<QComboBox>("channelComboBox")),
             (QStringList{"1 (Mono)", "2 (Stereo)", "5.1 (D.D.)"}));
    QCOMPARE(texts(f.get<QComboBox>("showEndComboBox")), (QStringList{"Play Again", "Stop"}));
    QCOMPARE(f.get<QLabel>("labelShowEnd")->text(), QStringLiteral("When the Show Ends:"));
    QCOMPARE(texts(f.get<QComboBox>("aspectComboBox")), (QStringList{"16:9 Widescreen", "4:3"}));
    QCOMPARE(f.get<QComboBox>("aspectComboBox")->accessibleName(), QStringLiteral("Aspect Ratio"));
    QCOMPARE(texts(f.get<QComboBox>("chaptersComboBox")), (QStringList{"One per Photo", "None"}));

    QCOMPARE(f.get<QComboBox>("videoQualityComboBox")->currentText(), QStringLiteral("High"));
    QCOMPARE(f.get<QComboBox>("audioRateComboBox")->currentText(),
             QStringLiteral("192kbit/s (Normal Audio Quality)"));
    QCOMPARE(f.get<QComboBox>("channelComboBox")->currentText(), QStringLiteral("2 (Stereo)"));
    QCOMPARE(f.get<QLineEdit>("volumeEdit")->text(), QStringLiteral("My DVD"));
    QCOMPARE(f.get<QSpinBox>("copySpinBox")->value(), 1);
    QCOMPARE(f.get<QSpinBox>("copySpinBox")->minimum(), 1);
    // The show plays again unless a person says otherwise, as discs always did.
    QCOMPARE(f.get<QComboBox>("showEndComboBox")->currentText(), QStringLiteral("Play Again"));
    QCOMPARE(f.dialog.request().atEnd, ShowEnd::Repeat);
    // A new album is widescreen with a chapter at every photo.
    QCOMPARE(f.get<QComboBox>("aspectComboBox")->currentText(), QStringLiteral("16:9 Widescreen"));
    QCOMPARE(f.get<QComboBox>("chaptersComboBox")->currentText(), QStringLiteral("One per Photo"));
    QCOMPARE(f.dialog.request().aspect, DvdAspect::Wide);
    QCOMPARE(f.dialog.request().chapters, ChapterMarks::PerPhoto);

    // The choices reach the request.
    f.choose("videoQualityComboBox", QStringLiteral("Low"));
    f.choose("audioRateComboBox", QStringLiteral("448kbit/s (Highest Audio Quality)"));
    f.choose("channelComboBox", QStringLiteral("5.1 (D.D.)"));
    f.choose("tvModeComboBox", QStringLiteral("NTSC"));
    QSignalSpy changed(&f.dialog, &DvdSettingsDialog::choicesChanged);
    f.choose("showEndComboBox", QStringLiteral("Stop"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).value<DvdChoices>().atEnd, ShowEnd::Stop);
    f.choose("aspectComboBox", QStringLiteral("4:3"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).value<DvdChoices>().aspect, DvdAspect::Standard);
    f.choose("chaptersComboBox", QStringLiteral("None"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().at(0).value<DvdChoices>().chapters, ChapterMarks::None);
    const MakeRequest r = f.dialog.request();
    QCOMPARE(r.aspect, DvdAspect::Standard);
    QCOMPARE(r.chapters, ChapterMarks::None);
    QCOMPARE(r.atEnd, ShowEnd::Stop);
    QCOMPARE(r.videoBitRate, 2000000);
    QCOMPARE(r.audioBitRate, 448000);
    QCOMPARE(r.audioChannels, 6);
    QCOMPARE(r.tvStandard, TvStandard::Ntsc);
    QCOMPARE(r.afterMaking, AfterMakingAction::DoNothing); // read when the run ends
    // The TV standard is the program's choice from now on.
    QCOMPARE(AppSettings::videoStandard(Application::instance()->pref()), std::optional(TvStandard::Ntsc));
}

void TestDvdSettingsDialog::tvStandardFromTheSetting()
{
    for (TvStandard standard : {TvStandard::Pal, TvStandard::Ntsc}) {
        AppSettings::setVideoStandard(Application::instance()->pref(), standard);
        Form f;
        QCOMPARE(f.get<QComboBox>("tvModeComboBox")->currentText(), tvStandardName(standard));
        QCOMPARE(f.dialog.choices().tvStandard, standard);
        // A language change keeps the choices.
        f.choose("channelComboBox", QStringLiteral("1 (Mono)"));
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&f.dialog, &change);
        QCOMPARE(f.get<QComboBox>("tvModeComboBox")->currentText(), tvStandardName(standard));
        QCOMPARE(f.get<QComboBox>("channelComboBox")->currentText(), QStringLiteral("1 (Mono)"));
    }
}

void TestDvdSettingsDialog::customBitRate_data()
{
    QTest::addColumn<QString>("before"); // the quality chosen first
    QTest::addColumn<QString>("typed");  // empty: Cancel
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("rate");
    QTest::newRow("9 is High") << "Low"
                               << "9"
                               << "High" << 0 << 9000000;
    QTest::newRow("9. is High") << "Low"
                                << "9."
                                << "High" << 0 << 9000000;
    QTest::newRow("5 is Normal") << "High"
                                 << "5"
                                 << "Normal" << 1 << 5000000;
    QTest::newRow("7 is its own") << "High"
                                  << "7"
                                  << "7Mbps" << -1 << 7000000;
    QTest::newRow("6.125") << "High"
                           << "6.125"
                           << "6.125Mbps" << -1 << 6125000;
    QTest::newRow("cancel keeps Normal") << "Normal"
                                         << ""
                                         << "Normal" << 1 << 5000000;
}

void TestDvdSettingsDialog::customBitRate()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, index);
    QFETCH(int, rate);
    Form f;
    f.dialog.setDuration(100);
    f.choose("videoQualityComboBox", before);
    QSignalSpy changed(&f.dialog, &DvdSettingsDialog::choicesChanged);
    answerCustomDialog(typed);
    f.choose("videoQualityComboBox", QStringLiteral("Customize"));
    auto *quality = f.get<DisplayTextComboBox>("videoQualityComboBox");
    QCOMPARE(quality->shownText(), shown);
    QCOMPARE(quality->currentIndex(), index);
    QCOMPARE(f.dialog.request().videoBitRate, rate);
    QCOMPARE(f.dialog.dvdSize(), MakeJob::estimateDvdSize(rate, 192000, 100));
    // The custom dialog is gone once answered.
    QCOMPARE(f.dialog.findChildren<QDialog *>(QStringLiteral("CustomizeBitRateDialogClass")).size(), 0);

    // A cancelled second try keeps the custom rate and its text.
    answerCustomDialog(QString());
    f.choose("videoQualityComboBox", QStringLiteral("Customize"));
    QCOMPARE(quality->shownText(), shown);
    QCOMPARE(f.dialog.request().videoBitRate, rate);
}

void TestDvdSettingsDialog::sizeEstimate()
{
    Form f;
    auto *bar = f.get<CapacityBar>("capacityFrame");
    QCOMPARE(f.dialog.dvdSize(), quint64(0)); // no slideshow yet
    QCOMPARE(bar->value(), quint64(0));
    f.dialog.setDuration(600);
    f.dialog.updateDVDSize();
    f.choose("videoQualityComboBox", QStringLiteral("Normal"));
    // 5 Mbit/s and 192 kbit/s for 600 s, plus 5 %.
    QCOMPARE(f.dialog.dvdSize(), quint64(408870000));
    QCOMPARE(bar->value(), quint64(408870000));
    QCOMPARE(f.get<QLabel>("labelSize")->text(), QStringLiteral("Estimated size: up to 408.87 MB"));
    f.choose("audioRateComboBox", QStringLiteral("448kbit/s (Highest Audio Quality)"));
    QCOMPARE(f.dialog.dvdSize(), MakeJob::estimateDvdSize(5000000, 448000, 600));
    // Channels and standard do not change the size.
    const quint64 size = f.dialog.dvdSize();
    f.choose("channelComboBox", QStringLiteral("1 (Mono)"));
    f.choose("tvModeComboBox", QStringLiteral("NTSC"));
    QCOMPARE(f.dialog.dvdSize(), size);
}

void TestDvdSettingsDialog::dualLayerOnlyForADualLayerDisc()
{
    ChooserRecorder chooser;
    MessageRecorder boxes;
    Form f;
    f.dialog.setDuration(60);
    auto *bar = f.get<CapacityBar>("capacityFrame");
    auto *box = f.dialog.targetComboBox();
    const QString dir = TestSupport::freshDir(QStringLiteral("dvdsetting-dual"));

    QVERIFY(box->setIsoTarget(dir + QStringLiteral("/x.iso")));
    Q_EMIT f.dialog.targetComboBox()->discTypeChanged(QStringLiteral("D9"));
    QVERIFY(!f.dialog.dualLayer());
    QCOMPARE(bar->showMode(), CapacityBar::SingleLayer);

    QVERIFY(box->setRecorderTarget(QStringLiteral("stdio:") + dir + QStringLiteral("/disc.img")));
    Q_EMIT f.dialog.targetComboBox()->discTypeChanged(QStringLiteral("D9"));
    QVERIFY(f.dialog.dualLayer());
    QCOMPARE(bar->showMode(), CapacityBar::DualLayer);
    Q_EMIT f.dialog.targetComboBox()->discTypeChanged(QStringLiteral("D5"));
    QCOMPARE(bar->showMode(), CapacityBar::SingleLayer);

    // Going back to a folder leaves the dual-layer scale.
    Q_EMIT f.dialog.targetComboBox()->discTypeChanged(QStringLiteral("D9"));
    QVERIFY(box->setFolderTarget(dir));
    f.dialog.updateDVDSize();
    QCOMPARE(bar->showMode(), CapacityBar::SingleLayer);
}

void TestDvdSettingsDialog::volumeLabel()
{
    Form f;
    auto *edit = f.get<QLineEdit>("volumeEdit");
    auto *box = f.dialog.targetComboBox();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("  Summer 2026 "));
    QCOMPARE(box->volumeLabel(), QStringLiteral("Summer 2026"));
    QCOMPARE(f.dialog.request().destination.volumeLabel, QStringLiteral("Summer 2026"));
    // Blank gives the default label.
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("   "));
    QCOMPARE(box->volumeLabel(), QStringLiteral("My DVD"));
    QCOMPARE(f.dialog.request().destination.volumeLabel, QStringLiteral("My DVD"));
    edit->clear();
    QCOMPARE(box->volumeLabel(), QStringLiteral("My DVD"));
    // Longer labels than a disc holds cannot be typed.
    QTest::keyClicks(edit, QString(40, QLatin1Char('x')));
    QCOMPARE(edit->text().size(), 32);
}

void TestDvdSettingsDialog::speedsAndCopies()
{
    MessageRecorder boxes;
    Form f;
    auto *speed = f.get<QComboBox>("speedComboBox");
    auto *copies = f.get<QSpinBox>("copySpinBox");
    const QString dir = TestSupport::freshDir(QStringLiteral("dvdsetting-speed"));
    Q_EMIT f.dialog.targetComboBox()->speedsChanged(
        QVector<QString>{QStringLiteral("Max"), QStringLiteral("8X"), QStringLiteral("4")});
    QStringList shown;
    for (int i = 0; i < speed->count(); ++i)
        shown << speed->itemText(i);
    QCOMPARE(shown, (QStringList{"Max", "8X", "4X"}));

    // Speed and copies belong to a recorder only.
    QVERIFY(f.dialog.targetComboBox()->setIsoTarget(dir + QStringLiteral("/a.iso")));
    QVERIFY(!speed->isEnabled());
    QVERIFY(!copies->isEnabled());
    QCOMPARE(f.dialog.request().copies, 1);
    QVERIFY(f.dialog.targetComboBox()->setRecorderTarget(QStringLiteral("stdio:") + dir +
                                                         QStringLiteral("/d.img")));
    QVERIFY(speed->isEnabled());
    QVERIFY(copies->isEnabled());
    QVERIFY(speed->count() >= 1);
    QCOMPARE(speed->itemText(0), QStringLiteral("Max"));
    copies->setFocus();
    QTest::keyClick(copies, Qt::Key_Up);
    QCOMPARE(f.dialog.request().copies, 2);
    QCOMPARE(f.dialog.request().speed, QStringLiteral("Max"));
    QCOMPARE(f.dialog.request().destination.type, Destination::Burner);
}

void TestDvdSettingsDialog::choicesComeAndGo()
{
    Form f;
    DvdChoices c;
    c.tvStandard = TvStandard::Ntsc;
    c.videoBitRate = 6500000;
    c.audioBitRate = 320000;
    c.audioChannels = 6;
    c.volumeLabel = QStringLiteral("Trip");
    c.copies = 3;
    c.atEnd = ShowEnd::Stop;
    c.aspect = DvdAspect::Standard;
    c.chapters = ChapterMarks::None;
    QSignalSpy changed(&f.dialog, &DvdSettingsDialog::choicesChanged);
    f.dialog.setChoices(c);
    QCOMPARE(changed.count(), 0); // set from outside: not reported back
    QCOMPARE(f.get<DisplayTextComboBox>("videoQualityComboBox")->shownText(), QStringLiteral("6.5Mbps"));
    QCOMPARE(f.get<QComboBox>("tvModeComboBox")->currentText(), QStringLiteral("NTSC"));
    QCOMPARE(f.get<QComboBox>("audioRateComboBox")->currentText(),
             QStringLiteral("320kbit/s (High Audio Quality)"));
    QCOMPARE(f.get<QComboBox>("channelComboBox")->currentText(), QStringLiteral("5.1 (D.D.)"));
    QCOMPARE(f.get<QLineEdit>("volumeEdit")->text(), QStringLiteral("Trip"));
    QCOMPARE(f.get<QSpinBox>("copySpinBox")->value(), 3);
    QCOMPARE(f.get<QComboBox>("showEndComboBox")->currentText(), QStringLiteral("Stop"));
    QCOMPARE(f.get<QComboBox>("aspectComboBox")->currentText(), QStringLiteral("4:3"));
    QCOMPARE(f.get<QComboBox>("chaptersComboBox")->currentText(), QStringLiteral("None"));
    QCOMPARE(f.dialog.choices(), c);

    f.choose("channelComboBox", QStringLiteral("2 (Stereo)"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).value<DvdChoices>().audioChannels, 2);

    // Values no list holds fall back to the defaults.
    c.videoBitRate = 12000000;
    c.audioBitRate = 100000;
    c.audioChannels = 4;
    c.copies = 0;
    f.dialog.setChoices(c);
    QCOMPARE(f.dialog.choices().videoBitRate, kHighVideoBitRate);
    QCOMPARE(f.dialog.choices().audioBitRate, kDefaultAudioBitRate);
    QCOMPARE(f.dialog.choices().audioChannels, kDefaultAudioChannels);
    QCOMPARE(f.dialog.choices().copies, 1);
}

void TestDvdSettingsDialog::picture()
{
    Form f;
    f.dialog.setDuration(1800);
    f.dialog.updateDVDSize();
    // The destinations are listed once the drives have been looked at.
    QTRY_VERIFY(f.dialog.targetComboBox()->isEnabled());
    QCOMPARE(f.get<QComboBox>("speedComboBox")->currentText(), QStringLiteral("Max"));
    // With the shape and chapter choices it still fits a 1024 x 700 screen.
    f.dialog.adjustSize();
    QVERIFY2(f.dialog.height() <= 700 && f.dialog.width() <= 1024,
             qPrintable(QStringLiteral("%1 x %2").arg(f.dialog.width()).arg(f.dialog.height())));
    saveShot(&f.dialog, QStringLiteral("dvdsetting"));
}

// The menu choice as a person sees it: on for a new album, with a picture
// of the main page that follows the photo, the label and the choice, and
// off with a click, which the request and the saved choices follow.
void TestDvdSettingsDialog::startWithAMenu()
{
    Form f;
    auto *box = f.get<QCheckBox>("menuCheckBox");
    auto *preview = f.get<QLabel>("menuPreview");
    QVERIFY(box && preview);
    QCOMPARE(box->text(), QStringLiteral("Start with a Menu"));
    QVERIFY(box->isChecked());
    QVERIFY(f.dialog.choices().menu);
    const QImage plain = f.dialog.menuPreview();
    QVERIFY(!plain.isNull());
    QVERIFY(preview->isEnabled());
    QCOMPARE(preview->pixmap().size(), plain.size());

    // The album's photo lies behind the title; the label is the title.
    QTemporaryDir dir;
    const Album album = colourAlbum(dir.path(), {QColor(250, 40, 40)}, 12);
    f.dialog.setAlbum(album);
    const QImage onPhoto = f.dialog.menuPreview();
    const QPoint corner(4, 4);
    QVERIFY(qRed(onPhoto.pixel(corner)) > qRed(plain.pixel(corner)) + 30);
    QTest::keyClick(f.get<QLineEdit>("volumeEdit"), Qt::Key_X);
    QVERIFY(f.dialog.menuPreview() != onPhoto);

    QSignalSpy changed(&f.dialog, &DvdSettingsDialog::choicesChanged);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(!box->isChecked());
    QCOMPARE(changed.count(), 1);
    QVERIFY(!changed.last().at(0).value<DvdChoices>().menu);
    QVERIFY(!f.dialog.request().menu);
    QVERIFY(!preview->isEnabled());
    QVERIFY(f.dialog.menuPreview().isNull());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(f.dialog.request().menu);
    QVERIFY(preview->isEnabled());

    // Choices set from the album show as they are.
    DvdChoices c = f.dialog.choices();
    c.menu = false;
    f.dialog.setChoices(c);
    QVERIFY(!box->isChecked());
    f.dialog.setAlbum(album);
    c.menu = true;
    f.dialog.setChoices(c);
    QTRY_VERIFY(f.dialog.targetComboBox()->isEnabled());
    saveShot(&f.dialog, QStringLiteral("dvdsetting-menu"));
}

// The menu's own rows as a person uses them: a title typed over the
// volume label (shown as the field's placeholder), a background chosen
// from the album's photos by name or a title card's look, and the music,
// which only an album with music offers. Each choice shows in the
// preview, reaches the request and is reported for the album.
void TestDvdSettingsDialog::menuTitleBackgroundAndMusic()
{
    Form f;
    QTemporaryDir dir;
    Album album = colourAlbum(dir.path(), {QColor(240, 30, 30), QColor(30, 30, 240), QColor(30, 220, 30)}, 3);
    TitleCard card;
    card.text = QStringLiteral("Summer");
    card.colour = QColor(250, 250, 0);
    card.style.colour = QColor(10, 10, 10);
    album.photos.append(ImageInfo::forTitleCard(card));
    f.dialog.setAlbum(album);
    QSignalSpy changed(&f.dialog, &DvdSettingsDialog::choicesChanged);

    auto *title = f.get<QLineEdit>("menuTitleEdit");
    auto *background = f.get<QComboBox>("menuBackgroundComboBox");
    auto *music = f.get<QCheckBox>("menuMusicCheckBox");
    QVERIFY(title && background && music);
    QVERIFY(title->text().isEmpty());
    QCOMPARE(title->placeholderText(), defaultVolumeLabel());
    QTest::keyClicks(f.get<QLineEdit>("volumeEdit"), QStringLiteral("X"));
    QCOMPARE(title->placeholderText(), f.dialog.choices().volumeLabel);

    // A title of its own, in any script.
    const QImage before = f.dialog.menuPreview();
    const QString text = QStringLiteral("Łódź – Été 2026 – 夏");
    // Letters beyond ASCII come as a keyboard (or input method) gives them.
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, title, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QCOMPARE(f.dialog.choices().menuChoices.title, text);
    QCOMPARE(changed.last().at(0).value<DvdChoices>().menuChoices.title, text);
    QCOMPARE(f.dialog.request().menuChoices.title, text);
    QVERIFY(f.dialog.menuPreview() != before);

    // The list: the first photo, each photo by its file name, the card.
    QStringList items;
    for (int i = 0; i < background->count(); ++i)
        items << background->itemText(i);
    QCOMPARE(items, QStringList({QStringLiteral("First Photo"), QStringLiteral("photo0.png"),
                                 QStringLiteral("photo1.png"), QStringLiteral("photo2.png"),
                                 QStringLiteral("A Title Card's Look")}));
    QCOMPARE(background->currentIndex(), 0);
    const QPoint corner(4, 4);
    QVERIFY(qRed(f.dialog.menuPreview().pixel(corner)) > qBlue(f.dialog.menuPreview().pixel(corner)) + 30);
    f.choose("menuBackgroundComboBox", QStringLiteral("photo1.png"));
    const MenuChoices blue = f.dialog.choices().menuChoices;
    QCOMPARE(blue.backdrop, MenuBackdrop::Photo);
    QCOMPARE(blue.photo, album.photos[1].path);
    QCOMPARE(f.dialog.request().menuChoices, blue);
    QVERIFY(qBlue(f.dialog.menuPreview().pixel(corner)) > qRed(f.dialog.menuPreview().pixel(corner)) + 30);

    // The card's look: its yellow, not blurred into the photo's colours.
    f.choose("menuBackgroundComboBox", QStringLiteral("A Title Card's Look"));
    QCOMPARE(f.dialog.choices().menuChoices.backdrop, MenuBackdrop::TitleCard);
    const QRgb yellow = f.dialog.menuPreview().pixel(corner);
    QVERIFY2(qRed(yellow) > 200 && qGreen(yellow) > 200 && qBlue(yellow) < 60,
             qPrintable(QString::number(yellow, 16)));

    // A stored photo that is no longer in the album shows as the first.
    DvdChoices c = f.dialog.choices();
    c.menuChoices.backdrop = MenuBackdrop::Photo;
    c.menuChoices.photo = dir.filePath(QStringLiteral("gone.png"));
    f.dialog.setChoices(c);
    QCOMPARE(background->currentIndex(), 0);
    QVERIFY(qRed(f.dialog.menuPreview().pixel(corner)) > qBlue(f.dialog.menuPreview().pixel(corner)) + 30);

    // No music in the album: nothing to offer.
    QVERIFY(!music->isEnabled());
    QVERIFY(!music->isChecked());
    AudioInfo clip;
    clip.path = dir.filePath(QStringLiteral("song.wav"));
    clip.duration = 60;
    clip.clipEnd = 60;
    album.audios.append(clip);
    f.dialog.setAlbum(album);
    QVERIFY(music->isEnabled());
    QVERIFY(music->isChecked());
    QTest::mouseClick(music, Qt::LeftButton, {}, QPoint(8, music->height() / 2));
    QVERIFY(!f.dialog.choices().menuChoices.music);
    QVERIFY(!f.dialog.request().menuChoices.music);

    // Without a menu its rows rest.
    auto *menu = f.get<QCheckBox>("menuCheckBox");
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(8, menu->height() / 2));
    QVERIFY(!title->isEnabled() && !background->isEnabled() && !music->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(8, menu->height() / 2));
    QVERIFY(title->isEnabled() && background->isEnabled() && music->isEnabled());
    QTRY_VERIFY(f.dialog.targetComboBox()->isEnabled());
    saveShot(&f.dialog, QStringLiteral("dvdsetting-menu-rows"));
}

void TestDvdSettingsDialog::controlsHaveNames()
{
    Form f;
    QTRY_VERIFY(f.dialog.targetComboBox()->isEnabled());
    const QStringList unnamed = unnamedControls(&f.dialog);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

int main(int argc, char **argv)
{
    return runDialogTest<TestDvdSettingsDialog>(argc, argv);
}

#include "test_dvdsettingsdialog.moc"
