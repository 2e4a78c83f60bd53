#pragma once

#include "language/ControlKind.h"

#include <QString>

namespace kilnward::language {

// A control as the language manager sees it. The headless form's items and the dialogs'
// widgets implement it.
class TranslatableControl {
  public:
    virtual ~TranslatableControl() = default;

    // ControlKey of the control: window "!" name ["#" index] (app/ControlKey.h builds it).
    virtual QString controlKey() const = 0;
    // A tag beginning with "x" keeps the control untranslated.
    virtual QString tag() const = 0;
    virtual ControlKind kind() const = 0;

    // Caption kind.
    virtual QString caption() const { return {}; }
    virtual void setCaption(const QString& /*caption*/) {}
    // Tabs, List and Toolbar kinds: items by position, counted from 0 (the key number of a
    // toolbar button is its position + 1).
    virtual int itemCount() const { return 0; }
    virtual QString itemText(int /*position*/) const { return {}; }
    virtual void setItemText(int /*position*/, const QString& /*text*/) {}
};

}  // namespace kilnward::language
