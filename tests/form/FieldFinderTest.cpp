// Finding fields by caption: folding, the way to each field through its tabs, and what the
// model hides or disables.

#include <algorithm>

#include "form/CheckItem.h"
#include "form/FieldFinder.h"
#include "form/ModelIds.h"
#include "tests/form/FormFixture.h"

namespace kilnward::form::testing {

namespace {

using model_id::kHarrier520;
using model_id::kKestrel580;

class FieldFinderTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
    }

    // The indices of the members of `name` among the matches for `text`.
    std::vector<int> found(const QString& text, const char* name) {
        std::vector<int> indices;
        for (const FieldFinder::Match& match : FieldFinder(*window).find(text)) {
            if (match.field->name() == QLatin1String(name)) {
                indices.push_back(match.field->index());
            }
        }
        return indices;
    }
};

TEST_F(FieldFinderTest, MatchesCaptionsLooselyAndGivesTheWayThroughTheTabs) {
    chooseModel(kKestrel580);
    EXPECT_EQ(FieldFinder::Folded(QStringLiteral("Temp\u00e9r&ature")),
              FieldFinder::Folded(QStringLiteral("TEMPERATURE")));
    const auto matches = FieldFinder(*window).find(QStringLiteral("  VALUE "));
    const auto second = std::find_if(matches.begin(), matches.end(), [](const auto& match) {
        return match.field->name() == QLatin1String("TDBNumalmval") && match.field->index() == 1;
    });
    ASSERT_NE(second, matches.end());
    EXPECT_EQ(second->caption, QStringLiteral("Value"));
    EXPECT_EQ(second->path, QStringList({QStringLiteral("Alarms"), QStringLiteral("Alarm 2")}));
    ASSERT_EQ(second->tabs.size(), 2u);
    EXPECT_EQ(second->tabs[0].strip->name(), QStringLiteral("SSTabconf"));
    EXPECT_EQ(second->tabs[0].tab, 2);
    EXPECT_EQ(second->tabs[1].tab, 1);
    EXPECT_EQ(found(QStringLiteral("value"), "TDBNumalmval"), std::vector<int>({0, 1, 2, 3, 4, 5}));

    // A list is known by the label naming it; its group box ends the way.
    const auto unit = FieldFinder(*window).find(QStringLiteral("unit for co"));
    ASSERT_EQ(unit.size(), 1u);
    EXPECT_EQ(unit[0].field->name(), QStringLiteral("cbomeasunitco"));
    EXPECT_EQ(unit[0].path,
              QStringList({QStringLiteral("General"), QStringLiteral("Measure units")}));
    EXPECT_TRUE(FieldFinder(*window).find(QStringLiteral(" ")).empty());
}

// The words of the page, the tab and the group box find a field as well as its own caption.
TEST_F(FieldFinderTest, MatchesThePageAndTabWordsToo) {
    chooseModel(kKestrel580);
    const struct {
        const char* text;
        const char* name;
        std::vector<int> indices;
    } cases[]{
        {"alarm value", "TDBNumalmval", {0, 1, 2, 3, 4, 5}},
        {"alarm 2 value", "TDBNumalmval", {1}},
        {"alarms value 3", "TDBNumalmval", {2}},
        {"measure units co", "cbomeasunitco", {kNoIndex}},
        {"alarm nothing", "TDBNumalmval", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(found(QLatin1String(c.text), c.name), c.indices) << c.text;
    }
}

TEST_F(FieldFinderTest, LeavesOutWhatTheModelHidesAndTellsWhatIsDisabled) {
    chooseModel(kHarrier520);
    EXPECT_TRUE(found(QStringLiteral("co threshold"), "TDBNumCOthrs").empty());
    // Alarm 5 is refused and alarm 6 unavailable for this model.
    EXPECT_EQ(found(QStringLiteral("value"), "TDBNumalmval"), std::vector<int>({0, 1, 2, 3}));
    chooseModel(kKestrel580);
    EXPECT_EQ(found(QStringLiteral("co threshold"), "TDBNumCOthrs").size(), 1u);

    for (int on : {CheckItem::kUnchecked, CheckItem::kChecked}) {
        form().check("chkalmenabled", 1).setValue(on);
        const auto matches = FieldFinder(*window).find(QStringLiteral("value"));
        const auto second = std::find_if(matches.begin(), matches.end(), [](const auto& match) {
            return match.field->name() == QLatin1String("TDBNumalmval") &&
                   match.field->index() == 1;
        });
        ASSERT_NE(second, matches.end());
        EXPECT_EQ(second->enabled, on == CheckItem::kChecked);
    }
}

}  // namespace

}  // namespace kilnward::form::testing
