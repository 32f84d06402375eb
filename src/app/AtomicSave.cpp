#include "app/AtomicSave.h"

#include "app/QtText.h"

#include <QFileInfo>
#include <QSaveFile>

namespace fiscalia {

Result<void> saveAtomically(const QString& path, const QByteArray& contents)
{
    // A file the user made read-only is not replaced behind their back (a
    // rename over it would succeed in a writable folder).
    const QFileInfo target(path);
    if (target.exists() && target.isFile() && !(target.permissions() & QFileDevice::WriteOwner))
        return Failure{"the file is read-only"};
    if (target.exists() && target.isDir())
        return Failure{"a folder of that name is in the way"};
    // Nor is a file written into a folder nobody may write to.
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (const QFileInfo folder(target.absolutePath()); folder.isDir() && !(folder.permissions() & anyWrite))
        return Failure{"the folder is read-only"};
    QSaveFile file(path);
    // Never fall back to writing over the old file in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count; a buffered flush may lose it and still commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{ss(file.errorString())};
    // A short write is followed by another for the rest, which then fails
    // with the system's reason ("File too large", "No space left on device").
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 step = file.write(contents.constData() + written, contents.size() - written);
        if (step <= 0)
            break;
        written += step;
    }
    if (written != contents.size()) {
        QString error = file.errorString();
        file.cancelWriting();
        if (error.isEmpty() || error == QLatin1String("Unknown error"))
            error = QStringLiteral("the file could not be written completely (is the disk full?)");
        return Failure{ss(error)};
    }
    if (!file.commit())
        return Failure{file.errorString().isEmpty() ? std::string("the file could not be saved")
                                                     : ss(file.errorString())};
    return {};
}

} // namespace fiscalia
