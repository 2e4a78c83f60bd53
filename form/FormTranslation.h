#pragma once

#include <memory>
#include <vector>

#include "form/ItemTranslation.h"
#include "language/TranslatableWindow.h"

namespace kilnward::form {

class MainForm;

// The main window as the language manager sees it: its caption and its items in the
// window's order; after each translation the window's own `translate` runs.
class FormTranslation : public language::TranslatableWindow {
  public:
    explicit FormTranslation(MainForm& window);
    ~FormTranslation() override;

    QString name() const override;
    QString caption() const override;
    void setCaption(const QString& caption) override;
    std::vector<language::TranslatableControl*> controls() override;
    void translate() override;

  private:
    MainForm& window_;
    std::vector<std::unique_ptr<ItemTranslation>> controls_;
};

}  // namespace kilnward::form
