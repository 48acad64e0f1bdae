#include "cli/record_fields.h"

#include <cstddef>

#include "core/scenario.h"

namespace cli {

namespace {

// Account kinds by value, as the JSON form names them.
constexpr const char* kAccountKindWords[] = {"asset", "equity", "investmentSavings",
                                             "retirementSavings", "taxFreeSavings"};

constexpr Field kInitialValues[] = {
    F32("startAge", 26),
    F32("endAge", 30),
    I16("useBirthday", 34),
    I16("birthMonth", 76),
    I16("birthDay", 78),
    F32("inflationRate", 36),
    F32("taxRate", 48),
    I16("todaysPurchasingPower", 68),
    F32("initialInvestmentSavings", 6),
    F32("initialTaxFreeSavings", 10),
    F32("initialRetirementSavings", 14),
    F32("initialEquity", 18),
    F32("initialAssets", 22),
    F32("avgInvestmentRate", 56),
    F32("avgTaxFreeRate", 60),
    F32("avgRetirementRate", 64),
    F32("avgEquityRate", 40),
    F32("avgAssetRate", 44),
    F32("reservedTotal", 2).Quiet(),
    F32("reservedRate", 52).Quiet(),
    Raw("unused70", 70, 6),
};

constexpr Field kAccount[] = {
    Text("name", 0, 30).Always(),
    U16("kind", 50).Words(kAccountKindWords).Always(),
    F32("initialAmount", 42).Always(),
    F32("rate", 46).Always(),
    F32("balance", 34),
    F32("currentRate", 38),
    Text("accessOrder", 30, 4),
    U16("accountId", 60).Always(),
    U16("slot", 80).Always(),
    U16("groupIndex", 78),
    U16("penaltyApplies", 62),
    F32("randomMinRate", 52),
    F32("randomMaxRate", 56),
    F32("lowestRandomRate", 64).Quiet(),
    F32("highestRandomRate", 68).Quiet(),
    F32("sumRandomRates", 72).Quiet(),
    Raw("unused76", 76, 2),
};

constexpr Field kAccountTrailer[] = {
    I32("nextAccountId", 0),       U16("aaMethod", 18),  F32("aaStartAge", 8),
    F32("aaMinimumWithdrawal", 4), U16("rmdMethod", 16), Raw("unused12", 12, 4),
    Raw("unused20", 20, 2),
};

constexpr Field kSlotRow[] = {
    F32("penaltyAge", 0).PerRow(),
    F32("penaltyRate", 200).PerRow(),
    U16("aaMember", 600).PerRow(),
    U16("rmdTable", 800).PerRow(),
    F32("stdDeviation", 1038).PerRow(),
    F32("randomRateCount", 400).PerRow().Quiet(),
    U16("penaltyStartAge", 700).PerRow().Quiet(),
    U16("reservedSlot", 1238).PerRow().Quiet(),
};

constexpr Field kDividendRow[] = {
    F32("dividendRate", 0).PerRow(),
    F32("dividendTaxablePercent", 200).PerRow(),
    U16("dividendAccountId", 400).PerRow(),
    U16("dividendReserved", 500).Array(3, 100).PerRow(2).Quiet(),
};

constexpr Field kRmdSettings[] = {
    I16("rmdTransferAccountId", 916),
    F32("rmdPenaltyRate", 912),
    Text("rmdTable1Description", 1738, 32),
    I32("rmdTable1StartAge", 900),
    F32("rmdTable1Values", 1338).Array(30),
    Text("rmdTable2Description", 1770, 32),
    I32("rmdTable2StartAge", 1698),
    F32("rmdTable2Values", 1458).Array(30),
    Text("rmdTable3Description", 1802, 32),
    I32("rmdTable3StartAge", 1702),
    F32("rmdTable3Values", 1578).Array(30),
    F32("reserved904", 904).Quiet(),
    Raw("unused908", 908, 4),
    Raw("unused918", 918, 120),
    Raw("unused1706", 1706, 32),
    Raw("unused1834", 1834, 104),
};

constexpr Field kGroupRow[] = {
    Text("groupName", 0, 21).PerRow(),
    F32("groupRandomMinRate", 210).PerRow(),
    F32("groupRandomMaxRate", 250).PerRow(),
};

constexpr Field kMonteCarlo[] = {
    I16("mcTrials", 450),       I16("mcRateSource", 454),       I16("mcRateType", 456),
    I16("mcRangeFactor", 460),  I16("mcStdDevFactor", 462),     F32("mcMinInflation", 410),
    F32("mcMaxInflation", 414), F32("mcGoalAmount", 418),       I16("mcTodaysPurchasingPower", 452),
    I16("mcShowLegend", 458),   F32("mcReserved", 422).Quiet(), Raw("unused290", 290, 120),
    Raw("unused426", 426, 24),  Raw("unused464", 464, 276),
};

constexpr Field kReportTitles[] = {
    Text("title1", 0, 60),           Text("title2", 60, 60),    Text("title3", 120, 60),
    I16("printTitle", 180).Array(3), Raw("unused186", 186, 60),
};

constexpr Field kFont[] = {
    Text("faceName", 28, 32), I32("height", 0),         I32("width", 4),
    I32("escapement", 8),     I32("orientation", 12),   I32("weight", 16),
    U8("italic", 20),         U8("underline", 21),      U8("strikeOut", 22),
    U8("charSet", 23),        U8("outPrecision", 24),   U8("clipPrecision", 25),
    U8("quality", 26),        U8("pitchAndFamily", 27),
};

constexpr Field kPage[] = {
    I32("windowLeft", 0),
    I32("windowTop", 4),
    I32("windowWidth", 124),
    I32("windowHeight", 128),
    I32("marginLeft", 132),
    I32("marginTop", 136),
    I32("marginRight", 140),
    I32("marginBottom", 144),
    I32("printOption", 148),
    I32("reportColumns", 8),
    I32("colorBanding", 12),
    I32("reportBanding", 16),
    I32("hideMakerFolder", 20),
    I32("reportBoxes", 24),
    I32("defaultFonts", 28),
    I32("defaultFontsCopy", 32),
    I32("resultsDisplayOption", 36),
    I32("fontOption", 40),
    Raw("unused44", 44, 80),
};

constexpr Field kBudget[] = {
    Text("budgetName", 0, 30).Always(), U16("budgetActive", 1390),
    I16("budgetStartAge", 32),          I16("budgetEndAge", 34),
    I32("budgetAccountId", 1394),       U16("budgetInTodaysDollars", 1392),
    F32("yearlyTotal", 1386),
};

constexpr Field kBudgetItemRow[] = {
    Text("itemName", 36, 21).PerRow().Always(), F32("itemAmount", 786).PerRow().Always(),
    U16("itemMonthly", 1146).PerRow(),          F32("itemRate", 1026).PerRow(),
    U16("itemInflation", 1206).PerRow(),        U16("itemTrack", 1326).PerRow(),
    F32("itemYearlyAmount", 666).PerRow(),      F32("itemCurrentAmount", 906).PerRow(),
    U16("itemUnused", 1266).PerRow().Quiet(),
};

constexpr Field kScenarioAreas[] = {
    Raw("dividendUnused800", offsetof(core::Scenario, dividends) + 800, 300),
    Raw("reserved1", offsetof(core::Scenario, reserved1), core::kReservedArea1Size),
    Raw("reserved2", offsetof(core::Scenario, reserved2), core::kReservedArea2Size),
};

}  // namespace

const FieldTable kInitialValuesFields = kInitialValues;
const FieldTable kAccountFields = kAccount;
const FieldTable kAccountTrailerFields = kAccountTrailer;
const FieldTable kRmdFields = kRmdSettings;
const FieldTable kMonteCarloFields = kMonteCarlo;
const FieldTable kReportTitleFields = kReportTitles;
const FieldTable kFontFields = kFont;
const FieldTable kPageFields = kPage;
const FieldTable kBudgetFields = kBudget;
const FieldTable kScenarioAreaFields = kScenarioAreas;
const FieldTable kSlotRowFields = kSlotRow;
const FieldTable kDividendRowFields = kDividendRow;
const FieldTable kGroupRowFields = kGroupRow;
const FieldTable kBudgetItemRowFields = kBudgetItemRow;

std::vector<RecordCover> RecordCovers() {
  return {
      {"InitialValues",
       sizeof(core::InitialValues),
       {{kInitialValuesFields, 1}},
       {I16("eventCount", 0)}},
      {"Account", sizeof(core::Account), {{kAccountFields, 1}}, {}},
      {"AccountTrailer", sizeof(core::AccountTrailer), {{kAccountTrailerFields, 1}}, {}},
      {"SlotData",
       sizeof(core::SlotData),
       {{kSlotRowFields, core::kSlotCount}, {kRmdFields, 1}},
       {}},
      {"DividendSettings",
       sizeof(core::DividendSettings) - 300,
       {{kDividendRowFields, core::kSlotCount}},
       {}},
      {"GroupsAndMonteCarlo",
       sizeof(core::GroupsAndMonteCarlo),
       {{kGroupRowFields, core::kMaxGroups}, {kMonteCarloFields, 1}},
       {}},
      {"ReportTitles", sizeof(core::ReportTitles), {{kReportTitleFields, 1}}, {}},
      {"FontDescription", sizeof(core::FontDescription), {{kFontFields, 1}}, {}},
      {"PageSettings", sizeof(core::PageSettings), {{kPageFields, 1}}, {}},
      {"Budget",
       sizeof(core::Budget),
       {{kBudgetFields, 1}, {kBudgetItemRowFields, core::kMaxBudgetItems}},
       {I16("itemCount", 30)}},
  };
}

}  // namespace cli
