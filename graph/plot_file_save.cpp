#include "graph/plot_file_save.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/file_io.h"
#include "core/text.h"
#include "graph/plot_lines.h"

namespace graph {
namespace {

constexpr const char* kWarning = "FILE WARNING";
constexpr const char* kError = "FILE ERROR";
constexpr size_t kLargestPlotFile = 8u << 20;

// Copies line after line to `out`; false once the source is used up or at an end mark, so
// that the copy stops there.
class LineCopier {
 public:
  LineCopier(std::string_view text, std::string& out) : lines_(text), out_(out) {}

  bool CopyOne(std::string_view* copied = nullptr) {
    PlotLines::Line line = lines_.NextRaw();
    if (line.kind != PlotLines::Kind::Item) return false;
    out_.append(line.text);
    out_ += '\n';
    if (copied != nullptr) *copied = line.text;
    return true;
  }
  bool Copy(long count) {
    for (long i = 0; i < count; ++i) {
      if (!CopyOne()) return false;
    }
    return true;
  }

 private:
  PlotLines lines_;
  std::string& out_;
};

bool StartsWithNoCase(const std::string& text, std::string_view prefix) {
  return text.size() >= prefix.size() && core::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool CanWriteExisting(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

bool CanCreate(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  std::fclose(file);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  return true;
}

// The checks before a copy: the working file is never a target, an existing file only with
// the user's yes.
bool TargetAllowed(const std::filesystem::path& path, const std::string& target,
                   platform::Prompter& prompter) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    if (StartsWithNoCase(path.filename().string(), "plotinf")) {
      prompter.ShowMessage(kWarning,
                           "Cannot overwrite the system file plotinf. \nChoose another file name.",
                           platform::Icon::Warning);
      return false;
    }
    platform::Answer answer = prompter.Ask(kWarning, target + " exists - Overwrite anyway?",
                                           platform::Buttons::YesNo, platform::Icon::Question);
    if (answer != platform::Answer::Yes) return false;
    if (!CanWriteExisting(path)) {
      prompter.ShowMessage(kError, "Cannot open " + target + "!", platform::Icon::Error);
      return false;
    }
    return true;
  }
  if (!CanCreate(path)) {
    prompter.ShowMessage(kError, "Cannot open file!", platform::Icon::Error);
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> CopyPlotText(std::string_view text) {
  std::string out;
  LineCopier copier(text, out);
  std::string_view line;
  long points = 0;
  long accounts = 0;
  bool complete = copier.Copy(4) && copier.CopyOne(&line);
  if (complete) {
    float announced = ReadFloat(line);
    if (announced < 0.0f || announced >= 100.0f) return std::nullopt;
    points = static_cast<long>(announced);
    complete = copier.CopyOne(&line);
  }
  if (complete) {
    accounts = std::max(0, ReadInt(line));
    complete = copier.Copy(accounts);
  }
  for (long j = 0; complete && j < points; ++j) complete = copier.Copy(accounts) && copier.CopyOne();
  if (complete) complete = copier.Copy(10) && copier.Copy(accounts) && copier.Copy(points);
  out += "Done";
  return out;
}

bool SavePlotFileCopy(const std::filesystem::path& workDir, const std::string& target,
                      platform::Prompter& prompter) {
  const std::filesystem::path path = core::ResolvePath(workDir, target);
  if (!TargetAllowed(path, target, prompter)) return false;
  std::optional<std::string> source =
      core::ReadWholeFile(core::ResolvePath(workDir, kWorkingPlotFile), kLargestPlotFile);
  if (!source) {
    prompter.ShowMessage(kError, "Cannot open plotinf for reading!", platform::Icon::Error);
    return false;
  }
  std::optional<std::string> copy = CopyPlotText(*source);
  if (!copy) {
    prompter.ShowMessage(kError, "Problem saving graphs.\nPlease try again.",
                         platform::Icon::Error);
    return false;
  }
  // Written whole or not at all, so a failed save leaves an existing file as it was.
  if (!core::WriteFileReplacing(path, *copy)) {
    prompter.ShowMessage(kError, core::Format("Cannot open %s for writing!", target.c_str()),
                         platform::Icon::Error);
    return false;
  }
  return true;
}

bool SaveGraphsToFile(const std::filesystem::path& workDir, platform::FileChooser& chooser,
                      platform::Prompter& prompter) {
  platform::FileRequest request;
  request.save = true;
  request.title = "Save Graphs To a File";
  request.filter = "Plot Files (*.KXP)";
  request.defaultExtension = "KXP";
  std::vector<std::string> chosen = chooser.Choose(request);
  if (chosen.empty()) return false;
  return SavePlotFileCopy(workDir, chosen.front(), prompter);
}

}  // namespace graph
