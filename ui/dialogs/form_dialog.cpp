#include "ui/dialogs/form_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QHeaderView>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kxui {

namespace {

using planner::forms::Field;
using planner::forms::FieldKind;
using planner::forms::Outcome;

constexpr int kRowsPerColumn = 16;
constexpr int kMinEditChars = 10;
constexpr int kMaxEditChars = 40;
constexpr size_t kShortEditChars = 13;
constexpr int kListViewRows = 10;
constexpr int kMaxTableWidth = 1180;

QString Latin1(const std::string& text) { return QString::fromLatin1(text.c_str()); }

bool SpansRow(const Field& field) {
  return field.kind == FieldKind::Check || field.kind == FieldKind::Radio ||
         !field.columns.empty() || field.heading;
}

QStringList Cells(const std::string& row) {
  return Latin1(row).split(QLatin1Char('\t'));
}

// A table's rows under its column titles; amounts and ages read right-aligned.
QTreeWidget* MakeTable(const Field& field, QWidget* parent) {
  auto* table = new QTreeWidget(parent);
  table->setRootIsDecorated(false);
  table->setUniformRowHeights(true);
  table->setAlternatingRowColors(true);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  QStringList titles;
  for (const std::string& title : field.columns) titles << Latin1(title);
  table->setHeaderLabels(titles);
  table->header()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  table->setMinimumHeight(table->fontMetrics().height() * (kListViewRows + 6));
  return table;
}

void FillTable(QTreeWidget& table, const Field& field) {
  table.clear();
  for (const std::string& row : field.entries) {
    auto* item = new QTreeWidgetItem(&table, Cells(row));
    for (int c = 0; c < item->columnCount(); ++c) {
      item->setText(c, item->text(c).trimmed());
      item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  int width = 0;
  for (int c = 0; c < table.columnCount(); ++c) {
    table.resizeColumnToContents(c);
    table.setColumnWidth(c, table.columnWidth(c) + 12);
    width += table.columnWidth(c);
  }
  // As wide as its columns, up to what a screen holds; wider tables scroll.
  table.setMinimumWidth(std::min(width + 24, kMaxTableWidth));
}

}  // namespace

FormDialog::FormDialog(planner::forms::Form& root, planner::forms::Form& shown, QWidget* parent)
    : QDialog(parent), root_(root), shown_(shown) {
  setObjectName(Latin1(shown_.name()));
  setWindowTitle(Latin1(shown_.title()));
  Build();
  Refresh();
}

QWidget* FormDialog::MakeWidget(const Field& field) {
  const std::string name = field.name;
  switch (field.kind) {
    case FieldKind::Edit: {
      auto* edit = new QLineEdit(this);
      if (field.maxLength > 0) edit->setMaxLength(static_cast<int>(field.maxLength));
      const int chars = std::clamp(static_cast<int>(field.maxLength), kMinEditChars, kMaxEditChars);
      const int width = edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2);
      edit->setMinimumWidth(width);
      // Ages, rates and amounts keep their own width; texts take the column's.
      if (field.maxLength > 0 && field.maxLength <= kShortEditChars) edit->setMaximumWidth(width);
      connect(edit, &QLineEdit::textEdited, this,
              [this, name](const QString& text) { Edited(name, text.toLatin1().toStdString()); });
      return edit;
    }
    case FieldKind::Label: {
      auto* label = new QLabel(this);
      label->setTextInteractionFlags(Qt::TextSelectableByMouse);
      // A sentence of results wraps instead of widening the dialog past the screen.
      label->setWordWrap(true);
      label->setMaximumWidth(label->fontMetrics().averageCharWidth() * 60);
      return label;
    }
    case FieldKind::Check: {
      auto* box = new QCheckBox(Latin1(field.shownLabel()), this);
      connect(box, &QCheckBox::clicked, this,
              [this, name](bool on) { Edited(name, on ? "on" : "off"); });
      return box;
    }
    case FieldKind::Radio: {
      auto* button = new QRadioButton(Latin1(field.shownLabel()), this);
      button->setAutoExclusive(false);  // the form decides which button of a group is on
      connect(button, &QRadioButton::clicked, this, [this, name] { Edited(name, "on"); });
      return button;
    }
    case FieldKind::List: {
      if (!field.columns.empty()) return MakeTable(field, this);
      if (field.listView) {
        auto* rows = new QListWidget(this);
        rows->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        rows->setMinimumWidth(rows->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 64);
        rows->setMinimumHeight(rows->fontMetrics().height() * kListViewRows);
        connect(rows, &QListWidget::itemClicked, this, [this, name](QListWidgetItem* item) {
          Edited(name, item->text().toLatin1().toStdString());
        });
        if (!field.doubleClick.empty()) {
          const std::string button = field.doubleClick;
          connect(rows, &QListWidget::itemDoubleClicked, this,
                  [this, name, button](QListWidgetItem* item) {
                    Edited(name, item->text().toLatin1().toStdString());
                    Pressed(button);
                  });
        }
        return rows;
      }
      auto* list = new QComboBox(this);
      for (const std::string& entry : field.entries) list->addItem(Latin1(entry));
      connect(list, &QComboBox::activated, this, [this, name, list](int index) {
        Edited(name, list->itemText(index).toLatin1().toStdString());
      });
      return list;
    }
  }
  return nullptr;
}

// The column and row of every field: at the form's column breaks, or in even columns of at
// most kRowsPerColumn rows when the form sets none.
std::vector<std::pair<int, int>> FormDialog::Places() const {
  const auto& fields = shown_.fields();
  const int count = static_cast<int>(fields.size());
  const bool breaks = std::any_of(fields.begin(), fields.end(),
                                  [](const Field& f) { return f.startsColumn; });
  const int columns = (count + kRowsPerColumn - 1) / kRowsPerColumn;
  const int rows = columns > 0 ? (count + columns - 1) / columns : 1;
  std::vector<std::pair<int, int>> places;
  int column = 0, row = 0;
  for (int i = 0; i < count; ++i) {
    const bool next = breaks ? fields[static_cast<size_t>(i)].startsColumn && i > 0
                             : i > 0 && i % rows == 0;
    if (next) {
      ++column;
      row = 0;
    }
    places.emplace_back(column, row++);
  }
  return places;
}

void FormDialog::Build() {
  // Each column is a grid of its own, so that a tall field does not stretch the other columns.
  auto* columns = new QHBoxLayout;
  columns->setSpacing(16);
  std::vector<QGridLayout*> grids;
  const auto places = Places();
  for (size_t i = 0; i < places.size(); ++i) {
    const Field& field = shown_.fields()[i];
    const int column = places[i].first;
    const int row = places[i].second;
    while (static_cast<int>(grids.size()) <= column) {
      grids.push_back(new QGridLayout);
      grids.back()->setHorizontalSpacing(8);
      grids.back()->setVerticalSpacing(6);
      grids.back()->setColumnStretch(1, 1);  // extra width goes to the fields, not the labels
      columns->addLayout(grids.back());
    }
    QGridLayout* grid = grids[static_cast<size_t>(column)];
    QWidget* widget = MakeWidget(field);
    widgets_[field.name] = widget;
    if (SpansRow(field)) {
      grid->addWidget(widget, row, 0, 1, 2);
    } else {
      auto* label = new QLabel(Latin1(field.shownLabel()), this);
      label->setBuddy(widget);
      labels_[field.name] = label;
      grid->addWidget(label, row, 0, field.listView ? Qt::AlignTop : Qt::Alignment());
      const bool shortEdit = field.kind == FieldKind::Edit && field.maxLength > 0 &&
                             field.maxLength <= kShortEditChars;
      grid->addWidget(widget, row, 1, shortEdit ? Qt::AlignLeft : Qt::Alignment());
    }
  }
  for (QGridLayout* grid : grids) grid->setRowStretch(grid->rowCount(), 1);
  // A form of buttons only (a palette) shows them in a column.
  QBoxLayout* buttons = shown_.fields().empty() ? static_cast<QBoxLayout*>(new QVBoxLayout)
                                                : new QHBoxLayout;
  buttons->addStretch(1);
  for (const std::string& text : shown_.buttons()) {
    auto* button = new QPushButton(Latin1(text), this);
    button->setAutoDefault(false);
    if (text == "OK") button->setDefault(true);
    connect(button, &QPushButton::clicked, this, [this, text] { Pressed(text); });
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FormDialog::Refresh() {
  for (const Field& field : shown_.fields()) {
    QWidget* widget = widgets_[field.name];
    if (widget == nullptr) continue;
    const QSignalBlocker blocker(widget);
    widget->setEnabled(field.enabled);
    if (auto found = labels_.find(field.name); found != labels_.end()) {
      auto* label = static_cast<QLabel*>(found->second);
      label->setEnabled(field.enabled);
      label->setText(Latin1(field.shownLabel()));
    }
    switch (field.kind) {
      case FieldKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        if (edit->text() != Latin1(field.text)) edit->setText(Latin1(field.text));
        break;
      }
      case FieldKind::Label: static_cast<QLabel*>(widget)->setText(Latin1(field.text)); break;
      case FieldKind::Check:
      case FieldKind::Radio: {
        auto* button = static_cast<QAbstractButton*>(widget);
        button->setText(Latin1(field.shownLabel()));
        button->setChecked(field.on);
        break;
      }
      case FieldKind::List: {
        if (!field.columns.empty()) {
          // Rows are only replaced when the form's rows changed.
          QStringList rows;
          for (const std::string& row : field.entries) rows << Latin1(row);
          auto* table = static_cast<QTreeWidget*>(widget);
          if (table->property("rows").toStringList() != rows) {
            FillTable(*table, field);
            table->setProperty("rows", rows);
          }
          break;
        }
        if (field.listView) {
          auto* rows = static_cast<QListWidget*>(widget);
          bool same = rows->count() == static_cast<int>(field.entries.size());
          for (int i = 0; same && i < rows->count(); ++i) {
            same = rows->item(i)->text() == Latin1(field.entries[static_cast<size_t>(i)]);
          }
          if (!same) {  // rows are only replaced when the form's rows changed
            rows->clear();
            for (const std::string& entry : field.entries) rows->addItem(Latin1(entry));
          }
          rows->setCurrentRow(field.choice);
          break;
        }
        auto* list = static_cast<QComboBox*>(widget);
        if (list->count() != static_cast<int>(field.entries.size())) {
          list->clear();
          for (const std::string& entry : field.entries) list->addItem(Latin1(entry));
        }
        list->setCurrentIndex(field.choice);
        break;
      }
    }
  }
}

void FormDialog::Edited(const std::string& field, const std::string& text) {
  root_.Set(field, text);
  Refresh();
}

void FormDialog::Pressed(const std::string& button) {
  const Outcome outcome = root_.Press(button);
  if (outcome == Outcome::Opened) {
    FormDialog second(root_, root_.Active(), this);
    second.exec();
    if (&root_ == &shown_ && root_.closed()) {
      done(Accepted);  // the second dialog's work closed this one too
      return;
    }
  }
  if (&root_.Active() != &shown_ && &root_ != &shown_) {
    accept();  // this second dialog closed in the form
    return;
  }
  if (&root_ == &shown_ && planner::forms::Closes(outcome)) {
    done(outcome == Outcome::Stored ? Accepted : Rejected);
    return;
  }
  Refresh();
}

void FormDialog::reject() {
  // Closing the window is Cancel, with whatever Cancel of this form checks first.
  const auto& buttons = shown_.buttons();
  if (std::find(buttons.begin(), buttons.end(), "Cancel") != buttons.end()) {
    Pressed("Cancel");
    return;
  }
  QDialog::reject();
}

}  // namespace kxui
