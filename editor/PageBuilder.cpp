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
#include "form/FieldNames.h"
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
    TabStripBinding& outer = strip(form::field::SSTabconf, parent);
    using Fill = void (PageBuilder::*)(QWidget*);
    const Fill fills[] = {&PageBuilder::pagesPage,         &PageBuilder::printerPage,
                          &PageBuilder::alarmsPage,        &PageBuilder::auxInputsPage,
                          &PageBuilder::analogOutputsPage, &PageBuilder::timersPage,
                          &PageBuilder::fuelsPage,         &PageBuilder::generalPage,
                          &PageBuilder::barGraphsPage,     &PageBuilder::servicePage};
    int tab = 0;
    for (Fill fill : fills) {
        (this->*fill)(page(outer, form::field::fraconf, tab++));
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
        grid->addWidget(field(form::field::chkprtconf, i, parent), row, 2);
    }
}

void PageBuilder::singleTreePage(QWidget* frame, const char* tree, int index) {
    auto* form = newForm();
    form->addRow(field(tree, index, frame));
    placeTopLeft(frame, form);
}

void PageBuilder::pagesPage(QWidget* frame) {
    tabbedForms(frame, form::field::sstabpages, form::field::frapages, 6,
                [this](QFormLayout* form, QWidget* tab, int i) {
                    form->addRow(field(form::field::trvpage, i, tab));
                });
}

void PageBuilder::printerPage(QWidget* frame) {
    TabStripBinding& printer = strip(form::field::SSTabprinter, frame);
    printerSettings(page(printer, form::field::fraprinter, 0));
    singleTreePage(page(printer, form::field::fraprinter, 1), form::field::trvprtcombparam, 0);
    singleTreePage(page(printer, form::field::fraprinter, 2), form::field::trvprtrefparam, 0);
    QWidget* header = page(printer, form::field::fraprinter, 3);
    auto* headerLines = new QGridLayout;
    lineRows(headerLines, form::field::lblheaderline, form::field::txtheaderline, 1, 4, header);
    placeTopLeft(header, headerLines);
    QWidget* law = page(printer, form::field::fraprinter, 4);
    auto* lawLines = new QGridLayout;
    lineRows(lawLines, form::field::lbllawline, form::field::txtlawline, 6, 8, law);
    placeTopLeft(law, lawLines);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(&printer.tabs());
}

void PageBuilder::printerSettings(QWidget* frame) {
    auto* form = newForm();
    labelledRow(form, form::field::lblprtmodel, kOne, form::field::cboprtmodel, kOne, frame);
    numericRow(form, form::field::TDBNumprtcopies, kOne, frame);
    // The printout's contents in two columns, in the order of the boxes.
    auto* boxes = new QGridLayout;
    const int order[] = {0, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};
    constexpr int kRows = 9;
    int n = 0;
    for (int box : order) {
        boxes->addWidget(field(form::field::chkprtconf, box, frame), n % kRows, n / kRows);
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
        frame, form::field::sstabalarms, form::field::fraalarms, 6,
        [this](QFormLayout* form, QWidget* alarm, int i) {
            form->addRow(field(form::field::chkalmenabled, i, alarm));
            labelledRow(form, form::field::lblalmtype, i, form::field::cboalmtype, i, alarm);
            numericRow(form, form::field::TDBNumalmval, i, alarm);
            labelledRow(form, form::field::lblalmparam, i, form::field::trvalmparam, i, alarm);
        });
    QWidget* others = page(alarms, form::field::fraalarms, 6);
    auto* form = newForm();
    numericRow(form, form::field::TDBNumalmvaloth, 0, others);
    placeTopLeft(others, form);
}

void PageBuilder::auxInputsPage(QWidget* frame) {
    tabbedForms(frame, form::field::SSTabauxinp, form::field::Fraauxinp, 2,
                [this](QFormLayout* form, QWidget* input, int i) {
                    labelledRow(form, form::field::lblauxinptype, i, form::field::cboauxinptype, i,
                                input);
                    labelledRow(form, form::field::lblauxinpdecnum, i, form::field::cboauxinpdecnum,
                                i, input);
                    numericRow(form, form::field::TDBNumauxinplow, i, input);
                    numericRow(form, form::field::TDBNumauxinphigh, i, input);
                    labelledRow(form, form::field::lblauxinpengunit, i,
                                form::field::txtauxinpengunit, i, input);
                    labelledRow(form, form::field::lblauxinpparamname, i,
                                form::field::txtauxinpparamname, i, input);
                });
}

void PageBuilder::analogOutputsPage(QWidget* frame) {
    tabbedForms(frame, form::field::SSTabanaouts, form::field::Fraanaouts, 4,
                [this](QFormLayout* form, QWidget* output, int i) {
                    labelledRow(form, form::field::lblanaoutstype, i, form::field::cboanaoutstype,
                                i, output);
                    labelledRow(form, form::field::lblanaoutserrmode, i,
                                form::field::cboanaoutserrmode, i, output);
                    numericRow(form, form::field::TDBNumanaoutlow, i, output);
                    numericRow(form, form::field::TDBNumanaouthigh, i, output);
                    labelledRow(form, form::field::lblanaoutsparam, i, form::field::trvanaoutsparam,
                                i, output);
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
        Binding& timer = binder_.bind(form::field::TDBNumtimers, i, frame);
        grid->addWidget(timer.captionWidget(), i, 0, labelAlignment | Qt::AlignVCenter);
        grid->addWidget(timer.widget(), i, 1);
        grid->addWidget(field(form::field::lblsec, i, frame), i, 2);
    }
    placeTopLeft(frame, grid);
}

void PageBuilder::fuelsPage(QWidget* frame) {
    auto* count = newForm();
    numericRow(count, form::field::TDBNummaxfuels, kOne, frame);
    TabStripBinding& fuels = strip(form::field::SSTabfuels, frame);
    for (int i = 0; i < 10; ++i) {
        fuelFrame(page(fuels, form::field::frafuels, i), i);
    }
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(count);
    layout->addWidget(&fuels.tabs());
}

void PageBuilder::fuelFrame(QWidget* frame, int fuel) {
    auto* left = newForm();
    labelledRow(left, form::field::lblfuelname, fuel, form::field::txtfuelname, fuel, frame);
    labelledRow(left, form::field::lblformulatype, fuel, form::field::cbofuelformulatype, fuel,
                frame);
    for (const char* name :
         {form::field::TDBNumpark1, form::field::TDBNumpark2, form::field::TDBNumparkl,
          form::field::TDBNumparco2max, form::field::TDBNumparfgj}) {
        numericRow(left, name, fuel, frame);
    }
    auto* right = newForm();
    for (const char* name :
         {form::field::TDBNumparkgross, form::field::TDBNumparknet, form::field::TDBNumparh,
          form::field::TDBNumparmh2o, form::field::TDBNumparQgross, form::field::TDBNumparQnet,
          form::field::TDBNumparTuboRisc}) {
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
    labelledRow(left, form::field::Label1, kOne, form::field::cboNations, kOne, frame);
    labelledRow(left, form::field::lblTrhAux, kOne, form::field::cboTrhAux, kOne, frame);
    labelledRow(left, form::field::lbltctype, kOne, form::field::cbotctype, kOne, frame);
    labelledRow(left, form::field::lbldateformat, kOne, form::field::cbodateformat, kOne, frame);
    labelledRow(left, form::field::lblptprobe, kOne, form::field::cboptprobe, kOne, frame);
    labelledRow(left, form::field::lblcoexclusion, kOne, form::field::cbocoexcl, kOne, frame);
    for (const char* name : {form::field::TDBNumpercno2_nox, form::field::TDBNumrefo2forco,
                             form::field::TDBNumrefo2foroth, form::field::TDBNumCOthrs}) {
        numericRow(left, name, kOne, frame);
    }
    QWidget* units = field(form::field::Frameasunits, kOne, frame);
    auto* unitsForm = newForm();
    labelledRow(unitsForm, form::field::lblmeasunitco, kOne, form::field::cbomeasunitco, kOne,
                units);
    labelledRow(unitsForm, form::field::lblmeasunitoth, kOne, form::field::cbomeasunitoth, kOne,
                units);
    labelledRow(unitsForm, form::field::lblmeasunittemp, kOne, form::field::cbomeasunittemp, kOne,
                units);
    labelledRow(unitsForm, form::field::lblmeasunitpress, kOne, form::field::cbomeasunitpress, kOne,
                units);
    units->setLayout(unitsForm);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(frame->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 4);
    columns->addWidget(units, 0, Qt::AlignTop);
    columns->setAlignment(left, Qt::AlignTop);
    placeTopLeft(frame, columns);
}

void PageBuilder::barGraphsPage(QWidget* frame) {
    tabbedForms(frame, form::field::SSTabbargraphs, form::field::frabargraphs, 6,
                [this](QFormLayout* form, QWidget* graph, int i) {
                    QWidget* label = field(form::field::lblbargraphdirection, i, graph);
                    auto* direction = new QVBoxLayout;
                    direction->addWidget(field(form::field::Optbargraphl2r, i, graph));
                    direction->addWidget(field(form::field::Optbargraphr2l, i, graph));
                    form->addRow(label, direction);
                    numericRow(form, form::field::TDBNumbargraphlow, i, graph);
                    numericRow(form, form::field::TDBNumbargraphhigh, i, graph);
                    labelledRow(form, form::field::lblbargraphparam, i,
                                form::field::trvbargraphparam, i, graph);
                });
}

void PageBuilder::servicePage(QWidget* frame) {
    auto* form = newForm();
    for (int i = 0; i < 3; ++i) {
        labelledRow(form, form::field::lblserviceline, i, form::field::txtserviceline, i, frame);
    }
    placeTopLeft(frame, form);
}

}  // namespace kilnward::editor
