// The changes since the baseline as rows: field key, place and caption, both values as the
// window shows them, the document; and when the session takes the baseline again.

#include "SessionFixture.h"
#include "app/Catalogue.h"
#include "documents/ChangeTracker.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "tests/support/BinFolder.h"

namespace kilnward::documents::testing {
namespace {

class FieldDifferencesTest : public SessionFixture {
  protected:
    // Sets the fields one way, takes the baseline, then sets them the other way.
    void editFromKnownValues() {
        setValues(1000, 0, form::CheckItem::kChecked, true, QStringLiteral("Via Roma 12"));
        session->changes().takeBaseline();
        setValues(1234.5, 2, form::CheckItem::kUnchecked, false, QStringLiteral("Via Po 3"));
    }
    void setValues(double threshold, int unit, int alarm, bool leftToRight, const QString& line) {
        form().numeric("TDBNumCOthrs").setValue(threshold);
        form().list("cbomeasunitco").setListIndex(unit);
        form().check("chkalmenabled", 1).setValue(alarm);
        form().option(leftToRight ? "Optbargraphl2r" : "Optbargraphr2l", 2).setValue(true);
        form().text("txtheaderline", 2).setText(line);
    }
    QStringList rows() const {
        QStringList lines;
        for (const FieldDifference& row : session->changes().changes()) {
            lines << QStringList{row.key, row.title, row.before, row.after, row.documentName}.join(
                u'|');
        }
        return lines;
    }
};

TEST_F(FieldDifferencesTest, RowsNameTheFieldBothShownValuesAndTheDocumentInFormOrder) {
    editFromKnownValues();
    EXPECT_EQ(rows(),
              QStringList({
                  "frmMain!txtheaderline#2|Printer / Header / Header line 2|Via Roma 12|Via Po "
                  "3|Header data",
                  "frmMain!chkalmenabled#1|Alarms / Alarm 2 / Alarm enabled|Yes|No|Configuration "
                  "data",
                  "frmMain!TDBNumCOthrs|General / CO threshold [ppm]|1000.000|1234.500|"
                  "Configuration data",
                  "frmMain!cbomeasunitco|General / Measure unit for CO|ppm|mg/KWh|Configuration "
                  "data",
                  // The two option buttons of a bar graph are one field, named by its label.
                  "frmMain!Optbargraphl2r#2|Bar graphs / Bar graph 3 / Direction|Left to "
                  "right|Right to left|Configuration data",
              }));
    EXPECT_EQ(session->changes().changeCount(), 5);
    EXPECT_TRUE(session->changes().isChanged(form().option("Optbargraphr2l", 2)));
    EXPECT_FALSE(session->changes().isChanged(form().text("txtheaderline", 3)));

    // Back to the baseline's value: no longer changed.
    form().numeric("TDBNumCOthrs").setValue(1000);
    EXPECT_EQ(session->changes().changeCount(), 4);

    // After a change of language the value of before reads in the new one too.
    form().list("cbomeasunitco").setEntryText(0, "ppm (new)");
    EXPECT_EQ(session->changes().changes().at(2).before, "ppm (new)");

    // The header lines' four "Enabled" boxes are told apart by their number.
    form::CheckItem& second = form().check("chkprtconf", 2);
    second.setValue(second.isUnchecked() ? form::CheckItem::kChecked : form::CheckItem::kUnchecked);
    EXPECT_EQ(session->changes().changes().front().title, "Printer / Header / Enabled (2)");
}

// A parameter list shows only the slots that changed, so a long list does not hide them.
TEST_F(FieldDifferencesTest, AParameterListShowsTheSlotsThatChanged) {
    app::LoadParameterCatalogue(translator, test::BinaryPath("Param.ini"));
    ASSERT_NE(app::Params().entryForId(1).Name, app::Params().entryForId(2).Name);
    form::TreeItem& page = form().tree("trvpage", 0);
    ASSERT_GE(page.nodeCount(), 5);
    page.assignParameter(2, 1);
    page.assignParameter(5, 1);
    session->changes().takeBaseline();
    page.assignParameter(5, 2);
    const std::vector<FieldDifference> changes = session->changes().changes();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].before, app::Params().entryForId(1).Name + " - 5");
    EXPECT_EQ(changes[0].after, app::Params().entryForId(2).Name + " - 5");
    EXPECT_EQ(changes[0].place, "Pages / Page 1");
    EXPECT_TRUE(changes[0].caption.isEmpty()) << changes[0].caption.toStdString();
}

TEST_F(FieldDifferencesTest, LoadingADocumentTakesItsBaselineAndAModelChangeTakesAll) {
    documents().setFileName(kHeaderDocument, path("saved.hdr"));
    ASSERT_TRUE(files().SaveDocument(kHeaderDocument));
    editFromKnownValues();
    ASSERT_TRUE(files().LoadDocument(path("saved.hdr"), kHeaderDocument, false));
    const QStringList afterLoad = rows();
    EXPECT_EQ(afterLoad.size(), 4);
    EXPECT_FALSE(afterLoad.join(u'\n').contains("Header data"));

    ASSERT_TRUE(session->window().selectModel(13));
    EXPECT_TRUE(rows().isEmpty());
}

}  // namespace
}  // namespace kilnward::documents::testing
