#pragma once
// A small banded report engine. A report is a page header, a title, a column header, one detail
// band per record of a data set and a summary, laid out in millimetres on an A4 page, and drawn
// by one function onto any painter: a printer, a PDF file or an image.
//
// The detail band reads the data set only through Active, First, Next, Eof and
// FieldByName(name).AsString(); the report never opens, closes or changes it.

#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace fillmap {

class TDataSet;

// What an element's text may depend on while a report is drawn.
struct ReportContext {
  TDataSet& data_set;
  QDateTime printed_at;
};

// Where an element stands in its band. All measures are millimetres from the band's left edge
// (the left margin) and the band's top.
struct ElementPlace {
  enum Kind {
    at_left,   // against the band's left edge, as wide as its text
    at_right,  // against the band's right edge, as wide as its text
    centred,   // centred on the band, as wide as its text
    in_box,    // in a box of its own, the text aligned inside it
  };
  Kind kind;
  QRectF box;  // for the first three kinds only the top and the height count
  Qt::Alignment alignment = Qt::AlignLeft;
  // Breaks the text at spaces into lines that fit the box. Runs of spaces, leading ones
  // included, take no room, so a right-aligned value ends at the box's right edge; a word wider
  // than the box stands alone on its line and reaches out of the box.
  bool word_wrap = false;
};

ElementPlace at_left(qreal top, qreal height);
ElementPlace at_right(qreal top, qreal height);
ElementPlace centred(qreal top, qreal height);
ElementPlace in_box(qreal left, qreal top, qreal width, qreal height, Qt::Alignment alignment,
                    bool word_wrap);

// A text on the page, printed in black on a white background without a frame.
class ReportElement {
 public:
  ReportElement(ElementPlace place, QFont font);
  ReportElement(const ReportElement&) = delete;
  ReportElement& operator=(const ReportElement&) = delete;
  virtual ~ReportElement() = default;

  virtual QString text(const ReportContext& context) const = 0;

  const ElementPlace place;
  const QFont font;
};

// A fixed text, a caption set at run time, or the lines of a memo ("\n" starts a new line).
class ReportLabel final : public ReportElement {
 public:
  ReportLabel(QString caption, ElementPlace place, QFont font);
  QString text(const ReportContext& context) const override;

  QString caption;
};

// The text of one field of the data set's current record.
class ReportDBText final : public ReportElement {
 public:
  ReportDBText(std::string field_name, ElementPlace place, QFont font);
  QString text(const ReportContext& context) const override;

  const std::string field_name;
};

// The date and time of printing: the system locale's short date, then its long time.
class ReportDateTime final : public ReportElement {
 public:
  using ReportElement::ReportElement;
  QString text(const ReportContext& context) const override;
};

// A strip across the page between the margins, holding elements.
struct ReportBand {
  ReportBand(qreal height, std::initializer_list<const ReportElement*> elements,
             Qt::Edges lines = {}, qreal line_width = 0);

  qreal height;  // millimetres
  std::vector<const ReportElement*> elements;
  Qt::Edges lines;   // the edges along which a line runs
  qreal line_width;  // points
};

// The bands of a report. A band that a report does not have is null.
struct ReportBands {
  const ReportBand* page_header;
  const ReportBand* title;
  const ReportBand* column_header;
  const ReportBand* detail;
  const ReportBand* summary;
};

class Report {
 public:
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;
  virtual ~Report() = default;

  // A4 portrait with 12.7 mm margins on every side.
  static QPageLayout page_layout();

  // Draws the report onto the painter's device, in millimetres of the page mapped onto the
  // device's resolution. Every page starts with the page header. When the data set is open and
  // holds a record, the title and the column header follow, then one detail band per record
  // from the first to the last, then the summary; otherwise the page header is all there is.
  // A band that does not fit below the last one starts a new page on a printer or a PDF file;
  // on any other device drawing ends with the first page. `printed_at` is the time the
  // date-time elements show. Returns the number of pages drawn.
  int render(QPainter& painter, const QDateTime& printed_at) const;

  // Sets a printer to the report's page, one copy, no duplex, and the report's title as the name
  // of the print job.
  void prepare(QPrinter& printer) const;

  // The first page as a white A4 picture of the given resolution.
  QImage page_image(int dots_per_inch, const QDateTime& printed_at) const;

  // Writes the report as a PDF file of 1200 dots per inch; false when the file cannot be written.
  bool write_pdf(const QString& path, const QDateTime& printed_at) const;

  const QString title;

 protected:
  Report(QString title, TDataSet& data_set, ReportBands bands);

 private:
  TDataSet& data_set_;
  ReportBands bands_;
};

}  // namespace fillmap
