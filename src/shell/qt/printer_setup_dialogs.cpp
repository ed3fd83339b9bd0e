// The printer and margin settings dialogs.
#include "shell/qt/printer_setup_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "platform/qt/book_text.h"
#include "platform/qt/qt_dialog_units.h"
#include "shell/messages.h"

namespace zeb {
namespace {

namespace texts = shell::messages::printSetup;

// In pixels of the design font.
constexpr int designedMinimumWidth = 440;

struct PaperName {
  int code;
  std::string_view name;
};
constexpr std::array<PaperName, 5> paperNames{{{paperSize::a4, texts::a4Paper},
                                               {paperSize::letter, texts::letterPaper},
                                               {paperSize::legal, texts::legalPaper},
                                               {paperSize::a3, texts::a3Paper},
                                               {paperSize::a5, texts::a5Paper}}};

// Margins are kept in hundredths of a millimetre and shown in millimetres.
constexpr double hundredthsPerMillimetre = 100.0;
constexpr double largestMarginMillimetres = 1000.0;
constexpr int largestCopies = 999;

QString text(std::string_view windows1252) { return fromBookText(windows1252); }

QDialogButtonBox* okAndCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

QDoubleSpinBox* marginBox(int hundredths, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(2);
  box->setRange(0, largestMarginMillimetres);
  box->setValue(hundredths / hundredthsPerMillimetre);
  return box;
}

int hundredthsOf(const QDoubleSpinBox& box) {
  return static_cast<int>(std::lround(box.value() * hundredthsPerMillimetre));
}

}  // namespace

PaperChoice::PaperChoice(const PageSetup& setup, QWidget* parent)
    : QGroupBox(parent),
      paper_(new QComboBox(this)),
      portrait_(new QRadioButton(text(texts::portrait), this)),
      landscape_(new QRadioButton(text(texts::landscape), this)),
      ownPaperLength_(setup.paperLength),
      ownPaperWidth_(setup.paperWidth) {
  setObjectName("PaperChoice");
  setTitle(text(texts::paperGroup));
  for (const PaperName& paper : paperNames) paper_->addItem(text(paper.name), paper.code);
  int index = paper_->findData(setup.paper);
  if (index < 0) {
    // A paper of its own, or one the list does not name: offered as it is.
    paper_->addItem(text(texts::ownPaperSize), setup.paper);
    index = paper_->count() - 1;
  }
  paper_->setCurrentIndex(index);
  (setup.orientation == PageOrientation::landscape ? landscape_ : portrait_)->setChecked(true);

  auto* layout = new QFormLayout(this);
  layout->addRow(text(texts::paper), paper_);
  auto* sides = new QHBoxLayout;
  sides->addWidget(portrait_);
  sides->addWidget(landscape_);
  layout->addRow(text(texts::orientation), sides);
}

void PaperChoice::applyTo(PageSetup& setup) const {
  setup.paper = paper_->currentData().toInt();
  setup.paperLength = ownPaperLength_;
  setup.paperWidth = ownPaperWidth_;
  setup.orientation = landscape_->isChecked() ? PageOrientation::landscape : PageOrientation::portrait;
}

PrinterSettingsDialog::PrinterSettingsDialog(const PageSetup& setup, const PrinterChoice& printers, QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      printers_(new QComboBox(this)),
      pdfFile_(new QLineEdit(this)),
      browse_(new QPushButton(text(texts::browse), this)),
      paper_(new PaperChoice(setup, this)),
      copies_(new QSpinBox(this)),
      colour_(new QCheckBox(text(texts::colour), this)),
      duplex_(new QComboBox(this)),
      buttons_(okAndCancel(*this)) {
  setObjectName("PrinterSetupDialog1");
  setWindowTitle(text(texts::printerCaption));
  for (const std::string& name : printers.names) printers_->addItem(QString::fromStdString(name));
  printers_->setCurrentIndex(static_cast<int>(printers.chosen));
  pdfFile_->setText(QString::fromStdString(setup.device == pdfPrinterName ? setup.port : std::string()));
  copies_->setRange(1, largestCopies);
  copies_->setValue(setup.copies);
  colour_->setChecked(setup.colour);
  duplex_->addItem(text(texts::oneSided), static_cast<int>(DuplexMode::simplex));
  duplex_->addItem(text(texts::longEdge), static_cast<int>(DuplexMode::longEdge));
  duplex_->addItem(text(texts::shortEdge), static_cast<int>(DuplexMode::shortEdge));
  duplex_->setCurrentIndex(std::max(0, duplex_->findData(static_cast<int>(setup.duplex))));

  auto* file = new QHBoxLayout;
  file->addWidget(pdfFile_, 1);
  file->addWidget(browse_);
  auto* form = new QFormLayout;
  form->addRow(text(texts::printer), printers_);
  auto* fileLabel = new QLabel(text(texts::pdfFile), this);
  fileLabel->setBuddy(pdfFile_);
  form->addRow(fileLabel, file);
  form->addRow(text(texts::copies), copies_);
  form->addRow(text(texts::duplex), duplex_);
  form->addRow(colour_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(paper_);
  layout->addWidget(buttons_);

  connect(printers_, &QComboBox::currentIndexChanged, this, [this] { updateControls(); });
  connect(pdfFile_, &QLineEdit::textChanged, this, [this] { updateControls(); });
  connect(browse_, &QPushButton::clicked, this, [this] { chooseFile(); });
  updateControls();
  setMinimumWidth(designScaleOf(font()).x(designedMinimumWidth));
}

bool PrinterSettingsDialog::pdfChosen() const { return printers_->currentText().toStdString() == pdfPrinterName; }

QPushButton* PrinterSettingsDialog::okButton() const { return buttons_->button(QDialogButtonBox::Ok); }

void PrinterSettingsDialog::updateControls() {
  const bool pdf = pdfChosen();
  pdfFile_->setEnabled(pdf);
  browse_->setEnabled(pdf);
  okButton()->setEnabled(!pdf || !pdfFile_->text().trimmed().isEmpty());
}

void PrinterSettingsDialog::chooseFile() {
  const QString file =
      QFileDialog::getSaveFileName(this, text(texts::pdfFileTitle), pdfFile_->text(), text(texts::pdfFileFilter));
  if (!file.isEmpty()) pdfFile_->setText(file);
}

PageSetup PrinterSettingsDialog::pageSetup() const {
  PageSetup setup = setup_;
  setup.device = printers_->currentText().toStdString();
  setup.port = pdfChosen() ? pdfFile_->text().trimmed().toStdString() : std::string();
  paper_->applyTo(setup);
  setup.copies = copies_->value();
  setup.colour = colour_->isChecked();
  setup.duplex = static_cast<DuplexMode>(duplex_->currentData().toInt());
  return setup;
}

MarginSettingsDialog::MarginSettingsDialog(const PageSetup& setup, QWidget* parent)
    : QDialog(parent),
      setup_(setup),
      paper_(new PaperChoice(setup, this)),
      left_(marginBox(setup.leftMargin, this)),
      top_(marginBox(setup.topMargin, this)),
      right_(marginBox(setup.rightMargin, this)),
      bottom_(marginBox(setup.bottomMargin, this)) {
  setObjectName("PageSetupDialog1");
  setWindowTitle(text(texts::marginCaption));
  auto* margins = new QGroupBox(text(texts::margins), this);
  auto* form = new QFormLayout(margins);
  form->addRow(text(texts::leftMargin), left_);
  form->addRow(text(texts::topMargin), top_);
  form->addRow(text(texts::rightMargin), right_);
  form->addRow(text(texts::bottomMargin), bottom_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(paper_);
  layout->addWidget(margins);
  layout->addWidget(okAndCancel(*this));
}

PageSetup MarginSettingsDialog::pageSetup() const {
  PageSetup setup = setup_;
  paper_->applyTo(setup);
  setup.leftMargin = hundredthsOf(*left_);
  setup.topMargin = hundredthsOf(*top_);
  setup.rightMargin = hundredthsOf(*right_);
  setup.bottomMargin = hundredthsOf(*bottom_);
  return setup;
}

}  // namespace zeb
