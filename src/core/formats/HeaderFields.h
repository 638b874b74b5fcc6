#pragma once
// Packed file headers read and written one field at a time, little-endian
// whatever the host. The fields are named once, in file order, and the build
// checks that their sizes add up to the header's: a field left out, named
// twice or of the wrong width does not compile.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "formats/ByteReader.h"
#include "formats/ByteWriter.h"

namespace gs {

// Writes the values of a header's fields, taken by value (a packed field
// cannot be bound to a reference), in the order given.
template <typename Header, typename... Fields>
void WriteFields(ByteWriter& w, const Fields... fields) {
  static_assert((sizeof(Fields) + ...) == sizeof(Header), "the fields written must fill the header exactly");
  auto write = [&w](const auto& v) {
    using T = std::remove_cvref_t<decltype(v)>;
    if constexpr (!std::is_integral_v<T>)
      w.Bytes(v);  // a byte array
    else if constexpr (sizeof(T) == 1)
      w.U8(v);
    else if constexpr (sizeof(T) == 2)
      w.U16(v);
    else
      w.U32(static_cast<std::uint32_t>(v));
  };
  (write(fields), ...);
}

namespace detail {
template <typename T>
struct FieldOf;
template <typename Header, typename T>
struct FieldOf<T Header::*> {
  using HeaderType = Header;
  using Type = T;
};
template <auto Field>
using FieldType = typename FieldOf<decltype(Field)>::Type;

template <auto Field, typename Header>
void ReadField(ByteReader& r, Header& h) {
  using T = FieldType<Field>;
  if constexpr (std::is_array_v<T>) {
    const auto bytes = r.Bytes(sizeof(T));
    for (std::size_t i = 0; i < bytes.size(); ++i) (h.*Field)[i] = bytes[i];
  } else if constexpr (sizeof(T) == 1) {
    h.*Field = static_cast<T>(r.U8());
  } else if constexpr (sizeof(T) == 2) {
    h.*Field = static_cast<T>(r.U16());
  } else {
    static_assert(sizeof(T) == 4);
    h.*Field = static_cast<T>(r.U32());
  }
}
}  // namespace detail

// Reads a header whose fields are named, in file order, as member pointers:
// ReadFields<&Dir::a, &Dir::b>(r). Every field of these headers lies on its
// own size's boundary inside the header, and the header read into is aligned
// for the widest, so no access is misaligned.
template <auto First, auto... Rest>
typename detail::FieldOf<decltype(First)>::HeaderType ReadFields(ByteReader& r) {
  using Header = typename detail::FieldOf<decltype(First)>::HeaderType;
  static_assert((sizeof(detail::FieldType<First>) + ... + sizeof(detail::FieldType<Rest>)) == sizeof(Header),
                "the fields read must fill the header exactly");
  alignas(4) Header h;
  detail::ReadField<First>(r, h);
  (detail::ReadField<Rest>(r, h), ...);
  return h;
}

}  // namespace gs
