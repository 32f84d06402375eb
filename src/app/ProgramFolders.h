#pragma once
#include <QString>
#include <QStringList>

namespace fiscalia {

// The files the program reads from its data folder: the two help files, and
// the sample files the Quick Help tells a user to load.
QStringList helpFileNames();
QStringList sampleFileNames();

// The data folder of an installed program, relative to the program's own
// folder ("../share/fiscalia" for a program in <prefix>/bin).
QString installedDataPath();

// Where the program finds its files.
struct ProgramFolders {
    QString dataDir;        // the help files and the sample files
    bool installed = false; // Personal.fsc is then kept in the configuration folder only
};

// An installed program keeps its help files and samples in its share folder,
// found from the program's folder by installedDataPath() and recognised by
// the application's help file; anywhere else (a build folder) they lie
// beside the program, which keeps Personal.fsc there too.
ProgramFolders locateProgramFolders(const QString& programDir);

} // namespace fiscalia
