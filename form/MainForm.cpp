#include "form/MainForm.h"

#include "app/Catalogue.h"
#include "app/Translator.h"
#include "app/VersionString.h"
#include "drivers/InstrumentDriver.h"
#include "form/CheckItem.h"
#include "form/CommandStep.h"
#include "form/FieldNames.h"
#include "form/FormDefinition.h"
#include "form/FormListener.h"
#include "form/FormServices.h"
#include "form/FormTranslation.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/ModelGroup.h"
#include "form/NumericItem.h"
#include "form/TabStripItem.h"
#include "form/TreeItem.h"
#include "language/LanguageManager.h"

namespace kilnward::form {

namespace {

// The lists and the position Form_Load selects in every member: their design defaults, so no
// list of a document starts without a selection.
struct DefaultSelection {
    const char* list;
    int position;
};

constexpr DefaultSelection kDefaultSelections[] = {
    {field::cboalmtype, 1},       {field::cboauxinptype, 0},     {field::cboauxinpdecnum, 3},
    {field::cboanaoutstype, 0},   {field::cboanaoutserrmode, 0}, {field::cbofuelformulatype, 1},
    {field::cboprtmodel, 0},      {field::cbocoexcl, 0},         {field::cbotctype, 0},
    {field::cbodateformat, 0},    {field::cboptprobe, 0},        {field::cboTrhAux, 0},
    {field::cbomeasunitco, 0},    {field::cbomeasunitoth, 0},    {field::cbomeasunittemp, 0},
    {field::cbomeasunitpress, 0}, {field::cboNations, 0},
};

// Inner strips in the order Form_Load selects their first tab; the outer strip comes last.
constexpr const char* kInnerStrips[] = {
    field::sstabpages, field::sstabalarms,    field::SSTabauxinp, field::SSTabanaouts,
    field::SSTabfuels, field::SSTabbargraphs, field::SSTabprinter};

// Items of a list name: the single control or every member of the array.
std::vector<FormItem*> AllNamed(const Form& form, const QString& name) {
    if (FormItem* single = form.find(name)) {
        return {single};
    }
    return form.members(name);
}

}  // namespace

MainForm::MainForm(app::Translator& translator)
    : translator_(translator),
      form_(kMainWindowName),
      editRules_(form_, services_),
      tabRules_(*this),
      adaptation_(*this),
      modelMenu_(*this),
      translation_(std::make_unique<FormTranslation>(*this)) {
    DeclareMainWindow(form_);
    form_.setEvents(this);
    applyDesignRules();
}

MainForm::~MainForm() {
    form_.setEvents(nullptr);
}

void MainForm::loadWindow(const std::vector<app::InstrumentEntry>& models,
                          std::optional<std::uint8_t> model) {
    language::TranslateWindow(translator_, *translation_);
    modelMenu_.build(models);
    modelMenu_.start(model);
    fillParameterTrees();
    selectFirstTabs();
    setDefaultSelections();
    // The analysers measure with type K thermocouples only.
    ListItem& thermocouple = form_.list(field::cbotctype);
    while (thermocouple.count() > 1) {
        thermocouple.removeEntry(thermocouple.count() - 1);
    }
    toolbarWasVisible_ = toolbarVisible_;
}

void MainForm::initparamtree(TreeItem& tree, int count) {
    for (int slot = 0; slot < count; ++slot) {
        app::AddParamNode(tree, 0, true);
    }
}

void MainForm::fillParameterTrees() {
    for (FormItem* item : form_.items()) {
        if (item->kind() == ItemKind::Tree) {
            auto& tree = static_cast<TreeItem&>(*item);
            initparamtree(tree, tree.slotCount());
        }
    }
}

void MainForm::selectFirstTabs() {
    for (const char* strip : kInnerStrips) {
        form_.tabStrip(strip).selectTab(0);
    }
    form_.tabStrip(field::SSTabconf).selectTab(0);
}

void MainForm::setDefaultSelections() {
    for (const DefaultSelection& selection : kDefaultSelections) {
        for (FormItem* item : AllNamed(form_, QString::fromLatin1(selection.list))) {
            static_cast<ListItem*>(item)->setListIndex(selection.position);
        }
    }
}

// The design state already obeys the edit rules: dependent fields start as their check
// boxes, lists and fuel count say.
void MainForm::applyDesignRules() {
    for (FormItem* box : form_.members(field::chkalmenabled)) {
        editRules_.alarmEnabling(box->index());
    }
    for (FormItem* box : form_.members(field::chkprtconf)) {
        editRules_.printLineEnabling(box->index());
    }
    for (FormItem* list : form_.members(field::cbofuelformulatype)) {
        editRules_.formulaRule(list->index());
    }
    editRules_.fuelCountRule();
}

void MainForm::finished() {
    modelMenu_.rechooseChecked();
    if (const ModelGroup* group = FindModelGroup(selectedInstrumentId_)) {
        for (int page : group->readyPages) {
            form_.tabStrip(field::SSTabconf).selectTab(page);
        }
    }
}

bool MainForm::selectModel(std::uint8_t model) {
    const CommandStep step(form_, "stepmodel", "Model change");
    return modelMenu_.selectModel(model);
}

bool MainForm::chooseModelEntry(int entry) {
    const CommandStep step(form_, "stepmodel", "Model change");
    return modelMenu_.choose(entry);
}

void MainForm::adaptToInstrument(std::uint8_t model, bool modelChanged) {
    adaptation_.adapt(model);
    if (services_) {
        services_->modelAdapted(modelChanged);
    }
}

void MainForm::translate() {
    app::LoadParameterCatalogue(translator_);
    for (FormItem* item : form_.items()) {
        if (item->kind() != ItemKind::Tree) {
            continue;
        }
        auto& tree = static_cast<TreeItem&>(*item);
        for (int node = 1; node <= tree.nodeCount(); ++node) {
            TreeItemNode& slot = tree.node(node);
            app::UpdateParamNode(
                slot, slot.parameterId(), [] {}, true);
        }
    }
    form_.menu(field::mnuAboutAbout)
        .setCaption(app::Translated(translator_, "smnuaboutabout", "&About %1% Configuration...",
                                    {app::ApplicationTitle()}));
}

void MainForm::setSelectedModel(std::uint8_t model,
                                std::unique_ptr<drivers::InstrumentDriver> driver) {
    selectedInstrumentId_ = model;
    currentDriver_ = std::move(driver);
}

void MainForm::setParameterToolbarVisible(bool visible) {
    if (toolbarVisible_ == visible) {
        return;
    }
    toolbarVisible_ = visible;
    form_.forEachListener(
        [visible](FormListener& listener) { listener.parameterToolbarVisibilityChanged(visible); });
}

void MainForm::windowMinimised() {
    toolbarWasVisible_ = toolbarVisible_;
    setParameterToolbarVisible(false);
}

void MainForm::windowRestored() {
    setParameterToolbarVisible(toolbarWasVisible_);
}

void MainForm::showErrorMessage(const QString& message) {
    if (services_) {
        services_->showErrorMessage(message);
    }
}

void MainForm::loadModelConfiguration(const QString& path) {
    if (services_) {
        services_->loadModelConfiguration(path);
    }
}

bool MainForm::mayReplaceConfiguration() {
    return !services_ || services_->mayReplaceConfiguration();
}

void MainForm::edited(FormItem& item) {
    editRules_.edited(item);
}

void MainForm::completed(NumericItem& item) {
    editRules_.completed(item);
}

void MainForm::tabChanged(TabStripItem& strip, int previousTab) {
    tabRules_.tabChanged(strip, previousTab);
}

void MainForm::paramNodeAssigned(TreeItem& tree, int node, std::uint8_t parameterId) {
    app::UpdateParamNode(
        tree.node(node), parameterId,
        [this, &tree] {
            if (services_) {
                services_->markDocumentDirty(tree);
            }
        },
        true);
}

}  // namespace kilnward::form
