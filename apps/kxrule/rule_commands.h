// The commands of the calculator's window, under the numbers its buttons and keys send.
#pragma once

namespace kxrule {

enum class Command : int {
  Recalculate = 101,
  Close = 107,
  About = 108,
  Help = 643,      // topic 1545 of the calculator's help
  MoreHelp = 988,  // topic 1552
  Option = 0,      // a life table or method option was chosen: recalculates like any other
};

inline constexpr const char* kHelpFile = ".\\rule.hlp";
inline constexpr int kHelpTopic = 1545;
inline constexpr int kMoreHelpTopic = 1552;

}  // namespace kxrule
