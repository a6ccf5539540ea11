// The preview's own pictures: "数据正在缓冲..." while frames are buffered, "end" when the
// show is over, and a blank one for videos too narrow for the waiting picture.
#pragma once

#include <QImage>

namespace pictavo {

enum class PreviewPicture { None, Frame, Waiting, End, Blank };

struct PreviewArtwork {
  QImage waiting;  // 264 x 150
  QImage end;      // 264 x 118
  QImage blank;    // 1 x 1 white

  // Paints the three pictures; call it on the window's thread.
  static PreviewArtwork paint();
  const QImage& picture(PreviewPicture which) const;
};

}  // namespace pictavo
