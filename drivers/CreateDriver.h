#pragma once

#include <cstdint>
#include <memory>

#include "drivers/InstrumentDriver.h"

namespace kilnward::drivers {

// A new driver of the model with type code `id`, or null when no model has that code
// (17 and 18 included). KnownModelIds() (ModelRow.h) lists the codes that have one.
std::unique_ptr<InstrumentDriver> CreateDriver(std::uint8_t id);

}  // namespace kilnward::drivers
