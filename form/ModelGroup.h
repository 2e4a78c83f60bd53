#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kilnward::form {

// How one group of analyser models lays out the main window. An empty optional leaves
// that item as the previous model left it.
struct ModelGroup {
    char name;
    std::vector<std::uint8_t> models;
    std::vector<int> unavailablePages;
    // "Alarm 5" and "Alarm 6".
    std::optional<bool> lastAlarmsAvailable;
    // Bit i set: timer i (1..10) shown.
    unsigned timersShown;
    bool printerBoxes18to23Shown;
    bool coGroupShown;
    std::optional<bool> coExclusionEnabled;
    std::optional<bool> tubeTemperatureShown;
    bool trhAuxShown;
    int finalPage;
    bool secondPascal;
    bool loadsModelDefault;
    bool alarmTreesEnabled;
};

// The group of a model, or null for a model of no group (only the common steps apply).
const ModelGroup* FindModelGroup(std::uint8_t model);

}  // namespace kilnward::form
