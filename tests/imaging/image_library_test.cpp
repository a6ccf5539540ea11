// The program's own image-library policy is the one in force.
#include <gtest/gtest.h>

#include "imaging/image_library.h"
#include "imaging/magick_handles.h"

namespace pictavo {
namespace {

TEST(ImageLibraryPolicy, LimitsAreTheProgramsOwn) {
  EXPECT_EQ(MagickGetResourceLimit(WidthResource), static_cast<MagickSizeType>(kMaxPictureSide));
  EXPECT_EQ(MagickGetResourceLimit(HeightResource), static_cast<MagickSizeType>(kMaxPictureSide));
  EXPECT_GE(MagickGetResourceLimit(MemoryResource), 1024ull * 1024 * 1024);
  // A long session or generation must never reach a time limit: the library would end the
  // whole process when it does.
  EXPECT_EQ(MagickGetResourceLimit(TimeResource), MagickResourceInfinity);
}

TEST(ImageLibraryPolicy, OnlyThePictureFormatsAreAllowed) {
  const char svg[] = "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'/>";
  WandPtr wand(NewMagickWand());
  MagickSetFormat(wand.get(), "SVG");
  EXPECT_EQ(MagickReadImageBlob(wand.get(), svg, sizeof svg - 1), MagickFalse);
  std::string error;
  EXPECT_TRUE(validateImageLibrary(&error)) << error;
}

}  // namespace
}  // namespace pictavo
