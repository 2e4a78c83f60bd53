#pragma once

#include <QString>

#include "form/ItemKind.h"

namespace kilnward::form {

class Form;

// One control of the main window: its identity (window, name, array index), its document
// tag, caption, enabled and visible state and its container. Kind-specific values live in
// the derived classes. Every change is announced to the form's listeners; a change of a
// data value is also announced as an edit, exactly as a user's edit would be.
class FormItem {
  public:
    FormItem(ItemKind kind, QString name, int index, QString tag);
    virtual ~FormItem();
    FormItem(const FormItem&) = delete;
    FormItem& operator=(const FormItem&) = delete;

    ItemKind kind() const { return kind_; }
    const QString& name() const { return name_; }
    // Index in the control array, or kNoIndex.
    int index() const { return index_; }
    bool isArrayMember() const { return index_ != kNoIndex; }
    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }
    // The last four characters of the tag: the file-type tag of the owning document.
    QString documentTag() const;

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The frame, tab strip or menu that holds this item; null for the window itself.
    FormItem* container() const { return container_; }
    // For an item placed on a tab strip, the tab it is on; else kNoIndex.
    int containerTab() const { return containerTab_; }
    void placeIn(FormItem* container, int tab);

    // Name of the window that holds the item (frames and tab strips in between skipped).
    QString windowName() const;
    Form* form() const { return form_; }
    void attachTo(Form* form) { form_ = form; }

  protected:
    void notify(ItemChange change);
    // Stores `value` in `member` and tells the listeners `change`, unless it is already
    // there; true when it changed.
    template <typename T>
    bool update(T& member, const T& value, ItemChange change) {
        if (member == value) {
            return false;
        }
        member = value;
        notify(change);
        return true;
    }
    // The value changed: the same event a user's click or typing raises.
    void raiseEdited();

  private:
    ItemKind kind_;
    QString name_;
    int index_;
    QString tag_;
    QString caption_;
    bool enabled_ = true;
    bool visible_ = true;
    FormItem* container_ = nullptr;
    int containerTab_ = kNoIndex;
    Form* form_ = nullptr;
};

}  // namespace kilnward::form
