#pragma once

#include <QString>

namespace kilnward::app {

// Where the program finds what ships next to it. In order: a folder set explicitly
// (--program-dir, tests), the KILNWARD_HOME environment variable, the executable's folder
// when it holds the program's data (portable and build-tree layout), else the installed data
// folder for read-only files with Config.ini and Config.txt in the user's configuration
// folder. Asking for a folder never creates it.
class ProgramFolder {
  public:
    // Folder of the shipped, read-only files, with a trailing separator.
    static QString dataFolder();
    // Folder of Config.ini and Config.txt, with a trailing separator.
    static QString configFolder();
    // The user's configuration folder of the installed layout, one folder for the window and
    // the command-line tools alike (ProgramLayout::UserConfigFolder).
    static QString userConfigFolder();
    // dataFolder() + name / configFolder() + name.
    static QString dataFile(const QString& name);
    static QString configFile(const QString& name);

    // Whether a file can be created in `folder` now (tried, since on Windows the folder's
    // attributes do not tell: Program Files looks writable and is not).
    static bool acceptsWrites(const QString& folder);

    // Whether `folder` holds any of the files shipped next to the program (Param.ini,
    // Language.mdb, the Default.* documents).
    static bool holdsProgramData(const QString& folder);

    // Points both folders at `folder` for the rest of the run (or until reset()).
    static void set(const QString& folder);
    // Back to the automatic rules.
    static void reset();
};

}  // namespace kilnward::app
