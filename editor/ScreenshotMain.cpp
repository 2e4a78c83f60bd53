// kilnward-screenshots: pictures of every page and inner tab of the main window for the
// models and languages given, taken with QWidget::grab at a fixed size, style and font so
// the same build gives the same pictures; and the Find field box in each language.
//   kilnward-screenshots --out DIR [--models 10,13,14] [--languages 0,2]

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "app/AtomicFile.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "editor/BackupsWindow.h"
#include "editor/CompareCommands.h"
#include "editor/DifferencesDialog.h"
#include "editor/EditorApp.h"
#include "editor/FindFieldBox.h"
#include "editor/MainToolbar.h"
#include "editor/MainWindow.h"
#include "editor/ToolbarWindow.h"
#include "form/CheckItem.h"
#include "form/FieldFinder.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/MainForm.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/SectorBackup.h"
#include "transfer/SectorMap.h"

namespace {

using kilnward::editor::EditorApp;
using kilnward::editor::MainWindow;

// The inner tab strip of an outer page, if it has one.
QTabWidget* InnerStrip(QWidget* page) {
    const auto strips = page->findChildren<QTabWidget*>();
    return strips.isEmpty() ? nullptr : strips.constFirst();
}

QString Slug(const QString& caption) {
    // Accents dropped, so file names stay plain ASCII: "Entrée" gives "entree".
    QString slug = caption.normalized(QString::NormalizationForm_KD).toLower();
    slug.remove(QRegularExpression(QStringLiteral("[^\\x{0000}-\\x{007f}]")));
    slug.remove(u'&');
    slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return slug.remove(QRegularExpression(QStringLiteral("^-|-$")));
}

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

// Selects `tab` as the user would; false when the window refused it.
bool Click(QTabWidget& strip, int tab, kilnward::app::ScriptedPrompts& prompts) {
    if (!strip.isTabEnabled(tab)) {
        return false;
    }
    prompts.clear();
    strip.setCurrentIndex(tab);
    Settle();
    return prompts.messages().empty() && strip.currentIndex() == tab;
}

int Shoot(MainWindow& window, int model, const QString& language, const QDir& out,
          kilnward::app::ScriptedPrompts& prompts) {
    int pictures = 0;
    QTabWidget& outer = window.pages();
    const QStringList outerNames = {"pages",  "printer", "alarms",  "aux-inputs", "analog-outputs",
                                    "timers", "fuels",   "general", "bar-graphs", "service"};
    for (int page = 0; page < outer.count(); ++page) {
        if (!Click(outer, page, prompts)) {
            continue;
        }
        const QString stem = QStringLiteral("%1-%2-%3-%4")
                                 .arg(model)
                                 .arg(language)
                                 .arg(page, 2, 10, QLatin1Char('0'))
                                 .arg(outerNames.value(page));
        QTabWidget* inner = InnerStrip(outer.widget(page));
        const int tabs = inner ? inner->count() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            if (inner && !Click(*inner, tab, prompts)) {
                continue;
            }
            const QString name = inner ? QStringLiteral("%1-%2-%3.png")
                                             .arg(stem)
                                             .arg(tab + 1)
                                             .arg(Slug(inner->tabText(tab)))
                                       : stem + QStringLiteral(".png");
            window.grab().save(out.filePath(name));
            ++pictures;
        }
        if (inner) {
            Click(*inner, 0, prompts);
        }
    }
    Click(outer, 0, prompts);
    return pictures;
}

// The Find field box searching for the first word of the alarm value's caption, so the
// picture shows the same search in every language.
void ShootFindBox(MainWindow& window, kilnward::form::MainForm& form, const QString& language,
                  const QDir& out) {
    const QString caption = kilnward::form::FieldFinder(form).caption(
        form.form().item(kilnward::form::field::TDBNumalmval, 0));
    kilnward::editor::FindFieldBox& box = window.findFieldBox();
    box.start();
    box.search(caption.section(u' ', 0, 0));
    box.adjustSize();
    Settle();
    box.grab().save(out.filePath(QStringLiteral("find-field-%1.png").arg(language)));
    box.hide();
}

// A few fields edited as a technician would: the General page with its change marks, and
// the list of changes.
int ShootChanges(kilnward::editor::EditorApp& editor, const QString& language, const QDir& out,
                 kilnward::app::ScriptedPrompts& prompts) {
    MainWindow& window = editor.window();
    kilnward::form::Form& form = editor.session().window().form();
    form.numeric(kilnward::form::field::TDBNumCOthrs).setValue(1500);
    form.list(kilnward::form::field::cbomeasunitco).setListIndex(1);
    form.text(kilnward::form::field::txtheaderline, 2).setText(QStringLiteral("Via Po 3"));
    form.check(kilnward::form::field::chkalmenabled, 1).setValue(0);
    form.option(kilnward::form::field::Optbargraphr2l, 0).setValue(true);
    Click(window.pages(), 7, prompts);
    window.grab().save(out.filePath(QStringLiteral("changes-marks-%1.png").arg(language)));
    const auto list = window.compareCommands().changesDialog();
    list->show();
    Settle();
    list->grab().save(out.filePath(QStringLiteral("changes-%1.png").arg(language)));
    list->close();
    Click(window.pages(), 0, prompts);
    return 2;
}

// Every menu of the menu bar opened, side by side under the bar, in the order of the bar.
int ShootMenus(MainWindow& window, const QString& language, const QDir& out) {
    std::vector<QPixmap> menus;
    int width = 0;
    int height = 0;
    for (QAction* title : window.menuBar()->actions()) {
        QMenu* menu = title->menu();
        if (!menu || !title->isVisible()) {
            continue;
        }
        menu->ensurePolished();
        menu->adjustSize();
        menus.push_back(menu->grab());
        width += menus.back().width() + 4;
        height = std::max(height, menus.back().height());
    }
    const QPixmap bar = window.menuBar()->grab();
    QPixmap picture(std::max(width, bar.width()), bar.height() + 4 + height);
    picture.fill(window.palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, bar);
    int left = 0;
    for (const QPixmap& menu : menus) {
        painter.drawPixmap(left, bar.height() + 4, menu);
        left += menu.width() + 4;
    }
    painter.end();
    picture.save(out.filePath(QStringLiteral("menus-%1.png").arg(language)));
    return 1;
}

// The backups window over a few backups kept in a folder of its own: the editor's model at two
// addresses, the written sector beside two of them (the edits of ShootChanges) and a report
// beside one; and the main toolbar.
int ShootBackups(kilnward::editor::EditorApp& editor, const QString& language, const QDir& out,
                 kilnward::app::ScriptedPrompts& prompts) {
    namespace transfer = kilnward::transfer;
    MainWindow& window = editor.window();
    // The menu bar and the toolbar under it, as the window's top shows them.
    const QRect top(0, 0, window.width(), window.mainToolbar().geometry().bottom() + 1);
    window.grab(top).save(out.filePath(QStringLiteral("toolbar-%1.png").arg(language)));
    kilnward::documents::MainWindowSession& session = editor.session();
    kilnward::app::Translator& translator = session.messageBoxes().translator();
    const quint8 model = session.window().selectedInstrumentId();
    auto defaults = kilnward::documents::OpenScratchSession(prompts, translator, model);
    wirelink::ByteBuffer before(2048, 0);
    transfer::EncodeConfigSector(defaults->window().form(), *defaults->window().currentDriver(),
                                 before);
    wirelink::ByteBuffer after = before;
    transfer::EncodeConfigSector(session.window().form(), *session.window().currentDriver(), after);
    const QByteArray written(reinterpret_cast<const char*>(after.data()),
                             static_cast<qsizetype>(after.size()));
    QTemporaryDir folder;
    const struct {
        int addr;
        int day;
        bool afterKept;
        bool report;
    } kept[] = {
        {1, 2, false, false}, {1, 9, true, false}, {3, 12, true, true}, {1, 20, false, false}};
    for (const auto& k : kept) {
        const QString path = transfer::WriteSectorBackup(
            {model,
             static_cast<quint8>(k.addr),
             QStringLiteral("2.0"),
             QDateTime(QDate(2026, 11, k.day), QTime(10, 15 + k.day, 3)),
             before,
             {}},
            folder.path(), translator);
        if (k.afterKept) {
            kilnward::app::WriteFileAtomically(transfer::WrittenSectorPath(path), written);
        }
        if (k.report) {
            kilnward::app::WriteFileAtomically(transfer::BackupReportPath(path), "%PDF-1.4");
        }
    }
    kilnward::editor::BackupsWindow backups(session, folder.path(), {}, &window);
    backups.show();
    backups.list().setCurrentItem(backups.list().topLevelItem(1));
    Settle();
    backups.grab().save(out.filePath(QStringLiteral("backups-%1.png").arg(language)));
    return 2;
}

QList<int> Numbers(const QString& list) {
    QList<int> numbers;
    for (const QString& piece : list.split(u',', Qt::SkipEmptyParts)) {
        numbers << piece.trimmed().toInt();
    }
    return numbers;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"out", "Folder for the pictures.", "DIR"});
    parser.addOption({"models", "Models, comma-separated.", "IDS", "10,13,14"});
    parser.addOption({"languages", "Language columns, comma-separated (0 English).", "N", "0"});
    parser.process(application);
    const QDir out(parser.value("out"));
    if (parser.value("out").isEmpty() || !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "kilnward-screenshots: --out DIR is required\n";
        return 2;
    }
    kilnward::app::ScriptedPrompts prompts;
    int pictures = 0;
    for (int language : Numbers(parser.value("languages"))) {
        EditorApp::Options options;
        options.language = language;
        options.storesModelChoice = false;
        options.prompts = &prompts;
        options.restoresGeometry = false;
        EditorApp editor(options);
        const QString code = kilnward::language::LangMan().Language(language).left(2).toLower();
        MainWindow& window = editor.window();
        window.resize(1024, 700);
        window.show();
        Settle();
        window.toolbar().grab().save(out.filePath(QStringLiteral("parameters-%1.png").arg(code)));
        ++pictures;
        for (int model : Numbers(parser.value("models"))) {
            if (!editor.session().window().selectModel(static_cast<quint8>(model))) {
                QTextStream(stderr) << "kilnward-screenshots: no model " << model << '\n';
                return 1;
            }
            Settle();
            pictures += Shoot(window, model, code, out, prompts);
        }
        pictures += ShootMenus(window, code, out);
        ShootFindBox(window, editor.session().window(), code, out);
        ++pictures;
        pictures += ShootChanges(editor, code, out, prompts);
        pictures += ShootBackups(editor, code, out, prompts);
    }
    QTextStream(stdout) << pictures << " pictures in " << out.path() << '\n';
    return 0;
}
