#pragma once

#include <QString>

#include <functional>

class QFormLayout;
class QLayout;
class QGridLayout;
class QTabWidget;
class QWidget;

namespace kilnward::editor {

class Binder;
class TabStripBinding;

// Lays out the ten pages of the main window for a person to read: label and field pairs
// in form layouts, related groups side by side, numeric fields at their natural width,
// every widget made through the binder in reading order, so the tab order follows it.
class PageBuilder {
  public:
    explicit PageBuilder(Binder& binder);

    // The outer tab strip with all pages, in `parent`.
    QTabWidget* build(QWidget* parent);

  private:
    using FormFill = std::function<void(QFormLayout* form, QWidget* frame, int tab)>;

    QWidget* field(const char* name, int index, QWidget* parent);
    TabStripBinding& strip(const char* name, QWidget* parent);
    // The frame of tab `tab` of `strip`, added to it as its page.
    QWidget* page(TabStripBinding& strip, const char* frames, int tab);
    static QFormLayout* newForm();
    // A tab strip whose first `count` tabs each hold one form filled by `fill`.
    TabStripBinding& tabbedForms(QWidget* frame, const char* stripName, const char* frames,
                                 int count, const FormFill& fill);
    // A layout that keeps `content` at the top left of `page`.
    static void placeTopLeft(QWidget* page, QLayout* content);

    void numericRow(QFormLayout* form, const char* name, int index, QWidget* parent);
    void labelledRow(QFormLayout* form, const char* label, int labelIndex, const char* name,
                     int index, QWidget* parent);
    void lineRows(QGridLayout* grid, const char* labels, const char* lines, int first, int last,
                  QWidget* parent);

    void pagesPage(QWidget* frame);
    void printerPage(QWidget* frame);
    void printerSettings(QWidget* frame);
    void alarmsPage(QWidget* frame);
    void auxInputsPage(QWidget* frame);
    void analogOutputsPage(QWidget* frame);
    void timersPage(QWidget* frame);
    void fuelsPage(QWidget* frame);
    void fuelFrame(QWidget* frame, int fuel);
    void generalPage(QWidget* frame);
    void barGraphsPage(QWidget* frame);
    void servicePage(QWidget* frame);
    void singleTreePage(QWidget* frame, const char* tree, int index);

    Binder& binder_;
};

}  // namespace kilnward::editor
