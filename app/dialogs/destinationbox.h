#pragma once

#include <burning/destination.h>

#include <QComboBox>
#include <QString>
#include <QVector>

// The destination box: one entry per disc recorder, then "Save as DVD
// Folder" and "Save as Image (.iso)". It is the window's view of a
// destination value: choosing an entry (and the folder or image file it
// asks for) edits destination(), which the burn workflow reads.
// targetType() is "toburner", "tofolder" or "toiso"; targetValue() the
// recorder's device name, the folder or the image path.
class DestinationBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DestinationBox(QWidget *parent = nullptr);
    ~DestinationBox() override;

    Destination destination() const { return m_destination; }
    QString targetType() const { return Destination::typeName(m_destination.type); }
    QString targetValue() const { return m_destination.path; }
    QString volumeLabel() const;
    void setVolumeLabel(const QString &name);
    QString defaultSavePath() const;
    bool refreshIsoTarget(int index);
    bool refreshDataFolderTarget(int index);
    void showCustomizedText(const QString &text, int index);
    QString customizedText() const { return m_customText; }
    void updateDisp();
    void updateSpeedList();

    // Chooses a destination without a person (command line, controller).
    // Each returns false, with the same message a user would get, when the
    // destination cannot be used.
    bool setFolderTarget(const QString &folder);
    bool setIsoTarget(const QString &isoPath);
    // A "stdio:" pseudo-drive that is not listed yet is added to the
    // recorders first.
    bool setRecorderTarget(const QString &device);

    // An image path with ".iso" appended unless it already ends with it.
    static QString isoPathWithExtension(const QString &path)
    {
        return Destination::isoPathWithExtension(path);
    }

Q_SIGNALS:
    void speedsChanged(const QVector<QString> &speeds);
    void speedChoiceEnabled(bool enabled);
    void discTypeChanged(const QString &type);

public Q_SLOTS:
    void selectEntry(int index);
    void updateDevices();
    void updateDiscs();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool setPathTarget(Destination::Type type, const QString &path);
    void refreshNow();
    int recorderIndex(const QString &key) const;
    void applyPathTarget(Destination::Type type, const QString &path, int index);
    bool acceptFolder(const QString &folder, int index);
    bool acceptIso(const QString &path, int index);
    int entryIndex(Destination::Type type) const;
    Destination::Type entryType(int index) const;
    void selectRecorderOrDefault(const QString &device);

    QString m_customText;
    int m_customIndex = -1;
    Destination m_destination;
    int m_lastIndex = -1;
    QString m_lastFolder;
    QString m_lastIso;
    QVector<QString> m_speeds;
};
