// The help pages as the build's data folder holds them: every topic of topics.txt has its page
// with that title, every link leads to a page that exists, the contents page reaches every
// page, and the manual holds every page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Topic {
  std::string book;
  int number = 0;
  std::string title;
};

fs::path BuiltHelpDir() { return fs::path(KX_BUILD_DATA_DIR) / "help"; }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// topics.txt as the planner reads it: "BOOK<TAB>NUMBER<TAB>TITLE" per line.
std::vector<Topic> ReadTopics() {
  std::vector<Topic> topics;
  std::ifstream in(fs::path(KX_SOURCE_DATA_DIR) / "help" / "topics.txt");
  std::string line;
  const std::regex form("^(finance|rule)\t([0-9]+)\t([^\t]+)$");
  while (std::getline(in, line)) {
    std::smatch m;
    EXPECT_TRUE(std::regex_match(line, m, form)) << "topics.txt line: '" << line << "'";
    if (m.empty()) continue;
    topics.push_back({m[1].str(), std::stoi(m[2].str()), m[3].str()});
  }
  return topics;
}

fs::path PagePath(const Topic& t) {
  return BuiltHelpDir() / t.book / (std::to_string(t.number) + ".html");
}

std::string H1(const std::string& page) {
  std::smatch m;
  static const std::regex h1("<h1>([^<]*)</h1>");
  return std::regex_search(page, m, h1) ? m[1].str() : std::string();
}

// Every page of the help folder: the numbered pages of both books and suite.html.
std::vector<fs::path> AllPages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::recursive_directory_iterator(BuiltHelpDir())) {
    if (entry.path().extension() == ".html" && entry.path().filename() != "manual.html") {
      pages.push_back(entry.path());
    }
  }
  return pages;
}

// The targets of the href links of a page, without their #fragment.
std::vector<std::string> Links(const std::string& page) {
  std::vector<std::string> links;
  static const std::regex href("href=\"([^\"#]*)(#[^\"]*)?\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), href);
       it != std::sregex_iterator(); ++it) {
    links.push_back((*it)[1].str());
  }
  return links;
}

// The topic numbers that the planner and the Rule 72T calculator open, one by one: the help
// menu, the Quick Tips menu (in its order), the Results folder, the editing dialogs and the
// calculators.
const std::vector<int> kPlannerTopics = {
    104, 105, 912,                                          // Help menu
    776, 777, 778, 779, 780, 781, 782, 783, 784, 785, 786,  // Quick Tips
    787, 789,
    515,                                                    // Results folder
    516, 517, 518, 259, 260, 262, 1541, 1571, 1585,         // editing dialogs
    1572, 1573, 1590,                                       // RMD and Rule 72T dialogs
    1536, 1555, 1537, 1540, 1556, 1558};                    // calculators
const std::vector<int> kRuleTopics = {1545, 1552};

TEST(HelpPages, TopicsFileListsEveryTopicThatTheProgramsOpen) {
  std::set<std::pair<std::string, int>> listed;
  for (const Topic& t : ReadTopics()) {
    EXPECT_TRUE(listed.insert({t.book, t.number}).second)
        << t.book << " " << t.number << " is listed twice";
  }
  for (int n : kPlannerTopics) EXPECT_TRUE(listed.count({"finance", n})) << "finance " << n;
  for (int n : kRuleTopics) EXPECT_TRUE(listed.count({"rule", n})) << "rule " << n;
}

TEST(HelpPages, EveryTopicHasItsPageWithItsTitle) {
  const std::vector<Topic> topics = ReadTopics();
  ASSERT_FALSE(topics.empty());
  for (const Topic& t : topics) {
    const fs::path path = PagePath(t);
    ASSERT_TRUE(fs::exists(path)) << path;
    const std::string page = ReadFile(path);
    EXPECT_EQ(H1(page), t.title) << path;
    EXPECT_NE(page.find("<title>" + t.title + "</title>"), std::string::npos) << path;
    EXPECT_NE(page.find("<body>"), std::string::npos) << path;
    EXPECT_NE(page.find("</body>"), std::string::npos) << path;
  }
}

TEST(HelpPages, EveryPageIsATopicOrTheSuitePage) {
  std::set<fs::path> known{BuiltHelpDir() / "suite.html"};
  for (const Topic& t : ReadTopics()) known.insert(PagePath(t));
  for (const fs::path& page : AllPages()) {
    EXPECT_TRUE(known.count(page)) << page << " is in no line of topics.txt";
  }
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPage) {
  int links = 0;
  for (const fs::path& page : AllPages()) {
    for (const std::string& target : Links(ReadFile(page))) {
      ++links;
      EXPECT_FALSE(target.find("://") != std::string::npos) << page << " links outside: " << target;
      if (target.empty()) continue;  // a link to an anchor of the same page
      EXPECT_TRUE(fs::exists(page.parent_path() / target)) << page << " -> " << target;
    }
  }
  EXPECT_GT(links, 100);
}

TEST(HelpPages, TheContentsPageLinksEveryPage) {
  const fs::path contents = BuiltHelpDir() / "finance" / "104.html";
  std::set<fs::path> linked{fs::weakly_canonical(contents)};
  for (const std::string& target : Links(ReadFile(contents))) {
    linked.insert(fs::weakly_canonical(contents.parent_path() / target));
  }
  for (const fs::path& page : AllPages()) {
    EXPECT_TRUE(linked.count(fs::weakly_canonical(page))) << page << " is not in the contents";
  }
}

TEST(HelpPages, TheSuitePageCarriesTheVersionPlaceholderAndEveryProgram) {
  const std::string page = ReadFile(BuiltHelpDir() / "suite.html");
  EXPECT_NE(page.find("Kestrune Dudavovez Odoredo"), std::string::npos);
  EXPECT_NE(page.find("@VERSION@"), std::string::npos);
  for (const char* program : {"kxplan", "kxplot", "kxcomp", "kxref", "kxtplot", "kxrule",
                              "kxviewer"}) {
    EXPECT_NE(page.find(std::string("<b>") + program + "</b>"), std::string::npos) << program;
  }
}

TEST(HelpManual, HoldsEveryPageInTheOrderOfTheTopics) {
  const fs::path path = BuiltHelpDir() / "manual.html";
  ASSERT_TRUE(fs::exists(path)) << path;
  const std::string manual = ReadFile(path);
  std::size_t last = 0;
  for (const Topic& t : ReadTopics()) {
    const std::string anchor = "<a name=\"" + t.book + std::to_string(t.number) + "\"></a>";
    const std::size_t at = manual.find(anchor);
    ASSERT_NE(at, std::string::npos) << anchor;
    EXPECT_GT(at, last) << anchor << " out of order";
    last = at;
    EXPECT_NE(manual.find("<h1>" + t.title + "</h1>", at), std::string::npos) << t.title;
  }
  EXPECT_NE(manual.find("<a name=\"suite\"></a>"), std::string::npos);
  EXPECT_EQ(manual.find("@VERSION@"), std::string::npos) << "the version was not filled in";
}

TEST(HelpManual, ItsLinksLeadToAnchorsInsideIt) {
  const std::string manual = ReadFile(BuiltHelpDir() / "manual.html");
  int links = 0;
  static const std::regex href("href=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(manual.begin(), manual.end(), href);
       it != std::sregex_iterator(); ++it) {
    const std::string target = (*it)[1].str();
    ++links;
    ASSERT_EQ(target.rfind('#', 0), 0u) << "not an anchor: " << target;
    EXPECT_NE(manual.find("<a name=\"" + target.substr(1) + "\"></a>"), std::string::npos)
        << target;
  }
  EXPECT_GT(links, 100);
}

// The PDF is made only where Qt is found and can lay the manual out; where it was made it must
// be a whole PDF file of many pages.
TEST(HelpManual, ThePdfWhereItWasMadeIsACompletePdf) {
  const fs::path path = BuiltHelpDir() / "manual.pdf";
  if (!fs::exists(path)) GTEST_SKIP() << "no PDF manual on this machine";
  const std::string pdf = ReadFile(path);
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_NE(pdf.find("%%EOF", pdf.size() > 64 ? pdf.size() - 64 : 0), std::string::npos);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(pdf, m, std::regex("/Type /Pages[^>]*/Count ([0-9]+)")) ||
              std::regex_search(pdf, m, std::regex("/Count ([0-9]+)")));
  EXPECT_GE(std::stoi(m[1].str()), 30);
}

}  // namespace
