#include "app/AtomicSave.h"

#include <QSaveFile>

namespace fiscalia {

QString saveAtomically(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    // Never fall back to writing over the old file in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error.isEmpty() ? QStringLiteral("The file could not be written.") : error;
    }
    if (!file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("The file could not be saved.") : file.errorString();
    return {};
}

} // namespace fiscalia
