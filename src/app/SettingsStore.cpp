#include "app/SettingsStore.h"

#include "app/AtomicSave.h"

#include <QDir>
#include <QFile>

namespace fiscalia {

SettingsStore::SettingsStore(QString programDir, QString configDir)
    : programDir_(std::move(programDir)), configDir_(std::move(configDir))
{
}

QString SettingsStore::programFile() const
{
    return QDir(programDir_).filePath(QString::fromLatin1(SettingsFileName));
}

QString SettingsStore::configFile() const
{
    return configDir_.isEmpty() ? QString() : QDir(configDir_).filePath(QString::fromLatin1(SettingsFileName));
}

bool SettingsStore::load(PersonalSettings& settings) const
{
    QString path = configFile();
    if (path.isEmpty() || !QFile::exists(path))
        path = programFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        readPersonalSettings({}, settings); // the "$" default still applies
        return false;
    }
    // A settings file is one short line; anything far larger is not ours.
    const QByteArray text = file.read(64 * 1024);
    return readPersonalSettings(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                                settings);
}

bool SettingsStore::save(const PersonalSettings& settings) const
{
    const std::string line = writePersonalSettings(settings);
    const QByteArray contents(line.data(), static_cast<qsizetype>(line.size()));
    if (saveAtomically(programFile(), contents).isEmpty()) {
        // The program's folder holds the settings again: an older copy in
        // the configuration folder must not hide them on the next start.
        if (!configFile().isEmpty())
            QFile::remove(configFile());
        return true;
    }
    if (configDir_.isEmpty() || !QDir().mkpath(configDir_))
        return false;
    return saveAtomically(configFile(), contents).isEmpty();
}

} // namespace fiscalia
