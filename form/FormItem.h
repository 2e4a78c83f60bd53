#pragma once

#include <QString>

#include <cstdint>

#include "form/ItemKind.h"

namespace kilnward::form {

class Form;
class NumericItem;
class OptionItem;
class TabStripItem;
class TreeItem;

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
    // The tag, the placement and the buddy are declarations, set before a widget is bound
    // (the model menu tags its entries as it builds them); no widget shows them, so their
    // setters announce nothing.
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
    // A frame that is one page of a tab strip: its `visible` means "its tab is the one
    // selected", so a widget shows it as the strip's page instead of hiding it.
    bool isTabPage() const;

    // The item the caption's access key goes to: for a label, the field it names (null when
    // it names none, as a unit label); for a field that shows its own caption (numeric
    // field, check box, option button), the field itself; null for every other item.
    FormItem* buddy() const { return buddy_; }
    // Declares the field a label names (labels only).
    void setBuddy(FormItem* field);

    // Name of the window that holds the item (frames and tab strips in between skipped).
    QString windowName() const;
    Form* form() const { return form_; }
    void attachTo(Form* form) { form_ = form; }

  protected:
    // The announcing calls, for the derived items only (see FormListener's contract).
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
    // The window's handlers for leaving a numeric field, a tab change, a tree slot's
    // assignment, and an option clearing its siblings.
    void raiseCompleted(NumericItem& self);
    void raiseTabChanged(TabStripItem& self, int previousTab);
    void raiseParamNodeAssigned(TreeItem& self, int node, std::uint8_t parameterId);
    void clearSiblingOptions(const OptionItem& self);

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
    FormItem* buddy_ = nullptr;
    Form* form_ = nullptr;
};

}  // namespace kilnward::form
