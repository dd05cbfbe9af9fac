#include "vqtool/option_checks.h"

#include <charconv>

#include "vqtool/command_line.h"

namespace vq::tool {

CLI::Validator OptionCheck(std::string name, std::string rule,
                           std::function<bool(std::string&)> accept) {
  return {[name = std::move(name), rule = std::move(rule),
           accept = std::move(accept)](std::string& value) -> std::string {
            if (!accept(value)) throw UsageMistake(name + " " + rule);
            return {};
          },
          ""};
}

CLI::Validator WholeNumber(std::string name, long min, long max, std::string rule) {
  return OptionCheck(std::move(name), std::move(rule), [min, max](std::string& value) {
    long number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, ec] = std::from_chars(value.data(), end, number);
    if (ec != std::errc() || stop != end || number < min || number > max) return false;
    value = std::to_string(number);
    return true;
  });
}

}  // namespace vq::tool
