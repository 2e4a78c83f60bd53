#pragma once

#include <QString>

#include "form/ItemKind.h"

class QObject;
class QWidget;

namespace kilnward::form {
class FormItem;
}

namespace kilnward::editor {

// The link between one form item and the widget (or menu action) that shows it. The form
// is the only store: a binding copies the item's state into the widget when the form
// announces a change, and hands the user's edits to the item's setters.
class Binding {
  public:
    Binding(form::FormItem& item, QObject& object);
    virtual ~Binding();
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    form::FormItem& item() const { return item_; }
    // The widget or action carrying the item's key as object name.
    QObject& object() const { return object_; }
    // The widget to place on a page (null for menu entries).
    virtual QWidget* widget() const { return nullptr; }
    // A companion widget placed beside it (a numeric field's caption), or null.
    virtual QWidget* captionWidget() const { return nullptr; }

    // Shows one change of the item. The caller blocks the widget's signals.
    void refresh(form::ItemChange change, form::ChangeOrigin origin = form::ChangeOrigin::Program);
    // Shows the whole state of the item.
    void refreshAll();

    // The label whose caption names this field to a screen reader, when the field has
    // no caption of its own.
    void setCaptionSource(const form::FormItem* label);
    const form::FormItem* captionSource() const { return captionSource_; }
    void refreshAccessibleName();

    // The caption as the user sees it: without the access-key marks.
    static QString ShownText(const QString& caption);

  protected:
    // Kind-specific changes; Enabled, Visible and Caption have defaults below.
    virtual void show(form::ItemChange change) = 0;
    virtual void showEnabled(bool enabled);
    virtual void showVisible(bool visible);
    virtual void showCaption() {}
    virtual void setAccessibleName(const QString& name);
    // True while a change of the user's own edit is shown: the widget already shows it.
    bool fromUser() const { return origin_ == form::ChangeOrigin::User; }

  private:
    form::FormItem& item_;
    QObject& object_;
    const form::FormItem* captionSource_ = nullptr;
    form::ChangeOrigin origin_ = form::ChangeOrigin::Program;
};

}  // namespace kilnward::editor
