#pragma once

namespace fiscalia {

struct AppState;
class Dialogs;

// The one open/save procedure of the program's files. The caller sets
// FileAction to a request code 1..8; the procedure shows the open (odd codes)
// or save (even codes) dialog with the code's filter and default name and
// leaves the chosen full path in ChosenFile. A cancel leaves FileAction at 9
// and ChosenFile empty; any other code shows nothing.
void FileDirectory(AppState& state, Dialogs& dialogs);

} // namespace fiscalia
