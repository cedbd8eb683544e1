// One function definition and everything the analyser reports about its
// body: parameters, locals, labels, calls, references, extern variables,
// allocations, literals, the function's metrics and its control graph.
#pragma once

#include <string>
#include <string_view>

#include "CallTargets.h"
#include "Entities.h"
#include "Options.h"
#include "Random.h"
#include "SourceFacts.h"

namespace genproject {

class FunctionWriter {
 public:
  FunctionWriter(std::string& out, std::string_view file, Random& random, const Options& options,
                 const CallTargets& targets, SourceFacts& facts);

  // `owner` is the class of a member function (its fields are what the body
  // refers to), null for a free function. Returns the line after the body.
  int write(const Function& function, const Aggregate* owner, int line);

 private:
  void call(const Function& caller, const Function& callee, int line);
  void call(const Function& caller, std::string_view callee, int line);
  void allocate(const Function& function, int line);
  void instantiateTemplate(const Function& function, int line);
  void metricsAndGraph(const Function& function, int firstLine, int lastLine, int calls, int exits);

  std::string& out_;
  std::string_view file_;
  Random& random_;
  const Options& options_;
  const CallTargets& targets_;
  SourceFacts& facts_;
  std::vector<std::string> locals_;
};

}  // namespace genproject
