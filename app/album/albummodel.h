#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "album/album.h"

class QUndoStack;

// Everything of an album a person can change: its photos and clips with
// their edits, the slideshow settings, the DVD and the video file choices. Lists of value
// records with shared pictures, so a snapshot is cheap to keep.
struct AlbumSnapshot {
    QList<ImageInfo> photos;
    QList<AudioInfo> audios;
    SlideshowSettings settings;
    DvdChoices dvd;
    VideoChoices video;

    static AlbumSnapshot of(const Album &album);
    // Writes the snapshot's settings and lists into the album.
    void applyTo(Album &album) const;
    // Whether a person would see any difference (files, order, edits, motion,
    // in and out points, settings, DVD choices).
    bool sameAs(const AlbumSnapshot &other) const;
};

// The one album of the editor. Every change goes through edit(), which
// makes it, records it on the undo stack under its own label, and tells the
// views what changed; undo and redo come back through the same signals. An
// edit that changes nothing records nothing.
class AlbumModel : public QObject
{
    Q_OBJECT
public:
    // The parts of the album an edit changed.
    enum Part { Photos = 0x1, Clips = 0x2, Settings = 0x4, Dvd = 0x8, Video = 0x10, Everything = 0x1f };
    Q_DECLARE_FLAGS(Parts, Part)
    Q_FLAG(Parts)
    // Edits in a row with the same merge id become one undo step (a
    // duration typed or stepped through several values).
    enum MergeId {
        NoMerge = -1,
        PhotoDurationMerge = 1,
        TransitionDurationMerge = 2,
        FadeDurationMerge = 3,
        CrossfadeDurationMerge = 4,
        // Typing the volume label, or the menu's title, is one step.
        VolumeLabelMerge = 5,
        MenuTitleMerge = 6
    };

    using Change = std::function<void(Album &)>;

    // An empty album with the running application's transition patterns.
    explicit AlbumModel(QObject *parent = nullptr);
    AlbumModel(Album album, QObject *parent = nullptr);
    ~AlbumModel() override;

    const Album &album() const { return m_album; }
    // The history of the edits; its clean state is the saved state.
    QUndoStack *undoStack() const { return m_undo; }

    // Makes one change of the album, labelled for the undo menu (inside
    // beginEdit() and endEdit() the label of the whole names the step).
    // Returns whether the album changed.
    bool edit(const QString &label, const Change &change, int mergeId = NoMerge);
    // A change made in parts that a person sees as they come, recorded as
    // one step (an import shows the photos while it reads them). Edits made
    // between the two calls are shown at once and recorded at endEdit()
    // under this label.
    void beginEdit(const QString &label);
    void endEdit();

    // Replaces the whole album (a new or an opened project): no step, the
    // history is cleared and the album counts as saved.
    void reset(const Album &album);

Q_SIGNALS:
    // The album is about to change (the preview stops reading it).
    void aboutToChange();
    // The album changed; parts says where.
    void changed(AlbumModel::Parts parts);

private:
    friend class AlbumEditCommand;
    // Shows a recorded state (undo, redo).
    void restore(const AlbumSnapshot &snapshot);
    void record(const QString &label, const AlbumSnapshot &before, int mergeId);
    static Parts difference(const AlbumSnapshot &a, const AlbumSnapshot &b);

    Album m_album;
    QUndoStack *m_undo = nullptr;
    int m_openEdits = 0;
    QString m_openLabel;
    AlbumSnapshot m_openBefore;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(AlbumModel::Parts)
