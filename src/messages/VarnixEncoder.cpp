#include "messages/VarnixEncoder.h"

#include <string_view>

#include "messages/ByteBuffer.h"
#include "messages/Diagnostic.h"
#include "messages/ErrorFileFormat.h"
#include "util/Filename.h"
#include "util/ProcessState.h"

namespace fmt = M_ErrorFileFormat;

namespace {

struct OlderErrorFileState {
  bool wroteAny = false;
  XF_Filename lastFile;
};

// The length counts the terminating zero, which is written too.
void writeText(R_ByteBuffer& out, std::string_view text) {
  const std::size_t begin = out.size();
  out.putInt32(static_cast<std::int32_t>(text.size() + 1));
  out.putBytes(text);
  out.putByte(0);
  out.markText(begin);
}

std::int32_t storedColumn(std::int32_t column) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(column) - 1u);
}

// This generation knows only string parameters: every other kind travels
// as the text it shows in a message.
class ParamText final : public M_ParamTypeNav {
 public:
  explicit ParamText(bool showAlias) : showAlias_(showAlias) {}
  U_String text;
  void visitMsgList(const M_ParamMsgListType& param) override { text = param.text(); }
  void visitList(const M_ParamListType& param) override { text = param.text(); }
  void visitEntity(const M_ParamEntityType& param) override { text = param.textForOutput(showAlias_); }
  void visitString(const M_ParamStringType& param) override { text = param.value(); }

 private:
  bool showAlias_;
};

}  // namespace

void M_VarnixEncoder::writeHeader(R_ByteBuffer& out) {
  out.putInt32(fmt::kOlderVersion);
  out.putInt32(0);
}

void M_VarnixEncoder::writeDiagnostic(R_ByteBuffer& out, const M_Diagnostic& diagnostic, bool suppressed) {
  const U_Location& location = diagnostic.location();
  const XF_Filename file = location.isSet() ? location.file() : XF_Filename();
  OlderErrorFileState& state = zum::ProcessState::get<OlderErrorFileState>();
  if (!state.wroteAny || !(state.lastFile == file)) {
    out.putInt32(fmt::kTypeCurrentFile);
    writeText(out, file.absolute().view());
    state.wroteAny = true;
    state.lastFile = file;
  }

  std::int32_t a = 0;
  std::int32_t b = fmt::kNotIncluded;
  std::int32_t column = 0;
  if (location.isSet()) {
    column = location.column();
    if (location.hasInclLoc()) {
      a = location.outermost().line();
      b = location.line();
    } else {
      a = location.line();
    }
  }
  out.putInt32(fmt::kTypeDiagnostic);
  out.putInt32(a);
  out.putInt32(b);
  out.putInt32(storedColumn(column));
  out.putInt32(diagnostic.messageNumber());
  out.putInt32(suppressed ? 1 : 0);
  out.putInt32(diagnostic.isError() ? 1 : 0);
  out.putInt32(static_cast<std::int32_t>(diagnostic.paramCount()));
  ParamText text(showAlias_);
  for (const auto& param : diagnostic.params()) {
    param->accept(text);
    writeText(out, text.text);
  }
  out.putInt32(0);
}
