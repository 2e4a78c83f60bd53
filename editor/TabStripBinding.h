#pragma once

#include "editor/Binding.h"

class QTabWidget;

namespace kilnward::form {
class TabStripItem;
}

namespace kilnward::editor {

// A tab strip: one page per tab, the tabs' captions and availability, the tab showing.
// The user's choice of a tab goes to the strip, whose rules may refuse it.
class TabStripBinding : public Binding {
  public:
    TabStripBinding(form::TabStripItem& item, QWidget* parent);
    QWidget* widget() const override;
    QTabWidget& tabs() const { return *tabs_; }
    // Adds the page of the next tab.
    void addPage(QWidget* page);

  protected:
    void show(form::ItemChange change) override;

  private:
    form::TabStripItem& strip_;
    QTabWidget* tabs_;
};

}  // namespace kilnward::editor
