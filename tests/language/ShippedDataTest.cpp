// Checks what ships in data/ against the program: every text key the sources look up is in
// the translation table, every translation is complete, the catalogue's icons and the tips
// files exist.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/ProfileFunctions.h"
#include "app/ScriptedPrompts.h"
#include "app/TextSplitting.h"
#include "documents/MessageBoxes.h"
#include "language/LanguageManager.h"
#include "language/TranslationTable.h"
#include "tests/support/BinFolder.h"
#include "transfer/TransferErrorReport.h"
#include "wirelink/Errors.h"

using kilnward::language::TranslationTable;

namespace {

const QString kSource = QStringLiteral(KILNWARD_SOURCE_DIR);

QString DataFile(const QString& name) {
    return kSource + QStringLiteral("/data/") + name;
}

// Every error of the link's table: the codes of the link range that have a message.
std::vector<wirelink::WLink_errors> LinkErrors() {
    std::vector<wirelink::WLink_errors> errors;
    const std::string unknown = wirelink::ErrorText(static_cast<wirelink::WLink_errors>(0), {});
    for (std::uint32_t code = 0x80040000u; code <= 0x80050000u; ++code) {
        const auto error = static_cast<wirelink::WLink_errors>(code);
        if (wirelink::ErrorText(error, {}) != unknown) {
            errors.push_back(error);
        }
    }
    return errors;
}

// Keys the program builds at run time rather than writing them out. Code that builds a new
// family of keys adds it here.
QStringList RuntimeKeys() {
    QStringList keys;
    for (const char* tag : {"Kcfg", "Kfue", "Khdr", "Klaw", "Ksrv"}) {
        keys << QString(tag) + "filetype" << QString(tag) + "datatype";
    }
    // Link errors are looked up under "Error" and their signed decimal code.
    for (const auto error : LinkErrors()) {
        keys << "Error" + QString::number(wirelink::StatusOf(error));
    }
    return keys;
}

// Every key written as a literal first argument of TranslateString in the program's sources.
QSet<QString> KeysLookedUpInSources() {
    static const QRegularExpression call(
        R"re(TranslateString\s*\(\s*(?:QStringLiteral\s*\(|QString\s*\(|QLatin1String\s*\(|u)?)re"
        R"re("((?:[^"\\]|\\.)*)"\s*\)?\s*,)re");
    QSet<QString> keys;
    for (const char* folder :
         {"app", "language", "form", "documents", "transfer", "editor", "dialogs", "cli"}) {
        QDirIterator it(kSource + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : call.globalMatch(text)) {
                keys.insert(match.captured(1).replace("\\\"", "\""));
            }
        }
    }
    return keys;
}

TranslationTable ShippedTable() {
    TranslationTable table;
    QString error;
    EXPECT_TRUE(table.readTsv(DataFile("translations.tsv"), &error)) << error.toStdString();
    return table;
}

QSet<QString> KeysOf(const TranslationTable& table) {
    QSet<QString> keys;
    for (const auto& row : table.rows) {
        keys.insert(row.key);
    }
    return keys;
}

QStringList ParameterLines() {
    return kilnward::app::SplitNonEmpty(
        kilnward::app::ReadIniSection(DataFile("Param.ini"), "Parameters", 2047),
        QString(QChar(0)));
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder("%\\d+%");
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

}  // namespace

TEST(ShippedTranslations, CoverEveryKeyTheProgramLooksUp) {
    const QSet<QString> table = KeysOf(ShippedTable());
    QSet<QString> wanted = KeysLookedUpInSources();
    for (const QString& key : RuntimeKeys()) {
        wanted.insert(key);
    }
    for (const QString& line : ParameterLines()) {
        const QString id = kilnward::app::SplitNonEmpty(line.section('=', 1), ",").value(0);
        wanted.insert("gas:" + id.trimmed());
    }
    // The fixed keys of the start-up, document and transfer texts.
    for (const char* key : {"loadlangman",
                            "done",
                            "CompanyName",
                            "wrongfiletype",
                            "arechanged",
                            "Areyousure",
                            "request",
                            "savethem",
                            "Error message",
                            "None",
                            "smnuaboutabout",
                            "sfrmAbout",
                            "tipfile",
                            "tipnotfound",
                            "itemnotavail",
                            "Getconfdata",
                            "Sendconfdata",
                            "Setclock",
                            "getop",
                            "sendop1",
                            "sendop2",
                            "setclockop",
                            "getopdone",
                            "getopfail",
                            "sendopdone",
                            "sendopfail",
                            "setclockdone",
                            "setclockfail",
                            "msg_ErrorOpeningcommport",
                            "abort",
                            "close"}) {
        wanted.insert(key);
    }
    QStringList missing;
    for (const QString& key : wanted) {
        if (!table.contains(key)) {
            missing << key;
        }
    }
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << "missing keys: " << missing.join(", ").toStdString();
}

TEST(ShippedTranslations, EveryLanguageHasEveryTextWithTheSamePlaceholders) {
    const TranslationTable table = ShippedTable();
    EXPECT_EQ(table.languages,
              QStringList({"English", "Italiano", "Deutsch", "Français", "Español"}));
    for (const auto& row : table.rows) {
        ASSERT_EQ(row.cells.size(), 5u) << row.key.toStdString();
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            EXPECT_FALSE(row.cells[i].isEmpty()) << row.key.toStdString() << " column " << i;
            EXPECT_EQ(Placeholders(row.cells[i]), Placeholders(row.cells[0]))
                << row.key.toStdString() << " column " << i;
        }
    }
}

TEST(ShippedTranslations, AFileKindNamedInAMessageDoesNotRepeatAWord) {
    const TranslationTable table = ShippedTable();
    const auto row = [&table](const QString& key) {
        for (const auto& r : table.rows) {
            if (r.key == key) {
                return r.cells;
            }
        }
        return std::vector<QString>();
    };
    static const QRegularExpression nonWord("[^\\w']+");
    const std::vector<QString> message = row("defaultdamaged");
    ASSERT_EQ(message.size(), 5u);
    for (const char* tag : {"Kcfg", "Kfue", "Khdr", "Klaw", "Ksrv"}) {
        const std::vector<QString> caption = row(QString(tag) + "filetype");
        ASSERT_EQ(caption.size(), 5u) << tag;
        for (std::size_t language = 0; language < 5; ++language) {
            QString text = message[language];
            text.replace("%2%", caption[language]);
            const QStringList words = text.toCaseFolded().split(nonWord, Qt::SkipEmptyParts);
            for (qsizetype i = 1; i < words.size(); ++i) {
                EXPECT_NE(words[i], words[i - 1]) << text.toStdString();
            }
        }
    }
}

TEST(ShippedTranslations, EnglishParameterNamesMatchTheCatalogue) {
    const TranslationTable table = ShippedTable();
    for (const QString& line : ParameterLines()) {
        const QString name = line.section('=', 0, 0).trimmed();
        const QString id = line.section('=', 1).section(',', 0, 0).trimmed();
        const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                      [&](const auto& r) { return r.key == "gas:" + id; });
        ASSERT_NE(row, table.rows.end()) << id.toStdString();
        EXPECT_EQ(row->cells[0], name);
    }
}

TEST(ShippedTranslations, BuiltDatabaseTranslatesInEveryLanguage) {
    const QString bin = kilnward::test::BinFolder();
    kilnward::app::ScriptedPrompts prompts;
    kilnward::language::LanguageManager manager(prompts);
    ASSERT_TRUE(manager.OpenLanguageDataBase(bin + "/Language.mdb", false));
    ASSERT_EQ(manager.LanguageCount(), 5);
    QStringList tipFiles;
    for (int i = 0; i < manager.LanguageCount(); ++i) {
        manager.SetLanguageIndex(i);
        tipFiles << manager.TranslateString("tipfile", "TIPENG.TXT");
    }
    EXPECT_EQ(tipFiles,
              QStringList({"TIPENG.TXT", "TIPITA.TXT", "TIPDEU.TXT", "TIPFRA.TXT", "TIPESP.TXT"}));
    for (const QString& name : tipFiles) {
        EXPECT_TRUE(QFileInfo(bin + "/" + name).isFile()) << name.toStdString();
    }
    EXPECT_TRUE(prompts.records().empty());
}

TEST(ShippedTranslations, LinkErrorsReadAsTheLinkWritesThemAndAreFilledInEveryLanguage) {
    const std::vector<wirelink::WLink_errors> errors = LinkErrors();
    EXPECT_EQ(errors.size(), 29u);
    kilnward::app::ScriptedPrompts prompts;
    kilnward::language::LanguageManager manager(prompts);
    ASSERT_TRUE(manager.OpenLanguageDataBase(kilnward::test::BinFolder() + "/Language.mdb", false));
    kilnward::documents::MessageBoxes boxes(prompts, manager);
    const wirelink::ErrorContext context{
        .addr = 0x2B, .type = 0x0E, .cmdh = 0x81, .cmdl = 0x07, .code = 0x5C};
    static const QRegularExpression placeholder("%\\d+%");
    for (int language = 0; language < manager.LanguageCount(); ++language) {
        manager.SetLanguageIndex(language);
        for (const auto error : errors) {
            if (error == wirelink::WLink_errors::WLerr_abortsend) {
                continue;  // never shown
            }
            prompts.clear();
            kilnward::transfer::ReportTransferError(wirelink::Error(error, context), boxes);
            ASSERT_EQ(prompts.messages().size(), 1u);
            const QString shown = prompts.messages().front();
            const std::string english = wirelink::ErrorText(error, context);
            EXPECT_FALSE(shown.contains(placeholder)) << shown.toStdString();
            if (language == 0) {
                EXPECT_EQ(shown.toStdString(), english + ".");
            } else {
                EXPECT_NE(shown.toStdString(), english + ".") << "language " << language;
            }
            // Whatever the language, the bytes the message names are shown.
            const QString englishText = QString::fromStdString(english);
            for (const char* bytes : {"2B", "8107", "0E", "5C"}) {
                EXPECT_EQ(shown.contains(bytes), englishText.contains(bytes))
                    << bytes << " in " << shown.toStdString();
            }
        }
    }
}

TEST(ShippedTips, EveryLanguageHasTheSameTipsAsUtf8Lines) {
    int englishLines = 0;
    for (const char* name :
         {"TIPENG.TXT", "TIPITA.TXT", "TIPDEU.TXT", "TIPFRA.TXT", "TIPESP.TXT"}) {
        QFile file(DataFile(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(bytes);
        EXPECT_FALSE(utf8.hasError()) << name;
        const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        EXPECT_GE(lines.size(), 15) << name;
        if (englishLines == 0) {
            englishLines = static_cast<int>(lines.size());
        }
        EXPECT_EQ(lines.size(), englishLines) << name;
    }
}

TEST(ShippedTips, MenusAreReferredToByTheirCaptions) {
    const TranslationTable table = ShippedTable();
    const char* tipFiles[] = {"TIPENG.TXT", "TIPITA.TXT", "TIPDEU.TXT", "TIPFRA.TXT", "TIPESP.TXT"};
    const auto plain = [](QString caption) {
        caption.remove('&');
        return caption.endsWith("...") ? caption.chopped(3) : caption;
    };
    for (std::size_t language = 0; language < std::size(tipFiles); ++language) {
        QStringList barMenus;
        QStringList entries;
        for (const auto& row : table.rows) {
            const QString caption = plain(row.cells[language]);
            if (QStringList({"frmMain!mnufile", "frmMain!mnudata", "frmMain!mnuconfigure",
                             "frmMain!mnuinstrument"})
                    .contains(row.key)) {
                barMenus << caption;
            } else if (row.key.startsWith("frmMain!mnu")) {
                entries << caption;
            }
        }
        QFile file(DataFile(tipFiles[language]));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        int references = 0;
        // "Menu > Entry": the menu's caption before, an entry's caption after.
        for (qsizetype at = text.indexOf(" > "); at >= 0; at = text.indexOf(" > ", at + 3)) {
            ++references;
            const QString before = text.left(at);
            const QString after = text.mid(at + 3);
            EXPECT_TRUE(std::any_of(barMenus.begin(), barMenus.end(),
                                    [&](const QString& menu) { return before.endsWith(menu); }))
                << tipFiles[language] << ": " << before.right(30).toStdString();
            EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                                    [&](const QString& entry) { return after.startsWith(entry); }))
                << tipFiles[language] << ": " << after.left(30).toStdString();
        }
        EXPECT_GE(references, 5) << tipFiles[language];
        // The model menu is the Instrument menu.
        EXPECT_TRUE(text.contains(barMenus.last())) << tipFiles[language];
    }
}

TEST(ShippedCatalogue, ParametersAndModels) {
    kilnward::app::EnglishTranslator english;
    const int count = kilnward::app::LoadParameterCatalogue(english, DataFile("Param.ini"));
    EXPECT_GE(count, 30);
    EXPECT_EQ(count, ParameterLines().size());  // no line is malformed
    const auto& table = kilnward::app::ParamTable();
    EXPECT_EQ(table[0].Id, 0);
    EXPECT_EQ(table[0].Name, "None");
    EXPECT_EQ(table[0].IconKey, "empty");
    QSet<int> ids;
    for (int i = 0; i < count; ++i) {
        EXPECT_FALSE(ids.contains(table[i].Id)) << "identifier " << int(table[i].Id) << " twice";
        ids.insert(table[i].Id);
    }
    kilnward::app::LoadInstrumentList({}, DataFile("Param.ini"));
    std::vector<int> models;
    for (const auto& entry : kilnward::app::InstrumentList()) {
        models.push_back(entry.Id);
    }
    EXPECT_EQ(models, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16, 19, 20}));
}

TEST(ShippedCatalogue, EveryIconKeyHasAnImage) {
    kilnward::app::EnglishTranslator english;
    const int count = kilnward::app::LoadParameterCatalogue(english, DataFile("Param.ini"));
    QStringList keys{"overlay", "empty", "endlist"};
    for (int i = 0; i < count; ++i) {
        keys << kilnward::app::ParamTable()[i].IconKey;
    }
    for (const QString& key : keys) {
        QFile file(DataFile("icons/" + key + ".svg"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << key.toStdString();
        EXPECT_TRUE(file.readAll().contains("<svg")) << key.toStdString();
    }
}
