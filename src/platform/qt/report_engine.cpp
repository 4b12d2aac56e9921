#include "platform/qt/report_engine.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "platform/dataset.h"

namespace fillmap {

namespace {

constexpr qreal mm_per_inch = 25.4;
constexpr qreal points_per_inch = 72;
constexpr int pdf_resolution = 1200;

// Millimetres of the page in pixels of a device. A printer and a PDF writer put the painter's
// origin at the corner of their printable area; any other device is the page itself.
class PageMap {
 public:
  explicit PageMap(const QPaintDevice& device)
      : dots_per_mm_x_(device.logicalDpiX() / mm_per_inch),
        dots_per_mm_y_(device.logicalDpiY() / mm_per_inch) {
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device))
      corner_ = -paged->pageLayout().paintRectPixels(device.logicalDpiX()).topLeft();
  }

  QRectF rect(const QRectF& mm) const {
    return {corner_.x() + mm.x() * dots_per_mm_x_, corner_.y() + mm.y() * dots_per_mm_y_,
            mm.width() * dots_per_mm_x_, mm.height() * dots_per_mm_y_};
  }
  qreal height(qreal mm) const { return mm * dots_per_mm_y_; }

 private:
  qreal dots_per_mm_x_;
  qreal dots_per_mm_y_;
  QPointF corner_;
};

// The lines of an element's text. Without word wrap, "\n" alone breaks lines; with it, every
// paragraph is filled word by word into lines no wider than `width`.
QStringList text_lines(const QString& text, const QFontMetricsF& metrics, qreal width,
                       bool word_wrap) {
  const QStringList paragraphs = text.split('\n');
  if (!word_wrap) return paragraphs;
  QStringList lines;
  for (const QString& paragraph : paragraphs) {
    QString line;
    for (const QString& word : paragraph.split(' ', Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + ' ' + word;
      if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
        line = longer;
      } else {
        lines.append(line);
        line = word;
      }
    }
    lines.append(line);
  }
  return lines;
}

// Draws bands one below the other, page after page.
class PagePrinter {
 public:
  PagePrinter(QPainter& painter, const ReportContext& context, const ReportBands& bands)
      : painter_(painter),
        context_(context),
        bands_(bands),
        map_(*painter.device()),
        paged_(dynamic_cast<QPagedPaintDevice*>(painter.device())) {
    const QPageLayout layout = Report::page_layout();
    const QRectF paint_area = layout.paintRect(QPageLayout::Millimeter);
    band_left_ = paint_area.left();
    band_width_ = paint_area.width();
    page_top_ = paint_area.top();
    page_bottom_ = paint_area.bottom();
    top_ = page_top_;
  }

  int pages() const { return pages_; }

  // Prints a band below the last one, on a new page when it does not fit on this one; false
  // when no page can follow.
  bool print_if_any(const ReportBand* band) {
    if (!band) return true;
    if (top_ + band->height > page_bottom_) {
      if (!paged_) return false;
      paged_->newPage();
      ++pages_;
      top_ = page_top_;
      print_if_any(bands_.page_header);
      if (band == bands_.detail) print_if_any(bands_.column_header);
    }
    draw(*band);
    top_ += band->height;
    return true;
  }

 private:
  void draw(const ReportBand& band) {
    for (const ReportElement* element : band.elements) draw(*element);
    if (!band.lines) return;
    // A line lies inside its band, so that the band next to it cannot paint over it.
    const qreal width = band.line_width * mm_per_inch / points_per_inch;
    QPen pen(Qt::black, map_.height(width));
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    const auto line_at = [&](qreal y) {
      const QRectF edge = map_.rect({band_left_, y, band_width_, 0});
      painter_.drawLine(edge.topLeft(), edge.topRight());
    };
    if (band.lines & Qt::TopEdge) line_at(top_ + width / 2);
    if (band.lines & Qt::BottomEdge) line_at(top_ + band.height - width / 2);
  }

  void draw(const ReportElement& element) {
    const ElementPlace& place = element.place;
    // Unhinted glyphs measure the same at every resolution, so a text wraps alike on the
    // screen, in the PDF file and on paper.
    QFont font = element.font;
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font, painter_.device());
    QRectF box = map_.rect(place.box.translated(band_left_, top_));
    const QStringList lines =
        text_lines(element.text(context_), metrics, box.width(), place.word_wrap);
    if (place.kind != ElementPlace::in_box) {
      qreal width = 0;
      for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
      const QRectF band = map_.rect({band_left_, top_, band_width_, 0});
      const qreal left = place.kind == ElementPlace::at_left    ? band.left()
                         : place.kind == ElementPlace::at_right ? band.right() - width
                                                                : band.center().x() - width / 2;
      box.setRect(left, box.top(), width, box.height());
    }
    painter_.fillRect(box, Qt::white);
    painter_.setPen(Qt::black);
    painter_.setFont(font);
    qreal baseline = box.top() + metrics.ascent();
    for (const QString& line : lines) {
      const qreal advance = metrics.horizontalAdvance(line);
      const qreal x = place.alignment & Qt::AlignRight     ? box.right() - advance
                      : place.alignment & Qt::AlignHCenter ? box.center().x() - advance / 2
                                                           : box.left();
      painter_.drawText(QPointF(x, baseline), line);
      baseline += metrics.lineSpacing();
    }
  }

  QPainter& painter_;
  const ReportContext& context_;
  const ReportBands& bands_;
  const PageMap map_;
  QPagedPaintDevice* const paged_;
  qreal band_left_;
  qreal band_width_;
  qreal page_top_;
  qreal page_bottom_;
  qreal top_;  // where the next band goes on the page, in millimetres
  int pages_ = 1;
};

}  // namespace

ElementPlace at_left(qreal top, qreal height) {
  return {ElementPlace::at_left, QRectF(0, top, 0, height)};
}

ElementPlace at_right(qreal top, qreal height) {
  return {ElementPlace::at_right, QRectF(0, top, 0, height)};
}

ElementPlace centred(qreal top, qreal height) {
  return {ElementPlace::centred, QRectF(0, top, 0, height)};
}

ElementPlace in_box(qreal left, qreal top, qreal width, qreal height, Qt::Alignment alignment,
                    bool word_wrap) {
  return {ElementPlace::in_box, QRectF(left, top, width, height), alignment, word_wrap};
}

ReportElement::ReportElement(ElementPlace place, QFont font)
    : place(place), font(std::move(font)) {}

ReportLabel::ReportLabel(QString caption, ElementPlace place, QFont font)
    : ReportElement(place, std::move(font)), caption(std::move(caption)) {}

QString ReportLabel::text(const ReportContext&) const { return caption; }

ReportDBText::ReportDBText(std::string field_name, ElementPlace place, QFont font)
    : ReportElement(place, std::move(font)), field_name(std::move(field_name)) {}

QString ReportDBText::text(const ReportContext& context) const {
  return QString::fromStdString(context.data_set.FieldByName(field_name).AsString());
}

QString ReportDateTime::text(const ReportContext& context) const {
  const QLocale locale = QLocale::system();
  return locale.toString(context.printed_at, locale.dateFormat(QLocale::ShortFormat) + ' ' +
                                                 locale.timeFormat(QLocale::LongFormat));
}

ReportBand::ReportBand(qreal height, std::initializer_list<const ReportElement*> elements,
                       Qt::Edges lines, qreal line_width)
    : height(height), elements(elements), lines(lines), line_width(line_width) {}

Report::Report(QString title, TDataSet& data_set, ReportBands bands)
    : title(std::move(title)), data_set_(data_set), bands_(bands) {}

QPageLayout Report::page_layout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

int Report::render(QPainter& painter, const QDateTime& printed_at) const {
  const ReportContext context{data_set_, printed_at};
  PagePrinter page(painter, context, bands_);
  page.print_if_any(bands_.page_header);
  if (!data_set_.Active()) return page.pages();
  data_set_.First();
  if (data_set_.Eof()) return page.pages();
  bool room = page.print_if_any(bands_.title) && page.print_if_any(bands_.column_header);
  for (; room && !data_set_.Eof(); data_set_.Next()) room = page.print_if_any(bands_.detail);
  if (room) page.print_if_any(bands_.summary);
  return page.pages();
}

void Report::prepare(QPrinter& printer) const {
  printer.setPageLayout(page_layout());
  printer.setDocName(title);
  printer.setCopyCount(1);
  printer.setDuplex(QPrinter::DuplexNone);
}

QImage Report::page_image(int dots_per_inch, const QDateTime& printed_at) const {
  const QSize size = page_layout().fullRectPixels(dots_per_inch).size();
  QImage image(size, QImage::Format_RGB32);
  const int dots_per_meter = qRound(dots_per_inch * 1000 / mm_per_inch);
  image.setDotsPerMeterX(dots_per_meter);
  image.setDotsPerMeterY(dots_per_meter);
  image.fill(Qt::white);
  QPainter painter(&image);
  render(painter, printed_at);
  return image;
}

bool Report::write_pdf(const QString& path, const QDateTime& printed_at) const {
  QPdfWriter writer(path);
  writer.setPageLayout(page_layout());
  writer.setResolution(pdf_resolution);
  writer.setTitle(title);
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  render(painter, printed_at);
  return painter.end();
}

}  // namespace fillmap
