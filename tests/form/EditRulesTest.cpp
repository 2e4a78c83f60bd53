#include <gtest/gtest.h>

#include "FormFixture.h"
#include "form/CheckItem.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::form::testing {
namespace {

class EditRulesTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
    }
};

TEST_F(EditRulesTest, UniFormulaGreysFourFieldsOfItsFuelOnly) {
    // Fuel 2 counts, so only the formula decides.
    form().numeric("TDBNummaxfuels").setValue(3);
    form().numeric("TDBNumparkgross", 2).setValue(1.5);
    services.clear();
    form().list("cbofuelformulatype", 2).setListIndex(4);
    for (const char* name : {"TDBNumparkgross", "TDBNumparknet", "TDBNumparh", "TDBNumparQgross"}) {
        EXPECT_FALSE(form().numeric(name, 2).enabled()) << name;
        EXPECT_TRUE(form().numeric(name, 2).captionGreyed()) << name;
        EXPECT_TRUE(form().numeric(name, 3).captionGreyed() == false) << name;
    }
    EXPECT_EQ(form().numeric("TDBNumparQnet", 2).caption(), "Fu&el ID [1-5]");
    EXPECT_EQ(form().numeric("TDBNumparQnet", 2).format(), "0");
    EXPECT_EQ(form().numeric("TDBNumparkgross", 2).value(), 1.5);
    EXPECT_EQ(services.dirtyTags, std::vector<QString>({"Kfue"}));

    form().list("cbofuelformulatype", 2).setListIndex(3);  // British
    EXPECT_TRUE(form().numeric("TDBNumparh", 2).enabled());
    EXPECT_FALSE(form().numeric("TDBNumparh", 2).captionGreyed());
    EXPECT_EQ(form().numeric("TDBNumparQnet", 2).caption(), "Qn&ett");
    EXPECT_EQ(form().numeric("TDBNumparQnet", 2).format(), "####0.00");
}

TEST_F(EditRulesTest, FuelCountEnablesTheFirstFuelsOnly) {
    form().numeric("TDBNummaxfuels").setValue(3);
    for (int fuel = 0; fuel < 10; ++fuel) {
        EXPECT_EQ(form().text("txtfuelname", fuel).enabled(), fuel < 3) << fuel;
        EXPECT_EQ(form().numeric("TDBNumparQnet", fuel).enabled(), fuel < 3) << fuel;
        EXPECT_TRUE(form().item("lblfuelname", fuel).enabled()) << fuel;
    }
    EXPECT_TRUE(form().tabStrip("SSTabfuels").tabAvailable(7));
    EXPECT_EQ(services.dirtyTags.back(), "Kfue");

    form().numeric("TDBNummaxfuels").setValue(10);
    EXPECT_TRUE(form().list("cbofuelformulatype", 9).enabled());
}

TEST_F(EditRulesTest, FormulaFieldsNeedTheirFuelCountedAndAFormulaThatLeavesThemFree) {
    NumericItem& count = form().numeric("TDBNummaxfuels");
    count.setValue(3);
    // The formula rule fires last: a fuel beyond the count keeps its fields disabled.
    form().list("cbofuelformulatype", 5).setListIndex(3);
    EXPECT_FALSE(form().numeric("TDBNumparh", 5).enabled());
    form().list("cbofuelformulatype", 1).setListIndex(4);
    // The count rule fires last: a UNI fuel inside the count keeps them disabled.
    count.setValue(4);
    for (const char* name : {"TDBNumparkgross", "TDBNumparknet", "TDBNumparh", "TDBNumparQgross"}) {
        EXPECT_FALSE(form().numeric(name, 1).enabled()) << name;
        EXPECT_TRUE(form().numeric(name, 3).enabled()) << name;
    }
    EXPECT_TRUE(form().numeric("TDBNumparQnet", 1).enabled());
    form().list("cbofuelformulatype", 1).setListIndex(0);
    EXPECT_TRUE(form().numeric("TDBNumparknet", 1).enabled());
}

TEST_F(EditRulesTest, FuelCountOutOfRangeCountsAsItsLimitUntilTheFieldIsLeft) {
    NumericItem& count = form().numeric("TDBNummaxfuels");
    count.setValue(0);
    EXPECT_TRUE(form().text("txtfuelname", 0).enabled());
    EXPECT_FALSE(form().text("txtfuelname", 1).enabled());
    EXPECT_EQ(count.value(), 0.0);
    count.complete();
    EXPECT_EQ(count.value(), 1.0);
    count.setValue(11);
    EXPECT_TRUE(form().text("txtfuelname", 9).enabled());
    count.complete();
    EXPECT_EQ(count.value(), 10.0);
}

TEST_F(EditRulesTest, ReducedPrintingModelDisablesUserDefinedItems) {
    form().check("chkprtconf", 1).setValue(CheckItem::kChecked);
    form().check("chkprtconf", 2).setValue(CheckItem::kUnchecked);
    form().list("cboprtmodel").setListIndex(1);
    for (int box : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 18, 24}) {
        EXPECT_FALSE(form().check("chkprtconf", box).enabled()) << box;
    }
    EXPECT_TRUE(form().check("chkprtconf", 0).enabled());
    EXPECT_TRUE(form().check("chkprtconf", 12).enabled());
    EXPECT_FALSE(form().text("txtheaderline", 1).enabled());
    EXPECT_FALSE(form().text("txtlawline", 6).enabled());
    EXPECT_FALSE(form().tree("trvprtrefparam", 0).enabled());
    EXPECT_TRUE(form().tree("trvprtcombparam", 0).enabled());

    // A box ticked meanwhile (a load, a receive) leaves its line disabled under "Reduced".
    form().check("chkprtconf", 3).setValue(CheckItem::kChecked);
    form().check("chkprtconf", 8).setValue(CheckItem::kGrey);
    EXPECT_FALSE(form().text("txtheaderline", 3).enabled());
    EXPECT_FALSE(form().text("txtlawline", 8).enabled());

    form().list("cboprtmodel").setListIndex(0);
    EXPECT_TRUE(form().text("txtheaderline", 3).enabled());
    EXPECT_TRUE(form().text("txtlawline", 8).enabled());
    EXPECT_TRUE(form().check("chkprtconf", 2).enabled());
    EXPECT_TRUE(form().text("txtheaderline", 1).enabled());
    EXPECT_FALSE(form().text("txtheaderline", 2).enabled());
    EXPECT_TRUE(form().tree("trvprtrefparam", 0).enabled());
}

TEST_F(EditRulesTest, AlarmAndLineBoxesEnableTheirFields) {
    form().check("chkalmenabled", 2).setValue(CheckItem::kChecked);
    EXPECT_TRUE(form().list("cboalmtype", 2).enabled());
    services.clear();
    form().check("chkalmenabled", 2).setValue(CheckItem::kUnchecked);
    EXPECT_FALSE(form().list("cboalmtype", 2).enabled());
    EXPECT_FALSE(form().numeric("TDBNumalmval", 2).enabled());
    EXPECT_FALSE(form().tree("trvalmparam", 2).enabled());
    EXPECT_TRUE(form().list("cboalmtype", 1).enabled() ==
                !form().check("chkalmenabled", 1).isUnchecked());
    EXPECT_EQ(services.dirtyTags, std::vector<QString>({"Kcfg"}));

    services.clear();
    form().check("chkprtconf", 7).setValue(CheckItem::kGrey);
    EXPECT_TRUE(form().text("txtlawline", 7).enabled());
    EXPECT_EQ(services.dirtyTags, std::vector<QString>({"Klaw"}));
}

TEST_F(EditRulesTest, TypingMarksTheDocumentOfTheField) {
    form().text("txtheaderline", 2).setText("Service Rossi");
    form().text("txtserviceline", 0).setText("Tel. 555");
    EXPECT_EQ(services.dirtyTags, std::vector<QString>({"Khdr", "Ksrv"}));
    services.clear();
    form().text("txtserviceline", 0).setText("Tel. 555");
    EXPECT_TRUE(services.dirtyTags.empty());
}

TEST_F(EditRulesTest, LeavingANumericFieldBringsItIntoRange) {
    NumericItem& copies = form().numeric("TDBNumprtcopies");
    copies.setValue(7);
    copies.complete();
    EXPECT_EQ(copies.value(), 5.0);
    copies.setValue(0);
    copies.complete();
    EXPECT_EQ(copies.value(), 1.0);
    NumericItem& leak = form().numeric("TDBNumtimers", 6);
    leak.setValue(2000);
    leak.complete();
    EXPECT_EQ(leak.value(), 1800.0);
    leak.setValue(-10000);
    leak.complete();
    EXPECT_EQ(leak.value(), -9999.0);
}

TEST_F(EditRulesTest, OptionPairKeepsExactlyOneSet) {
    form().option("Optbargraphr2l", 4).setValue(true);
    EXPECT_FALSE(form().option("Optbargraphl2r", 4).value());
    EXPECT_TRUE(form().option("Optbargraphl2r", 3).value());
    EXPECT_EQ(services.dirtyTags.back(), "Kcfg");
}

TEST_F(EditRulesTest, DeleteEmptiesASlotAndMarksOnlyARealChange) {
    TreeItem& page = form().tree("trvpage", 1);
    page.dragOver(3);
    page.drop(std::uint8_t{7});
    EXPECT_EQ(page.node(3).parameterId(), 7);
    EXPECT_EQ(page.selectedNode(), 3);
    EXPECT_EQ(page.dropHighlight(), 0);
    EXPECT_EQ(services.dirtyTags, std::vector<QString>({"Kcfg"}));

    services.clear();
    page.pressDelete();
    EXPECT_EQ(page.node(3).parameterId(), 0);
    EXPECT_TRUE(page.node(3).text().endsWith(" - 3"));
    EXPECT_EQ(services.dirtyTags.size(), 1u);

    services.clear();
    page.pressDelete();
    EXPECT_TRUE(services.dirtyTags.empty());
}

TEST_F(EditRulesTest, DropWithoutHighlightOrParameterChangesNothing) {
    TreeItem& tree = form().tree("trvprtcombparam", 0);
    tree.dragOver(0);
    tree.drop(std::uint8_t{5});
    tree.dragOver(2);
    tree.drop(std::nullopt);
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        EXPECT_EQ(tree.node(node).parameterId(), 0);
    }
    EXPECT_TRUE(services.dirtyTags.empty());
}

}  // namespace
}  // namespace kilnward::form::testing
