#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/Notices.h"
#include "app/VersionString.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"

using kilnward::cli::AllCommands;
using kilnward::cli::CliCommand;

namespace {

void PrintHelp(FILE* to) {
    QTextStream out(to);
    out << "usage: kilnward-cli COMMAND [OPTIONS]\n\ncommands:\n";
    for (const auto& command : AllCommands()) {
        out << "  " << QString::fromLatin1(command.name).leftJustified(14) << command.summary
            << '\n';
    }
    out << "\n'kilnward-cli COMMAND --help' describes a command; 'kilnward-cli --version'\n"
           "prints the version.\n";
}

// Whether the command named in `argv` paints records (CliCommand::paintsRecords).
bool PaintsRecords(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const auto& commands = AllCommands();
    return std::any_of(commands.begin(), commands.end(), [&name](const CliCommand& command) {
        return command.paintsRecords && name == QLatin1String(command.name);
    });
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (PaintsRecords(argc, argv)) {
        // The command line never shows a window: the platform that needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("kilnward-cli");
    // Problems with the program's own files are told like every other message.
    kilnward::app::SetNoticeSink(
        [](const QString& text) { kilnward::cli::CliOutput::error(text); });
    QCoreApplication::setApplicationVersion(kilnward::app::VersionString());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        PrintHelp(stderr);
        return kilnward::cli::kExitUsage;
    }
    const QString name = arguments.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return kilnward::cli::kExitOk;
    }
    if (name == "--version" || name == "-V") {
        QTextStream(stdout) << "kilnward-cli " << QCoreApplication::applicationVersion() << '\n';
        return kilnward::cli::kExitOk;
    }
    for (const auto& command : AllCommands()) {
        if (name == QLatin1String(command.name)) {
            return command.run(arguments);
        }
    }
    QTextStream(stderr) << "kilnward-cli: unknown command '" << name << "'\n";
    PrintHelp(stderr);
    return kilnward::cli::kExitUsage;
}
