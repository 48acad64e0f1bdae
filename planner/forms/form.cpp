#include "planner/forms/form.h"

#include <algorithm>

#include "planner/planner.h"

namespace planner::forms {

namespace {

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

const std::string kEmpty;

}  // namespace

Form::Form(Planner& planner, std::string name, std::string title, int helpTopic)
    : planner_(planner), name_(std::move(name)), title_(std::move(title)), helpTopic_(helpTopic) {}

Form::~Form() = default;

const Field* Form::Find(const std::string& name) const {
  for (const Field& f : fields_) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

Field& Form::field(const std::string& name) {
  for (Field& f : fields_) {
    if (f.name == name) return f;
  }
  // Every form names only its own fields; a slip is a programming error, kept harmless.
  static Field missing;
  missing = Field{};
  return missing;
}

const std::string& Form::Text(const std::string& name) const {
  const Field* f = Find(name);
  return f != nullptr ? f->text : kEmpty;
}

bool Form::On(const std::string& name) const {
  const Field* f = Find(name);
  return f != nullptr && f->on;
}

int Form::Choice(const std::string& name) const {
  const Field* f = Find(name);
  return f != nullptr ? f->choice : -1;
}

void Form::SetChoice(const std::string& name, int choice) {
  Field& f = field(name);
  f.choice = choice >= 0 && choice < static_cast<int>(f.entries.size()) ? choice : -1;
  f.text = f.choice >= 0 ? f.entries[f.choice] : std::string();
}

Field& Form::AddEdit(const std::string& name, size_t maxLength, const std::string& text) {
  Field f;
  f.name = name;
  f.kind = FieldKind::Edit;
  f.maxLength = maxLength;
  f.text = text;
  fields_.push_back(f);
  return fields_.back();
}

Field& Form::AddLabel(const std::string& name, const std::string& text) {
  Field f;
  f.name = name;
  f.kind = FieldKind::Label;
  f.text = text;
  fields_.push_back(f);
  return fields_.back();
}

Field& Form::AddCheck(const std::string& name, bool on) {
  Field f;
  f.name = name;
  f.kind = FieldKind::Check;
  f.on = on;
  fields_.push_back(f);
  return fields_.back();
}

Field& Form::AddRadio(const std::string& name, const std::string& group, bool on) {
  Field f;
  f.name = name;
  f.kind = FieldKind::Radio;
  f.group = group;
  f.on = on;
  fields_.push_back(f);
  return fields_.back();
}

Field& Form::AddList(const std::string& name, std::vector<std::string> entries, int choice) {
  Field f;
  f.name = name;
  f.kind = FieldKind::List;
  f.entries = std::move(entries);
  fields_.push_back(f);
  SetChoice(name, choice);
  return fields_.back();
}

Field& Form::AddTable(const std::string& name, std::vector<std::string> columns,
                      std::vector<std::string> rows) {
  Field& table = AddList(name, std::move(rows), -1);
  table.listView = true;
  table.columns = std::move(columns);
  return table;
}

Form& Form::Active() { return child_ ? child_->Active() : *this; }

bool Form::Set(const std::string& name, const std::string& text) {
  if (child_) return child_->Set(name, text);
  auto it = std::find_if(fields_.begin(), fields_.end(),
                         [&](const Field& f) { return f.name == name; });
  // A calculator's field is also known by its control number alone ("104" for "104 Amount").
  const bool number = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
  if (it == fields_.end() && number) {
    it = std::find_if(fields_.begin(), fields_.end(),
                      [&](const Field& f) { return f.name.rfind(name + " ", 0) == 0; });
  }
  if (it == fields_.end() || !it->enabled) return false;
  Field& f = *it;
  switch (f.kind) {
    case FieldKind::Label: return false;
    case FieldKind::Edit:
      f.text = f.maxLength > 0 ? text.substr(0, f.maxLength) : text;
      break;
    case FieldKind::Check:
      if (text != "on" && text != "off") return false;
      f.on = text == "on";
      break;
    case FieldKind::Radio:
      if (text != "on") return false;
      for (Field& other : fields_) {
        if (other.kind == FieldKind::Radio && other.group == f.group) other.on = false;
      }
      f.on = true;
      break;
    case FieldKind::List: {
      const std::string wanted = WithoutTrailingBlanks(text);
      int found = -1;
      for (size_t i = 0; i < f.entries.size() && found < 0; ++i) {
        if (WithoutTrailingBlanks(f.entries[i]) == wanted) found = static_cast<int>(i);
      }
      // A row of several columns is also chosen by its first column (the columns are set
      // apart by at least two blanks).
      for (size_t i = 0; i < f.entries.size() && found < 0 && !wanted.empty(); ++i) {
        if (f.entries[i].rfind(wanted + "  ", 0) == 0) found = static_cast<int>(i);
      }
      if (found < 0) return false;
      SetChoice(f.name, found);
      break;
    }
  }
  OnChanged(f.name);
  return true;
}

Outcome Form::Press(const std::string& button) {
  if (child_) {
    const Outcome outcome = child_->Press(button);
    if (Closes(outcome) && child_->child_ == nullptr) {
      std::unique_ptr<Form> second = std::move(child_);
      const Outcome mine = OnChildClosed(*second, outcome);
      closed_ = Closes(mine);
      return mine;
    }
    return outcome;
  }
  if (std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) {
    return Outcome::Unknown;
  }
  if (button == "Help") {
    planner_.ShowHelp(helpTopic_);
    return Outcome::Done;
  }
  const Outcome outcome = OnPress(button);
  closed_ = Closes(outcome);
  return outcome;
}

Outcome Form::OpenChild(std::unique_ptr<Form> child) {
  child_ = std::move(child);
  return Outcome::Opened;
}

std::optional<float> Form::RunCheck(const Check& check) {
  const Field* f = Find(check.field);
  const std::string& text = f != nullptr ? f->text : kEmpty;
  if (check.message == kAmountBounds || check.message == kRateBounds) {
    return ValidateText(text, check.message == kAmountBounds ? BoundsText::Amount : BoundsText::Rate,
                        check.minimum, check.maximum, check.caption, planner_.services().prompter);
  }
  return ValidateField(text, check.kind, f != nullptr && f->maxLength > 0 ? f->maxLength : 64,
                       check.minimum, check.maximum, check.message, check.caption,
                       planner_.services().prompter);
}

std::optional<std::map<std::string, float>> Form::RunChecks(
    const std::vector<Check>& checks, const std::vector<std::string>& skipped) {
  std::map<std::string, float> values;
  for (const Check& check : checks) {
    if (std::find(skipped.begin(), skipped.end(), check.field) != skipped.end()) continue;
    const std::optional<float> value = RunCheck(check);
    if (!value) return std::nullopt;
    values[check.field] = *value;
  }
  return values;
}

void Form::Show(const std::string& caption, const std::string& text) {
  planner_.services().prompter.ShowMessage(caption, text, platform::Icon::Error);
}

}  // namespace planner::forms
