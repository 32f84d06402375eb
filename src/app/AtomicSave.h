#pragma once
#include "app/result.h"

#include <QByteArray>
#include <QString>

namespace fiscalia {

// Writes a whole data file so that it either holds the new contents
// completely or still holds the old ones: the text goes to a temporary file
// beside it, which replaces the old file only once everything is written.
// A failure says why, in the system's words ("Permission denied", "No space
// left on device").
Result<void> saveAtomically(const QString& path, const QByteArray& contents);

} // namespace fiscalia
