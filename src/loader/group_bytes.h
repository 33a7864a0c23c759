#pragma once
// Plain values and arrays of them as bytes, for what the processes of one
// job hand to one another (all run the same program on machines of one kind,
// so values travel in the machine's own layout).
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace quarrix {

class GroupBytesWriter {
 public:
  template <typename T>
  void Put(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  }
  template <typename T>
  void PutVector(const std::vector<T>& values) {
    static_assert(std::is_trivially_copyable_v<T>);
    Put(static_cast<std::uint64_t>(values.size()));
    if (!values.empty())
      bytes_.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
  }
  void PutString(const std::string& text) {
    PutVector(std::vector<char>(text.begin(), text.end()));
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads what a GroupBytesWriter wrote; every Get is false once the bytes run out.
class GroupBytesReader {
 public:
  GroupBytesReader(const char* data, std::size_t bytes) : data_(data), left_(bytes) {}
  explicit GroupBytesReader(const std::string& bytes)
      : GroupBytesReader(bytes.data(), bytes.size()) {}

  template <typename T>
  bool Get(T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (left_ < sizeof value) return false;
    std::memcpy(&value, data_, sizeof value);
    Skip(sizeof value);
    return true;
  }
  template <typename T>
  bool GetVector(std::vector<T>& values) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::uint64_t count = 0;
    if (!Get(count) || count > left_ / sizeof(T)) return false;
    values.resize(static_cast<std::size_t>(count));
    if (count > 0) std::memcpy(values.data(), data_, values.size() * sizeof(T));
    Skip(values.size() * sizeof(T));
    return true;
  }
  bool GetString(std::string& text) {
    std::vector<char> chars;
    if (!GetVector(chars)) return false;
    text.assign(chars.begin(), chars.end());
    return true;
  }
  bool AtEnd() const { return left_ == 0; }

 private:
  void Skip(std::size_t bytes) {
    data_ += bytes;
    left_ -= bytes;
  }
  const char* data_;
  std::size_t left_;
};

}  // namespace quarrix
