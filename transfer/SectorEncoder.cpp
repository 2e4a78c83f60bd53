#include "transfer/SectorEncoder.h"

#include <QString>

#include <cmath>
#include <string>

#include "app/NumericField.h"
#include "app/Windows1252.h"
#include "drivers/DataType.h"
#include "drivers/InstrumentDriver.h"
#include "drivers/OverflowError.h"
#include "form/CheckItem.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/FuelCount.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "transfer/FieldDescription.h"
#include "transfer/SectorLayout.h"

namespace kilnward::transfer {

namespace {

namespace DataType = drivers::DataType;

constexpr int kHarrierFirstClearedBit = 18;
constexpr int kHarrierLastClearedBit = 23;

// Whole numbers are rounded to the nearest, halves to even.
std::int64_t Rounded(double value) {
    // A loaded document may hold any number; one beyond every field must fail like any
    // other value that does not fit, not turn into an arbitrary integer.
    constexpr double kLimit = 9.2e18;
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || std::fabs(rounded) > kLimit) {
        throw drivers::OverflowError(QString::number(value).toStdString() +
                                     " does not fit a field of the configuration sector");
    }
    return static_cast<std::int64_t>(rounded);
}

}  // namespace

SectorEncoder::SectorEncoder(const form::Form& form, drivers::InstrumentDriver& driver,
                             wirelink::ByteBuffer& image)
    : form_(form), driver_(driver), image_(image) {}

void SectorEncoder::putWhole(std::int64_t value, std::int32_t type) {
    driver_.Putinbuffer(image_, cursor_, value, type);
}

void SectorEncoder::putFloat(double value) {
    driver_.Putinbuffer(image_, cursor_, static_cast<float>(value), DataType::Float32);
}

void SectorEncoder::putFill(int width, std::uint8_t fill) {
    driver_.Putinbuffer(image_, cursor_, wirelink::ByteBuffer(static_cast<size_t>(width), fill),
                        DataType::Bytes);
}

double SectorEncoder::number(const SectorField& field) const {
    if (field.rule == FieldRule::SendZero) {
        return 0.0;
    }
    // Whatever the field holds, only a value inside its range reaches the analyser.
    const form::NumericItem& item = form_.numeric(ControlName(field), field.index);
    return app::ClampedForField(item, item.number());
}

void SectorEncoder::field(const SectorField& field) {
    try {
        putField(field);
    } catch (const drivers::OverflowError& error) {
        // The codec knows only the number and its type; the user needs the field.
        const form::FormItem* item = form_.find(ControlName(field), field.index);
        const QString name =
            item ? FieldDescription(*item) : QStringLiteral("sector offset %1").arg(cursor_);
        throw drivers::OverflowError(
            QStringLiteral("%1 does not fit its place in the configuration sector (%2)")
                .arg(name, QString::fromStdString(error.what()))
                .toStdString());
    }
}

void SectorEncoder::putField(const SectorField& field) {
    switch (field.kind) {
        case FieldKind::ListByte:
            putWhole(field.rule == FieldRule::SendZero
                         ? 0
                         : form_.list(ControlName(field), field.index).listIndex(),
                     DataType::UInt8);
            break;
        case FieldKind::CheckByte:
            putWhole(form_.check(ControlName(field), field.index).value(), DataType::UInt8);
            break;
        case FieldKind::Byte:
            putWhole(Rounded(number(field)), DataType::UInt8);
            break;
        case FieldKind::Word:
        case FieldKind::SignedWord:
            putWhole(Rounded(number(field)), DataType::UInt16);
            break;
        case FieldKind::Tenths:
            putWhole(Rounded(number(field) * 10.0), DataType::UInt16);
            break;
        case FieldKind::Float:
            putFloat(number(field));
            break;
        case FieldKind::Text:
            text(field);
            break;
        case FieldKind::PrinterFlags:
            printerFlags(field);
            break;
        case FieldKind::Direction:
            putWhole(form_.option(form::field::Optbargraphl2r, field.index).value() ? 0 : 1,
                     DataType::UInt8);
            break;
        case FieldKind::Codes:
            PutTreeCodes(field);
            break;
        case FieldKind::FormulaType:
            formulaType(field);
            break;
        case FieldKind::Gap:
            putFill(field.width, field.fill);
            break;
        case FieldKind::FloatGap:
            for (int i = 0; i < field.width; ++i) {
                putFloat(0.0);
            }
            break;
        case FieldKind::StepOver:
            cursor_ += field.width;
            break;
    }
}

void SectorEncoder::fillTexts(int count, int width) {
    const std::string fill(static_cast<size_t>(width), static_cast<char>(layout::kFillByte));
    for (int i = 0; i < count; ++i) {
        driver_.Putinbuffer(image_, cursor_, fill, DataType::Text);
    }
}

void SectorEncoder::text(const SectorField& field) {
    const QByteArray typed =
        app::EncodeWindows1252(form_.text(ControlName(field), field.index).text());
    const std::string stored =
        driver_.TranslateString(typed.toStdString(), 1, static_cast<std::int16_t>(field.width));
    driver_.Putinbuffer(image_, cursor_, stored, DataType::Text);
}

void SectorEncoder::printerFlags(const SectorField& field) {
    std::int64_t flags = 0;
    for (int bit = 0; bit < layout::kPrinterFlagCount; ++bit) {
        const bool cleared = field.rule == FieldRule::SendWithoutBits18to23 &&
                             bit >= kHarrierFirstClearedBit && bit <= kHarrierLastClearedBit;
        // A grey box counts as ticked: its state 2 must not spill into the next flag.
        if (!cleared && !form_.check(ControlName(field), bit).isUnchecked()) {
            flags |= std::int64_t{1} << bit;
        }
    }
    putWhole(flags, DataType::UInt32);
}

void SectorEncoder::formulaType(const SectorField& field) {
    const bool firstUnused = field.index == form::FuelsInUse(form_);
    putWhole(
        firstUnused ? layout::kFillByte : form_.list(ControlName(field), field.index).listIndex(),
        DataType::UInt8);
}

void SectorEncoder::PutTreeCodes(const SectorField& field) {
    const form::TreeItem& tree = form_.tree(ControlName(field), field.index);
    if (field.restart) {
        codeList_.clear();
    }
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        codeList_.push_back(tree.node(node).parameterId());
    }
    if (!field.final) {
        return;
    }
    for (auto entry = codeList_.rbegin(); entry != codeList_.rend() && *entry == 0; ++entry) {
        *entry = layout::kFillByte;
    }
    driver_.Putinbuffer(image_, cursor_, wirelink::ByteBuffer(codeList_), DataType::Bytes);
}

}  // namespace kilnward::transfer
