// The journal of user edits: one step per edit with what its rules changed, undo and redo
// through the setters, the dirty mark following the saved state, and the history ending
// when the program changes values itself.

#include <functional>
#include <memory>

#include "documents/EditJournal.h"
#include "form/CheckItem.h"
#include "form/CommandStep.h"
#include "form/MainForm.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/UserEdit.h"
#include "tests/documents/SessionFixture.h"

namespace kilnward::documents::testing {

namespace {

class EditJournalTest : public SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        journal = std::make_unique<EditJournal>(*session);
    }
    void TearDown() override {
        journal.reset();
        SessionFixture::TearDown();
    }

    template <typename Edit>
    static void ByUser(form::FormItem& item, Edit edit) {
        const form::UserEdit user(item);
        edit();
    }
    bool dirty(int d) { return documents()[d].Dirty(); }

    std::unique_ptr<EditJournal> journal;
};

TEST_F(EditJournalTest, UndoAndRedoRestoreValuesAndTheDirtyMarkFollowsTheSavedState) {
    auto& value = form().numeric("TDBNumalmval", 1);
    const auto original = value.value();
    ByUser(value, [&] { value.setValue(12.5); });
    ASSERT_EQ(journal->count(), 1);
    EXPECT_TRUE(dirty(kConfigurationDocument));

    journal->undo();
    EXPECT_EQ(value.value(), original);
    EXPECT_FALSE(dirty(kConfigurationDocument));
    EXPECT_EQ(journal->count(), 1);
    journal->redo();
    EXPECT_EQ(value.value(), 12.5);
    EXPECT_TRUE(dirty(kConfigurationDocument));

    // Saved with the edit: undoing it leaves the file behind, redoing comes back to it.
    ASSERT_TRUE(files().SaveDocuments({{kConfigurationDocument, path("edited.cfg")}}));
    journal->undo();
    EXPECT_TRUE(dirty(kConfigurationDocument));
    journal->redo();
    EXPECT_FALSE(dirty(kConfigurationDocument));
    EXPECT_FALSE(dirty(kFuelsDocument));

    // A new edit after an undo drops the step the saved file holds: no way back to clean.
    journal->undo();
    ByUser(value, [&] { value.setValue(3); });
    EXPECT_FALSE(journal->canRedo());
    journal->undo();
    EXPECT_TRUE(dirty(kConfigurationDocument));
}

TEST_F(EditJournalTest, TypingMergesWhileClicksAndRulesMakeStepsOfTheirOwn) {
    auto& name = form().text("txtfuelname", 0);
    const QString original = name.text();
    ByUser(name, [&] { name.setText(QStringLiteral("M")); });
    ByUser(name, [&] { name.setText(QStringLiteral("Me")); });
    EXPECT_EQ(journal->mergeNewest(), EditJournal::Merge::Merged);
    EXPECT_EQ(journal->count(), 1);

    auto& box = form().check("chkalmenabled", 2);
    const int boxWas = box.value();
    ByUser(box, [&] { box.setValue(1 - boxWas); });
    ByUser(box, [&] { box.setValue(boxWas); });
    EXPECT_EQ(journal->mergeNewest(), EditJournal::Merge::None);

    // Setting one option clears its sibling: both belong to the step.
    auto& left = form().option("Optbargraphl2r", 0);
    auto& right = form().option("Optbargraphr2l", 0);
    ASSERT_TRUE(left.value());
    ByUser(right, [&] { right.setValue(true); });
    ASSERT_EQ(journal->count(), 4);
    EXPECT_EQ(journal->step(3).changes.size(), 2u);
    journal->undo();
    EXPECT_TRUE(left.value());
    EXPECT_FALSE(right.value());

    journal->undo();
    journal->undo();
    EXPECT_EQ(box.value(), boxWas);
    journal->undo();
    EXPECT_EQ(name.text(), original);
    EXPECT_FALSE(dirty(kFuelsDocument));
    EXPECT_FALSE(dirty(kConfigurationDocument));
    EXPECT_FALSE(journal->canUndo());
}

TEST_F(EditJournalTest, AChangeByTheProgramEndsTheHistory) {
    ASSERT_TRUE(files().SaveDocuments({{kConfigurationDocument, path("saved.cfg")}}));
    auto& value = form().numeric("TDBNumalmval", 0);
    ByUser(value, [&] { value.setValue(4); });
    // An edit that changes nothing is no step.
    ByUser(value, [&] { value.setValue(4); });
    EXPECT_EQ(journal->count(), 1);
    int cleared = 0;
    journal->onCleared = [&] { ++cleared; };
    ASSERT_TRUE(files().LoadDocument(path("saved.cfg"), kConfigurationDocument, false));
    EXPECT_EQ(journal->count(), 0);
    EXPECT_EQ(cleared, 1);
    // The loaded document is the saved state of the new history.
    ByUser(value, [&] { value.setValue(5); });
    journal->undo();
    EXPECT_FALSE(dirty(kConfigurationDocument));
}

TEST_F(EditJournalTest, ValueTypedAndErasedAgainLeavesNoStepAndNoMark) {
    auto& value = form().numeric("TDBNumalmval", 1);
    const double original = value.value().value_or(0);
    ByUser(value, [&] { value.setValue(original + 4); });
    ByUser(value, [&] { value.setValue(original); });
    EXPECT_EQ(journal->mergeNewest(), EditJournal::Merge::Cancelled);
    EXPECT_EQ(journal->count(), 0);
    EXPECT_FALSE(journal->canUndo());
    EXPECT_FALSE(dirty(kConfigurationDocument));
}

// Typing in a field after one of these is a step of its own, so Undo stops at the value
// that was saved, sent or left.
TEST_F(EditJournalTest, ABoundaryEndsTheTypingBeforeIt) {
    const std::vector<std::pair<const char*, std::function<void()>>> boundaries{
        {"field left", [this] { journal->endMerge(); }},
        {"another document saved",
         [this] {
             ASSERT_TRUE(files().SaveDocuments({{kFuelsDocument, path("fuels.fue")}}));
         }},
        {"transfer", [this] { const form::CommandStep send(form(), "steptransfer", "Transfer"); }},
    };
    for (const auto& [name, cross] : boundaries) {
        SCOPED_TRACE(name);
        journal->clear();
        auto& value = form().numeric("TDBNumalmval", 1);
        const double original = value.value().value_or(0);
        ByUser(value, [&] { value.setValue(original + 1); });
        cross();
        ByUser(value, [&] { value.setValue(original + 2); });
        EXPECT_EQ(journal->mergeNewest(), EditJournal::Merge::None);
        journal->undo();
        EXPECT_EQ(value.value(), original + 1);
        journal->undo();
        EXPECT_EQ(value.value(), original);
        // An undo ends the typing too.
        ByUser(value, [&] { value.setValue(original + 3); });
        journal->undo();
        ByUser(value, [&] { value.setValue(original + 5); });
        EXPECT_EQ(journal->mergeNewest(), EditJournal::Merge::None);
    }
}

// New, a load and a change of model are one step each: undone, the values, the documents'
// names and changed marks, the model and the changed fields are as they were; redone, as
// the command left them.
TEST_F(EditJournalTest, ACommandIsOneStepThatUndoTakesBackWhole) {
    struct Case {
        const char* name;
        const char* english;
        std::function<bool()> run;
        // Without the model's default file here, a change of model keeps the values.
        bool changesValue = true;
    };
    const std::vector<Case> cases{
        {"new", "New",
         [this] {
             prompts.queueAnswer(app::PromptAnswer::No);
             return commands().fileNew();
         }},
        {"load", "Load",
         [this] {
             prompts.queueAnswer(app::PromptAnswer::No);
             prompts.queueFile(path("seven.cfg"));
             return commands().dataLoad(kConfigurationDocument);
         }},
        {"model", "Model change",
         [this] {
             prompts.queueAnswer(app::PromptAnswer::No);
             const std::uint8_t other = session->window().selectedInstrumentId() == 13 ? 14 : 13;
             return session->window().selectModel(other);
         },
         false},
    };
    // A default configuration with a value of its own, for New to reset to.
    form().numeric("TDBNumalmval", 1).setValue(33);
    ASSERT_TRUE(files().SaveDocuments(
        {{kConfigurationDocument,
          app::ProgramFolder::dataFile(documents()[kConfigurationDocument].DefaultFile)}}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& value = form().numeric("TDBNumalmval", 1);
        // A configuration file that holds another value, then a clean start.
        value.setValue(77);
        ASSERT_TRUE(files().SaveDocuments({{kConfigurationDocument, path("seven.cfg")}}));
        ASSERT_TRUE(files().SaveDocuments({{kFuelsDocument, path("kept.fue")}}));
        session->changes().takeBaseline();
        journal->clear();
        const std::uint8_t model = session->window().selectedInstrumentId();
        ByUser(value, [&] { value.setValue(12.5); });
        ASSERT_TRUE(session->changes().isChanged(value));

        ASSERT_TRUE(c.run());
        ASSERT_EQ(journal->count(), 2);
        EXPECT_STREQ(journal->step(1).english, c.english);
        const auto after = value.value();
        const QString configAfter = documents()[kConfigurationDocument].FileName();
        const bool dirtyAfter = dirty(kConfigurationDocument);
        const std::uint8_t modelAfter = session->window().selectedInstrumentId();
        EXPECT_EQ(after != 12.5, c.changesValue);
        EXPECT_EQ(modelAfter != model, !c.changesValue);

        journal->undo();
        EXPECT_EQ(value.value(), 12.5);
        EXPECT_EQ(session->window().selectedInstrumentId(), model);
        EXPECT_EQ(documents()[kConfigurationDocument].FileName(), path("seven.cfg"));
        EXPECT_TRUE(dirty(kConfigurationDocument));
        EXPECT_EQ(documents()[kFuelsDocument].FileName(), path("kept.fue"));
        EXPECT_FALSE(dirty(kFuelsDocument));
        EXPECT_TRUE(session->changes().isChanged(value));
        journal->undo();
        EXPECT_EQ(value.value(), 77);
        EXPECT_FALSE(dirty(kConfigurationDocument));

        journal->redo();
        journal->redo();
        EXPECT_EQ(value.value(), after);
        EXPECT_EQ(session->window().selectedInstrumentId(), modelAfter);
        EXPECT_EQ(documents()[kConfigurationDocument].FileName(), configAfter);
        EXPECT_EQ(dirty(kConfigurationDocument), dirtyAfter);
        EXPECT_FALSE(session->changes().isChanged(value));
        prompts.clear();
    }
}

}  // namespace

}  // namespace kilnward::documents::testing
