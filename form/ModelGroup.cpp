#include "form/ModelGroup.h"

#include <algorithm>
#include <initializer_list>

namespace kilnward::form {

namespace {

constexpr unsigned Timers(std::initializer_list<int> shown) {
    unsigned mask = 0;
    for (int timer : shown) {
        mask |= 1u << timer;
    }
    return mask;
}

// Model 9 shows four alarms, like the other models with a four-alarm memory layout, and
// its layout is complete: nothing depends on the previously selected model.
const ModelGroup kGroups[] = {
    {.name = 'A',
     .models = {10, 11, 16, 19},
     .unavailablePages = {},
     .lastAlarmsAvailable = false,
     .timersShown = Timers({4, 5, 6, 7, 8}),
     .printerBoxes18to23Shown = true,
     .coGroupShown = true,
     .coExclusionEnabled = std::nullopt,
     .tubeTemperatureShown = false,
     .trhAuxShown = false,
     .finalPage = 0,
     .secondPascal = false,
     .loadsModelDefault = false,
     .alarmTreesEnabled = true},
    {.name = 'B',
     .models = {12, 13},
     .unavailablePages = {4},
     .lastAlarmsAvailable = true,
     .timersShown = Timers({1, 4, 5, 6, 7, 8, 9, 10}),
     .printerBoxes18to23Shown = true,
     .coGroupShown = true,
     .coExclusionEnabled = std::nullopt,
     .tubeTemperatureShown = true,
     .trhAuxShown = true,
     .finalPage = 0,
     .secondPascal = false,
     .loadsModelDefault = false,
     .alarmTreesEnabled = true},
    {.name = 'C',
     .models = {14, 15, 20},
     .unavailablePages = {0, 3, 4, 8},
     .lastAlarmsAvailable = false,
     .timersShown = Timers({4, 5, 6, 7, 8}),
     .printerBoxes18to23Shown = true,
     .coGroupShown = true,
     .coExclusionEnabled = false,
     .tubeTemperatureShown = false,
     .trhAuxShown = false,
     .finalPage = 7,
     .secondPascal = true,
     .loadsModelDefault = true,
     .alarmTreesEnabled = false},
    {.name = 'D',
     .models = {9},
     .unavailablePages = {},
     .lastAlarmsAvailable = false,
     .timersShown = Timers({}),
     .printerBoxes18to23Shown = false,
     .coGroupShown = false,
     .coExclusionEnabled = true,
     .tubeTemperatureShown = false,
     .trhAuxShown = false,
     .finalPage = 0,
     .secondPascal = false,
     .loadsModelDefault = false,
     .alarmTreesEnabled = true},
};

}  // namespace

const ModelGroup* FindModelGroup(std::uint8_t model) {
    for (const ModelGroup& group : kGroups) {
        if (std::find(group.models.begin(), group.models.end(), model) != group.models.end()) {
            return &group;
        }
    }
    return nullptr;
}

}  // namespace kilnward::form
