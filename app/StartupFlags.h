#pragma once

#include <QStringList>

namespace kilnward::app {

// The words of the program's command line: "create" switches the language manager's learning
// mode on, "debug" offers the infrared choice in the serial settings. Exact, case-sensitive
// words; anything else is ignored.
struct StartupFlags {
    bool CreateMode = false;
    bool DebugMode = false;

    // `arguments` without the program name. The line is read as one text split at single
    // blanks, so an argument "create debug" sets both.
    static StartupFlags fromArguments(const QStringList& arguments);
};

}  // namespace kilnward::app
