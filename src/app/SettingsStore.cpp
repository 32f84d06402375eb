#include "app/SettingsStore.h"

#include "app/AtomicSave.h"
#include "app/QtText.h"
#include "app/safe_read.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fiscalia {

namespace {

// A settings file is one short line; anything far larger is not ours.
constexpr std::size_t SettingsFileLimit = 64 * 1024;

} // namespace

SettingsStore::SettingsStore(QString programDir, QString configDir)
    : programDir_(std::move(programDir)), configDir_(std::move(configDir))
{
}

QString SettingsStore::programFile() const
{
    return programDir_.isEmpty() ? QString() : QDir(programDir_).filePath(QString::fromLatin1(SettingsFileName));
}

QString SettingsStore::configFile() const
{
    return configDir_.isEmpty() ? QString() : QDir(configDir_).filePath(QString::fromLatin1(SettingsFileName));
}

bool SettingsStore::load(PersonalSettings& settings) const
{
    QString path = configFile();
    if (path.isEmpty() || !QFileInfo::exists(path))
        path = programFile();
    const Result<std::string> text = path.isEmpty() ? Result<std::string>(Failure{"no folder was given"})
                                                    : readFileSafely(ss(path), SettingsFileLimit);
    if (!text) {
        readPersonalSettings({}, settings); // the "$" default still applies
        return false;
    }
    return readPersonalSettings(*text, settings);
}

Result<void> SettingsStore::save(const PersonalSettings& settings) const
{
    const std::string line = writePersonalSettings(settings);
    const QByteArray contents(line.data(), static_cast<qsizetype>(line.size()));
    std::string why; // what failed before the configuration folder was tried
    if (!programDir_.isEmpty()) {
        const Result<void> inProgramFolder = saveAtomically(programFile(), contents);
        if (inProgramFolder) {
            // The program's folder holds the settings again: an older copy in
            // the configuration folder must not hide them on the next start.
            if (!configFile().isEmpty())
                QFile::remove(configFile());
            return {};
        }
        why = ss(QDir::toNativeSeparators(programFile())) + ": " + inProgramFolder.reason();
    }
    if (configDir_.isEmpty())
        return Failure{why.empty() ? std::string("no folder was given for ") + SettingsFileName : why};
    if (!why.empty())
        why += "; ";
    if (!QDir().mkpath(configDir_))
        return Failure{why + ss(QDir::toNativeSeparators(configDir_)) + ": the folder could not be made"};
    const Result<void> inConfigFolder = saveAtomically(configFile(), contents);
    if (!inConfigFolder)
        return Failure{why + ss(QDir::toNativeSeparators(configFile())) + ": " + inConfigFolder.reason()};
    return {};
}

} // namespace fiscalia
