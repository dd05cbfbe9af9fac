#pragma once
// Reads the manual pages under packaging/man (VQ_MANUAL_DIR), so tests can
// hold them to the programs' own lists of commands and options.

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vq::test {

// The troff source of `name` with escaped hyphens ("\-") and font changes
// ("\fB") taken out, so the words read as a user types them.
inline std::string ReadManualPage(const std::string& name) {
  std::ifstream in(std::string(VQ_MANUAL_DIR) + "/" + name);
  const std::string source(std::istreambuf_iterator<char>(in), {});
  return std::regex_replace(std::regex_replace(source, std::regex(R"(\\-)"), "-"),
                            std::regex(R"(\\f[BIRP])"), "");
}

// The lines of section `title` (".SH title" up to the next ".SH").
inline std::vector<std::string> ManualSection(const std::string& page, const std::string& title) {
  std::istringstream lines(page);
  std::vector<std::string> section;
  bool inside = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(".SH", 0) == 0) {
      inside = line == ".SH " + title || line == ".SH \"" + title + "\"";
      continue;
    }
    if (inside) section.push_back(line);
  }
  return section;
}

// The first word of each item (the line after ".TP") of a section.
inline std::vector<std::string> ManualItems(const std::vector<std::string>& section) {
  std::vector<std::string> items;
  for (size_t i = 0; i + 1 < section.size(); ++i) {
    if (section[i] != ".TP") continue;
    std::istringstream words(section[i + 1]);
    std::string word;
    words >> word;
    if (!word.empty() && word.front() == '.') words >> word;  // a font macro such as .BI
    items.push_back(word);
  }
  return items;
}

// Every "--name" in `text`.
inline std::set<std::string> LongOptions(const std::string& text) {
  std::set<std::string> options;
  const std::regex option(R"(--[a-z][a-z-]*)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  return options;
}

inline std::set<std::string> LongOptions(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return LongOptions(text);
}

}  // namespace vq::test
