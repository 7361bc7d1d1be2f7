// The window and the dialogs in every shipped language, as a person sees
// them on a 1024x700 screen (and on 1280x800): no label, button, check box
// or group title of ours is cut off, and no menu, button, label or tooltip
// still shows the English text that the catalogue translates. With
// SORVEL_SCREENSHOTS set, each is saved as a picture there.

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "album/appsettings.h"
#include "catalogue.h"
#include "desktop/application.h"
#include "dialogs/bitratedialog.h"
#include "dialogs/captiondialog.h"
#include "dialogs/dvdmaking.h"
#include "dialogs/dvdsettingsdialog.h"
#include "dialogs/editaudiodialog.h"
#include "dialogs/exportvideodialog.h"
#include "dialogs/preferencesdialog.h"
#include "dialogs/progressdialog.h"
#include "dialogs/waitfordiscdialog.h"
#include "framework/settingsstore.h"
#include "framework/uilanguage.h"
#include "testsupport.h"
#include "window/editorwindow.h"

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// What the catalogue of one language says: the English texts it
// translates differently, and every text of ours in either language.
struct Texts {
    QSet<QString> english;
    QSet<QString> ours;
};

Texts textsOf(const QString &language)
{
    Texts texts;
    QString tsLanguage;
    const auto messages = Catalogue::read(qEnvironmentVariable("SORVEL_SOURCE_DIR") +
                                              QStringLiteral("/translations/sorvel_%1.ts").arg(language),
                                          &tsLanguage);
    for (const auto &m : messages) {
        if (m.numerus || m.source.contains(QLatin1Char('%')))
            continue; // shown with their numbers filled in
        const QString translation = m.translations.value(0);
        if (!translation.isEmpty() && translation != m.source)
            texts.english.insert(withoutMnemonic(m.source));
        texts.ours.insert(withoutMnemonic(m.source));
        texts.ours.insert(withoutMnemonic(translation));
    }
    return texts;
}

class Inspector
{
public:
    Inspector(const Texts &texts, const QString &language) : m_texts(texts), m_language(language) {}

    // Every visible control of root and every action of its menus.
    void inspect(QWidget *root, const QString &where)
    {
        const QList<QWidget *> widgets = root->findChildren<QWidget *>() << root;
        for (QWidget *w : widgets) {
            if (!w->isVisible())
                continue;
            english(w->toolTip(), where, w);
            if (auto *label = qobject_cast<QLabel *>(w))
                checkLabel(label, where);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                checkButton(button, where);
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                checkGroup(group, where);
            else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                for (int i = 0; i < combo->count(); ++i)
                    english(combo->itemText(i), where, w);
            } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
                for (int i = 0; i < tabs->count(); ++i)
                    english(tabs->tabText(i), where, w);
            }
        }
        for (QMenuBar *bar : root->findChildren<QMenuBar *>()) {
            for (QAction *action : bar->actions())
                checkAction(action, where);
        }
    }

    QStringList faults;

private:
    void checkAction(QAction *action, const QString &where)
    {
        english(action->text(), where, nullptr);
        english(action->toolTip(), where, nullptr);
        if (QMenu *menu = action->menu()) {
            for (QAction *sub : menu->actions())
                checkAction(sub, where);
        }
    }

    void english(const QString &text, const QString &where, QWidget *w)
    {
        if (!text.isEmpty() && m_texts.english.contains(withoutMnemonic(text)))
            faults << QStringLiteral("%1 %2: English \"%3\" (%4)")
                          .arg(m_language, where, text, w ? w->objectName() : QStringLiteral("menu"));
    }

    bool ours(const QString &text) const { return m_texts.ours.contains(withoutMnemonic(text)); }

    void cut(const QString &where, QWidget *w, const QString &text, int need, int have)
    {
        faults << QStringLiteral("%1 %2: \"%3\" cut off in %4 (needs %5, has %6)")
                      .arg(m_language, where, text, w->objectName())
                      .arg(need)
                      .arg(have);
    }

    void checkLabel(QLabel *label, const QString &where)
    {
        const QString text = label->text();
        english(text, where, label);
        if (text.isEmpty() || !ours(text) || label->wordWrap() || Qt::mightBeRichText(text))
            return;
        const QFontMetrics fm(label->font());
        const int have = label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
        for (const QString &line : withoutMnemonic(text).split(QLatin1Char('\n'))) {
            const int need = fm.horizontalAdvance(line);
            if (need > have)
                cut(where, label, line, need, have);
        }
    }

    void checkButton(QAbstractButton *button, const QString &where)
    {
        const QString text = button->text();
        english(text, where, button);
        if (text.isEmpty() || !ours(text))
            return;
        if (auto *tool = qobject_cast<QToolButton *>(button)) {
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                return;
        }
        // A button's own size hint holds its whole text with its margins.
        const int need = button->sizeHint().width();
        if (need > button->width())
            cut(where, button, text, need, button->width());
    }

    void checkGroup(QGroupBox *group, const QString &where)
    {
        const QString title = group->title();
        english(title, where, group);
        if (title.isEmpty() || !ours(title))
            return;
        const int need = QFontMetrics(group->font()).horizontalAdvance(withoutMnemonic(title));
        if (need > group->width())
            cut(where, group, title, need, group->width());
    }

    const Texts &m_texts;
    QString m_language;
};

void saveShot(QWidget *w, const QString &name)
{
    const QString folder = qEnvironmentVariable("SORVEL_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    w->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TestTranslatedLayouts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanupTestCase();
    void languages_data();
    void languages();
    void englishIsSeen();
    void preferencesChooseLanguage();
};

void TestTranslatedLayouts::cleanupTestCase()
{
    Application::instance()->installTranslators(UiLanguage::sourceLanguage());
}

void TestTranslatedLayouts::languages_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = Catalogue::shippedLanguages(SORVEL_LANGUAGES);
    QVERIFY(!languages.isEmpty());
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslatedLayouts::languages()
{
    QFETCH(QString, language);
    QCOMPARE(Application::instance()->installTranslators(language), language);
    QCOMPARE(UiLanguage::current(), language);
    const Texts texts = textsOf(language);
    QVERIFY(texts.english.size() > 100);
    Inspector inspector(texts, language);

    EditorWindow window;
    window.show(true);
    QMainWindow *frame = window.widgetFrame();
    QVERIFY(QTest::qWaitForWindowExposed(frame));

    const QList<QSize> sizes{QSize(1280, 800), QSize(1024, 700)};
    for (const QSize &size : sizes) {
        frame->resize(size);
        QTRY_COMPARE(frame->size(), size);
        QTest::qWait(50);
        const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        inspector.inspect(frame, QStringLiteral("window ") + tag);
        saveShot(frame, QStringLiteral("%1-window-%2").arg(language, tag));
    }

    // Each dialog as it opens over the window; none may be larger than the
    // smallest screen.
    PreferencesDialog preferences(frame);
    EditAudioDialog editAudio({}, frame);
    BitRateDialog videoRate(frame, BitRateDialog::VideoBitRate);
    ProgressDialog progress(frame);
    WaitForDiscDialog waitForDisc(frame);
    ExportVideoDialog exportVideo(frame);
    CaptionDialog caption(CaptionDialog::EditCaption, frame);
    CaptionDialog titleCard(CaptionDialog::NewTitleCard, frame);
    const QList<QPair<QString, QWidget *>> dialogs{
        {QStringLiteral("preferences"), &preferences},
        {QStringLiteral("dvdsettings"), window.dvdMaking()->settingsDialog()},
        {QStringLiteral("editaudio"), &editAudio},
        {QStringLiteral("bitrate"), &videoRate},
        {QStringLiteral("progress"), &progress},
        {QStringLiteral("waitfordisc"), &waitForDisc},
        {QStringLiteral("exportvideo"), &exportVideo},
        {QStringLiteral("caption"), &caption},
        {QStringLiteral("titlecard"), &titleCard},
    };
    for (const auto &[name, dialog] : dialogs) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::qWait(50);
        QVERIFY2(dialog->width() <= 1024 && dialog->height() <= 700, qPrintable(QStringLiteral("%1 %2: %3x%4")
                                                                                    .arg(language, name)
                                                                                    .arg(dialog->width())
                                                                                    .arg(dialog->height())));
        inspector.inspect(dialog, name);
        saveShot(dialog, QStringLiteral("%1-%2").arg(language, name));
        dialog->hide();
    }
    QVERIFY2(inspector.faults.isEmpty(), qPrintable(inspector.faults.join(QLatin1Char('\n'))));
}

// The check itself sees English: without a catalogue the window shows the
// source texts, and they are reported.
void TestTranslatedLayouts::englishIsSeen()
{
    const QStringList languages = Catalogue::shippedLanguages(SORVEL_LANGUAGES);
    QVERIFY(!languages.isEmpty());
    QCOMPARE(Application::instance()->installTranslators(UiLanguage::sourceLanguage()),
             UiLanguage::sourceLanguage());
    const Texts texts = textsOf(languages.first());
    Inspector inspector(texts, UiLanguage::sourceLanguage());
    EditorWindow window;
    window.show(true);
    QVERIFY(QTest::qWaitForWindowExposed(window.widgetFrame()));
    inspector.inspect(window.widgetFrame(), QStringLiteral("window"));
    const QString faults = inspector.faults.join(QLatin1Char('\n'));
    QVERIFY2(faults.contains(QStringLiteral("English \"Import Photo(s)\"")), qPrintable(faults));
    QVERIFY2(faults.contains(QStringLiteral("English \"&File\"")), qPrintable(faults));
}

// The language list of Preferences: "System Default" first, then every
// language under its own name; OK stores the code, which the next start
// speaks; Reset to Default goes back to the system's language.
void TestTranslatedLayouts::preferencesChooseLanguage()
{
    SettingsStore *pref = Application::instance()->pref();
    pref->remove(AppSettings::kLanguage);
    auto open = [](PreferencesDialog &dialog) {
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    };
    {
        PreferencesDialog dialog;
        QVERIFY(open(dialog));
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("language"));
        QVERIFY(combo);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->itemData(0).toString(), QString());
        QStringList names;
        for (int i = 1; i < combo->count(); ++i)
            names << combo->itemText(i);
        for (const QString &language : Catalogue::shippedLanguages(SORVEL_LANGUAGES))
            QVERIFY2(names.contains(UiLanguage::nativeName(language)),
                     qPrintable(names.join(QLatin1Char(','))));
        QVERIFY(names.contains(QStringLiteral("English")));
        QVERIFY(names.contains(QStringLiteral("Deutsch")));
        // Chosen as a person does: the list opened, the entry typed.
        combo->setFocus();
        QTest::keyClicks(combo, QStringLiteral("Deutsch"));
        QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
        auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    QCOMPARE(pref->value(AppSettings::kLanguage).toString(), QStringLiteral("de"));
    {
        PreferencesDialog dialog;
        QVERIFY(open(dialog));
        auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("language"));
        QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("resetGeneral")), Qt::LeftButton);
        QCOMPARE(combo->currentIndex(), 0);
        auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    QCOMPARE(pref->value(AppSettings::kLanguage).toString(), QString());
}

int main(int argc, char **argv)
{
    Application app(argc, argv);
    app.initSettings();
    TestTranslatedLayouts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translatedlayouts.moc"
