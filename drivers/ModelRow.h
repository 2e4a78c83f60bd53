#pragma once

#include <cstdint>
#include <vector>

namespace kilnward::drivers {

// One row of the model table: what sets one driver class apart from the others.
struct ModelRow {
    const char* className;
    std::uint8_t id;
    const char* name;
    bool useInfrared;
    std::int64_t measuresectorSize;
};

// The row of type code `id`, or null when no driver class exists for it.
const ModelRow* FindModelRow(std::uint8_t id);

// The row of a code that has one; used by the model classes for their own code.
const ModelRow& ModelRowOf(std::uint8_t id);

// Every type code that has a driver, in ascending order.
std::vector<std::uint8_t> KnownModelIds();

}  // namespace kilnward::drivers
