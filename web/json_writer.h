// A JSON text written front to back: objects, arrays, strings, numbers and
// null, with commas and escapes taken care of.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvenor::web {

class JsonWriter {
 public:
  // Inside an object, each value follows Key(); in an array none does.
  JsonWriter& Key(std::string_view key);
  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  JsonWriter& String(std::string_view text);
  JsonWriter& Number(std::int64_t number);
  JsonWriter& Null();

  // Key(key).String(text), and the same for a number.
  JsonWriter& Field(std::string_view key, std::string_view text) { return Key(key).String(text); }
  JsonWriter& Field(std::string_view key, std::int64_t number) { return Key(key).Number(number); }

  const std::string& Text() const { return out_; }

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  // The comma before a value that is not the first of its container.
  void BeforeValue();
  void Quote(std::string_view text);

  std::string out_;
  std::vector<bool> empty_;  // per open container: nothing written in it yet
  bool afterKey_ = false;
};

}  // namespace kalvenor::web
