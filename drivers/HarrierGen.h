#pragma once

namespace kilnward::drivers {

// The generic analyser class of the family; it offers no members and no model has it as
// its driver.
class HarrierGen {};

}  // namespace kilnward::drivers
