#include "app/AtomicSave.h"

#include <QSaveFile>

namespace fiscalia {

QString saveAtomically(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    // Never fall back to writing over the old file in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count; a buffered flush may lose it and still commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        QString error = file.errorString();
        file.cancelWriting();
        if (error.isEmpty() || error == QLatin1String("Unknown error"))
            error = QStringLiteral("The file could not be written completely (is the disk full?).");
        return error;
    }
    if (!file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("The file could not be saved.") : file.errorString();
    return {};
}

} // namespace fiscalia
