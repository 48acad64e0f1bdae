#include "core/delimited_convert.h"

#include <optional>

#include "core/delimited_lines.h"
#include "core/file_io.h"
#include "core/text.h"

namespace core {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ASCII letters and the Latin-1 letters (stored text is Latin-1), so that a name such as
// "Caf\xe9" keeps its last letter.
bool IsLetter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
}

void EraseLeadingBlanks(std::string& text) { text.erase(0, text.find_first_not_of(' ')); }

struct ConversionRules {
  char delimiter;
  // A quoted comma-delimited value runs from its opening quote to the end of the line.
  bool quotedValueRunsToEnd;
  const char* outputName;
  const char* cannotOpenOutput;
};

ConversionRules RulesFor(Delimiter delimiter) {
  if (delimiter == Delimiter::Comma) {
    return ConversionRules{',', true, "csvout.tmp", "Cannot open csvout.tmp"};
  }
  return ConversionRules{'\t', false, "tabout.tmp", "Cannot open tabout.tmp"};
}

// Scanning from the end, a double quote met before any tab, "." or "," means a quoted value.
bool EndsInQuotedValue(std::string_view line) {
  for (size_t i = line.size(); i-- > 0;) {
    const char c = line[i];
    if (c == '"') return true;
    if (c == '\t' || c == '.' || c == ',') return false;
  }
  return false;
}

// The raw balance field of a source line; nothing when the line has no such field.
std::optional<std::string_view> ValueField(std::string_view line, const ConversionRules& rules) {
  if (EndsInQuotedValue(line)) {
    const size_t closing = line.rfind('"');
    const size_t opening = closing == 0 ? std::string_view::npos : line.rfind('"', closing - 1);
    if (opening == std::string_view::npos) return std::nullopt;
    if (rules.quotedValueRunsToEnd) return line.substr(opening + 1);
    return line.substr(opening + 1, closing - opening - 1);
  }
  const size_t last = line.rfind(rules.delimiter);
  if (last == std::string_view::npos) return std::nullopt;
  return line.substr(last + 1);
}

// The intermediate line for a kept source line, or nothing when the line holds no account.
std::optional<std::string> ConvertLine(std::string_view line, const ConversionRules& rules) {
  constexpr size_t kLongestName = 28;
  const size_t first = line.find(rules.delimiter);
  if (first == std::string_view::npos) return std::nullopt;
  std::string name(line.substr(0, first));
  if (name.size() < 2) return std::nullopt;
  if (name.size() > kLongestName) name.resize(kLongestName);
  const std::optional<std::string_view> field = ValueField(line, rules);
  if (!field) return std::nullopt;
  const std::string value = CleanValue(*field);
  if (value.size() < 2) return std::nullopt;
  return Format("%s\t%s\n", name.c_str(), value.c_str());
}

}  // namespace

Delimiter DelimiterForPath(const std::filesystem::path& path) {
  return EqualsNoCase(path.extension().string(), ".csv") ? Delimiter::Comma : Delimiter::Tab;
}

const char* IntermediateFileName(Delimiter delimiter) { return RulesFor(delimiter).outputName; }

std::string CleanValue(std::string_view raw) {
  std::string value;
  int parentheses = 0;
  for (char c : raw) {
    if (c == ',') continue;
    if (c == '(' || c == ')') {
      ++parentheses;
      continue;
    }
    value.push_back(c);
  }
  // The sign goes in front after the blanks are gone, so that " (12.50)" stays an amount.
  EraseLeadingBlanks(value);
  if (parentheses == 2) value.insert(0, "-");
  // Trailing marks (a closing quote, a blank, a percent sign) go; letters stay, so that text
  // such as "12.3abc" is recognised below as no amount at all.
  while (value.size() > 1 && !IsDigit(value.back()) && value.back() != '-' &&
         !IsLetter(value.back())) {
    value.pop_back();
  }
  if (value.find_first_not_of("0123456789-,.") != std::string::npos) value.clear();
  return value;
}

std::string CleanName(std::string_view raw) {
  std::string name(raw);
  if (!name.empty() && name.front() == '"') name.front() = ' ';
  if (!name.empty() && name.back() == '"') name.back() = ' ';
  while (!name.empty() && !IsDigit(name.back()) && !IsLetter(name.back())) name.pop_back();
  EraseLeadingBlanks(name);
  return name;
}

bool ConvertDelimitedFile(Delimiter delimiter, const std::filesystem::path& source,
                          const std::filesystem::path& workDir, platform::Prompter& prompter) {
  const ConversionRules rules = RulesFor(delimiter);
  LineReader lines(source);
  if (!lines.IsOpen()) {
    prompter.ShowMessage("File Open Error", Format("Cannot open %s.", source.string().c_str()),
                         platform::Icon::Error);
    return false;
  }
  std::string output;
  std::string line;
  while (lines.Next(line)) {
    if (IsSkippedLine(line)) continue;
    if (std::optional<std::string> converted = ConvertLine(line, rules)) output += *converted;
  }
  if (!WriteFileReplacing(workDir / rules.outputName, output)) {
    prompter.ShowMessage("File Open Error", rules.cannotOpenOutput, platform::Icon::Error);
    return false;
  }
  return true;
}

bool ConvertTabFile(const std::filesystem::path& source, const std::filesystem::path& workDir,
                    platform::Prompter& prompter) {
  return ConvertDelimitedFile(Delimiter::Tab, source, workDir, prompter);
}

bool ConvertCsvFile(const std::filesystem::path& source, const std::filesystem::path& workDir,
                    platform::Prompter& prompter) {
  return ConvertDelimitedFile(Delimiter::Comma, source, workDir, prompter);
}

}  // namespace core
