#pragma once
#include "app/personal_settings.h"

#include <QString>

namespace fiscalia {

// Where Personal.fsc is read from and written to: the program's folder, or,
// when that folder cannot be written, the user's configuration folder, which
// is then read first on the next start.
class SettingsStore {
public:
    SettingsStore(QString programDir, QString configDir);

    // Reads the settings; a missing or damaged file gives the defaults for
    // what could not be read. Returns true when the whole file was read.
    bool load(PersonalSettings& settings) const;
    // Writes the settings; returns false when no place could be written.
    bool save(const PersonalSettings& settings) const;

    QString programFile() const;
    QString configFile() const;

private:
    QString programDir_;
    QString configDir_;
};

} // namespace fiscalia
