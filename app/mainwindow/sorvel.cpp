#include "mainwindow/sorvel.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "album/appsettings.h"
#include "kybase/kyapplication.h"
#include "kybase/kymessagebox.h"
#include "kybase/kypref.h"
#include "mainwindow/startup.h"

extern "C" {
#include <libavformat/avformat.h>
}

Sorvel::Sorvel(QWidget *parent, Qt::WindowFlags flags) : KyMainWindow(parent, flags)
{
    setObjectName(QStringLiteral("Sorvel"));
    // 1. The album (it lists the transition patterns of the data folder).
    m_album = std::make_unique<Album>();

    // 2. Widgets.
    auto *layout = new QVBoxLayout(this);
    m_placeholder = new QLabel(this);
    m_placeholder->setObjectName(QStringLiteral("gettingStarted"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setMinimumSize(720, 405);
    layout->addWidget(m_placeholder, 1);
    m_timeCode = new QLabel(this);
    m_timeCode->setObjectName(QStringLiteral("timeCode"));
    layout->addWidget(m_timeCode, 0, Qt::AlignRight);

    // 3. TV standard and the initial output format.
    const TvStandard standard = AppSettings::currentVideoStandard();
    m_videoStandard = tvStandardName(standard);
    m_format = OutputFormat::forStandard(standard);

    // 5. The framework frame and its main menu.
    initialize();
    mainMenu()->insertSeparator(mainMenu()->actions().value(0));
    m_preferencesAction = new QAction(tr("Preferences"), this);
    m_preferencesAction->setObjectName(QStringLiteral("actionPreferences"));
    connect(m_preferencesAction, &QAction::triggered, this, &Sorvel::on_preferences);
    mainMenu()->insertAction(mainMenu()->actions().value(0), m_preferencesAction);

    // 7. Time code.
    m_timeCode->setText(QStringLiteral("00:00:00 / 00:00:00"));

    // 8. First start.
    KyPref *pref = AppSettings::pref();
    if (AppSettings::firstStart(pref)) {
        setAutoCheckUpdate(true);
        setAutoCheckUpdateInterval(1);
        if (pref)
            pref->setValue(AppSettings::kFirstStart, false, false);
    }

    // 10. Processor affinity.
    CpuAffinity::applyToProcess(CpuAffinity::maskFromSettings(pref));

    // 12. FFmpeg needs no registration since version 4.
    retranslate();
}

Sorvel::~Sorvel() = default;

void Sorvel::retranslate()
{
    KyMainWindow::retranslate();
    if (m_placeholder)
        m_placeholder->setText(tr("Import photos and music, then press \"Create DVD\"."));
    if (m_preferencesAction)
        m_preferencesAction->setText(tr("Preferences"));
}

void Sorvel::on_preferences() {}
