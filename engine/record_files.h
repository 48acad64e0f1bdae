// The temporary results files "bigfile.tmp", "outfile.tmp" and "infile.tmp": one line per
// movement of money, read back by the reports. A file that cannot be created is skipped.
#pragma once

#include <cstdio>
#include <filesystem>

#include "engine/fixed_text.h"
#include "engine/money_text.h"
#include "platform/prompter.h"

namespace engine {

// A text file written through a buffer of its own. It is written over in place and cut to
// its new length when closed, not emptied first: a file system that sees a file emptied and
// written again forces its data out to the disk at the close, which costs far more than the
// run that wrote it.
class TextFile {
 public:
  TextFile() = default;
  ~TextFile() { Close(); }
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  bool Open(const std::filesystem::path& path);
  bool IsOpen() const { return fd_ >= 0; }
  // printf into the file; nothing when it is not open.
  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void Write(const char* text);
  void Write(std::string_view text);
  void Close();

 private:
  void Flush();

  int fd_ = -1;
  size_t used_ = 0;
  long long written_ = 0;    // bytes handed to the file so far
  long long oldLength_ = 0;  // its length when opened
  char buffer_[1 << 15];
};

struct RecordFiles {
  TextFile big;  // "bigfile.tmp": income and expense items
  TextFile out;  // "outfile.tmp": money going out of an account
  TextFile in;   // "infile.tmp": money coming into an account

  // Creates the three files in `workDir`; each failure is shown and that file skipped.
  void Create(const std::filesystem::path& workDir, platform::Prompter& prompter);
  // Writes the end mark into each open file and closes it.
  void Finish();

  // The usual record lines: "%5.1f\t%s\t%13.2f\n" and the transfers' "%5.1f\t%s\t%-11.2f\n".
  // Inline, so that a run without files (every trial) only asks whether the file is open.
  static void Amount(TextFile& file, float age, Name name, float amount) {
    if (file.IsOpen()) WriteAmount(file, age, name, amount);
  }
  static void TransferAmount(TextFile& file, float age, Name name, float amount) {
    if (file.IsOpen()) WriteTransferAmount(file, age, name, amount);
  }
  // "bigfile.tmp": "%5.1f\t%s\t%d\t%13.2f\n".
  void Item(float age, Name label, int category, float amount);
  void Item(float age, const char* label, int category, float amount);

 private:
  static void WriteAmount(TextFile& file, float age, Name name, float amount);
  static void WriteTransferAmount(TextFile& file, float age, Name name, float amount);
};

}  // namespace engine
