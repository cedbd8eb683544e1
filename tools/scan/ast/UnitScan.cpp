#include "ast/UnitScan.h"

#include <clang/AST/ASTConsumer.h>
#include <clang/AST/DeclTemplate.h>
#include <clang/Basic/Diagnostic.h>
#include <clang/Frontend/CompilerInstance.h>
#include <clang/Frontend/FrontendAction.h>
#include <clang/Lex/Preprocessor.h>
#include <clang/Sema/Sema.h>
#include <clang/Tooling/Tooling.h>
#include <pthread.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

#include "ast/CompileDatabase.h"
#include "ast/Literals.h"
#include "ast/Names.h"
#include "ast/PreprocessorRecords.h"
#include "ast/RecordMaker.h"
#include "ast/SourcePlaces.h"
#include "ast/TypeStrings.h"
#include "ast/UnitOutput.h"
#include "core/AtomicFile.h"
#include "core/ErrorFile.h"

namespace scan {

namespace {

// Keeps the first errors of a unit as clang words them.
class FirstErrors : public clang::DiagnosticConsumer {
 public:
  void HandleDiagnostic(clang::DiagnosticsEngine::Level level, const clang::Diagnostic& info) override {
    clang::DiagnosticConsumer::HandleDiagnostic(level, info);
    if (level < clang::DiagnosticsEngine::Error || ++shown_ > kShown) return;
    llvm::SmallString<256> message;
    info.FormatDiagnostic(message);
    if (info.hasSourceManager() && info.getLocation().isValid()) {
      const clang::PresumedLoc at = info.getSourceManager().getPresumedLoc(info.getLocation());
      if (at.isValid())
        text_ += std::string(at.getFilename()) + ":" + std::to_string(at.getLine()) + ":" +
                 std::to_string(at.getColumn()) + ": ";
    }
    text_ += level == clang::DiagnosticsEngine::Fatal ? "fatal error: " : "error: ";
    text_ += message.str().str() + "\n";
  }
  const std::string& text() const { return text_; }

 private:
  static constexpr int kShown = 3;
  int shown_ = 0;
  std::string text_;
};

// Letters and digits that tell this unit's unnamed namespaces from the
// others': a hash of its file name.
std::string unitTag(llvm::StringRef file) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : file) hash = (hash ^ c) * 1099511628211ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(hash));
  return text;
}

// Everything one unit's scan gathers.
struct UnitState {
  std::unique_ptr<SourcePlaces> places;
  std::unique_ptr<Names> names;
  std::unique_ptr<TypeSpeller> types;
  std::unique_ptr<LiteralWriter> literals;
  std::unique_ptr<SuppressionComments> comments;
  UnitOutput output;
  UnitFindings findings;
  std::vector<std::string> warnings;
  std::string metricText;
  bool cplusplus = false;
  bool complete = false;
};

class ScanConsumer : public clang::ASTConsumer {
 public:
  ScanConsumer(UnitState& state, clang::CompilerInstance& compiler) : state_(state), compiler_(compiler) {}

  // The project's classes, as the parser completes them.
  void HandleTagDeclDefinition(clang::TagDecl* tag) override {
    auto* record = llvm::dyn_cast<clang::CXXRecordDecl>(tag);
    if (!record || record->isDependentContext() || record->isLambda() ||
        llvm::isa<clang::ClassTemplateSpecializationDecl>(record) || !state_.places->expansion(record->getLocation()))
      return;
    classes_.push_back(record);
  }

  void HandleTranslationUnit(clang::ASTContext& context) override {
    // A unit with errors has an AST with holes: nothing is written for it.
    if (context.getDiagnostics().hasErrorOccurred()) return;
    // clang declares a class's implicit members only when something needs
    // them; zum's checks need them all (a copy constructor nothing calls).
    if (compiler_.hasSema())
      for (clang::CXXRecordDecl* record : classes_) compiler_.getSema().ForceDeclarationOfImplicitMembers(record);
    if (context.getDiagnostics().hasErrorOccurred()) return;
    RecordMaker(context, *state_.places, *state_.names, *state_.types, *state_.literals, state_.output,
                state_.findings)
        .run();
    state_.metricText = state_.output.merge(context.getSourceManager());
    state_.complete = true;
  }

 private:
  UnitState& state_;
  clang::CompilerInstance& compiler_;
  std::vector<clang::CXXRecordDecl*> classes_;
};

class ScanAction : public clang::ASTFrontendAction {
 public:
  explicit ScanAction(UnitState& state) : state_(state) {}

  std::unique_ptr<clang::ASTConsumer> CreateASTConsumer(clang::CompilerInstance& compiler,
                                                        llvm::StringRef file) override {
    clang::ASTContext& context = compiler.getASTContext();
    clang::Preprocessor& preprocessor = compiler.getPreprocessor();
    state_.places = std::make_unique<SourcePlaces>(compiler.getSourceManager());
    state_.names = std::make_unique<Names>(compiler.getSourceManager());
    state_.types = std::make_unique<TypeSpeller>(context, *state_.names);
    state_.cplusplus = compiler.getLangOpts().CPlusPlus;
    if (state_.cplusplus) state_.names->useCxx(*state_.types, unitTag(file));
    state_.literals = std::make_unique<LiteralWriter>(context, *state_.places, *state_.types);
    state_.comments = std::make_unique<SuppressionComments>(*state_.places, state_.warnings);
    preprocessor.addPPCallbacks(std::make_unique<PreprocessorRecords>(*state_.places, state_.output,
                                                                      *state_.literals, compiler.getLangOpts()));
    preprocessor.addCommentHandler(state_.comments.get());
    return std::make_unique<ScanConsumer>(state_, compiler);
  }

  void EndSourceFileAction() override {
    if (state_.comments) getCompilerInstance().getPreprocessor().removeCommentHandler(state_.comments.get());
  }

 private:
  UnitState& state_;
};

// Deeply nested code (a generated expression of thousands of terms) is
// walked recursively, by clang and by the scan: the work runs on a thread
// with a large stack, of which only what is used takes memory.
void runWithLargeStack(const std::function<void()>& work) {
  constexpr std::size_t kStack = std::size_t(1) << 30;
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, kStack);
  pthread_t thread;
  auto body = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  const bool started = pthread_create(&thread, &attributes, body, const_cast<std::function<void()>*>(&work)) == 0;
  pthread_attr_destroy(&attributes);
  if (started)
    pthread_join(thread, nullptr);
  else
    work();
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

UnitReport failed(std::string message) {
  UnitReport report;
  report.status = UnitReport::Status::Failed;
  report.message = std::move(message);
  return report;
}

}  // namespace

UnitReport scanUnit(const CompileUnit& unit, const UnitFiles& files) {
  if (::access(unit.file.c_str(), R_OK) != 0) return failed("the file does not exist or cannot be read\n");
  if (::chdir(unit.directory.c_str()) != 0)
    return failed("cannot enter the directory " + unit.directory + " it is compiled in\n");

  UnitState state;
  FirstErrors errors;
  std::string crash;
  runWithLargeStack([&] {
    try {
      llvm::IntrusiveRefCntPtr<clang::FileManager> fileManager(new clang::FileManager(clang::FileSystemOptions()));
      clang::tooling::ToolInvocation invocation(scanArguments(unit), std::make_unique<ScanAction>(state),
                                                fileManager.get());
      invocation.setDiagnosticConsumer(&errors);
      invocation.run();
    } catch (const std::exception& failure) {
      crash = failure.what();
    }
  });

  // Stale files of an earlier scan must not pass for this one's.
  auto removeOld = [&] {
    std::remove(files.metricFile.c_str());
    std::remove(files.errorFile.c_str());
  };
  if (!crash.empty() || errors.getNumErrors() > 0 || !state.complete) {
    removeOld();
    std::string message = errors.text();
    if (!crash.empty()) message += "the scan failed: " + crash + "\n";
    if (message.empty()) message = "clang could not parse the unit\n";
    return failed(message);
  }

  std::string error;
  if (!makeDirectories(files.outputDir, error) || !writeFileAtomically(files.metricFile, state.metricText, error) ||
      !writeErrorFile(files.errorFile, state.comments->regions(), state.findings.diagnostics, error)) {
    removeOld();
    return failed(error + "\n");
  }
  UnitReport report;
  report.status = state.cplusplus ? UnitReport::Status::ScannedCxx : UnitReport::Status::Scanned;
  report.warnings = joinLines(state.warnings);
  return report;
}

}  // namespace scan
