#pragma once
#include "app/personal_settings.h"
#include "app/result.h"

#include <QString>

namespace fiscalia {

// Where Personal.fsc is read from and written to: the program's folder, or,
// when that folder cannot be written, the user's configuration folder, which
// is then read first on the next start. Without a program folder (an
// installed program, whose folders are read-only) the configuration folder
// alone holds the file.
class SettingsStore {
public:
    SettingsStore(QString programDir, QString configDir);

    // Reads the settings; a missing, damaged or unreadable file (a folder, a
    // pipe, a device, a huge file) gives the defaults for what could not be
    // read. Returns true when the whole file was read.
    bool load(PersonalSettings& settings) const;
    // Writes the settings; when no place can be written, says where it tried
    // and why each failed.
    Result<void> save(const PersonalSettings& settings) const;

    // The file in each folder; empty for a folder not given.
    QString programFile() const;
    QString configFile() const;

private:
    QString programDir_;
    QString configDir_;
};

} // namespace fiscalia
