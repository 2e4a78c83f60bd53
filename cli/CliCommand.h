#pragma once

#include <QStringList>

#include <vector>

namespace kilnward::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// One sub-command of kilnward-cli. `run` gets the arguments after the command name.
struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments);
    // It paints PDF records (the sheet, the service reports), which needs fonts and so a GUI
    // application; the other commands start without one.
    bool paintsRecords = false;
};

// Every command, in the order the help lists them.
const std::vector<CliCommand>& AllCommands();

}  // namespace kilnward::cli
