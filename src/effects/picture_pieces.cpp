#include "effects/picture_pieces.h"

namespace pictavo {

void pastePiece(MagickWand* target, MagickWand* source, const PieceRect& piece, ssize_t atX,
                ssize_t atY) {
  if (piece.width == 0 || piece.height == 0) return;  // the library would take 0 as "all"
  WandPtr part = cloneWand(source);
  MagickCropImage(part.get(), piece.width, piece.height, piece.x, piece.y);
  MagickCompositeImage(target, part.get(), OverCompositeOp, atX, atY);
}

}  // namespace pictavo
