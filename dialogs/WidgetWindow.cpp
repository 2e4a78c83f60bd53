#include "dialogs/WidgetWindow.h"

#include "language/LanguageManager.h"

namespace kilnward::dialogs {

WidgetWindow::WidgetWindow(language::LanguageManager& language, QWidget& window, QString name,
                           std::function<void()> translate)
    : language_(language),
      window_(&window),
      name_(std::move(name)),
      translate_(std::move(translate)) {
    window.setObjectName(name_);
    language_.RegisterWindow(*this);
}

WidgetWindow::~WidgetWindow() {
    language_.UnregisterWindow(*this);
}

QString WidgetWindow::caption() const {
    return window_ ? window_->windowTitle() : QString();
}

void WidgetWindow::setCaption(const QString& caption) {
    if (window_) {
        window_->setWindowTitle(caption);
    }
}

std::vector<language::TranslatableControl*> WidgetWindow::controls() {
    controls_.clear();
    std::vector<language::TranslatableControl*> found;
    if (!window_) {
        return found;
    }
    // findChildren lists in creation order, which is the collection order.
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        if (IsNamedControl(*widget)) {
            controls_.push_back(std::make_unique<WidgetControl>(*widget));
            found.push_back(controls_.back().get());
        }
    }
    return found;
}

void WidgetWindow::translate() {
    if (translate_) {
        translate_();
    }
}

void WidgetWindow::translateNow() {
    language_.TranslateObject(*this);
}

void WidgetWindow::name(QWidget& widget, const QString& controlName, std::optional<int> index,
                        const QString& tag) {
    NameControl(widget, name_, controlName, index, tag);
}

}  // namespace kilnward::dialogs
