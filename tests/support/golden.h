// Byte-for-byte comparison with an approved file under tests/golden. A differing output is
// written beside the approved one as NAME.new for review; KX_UPDATE_GOLDEN=1 approves it.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

testing::AssertionResult MatchesGolden(const std::string& relativePath, const std::string& actual);

}  // namespace testing_support
