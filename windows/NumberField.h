#pragma once

#include "stone/DesignLimits.h"

#include <QLineEdit>

// A field for one number within limits. It reads "0,5" and "0.5" alike,
// whatever the desktop's language, and reports a number only once the user
// has finished typing it (Enter, or the focus moving on) or steps it with the
// up and down keys. Text that is no number, or a number beyond the limits,
// stays as typed and marked, with the limits said, until the user corrects
// it: nothing is rounded into range behind the user's back.
class NumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberField(QWidget *parent = nullptr);

    // The limits, and the step of the up and down keys.
    void setLimits(const stone::ValueRange &limits, double step);
    // An optional field takes no text for no value, which it reports as 0.
    void setOptional(bool optional) { m_optional = optional; }
    // Shows value, unless the user is still correcting a wrong number.
    void showValue(double value);
    // Why the text is not taken, or empty when it is.
    QString problem() const { return m_problem; }

signals:
    void valueEdited(double value);
    void problemChanged(const QString &problem);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeText();
    void step(int steps);
    void setProblem(const QString &problem);

    stone::ValueRange m_limits{0, 0};
    double m_step = 1;
    bool m_optional = false;
    double m_shown = 0;  // the value last shown or taken
    QString m_problem;
};
