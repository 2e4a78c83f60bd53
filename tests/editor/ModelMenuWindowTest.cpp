// The window and the form agree on the model choice: the model menu's check marks and the
// pages' refusals after every path a choice takes (re-choice, Cancel, a failed default), and
// a catalogue without a known model refuses transfers instead of ending the program.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTabWidget>

#include <functional>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "documents/MainWindowSession.h"
#include "editor/MainWindow.h"
#include "form/Form.h"
#include "form/MainForm.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"
#include "form/NumericItem.h"
#include "form/TabStripItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {
namespace {

using app::PromptAnswer;

// Scripted answers that also let a test look at the window while a message is up.
class WatchingPrompts : public app::ScriptedPrompts {
  public:
    void showMessage(const QString& text, const QString& title, app::PromptIcon icon) override {
        if (onMessage) {
            onMessage();
        }
        ScriptedPrompts::showMessage(text, title, icon);
    }
    std::function<void()> onMessage;
};

class ModelMenuWindowTest : public EditorFixture {
  protected:
    // Starts the editor again on the program folder as it is now, with `answers`.
    void restart(app::ScriptedPrompts& answers) {
        editor.reset();
        EditorApp::Options options;
        options.prompts = &answers;
        options.restoresGeometry = false;
        editor = std::make_unique<EditorApp>(options);
        window().show();
        answers.clear();
    }
    // Param.ini with `instruments` as its [Instruments] section.
    void writeInstruments(const QByteArray& instruments) {
        QFile param(app::ProgramFolder::dataFile("Param.ini"));
        ASSERT_TRUE(param.open(QIODevice::ReadOnly));
        QByteArray text = param.readAll();
        param.close();
        text.truncate(text.indexOf("[Instruments]"));
        ASSERT_TRUE(param.open(QIODevice::WriteOnly | QIODevice::Truncate));
        param.write(text + "[Instruments]\r\n" + instruments);
    }
    QAction* entryAction(int index) {
        return window().findChild<QAction*>(
            QStringLiteral("frmMain!mnuinstrumentname#%1").arg(index));
    }
    // The menu's check marks and the tab strips shown as the form holds them.
    void expectWindowMirrorsForm(const std::string& step) {
        int checked = 0;
        for (form::FormItem* item : form().members("mnuinstrumentname")) {
            const auto& entry = static_cast<const form::MenuItem&>(*item);
            QAction* action = entryAction(entry.index());
            ASSERT_NE(action, nullptr) << step;
            EXPECT_EQ(action->isChecked(), entry.checked()) << step << " entry " << entry.index();
            if (entry.checked()) {
                ++checked;
                EXPECT_EQ(form::ModelMenu::EntryModel(entry),
                          session().window().selectedInstrumentId())
                    << step;
            }
        }
        EXPECT_EQ(checked, 1) << step;
        for (const char* name : {"SSTabconf", "sstabalarms"}) {
            const form::TabStripItem& strip = form().tabStrip(name);
            auto* tabs = widget<QTabWidget>(name);
            ASSERT_NE(tabs, nullptr) << name;
            EXPECT_EQ(tabs->currentIndex(), strip.currentTab()) << step << ' ' << name;
            for (int tab = 0; tab < strip.tabCount(); ++tab) {
                EXPECT_EQ(tabs->isTabEnabled(tab), strip.tabAvailable(tab))
                    << step << ' ' << name << " tab " << tab;
            }
        }
    }
    // Every refused page is refused before it shows: while the message is up the strip
    // still shows the page it showed, and afterwards its first page.
    void expectRefusedPagesNeverShow(WatchingPrompts& answers, const std::string& step) {
        for (const char* name : {"SSTabconf", "sstabalarms"}) {
            const form::TabStripItem& strip = form().tabStrip(name);
            auto* tabs = widget<QTabWidget>(name);
            for (int tab = 1; tab < strip.tabCount(); ++tab) {
                if (!strip.tabRefused(tab) || !strip.tabAvailable(tab)) {
                    continue;
                }
                clickTab(name, 0);
                int shownDuringMessage = -1;
                answers.onMessage = [&] { shownDuringMessage = tabs->currentIndex(); };
                answers.clear();
                clickTab(name, tab);
                answers.onMessage = nullptr;
                EXPECT_EQ(answers.messages(), std::vector<QString>({"Item not available."}))
                    << step << ' ' << name << " tab " << tab;
                EXPECT_EQ(shownDuringMessage, 0) << step << ' ' << name << " tab " << tab;
                EXPECT_EQ(tabs->currentIndex(), 0) << step << ' ' << name << " tab " << tab;
                EXPECT_EQ(strip.currentTab(), 0) << step << ' ' << name << " tab " << tab;
            }
        }
        answers.clear();
    }
};

TEST_F(ModelMenuWindowTest, WindowAndFormAgreeAfterEveryPathOfAModelChoice) {
    WatchingPrompts answers;
    restart(answers);
    const QString modelDefault = app::ProgramFolder::dataFile("520p.cfg");
    struct Step {
        const char* name;
        std::function<void()> run;
        int modelAfter;
    };
    const Step steps[] = {
        {"choose 10", [&] { chooseModel(10); }, 10},
        {"re-choose 10", [&] { chooseModel(10); }, 10},
        {"choose 13", [&] { chooseModel(13); }, 13},
        {"cancel 15",
         [&] {
             form().numeric("TDBNumCOthrs").setValue(432);
             answers.queueAnswer(PromptAnswer::Cancel);
             chooseModel(15);
         },
         13},
        {"failed default 14",
         [&] {
             ASSERT_TRUE(QFile::rename(modelDefault, modelDefault + ".away"));
             answers.queueAnswer(PromptAnswer::No);
             chooseModel(14);
             ASSERT_TRUE(QFile::rename(modelDefault + ".away", modelDefault));
         },
         14},
        {"re-choose 14", [&] { chooseModel(14); }, 14},
        {"choose 9", [&] { chooseModel(9); }, 9},
    };
    for (const Step& step : steps) {
        step.run();
        answers.clear();
        EXPECT_EQ(session().window().selectedInstrumentId(), step.modelAfter) << step.name;
        expectWindowMirrorsForm(step.name);
        expectRefusedPagesNeverShow(answers, step.name);
    }
}

TEST_F(ModelMenuWindowTest, CtrlTabStepsOverRefusedPages) {
    chooseModel(10);
    auto* pages = widget<QTabWidget>("SSTabconf");
    ASSERT_NE(pages, nullptr);
    clickTab("SSTabconf", 2);
    prompts.clear();
    QKeyEvent forward(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::sendEvent(pages, &forward);
    EXPECT_EQ(pages->currentIndex(), 5);
    EXPECT_EQ(form().tabStrip("SSTabconf").currentTab(), 5);
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::sendEvent(pages, &back);
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(ModelMenuWindowTest, TheEntryClickedIsTheOneCheckedWhenTwoNameOneModel) {
    writeInstruments("Harrier 530=10\r\nKestrel 580=13\r\nKestrel 580 (fleet)=13\r\n");
    restart(prompts);
    entryAction(1)->trigger();
    EXPECT_TRUE(form().menu("mnuinstrumentname", 1).checked());
    EXPECT_FALSE(form().menu("mnuinstrumentname", 2).checked());
    expectWindowMirrorsForm("first of two");
    entryAction(2)->trigger();
    EXPECT_TRUE(form().menu("mnuinstrumentname", 2).checked());
    expectWindowMirrorsForm("second of two");
}

TEST_F(ModelMenuWindowTest, WithoutAKnownModelTransfersAreRefusedByName) {
    app::WriteConfigValue(app::config::InstrumentIDselected, "13");
    writeInstruments("Mystery 999=99\r\n");
    restart(prompts);
    EXPECT_EQ(session().window().currentDriver(), nullptr);
    EXPECT_FALSE(entryAction(0)->isVisible());
    EXPECT_FALSE(entryAction(0)->isChecked());
    EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), "13");
    const QString expected = "No analyser model is known: " +
                             QDir::toNativeSeparators(app::ProgramFolder::dataFile("Param.ini")) +
                             " names none in its [Instruments] section.";
    for (const char* command : {"mnufileget", "mnufilesend", "mnuconfiguresetclock"}) {
        prompts.clear();
        trigger(command);
        EXPECT_EQ(prompts.messages(), std::vector<QString>({expected})) << command;
        EXPECT_TRUE(window().isEnabled()) << command;
    }
}

}  // namespace
}  // namespace kilnward::editor::testing
