#include "transfer/SimulatedAnalysers.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "app/Catalogue.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/ConfigSector.h"
#include "simulator/SimulatedCommPort.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {

struct SimulatedAnalysers::Analyser {
    Analyser(std::uint8_t type, std::uint8_t addr)
        : simulator(type, addr, std::chrono::steady_clock::now()), port(simulator) {}

    sim::AnalyserSimulator simulator;
    sim::SimulatedCommPort port;
};

SimulatedAnalysers::SimulatedAnalysers(InitialImage initialImage)
    : initialImage_(std::move(initialImage)) {}

SimulatedAnalysers::~SimulatedAnalysers() = default;

sim::SimulatedCommPort& SimulatedAnalysers::port(std::uint8_t type, std::uint8_t addr) {
    analyser(type, addr);
    return analysers_.at({type, addr})->port;
}

sim::AnalyserSimulator& SimulatedAnalysers::analyser(std::uint8_t type, std::uint8_t addr) {
    std::unique_ptr<Analyser>& entry = analysers_[{type, addr}];
    if (!entry) {
        entry = std::make_unique<Analyser>(type, addr);
        if (initialImage_) {
            const wirelink::ByteBuffer image = initialImage_(type);
            const std::size_t size = std::min(image.size(), sim::ConfigSector::kSize);
            entry->simulator.state().sector().write(0, image.data(), size);
        }
    }
    return entry->simulator;
}

wirelink::ByteBuffer SimulatedAnalysers::DefaultConfigurationImage(std::uint8_t type,
                                                                   app::Translator& translator) {
    // A main window of its own, so the user's window and settings stay untouched.
    app::ScriptedPrompts prompts;
    documents::MainWindowSession session(prompts, translator);
    session.window().modelMenu().setStoresChoice(false);
    const std::optional<QString> name = app::DriverInstrumentName(type);
    if (!name) {
        throw std::invalid_argument("no analyser model has the type code " + std::to_string(type));
    }
    session.load({app::InstrumentEntry{*name, type}});
    wirelink::ByteBuffer image(sim::ConfigSector::kSize, 0);
    transfer::EncodeConfigSector(session.window().form(), *session.window().currentDriver(), image);
    return image;
}

}  // namespace kilnward::transfer
