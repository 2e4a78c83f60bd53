#include "transfer/LinkSetup.h"

#include "app/SerialSettings.h"
#include "transfer/LinkSettings.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

LinkSettings LinkSettingsOf(const app::SerialSettings& settings) {
    LinkSettings link;
    link.useInfrared = settings.useInfrared;
    link.baudRate = settings.baudRate;
    link.serialPort = settings.port.number();
    link.portName = settings.port.path();
    link.addr = settings.address;
    link.verifyAfterSend = settings.verifyAfterSend;
    return link;
}

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
