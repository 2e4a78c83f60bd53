#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "dialogs/WidgetControl.h"
#include "language/TranslatableWindow.h"

namespace kilnward::language {
class LanguageManager;
}

namespace kilnward::dialogs {

// A dialog as the language manager sees it: its name, its title as caption and its named
// controls in creation order. It is registered with `language` while it exists, so choosing
// another language retranslates it at once; the manager must outlive it.
class WidgetWindow : public language::TranslatableWindow {
  public:
    // `translate` is the window's routine for texts built from several pieces; it runs after
    // every translation of the window.
    WidgetWindow(language::LanguageManager& language, QWidget& window, QString name,
                 std::function<void()> translate = {});
    ~WidgetWindow() override;
    WidgetWindow(const WidgetWindow&) = delete;
    WidgetWindow& operator=(const WidgetWindow&) = delete;

    QString name() const override { return name_; }
    QString caption() const override;
    void setCaption(const QString& caption) override;
    std::vector<language::TranslatableControl*> controls() override;
    void translate() override;

    // Translates the window now (TranslateWindow).
    void translateNow();
    // The manager the window is registered with; the dialog's own texts come from it too.
    language::LanguageManager& language() const { return language_; }
    // Names a control of this window (see NameControl).
    void name(QWidget& widget, const QString& controlName, std::optional<int> index = {},
              const QString& tag = {});

  private:
    language::LanguageManager& language_;
    QPointer<QWidget> window_;
    QString name_;
    std::function<void()> translate_;
    std::vector<std::unique_ptr<WidgetControl>> controls_;
};

}  // namespace kilnward::dialogs
