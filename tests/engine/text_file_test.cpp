// The engine's text files are written over in place and cut to their new length when closed:
// a shorter text leaves nothing of the longer one before it, a new file is created, an empty
// text leaves an empty file, and a file that cannot be opened is reported.
#include <gtest/gtest.h>

#include "engine/record_files.h"
#include "tests/support/temp_dir.h"

namespace {

using engine::TextFile;
using testing_support::TempDir;

void WriteText(const std::filesystem::path& path, const std::string& text) {
  TextFile file;
  ASSERT_TRUE(file.Open(path)) << path;
  file.Write(text);
}

TEST(TextFile, EachWritingReplacesTheWholeFile) {
  TempDir dir;
  const auto path = dir / "outfile.tmp";
  WriteText(path, "a line\n");  // created
  EXPECT_EQ(dir.Read("outfile.tmp"), "a line\n");
  WriteText(path, std::string(50000, 'x') + "\nDooone\n");
  EXPECT_EQ(dir.Read("outfile.tmp"), std::string(50000, 'x') + "\nDooone\n");
  WriteText(path, "short\nDooone\n");  // nothing of the longer text is left
  EXPECT_EQ(dir.Read("outfile.tmp"), "short\nDooone\n");
  WriteText(path, "");
  EXPECT_EQ(dir.Read("outfile.tmp"), "");
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(TextFile, ReopeningClosesTheFirstFileAtItsLength) {
  TempDir dir;
  dir.Write("first.tmp", std::string(1000, 'y'));
  TextFile file;
  ASSERT_TRUE(file.Open(dir / "first.tmp"));
  file.Printf("%d\n", 42);
  ASSERT_TRUE(file.Open(dir / "second.tmp"));
  file.Write("two\n");
  file.Close();
  EXPECT_EQ(dir.Read("first.tmp"), "42\n");
  EXPECT_EQ(dir.Read("second.tmp"), "two\n");
}

TEST(TextFile, LongLinesAndTextsLargerThanTheBuffer) {
  TempDir dir;
  const std::string title(3000, 't');
  const std::string body(100000, 'b');
  {
    TextFile file;
    ASSERT_TRUE(file.Open(dir / "plotinf01.tmp"));
    file.Printf("File: %s\n", title.c_str());
    file.Write(body);
    file.Printf("%d Groups\n", 7);
  }
  EXPECT_EQ(dir.Read("plotinf01.tmp"), "File: " + title + "\n" + body + "7 Groups\n");
}

TEST(TextFile, AFileThatCannotBeOpenedIsReported) {
  TempDir dir;
  TextFile file;
  EXPECT_FALSE(file.Open(dir / "missing-folder" / "bigfile.tmp"));
  EXPECT_FALSE(file.Open(dir.path()));  // a folder
  EXPECT_FALSE(file.IsOpen());
  file.Write("nothing happens");
  file.Close();
}

}  // namespace
