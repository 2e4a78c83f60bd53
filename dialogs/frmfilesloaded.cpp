#include "dialogs/frmfilesloaded.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ControlNames.h"
#include "dialogs/OkButtonBox.h"
#include "documents/MainWindowSession.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

constexpr int kMinimumTextLength = 50;

}  // namespace

frmfilesloaded::frmfilesloaded(documents::MainWindowSession& session, QWidget* parent)
    : QDialog(parent), window_(*this, QStringLiteral("frmfilesloaded")) {
    setWindowTitle(QStringLiteral("Loaded files"));
    auto* layout = new QVBoxLayout(this);
    auto* lblfilesloaded = new QLabel(FilesLoadedText(session), this);
    lblfilesloaded->setTextFormat(Qt::PlainText);
    lblfilesloaded->setTextInteractionFlags(Qt::TextSelectableByMouse);
    window_.name(*lblfilesloaded, control::lblfilesloaded, {}, QStringLiteral("x"));
    lblfilesloaded->setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumTextLength);
    layout->addWidget(lblfilesloaded);

    QDialogButtonBox* buttons = OkButtonBox(*this, window_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    window_.translateNow();
}

QString frmfilesloaded::FilesLoadedText(documents::MainWindowSession& session) {
    language::LanguageManager& langMan = language::LangMan();
    QStringList lines;
    for (int d = 0; d < documents::Documents::count(); ++d) {
        const documents::DocumentInfo& info = session.documents()[d];
        QString line =
            langMan.TranslateString(info.FileTag + QStringLiteral("filetype"), info.FileCaption) +
            QStringLiteral(" : ") + session.commands().DocumentDisplayName(d);
        if (info.Dirty()) {
            line += QStringLiteral(" *");
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowLoadedFiles(documents::MainWindowSession& session, QWidget* parent) {
    frmfilesloaded list(session, parent);
    list.exec();
}

}  // namespace kilnward::dialogs
