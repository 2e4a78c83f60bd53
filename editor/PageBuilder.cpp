#include "editor/PageBuilder.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

#include "editor/Binder.h"
#include "editor/Binding.h"
#include "editor/TabStripBinding.h"
#include "form/FormItem.h"

namespace kilnward::editor {

namespace {

constexpr int kOne = form::kNoIndex;

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

PageBuilder::PageBuilder(Binder& binder) : binder_(binder) {}

QTabWidget* PageBuilder::build(QWidget* parent) {
    TabStripBinding& outer = strip("SSTabconf", parent);
    using Fill = void (PageBuilder::*)(QWidget*);
    const Fill fills[] = {&PageBuilder::pagesPage,         &PageBuilder::printerPage,
                          &PageBuilder::alarmsPage,        &PageBuilder::auxInputsPage,
                          &PageBuilder::analogOutputsPage, &PageBuilder::timersPage,
                          &PageBuilder::fuelsPage,         &PageBuilder::generalPage,
                          &PageBuilder::barGraphsPage,     &PageBuilder::servicePage};
    int tab = 0;
    for (Fill fill : fills) {
        (this->*fill)(page(outer, "fraconf", tab++));
    }
    return &outer.tabs();
}

QWidget* PageBuilder::field(const char* name, int index, QWidget* parent) {
    return binder_.bind(Name(name), index, parent).widget();
}

TabStripBinding& PageBuilder::strip(const char* name, QWidget* parent) {
    return static_cast<TabStripBinding&>(binder_.bind(Name(name), kOne, parent));
}

QWidget* PageBuilder::page(TabStripBinding& strip, const char* frames, int tab) {
    QWidget* frame = field(frames, tab, &strip.tabs());
    strip.addPage(frame);
    return frame;
}

QFormLayout* PageBuilder::newForm() {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

void PageBuilder::placeTopLeft(QWidget* page, QLayout* content) {
    auto* row = new QHBoxLayout;
    row->addLayout(content);
    row->addStretch(1);
    auto* column = new QVBoxLayout(page);
    column->addLayout(row);
    column->addStretch(1);
}

void PageBuilder::numericRow(QFormLayout* form, const char* name, int index, QWidget* parent) {
    Binding& binding = binder_.bind(Name(name), index, parent);
    form->addRow(binding.captionWidget(), binding.widget());
}

void PageBuilder::labelledRow(QFormLayout* form, const char* label, int labelIndex,
                              const char* name, int index, QWidget* parent) {
    QWidget* caption = field(label, labelIndex, parent);
    form->addRow(caption, field(name, index, parent));
}

// Label, text line and its "Enabled" box on one row each (header, law lines).
void PageBuilder::lineRows(QGridLayout* grid, const char* labels, const char* lines, int first,
                           int last, QWidget* parent) {
    for (int i = first; i <= last; ++i) {
        const int row = i - first;
        grid->addWidget(field(labels, i, parent), row, 0);
        grid->addWidget(field(lines, i, parent), row, 1);
        grid->addWidget(field("chkprtconf", i, parent), row, 2);
    }
}

void PageBuilder::singleTreePage(QWidget* frame, const char* tree, int index) {
    auto* form = newForm();
    form->addRow(field(tree, index, frame));
    placeTopLeft(frame, form);
}

void PageBuilder::pagesPage(QWidget* frame) {
    tabbedForms(frame, "sstabpages", "frapages", 6, [this](QFormLayout* form, QWidget* tab, int i) {
        form->addRow(field("trvpage", i, tab));
    });
}

void PageBuilder::printerPage(QWidget* frame) {
    TabStripBinding& printer = strip("SSTabprinter", frame);
    printerSettings(page(printer, "fraprinter", 0));
    singleTreePage(page(printer, "fraprinter", 1), "trvprtcombparam", 0);
    singleTreePage(page(printer, "fraprinter", 2), "trvprtrefparam", 0);
    QWidget* header = page(printer, "fraprinter", 3);
    auto* headerLines = new QGridLayout;
    lineRows(headerLines, "lblheaderline", "txtheaderline", 1, 4, header);
    placeTopLeft(header, headerLines);
    QWidget* law = page(printer, "fraprinter", 4);
    auto* lawLines = new QGridLayout;
    lineRows(lawLines, "lbllawline", "txtlawline", 6, 8, law);
    placeTopLeft(law, lawLines);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(&printer.tabs());
}

void PageBuilder::printerSettings(QWidget* frame) {
    auto* form = newForm();
    labelledRow(form, "lblprtmodel", kOne, "cboprtmodel", kOne, frame);
    numericRow(form, "TDBNumprtcopies", kOne, frame);
    // The printout's contents in two columns, in the order of the boxes.
    auto* boxes = new QGridLayout;
    const int order[] = {0, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    constexpr int kRows = 9;
    int n = 0;
    for (int box : order) {
        boxes->addWidget(field("chkprtconf", box, frame), n % kRows, n / kRows);
        ++n;
    }
    auto* content = new QVBoxLayout;
    content->addLayout(form);
    content->addLayout(boxes);
    placeTopLeft(frame, content);
}

TabStripBinding& PageBuilder::tabbedForms(QWidget* frame, const char* stripName, const char* frames,
                                          int count, const FormFill& fill) {
    TabStripBinding& tabs = strip(stripName, frame);
    for (int i = 0; i < count; ++i) {
        QWidget* tab = page(tabs, frames, i);
        auto* form = newForm();
        fill(form, tab, i);
        placeTopLeft(tab, form);
    }
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(&tabs.tabs());
    return tabs;
}

void PageBuilder::alarmsPage(QWidget* frame) {
    TabStripBinding& alarms = tabbedForms(
        frame, "sstabalarms", "fraalarms", 6, [this](QFormLayout* form, QWidget* alarm, int i) {
            form->addRow(field("chkalmenabled", i, alarm));
            labelledRow(form, "lblalmtype", i, "cboalmtype", i, alarm);
            numericRow(form, "TDBNumalmval", i, alarm);
            labelledRow(form, "lblalmparam", i, "trvalmparam", i, alarm);
        });
    QWidget* others = page(alarms, "fraalarms", 6);
    auto* form = newForm();
    numericRow(form, "TDBNumalmvaloth", 0, others);
    placeTopLeft(others, form);
}

void PageBuilder::auxInputsPage(QWidget* frame) {
    tabbedForms(frame, "SSTabauxinp", "Fraauxinp", 2,
                [this](QFormLayout* form, QWidget* input, int i) {
                    labelledRow(form, "lblauxinptype", i, "cboauxinptype", i, input);
                    labelledRow(form, "lblauxinpdecnum", i, "cboauxinpdecnum", i, input);
                    numericRow(form, "TDBNumauxinplow", i, input);
                    numericRow(form, "TDBNumauxinphigh", i, input);
                    labelledRow(form, "lblauxinpengunit", i, "txtauxinpengunit", i, input);
                    labelledRow(form, "lblauxinpparamname", i, "txtauxinpparamname", i, input);
                });
}

void PageBuilder::analogOutputsPage(QWidget* frame) {
    tabbedForms(frame, "SSTabanaouts", "Fraanaouts", 4,
                [this](QFormLayout* form, QWidget* output, int i) {
                    labelledRow(form, "lblanaoutstype", i, "cboanaoutstype", i, output);
                    labelledRow(form, "lblanaoutserrmode", i, "cboanaoutserrmode", i, output);
                    numericRow(form, "TDBNumanaoutlow", i, output);
                    numericRow(form, "TDBNumanaouthigh", i, output);
                    labelledRow(form, "lblanaoutsparam", i, "trvanaoutsparam", i, output);
                });
}

void PageBuilder::timersPage(QWidget* frame) {
    // Caption, field and unit in three aligned columns; hidden timers take no room.
    auto* grid = new QGridLayout;
    // Captions aligned as the style aligns those of the form layouts on the other pages.
    const auto labelAlignment =
        static_cast<Qt::Alignment>(frame->style()->styleHint(QStyle::SH_FormLayoutLabelAlignment)) &
        Qt::AlignHorizontal_Mask;
    for (int i = 0; i <= 10; ++i) {
        Binding& timer = binder_.bind(QStringLiteral("TDBNumtimers"), i, frame);
        grid->addWidget(timer.captionWidget(), i, 0, labelAlignment | Qt::AlignVCenter);
        grid->addWidget(timer.widget(), i, 1);
        grid->addWidget(field("lblsec", i, frame), i, 2);
    }
    placeTopLeft(frame, grid);
}

void PageBuilder::fuelsPage(QWidget* frame) {
    auto* count = newForm();
    numericRow(count, "TDBNummaxfuels", kOne, frame);
    TabStripBinding& fuels = strip("SSTabfuels", frame);
    for (int i = 0; i < 10; ++i) {
        fuelFrame(page(fuels, "frafuels", i), i);
    }
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(count);
    layout->addWidget(&fuels.tabs());
}

void PageBuilder::fuelFrame(QWidget* frame, int fuel) {
    auto* left = newForm();
    labelledRow(left, "lblfuelname", fuel, "txtfuelname", fuel, frame);
    labelledRow(left, "lblformulatype", fuel, "cbofuelformulatype", fuel, frame);
    for (const char* name :
         {"TDBNumpark1", "TDBNumpark2", "TDBNumparkl", "TDBNumparco2max", "TDBNumparfgj"}) {
        numericRow(left, name, fuel, frame);
    }
    auto* right = newForm();
    for (const char* name : {"TDBNumparkgross", "TDBNumparknet", "TDBNumparh", "TDBNumparmh2o",
                             "TDBNumparQgross", "TDBNumparQnet", "TDBNumparTuboRisc"}) {
        numericRow(right, name, fuel, frame);
    }
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(frame->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 4);
    columns->addLayout(right);
    columns->setAlignment(left, Qt::AlignTop);
    columns->setAlignment(right, Qt::AlignTop);
    placeTopLeft(frame, columns);
}

void PageBuilder::generalPage(QWidget* frame) {
    auto* left = newForm();
    labelledRow(left, "Label1", kOne, "cboNations", kOne, frame);
    labelledRow(left, "lblTrhAux", kOne, "cboTrhAux", kOne, frame);
    labelledRow(left, "lbltctype", kOne, "cbotctype", kOne, frame);
    labelledRow(left, "lbldateformat", kOne, "cbodateformat", kOne, frame);
    labelledRow(left, "lblptprobe", kOne, "cboptprobe", kOne, frame);
    labelledRow(left, "lblcoexclusion", kOne, "cbocoexcl", kOne, frame);
    for (const char* name :
         {"TDBNumpercno2_nox", "TDBNumrefo2forco", "TDBNumrefo2foroth", "TDBNumCOthrs"}) {
        numericRow(left, name, kOne, frame);
    }
    QWidget* units = field("Frameasunits", kOne, frame);
    auto* unitsForm = newForm();
    labelledRow(unitsForm, "lblmeasunitco", kOne, "cbomeasunitco", kOne, units);
    labelledRow(unitsForm, "lblmeasunitoth", kOne, "cbomeasunitoth", kOne, units);
    labelledRow(unitsForm, "lblmeasunittemp", kOne, "cbomeasunittemp", kOne, units);
    labelledRow(unitsForm, "lblmeasunitpress", kOne, "cbomeasunitpress", kOne, units);
    units->setLayout(unitsForm);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(frame->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 4);
    columns->addWidget(units, 0, Qt::AlignTop);
    columns->setAlignment(left, Qt::AlignTop);
    placeTopLeft(frame, columns);
}

void PageBuilder::barGraphsPage(QWidget* frame) {
    tabbedForms(frame, "SSTabbargraphs", "frabargraphs", 6,
                [this](QFormLayout* form, QWidget* graph, int i) {
                    QWidget* label = field("lblbargraphdirection", i, graph);
                    auto* direction = new QVBoxLayout;
                    direction->addWidget(field("Optbargraphl2r", i, graph));
                    direction->addWidget(field("Optbargraphr2l", i, graph));
                    form->addRow(label, direction);
                    numericRow(form, "TDBNumbargraphlow", i, graph);
                    numericRow(form, "TDBNumbargraphhigh", i, graph);
                    labelledRow(form, "lblbargraphparam", i, "trvbargraphparam", i, graph);
                });
}

void PageBuilder::servicePage(QWidget* frame) {
    auto* form = newForm();
    for (int i = 0; i < 3; ++i) {
        labelledRow(form, "lblserviceline", i, "txtserviceline", i, frame);
    }
    placeTopLeft(frame, form);
}

}  // namespace kilnward::editor
