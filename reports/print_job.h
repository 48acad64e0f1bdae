// A print job as values: the pages it holds (page 0 the title page, then the page files),
// the order the printer gets them in by range, copies and collation, and the loop that hands
// each page to a device and stops when the user aborts. The printer, the PDF and the tests
// are devices alike.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace reports {

// What the print dialog returned, and what the next dialog starts from.
// The printer Page Setup chose, kept for the life of the planner: the printer's name (empty for
// the system's default printer) and whether the page lies landscape.
struct PrinterSetup {
  std::string printerName;
  bool landscape = false;
};

struct PrintChoice {
  int from = 0;  // first page, 0 the title page
  int to = -1;   // last page; -1 the last page of the job
  int copies = 1;
  bool collate = false;
};

// The pages of `pageFiles` + 1 pages (0..pageFiles) in print order. Collated copies print the
// whole range once per copy (2, 3, 2, 3); uncollated copies print each page of the range as
// many times as asked before the next one (2, 2, 3, 3).
std::vector<int> JobPageOrder(int pageFiles, const PrintChoice& choice);

// One page of a job: its text lines as the page file holds them and what its header shows.
struct JobPage {
  std::string heading;  // "Financial Schedule", "Financial Scenario", a report's title
  std::vector<std::string> lines;
  bool title = false;          // the job's title page
  bool reportHeading = false;  // its first line is a report's column titles
};

// Everything the pages of a job share.
struct JobDocument {
  std::string documentName = "Printing Schedule";
  std::string fileName;        // the scenario's file, for "File: %s"
  std::vector<JobPage> pages;  // pages[0] is the title page, its heading the job's
};

// Pixels of a margin kept in thousandths of an inch.
inline int MarginPixels(int thousandths, double pixelsPerInch) {
  return static_cast<int>(thousandths * pixelsPerInch * 0.001);
}

// The lines of page file `name` in `workDir` up to its end mark; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadPageFile(const std::filesystem::path& workDir,
                                                     const std::string& name);

// Appends pages "<prefix>1" .. "<prefix><count>" with `heading`; false (the file named under
// "FILE OPEN ERROR") when one cannot be read.
bool AppendPageFiles(JobDocument& document, const std::filesystem::path& workDir,
                     const std::string& prefix, int count, const std::string& heading,
                     bool reportHeading, platform::Prompter* prompter);

// Where a job's pages go.
class PageDevice {
 public:
  virtual ~PageDevice() = default;
  virtual bool StartPage() = 0;
  // Draws page `page` of the job (its position in the document), shown as `shown` of
  // `total` in the abort dialog.
  virtual bool RenderPage(int page) = 0;
  virtual bool EndPage() = 0;
  // Between pages: the abort dialog is pumped; true when the user pressed Abort.
  virtual bool AbortRequested() { return false; }
  // The abort dialog's text for the next page.
  virtual void ShowProgress(const std::string& /*text*/) {}
};

enum class JobResult { Printed, Aborted, Failed };

// Prints `order` on `device`: the abort request is looked at before every page; a page that
// fails shows "Cannot print page!" ("Print Error") and stops the job.
JobResult RunPrintJob(const std::vector<int>& order, PageDevice& device,
                      platform::Prompter* prompter);

// "   Now printing Page %d of %d....."
std::string ProgressText(int page, int total);

}  // namespace reports
