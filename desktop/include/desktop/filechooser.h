#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The one way the program asks a person for files and folders. It shows the
// desktop's file dialog; tests (and any non-interactive caller) install a
// hook that answers instead, so no dialog is ever shown while it is set.
class FileChooser
{
public:
    enum Mode { OpenFile, OpenFiles, SaveFile, ExistingDirectory };

    struct Request {
        Mode mode;
        QString caption;
        QString directory; // start folder (or suggested file for SaveFile)
        QString filter;    // "Images (*.jpg *.png);;All files (*)"; empty for folders
    };
    // Returns the chosen paths; an empty list means the person cancelled.
    using Hook = std::function<QStringList(const Request &)>;

    static QString getOpenFileName(QWidget *parent, const QString &caption,
                                   const QString &directory = QString(), const QString &filter = QString());
    static QStringList getOpenFileNames(QWidget *parent, const QString &caption,
                                        const QString &directory = QString(),
                                        const QString &filter = QString());
    static QString getSaveFileName(QWidget *parent, const QString &caption,
                                   const QString &directory = QString(), const QString &filter = QString());
    static QString getExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &directory = QString());

    // Installs (or, with an empty function, removes) the hook; returns the
    // previous one.
    static Hook setHook(Hook hook);
    static bool hasHook();

private:
    static QStringList choose(QWidget *parent, const Request &request);
};
