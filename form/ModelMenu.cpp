#include "form/ModelMenu.h"

#include <QDir>

#include <memory>

#include "app/ConfigSettings.h"
#include "app/DecimalText.h"
#include "app/ProgramFolder.h"
#include "app/Translator.h"
#include "drivers/CreateDriver.h"
#include "drivers/InstrumentDriver.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/MainForm.h"
#include "form/MenuItem.h"
#include "form/ModelGroup.h"

namespace kilnward::form {

namespace {

constexpr auto kEntryName = field::mnuinstrumentname;
constexpr auto kEntryTagPrefix = "xI";

}  // namespace

ModelMenu::ModelMenu(MainForm& window) : window_(window) {}

void ModelMenu::build(const std::vector<app::InstrumentEntry>& models) {
    Form& form = window_.form();
    const MenuItem& first = form.menu(kEntryName, 0);
    for (size_t i = 0; i < models.size(); ++i) {
        const int index = static_cast<int>(i);
        MenuItem* entry = static_cast<MenuItem*>(form.find(kEntryName, index));
        if (!entry) {
            auto added = std::make_unique<MenuItem>(first.name(), index, QString(), QString());
            added->placeIn(first.container(), kNoIndex);
            entry = static_cast<MenuItem*>(
                &form.add(std::move(added), &form.menu(kEntryName, index - 1)));
        }
        entry->setCaption(models[i].Name);
        entry->setTag(QLatin1String(kEntryTagPrefix) + QString::number(models[i].Id));
    }
    // Without a known model the design entry names none: it is never offered.
    MenuItem& placeholder = form.menu(kEntryName, 0);
    placeholder.setVisible(!models.empty());
    placeholder.setEnabled(!models.empty());
}

int ModelMenu::entryCount() const {
    return static_cast<int>(window_.form().members(kEntryName).size());
}

std::uint8_t ModelMenu::EntryModel(const MenuItem& entry) {
    const double value = app::LeadingDecimalValue(entry.tag().mid(2));
    return value >= 0 && value <= 255 ? static_cast<std::uint8_t>(value) : 0;
}

bool ModelMenu::choose(int entry) {
    MenuItem& chosen = window_.form().menu(kEntryName, entry);
    return select(EntryModel(chosen), &chosen);
}

MenuItem* ModelMenu::lastEntryOf(std::uint8_t model) const {
    MenuItem* offering = nullptr;
    for (FormItem* member : window_.form().members(kEntryName)) {
        if (EntryModel(*static_cast<MenuItem*>(member)) == model) {
            offering = static_cast<MenuItem*>(member);
        }
    }
    return offering;
}

bool ModelMenu::selectModel(std::uint8_t model) {
    return select(model, lastEntryOf(model));
}

bool ModelMenu::select(std::uint8_t model, MenuItem* entry) {
    std::unique_ptr<drivers::InstrumentDriver> driver = drivers::CreateDriver(model);
    // A model without a driver (the design entry of an empty menu) is never chosen nor stored.
    if (!driver) {
        return false;
    }
    const ModelGroup* group = FindModelGroup(model);
    // Asked before anything changes, so Cancel keeps the model as well as the data.
    if (group && group->loadsModelDefault && !window_.mayReplaceConfiguration()) {
        return false;
    }
    const bool changed = !window_.currentDriver() || window_.selectedInstrumentId() != model;
    window_.setSelectedModel(model, std::move(driver));
    for (FormItem* member : window_.form().members(kEntryName)) {
        static_cast<MenuItem*>(member)->setChecked(member == entry);
    }
    if (storesChoice_) {
        app::WriteConfigValue(app::config::InstrumentIDselected, QString::number(model));
    }
    window_.adaptToInstrument(model, changed);
    return true;
}

void ModelMenu::start(std::optional<std::uint8_t> model) {
    if (model) {
        selectModel(*model);
    } else {
        chooseStoredModel();
    }
}

void ModelMenu::chooseStoredModel() {
    const std::uint8_t stored = app::ReadSelectedInstrumentIdSetting();
    if (MenuItem* entry = lastEntryOf(stored)) {
        select(stored, entry);
    } else {
        choose(0);
    }
}

bool ModelMenu::rechooseChecked() {
    for (FormItem* member : window_.form().members(kEntryName)) {
        if (static_cast<MenuItem*>(member)->checked()) {
            choose(member->index());
            return true;
        }
    }
    if (window_.currentDriver()) {
        return select(window_.selectedInstrumentId(), nullptr);
    }
    return false;
}

QString NoModelKnownText(app::Translator& translator) {
    return translator.TranslateString(
        "nomodelknown", "No analyser model is known: %1% names none in its [Instruments] section",
        {QDir::toNativeSeparators(app::ProgramFolder::dataFile(QStringLiteral("Param.ini")))});
}

}  // namespace kilnward::form
