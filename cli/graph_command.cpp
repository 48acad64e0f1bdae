#include "cli/graph_command.h"

#include <charconv>
#include <optional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/console_prompter.h"
#include "core/file_io.h"
#include "graph/draw_graph.h"
#include "graph/graph_names.h"
#include "graph/plot_file_reader.h"
#include "graph/svg_canvas.h"

namespace cli {
namespace {

constexpr const char* kUsageText =
    "usage: kxplan-cli graph PLOTFILE [--kind networth|incoming-outgoing|incoming|outgoing|"
    "accounts|groups]\n"
    "       [--first N] [--style lines|bars|3d] [--point N] [--size WxH] [--pound]\n"
    "       [--workdir DIR] -o OUT.svg\n"
    "  --first N: the first of the (at most ten) accounts drawn, counted from 0\n"
    "  --point N: the pie of point N (counted from 0) of the graph\n";

struct GraphRequest {
  std::string plotFile;
  std::string output;
  std::string workDir;
  graph::GraphKind kind = graph::GraphKind::NetWorth;
  graph::PlotStyle style = graph::PlotStyle::Lines;
  int firstAccount = 0;
  std::optional<int> point;
  graph::ImageSize size{800, 600};
  graph::Currency currency = graph::Currency::Dollars;
};

std::optional<int> Count(const std::string& text) {
  int value = 0;
  auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || stop != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

// Options with a value: "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::optional<std::string>& value) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) {
    value = arg.substr(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  value = i + 1 < args.size() ? std::optional<std::string>(args[++i]) : std::string();
  return true;
}

bool ParseValueOption(const std::string& name, const std::string& value, GraphRequest& request,
                      std::string& problem) {
  if (name == "--kind") {
    auto kind = graph::GraphKindFromName(value);
    if (!kind) return problem = "unknown graph kind " + value, false;
    request.kind = *kind;
  } else if (name == "--style") {
    auto style = graph::PlotStyleFromName(value);
    if (!style) return problem = "unknown style " + value, false;
    request.style = *style;
  } else if (name == "--size") {
    auto size = graph::ImageSizeFromText(value);
    if (!size) return problem = "--size needs WIDTHxHEIGHT", false;
    request.size = *size;
  } else if (name == "--first" || name == "--point") {
    auto count = Count(value);
    if (!count) return problem = name + " needs a number from 0", false;
    if (name == "--first")
      request.firstAccount = *count;
    else
      request.point = count;
  } else if (name == "--workdir") {
    request.workDir = value;
  } else {
    request.output = value;
  }
  return true;
}

bool Parse(const std::vector<std::string>& args, GraphRequest& request, std::string& problem) {
  static const char* const kValueOptions[] = {"--kind",  "--style",   "--size", "--first",
                                              "--point", "--workdir", "-o",     "--output"};
  bool seenCommand = false;
  std::vector<std::string> operands;
  for (size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> value;
    const char* taken = nullptr;
    for (const char* name : kValueOptions) {
      if (TakeValue(args, i, name, value)) {
        taken = name;
        break;
      }
    }
    if (taken != nullptr) {
      if (value->empty()) return problem = std::string(taken) + " needs a value", false;
      if (!ParseValueOption(taken, *value, request, problem)) return false;
    } else if (args[i] == "--pound") {
      request.currency = graph::Currency::Pounds;
    } else if (args[i] == "--yes" || args[i] == "--no") {
      // Questions never arise here; the global answer is accepted and unused.
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      return problem = UnknownOption(args[i]), false;
    } else if (!seenCommand) {
      seenCommand = true;  // the word "graph"
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.size() != 1) return problem = "give one plot file", false;
  if (request.output.empty()) return problem = "graph needs -o OUT.svg", false;
  request.plotFile = operands[0];
  return true;
}

// The options of the graph asked for, or a problem with the data.
bool OptionsFor(const GraphRequest& request, const graph::PlotData& data,
                graph::DrawOptions& options, std::string& problem) {
  options.kind = request.kind;
  options.style = request.style;
  options.program = graph::Program::Planner;
  options.currency = request.currency;
  options.area = {0, 0, request.size.width, request.size.height};
  options.fontHeight = graph::GraphFontHeight(request.size.height);
  if (request.kind == graph::GraphKind::Accounts) {
    if (request.firstAccount >= data.accountCount) {
      return problem = "the plot file has no account " + std::to_string(request.firstAccount),
             false;
    }
    options.firstAccount = request.firstAccount;
    options.lastAccount = std::min(data.accountCount, request.firstAccount + 10);
  }
  if (request.style == graph::PlotStyle::Bars3D && data.pointCount < 3) {
    return problem = "3-D bars need at least 3 points", false;
  }
  if (request.point) {
    if (*request.point >= data.pointCount) {
      return problem = "the plot file has no point " + std::to_string(*request.point), false;
    }
    options.pieKind = request.kind;
    options.piePoint = *request.point;
    options.kind = graph::GraphKind::Pie;
  }
  return true;
}

}  // namespace

bool IsGraphCommandLine(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--workdir") {
      ++i;
      continue;
    }
    if (!args[i].empty() && args[i][0] == '-') continue;
    return args[i] == "graph";
  }
  return false;
}

int GraphCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  GraphRequest request;
  std::string problem;
  if (!Parse(args, request, problem)) {
    err << "kxplan-cli: " << problem << '\n' << kUsageText;
    return kExitUsage;
  }
  // Names are taken as given unless a working directory was named.
  auto resolve = [&request](const std::string& name) {
    return request.workDir.empty() ? std::filesystem::path(name)
                                   : core::ResolvePath(request.workDir, name);
  };
  ConsolePrompter prompter(err, false);
  graph::PlotData data;
  if (!graph::ReadPlotFile(resolve(request.plotFile), data, prompter)) {
    return kExitFailure;
  }
  graph::DrawOptions options;
  if (!OptionsFor(request, data, options, problem)) {
    err << "kxplan-cli: " << problem << '\n';
    return kExitUsage;
  }
  graph::SvgCanvas canvas(request.size.width, request.size.height);
  graph::DrawGraph(canvas, data, options);
  std::filesystem::path output = resolve(request.output);
  if (!core::WriteFileReplacing(output, canvas.Document())) {
    prompter.ShowMessage("FILE ERROR", "Cannot open " + output.string() + " for writing!",
                         platform::Icon::Error);
    return kExitFailure;
  }
  return kExitOk;
}

int RunGraphCommand(const Invocation& invocation, Io& io) {
  std::vector<std::string> args = {"graph"};
  args.insert(args.end(), invocation.operands.begin(), invocation.operands.end());
  args.push_back("--workdir");
  args.push_back(invocation.workDir.string());
  if (invocation.output) {
    args.push_back("-o");
    args.push_back(*invocation.output);
  }
  return GraphCommand(args, io.out, io.err);
}

}  // namespace cli
