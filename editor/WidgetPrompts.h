#pragma once

#include <QPointer>
#include <QWidget>

#include "app/UserPrompts.h"

namespace kilnward::editor {

// The program's questions, messages and file choosers as message boxes and file dialogs,
// owned by the window given (the main window once it exists).
class WidgetPrompts : public app::UserPrompts {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    app::PromptAnswer ask(const QString& text, const QString& title, app::PromptButtons buttons,
                          app::PromptIcon icon,
                          app::PromptAnswer defaultButton = app::PromptAnswer::Yes) override;
    void showMessage(const QString& text, const QString& title, app::PromptIcon icon) override;
    std::optional<QString> chooseFile(app::FileChooserMode mode, const QString& fileName,
                                      const QString& filter, const QString& defaultExtension,
                                      const QString& title) override;

    // "Caption (*.ext)|*.ext|Other (*.x)|*.x" as Qt's filter list.
    static QString QtFilter(const QString& filter);

  private:
    QPointer<QWidget> owner_;
};

}  // namespace kilnward::editor
