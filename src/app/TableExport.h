#pragma once
#include "app/table_text.h"

#include <QString>

#include <string>

namespace fiscalia {

class Dialogs;

// Where a window's tables are exported: the dialogs, the full path of the
// last export (offered next time) and the name offered the first time.
struct ExportTarget {
    Dialogs& dialogs;
    std::string& lastPath;
    QString defaultName;
};

// Puts cells on the clipboard as tab-separated text.
void copyTable(const TextTable& rows);

// Saves a whole table as a comma-separated file chosen in the save dialog,
// through the atomic save; a failure is reported with its cause and the
// old file stays. Returns whether the file was written.
bool exportTable(const ExportTarget& target, const TextTable& rows);

} // namespace fiscalia
