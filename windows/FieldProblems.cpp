#include "windows/FieldProblems.h"

#include "windows/NumberField.h"

#include <QLabel>
#include <algorithm>

QString fieldName(const NumberField &field) {
    for (const QLabel *label : field.window()->findChildren<QLabel *>()) {
        if (label->buddy() == &field) {
            QString name = label->text().remove(u'&');
            return name.endsWith(u':') ? name.chopped(1) : name;
        }
    }
    return field.accessibleName();
}

FieldProblems::FieldProblems(QLabel &label, QObject *parent) : QObject(parent), m_label(label) {
    m_label.clear();
}

void FieldProblems::watch(NumberField &field) {
    m_fields.push_back(&field);
    connect(&field, &NumberField::problemChanged, this, [this] {
        m_own.clear();
        show();
    });
}

bool FieldProblems::allTaken() const {
    return std::all_of(m_fields.begin(), m_fields.end(),
                       [](const NumberField *field) { return field->problem().isEmpty(); });
}

void FieldProblems::showOwn(const QString &problem) {
    m_own = problem;
    show();
}

void FieldProblems::show() {
    QStringList lines;
    for (const NumberField *field : m_fields) {
        if (!field->problem().isEmpty())
            lines.append(tr("%1: %2.").arg(fieldName(*field), field->problem()));
    }
    if (!m_own.isEmpty())
        lines.append(m_own);
    m_label.setText(lines.join(u'\n'));
}
