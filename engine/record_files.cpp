#include "engine/record_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>

#include "core/file_io.h"

namespace engine {

bool TextFile::Open(const std::filesystem::path& path) {
  Close();
  // The file is written over in place and cut to its new length when closed, not emptied
  // first: a file system that sees a file emptied and written again forces its data out to
  // the disk at the close, which costs far more than the run that wrote it.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) {
    file_ = ::fdopen(fd, "w");
    if (file_ == nullptr) ::close(fd);
  }
  if (file_ != nullptr) std::setvbuf(file_, buffer_, _IOFBF, sizeof buffer_);
  return file_ != nullptr;
}

void TextFile::Printf(const char* format, ...) {
  if (file_ == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vfprintf(file_, format, args);
  va_end(args);
}

void TextFile::Write(const char* text) {
  if (file_ != nullptr) std::fputs(text, file_);
}

void TextFile::Write(std::string_view text) {
  if (file_ != nullptr) std::fwrite(text.data(), 1, text.size(), file_);
}

void TextFile::Close() {
  if (file_ == nullptr) return;
  // What an earlier, longer file held past the new end is cut off.
  if (std::fflush(file_) == 0) {
    const long length = std::ftell(file_);
    if (length >= 0) (void)::ftruncate(::fileno(file_), static_cast<off_t>(length));
  }
  std::fclose(file_);
  file_ = nullptr;
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
