#pragma once

#include <QPointer>
#include <QWidget>

#include "app/UserPrompts.h"

namespace kilnward::dialogs {

// The program's questions and messages as message boxes and file dialogs, over the window
// that is active when they are asked (or `fallbackParent`).
class MessageBoxPrompts : public app::UserPrompts {
  public:
    explicit MessageBoxPrompts(QWidget* fallbackParent = nullptr);

    void setFallbackParent(QWidget* parent) { fallbackParent_ = parent; }

    app::PromptAnswer ask(const QString& text, const QString& title, app::PromptButtons buttons,
                          app::PromptIcon icon,
                          app::PromptAnswer defaultButton = app::PromptAnswer::Yes) override;
    void showMessage(const QString& text, const QString& title, app::PromptIcon icon) override;
    std::optional<QString> chooseFile(app::FileChooserMode mode, const QString& fileName,
                                      const QString& filter, const QString& defaultExtension,
                                      const QString& title) override;
    QStringList chooseFiles(const QString& filter, const QString& title) override;

  private:
    QWidget* parent() const;

    QPointer<QWidget> fallbackParent_;
};

}  // namespace kilnward::dialogs
