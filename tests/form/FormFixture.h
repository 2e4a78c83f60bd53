#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/InstrumentEntry.h"
#include "app/ProgramFolder.h"
#include "drivers/ModelRow.h"
#include "form/Form.h"
#include "form/FormItem.h"
#include "form/FormServices.h"
#include "form/ListItem.h"
#include "form/MainForm.h"
#include "form/MenuItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"

namespace kilnward::form::testing {

// Records what the window asks of the document layer.
class RecordingServices : public FormServices {
  public:
    void markDocumentDirty(const FormItem& item) override {
        dirtyTags.push_back(item.documentTag());
    }
    void showErrorMessage(const QString& message) override { errors.push_back(message); }
    void loadModelConfiguration(const QString& path) override {
        loads.push_back(path);
        if (window) {
            pressureUnitsAtLoad = window->form().list("cbomeasunitpress").count();
        }
    }
    bool mayReplaceConfiguration() override {
        ++replaceQuestions;
        return replaceAnswer;
    }
    void clear() {
        dirtyTags.clear();
        errors.clear();
        loads.clear();
        replaceQuestions = 0;
    }

    MainForm* window = nullptr;
    std::vector<QString> dirtyTags;
    std::vector<QString> errors;
    std::vector<QString> loads;
    int pressureUnitsAtLoad = -1;
    // The answer to the save question before a model's default configuration loads.
    bool replaceAnswer = true;
    int replaceQuestions = 0;
};

// Every known model, as the model menu offers them.
inline std::vector<app::InstrumentEntry> AllModels() {
    std::vector<app::InstrumentEntry> models;
    for (std::uint8_t id : drivers::KnownModelIds()) {
        models.push_back({app::DriverInstrumentName(id).value_or(QString()), id});
    }
    return models;
}

// A loaded main window in a program folder of its own.
class FormFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        app::ProgramFolder::set(folder.path());
        window = std::make_unique<MainForm>(translator);
        services.window = window.get();
        window->setServices(&services);
    }
    void TearDown() override {
        window.reset();
        app::ProgramFolder::reset();
    }

    void load() {
        window->loadWindow(AllModels());
        services.clear();
    }

    Form& form() { return window->form(); }

    // Clicks the model menu entry of model `id`.
    void chooseModel(std::uint8_t id) {
        for (FormItem* entry : form().members("mnuinstrumentname")) {
            if (ModelMenu::EntryModel(*static_cast<MenuItem*>(entry)) == id) {
                window->modelMenu().choose(entry->index());
                return;
            }
        }
        FAIL() << "model " << int(id) << " not in the menu";
    }

    QTemporaryDir folder;
    RecordingServices services;
    app::EnglishTranslator translator;
    std::unique_ptr<MainForm> window;
};

}  // namespace kilnward::form::testing
