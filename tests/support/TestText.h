// Text helpers that unit and end-to-end tests share: whole files, lines,
// captured streams, and the debug texts of diagnostic parameters.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zumtest {

// The bytes of `path` ("" when it cannot be read).
std::string readFile(const std::filesystem::path& path);
// Replaces `path` with `bytes`.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// `text` cut into lines, without their line ends ("\n" or "\r\n").
std::vector<std::string> lines(const std::string& text);

// What a stream receives while the capture lives.
class Capture {
 public:
  explicit Capture(std::ostream& stream) : stream_(stream), saved_(stream.rdbuf(text_.rdbuf())) {}
  ~Capture() { stream_.rdbuf(saved_); }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;
  std::string text() const { return text_.str(); }

 private:
  std::ostream& stream_;
  std::ostringstream text_;
  std::streambuf* saved_;
};

// The debug text of an entity parameter holding `name` (every form alike).
std::string entity(const std::string& name);
// The debug text of a message-list parameter holding `entries` in order.
std::string messageList(std::initializer_list<std::string> entries);
// The debug text of a listed declaration (1594) or definition (1593) of
// `name` at `at` ("file:line").
std::string declaredAt(const std::string& at, const std::string& name);
std::string definedAt(const std::string& at, const std::string& name);

}  // namespace zumtest
