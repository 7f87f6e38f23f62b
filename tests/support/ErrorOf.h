#pragma once

#include <exception>
#include <functional>
#include <string>

namespace quillet::test {

// The message of the Error that `f` throws, or "(no error)". Any other exception escapes
// and fails the test.
template <typename Error = std::exception>
std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace quillet::test
