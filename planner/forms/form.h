// An editing dialog without its window: the table of its fields with their texts and switches,
// its buttons, and what each press does. The Qt dialog is laid out from this table and
// forwards every edit and press; kxplan-cli dialog drives the same object from a script.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "planner/validation.h"

namespace planner {
class Planner;
}

namespace planner::forms {

enum class FieldKind {
  Edit,   // a text the user types
  Check,  // a check box
  Radio,  // one of the buttons of its group
  List,   // a list of entries, one chosen
  Label,  // a read-only value
};

struct Field {
  std::string name;   // the field's name for scripts; also its label unless `label` is set
  FieldKind kind = FieldKind::Edit;
  size_t maxLength = 0;  // characters an edit accepts; 0 no limit
  std::string group;     // radio buttons of one group exclude each other
  std::string label;     // the text shown beside the field, when it differs from the name
  std::string text;      // edit and label text; a list shows its chosen entry
  bool on = false;
  std::vector<std::string> entries;
  int choice = -1;  // the chosen list entry, -1 none
  bool enabled = true;
  bool startsColumn = false;  // the dialog shows this field at the top of a new column
  bool listView = false;      // a list shown open, row under row (rows of aligned columns)
  std::string doubleClick;    // an open list: the button a double click on a row presses
  bool heading = false;  // a label shown alone across its row, a title over what follows
  // A table: an open list whose rows are cells separated by tabs, under these column titles.
  std::vector<std::string> columns;

  const std::string& shownLabel() const { return label.empty() ? name : label; }
};

// The message numbers of checks whose message names their bounds (ValidateText).
inline constexpr int kAmountBounds = -1;  // "This amount must be greater than %s and less than %s."
inline constexpr int kRateBounds = -2;    // "This rate must be greater than %s and less than %s."

// One range check of the OK order: field, reading, bounds, message number and caption.
struct Check {
  const char* field;
  NumberKind kind;
  float minimum;
  float maximum;
  int message;
  const char* caption;
};

enum class Outcome {
  Stored,     // OK stored the values; the dialog closed
  Cancelled,  // the dialog closed without storing (or after restoring what it changed)
  Kept,       // a check refused a value; the dialog stays open with what was typed
  Done,       // the button did its work; the dialog stays open
  Opened,     // a second dialog opened; it takes the following presses until it closes
  Unknown,    // no such button
};

inline bool Closes(Outcome outcome) {
  return outcome == Outcome::Stored || outcome == Outcome::Cancelled;
}

class Form {
 public:
  Form(Planner& planner, std::string name, std::string title, int helpTopic);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const std::string& title() const { return title_; }
  int helpTopic() const { return helpTopic_; }
  const std::vector<Field>& fields() const { return fields_; }
  const std::vector<std::string>& buttons() const { return buttons_; }
  const Field* Find(const std::string& field) const;

  // The dialog that takes the user's edits and presses now: the second dialog while it is open.
  Form& Active();
  Form* child() { return child_.get(); }
  // True once a press closed this dialog.
  bool closed() const { return closed_; }

  // A user's edit of the active dialog: an edit's text (cut to its length), a check box
  // ("on"/"off"), a radio button ("on") or a list entry by its text. False when the field, the
  // entry or the word is unknown, or the field is disabled.
  bool Set(const std::string& field, const std::string& text);
  // A press of a button of the active dialog by its text.
  Outcome Press(const std::string& button);

 protected:
  Field& AddEdit(const std::string& name, size_t maxLength, const std::string& text = "");
  Field& AddLabel(const std::string& name, const std::string& text = "");
  Field& AddCheck(const std::string& name, bool on);
  Field& AddRadio(const std::string& name, const std::string& group, bool on);
  Field& AddList(const std::string& name, std::vector<std::string> entries, int choice);
  // A table of rows (cells separated by tabs) under `columns`, shown whole, none chosen.
  Field& AddTable(const std::string& name, std::vector<std::string> columns,
                  std::vector<std::string> rows);
  void AddButtons(std::vector<std::string> buttons) { buttons_ = std::move(buttons); }

  Field& field(const std::string& name);
  const std::string& Text(const std::string& name) const;
  bool On(const std::string& name) const;
  int Choice(const std::string& name) const;
  void SetText(const std::string& name, const std::string& text) { field(name).text = text; }
  void SetOn(const std::string& name, bool on) { field(name).on = on; }
  void SetChoice(const std::string& name, int choice);
  void Enable(const std::string& name, bool enabled) { field(name).enabled = enabled; }

  // The checks in order, stopping at the first refusal (shown); the values by field name.
  // Checks of the fields in `skipped` are left out.
  std::optional<std::map<std::string, float>> RunChecks(
      const std::vector<Check>& checks, const std::vector<std::string>& skipped = {});
  std::optional<float> RunCheck(const Check& check);
  void Show(const std::string& caption, const std::string& text);

  // A second dialog opens over this one.
  Outcome OpenChild(std::unique_ptr<Form> child);

  // What a press of one of this dialog's buttons does ("Help" is answered here).
  virtual Outcome OnPress(const std::string& button) = 0;
  // A field changed by the user.
  virtual void OnChanged(const std::string& /*field*/) {}
  // The second dialog closed with `outcome`; what this dialog does then (Done: it stays open).
  virtual Outcome OnChildClosed(Form& /*child*/, Outcome /*outcome*/) { return Outcome::Done; }

  Planner& planner_;

 private:
  std::string name_;
  std::string title_;
  int helpTopic_;
  std::vector<Field> fields_;
  std::vector<std::string> buttons_;
  std::unique_ptr<Form> child_;
  bool closed_ = false;
};

}  // namespace planner::forms
