#include "windows/CutChoiceFields.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>

stone::CutChoices CutChoiceFields::choices() const {
    return {girdle->value(), star->value(), lowerGirdle->value()};
}

void CutChoiceFields::show(const stone::CutChoices &choices) const {
    const QSignalBlocker blockers[] = {QSignalBlocker(girdle), QSignalBlocker(star),
                                       QSignalBlocker(lowerGirdle)};
    girdle->setValue(choices.girdlePercent);
    star->setValue(choices.starPercent);
    lowerGirdle->setValue(choices.lowerGirdlePercent);
}

void useDecimalPoint(const QWidget &window) {
    for (QDoubleSpinBox *field : window.findChildren<QDoubleSpinBox *>())
        field->setLocale(QLocale::c());
}
