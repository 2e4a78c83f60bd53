// Arbitrary bytes as Param.ini: the parameter catalogue and the instrument list load without
// failing, within their tables' bounds, with the end marker in place.
#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "tests/support/FileBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    static kilnward::app::EnglishTranslator translator;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Param.ini"));
    kilnward::test::WriteBytes(
        path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const int count = kilnward::app::LoadParameterCatalogue(translator, path);
    kilnward::app::LoadInstrumentList({}, path);
    const auto& table = kilnward::app::ParamTable();
    if (count < 1 || count > 256 || table[255].Id != 255) {
        std::abort();
    }
    return 0;
}
