// For every model: every key of the five documents reaches the configuration sector and comes
// back from it (a receive of what a send wrote), or stands on the list below of keys the
// sector does not hold for that model, and then a change to it leaves the sector as it was.
// The keys are taken from the documents, not from the sector map, so a field the map forgets
// fails here.

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <map>
#include <random>
#include <set>

#include "app/DisplayFormat.h"
#include "documents/DocumentFiles.h"
#include "documents/Documents.h"
#include "documents/ValueEncoding.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {
namespace {

using testing::NoiseSector;
using testing::SessionFixture;
using wirelink::ByteBuffer;

constexpr std::uint8_t kHarrier520 = 9;
constexpr std::uint8_t kOsprey560 = 12;
constexpr std::uint8_t kKestrel580 = 13;
constexpr std::uint8_t kMerlin7 = 19;

enum class NotHeld {
    // Nothing of it reaches the sector: changing it leaves the sector as it was.
    NotSent,
    // Sent, but a receive leaves the field as it was.
    NotReadBack,
};

// The document keys the sector does not hold for `model`, and how.
std::map<QString, NotHeld> KeysTheSectorDoesNotHold(std::uint8_t model) {
    std::map<QString, NotHeld> keys;
    const auto key = [](const char* name, int index = -1) {
        return QStringLiteral("frmMain!%1").arg(QLatin1String(name)) +
               (index < 0 ? QString() : QStringLiteral("#%1").arg(index));
    };
    // The model bytes: only model 13 keeps the T/rh selection, only model 19 the country.
    if (model != kKestrel580) {
        keys[key("cboTrhAux")] = NotHeld::NotSent;
    }
    if (model != kMerlin7) {
        keys[key("cboNations")] = NotHeld::NotSent;
    }
    // Alarms 5 and 6 take room only where the model shows them.
    if (model != kOsprey560 && model != kKestrel580) {
        for (int alarm : {4, 5}) {
            keys[key("cboalmtype", alarm)] = NotHeld::NotSent;
            keys[key("chkalmenabled", alarm)] = NotHeld::NotSent;
            keys[key("TDBNumalmval", alarm)] = NotHeld::NotSent;
            keys[key("trvalmparam", alarm) + QStringLiteral(":1")] = NotHeld::NotSent;
        }
    }
    // Model 9 sends these as cleared or zero whatever the editor holds.
    if (model == kHarrier520) {
        for (int box = 18; box <= 23; ++box) {
            keys[key("chkprtconf", box)] = NotHeld::NotSent;
        }
        keys[key("cbocoexcl")] = NotHeld::NotSent;
        keys[key("TDBNumalmvaloth", 0)] = NotHeld::NotSent;
    }
    // Model 12's analog output type and error mode are the editor's: sent, never received.
    if (model == kOsprey560) {
        for (int output = 0; output < 4; ++output) {
            keys[key("cboanaoutstype", output)] = NotHeld::NotReadBack;
            keys[key("cboanaoutserrmode", output)] = NotHeld::NotReadBack;
        }
    }
    return keys;
}

// The controls that belong to one of the five documents.
std::vector<form::FormItem*> DocumentItems(SessionFixture& s) {
    std::vector<form::FormItem*> items;
    for (form::FormItem* item : s.form().items()) {
        for (int d = 0; d < documents::kDocumentCount; ++d) {
            if (s.session->files().BelongsTo(*item, d)) {
                items.push_back(item);
                break;
            }
        }
    }
    return items;
}

// True when `a` and `b` store the same value under some key.
bool SomeValueEqual(const form::FormItem& a, const form::FormItem& b) {
    const std::vector<documents::StoredValue> first = documents::EncodeControl(a);
    const std::vector<documents::StoredValue> second = documents::EncodeControl(b);
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i) {
        if (first[i].value == second[i].value) {
            return true;
        }
    }
    return false;
}

std::map<QString, form::FormItem*> ItemsByKey(SessionFixture& s) {
    std::map<QString, form::FormItem*> items;
    for (form::FormItem* item : DocumentItems(s)) {
        for (const documents::StoredValue& stored : documents::EncodeControl(*item)) {
            items[stored.key] = item;
        }
    }
    return items;
}

std::map<QString, QString> DocumentValues(SessionFixture& s) {
    std::map<QString, QString> values;
    for (const form::FormItem* item : DocumentItems(s)) {
        for (const documents::StoredValue& stored : documents::EncodeControl(*item)) {
            values[stored.key] = stored.value;
        }
    }
    return values;
}

// A step every value of the field can take exactly, in single precision and in its format.
double Step(const form::NumericItem& field) {
    const int decimals = app::DisplayFormat(field.format()).decimals();
    return decimals >= 2 ? 0.25 : decimals == 1 ? 0.5 : 1.0;
}

QString Text(std::mt19937& random, int maxLength) {
    static const QString kLetters = QStringLiteral("AbcXyz 019-/.\u00e9\u00fc\u00a3");
    QString text;
    const auto length = static_cast<int>(random() % static_cast<unsigned>(maxLength + 1));
    for (int i = 0; i < length; ++i) {
        text += kLetters[static_cast<int>(random() % kLetters.size())];
    }
    return text;
}

// A value the control can hold, by `random`.
void Randomize(form::FormItem& item, std::mt19937& random) {
    switch (item.kind()) {
        case form::ItemKind::List: {
            auto& list = static_cast<form::ListItem&>(item);
            if (list.count() > 0) {
                list.setListIndex(static_cast<int>(random() % static_cast<unsigned>(list.count())));
            }
            break;
        }
        case form::ItemKind::Check:
            static_cast<form::CheckItem&>(item).setValue(static_cast<int>(random() % 2));
            break;
        case form::ItemKind::Option:
            if (random() % 2) {
                static_cast<form::OptionItem&>(item).setValue(true);
            }
            break;
        case form::ItemKind::Text: {
            auto& text = static_cast<form::TextItem&>(item);
            text.setText(Text(random, text.maxLength()));
            break;
        }
        case form::ItemKind::Numeric: {
            auto& field = static_cast<form::NumericItem&>(item);
            const double step = Step(field);
            const auto low = static_cast<long>(std::ceil(field.minimum() / step));
            const auto high = static_cast<long>(std::floor(field.maximum() / step));
            field.setValue(std::uniform_int_distribution<long>(low, high)(random) * step);
            break;
        }
        case form::ItemKind::Tree: {
            auto& tree = static_cast<form::TreeItem&>(item);
            for (int node = 1; node <= tree.nodeCount(); ++node) {
                const unsigned code = random() % 6 == 0 ? 0 : 1 + random() % 60;
                tree.assignParameter(node, static_cast<std::uint8_t>(code));
            }
            break;
        }
        default:
            break;
    }
}

std::uint8_t OtherCode(std::uint8_t code) {
    return static_cast<std::uint8_t>(code % 60 + 1);
}

// Gives `item` a value other than the one `other` holds, where the control has another one.
void MakeDiffer(form::FormItem& item, const form::FormItem& other) {
    switch (item.kind()) {
        case form::ItemKind::List: {
            auto& list = static_cast<form::ListItem&>(item);
            const int held = static_cast<const form::ListItem&>(other).listIndex();
            if (list.count() > 1) {
                list.setListIndex((held + 1) % list.count());
            }
            break;
        }
        case form::ItemKind::Check:
            static_cast<form::CheckItem&>(item).setValue(
                static_cast<const form::CheckItem&>(other).isUnchecked() ? 1 : 0);
            break;
        case form::ItemKind::Option:
            // Setting this member clears its sibling; clearing it means setting the sibling,
            // which the pair's other key does.
            if (!static_cast<const form::OptionItem&>(other).value()) {
                static_cast<form::OptionItem&>(item).setValue(true);
            }
            break;
        case form::ItemKind::Text: {
            auto& text = static_cast<form::TextItem&>(item);
            const QString held = static_cast<const form::TextItem&>(other).text();
            text.setText(held.isEmpty() ? QStringLiteral("Q") : held.left(held.size() - 1));
            break;
        }
        case form::ItemKind::Numeric: {
            auto& field = static_cast<form::NumericItem&>(item);
            const double held = static_cast<const form::NumericItem&>(other).number();
            const double step = Step(field);
            field.setValue(held + step <= field.maximum() ? held + step : held - step);
            break;
        }
        case form::ItemKind::Tree: {
            auto& tree = static_cast<form::TreeItem&>(item);
            const auto& held = static_cast<const form::TreeItem&>(other);
            for (int node = 1; node <= tree.nodeCount(); ++node) {
                tree.assignParameter(node, OtherCode(held.node(node).parameterId()));
            }
            break;
        }
        default:
            break;
    }
}

class EverythingIsSent : public ::testing::TestWithParam<std::uint8_t> {
  protected:
    void SetUp() override {
        // Model 9's alarm tabs may follow the model chosen before it: a four-alarm one here.
        for (SessionFixture* s : {&sender, &receiver}) {
            s->chooseModel(10);
            s->chooseModel(model());
        }
    }
    std::uint8_t model() const { return GetParam(); }

    ByteBuffer sent(SessionFixture& s) {
        ByteBuffer image = NoiseSector(5);
        EncodeConfigSector(s.form(), s.driver(), image);
        return image;
    }

    SessionFixture sender;
    SessionFixture receiver;
};

TEST_P(EverythingIsSent, EveryDocumentKeyComesBackOrIsListedAsNotHeld) {
    std::mt19937 random(1000 + model());
    const std::vector<form::FormItem*> sent = DocumentItems(sender);
    const std::vector<form::FormItem*> received = DocumentItems(receiver);
    ASSERT_EQ(sent.size(), received.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        Randomize(*sent[i], random);
        Randomize(*received[i], random);
    }
    // Fuels past the count are blanked on receive by design: all ten are in use here.
    sender.form().numeric("TDBNummaxfuels").setValue(10);
    // Every key starts out different on the receiving side, so a key that arrives shows.
    for (std::size_t i = 0; i < sent.size(); ++i) {
        if (SomeValueEqual(*sent[i], *received[i])) {
            MakeDiffer(*received[i], *sent[i]);
        }
    }
    const std::map<QString, QString> before = DocumentValues(receiver);
    const std::map<QString, QString> expected = DocumentValues(sender);

    DecodeConfigSector(this->sent(sender), receiver.form(), receiver.driver());
    const std::map<QString, QString> after = DocumentValues(receiver);

    const std::map<QString, NotHeld> notHeld = KeysTheSectorDoesNotHold(model());
    int cameBack = 0;
    for (const auto& [key, value] : expected) {
        if (notHeld.count(key)) {
            continue;
        }
        if (before.at(key) == value) {
            // Only a list of one entry cannot show whether it arrived.
            const form::FormItem* item = ItemsByKey(receiver).at(key);
            EXPECT_TRUE(item->kind() == form::ItemKind::List &&
                        static_cast<const form::ListItem*>(item)->count() == 1)
                << key.toStdString() << " could not be told apart";
            continue;
        }
        EXPECT_EQ(after.at(key), value) << key.toStdString() << " did not come back";
        ++cameBack;
    }
    EXPECT_GT(cameBack, 300);
    for (const auto& [key, how] : notHeld) {
        ASSERT_TRUE(expected.count(key)) << key.toStdString() << " is no document key";
        if (how == NotHeld::NotReadBack) {
            EXPECT_EQ(after.at(key), before.at(key)) << key.toStdString() << " was read back";
        }
    }
}

// A listed key is what the list says: a change to it alone leaves the sector as it was
// (not sent) or changes it (sent, not read back).
TEST_P(EverythingIsSent, TheKeysListedAsNotHeldAreAsListed) {
    const std::map<QString, form::FormItem*> items = ItemsByKey(sender);
    for (const auto& [key, how] : KeysTheSectorDoesNotHold(model())) {
        ASSERT_TRUE(items.count(key)) << key.toStdString() << " is no document key";
        form::FormItem& changed = *items.at(key);
        const ByteBuffer before = sent(sender);
        const QString value = DocumentValues(sender).at(key);
        MakeDiffer(changed, changed);
        ASSERT_NE(DocumentValues(sender).at(key), value) << key.toStdString();
        EXPECT_EQ(sent(sender) == before, how == NotHeld::NotSent) << key.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllModels, EverythingIsSent, ::testing::ValuesIn(drivers::KnownModelIds()),
                         [](const auto& info) { return "Model" + std::to_string(info.param); });

}  // namespace
}  // namespace kilnward::transfer
