#include "form/UserEdit.h"

#include "form/Form.h"

namespace kilnward::form {

UserEdit::UserEdit(FormItem& item) : form_(item.form()) {
    if (form_) {
        previous_ = form_->userEditItem_;
        form_->userEditItem_ = &item;
    }
}

UserEdit::~UserEdit() {
    if (form_) {
        form_->userEditItem_ = previous_;
    }
}

}  // namespace kilnward::form
