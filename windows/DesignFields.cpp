#include "windows/DesignFields.h"

#include "stone/LimitText.h"
#include "windows/NumberField.h"

#include <QLabel>

namespace {

// "Filetín (% de D)" for the field whose label reads "&Filetín (% de D):".
QString fieldName(const NumberField &field) {
    for (const QLabel *label : field.window()->findChildren<QLabel *>()) {
        if (label->buddy() == &field) {
            QString name = label->text().remove(u'&');
            return name.endsWith(u':') ? name.chopped(1) : name;
        }
    }
    return field.accessibleName();
}

}  // namespace

DesignFields::DesignFields(QLabel &problems, QObject *parent)
    : QObject(parent), m_problems(problems) {
    m_problems.clear();
}

void DesignFields::add(stone::DesignValue value, NumberField &field, double step) {
    field.setLimits(stone::limitsOf(value), step);
    field.setToolTip(tr("%1, %2").arg(field.toolTip(), stone::rangeText(stone::limitsOf(value))));
    m_fields.emplace_back(value, &field);
    connect(&field, &NumberField::valueEdited, this,
            [this, value](double number) { emit valueEdited(value, number); });
    connect(&field, &NumberField::problemChanged, this, &DesignFields::showProblems);
}

void DesignFields::show(const stone::StoneDesign &design) const {
    for (const auto &[value, field] : m_fields)
        field->showValue(stone::valueOf(design, value));
}

void DesignFields::showProblems() {
    QStringList lines;
    for (const auto &[value, field] : m_fields) {
        if (!field->problem().isEmpty())
            lines.append(tr("%1: %2.").arg(fieldName(*field), field->problem()));
    }
    m_problems.setText(lines.join(u'\n'));
}
