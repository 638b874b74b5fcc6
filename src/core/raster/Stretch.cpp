#include "raster/Stretch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace gs {
namespace {

// A source position and the share of a destination pixel it gives.
struct Tap {
  int source;
  double weight;
};

// One axis of a stretch: the destination coordinate of each run position and
// the source coordinate that feeds it, or, when halftone shrinks, the source
// coordinates with their area weights (summing to 1).
struct Axis {
  std::vector<int> destPos;
  std::vector<int> nearest;
  std::vector<std::vector<Tap>> taps;  // empty unless averaging
};

// Shrinking without averaging: a DDA walks the source and each source pixel
// overwrites the current destination pixel, so the last of each group wins.
// Enlarging needs no table: MakeAxis samples pixel centres directly.
std::vector<int> ShrinkMap(int d, int s) {
  std::vector<int> map(static_cast<size_t>(d), 0);
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
  return map;
}

// Area weights of source run pixels covering destination run pixel j.
std::vector<Tap> AreaTaps(long long j, long long d, long long s) {
  std::vector<Tap> taps;
  const double lo = static_cast<double>(j) * s / d;
  const double hi = static_cast<double>(j + 1) * s / d;
  for (long long i = static_cast<long long>(std::floor(lo)); i < static_cast<long long>(std::ceil(hi)) && i < s; ++i) {
    const double w = std::min<double>(static_cast<double>(i + 1), hi) - std::max<double>(static_cast<double>(i), lo);
    if (w > 1e-12) taps.push_back({static_cast<int>(i), w / (hi - lo)});
  }
  return taps;
}

// Builds one axis for the destination positions inside [0, destLimit) only;
// source positions outside [0, sourceLimit) leave the destination alone when
// sampling and are dropped from averages.
Axis MakeAxis(long long dOrigin, long long dExtent, long long sOrigin, long long sExtent, StretchMode mode,
              int destLimit, int sourceLimit) {
  if (dExtent < 0 && sExtent < 0) {  // both reversed: no mirror, both runs are [x+w, x)
    dOrigin += dExtent;
    dExtent = -dExtent;
    sOrigin += sExtent;
    sExtent = -sExtent;
  }
  const long long d = std::llabs(dExtent), s = std::llabs(sExtent);
  const long long dStep = dExtent < 0 ? -1 : 1, sStep = sExtent < 0 ? -1 : 1;
  const long long kFirst = dStep > 0 ? std::max(0LL, -dOrigin) : std::max(0LL, dOrigin - destLimit + 1);
  const long long kEnd = dStep > 0 ? std::min(d, destLimit - dOrigin) : std::min(d, dOrigin + 1);
  Axis axis;
  if (kFirst >= kEnd) return axis;
  const bool averaging = mode == StretchMode::Halftone && d < s;
  const std::vector<int> shrinkMap =
      d < s ? ShrinkMap(static_cast<int>(d), static_cast<int>(s)) : std::vector<int>();
  for (long long k = kFirst; k < kEnd; ++k) {
    axis.destPos.push_back(static_cast<int>(dOrigin + dStep * k));
    const long long run = d >= s ? ((2 * k + 1) * s - 1) / (2 * d) : shrinkMap[static_cast<size_t>(k)];
    axis.nearest.push_back(
        static_cast<int>(std::clamp(sOrigin + sStep * run, -1LL, static_cast<long long>(sourceLimit))));
    if (!averaging) continue;
    std::vector<Tap> taps;
    for (const Tap& t : AreaTaps(k, d, s)) {
      const long long source = sOrigin + sStep * t.source;
      if (source >= 0 && source < sourceLimit) taps.push_back({static_cast<int>(source), t.weight});
    }
    axis.taps.push_back(std::move(taps));
  }
  return axis;
}

std::vector<Tap> TapsAt(const Axis& axis, size_t k) {
  if (!axis.taps.empty()) return axis.taps[k];
  return {Tap{axis.nearest[k], 1.0}};
}

}  // namespace

void StretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                int sh, StretchMode mode) {
  if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
  // Extents are bounded so the run arithmetic cannot overflow; anything larger
  // than this lies almost entirely outside any surface.
  constexpr int kLimit = 1 << 24;
  if (std::abs(static_cast<long long>(dw)) > kLimit || std::abs(static_cast<long long>(dh)) > kLimit ||
      std::abs(static_cast<long long>(sw)) > kLimit || std::abs(static_cast<long long>(sh)) > kLimit)
    return;
  const Axis ax = MakeAxis(dx, dw, sx, sw, mode, dst.Width(), src.Width());
  const Axis ay = MakeAxis(dy, dh, sy, sh, mode, dst.Height(), src.Height());
  // Read from a snapshot so that stretching a surface onto itself (a mirror in
  // place) sees the original pixels.
  const Surface snapshot = &src == &dst ? src : Surface();
  const Surface& from = &src == &dst ? snapshot : src;

  if (ax.taps.empty() && ay.taps.empty()) {
    // Nearest pixel on both axes: the common case of every view repaint.
    for (size_t ky = 0; ky < ay.destPos.size(); ++ky) {
      const int syy = ay.nearest[ky];
      if (syy < 0 || syy >= from.Height()) continue;
      const Colour* srow = from.Row(syy);
      Colour* drow = dst.Row(ay.destPos[ky]);
      for (size_t kx = 0; kx < ax.destPos.size(); ++kx) {
        const int sxx = ax.nearest[kx];
        if (sxx >= 0 && sxx < from.Width()) drow[ax.destPos[kx]] = srow[sxx];
      }
    }
    return;
  }

  // The columns' taps once, not again for every row.
  std::vector<std::vector<Tap>> columnTaps;
  columnTaps.reserve(ax.destPos.size());
  for (size_t kx = 0; kx < ax.destPos.size(); ++kx) columnTaps.push_back(TapsAt(ax, kx));
  for (size_t ky = 0; ky < ay.destPos.size(); ++ky) {
    const std::vector<Tap> tapsY = TapsAt(ay, ky);
    for (size_t kx = 0; kx < ax.destPos.size(); ++kx) {
      const std::vector<Tap>& tapsX = columnTaps[kx];
      double r = 0, g = 0, b = 0, total = 0;
      for (const Tap& ty : tapsY)
        for (const Tap& tx : tapsX) {
          const Colour c = from.GetPixel(tx.source, ty.source);
          if (c == kInvalidColour) continue;
          const double w = tx.weight * ty.weight;
          r += w * RedOf(c);
          g += w * GreenOf(c);
          b += w * BlueOf(c);
          total += w;
        }
      if (total <= 0) continue;
      dst.Row(ay.destPos[ky])[ax.destPos[kx]] =
          Rgb(static_cast<int>(std::lround(r / total)), static_cast<int>(std::lround(g / total)),
              static_cast<int>(std::lround(b / total)));
    }
  }
}

}  // namespace gs
