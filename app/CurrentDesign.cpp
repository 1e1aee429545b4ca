#include "app/CurrentDesign.h"

#include "calc/Gems.h"
#include "stone/CutSearch.h"

template <typename Edit>
void CurrentDesign::edit(Edit edit) {
    if (!m_hasCut)
        return;
    edit(m_design);
    emit changed();
}

void CurrentDesign::setCut(const CutResult &cut, double D, const stone::Material &material) {
    m_design.cut = cut;
    m_design.optimised.reset();
    m_design.D = D;
    m_design.material = material;
    m_hasCut = true;
    emit changed();
}

void CurrentDesign::clear() {
    if (!m_hasCut)
        return;
    m_hasCut = false;
    emit cleared();
}

void CurrentDesign::setValue(stone::DesignValue value, double number) {
    if (stone::limitsOf(value).contains(number))
        edit([=](stone::StoneDesign &d) { stone::setValue(d, value, number); });
}

void CurrentDesign::setGear(int teeth) {
    if (stone::isIndexGear(teeth))
        edit([teeth](stone::StoneDesign &d) { d.gear = teeth; });
}

void CurrentDesign::chooseGem(qsizetype gem) {
    if (gem < 0 || gem >= commonGems().size())
        return;
    edit([gem](stone::StoneDesign &d) {
        d.material = stone::gemMaterial(d.material.refractiveIndex, gem);
    });
}

void CurrentDesign::useCut(const stone::NamedCut &cut) {
    edit([&cut](stone::StoneDesign &d) { d = stone::designWithCut(d, cut); });
}
