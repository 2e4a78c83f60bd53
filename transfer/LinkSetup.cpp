#include "transfer/LinkSetup.h"

#include "transfer/LinkSettings.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

void ApplyLinkSettings(wirelink::Wirelink& link, const LinkSettings& settings) {
    link.setInfrared(settings.useInfrared);
    link.setBaudRate(settings.baudRate.toStdString());
    link.setComPort(settings.serialPort);
    link.setPortName(settings.portName.toStdString());
}

QString PortPath(const LinkSettings& settings) {
    return settings.portName.isEmpty()
               ? QString::fromStdString(
                     wirelink::QtSerialCommPort::PlatformPortName(settings.serialPort))
               : settings.portName;
}

ConnectionProblem ClassifyLinkFailure(std::optional<std::int32_t> code,
                                      const LinkSettings& settings) {
    return ClassifyConnectionFailure(code, PortAccessDenied(PortPath(settings)));
}

}  // namespace kilnward::transfer
