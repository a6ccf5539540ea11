#include "imaging/image_library.h"

#include <cstdlib>
#include <mutex>

#include "imaging/magick_handles.h"
#include "imaging/probe_pictures.h"
#include "platform/folders.h"
#include "util/charset.h"
#include "util/paths.h"
#include "util/translate.h"

namespace pictavo {
namespace {

std::once_flag gStartOnce;
bool gStarted = false;
std::string gStartError;

bool decodes(const unsigned char* bytes, size_t length, std::string* error) {
  WandPtr wand(NewMagickWand());
  if (MagickReadImageBlob(wand.get(), bytes, length) == MagickFalse) {
    if (error) *error = takeWandError(wand.get());
    return false;
  }
  return true;
}

void start() {
  // The policy and the temporary folder must be known before the library reads its
  // configuration; it reads it once, in MagickWandGenesis.
  // A missing policy would leave the system's smaller limits and wider coder list in force,
  // so start-up stops with a message naming the folder looked in.
  bool resourcesFound = checkResourceFolder(&gStartError);
  std::string policyFolder = resourceFolder() + "/magick";
  setenv("MAGICK_CONFIGURE_PATH", policyFolder.c_str(), 1);
  std::string tempError;
  if (ensureProgramFolders(&tempError)) {
    if (auto temp = toFsName(programFolders().temp)) setenv("MAGICK_TEMPORARY_PATH", temp->c_str(), 1);
  }
  // One thread for the library's own loops: the program parallelises by pipeline, and a
  // second OpenMP team on two cores only slows the encoder down. The variable holds the
  // limit from the library's first loop on, inside MagickWandGenesis too, so no OpenMP
  // team is ever started.
  setenv("MAGICK_THREAD_LIMIT", "1", 1);
  MagickWandGenesis();
  MagickSetResourceLimit(ThreadResource, 1);
  gStarted = resourcesFound && validateImageLibrary(&gStartError);
}

}  // namespace

bool startImageLibrary(std::string* error) {
  std::call_once(gStartOnce, start);
  if (!gStarted && error) *error = gStartError;
  return gStarted;
}

bool validateImageLibrary(std::string* error) {
  {
    WandPtr icon(NewMagickWand());
    PixelPtr white = makePixel("#FFFFFF");
    MagickNewImage(icon.get(), 16, 16, white.get());
    MagickSetImageFormat(icon.get(), "ICO");
    size_t length = 0;
    ImageBlob blob{std::unique_ptr<unsigned char, MagickMemoryDeleter>(
                       MagickGetImageBlob(icon.get(), &length)),
                   length};
    if (blob.empty()) {
      if (error) *error = localFormat("图像库无法生成 ICO 图片: %s", takeWandError(icon.get()).c_str());
      return false;
    }
  }
  using namespace probe_pictures;
  std::string why;
  if (decodes(kProbePng, sizeof kProbePng, &why) && decodes(kProbeJpeg, sizeof kProbeJpeg, &why) &&
      decodes(kProbeGif, sizeof kProbeGif, &why) && decodes(kProbeBmp, sizeof kProbeBmp, &why))
    return true;
  if (error) *error = localFormat("图像库无法正常启动: %s", why.c_str());
  return false;
}

}  // namespace pictavo
