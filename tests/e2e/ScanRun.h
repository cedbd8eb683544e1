// Runs build/zum-scan for the tests: over the fixture project (whose
// compilation database the build makes in build/scan-fixture) or over
// sources a test writes itself.
#pragma once

#include <string>
#include <vector>

#include "TestText.h"
#include "ZumRunner.h"

namespace scantest {

// The fixture project's sources, as their records name them (real path).
std::string fixtureRoot();
std::string fixtureDatabaseDir();
// The same for the C++ fixture (tests/fixtures/scan/cxxproject).
std::string cxxFixtureRoot();
std::string cxxFixtureDatabaseDir();

// zum-scan with `args`, run in `scratch`.
zumtest::RunResult runScan(const zumtest::Scratch& scratch, const std::vector<std::string>& args);

// Writes <scratch>/compile_commands.json naming `sources` (relative to the
// scratch directory), each compiled in the scratch directory with `flags`.
void writeDatabase(const zumtest::Scratch& scratch, const std::vector<std::string>& sources,
                   const std::string& flags = "");

using zumtest::lines;
// The lines of `text` that start with one of `prefixes`.
std::vector<std::string> linesStartingWith(const std::string& text, const std::vector<std::string>& prefixes);
// `text` with every `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to);

}  // namespace scantest
