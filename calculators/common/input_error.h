// A refused input: what the message box says and which box gets the focus.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace taketa {

struct InputError {
  std::string message;  // the message box's text, UTF-8
  int box = 0;          // the input box to focus, in the window's input order (0: first)
  // Set when the refusal also rewrites the window's length counter.
  std::optional<std::size_t> counterLength;

  friend bool operator==(const InputError&, const InputError&) = default;
};

using InputCheck = std::optional<InputError>;  // nullopt: the input passes

}  // namespace taketa
