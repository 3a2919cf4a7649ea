#pragma once
// A number field with spin buttons whose range binds the buttons only: a
// typed value is taken as it stands, 0 and values past the range included.

#include <QAbstractSpinBox>

class DurationSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    DurationSpin(quint32 minimum, quint32 maximum, QWidget* parent = nullptr);

    // Text that is not a number reads as 0.
    quint32 Value() const;
    void SetValue(quint32 value);
    quint32 Minimum() const { return minimum_; }
    quint32 Maximum() const { return maximum_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    quint32 minimum_;
    quint32 maximum_;
};
