#pragma once

#include <QString>
#include <QStringList>

namespace kilnward::app {
class Translator;
}

namespace kilnward::transfer {

// The transfers the program offers: the restore writes a backup back as a send writes.
enum class TransferKind { Receive, Send, SetClock, Restore };

// A user-visible text: its translation key and its English text.
struct TransferText {
    const char* key;
    const char* english;

    QString translated(app::Translator& translator, const QStringList& arguments = {}) const;
};

// The texts of one transfer: its confirmation and its status lines; `verified` ends a
// transfer whose writes were read back and found kept (only those that write have one).
struct TransferTexts {
    TransferText confirmation;
    TransferText running;
    TransferText done;
    TransferText failed;
    TransferText verified{"", ""};

    static const TransferTexts& of(TransferKind kind);
};

inline constexpr TransferText kSendPhase2Text{"sendop2", "Sending (Phase 2)...In progress"};
inline constexpr TransferText kAbortText{"abort", "&Abort"};
inline constexpr TransferText kCloseText{"close", "&Close"};
inline constexpr TransferText kPortNotOpenedText{"msg_ErrorOpeningcommport",
                                                 "Error Opening commport"};
// A failed opening attempt while more follow: %3% names the port and why it did not open.
inline constexpr TransferText kOpeningFailedText{
    "msg_openattemptfailed", "Opening the port failed (attempt %1% of %2%): %3%"};
inline constexpr TransferText kReadsDisagreeText{
    "msg_readsdisagree",
    "Reads of the configuration at byte %1% did not agree: answers arrived late. Check the "
    "connection and try again"};
inline constexpr TransferText kPartialWriteText{
    "msg_partialwrite",
    "The analyser may still be in remote mode and hold a partly written configuration. Send "
    "the configuration again; if the analyser no longer answers, switch it off and on first"};
inline constexpr TransferText kUnknownValueText{
    "msg_unknownlistvalue",
    "Unknown value %1% received for %2% (%3%): it shows as the list's first entry and "
    "would be sent back as that entry"};

}  // namespace kilnward::transfer
