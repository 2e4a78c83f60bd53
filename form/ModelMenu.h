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
    // mnuinstrumentname_Click: selects, checks, stores and adapts to the entry's model.
    void choose(int entry);
    // Clicks every entry naming the stored model (the last wins), entry 0 when none does.
    void chooseStoredModel();
    // Runs the first checked entry's click again; false when none is checked.
    bool rechooseChecked();
    // Clicks the entry of `model`; false when the menu does not offer it.
    bool chooseModel(std::uint8_t model);
    // Whether a choice is stored under "InstrumentIDselected" (the editor's menu does;
    // a command-line run leaves the user's setting alone).
    void setStoresChoice(bool stores) { storesChoice_ = stores; }

    // The model identifier an entry's tag names.
    static std::uint8_t EntryModel(const MenuItem& entry);

  private:
    MainForm& window_;
    bool storesChoice_ = true;
};

}  // namespace kilnward::form
