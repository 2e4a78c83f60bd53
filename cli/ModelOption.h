#pragma once

#include <QCommandLineParser>
#include <QString>

#include <functional>
#include <memory>

#include "cli/LinkOptions.h"
#include "drivers/InstrumentDriver.h"

namespace kilnward::cli {

// The analyser model a driver command talks through:
//   --model ID          instrument type code (default: the model stored in Config.ini)
//   --program-dir DIR   folder of Config.ini (and the rest of the program folder)
// The model also decides the cable or infrared link unless --infrared or --cable is given.
class ModelOption {
  public:
    static void addTo(QCommandLineParser& parser);
    // Makes the driver of the chosen model and settles link.infrared; false with a message
    // when the model is not one the program has a driver for.
    bool read(const QCommandLineParser& parser, LinkOptions& link, QString& error);

    // Runs `body` with the driver attached to an open link (flow defined for the driver's
    // type code). Link failures print as link errors; a driver's own failure prints its
    // message. Returns the exit code: body's, or 1 after a failure.
    int runOnLink(const LinkOptions& link,
                  const std::function<int(drivers::InstrumentDriver&)>& body) const;

    std::unique_ptr<drivers::InstrumentDriver> driver;
};

}  // namespace kilnward::cli
