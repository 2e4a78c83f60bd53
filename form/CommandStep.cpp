#include "form/CommandStep.h"

#include "form/Form.h"
#include "form/FormListener.h"

namespace kilnward::form {

CommandStep::CommandStep(Form& form, const char* key, const char* english) : form_(form) {
    form_.forEachListener([&](FormListener& listener) { listener.commandStarted(key, english); });
}

CommandStep::~CommandStep() {
    form_.forEachListener([](FormListener& listener) { listener.commandFinished(); });
}

}  // namespace kilnward::form
