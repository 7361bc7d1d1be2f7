#include "desktop/application.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#include "desktop/widgetsupport.h"
#include "framework/apppaths.h"
#include "framework/commands.h"
#include "framework/terminationsignals.h"
#include "framework/settingsstore.h"
#include "desktop/skinmodel.h"

namespace {
bool isHelpOption(const char *arg)
{
    return qstrcmp(arg, "--help") == 0 || qstrcmp(arg, "-h") == 0 || qstrcmp(arg, "--version") == 0;
}
} // namespace

bool Application::runsWithoutWindow(int argc, char **argv)
{
    return argc > 1 && argv[1] &&
           (isHelpOption(argv[1]) || argv[1][0] == '-' || Commands::has(QString::fromLocal8Bit(argv[1])));
}

int &Application::preparePlatform(int &argc, char **argv)
{
    if (runsWithoutWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

bool Application::windowLacksDisplay(int argc, char **argv)
{
    return !runsWithoutWindow(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

Application::Application(int &argc, char **argv) : QApplication(preparePlatform(argc, argv), argv)
{
    setOrganizationName(AppPaths::companyKey());
    setApplicationName(AppPaths::defaultProductKey());
    setApplicationDisplayName(AppPaths::productName());
    setApplicationVersion(QStringLiteral(SORVEL_VERSION));
    // Outside a desktop session (a bare X server, CI) Qt knows no icon theme;
    // the installed Adwaita theme keeps toolbar and menu icons visible.
    QStringList iconPaths = QIcon::themeSearchPaths();
    for (const QString &dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString icons = dataDir + QStringLiteral("/icons");
        if (!iconPaths.contains(icons) && QFileInfo::exists(icons))
            iconPaths << icons;
    }
    QIcon::setThemeSearchPaths(iconPaths);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

Application::~Application()
{
    if (m_pref && SettingsStore::current() == m_pref.get())
        SettingsStore::setCurrent(nullptr);
}

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

QString AppPaths::companyKey()
{
    return QStringLiteral("Sorvel");
}

QString AppPaths::defaultProductKey()
{
    return QStringLiteral("Sorvel");
}

QString AppPaths::productName()
{
    return QStringLiteral("Sorvel DVD Slideshow");
}

void Application::addRequiredFile(const QString &relativePath)
{
    m_requiredFiles.append(relativePath);
}

void Application::addRequiredTool(const QString &program)
{
    m_requiredTools.append(program);
}

bool Application::checkIntegrality()
{
    m_missing.clear();
    const QString appDir =
        AppPaths::resolveAppDir(m_pref ? m_pref->productKey() : AppPaths::defaultProductKey());
    if (!QFileInfo(appDir).isDir())
        m_missing.append(appDir);
    for (const QString &file : std::as_const(m_requiredFiles)) {
        if (!QFileInfo::exists(appDir + QLatin1Char('/') + file))
            m_missing.append(file);
    }
    for (const QString &tool : std::as_const(m_requiredTools)) {
        if (AppPaths::findTool(tool).isEmpty())
            m_missing.append(tool);
    }
    return m_missing.isEmpty();
}

void Application::installTranslators()
{
    const QLocale locale;
    auto load = [this, &locale](const QString &name, const QString &dir) {
        auto *translator = new QTranslator(this);
        if (translator->load(locale, name, QStringLiteral("_"), dir)) {
            installTranslator(translator);
            m_translators.append(translator);
        } else {
            delete translator;
        }
    };
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("sorvel"), AppPaths::appDir() + QStringLiteral("/translations"));
}

void Application::initSettings(const QString &productKey)
{
    const QString product = productKey.isEmpty() ? AppPaths::defaultProductKey() : productKey;
    AppPaths::setProductKey(product);
    if (m_pref && SettingsStore::current() == m_pref.get())
        SettingsStore::setCurrent(nullptr);
    m_pref = std::make_unique<SettingsStore>(AppPaths::companyKey(), product, AppPaths::productName());
    SettingsStore::setCurrent(m_pref.get());
    if (!m_skinModel)
        m_skinModel = new SkinModel(m_pref->skinDir(), this);
    Desktop::loadSkin(m_pref->skinDir());
}

bool Application::processCmdLine(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const QString first = QString::fromLocal8Bit(argv[1]);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        std::fputs(Commands::usageText().toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        m_cmdExitCode = 0;
        return true;
    }
    if (first == QLatin1String("--version")) {
        std::printf("%s %s\n", qPrintable(applicationDisplayName()), SORVEL_VERSION);
        std::fflush(stdout);
        m_cmdExitCode = 0;
        return true;
    }
    if (!Commands::has(first)) {
        if (!first.startsWith(QLatin1Char('-')))
            return false;
        std::fprintf(stderr, "sorvel: unknown option '%s'\n\n%s", argv[1], qPrintable(Commands::usageText()));
        m_cmdExitCode = 2;
        return true;
    }
    QStringList rest;
    for (int i = 2; i < argc; ++i)
        rest.append(QString::fromLocal8Bit(argv[i]));
    m_cmdExitCode = Commands::run(first, rest).value_or(2);
    return true;
}

void Application::quitOnTerminationSignals()
{
    if (m_quitOnTermination)
        return;
    m_quitOnTermination = true;
    connect(TerminationSignals::instance(), &TerminationSignals::requested, this, [] { QCoreApplication::quit(); });
}
