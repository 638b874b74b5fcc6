#pragma once
// Reading numbers out of the dialogs' free text fields.

#include <string_view>

namespace gs {

// The widest value a typed field yields; larger numbers are clipped to it so
// that a stray keystroke cannot make an operation allocate or loop without end.
inline constexpr int kFieldNumberLimit = 32767;

// Reads the leading numeric part of `text` (blanks first, an optional sign,
// digits with an optional fraction and exponent), rounded to a whole number
// with halves to even and clipped to ±kFieldNumberLimit. Text without a
// number reads as 0.
int ReadFieldNumber(std::string_view text);

}  // namespace gs
