#include "raster/Stretch.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace gs {
namespace {

// One axis of a stretch: for each destination position along the run, the
// source positions that feed it with their weights (weights sum to 1).
struct Tap {
  int source;
  double weight;
};
struct Axis {
  std::vector<int> destPos;               // absolute destination coordinate of run index k
  std::vector<std::vector<Tap>> taps;     // absolute source coordinates feeding it
};

// Nearest-pixel mapping from run index to source run index.
std::vector<int> NearestMap(int d, int s) {
  std::vector<int> map(static_cast<size_t>(d), 0);
  if (d >= s) {
    for (int j = 0; j < d; ++j)
      map[j] = static_cast<int>(((2LL * j + 1) * s - 1) / (2LL * d));
  } else {
    if (d == 1 && s > 1) --s;  // a one-pixel destination drops the last source pixel first
    long long err = 3LL * d - 2LL * s;
    int k = 0;
    for (int i = 0; i < s; ++i) {
      if (k < d) map[k] = i;
      if (err > 0) {
        ++k;
        err += 2LL * d - 2LL * s;
      } else {
        err += 2LL * d;
      }
    }
  }
  return map;
}

// Area weights of source run pixels covering destination run pixel j.
std::vector<Tap> AreaTaps(int j, int d, int s) {
  std::vector<Tap> taps;
  const double lo = static_cast<double>(j) * s / d;
  const double hi = static_cast<double>(j + 1) * s / d;
  for (int i = static_cast<int>(std::floor(lo)); i < static_cast<int>(std::ceil(hi)) && i < s; ++i) {
    const double w = std::min<double>(i + 1, hi) - std::max<double>(i, lo);
    if (w > 1e-12) taps.push_back({i, w / (hi - lo)});
  }
  return taps;
}

Axis MakeAxis(int dOrigin, int dExtent, int sOrigin, int sExtent, StretchMode mode) {
  if (dExtent < 0 && sExtent < 0) {  // both reversed: no mirror, both runs are [x+w, x)
    dOrigin += dExtent;
    dExtent = -dExtent;
    sOrigin += sExtent;
    sExtent = -sExtent;
  }
  const int d = std::abs(dExtent), s = std::abs(sExtent);
  const int dStep = dExtent < 0 ? -1 : 1, sStep = sExtent < 0 ? -1 : 1;
  Axis axis;
  axis.destPos.resize(d);
  axis.taps.resize(d);
  const std::vector<int> nearest = NearestMap(d, s);
  for (int k = 0; k < d; ++k) {
    axis.destPos[k] = dOrigin + dStep * k;
    if (mode == StretchMode::Halftone && d < s) {
      for (const Tap& t : AreaTaps(k, d, s)) axis.taps[k].push_back({sOrigin + sStep * t.source, t.weight});
    } else {
      axis.taps[k].push_back({sOrigin + sStep * nearest[k], 1.0});
    }
  }
  return axis;
}

}  // namespace

void StretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                int sh, StretchMode mode) {
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
  const Axis ax = MakeAxis(dx, dw, sx, sw, mode);
  const Axis ay = MakeAxis(dy, dh, sy, sh, mode);
  // Read from a snapshot so that stretching a surface onto itself (a mirror in
  // place) sees the original pixels.
  const Surface source = &src == &dst ? src : Surface();
  const Surface& from = &src == &dst ? source : src;

  auto singleTaps = [](const Axis& a) {
    for (const auto& t : a.taps)
      if (t.size() != 1) return false;
    return true;
  };
  if (singleTaps(ax) && singleTaps(ay)) {
    // Nearest pixel on both axes: the common case of every view repaint.
    for (size_t ky = 0; ky < ay.destPos.size(); ++ky) {
      const int y = ay.destPos[ky], syy = ay.taps[ky][0].source;
      if (y < 0 || y >= dst.Height() || syy < 0 || syy >= from.Height()) continue;
      const Colour* srow = from.Row(syy);
      Colour* drow = dst.Row(y);
      for (size_t kx = 0; kx < ax.destPos.size(); ++kx) {
        const int x = ax.destPos[kx], sxx = ax.taps[kx][0].source;
        if (x >= 0 && x < dst.Width() && sxx >= 0 && sxx < from.Width()) drow[x] = srow[sxx];
      }
    }
    return;
  }

  for (size_t ky = 0; ky < ay.destPos.size(); ++ky) {
    const int y = ay.destPos[ky];
    if (y < 0 || y >= dst.Height()) continue;
    for (size_t kx = 0; kx < ax.destPos.size(); ++kx) {
      const int x = ax.destPos[kx];
      if (x < 0 || x >= dst.Width()) continue;
      if (ax.taps[kx].size() == 1 && ay.taps[ky].size() == 1) {
        const Colour c = from.GetPixel(ax.taps[kx][0].source, ay.taps[ky][0].source);
        if (c != kInvalidColour) dst.Row(y)[x] = c;
        continue;
      }
      double r = 0, g = 0, b = 0, total = 0;
      for (const Tap& ty : ay.taps[ky])
        for (const Tap& tx : ax.taps[kx]) {
          const Colour c = from.GetPixel(tx.source, ty.source);
          if (c == kInvalidColour) continue;
          const double w = tx.weight * ty.weight;
          r += w * RedOf(c);
          g += w * GreenOf(c);
          b += w * BlueOf(c);
          total += w;
        }
      if (total <= 0) continue;
      dst.Row(y)[x] = Rgb(static_cast<int>(std::lround(r / total)), static_cast<int>(std::lround(g / total)),
                          static_cast<int>(std::lround(b / total)));
    }
  }
}

}  // namespace gs
