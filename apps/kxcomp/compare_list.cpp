#include "apps/kxcomp/compare_list.h"

#include <algorithm>
#include <filesystem>

#include "graph/plot_data.h"

namespace kxcomp {
namespace {

// The chooser gives full paths, while the planner names its working file relative to the
// current folder: both name the same file.
std::string FullPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
  return error ? path : full.string();
}

}  // namespace

void CompareList::StartNew(const std::vector<std::string>& paths) {
  files_.clear();
  Add(paths);
}

void CompareList::Add(const std::vector<std::string>& paths) {
  size_t first = files_.size();
  for (const std::string& path : paths) {
    if (files_.size() >= static_cast<size_t>(kMaxFiles)) break;
    files_.push_back(CompareFile{path, false, {}, {}});
  }
  ReadFrom(first);
}

void CompareList::Remove(const std::vector<std::string>& paths) {
  std::vector<std::string> chosen;
  for (const std::string& path : paths) chosen.push_back(FullPath(path));
  std::erase_if(files_, [&chosen](const CompareFile& file) {
    return std::find(chosen.begin(), chosen.end(), FullPath(file.path)) != chosen.end();
  });
  ReadFrom(0);
}

void CompareList::ReadFrom(size_t first) {
  for (size_t f = first; f < files_.size(); ++f) {
    ReadCompareFile(files_[f], accountNames_, prompter_);
  }
}

bool CompareList::AnyRead() const {
  return std::any_of(files_.begin(), files_.end(),
                     [](const CompareFile& file) { return file.readable; });
}

AgeAxis CompareList::Axis() const {
  // The ages start the wrong way round, so that the first row read sets both.
  int smallest = 120;
  int largest = 0;
  bool anyRow = false;
  for (const CompareFile& file : files_) {
    if (!file.readable) continue;
    for (const graph::PlotRow& row : file.rows) {
      int age = WholeAge(row[graph::kAge]);
      smallest = std::min(smallest, age);
      largest = std::max(largest, age);
      anyRow = true;
    }
  }
  if (!anyRow) return {};
  // Both ends are within a million, so the difference fits an int.
  int count = std::min(largest - smallest + 1, graph::kMaxPoints);
  return {smallest, count};
}

}  // namespace kxcomp
