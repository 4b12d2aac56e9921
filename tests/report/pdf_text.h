#pragma once
// The words of a PDF file with their boxes in millimetres from the page's top-left corner, as
// poppler's pdftotext finds them.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace fillmap::testing {

struct PdfWord {
  int page;  // from 1
  QString text;
  QRectF box;
};

struct PdfText {
  int pages = 0;
  std::vector<PdfWord> words;

  // The boxes around the runs of consecutive words on one page that read `phrase`, in the
  // order of the text.
  std::vector<QRectF> find(const QString& phrase) const {
    const QStringList wanted = phrase.split(' ');
    std::vector<QRectF> found;
    for (std::size_t first = 0; first + wanted.size() <= words.size(); ++first) {
      QRectF box = words[first].box;
      bool match = true;
      for (int k = 0; match && k < wanted.size(); ++k) {
        const PdfWord& word = words[first + k];
        match = word.text == wanted[k] && word.page == words[first].page;
        box |= word.box;
      }
      if (match) found.push_back(box);
    }
    return found;
  }

  // Whether a word reads `text` with its right edge and its top where given, give or take half
  // a millimetre.
  bool has_word_ending_at(const QString& text, qreal right, qreal top) const {
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
      return word.text == text && qAbs(word.box.right() - right) < 0.5 &&
             qAbs(word.box.top() - top) < 0.5;
    });
  }
};

inline PdfText read_pdf_text(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-bbox", path, "-"});
  pdftotext.waitForFinished();
  const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());

  constexpr qreal mm_per_point = 25.4 / 72;
  static const QRegularExpression item(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  PdfText text;
  for (const QRegularExpressionMatch& match : item.globalMatch(xhtml)) {
    if (match.captured(1).isEmpty()) {
      ++text.pages;
      continue;
    }
    const QPointF top_left(match.captured(1).toDouble(), match.captured(2).toDouble());
    const QPointF bottom_right(match.captured(3).toDouble(), match.captured(4).toDouble());
    QString word = match.captured(5);
    word.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    text.words.push_back(
        {text.pages, word, QRectF(top_left * mm_per_point, bottom_right * mm_per_point)});
  }
  return text;
}

}  // namespace fillmap::testing
