#pragma once

#include "stone/ClassicCuts.h"
#include "stone/StoneDesign.h"

#include <QObject>

// The stone being designed in a main window: the one value that its recipe
// and verification windows and its cut sheet show, changed only through
// here. The choices, the gear and the viewer outlive a cut and go on to the
// next one; the material follows each cut, as the gem it is computed for.
class CurrentDesign : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The design, or null while no cut is computed.
    const stone::StoneDesign *design() const { return m_hasCut ? &m_design : nullptr; }

    // A cut computed for a width D, of the material given.
    void setCut(const CutResult &cut, double D, const stone::Material &material);
    // No cut any more.
    void clear();

    // A value typed in, within its limits; a density is the cutter's own,
    // no gem's.
    void setValue(stone::DesignValue value, double number);
    void setGear(int teeth);
    // The gem at that place in commonGems(), and its density.
    void chooseGem(qsizetype gem);
    // The cut the search found, with its stars and lower halves, instead of
    // the computed one, until the next computation.
    void useCut(const stone::NamedCut &cut);

signals:
    // The design changed, or there is a new one.
    void changed();
    // There is no design any more.
    void cleared();

private:
    // Applies edit to the design, if there is one, and tells.
    template <typename Edit>
    void edit(Edit edit);

    stone::StoneDesign m_design;
    bool m_hasCut = false;
};
