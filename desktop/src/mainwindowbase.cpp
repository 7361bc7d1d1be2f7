#include "desktop/mainwindowbase.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "desktop/application.h"
#include "desktop/messagebox.h"
#include "framework/settingsstore.h"
#include "framework/apppaths.h"

namespace {
// The outer frame: closing it ends the event loop, the way the exit command
// does.
class KyFrame : public QMainWindow
{
public:
    explicit KyFrame(MainWindowBase *content) : m_content(content) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        // The content may keep the window open (unsaved work, a cancelled
        // question).
        if (m_content && !m_content->queryClose()) {
            event->ignore();
            return;
        }
        event->accept();
        QCoreApplication::quit();
    }

private:
    MainWindowBase *m_content;
};
} // namespace

MainWindowBase::MainWindowBase(QWidget *parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

MainWindowBase::~MainWindowBase()
{
    if (m_frame) {
        // The frame owns this widget as its central widget; detach first so
        // that deleting the frame does not delete us twice.
        setParent(nullptr);
        delete m_frame;
    }
}

void MainWindowBase::initialize()
{
    if (m_frame)
        return;
    m_frame = new KyFrame(this);
    m_frame->setObjectName(QStringLiteral("KyFrame"));
    m_frame->setCentralWidget(this);
    const Application *app = Application::instance();
    m_frame->setWindowTitle(app && app->pref() ? app->pref()->productName() : AppPaths::productName());

    m_mainMenu = m_frame->menuBar()->addMenu(tr("&File"));
    m_mainMenu->setObjectName(QStringLiteral("mainMenu"));
    m_exitAction = m_mainMenu->addAction(tr("E&xit"), this, &MainWindowBase::exitProgram);
    m_exitAction->setObjectName(QStringLiteral("actionExit"));
    m_exitAction->setShortcut(QKeySequence::Quit);

    m_helpMenu = m_frame->menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("helpMenu"));
    m_readmeAction = m_helpMenu->addAction(tr("Read Me"), this, &MainWindowBase::showReadme);
    m_helpMenu->addSeparator();
    m_aboutAction = m_helpMenu->addAction(tr("About"), this, &MainWindowBase::showAbout);
}

void MainWindowBase::show(bool activate)
{
    if (!m_frame)
        initialize();
    m_frame->show();
    if (activate) {
        m_frame->raise();
        m_frame->activateWindow();
    }
}

void MainWindowBase::retranslate()
{
    if (m_mainMenu)
        m_mainMenu->setTitle(tr("&File"));
    if (m_exitAction)
        m_exitAction->setText(tr("E&xit"));
    if (m_helpMenu)
        m_helpMenu->setTitle(tr("&Help"));
}

void MainWindowBase::exitProgram()
{
    if (m_frame)
        m_frame->close();
    else
        QCoreApplication::quit();
}

void MainWindowBase::showReadme()
{
    const Application *app = Application::instance();
    if (!app || !app->pref())
        return;
    const QString readme = app->pref()->appDir() + QStringLiteral("/README.md");
    if (QFileInfo::exists(readme))
        QDesktopServices::openUrl(QUrl::fromLocalFile(readme));
}

void MainWindowBase::showAbout()
{
    MessageBox::info(tr("%1 %2\nTurns photos and music into DVD-Video slideshows.")
                         .arg(AppPaths::productName(), QStringLiteral(SORVEL_VERSION)),
                     QString(), m_frame);
}

bool MainWindowBase::event(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QWidget::event(event);
}
