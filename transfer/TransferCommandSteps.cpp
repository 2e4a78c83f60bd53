#include "transfer/TransferCommandSteps.h"

#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"

namespace kilnward::transfer {

std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question) {
    documents::MessageBoxes& boxes = window.messageBoxes();
    if (!boxes.ConfirmAction(
            question.isEmpty() ? TransferTexts::of(kind).confirmation.translated(boxes.translator())
                               : question,
            QStringLiteral("YES"))) {
        return std::nullopt;
    }
    // The received data arrive in untitled documents, after any changes were saved.
    if (kind == TransferKind::Receive && !window.commands().fileNew()) {
        return std::nullopt;
    }
    if (kind == TransferKind::Send) {
        // A field being edited hands over its value first.
        window.files().RefreshMainWindow();
    }
    const TransferOutcome outcome = transfer();
    if (kind == TransferKind::Receive) {
        window.files().RefreshMainWindow();
    }
    return outcome;
}

}  // namespace kilnward::transfer
