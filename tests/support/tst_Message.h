#pragma once
// The message of the exception of a given kind that an action raises.
#include <string>

// The message of the exception that `action` raises, or "" when it raises none.
template <class Exception, class Action>
std::string tst_MessageOf(Action&& action) {
    try {
        action();
    } catch (Exception const& e) {
        return e.what();
    }
    return "";
}
