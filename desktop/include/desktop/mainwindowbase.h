#pragma once

#include <QMainWindow>
#include <QWidget>

class QMenu;

// The framework main window. The subclass is the content widget; it lives
// inside an outer frame (widgetFrame()) that carries the title, the menu bar
// with the main menu, and serves as the parent of dialogs.
class MainWindowBase : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindowBase(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MainWindowBase() override;

    // Builds the frame, puts this widget in it and creates the main menu.
    void initialize();
    QMainWindow *widgetFrame() const { return m_frame; }
    // The main menu of the frame; subclasses add their actions to it.
    QMenu *mainMenu() const { return m_mainMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }

    void show(bool activate = true);
    // Asked before the window closes (its close button, Exit); false keeps
    // it open. The default closes.
    virtual bool queryClose() { return true; }

public Q_SLOTS:
    // Sets the texts again after a language change; subclasses extend it.
    virtual void retranslate();
    virtual void exitProgram();
    virtual void showReadme();
    virtual void showAbout();

protected:
    bool event(QEvent *event) override;

private:
    QMainWindow *m_frame = nullptr;
    QMenu *m_mainMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_readmeAction = nullptr;
};
