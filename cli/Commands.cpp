#include "cli/CliCommand.h"

namespace kilnward::cli {

// Each command's entry point lives in a file of its own.
int RunRequest(const QStringList& arguments);
int RunReadMemory(const QStringList& arguments);
int RunClock(const QStringList& arguments);
int RunLanguage(const QStringList& arguments);
int RunDocuments(const QStringList& arguments);

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands = {
        {"request", "send one request frame and print the response data", RunRequest},
        {"read-memory", "read bytes of an analyser's relative device", RunReadMemory},
        {"clock", "read or set the analyser's clock", RunClock},
        {"language", "export or import the translation table of a language database", RunLanguage},
        {"documents", "reset, adapt, load and save the five documents", RunDocuments},
    };
    return commands;
}

}  // namespace kilnward::cli
