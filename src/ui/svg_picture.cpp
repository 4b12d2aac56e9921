#include "ui/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace fillmap {

void SvgPicture::setSource(const QString& source) {
  source_ = source;
  rendered_ = QPixmap();
  update();
}

void SvgPicture::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  if (rendered_.isNull() && !source_.isEmpty()) {
    QSvgRenderer renderer(source_);
    // Pictures larger than their place shrink to fit it; the others keep their drawn size.
    const QSize drawn = renderer.defaultSize().scaled(size(), Qt::KeepAspectRatio);
    const QSize size = renderer.defaultSize().boundedTo(drawn);
    rendered_ = QPixmap(size * ratio);
    rendered_.setDevicePixelRatio(ratio);
    rendered_.fill(Qt::transparent);
    QPainter painter(&rendered_);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  QPainter painter(this);
  const QSize shown = rendered_.deviceIndependentSize().toSize();
  painter.drawPixmap((width() - shown.width()) / 2, (height() - shown.height()) / 2, rendered_);
}

}  // namespace fillmap
