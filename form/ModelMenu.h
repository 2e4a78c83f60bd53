#pragma once

#include <cstdint>
#include <vector>

#include "app/InstrumentEntry.h"

namespace kilnward::form {

class MainForm;
class MenuItem;

// The "&Instrument" menu: one entry per offered model (tag "xI" + identifier), the choice of
// a model and its storage under "InstrumentIDselected".
class ModelMenu {
  public:
    explicit ModelMenu(MainForm& window);

    // One entry per model, in list order; entry 0 exists at design time.
    void build(const std::vector<app::InstrumentEntry>& models);
    int entryCount() const;
    // mnuinstrumentname_Click: selects, checks, stores and adapts to the entry's model;
    // false when the user cancelled the save question (see MainForm::selectModel).
    bool choose(int entry);
    // MainForm::selectModel: the last entry offering `model`, or no entry.
    bool selectModel(std::uint8_t model);
    // Clicks every entry naming the stored model (the last wins), entry 0 when none does.
    void chooseStoredModel();
    // Runs the first checked entry's click again; false when none is checked.
    bool rechooseChecked();
    // Whether a choice is stored under "InstrumentIDselected" (the editor's menu does;
    // a command-line run leaves the user's setting alone).
    void setStoresChoice(bool stores) { storesChoice_ = stores; }

    // The model identifier an entry's tag names.
    static std::uint8_t EntryModel(const MenuItem& entry);

  private:
    bool select(std::uint8_t model, MenuItem* entry);

    MainForm& window_;
    bool storesChoice_ = true;
};

}  // namespace kilnward::form
