#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace quindle::testing {

// Just enough JSON to read the tool's output back: objects, arrays, strings
// with simple escapes, numbers, true, false and null.
struct JsonValue {
  using Object = std::map<std::string, JsonValue>;
  using Array = std::vector<JsonValue>;
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

  const JsonValue& operator[](const std::string& key) const {
    return std::get<Object>(value).at(key);
  }
  const JsonValue& operator[](std::size_t index) const { return std::get<Array>(value).at(index); }
  std::size_t Size() const { return std::get<Array>(value).size(); }
  double Number() const { return std::get<double>(value); }
  const std::string& String() const { return std::get<std::string>(value); }
  bool Bool() const { return std::get<bool>(value); }
  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
  bool Has(const std::string& key) const { return std::get<Object>(value).count(key) > 0; }
};

class JsonParser {
 public:
  static JsonValue Parse(const std::string& text) {
    JsonParser parser(text);
    JsonValue value = parser.Value();
    parser.SkipSpace();
    if (parser.at_ != text.size()) throw std::runtime_error("trailing characters in JSON");
    return value;
  }

 private:
  explicit JsonParser(const std::string& text) : text_(text) {}

  void SkipSpace() {
    while (at_ < text_.size() && std::string(" \t\r\n").find(text_[at_]) != std::string::npos) ++at_;
  }
  char Peek() {
    SkipSpace();
    if (at_ >= text_.size()) throw std::runtime_error("unexpected end of JSON");
    return text_[at_];
  }
  void Expect(char c) {
    if (Peek() != c) throw std::runtime_error(std::string("expected ") + c + " in JSON");
    ++at_;
  }
  bool Literal(const std::string& word) {
    if (text_.compare(at_, word.size(), word) != 0) return false;
    at_ += word.size();
    return true;
  }
  std::string StringValue() {
    Expect('"');
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\') {
        const char e = text_.at(at_++);
        if (e == 'u') {
          out += static_cast<char>(std::stoi(text_.substr(at_, 4), nullptr, 16));
          at_ += 4;
          continue;
        }
        c = e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
      out += c;
    }
    Expect('"');
    return out;
  }
  JsonValue Value() {
    const char c = Peek();
    if (c == '{') {
      ++at_;
      JsonValue::Object object;
      if (Peek() != '}') {
        do {
          std::string key = StringValue();
          Expect(':');
          object[key] = Value();
        } while (Peek() == ',' && ++at_);
      }
      Expect('}');
      return {object};
    }
    if (c == '[') {
      ++at_;
      JsonValue::Array array;
      if (Peek() != ']') {
        do {
          array.push_back(Value());
        } while (Peek() == ',' && ++at_);
      }
      Expect(']');
      return {array};
    }
    if (c == '"') return {StringValue()};
    if (Literal("true")) return {true};
    if (Literal("false")) return {false};
    if (Literal("null")) return {nullptr};
    std::size_t used = 0;
    const double number = std::stod(text_.substr(at_), &used);
    at_ += used;
    return {number};
  }

  const std::string& text_;
  std::size_t at_ = 0;
};

}  // namespace quindle::testing
