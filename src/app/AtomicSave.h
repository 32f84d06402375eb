#pragma once
#include <QByteArray>
#include <QString>

namespace fiscalia {

// Writes a whole data file so that it either holds the new contents
// completely or still holds the old ones: the text goes to a temporary file
// beside it, which replaces the old file only once everything is written.
// Returns an empty text on success, else what went wrong.
QString saveAtomically(const QString& path, const QByteArray& contents);

} // namespace fiscalia
