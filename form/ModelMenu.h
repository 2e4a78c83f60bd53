#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/InstrumentEntry.h"

namespace kilnward::app {
class Translator;
}

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
    // The model a window starts with: the last entry naming `model` is chosen.
    // A model no entry offers is still adapted to when it is given; the stored model
    // (`model` empty) falls back to entry 0 instead.
    void start(std::optional<std::uint8_t> model);
    // Chooses the last entry naming the stored model, entry 0 when none does.
    void chooseStoredModel();
    // Runs the first checked entry's click again, or re-adapts to a model no entry offers;
    // false when no model is selected.
    bool rechooseChecked();
    // Whether a choice is stored under "InstrumentIDselected" (the editor's menu does;
    // a command-line run leaves the user's setting alone).
    void setStoresChoice(bool stores) { storesChoice_ = stores; }

    // The model identifier an entry's tag names.
    static std::uint8_t EntryModel(const MenuItem& entry);

  private:
    bool select(std::uint8_t model, MenuItem* entry);
    // The last entry offering `model` (it wins where two name one model), or none.
    MenuItem* lastEntryOf(std::uint8_t model) const;

    MainForm& window_;
    bool storesChoice_ = true;
};

// Why nothing can talk to an analyser when the catalogue offers no model: names the
// catalogue file.
QString NoModelKnownText(app::Translator& translator);

}  // namespace kilnward::form
