#include "cli/CliCommand.h"

namespace kilnward::cli {

// Each command's entry point lives in a file of its own.

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}

}  // namespace kilnward::cli
