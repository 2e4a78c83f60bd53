#include "form/UserEdit.h"

#include "form/Form.h"
#include "form/FormListener.h"

namespace kilnward::form {

UserEdit::UserEdit(FormItem& item) : form_(item.form()), item_(item) {
    if (!form_) {
        return;
    }
    previous_ = form_->userEditItem_;
    form_->userEditItem_ = &item;
    outermost_ = form_->userEditDepth_++ == 0;
    if (outermost_) {
        form_->forEachListener([&](FormListener& listener) { listener.userEditStarted(item); });
    }
}

UserEdit::~UserEdit() {
    if (!form_) {
        return;
    }
    form_->userEditItem_ = previous_;
    --form_->userEditDepth_;
    if (outermost_) {
        form_->forEachListener(
            [this](FormListener& listener) { listener.userEditFinished(item_); });
    }
}

}  // namespace kilnward::form
