#include "transfer/TransferTexts.h"

#include "app/Translator.h"

namespace kilnward::transfer {

namespace {

const TransferTexts kReceive{
    {"Getconfdata", "Receive configuration data"},
    {"getop", "Receiving...In progress"},
    {"getopdone", "Receiving...Done"},
    {"getopfail", "Receiving...Failed"},
};
const TransferTexts kSend{
    {"Sendconfdata", "Send configuration data"},
    {"sendop1", "Sending (Phase 1)...In progress"},
    {"sendopdone", "Sending...Done"},
    {"sendopfail", "Sending...Failed"},
    {"sendopverified", "Sending...Done, verified"},
};
const TransferTexts kSetClock{
    {"Setclock", "Set instrument clock"},
    {"setclockop", "Setting clock...In progress"},
    {"setclockdone", "Setting clock...Done"},
    {"setclockfail", "Setting clock...Failed"},
};
// The restore's question names the backup (RestoreQuestion); this one is its fallback.
const TransferTexts kRestore{
    {"bkp_restore", "Restore analyser from backup"},
    {"restoreop", "Restoring...In progress"},
    {"restoreopdone", "Restoring...Done"},
    {"restoreopfail", "Restoring...Failed"},
    {"restoreopverified", "Restoring...Done, verified"},
};

}  // namespace

QString TransferText::translated(app::Translator& translator, const QStringList& arguments) const {
    return translator.TranslateString(QString::fromLatin1(key), QString::fromLatin1(english),
                                      arguments);
}

const TransferTexts& TransferTexts::of(TransferKind kind) {
    switch (kind) {
        case TransferKind::Receive:
            return kReceive;
        case TransferKind::Send:
            return kSend;
        case TransferKind::Restore:
            return kRestore;
        case TransferKind::SetClock:
            break;
    }
    return kSetClock;
}

}  // namespace kilnward::transfer
