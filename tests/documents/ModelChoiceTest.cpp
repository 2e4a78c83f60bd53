// Choosing a model and starting a session: a session's fields depend on the model it starts
// with and the program folder's files, never on the model the window last stored; choosing a
// model keeps what the user has not given up (the change record, the changed mark).

#include <QDir>
#include <QFile>

#include "SessionFixture.h"
#include "app/ConfigSettings.h"
#include "documents/SessionComparison.h"
#include "documents/SessionStart.h"
#include "drivers/InstrumentDriver.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"
#include "form/NumericItem.h"
#include "tests/support/BinFolder.h"

namespace kilnward::documents::testing {
namespace {

using app::PromptAnswer;

// Every document's keys and values.
std::vector<std::pair<QString, QString>> AllValues(MainWindowSession& session) {
    std::vector<std::pair<QString, QString>> values;
    for (int d = 0; d < Documents::count(); ++d) {
        const auto document = Snapshot(session, d);
        values.insert(values.end(), document.begin(), document.end());
    }
    return values;
}

// A program folder holding the shipped catalogue, default documents and model default.
class ModelChoiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(test::CopyProgramData(folder.path()));
        ASSERT_TRUE(QFile::copy(test::BinaryPath("520p.cfg"), modelDefault()));
        app::ProgramFolder::set(folder.path());
        app::LoadInstrumentList();
    }
    void TearDown() override { app::ProgramFolder::reset(); }

    QString modelDefault() const { return folder.filePath("520p.cfg"); }
    QString configFile() const { return folder.filePath("Config.ini"); }
    // Config.ini holding `model` as the stored choice, or no Config.ini.
    void storeModel(std::optional<std::uint8_t> model) {
        QFile::remove(configFile());
        if (model) {
            app::WriteConfigValue(app::config::InstrumentIDselected, QString::number(*model));
        }
    }
    QByteArray configBytes() const {
        QFile file(configFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<MainWindowSession> windowSession() {
        auto session = OpenSession(prompts, translator, {std::nullopt, true});
        prompts.clear();
        return session;
    }
    static int EntryOf(MainWindowSession& session, std::uint8_t model) {
        for (form::FormItem* entry : session.window().form().members("mnuinstrumentname")) {
            if (form::ModelMenu::EntryModel(*static_cast<form::MenuItem*>(entry)) == model) {
                return entry->index();
            }
        }
        return -1;
    }

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
};

TEST_F(ModelChoiceTest, ACommandLineSessionStartsFromItsModelWhateverTheStoredModel) {
    std::vector<std::optional<std::uint8_t>> stored = {std::nullopt};
    for (std::uint8_t id : drivers::KnownModelIds()) {
        stored.emplace_back(id);
    }
    for (std::uint8_t model : drivers::KnownModelIds()) {
        storeModel(std::nullopt);
        const auto expected = AllValues(*OpenScratchSession(prompts, translator, model));
        for (const auto& previous : stored) {
            storeModel(previous);
            const QByteArray config = configBytes();
            auto session = OpenScratchSession(prompts, translator, model);
            const std::string label = "model " + std::to_string(model) + ", stored " +
                                      (previous ? std::to_string(*previous) : "none");
            EXPECT_EQ(session->window().selectedInstrumentId(), model) << label;
            EXPECT_EQ(AllValues(*session), expected) << label;
            EXPECT_EQ(configBytes(), config) << label;
        }
    }
}

TEST_F(ModelChoiceTest, TheWindowStartsLikeACommandLineSessionOfTheStoredModel) {
    for (std::uint8_t model : drivers::KnownModelIds()) {
        storeModel(model);
        auto window = windowSession();
        auto commandLine = OpenScratchSession(prompts, translator, std::nullopt);
        EXPECT_EQ(window->window().selectedInstrumentId(), model);
        EXPECT_EQ(commandLine->window().selectedInstrumentId(), model);
        EXPECT_EQ(AllValues(*window), AllValues(*commandLine)) << int{model};
    }
}

TEST_F(ModelChoiceTest, ReChoosingTheSelectedModelKeepsTheChangeRecord) {
    storeModel(10);
    auto session = windowSession();
    session->window().form().numeric("TDBNumCOthrs").setValue(321);
    ASSERT_EQ(session->changes().changeCount(), 1);
    ASSERT_TRUE(session->window().modelMenu().choose(EntryOf(*session, 10)));
    EXPECT_EQ(session->changes().changeCount(), 1);
    EXPECT_TRUE(session->documents()[kConfigurationDocument].Dirty());
    // Another model is a new starting point.
    ASSERT_TRUE(session->window().modelMenu().choose(EntryOf(*session, 11)));
    EXPECT_EQ(session->changes().changeCount(), 0);
}

TEST_F(ModelChoiceTest, AModelDefaultThatFailsToLoadKeepsTheChangedMark) {
    struct Case {
        const char* name;
        bool defaultPresent;
        bool dirtyAfter;
        bool editKept;
    };
    const Case cases[] = {
        {"default loads", true, false, false},
        {"default missing", false, true, true},
    };
    for (const Case& c : cases) {
        storeModel(10);
        if (!c.defaultPresent) {
            QFile::remove(modelDefault());
        }
        auto session = windowSession();
        form::NumericItem& threshold = session->window().form().numeric("TDBNumCOthrs");
        threshold.setValue(321);
        ASSERT_TRUE(session->documents()[kConfigurationDocument].Dirty());
        prompts.queueAnswer(PromptAnswer::No);
        EXPECT_TRUE(session->window().selectModel(14)) << c.name;
        EXPECT_EQ(session->window().selectedInstrumentId(), 14) << c.name;
        EXPECT_EQ(session->documents()[kConfigurationDocument].Dirty(), c.dirtyAfter) << c.name;
        EXPECT_EQ(threshold.value() == 321.0, c.editKept) << c.name;
        prompts.clear();
        if (!c.defaultPresent) {
            ASSERT_TRUE(QFile::copy(test::BinaryPath("520p.cfg"), modelDefault()));
        }
    }
}

TEST_F(ModelChoiceTest, AMissingModelDefaultIsToldOnceByName) {
    QFile::remove(modelDefault());
    const QString expected = "Not found or damaged file " +
                             QDir::toNativeSeparators(modelDefault()) +
                             ": the model's default configuration was not loaded and the values "
                             "shown stay.";
    for (std::uint8_t model : {std::uint8_t{14}, std::uint8_t{15}, std::uint8_t{20}}) {
        storeModel(10);
        auto session = windowSession();
        session->window().selectModel(model);
        EXPECT_EQ(prompts.messages(), std::vector<QString>({expected})) << int{model};
        // The window's start with the model stored says it once as well.
        storeModel(model);
        prompts.clear();
        auto started = OpenSession(prompts, translator, {std::nullopt, true});
        EXPECT_EQ(prompts.messages(), std::vector<QString>({expected})) << int{model};
        prompts.clear();
    }
}

TEST_F(ModelChoiceTest, NoKnownModelChoosesAndStoresNothing) {
    // A catalogue whose only model has no driver.
    QFile param(folder.filePath("Param.ini"));
    ASSERT_TRUE(param.open(QIODevice::ReadOnly));
    QByteArray text = param.readAll();
    param.close();
    text.truncate(text.indexOf("[Instruments]"));
    text += "[Instruments]\r\nMystery 999=99\r\n";
    ASSERT_TRUE(param.open(QIODevice::WriteOnly | QIODevice::Truncate));
    param.write(text);
    param.close();
    app::LoadInstrumentList();
    storeModel(13);
    const QByteArray config = configBytes();
    auto session = windowSession();
    form::MenuItem& placeholder = session->window().form().menu("mnuinstrumentname", 0);
    EXPECT_FALSE(placeholder.checked());
    EXPECT_FALSE(placeholder.visible());
    EXPECT_EQ(session->window().currentDriver(), nullptr);
    EXPECT_EQ(configBytes(), config);
    EXPECT_EQ(
        form::NoModelKnownText(translator),
        "No analyser model is known: " + QDir::toNativeSeparators(folder.filePath("Param.ini")) +
            " names none in its [Instruments] section");
}

}  // namespace
}  // namespace kilnward::documents::testing
