// The refinance analysis: keeping an existing mortgage against refinancing it at an age, month
// by month from the refinancing on, with the new payment, the refinanced amount, the costs, the
// month the refinancing breaks even, the yearly rows of "refprt.tmp" and the graph file
// "ref.tmp".
//
// What the analysis counts, so that the rows, the break-even month and the graph agree: both
// sides start the refinancing with no savings and no equity gained; each month a side pays its
// mortgage payment out of its savings and gains its principal as equity; the savings earn (or,
// below zero, cost) the savings rate each month; at each year's end the tax saved on the
// mortgage interest is added and the tax on the savings interest taken. Closing costs and
// points that are not included in the mortgage are paid from the refinanced side's savings when
// it refinances; included ones raise the refinanced amount, and the refinanced side starts with
// that much less equity. The cash out is borrowed in the refinanced amount; used as savings it
// is added to the refinanced side's savings and left out of its value, else it is spent.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace calc {

inline constexpr const char* kRefinancePrintFile = "refprt.tmp";
inline constexpr const char* kRefinanceGraphFile = "ref.tmp";

struct RefinanceInputs {
  int startAge = 0;  // of the existing mortgage
  float amount = 0.0f;
  float rate = 0.0f;
  int years = 0;
  float refinanceAge = 0.0f;  // used whole
  float refinancedAmount = 0.0f;  // 0: the balance at the refinancing plus the cash out
  float cashOut = 0.0f;
  bool cashOutAsSavings = false;
  float refinancedRate = 0.0f;
  int refinancedYears = 0;
  float closingCosts = 0.0f;
  bool closingCostsInMortgage = false;
  float points = 0.0f;  // percent of the refinanced amount
  bool pointsInMortgage = false;
  float taxRate = 0.0f;
  float savingsRate = 0.0f;
};

// One side's year: the nine values of a row of "refprt.tmp".
struct RefinanceYear {
  float netWorth = 0.0f;  // savings + equity (the refinanced side less a cash out kept)
  float savings = 0.0f;
  float equity = 0.0f;
  float paymentDifference = 0.0f;  // the year's existing payments less the refinanced ones
  float principal = 0.0f;
  float interest = 0.0f;
  float taxSavings = 0.0f;
  float savingsInterest = 0.0f;
  float taxOnInterest = 0.0f;
};

struct RefinanceRow {
  int age = 0;
  RefinanceYear existing;
  RefinanceYear refinanced;
};

struct RefinancePoint {
  int month = 0;
  float existing = 0.0f;
  float refinanced = 0.0f;
};

struct RefinanceOutcome {
  float payment = 0.0f;  // the existing monthly payment
  float refinancedPayment = 0.0f;
  float refinancedAmount = 0.0f;
  float mortgageCosts = 0.0f;  // the closing costs and the points
  int breakEvenMonth = 0;      // months from the refinancing; 0 when it never breaks even
  std::vector<RefinanceRow> rows;
  int plottedMonths = 0;
  std::vector<RefinancePoint> points;  // month 0 and every fourth month of the plotted range
};

// Checks the inputs in the dialog's order (the first failure shown) and runs the analysis.
std::optional<RefinanceOutcome> AnalyseRefinance(const RefinanceInputs& inputs,
                                                 platform::Prompter& prompter);

// "refprt.tmp": the heading and an "O" and an "R" row per age.
std::string RefinancePrintText(const RefinanceOutcome& outcome);
// "ref.tmp": the graph file of kxref.
std::string RefinanceGraphText(const RefinanceOutcome& outcome);
// Each written into `workDir`; a failure is shown ("FILE ERROR").
bool WriteRefinancePrintFile(const std::filesystem::path& workDir, const RefinanceOutcome& outcome,
                             platform::Prompter& prompter);
bool WriteRefinanceGraphFile(const std::filesystem::path& workDir, const RefinanceOutcome& outcome,
                             platform::Prompter& prompter);

}  // namespace calc
