#include "transfer/LinkSetup.h"

#include "transfer/LinkSettings.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

void ApplyLinkSettings(wirelink::Wirelink& link, const LinkSettings& settings) {
    link.setInfrared(settings.useInfrared);
    link.setBaudRate(settings.baudRate.toStdString());
    link.setComPort(settings.serialPort);
    link.setPortName(settings.portName.toStdString());
}

}  // namespace kilnward::transfer
