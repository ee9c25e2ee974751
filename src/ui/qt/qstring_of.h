// Texts between the toolkit interface (UTF-16) and Qt.
#pragma once

#include <QString>
#include <string_view>

namespace kalvenor::ui::qt {

inline QString QStringOf(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// Object names: ASCII.
inline QString QStringOf(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace kalvenor::ui::qt
