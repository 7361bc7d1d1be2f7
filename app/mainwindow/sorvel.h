#pragma once

#include "album/album.h"
#include "kybase/kymainwindow.h"

#include <memory>

class QAction;
class QLabel;

// The main window: owns the album and the engine objects, and (as they
// arrive) the strips, the preview and the DVD workflow dialogs.
class Sorvel : public KyMainWindow
{
    Q_OBJECT
public:
    explicit Sorvel(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~Sorvel() override;

    Album *album() { return m_album.get(); }
    const OutputFormat &outputFormat() const { return m_format; }
    QString videoStandard() const { return m_videoStandard; }

public Q_SLOTS:
    void retranslate() override;
    void on_preferences();

private:
    std::unique_ptr<Album> m_album;
    OutputFormat m_format;
    QString m_videoStandard;
    QLabel *m_timeCode = nullptr;
    QLabel *m_placeholder = nullptr;
    QAction *m_preferencesAction = nullptr;
};
