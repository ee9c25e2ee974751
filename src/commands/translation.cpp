#include "commands/translation.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace kalvenor::commands::translation {
namespace {

// A loaded .mo file: a header, then two tables of (length, offset) pairs,
// the originals sorted, their translations in the same order.
class Catalogue {
 public:
  // False, and nothing loaded, unless bytes form a catalogue whose every
  // string lies inside it.
  bool Take(std::string bytes);
  std::string_view Find(std::string_view msgid) const;

 private:
  std::uint32_t Word(std::size_t at) const;
  std::string_view String(std::uint32_t table, std::uint32_t index) const;

  std::string bytes_;
  bool swapped_ = false;
  std::uint32_t count_ = 0;
  std::uint32_t originals_ = 0;
  std::uint32_t translations_ = 0;
};

constexpr std::uint32_t kMagic = 0x950412de;

std::uint32_t Swap(std::uint32_t word) {
  return (word >> 24) | ((word >> 8) & 0xFF00) | ((word << 8) & 0xFF0000) | (word << 24);
}

std::uint32_t Catalogue::Word(std::size_t at) const {
  std::uint32_t word = 0;
  std::memcpy(&word, bytes_.data() + at, sizeof word);
  return swapped_ ? Swap(word) : word;
}

std::string_view Catalogue::String(std::uint32_t table, std::uint32_t index) const {
  const std::size_t pair = std::size_t{table} + std::size_t{index} * 8;  // length, offset
  return std::string_view(bytes_).substr(Word(pair + 4), Word(pair));
}

bool Catalogue::Take(std::string bytes) {
  bytes_ = std::move(bytes);
  if (bytes_.size() < 20) return false;
  const std::uint32_t magic = Word(0);
  swapped_ = magic == Swap(kMagic);
  if (magic != kMagic && !swapped_) return false;
  count_ = Word(8);
  originals_ = Word(12);
  translations_ = Word(16);
  const auto fits = [this](std::uint64_t at, std::uint64_t size) {
    return at + size <= bytes_.size();
  };
  for (const std::uint32_t table : {originals_, translations_}) {
    if (!fits(table, std::uint64_t{count_} * 8)) return false;
    for (std::uint32_t i = 0; i < count_; ++i) {
      const std::size_t entry = table + std::size_t{i} * 8;
      if (!fits(Word(entry + 4), Word(entry))) return false;
    }
  }
  return true;
}

std::string_view Catalogue::Find(std::string_view msgid) const {
  std::uint32_t low = 0;
  std::uint32_t high = count_;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const int order = String(originals_, middle).compare(msgid);
    if (order == 0) return String(translations_, middle);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return msgid;
}

Catalogue& Chosen() {
  static Catalogue catalogue;
  return catalogue;
}

}  // namespace

bool LoadCatalogue(std::string bytes) {
  Catalogue catalogue;
  if (!catalogue.Take(std::move(bytes))) return false;
  Chosen() = std::move(catalogue);
  return true;
}

std::string_view Translate(std::string_view msgid) { return Chosen().Find(msgid); }

}  // namespace kalvenor::commands::translation
