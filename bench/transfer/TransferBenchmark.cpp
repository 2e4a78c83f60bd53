// The configuration transfers over a pseudo-terminal against kilnward-sim (not run by ctest):
//  - unpaced: the receive's transfer (after the port-opening wait) within 0.3 s, the send's
//    within 0.6 s;
//  - answers paced at 9600 bit/s: each within 1.15 times the line time of the bytes
//    exchanged (ten bits per byte, both directions).
// Prints the best and median of several runs of each.

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "app/EnglishTranslator.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "bench/transfer/CountingCommPort.h"
#include "documents/MainWindowSession.h"
#include "drivers/ModelRow.h"
#include "tests/support/SimProcess.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferSession.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace {

using Clock = std::chrono::steady_clock;
using kilnward::test::SimProcess;
using kilnward::transfer::TransferOutcome;

constexpr std::uint8_t kModel = 12;
constexpr int kRuns = 5;
constexpr double kBitsPerByte = 10;
constexpr double kPacedBaud = 9600;

class SilentSink : public kilnward::transfer::ProgressSink {
  public:
    void setProgress(int) override {}
    void setStatus(const QString&) override {}
};

struct Figure {
    double seconds;
    std::size_t bytes;
};

enum class Kind { Receive, Send };

// One transfer on a fresh link: the time from the end of the port-opening wait to the end of
// the transfer, and the bytes exchanged meanwhile.
Figure RunOnce(kilnward::documents::MainWindowSession& window, const QString& device, Kind kind) {
    wirelink::QtSerialCommPort serial;
    kilnward::bench::CountingCommPort port(serial);
    wirelink::Wirelink link(port);
    kilnward::app::ScriptedPrompts prompts;
    SilentSink sink;
    kilnward::transfer::LinkSettings settings;
    settings.portName = device;
    kilnward::transfer::TransferSession session(link, settings, *window.window().currentDriver(),
                                                window.messageBoxes(), sink);
    Clock::time_point start;
    session.setWait([&](int) {
        port.resetCounts();
        start = Clock::now();
    });
    const TransferOutcome outcome = kind == Kind::Receive
                                        ? session.getconfiguration(window.window().form())
                                        : session.sendconfiguration(window.window().form());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (outcome != TransferOutcome::Done) {
        throw std::runtime_error(
            "transfer failed: " +
            (session.failure() ? session.failure()->message.toStdString() : std::string("?")));
    }
    return {seconds, port.written() + port.received()};
}

void Report(const char* name, const QString& device, kilnward::documents::MainWindowSession& window,
            Kind kind, double limitSeconds, bool paced) {
    std::vector<Figure> figures;
    for (int run = 0; run < kRuns; ++run) {
        figures.push_back(RunOnce(window, device, kind));
    }
    std::sort(figures.begin(), figures.end(),
              [](const Figure& a, const Figure& b) { return a.seconds < b.seconds; });
    const Figure& best = figures.front();
    const Figure& median = figures[figures.size() / 2];
    const double wire = static_cast<double>(median.bytes) * kBitsPerByte / kPacedBaud;
    if (paced) {
        const double ratio = median.seconds / wire;
        std::printf(
            "%-26s best %.3f s  median %.3f s  bytes %zu  line time %.3f s  ratio %.3f "
            "(limit 1.15) %s\n",
            name, best.seconds, median.seconds, median.bytes, wire, ratio,
            ratio <= 1.15 ? "ok" : "OVER");
    } else {
        std::printf("%-26s best %.3f s  median %.3f s  bytes %zu  (limit %.2f s) %s\n", name,
                    best.seconds, median.seconds, median.bytes, limitSeconds,
                    median.seconds <= limitSeconds ? "ok" : "OVER");
    }
    std::fflush(stdout);
}

void Scenario(kilnward::documents::MainWindowSession& window, bool paced) {
    QStringList arguments{"--model", QString::number(kModel)};
    if (paced) {
        arguments << "--pace" << QString::number(static_cast<int>(kPacedBaud));
    }
    SimProcess sim(arguments);
    if (!sim.error().isEmpty()) {
        throw std::runtime_error(sim.error().toStdString());
    }
    Report(paced ? "receive, paced 9600" : "receive, unpaced", sim.device(), window, Kind::Receive,
           0.3, paced);
    Report(paced ? "send, paced 9600" : "send, unpaced", sim.device(), window, Kind::Send, 0.6,
           paced);
}

}  // namespace

int main(int argc, char** argv) {
    // The simulator sits next to this program unless KILNWARD_BIN says otherwise.
    if (qEnvironmentVariableIsEmpty("KILNWARD_BIN")) {
        qputenv("KILNWARD_BIN", KILNWARD_BIN_DIR);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    kilnward::app::ProgramFolder::set(folder.path());
    kilnward::app::ScriptedPrompts prompts;
    kilnward::app::EnglishTranslator translator;
    kilnward::documents::MainWindowSession window(prompts, translator);
    window.window().modelMenu().setStoresChoice(false);
    std::vector<kilnward::app::InstrumentEntry> models;
    for (std::uint8_t id : kilnward::drivers::KnownModelIds()) {
        models.push_back({QString::number(id), id});
    }
    window.load(models);
    window.window().selectModel(kModel);
    try {
        // A pseudo-terminal has no modem lines: the cable link.
        Scenario(window, false);
        Scenario(window, true);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_transfer: %s\n", error.what());
        return 1;
    }
    return 0;
}
