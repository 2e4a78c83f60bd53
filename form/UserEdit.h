#pragma once

namespace kilnward::form {

class Form;
class FormItem;

// Marks the changes of one item as the user's own for as long as it lives: the GUI wraps
// each edit it hands to a setter in one, so the widget being typed into is not rewritten.
// Changes of every other item (the rules that follow the edit) stay of origin Program.
// The form's listeners are told when the outermost one starts and ends.
class UserEdit {
  public:
    explicit UserEdit(FormItem& item);
    ~UserEdit();
    UserEdit(const UserEdit&) = delete;
    UserEdit& operator=(const UserEdit&) = delete;

  private:
    Form* form_;
    FormItem& item_;
    const FormItem* previous_ = nullptr;
    bool outermost_ = false;
};

}  // namespace kilnward::form
