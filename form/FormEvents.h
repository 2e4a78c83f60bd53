#pragma once

#include <cstdint>

namespace kilnward::form {

class FormItem;
class NumericItem;
class TabStripItem;
class TreeItem;

// The window's event handlers: what runs when a value is edited (click, change), a numeric
// field is left, a tab is selected, or a tree slot is assigned.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    virtual void edited(FormItem& item) = 0;
    virtual void completed(NumericItem& item) = 0;
    virtual void tabChanged(TabStripItem& strip, int previousTab) = 0;
    virtual void paramNodeAssigned(TreeItem& tree, int node, std::uint8_t parameterId) = 0;
    // Whether selecting tab `tab` of `strip` would be refused ("Item not available").
    virtual bool tabRefused(const TabStripItem& /*strip*/, int /*tab*/) const { return false; }
    // The user clicked a refused tab of `strip`; it was not selected.
    virtual void tabClickRefused(TabStripItem& /*strip*/) {}
};

}  // namespace kilnward::form
