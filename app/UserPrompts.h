#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kilnward::app {

enum class PromptIcon { None, Exclamation, Question, Information, Critical };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };
enum class FileChooserMode { Open, Save };

// Everything the program asks or tells the user. The GUI answers with message boxes and
// file dialogs; the CLI and the tests with scripted answers.
class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // `defaultButton` is the answer that Enter gives (the focused button).
    virtual PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons,
                             PromptIcon icon, PromptAnswer defaultButton = PromptAnswer::Yes) = 0;
    virtual void showMessage(const QString& text, const QString& title, PromptIcon icon) = 0;
    // The chosen path, or nullopt when the user cancels. `filter` is "Caption (*.ext)|*.ext".
    // Open mode wants an existing file; save mode asks before overwriting one.
    virtual std::optional<QString> chooseFile(FileChooserMode mode, const QString& fileName,
                                              const QString& filter,
                                              const QString& defaultExtension,
                                              const QString& title) = 0;

    // Several existing files at once; empty when the user cancels. A chooser without a
    // choice of several offers one file through chooseFile.
    virtual QStringList chooseFiles(const QString& filter, const QString& title);

    // Yes/No question with the question icon; true for Yes.
    bool confirm(const QString& text, const QString& title);
    // Exclamation message with the given title.
    void showError(const QString& text, const QString& title);
};

}  // namespace kilnward::app
