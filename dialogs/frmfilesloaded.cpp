#include "dialogs/frmfilesloaded.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Translator.h"
#include "dialogs/ControlNames.h"
#include "dialogs/OkButtonBox.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"

namespace kilnward::dialogs {

namespace {

constexpr int kMinimumTextLength = 50;

}  // namespace

frmfilesloaded::frmfilesloaded(documents::MainWindowSession& session,
                               language::LanguageManager& language, QWidget* parent)
    : QDialog(parent), window_(language, *this, QStringLiteral("frmfilesloaded")) {
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
    app::Translator& translator = session.messageBoxes().translator();
    QStringList lines;
    for (int d = 0; d < documents::Documents::count(); ++d) {
        const documents::DocumentInfo& info = session.documents()[d];
        QString line = translator.TranslateString(info.FileTag + QStringLiteral("filetype"),
                                                  info.FileCaption) +
                       QStringLiteral(" : ") + session.commands().DocumentDisplayName(d);
        if (info.Dirty()) {
            line += QStringLiteral(" *");
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowLoadedFiles(documents::MainWindowSession& session, language::LanguageManager& language,
                     QWidget* parent) {
    frmfilesloaded list(session, language, parent);
    list.exec();
}

}  // namespace kilnward::dialogs
