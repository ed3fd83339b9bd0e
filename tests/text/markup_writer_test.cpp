// Writing paragraphs back as markup: what the writer writes reads back to the same
// paragraphs, cells and runs; fragments carry their formatting; tables and objects.
#include "text/markup_writer.h"

#include <gtest/gtest.h>

#include "tests/text/text_test_support.h"
#include "text/table_cells.h"

namespace zeb {
namespace {

using testing::TextTest;

class MarkupWriter : public TextTest {
 protected:
  MarkupWriter() {
    zebmake::addObject(set, TOggettiHel::internetLink);
    zebmake::addObject(set, TOggettiHel::internetLink);
    page->registerLocal(set.makeObject(TOggettiHel::speclink));
    TZEBoggetto& picture = zebmake::addObject(set, TOggettiHel::immagine);
    picture.record().setI16(field::pictureWidth, 30);
    picture.record().setI16(field::pictureHeight, 20);
    auto placement = set.makeObject(TOggettiHel::immagineNew);
    placement->Release();
    placement->record().setI32(field::placementPicture, picture.Index());
    page->addEmbedded(std::move(placement), 0);
    for (const int size : {2, 1}) {
      auto table = set.makeObject(TOggettiHel::tabellaHtml);
      table->Release();
      table->record().setU8(field::tableRows, static_cast<std::uint8_t>(size));
      table->record().setU8(field::tableColumns, 2);
      page->addEmbedded(std::move(table), 0);
    }
  }

  std::string written(int index, int from = 0, int to = -1, WriteMode mode = WriteMode::withCellTexts) {
    std::string out;
    writeParagraph(paragraph(index), out, from, to, mode);
    return out;
  }

  // Everything the reader builds, as text: paragraph attributes with their flags, the text,
  // every cell, every run with its flags, and the cells of tables.
  static std::string structure(const TZEBbox& of) {
    std::string out;
    for (const auto& p : of.Paragraphs()) {
      const TZEBParaStyle& s = p->Style;
      out += "P" + std::to_string(s.BaseStyle() != nullptr ? s.BaseStyle()->Index() : -1) + " flags:";
      for (int a = 0; a < paraAttributeCount; ++a) out += s.isSet(static_cast<ParaAttribute>(a)) ? '1' : '0';
      out += " " + std::to_string(s.Color()) + "," + s.FontName() + "," + std::to_string(s.Size()) + "," +
             std::to_string(s.Style()) + "," + std::to_string(s.Alignment()) + "," + std::to_string(s.Numbering()) +
             "," + std::to_string(s.LeftMargin()) + "," + std::to_string(s.LinkSize()) + "\n[" + p->Text + "]\n";
      for (const CharCell& c : p->Cells) {
        out += std::to_string(c.Advance) + "/" + std::to_string(c.Height) + "/" + std::to_string(c.Ascent) + "/" +
               std::to_string(c.RunStyle) + "/" + std::to_string(c.ObjectIndex) + "/" + std::to_string(c.LinkCode) +
               " ";
      }
      for (const auto& run : p->RunStyles) {
        out += "\nrun " + std::to_string(run->Color()) + "," + run->FontName() + "," + std::to_string(run->Size()) +
               "," + std::to_string(run->Style()) + "," + std::to_string(run->Position()) + " flags:";
        for (int a = 0; a < 5; ++a) out += run->isSet(static_cast<CharAttribute>(a)) ? '1' : '0';
      }
      for (const EmbeddedRef& object : p->Objects) {
        out += "\nobject " + std::to_string(object.number);
        if (const TableCells* table = object.visual->tableCells()) {
          for (const auto& cell : table->cells()) out += "\ncell{\n" + structure(*cell) + "}";
        }
      }
      out += "\n";
    }
    return out;
  }
};

// Markup in the form the writer writes: each reads and writes back unchanged.
const char* const canonicalCorpus[] = {
    "<Z S0 >Hello",
    "<Z S0 >",
    "<Z S0 >a &amp; b &lt;c&gt; \"quoted\" \xE9t\xE9",
    "<Z S2 c0000FF F\"Arial\" s14 y3 p1 P5 A2 N6 M0 L30 I-20 l5 r6 t7 b8 C00FF00 S16 Y1 >x",
    "<Z S0 N7 >a list value that draws no marker",
    "<Z S0 >ab<Y c0000FF F\"Courier New\" s8 y5 p2 >cd<Y >ef",
    "<Z S0 >a<Y s14 ><$01000000>b<%>",
    "<Z S0 >x<$01000000>link<%>y",
    "<Z S0 >x<$01000000>link at the end<%>",
    "<Z S0 ><$01000000>a<$01000001>b<%>c",
    "<Z S0 ><$01000000>ab<Y s14 >cd<%>e",
    "<Z S0 >local <$6f000000>action<%>",
    "<Z S0 >a picture <$FF000000> inline",
    "<Z S0 >x<$FF000001><Z S1 >a<T><Z S1 >b<Z S1 A1 >b2<T><Z S1 >c<T><Z S1 >d<$01000000>e<%><T>y",
    "<Z S0 >x<$FF000002><@>y",
    "<Z S0 >table in a table<$FF000002><Z S1 ><$FF000002><Z S1 >i<T><Z S1 >j<T><T><Z S1 >k<T>.",
    "<Z S0 >one<Z S1 >two<Z S0 A3 >three",
};

TEST_F(MarkupWriter, CanonicalMarkupRoundTripsByteForByte) {
  for (const char* sample : canonicalCorpus) {
    load(sample);
    EXPECT_EQ(box->bodyMarkup(), std::string(sample) + '\0') << sample;
  }
}

// Markup that reads to something the writer writes differently; the paragraphs read back
// from what is written are the same.
const char* const looseCorpus[] = {
    "<Z S0 s12 >equal to the style",
    "<Z S0 y16 >only four bits count",
    "<Z S0 >&#65;&eacute;&nbsp;&&;&zz",
    "<Z S0 >a<Y g1 >bold<Y i1 >both<Y y0 >none",
    "<Z S0 >a<Y s14 ><Y c0000FF >replaced",
    "<Z S0 >line\r\nbreaks\tand tabs",
    "<Z S0 >x<$00000000>missing<%>y<$05000000>kind 5<%>",
    "<Z S0 >blocks<D hidden<d> and <unknown> tags",
    "no tag first<Z S0 >then text",
    "<Z S0 >a<$FF000009>missing object",
    "<Z S0 Fbare\"name >an unquoted face<Y Fbare\"run >x",
};

TEST_F(MarkupWriter, WhatIsWrittenReadsBackToTheSameParagraphs) {
  for (const char* sample : looseCorpus) {
    load(sample);
    const std::string first = structure(*box);
    const std::string markup = box->bodyMarkup();
    load(std::string_view(markup.data(), markup.size() - 1));
    EXPECT_EQ(structure(*box), first) << sample;
    EXPECT_EQ(box->bodyMarkup(), markup) << sample;
  }
}

TEST_F(MarkupWriter, ResettingAnAttributeToTheStyleDropsItFromTheTag) {
  load("<Z S0 s14 N10 >x");
  paragraph(0).Style.setSize(12);
  EXPECT_EQ(written(0), "<Z S0 N10 >x");
}

TEST_F(MarkupWriter, ByteValuesKeepTheBitsTheStoredFormHolds) {
  load("<Z S0 y31 P255 A200 N128 Y21 >x<Y y17 p130 >y");
  EXPECT_EQ(paragraph(0).Style.Alignment(), 72);
  EXPECT_FALSE(paragraph(0).Style.isSet(ParaAttribute::numbering));  // 128 is 0 in 7 bits
  EXPECT_EQ(written(0), "<Z S0 y15 P127 A72 Y5 >x<Y y1 p2 >y");
}

TEST_F(MarkupWriter, AFragmentStartsWithItsTrueFormatting) {
  load("<Z S0 ><Y s14 >Hello");
  EXPECT_EQ(written(0, 1, 5), "<Z S0 ><Y c000000 F\"Times New Roman\" s14 y0 p0 >ello");
  load("<Z S0 >x<$01000000>link<%>y");
  EXPECT_EQ(written(0, 2, 4), "<Z S0 ><Y c000000 F\"Times New Roman\" s12 y0 p0 ><$01000000>in<%>");
  EXPECT_EQ(written(0, 0, 3), "<Z S0 >x<$01000000>li<%>");
  // A fragment that starts where a run starts writes that run's own tag.
  load("<Z S0 >ab<Y c0000FF >cd");
  EXPECT_EQ(written(0, 2, 4), "<Z S0 ><Y c0000FF >cd");
  EXPECT_EQ(written(0, 1, 1), "<Z S0 >");
}

TEST_F(MarkupWriter, ObjectsAreWrittenAsTagsAndTablesWithTheirCellsInModeZeroOnly) {
  load("<Z S0 >p<$FF000000>q<$FF000002><Z S1 >i<T><Z S1 >j<T>r");
  EXPECT_EQ(paragraph(0).Text, "p q r");
  EXPECT_EQ(written(0), "<Z S0 >p<$FF000000>q<$FF000002><Z S1 >i<T><Z S1 >j<T>r");
  EXPECT_EQ(written(0, 0, -1, WriteMode::withoutCellTexts), "<Z S0 >p<$FF000000>q<$FF000002>r");
}

TEST_F(MarkupWriter, SavingStoresTheBodyAsCurrentMarkup) {
  TZEBtesto header;
  header.setText(std::string_view("<Z S0 >head\0", 12));
  page->setText(std::string_view("<Z S0 >body<Z S0 >more\0", 23));
  page->record().setU8(field::pageTextFormat, 2);
  box = std::make_unique<TZEBbox>(set, measures);
  box->setBounds(0, 0, 200, 100);
  box->LoadFrom(*page, &header, nullptr);
  TZEBtesto saved;
  box->SaveTo(saved);
  EXPECT_EQ(saved.textView(), std::string_view("<Z S0 >body<Z S0 >more\0", 23));
  EXPECT_EQ(saved.textFormat(), 2);
}

}  // namespace
}  // namespace zeb
