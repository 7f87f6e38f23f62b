#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks an English template the shell translates in the given context. It is the literal
// itself; lupdate reads it as QT_TRANSLATE_NOOP (-tr-function-alias), so the core needs no Qt.
#define QUILLET_TR(context, text) text

namespace quillet {

// A text for the user, kept as data until the shell shows it: an English template with
// %1..%9 and its arguments. An argument is a verbatim text (a path, a number, a heading the
// user typed), shown as it is, or a message of its own, translated in turn.
class Message {
  public:
    Message() = default;
    // A marked template (QUILLET_TR) with no arguments yet.
    Message(const char* english) : text_(english) {}  // NOLINT: a template reads as a message

    // A text shown as it is in every language.
    static Message verbatim(std::string text) {
        Message m;
        m.text_ = std::move(text);
        m.verbatim_ = true;
        return m;
    }

    Message& arg(std::string text) & {
        args_.push_back(verbatim(std::move(text)));
        return *this;
    }
    Message& arg(Message nested) & {
        args_.push_back(std::move(nested));
        return *this;
    }
    // On a temporary, a value: nothing can be left referring to the temporary.
    Message arg(std::string text) && { return std::move(arg(std::move(text))); }
    Message arg(Message nested) && { return std::move(arg(std::move(nested))); }

    // The English template, or the verbatim text.
    const std::string& text() const { return text_; }
    bool isVerbatim() const { return verbatim_; }
    const std::vector<Message>& args() const { return args_; }
    bool empty() const { return text_.empty(); }

    // The text as it reads in English: each %N replaced by its argument in one pass, so an
    // argument holding "%2" stays as it is.
    std::string english() const;

  private:
    std::string text_;
    std::vector<Message> args_;
    bool verbatim_ = false;
};

// Compares the English text: what the core's rules and its tests look at.
inline bool operator==(const Message& message, std::string_view english) {
    return message.english() == english;
}

// %1..%9 in text replaced by the texts in args, in one pass.
std::string substituteArgs(const std::string& text, const std::vector<std::string>& args);

// An error whose what() is its message in English and that keeps the message itself, so the
// shell can show it in the user's language without reading the English back.
class MessageError : public std::runtime_error {
  public:
    explicit MessageError(Message message)
        : std::runtime_error(message.english()), message_(std::move(message)) {}
    const Message& message() const { return message_; }

  private:
    Message message_;
};

// What a caught exception tells the user: its message, or what() as it is.
inline Message messageOf(const std::exception& e) {
    if (const auto* error = dynamic_cast<const MessageError*>(&e)) return error->message();
    return Message::verbatim(e.what());
}

}  // namespace quillet
