#pragma once

#include <QString>

#include <vector>

namespace kilnward::language {

class TranslatableControl;

// A window as the language manager sees it: its name (the key of its caption), tag, caption
// and its controls in collection order.
class TranslatableWindow {
  public:
    virtual ~TranslatableWindow() = default;

    virtual QString name() const = 0;
    // A tag beginning with "x" keeps the caption; the controls are still translated.
    virtual QString tag() const { return {}; }
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual std::vector<TranslatableControl*> controls() = 0;
    // The window's own routine for texts built from several pieces, called after every
    // translation of the window (whether or not the database is usable).
    virtual void translate() {}
};

}  // namespace kilnward::language
