// A technician without hardware: receive from the simulated analyser through the transfer
// dialog, edit a field, send it back, receive again and find the edit.

#include "documents/DocumentCommands.h"
#include "form/Form.h"
#include "form/TextItem.h"
#include "tests/dialogs/TransferFixture.h"

namespace kilnward::dialogs {
namespace {

using testing::TransferDialogTest;
using transfer::TransferKind;
using transfer::TransferOutcome;

TEST_F(TransferDialogTest, ReceiveEditSendAndReceiveAgainFindsTheEdit) {
    form::Form& form = session->window().form();
    form::TextItem& header = form.text("txtheaderline", 1);
    const QString shippedHeader = header.text();

    // The simulated analyser starts with a real configuration: the shipped defaults.
    windowPrompts.queueAnswer(app::PromptAnswer::Yes);
    ASSERT_EQ(dialog->runCommand(TransferKind::Receive), TransferOutcome::Done);
    EXPECT_EQ(header.text(), shippedHeader);
    dialog->cmdAbort_Click();

    header.setText(QStringLiteral("Boiler room 3"));
    windowPrompts.queueAnswer(app::PromptAnswer::Yes);
    ASSERT_EQ(dialog->runCommand(TransferKind::Send), TransferOutcome::Done);
    EXPECT_EQ(dialog->status(), "Sending...Done, verified");
    dialog->cmdAbort_Click();

    // Back to the defaults without saving, then the analyser's memory again.
    writeConfig("General", "AskForSave", "NO");
    windowPrompts.queueAnswer(app::PromptAnswer::Yes);
    ASSERT_EQ(dialog->runCommand(TransferKind::Receive), TransferOutcome::Done);
    EXPECT_EQ(header.text(), "Boiler room 3");
    EXPECT_TRUE(session->documents()[documents::kHeaderDocument].Dirty());
}

}  // namespace
}  // namespace kilnward::dialogs
