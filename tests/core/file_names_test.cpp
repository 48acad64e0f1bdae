// Stored file names against the working directory: the backslashes of the stored names
// (".\\temp11.ret", "C:\\Plans\\Retire.RET") are separators, but an existing file with a
// backslash in its own name is that file and never another one in some folder.
#include <gtest/gtest.h>

#include "core/file_io.h"
#include "tests/support/temp_dir.h"

namespace core {
namespace {

using testing_support::TempDir;

TEST(ResolvePath, StoredNamesAreTakenFromTheWorkingDirectory) {
  TempDir dir;
  EXPECT_EQ(ResolvePath(dir.path(), ".\\temp11.ret"), dir / "temp11.ret");
  EXPECT_EQ(ResolvePath(dir.path(), "plans\\Retire.RET"), dir / "plans/Retire.RET");
  EXPECT_EQ(ResolvePath(dir.path(), "EXAMPLE1.RET"), dir / "EXAMPLE1.RET");
  EXPECT_EQ(ResolvePath(dir.path(), "/abs/plan.RET"), std::filesystem::path("/abs/plan.RET"));
}

TEST(ResolvePath, AnExistingFileWithABackslashInItsNameIsThatFile) {
  TempDir dir;
  dir.Write("plans\\Retire.RET", "mine");
  const std::filesystem::path resolved = ResolvePath(dir.path(), "plans\\Retire.RET");
  EXPECT_EQ(resolved, dir / "plans\\Retire.RET");
  EXPECT_EQ(ReadWholeFile(resolved).value_or(""), "mine");
  // Given whole, too.
  EXPECT_EQ(ResolvePath(dir.path(), (dir / "plans\\Retire.RET").string()),
            dir / "plans\\Retire.RET");
}

TEST(ResolvePath, OddAndLongNamesPassUnchanged) {
  TempDir dir;
  const std::string odd = "-\"my\" plan\t\xa3 'x'.RET";
  EXPECT_EQ(ResolvePath(dir.path(), odd), dir / odd);
  const std::string longName = std::string(200, 'a') + "/" + std::string(200, 'b') + ".RET";
  EXPECT_EQ(ResolvePath(dir.path(), longName).string(), (dir / longName).string());
}

}  // namespace
}  // namespace core
