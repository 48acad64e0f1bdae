#include "engine/plot_file_writer.h"

#include <string>

#include "core/text.h"

namespace engine {

namespace {

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

}  // namespace

void PlotFileWriter::WriteHead(int graphKind, std::string_view title1, std::string_view title2,
                               std::string_view title3) {
  file_.Printf("%d Groups\n", graphKind);
  for (std::string_view title : {title1, title2, title3}) {
    file_.Printf("%.*s\n", static_cast<int>(title.size()), title.data());
  }
}

void PlotFileWriter::WriteSizes(int points, int accountCount, const char* const* names) {
  file_.Printf("%.2f\n", static_cast<double>(points));
  file_.Printf("%d\n", accountCount);
  for (int i = 0; i < accountCount; ++i) file_.Printf("%s\n", names[i]);
}

void PlotFileWriter::WritePointStart(const float* accountValues, int accountCount, float age,
                                     const float (&c)[6]) {
  for (int i = 0; i < accountCount; ++i) {
    file_.Printf("%.2f\n", static_cast<double>(accountValues[i]));
  }
  file_.Printf("%.1f %.2f %.2f %.2f %.2f %.2f %.2f ", static_cast<double>(age),
               static_cast<double>(c[0]), static_cast<double>(c[1]), static_cast<double>(c[2]),
               static_cast<double>(c[3]), static_cast<double>(c[4]), static_cast<double>(c[5]));
}

void PlotFileWriter::WritePointFlows(const float (&f)[13]) {
  file_.Printf("%.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f %.2f\n",
               static_cast<double>(f[0]), static_cast<double>(f[1]), static_cast<double>(f[2]),
               static_cast<double>(f[3]), static_cast<double>(f[4]), static_cast<double>(f[5]),
               static_cast<double>(f[6]), static_cast<double>(f[7]), static_cast<double>(f[8]),
               static_cast<double>(f[9]), static_cast<double>(f[10]), static_cast<double>(f[11]),
               static_cast<double>(f[12]));
}

void PlotFileWriter::WriteTrailer(const char* const* groupNames, const int* groupOfAccount,
                                  int accountCount, const float* purchasingPower, int points) {
  for (int g = 0; g < 10; ++g) file_.Printf("%s\n", groupNames[g]);
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
