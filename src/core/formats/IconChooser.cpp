#include "formats/IconChooser.h"

#include <algorithm>
#include <tuple>

namespace gs {

std::vector<int> PreferredIconImages(std::span<const IconEntryInfo> entries) {
  std::vector<int> order;
  for (int depth : {24, 8, 4, 1})
    for (const IconEntryInfo& e : entries)
      if (e.kind == IconEntryKind::Bitmap && e.problem.empty() && e.width == 32 && e.height == 32 &&
          e.bitCount == depth)
        order.push_back(e.index);
  return order;
}

std::vector<int> FallbackImageOrder(std::span<const IconEntryInfo> entries) {
  // Sort key: group (exact, larger, smaller or odd), then the order inside it.
  using Key = std::tuple<int, long long, int, int>;
  std::vector<std::pair<Key, int>> ranked;
  for (const IconEntryInfo& e : entries) {
    if (!e.problem.empty()) continue;
    const long long area = static_cast<long long>(e.width) * e.height;
    Key key;
    if (e.width == 32 && e.height == 32)
      key = {0, 0, -e.bitCount, e.index};
    else if (e.width >= 32 && e.height >= 32)
      key = {1, area, -e.bitCount, e.index};
    else
      key = {2, -area, -e.bitCount, e.index};
    ranked.push_back({key, e.index});
  }
  std::stable_sort(ranked.begin(), ranked.end());
  std::vector<int> order;
  for (const auto& [key, index] : ranked) order.push_back(index);
  return order;
}

}  // namespace gs
