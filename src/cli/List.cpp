#include <ostream>

#include "CliCommands.h"
#include "acquire/IconSource.h"

namespace gs::cli {
namespace {

// A name as one word of the line: as it stands when it is one, else quoted
// with its quotes, backslashes and control characters escaped, so that a
// name can neither break the line nor pass for an ID or two words.
std::string NameWord(const ResourceName& name) {
  if (!name.named) return std::to_string(name.id);
  const std::string& text = name.name;
  bool plain = !text.empty() && text.find_first_not_of("0123456789") != std::string::npos;
  for (unsigned char c : text) plain = plain && c > ' ' && c != '"' && c != '\\' && c != 0x7F;
  if (plain) return text;
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < ' ' || c == 0x7F) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

}  // namespace

int RunList(const ListCommand& command, std::ostream& out, std::ostream& err) {
  auto source = ReadListedIcons(command.path, err, IconDetail::Described);
  if (!source) {
    Complain(err, source.Reason());
    return kExitFailed;
  }
  std::size_t number = 0;
  for (const SourceIcon& icon : source->icons) {
    out << ++number << ' ' << NameWord(icon.name);
    for (const ResourceIconImage& image : icon.images) out << ' ' << image.Text();
    out << '\n';
  }
  return kExitOk;
}

}  // namespace gs::cli
