#pragma once

#include <desktop/dialogbase.h>

#include "album/dvdchoices.h"

#include <memory>

class QAbstractButton;
class SettingsStore;
namespace Ui {
class PreferencesDialog;
}

// The "Preferences" dialog: the temporary working folder and its clean-up,
// the processor cores used for making and the action after making. OK and Apply validate the folder, store every setting and
// apply the processor choice at once; Cancel stores nothing.
class PreferencesDialog : public DialogBase
{
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget *parent = nullptr);
    ~PreferencesDialog() override;

    // The temporary folder rules: an absolute path without any of the
    // characters " * : < > ` ! # ? | (a trailing "/" is allowed).
    static bool isAcceptableFolderPath(const QString &path);
public Q_SLOTS:
    void retranslate() override;

private:
    void browseTemporaryFolder();
    void openTemporaryFolder();
    void resetGeneral();
    void resetMaking();
    void tidyTemporaryFolder();
    void onButton(QAbstractButton *button);
    void onSettingsChanged();
    void load();
    bool store();
    void refuseFolder(const QString &message);
    QString defaultFolder() const;

    std::unique_ptr<Ui::PreferencesDialog> m_ui;
    SettingsStore *m_pref;
    int m_processors;
};
