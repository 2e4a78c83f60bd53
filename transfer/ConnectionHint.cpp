#include "transfer/ConnectionHint.h"

#include <QFile>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "wirelink/Errors.h"
#include "wirelink/PortErrors.h"

namespace kilnward::transfer {

namespace {

using wirelink::PortError;
using wirelink::StatusOf;
using wirelink::WLink_errors;

bool Is(std::int32_t code, PortError error) {
    return code == static_cast<std::int32_t>(error);
}

bool Is(std::int32_t code, WLink_errors error) {
    return code == StatusOf(error);
}

}  // namespace

ConnectionProblem ClassifyConnectionFailure(std::optional<std::int32_t> code, bool accessDenied) {
    if (!code) {
        return ConnectionProblem::Other;
    }
    const std::int32_t c = *code;
    if (Is(c, PortError::InvalidPortNumber)) {
        return ConnectionProblem::PortMissing;
    }
    if (Is(c, PortError::HardwareNotAvailable) || Is(c, PortError::PortAlreadyOpen)) {
        return accessDenied ? ConnectionProblem::PermissionDenied : ConnectionProblem::PortInUse;
    }
    if (Is(c, PortError::NotASerialPort)) {
        return ConnectionProblem::NotASerialPort;
    }
    if (Is(c, WLink_errors::WLerr_timeouterror) || Is(c, WLink_errors::WLerr_DSRerror)) {
        return ConnectionProblem::NoAnswer;
    }
    if (Is(c, WLink_errors::WLerr_nakerror) || Is(c, WLink_errors::WLerr_checksumerror) ||
        Is(c, WLink_errors::WLerr_hardwareerror)) {
        return ConnectionProblem::GarbledAnswer;
    }
    if (Is(c, WLink_errors::WLerrFAIL_ID)) {
        return ConnectionProblem::WrongModel;
    }
    if (Is(c, WLink_errors::WLerr_nomodemlines)) {
        return ConnectionProblem::NoModemLines;
    }
    return ConnectionProblem::Other;
}

TransferText ConnectionHint(ConnectionProblem problem) {
    switch (problem) {
        case ConnectionProblem::PortMissing:
            return {"hint_portmissing",
                    "This port does not exist. Check that the adapter is plugged in and choose "
                    "its port from the list."};
        case ConnectionProblem::PermissionDenied:
            return {"hint_permission",
                    "You may not use this port. On Linux, add your user to the 'dialout' group "
                    "(sudo adduser $USER dialout), then log out and in again."};
        case ConnectionProblem::PortInUse:
            return {"hint_portinuse",
                    "The port is in use by another program. Close that program, or choose "
                    "another port."};
        case ConnectionProblem::NotASerialPort:
            return {"hint_notaport", "This is not a serial port. Choose the analyser's port."};
        case ConnectionProblem::NoAnswer:
            return {"hint_noanswer",
                    "The analyser did not answer. Check that it is switched on, its address, "
                    "the baud rate and the infrared adapter (its position and its cable)."};
        case ConnectionProblem::GarbledAnswer:
            return {"hint_garbled",
                    "The answers arrived damaged. Check the baud rate and the cable, and keep "
                    "the infrared adapter close to the analyser."};
        case ConnectionProblem::WrongModel:
            return {"hint_wrongmodel",
                    "An analyser of another model answered. Choose its model in the Instrument "
                    "menu."};
        case ConnectionProblem::NoModemLines:
            return {"hint_nomodemlines",
                    "This port cannot power an infrared adapter. Choose the adapter's port, or "
                    "the cable connection in the serial settings."};
        case ConnectionProblem::Other:
            break;
    }
    return {"", ""};
}

TransferText ConnectionHint(ConnectionProblem problem, bool infrared) {
    if (!infrared && problem == ConnectionProblem::NoAnswer) {
        return {"hint_noanswer_cable",
                "The analyser did not answer. Check that it is switched on, its address, the "
                "baud rate and the cable (both plugs and the port it is plugged into)."};
    }
    if (!infrared && problem == ConnectionProblem::GarbledAnswer) {
        return {"hint_garbled_cable",
                "The answers arrived damaged. Check the baud rate and the cable (its plugs, and "
                "that it runs away from mains cables)."};
    }
    return ConnectionHint(problem);
}

bool PortAccessDenied(const QString& path) {
#if defined(_WIN32)
    Q_UNUSED(path);
    return false;
#else
    const QByteArray name = QFile::encodeName(path);
    return !path.isEmpty() && ::access(name.constData(), F_OK) == 0 &&
           ::access(name.constData(), R_OK | W_OK) != 0;
#endif
}

}  // namespace kilnward::transfer
