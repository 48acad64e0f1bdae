#include "engine/run_tables.h"

namespace engine {

float& KindTotals::OfKind(uint16_t kind) {
  switch (kind) {
    case core::kAsset:
      return asset;
    case core::kEquity:
      return equity;
    case core::kInvestmentSavings:
      return investment;
    case core::kRetirementSavings:
      return retirement;
    case core::kTaxFreeSavings:
      return taxFree;
    default:
      otherKind = 0.0f;
      return otherKind;
  }
}

}  // namespace engine
