#include <cstring>

#include "SessionFixture.h"
#include "app/DecimalText.h"
#include "documents/ControlKey.h"
#include "documents/ValueEncoding.h"
#include "form/CheckItem.h"
#include "form/FieldNaming.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "tests/support/FileSizeLimit.h"

namespace kilnward::documents::testing {
namespace {

class DocumentFilesTest : public SessionFixture {
  protected:
    bool saveAs(int d, const QString& name) {
        documents().setFileName(d, path(name));
        return files().SaveDocument(d);
    }
};

TEST_F(DocumentFilesTest, KeysNameWindowControlIndexAndNode) {
    EXPECT_EQ(ControlKey(form().item("TDBNummaxfuels")), "frmMain!TDBNummaxfuels");
    EXPECT_EQ(ControlKey(form().item("txtheaderline", 1)), "frmMain!txtheaderline#1");
    EXPECT_EQ(NodeKey(form().item("trvalmparam", 0), 1), "frmMain!trvalmparam#0:1");
    EXPECT_EQ(GetIndexSuffix(form().item("cbotctype")), "");
    EXPECT_EQ(GetOwnerFormName(form().item("lblsec", 2)), "frmMain");
}

TEST_F(DocumentFilesTest, HeaderFileHasTheDocumentedLayout) {
    form().text("txtheaderline", 1).setText("first header line");
    form().check("chkprtconf", 1).setValue(form::CheckItem::kChecked);
    ASSERT_TRUE(saveAs(kHeaderDocument, "h.hdr"));
    const QStringList lines = ReadAll(path("h.hdr")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({"[General]", "FileVersion=2.0.22", "FileType=Khdr", "[Khdr]"}));
    EXPECT_TRUE(lines.contains("frmMain!txtheaderline#1=first header line"));
    EXPECT_TRUE(lines.contains("frmMain!chkprtconf#1=1"));
    EXPECT_EQ(lines.size(), 4 + 8);
    EXPECT_FALSE(documents()[kHeaderDocument].Dirty());
}

TEST_F(DocumentFilesTest, DecimalsAreWrittenWithAPointWhateverTheLocale) {
    app::OverrideDecimalSeparator(QStringLiteral(","));
    form().numeric("TDBNumpark1", 0).setValue(0.225);
    form().numeric("TDBNumpark2", 3).setValue(-12.5);
    ASSERT_TRUE(saveAs(kFuelsDocument, "f.fue"));
    const QString text = ReadAll(path("f.fue"));
    EXPECT_TRUE(text.contains("frmMain!TDBNumpark1#0=0.225\r\n"));
    EXPECT_TRUE(text.contains("frmMain!TDBNumpark2#3=-12.5\r\n"));

    form().numeric("TDBNumpark1", 0).setValue(1);
    ASSERT_TRUE(files().LoadDocument(path("f.fue"), kFuelsDocument, false));
    EXPECT_EQ(form().numeric("TDBNumpark1", 0).value(), 0.225);
    app::OverrideDecimalSeparator(QStringLiteral("."));
    form().numeric("TDBNumpark1", 0).setValue(1);
    ASSERT_TRUE(files().LoadDocument(path("f.fue"), kFuelsDocument, false));
    EXPECT_EQ(form().numeric("TDBNumpark1", 0).value(), 0.225);
    EXPECT_EQ(form().numeric("TDBNumpark2", 3).value(), -12.5);
    app::OverrideDecimalSeparator(std::nullopt);
}

TEST_F(DocumentFilesTest, SelectedOptionIsStoredAsMinusOne) {
    form().option("Optbargraphr2l", 2).setValue(true);
    ASSERT_TRUE(saveAs(kConfigurationDocument, "c.cfg"));
    const QString text = ReadAll(path("c.cfg"));
    EXPECT_TRUE(text.contains("frmMain!Optbargraphr2l#2=-1\r\n"));
    EXPECT_TRUE(text.contains("frmMain!Optbargraphl2r#2=0\r\n"));
    form().option("Optbargraphl2r", 2).setValue(true);
    ASSERT_TRUE(files().LoadDocument(path("c.cfg"), kConfigurationDocument, false));
    EXPECT_TRUE(form().option("Optbargraphr2l", 2).value());
    EXPECT_FALSE(form().option("Optbargraphl2r", 2).value());
}

TEST_F(DocumentFilesTest, FuelsFileIsRefusedAsConfiguration) {
    ASSERT_TRUE(saveAs(kFuelsDocument, "f.fue"));
    form().numeric("TDBNumCOthrs").setValue(123);
    documents().setFileName(kConfigurationDocument, path("old.cfg"));
    const auto before = Snapshot(*session, kConfigurationDocument);
    prompts.clear();

    EXPECT_FALSE(files().LoadDocument(path("f.fue"), kConfigurationDocument, false));
    EXPECT_EQ(prompts.messages(), std::vector<QString>({"Not found or damaged file."}));
    EXPECT_EQ(prompts.records().front().title, "Error message");
    EXPECT_EQ(Snapshot(*session, kConfigurationDocument), before);
    EXPECT_EQ(documents()[kConfigurationDocument].FileName(), path("old.cfg"));
    EXPECT_TRUE(documents()[kConfigurationDocument].Dirty());
}

TEST_F(DocumentFilesTest, MissingDefaultFileIsToldAndKeepsTheBuiltInValues) {
    form().text("txtserviceline", 1).setText("kept");
    EXPECT_TRUE(files().LoadDocument(path("Default.sr1"), kServiceDocument, true));
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>({"The default file " + path("Default.sr1") +
                                    " was not found: the built-in values are used."}));
    EXPECT_EQ(form().text("txtserviceline", 1).text(), "kept");
    EXPECT_TRUE(documents()[kServiceDocument].FileName().isEmpty());
    EXPECT_FALSE(documents()[kServiceDocument].Dirty());
}

// A hand-edited file may hold a longer line than the analyser keeps: the field, a save and a
// send then all see the same cut line, and the user is told which field was cut.
TEST_F(DocumentFilesTest, LinesLongerThanTheirFieldAreCutOnLoadAndTold) {
    struct Case {
        int document;
        const char* file;
        const char* name;
        int index;
        const char* stored;
        const char* kept;
    };
    const Case cases[] = {
        {kHeaderDocument, "h.hdr", "txtheaderline", 2, "ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOP"},
        {kLawDocument, "l.law", "txtlawline", 7, "Law line of twenty chars", "Law line of twen"},
        {kServiceDocument, "s.srv", "txtserviceline", 0, "0123456789abcdefX", "0123456789abcdef"},
        {kConfigurationDocument, "c.cfg", "txtauxinpengunit", 1, "mbar/s2", "mbar/s"},
        {kServiceDocument, "t.srv", "txtserviceline", 1, "Exactly sixteen.", "Exactly sixteen."},
    };
    for (const Case& c : cases) {
        const QString key = ControlKey(form().item(c.name, c.index));
        const QString tag = documents()[c.document].FileTag;
        WriteAll(path(c.file), QStringLiteral("[General]\r\nFileType=%1\r\n[%1]\r\n%2=%3\r\n")
                                   .arg(tag, key, QString::fromLatin1(c.stored))
                                   .toLatin1());
        prompts.clear();
        ASSERT_TRUE(files().LoadDocument(path(c.file), c.document, false)) << c.file;
        EXPECT_EQ(form().text(c.name, c.index).text(), c.kept) << c.name;
        const bool cut = std::strlen(c.stored) != std::strlen(c.kept);
        if (cut) {
            ASSERT_EQ(prompts.messages().size(), 1u) << c.name;
            const QString told = prompts.messages()[0];
            EXPECT_TRUE(told.contains(path(c.file))) << told.toStdString();
            EXPECT_TRUE(told.contains(form::FieldTitle(form(), form().item(c.name, c.index)) +
                                      ": \"" + c.kept + "\""))
                << told.toStdString();
        } else {
            EXPECT_TRUE(prompts.messages().empty()) << c.name;
        }
        // A save writes the line as the field shows it.
        ASSERT_TRUE(saveAs(c.document, QStringLiteral("saved-%1").arg(c.file)));
        EXPECT_TRUE(ReadAll(path(QStringLiteral("saved-%1").arg(c.file)))
                        .contains(key + "=" + c.kept + "\r\n"))
            << c.name;
    }
}

TEST_F(DocumentFilesTest, TreeOfThreeNodesIsStoredUnderThreeKeys) {
    form::Form window("frmMain");
    auto& tree = static_cast<form::TreeItem&>(
        window.add(std::make_unique<form::TreeItem>("trvtest", 2, "Kcfg", 3)));
    for (int node = 0; node < 3; ++node) {
        tree.addNode().setTag(static_cast<quint8>(10 + node));
    }
    const auto stored = EncodeControl(tree);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].key, "frmMain!trvtest#2:1");
    EXPECT_EQ(stored[1].key, "frmMain!trvtest#2:2");
    EXPECT_EQ(stored[2].key, "frmMain!trvtest#2:3");
    EXPECT_EQ(stored[2].value, "12");
}

TEST_F(DocumentFilesTest, ValuesTheControlCannotTakeAreIgnored) {
    form().list("cboalmtype", 0).setListIndex(1);
    form().tree("trvpage", 0).assignParameter(1, 4);
    form().check("chkalmenabled", 0).setValue(form::CheckItem::kChecked);
    WriteAll(path("bad.cfg"),
             "[General]\r\nFileType=Kcfg\r\n[Kcfg]\r\nfrmMain!cboalmtype#0=7\r\n"
             "frmMain!trvpage#0:1=300\r\nfrmMain!trvpage#0:2=abc\r\nfrmMain!trvpage#0:3=9\r\n"
             "frmMain!chkalmenabled#0=5\r\nfrmMain!cboalmtype#1=0\r\n");
    ASSERT_TRUE(files().LoadDocument(path("bad.cfg"), kConfigurationDocument, false));
    EXPECT_EQ(form().list("cboalmtype", 0).listIndex(), 1);
    EXPECT_EQ(form().tree("trvpage", 0).node(1).parameterId(), 4);
    EXPECT_EQ(form().tree("trvpage", 0).node(2).parameterId(), 0);
    EXPECT_EQ(form().tree("trvpage", 0).node(3).parameterId(), 9);
    EXPECT_EQ(form().check("chkalmenabled", 0).value(), form::CheckItem::kChecked);
    EXPECT_EQ(form().list("cboalmtype", 1).listIndex(), 0);
}

TEST_F(DocumentFilesTest, CheckBoxWithoutANumberReadsAsUnchecked) {
    // A check box takes the decimal reading of its text, which is 0 when there is no number.
    form().check("chkalmenabled", 1).setValue(form::CheckItem::kChecked);
    form().check("chkalmenabled", 2).setValue(form::CheckItem::kChecked);
    form().check("chkprtconf", 0).setValue(form::CheckItem::kUnchecked);
    WriteAll(path("c.cfg"),
             "[General]\r\nFileType=Kcfg\r\n[Kcfg]\r\nfrmMain!chkalmenabled#1=\r\n"
             "frmMain!chkalmenabled#2=yes\r\nfrmMain!chkprtconf#0= 1.0\r\n");
    ASSERT_TRUE(files().LoadDocument(path("c.cfg"), kConfigurationDocument, false));
    EXPECT_EQ(form().check("chkalmenabled", 1).value(), form::CheckItem::kUnchecked);
    EXPECT_EQ(form().check("chkalmenabled", 2).value(), form::CheckItem::kUnchecked);
    EXPECT_FALSE(form().list("cboalmtype", 2).enabled());
    EXPECT_EQ(form().check("chkprtconf", 0).value(), form::CheckItem::kChecked);
}

TEST_F(DocumentFilesTest, EmptyNumberIsSavedEmptyAndReadsAsZeroUnlessTheFieldAllowsEmpty) {
    form().numeric("TDBNumalmval", 3).setEmpty();
    ASSERT_TRUE(saveAs(kConfigurationDocument, "c.cfg"));
    EXPECT_TRUE(ReadAll(path("c.cfg")).contains("frmMain!TDBNumalmval#3=\r\n"));
    form().numeric("TDBNumalmval", 3).setValue(4);
    ASSERT_TRUE(files().LoadDocument(path("c.cfg"), kConfigurationDocument, false));
    // The field cannot be empty: the decimal reading of no number is 0.
    EXPECT_EQ(form().numeric("TDBNumalmval", 3).value(), 0.0);

    form::NumericItem optional("TDBNumoptional", 0, "Kcfg", {-10, 10}, "##0", 5, true);
    DecodeControl(optional, [](const QString&, const QString&) { return QStringLiteral(" "); });
    EXPECT_FALSE(optional.value().has_value());
}

TEST_F(DocumentFilesTest, OptionPairReadWithNeitherSetKeepsItsDesignDefault) {
    form::OptionItem& l2r = form().option("Optbargraphl2r", 1);
    form::OptionItem& r2l = form().option("Optbargraphr2l", 1);
    const bool leftToRightByDesign = l2r.value();
    ASSERT_NE(l2r.value(), r2l.value());
    WriteAll(path("c.cfg"),
             "[General]\r\nFileType=Kcfg\r\n[Kcfg]\r\n"
             "frmMain!Optbargraphl2r#1=0\r\nfrmMain!Optbargraphr2l#1=0\r\n");
    ASSERT_TRUE(files().LoadDocument(path("c.cfg"), kConfigurationDocument, false));
    EXPECT_EQ(l2r.value(), leftToRightByDesign);
    EXPECT_EQ(r2l.value(), !leftToRightByDesign);
    files().ReadControlValue(path("c.cfg"), kConfigurationDocument,
                             leftToRightByDesign ? static_cast<form::FormItem&>(l2r) : r2l);
    EXPECT_NE(l2r.value(), r2l.value());
}

TEST_F(DocumentFilesTest, SavingOverAFileDropsKeysOfEarlierVersions) {
    WriteAll(path("c.cfg"),
             "[General]\r\nFileType=Kcfg\r\n[Kcfg]\r\nfrmMain!txtold#1=x\r\n"
             "[Other]\r\nkept=no\r\n");
    ASSERT_TRUE(saveAs(kConfigurationDocument, "c.cfg"));
    const QString text = ReadAll(path("c.cfg"));
    EXPECT_FALSE(text.contains("txtold"));
    EXPECT_FALSE(text.contains("[Other]"));
    EXPECT_TRUE(text.contains("frmMain!TDBNumCOthrs=1000\r\n"));
}

TEST_F(DocumentFilesTest, EveryDocumentComesBackUnchangedAfterSaveAndLoad) {
    for (int d = 0; d < Documents::count(); ++d) {
        Scramble(*session, d, 1);
        const auto saved = Snapshot(*session, d);
        ASSERT_TRUE(saveAs(d, QStringLiteral("doc%1.txt").arg(d)));
        Scramble(*session, d, 2);
        ASSERT_NE(Snapshot(*session, d), saved) << d;
        ASSERT_TRUE(files().LoadDocument(path(QStringLiteral("doc%1.txt").arg(d)), d, false));
        EXPECT_EQ(Snapshot(*session, d), saved) << d;
        EXPECT_FALSE(documents()[d].Dirty()) << d;
        EXPECT_EQ(documents()[d].FileName(), path(QStringLiteral("doc%1.txt").arg(d)));
    }
    EXPECT_TRUE(prompts.records().empty());
}

TEST_F(DocumentFilesTest, SingleControlsAreReadAndWrittenKeyByKey) {
    const QString file = path("single.cfg");
    form().numeric("TDBNumrefo2forco").setValue(10.5);
    files().WriteControlValue(file, kConfigurationDocument, form().item("TDBNumrefo2forco"));
    // A control of another document is left alone.
    files().WriteControlValue(file, kConfigurationDocument, form().item("txtserviceline", 0));
    files().WriteControlValue(file, kConfigurationDocument, form().item("trvalmparam", 1));
    const QString text = ReadAll(file);
    EXPECT_TRUE(text.contains("frmMain!TDBNumrefo2forco=10.5"));
    EXPECT_TRUE(text.contains("frmMain!trvalmparam#1:1=0"));
    EXPECT_FALSE(text.contains("txtserviceline"));

    form().numeric("TDBNumrefo2forco").setValue(1);
    form().numeric("TDBNumrefo2foroth").setValue(2);
    files().ReadControlValue(file, kConfigurationDocument, form().item("TDBNumrefo2forco"));
    files().ReadControlValue(file, kConfigurationDocument, form().item("TDBNumrefo2foroth"));
    EXPECT_EQ(form().numeric("TDBNumrefo2forco").value(), 10.5);
    EXPECT_EQ(form().numeric("TDBNumrefo2foroth").value(), 2.0);
}

TEST_F(DocumentFilesTest, FailedSaveKeepsTheOldFileAndTheChanges) {
    ASSERT_TRUE(saveAs(kConfigurationDocument, "c.cfg"));
    const QString before = ReadAll(path("c.cfg"));
    ASSERT_GT(before.size(), 4096);
    form().numeric("TDBNumCOthrs").setValue(55);
    ASSERT_TRUE(documents()[kConfigurationDocument].Dirty());
    prompts.clear();
    {
        test::FileSizeLimit limit(2048);
        EXPECT_FALSE(files().SaveDocument(kConfigurationDocument));
    }
    EXPECT_EQ(ReadAll(path("c.cfg")), before);
    EXPECT_TRUE(documents()[kConfigurationDocument].Dirty());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages().front().contains(path("c.cfg")));
}

}  // namespace
}  // namespace kilnward::documents::testing
