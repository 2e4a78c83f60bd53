#pragma once

#include <QString>

#include <optional>

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app

namespace kilnward::documents {

// Answers of the save question.
enum class SaveAnswer { Yes = 0, No = 1, Cancel = 2 };

// The program's three standard message boxes, with their texts translated.
class MessageBoxes {
  public:
    MessageBoxes(app::UserPrompts& prompts, app::Translator& translator);

    // "<message>.", a blank line, "Are you sure ?" with Yes and No; true for Yes. Yes is the
    // default button when `defaultAnswer` reads YES in any letter case.
    bool ConfirmAction(const QString& message, const QString& defaultAnswer);
    // "<message>.", a blank line, "Do you want to save them ?" with Yes, No and Cancel.
    // With "AskForSave" = "NO" in Config.ini the answer is No without asking.
    SaveAnswer AskSaveChanges(const QString& message);
    // "<message>." with an exclamation icon under `title` (default: "Error message").
    void ShowErrorMessage(const QString& message, const std::optional<QString>& title = {});

    app::UserPrompts& prompts() { return prompts_; }
    app::Translator& translator() { return translator_; }

  private:
    app::UserPrompts& prompts_;
    app::Translator& translator_;
};

}  // namespace kilnward::documents
