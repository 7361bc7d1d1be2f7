#pragma once

#include <QApplication>
#include <QStringList>

#include <functional>
#include <memory>

class KyPref;
class KyMainWindow;
class KySkinItemModel;
class QTranslator;

// The application object of the framework: preferences, skin model, main
// window, the installation check and the program's own command-line
// commands (subcommands that run without a main window).
class KyApplication : public QApplication
{
    Q_OBJECT
public:
    // A command-line command: gets the arguments after its name and returns
    // the process exit code.
    using CommandHandler = std::function<int(const QStringList &arguments)>;

    KyApplication(int &argc, char **argv);
    ~KyApplication() override;

    static KyApplication *instance();

    void setKybaseVersion(int version) { m_kybaseVersion = version; }
    int kybaseVersion() const { return m_kybaseVersion; }

    // Files (relative to appDir) and external programs the installation
    // must provide for checkIntegrality() to succeed.
    void addRequiredFile(const QString &relativePath);
    void addRequiredTool(const QString &program);
    // True when the application data folder, every required file and every
    // required tool are present. missingItems() names what was not found.
    bool checkIntegrality();
    QStringList missingItems() const { return m_missing; }

    void installTranslators();
    // Creates the preferences store. name: product key (null: the default).
    void initCfg(const char *name, bool load);

    // Registers a command that processCmdLine() runs when it is the first
    // argument. Commands run without a display server.
    static void registerCommand(const QString &name, const QString &summary, CommandHandler handler);
    // Handles the program's own command line: --help, --version and the
    // registered commands. True when the command line was fully handled;
    // commandLineExitCode() is then the code to end with.
    bool processCmdLine(int argc, char **argv);
    int commandLineExitCode() const { return m_cmdExitCode; }
    static QString usageText();
    // True when the command line asks for the window (no command, no
    // option) while no display server is named (DISPLAY, WAYLAND_DISPLAY)
    // and no Qt platform is chosen (QT_QPA_PLATFORM): Qt would abort. Call
    // before constructing the application.
    static bool windowLacksDisplay(int argc, char **argv);

    void setMainWindow(KyMainWindow *window) { m_mainWindow = window; }
    KyMainWindow *mainWindow() const { return m_mainWindow; }
    KyPref *pref() const { return m_pref.get(); }
    KySkinItemModel *skinModel() const { return m_skinModel; }

    // Finds an external program: the application folder first, then PATH.
    // Empty when neither has it.
    static QString findTool(const QString &program);

    // Turns SIGTERM, SIGINT and SIGHUP (Ctrl-C, a session logout, a kill
    // request) into terminationRequested() on the GUI thread. The signal
    // handler only writes to a pipe.
    void catchTerminationSignals();
    // Ends the event loop cleanly on those signals, so that shut-down code
    // runs.
    void quitOnTerminationSignals();

    // Default company and product keys and the display name.
    static QString defaultCompanyKey();
    static QString defaultProductKey();
    static QString defaultProductName();

Q_SIGNALS:
    void terminationRequested();

private:
    // Selects the off-screen platform when the command line names a command,
    // so commands need no display server. Runs before QApplication starts.
    static int &preparePlatform(int &argc, char **argv);
    // True when the command line names a command or an option, which run
    // without the window.
    static bool runsWithoutWindow(int argc, char **argv);

    int m_kybaseVersion = 0;
    int m_cmdExitCode = 0;
    bool m_quitOnTermination = false;
    QStringList m_requiredFiles;
    QStringList m_requiredTools;
    QStringList m_missing;
    std::unique_ptr<KyPref> m_pref;
    KySkinItemModel *m_skinModel = nullptr;
    KyMainWindow *m_mainWindow = nullptr;
    QList<QTranslator *> m_translators;
};
