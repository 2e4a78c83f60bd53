#include "form/FormTranslation.h"

#include "form/MainForm.h"

namespace kilnward::form {

FormTranslation::FormTranslation(MainForm& window) : window_(window) {}

FormTranslation::~FormTranslation() = default;

QString FormTranslation::name() const {
    return window_.form().name();
}

QString FormTranslation::caption() const {
    return window_.form().caption();
}

void FormTranslation::setCaption(const QString& caption) {
    window_.form().setCaption(caption);
}

std::vector<language::TranslatableControl*> FormTranslation::controls() {
    // Model menu entries are added at run time; the adapters follow the items.
    const auto& items = window_.form().items();
    controls_.clear();
    std::vector<language::TranslatableControl*> result;
    result.reserve(items.size());
    for (FormItem* item : items) {
        controls_.push_back(std::make_unique<ItemTranslation>(*item));
        result.push_back(controls_.back().get());
    }
    return result;
}

void FormTranslation::translate() {
    window_.translate();
}

}  // namespace kilnward::form
