#pragma once

#include "app/BackgroundTrace.h"
#include "stone/CutSearch.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

class CurrentDesign;
class FrmOptimizar;
class QWidget;

// How much the search traces, and the grid of its final figures.
struct SearchEffort {
    stone::SearchBudget budget;
    int fineRaysAcross = 160;
};

// "&Optimizar talla…": the window of the search for the brightest cut of the
// design's material, one at most, owned by the main window. The search runs
// in the background while the window stays responsive, and shows its figure
// as it goes; its button, Escape and closing the window stop it. "&Usar esta
// talla" makes the design use the cut found: the recipe and verification
// windows and the cut sheet then show it, until the next computation. A
// new cut, girdle or viewer makes the search's result another design's:
// the window clears it.
class OptimiserCommands : public QObject {
    Q_OBJECT

public:
    OptimiserCommands(QWidget &owner, CurrentDesign &design, SearchEffort effort = {});
    ~OptimiserCommands() override;

    // Opens the window on the design, or brings it to the front.
    void open();
    FrmOptimizar *window() const;

private:
    void showDesign();
    void close();
    void search(const stone::SearchBounds &bounds, stone::SearchObjective objective);
    void showProgress();
    void cancel();
    void useResult();

    QWidget &m_owner;
    CurrentDesign &m_design;
    SearchEffort m_effort;
    QPointer<FrmOptimizar> m_window;
    // The design searched from, and what the search found for it.
    std::optional<stone::StoneDesign> m_searched;
    std::optional<stone::SearchResult> m_result;
    std::shared_ptr<stone::SearchProgress> m_progress;
    BackgroundTrace m_search;
    QTimer m_progressTimer;
};
