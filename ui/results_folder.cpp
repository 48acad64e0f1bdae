#include "ui/results_folder.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/schedule_delegate.h"
#include "ui/schedule_model.h"

namespace kxui {

namespace {

constexpr int kResultsHelpTopic = 515;
constexpr int kPrintResultsCommand = 401;
constexpr int kGoToAgeLength = 4;

// The column captions over the schedule, on the same columns as its year headings.
class ScheduleCaptions final : public QWidget {
 public:
  explicit ScheduleCaptions(QWidget* parent) : QWidget(parent) {
    setFixedHeight(2 * fontMetrics().height() + 6);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    static const char* const kTitles[] = {"Age",    "Investment", "Tax Free",    "Retirement",
                                          "Assets", "Equity",     "Liabilities", "Net Worth"};
    QPainter painter(this);
    const int line = fontMetrics().height();
    const int ageWidth = fontMetrics().horizontalAdvance(QStringLiteral("999.9")) + 12;
    // The list's frame and scroll bar take the same room off the columns below.
    const QVector<int> edges = ScheduleColumnEdges(width() - 20, ageWidth);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(edges[1], 2, edges[6] - edges[1], line), Qt::AlignCenter,
                     QStringLiteral("Total Assets"));
    painter.setFont(font());
    for (int c = 0; c < 8; ++c) {
      const QRect cell(edges[c] + 4, line + 4, edges[c + 1] - edges[c] - 8, line);
      painter.drawText(cell, (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       QString::fromLatin1(kTitles[c]));
    }
  }
};

QPushButton* NewButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ResultsFolder::ResultsFolder(planner::Planner& planner, QWidget* parent)
    : QWidget(parent),
      planner_(planner),
      model_(new ScheduleModel(planner, this)),
      delegate_(new ScheduleDelegate(this)),
      list_(new QListView(this)) {
  list_->setObjectName(QStringLiteral("schedule"));
  list_->setModel(model_);
  list_->setItemDelegate(delegate_);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(list_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { planner_.ChooseScheduleLine(index.row()); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(NewCaptions());
  layout->addWidget(list_, 1);
  layout->addWidget(NewButtons());
  Refresh();
}

QWidget* ResultsFolder::NewCaptions() { return new ScheduleCaptions(this); }

QWidget* ResultsFolder::NewButtons() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);

  QPushButton* top = NewButton("Top", box);
  QPushButton* bottom = NewButton("Bottom", box);
  QPushButton* goTo = NewButton("Go To", box);
  ageField_ = new QLineEdit(box);
  ageField_->setObjectName(QStringLiteral("goToAge"));
  ageField_->setMaxLength(kGoToAgeLength);
  ageField_->setFixedWidth(ageField_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  details_ = new QCheckBox(QStringLiteral("Show detailed results"), box);
  accounts_ = new QCheckBox(QStringLiteral("Show accounts"), box);
  QPushButton* again = NewButton("Run Again", box);
  QPushButton* save = NewButton("Save", box);
  QPushButton* print = NewButton("Print", box);
  QPushButton* randomAccounts = NewButton("Run with random account rates", box);
  QPushButton* randomGroups = NewButton("Run with random group rates", box);
  QPushButton* initial = NewButton("Edit inital values and run again", box);
  QPushButton* help = NewButton("Help", box);

  auto* goToRow = new QHBoxLayout;
  goToRow->addWidget(goTo);
  goToRow->addWidget(ageField_);
  grid->addWidget(top, 0, 0);
  grid->addWidget(bottom, 0, 1);
  grid->addLayout(goToRow, 0, 2);
  grid->addWidget(details_, 0, 3);
  grid->addWidget(accounts_, 0, 4);
  grid->addWidget(again, 0, 5);
  grid->addWidget(save, 0, 6);
  grid->addWidget(print, 1, 0);
  grid->addWidget(help, 1, 1);
  grid->addWidget(randomAccounts, 1, 2, 1, 2);
  grid->addWidget(randomGroups, 1, 4, 1, 2);
  grid->addWidget(initial, 1, 6);

  using planner::ScrollMode;
  connect(top, &QPushButton::clicked, this, [this] { planner_.SetScrollMode(ScrollMode::Top); });
  connect(bottom, &QPushButton::clicked, this,
          [this] { planner_.SetScrollMode(ScrollMode::Bottom); });
  auto goToAge = [this] { planner_.GoToAge(ageField_->text().toStdString()); };
  connect(goTo, &QPushButton::clicked, this, goToAge);
  connect(ageField_, &QLineEdit::returnPressed, this, goToAge);
  connect(details_, &QCheckBox::clicked, this, [this](bool on) { planner_.SetShowDetails(on); });
  connect(accounts_, &QCheckBox::clicked, this, [this](bool on) { planner_.SetShowAccounts(on); });
  connect(again, &QPushButton::clicked, this, [this] { planner_.Rerun(); });
  connect(save, &QPushButton::clicked, this, [this] { planner_.SaveResults(); });
  connect(print, &QPushButton::clicked, this, [this] { planner_.Execute(kPrintResultsCommand); });
  connect(randomAccounts, &QPushButton::clicked, this,
          [this] { planner_.RunWithRandomRates(engine::RandomRateSource::Accounts); });
  connect(randomGroups, &QPushButton::clicked, this,
          [this] { planner_.RunWithRandomRates(engine::RandomRateSource::Groups); });
  connect(initial, &QPushButton::clicked, this, [this] { planner_.EditInitialValuesAndRun(); });
  connect(help, &QPushButton::clicked, this, [this] { planner_.ShowHelp(kResultsHelpTopic); });
  return box;
}

void ResultsFolder::Refresh() {
  delegate_->SetBanding(planner_.preferences().colorBanding != 0);
  model_->Reload();
  details_->setChecked(planner_.lastRun().options.showDetails);
  accounts_->setChecked(planner_.lastRun().options.showAccounts);
  const int line = planner_.scrollLine();
  if (line >= 0) {
    const QModelIndex index = model_->index(line);
    list_->setCurrentIndex(index);
    list_->scrollTo(index, QAbstractItemView::PositionAtTop);
  }
}

}  // namespace kxui
