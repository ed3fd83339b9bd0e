// A book, the main window's frame set and a recording printer for the tests of the print
// dialog and the print commands, and answering a modal dialog while it runs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/recording_printer.h"
#include "tests/text/text_test_support.h"
#include "view/qt/frame_set.h"

namespace zeb::testing {

// Runs the answer on the modal dialog of the type once it shows (it must close it), failing
// the test and closing whatever is modal when none shows.
template <typename Dialog>
void answerModal(std::function<void(Dialog&)> answer, int triesLeft = 200) {
  QTimer::singleShot(5, [answer = std::move(answer), triesLeft] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      answer(*dialog);
      return;
    }
    if (triesLeft > 0) {
      answerModal<Dialog>(answer, triesLeft - 1);
      return;
    }
    ADD_FAILURE() << "no modal dialog of the expected type was shown";
    if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
  });
}

// The text drawn on a sheet of the printer's last job, one run after another.
inline std::string sheetText(const RecordingPrinter& printer, std::size_t sheet) {
  std::string text;
  for (const std::string& call : printer.sheets().at(sheet)->calls("text")) {
    const std::size_t quote = call.find('"');
    text += call.substr(quote + 1, call.size() - quote - 2);
  }
  return text;
}

inline std::vector<std::string> jobTitles(const RecordingPrinter& printer) {
  std::vector<std::string> titles;
  for (const RecordingPrinter::Job& job : printer.jobs()) titles.push_back(job.title);
  return titles;
}

// Paper of 254 by 127 millimetres at 96 dots per inch; installed printers "Office" (the
// default) and "Lab".
inline std::unique_ptr<RecordingPrinter> makeRecordingPrinter() {
  auto printer = std::make_unique<RecordingPrinter>(96, 254, 127);
  printer->preferred = "Office";
  printer->installed = {"Office", "Lab"};
  return printer;
}

class PrintQtTest : public TextTest {
 protected:
  PrintQtTest() {
    editor.resize(400, 300);
    editor.setReadOnly(true);
    editor.setAutoJump(false);
    editor.setLinkedZEBset(&set);
  }

  TZEBtesto& addPage(std::string_view name, std::string_view text) {
    return zebmake::addPage(set, name, plainTag() + std::string(text));
  }

  TInsiemeCornici editor;
};

}  // namespace zeb::testing
