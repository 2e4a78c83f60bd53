#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "transfer/TransferSession.h"
#include "transfer/TransferTexts.h"

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::transfer {

// The steps every transfer command takes around the transfer itself, whoever shows it: before
// a send, the field being edited hands over its value; the confirmation (a send's says how
// many fields changed since the last load or receive); before a receive, the save question
// and the reset of the documents; after a receive, the window shows what arrived and, when it
// is done, that becomes the baseline of changes. Empty when the user stopped the command
// before the transfer. `question`, when given, is asked instead of the kind's own
// confirmation.
std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question = QString());

}  // namespace kilnward::transfer
