// The files compared at once, in the order added (at most 13): starting a new list, adding to
// it and removing from it, and the range of ages the files cover together.
#pragma once

#include <string>
#include <vector>

#include "apps/kxcomp/compare_file.h"
#include "platform/prompter.h"

namespace kxcomp {

constexpr int kMaxFiles = 13;

// The ages of the axis: point c stands for age `smallest` + c, for c = 0..count-1.
struct AgeAxis {
  int smallest = 0;
  int count = 0;  // largest - smallest + 1, within the points a graph holds; 0 without rows
};

class CompareList {
 public:
  explicit CompareList(platform::Prompter& prompter) : prompter_(prompter) {}

  // The chosen files replace the list (the first 13 are kept) and every one is read.
  void StartNew(const std::vector<std::string>& paths);
  // The chosen files follow the current ones up to 13 in all; only they are read.
  void Add(const std::vector<std::string>& paths);
  // Every entry that names a chosen file is dropped (a relative and a full path of one file
  // are the same); the rest close up in order and are read again.
  void Remove(const std::vector<std::string>& paths);

  const std::vector<CompareFile>& files() const { return files_; }
  // The account names of the last file read; kept, not drawn.
  const std::vector<std::string>& accountNames() const { return accountNames_; }

  // Whether any file on the list was read; without one there is nothing to draw or print.
  bool AnyRead() const;

  // Over the rows of every file read: the smallest age and how many ages from it to the
  // largest. Ages beyond the points a graph holds are left off the far end.
  AgeAxis Axis() const;

 private:
  void ReadFrom(size_t first);

  platform::Prompter& prompter_;
  std::vector<CompareFile> files_;
  std::vector<std::string> accountNames_;
};

}  // namespace kxcomp
