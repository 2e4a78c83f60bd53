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

QString ErrorMessage::in(app::Translator& translator) const {
    return key.isEmpty() ? raised : translator.TranslateString(key, raised, arguments);
}

ErrorMessage TransferErrorOf(const std::exception& error) {
    const QString description = QString::fromStdString(error.what());
    const auto* linkError = dynamic_cast<const wirelink::Error*>(&error);
    // Without the bytes its message names, a translation of a link error could not be
    // filled in.
    if (!linkError || !IsLinkErrorCode(linkError->code()) || !linkError->context()) {
        return {QString(), description, {}};
    }
    return {QStringLiteral("Error") + QString::number(linkError->code()), description,
            LinkErrorArguments(*linkError->context())};
}

QString TransferErrorMessage(const std::exception& error, app::Translator& translator) {
    return TransferErrorOf(error).in(translator);
}

void ReportTransferError(const std::exception& error, documents::MessageBoxes& boxes,
                         const QString& advice) {
    const auto* linkError = dynamic_cast<const wirelink::Error*>(&error);
    if (linkError &&
        linkError->code() == wirelink::StatusOf(wirelink::WLink_errors::WLerr_abortsend)) {
        if (!advice.isEmpty()) {
            boxes.ShowErrorMessage(advice);
        }
        return;
    }
    const QString message = TransferErrorMessage(error, boxes.translator());
    boxes.ShowErrorMessage(advice.isEmpty() ? message : message + QStringLiteral("\n\n") + advice);
}

QStringList LinkErrorArguments(const wirelink::ErrorContext& context) {
    const auto hex = [](std::uint8_t byte) { return QString::fromStdString(wirelink::Hex2(byte)); };
    return {hex(context.addr), hex(context.cmdh) + hex(context.cmdl), hex(context.type),
            hex(context.code)};
}

}  // namespace kilnward::transfer
