#include "engine/rule72t.h"

#include <cmath>

#include "engine/ages.h"
#include "platform/data_directory.h"

namespace engine {
namespace {

float FiniteOrZero(float value) { return std::isfinite(value) ? value : 0.0f; }

// The life expectancy L of the table; 0 for a table not listed or a missing joint entry.
float LifeExpectancy(const MortalityTable& mortality, const JointTable* joint,
                     const Rule72tRequest& request) {
  const int owner = WholeAge(request.ownerAge);
  switch (request.table) {
    case kSingleLife:
      return mortality.SingleLife(owner);
    case kUniformLife:
      return mortality.UniformLife(owner);
    case kJointLife:
      if (joint == nullptr) return 0.0f;
      return joint->JointLife(owner, WholeAge(request.beneficiaryAge)).value_or(0.0f);
    default:
      return 0.0f;
  }
}

float ChosenPayment(const Rule72tPayments& payments, int table, int method) {
  if (table < kSingleLife || table > kJointLife) return 0.0f;
  switch (method) {
    case kAnnuityMethod:
      return payments.annuity;
    case kAmortizationMethod:
      return payments.amortization;
    case kMinimumMethod:
      return payments.minimum;
    default:
      return 0.0f;
  }
}

}  // namespace

float AmortizedPayment(float balance, float yearlyRate, float years) {
  if (!(years > 0.0f) || !(yearlyRate > -1.0f)) return 0.0f;
  if (yearlyRate == 0.0f) return FiniteOrZero(balance / years);
  // 1 + i, the power and the division are taken in double: 1.05 has no exact float, and in
  // single precision 30 years at 5 % would already be a cent off.
  const double growth = std::pow(1.0 + yearlyRate, static_cast<double>(years));
  const double discount = 1.0 - 1.0 / growth;
  // A rate too small to show in single precision: the payment is the rate-0 one.
  if (discount == 0.0) return FiniteOrZero(balance / years);
  return FiniteOrZero(static_cast<float>(static_cast<double>(balance) * yearlyRate / discount));
}

float AnnuityFactor(const MortalityTable& mortality, int ownerAge, float yearlyRate) {
  if (!(yearlyRate > -1.0f)) return 0.0f;
  const float v = 1.0f / (1.0f + yearlyRate);
  float present = 1.0f;
  float survival = 1.0f;
  float factor = 1.0f;
  for (int x = std::max(ownerAge, 0) + 1; x <= kLastTableAge; ++x) {
    present *= v;
    survival *= 1.0f - mortality.DeathRate(x - 1);
    factor += present * survival;
  }
  return FiniteOrZero(factor);
}

Rule72tPayments ComputeRule72tPayments(const MortalityTable& mortality, const JointTable* joint,
                                       const Rule72tRequest& request) {
  const float i = request.ratePercent * 0.01f;
  const float balance = request.balance;
  const float factor = AnnuityFactor(mortality, WholeAge(request.ownerAge), i);
  const float life = LifeExpectancy(mortality, joint, request);
  Rule72tPayments payments;
  if (factor > 0.0f) {
    payments.annuity = FiniteOrZero(balance / factor);
    payments.hasAnnuity = true;
  }
  payments.amortization = AmortizedPayment(balance, i, life);
  if (life > 0.0f) {
    payments.minimum = FiniteOrZero(balance / life);
    payments.hasMinimum = true;
  }
  payments.payment = ChosenPayment(payments, request.table, request.method);
  return payments;
}

void LifeTableCache::Reset(LifeTableFolders folders) {
  folders_ = std::move(folders);
  dataFolderPending_ = false;
  mortality_.reset();
  joint_.reset();
  jointEntryReported_ = false;
}

void LifeTableCache::Renew(const std::filesystem::path& workDir) {
  if (keepAcrossRuns_ && workDir == folders_.workDir && (mortality_ || joint_)) return;
  Reset({workDir, {}});
  dataFolderPending_ = true;
}

void LifeTableCache::FindDataFolder() {
  if (!dataFolderPending_) return;
  folders_.dataDir = platform::SuiteDataDirectory();
  dataFolderPending_ = false;
}

const MortalityTable* LifeTableCache::Mortality(platform::Prompter& prompter) {
  if (!mortality_) {
    FindDataFolder();
    mortality_ = LoadMortalityTable(
        platform::FindDataFile(folders_.workDir, kMortalityFileName, folders_.dataDir));
    if (!mortality_->table) {
      prompter.ShowMessage(kLifeTableCaption, mortality_->problem, platform::Icon::Error);
    }
  }
  return mortality_->table ? &*mortality_->table : nullptr;
}

const JointTable* LifeTableCache::Joint(platform::Prompter& prompter) {
  if (!joint_) {
    FindDataFolder();
    joint_ = LoadJointTable(
        platform::FindDataFile(folders_.workDir, kJointFileName, folders_.dataDir));
    if (!joint_->table) {
      prompter.ShowMessage(kLifeTableCaption, joint_->problem, platform::Icon::Error);
    }
  }
  return joint_->table ? &*joint_->table : nullptr;
}

Rule72tPayments LifeTableCache::Payment(platform::Prompter& prompter,
                                        const Rule72tRequest& request) {
  const MortalityTable* mortality = Mortality(prompter);
  if (mortality == nullptr) return {};
  if (request.table != kJointLife) return ComputeRule72tPayments(*mortality, nullptr, request);
  const JointTable* joint = Joint(prompter);
  if (joint == nullptr) return {};
  const int owner = WholeAge(request.ownerAge);
  const int beneficiary = WholeAge(request.beneficiaryAge);
  if (!joint->JointLife(owner, beneficiary)) {
    if (!jointEntryReported_) {
      FindDataFolder();
      const std::filesystem::path path =
          platform::FindDataFile(folders_.workDir, kJointFileName, folders_.dataDir);
      prompter.ShowMessage(kLifeTableCaption, JointEntryMissingText(path, owner, beneficiary),
                           platform::Icon::Error);
      jointEntryReported_ = true;
    }
    return {};
  }
  return ComputeRule72tPayments(*mortality, joint, request);
}

Rule72tPayments Rule72tPayment(platform::Prompter& prompter, const LifeTableFolders& folders,
                               const Rule72tRequest& request) {
  LifeTableCache tables(folders);
  return tables.Payment(prompter, request);
}

Rule72tPayments Rule72tPayment(platform::Prompter& prompter, const std::filesystem::path& workDir,
                               float ownerAge, float beneficiaryAge, float balance,
                               float ratePercent, int table, int method) {
  return Rule72tPayment(prompter, LifeTableFolders{workDir, platform::SuiteDataDirectory()},
                        Rule72tRequest{ownerAge, beneficiaryAge, balance, ratePercent, table,
                                       method});
}

}  // namespace engine
