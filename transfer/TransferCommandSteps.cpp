#include "transfer/TransferCommandSteps.h"

#include <memory>
#include <stdexcept>

#include "app/Translator.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "documents/SessionComparison.h"
#include "drivers/InstrumentDriver.h"
#include "form/CommandStep.h"
#include "transfer/SectorMap.h"

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

bool Confirmed(documents::MainWindowSession& window, const QString& question) {
    return window.messageBoxes().ConfirmAction(question, QStringLiteral("YES"));
}

}  // namespace

std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question) {
    if (kind == TransferKind::Receive) {
        throw std::logic_error("a receive runs through RunReceiveCommand");
    }
    if (kind == TransferKind::Send) {
        // A field being edited hands over its value first, so the count includes it.
        window.files().RefreshMainWindow();
    }
    if (!Confirmed(window, question.isEmpty() ? Confirmation(window, kind) : question)) {
        return std::nullopt;
    }
    // Any transfer ends the typing that went before it.
    const form::CommandStep step(window.window().form(), "steptransfer", "Transfer");
    return transfer();
}

std::optional<TransferOutcome> RunReceiveCommand(documents::MainWindowSession& window,
                                                 const ReceiveInto& receive) {
    if (!Confirmed(window, Confirmation(window, TransferKind::Receive))) {
        return std::nullopt;
    }
    // Changes are offered for saving before the data arrive; a No keeps the mark until the
    // documents are really replaced.
    for (int d = 0; d < documents::Documents::count(); ++d) {
        if (!window.commands().QuerySaveDocument(d, false)) {
            return std::nullopt;
        }
    }
    const std::unique_ptr<documents::MainWindowSession> scratch = documents::OpenScratchSession(
        window.messageBoxes().prompts(), window.messageBoxes().translator(),
        window.window().selectedInstrumentId());
    const ReceivedSector received = receive(scratch->window().form());
    if (received.outcome == TransferOutcome::Done) {
        TakeReceivedConfiguration(window, received.sector);
    }
    return received.outcome;
}

void TakeReceivedConfiguration(documents::MainWindowSession& window,
                               const wirelink::ByteBuffer& sector) {
    drivers::InstrumentDriver* driver = window.window().currentDriver();
    if (!driver) {
        throw std::logic_error("no analyser model is selected");
    }
    // The replacement is one step that can be undone, taken before the live form changes.
    const form::CommandStep step(window.window().form(), "stepreceive", "Receive");
    // The received data arrive in untitled documents.
    for (int d = 0; d < documents::Documents::count(); ++d) {
        window.commands().resetToDefault(d);
    }
    // The sector decoded once already, into the scratch window of the same model; its
    // warnings were told then.
    DecodeConfigSector(sector, window.window().form(), *driver);
    window.files().RefreshMainWindow();
    // What arrived is what later edits count as changes.
    window.changes().takeBaseline();
}

}  // namespace kilnward::transfer
