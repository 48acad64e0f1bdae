#include "planner/temporary_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/file_io.h"
#include "core/text.h"

namespace planner {

namespace {

constexpr const char* kNamedFiles[] = {
    "bigfile.tmp", "PLOTIN~1.TMP", "BIGFILE.TMP",  "OUTFILE.TMP", "INFILE.TMP",
    "TMPFILE.TMP", "TABOUT.TMP",   "TRADE.TMP",    "REF.TMP",     "PPBUDOUT.TMP",
    "BUDOUT.TMP",  "PBUDOUT.TMP",  "PSCHED.TMP",   ".\\ptmpsch.dat",
};

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

void AddOnce(std::vector<std::string>& names, const std::string& name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

}  // namespace

std::vector<std::string> TemporaryFileNames() {
  std::vector<std::string> names;
  for (const char* name : kNamedFiles) {
    AddOnce(names, name);
    AddOnce(names, LowerCase(name));
  }
  AddOnce(names, "plotinf01.tmp");
  for (int n = 1; n <= 99; ++n) AddOnce(names, core::Format("page%d", n));
  for (int n = 1; n <= 24; ++n) AddOnce(names, core::Format("rpage%d", n));
  for (int n = 1; n <= 24; ++n) AddOnce(names, core::Format("spage%d", n));
  return names;
}

int DeleteTemporaryFiles(const std::filesystem::path& workDir) {
  int deleted = 0;
  for (const std::string& name : TemporaryFileNames()) {
    std::error_code error;
    if (std::filesystem::remove(core::ResolvePath(workDir, name), error)) ++deleted;
  }
  return deleted;
}

}  // namespace planner
