// The working plot file "plotinf01.tmp": the head with titles and account names, one group of
// lines per results year and the trailer with groups and purchasing power. The graph programs
// read it; the layout is theirs and is written here line for line.
#pragma once

#include <filesystem>
#include <string_view>

#include "engine/record_files.h"
#include "platform/clock.h"

namespace engine {

class PlotFileWriter {
 public:
  bool Open(const std::filesystem::path& path) { return file_.Open(path); }
  bool IsOpen() const { return file_.IsOpen(); }

  // "%d Groups" and the three title lines, each as given.
  void WriteHead(int graphKind, std::string_view title1, std::string_view title2,
                 std::string_view title3);
  // Point count ("%.2f") and the account names.
  void WriteSizes(int points, int accountCount, const char* const* names);
  // One point: the account values, then the age and columns 1-6 of the row.
  void WritePointStart(const float* accountValues, int accountCount, float age,
                       const float (&columns)[6]);
  // Columns 7-19 of the row, ending its line.
  void WritePointFlows(const float (&flows)[13]);
  // Group names, each account's group and the purchasing-power series, then "Done".
  void WriteTrailer(const char* const* groupNames, const int* groupOfAccount, int accountCount,
                    const float* purchasingPower, int points);
  void Close() { file_.Close(); }

 private:
  TextFile file_;
};

// "File: ", "Date: %s %d, %d" and "Time: %d:%02d:%02d %s " title texts.
std::string PlotFileTitle(std::string_view scenarioName);
std::string PlotDateTitle(const platform::DateTime& now);
std::string PlotTimeTitle(const platform::DateTime& now);

}  // namespace engine
