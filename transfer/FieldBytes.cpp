#include "transfer/FieldBytes.h"

#include <algorithm>
#include <vector>

#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/TreeItem.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorVisitor.h"
#include "transfer/SectorWalk.h"

namespace kilnward::transfer {

namespace {

using enum FieldKind;

// The bytes one field takes in the sector.
struct Span {
    std::int64_t begin;
    std::int64_t end;
    SectorField field;
    const form::FormItem* item;
};

// Lays the fields out as the walk tells them, without reading or writing a value: the walk's
// own checks of where each area starts prove the widths.
class SpanVisitor : public SectorVisitor {
  public:
    explicit SpanVisitor(const form::Form& form) : form_(form) {}

    std::int64_t cursor() const override { return cursor_; }
    void field(const SectorField& field) override {
        const std::int64_t width = widthOf(field);
        const QString name =
            field.kind == Direction ? form::field::Optbargraphl2r : ControlName(field);
        const form::FormItem* item = name.isEmpty() ? nullptr : form_.find(name, field.index);
        spans_.push_back({cursor_, cursor_ + width, field, item});
        cursor_ += width;
    }

    const std::vector<Span>& spans() const { return spans_; }

  private:
    std::int64_t widthOf(const SectorField& field) const {
        switch (field.kind) {
            case ListByte:
            case CheckByte:
            case Byte:
            case Direction:
            case FormulaType:
                return 1;
            case Word:
            case SignedWord:
            case Tenths:
                return 2;
            case Float:
            case PrinterFlags:
                return 4;
            case Text:
            case Gap:
            case StepOver:
                return field.width;
            case FloatGap:
                return 4 * field.width;
            case Codes:
                return form_.tree(ControlName(field), field.index).nodeCount();
        }
        return 0;
    }

    const form::Form& form_;
    std::int64_t cursor_ = 0;
    std::vector<Span> spans_;
};

}  // namespace

void CompareSectorBytes(const wirelink::ByteBuffer& first, const wirelink::ByteBuffer& second,
                        const form::Form& form, std::uint8_t model, ByteDifferenceSink& sink) {
    SpanVisitor layout(form);
    WalkSector(form, model, layout);
    const std::vector<Span>& spans = layout.spans();
    const form::FormItem* fuelCount = form.find(form::field::TDBNummaxfuels);
    auto span = spans.begin();
    const std::size_t size = std::min(first.size(), second.size());
    for (std::size_t at = layout::kFirstWritten; at < size; ++at) {
        const auto offset = static_cast<std::int64_t>(at);
        while (span != spans.end() && span->end <= offset) {
            ++span;
        }
        const std::uint8_t changed = first[at] ^ second[at];
        const bool inSpan = span != spans.end() && span->begin <= offset;
        if (changed == 0 || (inSpan && span->field.kind == StepOver)) {
            continue;  // the same, or the analyser's own byte
        }
        if (inSpan && span->field.kind == PrinterFlags) {
            // One check box per bit, least significant byte first.
            for (int bit = 0; bit < 8; ++bit) {
                const auto flag = static_cast<int>(8 * (offset - span->begin)) + bit;
                const form::FormItem* item = form.find(ControlName(span->field), flag);
                if ((changed >> bit & 1) != 0 && item) {
                    sink.field(*item);
                }
            }
        } else if (inSpan && span->field.kind == FormulaType && fuelCount &&
                   (first[at] == layout::kFillByte || second[at] == layout::kFillByte)) {
            // The end mark of the fuels in use moved: the fuel count changed.
            sink.field(*fuelCount);
        } else if (inSpan && span->item) {
            sink.field(*span->item);
        } else {
            sink.reserved(offset);
        }
    }
    if (first.size() != second.size()) {
        sink.reserved(static_cast<std::int64_t>(size));
    }
}

}  // namespace kilnward::transfer
