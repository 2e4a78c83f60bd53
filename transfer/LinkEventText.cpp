#include "transfer/LinkEventText.h"

#include "wirelink/Errors.h"
#include "wirelink/LinkEvent.h"

namespace kilnward::transfer {

namespace {

using wirelink::AttemptOutcome;
using wirelink::LinkEvent;

QString OutcomeName(AttemptOutcome outcome) {
    switch (outcome) {
        case AttemptOutcome::ACK:
            return QStringLiteral("answered (ACK)");
        case AttemptOutcome::DATA:
            return QStringLiteral("answered (data)");
        case AttemptOutcome::NAK:
            return QStringLiteral("NAK");
        case AttemptOutcome::FAIL:
            return QStringLiteral("refused (FAIL)");
        case AttemptOutcome::TIMEOUT:
            return QStringLiteral("time-out");
        case AttemptOutcome::HARDWARE:
            return QStringLiteral("line error");
        case AttemptOutcome::TXNOTREADY:
            return QStringLiteral("adapter not ready");
        case AttemptOutcome::CHECKSUM:
            return QStringLiteral("checksum error");
        case AttemptOutcome::BUSY:
            return QStringLiteral("BUSY");
        case AttemptOutcome::CANCELLED:
            return QStringLiteral("cancelled");
        case AttemptOutcome::ABORTED:
            return QStringLiteral("aborted");
        case AttemptOutcome::TOOLONG:
            return QStringLiteral("frame too long");
    }
    return QStringLiteral("unknown outcome");
}

QString Hex(std::uint8_t byte) {
    return QString::fromStdString(wirelink::Hex2(byte));
}

QString AttemptText(const LinkEvent& event) {
    const QString head =
        QStringLiteral("#%1 %2").arg(event.attempt).arg(OutcomeName(event.outcome));
    switch (event.next) {
        case LinkEvent::Next::Done:
            return head;
        case LinkEvent::Next::Retry:
            return head + QStringLiteral(", retry");
        case LinkEvent::Next::GiveUp:
            break;
    }
    const QString code =
        QStringLiteral("%1").arg(static_cast<std::uint32_t>(event.status), 8, 16, QLatin1Char('0'));
    return head + QStringLiteral(", given up: error 0x%1: %2")
                      .arg(code.toUpper(), QString::fromStdString(event.text));
}

}  // namespace

QString LinkEventText(const LinkEvent& event) {
    const QString bytes = QString::fromStdString(wirelink::HexBytes(event.bytes));
    switch (event.kind) {
        case LinkEvent::Kind::Sent:
            return QStringLiteral("send #%1 to %2: %3")
                .arg(event.attempt)
                .arg(Hex(event.addr), bytes);
        case LinkEvent::Kind::Received:
            return QStringLiteral("recv #%1 from %2: %3")
                .arg(event.attempt)
                .arg(Hex(event.addr), bytes);
        case LinkEvent::Kind::Attempt:
            return AttemptText(event);
        case LinkEvent::Kind::Note:
            break;
    }
    return QStringLiteral("note ") + QString::fromStdString(event.text);
}

}  // namespace kilnward::transfer
