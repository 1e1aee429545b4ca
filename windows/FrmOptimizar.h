#pragma once

#include "stone/CutSearch.h"
#include "stone/LightMap.h"

#include <QWidget>
#include <memory>

class FieldProblems;
class NumberField;
namespace Ui {
class FrmOptimizar;
}

// The window of the search for the brightest round brilliant, built from
// FrmOptimizar.ui: the bounds and the objective the cutter sets, the search's
// progress (which the cutter may cancel, also with Escape) and its figure
// against the cuts traced as it goes, then the cut found beside the
// computed and the classic ones, in 3-D and in its light map, with the
// button that makes the design use it. It reports what the user asks for;
// the program's commands search and show.
class FrmOptimizar : public QWidget {
    Q_OBJECT

public:
    explicit FrmOptimizar(QWidget *parent = nullptr);
    ~FrmOptimizar() override;

    // The material and the cut the search starts from.
    void showDesign(const stone::StoneDesign &design);
    void showSearch(int percent, const std::vector<stone::SearchStep> &steps);
    // The cut found, traced at the fine grid, with its stone and map.
    void showResult(const stone::SearchResult &result, const stone::Brilliant &stone,
                    const stone::LightMap &map);
    // The search ended without a result to show, and why; or the result
    // shown is no longer of the design.
    void showFinished(const QString &status);
    void clearResult();

signals:
    void searchRequested(const stone::SearchBounds &bounds, stone::SearchObjective objective);
    void cancelRequested();
    void useRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A pair of fields, the least and the most of a range of the bounds.
    struct RangeFields {
        NumberField *low;
        NumberField *high;
        stone::ValueRange stone::SearchBounds::*range;
    };

    std::vector<RangeFields> rangeFields() const;
    void setUpFields();
    void connectControls();
    void requestSearch();
    void setSearching(bool searching);
    void fillTable(const std::vector<stone::CutLight> &cuts);

    std::unique_ptr<Ui::FrmOptimizar> m_ui;
    FieldProblems *m_problems = nullptr;
    stone::SearchBounds m_bounds;
    stone::SearchObjective m_objective = stone::SearchObjective::mixedSky;
};
