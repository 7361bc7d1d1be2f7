#include <cstdio>
#include <cstdlib>

#include <QMessageBox>
#include <QTimer>

#include "album/appsettings.h"
#include "desktop/application.h"
#include "framework/settingsstore.h"
#include "framework/terminationsignals.h"
#include "desktop/singleapplication.h"
#include "window/editorwindow.h"
#include "job/makedvdcommand.h"

namespace {
void closeSplash()
{
    std::fprintf(stdout, "command:close splash screen\n");
    std::fflush(stdout);
}

[[noreturn]] void exitForMissingDisplay()
{
    std::fprintf(stderr, "sorvel: the editor needs a display server (an X11 or Wayland session).\n"
                         "To make a DVD without one, use: sorvel make-dvd --help\n");
    std::fflush(stderr);
    // Also called from within Qt's start-up: nothing is torn down.
    std::_Exit(1);
}
} // namespace

// Qt's note that XDG_RUNTIME_DIR is unset (as for root or in a service) is
// harmless here and would only clutter the output of commands.
QtMessageHandler g_previousHandler = nullptr;

void messageFilter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    // A display that is named but cannot be reached: Qt would abort.
    if (type == QtFatalMsg && message.contains(QLatin1String("no Qt platform plugin could be initialized")))
        exitForMissingDisplay();
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char *argv[])
{
    int exitCode = 0;
    g_previousHandler = qInstallMessageHandler(messageFilter);
    registerMakeDvdCommand();
    if (Application::windowLacksDisplay(argc, argv))
        exitForMissingDisplay();
    auto app = std::make_unique<SingleApplication>(QString(), argc, argv);
    app->addRequiredTool(QStringLiteral("mplex"));
    app->addRequiredTool(QStringLiteral("dvdauthor"));
    app->addRequiredTool(QStringLiteral("genisoimage"));
    app->addRequiredFile(QStringLiteral("silence.ac3"));
    app->addRequiredFile(QStringLiteral("pattern"));
    if (!app->checkIntegrality()) {
        if (argc == 1) {
            QMessageBox box(QMessageBox::Warning, QObject::tr("Error"),
                            QObject::tr("Start the program failed. Please re-install it."), QMessageBox::Ok);
            box.exec();
            return 0;
        }
        // A command run from a terminal or a script must not look successful.
        std::fprintf(stderr, "sorvel: the installation is incomplete; missing: %s\n",
                     qPrintable(app->missingItems().join(QStringLiteral(", "))));
        return 1;
    }
    app->initSettings();
    app->installTranslators(app->pref()->value(AppSettings::kLanguage).toString());

    // Files and folders named on the command line are imported into the
    // editor: the running one when there is one.
    QStringList paths;
    for (int i = 1; i < argc; ++i)
        paths << QString::fromLocal8Bit(argv[i]);

    if (app->processCmdLine(argc, argv)) {
        exitCode = app->commandLineExitCode();
    } else if (app->isRunning(QString())) {
        if (!paths.isEmpty() && !app->sendMessage(EditorWindow::openMessage(paths))) {
            std::fprintf(stderr, "sorvel: %s\n",
                         qPrintable(QCoreApplication::translate(
                             "main", "the running editor did not answer; the files were not opened")));
            exitCode = 1;
        }
    } else {
        // A termination signal aborts a run as "Abort" would and keeps
        // unsaved work for recovery; nobody is asked anything.
        auto window = std::make_unique<EditorWindow>();
        QObject::connect(TerminationSignals::instance(), &TerminationSignals::requested, window.get(),
                         [&window] { window->endSession(); });
        app->setMainWindow(window.get());
        app->setActivationWindow(window->widgetFrame(), true);
        window->listenToInstances(app.get());
        window->show(true);
        closeSplash();
        // The work of an editor that ended without closing comes first.
        QTimer::singleShot(0, window.get(), [&window, paths] {
            window->offerRecovery();
            if (!paths.isEmpty())
                window->openPaths(paths);
        });
        app->exec();
        closeSplash();
        app->setMainWindow(nullptr);
    }
    app.reset();
    return exitCode;
}
