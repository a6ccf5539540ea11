// The "文字示例" sample of the caption panel, drawn in the chosen font and colours: white
// while captions are off; with captions on, the scheme's text colour on its band colour, or
// on the panel's own colour for the schemes without a band (grey behind white text when the
// panel itself is white, so that the text stays visible).
#pragma once

#include <QString>

class QLabel;

namespace pictavo {

struct ColourScheme;

// The face to draw a caption font's sample in: the family of its font file when Qt can load
// it, else the display name ("阿里普惠体" is drawn as "阿里巴巴普惠体").
QString captionFontFamily(const QString& displayName, const QString& fontFile);

void paintCaptionSample(QLabel* sample, bool captionsOn, const ColourScheme& scheme,
                        const QString& family);

}  // namespace pictavo
