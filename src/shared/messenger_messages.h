#pragma once
#include <cstdint>

// The user32 numbers the program speaks to other programs' windows with: the messages and the
// key that type into the messenger's input box, and the steps that walk the top-level windows
// to find its IM window.
namespace win {
inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::intptr_t kVkReturn = 13;
inline constexpr std::uint32_t kGwHwndNext = 2;
inline constexpr std::uint32_t kGwChild = 5;
} // namespace win
