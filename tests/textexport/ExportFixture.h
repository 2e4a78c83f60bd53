#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"
#include "drivers/ModelRow.h"
#include "form/Form.h"
#include "textexport/TextEditorLauncher.h"

namespace kilnward::textexport::testing {

// Records the files it is asked to open instead of starting an editor.
class RecordingEditor : public TextEditorLauncher {
  public:
    bool open(const QString& path) override {
        opened.push_back(path);
        return starts;
    }
    std::vector<QString> opened;
    bool starts = true;
};

// A loaded main window with its documents at their design defaults, in a program folder of
// its own.
class ExportFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        app::ProgramFolder::set(folder.path());
        session = std::make_unique<documents::MainWindowSession>(prompts, translator);
        std::vector<app::InstrumentEntry> models;
        for (std::uint8_t id : drivers::KnownModelIds()) {
            models.push_back({app::DriverInstrumentName(id).value_or(QString()), id});
        }
        session->load(models);
        prompts.clear();
    }
    void TearDown() override {
        session.reset();
        app::ProgramFolder::reset();
    }

    form::Form& form() { return session->window().form(); }
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    std::unique_ptr<documents::MainWindowSession> session;
    RecordingEditor editor;
};

}  // namespace kilnward::textexport::testing
