#include "transfer/SectorWalk.h"

#include <stdexcept>
#include <string>

#include "form/Form.h"
#include "form/TabStripItem.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorTraits.h"
#include "transfer/SectorVisitor.h"

namespace kilnward::transfer {

namespace {

using namespace layout;
using enum FieldKind;

constexpr std::uint8_t kFill = kFillByte;

constexpr const char* kFuelNumbers[kFuelCoefficientCount] = {
    "TDBNumpark1",   "TDBNumpark2",     "TDBNumparkl",   "TDBNumparco2max",
    "TDBNumparfgj",  "TDBNumparkgross", "TDBNumparknet", "TDBNumparh",
    "TDBNumparmh2o", "TDBNumparQgross", "TDBNumparQnet"};

constexpr const char* kMeasureUnits[] = {"cbomeasunitco", "cbomeasunitoth", "cbomeasunittemp",
                                         "cbomeasunitpress"};

class Walk {
  public:
    Walk(const form::Form& form, std::uint8_t model, SectorVisitor& visitor)
        : form_(form), traits_(SectorTraitsOf(model)), v_(visitor) {}

    void run() {
        general();
        printerTexts();
        parameterLists();
        bargraphs();
        measurement();
        modelBytes();
        fuels();
        const int tail = alarms();
        auxiliaryInputs(tail);
        analogOutputs(tail);
        expect(tail + kTailToCoThreshold, "CO threshold");
        v_.field({.kind = Float, .control = "TDBNumCOthrs"});
        expect(tail + kTailSize, "end of the fields");
    }

  private:
    void expect(int offset, const char* area) const {
        if (v_.cursor() != offset) {
            throw std::logic_error(std::string("configuration sector: ") + area + " reached at " +
                                   std::to_string(v_.cursor()) + " instead of " +
                                   std::to_string(offset));
        }
    }
    void gap(int width, std::uint8_t fill) {
        v_.field({.kind = Gap, .width = width, .fill = fill});
    }
    void list(const char* name, int index = -1, FieldRule rule = FieldRule::Plain) {
        v_.field({.kind = ListByte, .control = name, .index = index, .rule = rule});
    }
    void number(FieldKind kind, const char* name, int index = -1,
                FieldRule rule = FieldRule::Plain) {
        v_.field({.kind = kind, .control = name, .index = index, .rule = rule});
    }
    void text(const char* name, int index, int width, int chars) {
        v_.field(
            {.kind = Text, .control = name, .index = index, .width = width, .maxChars = chars});
    }
    void codes(const char* tree, int index, bool restart, bool final) {
        v_.field(
            {.kind = Codes, .control = tree, .index = index, .restart = restart, .final = final});
    }
    // A tree array whose end mark holds for each element alone.
    void singleCodes(const char* tree, int index) { codes(tree, index, true, true); }

    void general() {
        expect(kReservedStart, "start");
        gap(kReservedStartWidth, kFill);
        for (int timer = 0; timer < kTimerCount; ++timer) {
            const bool mayBeNegative = timer >= kFirstSignedTimer && timer <= kLastSignedTimer;
            number(mayBeNegative ? SignedWord : Word, "TDBNumtimers", timer);
        }
        gap(kTimersGapWidth, kFill);
        expect(kPrinterCopies, "printer settings");
        number(Byte, "TDBNumprtcopies");
        list("cboprtmodel");
        v_.field({.kind = PrinterFlags, .control = "chkprtconf", .rule = traits_.printerFlags});
    }

    void printerTexts() {
        expect(kHeaderLines, "header lines");
        for (int line = kFirstHeaderLine; line <= kLastHeaderLine; ++line) {
            text("txtheaderline", line, kLineWidth, kLineChars);
        }
        expect(kLawLines, "law lines");
        for (int line = kFirstLawLine; line <= kLastLawLine; ++line) {
            text("txtlawline", line, kLineWidth, kLineChars);
        }
    }

    void parameterLists() {
        expect(kCombustionCodes, "printer parameter lists");
        codes("trvprtcombparam", 0, true, true);
        gap(1, kCombustionGapValue);
        expect(kReferenceCodes, "printer reference parameters");
        codes("trvprtrefparam", 0, true, true);
        gap(kReferenceGapWidth, kFill);
        expect(kPageCodes, "pages");
        // The end mark of the pages carries from one page into the next.
        for (int page = 0; page < kPageCount; ++page) {
            codes("trvpage", page, page == 0, page == kPageCount - 1);
        }
    }

    void bargraphs() {
        expect(kBargraphs, "bar graphs");
        for (int bar = 0; bar < kBargraphCount; ++bar) {
            singleCodes("trvbargraphparam", bar);
            v_.field({.kind = Direction, .index = bar});
            number(Float, "TDBNumbargraphlow", bar);
            number(Float, "TDBNumbargraphhigh", bar);
        }
    }

    void measurement() {
        expect(kMeasurement, "measurement settings");
        number(Tenths, "TDBNumrefo2forco");
        number(Tenths, "TDBNumrefo2foroth");
        for (const char* unit : kMeasureUnits) {
            list(unit);
        }
        gap(1, kMeasurementGapValue);
        gap(kMeasurementGapWidth, kFill);
        expect(kServiceLines, "service lines");
        for (int line = 0; line < kServiceLineCount; ++line) {
            text("txtserviceline", line, kLineWidth, kLineChars);
        }
        expect(kCoExclusion, "CO exclusion");
        list("cbocoexcl", -1, traits_.coExclusion);
        list("cbotctype");
        list("cbodateformat");
        list("cboptprobe");
        number(Tenths, "TDBNumpercno2_nox");
    }

    void modelBytes() {
        expect(kModelBytes, "model bytes");
        if (traits_.modelBytes == ModelBytes::TrhAux) {
            // The analyser keeps its own byte here: a send gives back what it read.
            v_.field({.kind = StepOver, .width = 1});
            list("cboTrhAux");
            gap(16, kFill);
        } else if (traits_.modelBytes == ModelBytes::Country) {
            gap(2, kFill);
            list("cboNations");
            gap(15, kFill);
        } else {
            gap(kModelBytesWidth, kFill);
        }
    }

    void fuels() {
        expect(kFuelTable, "fuel table");
        for (int fuel = 0; fuel < kFuelCount; ++fuel) {
            expect(kFuelTable + kFuelRecord * fuel, "fuel record");
            v_.beginFuel(fuel);
            text("txtfuelname", fuel, kLineWidth, kLineChars);
            for (const char* name : kFuelNumbers) {
                number(Float, name, fuel);
            }
            v_.field({.kind = FormulaType, .control = "cbofuelformulatype", .index = fuel});
            gap(1, kFill);
            number(Float, "TDBNumparTuboRisc", fuel);
        }
        v_.endFuels();
    }

    // Returns the place of the tail.
    int alarms() {
        expect(kAlarmTable, "alarms");
        for (int alarm = 0; alarm < kAlarmCount; ++alarm) {
            if (!AlarmTabAvailable(form_, alarm)) {
                continue;
            }
            list("cboalmtype", alarm);
            v_.field({.kind = CheckByte, .control = "chkalmenabled", .index = alarm});
            number(Float, "TDBNumalmval", alarm);
            singleCodes("trvalmparam", alarm);
            gap(kAlarmGapWidth, kFill);
        }
        const int tail = kAlarmTable + kAlarmRecord * AlarmsPresent(form_);
        expect(tail, "alarm tail");
        number(Float, "TDBNumalmvaloth", 0, traits_.otherAlarmValue);
        v_.field({.kind = FloatGap, .width = kTailFloatGapCount});
        return tail;
    }

    void auxiliaryInputs(int tail) {
        expect(tail + kTailToAuxInputs, "auxiliary inputs");
        for (int input = 0; input < kAuxInputCount; ++input) {
            list("cboauxinptype", input);
            list("cboauxinpdecnum", input, FieldRule::Decimals);
            number(Float, "TDBNumauxinplow", input);
            number(Float, "TDBNumauxinphigh", input);
            text("txtauxinpengunit", input, kUnitWidth, kUnitChars);
            text("txtauxinpparamname", input, kParamNameWidth, kParamNameChars);
            gap(kAuxInputGapWidth, kFill);
        }
    }

    void analogOutputs(int tail) {
        expect(tail + kTailToAnalogOutputs, "analog outputs");
        const FieldRule lists = traits_.analogOutputLists;
        for (int output = 0; output < kAnalogOutputCount; ++output) {
            list("cboanaoutstype", output, lists);
            singleCodes("trvanaoutsparam", output);
            number(Float, "TDBNumanaoutlow", output);
            number(Float, "TDBNumanaouthigh", output);
            list("cboanaoutserrmode", output, lists);
            gap(kAnalogOutputGapWidth, kFill);
        }
    }

    static bool AlarmTabAvailable(const form::Form& form, int alarm) {
        return form.tabStrip(QStringLiteral("sstabalarms")).tabAvailable(alarm);
    }

    const form::Form& form_;
    const SectorTraits& traits_;
    SectorVisitor& v_;
};

}  // namespace

void WalkSector(const form::Form& form, std::uint8_t model, SectorVisitor& visitor) {
    Walk(form, model, visitor).run();
}

int AlarmsPresent(const form::Form& form) {
    const form::TabStripItem& tabs = form.tabStrip(QStringLiteral("sstabalarms"));
    int present = 0;
    for (int alarm = 0; alarm < kAlarmCount; ++alarm) {
        present += tabs.tabAvailable(alarm) ? 1 : 0;
    }
    return present;
}

}  // namespace kilnward::transfer
