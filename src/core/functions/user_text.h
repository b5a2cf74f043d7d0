#pragma once

// Texts between the panel's code page (what records store) and UTF-8 (what people read and
// type), and the byte limits the dialogs' edit controls apply.

#include <cstddef>
#include <cstdint>
#include <string>

namespace core::usertext {

// `utf8` in the panel language's code page, cut after the last whole character that fits in
// `maxBytes`.
std::string FromUser(const std::string &utf8, std::uint16_t lang, std::size_t maxBytes);
std::string ToUser(const std::string &bytes, std::uint16_t lang);

} // namespace core::usertext
