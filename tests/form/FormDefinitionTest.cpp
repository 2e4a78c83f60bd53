#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "form/CheckItem.h"
#include "form/Form.h"
#include "form/FormDefinition.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::form {
namespace {

class FormDefinitionTest : public ::testing::Test {
  protected:
    FormDefinitionTest() : form(kMainWindowName) { DeclareMainWindow(form); }
    Form form;
};

struct ArrayRange {
    const char* name;
    int first;
    int last;
};

TEST_F(FormDefinitionTest, ControlArraysHaveTheirExactIndexRanges) {
    const ArrayRange ranges[] = {
        {"fraconf", 0, 9},
        {"frapages", 0, 5},
        {"trvpage", 0, 5},
        {"fraprinter", 0, 4},
        {"chkprtconf", 0, 24},
        {"txtheaderline", 1, 4},
        {"txtlawline", 6, 8},
        {"trvprtcombparam", 0, 0},
        {"trvprtrefparam", 0, 0},
        {"fraalarms", 0, 6},
        {"chkalmenabled", 0, 5},
        {"cboalmtype", 0, 5},
        {"TDBNumalmval", 0, 5},
        {"trvalmparam", 0, 5},
        {"TDBNumalmvaloth", 0, 0},
        {"Fraauxinp", 0, 1},
        {"cboauxinptype", 0, 1},
        {"txtauxinpengunit", 0, 1},
        {"txtauxinpparamname", 0, 1},
        {"cboauxinpdecnum", 0, 1},
        {"TDBNumauxinplow", 0, 1},
        {"TDBNumauxinphigh", 0, 1},
        {"Fraanaouts", 0, 3},
        {"cboanaoutstype", 0, 3},
        {"cboanaoutserrmode", 0, 3},
        {"TDBNumanaoutlow", 0, 3},
        {"TDBNumanaouthigh", 0, 3},
        {"trvanaoutsparam", 0, 3},
        {"TDBNumtimers", 0, 10},
        {"lblsec", 0, 10},
        {"frafuels", 0, 9},
        {"txtfuelname", 0, 9},
        {"cbofuelformulatype", 0, 9},
        {"TDBNumpark1", 0, 9},
        {"TDBNumparmh2o", 0, 9},
        {"TDBNumparQnet", 0, 9},
        {"TDBNumparTuboRisc", 0, 9},
        {"frabargraphs", 0, 5},
        {"Optbargraphl2r", 0, 5},
        {"Optbargraphr2l", 0, 5},
        {"TDBNumbargraphlow", 0, 5},
        {"TDBNumbargraphhigh", 0, 5},
        {"trvbargraphparam", 0, 5},
        {"txtserviceline", 0, 2},
        {"mnudataload", 0, 4},
        {"mnudatasave", 0, 4},
        {"mnudatasaveas", 0, 4},
        {"mnuinstrumentname", 0, 0},
    };
    for (const ArrayRange& range : ranges) {
        const auto members = form.members(range.name);
        ASSERT_EQ(members.size(), size_t(range.last - range.first + 1)) << range.name;
        EXPECT_EQ(members.front()->index(), range.first) << range.name;
        EXPECT_EQ(members.back()->index(), range.last) << range.name;
        EXPECT_EQ(form.find(range.name), nullptr) << range.name << " is an array";
    }
}

TEST_F(FormDefinitionTest, PrinterBoxesBelongToTheirDocuments) {
    for (int i = 0; i <= 24; ++i) {
        const QString expected = i >= 1 && i <= 4 ? "Khdr" : i >= 6 && i <= 8 ? "Klaw" : "Kcfg";
        EXPECT_EQ(form.check("chkprtconf", i).tag(), expected) << i;
    }
    EXPECT_EQ(form.check("chkprtconf", 12).caption(), "Enable &date/time");
    EXPECT_EQ(form.check("chkprtconf", 24).caption(), "Enable not&es");
}

TEST_F(FormDefinitionTest, EachDocumentHoldsItsControls) {
    std::map<QString, int> perDocument;
    for (const FormItem* item : form.items()) {
        if (item->tag().endsWith(item->documentTag()) && item->documentTag().startsWith('K')) {
            ++perDocument[item->documentTag()];
        }
    }
    EXPECT_EQ(perDocument["Khdr"], 8);
    EXPECT_EQ(perDocument["Klaw"], 6);
    EXPECT_EQ(perDocument["Ksrv"], 3);
    // Ten fuels of 14 fields and the number of fuels.
    EXPECT_EQ(perDocument["Kfue"], 10 * 14 + 1);
    EXPECT_EQ(form.list("cboanaoutstype", 2).tag(), "xKcfg");
    EXPECT_EQ(form.list("cbofuelformulatype", 9).tag(), "xKfue");
    EXPECT_EQ(form.numeric("TDBNumparTuboRisc", 0).tag(), "Kfue");
    EXPECT_EQ(form.item("lblsec", 3).tag(), "");
}

struct TimerRow {
    int index;
    double minimum;
    double maximum;
    double value;
    const char* unit;
};

TEST_F(FormDefinitionTest, TimersHaveTheirRangesDefaultsAndUnits) {
    const TimerRow rows[] = {
        {0, 30, 300, 180, "sec."},   {1, 15, 9999, 15, "sec."},  {2, 1, 300, 180, "sec."},
        {3, 1, 300, 180, "sec."},    {4, 1, 300, 60, "sec."},    {5, -9999, 1800, 0, "sec."},
        {8, -9999, 1800, 0, "sec."}, {9, 30, 1800, 300, "min."}, {10, 30, 180, 60, "min."}};
    for (const TimerRow& row : rows) {
        const NumericItem& timer = form.numeric("TDBNumtimers", row.index);
        EXPECT_EQ(timer.minimum(), row.minimum) << row.index;
        EXPECT_EQ(timer.maximum(), row.maximum) << row.index;
        EXPECT_EQ(timer.value(), row.value) << row.index;
        EXPECT_EQ(form.item("lblsec", row.index).caption(), row.unit) << row.index;
    }
    EXPECT_EQ(form.numeric("TDBNumtimers", 6).caption(), "P&2 leak decay time");
}

TEST_F(FormDefinitionTest, FuelFieldsHaveTheirSpecialMembers) {
    const NumericItem& k1 = form.numeric("TDBNumpark1", 0);
    EXPECT_EQ(k1.value(), 0.225);
    EXPECT_EQ(k1.maximum(), 999.999);
    EXPECT_EQ(k1.format(), "##0.000;  Minus ##0.000");
    EXPECT_EQ(form.numeric("TDBNumpark1", 1).value(), 0.0);
    // Fuel #9's K2 is declared like its nine siblings, not with a comma typo in its format.
    EXPECT_EQ(form.numeric("TDBNumpark2", 8).minimum(), -99999.9999);
    EXPECT_EQ(form.numeric("TDBNumpark2", 8).maximum(), 99999.9999);
    EXPECT_EQ(form.numeric("TDBNumpark2", 8).format(), "####0.0000");
    EXPECT_EQ(form.numeric("TDBNumpark2", 9).maximum(), 99999.9999);
    EXPECT_EQ(form.numeric("TDBNumparknet", 4).format(), "####0.000");
    EXPECT_EQ(form.numeric("TDBNummaxfuels").minimum(), 1);
    EXPECT_EQ(form.numeric("TDBNummaxfuels").value(), 1);
    EXPECT_EQ(form.text("txtfuelname", 5).maxLength(), 16);
}

TEST_F(FormDefinitionTest, OtherFieldsHaveTheirRangesAndDefaults) {
    EXPECT_EQ(form.numeric("TDBNumprtcopies").minimum(), 1);
    EXPECT_EQ(form.numeric("TDBNumprtcopies").maximum(), 5);
    EXPECT_EQ(form.numeric("TDBNumprtcopies").value(), 2);
    EXPECT_EQ(form.numeric("TDBNumalmvaloth", 0).value(), 35);
    EXPECT_EQ(form.numeric("TDBNumpercno2_nox").value(), 3.0);
    EXPECT_EQ(form.numeric("TDBNumCOthrs").value(), 1000);
    EXPECT_EQ(form.numeric("TDBNumauxinphigh", 1).value(), 100);
    EXPECT_EQ(form.text("txtauxinpengunit", 0).maxLength(), 6);
    EXPECT_EQ(form.text("txtauxinpparamname", 1).maxLength(), 4);
    EXPECT_EQ(form.text("txtlawline", 7).maxLength(), 16);
    EXPECT_TRUE(form.option("Optbargraphl2r", 3).value());
    EXPECT_FALSE(form.option("Optbargraphr2l", 3).value());
    EXPECT_EQ(form.item("lblheaderline", 3).caption(), "Header line &3");
    EXPECT_EQ(form.item("lbllawline", 8).caption(), "Law line &3");
}

TEST_F(FormDefinitionTest, ListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(form.list("cbomeasunitpress").entries(),
              QStringList({"hPa", "mbar", "mmH2O", "inH2O", "Pascal", "mmHg", "inHg", "matm", "psi",
                           "psf"}));
    EXPECT_EQ(form.list("cboNations").count(), 11);
    EXPECT_EQ(form.list("cboNations").entries().last(), "Other");
    EXPECT_EQ(form.list("cbofuelformulatype", 0).entries().at(4), "UNI 10389");
    EXPECT_EQ(form.list("cboauxinptype", 1).entries().at(3), "1- 5 V");
    EXPECT_EQ(form.list("cbotctype").entries(), QStringList({"K", "N", "S"}));
    EXPECT_EQ(form.list("cboalmtype", 0).listIndex(), -1);
}

TEST_F(FormDefinitionTest, ItemsSitInTheirFramesAndTabs) {
    const FormItem& name = form.item("txtfuelname", 3);
    ASSERT_NE(name.container(), nullptr);
    EXPECT_EQ(name.container()->name(), "frafuels");
    EXPECT_EQ(name.container()->index(), 3);
    const FormItem& frame = *name.container();
    EXPECT_EQ(frame.container()->name(), "SSTabfuels");
    EXPECT_EQ(frame.containerTab(), 3);
    EXPECT_FALSE(frame.visible());
    EXPECT_TRUE(form.item("frafuels", 0).visible());
    EXPECT_EQ(form.item("chkprtconf", 2).container(), &form.item("fraprinter", 3));
    EXPECT_EQ(form.item("lblmeasunitco").container(), &form.item("Frameasunits"));
    EXPECT_EQ(form.item("fraconf", 7).containerTab(), 7);
    EXPECT_EQ(form.tabStrip("SSTabconf").tabCaptions().at(8), "Bar graphs");
    EXPECT_EQ(form.tabStrip("sstabalarms").tabCount(), 7);
}

TEST_F(FormDefinitionTest, PagesOfTabStripsAreKnownAsSuch) {
    int pages = 0;
    for (const FormItem* item : form.items()) {
        if (item->isTabPage()) {
            ++pages;
            EXPECT_EQ(item->container()->kind(), ItemKind::TabStrip) << item->name().toStdString();
            EXPECT_EQ(item->containerTab(), item->index()) << item->name().toStdString();
        }
    }
    // 10 outer pages, 6 + 5 + 7 + 2 + 4 + 10 + 6 inner ones.
    EXPECT_EQ(pages, 50);
    EXPECT_FALSE(form.item("Frameasunits").isTabPage());
    EXPECT_FALSE(form.item("SSTabfuels").isTabPage());
}

// Every access key reaches a field: a label's goes to the field it names, in the same
// frame; a field with its own caption is its own target. Every list and text line is
// named by exactly one label.
TEST_F(FormDefinitionTest, LabelsNameTheirFields) {
    std::map<const FormItem*, int> namedBy;
    for (const FormItem* item : form.items()) {
        const std::string name = item->name().toStdString() + '#' + std::to_string(item->index());
        switch (item->kind()) {
            case ItemKind::Label:
                if (item->caption().contains(u'&')) {
                    ASSERT_NE(item->buddy(), nullptr) << name;
                }
                if (const FormItem* field = item->buddy()) {
                    EXPECT_EQ(field->container(), item->container()) << name;
                    ++namedBy[field];
                }
                break;
            case ItemKind::Numeric:
            case ItemKind::Check:
            case ItemKind::Option:
                EXPECT_EQ(item->buddy(), item) << name;
                break;
            default:
                EXPECT_EQ(item->buddy(), nullptr) << name;
        }
    }
    for (const FormItem* item : form.items()) {
        if (item->kind() == ItemKind::List || item->kind() == ItemKind::Text) {
            EXPECT_EQ(namedBy[item], 1) << item->name().toStdString() << '#' << item->index();
        }
    }
    EXPECT_EQ(form.item("lblbargraphdirection", 4).buddy(), &form.item("Optbargraphl2r", 4));
    EXPECT_EQ(form.item("lblsec", 3).buddy(), nullptr);
}

TEST_F(FormDefinitionTest, MenuTreeHasCaptionsAndShortcuts) {
    EXPECT_EQ(form.menu("mnuFileNew").shortcut(), "Ctrl+N");
    EXPECT_EQ(form.menu("mnuFileOpen").shortcut(), "Ctrl+O");
    EXPECT_EQ(form.menu("mnuFileSave").shortcut(), "Ctrl+S");
    EXPECT_EQ(form.menu("mnufilesend").shortcut(), "F5");
    EXPECT_EQ(form.menu("mnufileget").shortcut(), "F6");
    EXPECT_EQ(form.menu("mnudataviewfiles").shortcut(), "Ctrl+V");
    EXPECT_EQ(form.menu("mnuFileNew").container(), &form.item("mnufile"));
    EXPECT_TRUE(form.menu("mnuFileBar1").isSeparator());
    EXPECT_EQ(form.menu("mnudatasaveas", 1).caption(), "Save &fuels as...");
    EXPECT_EQ(form.menu("mnudataload", 4).caption(), "Load &service...");
    EXPECT_EQ(form.menu("mnuinstrumentname", 0).container(), &form.item("mnuinstrument"));
}

TEST_F(FormDefinitionTest, OrderIsTheSameForEveryWindow) {
    Form other(kMainWindowName);
    DeclareMainWindow(other);
    ASSERT_EQ(other.items().size(), form.items().size());
    for (size_t i = 0; i < form.items().size(); ++i) {
        EXPECT_EQ(other.items()[i]->name(), form.items()[i]->name());
        EXPECT_EQ(other.items()[i]->index(), form.items()[i]->index());
    }
    EXPECT_EQ(form.find("txtheaderline", 1)->windowName(), "frmMain");
}

}  // namespace
}  // namespace kilnward::form
