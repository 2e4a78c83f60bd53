#include "app/UserPrompts.h"

namespace kilnward::app {

bool UserPrompts::confirm(const QString& text, const QString& title) {
    return ask(text, title, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes;
}

void UserPrompts::showError(const QString& text, const QString& title) {
    showMessage(text, title, PromptIcon::Exclamation);
}

}  // namespace kilnward::app
