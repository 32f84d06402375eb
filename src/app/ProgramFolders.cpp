#include "app/ProgramFolders.h"

#include "app/HelpViewer.h"

#include <QDir>
#include <QFileInfo>

// The build passes the data folder's place relative to the program's folder
// as it installs them.
#ifndef FISCALIA_DATA_FROM_PROGRAM
#define FISCALIA_DATA_FROM_PROGRAM "../share/fiscalia"
#endif

namespace fiscalia {

QStringList helpFileNames()
{
    return {QString::fromLatin1(ApplicationHelpFile), QString::fromLatin1(GetRichHelpFile)};
}

QStringList sampleFileNames()
{
    return {QStringLiteral("DtaSampl.KVS"), QStringLiteral("NetSampl.KVW"), QStringLiteral("MortSampl.umd"),
            QStringLiteral("LoanSampl.uld")};
}

QString installedDataPath()
{
    return QStringLiteral(FISCALIA_DATA_FROM_PROGRAM);
}

ProgramFolders locateProgramFolders(const QString& programDir)
{
    const QString shared = QDir::cleanPath(QDir(programDir).filePath(installedDataPath()));
    if (QFileInfo(QDir(shared).filePath(QString::fromLatin1(ApplicationHelpFile))).isFile())
        return {shared, true};
    return {programDir, false};
}

} // namespace fiscalia
