#include "ui/spin_edit.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/conversions.h"

namespace fillmap {

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {}

int SpinEdit::value() const {
  bool is_number = false;
  const int number = text().toInt(&is_number);
  return is_number ? std::clamp(number, minimum_, maximum_) : minimum_;
}

void SpinEdit::setValue(int value) {
  lineEdit()->setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

void SpinEdit::stepBy(int steps) { setValue(value() + steps); }

QValidator::State SpinEdit::validate(QString& input, int& /*pos*/) const {
  const QString allowed =
      QStringLiteral("0123456789+-") + QChar::fromLatin1(format_settings().decimal_separator);
  const bool typeable =
      std::all_of(input.begin(), input.end(), [&](QChar c) { return allowed.contains(c); });
  return typeable ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
  return isReadOnly() ? StepNone : StepUpEnabled | StepDownEnabled;
}

}  // namespace fillmap
