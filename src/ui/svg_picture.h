#pragma once
// A picture of the window drawn from an SVG resource, at its own size and centred in the
// widget. The drawing is rendered the first time the picture is seen, so pages the user has not
// opened cost nothing at start-up.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace fillmap {

class SvgPicture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString source READ source WRITE setSource)

 public:
  using QWidget::QWidget;

  QString source() const { return source_; }
  void setSource(const QString& source);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString source_;
  QPixmap rendered_;
};

}  // namespace fillmap
