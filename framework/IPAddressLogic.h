// Dotted IPv4 text and the 32-bit value the IP address control works with
// (first field in the highest byte). No Windows header.
#pragma once

#include <cstdint>
#include <string>

// Four decimal numbers from 0 to 255 joined by dots, nothing else; false for
// any other text.
bool ParseIPv4(const std::string& strText, std::uint32_t& nAddress);

std::string FormatIPv4(std::uint32_t nAddress);
