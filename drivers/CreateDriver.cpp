#include "drivers/CreateDriver.h"

#include "drivers/Harrier510PTprot.h"
#include "drivers/Harrier520Pprot.h"
#include "drivers/Harrier520prot.h"
#include "drivers/Harrier530MKIII.h"
#include "drivers/Harrier530MKIII_R.h"
#include "drivers/Harrier530prot.h"
#include "drivers/Harrier540prot.h"
#include "drivers/Harrier560prot.h"
#include "drivers/Harrier580prot.h"
#include "drivers/Merlin7H.h"

namespace kilnward::drivers {

std::unique_ptr<InstrumentDriver> CreateDriver(std::uint8_t id) {
    switch (id) {
        case Harrier520prot::kTypeCode:
            return std::make_unique<Harrier520prot>();
        case Harrier530prot::kTypeCode:
            return std::make_unique<Harrier530prot>();
        case Harrier540prot::kTypeCode:
            return std::make_unique<Harrier540prot>();
        case Harrier560prot::kTypeCode:
            return std::make_unique<Harrier560prot>();
        case Harrier580prot::kTypeCode:
            return std::make_unique<Harrier580prot>();
        case Harrier520Pprot::kTypeCode:
            return std::make_unique<Harrier520Pprot>();
        case Harrier510PTprot::kTypeCode:
            return std::make_unique<Harrier510PTprot>();
        case Harrier530MKIII::kTypeCode:
            return std::make_unique<Harrier530MKIII>();
        case Harrier530MKIII_R::kTypeCode:
            return std::make_unique<Harrier530MKIII_R>();
        case Merlin7H::kTypeCode:
            return std::make_unique<Merlin7H>();
        default:
            return nullptr;
    }
}

}  // namespace kilnward::drivers
