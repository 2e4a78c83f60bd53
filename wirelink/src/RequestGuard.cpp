#include "RequestGuard.h"

#include "wirelink/Errors.h"

namespace wirelink {

RequestGuard::RequestGuard(bool& running, std::uint8_t addr) : running_(running) {
    if (running_) {
        ErrorContext context;
        context.addr = addr;
        throw Error(WLink_errors::WLerr_requestinprogress, context);
    }
    running_ = true;
}

}  // namespace wirelink
