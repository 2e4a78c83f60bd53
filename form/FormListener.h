#pragma once

#include "form/ItemKind.h"

namespace kilnward::form {

class FormItem;

// Observes property changes of form items; the GUI binds its widgets through it. Every
// setter that changes something announces exactly one change of each kind it changed, and
// a setter that changes nothing announces none. A widget leaves a change of origin User
// alone: it already shows what the user typed.
class FormListener {
  public:
    virtual ~FormListener() = default;
    virtual void itemChanged(FormItem& item, ItemChange change, ChangeOrigin origin) = 0;
    // The user starts or ends an edit of `item` (see UserEdit); every change in between,
    // of that item and of those its rules change, belongs to that one edit. Not told for
    // an edit inside another.
    virtual void userEditStarted(FormItem& /*item*/) {}
    virtual void userEditFinished(FormItem& /*item*/) {}
    // A command that replaces values as a whole starts or ends (see CommandStep); told for
    // a command inside another as well.
    virtual void commandStarted(const char* /*key*/, const char* /*english*/) {}
    virtual void commandFinished() {}
    // The window's own caption changed.
    virtual void windowCaptionChanged() {}
    // A field being edited is to hand its value over now (a document is about to be saved).
    virtual void commitPendingEdits() {}
    // The floating parameter toolbar window is to be shown or hidden.
    virtual void parameterToolbarVisibilityChanged(bool /*visible*/) {}
};

}  // namespace kilnward::form
