#pragma once

#include <QDialog>

class DialogBase;

// Window helpers shared by the framework's dialogs.
class WindowHelper
{
public:
    explicit WindowHelper(QWidget *widget) : m_widget(widget) {}
    // Sets the title of the window and of every window of its frame.
    void setAllWindowTitle(const QString &title);
    // Remembers the dialog's geometry between runs (position, size, state).
    void enableRestoreFrameGeometry(bool position, bool size, bool state);
    void saveGeometry();
    void restoreGeometry();

private:
    QWidget *m_widget;
    bool m_restorePos = false;
    bool m_restoreSize = false;
    bool m_restoreState = false;
};

// Base of every dialog of the program.
class DialogBase : public QDialog
{
    Q_OBJECT
public:
    explicit DialogBase(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~DialogBase() override;

    WindowHelper *helper() { return &m_helper; }
    // Shrinks or grows the dialog to its layout's size hint.
    void adjustSizeV2();
    void setSizingEnabled(bool on);

public Q_SLOTS:
    void done(int result) override;
    // Sets the texts again after a language change; subclasses override it.
    virtual void retranslate();

protected:
    bool event(QEvent *event) override;

private:
    WindowHelper m_helper;
};
