#include "textexport/ConfigTextExport.h"

#include <span>
#include <utility>

#include "app/ScriptedPrompts.h"
#include "app/TextFile.h"
#include "form/CheckItem.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"
#include "textexport/PadFixed.h"

namespace kilnward::textexport {

namespace {

const QString kTab = QStringLiteral("\t");
const QString kTab2 = QStringLiteral("\t\t");
const QString kTab3 = QStringLiteral("\t\t\t");
const QString kEquals = QStringLiteral(" = ");
const QString kTightEquals = QStringLiteral("=");
constexpr int kNone = form::kNoIndex;

// The outer tabs that head the sections, in section order.
constexpr std::array<int, kExportSectionCount> kSectionTabs = {7, 8, 9, 0, 1, 2, 3, 4, 5, 6};

// A column of the fuel table: its header, width and field (empty for the fixed columns).
struct FuelColumn {
    const char* header;
    int width;
    const char* field;
};
constexpr int kFuelCount = 10;
const FuelColumn kFuelColumns[] = {
    {"N\u00b0", 4, ""},
    {"[Fuel Name]", 20, form::field::txtfuelname},
    {"K1/K/A/C", 8, form::field::TDBNumpark1},
    {"K2/B/D", 8, form::field::TDBNumpark2},
    {"Kl", 8, form::field::TDBNumparkl},
    {"Co2max", 8, form::field::TDBNumparco2max},
    {"FGJ", 8, form::field::TDBNumparfgj},
    {"KGross", 8, form::field::TDBNumparkgross},
    {"TuboRisc", 8, form::field::TDBNumparTuboRisc},
    {"KNet", 8, form::field::TDBNumparknet},
    {"H/K3", 8, form::field::TDBNumparh},
    {"mH2O", 7, form::field::TDBNumparmh2o},
    {"QGross", 7, form::field::TDBNumparQgross},
    {"QNet", 7, form::field::TDBNumparQnet},
    {"Formula type", 20, form::field::cbofuelformulatype},
};

// "|" + each cell cut or filled to its column + "|".
QString FuelRow(const QStringList& cells) {
    QString row = QStringLiteral("|");
    for (int c = 0; c < cells.size(); ++c) {
        row += padfixed(cells.at(c), kFuelColumns[c].width) + u'|';
    }
    return row;
}

}  // namespace

ConfigTextExport::ConfigTextExport(const form::Form& form, QString fuelsDocumentName,
                                   QLocale locale)
    : form_(form), fuelsDocumentName_(std::move(fuelsDocumentName)), locale_(std::move(locale)) {}

QString ConfigTextExport::caption(const QString& name, int index) const {
    return form_.item(name, index).caption();
}

QString ConfigTextExport::tabCaption(const QString& strip, int tab) const {
    return form_.tabStrip(strip).tabCaptions().value(tab);
}

QString ConfigTextExport::numberText(const QString& name, int index) const {
    return form_.numeric(name, index).displayText(locale_);
}

QString ConfigTextExport::listText(const QString& name, int index) const {
    return form_.list(name, index).text();
}

QString ConfigTextExport::checkState(const QString& name, int index) const {
    return QString::number(form_.check(name, index).value());
}

QString ConfigTextExport::heading(int outerTab) const {
    return u'[' + tabCaption(form::field::SSTabconf, outerTab) + u']';
}

QString ConfigTextExport::subHeading(const QString& strip, int tab) const {
    return kTab + u'[' + tabCaption(strip, tab) + u']';
}

void ConfigTextExport::appendSlots(QStringList& lines, const QString& tree, int index,
                                   const QString& indent) const {
    const form::TreeItem& item = form_.tree(tree, index);
    for (int node = 1; node <= item.nodeCount(); ++node) {
        lines << indent + item.node(node).text();
    }
}

QString ConfigTextExport::numberLine(const QString& indent, const QString& name, int index) const {
    return indent + caption(name, index) + kEquals + numberText(name, index);
}

void ConfigTextExport::writeGeneral(QStringList& lines) const {
    lines << heading(kSectionTabs[0]);
    const auto list = [&](const char* label, const char* field) {
        lines << kTab + caption(label, kNone) + kEquals + listText(field, kNone);
    };
    list(form::field::lblcoexclusion, form::field::cbocoexcl);
    lines << numberLine(kTab, form::field::TDBNumCOthrs, kNone);
    list(form::field::lbltctype, form::field::cbotctype);
    list(form::field::lbldateformat, form::field::cbodateformat);
    list(form::field::lblptprobe, form::field::cboptprobe);
    lines << numberLine(kTab, form::field::TDBNumrefo2forco, kNone);
    lines << numberLine(kTab, form::field::TDBNumrefo2foroth, kNone);
    lines << numberLine(kTab, form::field::TDBNumpercno2_nox, kNone);
    list(form::field::lblmeasunitco, form::field::cbomeasunitco);
    list(form::field::lblmeasunitoth, form::field::cbomeasunitoth);
    list(form::field::lblmeasunittemp, form::field::cbomeasunittemp);
    list(form::field::lblmeasunitpress, form::field::cbomeasunitpress);
    list(form::field::lblTrhAux, form::field::cboTrhAux);
}

void ConfigTextExport::writeBarGraphs(QStringList& lines) const {
    lines << heading(kSectionTabs[1]);
    for (int i = 0; i < 6; ++i) {
        lines << subHeading(form::field::SSTabbargraphs, i);
        lines << numberLine(kTab2, form::field::TDBNumbargraphlow, i);
        lines << numberLine(kTab2, form::field::TDBNumbargraphhigh, i);
        const QString direction = form_.option(form::field::Optbargraphl2r, i).value()
                                      ? caption(form::field::Optbargraphl2r, i)
                                  : form_.option(form::field::Optbargraphr2l, i).value()
                                      ? caption(form::field::Optbargraphr2l, i)
                                      : QString();
        lines << kTab2 + caption(form::field::lblbargraphdirection, i) + kEquals + direction;
        lines << kTab2 + u'-' + caption(form::field::lblbargraphparam, i);
        appendSlots(lines, form::field::trvbargraphparam, i, kTab3);
    }
}

void ConfigTextExport::writeService(QStringList& lines) const {
    lines << heading(kSectionTabs[2]);
    for (int i = 0; i < 3; ++i) {
        lines << kTab + caption(form::field::lblserviceline, i) + kEquals +
                     form_.text(form::field::txtserviceline, i).text();
    }
}

void ConfigTextExport::writePages(QStringList& lines) const {
    lines << heading(kSectionTabs[3]);
    for (int i = 0; i < 6; ++i) {
        lines << subHeading(form::field::sstabpages, i);
        appendSlots(lines, form::field::trvpage, i, kTab2);
    }
}

void ConfigTextExport::writePrinter(QStringList& lines) const {
    lines << heading(kSectionTabs[4]);
    lines << subHeading(form::field::SSTabprinter, 0);
    lines << numberLine(kTab2, form::field::TDBNumprtcopies, kNone);
    lines << kTab2 + caption(form::field::lblprtmodel, kNone) + kTightEquals +
                 listText(form::field::cboprtmodel, kNone);
    for (int i : {0, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}) {
        lines << kTab2 + caption(form::field::chkprtconf, i) + kTightEquals +
                     checkState(form::field::chkprtconf, i);
    }
    lines << subHeading(form::field::SSTabprinter, 1);
    appendSlots(lines, form::field::trvprtcombparam, 0, kTab2);
    lines << subHeading(form::field::SSTabprinter, 2);
    appendSlots(lines, form::field::trvprtrefparam, 0, kTab2);
    const auto printedLines = [&](int tab, const char* label, const char* text, int first,
                                  int last) {
        lines << subHeading(form::field::SSTabprinter, tab);
        for (int i = first; i <= last; ++i) {
            lines << kTab2 + caption(label, i) + u'-' + form_.text(text, i).text() + kTightEquals +
                         checkState(form::field::chkprtconf, i);
        }
    };
    printedLines(3, form::field::lblheaderline, form::field::txtheaderline, 1, 4);
    printedLines(4, form::field::lbllawline, form::field::txtlawline, 6, 8);
}

void ConfigTextExport::writeAlarms(QStringList& lines) const {
    lines << heading(kSectionTabs[5]);
    for (int i = 0; i < 6; ++i) {
        lines << subHeading(form::field::sstabalarms, i);
        lines << kTab2 + caption(form::field::chkalmenabled, i) + kEquals +
                     checkState(form::field::chkalmenabled, i);
        lines << kTab2 + caption(form::field::lblalmtype, i) + kEquals +
                     listText(form::field::cboalmtype, i);
        lines << numberLine(kTab2, form::field::TDBNumalmval, i);
        lines << kTab2 + u'-' + caption(form::field::lblalmparam, i);
        appendSlots(lines, form::field::trvalmparam, i, kTab3);
    }
    lines << subHeading(form::field::sstabalarms, 6);
    lines << numberLine(kTab2, form::field::TDBNumalmvaloth, 0);
}

void ConfigTextExport::writeAuxInputs(QStringList& lines) const {
    lines << heading(kSectionTabs[6]);
    for (int i = 0; i < 2; ++i) {
        lines << subHeading(form::field::SSTabauxinp, i);
        lines << kTab2 + caption(form::field::lblauxinptype, i) + kEquals +
                     listText(form::field::cboauxinptype, i);
        lines << numberLine(kTab2, form::field::TDBNumauxinplow, i);
        lines << numberLine(kTab2, form::field::TDBNumauxinphigh, i);
        lines << kTab2 + caption(form::field::lblauxinpdecnum, i) + kEquals +
                     listText(form::field::cboauxinpdecnum, i);
        lines << kTab2 + caption(form::field::lblauxinpparamname, i) + kEquals +
                     form_.text(form::field::txtauxinpparamname, i).text();
        lines << kTab2 + caption(form::field::lblauxinpengunit, i) + kEquals +
                     form_.text(form::field::txtauxinpengunit, i).text();
    }
}

void ConfigTextExport::writeAnalogOutputs(QStringList& lines) const {
    lines << heading(kSectionTabs[7]);
    for (int i = 0; i < 4; ++i) {
        lines << subHeading(form::field::SSTabanaouts, i);
        lines << kTab2 + caption(form::field::lblanaoutstype, i) + kEquals +
                     listText(form::field::cboanaoutstype, i);
        lines << numberLine(kTab2, form::field::TDBNumanaoutlow, i);
        lines << numberLine(kTab2, form::field::TDBNumanaouthigh, i);
        lines << kTab2 + caption(form::field::lblanaoutserrmode, i) + kEquals +
                     listText(form::field::cboanaoutserrmode, i);
        appendSlots(lines, form::field::trvanaoutsparam, i, kTab3);
    }
}

void ConfigTextExport::writeTimers(QStringList& lines) const {
    lines << heading(kSectionTabs[8]);
    for (int i = 0; i <= 10; ++i) {
        lines << numberLine(kTab2, form::field::TDBNumtimers, i);
    }
}

void ConfigTextExport::writeFuels(QStringList& lines) const {
    lines << heading(kSectionTabs[9]);
    lines << QStringLiteral("Filename : ") + fuelsDocumentName_;
    QStringList headers;
    for (const FuelColumn& column : kFuelColumns) {
        headers << QString::fromUtf8(column.header);
    }
    const QString headerRow = FuelRow(headers);
    lines << headerRow << QString(headerRow.size(), u'-');
    for (int i = 0; i < kFuelCount; ++i) {
        QStringList cells{tabCaption(form::field::SSTabfuels, i)};
        for (const FuelColumn& column : std::span(kFuelColumns).subspan(1)) {
            const QString field = QString::fromLatin1(column.field);
            cells << (field.startsWith(QLatin1String("txt"))   ? form_.text(field, i).text()
                      : field.startsWith(QLatin1String("cbo")) ? listText(field, i)
                                                               : numberText(field, i));
        }
        lines << FuelRow(cells);
    }
}

void ConfigTextExport::writeSection(ExportSection section, QStringList& lines) const {
    using Writer = void (ConfigTextExport::*)(QStringList&) const;
    static constexpr std::array<Writer, kExportSectionCount> kWriters = {
        &ConfigTextExport::writeGeneral,   &ConfigTextExport::writeBarGraphs,
        &ConfigTextExport::writeService,   &ConfigTextExport::writePages,
        &ConfigTextExport::writePrinter,   &ConfigTextExport::writeAlarms,
        &ConfigTextExport::writeAuxInputs, &ConfigTextExport::writeAnalogOutputs,
        &ConfigTextExport::writeTimers,    &ConfigTextExport::writeFuels};
    (this->*kWriters[static_cast<size_t>(section)])(lines);
}

void ConfigTextExport::writeSelected(const ExportSelection& selection, QStringList& lines) const {
    for (int s = 0; s < kExportSectionCount; ++s) {
        if (selection[kExportAll] || selection[static_cast<size_t>(s)]) {
            writeSection(static_cast<ExportSection>(s), lines);
        }
    }
}

bool ConfigTextExport::exportconfigtext(QStringList& lines, const QString& path) const {
    ExportSelection all{};
    all[kExportAll] = true;
    writeSelected(all, lines);
    return WriteListing(path, lines);
}

bool WriteListing(const QString& path, const QStringList& lines) {
    // Overwriting silently never asks, so no one answers these prompts.
    app::ScriptedPrompts unused;
    return app::WriteTextLines(path, lines, true, unused);
}

}  // namespace kilnward::textexport
