#pragma once

// Captions and title cards in a project document: a photo's member
// `caption` and an item's member `titleCard` (docs/project-format.md).
// Only `text` (and a card's `durationMs`) are needed; every other member
// is optional and defaults to what a person sees first in the editor.

#include <QJsonObject>
#include <QString>

#include "album/caption.h"

class QDir;

namespace CaptionJson {

// The members of a caption (text and style); style members equal to the
// defaults are written too, so a file says what it shows.
QJsonObject toJson(const Caption &caption);
// A title card; its photo (for a blurred background) as the project stores
// paths (relative under projectDir).
QJsonObject toJson(const TitleCard &card, const QDir &projectDir);

// Reads a caption or a title card. False with *error naming the member and
// the reason ("photos[2].caption.size: 900 is outside 20 to 200"); member
// is the name of the value read ("photos[2].caption").
bool captionFromJson(const QJsonValue &value, const QString &member, Caption *caption, QString *error);
bool titleCardFromJson(const QJsonValue &value, const QString &member, const QDir &projectDir,
                       TitleCard *card, QString *error);

} // namespace CaptionJson
