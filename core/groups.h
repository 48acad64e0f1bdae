// The ten account groups with their random-rate ranges, and the Monte Carlo settings stored in
// the same 740-byte area.
#pragma once

#include "core/layout.h"

namespace core {

inline constexpr int kMaxGroups = 10;

#pragma pack(push, 1)
struct GroupsAndMonteCarlo {
  char groupName[kMaxGroups][21];  // empty name: the group is unused
  float groupRandomMinRate[kMaxGroups];
  float groupRandomMaxRate[kMaxGroups];
  uint8_t unused290[120];
  float mcMinInflation;
  float mcMaxInflation;
  float mcGoalAmount;
  float mcReserved;
  uint8_t unused426[24];
  int16_t mcTrials;
  int16_t mcTodaysPurchasingPower;
  int16_t mcRateSource;  // 0 random account rates, 1 random group rates
  int16_t mcRateType;    // 0 Gaussian range, 1 uniform, 2 Gaussian standard deviation
  int16_t mcShowLegend;
  int16_t mcRangeFactor;
  int16_t mcStdDevFactor;
  uint8_t unused464[276];
};
#pragma pack(pop)

static_assert(sizeof(GroupsAndMonteCarlo) == 740);
KX_OFFSET(GroupsAndMonteCarlo, groupName, 0);
KX_OFFSET(GroupsAndMonteCarlo, groupRandomMinRate, 210);
KX_OFFSET(GroupsAndMonteCarlo, groupRandomMaxRate, 250);
KX_OFFSET(GroupsAndMonteCarlo, unused290, 290);
KX_OFFSET(GroupsAndMonteCarlo, mcMinInflation, 410);
KX_OFFSET(GroupsAndMonteCarlo, mcMaxInflation, 414);
KX_OFFSET(GroupsAndMonteCarlo, mcGoalAmount, 418);
KX_OFFSET(GroupsAndMonteCarlo, mcReserved, 422);
KX_OFFSET(GroupsAndMonteCarlo, unused426, 426);
KX_OFFSET(GroupsAndMonteCarlo, mcTrials, 450);
KX_OFFSET(GroupsAndMonteCarlo, mcTodaysPurchasingPower, 452);
KX_OFFSET(GroupsAndMonteCarlo, mcRateSource, 454);
KX_OFFSET(GroupsAndMonteCarlo, mcRateType, 456);
KX_OFFSET(GroupsAndMonteCarlo, mcShowLegend, 458);
KX_OFFSET(GroupsAndMonteCarlo, mcRangeFactor, 460);
KX_OFFSET(GroupsAndMonteCarlo, mcStdDevFactor, 462);
KX_OFFSET(GroupsAndMonteCarlo, unused464, 464);

}  // namespace core
