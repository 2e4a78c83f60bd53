#include "transfer/SectorChanges.h"

#include <stdexcept>

#include <QSet>

#include "documents/FieldSnapshot.h"
#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "drivers/InstrumentDriver.h"
#include "form/Form.h"
#include "transfer/FieldBytes.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {

namespace {

std::unique_ptr<documents::MainWindowSession> Decoded(const wirelink::ByteBuffer& sector,
                                                      std::uint8_t model, app::UserPrompts& prompts,
                                                      app::Translator& translator,
                                                      UnusedFuels unusedFuels) {
    auto session = documents::OpenScratchSession(prompts, translator, model);
    drivers::InstrumentDriver* driver = session->window().currentDriver();
    if (!driver || driver->Instrument_ID() != model) {
        throw std::runtime_error(QStringLiteral("no driver for model %1").arg(model).toStdString());
    }
    if (static_cast<std::int64_t>(sector.size()) != driver->Configsector_size()) {
        throw std::runtime_error(QStringLiteral("a configuration sector of %1 bytes was "
                                                "expected, not %2")
                                     .arg(driver->Configsector_size())
                                     .arg(sector.size())
                                     .toStdString());
    }
    DecodeConfigSector(sector, session->window().form(), *driver, unusedFuels);
    return session;
}

// The keys of the fields whose bytes differ, each once.
class ChangedKeys : public ByteDifferenceSink {
  public:
    explicit ChangedKeys(const form::Form& form) : form_(form) {}

    void field(const form::FormItem& item) override {
        if (const auto stored = documents::FieldSnapshot::StoredField(form_, item)) {
            keys_.insert(stored->first);
        }
    }
    void reserved(std::int64_t) override {}

    bool contains(const QString& key) const { return keys_.contains(key); }

  private:
    const form::Form& form_;
    QSet<QString> keys_;
};

}  // namespace

std::vector<documents::FieldDifference> SectorChanges(const wirelink::ByteBuffer& before,
                                                      const wirelink::ByteBuffer& after,
                                                      std::uint8_t model, app::UserPrompts& prompts,
                                                      app::Translator& translator) {
    // What the bytes hold, also of the fuels past the count: the record compares bytes.
    const auto then = Decoded(before, model, prompts, translator, UnusedFuels::AsStored);
    const auto now = Decoded(after, model, prompts, translator, UnusedFuels::AsStored);
    const form::Form& form = now->window().form();
    ChangedKeys changed(form);
    CompareSectorBytes(before, after, form, model, changed);
    const documents::FieldSnapshot thenFields =
        documents::FieldSnapshot::Take(then->window().form(), then->documents(), translator);
    const documents::FieldSnapshot nowFields =
        documents::FieldSnapshot::Take(form, now->documents(), translator);
    // Bytes past a text's end or a list's end mark differ without changing what the analyser
    // shows or a document holds: no changed value.
    return documents::DiffFields(
        thenFields, nowFields, now->documents(), translator,
        [&changed](const documents::SnapshotField& was, const documents::SnapshotField& field) {
            return changed.contains(field.key) && documents::StoredValuesDiffer(was, field);
        });
}

std::unique_ptr<documents::MainWindowSession> AsTheAnalyserKeepsThem(
    documents::MainWindowSession& session) {
    drivers::InstrumentDriver* driver = session.window().currentDriver();
    if (!driver) {
        throw std::logic_error("no analyser model is selected");
    }
    // The bytes a send writes are all a decode reads; the rest may stay blank.
    wirelink::ByteBuffer sector(static_cast<std::size_t>(driver->Configsector_size()), 0);
    EncodeConfigSector(session.window().form(), *driver, sector);
    return Decoded(sector, driver->Instrument_ID(), session.messageBoxes().prompts(),
                   session.messageBoxes().translator(), UnusedFuels::Blank);
}

}  // namespace kilnward::transfer
