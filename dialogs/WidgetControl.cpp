#include "dialogs/WidgetControl.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

#include "app/ControlKey.h"

namespace kilnward::dialogs {

namespace {

constexpr const char* kKeyProperty = "kilnwardControlKey";
constexpr const char* kTagProperty = "kilnwardTag";

}  // namespace

WidgetControl::WidgetControl(QWidget& widget) : widget_(&widget) {}

QString WidgetControl::controlKey() const {
    return widget_ ? widget_->property(kKeyProperty).toString() : QString();
}

QString WidgetControl::tag() const {
    return widget_ ? widget_->property(kTagProperty).toString() : QString();
}

language::ControlKind WidgetControl::kind() const {
    const bool hasCaption = qobject_cast<QLabel*>(widget_) ||
                            qobject_cast<QAbstractButton*>(widget_) ||
                            qobject_cast<QGroupBox*>(widget_);
    return hasCaption ? language::ControlKind::Caption : language::ControlKind::NoCaption;
}

QString WidgetControl::caption() const {
    if (auto* label = qobject_cast<QLabel*>(widget_)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        return button->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
        return box->title();
    }
    return {};
}

void WidgetControl::setCaption(const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(widget_)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
        button->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
        box->setTitle(caption);
    }
}

void NameControl(QWidget& widget, const QString& windowName, const QString& controlName,
                 std::optional<int> index, const QString& tag) {
    const QString key = app::ControlKey(windowName, controlName, index);
    widget.setObjectName(key);
    widget.setAccessibleDescription(key);
    widget.setProperty(kKeyProperty, key);
    widget.setProperty(kTagProperty, tag);
}

bool IsNamedControl(const QWidget& widget) {
    return widget.property(kKeyProperty).isValid();
}

}  // namespace kilnward::dialogs
