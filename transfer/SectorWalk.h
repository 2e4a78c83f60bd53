#pragma once

#include <cstdint>

namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

class SectorVisitor;

// Walks every field of the configuration sector in its stored order, for the model
// `model`, telling `visitor` each one. Alarms whose tab the form leaves unavailable take no
// room. Throws std::logic_error when an area does not start where the analyser keeps it
// (a parameter tree without its slots, for instance), before any field of that area.
void WalkSector(const form::Form& form, std::uint8_t model, SectorVisitor& visitor);

// The number of alarms the form's alarm tabs leave available: they decide where the tail
// of the sector lies.
int AlarmsPresent(const form::Form& form);

}  // namespace kilnward::transfer
