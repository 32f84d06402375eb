#pragma once
#include <QString>

#include <string>

namespace fiscalia {

struct AppState;
class Dialogs;
struct FileRequest;

// The one open/save procedure of the program's files. The caller sets
// FileAction to a request code 1..8; the procedure shows the open (odd codes)
// or save (even codes) dialog with the code's filter, offering the full path
// last used for that kind of file, and leaves the chosen full path in
// ChosenFile. A cancel leaves FileAction at 9 and ChosenFile empty; any other
// code shows nothing.
void FileDirectory(AppState& state, Dialogs& dialogs);

// The save dialog of a request: the extension added to a name without one,
// a name that cannot be a file's refused with the request's message, and an
// existing file replaced only after the user agreed, unless it is
// `lastPathOfKind`, the file of this kind opened or saved last. Empty when
// the user cancelled.
QString chooseFileToSave(Dialogs& dialogs, const FileRequest& request, const QString& lastPathOfKind);

// FileDirectory for request `code`, FileAction and ChosenFile put back
// afterwards: the full path chosen, or empty when the user cancelled.
std::string chooseFilePath(AppState& state, Dialogs& dialogs, int code);

// Writes a data file whole or not at all (the wait cursor showing). On a
// failure, message `failureMessage` with the path and the system's reason,
// and false: the work is still unsaved.
bool saveDataFile(Dialogs& dialogs, const std::string& path, const std::string& contents, int failureMessage);

} // namespace fiscalia
