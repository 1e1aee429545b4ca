#include "windows/DesignFields.h"

#include "stone/LimitText.h"
#include "windows/FieldProblems.h"
#include "windows/NumberField.h"

DesignFields::DesignFields(QLabel &problems, QObject *parent)
    : QObject(parent), m_problems(new FieldProblems(problems, this)) {}

void DesignFields::add(stone::DesignValue value, NumberField &field, double step) {
    field.setLimits(stone::limitsOf(value), step);
    field.setToolTip(tr("%1, %2").arg(field.toolTip(), stone::rangeText(stone::limitsOf(value))));
    m_fields.emplace_back(value, &field);
    m_problems->watch(field);
    connect(&field, &NumberField::valueEdited, this,
            [this, value](double number) { emit valueEdited(value, number); });
}

void DesignFields::show(const stone::StoneDesign &design) const {
    for (const auto &[value, field] : m_fields)
        field->showValue(stone::valueOf(design, value));
}
