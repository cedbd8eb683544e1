#include "ProjectPlan.h"

#include <algorithm>

#include "SharedHeaders.h"

namespace genproject {

namespace {

std::vector<int> chooseIncludes(Random& random, int headers, int core, int wanted) {
  std::vector<int> chosen;
  for (int h = 0; h < core; ++h) chosen.push_back(h);
  // A partial Fisher-Yates shuffle over the other headers.
  std::vector<int> rest;
  for (int h = core; h < headers; ++h) rest.push_back(h);
  for (int k = 0; k < wanted - core && k < int(rest.size()); ++k) {
    int swapWith = k + int(random.below(uint32_t(rest.size() - size_t(k))));
    std::swap(rest[size_t(k)], rest[size_t(swapWith)]);
    chosen.push_back(rest[size_t(k)]);
  }
  std::sort(chosen.begin() + core, chosen.end());
  return chosen;
}

}  // namespace

ProjectPlan makeProjectPlan(const Options& options) {
  ProjectPlan plan;
  plan.sharedHeaders = buildSharedHeaders(options);
  plan.coreHeaders = coreHeaderCount(options);
  Random random(streamSeed(options.seed, kPlanStream, 0));

  size_t sources = size_t(options.sources);
  plan.includes.resize(sources);
  std::vector<std::vector<int>> includers(plan.sharedHeaders.size());
  for (size_t s = 0; s < sources; ++s) {
    plan.includes[s] = chooseIncludes(random, options.headers, plan.coreHeaders, options.includes);
    for (int h : plan.includes[s]) includers[size_t(h)].push_back(int(s));
  }

  // Every definition goes to a source that includes the declaring header,
  // so that the definition finds its declaration earlier in the same file.
  plan.ownedFunctions.resize(sources);
  plan.ownedObjects.resize(sources);
  for (size_t h = 0; h < plan.sharedHeaders.size(); ++h) {
    if (includers[h].empty()) continue;
    const HeaderModel& header = plan.sharedHeaders[h];
    for (size_t f = 0; f < header.functions.size(); ++f) {
      if (!header.functions[f].needsBody) continue;
      int owner = includers[h][random.below(uint32_t(includers[h].size()))];
      plan.ownedFunctions[size_t(owner)].push_back({int(h), int(f)});
    }
    for (size_t o = 0; o < header.objects.size(); ++o) {
      int owner = includers[h][random.below(uint32_t(includers[h].size()))];
      plan.ownedObjects[size_t(owner)].push_back({int(h), int(o)});
    }
  }
  return plan;
}

}  // namespace genproject
