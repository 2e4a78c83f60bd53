#include "transfer/TransferErrorReport.h"

#include <QString>
#include <QStringList>

#include "app/Translator.h"
#include "documents/MessageBoxes.h"
#include "wirelink/Errors.h"

namespace kilnward::transfer {

namespace {

constexpr std::uint32_t kFirstLinkCode = 0x80040000u;
constexpr std::uint32_t kLastLinkCode = 0x80050000u;

}  // namespace

bool IsLinkErrorCode(std::int32_t code) {
    const auto bits = static_cast<std::uint32_t>(code);
    return bits >= kFirstLinkCode && bits <= kLastLinkCode;
}

void ReportTransferError(const std::exception& error, documents::MessageBoxes& boxes,
                         const QString& advice) {
    const auto withAdvice = [&advice](const QString& message) {
        return advice.isEmpty() ? message : message + QStringLiteral("\n\n") + advice;
    };
    const QString description = QString::fromStdString(error.what());
    const auto* linkError = dynamic_cast<const wirelink::Error*>(&error);
    if (!linkError || !IsLinkErrorCode(linkError->code())) {
        boxes.ShowErrorMessage(withAdvice(description));
        return;
    }
    if (linkError->code() == wirelink::StatusOf(wirelink::WLink_errors::WLerr_abortsend)) {
        if (!advice.isEmpty()) {
            boxes.ShowErrorMessage(advice);
        }
        return;
    }
    const auto& context = linkError->context();
    if (!context) {
        // Without the bytes its message names, a translation could not be filled in.
        boxes.ShowErrorMessage(withAdvice(description));
        return;
    }
    const QString key = QStringLiteral("Error") + QString::number(linkError->code());
    boxes.ShowErrorMessage(withAdvice(
        boxes.translator().TranslateString(key, description, LinkErrorArguments(*context))));
}

QStringList LinkErrorArguments(const wirelink::ErrorContext& context) {
    const auto hex = [](std::uint8_t byte) { return QString::fromStdString(wirelink::Hex2(byte)); };
    return {hex(context.addr), hex(context.cmdh) + hex(context.cmdl), hex(context.type),
            hex(context.code)};
}

}  // namespace kilnward::transfer
