// JPEG bytes of an 8-bit frame, made by libjpeg-turbo straight from the surface's pixels:
// 4:2:0 chroma and quality 92, what the image library gives a composed frame.
#pragma once

#include "imaging/argb_frame.h"
#include "imaging/image.h"

namespace pictavo {

inline constexpr int kFrameJpegQuality = 92;

// Empty bytes when the encoder fails. With a preview logo the logo is drawn on a copy; the
// surface keeps no logo.
ImageBlob encodeSurface(cairo_surface_t* frame, const PreviewLogo* logo = nullptr);

}  // namespace pictavo
