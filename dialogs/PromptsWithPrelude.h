#pragma once

#include <functional>

#include "app/UserPrompts.h"

namespace kilnward::dialogs {

// Passes every question and message on to other prompts, running `prelude` first: the
// transfer dialog puts the pointer and its button back to normal before a message box.
class PromptsWithPrelude : public app::UserPrompts {
  public:
    PromptsWithPrelude(app::UserPrompts& inner, std::function<void()> prelude)
        : inner_(inner), prelude_(std::move(prelude)) {}

    app::PromptAnswer ask(const QString& text, const QString& title, app::PromptButtons buttons,
                          app::PromptIcon icon,
                          app::PromptAnswer defaultButton = app::PromptAnswer::Yes) override {
        prelude_();
        return inner_.ask(text, title, buttons, icon, defaultButton);
    }
    void showMessage(const QString& text, const QString& title, app::PromptIcon icon) override {
        prelude_();
        inner_.showMessage(text, title, icon);
    }
    std::optional<QString> chooseFile(app::FileChooserMode mode, const QString& fileName,
                                      const QString& filter, const QString& defaultExtension,
                                      const QString& title) override {
        prelude_();
        return inner_.chooseFile(mode, fileName, filter, defaultExtension, title);
    }
    QStringList chooseFiles(const QString& filter, const QString& title) override {
        prelude_();
        return inner_.chooseFiles(filter, title);
    }

  private:
    app::UserPrompts& inner_;
    std::function<void()> prelude_;
};

}  // namespace kilnward::dialogs
