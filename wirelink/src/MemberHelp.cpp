#include "wirelink/MemberHelp.h"

#include <array>
#include <utility>

namespace wirelink {

std::string_view MemberHelp(std::string_view member) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 20> kHelp{{
        {"RaiseErrors", "Turns On/Off the error event raising."},
        {"BaudRate", "Sets the serial communication rate."},
        {"Infrared", "Set/Reset the use of infrared interface."},
        {"ComPort", "Returns/sets the communications port number."},
        {"BusyTimeout", "Defines the maximum time to wait for a Busy condition in seconds."},
        {"PermitsEvents",
         "If set to True permits events handling in the user application during "
         "communication."},
        {"LastRcvFrame", "Read the buffer for the last Rx frame request."},
        {"Defineflow", "Open the data flow for the requested instrument address and type."},
        {"Checkflow", "Check if the flow is already defined."},
        {"Releaseflow", "Close the data flow for the requested instrument address."},
        {"CancelSendFrame",
         "Cancel the in progress communication if the PermitsEvents property is set to True."},
        {"SendFrame", "Used to requires data to the instrument."},
        {"SendTXFrame_wresponse", "Used to set data to the instrument with a response request."},
        {"FlowIsConnected", "Get the communication status of the requested instrument address."},
        {"SetFlowConnected", "Set the flow to connected status."},
        {"OpenCom", "Opens the serial settings using ComPort and BaudRate properties."},
        {"CloseCom", "Closes the serial communication for all the flows."},
        {"RefreshCom", "Change the serial settings using ComPort and BaudRate properties."},
        {"Appendtobuff", "Appends data to your Variant array."},
        {"FrameCompletedOK", "Raised when the communication completed with no errors."},
    }};
    for (const auto& [name, text] : kHelp) {
        if (name == member) {
            return text;
        }
    }
    return {};
}

}  // namespace wirelink
