#include "shell/dialogs/DurationSpin.h"

#include <QLineEdit>
#include <algorithm>

DurationSpin::DurationSpin(quint32 minimum, quint32 maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum)
{
}

quint32 DurationSpin::Value() const
{
    bool ok = false;
    const quint32 value = text().toUInt(&ok);
    return ok ? value : 0;
}

void DurationSpin::SetValue(quint32 value)
{
    lineEdit()->setText(QString::number(value));
}

void DurationSpin::stepBy(int steps)
{
    const qint64 next = qint64(Value()) + steps;
    SetValue(quint32(std::clamp<qint64>(next, minimum_, maximum_)));
    selectAll();
}

QValidator::State DurationSpin::validate(QString& input, int&) const
{
    for (QChar c : input)
        if (!c.isDigit())
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled DurationSpin::stepEnabled() const
{
    const quint32 value = Value();
    StepEnabled enabled = StepNone;
    if (value < maximum_)
        enabled |= StepUpEnabled;
    if (value > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}
