#include <QDir>

#include "SessionFixture.h"
#include "app/ConfigSettings.h"
#include "drivers/InstrumentDriver.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/NumericItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::documents::testing {
namespace {

using app::PromptAnswer;
using Kind = app::ScriptedPrompts::Kind;

class DocumentCommandsTest : public SessionFixture {
  protected:
    std::vector<app::ScriptedPrompts::Record> records(Kind kind) const {
        std::vector<app::ScriptedPrompts::Record> found;
        for (const auto& record : prompts.records()) {
            if (record.kind == kind) {
                found.push_back(record);
            }
        }
        return found;
    }
    void saveTo(int d, const QString& name) {
        documents().setFileName(d, path(name));
        ASSERT_TRUE(files().SaveDocument(d));
    }
};

TEST_F(DocumentCommandsTest, FileOpenAsksOncePerKindAndGoesOnAfterACancel) {
    for (int d = 0; d < Documents::count(); ++d) {
        saveTo(d, QStringLiteral("file%1").arg(d));
    }
    form().text("txtlawline", 6).setText("changed");
    documents().cleardirtyall();
    prompts.clear();
    prompts.queueFile(path("file0"));
    prompts.queueFile(path("file1"));
    prompts.queueFile(std::nullopt);
    prompts.queueFile(path("file3"));
    prompts.queueFile(path("file4"));
    EXPECT_TRUE(commands().fileOpen());
    const auto dialogs = records(Kind::FileChooser);
    ASSERT_EQ(dialogs.size(), 5u);
    const char* filters[] = {"Configuration file (*.cfg)|*.cfg", "Fuels file (*.fue)|*.fue",
                             "Header file (*.hdr)|*.hdr", "Law file (*.law)|*.law",
                             "Service file (*.srv)|*.srv"};
    for (int d = 0; d < 5; ++d) {
        EXPECT_EQ(dialogs[d].text, filters[d]);
        EXPECT_EQ(dialogs[d].mode, app::FileChooserMode::Open);
    }
    // The law file was loaded after the header dialog was cancelled.
    EXPECT_EQ(form().text("txtlawline", 6).text(), "");
    EXPECT_EQ(documents()[kLawDocument].FileName(), path("file3"));
}

TEST_F(DocumentCommandsTest, AskForSaveNoDiscardsChangesWithoutAQuestion) {
    app::WriteConfigValue(app::config::AskForSave, "NO");
    form().numeric("TDBNumCOthrs").setValue(12);
    EXPECT_TRUE(commands().fileNew());
    EXPECT_TRUE(records(Kind::Question).empty());
    EXPECT_FALSE(documents().anyDirty());
}

TEST_F(DocumentCommandsTest, CloseAsksPerChangedDocumentAndStopsAtCancel) {
    form().numeric("TDBNumCOthrs").setValue(12);
    form().text("txtserviceline", 2).setText("x");
    prompts.queueAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(commands().queryClose());
    const auto asked = records(Kind::Question);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Configuration data are changed.\n\nDo you want to save them ?");
    EXPECT_EQ(asked[0].title, "Request");
    EXPECT_EQ(asked[0].buttons, app::PromptButtons::YesNoCancel);

    prompts.clear();
    prompts.queueAnswer(PromptAnswer::No);
    prompts.queueAnswer(PromptAnswer::No);
    EXPECT_TRUE(commands().queryClose());
    EXPECT_EQ(records(Kind::Question).size(), 2u);
    EXPECT_TRUE(records(Kind::Question)[1].text.startsWith("Service data are changed."));
}

TEST_F(DocumentCommandsTest, YesThenCancellingTheSaveDialogStopsTheCommand) {
    form().text("txtheaderline", 3).setText("keep me");
    prompts.queueAnswer(PromptAnswer::Yes);
    prompts.queueFile(std::nullopt);
    EXPECT_FALSE(commands().fileNew());
    EXPECT_EQ(form().text("txtheaderline", 3).text(), "keep me");
    EXPECT_TRUE(documents()[kHeaderDocument].Dirty());
    EXPECT_EQ(records(Kind::FileChooser).size(), 1u);
}

TEST_F(DocumentCommandsTest, YesSavesBeforeTheDataIsReplaced) {
    form().text("txtheaderline", 3).setText("keep me");
    prompts.queueAnswer(PromptAnswer::Yes);
    prompts.queueFile(path("saved.hdr"));
    EXPECT_TRUE(commands().fileNew());
    EXPECT_TRUE(ReadAll(path("saved.hdr")).contains("frmMain!txtheaderline#3=keep me"));
    EXPECT_TRUE(documents()[kHeaderDocument].FileName().isEmpty());
}

TEST_F(DocumentCommandsTest, RefusedFileDoesNotBecomeTheDocumentsName) {
    saveTo(kFuelsDocument, "fuels.fue");
    saveTo(kConfigurationDocument, "mine.cfg");
    prompts.clear();
    prompts.queueFile(path("fuels.fue"));
    EXPECT_TRUE(commands().dataLoad(kConfigurationDocument));
    EXPECT_EQ(prompts.messages(), std::vector<QString>({"Not found or damaged file."}));
    EXPECT_EQ(documents()[kConfigurationDocument].FileName(), path("mine.cfg"));
}

TEST_F(DocumentCommandsTest, SaveAsksForANameOnlyWhileUntitled) {
    prompts.queueFile(path("law.law"));
    EXPECT_TRUE(commands().dataSave(kLawDocument));
    EXPECT_EQ(records(Kind::FileChooser).size(), 1u);
    EXPECT_EQ(records(Kind::FileChooser)[0].mode, app::FileChooserMode::Save);
    EXPECT_EQ(documents()[kLawDocument].FileName(), path("law.law"));
    form().text("txtlawline", 8).setText("UNI 10389-1");
    EXPECT_TRUE(commands().dataSave(kLawDocument));
    EXPECT_EQ(records(Kind::FileChooser).size(), 1u);
    EXPECT_TRUE(ReadAll(path("law.law")).contains("frmMain!txtlawline#8=UNI 10389-1"));
}

TEST_F(DocumentCommandsTest, LoadedFilesListShowsNamesAndChanges) {
    saveTo(kFuelsDocument, "f.fue");
    form().text("txtserviceline", 0).setText("x");
    EXPECT_EQ(commands().loadedFilesText(),
              "Configuration file : (None)\r\nFuels file : " + path("f.fue") +
                  "\r\nHeader file : (None)\r\nLaw file : (None)\r\nService file : (None) *\r\n");
}

TEST_F(DocumentCommandsTest, ConfirmActionAddsTheQuestion) {
    prompts.queueAnswer(PromptAnswer::Yes);
    EXPECT_TRUE(session->messageBoxes().ConfirmAction("Receive configuration data", "yes"));
    ASSERT_EQ(records(Kind::Question).size(), 1u);
    EXPECT_EQ(records(Kind::Question)[0].text, "Receive configuration data.\n\nAre you sure ?");
    EXPECT_EQ(records(Kind::Question)[0].buttons, app::PromptButtons::YesNo);
    EXPECT_EQ(records(Kind::Question)[0].defaultButton, PromptAnswer::Yes);
    EXPECT_FALSE(session->messageBoxes().ConfirmAction("Send configuration data", "NO"));
    EXPECT_EQ(records(Kind::Question)[1].defaultButton, PromptAnswer::No);
}

TEST_F(DocumentCommandsTest, ModelDefaultIsLoadedForGroupC) {
    form().numeric("TDBNumCOthrs").setValue(777);
    saveTo(kConfigurationDocument, "520p.cfg");
    form().numeric("TDBNumCOthrs").setValue(1);
    prompts.clear();
    // The edit is not dropped without a question: No discards it.
    prompts.queueAnswer(PromptAnswer::No);
    EXPECT_TRUE(session->window().selectModel(14));
    ASSERT_EQ(records(Kind::Question).size(), 1u);
    EXPECT_EQ(records(Kind::Question)[0].text,
              "Configuration data are changed.\n\nDo you want to save them ?");
    EXPECT_EQ(form().numeric("TDBNumCOthrs").value(), 777.0);
    EXPECT_FALSE(documents()[kConfigurationDocument].Dirty());
    EXPECT_TRUE(documents()[kConfigurationDocument].FileName().isEmpty());
    // A missing or damaged model default is reported and the adaptation goes on.
    WriteAll(path("520p.cfg"), "[General]\r\nFileType=Kfue\r\n");
    prompts.clear();
    EXPECT_TRUE(session->window().selectModel(15));
    EXPECT_EQ(prompts.messages(),
              std::vector<QString>({"Not found or damaged file " +
                                    QDir::toNativeSeparators(path("520p.cfg")) +
                                    ": the model's default configuration was not loaded and the "
                                    "values shown stay."}));
    EXPECT_EQ(session->window().selectedInstrumentId(), 15);
    EXPECT_FALSE(form().tree("trvalmparam", 0).enabled());
}

TEST_F(DocumentCommandsTest, CancelOnGroupCKeepsTheEditedConfigurationAndTheModel) {
    form().numeric("TDBNumCOthrs").setValue(777);
    saveTo(kConfigurationDocument, "520p.cfg");
    ASSERT_TRUE(session->window().selectModel(12));
    form().numeric("TDBNumCOthrs").setValue(5);
    prompts.clear();
    prompts.queueAnswer(PromptAnswer::Cancel);
    EXPECT_FALSE(session->window().selectModel(20));
    EXPECT_EQ(records(Kind::Question).size(), 1u);
    EXPECT_EQ(form().numeric("TDBNumCOthrs").value(), 5.0);
    EXPECT_TRUE(documents()[kConfigurationDocument].Dirty());
    EXPECT_EQ(session->window().selectedInstrumentId(), 12);
    EXPECT_EQ(session->window().currentDriver()->Instrument_ID(), 12);
    EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), "12");
    for (form::FormItem* entry : form().members("mnuinstrumentname")) {
        const auto& menu = *static_cast<form::MenuItem*>(entry);
        EXPECT_EQ(menu.checked(), form::ModelMenu::EntryModel(menu) == 12);
    }
    EXPECT_TRUE(form().tabStrip("SSTabconf").tabAvailable(0));
}

TEST_F(DocumentCommandsTest, FileNameAndDirtyFlagAnnounceEveryRealChange) {
    struct Recorder : DocumentsListener {
        void documentChanged(int document, DocumentChange change) override {
            heard.emplace_back(document, change);
        }
        std::vector<std::pair<int, DocumentChange>> heard;
    } recorder;
    documents().addListener(&recorder);
    form().text("txtserviceline", 1).setText("edited");
    form().text("txtserviceline", 2).setText("edited too");
    prompts.queueFile(path("service.srv"));
    EXPECT_TRUE(commands().dataSave(kServiceDocument));
    documents().cleardirtyall();
    documents().removeListener(&recorder);
    EXPECT_EQ(recorder.heard, (std::vector<std::pair<int, DocumentChange>>{
                                  {kServiceDocument, DocumentChange::Dirty},
                                  {kServiceDocument, DocumentChange::FileName},
                                  {kServiceDocument, DocumentChange::Dirty}}));
}

}  // namespace
}  // namespace kilnward::documents::testing
