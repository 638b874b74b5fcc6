#include "ui/acquire/PictureReader.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstdint>

#include "formats/FileIo.h"
#include "formats/PictureFile.h"
#include "ui/files/NativePath.h"

namespace gs::ui {
namespace {

using Result = Outcome<RgbaImage>;

bool IsMetafile(const QString& path, const std::vector<std::uint8_t>& head) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf")) return true;
  auto at = [&](std::size_t i) { return i < head.size() ? head[i] : std::uint8_t{0}; };
  // A placeable metafile's key, or an enhanced metafile's header record with " EMF".
  if (at(0) == 0xD7 && at(1) == 0xCD && at(2) == 0xC6 && at(3) == 0x9A) return true;
  return at(0) == 1 && at(1) == 0 && at(2) == 0 && at(3) == 0 && at(40) == ' ' && at(41) == 'E' && at(42) == 'M' &&
         at(43) == 'F';
}

// Why a picture of w × h pixels is too large to hold; empty when it is not.
std::string TooLarge(std::int64_t w, std::int64_t h) {
  const auto size = std::to_string(w) + " × " + std::to_string(h) + " pixels";
  if (w > kPictureLimits.maxSide || h > kPictureLimits.maxSide)
    return "the picture is " + size + "; at most " + std::to_string(kPictureLimits.maxSide) +
           " pixels on a side can be opened";
  if (static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) * 4 > kPictureLimits.maxDecodedBytes)
    return "the picture is " + size + ", more than " + std::to_string(kPictureLimits.maxDecodedBytes >> 20) +
           " MiB to hold";
  return {};
}

std::string Lowered(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toLower();
  return ToNative(text);
}

}  // namespace

Outcome<RgbaImage> ReadPicture(const QString& path) {
  // Refuses what is not a regular file before anything opens it.
  const auto head = ReadFileHead(ToNative(path), 44);
  if (!head) return Result::Failure(head.Reason());
  if (IsMetafile(path, *head)) return Result::Failure("it is a Windows metafile, which cannot be drawn here");
  if (static_cast<std::uint64_t>(QFileInfo(path).size()) > kMaxPictureFileSize)
    return Result::Failure(FileTooLargeReason(kMaxPictureFileSize));

  // Qt's own guard, for formats that only reveal their size while decoding.
  QImageReader::setAllocationLimit(static_cast<int>(kPictureLimits.maxDecodedBytes >> 20));
  QImageReader reader(path);
  reader.setAutoTransform(true);
  if (const QSize stated = reader.size(); stated.isValid()) {
    if (std::string why = TooLarge(stated.width(), stated.height()); !why.empty()) return Result::Failure(why);
  }
  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    const QString why = reader.errorString();
    return Result::Failure(why.isEmpty() ? std::string("it cannot be read as a picture") : Lowered(why));
  }
  if (std::string why = TooLarge(image.width(), image.height()); !why.empty()) return Result::Failure(why);

  image.convertTo(QImage::Format_ARGB32);
  RgbaImage out{image.width(), image.height(), {}};
  out.pixels.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint32_t* to = out.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width());
    // QRgb is 0xAARRGGBB; the core keeps red in the low byte.
    for (int x = 0; x < image.width(); ++x)
      to[x] = WithAlpha(Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x])), qAlpha(row[x]));
  }
  return out;
}

}  // namespace gs::ui
