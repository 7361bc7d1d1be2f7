#pragma once

#include <QApplication>
#include <QStringList>

#include <functional>
#include <memory>

class SettingsStore;
class MainWindowBase;
class SkinModel;
class QTranslator;

// The application object of the framework: preferences, skin model, main
// window, the installation check and the program's own command-line
// commands (subcommands that run without a main window).
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;

    static Application *instance();

    // Files (relative to appDir) and external programs the installation
    // must provide for checkIntegrality() to succeed.
    void addRequiredFile(const QString &relativePath);
    void addRequiredTool(const QString &program);
    // True when the application data folder, every required file and every
    // required tool are present. missingItems() names what was not found.
    bool checkIntegrality();
    QStringList missingItems() const { return m_missing; }

    void installTranslators();
    // Creates the preferences store under the product key (empty: the
    // default) and makes it the program's current one, then loads the skin.
    void initSettings(const QString &productKey = QString());

    // Handles the program's own command line: --help, --version and the
    // commands (framework/commands.h). True when the command line was fully handled;
    // commandLineExitCode() is then the code to end with.
    bool processCmdLine(int argc, char **argv);
    int commandLineExitCode() const { return m_cmdExitCode; }
    // True when the command line asks for the window (no command, no
    // option) while no display server is named (DISPLAY, WAYLAND_DISPLAY)
    // and no Qt platform is chosen (QT_QPA_PLATFORM): Qt would abort. Call
    // before constructing the application.
    static bool windowLacksDisplay(int argc, char **argv);

    void setMainWindow(MainWindowBase *window) { m_mainWindow = window; }
    MainWindowBase *mainWindow() const { return m_mainWindow; }
    SettingsStore *pref() const { return m_pref.get(); }
    SkinModel *skinModel() const { return m_skinModel; }

    // Ends the event loop cleanly on SIGTERM, SIGINT and SIGHUP (see
    // TerminationSignals), so that shut-down code runs.
    void quitOnTerminationSignals();

private:
    // Selects the off-screen platform when the command line names a command,
    // so commands need no display server. Runs before QApplication starts.
    static int &preparePlatform(int &argc, char **argv);
    // True when the command line names a command or an option, which run
    // without the window.
    static bool runsWithoutWindow(int argc, char **argv);

    int m_cmdExitCode = 0;
    bool m_quitOnTermination = false;
    QStringList m_requiredFiles;
    QStringList m_requiredTools;
    QStringList m_missing;
    std::unique_ptr<SettingsStore> m_pref;
    SkinModel *m_skinModel = nullptr;
    MainWindowBase *m_mainWindow = nullptr;
    QList<QTranslator *> m_translators;
};
