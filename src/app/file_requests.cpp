#include "app/file_requests.h"

namespace fiscalia {

std::optional<FileRequest> fileRequest(int code)
{
    if (code < 1 || code > 8)
        return std::nullopt;
    FileRequest request;
    request.code = code;
    request.save = code % 2 == 0;
    switch ((code + 1) / 2) {
    case 1:
        request.description = "Investment Manager Database (*.kvs)";
        request.extension = "kvs";
        request.badNameMessage = 25;
        break;
    case 2:
        request.description = "Net Worth Database (*.kvw)";
        request.extension = "kvw";
        request.badNameMessage = 14;
        break;
    case 3:
        request.description = "Mortgage Database (*.umd)";
        request.extension = "umd";
        request.defaultName = FileRequest::DefaultName::LastMortgage;
        request.badNameMessage = 37;
        break;
    default:
        request.description = "Loan Database (*.uld)";
        request.extension = "uld";
        request.defaultName = FileRequest::DefaultName::LastLoan;
        request.badNameMessage = 38;
        break;
    }
    request.pattern = "*." + request.extension;
    return request;
}

FileRequest exportRequest()
{
    FileRequest request;
    request.save = true;
    request.description = "Comma-separated values (*.csv)";
    request.pattern = "*.csv";
    request.extension = "csv";
    request.defaultName = FileRequest::DefaultName::None;
    return request;
}

FileRequest importRequest()
{
    FileRequest request = exportRequest();
    request.save = false;
    return request;
}

bool isValidFileName(std::string_view path)
{
    const std::string name = fileNamePart(path);
    return !name.empty() && name.size() <= 255 && path.size() <= 4095 && path.find('\0') == std::string_view::npos;
}

std::string filterText(const FileRequest& request)
{
    return request.description + "|" + request.pattern;
}

std::string fileNamePart(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string withExtension(std::string_view path, std::string_view extension)
{
    const std::string name = fileNamePart(path);
    if (name.empty() || name.find('.') != std::string::npos || extension.empty())
        return std::string(path);
    return std::string(path) + "." + std::string(extension);
}

} // namespace fiscalia
