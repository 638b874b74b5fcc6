#include "filters/TextStamp.h"

#include <algorithm>
#include <cctype>

namespace gs {

int PreferredFaceIndex(const std::vector<std::string>& faces, const std::string& preferred) {
  auto same = [&](const std::string& face) {
    return std::equal(face.begin(), face.end(), preferred.begin(), preferred.end(), [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
  };
  const auto found = std::find_if(faces.begin(), faces.end(), same);
  return found == faces.end() ? 0 : static_cast<int>(found - faces.begin());
}

}  // namespace gs
