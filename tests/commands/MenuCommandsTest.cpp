#include <gtest/gtest.h>
#include <QFileInfo>

#include "commands/MenuCommands.h"
#include "commands/WindowActions.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"
#include "form/TextItem.h"
#include "tests/documents/SessionFixture.h"

namespace kilnward::commands {
namespace {

using transfer::TransferKind;

class RecordingActions : public WindowActions {
  public:
    void showSerialSettings() override { calls.push_back("serial"); }
    void showLanguageSettings() override { calls.push_back("language"); }
    void showTipOfTheDay() override { calls.push_back("tip"); }
    void showAbout() override { calls.push_back("about"); }
    void showLoadedFiles() override { calls.push_back("files"); }
    void exportConfigText() override { calls.push_back("export"); }
    void runTransfer(TransferKind kind) override {
        calls.push_back(kind == TransferKind::Receive ? "receive"
                        : kind == TransferKind::Send  ? "send"
                                                      : "clock");
    }
    void closeMainWindow() override { calls.push_back("close"); }
    void undo() override { calls.push_back("undo"); }
    void redo() override { calls.push_back("redo"); }
    void findField() override { calls.push_back("find"); }
    void showChanges() override { calls.push_back("changes"); }
    void print() override { calls.push_back("print"); }
    void exportPdf() override { calls.push_back("pdf"); }
    void toggleMainToolbar() override { calls.push_back("toolbar"); }
    void restoreFromBackup() override { calls.push_back("restore"); }
    void showBackups() override { calls.push_back("backups"); }
    void showLinkTrace() override { calls.push_back("trace"); }
    void compareWithAnalyser() override { calls.push_back("compare analyser"); }
    void compareWithFiles() override { calls.push_back("compare files"); }
    std::vector<QString> calls;
};

class MenuCommandsTest : public documents::testing::SessionFixture {
  protected:
    void SetUp() override {
        SessionFixture::SetUp();
        menu = std::make_unique<MenuCommands>(*session, actions);
    }
    bool trigger(const QString& name, int index = form::kNoIndex) {
        return menu->trigger(form().item(name, index));
    }
    RecordingActions actions;
    std::unique_ptr<MenuCommands> menu;
};

TEST_F(MenuCommandsTest, EveryMenuEntryIsACommandButTitlesAndSeparatorsAreNot) {
    for (form::FormItem* item : form().items()) {
        if (item->kind() != form::ItemKind::Menu) {
            EXPECT_FALSE(menu->trigger(*item)) << item->name().toStdString();
            continue;
        }
        const auto& entry = static_cast<const form::MenuItem&>(*item);
        const bool command = entry.container() != nullptr && !entry.isSeparator();
        EXPECT_EQ(menu->trigger(entry), command) << entry.name().toStdString();
    }
}

TEST_F(MenuCommandsTest, WindowEntriesRunByNameAndGoToTheWindow) {
    const std::pair<const char*, const char*> expected[] = {
        {"mnuprint", "print"},
        {"mnuexportpdf", "pdf"},
        {"mnuundo", "undo"},
        {"mnuredo", "redo"},
        {"mnufindfield", "find"},
        {"mnushowchanges", "changes"},
        {"mnumaintoolbar", "toolbar"},
        {"mnurestorebackup", "restore"},
        {"mnubackups", "backups"},
        {"mnulinktrace", "trace"},
        {"mnucomparewithanalyser", "compare analyser"},
        {"mnucomparewithfiles", "compare files"},
    };
    for (const auto& [name, call] : expected) {
        actions.calls.clear();
        // The window's own entries have no form item: they run by name.
        EXPECT_TRUE(menu->trigger(QLatin1String(name))) << name;
        EXPECT_EQ(actions.calls, std::vector<QString>({call})) << name;
    }
    EXPECT_EQ(std::size(expected), WindowCommands().size());
    EXPECT_FALSE(menu->trigger(QStringLiteral("mnunosuchentry")));
}

TEST_F(MenuCommandsTest, WindowOnlyCommandsGoToTheWindow) {
    const std::pair<const char*, const char*> expected[] = {
        {"mnufilesend", "send"},
        {"mnufileget", "receive"},
        {"mnuconfiguresetclock", "clock"},
        {"mnuconfigureserial", "serial"},
        {"mnuconfigurelanguage", "language"},
        {"mnudataviewfiles", "files"},
        {"mnuSaveConfigasText", "export"},
        {"mnuaboutshowtip", "tip"},
        {"mnuAboutAbout", "about"},
        {"mnuFileExit", "close"},
    };
    for (const auto& [name, call] : expected) {
        actions.calls.clear();
        EXPECT_TRUE(trigger(name)) << name;
        EXPECT_EQ(actions.calls, std::vector<QString>({call})) << name;
    }
}

TEST_F(MenuCommandsTest, TheRegistryHoldsTheWindowEntriesCaptionsAndEnabledStates) {
    std::vector<QString> told;
    menu->setListener([&told](const QString& key) { told.push_back(key); });
    EXPECT_EQ(menu->caption(QStringLiteral("mnuedit")), "&Edit");
    EXPECT_EQ(menu->caption(QStringLiteral("mnuFindField")), "&Find field...");
    EXPECT_TRUE(menu->enabled(QStringLiteral("mnuundo")));

    menu->setEnabled(QStringLiteral("mnuUndo"), false);
    menu->setEnabled(QStringLiteral("mnuundo"), false);
    menu->setCaption(QStringLiteral("mnuundo"), QStringLiteral("&Undo Receive"));
    menu->setEnabled(QStringLiteral("mnunosuchentry"), false);
    EXPECT_FALSE(menu->enabled(QStringLiteral("mnuundo")));
    EXPECT_EQ(menu->caption(QStringLiteral("mnuundo")), "&Undo Receive");
    // Told once per change, never for what did not change or does not exist.
    EXPECT_EQ(told, std::vector<QString>({"mnuundo", "mnuundo"}));

    menu->retranslate();
    EXPECT_EQ(menu->caption(QStringLiteral("mnuundo")), "&Undo");
}

TEST_F(MenuCommandsTest, EntriesListEveryMenuEntryOnceWithItsState) {
    const std::vector<MenuEntry> entries = menu->entries();
    QStringList names;
    for (const MenuEntry& entry : entries) {
        EXPECT_FALSE(names.contains(entry.objectName)) << entry.objectName.toStdString();
        names << entry.objectName;
    }
    for (const WindowCommand& command : WindowCommands()) {
        EXPECT_TRUE(names.contains(QLatin1String(command.key))) << command.key;
    }
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (button.command) {
            EXPECT_TRUE(menu->trigger(QLatin1String(button.command))) << button.command;
        }
    }
    form::MenuItem& save = form().menu(QStringLiteral("mnuFileSave"));
    save.setEnabled(false);
    for (const MenuEntry& entry : menu->entries()) {
        if (entry.objectName == QLatin1String("frmMain!mnuFileSave")) {
            EXPECT_FALSE(entry.enabled);
            EXPECT_EQ(entry.shortcut, save.shortcut());
            EXPECT_EQ(entry.caption, save.caption());
        }
    }
}

TEST_F(MenuCommandsTest, DocumentAndModelCommandsRunInTheCore) {
    documents().setFileName(documents::kHeaderDocument, path("header.hdr"));
    form().text("txtheaderline", 1).setText("ACME");
    EXPECT_TRUE(trigger("mnudatasave", documents::kHeaderDocument));
    EXPECT_TRUE(QFileInfo::exists(path("header.hdr")));
    EXPECT_FALSE(documents()[documents::kHeaderDocument].Dirty());

    prompts.queueFile(path("law.law"));
    EXPECT_TRUE(trigger("mnudatasaveas", documents::kLawDocument));
    EXPECT_EQ(documents()[documents::kLawDocument].FileName(), path("law.law"));

    for (form::FormItem* entry : form().members("mnuinstrumentname")) {
        const auto& model = static_cast<const form::MenuItem&>(*entry);
        if (form::ModelMenu::EntryModel(model) == 13) {
            EXPECT_TRUE(menu->trigger(model));
            EXPECT_TRUE(model.checked());
        }
    }
    EXPECT_EQ(session->window().selectedInstrumentId(), 13);
    EXPECT_TRUE(actions.calls.empty());
}

}  // namespace
}  // namespace kilnward::commands
