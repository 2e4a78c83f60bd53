#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/InstrumentEntry.h"
#include "documents/ChangeTracker.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/Documents.h"
#include "documents/MessageBoxes.h"
#include "form/FormServices.h"
#include "form/MainForm.h"

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app

namespace kilnward::documents {

// The main window with its documents: the headless form, the five documents and their
// dirty state, the document files and commands, and the message boxes. Edits of the form
// mark its documents changed; the model adaptation loads its default configuration here.
// "Changed" fields are measured against a baseline taken when the window was loaded, when a
// document is loaded or reset to its default (that document's fields), when another model
// is chosen, and when a receive is done (TakeReceivedConfiguration); saving does not take one.
class MainWindowSession : public form::FormServices {
  public:
    MainWindowSession(app::UserPrompts& prompts, app::Translator& translator);
    ~MainWindowSession() override;

    // Form_Load: the window with the offered models, then every document reset to its
    // default file and the model's adaptation applied to the fresh values. It starts with
    // `model`, or with the stored one when none is given.
    void load(const std::vector<app::InstrumentEntry>& models,
              std::optional<std::uint8_t> model = std::nullopt);

    form::MainForm& window() { return window_; }
    Documents& documents() { return documents_; }
    DocumentFiles& files() { return files_; }
    DocumentCommands& commands() { return commands_; }
    MessageBoxes& messageBoxes() { return boxes_; }
    ChangeTracker& changes() { return changes_; }

    // form::FormServices
    void markDocumentDirty(const form::FormItem& item) override;
    void showErrorMessage(const QString& message) override;
    void loadModelConfiguration(const QString& path) override;
    bool mayReplaceConfiguration() override;
    void modelAdapted(bool modelChanged) override;

  private:
    Documents documents_;
    MessageBoxes boxes_;
    form::MainForm window_;
    DocumentFiles files_;
    DocumentCommands commands_;
    ChangeTracker changes_;
    // The model whose missing or damaged default was last reported.
    std::optional<std::uint8_t> missingDefaultModel_;
};

}  // namespace kilnward::documents
