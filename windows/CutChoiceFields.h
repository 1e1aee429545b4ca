#pragma once

#include "stone/Brilliant.h"

class QDoubleSpinBox;
class QWidget;

// The girdle, star and lower-girdle fields that both stone windows offer.
struct CutChoiceFields {
    QDoubleSpinBox *girdle = nullptr;
    QDoubleSpinBox *star = nullptr;
    QDoubleSpinBox *lowerGirdle = nullptr;

    stone::CutChoices choices() const;
    // Shows choices without reporting them as changed by the user.
    void show(const stone::CutChoices &choices) const;
};

// Every number field of window reads and shows numbers with a decimal point,
// as the main window's fields do, whatever the desktop's language.
void useDecimalPoint(const QWidget &window);
