#include "transfer/SectorDecoder.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <variant>
#include <vector>

#include "app/Notices.h"
#include "app/Windows1252.h"
#include "drivers/DataType.h"
#include "drivers/InstrumentDriver.h"
#include "form/CheckItem.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/ItemTranslation.h"
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

constexpr int kMaxDecimals = 5;
constexpr int kDecimalsFallback = 3;
constexpr int kBlankFormulaType = 1;

std::int64_t WholeValue(const drivers::BufferValue& value) {
    return std::visit(
        [](const auto& v) -> std::int64_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_integral_v<T>) {
                return static_cast<std::int64_t>(v);
            } else {
                throw std::logic_error("configuration sector: a whole number was expected");
            }
        },
        value);
}

// The value the analyser's single-precision float stands for: the shortest decimal that
// reads back as the same float, so 0.38 is shown and saved as 0.38 and not as the double
// nearest to the float (0.3799999952316284). Sending it again gives the same float.
double FloatAsDecimal(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

}  // namespace

SectorDecoder::SectorDecoder(const wirelink::ByteBuffer& image, form::Form& form,
                             drivers::InstrumentDriver& driver, bool blankUnusedFuels)
    : image_(image), form_(form), driver_(driver), blankUnusedFuels_(blankUnusedFuels) {}

std::int64_t SectorDecoder::readWhole(std::int32_t type) {
    return WholeValue(driver_.Getfrombufferinc(image_, type, cursor_));
}

float SectorDecoder::readFloat() {
    return std::get<float>(driver_.Getfrombufferinc(image_, DataType::Float32, cursor_));
}

void SectorDecoder::field(const SectorField& field) {
    switch (field.kind) {
        case FieldKind::ListByte:
            listByte(field, static_cast<int>(readWhole(DataType::UInt8)));
            break;
        case FieldKind::CheckByte: {
            const auto value = static_cast<int>(readWhole(DataType::UInt8));
            if (!form_.check(ControlName(field), field.index).setValue(value)) {
                throw std::out_of_range("Invalid property value: check state " +
                                        std::to_string(value) + " of " + field.control);
            }
            break;
        }
        case FieldKind::Byte:
            number(field, static_cast<double>(readWhole(DataType::UInt8)));
            break;
        case FieldKind::Word:
            number(field, static_cast<double>(readWhole(DataType::UInt16)));
            break;
        case FieldKind::SignedWord:
            number(field, static_cast<double>(readWhole(DataType::Int16)));
            break;
        case FieldKind::Tenths:
            number(field, static_cast<double>(readWhole(DataType::UInt16)) / 10.0);
            break;
        case FieldKind::Float:
            number(field, finiteFloat(field));
            break;
        case FieldKind::Text:
            text(field);
            break;
        case FieldKind::PrinterFlags:
            printerFlags(field);
            break;
        case FieldKind::Direction:
            direction(field);
            break;
        case FieldKind::Codes:
            GetTreeCodes(field);
            break;
        case FieldKind::FormulaType:
            formulaType(field);
            break;
        case FieldKind::Gap:
            driver_.Getfrombufferinc(image_, DataType::Text, cursor_,
                                     static_cast<std::int16_t>(field.width));
            break;
        case FieldKind::FloatGap:
            for (int i = 0; i < field.width; ++i) {
                readFloat();
            }
            break;
        case FieldKind::StepOver:
            cursor_ += field.width;
            break;
    }
}

void SectorDecoder::beginFuel(int fuel) {
    fuel_ = fuel;
    const std::int64_t formulaByte = cursor_ + driver_.getoffsFORMULATYPEFROMCOMB();
    if (fuelsValid_ && WholeValue(driver_.Getfrombuffer(image_, DataType::UInt8, formulaByte)) ==
                           layout::kFillByte) {
        form_.numeric(form::field::TDBNummaxfuels).setValue(fuel);
        fuelsValid_ = false;
    }
}

void SectorDecoder::endFuels() {
    fuel_ = -1;
    if (fuelsValid_) {
        form_.numeric(form::field::TDBNummaxfuels).setValue(layout::kFuelCount);
    }
}

void SectorDecoder::listByte(const SectorField& field, int value) {
    if (field.rule == FieldRule::ReceiveIgnored) {
        return;
    }
    form::ListItem& list = form_.list(ControlName(field), field.index);
    if ((value < 0 || value >= list.count()) && !blankFuel()) {
        // Shown as the first entry (or the decimals fallback); the technician must know
        // before sending it back.
        const form::ItemTranslation item(list);
        unknown_.push_back(UnknownListValue{list.caption().isEmpty() ? list.name() : list.caption(),
                                            item.controlKey(), static_cast<std::uint8_t>(value)});
    }
    if (field.rule == FieldRule::Decimals && value > kMaxDecimals) {
        value = kDecimalsFallback;
    }
    list.setListIndex(value >= 0 && value < list.count() ? value : 0);
}

double SectorDecoder::finiteFloat(const SectorField& field) {
    const float value = readFloat();
    if (std::isfinite(value)) {
        return FloatAsDecimal(value);
    }
    // No field takes a NaN or an infinity: such bytes are damage, not a setting.
    app::TellNotice(
        "noticenonumber", "The analyser's %1% holds no number (%2%): 0 is used instead",
        {FieldDescription(form_.item(ControlName(field), field.index)), QString::number(value)});
    return 0.0;
}

void SectorDecoder::number(const SectorField& field, double value) {
    form_.numeric(ControlName(field), field.index).setValue(blankFuel() ? 0.0 : value);
}

void SectorDecoder::text(const SectorField& field) {
    const auto stored = std::get<std::string>(driver_.Getfrombufferinc(
        image_, DataType::Text, cursor_, static_cast<std::int16_t>(field.width)));
    const std::string shown =
        driver_.TranslateString(stored, 0, static_cast<std::int16_t>(field.maxChars));
    form_.text(ControlName(field), field.index)
        .setText(blankFuel() ? QString()
                             : app::DecodeWindows1252(QByteArray::fromStdString(shown)));
}

void SectorDecoder::printerFlags(const SectorField& field) {
    const drivers::BufferValue flags = driver_.Getfrombufferinc(image_, DataType::UInt32, cursor_);
    for (int bit = 0; bit < layout::kPrinterFlagCount; ++bit) {
        form_.check(ControlName(field), bit)
            .setValue(driver_.Getbit(flags, static_cast<std::uint8_t>(bit)));
    }
}

void SectorDecoder::direction(const SectorField& field) {
    const bool leftToRight = readWhole(DataType::UInt8) == 0;
    form_
        .option(leftToRight ? form::field::Optbargraphl2r : form::field::Optbargraphr2l,
                field.index)
        .setValue(true);
}

void SectorDecoder::formulaType(const SectorField& field) {
    const auto value = static_cast<int>(readWhole(DataType::UInt8));
    // The formula's change handler may rework the Q net field; the stored value wins.
    form::NumericItem& qnet = form_.numeric(form::field::TDBNumparQnet, field.index);
    const std::optional<double> savedQnet = qnet.value();
    if (blankFuel()) {
        form_.list(ControlName(field), field.index).setListIndex(kBlankFormulaType);
    } else {
        listByte(field, value);
    }
    qnet.assign(savedQnet);
}

void SectorDecoder::GetTreeCodes(const SectorField& field) {
    form::TreeItem& tree = form_.tree(ControlName(field), field.index);
    if (field.restart) {
        codesEnded_ = false;
    }
    std::vector<std::uint8_t> entries;
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        const auto code = static_cast<std::uint8_t>(readWhole(DataType::UInt8));
        codesEnded_ = codesEnded_ || code == layout::kFillByte;
        entries.push_back(codesEnded_ ? 0 : code);
    }
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        tree.assignParameter(node, entries[static_cast<size_t>(node - 1)]);
    }
}

}  // namespace kilnward::transfer
