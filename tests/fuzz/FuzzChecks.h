#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Properties checked on arbitrary input, shared by the libFuzzer targets and
// the fixed-seed random-input test. Each returns an empty string when the
// property holds and a description of the violation otherwise.
namespace fuzzchecks {

// What CheckLookup saw, for callers that want to know the inputs reached
// both outcomes.
enum class LookupOutcome { Match, NoMatch };

// Input: a mode byte, then the year, month and day texts separated by line
// feeds, as UTF-8 (even mode byte) or as UTF-16 code units (odd), so that any
// QChar sequence, lone surrogates included, can reach the lookup.
// A match must come only from a plain decimal year 1940..1990, an exact
// month name and a plain decimal day 1..31, and must equal the lookup by
// numbers; each such date written without leading zeros must match.
std::string CheckLookup(const std::uint8_t *data, std::size_t size, LookupOutcome *outcome = nullptr);

// Input: the five referral fields as UTF-8, separated by NUL bytes.
// The address must be printable ASCII, parse strictly, and give back each
// field exactly (and the product page as taf6) through QUrlQuery: as UTF-8
// bytes always (also when "+" is read as a space, as form decoders do), and
// as text wherever Qt decodes it (not noncharacters).
std::string CheckReferral(const std::uint8_t *data, std::size_t size);

} // namespace fuzzchecks
