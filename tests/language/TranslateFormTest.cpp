#include <map>

#include "LanguageFixture.h"
#include "language/TranslatableControl.h"
#include "language/TranslatableWindow.h"

using kilnward::language::ControlKind;
using kilnward::language::TranslatableControl;
using kilnward::language::TranslatableWindow;

namespace {

class FakeControl : public TranslatableControl {
  public:
    FakeControl(QString key, QString tag, ControlKind kind, QStringList texts)
        : key_(std::move(key)), tag_(std::move(tag)), kind_(kind), texts_(std::move(texts)) {}
    QString controlKey() const override { return key_; }
    QString tag() const override { return tag_; }
    ControlKind kind() const override { return kind_; }
    QString caption() const override { return texts_.value(0); }
    void setCaption(const QString& caption) override { texts_[0] = caption; }
    int itemCount() const override { return static_cast<int>(texts_.size()); }
    QString itemText(int position) const override { return texts_[position]; }
    void setItemText(int position, const QString& text) override { texts_[position] = text; }
    const QStringList& texts() const { return texts_; }

  private:
    QString key_, tag_;
    ControlKind kind_;
    QStringList texts_;
};

class FakeWindow : public TranslatableWindow {
  public:
    FakeWindow(QString name, QString tag, QString caption)
        : name_(std::move(name)), tag_(std::move(tag)), caption_(std::move(caption)) {}
    QString name() const override { return name_; }
    QString tag() const override { return tag_; }
    QString caption() const override { return caption_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    std::vector<TranslatableControl*> controls() override { return controls_; }
    void translate() override { ++translateCalls; }
    void add(FakeControl& control) { controls_.push_back(&control); }
    int translateCalls = 0;

  private:
    QString name_, tag_, caption_;
    std::vector<TranslatableControl*> controls_;
};

class TranslateFormTest : public LanguageFixture {
  protected:
    static Table WindowTable() {
        Table table;
        table.languages = {"English", "Italiano"};
        table.rows = {
            {"frmconfig", {"Settings", "Impostazioni"}},
            {"frmconfig!lblport", {"Port", "Porta"}},
            {"frmconfig!chkir#0", {"Infrared", "Infrarossi"}},
            {"frmconfig!chkhidden", {"Hidden", "Nascosto"}},
            {"frmconfig!lblnull", {"Null", ""}},
            {"frmconfig!SSTabconf:0", {"Alarms", "Allarmi"}},
            {"frmconfig!SSTabconf:1", {"Printer", "Stampante"}},
            {"frmconfig!cborate:1", {"Fast", "Veloce"}},
            {"frmconfig!tbrmain:1", {"Open", "Apri"}},
            {"frmconfig!tbrmain:2", {"Save", "Salva"}},
        };
        return table;
    }
    void open(bool learning) {
        path = makeDatabase(WindowTable());
        ASSERT_TRUE(manager.OpenLanguageDataBase(path, learning));
        manager.SetLanguageIndex(1);
    }
    QString path;
    FakeWindow window{"frmconfig", "", "Settings"};
    FakeControl label{"frmconfig!lblport", "", ControlKind::Caption, {"Port"}};
    FakeControl check{"frmconfig!chkir#0", "Kcfg", ControlKind::Caption, {"Infrared"}};
    FakeControl hidden{"frmconfig!chkhidden", "xKcfg", ControlKind::Caption, {"Hidden"}};
    FakeControl nullCell{"frmconfig!lblnull", "", ControlKind::Caption, {"Null"}};
    FakeControl tabs{"frmconfig!SSTabconf", "", ControlKind::Tabs, {"Alarms", "Printer"}};
    FakeControl combo{"frmconfig!cborate", "", ControlKind::List, {"Slow", "Fast"}};
    FakeControl toolbar{"frmconfig!tbrmain", "", ControlKind::Toolbar, {"Open", "Save"}};
    FakeControl text{"frmconfig!txtname", "", ControlKind::NoCaption, {}};
};

}  // namespace

TEST_F(TranslateFormTest, CaptionsTabsListsAndToolbarButtons) {
    open(false);
    for (FakeControl* c : {&label, &check, &hidden, &nullCell, &tabs, &combo, &toolbar, &text}) {
        window.add(*c);
    }
    manager.TranslateObject(window);
    EXPECT_EQ(window.caption(), "Impostazioni");
    EXPECT_EQ(label.caption(), "Porta");
    EXPECT_EQ(check.caption(), "Infrarossi");
    EXPECT_EQ(hidden.caption(), "Hidden");
    EXPECT_EQ(nullCell.caption(), "Null");
    EXPECT_EQ(tabs.texts(), QStringList({"Allarmi", "Stampante"}));
    EXPECT_EQ(combo.texts(), QStringList({"Slow", "Veloce"}));
    EXPECT_EQ(toolbar.texts(), QStringList({"Apri", "Salva"}));
    EXPECT_EQ(window.translateCalls, 1);
}

TEST_F(TranslateFormTest, WindowTaggedXKeepsItsCaptionButNotItsControls) {
    open(false);
    FakeWindow tagged{"frmconfig", "x", "Settings"};
    tagged.add(label);
    manager.TranslateForm(tagged);
    EXPECT_EQ(tagged.caption(), "Settings");
    EXPECT_EQ(label.caption(), "Porta");
}

TEST_F(TranslateFormTest, LearningModeAddsWindowAndItemKeysWithTheirTexts) {
    open(true);
    FakeWindow fresh{"frmnew", "", "New window"};
    FakeControl list{"frmnew!cbo", "", ControlKind::List, {"a", "b"}};
    FakeControl bar{"frmnew!tbr", "", ControlKind::Toolbar, {"Go"}};
    FakeControl field{"frmnew!txt", "", ControlKind::NoCaption, {}};
    fresh.add(list);
    fresh.add(bar);
    fresh.add(field);
    manager.TranslateForm(fresh);
    manager.TranslateForm(fresh);
    Table stored;
    ASSERT_TRUE(stored.readDatabase(path, nullptr));
    QStringList keys;
    for (const auto& row : stored.rows) {
        keys << row.key;
    }
    EXPECT_EQ(keys.mid(10),
              QStringList({"frmnew", "frmnew!cbo:0", "frmnew!cbo:1", "frmnew!tbr:1"}));
    EXPECT_EQ(stored.rows[10].cells[0], "New window");
    EXPECT_EQ(stored.rows[13].cells[0], "Go");
}

TEST_F(TranslateFormTest, WithoutDatabaseOnlyTheWindowsOwnRoutineRuns) {
    window.add(label);
    manager.TranslateForm(window);
    EXPECT_EQ(window.caption(), "Settings");
    EXPECT_EQ(label.caption(), "Port");
    EXPECT_EQ(window.translateCalls, 1);
    manager.TranslateControl(label);
    EXPECT_EQ(label.caption(), "Port");
}

TEST_F(TranslateFormTest, TranslateAllVisitsRegisteredWindows) {
    open(false);
    FakeWindow other{"frmconfig", "", "Settings"};
    window.add(label);
    manager.RegisterWindow(window);
    manager.RegisterWindow(other);
    manager.RegisterWindow(window);
    manager.UnregisterWindow(other);
    manager.TranslateAll();
    EXPECT_EQ(window.translateCalls, 1);
    EXPECT_EQ(other.translateCalls, 0);
    EXPECT_EQ(label.caption(), "Porta");
    manager.SetLanguageIndex(0);
    manager.TranslateAll();
    EXPECT_EQ(label.caption(), "Port");
}
