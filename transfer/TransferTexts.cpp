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
};
const TransferTexts kSetClock{
    {"Setclock", "Set instrument clock"},
    {"setclockop", "Setting clock...In progress"},
    {"setclockdone", "Setting clock...Done"},
    {"setclockfail", "Setting clock...Failed"},
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
        case TransferKind::SetClock:
            break;
    }
    return kSetClock;
}

}  // namespace kilnward::transfer
