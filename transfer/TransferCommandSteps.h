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

// The steps every transfer command takes around the transfer itself, whoever shows it: the
// confirmation; before a receive, the save question and the reset of the documents; before a
// send, the field being edited hands over its value; after a receive, the window shows what
// arrived. Empty when the user stopped the command before the transfer. `question`, when
// given, is asked instead of the kind's own confirmation.
std::optional<TransferOutcome> RunTransferCommand(documents::MainWindowSession& window,
                                                  TransferKind kind,
                                                  const std::function<TransferOutcome()>& transfer,
                                                  const QString& question = QString());

}  // namespace kilnward::transfer
