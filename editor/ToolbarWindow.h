#pragma once

#include <QDockWidget>

#include <cstdint>
#include <optional>

namespace kilnward::app {
class Translator;
}

namespace kilnward::editor {

class ParamIcons;
class ParamListView;

// The parameter toolbar window frmtoolbar: the list of every catalogue parameter, docked
// beside the main window or floating, from which parameters are dragged onto the slots.
// Its visibility belongs to the main form; the user moves it but does not close it.
class ToolbarWindow : public QDockWidget {
    Q_OBJECT

  public:
    ToolbarWindow(ParamIcons& icons, app::Translator& translator, QWidget* parent = nullptr);

    ParamListView& list() { return *list_; }
    // The parameter the user picked in the list, nullopt when none.
    std::optional<std::uint8_t> selectedParameter() const;
    // After a change of language: the catalogue is read again and the names follow it.
    void translate();

  private:
    void showTitle();

    app::Translator& translator_;
    ParamListView* list_;
};

}  // namespace kilnward::editor
