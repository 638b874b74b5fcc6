#include "formats/AniReader.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "formats/ByteReader.h"
#include "formats/FileIo.h"

namespace gs {
namespace {

using Bytes = std::span<const std::uint8_t>;

struct Chunk {
  std::string_view id;
  Bytes data;
  std::size_t offset;  // of the chunk's header in the file
};

std::string_view IdAt(Bytes bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

std::string Quoted(std::string_view id) { return "\"" + std::string(id) + "\""; }

// Calls visit(chunk) for each chunk of a container's body (which starts at
// `base` in the file), in order. Every step moves forward by at least the
// 8-byte header, so a walk ends after at most body.size() / 8 chunks. A
// visit's failure ends the walk with that reason.
template <class Visit>
Outcome<void> WalkChunks(Bytes body, std::size_t base, const std::string& container, Visit&& visit) {
  std::size_t at = 0;
  while (at < body.size()) {
    if (body.size() - at < 8) {
      // Zero bytes after the last chunk are padding, not a chunk.
      if (std::all_of(body.begin() + static_cast<std::ptrdiff_t>(at), body.end(), [](std::uint8_t b) { return b == 0; }))
        break;
      return Outcome<void>::Failure("a chunk header at offset " + std::to_string(base + at) + " is cut short by the end of " +
                                    container);
    }
    ByteReader r(body, at + 4);
    const std::uint32_t size = r.U32();
    const Chunk chunk{IdAt(body, at), {}, base + at};
    if (!RangeFits(at + 8, size, body.size()))
      return Outcome<void>::Failure("the " + Quoted(chunk.id) + " chunk at offset " + std::to_string(chunk.offset) +
                                    " runs past the end of " + container);
    if (auto visited = visit(Chunk{chunk.id, body.subspan(at + 8, size), chunk.offset}); !visited) return visited;
    at += 8 + static_cast<std::size_t>(size);
    // The pad byte of an odd-sized chunk, when the writer put one there.
    if ((size & 1) && at < body.size() && body[at] == 0) ++at;
  }
  return {};
}

// A chunk that may appear once, kept as found.
struct OnceChunk {
  std::optional<Chunk> chunk;
  Outcome<void> Take(const Chunk& c) {
    if (chunk) return Outcome<void>::Failure("the file has more than one " + Quoted(c.id) + " chunk");
    chunk = c;
    return {};
  }
};

// The u32 values of a "rate" or "seq " chunk, one per step.
Outcome<std::vector<std::uint32_t>> StepValues(const Chunk& c, std::uint32_t steps) {
  using Result = Outcome<std::vector<std::uint32_t>>;
  if (c.data.size() != 4ull * steps)
    return Result::Failure("the " + Quoted(c.id) + " chunk is " + std::to_string(c.data.size()) + " bytes, not 4 for each of " +
                           std::to_string(steps) + (steps == 1 ? " step" : " steps"));
  std::vector<std::uint32_t> values(steps);
  ByteReader r(c.data);
  for (std::uint32_t& v : values) v = r.U32();
  return values;
}

std::string Count(std::size_t n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

}  // namespace

bool IsAnimatedCursorData(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 12 && IdAt(bytes, 0) == "RIFF" && IdAt(bytes, 8) == "ACON";
}

Outcome<AniFile> ReadAnimatedCursor(std::span<const std::uint8_t> bytes) {
  using Result = Outcome<AniFile>;
  if (!IsAnimatedCursorData(bytes)) return Result::Failure("it is not an animated cursor (no RIFF \"ACON\" header)");
  const std::uint32_t riffSize = ByteReader(bytes, 4).U32();
  if (riffSize < 4 || !RangeFits(8, riffSize, bytes.size()))
    return Result::Failure("the RIFF size of " + std::to_string(riffSize) + " bytes does not fit the file's " +
                           std::to_string(bytes.size()));

  OnceChunk anih, rate, seq, fram;
  std::vector<Bytes> frames;
  auto walkFrames = [&](const Chunk& c) -> Outcome<void> {
    if (c.id != "icon") return {};  // nothing else belongs here; passed over
    if (frames.size() == kMaxAniSteps)
      return Outcome<void>::Failure("the file holds more than " + std::to_string(kMaxAniSteps) + " frames");
    frames.push_back(c.data);
    return {};
  };
  auto walked = WalkChunks(bytes.subspan(12, riffSize - 4), 12, "the RIFF form", [&](const Chunk& c) -> Outcome<void> {
    if (c.id == "anih") return anih.Take(c);
    if (c.id == "rate") return rate.Take(c);
    if (c.id == "seq ") return seq.Take(c);
    if (c.id != "LIST") return {};
    if (c.data.size() < 4)
      return Outcome<void>::Failure("the LIST at offset " + std::to_string(c.offset) + " is too short for its type");
    if (IdAt(c.data, 0) != "fram") return {};  // "INFO" and the like
    if (auto once = fram.Take(Chunk{"LIST \"fram\"", c.data, c.offset}); !once)
      return Outcome<void>::Failure("the file has more than one LIST \"fram\"");
    return WalkChunks(c.data.subspan(4), c.offset + 12, "the LIST \"fram\"", walkFrames);
  });
  if (!walked) return Result::Failure(walked.Reason());

  if (!anih.chunk) return Result::Failure("the file has no \"anih\" header");
  if (anih.chunk->data.size() < sizeof(AniHeader))
    return Result::Failure("the \"anih\" chunk is " + std::to_string(anih.chunk->data.size()) + " bytes, not 36");
  AniFile out;
  ByteReader h(anih.chunk->data);
  AniHeader& header = out.header;
  header.cbSize = h.U32();
  header.frames = h.U32();
  header.steps = h.U32();
  header.width = h.U32();
  header.height = h.U32();
  header.bitCount = h.U32();
  header.planes = h.U32();
  header.displayRate = h.U32();
  header.flags = h.U32();
  if (!(header.flags & kAniIconFlag)) return Result::Failure("its frames are raw bitmaps, not icon or cursor files");
  if (!fram.chunk) return Result::Failure("the file has no LIST \"fram\" of frames");
  if (frames.empty()) return Result::Failure("the file holds no frames");
  if (header.frames != frames.size())
    return Result::Failure("the header counts " + Count(header.frames, "frame", "frames") + " but the file holds " +
                           std::to_string(frames.size()));
  if (header.steps == 0) return Result::Failure("the header counts no steps");
  if (header.steps > kMaxAniSteps)
    return Result::Failure("the header counts " + std::to_string(header.steps) + " steps, more than " +
                           std::to_string(kMaxAniSteps));

  // The steps' counts are backed by the chunks' sizes before anything is made.
  if (seq.chunk) {
    auto sequence = StepValues(*seq.chunk, header.steps);
    if (!sequence) return Result::Failure(sequence.Reason());
    for (std::size_t k = 0; k < sequence->size(); ++k)
      if ((*sequence)[k] >= frames.size())
        return Result::Failure("step " + std::to_string(k + 1) + " shows frame " + std::to_string((*sequence)[k] + 1ull) +
                               ", but the file holds " + Count(frames.size(), "frame", "frames"));
    out.sequence = std::move(sequence).Value();
    out.hasSequenceChunk = true;
  } else {
    if (header.steps != frames.size())
      return Result::Failure("the header counts " + Count(header.steps, "step", "steps") + " for " +
                             Count(frames.size(), "frame", "frames") + " and there is no \"seq \" chunk");
    for (std::uint32_t k = 0; k < header.steps; ++k) out.sequence.push_back(k);
  }
  if (rate.chunk) {
    auto rates = StepValues(*rate.chunk, header.steps);
    if (!rates) return Result::Failure(rates.Reason());
    out.rates = std::move(rates).Value();
    out.hasRateChunk = true;
  } else {
    out.rates.assign(header.steps, header.displayRate);
  }
  out.frames.reserve(frames.size());
  for (Bytes frame : frames) out.frames.emplace_back(frame.begin(), frame.end());
  return out;
}

Outcome<AniFile> ReadAnimatedCursorFile(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return Outcome<AniFile>::Failure(bytes.Reason());
  return ReadAnimatedCursor(*bytes);
}

std::uint32_t JiffiesToMilliseconds(std::uint32_t jiffies) {
  const std::uint64_t ms = (static_cast<std::uint64_t>(jiffies) * 1000 + 30) / 60;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(ms, std::numeric_limits<std::uint32_t>::max()));
}

Outcome<IconImage> ReadAnimatedCursorFrame(const AniFile& ani, std::size_t index, Colour transparent) {
  if (index >= ani.frames.size())
    return Outcome<IconImage>::Failure("there is no frame " + std::to_string(index + 1) + " of " +
                                       std::to_string(ani.frames.size()));
  auto image = ReadIconImage(ani.frames[index], transparent);
  if (!image) return Outcome<IconImage>::Failure("frame " + std::to_string(index + 1) + ": " + image.Reason());
  return image;
}

}  // namespace gs
