#pragma once

#include <QList>
#include <QUndoCommand>

#include <functional>

#include "album/album.h"

// Everything of an album a person can change: its photos and clips with
// their edits, the slideshow settings and the DVD choices. Lists of value
// records with shared pictures, so a snapshot is cheap to keep.
struct AlbumSnapshot {
    QList<ImageInfo> photos;
    QList<AudioInfo> audios;
    SlideshowSettings settings;
    DvdChoices dvd;

    static AlbumSnapshot of(const Album &album);
    // Writes the snapshot's settings and lists into the album.
    void applyTo(Album &album) const;
    // Whether a person would see any difference (files, order, edits, motion,
    // in and out points, settings, DVD choices).
    bool sameAs(const AlbumSnapshot &other) const;
};

// One change of the album on the undo stack: the album before and after.
// Consecutive changes of one duration merge into one step.
class AlbumChangeCommand : public QUndoCommand
{
public:
    using Restore = std::function<void(const AlbumSnapshot &)>;
    enum MergeId { NoMerge = -1, PhotoDuration = 1, TransitionDuration = 2 };

    AlbumChangeCommand(const QString &text, AlbumSnapshot before, AlbumSnapshot after, Restore restore,
                       int mergeId = NoMerge);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    AlbumSnapshot m_before;
    AlbumSnapshot m_after;
    Restore m_restore;
    int m_mergeId;
    bool m_firstRedo = true;
};
