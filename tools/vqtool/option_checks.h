#pragma once
// Checks of option values in the tool's own words, for values the parser's
// stock validators do not know.

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

namespace vq::tool {

// A check that refuses a value with "NAME RULE" ("--satellite takes a
// satellite number 1..64"). `accept` may rewrite the value into the form
// the option's type reads. The refusal is thrown as a UsageMistake, as a
// returned message would get the option's name and a colon put in front.
CLI::Validator OptionCheck(std::string name, std::string rule,
                           std::function<bool(std::string&)> accept);

// Whole decimal numbers from `min` to `max`. The value is rewritten without
// leading zeros, so the parser does not read "010" as octal.
CLI::Validator WholeNumber(std::string name, long min, long max, std::string rule);

}  // namespace vq::tool
