#pragma once

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"
#include "drivers/CreateDriver.h"
#include "drivers/InstrumentDriver.h"
#include "drivers/ModelRow.h"
#include "form/Form.h"
#include "form/MainForm.h"
#include "form/ModelMenu.h"
#include "transfer/SectorField.h"
#include "transfer/SectorVisitor.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::transfer::testing {

inline std::vector<app::InstrumentEntry> AllModels() {
    std::vector<app::InstrumentEntry> models;
    for (std::uint8_t id : drivers::KnownModelIds()) {
        models.push_back({app::DriverInstrumentName(id).value_or(QString()), id});
    }
    return models;
}

// A loaded main window with its documents, in a program folder of its own.
class SessionFixture {
  public:
    SessionFixture() {
        EXPECT_TRUE(folder.isValid());
        app::ProgramFolder::set(folder.path());
        // Default documents that hold no values: the window keeps its built-in values, and
        // no missing default is reported.
        const documents::Documents kinds;
        for (int d = 0; d < documents::Documents::count(); ++d) {
            QFile file(folder.filePath(kinds[d].DefaultFile));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("[General]\r\nFileType=" + kinds[d].FileTag.toLatin1() + "\r\n");
        }
        session = std::make_unique<documents::MainWindowSession>(prompts, translator);
        session->load(AllModels());
        prompts.clear();
    }
    ~SessionFixture() {
        session.reset();
        app::ProgramFolder::reset();
    }

    // Picks `model` in the model menu, as the user does.
    void chooseModel(std::uint8_t model) {
        const auto ids = drivers::KnownModelIds();
        const auto at = std::find(ids.begin(), ids.end(), model);
        ASSERT_NE(at, ids.end());
        session->window().modelMenu().choose(static_cast<int>(at - ids.begin()));
        ASSERT_EQ(session->window().selectedInstrumentId(), model);
        session->documents().cleardirtyall();
        prompts.clear();
    }

    form::Form& form() { return session->window().form(); }
    drivers::InstrumentDriver& driver() { return *session->window().currentDriver(); }

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    std::unique_ptr<documents::MainWindowSession> session;
};

// A visitor that passes every field on to another one and keeps a list of them.
class RecordingVisitor : public SectorVisitor {
  public:
    explicit RecordingVisitor(SectorVisitor& inner) : inner_(inner) {}
    std::int64_t cursor() const override { return inner_.cursor(); }
    void field(const SectorField& field) override {
        fields.push_back({field, inner_.cursor()});
        inner_.field(field);
    }
    void beginFuel(int fuel) override { inner_.beginFuel(fuel); }
    void endFuels() override { inner_.endFuels(); }

    struct Placed {
        SectorField field;
        std::int64_t offset;
    };
    std::vector<Placed> fields;

  private:
    SectorVisitor& inner_;
};

// Every field the sector map manages for the form's current model, with its place.
std::vector<RecordingVisitor::Placed> ManagedFields(SessionFixture& fixture);

// Gives every control the sector map manages a valid value that depends on `seed`, with all
// ten fuels in use.
void RandomConfiguration(SessionFixture& fixture, unsigned seed);

// A sector of `seed`-dependent noise.
wirelink::ByteBuffer NoiseSector(unsigned seed);

}  // namespace kilnward::transfer::testing
