// For every model: the send's encoding and the receive's decoding are each other's inverse
// on every field the program manages, and a send rewrites nothing but those fields and the
// reserved places it fills.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {
namespace {

using testing::ManagedFields;
using testing::NoiseSector;
using testing::RandomConfiguration;
using testing::SessionFixture;
using wirelink::ByteBuffer;

// What a control shows, as text, for comparing two windows.
QString Shown(form::Form& form, const SectorField& field, std::uint8_t model) {
    const QString name = ControlName(field);
    switch (field.kind) {
        case FieldKind::ListByte:
        case FieldKind::FormulaType:
            return QString::number(form.list(name, field.index).listIndex());
        case FieldKind::CheckByte:
            return QString::number(form.check(name, field.index).value());
        case FieldKind::Byte:
        case FieldKind::Word:
        case FieldKind::SignedWord:
        case FieldKind::Tenths:
        case FieldKind::Float:
            return QString::number(form.numeric(name, field.index).number(), 'g', 17);
        case FieldKind::Text:
            return form.text(name, field.index).text();
        case FieldKind::PrinterFlags: {
            QString bits;
            for (int box = 0; box < 25; ++box) {
                const bool sentAsZero = model == 9 && box >= 18 && box <= 23;
                bits += sentAsZero ? QChar(u'-') : QChar(u'0' + form.check(name, box).value());
            }
            return bits;
        }
        case FieldKind::Direction:
            return form.option("Optbargraphl2r", field.index).value() ? "l2r" : "r2l";
        case FieldKind::Codes: {
            QString codes;
            form::TreeItem& tree = form.tree(name, field.index);
            for (int node = 1; node <= tree.nodeCount(); ++node) {
                codes += QString::number(tree.node(node).parameterId()) + u' ';
            }
            return codes;
        }
        case FieldKind::Gap:
        case FieldKind::FloatGap:
        case FieldKind::StepOver:
            break;
    }
    return {};
}

bool Compared(const SectorField& field) {
    return field.kind != FieldKind::Gap && field.kind != FieldKind::FloatGap &&
           field.kind != FieldKind::StepOver && field.rule != FieldRule::ReceiveIgnored &&
           field.rule != FieldRule::SendZero;
}

// The reserved places a send fills, model by model.
std::set<int> RewrittenGaps(std::uint8_t model, int alarms) {
    std::set<int> gaps;
    auto run = [&gaps](int first, int count) {
        for (int at = first; at < first + count; ++at) {
            gaps.insert(at);
        }
    };
    run(0, 2);
    run(24, 12);
    run(188, 1);
    run(199, 15);
    run(318, 16);
    if (model == 13) {
        run(396, 16);
    } else if (model == 19) {
        run(394, 2);
        run(397, 15);
    } else {
        run(394, 18);
    }
    for (int fuel = 0; fuel < 10; ++fuel) {
        run(412 + 68 * fuel + 63, 1);
    }
    for (int alarm = 0; alarm < alarms; ++alarm) {
        run(1092 + 10 * alarm + 7, 3);
    }
    const int tail = 1092 + 10 * alarms;
    run(tail + 4, 12);
    for (int input = 0; input < 2; ++input) {
        run(tail + 16 + 40 * input + 24, 16);
    }
    for (int output = 0; output < 4; ++output) {
        run(tail + 96 + 26 * output + 11, 15);
    }
    run(1712, 16);
    return gaps;
}

class RoundTrip : public ::testing::TestWithParam<std::uint8_t> {
  protected:
    void SetUp() override {
        sender.chooseModel(model());
        receiver.chooseModel(model());
    }
    std::uint8_t model() const { return GetParam(); }
    int alarms() const { return model() == 12 || model() == 13 ? 6 : 4; }

    SessionFixture sender;
    SessionFixture receiver;
};

TEST_P(RoundTrip, EncodeThenDecodeGivesBackEveryManagedField) {
    for (unsigned seed : {1u, 2u, 3u}) {
        RandomConfiguration(sender, seed * 100 + model());
        ByteBuffer image = NoiseSector(seed);
        EncodeConfigSector(sender.form(), sender.driver(), image);
        DecodeConfigSector(image, receiver.form(), receiver.driver());
        int compared = 0;
        for (const auto& placed : ManagedFields(sender)) {
            if (!Compared(placed.field)) {
                continue;
            }
            ++compared;
            EXPECT_EQ(Shown(receiver.form(), placed.field, model()),
                      Shown(sender.form(), placed.field, model()))
                << placed.field.control << "(" << placed.field.index << ") at " << placed.offset;
        }
        EXPECT_GT(compared, 150);
    }
}

TEST_P(RoundTrip, DecodeThenEncodeRewritesOnlyTheReservedPlaces) {
    RandomConfiguration(sender, 7 + model());
    ByteBuffer canonical = NoiseSector(11);
    EncodeConfigSector(sender.form(), sender.driver(), canonical);
    const std::set<int> gaps = RewrittenGaps(model(), alarms());
    // The analyser may hold anything in the reserved places.
    ByteBuffer received = canonical;
    const ByteBuffer noise = NoiseSector(12);
    for (int at : gaps) {
        received[static_cast<size_t>(at)] = noise[static_cast<size_t>(at)];
    }
    if (model() == 12) {
        // This model's analog output type and error mode are the editor's, not the analyser's.
        for (int output = 0; output < 4; ++output) {
            for (const char* list : {"cboanaoutstype", "cboanaoutserrmode"}) {
                receiver.form()
                    .list(list, output)
                    .setListIndex(sender.form().list(list, output).listIndex());
            }
        }
    }
    DecodeConfigSector(received, receiver.form(), receiver.driver());
    ByteBuffer sent = received;
    EncodeConfigSector(receiver.form(), receiver.driver(), sent);
    for (int at = 0; at < 2048; ++at) {
        const auto i = static_cast<size_t>(at);
        EXPECT_EQ(sent[i], gaps.count(at) ? canonical[i] : received[i]) << "byte " << at;
    }
}

TEST_P(RoundTrip, EveryAreaLiesWhereTheAnalyserKeepsIt) {
    std::map<QString, std::int64_t> first;
    for (const auto& placed : ManagedFields(sender)) {
        const QString key =
            QString::fromLatin1(placed.field.control) + "#" + QString::number(placed.field.index);
        first.emplace(key, placed.offset);
    }
    const int tail = 1092 + 10 * alarms();
    EXPECT_EQ(first.at("TDBNumtimers#0"), 2);
    EXPECT_EQ(first.at("chkprtconf#-1"), 38);
    EXPECT_EQ(first.at("txtlawline#6"), 114);
    EXPECT_EQ(first.at("trvprtrefparam#0"), 189);
    EXPECT_EQ(first.at("trvpage#5"), 214);  // the pages go out as one list
    EXPECT_EQ(first.at("TDBNumbargraphhigh#5"), 250 + 50 + 6);
    EXPECT_EQ(first.at("txtserviceline#2"), 334 + 36);
    EXPECT_EQ(first.at("TDBNumpercno2_nox#-1"), 392);
    EXPECT_EQ(first.at("TDBNumparTuboRisc#9"), 412 + 68 * 9 + 64);
    EXPECT_EQ(first.at("TDBNumalmvaloth#0"), tail);
    EXPECT_EQ(first.at("txtauxinpparamname#1"), tail + 16 + 40 + 18);
    EXPECT_EQ(first.at("cboanaoutserrmode#3"), tail + 96 + 78 + 10);
    EXPECT_EQ(first.at("TDBNumCOthrs#-1"), tail + 200);
}

INSTANTIATE_TEST_SUITE_P(AllModels, RoundTrip, ::testing::ValuesIn(drivers::KnownModelIds()),
                         [](const auto& info) { return "Model" + std::to_string(info.param); });

}  // namespace
}  // namespace kilnward::transfer
