#pragma once

#include <exception>
#include <string>

// Root of every error the program raises on purpose. The message is an 8-bit text in the
// Windows ANSI code page, like every other text of the core; it becomes a QString only where
// it is shown.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Fills the printf-style format of a message text; formats come from the program's own texts.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text that an error box shows: the message with a "." added when its last character
// sorts above ".", so that sentences end with a full stop but "..." or "!" stay as they are.
std::string ErrorBoxText(const std::string& message);
