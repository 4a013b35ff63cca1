#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Files compiled into the program by cmake/Embed.cmake: read-only data that
// costs no memory until it is read.
namespace embed {

struct File {
    std::string_view name; // the file's name, without its folder
    const unsigned char *begin;
    const unsigned char *end;

    std::size_t size() const { return static_cast<std::size_t>(end - begin); }
};

} // namespace embed
