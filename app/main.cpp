#include <cstdio>

#include <QMessageBox>

#include "kybase/kypref.h"
#include "kybase/qtsingleapplication.h"
#include "mainwindow/sorvel.h"
#ifdef SORVEL_HAS_GENERATION
#include "workflow/makedvdcommand.h"
#endif

namespace {
void closeSplash()
{
    std::fprintf(stdout, "command:close splash screen\n");
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    int exitCode = 0;
#ifdef SORVEL_HAS_GENERATION
    registerMakeDvdCommand();
#endif
    auto app = std::make_unique<QtSingleApplication>(QString(), argc, argv);
    app->setKybaseVersion(1030);
    app->addRequiredTool(QStringLiteral("mplex"));
    app->addRequiredTool(QStringLiteral("dvdauthor"));
    app->addRequiredTool(QStringLiteral("genisoimage"));
#ifdef SORVEL_HAS_GENERATION
    app->addRequiredFile(QStringLiteral("silence.ac3"));
    app->addRequiredFile(QStringLiteral("pattern"));
#endif
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
    app->initCfg(nullptr, true);
    app->pref()->setTanslucentWhenSkin(false);
    app->installTranslators();

    if (app->processCmdLine(argc, argv)) {
        exitCode = app->commandLineExitCode();
    } else if (!app->isRunning(QString())) {
        app->quitOnTerminationSignals();
        auto window = std::make_unique<Sorvel>();
        app->setMainWindow(window.get());
        app->setActivationWindow(window->widgetFrame(), true);
        window->show(true);
        closeSplash();
        app->exec();
        closeSplash();
        app->setMainWindow(nullptr);
    }
    app.reset();
    return exitCode;
}
