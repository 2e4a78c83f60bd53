#pragma once

namespace kilnward::form {

class MainForm;
class TabStripItem;

// The tab-change rules of the main window: pages a model does not have are refused with
// "Item not available", the parameter toolbar shows with the pages that take parameters,
// and each strip shows the frame of its selected tab only.
class TabRules {
  public:
    explicit TabRules(MainForm& window);

    void tabChanged(TabStripItem& strip, int previousTab);
    // A refused tab was clicked: the message over the page showing, then the first tab.
    void clickRefused(TabStripItem& strip);
    // Whether the model refuses tab `tab` of `strip` with "Item not available".
    bool refuses(const TabStripItem& strip, int tab) const;

  private:
    void outerTabChanged(TabStripItem& strip, int previousTab);
    void innerTabChanged(TabStripItem& strip, int previousTab);
    void refuse(TabStripItem& strip, const char* frameName, int previousTab);
    void showFrame(const char* frameName, int previousTab, int tab);

    MainForm& window_;
};

}  // namespace kilnward::form
