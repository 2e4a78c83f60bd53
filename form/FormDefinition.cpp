#include "form/FormDefinition.h"

#include <QStringList>

#include <memory>

#include "form/CheckItem.h"
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
    {.kind = Menu, .name = "mnufile", .caption = "&Profile"},
    {.kind = Menu, .name = "mnuFileNew", .caption = "&New", .parent = "mnufile", .shortcut = "Ctrl+N"},
    {.kind = Menu, .name = "mnuFileOpen", .caption = "&Open...", .parent = "mnufile", .shortcut = "Ctrl+O"},
    {.kind = Menu, .name = "mnuFileBar1", .caption = "-", .parent = "mnufile"},
    {.kind = Menu, .name = "mnuFileSave", .caption = "&Save", .parent = "mnufile", .shortcut = "Ctrl+S"},
    {.kind = Menu, .name = "mnuFileSaveAs", .caption = "Save &as...", .parent = "mnufile"},
    {.kind = Menu, .name = "mnufilebar3", .caption = "-", .parent = "mnufile"},
    {.kind = Menu, .name = "mnufilesend", .caption = "S&end", .parent = "mnufile", .shortcut = "F5"},
    {.kind = Menu, .name = "mnufileget", .caption = "&Receive", .parent = "mnufile", .shortcut = "F6"},
    {.kind = Menu, .name = "mnuFileBar2", .caption = "-", .parent = "mnufile"},
    {.kind = Menu, .name = "mnuFileExit", .caption = "E&xit", .parent = "mnufile"},
    {.kind = Menu, .name = "mnudata", .caption = "&Data"},
    {.kind = Menu, .name = "mnudataload", .first = 0, .last = 4,
     .caption = "Load &configuration...|Load &fuels...|Load &header...|Load &law...|Load &service...",
     .parent = "mnudata"},
    {.kind = Menu, .name = "mnubar8", .caption = "-", .parent = "mnudata"},
    {.kind = Menu, .name = "mnudatasave", .first = 0, .last = 4,
     .caption = "Save &configuration|Save &fuels|Save &header|Save &law|Save &service",
     .parent = "mnudata"},
    {.kind = Menu, .name = "mnubar9", .caption = "-", .parent = "mnudata"},
    {.kind = Menu, .name = "mnudatasaveas", .first = 0, .last = 4,
     .caption = "Save &configuration as...|Save &fuels as...|Save &header as...|Save &law as...|"
                "Save &service as...",
     .parent = "mnudata"},
    {.kind = Menu, .name = "mnubar10", .caption = "-", .parent = "mnudata"},
    {.kind = Menu, .name = "mnudataviewfiles", .caption = "&View loaded files...", .parent = "mnudata",
     .shortcut = "Ctrl+V"},
    {.kind = Menu, .name = "mnubar12", .caption = "-", .parent = "mnudata"},
    {.kind = Menu, .name = "mnuSaveConfigasText", .caption = "Save config as Text file", .parent = "mnudata"},
    {.kind = Menu, .name = "mnuconfigure", .caption = "&Settings"},
    {.kind = Menu, .name = "mnuconfigureserial", .caption = "&Serial...", .parent = "mnuconfigure"},
    {.kind = Menu, .name = "mnuconfigurelanguage", .caption = "&Language...", .parent = "mnuconfigure"},
    {.kind = Menu, .name = "mnuconfiguresetclock", .caption = "Set instrument &clock", .parent = "mnuconfigure"},
    {.kind = Menu, .name = "mnuinstrument", .caption = "&Instrument"},
    {.kind = Menu, .name = "mnuinstrumentname", .first = 0, .last = 0, .tag = "xI",
     .caption = "Instrumentname0", .parent = "mnuinstrument"},
    {.kind = Menu, .name = "mnuabout", .caption = "&?"},
    {.kind = Menu, .name = "mnuaboutshowtip", .caption = "Tip of the Day...", .parent = "mnuabout"},
    {.kind = Menu, .name = "mnuAboutAbout", .caption = "&About %1% Configuration...", .parent = "mnuabout"},

    // Outer pages.
    {.kind = TabStrip, .name = "SSTabconf",
     .entries = "Pages|Printer|Alarms|Aux inputs|Analog outputs|Timers|Fuels|General|Bar graphs|Service"},
    {.kind = Frame, .name = "fraconf", .first = 0, .last = 9, .parent = "SSTabconf", .parentIndex = kSame},

    // Pages.
    {.kind = TabStrip, .name = "sstabpages", .parent = "fraconf", .parentIndex = 0,
     .entries = "Page 1|Page 2|Page 3|Page 4|Page 5|Page 6"},
    {.kind = Frame, .name = "frapages", .first = 0, .last = 5, .parent = "sstabpages", .parentIndex = kSame},
    {.kind = Tree, .name = "trvpage", .first = 0, .last = 5, .tag = "Kcfg", .parent = "frapages",
     .parentIndex = kSame, .size = 6},

    // Printer.
    {.kind = TabStrip, .name = "SSTabprinter", .parent = "fraconf", .parentIndex = 1,
     .entries = "Settings|Comb. param.|Ref. param.|Header|Law"},
    {.kind = Frame, .name = "fraprinter", .first = 0, .last = 4, .parent = "SSTabprinter", .parentIndex = kSame},
    {.kind = Label, .name = "lblprtmodel", .caption = "&Printing model", .parent = "fraprinter", .parentIndex = 0,
     .buddy = "cboprtmodel"},
    {.kind = List, .name = "cboprtmodel", .tag = "Kcfg", .parent = "fraprinter", .parentIndex = 0,
     .entries = "User defined|Reduced"},
    {.kind = Numeric, .name = "TDBNumprtcopies", .tag = "Kcfg", .caption = "&Copies number",
     .parent = "fraprinter", .parentIndex = 0, .minimum = 1, .maximum = 5, .format = "0", .value = 2},
    {.kind = Check, .name = "chkprtconf", .first = 0, .last = 0, .tag = "Kcfg",
     .caption = "&Reverse printing direction", .parent = "fraprinter", .parentIndex = 0},
    {.kind = Check, .name = "chkprtconf", .first = 1, .last = 4, .tag = "Khdr", .caption = "&Enabled",
     .parent = "fraprinter", .parentIndex = 3},
    {.kind = Check, .name = "chkprtconf", .first = 5, .last = 5, .tag = "Kcfg", .caption = "Enable &sign",
     .parent = "fraprinter", .parentIndex = 0},
    {.kind = Check, .name = "chkprtconf", .first = 6, .last = 8, .tag = "Klaw", .caption = "&Enabled",
     .parent = "fraprinter", .parentIndex = 4},
    {.kind = Check, .name = "chkprtconf", .first = 9, .last = 24, .tag = "Kcfg",
     .caption = "Enable &model|Enable s&erial number|Enable ne&xt calibration date|Enable &date/time|"
                "Enable &fuel|Enable %Ref. &O2 for CO|Enable %Ref. O2 for ot&hers|Enable smo&ke|"
                "Enable oil derivati&ve|Enable plant I&D|Enable &boiler ID|Enable customer na&me|"
                "Enable customer addres&s|Enable customer cit&y|Enable customer telep&hone|Enable not&es",
     .parent = "fraprinter", .parentIndex = 0},
    {.kind = Tree, .name = "trvprtcombparam", .first = 0, .last = 0, .tag = "Kcfg", .parent = "fraprinter",
     .parentIndex = 1, .size = 20},
    {.kind = Tree, .name = "trvprtrefparam", .first = 0, .last = 0, .tag = "Kcfg", .parent = "fraprinter",
     .parentIndex = 2, .size = 10},
    {.kind = Label, .name = "lblheaderline", .first = 1, .last = 4, .caption = "Header line &{n}",
     .parent = "fraprinter", .parentIndex = 3, .buddy = "txtheaderline"},
    {.kind = Text, .name = "txtheaderline", .first = 1, .last = 4, .tag = "Khdr", .parent = "fraprinter",
     .parentIndex = 3, .size = 16},
    {.kind = Label, .name = "lbllawline", .first = 6, .last = 8, .caption = "Law line &{n}",
     .parent = "fraprinter", .parentIndex = 4, .buddy = "txtlawline"},
    {.kind = Text, .name = "txtlawline", .first = 6, .last = 8, .tag = "Klaw", .parent = "fraprinter",
     .parentIndex = 4, .size = 16},

    // Alarms.
    {.kind = TabStrip, .name = "sstabalarms", .parent = "fraconf", .parentIndex = 2,
     .entries = "Alarm 1|Alarm 2|Alarm 3|Alarm 4|Alarm 5|Alarm 6|Others alarms"},
    {.kind = Frame, .name = "fraalarms", .first = 0, .last = 6, .parent = "sstabalarms", .parentIndex = kSame},
    {.kind = Check, .name = "chkalmenabled", .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Alarm enabled",
     .parent = "fraalarms", .parentIndex = kSame},
    {.kind = Label, .name = "lblalmtype", .first = 0, .last = 5, .caption = "&Type", .parent = "fraalarms",
     .parentIndex = kSame, .buddy = "cboalmtype"},
    {.kind = List, .name = "cboalmtype", .first = 0, .last = 5, .tag = "Kcfg", .parent = "fraalarms",
     .parentIndex = kSame, .entries = "Minimum|Maximum"},
    {.kind = Numeric, .name = "TDBNumalmval", .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Value",
     .parent = "fraalarms", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Label, .name = "lblalmparam", .first = 0, .last = 5, .caption = "&Parameter", .parent = "fraalarms",
     .parentIndex = kSame, .buddy = "trvalmparam"},
    {.kind = Tree, .name = "trvalmparam", .first = 0, .last = 5, .tag = "Kcfg", .parent = "fraalarms",
     .parentIndex = kSame, .size = 1},
    {.kind = Numeric, .name = "TDBNumalmvaloth", .first = 0, .last = 0, .tag = "Kcfg", .caption = "&Ambient CO",
     .parent = "fraalarms", .parentIndex = 6, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 35},

    // Auxiliary inputs.
    {.kind = TabStrip, .name = "SSTabauxinp", .parent = "fraconf", .parentIndex = 3,
     .entries = "Aux input 1|Aux input 2"},
    {.kind = Frame, .name = "Fraauxinp", .first = 0, .last = 1, .parent = "SSTabauxinp", .parentIndex = kSame},
    {.kind = Label, .name = "lblauxinptype", .first = 0, .last = 1, .caption = "&Type", .parent = "Fraauxinp",
     .parentIndex = kSame, .buddy = "cboauxinptype"},
    {.kind = List, .name = "cboauxinptype", .first = 0, .last = 1, .tag = "xKcfg", .parent = "Fraauxinp",
     .parentIndex = kSame, .entries = kSignals},
    {.kind = Label, .name = "lblauxinpdecnum", .first = 0, .last = 1, .caption = "&Decimals number",
     .parent = "Fraauxinp", .parentIndex = kSame, .buddy = "cboauxinpdecnum"},
    {.kind = List, .name = "cboauxinpdecnum", .first = 0, .last = 1, .tag = "xKcfg", .parent = "Fraauxinp",
     .parentIndex = kSame, .entries = "0|1|2|3|4|5"},
    {.kind = Numeric, .name = "TDBNumauxinplow", .first = 0, .last = 1, .tag = "Kcfg", .caption = "&Low value",
     .parent = "Fraauxinp", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = "TDBNumauxinphigh", .first = 0, .last = 1, .tag = "Kcfg", .caption = "&High value",
     .parent = "Fraauxinp", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = "lblauxinpengunit", .first = 0, .last = 1, .caption = "Measure &unit",
     .parent = "Fraauxinp", .parentIndex = kSame, .buddy = "txtauxinpengunit"},
    {.kind = Text, .name = "txtauxinpengunit", .first = 0, .last = 1, .tag = "Kcfg", .parent = "Fraauxinp",
     .parentIndex = kSame, .size = 6},
    {.kind = Label, .name = "lblauxinpparamname", .first = 0, .last = 1, .caption = "&Parameter name",
     .parent = "Fraauxinp", .parentIndex = kSame, .buddy = "txtauxinpparamname"},
    {.kind = Text, .name = "txtauxinpparamname", .first = 0, .last = 1, .tag = "Kcfg", .parent = "Fraauxinp",
     .parentIndex = kSame, .size = 4},

    // Analog outputs.
    {.kind = TabStrip, .name = "SSTabanaouts", .parent = "fraconf", .parentIndex = 4,
     .entries = "Analog output 1|Analog output 2|Analog output 3|Analog output 4"},
    {.kind = Frame, .name = "Fraanaouts", .first = 0, .last = 3, .parent = "SSTabanaouts", .parentIndex = kSame},
    {.kind = Label, .name = "lblanaoutstype", .first = 0, .last = 3, .caption = "&Type", .parent = "Fraanaouts",
     .parentIndex = kSame, .buddy = "cboanaoutstype"},
    {.kind = List, .name = "cboanaoutstype", .first = 0, .last = 3, .tag = "xKcfg", .parent = "Fraanaouts",
     .parentIndex = kSame, .entries = kSignals},
    {.kind = Label, .name = "lblanaoutserrmode", .first = 0, .last = 3, .caption = "&Error mode",
     .parent = "Fraanaouts", .parentIndex = kSame, .buddy = "cboanaoutserrmode"},
    {.kind = List, .name = "cboanaoutserrmode", .first = 0, .last = 3, .tag = "Kcfg", .parent = "Fraanaouts",
     .parentIndex = kSame, .entries = "Hold last|Go low|Go high"},
    {.kind = Numeric, .name = "TDBNumanaoutlow", .first = 0, .last = 3, .tag = "Kcfg", .caption = "&Low value",
     .parent = "Fraanaouts", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = "TDBNumanaouthigh", .first = 0, .last = 3, .tag = "Kcfg", .caption = "&High value",
     .parent = "Fraanaouts", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = "lblanaoutsparam", .first = 0, .last = 3, .caption = "&Parameter",
     .parent = "Fraanaouts", .parentIndex = kSame, .buddy = "trvanaoutsparam"},
    {.kind = Tree, .name = "trvanaoutsparam", .first = 0, .last = 3, .tag = "Kcfg", .parent = "Fraanaouts",
     .parentIndex = kSame, .size = 1},

    // Timers.
    {.kind = Numeric, .name = "TDBNumtimers", .first = 0, .last = 0, .tag = "Kcfg", .caption = "&Autozero time",
     .parent = "fraconf", .parentIndex = 5, .minimum = 30, .maximum = 300, .format = "##0", .value = 180},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 1, .last = 1, .tag = "Kcfg",
     .caption = "Purging Interval Time", .parent = "fraconf", .parentIndex = 5, .minimum = 15, .maximum = 9999,
     .format = "###0", .value = 15},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 2, .last = 2, .tag = "Kcfg",
     .caption = "&Measure interval time", .parent = "fraconf", .parentIndex = 5, .minimum = 1, .maximum = 300,
     .format = "##0", .value = 180},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 3, .last = 3, .tag = "Kcfg",
     .caption = "Measure &delay time", .parent = "fraconf", .parentIndex = 5, .minimum = 1, .maximum = 300,
     .format = "##0", .value = 180},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 4, .last = 4, .tag = "Kcfg",
     .caption = "Methane probe &heating time", .parent = "fraconf", .parentIndex = 5, .minimum = 1,
     .maximum = 300, .format = "##0", .value = 60},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 5, .last = 8, .tag = "Kcfg",
     .caption = "P&1 leak decay time|P&2 leak decay time|P&3 leak decay time|P&4 leak decay time",
     .parent = "fraconf", .parentIndex = 5, .minimum = -9999, .maximum = 1800, .format = "###0"},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 9, .last = 9, .tag = "Kcfg",
     .caption = "Peristaltic Pump Interval Time ", .parent = "fraconf", .parentIndex = 5, .minimum = 30,
     .maximum = 1800, .format = "###0", .value = 300},
    {.kind = Numeric, .name = "TDBNumtimers", .first = 10, .last = 10, .tag = "Kcfg", .caption = "&Purging time",
     .parent = "fraconf", .parentIndex = 5, .minimum = 30, .maximum = 180, .format = "##0", .value = 60},
    {.kind = Label, .name = "lblsec", .first = 0, .last = 8, .caption = "sec.", .parent = "fraconf",
     .parentIndex = 5},
    {.kind = Label, .name = "lblsec", .first = 9, .last = 10, .caption = "min.", .parent = "fraconf",
     .parentIndex = 5},

    // Fuels.
    {.kind = Numeric, .name = "TDBNummaxfuels", .tag = "Kfue", .caption = "&Max fuels number", .parent = "fraconf",
     .parentIndex = 6, .minimum = 1, .maximum = 10, .format = "#0", .value = 1},
    {.kind = TabStrip, .name = "SSTabfuels", .parent = "fraconf", .parentIndex = 6,
     .entries = "#1|#2|#3|#4|#5|#6|#7|#8|#9|#10"},
    {.kind = Frame, .name = "frafuels", .first = 0, .last = 9, .parent = "SSTabfuels", .parentIndex = kSame},
    {.kind = Label, .name = "lblfuelname", .first = 0, .last = 9, .caption = "&Fuel name", .parent = "frafuels",
     .parentIndex = kSame, .buddy = "txtfuelname"},
    {.kind = Text, .name = "txtfuelname", .first = 0, .last = 9, .tag = "Kfue", .parent = "frafuels",
     .parentIndex = kSame, .size = 16},
    {.kind = Label, .name = "lblformulatype", .first = 0, .last = 9, .caption = "Formula t&ype",
     .parent = "frafuels", .parentIndex = kSame, .buddy = "cbofuelformulatype"},
    {.kind = List, .name = "cbofuelformulatype", .first = 0, .last = 9, .tag = "xKfue", .parent = "frafuels",
     .parentIndex = kSame, .entries = "Siegertsche|Ger-Ita Lg10|Usa/Dutch|British|UNI 10389"},
    {.kind = Numeric, .name = "TDBNumpark1", .first = 0, .last = 0, .tag = "xKfue", .caption = "K&1/K/A/C",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -999.999, .maximum = 999.999,
     .format = "##0.000;  Minus ##0.000", .value = 0.225},
    {.kind = Numeric, .name = "TDBNumpark1", .first = 1, .last = 9, .tag = "xKfue", .caption = "K&1/K/A/C",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = "TDBNumpark2", .first = 0, .last = 9, .tag = "xKfue", .caption = "K&2/B/D",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = "TDBNumparkl", .first = 0, .last = 9, .tag = "xKfue", .caption = "K&L",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99, .format = "####0.00"},
    {.kind = Numeric, .name = "TDBNumparco2max", .first = 0, .last = 9, .tag = "xKfue", .caption = "&CO2MAX",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = "TDBNumparfgj", .first = 0, .last = 9, .tag = "xKfue", .caption = "&FGJ",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = "TDBNumparkgross", .first = 0, .last = 9, .tag = "xKfue", .caption = "K&gross/Hl-Hg",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig4, .maximum = kBig4, .format = "####0.0000"},
    {.kind = Numeric, .name = "TDBNumparknet", .first = 0, .last = 9, .tag = "xKfue", .caption = "K&nett/K4",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = "TDBNumparh", .first = 0, .last = 9, .tag = "xKfue", .caption = "&H/K3",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = "TDBNumparmh2o", .first = 0, .last = 9, .tag = "xKfue", .caption = "mH2&O",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.9, .maximum = 99999.9, .format = "####0.0"},
    {.kind = Numeric, .name = "TDBNumparQgross", .first = 0, .last = 9, .tag = "xKfue", .caption = "&Qgross",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99, .format = "####0.00"},
    {.kind = Numeric, .name = "TDBNumparQnet", .first = 0, .last = 9, .tag = "xKfue", .caption = "Qn&ett",
     .parent = "frafuels", .parentIndex = kSame, .minimum = -99999.99, .maximum = 99999.99, .format = "####0.00"},
    {.kind = Numeric, .name = "TDBNumparTuboRisc", .first = 0, .last = 9, .tag = "Kfue",
     .caption = "Heated line temp.", .parent = "frafuels", .parentIndex = kSame, .minimum = -kBig4,
     .maximum = kBig4, .format = "####0.0000"},

    // General.
    {.kind = Label, .name = "Label1", .caption = "Nations", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cboNations"},
    {.kind = List, .name = "cboNations", .tag = "Kcfg", .parent = "fraconf", .parentIndex = 7,
     .entries = "Italia|UK|France|Nederland|Belgique(F)|Belgie(N)|Deutschland|Espana|Danmark|Sverige|Other"},
    {.kind = Label, .name = "lblTrhAux", .caption = "Store Trh/Aux-1", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cboTrhAux"},
    {.kind = List, .name = "cboTrhAux", .tag = "Kcfg", .parent = "fraconf", .parentIndex = 7,
     .entries = "Aux1+Aux2|Trh+Rh|Pressure"},
    {.kind = Label, .name = "lbltctype", .caption = "&Tc type", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cbotctype"},
    {.kind = List, .name = "cbotctype", .tag = "xKcfg", .parent = "fraconf", .parentIndex = 7, .entries = "K|N|S"},
    {.kind = Label, .name = "lbldateformat", .caption = "&Date format", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cbodateformat"},
    {.kind = List, .name = "cbodateformat", .tag = "Kcfg", .parent = "fraconf", .parentIndex = 7,
     .entries = "dd mm yy|mm dd yy"},
    {.kind = Label, .name = "lblptprobe", .caption = "P+T &probe measure", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cboptprobe"},
    {.kind = List, .name = "cboptprobe", .tag = "Kcfg", .parent = "fraconf", .parentIndex = 7,
     .entries = "Only T|P and T"},
    {.kind = Label, .name = "lblcoexclusion", .caption = "&CO cell", .parent = "fraconf", .parentIndex = 7,
     .buddy = "cbocoexcl"},
    {.kind = List, .name = "cbocoexcl", .tag = "Kcfg", .parent = "fraconf", .parentIndex = 7,
     .entries = "Included|Excluded|Auto Excl."},
    {.kind = Numeric, .name = "TDBNumpercno2_nox", .tag = "Kcfg", .caption = "%&NO2 into NOx", .parent = "fraconf",
     .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0", .value = 3.0},
    {.kind = Numeric, .name = "TDBNumrefo2forco", .tag = "Kcfg", .caption = "%Ref. &O2 for CO", .parent = "fraconf",
     .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0"},
    {.kind = Numeric, .name = "TDBNumrefo2foroth", .tag = "Kcfg", .caption = "%Ref. O2 for other&s",
     .parent = "fraconf", .parentIndex = 7, .minimum = 0, .maximum = 100, .format = "##0.0"},
    {.kind = Numeric, .name = "TDBNumCOthrs", .tag = "Kcfg", .caption = "CO t&hreshold [ppm]", .parent = "fraconf",
     .parentIndex = 7, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000", .value = 1000},
    {.kind = Frame, .name = "Frameasunits", .caption = "Measure units", .parent = "fraconf", .parentIndex = 7},
    {.kind = Label, .name = "lblmeasunitco", .caption = "Measure unit for CO", .parent = "Frameasunits",
     .buddy = "cbomeasunitco"},
    {.kind = List, .name = "cbomeasunitco", .tag = "xKcfg", .parent = "Frameasunits", .entries = kGasUnits},
    {.kind = Label, .name = "lblmeasunitoth", .caption = "Measure unit for others", .parent = "Frameasunits",
     .buddy = "cbomeasunitoth"},
    {.kind = List, .name = "cbomeasunitoth", .tag = "xKcfg", .parent = "Frameasunits", .entries = kGasUnits},
    {.kind = Label, .name = "lblmeasunittemp", .caption = "Measure unit for temp.", .parent = "Frameasunits",
     .buddy = "cbomeasunittemp"},
    {.kind = List, .name = "cbomeasunittemp", .tag = "xKcfg", .parent = "Frameasunits", .entries = "C|F"},
    {.kind = Label, .name = "lblmeasunitpress", .caption = "Measure unit for press.", .parent = "Frameasunits",
     .buddy = "cbomeasunitpress"},
    {.kind = List, .name = "cbomeasunitpress", .tag = "xKcfg", .parent = "Frameasunits",
     .entries = "hPa|mbar|mmH2O|inH2O|Pascal|mmHg|inHg|matm|psi|psf"},

    // Bar graphs.
    {.kind = TabStrip, .name = "SSTabbargraphs", .parent = "fraconf", .parentIndex = 8,
     .entries = "Bar graph 1|Bar graph 2|Bar graph 3|Bar graph 4|Bar graph 5|Bar graph 6"},
    {.kind = Frame, .name = "frabargraphs", .first = 0, .last = 5, .parent = "SSTabbargraphs",
     .parentIndex = kSame},
    {.kind = Label, .name = "lblbargraphdirection", .first = 0, .last = 5, .caption = "&Direction",
     .parent = "frabargraphs", .parentIndex = kSame, .buddy = "Optbargraphl2r"},
    {.kind = Option, .name = "Optbargraphl2r", .first = 0, .last = 5, .tag = "Kcfg", .caption = "Le&ft to right",
     .parent = "frabargraphs", .parentIndex = kSame, .value = 1},
    {.kind = Option, .name = "Optbargraphr2l", .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Right to left",
     .parent = "frabargraphs", .parentIndex = kSame},
    {.kind = Numeric, .name = "TDBNumbargraphlow", .first = 0, .last = 5, .tag = "Kcfg", .caption = "&Low value",
     .parent = "frabargraphs", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000"},
    {.kind = Numeric, .name = "TDBNumbargraphhigh", .first = 0, .last = 5, .tag = "Kcfg", .caption = "&High value",
     .parent = "frabargraphs", .parentIndex = kSame, .minimum = -kBig3, .maximum = kBig3, .format = "####0.000",
     .value = 100},
    {.kind = Label, .name = "lblbargraphparam", .first = 0, .last = 5, .caption = "&Parameter",
     .parent = "frabargraphs", .parentIndex = kSame, .buddy = "trvbargraphparam"},
    {.kind = Tree, .name = "trvbargraphparam", .first = 0, .last = 5, .tag = "Kcfg", .parent = "frabargraphs",
     .parentIndex = kSame, .size = 1},

    // Service.
    {.kind = Label, .name = "lblserviceline", .first = 0, .last = 2, .caption = "Service line &{n}",
     .parent = "fraconf", .parentIndex = 9, .buddy = "txtserviceline"},
    {.kind = Text, .name = "txtserviceline", .first = 0, .last = 2, .tag = "Ksrv", .parent = "fraconf",
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
