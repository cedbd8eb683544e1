#include "options/ConfigFile.h"

#include <cstdio>
#include <ostream>

#include "options/ArgsSource.h"
#include "options/ProductTable.h"
#include "options/TextTranslation.h"
#include "options/VariableSubstitution.h"
#include "util/Path.h"

namespace {

using Kind = C_ConfigFieldKind;

constexpr C_ConfigSectionLayout kZekppSections[] = {
    {"help", Kind::String, 1024},      {"characters", Kind::String, 1}, {"internal", Kind::Integer, 1},
    {"messages", Kind::String, 3},     {"levels", Kind::String, 500},   {"development", Kind::Integer, 4},
    {"cyclomatic", Kind::Integer, 5},  {"paths", Kind::Integer, 3},     {"debugging", Kind::String, 1},
    {"general", Kind::Integer, 5},     {"comments", Kind::Integer, 2},  {"bathtub", Kind::Integer, 2},
    {"options", Kind::Options, 0},
};

constexpr C_ConfigSectionLayout kZekSections[] = {
    {"help", Kind::String, 1024},     {"messages", Kind::String, 3},    {"levels", Kind::String, 500},
    {"development", Kind::Integer, 4}, {"cyclomatic", Kind::Integer, 5}, {"paths", Kind::Integer, 3},
    {"general", Kind::Integer, 8},    {"comments", Kind::Integer, 2},   {"format", Kind::String, 2},
    {"options", Kind::Options, 0},
};

constexpr C_ConfigSectionLayout kKodSections[] = {
    {"help", Kind::String, 1024},
    {"options", Kind::Options, 0},
};

bool isAlnum(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

// "\n", "\t", and a backslash before any other character gives that character.
U_String unescaped(std::string_view text) {
  U_String out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

int integerOf(const U_String& text) {
  int value = 0;
  return std::sscanf(text.c_str(), "%d", &value) == 1 ? value : 0;
}

}  // namespace

std::span<const C_ConfigSectionLayout> C_configSections(int productIndex) {
  if (productIndex < 0 || productIndex >= zum::kProductCount) return {};
  switch (zum::ProductTable[productIndex].bit) {
    case zum::kProductZek:
      return kZekSections;
    case zum::kProductKod:
      return kKodSections;
    default:  // ZEKPP and KOJ
      return kZekppSections;
  }
}

C_ConfigFile C_readConfigFile(const U_String& compilerDirectory, int productIndex, const U_String& temporaryDirectory,
                              std::ostream& messages, std::ostream& errors) {
  C_ConfigFile config;
  const U_String path =
      U_Path::join(compilerDirectory, U_Path::addExtension(zum::ProductTable[productIndex].tag, "cfg"));
  // Only a regular file counts: a directory of that name cannot be read as
  // one, and opening a pipe would wait for a writer.
  zum::File file = C_isReadableFile(path) ? XF_openInputFile(path, temporaryDirectory) : nullptr;
  if (!file) {
    errors << "\nERROR: Unable to open configuration file " << path << "\n\n";
    return config;
  }
  const std::span<const C_ConfigSectionLayout> sections = C_configSections(productIndex);
  const C_ConfigSectionLayout* section = nullptr;
  int filled = 0;
  config.path = path;
  zum::TextLineReader lines(file.get(), path);
  U_String raw;
  for (int lineNumber = lines.lineNumber(); lines.read(raw); lineNumber = lines.lineNumber()) {
    const U_String line = zum::withoutNewline(raw);
    const U_String place = "  " + lines.place(lineNumber) + "\n";
    if (!line.empty() && line.front() == '*') continue;
    if (!line.empty() && line.front() == '#') {
      std::size_t end = 1;
      while (end < line.size() && isAlnum(line[end])) ++end;
      const std::string_view word = std::string_view(line).substr(1, end - 1);
      section = nullptr;
      filled = 0;
      for (const C_ConfigSectionLayout& candidate : sections) {
        if (U_Path::isPrefixIgnoreCase(candidate.name, word)) {
          section = &candidate;
          break;
        }
      }
      if (!section) {
        messages << "\nERROR: Unknown section " << std::string_view(line).substr(0, end) << "\n" << place;
      } else if (section->kind == Kind::Options) {
        config.options = std::move(file);
        config.optionsLine = lines.lineNumber();
        return config;
      }
      continue;
    }
    if (!section) continue;
    if (filled >= section->lines) {
      messages << "\nERROR: Unexpected configuration data: " << line << "\n" << place;
      continue;
    }
    ++filled;
    const U_String name(section->name);
    if (section->kind == Kind::String) {
      config.strings[name].push_back(unescaped(zum::substituteVariables(line, messages, lines.place(lineNumber))));
    } else {
      config.integers[name].push_back(integerOf(line));
    }
  }
  return config;
}
