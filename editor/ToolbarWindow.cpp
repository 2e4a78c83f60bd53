#include "editor/ToolbarWindow.h"

#include "app/Catalogue.h"
#include "app/ControlKey.h"
#include "app/Translator.h"
#include "dialogs/ControlNames.h"
#include "editor/ParamListView.h"

namespace kilnward::editor {

namespace {

constexpr auto kWindowName = "frmtoolbar";

}  // namespace

ToolbarWindow::ToolbarWindow(ParamIcons& icons, app::Translator& translator, QWidget* parent)
    : QDockWidget(parent), translator_(translator), list_(new ParamListView(icons, this)) {
    setObjectName(QString::fromLatin1(kWindowName));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    const QString key = app::ControlKey(QString::fromLatin1(kWindowName),
                                        QLatin1String(dialogs::control::trvtotparam));
    list_->setObjectName(key);
    list_->setAccessibleDescription(key);
    setWidget(list_);
    list_->fill();
    showTitle();
}

void ToolbarWindow::showTitle() {
    setWindowTitle(translator_.TranslateString(QString::fromLatin1(kWindowName),
                                               QStringLiteral("Parameters")));
    list_->setAccessibleName(windowTitle());
}

std::optional<std::uint8_t> ToolbarWindow::selectedParameter() const {
    return list_->selectedParameter();
}

void ToolbarWindow::translate() {
    app::LoadParameterCatalogue(translator_);
    list_->fill();
    showTitle();
}

}  // namespace kilnward::editor
