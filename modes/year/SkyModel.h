#pragma once

#include <array>
#include <string_view>

#include "model/CaseKinds.h"

// How the diffuse sky is spread over its directions.
enum class SkyModel { Isotropic, Perez };

// The model's word in the batch's --sky and in project files.
struct SkyModelNames {
    SkyModel sky;
    std::string_view option;
};

inline constexpr std::array<SkyModelNames, 2> SkyModelTable = {{
    {SkyModel::Perez, "perez"},
    {SkyModel::Isotropic, "isotropic"},
}};

inline constexpr const SkyModelNames& NamesOf(SkyModel sky) {
    return RowOf(SkyModelTable, &SkyModelNames::sky, sky);
}
