#include "transfer/ReadBackVerify.h"

#include <optional>
#include <vector>

#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/TreeItem.h"
#include "transfer/FieldDescription.h"
#include "transfer/SafeguardTexts.h"
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

class DifferenceList {
  public:
    explicit DifferenceList(app::Translator& translator) : translator_(translator) {}

    void name(const form::FormItem& item) {
        flushReserved();
        add(FieldDescription(item));
    }
    void reserved(std::int64_t offset) {
        if (reserved_ && reserved_->second + 1 == offset) {
            reserved_->second = offset;
            return;
        }
        flushReserved();
        reserved_.emplace(offset, offset);
    }
    QStringList finish() {
        flushReserved();
        return names_;
    }

  private:
    void add(const QString& text) {
        if (!names_.contains(text)) {
            names_.push_back(text);
        }
    }
    void flushReserved() {
        if (reserved_) {
            add(kVerifyReservedText.translated(translator_, {QString::number(reserved_->first),
                                                             QString::number(reserved_->second)}));
            reserved_.reset();
        }
    }

    app::Translator& translator_;
    QStringList names_;
    std::optional<std::pair<std::int64_t, std::int64_t>> reserved_;
};

}  // namespace

QStringList ReadBackDifferences(const wirelink::ByteBuffer& written,
                                const wirelink::ByteBuffer& readBack, const form::Form& form,
                                std::uint8_t model, app::Translator& translator) {
    SpanVisitor layout(form);
    WalkSector(form, model, layout);
    const std::vector<Span>& spans = layout.spans();
    DifferenceList differences(translator);
    auto span = spans.begin();
    const std::size_t size = std::min(written.size(), readBack.size());
    for (std::size_t at = layout::kFirstWritten; at < size; ++at) {
        const auto offset = static_cast<std::int64_t>(at);
        while (span != spans.end() && span->end <= offset) {
            ++span;
        }
        const std::uint8_t changed = written[at] ^ readBack[at];
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
                    differences.name(*item);
                }
            }
        } else if (inSpan && span->item) {
            differences.name(*span->item);
        } else {
            differences.reserved(offset);
        }
    }
    if (written.size() != readBack.size()) {
        differences.reserved(static_cast<std::int64_t>(size));
    }
    return differences.finish();
}

}  // namespace kilnward::transfer
