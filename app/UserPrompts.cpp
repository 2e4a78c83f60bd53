#include "app/UserPrompts.h"

namespace kilnward::app {

bool UserPrompts::confirm(const QString& text, const QString& title) {
    return ask(text, title, PromptButtons::YesNo, PromptIcon::Question) == PromptAnswer::Yes;
}

QStringList UserPrompts::chooseFiles(const QString& filter, const QString& title) {
    const std::optional<QString> chosen =
        chooseFile(FileChooserMode::Open, QString(), filter, QString(), title);
    return chosen ? QStringList{*chosen} : QStringList();
}

void UserPrompts::showError(const QString& text, const QString& title) {
    showMessage(text, title, PromptIcon::Exclamation);
}

}  // namespace kilnward::app
