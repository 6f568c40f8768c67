#pragma once

#include <stdexcept>
#include <string>

// The two ways a calculation or a file operation can end the program. The screens catch them
// at the boundary of every event, show the message and end the program.

// A condition the program tests for itself and refuses to go on with.
class ProgramStop : public std::runtime_error {
  public:
    explicit ProgramStop(const std::string& message) : std::runtime_error(message) {}
};

// Anything that was not foreseen: a file that cannot be opened or written, and the like.
// The text is the error's description.
class UnexpectedError : public std::runtime_error {
  public:
    explicit UnexpectedError(const std::string& description) : std::runtime_error(description) {}
};
