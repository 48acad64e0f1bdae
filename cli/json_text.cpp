#include "cli/json_text.h"

#include <algorithm>

namespace cli {

namespace {

constexpr int kIndent = 2;
constexpr size_t kValuesPerLine = 10;

bool IsScalarList(const Json& json) {
  return json.is_array() && std::none_of(json.begin(), json.end(), [](const Json& element) {
           return element.is_structured();
         });
}

void Write(const Json& json, int depth, std::string& text);

void NewLine(int depth, std::string& text) {
  text += '\n';
  text.append(static_cast<size_t>(depth * kIndent), ' ');
}

void WriteScalarList(const Json& list, int depth, std::string& text) {
  text += '[';
  for (size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ',';
    if (list.size() > kValuesPerLine && i % kValuesPerLine == 0) {
      NewLine(depth + 1, text);
    } else if (i > 0) {
      text += ' ';
    }
    text += list[i].dump();
  }
  if (list.size() > kValuesPerLine) NewLine(depth, text);
  text += ']';
}

void WriteObject(const Json& object, int depth, std::string& text) {
  if (object.empty()) {
    text += "{}";
    return;
  }
  text += '{';
  bool first = true;
  for (const auto& [key, value] : object.items()) {
    if (!first) text += ',';
    first = false;
    NewLine(depth + 1, text);
    text += Json(key).dump();
    text += ": ";
    Write(value, depth + 1, text);
  }
  NewLine(depth, text);
  text += '}';
}

void WriteList(const Json& list, int depth, std::string& text) {
  text += '[';
  for (size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ',';
    NewLine(depth + 1, text);
    Write(list[i], depth + 1, text);
  }
  NewLine(depth, text);
  text += ']';
}

void Write(const Json& json, int depth, std::string& text) {
  if (json.is_object()) {
    WriteObject(json, depth, text);
  } else if (IsScalarList(json)) {
    WriteScalarList(json, depth, text);
  } else if (json.is_array()) {
    WriteList(json, depth, text);
  } else {
    text += json.dump();
  }
}

}  // namespace

std::string JsonText(const Json& json) {
  std::string text;
  Write(json, 0, text);
  text += '\n';
  return text;
}

}  // namespace cli
