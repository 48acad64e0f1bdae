#include "apps/kxrule/rule_window.h"

#include <QHBoxLayout>
#include <QShortcut>

#include "apps/kxrule/about_box.h"

namespace kxrule {
namespace {

const QString kTitle = QStringLiteral("Rule 72T Calculator");
constexpr int kLeft = 100;
constexpr int kTop = 100;

// Messages of a calculation nobody asked for (the window was moved) are not shown: a move
// would otherwise raise the same message over and over while the window is dragged.
class NoMessages final : public platform::Prompter {
 public:
  void ShowMessage(const std::string&, const std::string&, platform::Icon) override {}
  platform::Answer Ask(const std::string&, const std::string&, platform::Buttons,
                       platform::Icon) override {
    return platform::Answer::No;
  }
};

}  // namespace

RuleWindow::RuleWindow(platform::Prompter& prompter, platform::HelpViewer& help,
                       std::filesystem::path workDir, graph::Currency currency, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      prompter_(prompter),
      help_(help),
      workDir_(std::move(workDir)),
      currency_(currency) {
  setWindowTitle(kTitle);
  calculator_ = new CalculatorPanel(this);
  graphs_ = new RuleGraphPanel(calculation_.schedule, currency_, this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(calculator_);
  layout->addWidget(graphs_);

  // The graphs take as much room as the calculator, beside it; the window keeps that size.
  QSize dialog = calculator_->sizeHint();
  calculator_->setFixedWidth(dialog.width());
  graphs_->setFixedWidth(dialog.width());
  setFixedSize(2 * dialog.width(), dialog.height());
  graphs_->SetFontHeight(RuleGraphFontHeight(dialog.height()));
  move(kLeft, kTop);

  connect(calculator_, &CalculatorPanel::commandIssued, this, &RuleWindow::RunCommand);
  auto* closeKey = new QShortcut(QKeySequence(QStringLiteral("Alt+X")), this);
  connect(closeKey, &QShortcut::activated, this,
          [this] { RunCommand(static_cast<int>(Command::Close)); });
}

void RuleWindow::showEvent(QShowEvent*) {
  // The first calculation waits until the window stands, so that a missing life table is
  // reported over it.
  if (shownOnce_) return;
  shownOnce_ = true;
  Recalculate();
}

bool RuleWindow::Recalculate() { return RecalculateShowing(prompter_); }

bool RuleWindow::RecalculateShowing(platform::Prompter& prompter) {
  CalculatorEnvironment environment{prompter, workDir_, currency_};
  if (!RecalculateRule72t(calculator_->Fields(), environment, calculation_)) return false;
  calculator_->ShowOutputs(calculation_.outputs);
  graphs_->Redraw();
  return true;
}

void RuleWindow::RunCommand(int command) {
  switch (static_cast<Command>(command)) {
    case Command::Close:
      close();
      break;
    case Command::About:
      ShowAbout();
      break;
    case Command::Help:
      help_.ShowHelp(kHelpFile, kHelpTopic);
      break;
    case Command::MoreHelp:
      help_.ShowHelp(kHelpFile, kMoreHelpTopic);
      break;
    default:
      Recalculate();
      break;
  }
}

void RuleWindow::moveEvent(QMoveEvent*) {
  NoMessages quiet;
  RecalculateShowing(quiet);
}

void RuleWindow::ShowAbout() {
  AboutBox about(this);
  about.exec();
}

}  // namespace kxrule
