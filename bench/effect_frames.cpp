// The composition guard: every frame of every effect exactly as the video receives it (the
// JPEG bytes), written to a folder, and two such folders compared frame by frame, so that a
// change of how frames are composed can be checked against the frames made before it.
//
//   bench_effect_frames write DIR WxH [index ...]   -> DIR/WxH/<family>/<index>/NNNN.jpg
//   bench_effect_frames compare REF NEW [min_db]    -> PSNR per frame, worst per effect and
//                                                      per family, frames whose bytes changed
//                                                      per effect; exit 1 below min_db (35)
//
// Both pictures fill the canvas (built-in pictures stretched to it), so scaling, edges and
// colours show everywhere; the hold phase runs with a banded caption.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "effects/effect_names.h"
#include "effects/effect_table.h"
#include "effects/frame_handoff.h"
#include "imaging/caption.h"
#include "imaging/caption_fonts.h"
#include "imaging/image.h"
#include "imaging/image_library.h"
#include "util/charset.h"
#include "util/text_format.h"

using namespace pictavo;
namespace fs = std::filesystem;

namespace {

constexpr int kHoldFrames = 4;  // the three caption fade frames and one repeat

class FolderSink : public FrameSink {
 public:
  explicit FolderSink(fs::path folder) : folder_(std::move(folder)) {}
  bool writeFrame(const unsigned char* bytes, size_t length) override { return save(bytes, length); }
  bool repeatFrame(const unsigned char* bytes, size_t length) override { return save(bytes, length); }

 private:
  bool save(const unsigned char* bytes, size_t length) {
    std::ofstream out(folder_ / strprintf("%04d.jpg", ++frames_), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(length));
    return static_cast<bool>(out);
  }
  fs::path folder_;
  int frames_ = 0;
};

WandPtr stretchedBuiltin(const char* name, int width, int height) {
  WandPtr picture = readBuiltinPicture(name, "#000000");
  MagickResizeImage(picture.get(), static_cast<size_t>(width), static_cast<size_t>(height),
                    LanczosFilter, 1.0);
  return fitToCanvas(width, height, picture.get(), "#000000");
}

std::unique_ptr<CaptionOverlay> bandedCaption(int width, int height) {
  CaptionRequest request;
  request.canvasWidth = width;
  request.canvasHeight = height;
  request.text = gbk("第 1 张照片");
  request.bandColour = "#000080";
  request.textColour = "#ffff00";
  request.fontFile = captionFontFile("");
  request.fontSize = 24;
  request.location = 4;
  return request.fontFile.empty() ? nullptr : renderCaption(request);
}

int writeFrames(const fs::path& root, int width, int height, std::vector<int> indices) {
  if (indices.empty()) indices = effectIndices();
  WandPtr picture = stretchedBuiltin("logo:", width, height);
  auto caption = bandedCaption(width, height);
  for (int index : indices) {
    const EffectRow* row = findEffectRow(index);
    if (!row) continue;
    fs::path folder = root / strprintf("%dx%d", width, height) / familyName(row->variant) /
                     std::to_string(index);
    fs::remove_all(folder);
    fs::create_directories(folder);
    FolderSink sink(folder);
    FrameHandOn out(sink, caption.get(), kHoldFrames);
    WandPtr last = runEffect(index, width, height, picture.get(),
                             stretchedBuiltin("netscape:", width, height), out);
    if (!last) {
      std::fprintf(stderr, "effect %d: a frame could not be written\n", index);
      return 1;
    }
  }
  return 0;
}

std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// 8-bit RGB pixels of a JPEG file; empty when it cannot be read.
std::vector<unsigned char> rgbOf(const fs::path& path, size_t* width, size_t* height) {
  const std::string bytes = fileBytes(path);
  WandPtr wand(NewMagickWand());
  if (bytes.empty() || MagickReadImageBlob(wand.get(), bytes.data(), bytes.size()) == MagickFalse)
    return {};
  *width = MagickGetImageWidth(wand.get());
  *height = MagickGetImageHeight(wand.get());
  std::vector<unsigned char> rgb(*width * *height * 3);
  MagickExportImagePixels(wand.get(), 0, 0, *width, *height, "RGB", CharPixel, rgb.data());
  return rgb;
}

// Peak signal-to-noise ratio in dB; 99 for identical frames, -1 when they cannot be compared.
double psnr(const fs::path& a, const fs::path& b) {
  size_t wa = 0, ha = 0, wb = 0, hb = 0;
  std::vector<unsigned char> x = rgbOf(a, &wa, &ha), y = rgbOf(b, &wb, &hb);
  if (x.empty() || wa != wb || ha != hb) return -1;
  double sum = 0;
  for (size_t i = 0; i < x.size(); ++i) {
    double d = static_cast<double>(x[i]) - y[i];
    sum += d * d;
  }
  double mse = sum / static_cast<double>(x.size());
  return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

struct Worst {
  double db = 99.0;
  std::string frame;
};

void keepWorst(Worst& worst, double db, const std::string& frame) {
  if (db < worst.db) worst = {db, frame};
}

std::vector<fs::path> sortedEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  for (const auto& entry : fs::directory_iterator(folder)) entries.push_back(entry.path());
  std::sort(entries.begin(), entries.end());
  return entries;
}

// One effect's frames against the reference: the worst PSNR, the frames below the threshold
// and the frames whose bytes are not exactly the reference's.
struct EffectComparison {
  Worst worst;
  int below = 0;
  int changed = 0;
};

EffectComparison compareEffect(const fs::path& effect, const fs::path& other,
                               const fs::path& fresh, double minDb) {
  EffectComparison result;
  for (const fs::path& frame : sortedEntries(effect)) {
    const fs::path before = other / frame.filename();
    if (fileBytes(frame) == fileBytes(before)) continue;
    ++result.changed;
    const double db = psnr(frame, before);
    const std::string name = fs::relative(frame, fresh).string();
    if (db < minDb) {
      std::printf("LOW %s %.2f dB\n", name.c_str(), db);
      ++result.below;
    }
    keepWorst(result.worst, db, name);
  }
  return result;
}

// Compares every effect folder of `fresh` with the same one under `ref` (so a few effects
// written again can be checked alone). Prints a line per frame below the threshold, the
// worst frame and the count of changed frames per effect, and the worst frame per family
// (size/family).
int compareFrames(const fs::path& ref, const fs::path& fresh, double minDb) {
  std::map<std::string, Worst> families;
  int below = 0, mismatched = 0, changed = 0, effects = 0;
  for (const fs::path& size : sortedEntries(fresh)) {
    for (const fs::path& family : sortedEntries(size)) {
      Worst& familyWorst = families[size.filename().string() + "/" + family.filename().string()];
      for (const fs::path& effect : sortedEntries(family)) {
        ++effects;
        const fs::path other = ref / fs::relative(effect, fresh);
        const size_t count = sortedEntries(effect).size();
        const size_t otherCount = fs::is_directory(other) ? sortedEntries(other).size() : 0;
        if (otherCount != count) {
          std::printf("MISMATCH %s: %zu frames before, now %zu\n",
                      fs::relative(effect, fresh).c_str(), otherCount, count);
          ++mismatched;
          continue;
        }
        const EffectComparison c = compareEffect(effect, other, fresh, minDb);
        std::printf("effect %s worst %.2f dB (%s) changed_frames %d of %zu\n",
                    fs::relative(effect, fresh).c_str(), c.worst.db, c.worst.frame.c_str(),
                    c.changed, count);
        keepWorst(familyWorst, c.worst.db, c.worst.frame);
        below += c.below;
        changed += c.changed;
      }
    }
  }
  for (const auto& [name, worst] : families)
    std::printf("family %-28s worst %6.2f dB  %s\n", name.c_str(), worst.db, worst.frame.c_str());
  std::printf("effects_compared %d\nframes_changed %d\nframes_below_%.0f_db %d\n"
              "effects_with_other_frame_count %d\n",
              effects, changed, minDb, below, mismatched);
  return below == 0 && mismatched == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!startImageLibrary(&error)) {
    std::fprintf(stderr, "%s\n", utf8(error).c_str());
    return 1;
  }
  std::string mode = argc > 1 ? argv[1] : "";
  int width = 0, height = 0;
  if (mode == "write" && argc >= 4 && std::sscanf(argv[3], "%dx%d", &width, &height) == 2) {
    std::vector<int> indices;
    for (int i = 4; i < argc; ++i) indices.push_back(std::atoi(argv[i]));
    return writeFrames(argv[2], width, height, indices);
  }
  if (mode == "compare" && argc >= 4)
    return compareFrames(argv[2], argv[3], argc > 4 ? std::atof(argv[4]) : 35.0);
  std::fprintf(stderr,
               "usage: bench_effect_frames write DIR WxH [index ...]\n"
               "       bench_effect_frames compare REF_DIR NEW_DIR [min_db]\n");
  return 2;
}
