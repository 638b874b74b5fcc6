#pragma once
// Appends little-endian values to a byte buffer; Patch rewrites a value already
// written (the cursor fields of an icon, the sizes of RIFF chunks).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gs {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  std::size_t Size() const { return out_.size(); }

  void U8(std::uint32_t v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(std::uint32_t v) { Put(v, 2); }
  void U32(std::uint32_t v) { Put(v, 4); }
  void I32(std::int32_t v) { Put(static_cast<std::uint32_t>(v), 4); }
  void Bytes(std::span<const std::uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }
  // The characters of a text without a terminator (chunk identifiers, strings
  // whose NUL is part of the literal's length).
  void Text(std::string_view text) { out_.insert(out_.end(), text.begin(), text.end()); }
  void Fill(std::size_t count, std::uint8_t value) { out_.insert(out_.end(), count, value); }

  // Rewrites `bytes` bytes at `offset`, which must already have been written.
  void Patch(std::size_t offset, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes && offset + i < out_.size(); ++i) out_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

 private:
  void Put(std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }

  std::vector<std::uint8_t>& out_;
};

}  // namespace gs
