#include "app/TableExport.h"

#include "app/AtomicSave.h"
#include "app/Dialogs.h"
#include "app/FileDirectory.h"
#include "app/file_requests.h"
#include "app/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>

namespace fiscalia {

void copyTable(const TextTable& rows)
{
    QApplication::clipboard()->setText(qs(tabSeparated(rows)));
}

bool exportTable(const ExportTarget& target, const TextTable& rows)
{
    const QString offered = target.lastPath.empty() ? target.defaultName : qs(target.lastPath);
    const QString path = chooseFileToSave(target.dialogs, exportRequest(), offered);
    if (path.isEmpty())
        return false;
    const std::string text = commaSeparated(rows);
    const Result<void> saved = saveAtomically(path, QByteArray::fromStdString(text));
    if (!saved) {
        target.dialogs.notice(QStringLiteral("The table could not be saved in %1: %2. Nothing was changed there.")
                                  .arg(QDir::toNativeSeparators(path), qs(saved.reason())));
        return false;
    }
    target.lastPath = ss(path);
    return true;
}

} // namespace fiscalia
