#include "tests/transfer/TransferFixture.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <random>

#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "transfer/SectorEncoder.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorWalk.h"

namespace kilnward::transfer::testing {

namespace {

// A whole number the field can hold and the control accepts.
double WholeIn(std::mt19937& random, const form::NumericItem& item, double storageMin,
               double storageMax, double scale) {
    const double low = std::max(storageMin, std::ceil(item.minimum() * scale));
    const double high = std::min(storageMax, std::floor(item.maximum() * scale));
    std::uniform_int_distribution<int> pick(static_cast<int>(low), static_cast<int>(high));
    return pick(random) / scale;
}

QString RandomText(std::mt19937& random, int maxChars) {
    static const QString kLetters = QStringLiteral("ABCdefXYZ 0129-/\u00e9\u00fc\u00a3");
    const int length = static_cast<int>(random() % static_cast<unsigned>(maxChars + 1));
    QString text;
    for (int i = 0; i < length; ++i) {
        text += kLetters[static_cast<int>(random() % kLetters.size())];
    }
    return text;
}

void Randomize(form::Form& form, const SectorField& field, std::mt19937& random) {
    switch (field.kind) {
        case FieldKind::ListByte:
        case FieldKind::FormulaType: {
            form::ListItem& list = form.list(ControlName(field), field.index);
            list.setListIndex(static_cast<int>(random() % static_cast<unsigned>(list.count())));
            break;
        }
        case FieldKind::CheckByte:
            form.check(ControlName(field), field.index).setValue(static_cast<int>(random() % 2));
            break;
        case FieldKind::Byte:
        case FieldKind::Word:
        case FieldKind::SignedWord:
        case FieldKind::Tenths: {
            form::NumericItem& item = form.numeric(ControlName(field), field.index);
            const bool isSigned = field.kind == FieldKind::SignedWord;
            const double storageMin = isSigned ? -32768 : 0;
            const double storageMax = field.kind == FieldKind::Byte ? 255
                                      : isSigned                    ? 32767
                                                                    : 65535;
            item.setValue(WholeIn(random, item, storageMin, storageMax,
                                  field.kind == FieldKind::Tenths ? 10 : 1));
            break;
        }
        case FieldKind::Float:
            // Quarters are exact in single precision.
            form.numeric(ControlName(field), field.index)
                .setValue(static_cast<int>(random() % 4000) / 4.0 - 500.0);
            break;
        case FieldKind::Text:
            form.text(ControlName(field), field.index).setText(RandomText(random, field.maxChars));
            break;
        case FieldKind::PrinterFlags:
            for (int box = 0; box < layout::kPrinterFlagCount; ++box) {
                form.check(ControlName(field), box).setValue(static_cast<int>(random() % 2));
            }
            break;
        case FieldKind::Direction:
            form.option(random() % 2 ? QStringLiteral("Optbargraphl2r")
                                     : QStringLiteral("Optbargraphr2l"),
                        field.index)
                .setValue(true);
            break;
        case FieldKind::Codes: {
            form::TreeItem& tree = form.tree(ControlName(field), field.index);
            for (int node = 1; node <= tree.nodeCount(); ++node) {
                // Some empty slots, also in the middle of a list.
                const unsigned code = random() % 5 == 0 ? 0 : 1 + random() % 60;
                tree.assignParameter(node, static_cast<std::uint8_t>(code));
            }
            break;
        }
        case FieldKind::Gap:
        case FieldKind::FloatGap:
        case FieldKind::StepOver:
            break;
    }
}

}  // namespace

std::vector<RecordingVisitor::Placed> ManagedFields(SessionFixture& fixture) {
    wirelink::ByteBuffer scratch(layout::kSectorSize, 0);
    SectorEncoder encoder(fixture.form(), fixture.driver(), scratch);
    RecordingVisitor recorder(encoder);
    WalkSector(fixture.form(), fixture.driver().Instrument_ID(), recorder);
    return recorder.fields;
}

void RandomConfiguration(SessionFixture& fixture, unsigned seed) {
    std::mt19937 random(seed);
    for (const auto& placed : ManagedFields(fixture)) {
        Randomize(fixture.form(), placed.field, random);
    }
    fixture.form().numeric(QStringLiteral("TDBNummaxfuels")).setValue(layout::kFuelCount);
}

wirelink::ByteBuffer NoiseSector(unsigned seed) {
    std::mt19937 random(seed);
    wirelink::ByteBuffer sector(layout::kSectorSize);
    for (auto& byte : sector) {
        byte = static_cast<std::uint8_t>(random());
    }
    return sector;
}

}  // namespace kilnward::transfer::testing
