#pragma once

#include <QString>

namespace kilnward::app {
class Translator;
}

namespace kilnward::transfer {

// The three transfers the program offers.
enum class TransferKind { Receive, Send, SetClock };

// A user-visible text: its translation key and its English text.
struct TransferText {
    const char* key;
    const char* english;

    QString translated(app::Translator& translator) const;
};

// The texts of one transfer: its confirmation and its status lines.
struct TransferTexts {
    TransferText confirmation;
    TransferText running;
    TransferText done;
    TransferText failed;

    static const TransferTexts& of(TransferKind kind);
};

inline constexpr TransferText kSendPhase2Text{"sendop2", "Sending (Phase 2)...In progress"};
inline constexpr TransferText kAbortText{"abort", "&Abort"};
inline constexpr TransferText kCloseText{"close", "&Close"};
inline constexpr TransferText kPortNotOpenedText{"msg_ErrorOpeningcommport",
                                                 "Error Opening commport"};

}  // namespace kilnward::transfer
