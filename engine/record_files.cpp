#include "engine/record_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/file_io.h"

namespace engine {

bool TextFile::Open(const std::filesystem::path& path) {
  Close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return false;
  struct stat status {};
  oldLength_ = ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
  written_ = 0;
  used_ = 0;
  return true;
}

void TextFile::Flush() {
  const char* next = buffer_;
  while (used_ > 0) {
    const ssize_t count = ::write(fd_, next, used_);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;  // a full disk loses the rest, as a failed write always did
    next += count;
    used_ -= static_cast<size_t>(count);
    written_ += count;
  }
  used_ = 0;
}

void TextFile::Printf(const char* format, ...) {
  if (fd_ < 0) return;
  char line[512];
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length >= 0 && static_cast<size_t>(length) < sizeof line) {
    Write(std::string_view(line, static_cast<size_t>(length)));
  } else if (length > 0) {
    std::string longer(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(longer.data(), longer.size(), format, again);
    Write(std::string_view(longer.data(), static_cast<size_t>(length)));
  }
  va_end(again);
}

void TextFile::Write(const char* text) { Write(std::string_view(text)); }

void TextFile::Write(std::string_view text) {
  if (fd_ < 0) return;
  while (!text.empty()) {
    if (used_ == sizeof buffer_) Flush();
    const size_t room = sizeof buffer_ - used_;
    const size_t count = text.size() < room ? text.size() : room;
    std::memcpy(buffer_ + used_, text.data(), count);
    used_ += count;
    text.remove_prefix(count);
  }
}

void TextFile::Close() {
  if (fd_ < 0) return;
  Flush();
  // What an earlier, longer file held past the new end is cut off.
  if (written_ < oldLength_) (void)::ftruncate(fd_, static_cast<off_t>(written_));
  ::close(fd_);
  fd_ = -1;
}

void RecordFiles::Create(const std::filesystem::path& workDir, platform::Prompter& prompter) {
  struct Wanted {
    TextFile& file;
    const char* name;
    const char* message;
  };
  const Wanted wanted[] = {
      {big, "bigfile.tmp", "Cannot open temporary print file -- bigfile.tmp"},
      {out, "outfile.tmp", "Cannot open temporary print file -- iofile.tmp"},
      {in, "infile.tmp", "Cannot open temporary print file -- infile.tmp"},
  };
  for (const Wanted& w : wanted) {
    if (!w.file.Open(core::ResolvePath(workDir, w.name))) {
      prompter.ShowMessage("FILE ERROR", w.message, platform::Icon::Error);
    }
  }
}

void RecordFiles::Finish() {
  for (TextFile* file : {&big, &out, &in}) {
    file->Write("Dooone\n");
    file->Close();
  }
}

namespace {

// "%5.1f\t%s\t" of every record line.
void AgeAndName(LineBuilder& line, float age, std::string_view name) {
  line.Fixed(static_cast<double>(age), 1, 5).Char('\t').Text(name).Char('\t');
}

}  // namespace

void RecordFiles::WriteAmount(TextFile& file, float age, Name name, float amount) {
  LineBuilder line;
  AgeAndName(line, age, NameText(name).view());
  line.Fixed(static_cast<double>(amount), 2, 13).Char('\n');
  file.Write(line.view());
}

void RecordFiles::WriteTransferAmount(TextFile& file, float age, Name name, float amount) {
  LineBuilder line;
  AgeAndName(line, age, NameText(name).view());
  line.Fixed(static_cast<double>(amount), 2, 11, true).Char('\n');
  file.Write(line.view());
}

void RecordFiles::Item(float age, Name label, int category, float amount) {
  if (big.IsOpen()) Item(age, NameText(label).c_str(), category, amount);
}

void RecordFiles::Item(float age, const char* label, int category, float amount) {
  if (!big.IsOpen()) return;
  LineBuilder line;
  AgeAndName(line, age, label);
  line.Int(category).Char('\t').Fixed(static_cast<double>(amount), 2, 13).Char('\n');
  big.Write(line.view());
}

}  // namespace engine
