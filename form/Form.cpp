#include "form/Form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "form/CheckItem.h"
#include "form/FormEvents.h"
#include "form/FormListener.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::form {

namespace {

QString LookupKey(const QString& name, int index) {
    return index == kNoIndex ? name.toLower() : name.toLower() + u'#' + QString::number(index);
}

}  // namespace

Form::Form(QString name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(const QString& caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = caption;
    forEachListener([](FormListener& listener) { listener.windowCaptionChanged(); });
}

FormItem& Form::add(std::unique_ptr<FormItem> item, const FormItem* after) {
    const QString key = LookupKey(item->name(), item->index());
    if (byKey_.contains(key)) {
        throw std::logic_error("duplicate form item " + key.toStdString());
    }
    FormItem* raw = item.get();
    raw->attachTo(this);
    owned_.push_back(std::move(item));
    auto position = order_.end();
    if (after) {
        position = std::find(order_.begin(), order_.end(), after);
        if (position != order_.end()) {
            ++position;
        }
    }
    order_.insert(position, raw);
    byKey_.insert(key, raw);
    announceChange(*raw, ItemChange::Added);
    return *raw;
}

FormItem* Form::find(const QString& name, int index) const {
    return byKey_.value(LookupKey(name, index), nullptr);
}

FormItem& Form::item(const QString& name, int index) const {
    FormItem* found = find(name, index);
    if (!found) {
        throw std::out_of_range("no form item " + LookupKey(name, index).toStdString());
    }
    return *found;
}

template <typename T>
T& Form::typed(const QString& name, int index, ItemKind kind) const {
    FormItem& found = item(name, index);
    if (found.kind() != kind) {
        throw std::out_of_range("form item " + LookupKey(name, index).toStdString() +
                                " is of another kind");
    }
    return static_cast<T&>(found);
}

NumericItem& Form::numeric(const QString& name, int index) const {
    return typed<NumericItem>(name, index, ItemKind::Numeric);
}
ListItem& Form::list(const QString& name, int index) const {
    return typed<ListItem>(name, index, ItemKind::List);
}
CheckItem& Form::check(const QString& name, int index) const {
    return typed<CheckItem>(name, index, ItemKind::Check);
}
OptionItem& Form::option(const QString& name, int index) const {
    return typed<OptionItem>(name, index, ItemKind::Option);
}
TextItem& Form::text(const QString& name, int index) const {
    return typed<TextItem>(name, index, ItemKind::Text);
}
TreeItem& Form::tree(const QString& name, int index) const {
    return typed<TreeItem>(name, index, ItemKind::Tree);
}
TabStripItem& Form::tabStrip(const QString& name, int index) const {
    return typed<TabStripItem>(name, index, ItemKind::TabStrip);
}
MenuItem& Form::menu(const QString& name, int index) const {
    return typed<MenuItem>(name, index, ItemKind::Menu);
}

std::vector<FormItem*> Form::members(const QString& name) const {
    std::vector<FormItem*> found;
    for (FormItem* candidate : order_) {
        if (candidate->isArrayMember() &&
            candidate->name().compare(name, Qt::CaseInsensitive) == 0) {
            found.push_back(candidate);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const FormItem* a, const FormItem* b) { return a->index() < b->index(); });
    return found;
}

void Form::addListener(FormListener* listener) {
    listeners_.push_back(listener);
}

void Form::removeListener(FormListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void Form::forEachListener(const std::function<void(FormListener&)>& tell) {
    // A listener may remove itself while being told.
    const std::vector<FormListener*> current = listeners_;
    for (FormListener* listener : current) {
        tell(*listener);
    }
}

void Form::announceChange(FormItem& item, ItemChange change) {
    const ChangeOrigin origin = &item == userEditItem_ ? ChangeOrigin::User : ChangeOrigin::Program;
    forEachListener([&](FormListener& listener) { listener.itemChanged(item, change, origin); });
}

void Form::announceEdit(FormItem& item) {
    if (events_) {
        events_->edited(item);
    }
}

void Form::announceCompletion(NumericItem& item) {
    if (events_) {
        events_->completed(item);
    }
}

void Form::announceTabChange(TabStripItem& strip, int previousTab) {
    if (events_) {
        events_->tabChanged(strip, previousTab);
    }
}

void Form::updateParamNode(TreeItem& tree, int node, std::uint8_t parameterId) {
    if (events_) {
        events_->paramNodeAssigned(tree, node, parameterId);
    }
}

std::vector<OptionItem*> Form::optionGroup(const FormItem& option) const {
    std::vector<OptionItem*> group;
    for (FormItem* candidate : order_) {
        if (candidate->kind() == ItemKind::Option && candidate->container() == option.container()) {
            group.push_back(static_cast<OptionItem*>(candidate));
        }
    }
    return group;
}

void Form::clearSiblingOptions(const OptionItem& option) {
    for (OptionItem* sibling : optionGroup(option)) {
        if (sibling != &option) {
            sibling->clearBySibling();
        }
    }
}

}  // namespace kilnward::form
