// The smallest Qt Widgets program: it shows one label and quits once the label has been
// painted, after printing the processor time it used until then ("first paint: 12.3 ms
// processor"). The startup benchmark times the reader from its start to its first painted
// page against this program, both run the same way in the same run.
//
//   QT_QPA_PLATFORM=offscreen build/bench/startup_baseline
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaintLabel final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    std::printf("first paint: %.2f ms processor\n", used.tv_sec * 1e3 + used.tv_nsec / 1e6);
    std::fflush(stdout);
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
