// The printed page: every text at its place in millimetres (read back from the PDF file with
// pdftotext), the lines along the band edges, and what a closed or empty store prints.

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <vector>

#include "report_fixture.h"

namespace fillmap::testing {
namespace {

// Tops of the bands on page 1, in millimetres from the page's top edge.
constexpr qreal page_header_top = 12.70;
constexpr qreal title_top = page_header_top + 18.26;
constexpr qreal column_header_top = title_top + 52.39;
constexpr qreal detail_top = column_header_top + 13.23;
constexpr qreal row_height = 5.29;
constexpr qreal summary_height = 25.14;
constexpr qreal left_margin = 12.70;
constexpr qreal right_margin = 210 - 12.70;

enum class Anchor { left, right, centre };

struct Placed {
  QString text;
  Anchor anchor;
  qreal x;  // of the anchor, from the page's left edge
  qreal top;
};

void expect_placed(const PdfText& pdf, const Placed& placed) {
  SCOPED_TRACE(placed.text.toStdString());
  // Of the places where the text is printed, the one nearest in height.
  const std::vector<QRectF> boxes = pdf.find(placed.text);
  ASSERT_FALSE(boxes.empty()) << "not printed";
  const auto box = std::ranges::min_element(
      boxes, {}, [&](const QRectF& found) { return qAbs(found.top() - placed.top); });
  const qreal x = placed.anchor == Anchor::left    ? box->left()
                  : placed.anchor == Anchor::right ? box->right()
                                                   : box->center().x();
  EXPECT_NEAR(x, placed.x, 0.5);
  EXPECT_NEAR(box->top(), placed.top, 0.5);
}

// Every field of every record ends at its column's right edge on the record's row; the blank
// Point of the end rows prints nothing.
void expect_rows(const PdfText& pdf, TDataSet& table, int count) {
  constexpr struct {
    const char* field;
    qreal right;
  } columns[] = {{"Point", 38.10},
                 {"Input", 69.85},
                 {"Output", 101.60},
                 {"Height", 133.88},
                 {"Volume", 165.10}};
  int row = 0;
  for (table.First(); !table.Eof(); table.Next(), ++row) {
    const qreal top = detail_top + row * row_height;
    for (const auto& column : columns) {
      const QString text = QString::fromStdString(table.FieldByName(column.field).AsString());
      SCOPED_TRACE("row " + std::to_string(row) + " " + column.field);
      if (text.trimmed().isEmpty()) continue;
      EXPECT_TRUE(pdf.has_word_ending_at(text.trimmed(), column.right, top))
          << text.toStdString() << " not printed at its place";
    }
  }
  EXPECT_EQ(row, count);
}

using ReportLayoutTest = ReportFixture;

TEST_F(ReportLayoutTest, StartValuesPrintEveryTextAtItsPlace) {
  calculate_report();
  const PdfText pdf = print();
  EXPECT_EQ(pdf.pages, 1);

  const QString printed_date = QLocale::system().toString(printed_at.date(), QLocale::ShortFormat);
  const qreal t = title_top, c = column_header_top + 2.12;
  const Placed texts[] = {
      {"MODEL OSTRA CALIBRATION REPORT", Anchor::centre, 105, page_header_top + 1.06},
      {printed_date + " 10:05:09", Anchor::left, left_margin, page_header_top + 12.70},
      {"by Norvale Systems", Anchor::right, right_margin, page_header_top + 12.70},
      {"Spherical tank", Anchor::centre, 105, t + 5.29},
      {"Diameter (d) - 10.000 meters", Anchor::left, left_margin, t + 14.82},
      {"Maximum Volume = ZERO + SPAN", Anchor::right, right_margin, t + 14.82},
      {"Length of cylinder (L) - 0.000 meters", Anchor::left, left_margin, t + 21.17},
      {"Length of cone (L1) - 0.000 meters", Anchor::left, left_margin, t + 27.52},
      {"Angle of inclination (x) - 0.000 degrees", Anchor::left, left_margin, t + 33.87},
      {"Height (h1) - 0.000 meters", Anchor::left, left_margin, t + 40.22},
      {"ZERO - 0.000 m3", Anchor::right, right_margin, t + 40.22},
      {"Height (h2) - 10.000 meters", Anchor::left, left_margin, t + 46.57},
      {"SPAN - 523.599 m3", Anchor::right, right_margin, t + 46.57},
      // Column titles are centred in their boxes; the wider ones wrap onto a second line.
      {"Point", Anchor::centre, left_margin + 12.70 + 14.55 / 2, c},
      {"Input", Anchor::centre, left_margin + 43.39 + 15.08 / 2, c},
      {"(norm)", Anchor::centre, left_margin + 43.39 + 15.08 / 2, c + 4.06},
      {"Output", Anchor::centre, left_margin + 76.20 + 14.55 / 2, c},
      {"Height", Anchor::centre, left_margin + 106.89 + 15.61 / 2, c},
      {"(meters)", Anchor::centre, left_margin + 106.89 + 15.61 / 2, c + 4.06},
      {"Volume", Anchor::centre, left_margin + 137.58 + 15.61 / 2, c},
      {"(m3)", Anchor::centre, left_margin + 137.58 + 15.61 / 2, c + 4.06},
      // The memo wraps at word boundaries within its box.
      {"Input (norm) and Output (norm) are normalized", Anchor::left, left_margin,
       detail_top + 17 * row_height + 3.17},
  };
  for (const Placed& text : texts) expect_placed(pdf, text);
  const std::vector<QRectF> memo_end = pdf.find("the values of Zero and Span.");
  ASSERT_EQ(memo_end.size(), 1u);
  EXPECT_LT(memo_end[0].right(), left_margin + 184.41);

  expect_rows(pdf, table, 17);
  EXPECT_TRUE(table.Eof()) << "the report leaves the store at its end";
}

TEST_F(ReportLayoutTest, TwentySevenRowsAndTheSummaryFitOnePage) {
  view.texts[ParameterField::points] = "25";
  calculate_report();
  const PdfText pdf = print();
  EXPECT_EQ(pdf.pages, 1);
  expect_rows(pdf, table, 27);
  expect_placed(pdf, {"Input (norm) and Output (norm) are normalized", Anchor::left, left_margin,
                      detail_top + 27 * row_height + 3.17});
}

TEST_F(ReportLayoutTest, LinesRunAlongTheBandEdgesInsideTheirBands) {
  calculate_report();
  constexpr int dpi = 300;
  const QImage page = report.page_image(dpi, printed_at);
  const auto pixels = [&](qreal mm) { return static_cast<int>(mm * dpi / 25.4); };
  const qreal summary_top = detail_top + 17 * row_height;
  const struct {
    const char* name;
    qreal edge;
    qreal points;  // the line's width
    bool above;    // the line lies in the band above the edge
  } cases[] = {
      {"page header bottom", title_top, 2, true},
      {"column header top", column_header_top, 1, false},
      {"column header bottom", detail_top, 1, true},
      {"summary top", summary_top, 2, false},
  };
  for (const auto& line : cases) {
    SCOPED_TRACE(line.name);
    // Far right, where no text comes near the edges.
    const int x = pixels(185);
    int first_dark = -1, dark = 0;
    for (int y = pixels(line.edge - 1.5); y < pixels(line.edge + 1.5); ++y) {
      if (qGray(page.pixel(x, y)) >= 128) continue;
      if (first_dark < 0) first_dark = y;
      ++dark;
    }
    EXPECT_NEAR(dark, line.points * dpi / 72, 1.5);
    const int edge = pixels(line.edge);
    EXPECT_NEAR(line.above ? first_dark + dark : first_dark, edge, 1.5);
  }
}

TEST_F(ReportLayoutTest, ClosedOrEmptyStorePrintsThePageHeaderAlone) {
  const struct {
    const char* name;
    std::function<void()> prepare;
  } cases[] = {
      {"never opened", [] {}},
      {"open without records", [&] { table.Open(); }},
      {"closed by a change of shape after a report",
       [&] {
         calculate_report();
         table.Close();
       }},
  };
  for (const auto& store : cases) {
    SCOPED_TRACE(store.name);
    store.prepare();
    const PdfText pdf = print();
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.find("MODEL OSTRA CALIBRATION REPORT").size(), 1u);
    EXPECT_EQ(pdf.find("by Norvale Systems").size(), 1u);
    for (const PdfWord& word : pdf.words)
      EXPECT_LT(word.box.bottom(), title_top) << word.text.toStdString() << " below the header";
  }
}

// A report whose records do not fit on one page goes on over as many pages as they need, each
// with the page header and the column header.
class TallReport final : public Report {
 public:
  explicit TallReport(TDataSet& table)
      : Report("TALL", table, {&header, nullptr, &columns, &detail, &summary}) {}

  ReportLabel page_title{"HEADER", at_left(0, 5), QFont("Liberation Sans", 10)};
  ReportLabel column_title{"COLUMN", at_left(0, 5), QFont("Liberation Sans", 10)};
  ReportDBText value{"Point", at_left(0, 5), QFont("Liberation Sans", 10)};
  ReportLabel end{"END", at_left(0, 5), QFont("Liberation Sans", 10)};
  const ReportBand header{20, {&page_title}};
  const ReportBand columns{10, {&column_title}};
  const ReportBand detail{50, {&value}};
  const ReportBand summary{20, {&end}};
};

TEST_F(ReportLayoutTest, RecordsBeyondThePageGoOnOverFurtherPages) {
  calculate_report();  // 17 records
  const TallReport tall(table);
  const QString path = folder.filePath("tall.pdf");
  ASSERT_TRUE(tall.write_pdf(path, printed_at));
  const PdfText pdf = read_pdf_text(path);

  // 30 mm of headers leave room for four 50 mm records in the 271.6 mm of a page.
  EXPECT_EQ(pdf.pages, 5);
  std::vector<int> headers, column_titles, records, ends;
  for (const PdfWord& word : pdf.words) {
    if (word.text == "HEADER") headers.push_back(word.page);
    if (word.text == "COLUMN") column_titles.push_back(word.page);
    if (word.text.toInt() > 0) records.push_back(word.page);
    if (word.text == "END") ends.push_back(word.page);
  }
  EXPECT_EQ(headers, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(column_titles, headers);
  EXPECT_EQ(records.size(), 15u);
  EXPECT_EQ(ends, std::vector<int>{5});

  // An image has one page only: drawing stops where the first page ends.
  QImage image(100, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  EXPECT_EQ(tall.render(painter, printed_at), 1);
}

}  // namespace
}  // namespace fillmap::testing
