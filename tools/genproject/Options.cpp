#include "Options.h"

#include <charconv>
#include <stdexcept>

namespace genproject {

namespace {

long long toInteger(const std::string& option, const std::string& text, long long low, long long high) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw std::invalid_argument(option + " wants a whole number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", not '" + text + "'");
  return value;
}

double toFraction(const std::string& option, const std::string& text) {
  size_t used = 0;
  double value = -1;
  try {
    value = std::stod(text, &used);
  } catch (const std::exception&) {
  }
  if (used != text.size() || !(value >= 0.0 && value <= 1.0))
    throw std::invalid_argument(option + " wants a fraction from 0 to 1, not '" + text + "'");
  return value;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::string value;
    bool hasValue = false;
    if (auto equals = name.find('='); name.starts_with("--") && equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
      hasValue = true;
    }
    auto takeValue = [&]() -> const std::string& {
      if (!hasValue) {
        if (i + 1 >= args.size()) throw std::invalid_argument(name + " needs a value");
        value = args[++i];
        hasValue = true;
      }
      return value;
    };
    constexpr long long kMany = 10'000'000;

    if (name == "-h" || name == "--help") {
      options.help = true;
    } else if (name == "-q" || name == "--quiet") {
      options.quiet = true;
    } else if (name == "-o" || name == "--out") {
      options.outputDir = takeValue();
    } else if (name == "--seed") {
      options.seed = uint64_t(toInteger(name, takeValue(), 0, INT64_MAX));
    } else if (name == "--sources") {
      options.sources = int(toInteger(name, takeValue(), 1, kMany));
    } else if (name == "--headers") {
      options.headers = int(toInteger(name, takeValue(), 0, 100'000));
    } else if (name == "--includes") {
      options.includes = int(toInteger(name, takeValue(), 0, 100'000));
    } else if (name == "--header-decls") {
      options.headerDecls = int(toInteger(name, takeValue(), 0, 100'000));
    } else if (name == "--functions") {
      options.functions = int(toInteger(name, takeValue(), 1, 100'000));
    } else if (name == "--objects") {
      options.objects = int(toInteger(name, takeValue(), 0, 100'000));
    } else if (name == "--calls") {
      options.calls = int(toInteger(name, takeValue(), 0, 10'000));
    } else if (name == "--refs") {
      options.refs = int(toInteger(name, takeValue(), 0, 10'000));
    } else if (name == "--lang") {
      const std::string& lang = takeValue();
      if (lang == "c" || lang == "C")
        options.flavour = Flavour::C;
      else if (lang == "c++" || lang == "C++" || lang == "cpp")
        options.flavour = Flavour::Cpp;
      else
        throw std::invalid_argument("--lang wants c or c++, not '" + lang + "'");
    } else if (name == "--error-fraction") {
      options.errorFraction = toFraction(name, takeValue());
    } else if (name == "--list") {
      options.listName = takeValue();
    } else if (name == "--source-dir") {
      options.sourceDir = takeValue();
    } else if (name == "--root") {
      options.root = takeValue();
    } else {
      throw std::invalid_argument("unknown argument '" + args[i] + "'");
    }
  }
  if (options.help) return options;
  if (options.outputDir.empty()) throw std::invalid_argument("no output directory: give -o DIR");
  if (options.includes > options.headers) options.includes = options.headers;
  return options;
}

std::string helpText() {
  return R"(Usage: zum-genproject -o DIR [options]

Writes a synthetic C or C++ project as the per-file analyser would leave it:
one metric file per source (DIR/<source base name>.met) and the list file
of the sources for zum's -list option. The same options and seed always
give the same bytes.

  -o, --out DIR          output directory, created when missing (required)
  --seed N               seed of the project (default 1)
  --sources N            number of sources (default 100)
  --headers N            shared headers in the project (default 40)
  --includes N           shared headers included by each source (default 15)
  --header-decls N       top-level declarations per shared header (default 30)
  --functions N          functions defined by each source (default 20)
  --objects N            file-scope objects defined by each source (default 8)
  --calls N              calls per function body (default 6)
  --refs N               references per function body (default 8)
  --lang c|c++           flavour; c++ adds namespaces, classes, members,
                         constructors, base relations, references to
                         classes, templates and plain and array allocations
                         of one class in different files (default c)
  --error-fraction F     fraction of sources whose error file carries
                         diagnostics, 0 to 1 (default 0.2); every source
                         gets an error file
  --list NAME            list file written in DIR (default sources.lst)
  --source-dir NAME      directory part of the source names (default src)
  --root DIR             absolute directory the error files name files
                         under (default: DIR itself, where zum runs)
  -q, --quiet            no summary line
  -h, --help             this text

Every source includes the first three shared headers (the core headers,
twice the declarations of the others), further shared headers up to
--includes, the module header of the source before it and its own module
header, so calls and references cross files. The last line printed is
a summary: files, bytes and lines written (list file included).

Example:
  zum-genproject -o /tmp/proj --sources 1000 --lang c++
  cd /tmp/proj && zum ZEKPP -cmaf project -list sources.lst
)";
}

}  // namespace genproject
