// Link benchmarks over a pseudo-terminal against kilnward-sim:
//  - round trip of one 32-byte read request, unpaced (target: median < 0.2 ms);
//  - the client's CPU time while it reads the whole 2048-byte sector in 32-byte requests
//    with the simulator paced at 9600 bit/s (target: <= 1 % of wall time).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QtGlobal>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "tests/support/SimProcess.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace {

using kilnward::test::SimProcess;

constexpr std::uint8_t kType = 9;
constexpr std::uint8_t kAddr = 1;

// The link opened on a running simulator.
struct Bench {
    explicit Bench(const QStringList& extra)
        : sim(QStringList{"--model", "9", "--addr", "1"} + extra) {
        if (!sim.error().isEmpty()) {
            throw std::runtime_error(sim.error().toStdString());
        }
        link.setPortName(sim.device().toStdString());
        link.OpenCom();
        link.Defineflow(kAddr, kType);
    }
    ~Bench() {
        link.Releaseflow(kAddr);
        link.CloseCom();
    }
    void read32(std::uint16_t address) {
        link.SendFrame(kAddr, 0x5C, 0x00,
                       {1, static_cast<std::uint8_t>(address),
                        static_cast<std::uint8_t>(address >> 8), 0, 0, 32, 0});
    }

    SimProcess sim;
    wirelink::QtSerialCommPort port;
    wirelink::Wirelink link{port};
};

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_RoundTrip32(benchmark::State& state) {
    Bench bench({});
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bench.read32(0);
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}
BENCHMARK(BM_RoundTrip32)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_PacedSectorCpu(benchmark::State& state) {
    Bench bench({"--pace", "9600"});
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double cpuStart = ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        for (std::uint16_t address = 0; address < 2048; address += 32) {
            bench.read32(address);
        }
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += ProcessCpuSeconds() - cpuStart;
    }
    state.counters["wall_s"] = wall / static_cast<double>(state.iterations());
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["cpu_percent"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_PacedSectorCpu)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    // The simulator sits next to this program unless KILNWARD_BIN says otherwise.
    if (qEnvironmentVariableIsEmpty("KILNWARD_BIN")) {
        qputenv("KILNWARD_BIN", KILNWARD_BIN_DIR);
    }
    // QProcess needs an application object to watch its child.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
