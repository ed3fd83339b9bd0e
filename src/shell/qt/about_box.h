// TFabout, the about box: shown as the splash while the reader starts, and from "&Info...".
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zeb::shell {

class TFabout final : public QDialog {
  Q_OBJECT

 public:
  explicit TFabout(QWidget* parent = nullptr);

  // Shows the box without a frame or a button, painted at once, while the program starts.
  void showAsSplash();

 private:
  // The English texts of the box and its controls.
  void applyTexts();

  QLabel* programName_;
  QLabel* version_;
  QLabel* description_;
  QLabel* copyright_;
  QPushButton* ok_;
};

}  // namespace zeb::shell
