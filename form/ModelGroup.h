#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kilnward::form {

// How one group of analyser models lays out the main window: every fact of the window that
// depends on the model is here, read by the model adaptation, the tab rules and the start.
// An empty optional leaves that item as the previous model left it.
struct ModelGroup {
    char name;
    std::vector<std::uint8_t> models;
    // Outer pages shown disabled: the user cannot open them at all.
    std::vector<int> unavailablePages;
    // Outer pages the user can click but is refused with "Item not available".
    std::vector<int> refusedPages;
    // Alarm tabs refused the same way.
    std::vector<int> refusedAlarmTabs;
    // Outer pages the adaptation leaves for page 0 when one of them is showing.
    std::vector<int> pagesLeft;
    // "Alarm 5" and "Alarm 6".
    std::optional<bool> lastAlarmsAvailable;
    // Bit i set: timer i (1..10) shown.
    unsigned timersShown;
    bool printerBoxes18to23Shown;
    bool coGroupShown;
    bool coExclusionEnabled;
    std::optional<bool> tubeTemperatureShown;
    bool trhAuxShown;
    // The outer page the adaptation ends on.
    int finalPage;
    // The outer pages the window walks through, in order, once every window is ready.
    std::vector<int> readyPages;
    bool secondPascal;
    bool loadsModelDefault;
    // Whether the alarms' parameter trees may be used; each still follows its check box.
    bool alarmTreesEnabled;

    bool refusesPage(int page) const { return Lists(refusedPages, page); }
    bool refusesAlarmTab(int tab) const { return Lists(refusedAlarmTabs, tab); }
    bool leavesPage(int page) const { return Lists(pagesLeft, page); }

  private:
    static bool Lists(const std::vector<int>& values, int value);
};

// The group of a model, or null for a model of no group (only the common steps apply).
const ModelGroup* FindModelGroup(std::uint8_t model);

// Whether the model stores a country (the country list is shown for it).
bool StoresCountry(std::uint8_t model);

}  // namespace kilnward::form
