#pragma once

#include <QPointer>
#include <QWidget>

#include <optional>

#include "language/TranslatableControl.h"

namespace kilnward::dialogs {

// A dialog's widget as the language manager sees it: labels, buttons, check boxes and group
// boxes have one caption; other widgets have nothing to translate. The key and tag come from
// NameControl.
class WidgetControl : public language::TranslatableControl {
  public:
    explicit WidgetControl(QWidget& widget);

    QString controlKey() const override;
    QString tag() const override;
    language::ControlKind kind() const override;
    QString caption() const override;
    void setCaption(const QString& caption) override;

  private:
    QPointer<QWidget> widget_;
};

// Gives `widget` its control name in window `windowName` (with `index` for a member of a
// control array): the key the language manager translates it by, its object name and its
// accessible description. A `tag` beginning with "x" keeps it untranslated.
void NameControl(QWidget& widget, const QString& windowName, const QString& controlName,
                 std::optional<int> index = std::nullopt, const QString& tag = {});
// Whether NameControl named `widget`.
bool IsNamedControl(const QWidget& widget);

}  // namespace kilnward::dialogs
