#include "windows/NumberField.h"

#include "calc/DecimalNumber.h"

#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {

// What a number looks like in the field: no more digits than it has, a
// decimal point.
QString numberText(double value) {
    return QString::number(value, 'g', 6);
}

}  // namespace

NumberField::NumberField(QWidget *parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::editingFinished, this, &NumberField::takeText);
}

void NumberField::setLimits(const stone::ValueRange &limits, double step) {
    m_limits = limits;
    m_step = step;
}

void NumberField::showValue(double value) {
    m_shown = value;
    if (m_problem.isEmpty())
        setText(m_optional && value == 0 ? QString() : numberText(value));
}

void NumberField::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::takeText() {
    QString typed = text().trimmed();
    if (m_optional && typed.isEmpty()) {
        setProblem({});
        if (m_shown != 0) {
            m_shown = 0;
            emit valueEdited(0);
        }
        return;
    }
    typed.replace(u',', u'.');
    const DecimalNumber number = readDecimalNumber(typed);
    if (number.reading != DecimalNumber::Reading::number || !m_limits.contains(number.value)) {
        const QString low = numberText(m_limits.low), high = numberText(m_limits.high);
        setProblem(m_limits.orZero ? tr("escriba 0 o un número de %1 a %2").arg(low, high)
                                   : tr("escriba un número de %1 a %2").arg(low, high));
        return;
    }
    setProblem({});
    setText(numberText(number.value));
    if (number.value != m_shown) {
        m_shown = number.value;
        emit valueEdited(number.value);
    }
}

void NumberField::step(int steps) {
    if (!m_problem.isEmpty())
        return;
    const double stepped =
        std::clamp(std::round(m_shown / m_step + steps) * m_step, m_limits.low, m_limits.high);
    setText(numberText(stepped));
    takeText();
}

void NumberField::setProblem(const QString &problem) {
    if (problem == m_problem)
        return;
    m_problem = problem;
    setAccessibleDescription(problem);
    // The style sheets mark a field whose text is not taken.
    setProperty("wrong", !problem.isEmpty());
    style()->unpolish(this);
    style()->polish(this);
    emit problemChanged(problem);
}
