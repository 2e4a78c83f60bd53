#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/InstrumentEntry.h"
#include "form/EditRules.h"
#include "form/Form.h"
#include "form/FormEvents.h"
#include "form/ModelAdaptation.h"
#include "form/ModelMenu.h"
#include "form/TabRules.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::drivers {
class InstrumentDriver;
}

namespace kilnward::form {

class FormServices;
class FormTranslation;
class TreeItem;

// The headless main window frmMain: every control as a form item, the window's event
// handlers (edit rules, tab rules, parameter slots), the model menu and the model adaptation,
// and the selected model with its driver (CurrentDriver). The document layer above supplies
// the services the handlers call (dirty marking, messages, loading the model default).
class MainForm : public FormEvents {
  public:
    // `translator` gives the window's captions and messages (the session's translator).
    explicit MainForm(app::Translator& translator);
    ~MainForm() override;
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    app::Translator& translator() const { return translator_; }
    void setServices(FormServices* services) { services_ = services; }

    // Form_Load up to the documents: translation, model menu and stored model, empty
    // parameter slots, first tabs, default list selections, the thermocouple list cut to
    // "K". The document layer then resets the documents and re-applies the model. The
    // window starts with `model`, or with the stored model when none is given (ModelMenu::start).
    void loadWindow(const std::vector<app::InstrumentEntry>& models,
                    std::optional<std::uint8_t> model = std::nullopt);
    // Adds `count` empty slots (parameter 0, numbered) to `tree`.
    void initparamtree(TreeItem& tree, int count);
    // Called when every window is ready: re-applies the checked model.
    void finished();
    // Re-applies texts built from pieces after a change of language.
    void translate();

    ModelMenu& modelMenu() { return modelMenu_; }
    // Chooses analyser model `model`, for the model menu and the command line alike: the
    // menu's entry of the model is checked (none when the menu does not offer it), the
    // driver made, the choice stored (when the menu stores choices) and the window adapted.
    // A model whose default configuration would replace an edited one asks the save
    // question first; false when the user cancelled, and then nothing changed.
    bool selectModel(std::uint8_t model);
    // The same for a click on the model menu's entry `entry` (ModelMenu::choose): one step
    // that Undo takes back whole.
    bool chooseModelEntry(int entry);
    // Lays the window out for `model`, then tells the services whether the model changed.
    void adaptToInstrument(std::uint8_t model, bool modelChanged = true);
    EditRules& editRules() { return editRules_; }
    // Whether the model refuses tab `tab` of `strip` when the user clicks it.
    bool tabRefused(const TabStripItem& strip, int tab) const override {
        return tabRules_.refuses(strip, tab);
    }

    std::uint8_t selectedInstrumentId() const { return selectedInstrumentId_; }
    drivers::InstrumentDriver* currentDriver() const { return currentDriver_.get(); }
    void setSelectedModel(std::uint8_t model, std::unique_ptr<drivers::InstrumentDriver> driver);
    // What the settings dialog's infrared box starts with: the driver's Use_Infrared.
    bool useInfrared() const { return useInfrared_; }
    void setUseInfrared(bool use) { useInfrared_ = use; }

    // The floating parameter toolbar window's visibility, as the pages ask for it.
    bool parameterToolbarVisible() const { return toolbarVisible_; }
    void setParameterToolbarVisible(bool visible);
    // Form_Resize: the toolbar hides with the minimised window and comes back as it was.
    void windowMinimised();
    void windowRestored();

    // Through the services.
    void showErrorMessage(const QString& message);
    void loadModelConfiguration(const QString& path);
    bool mayReplaceConfiguration();

    // The window's translation interface.
    FormTranslation& translation() { return *translation_; }

    // FormEvents
    void edited(FormItem& item) override;
    void completed(NumericItem& item) override;
    void tabChanged(TabStripItem& strip, int previousTab) override;
    void tabClickRefused(TabStripItem& strip) override { tabRules_.clickRefused(strip); }
    void paramNodeAssigned(TreeItem& tree, int node, std::uint8_t parameterId) override;

  private:
    void fillParameterTrees();
    void selectFirstTabs();
    void setDefaultSelections();
    void applyDesignRules();

    app::Translator& translator_;
    Form form_;
    FormServices* services_ = nullptr;
    EditRules editRules_;
    TabRules tabRules_;
    ModelAdaptation adaptation_;
    ModelMenu modelMenu_;
    std::unique_ptr<FormTranslation> translation_;
    std::uint8_t selectedInstrumentId_ = 0;
    std::unique_ptr<drivers::InstrumentDriver> currentDriver_;
    bool useInfrared_ = false;
    bool toolbarVisible_ = true;
    bool toolbarWasVisible_ = true;
};

}  // namespace kilnward::form
