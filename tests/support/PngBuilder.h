#pragma once
// Encodes small PNG files for tests with libspng's encoder, in any colour type,
// so the decoder is checked against files the tests made themselves.

#include <spng.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace gs::testing {

struct PngLayout {
  std::uint32_t width = 2, height = 2;
  int colourType = SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
  int bitDepth = 8;
  std::vector<std::uint8_t> pixels{};                    // packed rows as PNG stores them (16-bit samples host-endian), top first
  std::vector<std::array<std::uint8_t, 3>> palette{};    // colour type 3
  std::vector<std::uint8_t> paletteAlpha{};              // tRNS for a palette
  std::optional<std::array<std::uint16_t, 3>> keyColour{};  // tRNS for grey (first value) or RGB
};

inline std::vector<std::uint8_t> EncodePng(const PngLayout& p) {
  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  auto check = [&](int e, const char* what) {
    if (e) {
      spng_ctx_free(ctx);
      throw std::runtime_error(std::string(what) + ": " + spng_strerror(e));
    }
  };
  check(spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1), "buffer");
  spng_ihdr ihdr{p.width, p.height, static_cast<std::uint8_t>(p.bitDepth), static_cast<std::uint8_t>(p.colourType), 0, 0, 0};
  check(spng_set_ihdr(ctx, &ihdr), "ihdr");
  if (!p.palette.empty()) {
    spng_plte plte{};
    plte.n_entries = static_cast<std::uint32_t>(p.palette.size());
    for (std::size_t i = 0; i < p.palette.size(); ++i) plte.entries[i] = {p.palette[i][0], p.palette[i][1], p.palette[i][2], 0};
    check(spng_set_plte(ctx, &plte), "plte");
  }
  if (!p.paletteAlpha.empty() || p.keyColour) {
    spng_trns trns{};
    trns.n_type3_entries = static_cast<std::uint32_t>(p.paletteAlpha.size());
    std::copy(p.paletteAlpha.begin(), p.paletteAlpha.end(), trns.type3_alpha);
    if (p.keyColour) {
      trns.gray = (*p.keyColour)[0];
      trns.red = (*p.keyColour)[0], trns.green = (*p.keyColour)[1], trns.blue = (*p.keyColour)[2];
    }
    check(spng_set_trns(ctx, &trns), "trns");
  }
  check(spng_encode_image(ctx, p.pixels.data(), p.pixels.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE), "encode");
  std::size_t length = 0;
  int error = 0;
  void* buffer = spng_get_png_buffer(ctx, &length, &error);
  check(error, "buffer");
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  std::vector<std::uint8_t> out(bytes, bytes + length);
  std::free(buffer);
  spng_ctx_free(ctx);
  return out;
}

// A w × h RGBA picture whose every pixel is the given R, G, B, A bytes.
inline std::vector<std::uint8_t> SolidRgbaPng(std::uint32_t w, std::uint32_t h, std::array<std::uint8_t, 4> rgba) {
  PngLayout p{.width = w, .height = h};
  for (std::uint32_t i = 0; i < w * h; ++i) p.pixels.insert(p.pixels.end(), rgba.begin(), rgba.end());
  return EncodePng(p);
}

}  // namespace gs::testing
