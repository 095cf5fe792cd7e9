#pragma once

#include <stdexcept>
#include <string>

// A failure a command reports to the user. The message is 8-bit windows-1251 text, because it often
// quotes a cell cut from a page.
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string &message) : std::runtime_error(message) {}
};

// A cell or an edit whose text is not the number it should be.
class ConvertError : public AppError {
public:
    using AppError::AppError;
};

// An export file that could not be opened or written; the message is the system's.
class InputOutputError : public AppError {
public:
    using AppError::AppError;
};
