// Rule 72T payments: the yearly penalty-free payment out of a retirement account by the
// annuity, amortization and minimum-distribution methods, from the life tables.
#pragma once

#include <filesystem>
#include <optional>
#include <utility>

#include "engine/life_tables.h"
#include "platform/prompter.h"

namespace engine {

enum Rule72tTable : int { kSingleLife = 0, kUniformLife = 1, kJointLife = 2 };
enum Rule72tMethod : int { kAnnuityMethod = 0, kAmortizationMethod = 1, kMinimumMethod = 2 };

// B × i / (1 - 1 / (1 + i)^L); B / L at a rate of 0 (the limit of the formula); 0 when no
// payment can pay the balance off (L not above 0, a rate of -100 % or below).
float AmortizedPayment(float balance, float yearlyRate, float years);

// The three payments and the chosen one. The annuity needs an annuity factor above 0 and the
// minimum a life expectancy above 0; without them they are 0 and their flags are off.
struct Rule72tPayments {
  float annuity = 0, amortization = 0, minimum = 0;
  bool hasAnnuity = false, hasMinimum = false;
  float payment = 0;
};

// What a payment is computed from. The owner's age chooses the single and uniform entries and
// starts the annuity factor; the joint entry takes the two ages in either order.
struct Rule72tRequest {
  float ownerAge = 0;
  float beneficiaryAge = 0;
  float balance = 0;
  float ratePercent = 0;
  int table = kSingleLife;
  int method = kAnnuityMethod;
};

// Present value of 1 a year for life from the whole owner age, paid at the start of each year,
// survival from the mortality rates.
float AnnuityFactor(const MortalityTable& mortality, int ownerAge, float yearlyRate);

// The payments from tables already read; `joint` is needed for the joint table only. Ages are
// held to each table's range. A table or method not listed gives a payment of 0.
Rule72tPayments ComputeRule72tPayments(const MortalityTable& mortality, const JointTable* joint,
                                       const Rule72tRequest& request);

// Where the life tables are looked for: the working directory, then the suite's data folder.
struct LifeTableFolders {
  std::filesystem::path workDir;
  std::filesystem::path dataDir;
};

// The tables of one calculation or one run, read when first needed and kept, so that a run
// asking every year reads each file once and tells a missing one once.
class LifeTableCache {
 public:
  explicit LifeTableCache(LifeTableFolders folders = {}) : folders_(std::move(folders)) {}
  // Forgets what was read: the next payment reads the files of `folders` anew.
  void Reset(LifeTableFolders folders);
  // As Reset with the working directory and the suite's data folder, which is looked for only
  // when a payment needs the tables. While the tables are kept across runs, a renewal with the
  // same working directory keeps what was read.
  void Renew(const std::filesystem::path& workDir);
  // The trials of a Monte Carlo analysis read the tables once, not once a trial.
  void KeepAcrossRuns(bool keep) { keepAcrossRuns_ = keep; }
  // As Rule72tPayment below, from the kept tables.
  Rule72tPayments Payment(platform::Prompter& prompter, const Rule72tRequest& request);

 private:
  const MortalityTable* Mortality(platform::Prompter& prompter);
  const JointTable* Joint(platform::Prompter& prompter);

  void FindDataFolder();

  LifeTableFolders folders_;
  bool dataFolderPending_ = false;  // folders_.dataDir still to be looked for
  bool keepAcrossRuns_ = false;
  std::optional<LoadedTable<MortalityTable>> mortality_;
  std::optional<LoadedTable<JointTable>> joint_;
  bool jointEntryReported_ = false;
};

// Reads the tables anew and computes. A file that is missing or too short for the request is
// reported through the prompter (caption "Life Table Error") and gives all payments 0.
Rule72tPayments Rule72tPayment(platform::Prompter& prompter, const LifeTableFolders& folders,
                               const Rule72tRequest& request);

// ownerAge/beneficiaryAge as given, ratePercent in %, table 0 single / 1 uniform / 2 joint,
// method 0 annuity / 1 amortization / 2 minimum; the tables from workDir, else from the suite's
// data folder.
Rule72tPayments Rule72tPayment(platform::Prompter& prompter, const std::filesystem::path& workDir,
                               float ownerAge, float beneficiaryAge, float balance,
                               float ratePercent, int table, int method);

}  // namespace engine
