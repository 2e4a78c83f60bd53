#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "transfer/TransferSession.h"
#include "transfer/TransferTexts.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

// The steps every transfer command but the receive takes around the transfer itself, whoever
// shows it: before a send, the field being edited hands over its value; the confirmation (a
// send's says how many fields changed since the last load or receive). Empty when the user
// stopped the command before the transfer. `question`, when given, is asked instead of the
// kind's own confirmation.
std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question = QString());

// What a receive brought: its outcome and the sector as read.
struct ReceivedSector {
    TransferOutcome outcome;
    wirelink::ByteBuffer sector;
};
// A receive into the form given.
using ReceiveInto = std::function<ReceivedSector(form::Form& into)>;

// The receive command: the confirmation and the save question of each changed document
// first; then the receive into a scratch window of the same model, so that the editor keeps
// what it holds (values, names, changed marks, undo history) unless the receive is done.
// Only then are its documents replaced (TakeReceivedConfiguration). Empty when the user
// stopped the command before the transfer.
std::optional<TransferOutcome> RunReceiveCommand(documents::MainWindowSession& window,
                                                 const ReceiveInto& receive);

// The one place where a receive replaces the editor's documents: all five reset to their
// default files and untitled, the sector put into the window's fields (which marks the
// documents changed), the window refreshed, and what arrived taken as the baseline of
// changes.
void TakeReceivedConfiguration(documents::MainWindowSession& window,
                               const wirelink::ByteBuffer& sector);

}  // namespace kilnward::transfer
