#include "window/albumundo.h"

AlbumSnapshot AlbumSnapshot::of(const Album &album)
{
    AlbumSnapshot s;
    s.photos = album.photos;
    s.audios = album.audios;
    s.settings = album.settings();
    s.dvd = album.dvd;
    return s;
}

void AlbumSnapshot::applyTo(Album &album) const
{
    album.photos = photos;
    album.audios = audios;
    album.applySettings(settings);
    album.dvd = dvd;
}

bool AlbumSnapshot::sameAs(const AlbumSnapshot &o) const
{
    if (settings != o.settings || dvd != o.dvd || photos.size() != o.photos.size() ||
        audios.size() != o.audios.size())
        return false;
    for (int i = 0; i < photos.size(); ++i) {
        const ImageInfo &a = photos.at(i);
        const ImageInfo &b = o.photos.at(i);
        if (a.path != b.path || a.transformOps != b.transformOps || !(a.motionStart == b.motionStart) ||
            !(a.motionEnd == b.motionEnd))
            return false;
    }
    for (int i = 0; i < audios.size(); ++i) {
        const AudioInfo &a = audios.at(i);
        const AudioInfo &b = o.audios.at(i);
        if (a.path != b.path || a.clipStart != b.clipStart || a.clipEnd != b.clipEnd)
            return false;
    }
    return true;
}

AlbumChangeCommand::AlbumChangeCommand(const QString &text, AlbumSnapshot before, AlbumSnapshot after,
                                       Restore restore, int mergeId)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
      m_restore(std::move(restore)), m_mergeId(mergeId)
{}

void AlbumChangeCommand::undo()
{
    m_restore(m_before);
}

void AlbumChangeCommand::redo()
{
    // The change is already made when the command is pushed.
    if (m_firstRedo) {
        m_firstRedo = false;
        return;
    }
    m_restore(m_after);
}

bool AlbumChangeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const AlbumChangeCommand *>(other);
    if (next->m_mergeId != m_mergeId || m_mergeId == NoMerge)
        return false;
    m_after = next->m_after;
    return true;
}
