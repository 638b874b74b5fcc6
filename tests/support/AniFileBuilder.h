#pragma once
// Builds animated cursors chunk by chunk for reader tests: any chunks in any
// order, padded or not, with sizes that may lie.

#include <cstdint>
#include <string_view>
#include <vector>

#include "support/IconFileBuilder.h"

namespace gs::testing {

inline Bytes Cat(const std::vector<Bytes>& parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A chunk: its name, the size (the data's unless given), the data and, when
// `pad` and the data is odd-sized, a zero pad byte.
inline Bytes Chunk(std::string_view id, const Bytes& data, bool pad = true, std::int64_t size = -1) {
  Bytes out;
  ByteWriter w(out);
  w.Text(id);
  w.U32(static_cast<std::uint32_t>(size < 0 ? data.size() : static_cast<std::uint64_t>(size)));
  w.Bytes(data);
  if (pad && (data.size() & 1)) w.U8(0);
  return out;
}

// "LIST" of a type around chunks, or "RIFF" "ACON" around them.
inline Bytes List(std::string_view type, const std::vector<Bytes>& chunks) {
  return Chunk("LIST", Cat({Bytes(type.begin(), type.end()), Cat(chunks)}), false);
}
inline Bytes Riff(const std::vector<Bytes>& chunks, std::int64_t size = -1) {
  const Bytes acon = {'A', 'C', 'O', 'N'};
  return Chunk("RIFF", Cat({acon, Cat(chunks)}), false, size);
}

inline Bytes Anih(std::uint32_t frames, std::uint32_t steps, std::uint32_t rate, std::uint32_t flags = 1) {
  return Chunk("anih", U32s({36, frames, steps, 0, 0, 0, 0, rate, flags}));
}

inline Bytes Fram(const std::vector<Bytes>& frames, bool pad = true) {
  std::vector<Bytes> icons;
  for (const Bytes& f : frames) icons.push_back(Chunk("icon", f, pad));
  return List("fram", icons);
}

}  // namespace gs::testing
