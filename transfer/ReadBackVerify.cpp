#include "transfer/ReadBackVerify.h"

#include <optional>
#include <vector>

#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "transfer/FieldBytes.h"
#include "transfer/FieldDescription.h"
#include "transfer/SafeguardTexts.h"

namespace kilnward::transfer {

namespace {

class DifferenceList : public ByteDifferenceSink {
  public:
    explicit DifferenceList(app::Translator& translator) : translator_(translator) {}

    void field(const form::FormItem& item) override {
        flushReserved();
        add(FieldDescription(item));
    }
    void reserved(std::int64_t offset) override {
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
    DifferenceList differences(translator);
    CompareSectorBytes(written, readBack, form, model, differences);
    return differences.finish();
}

QStringList ReadBackDifferences(const wirelink::ByteBuffer& written,
                                const wirelink::ByteBuffer& readBack, std::uint8_t model,
                                app::UserPrompts& prompts, app::Translator& translator) {
    const auto scratch = documents::OpenScratchSession(prompts, translator, model);
    return ReadBackDifferences(written, readBack, scratch->window().form(), model, translator);
}

}  // namespace kilnward::transfer
