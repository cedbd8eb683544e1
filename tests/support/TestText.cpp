#include "TestText.h"

#include <fstream>

namespace zumtest {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    result.push_back(line);
  }
  return result;
}

std::string entity(const std::string& name) {
  return "Entity={" + name + "," + name + "," + name + "," + name + "," + name + "}";
}

std::string messageList(std::initializer_list<std::string> entries) {
  std::string text = "MsgList={";
  const char* separator = "";
  for (const std::string& entry : entries) {
    text += separator + entry;
    separator = " ; ";
  }
  return text + "}";
}

std::string declaredAt(const std::string& at, const std::string& name) {
  return at + ": Msg=1594 #params=1 {" + entity(name) + "}";
}

std::string definedAt(const std::string& at, const std::string& name) {
  return at + ": Msg=1593 #params=1 {" + entity(name) + "}";
}

}  // namespace zumtest
