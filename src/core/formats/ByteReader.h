#pragma once
// A little-endian cursor over a byte span that never reads past its end: a read
// that does not fit yields zeros and marks the reader failed, so a header can be
// read field by field and checked once with Ok().

#include <cstddef>
#include <cstdint>
#include <span>

namespace gs {

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
// Written so that no sum can overflow, whatever the operands.
constexpr bool RangeFits(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data, std::size_t offset = 0)
      : data_(data), offset_(offset), ok_(offset <= data.size()) {}

  bool Ok() const { return ok_; }
  std::size_t Offset() const { return offset_; }

  std::uint8_t U8() { return static_cast<std::uint8_t>(Take(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Take(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Take(4)); }
  std::int32_t I32() { return static_cast<std::int32_t>(Take(4)); }

  // The next n bytes, or an empty span (and failure) when fewer remain.
  std::span<const std::uint8_t> Bytes(std::uint64_t n) {
    if (!ok_ || !RangeFits(offset_, n, data_.size())) {
      ok_ = false;
      return {};
    }
    auto out = data_.subspan(offset_, static_cast<std::size_t>(n));
    offset_ += static_cast<std::size_t>(n);
    return out;
  }
  void Skip(std::uint64_t n) { Bytes(n); }

 private:
  std::uint64_t Take(int n) {
    if (!ok_ || !RangeFits(offset_, static_cast<std::uint64_t>(n), data_.size())) {
      ok_ = false;
      return 0;
    }
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint64_t>(data_[offset_ + i]) << (8 * i);
    offset_ += static_cast<std::size_t>(n);
    return v;
  }

  std::span<const std::uint8_t> data_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

}  // namespace gs
