#include "editor/ToolbarWindow.h"

#include "app/Catalogue.h"
#include "app/ControlKey.h"
#include "dialogs/ControlNames.h"
#include "editor/ParamListView.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

namespace {

constexpr auto kWindowName = "frmtoolbar";

}  // namespace

ToolbarWindow::ToolbarWindow(ParamIcons& icons, QWidget* parent)
    : QDockWidget(parent), list_(new ParamListView(icons, this)) {
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
    setWindowTitle(language::LangMan().TranslateString(QString::fromLatin1(kWindowName),
                                                       QStringLiteral("Parameters")));
    list_->setAccessibleName(windowTitle());
}

std::optional<std::uint8_t> ToolbarWindow::selectedParameter() const {
    return list_->selectedParameter();
}

void ToolbarWindow::translate() {
    app::LoadParameterCatalogue(language::LangMan());
    list_->fill();
    showTitle();
}

}  // namespace kilnward::editor
