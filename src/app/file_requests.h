#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace fiscalia {

// The request codes of the file dialog: odd codes open, even codes save; 9
// is what the dialog leaves when the user cancelled.
inline constexpr int FileCancelled = 9;

struct FileRequest {
    int code = 0;
    bool save = false;
    std::string description; // "Mortgage Database (*.umd)"
    std::string pattern;     // "*.umd"
    std::string extension;   // "umd"
    enum class DefaultName { CurrentFile, LastMortgage, LastLoan, None } defaultName = DefaultName::CurrentFile;
    int badNameMessage = 0;  // the message for a name that cannot be a file's (saves)
};

// The request of a code 1..8; nothing for any other code.
std::optional<FileRequest> fileRequest(int code);

// The save request of a comma-separated export of a table (no code of its own).
FileRequest exportRequest();
// The open request of a comma-separated file of transactions to import.
FileRequest importRequest();

// Whether a path can name a file: a name part that is not empty, of at most
// 255 bytes, without a NUL, in a path of at most 4095 bytes.
bool isValidFileName(std::string_view path);

// The filter as the request states it: "description|pattern".
std::string filterText(const FileRequest& request);

// The name with the extension added when its last part has none.
std::string withExtension(std::string_view path, std::string_view extension);

// The file name part of a path (after the last "/" or "\").
std::string fileNamePart(std::string_view path);

} // namespace fiscalia
