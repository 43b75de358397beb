#pragma once

#include <cctype>
#include <string>

namespace drovane {

// A readable GoogleTest name from a case description: its letters and digits.
inline std::string testName(const std::string& description) {
    std::string name;
    bool upper = true;
    for (const char c : description) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

} // namespace drovane
