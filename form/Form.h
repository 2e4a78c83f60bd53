#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "form/FormItem.h"

namespace kilnward::form {

class CheckItem;
class FormEvents;
class FormListener;
class ListItem;
class MenuItem;
class NumericItem;
class OptionItem;
class TabStripItem;
class TextItem;
class TreeItem;

// A headless window: its items in one stable order (the control-collection order, which is
// the order of keys in document files and the order of translation), lookup by name and
// index, change notification to listeners, and event dispatch to the window's handlers.
class Form {
  public:
    explicit Form(QString name);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Appends an item (or inserts it after `after`), takes ownership and announces it
    // (ItemChange::Added).
    FormItem& add(std::unique_ptr<FormItem> item, const FormItem* after = nullptr);
    const std::vector<FormItem*>& items() const { return order_; }

    // Null when there is no such item.
    FormItem* find(const QString& name, int index = kNoIndex) const;
    // These throw std::out_of_range when the item is missing or of another kind.
    FormItem& item(const QString& name, int index = kNoIndex) const;
    NumericItem& numeric(const QString& name, int index = kNoIndex) const;
    ListItem& list(const QString& name, int index = kNoIndex) const;
    CheckItem& check(const QString& name, int index = kNoIndex) const;
    OptionItem& option(const QString& name, int index = kNoIndex) const;
    TextItem& text(const QString& name, int index = kNoIndex) const;
    TreeItem& tree(const QString& name, int index = kNoIndex) const;
    TabStripItem& tabStrip(const QString& name, int index = kNoIndex) const;
    MenuItem& menu(const QString& name, int index = kNoIndex) const;
    // Every member of a control array, in index order.
    std::vector<FormItem*> members(const QString& name) const;
    // The option buttons of `option`'s group (the ones in its container), in form order.
    std::vector<OptionItem*> optionGroup(const FormItem& option) const;

    void addListener(FormListener* listener);
    void removeListener(FormListener* listener);
    void setEvents(FormEvents* events) { events_ = events; }
    FormEvents* events() const { return events_; }
    // Window-wide notices (caption, pending edits, toolbar) that belong to no item.
    void forEachListener(const std::function<void(FormListener&)>& tell);

  private:
    // The items announce through FormItem's protected helpers; UserEdit sets the origin.
    friend class FormItem;
    friend class UserEdit;
    void announceChange(FormItem& item, ItemChange change);
    void announceEdit(FormItem& item);
    void announceCompletion(NumericItem& item);
    void announceTabChange(TabStripItem& strip, int previousTab);
    void updateParamNode(TreeItem& tree, int node, std::uint8_t parameterId);
    void clearSiblingOptions(const OptionItem& option);

    template <typename T>
    T& typed(const QString& name, int index, ItemKind kind) const;

    QString name_;
    QString caption_;
    std::vector<std::unique_ptr<FormItem>> owned_;
    std::vector<FormItem*> order_;
    QHash<QString, FormItem*> byKey_;
    std::vector<FormListener*> listeners_;
    FormEvents* events_ = nullptr;
    // The item the user is editing (see UserEdit), or null.
    const FormItem* userEditItem_ = nullptr;
    // How many UserEdit guards are alive.
    int userEditDepth_ = 0;
};

}  // namespace kilnward::form
