#pragma once
// A small streaming JSON writer for the batch commands' --json output.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quarrix {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view key);
  JsonWriter& String(std::string_view value);
  JsonWriter& Int(long long value);
  // Non-finite numbers are written as null.
  JsonWriter& Double(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();

 private:
  void BeforeValue();

  std::ostream& out_;
  std::vector<bool> first_in_scope_;
  bool after_key_ = false;
};

std::string JsonEscape(std::string_view text);

}  // namespace quarrix
