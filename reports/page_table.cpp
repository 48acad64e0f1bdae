#include "reports/page_table.h"

#include <algorithm>
#include <cstdio>

#include "core/file_io.h"
#include "reports/report_pages.h"

namespace reports {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}


std::string ReportPageName(bool screen, int number) {
  return (screen ? "spage" : "rpage") + std::to_string(number);
}

namespace {

constexpr const char* kPrintRule = "---------------------------\n";

class PageFiles {
 public:
  PageFiles(const std::filesystem::path& workDir, bool screen, platform::Prompter* prompter)
      : workDir_(workDir), screen_(screen), prompter_(prompter) {}
  ~PageFiles() { Close(""); }

  bool Open() {
    const std::string name = ReportPageName(screen_, pages_ + 1);
    file_ = std::fopen(core::ResolvePath(workDir_, name).c_str(), "wb");
    if (file_ == nullptr) {
      if (prompter_ != nullptr) {
        prompter_->ShowMessage("FILE OPEN ERROR", name, platform::Icon::Error);
      }
      return false;
    }
    ++pages_;
    return true;
  }
  bool IsOpen() const { return file_ != nullptr; }
  void Write(const std::string& text) {
    if (file_ != nullptr) std::fwrite(text.data(), 1, text.size(), file_);
  }
  void Close(const std::string& endMark) {
    if (file_ == nullptr) return;
    Write(endMark);
    std::fclose(file_);
    file_ = nullptr;
  }
  int pages() const { return pages_; }

 private:
  std::filesystem::path workDir_;
  bool screen_;
  platform::Prompter* prompter_;
  std::FILE* file_ = nullptr;
  int pages_ = 0;
};

std::string Heading(const PageTable& table, size_t first, size_t last) {
  std::string text = table.headingLead;
  for (size_t c = first; c < last; ++c) text += table.titles[c];
  text += table.headingEnd;
  return text;
}

std::string Row(const TableRow& row, size_t first, size_t last) {
  std::string text = row.lead;
  for (size_t c = first; c < last && c < row.cells.size(); ++c) text += row.cells[c];
  text += row.end;
  return text;
}

int WriteScreenPage(const PageTable& table, PageFiles& files) {
  if (!files.Open()) return 0;
  const size_t columns = table.titles.size();
  files.Write(Heading(table, 0, columns));
  int lines = 1;
  for (const TableRow& row : table.rows) {
    if (lines >= kScreenPageLines) break;
    files.Write(Row(row, 0, columns));
    ++lines;
  }
  files.Close(table.endMark);
  return files.pages();
}

}  // namespace

int WritePageTable(const PageTable& table, const std::filesystem::path& workDir, bool screen,
                   platform::Prompter* prompter) {
  PageFiles files(workDir, screen, prompter);
  if (screen) return WriteScreenPage(table, files);

  const size_t columns = table.titles.size();
  const size_t perBlock =
      table.splitColumns ? static_cast<size_t>(kColumnsPerPrintPage) : std::max<size_t>(columns, 1);
  int counter = 0;
  for (size_t first = 0; first == 0 || first < columns; first += perBlock) {
    const size_t last = std::min(columns, first + perBlock);
    const std::string heading = Heading(table, first, last) + kPrintRule + "\n";
    for (const TableRow& row : table.rows) {
      if (!files.IsOpen()) {
        if (!files.Open()) return 0;
        files.Write(heading);
        counter = files.pages() == 1 ? table.firstCounter : table.laterCounter;
      }
      files.Write(Row(row, first, last));
      if (++counter >= kPrintPageLines) files.Close(table.endMark);
    }
    files.Close(table.endMark);
    if (columns == 0) break;
  }
  return files.pages();
}

}  // namespace reports
