// The Monte Carlo graph: the scenario's net worth, one thin line per trial, the trials' average
// and the scenario's final run, under the trial counter while the analysis runs and the success
// text once it is done.
#pragma once

#include <string>
#include <vector>

#include "graph/draw_graph.h"

namespace graph {

// How the trial lines are coloured, by the planner's start-up words.
enum class TrialColour { Standard, Gray, DarkYellow };

struct MonteCarloGraph {
  std::vector<float> ages;     // one per results year
  std::vector<float> base;     // the scenario's net worth before the trials
  std::vector<std::vector<float>> trials;
  std::vector<float> average;  // once the trials are done
  int trial = 0;               // the trial running
  int trialCount = 0;
  int successes = 0;
  bool done = false;
  bool showLegend = true;
  TrialColour trialColour = TrialColour::Standard;
  bool lighter = false;  // the start-up word "LIGHTER"
};

// "Monte Carlo Analysis - Trial Number %d of %d" while trials run; when all are done the two
// lines "  Monte Carlo Analysis - Number of Trials = %d  " and "Scenario Success = %5.2f%".
std::vector<std::string> MonteCarloTexts(const MonteCarloGraph& graph);

// The colour of the trial lines: grey lightened ("GRAY"), plain dark yellow ("DARKYELLOW"),
// else dark yellow lightened; the lightening is left out when "DARKYELLOW" was given without
// "LIGHTER".
Color TrialLineColour(const MonteCarloGraph& graph, Program program);

DrawnGraph DrawMonteCarloGraph(Canvas& canvas, const MonteCarloGraph& graph,
                               const DrawOptions& options);

}  // namespace graph
