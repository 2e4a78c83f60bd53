#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "FormFixture.h"
#include "form/CheckItem.h"
#include "form/FormListener.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "form/UserEdit.h"

namespace kilnward::form::testing {
namespace {

struct Announcement {
    QString item;
    ItemChange change;
    ChangeOrigin origin;
    bool operator==(const Announcement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Announcement& a) {
    return out << a.item.toStdString() << '/' << static_cast<int>(a.change) << '/'
               << static_cast<int>(a.origin);
}

class Recorder : public FormListener {
  public:
    void itemChanged(FormItem& item, ItemChange change, ChangeOrigin origin) override {
        const QString key =
            item.isArrayMember() ? item.name() + u'#' + QString::number(item.index()) : item.name();
        heard.push_back({key, change, origin});
    }
    std::vector<Announcement> heard;
};

// One setter of one item kind: what a first call announces; a second, identical call
// changes nothing and must announce nothing.
struct SetterCase {
    const char* name;
    std::function<void(Form&)> set;
    std::vector<std::pair<const char*, ItemChange>> expected;
};

constexpr auto P = ChangeOrigin::Program;

const std::vector<SetterCase>& SetterCases() {
    static const std::vector<SetterCase> cases = {
        {"caption",
         [](Form& f) { f.item("lbltctype").setCaption("x"); },
         {{"lbltctype", ItemChange::Caption}}},
        {"enabled",
         [](Form& f) { f.item("cbocoexcl").setEnabled(false); },
         {{"cbocoexcl", ItemChange::Enabled}}},
        {"visible",
         [](Form& f) { f.item("lbltctype").setVisible(false); },
         {{"lbltctype", ItemChange::Visible}}},
        {"numeric value",
         [](Form& f) { f.numeric("TDBNumCOthrs").setValue(12); },
         {{"TDBNumCOthrs", ItemChange::Value}}},
        {"numeric empty",
         [](Form& f) { f.numeric("TDBNumCOthrs").setEmpty(); },
         {{"TDBNumCOthrs", ItemChange::Value}}},
        {"numeric format",
         [](Form& f) { f.numeric("TDBNumCOthrs").setFormat("0"); },
         {{"TDBNumCOthrs", ItemChange::Format}}},
        {"numeric caption colour",
         [](Form& f) { f.numeric("TDBNumCOthrs").setCaptionGreyed(true); },
         {{"TDBNumCOthrs", ItemChange::CaptionColour}}},
        {"list selection",
         [](Form& f) { f.list("cbodateformat").setListIndex(1); },
         {{"cbodateformat", ItemChange::Value}}},
        {"list entry text",
         [](Form& f) { f.list("cbodateformat").setEntryText(0, "x"); },
         {{"cbodateformat", ItemChange::Entries}}},
        {"list removal before the selection",
         [](Form& f) {
             ListItem& list = f.list("cbodateformat");
             if (list.count() == 2) {
                 list.removeEntry(0);
             }
         },
         {{"cbodateformat", ItemChange::Entries}, {"cbodateformat", ItemChange::Value}}},
        {"check",
         [](Form& f) { f.check("chkprtconf", 9).setValue(CheckItem::kGrey); },
         {{"chkprtconf#9", ItemChange::Value}}},
        {"option",
         [](Form& f) { f.option("Optbargraphr2l", 2).setValue(true); },
         {{"Optbargraphr2l#2", ItemChange::Value}, {"Optbargraphl2r#2", ItemChange::Value}}},
        {"text",
         [](Form& f) { f.text("txtserviceline", 1).setText("x"); },
         {{"txtserviceline#1", ItemChange::Value}}},
        {"tree selection",
         [](Form& f) { f.tree("trvpage", 0).selectNode(2); },
         {{"trvpage#0", ItemChange::Selection}}},
        {"tree drop highlight",
         [](Form& f) { f.tree("trvpage", 0).dragOver(4); },
         {{"trvpage#0", ItemChange::Selection}}},
        {"tab selection",
         [](Form& f) { f.tabStrip("SSTabfuels").selectTab(2); },
         {{"SSTabfuels", ItemChange::Selection},
          {"frafuels#0", ItemChange::Visible},
          {"frafuels#2", ItemChange::Visible}}},
        {"tab caption",
         [](Form& f) { f.tabStrip("SSTabfuels").setTabCaption(1, "x"); },
         {{"SSTabfuels", ItemChange::Tabs}}},
        {"tab available",
         [](Form& f) { f.tabStrip("SSTabfuels").setTabAvailable(1, false); },
         {{"SSTabfuels", ItemChange::Tabs}}},
        {"menu check",
         [](Form& f) { f.menu("mnuFileSave").setChecked(true); },
         {{"mnuFileSave", ItemChange::Checked}}},
    };
    return cases;
}

class ChangeContractTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
        form().addListener(&recorder);
    }
    void TearDown() override {
        form().removeListener(&recorder);
        FormFixture::TearDown();
    }
    Recorder recorder;
};

TEST_F(ChangeContractTest, EverySetterAnnouncesEachChangedKindOnceAndNothingWhenUnchanged) {
    for (const SetterCase& setter : SetterCases()) {
        recorder.heard.clear();
        setter.set(form());
        std::vector<Announcement> expected;
        for (const auto& [item, change] : setter.expected) {
            expected.push_back({QString::fromLatin1(item), change, P});
        }
        EXPECT_EQ(recorder.heard, expected) << setter.name;
        recorder.heard.clear();
        setter.set(form());
        EXPECT_TRUE(recorder.heard.empty()) << setter.name << " repeated";
    }
}

TEST_F(ChangeContractTest, RemovingTheSelectedEntryAnnouncesTheLostSelection) {
    ListItem& units = form().list("cbomeasunitpress");
    units.setListIndex(4);
    recorder.heard.clear();
    units.removeEntry(4);
    EXPECT_EQ(units.listIndex(), -1);
    EXPECT_EQ(recorder.heard,
              (std::vector<Announcement>{{"cbomeasunitpress", ItemChange::Entries, P},
                                         {"cbomeasunitpress", ItemChange::Value, P}}));
    recorder.heard.clear();
    units.removeEntry(3);
    EXPECT_EQ(recorder.heard,
              (std::vector<Announcement>{{"cbomeasunitpress", ItemChange::Entries, P}}));
}

TEST_F(ChangeContractTest, ADropMovesTheSelectionInOneAnnouncement) {
    TreeItem& tree = form().tree("trvbargraphparam", 1);
    tree.dragOver(1);
    recorder.heard.clear();
    tree.drop(std::uint8_t{4});
    int selections = 0;
    for (const Announcement& heard : recorder.heard) {
        selections += heard.change == ItemChange::Selection ? 1 : 0;
    }
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(tree.selectedNode(), 1);
    EXPECT_EQ(tree.node(1).parameterId(), 4);
}

TEST_F(ChangeContractTest, AddingAnItemAnnouncesIt) {
    window->modelMenu().build(AllModels());
    EXPECT_TRUE(recorder.heard.empty());
    auto entries = AllModels();
    entries.push_back({"Extra", 99});
    window->modelMenu().build(entries);
    const QString added = "mnuinstrumentname#" + QString::number(entries.size() - 1);
    ASSERT_FALSE(recorder.heard.empty());
    EXPECT_EQ(recorder.heard.front(), (Announcement{added, ItemChange::Added, P}));
}

TEST_F(ChangeContractTest, OnlyTheItemUnderAUserEditReportsTheUserAsOrigin) {
    CheckItem& box = form().check("chkalmenabled", 3);
    box.setValue(CheckItem::kUnchecked);
    recorder.heard.clear();
    {
        UserEdit edit(box);
        box.setValue(CheckItem::kChecked);
    }
    ASSERT_GE(recorder.heard.size(), 2u);
    EXPECT_EQ(recorder.heard.front(),
              (Announcement{"chkalmenabled#3", ItemChange::Value, ChangeOrigin::User}));
    // The fields the rule enables follow as the program's changes.
    EXPECT_EQ(recorder.heard[1], (Announcement{"cboalmtype#3", ItemChange::Enabled, P}));

    recorder.heard.clear();
    box.setValue(CheckItem::kUnchecked);
    EXPECT_EQ(recorder.heard.front(), (Announcement{"chkalmenabled#3", ItemChange::Value, P}));

    TextItem& line = form().text("txtserviceline", 2);
    {
        UserEdit outer(line);
        { UserEdit inner(box); }
        recorder.heard.clear();
        line.setText("typed");
    }
    EXPECT_EQ(
        recorder.heard,
        (std::vector<Announcement>{{"txtserviceline#2", ItemChange::Value, ChangeOrigin::User}}));
}

}  // namespace
}  // namespace kilnward::form::testing
