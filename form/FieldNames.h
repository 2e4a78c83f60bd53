#pragma once

// The names of the main window's controls: the field table declares its items by them, and
// every rule, page, sector walk, export and command finds an item by them, so that a name
// mistyped in code fails to build instead of failing to find its item at run time. Each
// constant is spelled exactly as the name it holds, so a search for a name finds its uses.
//
// The lists follow the field table's sections, in its order.

// Menu bar.
#define KILNWARD_MENU_FIELDS(X) \
    X(mnufile)                  \
    X(mnuFileNew)               \
    X(mnuFileOpen)              \
    X(mnuFileBar1)              \
    X(mnuFileSave)              \
    X(mnuFileSaveAs)            \
    X(mnufilebar3)              \
    X(mnufilesend)              \
    X(mnufileget)               \
    X(mnuFileBar2)              \
    X(mnuFileExit)              \
    X(mnudata)                  \
    X(mnudataload)              \
    X(mnubar8)                  \
    X(mnudatasave)              \
    X(mnubar9)                  \
    X(mnudatasaveas)            \
    X(mnubar10)                 \
    X(mnudataviewfiles)         \
    X(mnubar12)                 \
    X(mnuSaveConfigasText)      \
    X(mnuconfigure)             \
    X(mnuconfigureserial)       \
    X(mnuconfigurelanguage)     \
    X(mnuconfiguresetclock)     \
    X(mnuinstrument)            \
    X(mnuinstrumentname)        \
    X(mnuabout)                 \
    X(mnuaboutshowtip)          \
    X(mnuAboutAbout)

// Outer pages.
#define KILNWARD_OUTER_PAGES_FIELDS(X) \
    X(SSTabconf)                       \
    X(fraconf)

// Pages.
#define KILNWARD_PAGES_FIELDS(X) \
    X(sstabpages)                \
    X(frapages)                  \
    X(trvpage)

// Printer.
#define KILNWARD_PRINTER_FIELDS(X) \
    X(SSTabprinter)                \
    X(fraprinter)                  \
    X(lblprtmodel)                 \
    X(cboprtmodel)                 \
    X(TDBNumprtcopies)             \
    X(chkprtconf)                  \
    X(trvprtcombparam)             \
    X(trvprtrefparam)              \
    X(lblheaderline)               \
    X(txtheaderline)               \
    X(lbllawline)                  \
    X(txtlawline)

// Alarms.
#define KILNWARD_ALARMS_FIELDS(X) \
    X(sstabalarms)                \
    X(fraalarms)                  \
    X(chkalmenabled)              \
    X(lblalmtype)                 \
    X(cboalmtype)                 \
    X(TDBNumalmval)               \
    X(lblalmparam)                \
    X(trvalmparam)                \
    X(TDBNumalmvaloth)

// Auxiliary inputs.
#define KILNWARD_AUX_INPUTS_FIELDS(X) \
    X(SSTabauxinp)                    \
    X(Fraauxinp)                      \
    X(lblauxinptype)                  \
    X(cboauxinptype)                  \
    X(lblauxinpdecnum)                \
    X(cboauxinpdecnum)                \
    X(TDBNumauxinplow)                \
    X(TDBNumauxinphigh)               \
    X(lblauxinpengunit)               \
    X(txtauxinpengunit)               \
    X(lblauxinpparamname)             \
    X(txtauxinpparamname)

// Analog outputs.
#define KILNWARD_ANALOG_OUTPUTS_FIELDS(X) \
    X(SSTabanaouts)                       \
    X(Fraanaouts)                         \
    X(lblanaoutstype)                     \
    X(cboanaoutstype)                     \
    X(lblanaoutserrmode)                  \
    X(cboanaoutserrmode)                  \
    X(TDBNumanaoutlow)                    \
    X(TDBNumanaouthigh)                   \
    X(lblanaoutsparam)                    \
    X(trvanaoutsparam)

// Timers.
#define KILNWARD_TIMERS_FIELDS(X) \
    X(TDBNumtimers)               \
    X(lblsec)

// Fuels.
#define KILNWARD_FUELS_FIELDS(X) \
    X(TDBNummaxfuels)            \
    X(SSTabfuels)                \
    X(frafuels)                  \
    X(lblfuelname)               \
    X(txtfuelname)               \
    X(lblformulatype)            \
    X(cbofuelformulatype)        \
    X(TDBNumpark1)               \
    X(TDBNumpark2)               \
    X(TDBNumparkl)               \
    X(TDBNumparco2max)           \
    X(TDBNumparfgj)              \
    X(TDBNumparkgross)           \
    X(TDBNumparknet)             \
    X(TDBNumparh)                \
    X(TDBNumparmh2o)             \
    X(TDBNumparQgross)           \
    X(TDBNumparQnet)             \
    X(TDBNumparTuboRisc)

// General.
#define KILNWARD_GENERAL_FIELDS(X) \
    X(Label1)                      \
    X(cboNations)                  \
    X(lblTrhAux)                   \
    X(cboTrhAux)                   \
    X(lbltctype)                   \
    X(cbotctype)                   \
    X(lbldateformat)               \
    X(cbodateformat)               \
    X(lblptprobe)                  \
    X(cboptprobe)                  \
    X(lblcoexclusion)              \
    X(cbocoexcl)                   \
    X(TDBNumpercno2_nox)           \
    X(TDBNumrefo2forco)            \
    X(TDBNumrefo2foroth)           \
    X(TDBNumCOthrs)                \
    X(Frameasunits)                \
    X(lblmeasunitco)               \
    X(cbomeasunitco)               \
    X(lblmeasunitoth)              \
    X(cbomeasunitoth)              \
    X(lblmeasunittemp)             \
    X(cbomeasunittemp)             \
    X(lblmeasunitpress)            \
    X(cbomeasunitpress)

// Bar graphs.
#define KILNWARD_BAR_GRAPHS_FIELDS(X) \
    X(SSTabbargraphs)                 \
    X(frabargraphs)                   \
    X(lblbargraphdirection)           \
    X(Optbargraphl2r)                 \
    X(Optbargraphr2l)                 \
    X(TDBNumbargraphlow)              \
    X(TDBNumbargraphhigh)             \
    X(lblbargraphparam)               \
    X(trvbargraphparam)

// Service.
#define KILNWARD_SERVICE_FIELDS(X) \
    X(lblserviceline)              \
    X(txtserviceline)

#define KILNWARD_FORM_FIELDS(X)       \
    KILNWARD_MENU_FIELDS(X)           \
    KILNWARD_OUTER_PAGES_FIELDS(X)    \
    KILNWARD_PAGES_FIELDS(X)          \
    KILNWARD_PRINTER_FIELDS(X)        \
    KILNWARD_ALARMS_FIELDS(X)         \
    KILNWARD_AUX_INPUTS_FIELDS(X)     \
    KILNWARD_ANALOG_OUTPUTS_FIELDS(X) \
    KILNWARD_TIMERS_FIELDS(X)         \
    KILNWARD_FUELS_FIELDS(X)          \
    KILNWARD_GENERAL_FIELDS(X)        \
    KILNWARD_BAR_GRAPHS_FIELDS(X)     \
    KILNWARD_SERVICE_FIELDS(X)

namespace kilnward::form::field {

#define KILNWARD_DECLARE_FIELD(name) inline constexpr char name[] = #name;
KILNWARD_FORM_FIELDS(KILNWARD_DECLARE_FIELD)
#undef KILNWARD_DECLARE_FIELD

// Every name above, for the test that each names an item of the form.
#define KILNWARD_LIST_FIELD(name) name,
inline constexpr const char* kAll[] = {KILNWARD_FORM_FIELDS(KILNWARD_LIST_FIELD)};
#undef KILNWARD_LIST_FIELD

}  // namespace kilnward::form::field
