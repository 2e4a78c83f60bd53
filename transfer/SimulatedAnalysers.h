#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::sim {
class AnalyserSimulator;
class SimulatedCommPort;
}  // namespace kilnward::sim

namespace kilnward::transfer {

// The in-process analysers behind the "Simulated analyser" port. Each model and address
// gets one analyser the first time a transfer talks to it; its memory then lives for the
// program run, so what a send wrote is what the next receive reads.
class SimulatedAnalysers {
  public:
    // The configuration sector a new analyser of `type` starts with; without one it starts
    // with the simulator's own memory.
    using InitialImage = std::function<wirelink::ByteBuffer(std::uint8_t type)>;

    // Null: an analyser starts with the simulator's own memory.
    explicit SimulatedAnalysers(InitialImage initialImage);
    ~SimulatedAnalysers();

    sim::SimulatedCommPort& port(std::uint8_t type, std::uint8_t addr);
    // The analyser of `type` at `addr`, made on first use.
    sim::AnalyserSimulator& analyser(std::uint8_t type, std::uint8_t addr);

    // The default documents of the program folder with `type`'s adaptation, as the
    // analyser's configuration sector stores them. Loading them reloads the parameter
    // catalogue through `translator`: the program's, so the catalogue keeps its language.
    static wirelink::ByteBuffer DefaultConfigurationImage(std::uint8_t type,
                                                          app::Translator& translator);

  private:
    struct Analyser;

    InitialImage initialImage_;
    std::map<std::pair<std::uint8_t, std::uint8_t>, std::unique_ptr<Analyser>> analysers_;
};

}  // namespace kilnward::transfer
