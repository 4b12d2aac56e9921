#pragma once
// An edit field with up and down arrows for a whole number. Unlike QSpinBox it keeps whatever
// the user typed, an empty text or a number out of range included, so that the calculation reads
// the text itself and reports it. The arrows and the Up and Down keys step the number within
// the range.

#include <QAbstractSpinBox>

namespace fillmap {

class SpinEdit : public QAbstractSpinBox {
  Q_OBJECT
  Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
  Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
  Q_PROPERTY(int value READ value WRITE setValue)

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  int minimum() const { return minimum_; }
  void setMinimum(int minimum) { minimum_ = minimum; }
  int maximum() const { return maximum_; }
  void setMaximum(int maximum) { maximum_ = maximum; }
  // The number in the text, kept within the range; the minimum when the text is no number.
  int value() const;
  // Writes the number, kept within the range, as the text.
  void setValue(int value);

  void stepBy(int steps) override;
  // Accepts texts made of digits, signs and the decimal separator, so that typing letters is
  // refused while "", "0" or "26" can still be typed.
  QValidator::State validate(QString& input, int& pos) const override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int minimum_ = 0;
  int maximum_ = 99;
};

}  // namespace fillmap
