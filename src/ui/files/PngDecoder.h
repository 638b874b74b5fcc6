#pragma once
// PNG-compressed icon entries are decoded by Qt's image reader; the core's icon
// reader asks through this function when it meets one.

#include <cstdint>
#include <optional>
#include <span>

#include "formats/RgbaImage.h"

namespace gs::ui {

std::optional<RgbaImage> DecodePngWithQt(std::span<const std::uint8_t> png);

}  // namespace gs::ui
