#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "documents/FieldDifferences.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::transfer {

// The fields whose bytes differ between two configuration sectors of `model` (the places of
// the sector walk, CompareSectorBytes) and whose stored values differ with them, every
// document and every field the model stores, shown or not, with their values as the window
// would show them: each sector decoded into a
// scratch window of its own, fuels past the fuel count as stored. In form order; captions in
// the language of the moment, `before` from `before`. Throws
// std::runtime_error when a sector cannot be decoded (the wrong size, a value no field
// takes).
std::vector<documents::FieldDifference> SectorChanges(const wirelink::ByteBuffer& before,
                                                      const wirelink::ByteBuffer& after,
                                                      std::uint8_t model, app::UserPrompts& prompts,
                                                      app::Translator& translator);

// A scratch window of `session`'s model holding its documents as the analyser keeps them
// after a send and gives them back on a receive: what the model does not keep (printer boxes
// it lacks, a value it is sent as zero) reads as a receive reads it, fuels past the fuel
// count blank. What to compare a received configuration with. Throws std::logic_error
// without a model, std::runtime_error as EncodeConfigSector and a decode do.
std::unique_ptr<documents::MainWindowSession> AsTheAnalyserKeepsThem(
    documents::MainWindowSession& session);

}  // namespace kilnward::transfer
