#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <exception>

#include "wirelink/Errors.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::documents {
class MessageBoxes;
}

namespace kilnward::transfer {

// Tells the user why a transfer failed. A request ended because the window was closing
// says nothing more; the link control's own errors are shown in the user's language
// (key "Error" and the decimal code, filled with LinkErrorArguments); anything else is shown
// as raised. A non-empty `advice` (what to do now) follows the message, and is shown alone for
// a closing window.
void ReportTransferError(const std::exception& error, documents::MessageBoxes& boxes,
                         const QString& advice = {});

// An error's message as it can be told in any language: the key of its text in the table
// with the words to fill in, and the message as raised, which stands where the table has no
// text and for every error that is not the link control's own (no key).
struct ErrorMessage {
    QString key;
    QString raised;
    QStringList arguments;

    QString in(app::Translator& translator) const;
};

// The message of `error`, to be told in any language later.
ErrorMessage TransferErrorOf(const std::exception& error);

// The message of `error` for the user: a link control's error of the table in the user's
// language, anything else as raised.
QString TransferErrorMessage(const std::exception& error, app::Translator& translator);

// The placeholders of a translated link error: %1% the instrument address, %2% the command
// (four hexadecimal digits), %3% the instrument type, %4% the code the instrument returned;
// each byte as two upper-case hexadecimal digits.
QStringList LinkErrorArguments(const wirelink::ErrorContext& context);

// Whether `code` is one of the link control's error codes (0x80040000 to 0x80050000).
bool IsLinkErrorCode(std::int32_t code);

}  // namespace kilnward::transfer
