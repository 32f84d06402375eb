#include "app/FileDirectory.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/file_requests.h"
#include "app/QtText.h"

namespace fiscalia {

void FileDirectory(AppState& state, Dialogs& dialogs)
{
    const auto request = fileRequest(state.FileAction);
    if (!request)
        return;
    std::string defaultName;
    switch (request->defaultName) {
    case FileRequest::DefaultName::CurrentFile: defaultName = state.CurrentFileName; break;
    case FileRequest::DefaultName::LastMortgage: defaultName = state.LastMortgageFile; break;
    case FileRequest::DefaultName::LastLoan: defaultName = state.LastLoanFile; break;
    }
    const QString chosen = dialogs.chooseFile(*request, qs(defaultName));
    if (chosen.isEmpty()) {
        state.FileAction = FileCancelled;
        state.ChosenFile.clear();
        return;
    }
    state.ChosenFile = ss(chosen);
}

} // namespace fiscalia
