#pragma once

#include <QString>

#include "wirelink/Platform.h"

namespace kilnward::app {

// The two folders the program uses, decided from what the process sees. Both end with a
// separator.
struct ProgramLayout {
    // The shipped, read-only files (Param.ini, Language.mdb, the default documents).
    QString dataFolder;
    // The user's files the program writes (Config.ini, Config.txt).
    QString configFolder;
    // True when one folder holds everything (the two above are the same).
    bool portable = false;

    // In order: `explicitFolder` (--program-dir), `homeVariable` (KILNWARD_HOME), the
    // executable's folder when it holds Param.ini (portable and build-tree layout); else
    // the installed layout: `../share/kilnward` beside the executable's folder for the data
    // and `userConfigFolder` for the user's files. An executable's folder that holds the data
    // but cannot be written (a copy installed under Program Files, a read-only medium) keeps
    // the data and sends the user's files to `userConfigFolder`.
    static ProgramLayout Resolve(const QString& explicitFolder, const QString& homeVariable,
                                 const QString& executableFolder, const QString& userConfigFolder,
                                 bool executableFolderWritable = true);
    // Resolve's answer when neither folder was chosen, with whether the executable's folder
    // holds the program's data already known.
    static ProgramLayout OfExecutableFolder(const QString& executableFolder, bool holdsProgramData,
                                            const QString& userConfigFolder,
                                            bool executableFolderWritable);

    // The user's configuration folder of the installed layout: "Kilnward" in the user's
    // application-data folder (`appDataVariable`, %APPDATA%) on Windows; "kilnward" in the
    // system's configuration location (`genericConfigLocation`) elsewhere, and on Windows
    // when %APPDATA% is not set.
    static QString UserConfigFolder(wirelink::Platform platform, const QString& appDataVariable,
                                    const QString& genericConfigLocation);
};

}  // namespace kilnward::app
