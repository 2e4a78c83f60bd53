#include "form/FormDefinition.h"

#include <QStringList>

#include <memory>

#include "form/CheckItem.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::form {

namespace {

using enum ItemKind;

// The container index is the member's own index (frame i holds member i).
constexpr int kSame = -2;
constexpr int kOne = kNoIndex;

// One declaration line: a control or a control array (first..last), with the properties
// its kind uses. Captions and entries hold '|'-separated pieces: one per member for
// captions, one per entry or tab for lists and tab strips. "{n}" in a caption is the
// member's ordinal, counted from 1. A label that names a field gives it as its buddy, so
// its access key reaches the field; unit labels name none.
struct Row {
    ItemKind kind;
    const char* name;
    int first = kOne;
    int last = kOne;
    const char* tag = "";
    const char* caption = "";
    const char* parent = "";
    int parentIndex = kOne;
    double minimum = 0;
    double maximum = 0;
    const char* format = "";
    double value = 0;
    const char* entries = "";
    int size = 0;
    const char* shortcut = "";
    // For a label: the field it names, with the label's own index.
    const char* buddy = "";
};

constexpr double kBig3 = 99999.999;
constexpr double kBig4 = 99999.9999;
constexpr const char* kSignals = "0-20 mA|4-20 mA|0-10 V|1- 5 V";
constexpr const char* kGasUnits = "ppm|mg/m3|mg/KWh|g/GJ";

// clang-format off
const Row kRows[] = {
    // Menu bar.
    {.kind = Menu, .name = field::mnufile, .caption = "&Profile"},
    {.kind = Menu, .name = field::mnuFileNew, .caption = "&New", .parent = field::mnufile, .shortcut = "Ctrl+N"},
    {.kind = Menu, .name = field::mnuFileOpen, .caption = "&Open...", .parent = field::mnufile,
     .shortcut = "Ctrl+O"},
    {.kind = Menu, .name = field::mnuFileBar1, .caption = "-", .parent = field::mnufile},
    {.kind = Menu, .name = field::mnuFileSave, .caption = "&Save", .parent = field::mnufile, .shortcut = "Ctrl+S"},
    {.kind = Menu, .name = field::mnuFileSaveAs, .caption = "Save &as...", .parent = field::mnufile},
    {.kind = Menu, .name = field::mnufilebar3, .caption = "-", .parent = field::mnufile},
    {.kind = Menu, .name = field::mnufilesend, .caption = "S&end", .parent = field::mnufile, .shortcut = "F5"},
    {.kind = Menu, .name = field::mnufileget, .caption = "&Receive", .parent = field::mnufile, .shortcut = "F6"},
    {.kind = Menu, .name = field::mnuFileBar2, .caption = "-", .parent = field::mnufile},
    {.kind = Menu, .name = field::mnuFileExit, .caption = "E&xit", .parent = field::mnufile},
    {.kind = Menu, .name = field::mnudata, .caption = "&Data"},
    {.kind = Menu, .name = field::mnudataload, .first = 0, .last = 4,
     .caption = "Load &configuration...|Load &fuels...|Load &header...|Load &law...|Load &service...",
     .parent = field::mnudata},
    {.kind = Menu, .name = field::mnubar8, .caption = "-", .parent = field::mnudata},
    {.kind = Menu, .name = field::mnudatasave, .first = 0, .last = 4,
     .caption = "Save &configuration|Save &fuels|Save &header|Save &law|Save &service",
     .parent = field::mnudata},
    {.kind = Menu, .name = field::mnubar9, .caption = "-", .parent = field::mnudata},
    {.kind = Menu, .name = field::mnudatasaveas, .first = 0, .last = 4,
     .caption = "Save &configuration as...|Save &fuels as...|Save &header as...|Save &law as...|"
                "Save &service as...",
     .parent = field::mnudata},
    {.kind = Menu, .name = field::mnubar10, .caption = "-", .parent = field::mnudata},
    {.kind = Menu, .name = field::mnudataviewfiles, .caption = "&View loaded files...", .parent = field::mnudata,
     .shortcut = "Ctrl+V"},
    {.kind = Menu, .name = field::mnubar12, .caption = "-", .parent = field::mnudata},
    {.kind = Menu, .name = field::mnuSaveConfigasText, .caption = "Save config as Text file",
     .parent = field::mnudata},
    {.kind = Menu, .name = field::mnuconfigure, .caption = "&Settings"},
    {.kind = Menu, .name = field::mnuconfigureserial, .caption = "&Serial...", .parent = field::mnuconfigure},
    {.kind = Menu, .name = field::mnuconfigurelanguage, .caption = "&Language...", .parent = field::mnuconfigure},
    {.kind = Menu, .name = field::mnuconfiguresetclock, .caption = "Set instrument &clock",
     .parent = field::mnuconfigure},
    {.kind = Menu, .name = field::mnuinstrument, .caption = "&Instrument"},
    {.kind = Menu, .name = field::mnuinstrumentname, .first = 0, .last = 0, .tag = "xI",
     .caption = "Instrumentname0", .parent = field::mnuinstrument},
    {.kind = Menu, .name = field::mnuabout, .caption = "&?"},
    {.kind = Menu, .name = field::mnuaboutshowtip, .caption = "Tip of the Day...", .parent = field::mnuabout},
    {.kind = Menu, .name = field::mnuAboutAbout, .caption = "&About %1% Configuration...",
     .parent = field::mnuabout},

    // Outer pages.
    {.kind = TabStrip, .name = field::SSTabconf,
     .entries = "Pages|Printer|Alarms|Aux inputs|Analog outputs|Timers|Fuels|General|Bar graphs|Service"},
    {.kind = Frame, .name = field::fraconf, .first = 0, .last = 9, .parent = field::SSTabconf,
     .parentIndex = kSame},

    // Pages.
    {.kind = TabStrip, .name = field::sstabpages, .parent = field::fraconf, .parentIndex = 0,
     .entries = "Page 1|Page 2|Page 3|Page 4|Page 5|Page 6"},
    {.kind = Frame, .name = field::frapages, .first = 0, .last = 5, .parent = field::sstabpages,
     .parentIndex = kSame},
    {.kind = Tree, .name = field::trvpage, .first = 0, .last = 5, .tag = "Kcfg", .parent = field::frapages,
     .parentIndex = kSame, .size = 6},

    // Printer.
    {.kind = TabStrip, .name = field::SSTabprinter, .parent = field::fraconf, .parentIndex = 1,
     .entries = "Settings|Comb. param.|Ref. param.|Header|Law"},
    {.kind = Frame, .name = field::fraprinter, .first = 0, .last = 4, .parent = field::SSTabprinter,
     .parentIndex = kSame},
    {.kind = Label, .name = field::lblprtmodel, .caption = "&Printing model", .parent = field::fraprinter,
     .parentIndex = 0,
     .buddy = field::cboprtmodel},
    {.kind = List, .name = field::cboprtmodel, .tag = "Kcfg", .parent = field::fraprinter, .parentIndex = 0,
     .entries = "User defined|Reduced"},
    {.kind = Numeric, .name = field::TDBNumprtcopies, .tag = "Kcfg", .caption = "&Copies number",
     .parent = field::fraprinter, .parentIndex = 0, .minimum = 1, .maximum = 5, .format = "0", .value = 2},
    {.kind = Check, .name = field::chkprtconf, .first = 0, .last = 0, .tag = "Kcfg",
     .caption = "&Reverse printing direction", .parent = field::fraprinter, .parentIndex = 0},
    {.kind = Check, .name = field::chkprtconf, .first = 1, .last = 4, .tag = "Khdr", .caption = "&Enabled",
     .parent = field::fraprinter, .parentIndex = 3},
    {.kind = Check, .name = field::chkprtconf, .first = 5, .last = 5, .tag = "Kcfg", .caption = "Enable &sign",
     .parent = field::fraprinter, .parentIndex = 0},
    {.kind = Check, .name = field::chkprtconf, .first = 6, .last = 8, .tag = "Klaw", .caption = "&Enabled",
     .parent = field::fraprinter, .parentIndex = 4},
    {.kind = Check, .name = field::chkprtconf, .first = 9, .last = 24, .tag = "Kcfg",
     .caption = "Enable &model|Enable s&erial number|Enable ne&xt calibration date|Enable &date/time|"
                "Enable &fuel|Enable %Ref. &O2 for CO|Enable %Ref. O2 for ot&hers|Enable smo&ke|"
                "Enable oil derivati&ve|Enable plant I&D|Enable &boiler ID|Enable customer na&me|"
                "Enable customer addres&s|Enable customer cit&y|Enable customer telep&hone|Enable not&es",
     .parent = field::fraprinter, .parentIndex = 0},
    {.kind = Tree, .name = field::trvprtcombparam, .first = 0, .last = 0, .tag = "Kcfg",
     .parent = field::fraprinter,
     .parentIndex = 1, .size = 20},
    {.kind = Tree, .name = field::trvprtrefparam, .first = 0, .last = 0, .tag = "Kcfg", .parent = field::fraprinter,
     .parentIndex = 2, .size = 10},
    {.kind = Label, .name = field::lblheaderline, .first = 1, .last = 4, .caption = "Header line &{n}",
     .parent = field::fraprinter, .parentIndex = 3, .buddy = field::txtheaderline},
    {.kind = Text, .name = field::txtheaderline, .first = 1, .last = 4, .tag = "Khdr", .parent = field::fraprinter,
     .parentIndex = 3, .size = 16},
    {.kind = Label, .name = field::lbllawline, .first = 6, .last = 8, .caption = "Law line &{n}",
     .parent = field::fraprinter, .parentIndex = 4, .buddy = field::txtlawline},
    {.kind = Text, .name = field::txtlawline, .first = 6, .last = 8, .tag = "Klaw", .parent = field::fraprinter,
     .parentIndex = 4, .size = 16},

    // Alarms.
    {.kind = TabStrip, .name = field::sstabalarms, .parent = field::fraconf, .parentIndex = 2,
     .entries = "Alarm 1|Alarm 2|Alarm 3|Alarm 4|Alarm 5|Alarm 6|Others alarms"},
    {.kind = Frame, .name = field::fraalarms, .first = 0, .last = 6, .parent = field::sstabalarms,
     .parentIndex = kSame},
    {.kind = Check, .name = field::chkalmenabled, .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Alarm enabled",
     .parent = field::fraalarms, .parentIndex = kSame},
    {.kind = Label, .name = field::lblalmtype, .first = 0, .last = 5, .caption = "&Type",
     .parent = field::fraalarms,
     .parentIndex = kSame, .buddy = field::cboalmtype},
    {.kind = List, .name = field::cboalmtype, .first = 0, .last = 5, .tag = "Kcfg", .parent = field::fraalarms,
     .parentIndex = kSame, .entries = "Minimum|Maximum"},
    {.kind = Numeric, .name = field::TDBNumalmval, .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Value",
     .parent = field::fraalarms, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Label, .name = field::lblalmparam, .first = 0, .last = 5, .caption = "&Parameter",
     .parent = field::fraalarms,
     .parentIndex = kSame, .buddy = field::trvalmparam},
    {.kind = Tree, .name = field::trvalmparam, .first = 0, .last = 5, .tag = "Kcfg", .parent = field::fraalarms,
     .parentIndex = kSame, .size = 1},
    {.kind = Numeric, .name = field::TDBNumalmvaloth, .first = 0, .last = 0, .tag = "Kcfg",
     .caption = "&Ambient CO",
     .parent = field::fraalarms, .parentIndex = 6, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 35},

    // Auxiliary inputs.
    {.kind = TabStrip, .name = field::SSTabauxinp, .parent = field::fraconf, .parentIndex = 3,
     .entries = "Aux input 1|Aux input 2"},
    {.kind = Frame, .name = field::Fraauxinp, .first = 0, .last = 1, .parent = field::SSTabauxinp,
     .parentIndex = kSame},
    {.kind = Label, .name = field::lblauxinptype, .first = 0, .last = 1, .caption = "&Type",
     .parent = field::Fraauxinp,
     .parentIndex = kSame, .buddy = field::cboauxinptype},
    {.kind = List, .name = field::cboauxinptype, .first = 0, .last = 1, .tag = "xKcfg", .parent = field::Fraauxinp,
     .parentIndex = kSame, .entries = kSignals},
    {.kind = Label, .name = field::lblauxinpdecnum, .first = 0, .last = 1, .caption = "&Decimals number",
     .parent = field::Fraauxinp, .parentIndex = kSame, .buddy = field::cboauxinpdecnum},
    {.kind = List, .name = field::cboauxinpdecnum, .first = 0, .last = 1, .tag = "xKcfg",
     .parent = field::Fraauxinp,
     .parentIndex = kSame, .entries = "0|1|2|3|4|5"},
    {.kind = Numeric, .name = field::TDBNumauxinplow, .first = 0, .last = 1, .tag = "Kcfg", .caption = "&Low value",
     .parent = field::Fraauxinp, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = field::TDBNumauxinphigh, .first = 0, .last = 1, .tag = "Kcfg",
     .caption = "&High value",
     .parent = field::Fraauxinp, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = field::lblauxinpengunit, .first = 0, .last = 1, .caption = "Measure &unit",
     .parent = field::Fraauxinp, .parentIndex = kSame, .buddy = field::txtauxinpengunit},
    {.kind = Text, .name = field::txtauxinpengunit, .first = 0, .last = 1, .tag = "Kcfg",
     .parent = field::Fraauxinp,
     .parentIndex = kSame, .size = 6},
    {.kind = Label, .name = field::lblauxinpparamname, .first = 0, .last = 1, .caption = "&Parameter name",
     .parent = field::Fraauxinp, .parentIndex = kSame, .buddy = field::txtauxinpparamname},
    {.kind = Text, .name = field::txtauxinpparamname, .first = 0, .last = 1, .tag = "Kcfg",
     .parent = field::Fraauxinp,
     .parentIndex = kSame, .size = 4},

    // Analog outputs.
    {.kind = TabStrip, .name = field::SSTabanaouts, .parent = field::fraconf, .parentIndex = 4,
     .entries = "Analog output 1|Analog output 2|Analog output 3|Analog output 4"},
    {.kind = Frame, .name = field::Fraanaouts, .first = 0, .last = 3, .parent = field::SSTabanaouts,
     .parentIndex = kSame},
    {.kind = Label, .name = field::lblanaoutstype, .first = 0, .last = 3, .caption = "&Type",
     .parent = field::Fraanaouts,
     .parentIndex = kSame, .buddy = field::cboanaoutstype},
    {.kind = List, .name = field::cboanaoutstype, .first = 0, .last = 3, .tag = "xKcfg",
     .parent = field::Fraanaouts,
     .parentIndex = kSame, .entries = kSignals},
    {.kind = Label, .name = field::lblanaoutserrmode, .first = 0, .last = 3, .caption = "&Error mode",
     .parent = field::Fraanaouts, .parentIndex = kSame, .buddy = field::cboanaoutserrmode},
    {.kind = List, .name = field::cboanaoutserrmode, .first = 0, .last = 3, .tag = "Kcfg",
     .parent = field::Fraanaouts,
     .parentIndex = kSame, .entries = "Hold last|Go low|Go high"},
    {.kind = Numeric, .name = field::TDBNumanaoutlow, .first = 0, .last = 3, .tag = "Kcfg", .caption = "&Low value",
     .parent = field::Fraanaouts, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = field::TDBNumanaouthigh, .first = 0, .last = 3, .tag = "Kcfg",
     .caption = "&High value",
     .parent = field::Fraanaouts, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = field::lblanaoutsparam, .first = 0, .last = 3, .caption = "&Parameter",
     .parent = field::Fraanaouts, .parentIndex = kSame, .buddy = field::trvanaoutsparam},
    {.kind = Tree, .name = field::trvanaoutsparam, .first = 0, .last = 3, .tag = "Kcfg",
     .parent = field::Fraanaouts,
     .parentIndex = kSame, .size = 1},

    // Timers.
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 0, .last = 0, .tag = "Kcfg",
     .caption = "&Autozero time",
     .parent = field::fraconf, .parentIndex = 5, .minimum = 30, .maximum = 300, .format = "##0", .value = 180},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 1, .last = 1, .tag = "Kcfg",
     .caption = "Purging Interval Time", .parent = field::fraconf, .parentIndex = 5, .minimum = 15, .maximum = 9999,
     .format = "###0", .value = 15},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 2, .last = 2, .tag = "Kcfg",
     .caption = "&Measure interval time", .parent = field::fraconf, .parentIndex = 5, .minimum = 1, .maximum = 300,
     .format = "##0", .value = 180},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 3, .last = 3, .tag = "Kcfg",
     .caption = "Measure &delay time", .parent = field::fraconf, .parentIndex = 5, .minimum = 1, .maximum = 300,
     .format = "##0", .value = 180},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 4, .last = 4, .tag = "Kcfg",
     .caption = "Methane probe &heating time", .parent = field::fraconf, .parentIndex = 5, .minimum = 1,
     .maximum = 300, .format = "##0", .value = 60},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 5, .last = 8, .tag = "Kcfg",
     .caption = "P&1 leak decay time|P&2 leak decay time|P&3 leak decay time|P&4 leak decay time",
     .parent = field::fraconf, .parentIndex = 5, .minimum = -9999, .maximum = 1800, .format = "###0"},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 9, .last = 9, .tag = "Kcfg",
     .caption = "Peristaltic Pump Interval Time ", .parent = field::fraconf, .parentIndex = 5, .minimum = 30,
     .maximum = 1800, .format = "###0", .value = 300},
    {.kind = Numeric, .name = field::TDBNumtimers, .first = 10, .last = 10, .tag = "Kcfg",
     .caption = "&Purging time",
     .parent = field::fraconf, .parentIndex = 5, .minimum = 30, .maximum = 180, .format = "##0", .value = 60},
    {.kind = Label, .name = field::lblsec, .first = 0, .last = 8, .caption = "sec.", .parent = field::fraconf,
     .parentIndex = 5},
    {.kind = Label, .name = field::lblsec, .first = 9, .last = 10, .caption = "min.", .parent = field::fraconf,
     .parentIndex = 5},

    // Fuels.
    {.kind = Numeric, .name = field::TDBNummaxfuels, .tag = "Kfue", .caption = "&Max fuels number",
     .parent = field::fraconf,
     .parentIndex = 6, .minimum = 1, .maximum = 10, .format = "#0", .value = 1},
    {.kind = TabStrip, .name = field::SSTabfuels, .parent = field::fraconf, .parentIndex = 6,
     .entries = "#1|#2|#3|#4|#5|#6|#7|#8|#9|#10"},
    {.kind = Frame, .name = field::frafuels, .first = 0, .last = 9, .parent = field::SSTabfuels,
     .parentIndex = kSame},
    {.kind = Label, .name = field::lblfuelname, .first = 0, .last = 9, .caption = "&Fuel name",
     .parent = field::frafuels,
     .parentIndex = kSame, .buddy = field::txtfuelname},
    {.kind = Text, .name = field::txtfuelname, .first = 0, .last = 9, .tag = "Kfue", .parent = field::frafuels,
     .parentIndex = kSame, .size = 16},
    {.kind = Label, .name = field::lblformulatype, .first = 0, .last = 9, .caption = "Formula t&ype",
     .parent = field::frafuels, .parentIndex = kSame, .buddy = field::cbofuelformulatype},
    {.kind = List, .name = field::cbofuelformulatype, .first = 0, .last = 9, .tag = "xKfue",
     .parent = field::frafuels,
     .parentIndex = kSame, .entries = "Siegertsche|Ger-Ita Lg10|Usa/Dutch|British|UNI 10389"},
    {.kind = Numeric, .name = field::TDBNumpark1, .first = 0, .last = 0, .tag = "xKfue", .caption = "K&1/K/A/C",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -999.999, .maximum = 999.999,
     .format = "##0.000;  Minus ##0.000", .value = 0.225},
    {.kind = Numeric, .name = field::TDBNumpark1, .first = 1, .last = 9, .tag = "xKfue", .caption = "K&1/K/A/C",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = field::TDBNumpark2, .first = 0, .last = 9, .tag = "xKfue", .caption = "K&2/B/D",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = field::TDBNumparkl, .first = 0, .last = 9, .tag = "xKfue", .caption = "K&L",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99,
     .format = "####0.00"},
    {.kind = Numeric, .name = field::TDBNumparco2max, .first = 0, .last = 9, .tag = "xKfue", .caption = "&CO2MAX",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = field::TDBNumparfgj, .first = 0, .last = 9, .tag = "xKfue", .caption = "&FGJ",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = field::TDBNumparkgross, .first = 0, .last = 9, .tag = "xKfue",
     .caption = "K&gross/Hl-Hg",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = field::TDBNumparknet, .first = 0, .last = 9, .tag = "xKfue", .caption = "K&nett/K4",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = field::TDBNumparh, .first = 0, .last = 9, .tag = "xKfue", .caption = "&H/K3",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = field::TDBNumparmh2o, .first = 0, .last = 9, .tag = "xKfue", .caption = "mH2&O",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = field::TDBNumparQgross, .first = 0, .last = 9, .tag = "xKfue", .caption = "&Qgross",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99,
     .format = "####0.00"},
    {.kind = Numeric, .name = field::TDBNumparQnet, .first = 0, .last = 9, .tag = "xKfue", .caption = "Qn&ett",
     .parent = field::frafuels, .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99,
     .format = "####0.00"},
    {.kind = Numeric, .name = field::TDBNumparTuboRisc, .first = 0, .last = 9, .tag = "Kfue",
     .caption = "Heated line temp.", .parent = field::frafuels, .parentIndex = kSame, .minimum = -kBig4,
     .maximum = kBig4, .format = "####0.0000"},

    // General.
    {.kind = Label, .name = field::Label1, .caption = "Nations", .parent = field::fraconf, .parentIndex = 7,
     .buddy = field::cboNations},
    {.kind = List, .name = field::cboNations, .tag = "Kcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "Italia|UK|France|Nederland|Belgique(F)|Belgie(N)|Deutschland|Espana|Danmark|Sverige|Other"},
    {.kind = Label, .name = field::lblTrhAux, .caption = "Store Trh/Aux-1", .parent = field::fraconf,
     .parentIndex = 7,
     .buddy = field::cboTrhAux},
    {.kind = List, .name = field::cboTrhAux, .tag = "Kcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "Aux1+Aux2|Trh+Rh|Pressure"},
    {.kind = Label, .name = field::lbltctype, .caption = "&Tc type", .parent = field::fraconf, .parentIndex = 7,
     .buddy = field::cbotctype},
    {.kind = List, .name = field::cbotctype, .tag = "xKcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "K|N|S"},
    {.kind = Label, .name = field::lbldateformat, .caption = "&Date format", .parent = field::fraconf,
     .parentIndex = 7,
     .buddy = field::cbodateformat},
    {.kind = List, .name = field::cbodateformat, .tag = "Kcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "dd mm yy|mm dd yy"},
    {.kind = Label, .name = field::lblptprobe, .caption = "P+T &probe measure", .parent = field::fraconf,
     .parentIndex = 7,
     .buddy = field::cboptprobe},
    {.kind = List, .name = field::cboptprobe, .tag = "Kcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "Only T|P and T"},
    {.kind = Label, .name = field::lblcoexclusion, .caption = "&CO cell", .parent = field::fraconf,
     .parentIndex = 7,
     .buddy = field::cbocoexcl},
    {.kind = List, .name = field::cbocoexcl, .tag = "Kcfg", .parent = field::fraconf, .parentIndex = 7,
     .entries = "Included|Excluded|Auto Excl."},
    {.kind = Numeric, .name = field::TDBNumpercno2_nox, .tag = "Kcfg", .caption = "%&NO2 into NOx",
     .parent = field::fraconf,
     .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0", .value = 3.0},
    {.kind = Numeric, .name = field::TDBNumrefo2forco, .tag = "Kcfg", .caption = "%Ref. &O2 for CO",
     .parent = field::fraconf,
     .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0"},
    {.kind = Numeric, .name = field::TDBNumrefo2foroth, .tag = "Kcfg", .caption = "%Ref. O2 for other&s",
     .parent = field::fraconf, .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0"},
    {.kind = Numeric, .name = field::TDBNumCOthrs, .tag = "Kcfg", .caption = "CO t&hreshold [ppm]",
     .parent = field::fraconf,
     .parentIndex = 7, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000", .value = 1000},
    {.kind = Frame, .name = field::Frameasunits, .caption = "Measure units", .parent = field::fraconf,
     .parentIndex = 7},
    {.kind = Label, .name = field::lblmeasunitco, .caption = "Measure unit for CO", .parent = field::Frameasunits,
     .buddy = field::cbomeasunitco},
    {.kind = List, .name = field::cbomeasunitco, .tag = "xKcfg", .parent = field::Frameasunits,
     .entries = kGasUnits},
    {.kind = Label, .name = field::lblmeasunitoth, .caption = "Measure unit for others",
     .parent = field::Frameasunits,
     .buddy = field::cbomeasunitoth},
    {.kind = List, .name = field::cbomeasunitoth, .tag = "xKcfg", .parent = field::Frameasunits,
     .entries = kGasUnits},
    {.kind = Label, .name = field::lblmeasunittemp, .caption = "Measure unit for temp.",
     .parent = field::Frameasunits,
     .buddy = field::cbomeasunittemp},
    {.kind = List, .name = field::cbomeasunittemp, .tag = "xKcfg", .parent = field::Frameasunits, .entries = "C|F"},
    {.kind = Label, .name = field::lblmeasunitpress, .caption = "Measure unit for press.",
     .parent = field::Frameasunits,
     .buddy = field::cbomeasunitpress},
    {.kind = List, .name = field::cbomeasunitpress, .tag = "xKcfg", .parent = field::Frameasunits,
     .entries = "hPa|mbar|mmH2O|inH2O|Pascal|mmHg|inHg|matm|psi|psf"},

    // Bar graphs.
    {.kind = TabStrip, .name = field::SSTabbargraphs, .parent = field::fraconf, .parentIndex = 8,
     .entries = "Bar graph 1|Bar graph 2|Bar graph 3|Bar graph 4|Bar graph 5|Bar graph 6"},
    {.kind = Frame, .name = field::frabargraphs, .first = 0, .last = 5, .parent = field::SSTabbargraphs,
     .parentIndex = kSame},
    {.kind = Label, .name = field::lblbargraphdirection, .first = 0, .last = 5, .caption = "&Direction",
     .parent = field::frabargraphs, .parentIndex = kSame, .buddy = field::Optbargraphl2r},
    {.kind = Option, .name = field::Optbargraphl2r, .first = 0, .last = 5, .tag = "Kcfg",
     .caption = "Le&ft to right",
     .parent = field::frabargraphs, .parentIndex = kSame, .value = 1},
    {.kind = Option, .name = field::Optbargraphr2l, .first = 0, .last = 5, .tag = "Kcfg",
     .caption = "&Right to left",
     .parent = field::frabargraphs, .parentIndex = kSame},
    {.kind = Numeric, .name = field::TDBNumbargraphlow, .first = 0, .last = 5, .tag = "Kcfg",
     .caption = "&Low value",
     .parent = field::frabargraphs, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3,
     .format = "####0.000"},
    {.kind = Numeric, .name = field::TDBNumbargraphhigh, .first = 0, .last = 5, .tag = "Kcfg",
     .caption = "&High value",
     .parent = field::frabargraphs, .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3,
     .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = field::lblbargraphparam, .first = 0, .last = 5, .caption = "&Parameter",
     .parent = field::frabargraphs, .parentIndex = kSame, .buddy = field::trvbargraphparam},
    {.kind = Tree, .name = field::trvbargraphparam, .first = 0, .last = 5, .tag = "Kcfg",
     .parent = field::frabargraphs,
     .parentIndex = kSame, .size = 1},

    // Service.
    {.kind = Label, .name = field::lblserviceline, .first = 0, .last = 2, .caption = "Service line &{n}",
     .parent = field::fraconf, .parentIndex = 9, .buddy = field::txtserviceline},
    {.kind = Text, .name = field::txtserviceline, .first = 0, .last = 2, .tag = "Ksrv", .parent = field::fraconf,
     .parentIndex = 9, .size = 16},
};
// clang-format on

QStringList Pieces(const char* text) {
    return QString::fromUtf8(text).split(u'|');
}

QString MemberCaption(const Row& row, int index) {
    const QStringList pieces = Pieces(row.caption);
    const int ordinal = row.first == kOne ? 0 : index - row.first;
    QString caption = pieces.size() > 1 ? pieces.value(ordinal) : pieces.constFirst();
    return caption.replace(QLatin1String("{n}"), QString::number(ordinal + 1));
}

std::unique_ptr<FormItem> MakeItem(const Row& row, int index) {
    const QString name = QString::fromLatin1(row.name);
    const QString tag = QString::fromLatin1(row.tag);
    switch (row.kind) {
        case Numeric:
            return std::make_unique<NumericItem>(name, index, tag,
                                                 NumericItem::Range{row.minimum, row.maximum},
                                                 QString::fromLatin1(row.format), row.value,
                                                 /*allowsEmpty=*/false);
        case List:
            return std::make_unique<ListItem>(name, index, tag, Pieces(row.entries));
        case Check:
            return std::make_unique<CheckItem>(name, index, tag, static_cast<int>(row.value));
        case Option:
            return std::make_unique<OptionItem>(name, index, tag, row.value != 0);
        case Text:
            return std::make_unique<TextItem>(name, index, tag, row.size);
        case Tree:
            return std::make_unique<TreeItem>(name, index, tag, row.size);
        case TabStrip:
            return std::make_unique<TabStripItem>(name, index, Pieces(row.entries));
        case Menu:
            return std::make_unique<MenuItem>(name, index, tag, QString::fromLatin1(row.shortcut));
        case Frame:
        case Label:
            break;
    }
    return std::make_unique<FormItem>(row.kind, name, index, tag);
}

// Frames and controls on a tab strip show only while their tab is selected; at design
// time that is tab 0.
void Place(Form& form, const Row& row, FormItem& item) {
    if (*row.parent == '\0') {
        return;
    }
    const QString parentName = QString::fromLatin1(row.parent);
    const int parentIndex = row.parentIndex == kSame ? item.index() : row.parentIndex;
    FormItem* strip = form.find(parentName);
    if (strip && strip->kind() == TabStrip) {
        item.placeIn(strip, parentIndex);
        item.setVisible(parentIndex == 0);
        return;
    }
    item.placeIn(&form.item(parentName, parentIndex), kNoIndex);
}

template <typename Visit>
void ForEachMember(const Row& row, Visit visit) {
    const int last = row.first == kOne ? kOne : row.last;
    for (int index = row.first; index <= last; ++index) {
        visit(index);
    }
}

}  // namespace

void DeclareMainWindow(Form& form) {
    for (const Row& row : kRows) {
        ForEachMember(row, [&](int index) {
            FormItem& item = form.add(MakeItem(row, index));
            item.setCaption(MemberCaption(row, index));
            Place(form, row, item);
        });
    }
    // The fields a label names are declared after it.
    for (const Row& row : kRows) {
        if (*row.buddy != '\0') {
            ForEachMember(row, [&](int index) {
                form.item(QString::fromLatin1(row.name), index)
                    .setBuddy(&form.item(QString::fromLatin1(row.buddy), index));
            });
        }
    }
}

}  // namespace kilnward::form
