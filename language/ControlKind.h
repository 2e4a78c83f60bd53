#pragma once

namespace kilnward::language {

// How the language manager translates a control.
enum class ControlKind {
    Caption,    // one caption (labels, buttons, check boxes, frames, menu entries...)
    NoCaption,  // nothing to translate (text boxes, numeric fields, trees)
    Tabs,       // tab captions, keys ":0" .. ":n-1"
    List,       // combo-box entries, keys ":0" .. ":n-1"
    Toolbar,    // toolbar button captions, keys ":1" .. ":n"
};

}  // namespace kilnward::language
