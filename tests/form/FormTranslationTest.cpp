#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kilnward::form::testing
