#pragma once
// A fixed, static text: what the name functions of the model classes return
// (constructor names, attribute and method names, display constants).
#include <ostream>
#include <string>
#include <string_view>

class omn_FixedString {
public:
    constexpr omn_FixedString(char const* text) : text_(text) {}

    constexpr char const* c_str() const { return text_; }
    constexpr std::string_view View() const { return text_; }
    constexpr operator std::string_view() const { return text_; }
    std::string String() const { return text_; }

    friend constexpr bool operator==(omn_FixedString a, std::string_view b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, omn_FixedString s) { return out << s.text_; }

private:
    char const* text_;
};
