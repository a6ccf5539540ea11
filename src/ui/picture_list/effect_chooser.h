// The drop-down list of effects that floats over the focused picture's label. Choosing an
// effect name reports its index; a dash line between the groups changes nothing.
#pragma once

#include <QComboBox>

namespace pictavo {

// How many entries the drop-down shows on a screen `screenHeight` pixels high.
int chooserVisibleEntries(int screenHeight);

class EffectChooser : public QComboBox {
  Q_OBJECT

 public:
  explicit EffectChooser(QWidget* parent);

  // Shows the chooser under `thumbnail` (its parent's coordinates) with `effectName` chosen.
  void showUnder(const QRect& thumbnail, const QString& effectName);

 signals:
  void effectChosen(int animationIndex);

 protected:
  void hidePopup() override;

 private:
  void choose(int entry);
  void fitDroppedWidth(int thumbnailWidth);
};

}  // namespace pictavo
