#include "cli/ModelOption.h"
#include "cli/CliOutput.h"

#include <QTextStream>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "cli/CliCommand.h"
#include "cli/ProgramDirOption.h"
#include "drivers/CreateDriver.h"
#include "drivers/DriverError.h"

namespace kilnward::cli {

void ModelOption::addTo(QCommandLineParser& parser) {
    parser.addOption({"model",
                      "Analyser type code (default: the stored model, else 10). Unless "
                      "--infrared or --cable is given, the model also decides whether the "
                      "port has an infrared adapter.",
                      "ID"});
    ProgramDirOption::addTo(parser);
}

bool ModelOption::read(const QCommandLineParser& parser, LinkOptions& link, QString& error) {
    std::optional<QString> programDir;
    if (!ProgramDirOption::read(parser, programDir, error)) {
        return false;
    }
    if (programDir) {
        app::ProgramFolder::set(*programDir);
    }
    uint id = app::ReadSelectedInstrumentIdSetting();
    QString origin = QStringLiteral("stored model");
    if (parser.isSet("model")) {
        bool ok = false;
        id = parser.value("model").toUInt(&ok);
        origin = QStringLiteral("--model");
        if (!ok || id > 255) {
            error = QStringLiteral("--model wants a type code from 0 to 255");
            return false;
        }
    }
    driver = drivers::CreateDriver(static_cast<std::uint8_t>(id));
    if (!driver) {
        error = QStringLiteral("%1 %2 is no known analyser model").arg(origin).arg(id);
        return false;
    }
    link.followModel(parser, driver->Use_Infrared());
    return true;
}

int ModelOption::runOnLink(const LinkOptions& link,
                           const std::function<int(drivers::InstrumentDriver&)>& body) const {
    int exitCode = kExitOk;
    const int linkExit = link.runOnLink(driver->Instrument_ID(), [&](wirelink::Wirelink& wlink) {
        // The link control dies with runOnLink; the driver must not keep it, whatever happens.
        struct Detach {
            drivers::InstrumentDriver& attached;
            ~Detach() { attached.linktowirelinkctrl(nullptr); }
        } detach{*driver};
        driver->linktowirelinkctrl(&wlink);
        try {
            exitCode = body(*driver);
        } catch (const drivers::DriverError& error) {
            CliOutput::error(QString::fromUtf8(error.what()));
            exitCode = kExitFailure;
        }
    });
    return linkExit != kExitOk ? linkExit : exitCode;
}

}  // namespace kilnward::cli
