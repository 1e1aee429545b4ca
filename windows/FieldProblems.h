#pragma once

#include <QObject>
#include <QString>
#include <vector>

class NumberField;
class QLabel;

// "Filetín (% de D)" for the field whose label reads "&Filetín (% de D):".
QString fieldName(const NumberField &field);

// Says in one label what is wrong with the text of any of a window's number
// fields, each named by its label, and, besides, one problem of the window's
// own.
class FieldProblems : public QObject {
    Q_OBJECT

public:
    FieldProblems(QLabel &label, QObject *parent);

    void watch(NumberField &field);
    // True when no field has a problem.
    bool allTaken() const;
    // A problem besides the fields', until the fields change.
    void showOwn(const QString &problem);

private:
    void show();

    QLabel &m_label;
    std::vector<NumberField *> m_fields;
    QString m_own;
};
