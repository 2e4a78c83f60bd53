#include "dialogs/frmAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Translator.h"
#include "app/VersionString.h"
#include "dialogs/ControlNames.h"
#include "dialogs/OkButtonBox.h"
#include "dialogs/ProgramInfo.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

constexpr int kMinimumTextLength = 50;

}  // namespace

frmAbout::frmAbout(language::LanguageManager& language, QWidget* parent)
    : QDialog(parent),
      window_(language, *this, QStringLiteral("frmAbout"), [this] { translate(); }) {
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
    addLabel(control::lblcompany, CompanyLine(language));
    addLabel(control::lblswcode, CommentsText(language));

    QDialogButtonBox* buttons = OkButtonBox(*this, window_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // A calm box rather than one just as wide as its longest line.
    title->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumTextLength);
    window_.translateNow();
}

void frmAbout::translate() {
    setWindowTitle(
        app::Translated(window_.language(), "sfrmAbout", "About %1%", {app::ApplicationTitle()}));
}

void ShowAbout(language::LanguageManager& language, QWidget* parent) {
    frmAbout about(language, parent);
    about.exec();
}

}  // namespace kilnward::dialogs
