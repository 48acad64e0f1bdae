// Approved pictures of the desktop programs, in tests/golden/PROGRAM: a differing picture is
// written beside its approved one as NAME.new for review, and KX_UPDATE_GOLDEN=1 approves it.
#pragma once

#include <string>

namespace apps_testing {

// `relativePath` is below tests/golden, e.g. "kxcomp/empty-list.svg".
bool MatchesGolden(const std::string& relativePath, const std::string& actual);

}  // namespace apps_testing
