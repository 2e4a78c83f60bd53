#pragma once

#include <QStringList>

#include <vector>

#include "form/FormItem.h"

namespace kilnward::form {

// A tab strip (SSTab...): captions, a per-tab available state and the tab showing.
// Selecting a tab runs the strip's tab-change rule with the previous tab.
class TabStripItem : public FormItem {
  public:
    TabStripItem(QString name, int index, QStringList captions);

    int tabCount() const { return static_cast<int>(captions_.size()); }
    const QStringList& tabCaptions() const { return captions_; }
    void setTabCaption(int tab, const QString& caption);
    // An unavailable tab cannot be opened: the GUI shows it disabled.
    bool tabAvailable(int tab) const;
    void setTabAvailable(int tab, bool available);

    int currentTab() const { return currentTab_; }
    // A rule selects a tab (available or not): the tab-change rule runs with the previous tab.
    void selectTab(int tab);
    // The user clicks a tab: an unavailable tab cannot be opened (returns false); a refused
    // one is refused by the window's rules without being selected.
    bool clickTab(int tab);
    // Whether the window's rules refuse tab `tab` when it is selected (it can be clicked, and
    // is then refused with a message).
    bool tabRefused(int tab) const;

  private:
    QStringList captions_;
    std::vector<bool> available_;
    int currentTab_ = 0;
};

}  // namespace kilnward::form
