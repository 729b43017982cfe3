#pragma once
// The bytes of a file, for the tests that check a file is left exactly as it was.
#include <fstream>
#include <iterator>
#include <string>

inline std::string tst_ReadFile(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
