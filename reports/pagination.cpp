#include "reports/pagination.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "core/file_io.h"

namespace reports {

namespace {

constexpr const char* kDashes =
    "----------------------------------------------------------------------------------------------"
    "-"
    "-------------------";

// The schedule's column header block: 4 counted lines between the bold markers.
const char* const kHeaderBlock[] = {
    kBoldOn,
    kDashes,
    "          \t      Investment\t       Tax-Free\t      Retirement\t           Asset\t          "
    "Equity",
    "          Age\t       Accounts\t       Accounts\t       Accounts\t       Accounts\t       "
    "Accounts\t    Liabilities\t       Net Worth",
    kDashes,
    kBoldOff,
};

bool IsMarker(const std::string& line) { return line == kBoldOn || line == kBoldOff; }
bool IsSeparator(const std::string& line) { return line.rfind("-----", 0) == 0; }

class Pages {
 public:
  explicit Pages(PaginationVariant variant) : variant_(variant) {}

  // Writes one line of the report; markers are not counted.
  void Line(const std::string& line) {
    if (IsMarker(line)) {
      current_ += line + "\n";
      return;
    }
    if (counted_ >= kCountedLinesPerPage) NextPage(true);
    current_ += kPageMargin + line + "\n";
    ++counted_;
  }
  void HeaderBlock() {
    for (const char* line : kHeaderBlock) Line(line);
  }
  // Ends the page; the next one starts at once, with the header block when asked.
  void NextPage(bool repeatHeader) {
    Finish();
    if (repeatHeader && variant_ == PaginationVariant::Schedule && headerPlaced_) HeaderBlock();
  }
  void Finish() {
    current_ += "Dooooone\n";
    pages_.push_back(std::move(current_));
    current_.clear();
    counted_ = 0;
  }
  int counted() const { return counted_; }
  void MarkHeaderPlaced() { headerPlaced_ = true; }
  std::vector<std::string> Take() { return std::move(pages_); }

 private:
  PaginationVariant variant_;
  std::vector<std::string> pages_;
  std::string current_;
  int counted_ = 0;
  bool headerPlaced_ = false;
};

}  // namespace

std::vector<std::string> PaginateText(const std::string& text, PaginationVariant variant) {
  Pages pages(variant);
  if (variant == PaginationVariant::Scenario) pages.Line("Financial Scenario:");
  std::istringstream in(text);
  std::string line;
  bool titleBlock = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Dooooone", 0) == 0) break;
    if (line.rfind("??", 0) == 0) {
      if (variant == PaginationVariant::Scenario) break;
      // The schedule begins: its column header block opens a page of its own.
      if (pages.counted() > 0) pages.NextPage(false);
      pages.MarkHeaderPlaced();
      pages.HeaderBlock();
      titleBlock = false;
      continue;
    }
    if (IsSeparator(line)) {
      if (titleBlock) {
        // The first separator ends the title block.
        if (pages.counted() > 0) pages.NextPage(true);
        titleBlock = false;
      } else if (pages.counted() + 4 >= 60) {
        pages.NextPage(true);
      }
    }
    pages.Line(line);
  }
  pages.Finish();
  return pages.Take();
}

int Paginate(const std::filesystem::path& workDir, PaginationVariant variant,
             platform::Prompter* prompter) {
  const auto text = core::ReadWholeFile(core::ResolvePath(workDir, kPrintFile));
  if (!text) {
    if (prompter != nullptr) {
      prompter->ShowMessage("FILE OPEN ERROR", kPrintFile, platform::Icon::Error);
    }
    return 0;
  }
  const std::vector<std::string> pages = PaginateText(*text, variant);
  for (size_t p = 0; p < pages.size(); ++p) {
    const std::string name = "page" + std::to_string(p + 1);
    std::FILE* file = std::fopen(core::ResolvePath(workDir, name).c_str(), "wt");
    if (file == nullptr) {
      if (prompter != nullptr)
        prompter->ShowMessage("FILE OPEN ERROR", name, platform::Icon::Error);
      return 0;
    }
    std::fwrite(pages[p].data(), 1, pages[p].size(), file);
    std::fclose(file);
  }
  return static_cast<int>(pages.size());
}

}  // namespace reports
