// kilnward-sim: a simulated analyser served on a pseudo-terminal.

#include <QCommandLineParser>
#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "app/VersionString.h"
#include "drivers/ModelRow.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/FaultSpec.h"
#include "simulator/PtyServer.h"
#include "simulator/StopSignals.h"

namespace {

using kilnward::sim::AnalyserSimulator;
namespace drivers = kilnward::drivers;

constexpr int kExitUsage = 2;

struct Options {
    std::uint8_t model = 0;
    std::uint8_t addr = 0;
    unsigned pace = 0;
    QString image;
    QString save;
    QStringList faults;
    bool verbose = false;
};

unsigned NumberOption(const QCommandLineParser& parser, const QString& name, unsigned max) {
    bool ok = false;
    const unsigned value = parser.value(name).toUInt(&ok);
    if (!ok || value > max) {
        throw std::invalid_argument(
            QStringLiteral("--%1 wants a number from 0 to %2").arg(name).arg(max).toStdString());
    }
    return value;
}

Options ReadOptions(QCommandLineParser& parser) {
    Options options;
    if (!parser.positionalArguments().isEmpty()) {
        throw std::invalid_argument(QStringLiteral("unexpected argument '%1'")
                                        .arg(parser.positionalArguments().first())
                                        .toStdString());
    }
    if (!parser.isSet("model")) {
        throw std::invalid_argument("--model is required");
    }
    const unsigned model = NumberOption(parser, "model", 255);
    if (drivers::FindModelRow(static_cast<std::uint8_t>(model)) == nullptr) {
        throw std::invalid_argument("--model must be 9 to 16, 19 or 20");
    }
    options.model = static_cast<std::uint8_t>(model);
    options.addr = static_cast<std::uint8_t>(NumberOption(parser, "addr", 255));
    if (parser.isSet("pace")) {
        options.pace = NumberOption(parser, "pace", 4000000);
    }
    options.image = parser.value("image");
    options.save = parser.value("save");
    options.faults = parser.values("fault");
    options.verbose = parser.isSet("verbose");
    return options;
}

void Configure(AnalyserSimulator& simulator, const Options& options) {
    if (!options.image.isEmpty()) {
        simulator.state().sector().load(options.image);
    }
    simulator.setPaceBaud(options.pace);
    for (const QString& spec : options.faults) {
        simulator.addFault(kilnward::sim::ParseFaultSpec(spec));
    }
    if (options.verbose) {
        simulator.setLogger([](const std::string& line) {
            std::fprintf(stderr, "%s\n", line.c_str());
            std::fflush(stderr);
        });
    }
}

// Qt's first usage line names the path the program was started from; the description
// starts with the synopsis instead.
QString HelpText(const QCommandLineParser& parser) {
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    if (text.startsWith(QLatin1String("Usage: ")) && firstLineEnd > 0) {
        text.replace(0, firstLineEnd, QStringLiteral("Usage:"));
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("kilnward-sim");
    QCoreApplication::setApplicationVersion(kilnward::app::VersionString());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "kilnward-sim --model ID [--addr N] [--image FILE] [--save FILE] [--pace BAUD]\n"
        "             [--fault SPEC]... [--verbose]\n\n"
        "Simulated analyser on a pseudo-terminal. Prints 'PTY <device>' first, serves until\n"
        "SIGINT or SIGTERM, then writes the configuration sector to --save.\n\n" +
        kilnward::sim::FaultSpecHelp());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {"model", "Instrument type code (9 to 16, 19, 20).", "ID"},
        {"addr", "Instrument address (default 0).", "N", "0"},
        {"image", "Load the 2048-byte configuration sector from FILE.", "FILE"},
        {"save", "Write the configuration sector to FILE on exit.", "FILE"},
        {"pace", "Send answers at BAUD bit/s, ten bits per byte.", "BAUD"},
        {"fault", "Inject a fault (repeatable; syntax above).", "SPEC"},
        {"verbose", "Log every request on stderr."},
    });
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "kilnward-sim: %s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(HelpText(parser)));
        return kExitUsage;
    }
    if (parser.isSet("help") || parser.isSet("help-all")) {
        std::printf("%s", qPrintable(HelpText(parser)));
        return 0;
    }
    if (parser.isSet("version")) {
        std::printf("kilnward-sim %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    try {
        const Options options = ReadOptions(parser);
        AnalyserSimulator simulator(options.model, options.addr, std::chrono::steady_clock::now());
        Configure(simulator, options);
        kilnward::sim::StopSignals stop;
        kilnward::sim::PtyServer server(simulator);
        std::printf("PTY %s\n", server.open().c_str());
        std::fflush(stdout);
        server.serve(stop.fd());
        if (!options.save.isEmpty()) {
            simulator.state().sector().save(options.save);
        }
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "kilnward-sim: %s\n\n%s", error.what(), qPrintable(HelpText(parser)));
        return kExitUsage;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "kilnward-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}
