// Arbitrary settings texts: parsing never fails other than by refusing, and what it
// accepts is within the limits it promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "wirelink/LineSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto settings = wirelink::ParseLineSettings(text)) {
        if (settings->baudRate <= 0 || settings->dataBits < 5 || settings->dataBits > 8) {
            std::abort();
        }
    }
    return 0;
}
