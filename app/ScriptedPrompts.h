#pragma once

#include "app/UserPrompts.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace kilnward::app {

// Answers from a queue and records everything asked or shown: used by the tests and the
// command-line tool. When a queue runs dry, the fallback answer is given (Cancel for
// three-button questions, No for two-button ones, Ok for messages; no file).
class ScriptedPrompts : public UserPrompts {
  public:
    enum class Kind { Question, Message, FileChooser };
    struct Record {
        Kind kind;
        QString text;  // question or message text; the filter for file choosers
        QString title;
        PromptButtons buttons = PromptButtons::Ok;
        PromptIcon icon = PromptIcon::None;
        FileChooserMode mode = FileChooserMode::Open;
        QString fileName;                                // file choosers: the name offered
        PromptAnswer defaultButton = PromptAnswer::Yes;  // questions
    };

    void queueAnswer(PromptAnswer answer);
    void queueFile(std::optional<QString> path);  // nullopt = the user cancels

    PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons,
                     PromptIcon icon, PromptAnswer defaultButton = PromptAnswer::Yes) override;
    void showMessage(const QString& text, const QString& title, PromptIcon icon) override;
    std::optional<QString> chooseFile(FileChooserMode mode, const QString& fileName,
                                      const QString& filter, const QString& defaultExtension,
                                      const QString& title) override;

    const std::vector<Record>& records() const { return records_; }
    // Texts of messages shown (not questions), in order.
    std::vector<QString> messages() const;
    void clear();
    std::size_t pendingAnswers() const { return answers_.size(); }

  private:
    std::deque<PromptAnswer> answers_;
    struct FileAnswer {
        bool chosen;
        QString path;
    };
    std::deque<FileAnswer> files_;
    std::vector<Record> records_;
};

}  // namespace kilnward::app
