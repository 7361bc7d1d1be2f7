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
// the stored update-check choice (shown and stored only; updates come from
// the package manager), the processor cores used for making and the action
// after making. OK and Apply validate the folder, store every setting and
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
    // Action after making <-> position in the lists of actions after
    // making ("Do Nothing", "Exit Program", "Shut Down", "Hibernate",
    // "Stand By"), the same order in this dialog, the progress dialog and
    // the window's menu.
    static AfterMakingAction afterMakingActionForIndex(int index);
    static int indexForAfterMakingAction(AfterMakingAction action);
    // "UpdateInterval" in days <-> "Every Day", "Every Week", "Every Month".
    static int updateDaysForIndex(int index);
    static int indexForUpdateDays(int days);

public Q_SLOTS:
    void on_browse_clicked();
    void on_open_clicked();
    void on_resetToDefault_clicked();
    void on_resetToDefault_2_clicked();
    void on_lineEdit_editingFinished();
    void on_buttonBox_clicked(QAbstractButton *button);
    void onSettingsChanged();
    void retranslate() override;

private:
    void load();
    bool store();
    void refuseFolder(const QString &message);
    QString defaultFolder() const;

    std::unique_ptr<Ui::PreferencesDialog> m_ui;
    SettingsStore *m_pref;
    int m_processors;
};
