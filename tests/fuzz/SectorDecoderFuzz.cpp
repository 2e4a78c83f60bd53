// Arbitrary bytes as a configuration sector for every model: the first byte picks the model,
// the rest is the image (cut or padded to the sector's size). Decoding either completes or
// stops with an exception the transfer reports, and no float field ends up NaN or infinite.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "drivers/CreateDriver.h"
#include "drivers/ModelRow.h"
#include "form/NumericItem.h"
#include "tests/fuzz/FuzzSession.h"
#include "transfer/SectorMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kilnward::fuzz::FuzzSession session;
    static const std::vector<std::uint8_t> models = kilnward::drivers::KnownModelIds();
    if (size == 0) {
        return 0;
    }
    const std::uint8_t model = models[data[0] % models.size()];
    auto& window = session.window->window();
    window.setSelectedModel(model, kilnward::drivers::CreateDriver(model));
    window.adaptToInstrument(model);
    auto& driver = *window.currentDriver();
    wirelink::ByteBuffer image(data + 1, data + size);
    image.resize(static_cast<std::size_t>(driver.Configsector_size()), 0);
    try {
        kilnward::transfer::DecodeConfigSector(image, window.form(), driver);
    } catch (const std::exception&) {
        return 0;  // reported by the transfer as a failed receive
    }
    session.prompts.clear();
    for (const kilnward::form::FormItem* item : window.form().items()) {
        if (item->kind() == kilnward::form::ItemKind::Numeric &&
            !std::isfinite(static_cast<const kilnward::form::NumericItem&>(*item).number())) {
            std::abort();
        }
    }
    return 0;
}
