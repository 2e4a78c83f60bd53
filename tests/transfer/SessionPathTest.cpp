// What reaches the analyser does not depend on the path the documents took: one document set
// loaded in the window's session (started from whatever Config.ini stores, then the model
// chosen in the menu) and in a command-line session of the model encodes to the same sector.

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "app/ConfigSettings.h"
#include "documents/SessionComparison.h"
#include "documents/SessionStart.h"
#include "form/MenuItem.h"
#include "tests/support/BinFolder.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {
namespace {

using testing::NoiseSector;
using testing::RandomConfiguration;
using testing::SessionFixture;

// A random valid document set for `model`, saved as five files in `folder`.
std::vector<documents::DocumentFile> RandomDocumentSet(std::uint8_t model, const QString& folder) {
    SessionFixture generator;
    generator.chooseModel(model);
    RandomConfiguration(generator, 1000u + model);
    std::vector<documents::DocumentFile> files;
    documents::Documents& kinds = generator.session->documents();
    for (int d = 0; d < documents::Documents::count(); ++d) {
        const QString path =
            folder + QStringLiteral("/set%1.%2").arg(model).arg(kinds[d].FileTag.right(3));
        kinds.setFileName(d, path);
        EXPECT_TRUE(generator.session->files().SaveDocument(d)) << path.toStdString();
        files.push_back({d, path});
    }
    return files;
}

wirelink::ByteBuffer Encoded(documents::MainWindowSession& session, unsigned seed) {
    wirelink::ByteBuffer image = NoiseSector(seed);
    EncodeConfigSector(session.window().form(), *session.window().currentDriver(), image);
    return image;
}

TEST(SessionPath, ScreenEqualsSentWhateverConfigIniHolds) {
    QTemporaryDir sets;
    QTemporaryDir program;
    ASSERT_TRUE(sets.isValid() && program.isValid());
    std::vector<std::pair<std::uint8_t, std::vector<documents::DocumentFile>>> documentSets;
    for (std::uint8_t model : drivers::KnownModelIds()) {
        documentSets.emplace_back(model, RandomDocumentSet(model, sets.path()));
    }
    ASSERT_TRUE(test::CopyProgramData(program.path()));
    ASSERT_TRUE(QFile::copy(test::BinaryPath("520p.cfg"), program.filePath("520p.cfg")));
    app::ProgramFolder::set(program.path());
    app::LoadInstrumentList();
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    for (const auto& [model, files] : documentSets) {
        // One stored model of each group.
        for (const int storedId : {9, 10, 12, 15}) {
            const auto stored = static_cast<std::uint8_t>(storedId);
            const std::string label =
                "model " + std::to_string(model) + ", stored " + std::to_string(stored);
            app::WriteConfigValue(app::config::InstrumentIDselected, QString::number(stored));
            // The window: started from the stored model, the model then chosen in the menu.
            auto window = documents::OpenSession(prompts, translator, {std::nullopt, true});
            for (form::FormItem* entry : window->window().form().members("mnuinstrumentname")) {
                if (form::ModelMenu::EntryModel(*static_cast<form::MenuItem*>(entry)) == model) {
                    ASSERT_TRUE(window->window().modelMenu().choose(entry->index())) << label;
                }
            }
            ASSERT_TRUE(documents::LoadDocumentFiles(*window, files)) << label;
            // The command line, with Config.ini still naming the other model.
            app::WriteConfigValue(app::config::InstrumentIDselected, QString::number(stored));
            auto commandLine = documents::OpenScratchSession(prompts, translator, model);
            ASSERT_TRUE(documents::LoadDocumentFiles(*commandLine, files)) << label;
            ASSERT_EQ(window->window().selectedInstrumentId(), model) << label;
            ASSERT_EQ(commandLine->window().selectedInstrumentId(), model) << label;
            EXPECT_EQ(Encoded(*window, model), Encoded(*commandLine, model)) << label;
            // And a command-line session without documents is the model's defaults alone; it
            // leaves the stored model as it was.
            auto defaults = documents::OpenScratchSession(prompts, translator, model);
            EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected),
                      QString::number(stored))
                << label;
            app::WriteConfigValue(app::config::InstrumentIDselected, QString::number(model));
            auto fromItsOwn = documents::OpenScratchSession(prompts, translator, model);
            EXPECT_EQ(Encoded(*defaults, model), Encoded(*fromItsOwn, model)) << label;
        }
        prompts.clear();
    }
    app::ProgramFolder::reset();
}

}  // namespace
}  // namespace kilnward::transfer
