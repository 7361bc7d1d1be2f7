#include "album/albummodel.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

bool samePhotos(const QList<ImageInfo> &a, const QList<ImageInfo> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const ImageInfo &x = a.at(i);
        const ImageInfo &y = b.at(i);
        if (x.path != y.path || x.missing != y.missing || x.transformOps != y.transformOps ||
            !(x.motionStart == y.motionStart) || !(x.motionEnd == y.motionEnd) || x.caption != y.caption ||
            x.titleCard != y.titleCard)
            return false;
    }
    return true;
}

bool sameClips(const QList<AudioInfo> &a, const QList<AudioInfo> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const AudioInfo &x = a.at(i);
        const AudioInfo &y = b.at(i);
        if (x.path != y.path || x.missing != y.missing || x.clipStart != y.clipStart || x.clipEnd != y.clipEnd)
            return false;
    }
    return true;
}

} // namespace

AlbumSnapshot AlbumSnapshot::of(const Album &album)
{
    return {album.photos, album.audios, album.settings, album.dvd, album.video};
}

void AlbumSnapshot::applyTo(Album &album) const
{
    album.photos = photos;
    album.audios = audios;
    album.settings = settings;
    album.dvd = dvd;
    album.video = video;
}

bool AlbumSnapshot::sameAs(const AlbumSnapshot &o) const
{
    return settings == o.settings && dvd == o.dvd && video == o.video && samePhotos(photos, o.photos) &&
           sameClips(audios, o.audios);
}

// One edit on the undo stack: the album before and after it.
class AlbumEditCommand : public QUndoCommand
{
public:
    AlbumEditCommand(AlbumModel *model, const QString &label, AlbumSnapshot before, AlbumSnapshot after,
                     int mergeId)
        : QUndoCommand(label), m_model(model), m_before(std::move(before)), m_after(std::move(after)),
          m_mergeId(mergeId)
    {}

    void undo() override { m_model->restore(m_before); }
    void redo() override
    {
        // The edit is already made when the step is recorded.
        if (m_done)
            m_model->restore(m_after);
        m_done = true;
    }
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const AlbumEditCommand *>(other);
        if (next->m_mergeId != m_mergeId || m_mergeId == AlbumModel::NoMerge)
            return false;
        m_after = next->m_after;
        // A value typed back to where it started leaves no step behind.
        setObsolete(m_after.sameAs(m_before));
        return true;
    }

private:
    AlbumModel *m_model;
    AlbumSnapshot m_before;
    AlbumSnapshot m_after;
    int m_mergeId;
    bool m_done = false;
};

AlbumModel::AlbumModel(QObject *parent) : AlbumModel(Album(), parent) {}

AlbumModel::AlbumModel(Album album, QObject *parent)
    : QObject(parent), m_album(std::move(album)), m_undo(new QUndoStack(this))
{}

AlbumModel::~AlbumModel() = default;

AlbumModel::Parts AlbumModel::difference(const AlbumSnapshot &a, const AlbumSnapshot &b)
{
    Parts parts;
    if (!samePhotos(a.photos, b.photos))
        parts |= Photos;
    if (!sameClips(a.audios, b.audios))
        parts |= Clips;
    if (a.settings != b.settings)
        parts |= Settings;
    if (a.dvd != b.dvd)
        parts |= Dvd;
    if (a.video != b.video)
        parts |= Video;
    return parts;
}

bool AlbumModel::edit(const QString &label, const Change &change, int mergeId)
{
    const AlbumSnapshot before = AlbumSnapshot::of(m_album);
    Q_EMIT aboutToChange();
    change(m_album);
    const Parts parts = difference(before, AlbumSnapshot::of(m_album));
    if (!parts) {
        // A change that is not seen (a sort of a sorted list) leaves the
        // records as they were too.
        before.applyTo(m_album);
        return false;
    }
    Q_EMIT changed(parts);
    if (m_openEdits == 0)
        record(label, before, mergeId);
    return true;
}

void AlbumModel::beginEdit(const QString &label)
{
    if (m_openEdits++ > 0)
        return;
    m_openLabel = label;
    m_openBefore = AlbumSnapshot::of(m_album);
}

void AlbumModel::endEdit()
{
    if (m_openEdits == 0 || --m_openEdits > 0)
        return;
    record(m_openLabel, m_openBefore, NoMerge);
    m_openBefore = {};
    m_openLabel.clear();
}

void AlbumModel::record(const QString &label, const AlbumSnapshot &before, int mergeId)
{
    AlbumSnapshot after = AlbumSnapshot::of(m_album);
    if (after.sameAs(before))
        return;
    m_undo->push(new AlbumEditCommand(this, label, before, std::move(after), mergeId));
}

void AlbumModel::reset(const Album &album)
{
    Q_EMIT aboutToChange();
    m_album = album;
    m_undo->clear();
    // An edit still open (an import that goes on) records what it adds to
    // the new album.
    if (m_openEdits > 0)
        m_openBefore = AlbumSnapshot::of(m_album);
    Q_EMIT changed(Everything);
}

void AlbumModel::restore(const AlbumSnapshot &snapshot)
{
    const Parts parts = difference(AlbumSnapshot::of(m_album), snapshot);
    if (!parts)
        return;
    Q_EMIT aboutToChange();
    snapshot.applyTo(m_album);
    Q_EMIT changed(parts);
}
