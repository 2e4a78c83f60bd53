#include "dialogs/frmAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/VersionString.h"
#include "dialogs/ControlNames.h"
#include "dialogs/OkButtonBox.h"
#include "dialogs/ProgramInfo.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

constexpr int kMinimumTextLength = 50;

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent), window_(*this, QStringLiteral("frmAbout"), [this] { translate(); }) {
    auto* layout = new QVBoxLayout(this);
    const auto addLabel = [this, layout](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        window_.name(*label, name, {}, QStringLiteral("x"));
        layout->addWidget(label);
        return label;
    };
    QLabel* title = addLabel(control::lblTitle, app::ApplicationTitle());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    addLabel(control::lblVersioncode, app::VersionString());
    addLabel(control::lblcompany, CompanyLine());
    addLabel(control::lblswcode, CommentsText());

    QDialogButtonBox* buttons = OkButtonBox(*this, window_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A calm box rather than one just as wide as its longest line.
    title->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumTextLength);
    window_.translateNow();
}

void frmAbout::translate() {
    setWindowTitle(language::LangMan().TranslateString(
        QStringLiteral("sfrmAbout"), QStringLiteral("About %1%"), {app::ApplicationTitle()}));
}

void ShowAbout(QWidget* parent) {
    frmAbout about(parent);
    about.exec();
}

}  // namespace kilnward::dialogs
