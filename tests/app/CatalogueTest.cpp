#include "app/Catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "TempFolder.h"
#include "app/EnglishTranslator.h"
#include "app/ParamTree.h"

using namespace kilnward::app;

namespace {

class FakeNode : public ParamTreeNode {
  public:
    explicit FakeNode(int index) : index_(index) {}
    QString text() const override { return text_; }
    void setText(const QString& text) override { text_ = text; }
    std::optional<quint8> tag() const override { return tag_; }
    void setTag(quint8 id) override { tag_ = id; }
    QString imageKey() const override { return image_; }
    void setImageKey(const QString& key) override { image_ = key; }
    int index() const override { return index_; }

  private:
    int index_;
    QString text_, image_;
    std::optional<quint8> tag_;
};

class FakeTree : public ParamTree {
  public:
    ParamTreeNode& addNode() override {
        nodes.push_back(std::make_unique<FakeNode>(static_cast<int>(nodes.size()) + 1));
        return *nodes.back();
    }
    int nodeCount() const override { return static_cast<int>(nodes.size()); }
    void addOverlayImage(const QString& iconKey) override { overlays << iconKey; }
    std::vector<std::unique_ptr<FakeNode>> nodes;
    QStringList overlays;
};

// Translates the keys it knows, records every lookup.
class TableTranslator : public Translator {
  public:
    QString TranslateString(const QString& key, const QString& defaultText,
                            const QStringList& arguments = {}) override {
        asked << key;
        const auto found = table.find(key);
        return found == table.end() ? defaultText : found->second + arguments.join(QString());
    }
    std::map<QString, QString> table;
    QStringList asked;
};

class CatalogueTest : public ::testing::Test {
  protected:
    QString paramIni(const QByteArray& body) { return dir.write("Param.ini", body); }
    TempFolder dir;
    EnglishTranslator english;
};

}  // namespace

TEST_F(CatalogueTest, CarbonMonoxideLineWithOverlay) {
    TableTranslator translator;
    const QString file = paramIni("[Parameters]\nNone=0,empty\nCarbon monoxide=3,^co\n");
    ASSERT_EQ(LoadParameterCatalogue(translator, file), 2);
    const ParamEntry& co = ParamTable()[1];
    EXPECT_EQ(co.Name, "Carbon monoxide");
    EXPECT_EQ(co.Id, 3);
    EXPECT_EQ(co.IconKey, "co");
    EXPECT_EQ(co.Overlay, "overlay");
    EXPECT_EQ(co.imageKey(), "cooverlay");
    EXPECT_EQ(translator.asked, QStringList({"gas:0", "gas:3"}));

    translator.table["gas:3"] = "Monossido di carbonio";
    LoadParameterCatalogue(translator, file);
    EXPECT_EQ(ParamTable()[1].Name, "Monossido di carbonio");
}

TEST_F(CatalogueTest, DoubledSeparatorsAndBlankLinesReadLikeSingleOnes) {
    const QString file = paramIni("[Parameters]\n\nOxygen==1,,O2\n\nCO2=2,co2\n");
    ASSERT_EQ(LoadParameterCatalogue(english, file), 2);
    EXPECT_EQ(ParamTable()[0].Name, "Oxygen");
    EXPECT_EQ(ParamTable()[0].Id, 1);
    EXPECT_EQ(ParamTable()[0].IconKey, "o2");
    EXPECT_EQ(ParamTable()[0].Overlay, "");
}

TEST_F(CatalogueTest, MalformedLinesAreSkipped) {
    const QString file = paramIni(
        "[Parameters]\nno equals\nNoComma=5\nBadId=abc,x\nTooBig=256,x\nNegative=-1,x\n"
        "NoIcon=7,\nGood=9,t\n");
    ASSERT_EQ(LoadParameterCatalogue(english, file), 1);
    EXPECT_EQ(ParamTable()[0].Name, "Good");
    EXPECT_EQ(ParamTable()[0].Id, 9);
}

TEST_F(CatalogueTest, MissingSectionGivesThePlaceholder) {
    TableTranslator translator;
    ASSERT_EQ(LoadParameterCatalogue(translator, paramIni("[Instruments]\na=10\n")), 1);
    EXPECT_EQ(ParamTable()[0].Name, "None");
    EXPECT_EQ(ParamTable()[0].IconKey, "empty");
    EXPECT_EQ(translator.asked, QStringList({"gas:0"}));
    EXPECT_EQ(LoadParameterCatalogue(english, dir.path("missing.ini")), 1);
    // An empty section, or one whose lines are all malformed, reads like a missing one.
    EXPECT_EQ(LoadParameterCatalogue(english, paramIni("[Parameters]\n\n[Instruments]\n")), 1);
    EXPECT_EQ(ParamTable()[0].Name, "None");
    EXPECT_EQ(LoadParameterCatalogue(english, paramIni("[Parameters]\nbroken\n")), 1);
    EXPECT_EQ(ParamTable()[0].IconKey, "empty");
}

TEST_F(CatalogueTest, EndMarkerIsAlwaysAtTheLastSlot) {
    // Long names would overflow the section buffer; short lines let more than 255 through.
    QByteArray text = "[Parameters]\n";
    for (int i = 0; i < 300; ++i) {
        text += "Par=" + QByteArray::number(i % 250) + ",a\n";
    }
    const QString file = paramIni(text);
    const int count = LoadParameterCatalogue(english, file);
    EXPECT_LT(count, 255);
    EXPECT_GT(count, 200);
    EXPECT_EQ(ParamTable()[255].Name, "####");
    EXPECT_EQ(ParamTable()[255].Id, 255);
    EXPECT_EQ(ParamTable()[255].IconKey, "endlist");
    EXPECT_EQ(ParamTable()[count].Name, "");
}

TEST_F(CatalogueTest, MoreThan255LinesKeepTheEndMarker) {
    QByteArray text = "[Parameters]\n";
    for (int i = 0; i < 260; ++i) {
        text += "P=" + QByteArray::number(i % 10) + ",a\n";
    }
    ASSERT_EQ(LoadParameterCatalogue(english, paramIni(text)), 255);
    EXPECT_EQ(ParamTable()[254].Name, "P");
    EXPECT_EQ(ParamTable()[255].Name, "####");
}

TEST_F(CatalogueTest, FindParamIndexFallsBackToEntryZero) {
    LoadParameterCatalogue(english, paramIni("[Parameters]\nNone=0,empty\nO2=1,o2\nCO=3,^co\n"));
    EXPECT_EQ(FindParamIndex(3), 2);
    EXPECT_EQ(FindParamIndex(99), 0);
    EXPECT_EQ(FindParamIndex(255), 255);
}

TEST_F(CatalogueTest, ParamNodesShowNameNumberImageAndTag) {
    LoadParameterCatalogue(english, paramIni("[Parameters]\nNone=0,empty\nCO=3,^co\n"));
    FakeTree tree;
    AddParamNode(tree, 0, true);
    ParamTreeNode& node = AddParamNode(tree, 3, true);
    EXPECT_EQ(node.text(), "CO - 2");
    EXPECT_EQ(node.tag(), 3);
    EXPECT_EQ(node.imageKey(), "cooverlay");
    EXPECT_EQ(tree.overlays, QStringList({"co"}));

    ParamTreeNode& plain = AddParamNode(tree, 255, false);
    EXPECT_EQ(plain.text(), "####");
    EXPECT_EQ(plain.imageKey(), "endlist");
    EXPECT_EQ(AddParamNode(tree, 77, false).text(), "None");
}

TEST_F(CatalogueTest, UpdateMarksTheOwnerDirtyOnlyWhenTheParameterChanges) {
    LoadParameterCatalogue(english, paramIni("[Parameters]\nNone=0,empty\nCO=3,^co\n"));
    FakeTree tree;
    ParamTreeNode& node = AddParamNode(tree, 0, false);
    int dirty = 0;
    const auto mark = [&] { ++dirty; };
    UpdateParamNode(node, 0, mark, true);
    EXPECT_EQ(dirty, 0);
    EXPECT_EQ(node.text(), "None - 1");
    UpdateParamNode(node, 3, mark, false);
    EXPECT_EQ(dirty, 1);
    EXPECT_EQ(node.text(), "CO");
    EXPECT_EQ(node.imageKey(), "cooverlay");
    EXPECT_EQ(node.tag(), 3);
    // A node that never had a parameter changes when it gets one.
    FakeNode fresh(1);
    UpdateParamNode(fresh, 0, mark, false);
    EXPECT_EQ(dirty, 2);
}

TEST(NodeNumberSuffix, NumberedOrEmpty) {
    EXPECT_EQ(NodeNumberSuffix(true, 3), " - 3");
    EXPECT_EQ(NodeNumberSuffix(false, 3), "");
}

TEST_F(CatalogueTest, InstrumentsKeepOnlyModelsWithADriver) {
    const InstrumentNamer namer = [](quint8 id) -> std::optional<QString> {
        if (id == 17 || id == 18 || id > 20 || id < 9) {
            return std::nullopt;
        }
        return QString("Model %1").arg(id);
    };
    const QString file =
        paramIni("[Instruments]\nfirst=14\nunknown=17\nbad=abc\nbig=300\nnovalue=\nsecond==9\n");
    ASSERT_EQ(LoadInstrumentList(namer, file), 2);
    EXPECT_EQ(InstrumentList()[0].Id, 14);
    EXPECT_EQ(InstrumentList()[0].Name, "Model 14");
    EXPECT_EQ(InstrumentList()[1].Id, 9);

    EXPECT_EQ(LoadInstrumentList(namer, paramIni("[Instruments]\na=17\nb=18\n")), 0);
    EXPECT_TRUE(InstrumentList().empty());
}

TEST_F(CatalogueTest, MissingInstrumentsSectionGivesModel10) {
    ASSERT_EQ(LoadInstrumentList({}, paramIni("[Parameters]\nNone=0,empty\n")), 1);
    EXPECT_EQ(InstrumentList()[0].Id, 10);
    EXPECT_FALSE(InstrumentList()[0].Name.isEmpty());
    ASSERT_EQ(LoadInstrumentList({}, paramIni("[Instruments]\n\n[Other]\nx=1\n")), 1);
    EXPECT_EQ(InstrumentList()[0].Id, 10);
}

TEST(DriverInstrumentName, KnowsTheTenModels) {
    int known = 0;
    for (int id = 0; id < 256; ++id) {
        known += DriverInstrumentName(static_cast<quint8>(id)).has_value() ? 1 : 0;
    }
    EXPECT_EQ(known, 10);
    EXPECT_FALSE(DriverInstrumentName(17));
    EXPECT_TRUE(DriverInstrumentName(20));
}
