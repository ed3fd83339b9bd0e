// The printer settings and margin settings dialogs: the page set-up's printer (an installed
// one or the PDF file printer with its file), paper, orientation, copies, colour, two-sided
// printing, and its margins.
#pragma once

#include <QDialog>
#include <QGroupBox>

#include "platform/printer.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zeb {

// The paper and its orientation, as both dialogs show them. A size the list does not name
// is offered as "Own size" and kept as it was.
class PaperChoice final : public QGroupBox {
  Q_OBJECT

 public:
  explicit PaperChoice(const PageSetup& setup, QWidget* parent = nullptr);

  // Gives the set-up the paper and orientation chosen.
  void applyTo(PageSetup& setup) const;

  QComboBox* paper() const { return paper_; }
  QRadioButton* portrait() const { return portrait_; }
  QRadioButton* landscape() const { return landscape_; }

 private:
  QComboBox* paper_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  int ownPaperLength_;
  int ownPaperWidth_;
};

// Printer settings. The printers offered are the installed ones and the PDF file printer;
// with the PDF printer chosen, OK waits until a file is named.
class PrinterSettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  PrinterSettingsDialog(const PageSetup& setup, const PrinterChoice& printers, QWidget* parent = nullptr);

  // The set-up it was opened with, changed as the dialog shows.
  PageSetup pageSetup() const;

  QComboBox* printerNames() const { return printers_; }
  QLineEdit* pdfFile() const { return pdfFile_; }
  QPushButton* browse() const { return browse_; }
  PaperChoice* paperChoice() const { return paper_; }
  QSpinBox* copies() const { return copies_; }
  QCheckBox* colour() const { return colour_; }
  QComboBox* duplex() const { return duplex_; }
  QPushButton* okButton() const;

 private:
  bool pdfChosen() const;
  void updateControls();
  void chooseFile();

  PageSetup setup_;
  QComboBox* printers_;
  QLineEdit* pdfFile_;
  QPushButton* browse_;
  PaperChoice* paper_;
  QSpinBox* copies_;
  QCheckBox* colour_;
  QComboBox* duplex_;
  QDialogButtonBox* buttons_;
};

// Margin settings: the paper and the four margins, shown in millimetres and kept in
// hundredths of a millimetre (0 at least).
class MarginSettingsDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit MarginSettingsDialog(const PageSetup& setup, QWidget* parent = nullptr);

  PageSetup pageSetup() const;

  PaperChoice* paperChoice() const { return paper_; }
  QDoubleSpinBox* leftMargin() const { return left_; }
  QDoubleSpinBox* topMargin() const { return top_; }
  QDoubleSpinBox* rightMargin() const { return right_; }
  QDoubleSpinBox* bottomMargin() const { return bottom_; }

 private:
  PageSetup setup_;
  PaperChoice* paper_;
  QDoubleSpinBox* left_;
  QDoubleSpinBox* top_;
  QDoubleSpinBox* right_;
  QDoubleSpinBox* bottom_;
};

}  // namespace zeb
