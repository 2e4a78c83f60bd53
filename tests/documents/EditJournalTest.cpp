// The journal of user edits: one step per edit with what its rules changed, undo and redo
// through the setters, the dirty mark following the saved state, and the history ending
// when the program changes values itself.

#include <memory>

#include "documents/EditJournal.h"
#include "form/CheckItem.h"
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
        journal = std::make_unique<EditJournal>(form(), documents());
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
    EXPECT_TRUE(journal->mergeNewest());
    EXPECT_EQ(journal->count(), 1);

    auto& box = form().check("chkalmenabled", 2);
    const int boxWas = box.value();
    ByUser(box, [&] { box.setValue(1 - boxWas); });
    ByUser(box, [&] { box.setValue(boxWas); });
    EXPECT_FALSE(journal->mergeNewest());

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

}  // namespace

}  // namespace kilnward::documents::testing
