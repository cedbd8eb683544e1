#include "SarifReport.h"

#include <map>
#include <set>

#include "JsonWriter.h"
#include "MessageView.h"
#include "app/Version.h"
#include "util/Path.h"

namespace {

bool isUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

// A message text as a rule's description: each parameter reference ("%1s")
// shown as "...".
std::string withoutParameters(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t end = i + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (text[i] == '%' && end < text.size() && text[end] == 's') {
      out += "...";
      i = end;
      continue;
    }
    out += text[i];
  }
  return out;
}

class SarifWriter {
 public:
  SarifWriter(const M_MessageTable& table, const SarifOptions& options, std::ostream& out)
      : table_(table), options_(options), json_(out) {
    if (!options_.sourceRoot.empty()) {
      root_ = U_Path::fullPath(options_.sourceRoot);
      if (root_.back() != '/') root_ += '/';
    }
  }

  void write(const ReportFindings& findings) {
    std::map<int, int> ruleIndex;
    for (const U_Handle<M_Diagnostic>& diagnostic : findings.diagnostics) ruleIndex[diagnostic->messageNumber()] = 0;
    int next = 0;
    for (auto& [number, index] : ruleIndex) index = next++;

    json_.beginObject();
    json_.member("$schema", "https://json.schemastore.org/sarif-2.1.0.json");
    json_.member("version", "2.1.0");
    json_.key("runs");
    json_.beginArray();
    json_.beginObject();
    writeTool(ruleIndex);
    if (!root_.empty()) {
      json_.key("originalUriBaseIds");
      json_.beginObject();
      json_.key("SRCROOT");
      json_.beginObject();
      json_.member("uri", fileUri(root_));
      json_.endObject();
      json_.endObject();
    }
    json_.key("results");
    json_.beginArray();
    for (const U_Handle<M_Diagnostic>& diagnostic : findings.diagnostics) {
      writeResult(*diagnostic, ruleIndex.at(diagnostic->messageNumber()));
    }
    json_.endArray();
    json_.endObject();
    json_.endArray();
    json_.endObject();
  }

 private:
  void writeTool(const std::map<int, int>& ruleIndex) {
    json_.key("tool");
    json_.beginObject();
    json_.key("driver");
    json_.beginObject();
    json_.member("name", "zum");
    json_.member("version", zum::kVersion);
    json_.key("rules");
    json_.beginArray();
    for (const auto& [number, index] : ruleIndex) {
      const M_MessageEntry& entry = table_.entry(number);
      const int level = table_.levelNumber(entry.levelName);
      std::string levelName = table_.levelDisplayName(level);
      if (levelName.empty()) levelName = entry.levelName;
      json_.beginObject();
      json_.member("id", std::to_string(number));
      json_.key("shortDescription");
      text(withoutParameters(entry.text));
      if (!entry.secondText.empty()) {
        json_.key("help");
        text(withoutParameters(entry.secondText));
      }
      json_.key("defaultConfiguration");
      json_.beginObject();
      json_.member("level", sarifLevel(levelName));
      json_.endObject();
      json_.key("properties");
      json_.beginObject();
      json_.member("zumLevel", levelName);
      json_.endObject();
      json_.endObject();
    }
    json_.endArray();
    json_.endObject();
    json_.endObject();
  }

  void writeResult(const M_Diagnostic& diagnostic, int ruleIndex) {
    const MessageView view = describe(table_, diagnostic);
    const std::vector<U_Handle<M_Diagnostic>> listed = listedDiagnostics(diagnostic);
    json_.beginObject();
    json_.member("ruleId", std::to_string(diagnostic.messageNumber()));
    json_.member("ruleIndex", ruleIndex);
    json_.member("level", sarifLevel(view.levelName));
    json_.key("message");
    text(view.text);
    const M_Diagnostic* anchor = hasPlace(diagnostic) ? &diagnostic : nullptr;
    for (std::size_t i = 0; !anchor && i < listed.size(); ++i) {
      if (hasPlace(*listed[i])) anchor = listed[i].pointer();
    }
    if (anchor) {
      json_.key("locations");
      json_.beginArray();
      json_.beginObject();
      physicalLocation(*anchor);
      json_.endObject();
      json_.endArray();
    }
    if (!listed.empty()) {
      json_.key("relatedLocations");
      json_.beginArray();
      int id = 0;
      for (const U_Handle<M_Diagnostic>& place : listed) {
        json_.beginObject();
        json_.member("id", id++);
        if (hasPlace(*place)) physicalLocation(*place);
        json_.key("message");
        text(describe(table_, *place).text);
        json_.endObject();
      }
      json_.endArray();
    }
    if (isHidden(diagnostic)) {
      json_.key("suppressions");
      json_.beginArray();
      json_.beginObject();
      json_.member("kind", "inSource");
      json_.endObject();
      json_.endArray();
    }
    json_.endObject();
  }

  static bool hasPlace(const M_Diagnostic& diagnostic) {
    const U_Location& location = diagnostic.location();
    return location.isSet() && !location.file().given().view().empty();
  }

  void physicalLocation(const M_Diagnostic& diagnostic) {
    const U_Location& location = diagnostic.location();
    std::string name(location.file().given().view());
    for (char& c : name) {
      if (c == '\\') c = '/';
    }
    json_.key("physicalLocation");
    json_.beginObject();
    json_.key("artifactLocation");
    json_.beginObject();
    if (!root_.empty() && name.compare(0, root_.size(), root_) == 0) {
      json_.member("uri", fileUri(name.substr(root_.size())));
      json_.member("uriBaseId", "SRCROOT");
    } else {
      json_.member("uri", fileUri(name));
    }
    json_.endObject();
    if (location.line() > 0) {
      json_.key("region");
      json_.beginObject();
      json_.member("startLine", location.line());
      if (location.column() > 0) json_.member("startColumn", location.column());
      json_.endObject();
    }
    json_.endObject();
  }

  // A message object: {"text": ...}.
  void text(std::string_view content) {
    json_.beginObject();
    json_.member("text", content);
    json_.endObject();
  }

  const M_MessageTable& table_;
  const SarifOptions& options_;
  JsonWriter json_;
  std::string root_;
};

}  // namespace

const char* sarifLevel(const std::string& levelName) {
  if (levelName == "error" || levelName == "fatal") return "error";
  if (levelName == "note" || levelName == "info" || levelName == "style" || levelName == "advisory") return "note";
  return "warning";
}

std::string fileUri(const std::string& name) {
  std::string path = name;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  static const char digits[] = "0123456789ABCDEF";
  std::string uri = !path.empty() && path.front() == '/' ? "file://" : "";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (isUnreserved(byte)) {
      uri += c;
    } else {
      uri += '%';
      uri += digits[byte >> 4];
      uri += digits[byte & 15];
    }
  }
  return uri;
}

void writeSarif(const ReportFindings& findings, const M_MessageTable& table, const SarifOptions& options,
                std::ostream& out) {
  SarifWriter(table, options, out).write(findings);
}
