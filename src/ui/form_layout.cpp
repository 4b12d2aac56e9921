#include "ui/form_layout.h"

#include <QEvent>
#include <QFrame>
#include <QWidget>
#include <utility>
#include <vector>

namespace fillmap {

namespace {

constexpr double design_dpi = 96;
constexpr double points_per_inch = 72;

void use_pixel_fonts(QWidget* form) {
  // The fonts are worked out first and set afterwards: setting one changes the point sizes its
  // children inherit.
  std::vector<std::pair<QWidget*, QFont>> fonts;
  QList<QWidget*> widgets = form->findChildren<QWidget*>();
  widgets.prepend(form);
  for (QWidget* widget : widgets) {
    if (widget != form && !widget->testAttribute(Qt::WA_SetFont)) continue;
    QFont font = widget->font();
    font.setPixelSize(qRound(font.pointSizeF() * design_dpi / points_per_inch));
    fonts.emplace_back(widget, font);
  }
  for (auto& [widget, font] : fonts) widget->setFont(font);
}

QString alignment(const QObject* child) {
  return child->isWidgetType() ? child->property("align").toString() : QString();
}

void align_children(QWidget* container) {
  const auto* frame = qobject_cast<QFrame*>(container);
  const QRect inside = frame ? frame->contentsRect() : container->rect();
  int top = inside.top();
  for (QObject* child : container->children()) {
    if (alignment(child) != QLatin1String("top")) continue;
    auto* strip = static_cast<QWidget*>(child);
    strip->setGeometry(inside.left(), top, inside.width(), strip->height());
    top += strip->height();
  }
  for (QObject* child : container->children()) {
    if (alignment(child) != QLatin1String("client")) continue;
    static_cast<QWidget*>(child)->setGeometry(inside.left(), top, inside.width(),
                                              inside.bottom() + 1 - top);
  }
}

// Aligns the children of every container it watches when that container is resized.
class Aligner final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) align_children(static_cast<QWidget*>(watched));
    return false;
  }
};

void align_strips(QWidget* form) {
  auto* aligner = new Aligner(form);
  QList<QWidget*> containers;
  for (QWidget* widget : form->findChildren<QWidget*>()) {
    QWidget* container = widget->parentWidget();
    if (alignment(widget).isEmpty() || containers.contains(container)) continue;
    containers.append(container);
    container->installEventFilter(aligner);
    align_children(container);
  }
}

}  // namespace

void apply_form_layout(QWidget* form) {
  use_pixel_fonts(form);
  align_strips(form);
}

}  // namespace fillmap
