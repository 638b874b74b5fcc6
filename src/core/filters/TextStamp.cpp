#include "filters/TextStamp.h"

#include <algorithm>
#include <cctype>

namespace gs {

int PreferredFaceIndex(const std::vector<std::string>& faces, const std::string& preferred,
                       const std::string& fallback) {
  auto indexOf = [&](const std::string& wanted) {
    auto same = [&](const std::string& face) {
      return std::equal(face.begin(), face.end(), wanted.begin(), wanted.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
      });
    };
    const auto found = std::find_if(faces.begin(), faces.end(), same);
    return found == faces.end() ? -1 : static_cast<int>(found - faces.begin());
  };
  if (const int i = indexOf(preferred); i >= 0) return i;
  if (const int i = fallback.empty() ? -1 : indexOf(fallback); i >= 0) return i;
  return 0;
}

}  // namespace gs
