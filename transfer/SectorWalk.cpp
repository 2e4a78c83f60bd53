#include "transfer/SectorWalk.h"

#include <stdexcept>
#include <string>

#include "form/FieldNames.h"
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
    form::field::TDBNumpark1,     form::field::TDBNumpark2,  form::field::TDBNumparkl,
    form::field::TDBNumparco2max, form::field::TDBNumparfgj, form::field::TDBNumparkgross,
    form::field::TDBNumparknet,   form::field::TDBNumparh,   form::field::TDBNumparmh2o,
    form::field::TDBNumparQgross, form::field::TDBNumparQnet};

constexpr const char* kMeasureUnits[] = {form::field::cbomeasunitco, form::field::cbomeasunitoth,
                                         form::field::cbomeasunittemp,
                                         form::field::cbomeasunitpress};

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
        v_.field({.kind = Float, .control = form::field::TDBNumCOthrs});
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
            number(mayBeNegative ? SignedWord : Word, form::field::TDBNumtimers, timer);
        }
        gap(kTimersGapWidth, kFill);
        expect(kPrinterCopies, "printer settings");
        number(Byte, form::field::TDBNumprtcopies);
        list(form::field::cboprtmodel);
        v_.field({.kind = PrinterFlags,
                  .control = form::field::chkprtconf,
                  .rule = traits_.printerFlags});
    }

    void printerTexts() {
        expect(kHeaderLines, "header lines");
        for (int line = kFirstHeaderLine; line <= kLastHeaderLine; ++line) {
            text(form::field::txtheaderline, line, kLineWidth, kLineChars);
        }
        expect(kLawLines, "law lines");
        for (int line = kFirstLawLine; line <= kLastLawLine; ++line) {
            text(form::field::txtlawline, line, kLineWidth, kLineChars);
        }
    }

    void parameterLists() {
        expect(kCombustionCodes, "printer parameter lists");
        codes(form::field::trvprtcombparam, 0, true, true);
        gap(1, kCombustionGapValue);
        expect(kReferenceCodes, "printer reference parameters");
        codes(form::field::trvprtrefparam, 0, true, true);
        gap(kReferenceGapWidth, kFill);
        expect(kPageCodes, "pages");
        // The end mark of the pages carries from one page into the next.
        for (int page = 0; page < kPageCount; ++page) {
            codes(form::field::trvpage, page, page == 0, page == kPageCount - 1);
        }
    }

    void bargraphs() {
        expect(kBargraphs, "bar graphs");
        for (int bar = 0; bar < kBargraphCount; ++bar) {
            singleCodes(form::field::trvbargraphparam, bar);
            v_.field({.kind = Direction, .index = bar});
            number(Float, form::field::TDBNumbargraphlow, bar);
            number(Float, form::field::TDBNumbargraphhigh, bar);
        }
    }

    void measurement() {
        expect(kMeasurement, "measurement settings");
        number(Tenths, form::field::TDBNumrefo2forco);
        number(Tenths, form::field::TDBNumrefo2foroth);
        for (const char* unit : kMeasureUnits) {
            list(unit);
        }
        gap(1, kMeasurementGapValue);
        gap(kMeasurementGapWidth, kFill);
        expect(kServiceLines, "service lines");
        for (int line = 0; line < kServiceLineCount; ++line) {
            text(form::field::txtserviceline, line, kLineWidth, kLineChars);
        }
        expect(kCoExclusion, "CO exclusion");
        list(form::field::cbocoexcl, -1, traits_.coExclusion);
        list(form::field::cbotctype);
        list(form::field::cbodateformat);
        list(form::field::cboptprobe);
        number(Tenths, form::field::TDBNumpercno2_nox);
    }

    void modelBytes() {
        expect(kModelBytes, "model bytes");
        if (traits_.modelBytes == ModelBytes::TrhAux) {
            // The analyser keeps its own byte here: a send gives back what it read.
            v_.field({.kind = StepOver, .width = 1});
            list(form::field::cboTrhAux);
            gap(16, kFill);
        } else if (traits_.modelBytes == ModelBytes::Country) {
            gap(2, kFill);
            list(form::field::cboNations);
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
            text(form::field::txtfuelname, fuel, kLineWidth, kLineChars);
            for (const char* name : kFuelNumbers) {
                number(Float, name, fuel);
            }
            v_.field(
                {.kind = FormulaType, .control = form::field::cbofuelformulatype, .index = fuel});
            gap(1, kFill);
            number(Float, form::field::TDBNumparTuboRisc, fuel);
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
            list(form::field::cboalmtype, alarm);
            v_.field({.kind = CheckByte, .control = form::field::chkalmenabled, .index = alarm});
            number(Float, form::field::TDBNumalmval, alarm);
            singleCodes(form::field::trvalmparam, alarm);
            gap(kAlarmGapWidth, kFill);
        }
        const int tail = kAlarmTable + kAlarmRecord * AlarmsPresent(form_);
        expect(tail, "alarm tail");
        number(Float, form::field::TDBNumalmvaloth, 0, traits_.otherAlarmValue);
        v_.field({.kind = FloatGap, .width = kTailFloatGapCount});
        return tail;
    }

    void auxiliaryInputs(int tail) {
        expect(tail + kTailToAuxInputs, "auxiliary inputs");
        for (int input = 0; input < kAuxInputCount; ++input) {
            list(form::field::cboauxinptype, input);
            list(form::field::cboauxinpdecnum, input, FieldRule::Decimals);
            number(Float, form::field::TDBNumauxinplow, input);
            number(Float, form::field::TDBNumauxinphigh, input);
            text(form::field::txtauxinpengunit, input, kUnitWidth, kUnitChars);
            text(form::field::txtauxinpparamname, input, kParamNameWidth, kParamNameChars);
            gap(kAuxInputGapWidth, kFill);
        }
    }

    void analogOutputs(int tail) {
        expect(tail + kTailToAnalogOutputs, "analog outputs");
        const FieldRule lists = traits_.analogOutputLists;
        for (int output = 0; output < kAnalogOutputCount; ++output) {
            list(form::field::cboanaoutstype, output, lists);
            singleCodes(form::field::trvanaoutsparam, output);
            number(Float, form::field::TDBNumanaoutlow, output);
            number(Float, form::field::TDBNumanaouthigh, output);
            list(form::field::cboanaoutserrmode, output, lists);
            gap(kAnalogOutputGapWidth, kFill);
        }
    }

    static bool AlarmTabAvailable(const form::Form& form, int alarm) {
        return form.tabStrip(form::field::sstabalarms).tabAvailable(alarm);
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
    const form::TabStripItem& tabs = form.tabStrip(form::field::sstabalarms);
    int present = 0;
    for (int alarm = 0; alarm < kAlarmCount; ++alarm) {
        present += tabs.tabAvailable(alarm) ? 1 : 0;
    }
    return present;
}

}  // namespace kilnward::transfer
