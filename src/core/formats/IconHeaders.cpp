#include "formats/IconHeaders.h"

#include "formats/HeaderFields.h"

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
  WriteFields<IconDir>(w, h.idReserved, h.idType, h.idCount);
}

void WriteIconDirEntry(ByteWriter& w, const IconDirEntry& e) {
  WriteFields<IconDirEntry>(w, e.bWidth, e.bHeight, e.bColorCount, e.bReserved, e.wPlanes, e.wBitCount,
                            e.dwBytesInRes, e.dwImageOffset);
}

void WriteBitmapInfoHeader(ByteWriter& w, const BitmapInfoHeader& h) {
  WriteFields<BitmapInfoHeader>(w, h.biSize, h.biWidth, h.biHeight, h.biPlanes, h.biBitCount, h.biCompression,
                                h.biSizeImage, h.biXPelsPerMeter, h.biYPelsPerMeter, h.biClrUsed, h.biClrImportant);
}

}  // namespace gs
