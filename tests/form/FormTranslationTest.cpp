#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "FormFixture.h"
#include "app/ScriptedPrompts.h"
#include "form/FormTranslation.h"
#include "form/NumericItem.h"
#include "language/LanguageManager.h"
#include "language/TranslatableControl.h"
#include "tests/support/BinFolder.h"

namespace kilnward::form::testing {
namespace {

class FormTranslationTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
        ASSERT_TRUE(manager.OpenLanguageDataBase(test::BinaryPath("Language.mdb"), false));
    }
    app::ScriptedPrompts prompts;
    language::LanguageManager manager{prompts};
};

TEST_F(FormTranslationTest, WindowIsTranslatedItemByItem) {
    manager.SetLanguageIndex(1);  // Italiano
    manager.TranslateObject(window->translation());
    EXPECT_EQ(form().item("lblfuelname", 4).caption(), "Nome &combustibile");
    EXPECT_EQ(form().list("cboalmtype", 2).entries(), QStringList({"Minimo", "Massimo"}));
    EXPECT_EQ(form().tabStrip("SSTabconf").tabCaptions().at(0), "Pagine");
    EXPECT_EQ(form().numeric("TDBNumtimers", 7).caption(), "Tempo decadimento tenuta P&3");
    // Lists tagged "x" keep their entries.
    EXPECT_EQ(form().list("cboauxinptype", 0).entries().at(1), "4-20 mA");
    // The caption built from pieces follows the window's own routine.
    EXPECT_TRUE(form().menu("mnuAboutAbout").caption().contains("Kilnward"));
    EXPECT_TRUE(prompts.records().empty());
}

TEST_F(FormTranslationTest, EveryTranslatableCaptionHasATranslation) {
    manager.SetLanguageIndex(2);  // Deutsch
    const QString missing = QStringLiteral("<missing>");
    int checked = 0;
    for (language::TranslatableControl* control : window->translation().controls()) {
        if (control->tag().startsWith('x') || control->kind() == language::ControlKind::NoCaption) {
            continue;
        }
        if (control->kind() == language::ControlKind::Caption) {
            const QString caption = control->caption();
            if (caption.isEmpty() || caption == "-" ||
                control->controlKey() == "frmMain!mnuAboutAbout") {
                continue;
            }
            EXPECT_NE(manager.TranslateString(control->controlKey(), missing), missing)
                << control->controlKey().toStdString();
            ++checked;
            continue;
        }
        for (int i = 0; i < control->itemCount(); ++i) {
            const QString key = control->controlKey() + ':' + QString::number(i);
            EXPECT_NE(manager.TranslateString(key, missing), missing) << key.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// The letter after a single "&", lower case; none for a caption without one.
std::optional<QChar> AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') {
                return caption[i + 1].toLower();
            }
            ++i;  // "&&" is a plain ampersand
        }
    }
    return std::nullopt;
}

TEST_F(FormTranslationTest, MenuBarProfileAndSettingsMenusHaveDistinctAccessKeysInEveryLanguage) {
    EXPECT_EQ(AccessKey("Save &as..."), QChar('a'));
    EXPECT_EQ(AccessKey("R&&D &Setup"), QChar('s'));
    EXPECT_EQ(AccessKey("Tip of the Day..."), std::nullopt);
    // The menus whose entries share one set of keys: the bar itself and two of its menus.
    const std::vector<const FormItem*> menus = {nullptr, &form().item("mnufile"),
                                                &form().item("mnuconfigure")};
    ASSERT_EQ(manager.LanguageCount(), 5);
    for (int language = 0; language < manager.LanguageCount(); ++language) {
        manager.SetLanguageIndex(language);
        manager.TranslateObject(window->translation());
        for (const FormItem* menu : menus) {
            std::map<QChar, QString> owners;
            for (const FormItem* item : form().items()) {
                const bool onBar =
                    menu == nullptr && item->kind() == ItemKind::Menu &&
                    (!item->container() || item->container()->kind() != ItemKind::Menu);
                if (!(onBar || (menu && item->container() == menu)) ||
                    item->tag().startsWith('x')) {
                    continue;
                }
                const auto key = AccessKey(item->caption());
                if (!key) {
                    continue;
                }
                const auto [owner, added] = owners.emplace(*key, item->caption());
                EXPECT_TRUE(added) << manager.Language(language).toStdString() << ": \""
                                   << item->caption().toStdString() << "\" and \""
                                   << owner->second.toStdString() << "\" share the key";
            }
            EXPECT_GE(owners.size(), menu == nullptr ? 4u : 3u)
                << manager.Language(language).toStdString();
        }
    }
    EXPECT_TRUE(prompts.records().empty());
}

}  // namespace
}  // namespace kilnward::form::testing
