#include "acquire/IconExtract.h"

#include "acquire/IconSource.h"
#include "formats/IconFit.h"
#include "formats/IconReader.h"

namespace gs {
namespace {

// Every pixel of `picture` is either the icon's colour or, where the icon is
// transparent, already the transparent colour: taking it whole is filling the
// image with the transparent colour and drawing the icon's opaque pixels.
void PutPicture(Document& doc, const Surface& picture) {
  doc.WorkingImage = picture;
  doc.Modified = false;
  doc.BeginNewPicture();
}

}  // namespace

Outcome<Surface> IconCellPicture(std::span<const std::uint8_t> ico, Colour transparent) {
  auto read = ReadIconImage(ico, transparent);
  if (!read) return Outcome<Surface>::Failure(read.Reason());
  return std::move(read->image);
}

Outcome<void> ExtractIconToImage(Document& doc, const std::string& path, int index) {
  using Result = Outcome<void>;
  if (path.empty()) return Result::Failure("no file is chosen");
  auto source = ReadIconSource(path);
  if (!source) return Result::Failure(source.Reason());
  if (std::string why = source->WhyNoIcon(index); !why.empty()) return Result::Failure(why);
  const SourceIcon& icon = source->icons[static_cast<std::size_t>(index)];
  auto picture = IconCellPicture(icon.ico, doc.TransparentColor);
  if (!picture) {
    // A program's icons need naming; an icon file is its one icon.
    if (source->kind == IconSourceKind::Program) return Result::Failure("icon " + icon.name.Text() + ": " + picture.Reason());
    return Result::Failure(picture.Reason());
  }
  PutPicture(doc, *picture);
  return {};
}

Outcome<Surface> AssociatedIconPicture(const RgbaImage& picture, Colour transparent) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
    return Outcome<Surface>::Failure("the desktop has no icon for its type");
  return FitImageToIcon(picture, transparent).image;
}

Outcome<void> TakeAssociatedIcon(Document& doc, const RgbaImage& picture) {
  auto fitted = AssociatedIconPicture(picture, doc.TransparentColor);
  if (!fitted) return Outcome<void>::Failure(fitted.Reason());
  PutPicture(doc, *fitted);
  return {};
}

}  // namespace gs
