#include "editor/Binding.h"

#include <QWidget>

#include "documents/ControlKey.h"
#include "form/FormItem.h"
#include "form/ShownCaption.h"
#include "form/TabStripItem.h"

namespace kilnward::editor {

namespace {

constexpr form::ItemChange kAllChanges[] = {
    form::ItemChange::Caption, form::ItemChange::CaptionColour, form::ItemChange::Entries,
    form::ItemChange::Format,  form::ItemChange::Nodes,         form::ItemChange::Tabs,
    form::ItemChange::Value,   form::ItemChange::Checked,       form::ItemChange::Selection,
    form::ItemChange::Enabled, form::ItemChange::Visible,
};

}  // namespace

Binding::Binding(form::FormItem& item, QObject& object) : item_(item), object_(object) {
    const QString key = documents::ControlKey(item);
    object.setObjectName(key);
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        widget->setAccessibleDescription(key);
    }
}

Binding::~Binding() {
    // The widget outlives its binding while the window tears down; a field losing the focus
    // then must not report to the binding that is gone.
    QObject::disconnect(&object_, nullptr, nullptr, nullptr);
}

void Binding::refresh(form::ItemChange change, form::ChangeOrigin origin) {
    origin_ = origin;
    switch (change) {
        case form::ItemChange::Enabled:
            showEnabled(item_.enabled());
            break;
        case form::ItemChange::Visible:
            showVisible(item_.visible());
            break;
        case form::ItemChange::Caption:
            showCaption();
            refreshAccessibleName();
            break;
        default:
            show(change);
            break;
    }
    origin_ = form::ChangeOrigin::Program;
}

void Binding::refreshAll() {
    for (form::ItemChange change : kAllChanges) {
        refresh(change);
    }
    refreshAccessibleName();
}

void Binding::setCaptionSource(const form::FormItem* label) {
    captionSource_ = label;
    refreshAccessibleName();
}

void Binding::refreshAccessibleName() {
    QString name = ShownText(item_.caption());
    if (captionSource_) {
        name = ShownText(captionSource_->caption());
    }
    // A field without any caption is named after the tab it stands on.
    for (const form::FormItem* frame = item_.container(); name.isEmpty() && frame;
         frame = frame->container()) {
        if (frame->isTabPage()) {
            const auto& strip = static_cast<const form::TabStripItem&>(*frame->container());
            name = ShownText(strip.tabCaptions().value(frame->containerTab()));
        }
    }
    setAccessibleName(name);
}

QString Binding::ShownText(const QString& caption) {
    return form::ShownCaption(caption);
}

void Binding::showEnabled(bool enabled) {
    if (auto* widget = this->widget()) {
        widget->setEnabled(enabled);
    }
    if (auto* caption = captionWidget()) {
        caption->setEnabled(enabled);
    }
}

void Binding::showVisible(bool visible) {
    // The strip shows its selected page; a page's own flag only mirrors that.
    if (item_.isTabPage()) {
        return;
    }
    if (auto* widget = this->widget()) {
        widget->setVisible(visible);
    }
    if (auto* caption = captionWidget()) {
        caption->setVisible(visible);
    }
}

void Binding::setAccessibleName(const QString& name) {
    if (auto* widget = this->widget()) {
        widget->setAccessibleName(name);
    }
}

}  // namespace kilnward::editor
