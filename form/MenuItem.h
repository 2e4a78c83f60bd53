#pragma once

#include "form/FormItem.h"

namespace kilnward::form {

// A menu entry (mnu...): caption ("-" for a separator), shortcut, checked state. Its
// container is the menu it belongs to; top-level menus have none.
class MenuItem : public FormItem {
  public:
    MenuItem(QString name, int index, QString tag, QString shortcut);

    const QString& shortcut() const { return shortcut_; }
    bool isSeparator() const { return caption() == QLatin1String("-"); }
    bool checked() const { return checked_; }
    void setChecked(bool checked);

  private:
    QString shortcut_;
    bool checked_ = false;
};

}  // namespace kilnward::form
