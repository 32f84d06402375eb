#pragma once
#include <QString>

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

} // namespace fiscalia
