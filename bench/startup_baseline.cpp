// The smallest Qt Widgets program: it shows one label and quits once the label has been
// painted. The startup benchmark times the reader from its start to its first painted page
// against this program, both run the same way in the same run.
//
//   QT_QPA_PLATFORM=offscreen build/bench/startup_baseline
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>

namespace {

class FirstPaintLabel final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  FirstPaintLabel label("Brightfold");
  label.resize(800, 600);
  label.show();
  return QApplication::exec();
}
