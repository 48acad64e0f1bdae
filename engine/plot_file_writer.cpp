#include "engine/plot_file_writer.h"

#include <string>

#include "core/text.h"

namespace engine {

namespace {

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

// The file is read line by line: a line break inside a title or a name (a scenario file may
// hold any bytes there) would shift every line after it, so it is written as a blank.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return line;
}

}  // namespace

void PlotFileWriter::WriteHead(int graphKind, std::string_view title1, std::string_view title2,
                               std::string_view title3) {
  file_.Printf("%d Groups\n", graphKind);
  for (std::string_view title : {title1, title2, title3}) {
    file_.Write(OneLine(title) + "\n");
  }
}

void PlotFileWriter::WriteSizes(int points, int accountCount, const char* const* names) {
  file_.Printf("%.2f\n", static_cast<double>(points));
  file_.Printf("%d\n", accountCount);
  for (int i = 0; i < accountCount; ++i) file_.Write(OneLine(names[i]) + "\n");
}

void PlotFileWriter::WritePointStart(const float* accountValues, int accountCount, float age,
                                     const float (&c)[6]) {
  LineBuilder line;
  for (int i = 0; i < accountCount; ++i) {
    line.Clear();
    line.Fixed(static_cast<double>(accountValues[i]), 2).Char('\n');
    file_.Write(line.view());
  }
  line.Clear();
  line.Fixed(static_cast<double>(age), 1).Char(' ');
  for (float column : c) line.Fixed(static_cast<double>(column), 2).Char(' ');
  file_.Write(line.view());
}

void PlotFileWriter::WritePointFlows(const float (&f)[13]) {
  LineBuilder line;
  for (int i = 0; i < 13; ++i) {
    line.Fixed(static_cast<double>(f[i]), 2).Char(i == 12 ? '\n' : ' ');
  }
  file_.Write(line.view());
}

void PlotFileWriter::WriteTrailer(const char* const* groupNames, const int* groupOfAccount,
                                  int accountCount, const float* purchasingPower, int points) {
  for (int g = 0; g < 10; ++g) file_.Write(OneLine(groupNames[g]) + "\n");
  for (int i = 0; i < accountCount; ++i) file_.Printf("%d\n", groupOfAccount[i]);
  for (int p = 0; p < points; ++p) file_.Printf("%f\n", static_cast<double>(purchasingPower[p]));
  file_.Write("Done\n");
}

std::string PlotFileTitle(std::string_view scenarioName) {
  return "File: " + std::string(scenarioName);
}

std::string PlotDateTitle(const platform::DateTime& now) {
  const int month = (now.month >= 1 && now.month <= 12) ? now.month : 1;
  return "Date: " + core::Format("%s %d, %d", kMonthNames[month - 1], now.day,
                                 2000 + ((now.year % 100) + 100) % 100);
}

std::string PlotTimeTitle(const platform::DateTime& now) {
  const int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
  return "Time: " + core::Format("%d:%02d:%02d %s ", hour12, now.minute, now.second,
                                 now.hour < 12 ? "AM" : "PM");
}

}  // namespace engine
