#pragma once
// Why a skin folder was refused, in words for the person who made it: what is wrong and where.
#include <string>
#include <utility>

namespace skin {

struct LoadError {
    std::wstring message;
};

[[noreturn]] inline void Refuse(std::wstring message)
{
    throw LoadError{std::move(message)};
}

}  // namespace skin
