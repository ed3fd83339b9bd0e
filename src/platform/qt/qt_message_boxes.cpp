// Message boxes through QMessageBox.
#include "platform/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/windows1252.h"

namespace zeb {
namespace {

QString unicodeOf(std::string_view windows1252) { return QString::fromStdString(windows1252ToUtf8(windows1252)); }

QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::information: return QMessageBox::Information;
    case MessageKind::warning: return QMessageBox::Warning;
    case MessageKind::error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtMessageBoxes::show(MessageKind kind, std::string_view text) {
  QMessageBox box(iconOf(kind), unicodeOf(captionOf(kind)), unicodeOf(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool QtMessageBoxes::ask(std::string_view title, std::string_view question) {
  QMessageBox box(QMessageBox::Question, unicodeOf(title), unicodeOf(question), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace zeb
