#include "cli/CliCommand.h"

namespace kilnward::cli {

// Each command's entry point lives in a file of its own.
int RunRequest(const QStringList& arguments);
int RunReadMemory(const QStringList& arguments);
int RunClock(const QStringList& arguments);
int RunLanguage(const QStringList& arguments);
int RunDocuments(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunPrint(const QStringList& arguments);
int RunReport(const QStringList& arguments);
int RunReceive(const QStringList& arguments);
int RunSend(const QStringList& arguments);
int RunSetClock(const QStringList& arguments);
int RunDecode(const QStringList& arguments);
int RunEncode(const QStringList& arguments);
int RunRestore(const QStringList& arguments);
int RunBackups(const QStringList& arguments);
int RunDiff(const QStringList& arguments);

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands = {
        {"request", "send one request frame and print the response data", RunRequest},
        {"read-memory", "read bytes of an analyser's relative device", RunReadMemory},
        {"clock", "read or set the analyser's clock", RunClock},
        {"language", "export or import the translation table of a language database", RunLanguage},
        {"documents", "reset, adapt, load and save the five documents", RunDocuments},
        {"export", "write the configuration listing of the documents as text", RunExport},
        {"print", "write the configuration sheet of the documents as PDF", RunPrint, true},
        {"report", "write the report of what changed between two backups as PDF", RunReport, true},
        {"receive", "receive the configuration into the five documents", RunReceive},
        {"send", "send the documents' configuration and set the clock", RunSend, true},
        {"restore", "write a backup kept before a send back into the analyser", RunRestore, true},
        {"backups", "list the backups kept before each write, newest first", RunBackups},
        {"set-clock", "set the analyser's clock to the computer's time", RunSetClock},
        {"decode", "decode a configuration sector file into the five documents", RunDecode},
        {"encode", "encode documents into a configuration sector file", RunEncode},
        {"diff", "compare documents with the analyser's configuration or other documents", RunDiff},
    };
    return commands;
}

}  // namespace kilnward::cli
