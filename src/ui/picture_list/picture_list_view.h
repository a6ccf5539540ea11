// The main window's strip of thumbnails: one row of 144 x 144 icons labelled with their
// effect names, scrolled sideways; the selection stays visible when the list loses the
// focus. While the list is empty a tips picture sits in its middle. A double click opens
// the first selected picture with the desktop's viewer, or asks for pictures to add when
// nothing is selected.
#pragma once

#include <QListView>

class QLabel;

namespace pictavo {

class PictureListView : public QListView {
  Q_OBJECT

 public:
  explicit PictureListView(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;
  bool tipsShown() const;

 signals:
  void addPicturesRequested();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void showTipsWhenEmpty();

  QLabel* tips_;
};

}  // namespace pictavo
