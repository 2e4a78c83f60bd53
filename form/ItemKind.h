#pragma once

namespace kilnward::form {

// What kind of control a form item stands for. The GUI creates one widget per item by kind.
enum class ItemKind {
    Menu,
    TabStrip,
    Frame,
    Label,
    Numeric,
    List,
    Check,
    Option,
    Text,
    Tree,
};

// Which property of an item changed, so a bound widget refreshes only that.
enum class ItemChange {
    Value,
    Enabled,
    Visible,
    Caption,
    CaptionColour,
    Entries,
    Format,
    Nodes,
    Selection,
    Tabs,
    Checked,
    // The item was added to the form (a model menu entry); its widget is to be made.
    Added,
};

// Where a change came from: the user editing the item's own widget (inside a `UserEdit`), or
// the program (rules, loads, receives, and the user's edits of other items).
enum class ChangeOrigin { Program, User };

// Index of a control that is not a member of a control array.
inline constexpr int kNoIndex = -1;

}  // namespace kilnward::form
