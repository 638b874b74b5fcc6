#include "formats/PngImage.h"

#include <spng.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>


namespace gs {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// What libspng may buffer besides the image: metadata chunks (text, colour
// profiles) are small in any real icon.
constexpr std::size_t kMaxChunkBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxChunkCacheBytes = std::size_t{4} << 20;

std::uint32_t BigEndian32(std::span<const std::uint8_t> d, std::size_t at) {
  return (std::uint32_t{d[at]} << 24) | (std::uint32_t{d[at + 1]} << 16) | (std::uint32_t{d[at + 2]} << 8) | d[at + 3];
}

struct ContextDeleter {
  void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

std::string SpngReason(int error) {
  // A buffer that ends early shows up as an I/O end of file.
  if (error == SPNG_IO_EOF || error == SPNG_EOF) return "the PNG image is cut short";
  return std::string("the PNG image cannot be decoded: ") + spng_strerror(error);
}

std::string SizeText(std::uint32_t w, std::uint32_t h) { return std::to_string(w) + " × " + std::to_string(h); }

}  // namespace

int PngHeader::BitsPerPixel() const {
  switch (colourType) {
    case 0: return bitDepth;
    case 2: return 3 * bitDepth;
    case 3: return bitDepth;
    case 4: return 2 * bitDepth;
    case 6: return 4 * bitDepth;
    default: return 0;
  }
}

bool HasPngSignature(std::span<const std::uint8_t> data) {
  return data.size() >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), data.begin());
}

Outcome<PngHeader> ReadPngHeader(std::span<const std::uint8_t> png) {
  using Result = Outcome<PngHeader>;
  if (!HasPngSignature(png)) return Result::Failure("it is not a PNG image");
  // Signature, then the IHDR chunk: length 13, "IHDR", width, height, depth, colour type.
  constexpr std::size_t kIhdrEnd = 8 + 8 + 13;
  if (png.size() < kIhdrEnd) return Result::Failure("the PNG image is cut short");
  if (BigEndian32(png, 8) != 13 || png[12] != 'I' || png[13] != 'H' || png[14] != 'D' || png[15] != 'R')
    return Result::Failure("the PNG image has no header");
  PngHeader h;
  h.width = BigEndian32(png, 16);
  h.height = BigEndian32(png, 20);
  h.bitDepth = png[24];
  h.colourType = png[25];
  return h;
}

Outcome<RgbaImage> DecodePng(std::span<const std::uint8_t> png, const ImageLimits& limits) {
  using Result = Outcome<RgbaImage>;
  // Our own reading of the header first, so that an oversized picture is named
  // by its size rather than by a library error code.
  auto header = ReadPngHeader(png);
  if (!header) return Result::Failure(header.Reason());
  if (header->width > limits.maxSide || header->height > limits.maxSide)
    return Result::Failure("the PNG image is " + SizeText(header->width, header->height) + " pixels, larger than " +
                           SizeText(limits.maxSide, limits.maxSide));

  std::unique_ptr<spng_ctx, ContextDeleter> ctx(spng_ctx_new(0));
  if (!ctx) return Result::Failure("there is not enough memory to decode the PNG image");
  // libspng enforces the same limits again while it reads.
  if (int e = spng_set_image_limits(ctx.get(), limits.maxSide, limits.maxSide)) return Result::Failure(SpngReason(e));
  if (int e = spng_set_chunk_limits(ctx.get(), kMaxChunkBytes, kMaxChunkCacheBytes)) return Result::Failure(SpngReason(e));
  if (int e = spng_set_png_buffer(ctx.get(), png.data(), png.size())) return Result::Failure(SpngReason(e));

  spng_ihdr ihdr{};
  if (int e = spng_get_ihdr(ctx.get(), &ihdr)) return Result::Failure(SpngReason(e));
  if (ihdr.width == 0 || ihdr.height == 0)
    return Result::Failure("the PNG image has an unusable size of " + SizeText(ihdr.width, ihdr.height));
  std::size_t decodedBytes = 0;
  if (int e = spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &decodedBytes)) return Result::Failure(SpngReason(e));
  if (decodedBytes > limits.maxDecodedBytes || decodedBytes != std::size_t{4} * ihdr.width * ihdr.height)
    return Result::Failure("the PNG image would take " + std::to_string(decodedBytes) + " bytes to decode, more than " +
                           std::to_string(limits.maxDecodedBytes));

  RgbaImage out;
  out.width = static_cast<int>(ihdr.width);
  out.height = static_cast<int>(ihdr.height);
  // Decoded straight into the pixels' memory (bytes R, G, B, A per pixel), so a
  // large picture is never held twice.
  out.pixels.resize(decodedBytes / 4);
  auto* bytes = reinterpret_cast<std::uint8_t*>(out.pixels.data());
  if (int e = spng_decode_image(ctx.get(), bytes, decodedBytes, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS))
    return Result::Failure(SpngReason(e));
  // The image can be complete before the last data chunk's CRC and the end
  // chunk are read: read on, so a damaged or cut-short tail is not taken as good.
  if (int e = spng_decode_chunks(ctx.get())) return Result::Failure(SpngReason(e));

  // Bytes R, G, B, A become red in the low byte and alpha in the top one,
  // whatever the host's byte order.
  for (std::size_t i = 0; i < out.pixels.size(); ++i) {
    const std::uint8_t* p = bytes + 4 * i;
    out.pixels[i] = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
  }
  return out;
}

}  // namespace gs
