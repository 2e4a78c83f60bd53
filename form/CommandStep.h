#pragma once

namespace kilnward::form {

class Form;

// Marks a command that replaces values of the form as a whole (New, a load, a receive, a
// change of model) for as long as it lives: the form's listeners are told when it starts
// and ends, so an undo history can keep everything it changed as one step. `key` and
// `english` name the command for the user (translation key and English text); they must
// outlive the step (string literals). Steps inside another are told too: a listener that
// keeps one step per command counts them.
class CommandStep {
  public:
    CommandStep(Form& form, const char* key, const char* english);
    ~CommandStep();
    CommandStep(const CommandStep&) = delete;
    CommandStep& operator=(const CommandStep&) = delete;

  private:
    Form& form_;
};

}  // namespace kilnward::form
