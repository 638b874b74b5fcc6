#include "formats/IconHeaders.h"

#include <cassert>

namespace gs {

IconDir ReadIconDir(ByteReader& r) {
  IconDir h;
  h.idReserved = r.U16();
  h.idType = r.U16();
  h.idCount = r.U16();
  return h;
}

IconDirEntry ReadIconDirEntry(ByteReader& r) {
  IconDirEntry e;
  e.bWidth = r.U8();
  e.bHeight = r.U8();
  e.bColorCount = r.U8();
  e.bReserved = r.U8();
  e.wPlanes = r.U16();
  e.wBitCount = r.U16();
  e.dwBytesInRes = r.U32();
  e.dwImageOffset = r.U32();
  return e;
}

BitmapInfoHeader ReadBitmapInfoHeader(ByteReader& r) {
  BitmapInfoHeader h;
  h.biSize = r.U32();
  h.biWidth = r.I32();
  h.biHeight = r.I32();
  h.biPlanes = r.U16();
  h.biBitCount = r.U16();
  h.biCompression = r.U32();
  h.biSizeImage = r.U32();
  h.biXPelsPerMeter = r.I32();
  h.biYPelsPerMeter = r.I32();
  h.biClrUsed = r.U32();
  h.biClrImportant = r.U32();
  return h;
}

void WriteIconDir(ByteWriter& w, const IconDir& h) {
  [[maybe_unused]] const auto start = w.Size();
  w.U16(h.idReserved);
  w.U16(h.idType);
  w.U16(h.idCount);
  assert(w.Size() - start == sizeof(IconDir));
}

void WriteIconDirEntry(ByteWriter& w, const IconDirEntry& e) {
  [[maybe_unused]] const auto start = w.Size();
  w.U8(e.bWidth);
  w.U8(e.bHeight);
  w.U8(e.bColorCount);
  w.U8(e.bReserved);
  w.U16(e.wPlanes);
  w.U16(e.wBitCount);
  w.U32(e.dwBytesInRes);
  w.U32(e.dwImageOffset);
  assert(w.Size() - start == sizeof(IconDirEntry));
}

void WriteBitmapInfoHeader(ByteWriter& w, const BitmapInfoHeader& h) {
  [[maybe_unused]] const auto start = w.Size();
  w.U32(h.biSize);
  w.I32(h.biWidth);
  w.I32(h.biHeight);
  w.U16(h.biPlanes);
  w.U16(h.biBitCount);
  w.U32(h.biCompression);
  w.U32(h.biSizeImage);
  w.I32(h.biXPelsPerMeter);
  w.I32(h.biYPelsPerMeter);
  w.U32(h.biClrUsed);
  w.U32(h.biClrImportant);
  assert(w.Size() - start == sizeof(BitmapInfoHeader));
}

}  // namespace gs
