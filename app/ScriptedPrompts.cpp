#include "app/ScriptedPrompts.h"

namespace kilnward::app {

void ScriptedPrompts::queueAnswer(PromptAnswer answer) {
    answers_.push_back(answer);
}

void ScriptedPrompts::queueFile(std::optional<QString> path) {
    files_.push_back({path.has_value(), path.value_or(QString())});
}

PromptAnswer ScriptedPrompts::ask(const QString& text, const QString& title, PromptButtons buttons,
                                  PromptIcon icon, PromptAnswer defaultButton) {
    records_.push_back(
        {Kind::Question, text, title, buttons, icon, FileChooserMode::Open, {}, defaultButton});
    if (!answers_.empty()) {
        const PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    switch (buttons) {
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::Ok:
            break;
    }
    return PromptAnswer::Ok;
}

void ScriptedPrompts::showMessage(const QString& text, const QString& title, PromptIcon icon) {
    records_.push_back({Kind::Message,
                        text,
                        title,
                        PromptButtons::Ok,
                        icon,
                        FileChooserMode::Open,
                        {},
                        PromptAnswer::Ok});
}

std::optional<QString> ScriptedPrompts::chooseFile(FileChooserMode mode, const QString& fileName,
                                                   const QString& filter,
                                                   const QString& /*defaultExtension*/,
                                                   const QString& title) {
    records_.push_back({Kind::FileChooser, filter, title, PromptButtons::Ok, PromptIcon::None, mode,
                        fileName, PromptAnswer::Ok});
    if (files_.empty()) {
        return std::nullopt;
    }
    const FileAnswer answer = files_.front();
    files_.pop_front();
    if (!answer.chosen) {
        return std::nullopt;
    }
    return answer.path;
}

std::vector<QString> ScriptedPrompts::messages() const {
    std::vector<QString> texts;
    for (const Record& record : records_) {
        if (record.kind == Kind::Message) {
            texts.push_back(record.text);
        }
    }
    return texts;
}

void ScriptedPrompts::clear() {
    answers_.clear();
    files_.clear();
    records_.clear();
}

}  // namespace kilnward::app
