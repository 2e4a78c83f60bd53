#include "transfer/TransferCommandSteps.h"

#include "app/Translator.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "form/CommandStep.h"

namespace kilnward::transfer {

namespace {

constexpr TransferText kChangedFieldsText{"msg_changedfields",
                                          "Fields changed since the last load or receive: %1%"};

// The kind's question before a transfer; a send's also says how many fields were changed.
QString Confirmation(documents::MainWindowSession& window, TransferKind kind) {
    app::Translator& translator = window.messageBoxes().translator();
    QString text = TransferTexts::of(kind).confirmation.translated(translator);
    if (kind == TransferKind::Send) {
        text += QStringLiteral(".\n") +
                kChangedFieldsText.translated(translator,
                                              {QString::number(window.changes().changeCount())});
    }
    return text;
}

}  // namespace

std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question) {
    if (kind == TransferKind::Send) {
        // A field being edited hands over its value first, so the count includes it.
        window.files().RefreshMainWindow();
    }
    if (!window.messageBoxes().ConfirmAction(
            question.isEmpty() ? Confirmation(window, kind) : question, QStringLiteral("YES"))) {
        return std::nullopt;
    }
    // A receive replaces the documents as one step that can be undone; any transfer ends
    // the typing that went before it.
    const bool receive = kind == TransferKind::Receive;
    const form::CommandStep step(window.window().form(), receive ? "stepreceive" : "steptransfer",
                                 receive ? "Receive" : "Transfer");
    // The received data arrive in untitled documents, after any changes were saved.
    if (kind == TransferKind::Receive && !window.commands().fileNew()) {
        return std::nullopt;
    }
    const TransferOutcome outcome = transfer();
    if (kind == TransferKind::Receive) {
        window.files().RefreshMainWindow();
        // What arrived is what later edits count as changes; a failed receive leaves the
        // baseline of the reset documents.
        if (outcome == TransferOutcome::Done) {
            window.changes().takeBaseline();
        }
    }
    return outcome;
}

}  // namespace kilnward::transfer
