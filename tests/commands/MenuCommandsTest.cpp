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
