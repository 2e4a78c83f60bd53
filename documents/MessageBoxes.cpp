#include "documents/MessageBoxes.h"

#include "app/ConfigSettings.h"
#include "app/Translator.h"
#include "app/UserPrompts.h"

namespace kilnward::documents {

namespace {

QString Question(const QString& message, const QString& question) {
    return message + QStringLiteral(".\n\n") + question;
}

}  // namespace

MessageBoxes::MessageBoxes(app::UserPrompts& prompts, app::Translator& translator)
    : prompts_(prompts), translator_(translator) {}

bool MessageBoxes::ConfirmAction(const QString& message, const QString& defaultAnswer) {
    const app::PromptAnswer defaultButton = defaultAnswer.toUpper() == QLatin1String("YES")
                                                ? app::PromptAnswer::Yes
                                                : app::PromptAnswer::No;
    const QString text =
        Question(message, translator_.TranslateString("Areyousure", "Are you sure ?"));
    return prompts_.ask(text, translator_.TranslateString("request", "Request"),
                        app::PromptButtons::YesNo, app::PromptIcon::Question,
                        defaultButton) == app::PromptAnswer::Yes;
}

SaveAnswer MessageBoxes::AskSaveChanges(const QString& message) {
    if (!app::AskForSaveEnabled()) {
        return SaveAnswer::No;
    }
    const QString text =
        Question(message, translator_.TranslateString("savethem", "Do you want to save them ?"));
    switch (prompts_.ask(text, translator_.TranslateString("request", "Request"),
                         app::PromptButtons::YesNoCancel, app::PromptIcon::Question)) {
        case app::PromptAnswer::Yes:
            return SaveAnswer::Yes;
        case app::PromptAnswer::No:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
    }
}

void MessageBoxes::ShowErrorMessage(const QString& message, const std::optional<QString>& title) {
    prompts_.showError(
        message + u'.',
        title ? *title : translator_.TranslateString("Error message", "Error message"));
}

}  // namespace kilnward::documents
