#pragma once

#include <cstdint>

// The fixed-size integer names the model and the file format are written in.
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using BOOL = int;
using INT_PTR = std::intptr_t;
using LPCTSTR = const char*;
using LPTSTR = char*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
