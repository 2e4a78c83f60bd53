// The sector map's rules on single fields: end marks, fuel validity, alarm tail, model bytes,
// list corrections, and what a send writes into the reserved places.

#include <gtest/gtest.h>
#include <QFile>

#include <cstring>
#include <limits>
#include <stdexcept>

#include "app/EnglishTranslator.h"
#include "app/Notices.h"
#include "documents/DocumentFiles.h"
#include "drivers/OverflowError.h"
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

using testing::SessionFixture;
using wirelink::ByteBuffer;

constexpr int kFuelTable = 412;
constexpr int kFuelRecord = 68;
constexpr int kFormulaByte = 62;

void PutFloat(ByteBuffer& image, int offset, float value) {
    std::memcpy(image.data() + offset, &value, sizeof value);
}
float FloatAt(const ByteBuffer& image, int offset) {
    float value = 0;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return value;
}
void PutText(ByteBuffer& image, int offset, const char* text) {
    std::memcpy(image.data() + offset, text, std::strlen(text));
}

// A sector whose fuels are all in use and whose list bytes are all valid.
ByteBuffer PlainSector() {
    ByteBuffer image(2048, 0);
    for (int fuel = 0; fuel < 10; ++fuel) {
        image[kFuelTable + kFuelRecord * fuel + kFormulaByte] = 1;
    }
    return image;
}

class SectorMap : public ::testing::Test {
  protected:
    void decode(const ByteBuffer& image) { DecodeConfigSector(image, s.form(), s.driver()); }
    ByteBuffer encode(ByteBuffer image = ByteBuffer(2048, 0)) {
        EncodeConfigSector(s.form(), s.driver(), image);
        return image;
    }
    form::Form& form() { return s.form(); }
    std::vector<int> codes(const char* tree, int index) {
        std::vector<int> result;
        form::TreeItem& item = form().tree(tree, index);
        for (int node = 1; node <= item.nodeCount(); ++node) {
            result.push_back(item.node(node).parameterId());
        }
        return result;
    }

    SessionFixture s;
};

TEST_F(SectorMap, PageEndMarkEmptiesTheRestOfThePageAndEveryLaterPage) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    const std::uint8_t page0[] = {1, 2, 255, 7, 8, 9};
    std::memcpy(image.data() + 214, page0, sizeof page0);
    for (int at = 220; at < 250; ++at) {
        image[at] = 11;
    }
    decode(image);
    EXPECT_EQ(codes("trvpage", 0), (std::vector<int>{1, 2, 0, 0, 0, 0}));
    for (int page = 1; page < 6; ++page) {
        EXPECT_EQ(codes("trvpage", page), std::vector<int>(6, 0)) << "page " << page;
    }
}

TEST_F(SectorMap, EndMarkOfOneBargraphOrAlarmHoldsForItAlone) {
    s.chooseModel(12);
    ByteBuffer image = PlainSector();
    image[250] = 255;  // bar graph 0
    image[260] = 4;    // bar graph 1
    image[1092 + 6] = 255;
    image[1102 + 6] = 5;
    decode(image);
    EXPECT_EQ(codes("trvbargraphparam", 0), std::vector<int>{0});
    EXPECT_EQ(codes("trvbargraphparam", 1), std::vector<int>{4});
    EXPECT_EQ(codes("trvalmparam", 0), std::vector<int>{0});
    EXPECT_EQ(codes("trvalmparam", 1), std::vector<int>{5});
}

TEST_F(SectorMap, FormulaByte255InFuelThreeLeavesThreeFuelsAndBlanksTheRest) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    for (int fuel = 0; fuel < 10; ++fuel) {
        const int record = kFuelTable + kFuelRecord * fuel;
        PutText(image, record, "Fuel");
        PutFloat(image, record + 18, 1.5f);
        PutFloat(image, record + 58, 9.25f);
        PutFloat(image, record + 64, 3.0f);
        image[record + kFormulaByte] = 2;
    }
    image[kFuelTable + kFuelRecord * 3 + kFormulaByte] = 255;
    decode(image);
    EXPECT_EQ(form().numeric("TDBNummaxfuels").number(), 3);
    for (int fuel = 0; fuel < 3; ++fuel) {
        EXPECT_EQ(form().text("txtfuelname", fuel).text(), "Fuel");
        EXPECT_EQ(form().numeric("TDBNumpark1", fuel).number(), 1.5);
        EXPECT_EQ(form().numeric("TDBNumparQnet", fuel).number(), 9.25);
        EXPECT_EQ(form().list("cbofuelformulatype", fuel).listIndex(), 2);
    }
    for (int fuel = 3; fuel < 10; ++fuel) {
        EXPECT_EQ(form().text("txtfuelname", fuel).text(), "") << fuel;
        EXPECT_EQ(form().numeric("TDBNumpark1", fuel).number(), 0) << fuel;
        EXPECT_EQ(form().numeric("TDBNumparQnet", fuel).number(), 0) << fuel;
        EXPECT_EQ(form().numeric("TDBNumparTuboRisc", fuel).number(), 0) << fuel;
        EXPECT_EQ(form().list("cbofuelformulatype", fuel).listIndex(), 1) << fuel;
    }
}

TEST_F(SectorMap, NoFormulaByte255MeansTenFuelsInUse) {
    s.chooseModel(11);
    form().numeric("TDBNummaxfuels").setValue(2);
    decode(PlainSector());
    EXPECT_EQ(form().numeric("TDBNummaxfuels").number(), 10);
    EXPECT_TRUE(form().text("txtfuelname", 9).enabled());
}

TEST_F(SectorMap, QnetKeepsTheStoredValueWhateverTheFormula) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    PutFloat(image, kFuelTable + 58, 3.0f);
    image[kFuelTable + kFormulaByte] = 4;  // UNI 10389: Q net holds the fuel identifier
    decode(image);
    EXPECT_EQ(form().list("cbofuelformulatype", 0).text(), "UNI 10389");
    EXPECT_EQ(form().numeric("TDBNumparQnet", 0).number(), 3.0);
}

struct TailCase {
    std::uint8_t model;
    int tail;
};

class AlarmTail : public SectorMap, public ::testing::WithParamInterface<TailCase> {};

TEST_P(AlarmTail, OtherGasThresholdAndLaterFieldsFollowTheAlarmsPresent) {
    s.chooseModel(GetParam().model);
    const int tail = GetParam().tail;
    ByteBuffer image = PlainSector();
    PutFloat(image, tail, 12.5f);
    PutFloat(image, tail + 16 + 2, 4.25f);  // low scale of auxiliary input 0
    PutFloat(image, tail + 96 + 2, -7.5f);  // low scale of analog output 0
    PutFloat(image, tail + 200, 77.25f);
    decode(image);
    EXPECT_EQ(form().numeric("TDBNumalmvaloth", 0).number(), 12.5);
    EXPECT_EQ(form().numeric("TDBNumauxinplow", 0).number(), 4.25);
    EXPECT_EQ(form().numeric("TDBNumanaoutlow", 0).number(), -7.5);
    EXPECT_EQ(form().numeric("TDBNumCOthrs").number(), 77.25);
    // A send puts it back at the same place.
    form().numeric("TDBNumCOthrs").setValue(5.5);
    EXPECT_EQ(FloatAt(encode(image), tail + 200), 5.5f);
}

INSTANTIATE_TEST_SUITE_P(
    Models, AlarmTail,
    ::testing::Values(TailCase{10, 1132}, TailCase{11, 1132}, TailCase{12, 1152},
                      TailCase{13, 1152}, TailCase{14, 1132}, TailCase{16, 1132},
                      TailCase{19, 1132}, TailCase{20, 1132}, TailCase{9, 1132}),
    [](const auto& info) { return "Model" + std::to_string(info.param.model); });

TEST_F(SectorMap, Model9KeepsFourAlarmsAfterASixAlarmModel) {
    s.chooseModel(12);
    s.chooseModel(9);
    ByteBuffer image = PlainSector();
    PutFloat(image, 1132, 6.75f);
    decode(image);
    EXPECT_EQ(form().numeric("TDBNumalmvaloth", 0).number(), 6.75);
}

TEST_F(SectorMap, Model13ReadsTrhAuxAt395AndNeverTouchesByte394) {
    s.chooseModel(13);
    ByteBuffer image = PlainSector();
    image[394] = 0xAB;
    image[395] = 2;
    decode(image);
    EXPECT_EQ(form().list("cboTrhAux").listIndex(), 2);
    form().list("cboTrhAux").setListIndex(1);
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[394], 0xAB);
    EXPECT_EQ(sent[395], 1);
    for (int at = 396; at < 412; ++at) {
        EXPECT_EQ(sent[at], 255) << at;
    }
}

TEST_F(SectorMap, Model19KeepsTheCountryAt396) {
    s.chooseModel(19);
    ByteBuffer image = PlainSector();
    image[396] = 3;
    decode(image);
    EXPECT_EQ(form().list("cboNations").listIndex(), 3);
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[394], 255);
    EXPECT_EQ(sent[395], 255);
    EXPECT_EQ(sent[396], 3);
    for (int at = 397; at < 412; ++at) {
        EXPECT_EQ(sent[at], 255) << at;
    }
}

TEST_F(SectorMap, OutOfRangeListBytesSelectTheFirstEntryAndDecimalsAbove5Select3) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    image[1132 + 16 + 1] = 9;  // decimals of auxiliary input 0
    image[1132 + 56 + 1] = 6;  // decimals of auxiliary input 1
    image[314] = 200;          // CO unit
    image[317] = 4;            // pressure unit, inside the list
    decode(image);
    EXPECT_EQ(form().list("cboauxinpdecnum", 0).listIndex(), 3);
    EXPECT_EQ(form().list("cboauxinpdecnum", 1).listIndex(), 3);
    EXPECT_EQ(form().list("cbomeasunitco").listIndex(), 0);
    EXPECT_EQ(form().list("cbomeasunitpress").listIndex(), 4);
}

TEST_F(SectorMap, BargraphDirectionOtherThanZeroIsRightToLeft) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    image[251] = 2;
    image[261] = 0;
    decode(image);
    EXPECT_TRUE(form().option("Optbargraphr2l", 0).value());
    EXPECT_FALSE(form().option("Optbargraphl2r", 0).value());
    EXPECT_TRUE(form().option("Optbargraphl2r", 1).value());
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[251], 1);
    EXPECT_EQ(sent[261], 0);
}

// The leak decay times go below zero: sent as 16-bit two's complement, read back signed.
TEST_F(SectorMap, NegativeLeakDecayTimesSurviveTheRoundTrip) {
    s.chooseModel(10);
    form().numeric("TDBNumtimers", 1).setValue(9999);
    form().numeric("TDBNumtimers", 5).setValue(-5);
    form().numeric("TDBNumtimers", 6).setValue(1800);
    form().numeric("TDBNumtimers", 8).setValue(-9999);
    const ByteBuffer sent = encode(PlainSector());
    constexpr int kTimer1 = 2 + 2 * 1;
    constexpr int kTimer5 = 2 + 2 * 5;
    constexpr int kTimer8 = 2 + 2 * 8;
    EXPECT_EQ(sent[kTimer5], 0xFB);
    EXPECT_EQ(sent[kTimer5 + 1], 0xFF);
    EXPECT_EQ(sent[kTimer8], 0xF1);  // -9999 = 0xD8F1
    EXPECT_EQ(sent[kTimer8 + 1], 0xD8);
    EXPECT_EQ(sent[kTimer1], 0x0F);  // 9999 = 0x270F
    EXPECT_EQ(sent[kTimer1 + 1], 0x27);

    for (int timer : {1, 5, 6, 8}) {
        form().numeric("TDBNumtimers", timer).setValue(0);
    }
    decode(sent);
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumtimers", 1).number(), 9999);
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumtimers", 5).number(), -5);
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumtimers", 6).number(), 1800);
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumtimers", 8).number(), -9999);
    EXPECT_EQ(encode(PlainSector()), sent);
}

TEST_F(SectorMap, StoredFloatsComeBackAsTheDecimalsTheyStandFor) {
    s.chooseModel(10);
    form().numeric("TDBNumalmval", 0).setValue(0.38);
    form().numeric("TDBNumCOthrs").setValue(1000.1);
    const ByteBuffer sent = encode(PlainSector());
    form().numeric("TDBNumalmval", 0).setValue(0);
    form().numeric("TDBNumCOthrs").setValue(0);
    decode(sent);
    // Exactly the decimal, not the double nearest to the stored float (0.3799999952316284).
    EXPECT_EQ(form().numeric("TDBNumalmval", 0).number(), 0.38);
    EXPECT_EQ(form().numeric("TDBNumCOthrs").number(), 1000.1);
    EXPECT_EQ(encode(PlainSector()), sent);
}

TEST_F(SectorMap, ANumberBeyondItsFieldIsSentAsTheFieldsLimit) {
    s.chooseModel(10);
    form::NumericItem& timer = form().numeric("TDBNumtimers", 0);
    timer.setValue(timer.maximum());
    const ByteBuffer atMaximum = encode(PlainSector());
    timer.setValue(1e300);
    EXPECT_EQ(encode(PlainSector()), atMaximum);
    form::NumericItem& copies = form().numeric("TDBNumprtcopies");
    copies.setValue(200);
    EXPECT_EQ(encode(PlainSector())[36], copies.maximum());
    copies.setValue(-1e300);
    EXPECT_EQ(encode(PlainSector())[36], copies.minimum());
}

TEST_F(SectorMap, AFloatThatIsNoNumberDecodesAsZeroAndIsTold) {
    std::vector<QString> told;
    app::SetNoticeSink([&told](const QString& text) { told.push_back(text); });
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    PutFloat(image, 250 + 2, std::numeric_limits<float>::quiet_NaN());
    PutFloat(image, kFuelTable + 18, std::numeric_limits<float>::infinity());
    decode(image);
    app::SetNoticeSink({});
    EXPECT_EQ(form().numeric("TDBNumbargraphlow", 0).value(), 0.0);
    EXPECT_EQ(form().numeric("TDBNumpark1", 0).value(), 0.0);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_TRUE(told[0].contains("Bar graphs / Bar graph 1 / Low value")) << told[0].toStdString();
    EXPECT_TRUE(told[1].contains("Fuels / ")) << told[1].toStdString();
    EXPECT_FALSE(told[1].contains("frmMain!")) << told[1].toStdString();
}

TEST_F(SectorMap, TextsStopAtNulAndAtTheirLengthAndTenthsAreDivided) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    PutText(image, 42, "ABCDEFGHIJKLMNOPQR");
    PutText(image, 60, "Short");
    image[60 + 5] = 0;
    PutText(image, 60 + 6, "junk");
    image[310] = 209;  // 20.9 %
    image[392] = 0x2C;
    image[393] = 0x01;  // 300 tenths
    decode(image);
    EXPECT_EQ(form().text("txtheaderline", 1).text(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(form().text("txtheaderline", 2).text(), "Short");
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumrefo2forco").number(), 20.9);
    EXPECT_DOUBLE_EQ(form().numeric("TDBNumpercno2_nox").number(), 30.0);
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[310], 209);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(sent.data() + 60), 18),
              std::string("Short\0            ", 18));
}

TEST_F(SectorMap, PrinterFlagsSetOneBoxPerBit) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    image[38] = 0x05;
    image[41] = 0xFF;  // bits 24..31: only 24 is a flag
    decode(image);
    EXPECT_EQ(form().check("chkprtconf", 0).value(), 1);
    EXPECT_EQ(form().check("chkprtconf", 1).value(), 0);
    EXPECT_EQ(form().check("chkprtconf", 2).value(), 1);
    EXPECT_EQ(form().check("chkprtconf", 24).value(), 1);
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[38], 0x05);
    EXPECT_EQ(sent[41], 0x01);
}

TEST_F(SectorMap, AGreyPrinterBoxSetsItsOwnBitOnly) {
    s.chooseModel(10);
    for (int box = 0; box < 25; ++box) {
        form().check("chkprtconf", box).setValue(box == 3 ? 2 : 0);
    }
    const ByteBuffer sent = encode();
    EXPECT_EQ(sent[38], 1 << 3);
    EXPECT_EQ(sent[39], 0);
}

TEST_F(SectorMap, AnAlarmStateNoCheckBoxHasStopsTheReceive) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    image[1092 + 1] = 7;
    EXPECT_THROW(decode(image), std::exception);
}

TEST_F(SectorMap, Model12IgnoresTheAnalogOutputTypeAndErrorModeOnReceiveOnly) {
    s.chooseModel(12);
    form().list("cboanaoutstype", 0).setListIndex(2);
    form().list("cboanaoutserrmode", 0).setListIndex(1);
    ByteBuffer image = PlainSector();
    image[1152 + 96] = 3;
    image[1152 + 96 + 10] = 2;
    decode(image);
    EXPECT_EQ(form().list("cboanaoutstype", 0).listIndex(), 2);
    EXPECT_EQ(form().list("cboanaoutserrmode", 0).listIndex(), 1);
    const ByteBuffer sent = encode(image);
    EXPECT_EQ(sent[1152 + 96], 2);
    EXPECT_EQ(sent[1152 + 96 + 10], 1);
}

TEST_F(SectorMap, FourFuelsSend255AsTheFormulaTypeOfFuelFour) {
    s.chooseModel(10);
    for (int fuel = 0; fuel < 10; ++fuel) {
        form().list("cbofuelformulatype", fuel).setListIndex(fuel % 4);
    }
    form().numeric("TDBNummaxfuels").setValue(4);
    const ByteBuffer sent = encode();
    for (int fuel = 0; fuel < 10; ++fuel) {
        const int record = kFuelTable + kFuelRecord * fuel;
        EXPECT_EQ(sent[record + kFormulaByte], fuel == 4 ? 255 : fuel % 4) << fuel;
        EXPECT_EQ(sent[record + 63], 255) << fuel;
    }
    form().numeric("TDBNummaxfuels").setValue(10);
    decode(sent);
    EXPECT_EQ(form().numeric("TDBNummaxfuels").number(), 4);
}

// A hand-edited file may hold a fraction: the count becomes the whole number the field shows,
// and the rule and the send count the same fuels.
TEST_F(SectorMap, AFractionalFuelCountFromAFileIsTheWholeCountShownEnabledAndSent) {
    s.chooseModel(10);
    for (const auto& [stored, whole] : {std::pair{"2.5", 3}, std::pair{"7.49", 7}}) {
        const QString path = s.folder.filePath("fractional.fue");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[General]\r\nFileType=Kfue\r\n[Kfue]\r\nfrmMain!TDBNummaxfuels=") +
                   stored + "\r\n");
        file.close();
        ASSERT_TRUE(s.session->files().LoadDocument(path, 1, false));
        const form::NumericItem& count = form().numeric("TDBNummaxfuels");
        EXPECT_EQ(count.value(), whole) << stored;
        EXPECT_EQ(count.displayText(QLocale::c()), QString::number(whole)) << stored;
        for (int fuel = 0; fuel < 10; ++fuel) {
            EXPECT_EQ(form().text("txtfuelname", fuel).enabled(), fuel < whole) << fuel;
        }
        const ByteBuffer sent = encode();
        for (int fuel = 0; fuel < 10; ++fuel) {
            EXPECT_EQ(sent[kFuelTable + kFuelRecord * fuel + kFormulaByte] == 255, fuel == whole)
                << stored << " fuel " << fuel;
        }
    }
}

TEST_F(SectorMap, TenFuelsSendNoFormulaType255) {
    s.chooseModel(10);
    form().numeric("TDBNummaxfuels").setValue(10);
    const ByteBuffer sent = encode();
    for (int fuel = 0; fuel < 10; ++fuel) {
        EXPECT_NE(sent[kFuelTable + kFuelRecord * fuel + kFormulaByte], 255) << fuel;
    }
}

TEST_F(SectorMap, PageCodesGoOutAsOneListWithTrailingEmptySlotsAs255) {
    s.chooseModel(10);
    const std::uint8_t page0[] = {3, 0, 5, 0, 0, 0};
    for (int node = 1; node <= 6; ++node) {
        form().tree("trvpage", 0).assignParameter(node, page0[node - 1]);
    }
    form().tree("trvbargraphparam", 2).assignParameter(1, 0);
    form().tree("trvbargraphparam", 3).assignParameter(1, 9);
    const ByteBuffer sent = encode();
    ByteBuffer expected(36, 255);
    expected[0] = 3;
    expected[1] = 0;
    expected[2] = 5;
    EXPECT_EQ(ByteBuffer(sent.begin() + 214, sent.begin() + 250), expected);
    EXPECT_EQ(sent[270], 255);
    EXPECT_EQ(sent[280], 9);
    decode(sent);
    EXPECT_EQ(codes("trvpage", 0), (std::vector<int>{3, 0, 5, 0, 0, 0}));
}

TEST_F(SectorMap, Model9SendsBits18To23AndItsCoFieldsAsZero) {
    s.chooseModel(9);
    for (int box = 0; box < 25; ++box) {
        form().check("chkprtconf", box).setValue(box == 17 || box == 20 ? 1 : 0);
    }
    form().list("cbocoexcl").setListIndex(1);
    form().numeric("TDBNumalmvaloth", 0).setValue(42);
    const ByteBuffer sent = encode(ByteBuffer(2048, 0x77));
    const std::uint32_t flags = sent[38] | sent[39] << 8 | sent[40] << 16 | sent[41] << 24;
    EXPECT_EQ(flags, 1u << 17);
    EXPECT_EQ(sent[388], 0);
    EXPECT_EQ(FloatAt(sent, 1132), 0.0f);
}

TEST_F(SectorMap, SendFillsTheReservedPlacesAndKeepsTheRest) {
    s.chooseModel(10);
    const ByteBuffer base(2048, 0x5A);
    const ByteBuffer sent = encode(base);
    auto expectRun = [&](int first, int count, int value) {
        for (int at = first; at < first + count; ++at) {
            EXPECT_EQ(sent[at], value) << at;
        }
    };
    expectRun(0, 2, 255);
    expectRun(24, 12, 255);
    expectRun(188, 1, 2);
    expectRun(199, 15, 255);
    expectRun(318, 1, 0);
    expectRun(319, 15, 255);
    expectRun(394, 18, 255);
    expectRun(1092 + 7, 3, 255);
    for (int at = 1136; at < 1148; at += 4) {
        EXPECT_EQ(FloatAt(sent, at), 0.0f) << at;
    }
    expectRun(1148 + 24, 16, 255);
    expectRun(1228 + 11, 15, 255);
    expectRun(1336, 1712 - 1336, 0x5A);
    expectRun(1712, 16, 255);
    expectRun(1728, 2048 - 1728, 0x5A);
}

TEST_F(SectorMap, AValueThatDoesNotFitStopsTheEncodingWithTheImageUnchanged) {
    s.chooseModel(10);
    form().list("cboprtmodel").setListIndex(-1);
    ByteBuffer image(2048, 0x33);
    try {
        EncodeConfigSector(form(), s.driver(), image);
        ADD_FAILURE() << "no overflow";
    } catch (const drivers::OverflowError& error) {
        // The message names the field, not only the codec's data type.
        EXPECT_TRUE(QString(error.what())
                        .startsWith("Overflow: Printer / Settings / Printing model does not fit"))
            << error.what();
    }
    EXPECT_EQ(image, ByteBuffer(2048, 0x33));
}

TEST(SectorMapLayout, AWindowWhoseTreesHaveNoSlotsIsRefusedBeforeTheImageChanges) {
    app::EnglishTranslator translator;
    form::MainForm bare(translator);  // never loaded: its parameter trees have no slots yet
    bare.form().list("cboprtmodel").setListIndex(0);
    const auto driver = drivers::CreateDriver(10);
    ByteBuffer image(2048, 0x42);
    EXPECT_THROW(EncodeConfigSector(bare.form(), *driver, image), std::logic_error);
    EXPECT_EQ(image, ByteBuffer(2048, 0x42));
}

TEST_F(SectorMap, AReceiveMarksTheDocumentsOfTheChangedFields) {
    s.chooseModel(10);
    ByteBuffer image = PlainSector();
    PutText(image, 42, "Header");
    PutText(image, kFuelTable, "Gas");
    decode(image);
    EXPECT_TRUE(s.session->documents()[2].Dirty());
    EXPECT_TRUE(s.session->documents()[1].Dirty());
}

}  // namespace
}  // namespace kilnward::transfer
