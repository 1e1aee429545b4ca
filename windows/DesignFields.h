#pragma once

#include "stone/StoneDesign.h"

#include <QObject>
#include <utility>
#include <vector>

class FieldProblems;
class NumberField;
class QLabel;

// The number fields of a stone window, each for one value of the design:
// they take that value's limits, show the design they are given, report each
// value the user enters, and say in one label what is wrong with the text of
// any of them, named by its label.
class DesignFields : public QObject {
    Q_OBJECT

public:
    DesignFields(QLabel &problems, QObject *parent);

    // step: of the up and down keys.
    void add(stone::DesignValue value, NumberField &field, double step);
    void show(const stone::StoneDesign &design) const;

signals:
    void valueEdited(stone::DesignValue value, double number);

private:
    FieldProblems *m_problems;
    std::vector<std::pair<stone::DesignValue, NumberField *>> m_fields;
};
