#include "transfer/SectorChanges.h"

#include <stdexcept>

#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {

namespace {

std::unique_ptr<documents::MainWindowSession> Decoded(const wirelink::ByteBuffer& sector,
                                                      std::uint8_t model, app::UserPrompts& prompts,
                                                      app::Translator& translator) {
    auto session = documents::OpenScratchSession(prompts, translator, model);
    drivers::InstrumentDriver* driver = session->window().currentDriver();
    if (!driver || driver->Instrument_ID() != model) {
        throw std::runtime_error(QStringLiteral("no driver for model %1").arg(model).toStdString());
    }
    if (static_cast<std::int64_t>(sector.size()) != driver->Configsector_size()) {
        throw std::runtime_error(QStringLiteral("a configuration sector of %1 bytes was "
                                                "expected, not %2")
                                     .arg(driver->Configsector_size())
                                     .arg(sector.size())
                                     .toStdString());
    }
    DecodeConfigSector(sector, session->window().form(), *driver);
    return session;
}

}  // namespace

std::vector<documents::FieldDifference> SectorChanges(const wirelink::ByteBuffer& before,
                                                      const wirelink::ByteBuffer& after,
                                                      std::uint8_t model, app::UserPrompts& prompts,
                                                      app::Translator& translator) {
    const auto then = Decoded(before, model, prompts, translator);
    const auto now = Decoded(after, model, prompts, translator);
    return documents::CompareSessions(*then, *now);
}

}  // namespace kilnward::transfer
