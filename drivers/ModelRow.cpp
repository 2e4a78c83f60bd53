#include "drivers/ModelRow.h"

#include <array>
#include <stdexcept>
#include <string>

#include "drivers/ModelIds.h"

namespace kilnward::drivers {

namespace {

// The one place the models differ.
constexpr std::array<ModelRow, 10> kModelTable = {{
    {"Harrier520prot", model_id::kHarrier520, "Harrier 520", false, 16384},
    {"Harrier530prot", model_id::kHarrier530, "Harrier 530", true, 16384},
    {"Harrier540prot", model_id::kHarrier540, "Harrier 540", true, 16384},
    {"Harrier560prot", model_id::kOsprey560, "Osprey 560", true, 32768},
    {"Harrier580prot", model_id::kKestrel580, "Kestrel 580", true, 32768},
    {"Harrier520Pprot", model_id::kHarrier520Plus, "Harrier 520 Plus", true, 65536},
    {"Harrier510PTprot", model_id::kHarrier510PT, "Harrier 510 PT", true, 65536},
    {"Harrier530MKIII", model_id::kHarrier530MkIII, "Harrier 530 MKIII", true, 16384},
    {"Harrier530MKIII_R", model_id::kMerlin7, "Merlin-7 (Tallis)", true, 16384},
    {"Merlin7H", model_id::kMerlin7H, "Merlin-7H (Tallis)", true, 65536},
}};

}  // namespace

const ModelRow* FindModelRow(std::uint8_t id) {
    for (const ModelRow& row : kModelTable) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

const ModelRow& ModelRowOf(std::uint8_t id) {
    const ModelRow* row = FindModelRow(id);
    if (row == nullptr) {
        throw std::logic_error("no model row for type code " + std::to_string(id));
    }
    return *row;
}

std::vector<std::uint8_t> KnownModelIds() {
    std::vector<std::uint8_t> ids;
    for (const ModelRow& row : kModelTable) {
        ids.push_back(row.id);
    }
    return ids;
}

}  // namespace kilnward::drivers
