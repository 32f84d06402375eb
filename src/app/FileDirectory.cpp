#include "app/FileDirectory.h"

#include "app/app_state.h"
#include "app/AtomicSave.h"
#include "app/Dialogs.h"
#include "app/file_requests.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"

#include <QDir>
#include <QFileInfo>

namespace fiscalia {

namespace {

std::string* lastPathOfKind(AppState& state, const FileRequest& request)
{
    switch (request.defaultName) {
    case FileRequest::DefaultName::CurrentFile: return &state.CurrentFilePath;
    case FileRequest::DefaultName::LastMortgage: return &state.LastMortgageFile;
    case FileRequest::DefaultName::LastLoan: return &state.LastLoanFile;
    case FileRequest::DefaultName::None: break;
    }
    return nullptr;
}

bool samePath(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty() || QDir::isRelativePath(b))
        return false;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QString chooseFileToSave(Dialogs& dialogs, const FileRequest& request, const QString& lastPathOfKind)
{
    QString offered = lastPathOfKind;
    while (true) {
        const QString chosen = dialogs.chooseFile(request, offered);
        if (chosen.isEmpty())
            return {};
        const QString path = qs(withExtension(ss(chosen), request.extension));
        if (!isValidFileName(ss(path))) {
            if (request.badNameMessage)
                dialogs.message(request.badNameMessage);
            offered = path;
            continue;
        }
        // Any existing file but the one this kind of file last came from or
        // went to is replaced only when the user says so.
        if (QFileInfo::exists(path) && !samePath(path, lastPathOfKind)
            && !dialogs.confirm(QStringLiteral("%1 already exists. Do you want to replace it?")
                                    .arg(QDir::toNativeSeparators(path)))) {
            offered = path;
            continue;
        }
        return path;
    }
}

void FileDirectory(AppState& state, Dialogs& dialogs)
{
    const auto request = fileRequest(state.FileAction);
    if (!request)
        return;
    const std::string* last = lastPathOfKind(state, *request);
    const QString lastPath = last ? qs(*last) : QString();
    const QString chosen =
        request->save ? chooseFileToSave(dialogs, *request, lastPath) : dialogs.chooseFile(*request, lastPath);
    if (chosen.isEmpty()) {
        state.FileAction = FileCancelled;
        state.ChosenFile.clear();
        return;
    }
    state.ChosenFile = ss(chosen);
}

std::string chooseFilePath(AppState& state, Dialogs& dialogs, int code)
{
    state.FileAction = code;
    FileDirectory(state, dialogs);
    std::string chosen = state.FileAction == FileCancelled ? std::string() : state.ChosenFile;
    state.FileAction = 0;
    state.ChosenFile.clear();
    return chosen;
}

bool saveDataFile(Dialogs& dialogs, const std::string& path, const std::string& contents, int failureMessage)
{
    const Result<void> saved = [&] {
        const WaitCursor wait;
        return saveAtomically(qs(path), QByteArray::fromStdString(contents));
    }();
    if (!saved)
        dialogs.messageWithCause(failureMessage, QStringLiteral("%1: %2. A file already there is unchanged.")
                                                     .arg(QDir::toNativeSeparators(qs(path)), qs(saved.reason())));
    return static_cast<bool>(saved);
}

} // namespace fiscalia
