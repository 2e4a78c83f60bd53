// Builds Language.mdb from the translation table's text source at build time:
//   kilnward-langdb TABLE.tsv DATABASE
#include "language/TranslationTable.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: kilnward-langdb TABLE.tsv DATABASE\n";
        return 2;
    }
    kilnward::language::TranslationTable table;
    QString error;
    if (!table.readTsv(arguments[1], &error) || !table.writeDatabase(arguments[2], &error)) {
        err << "kilnward-langdb: " << error << '\n';
        return 1;
    }
    return 0;
}
