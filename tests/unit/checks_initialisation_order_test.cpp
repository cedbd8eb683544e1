// The initialisation-order check, message by message, each case beside the
// twins that must not be reported; then the walk through called functions
// over a call chain 100,000 deep that closes a cycle.
#include "checks/InitialisationOrder.h"
#include "checks_test_support.h"

using checkstest::ChecksTest;
using checkstest::entity;

namespace {

class InitialisationOrder : public ChecksTest {
 protected:
  void SetUp() override {
    ChecksTest::SetUp();
    zum::configureInitialisationOrder();
  }
};

std::string defines(const std::string& name, const std::string& file, int line, const std::string& space,
                    const std::string& type) {
  const std::string rest = " " + file + " " + std::to_string(line) + " N ";
  return "<DEFINE> " + name + rest + "DC " + space + " F X " + type + " -\n<DEFINE> " + name + rest + "DF " + space +
         " F X " + type + " -\n";
}
// A global object or function, declared and defined at one place.
std::string object(const std::string& name, const std::string& file, int line, const std::string& type = "ni") {
  return defines(name, file, line, "OV", type);
}
std::string function(const std::string& name, const std::string& file, int line) {
  return defines(name, file, line, "OF", "()ni");
}
std::string initialiserUses(const std::string& object, const std::string& used, int line) {
  return "<EXTV> " + object + " " + used + " " + std::to_string(line) + "\n";
}
std::string refersTo(const std::string& user, const std::string& used, int line) {
  return "<R>X " + user + " " + used + " " + std::to_string(line) + " R\n";
}

std::string place(const std::string& at, int number, const std::string& name) {
  return at + ": Msg=" + std::to_string(number) + " #params=1 {" + entity(name) + "}";
}
std::string finding(const std::string& at, int number, const std::string& names, const std::string& list) {
  return at + ": Msg=" + std::to_string(number) + " #params=" + (names.find(',') == std::string::npos ? "2" : "3") +
         " {" + names + ", MsgList={" + list + "}}";
}

const std::string kClasses =
    "<DEFINE> Widget a.h 1 I DC TG F X {cWidget} -\n<DEFINE> Widget a.h 1 I DF TG F X {cWidget} -\n"
    "<DEFINE> Point a.h 2 I DC TG F X {sPoint} D\n<DEFINE> Point a.h 2 I DF TG F X {sPoint} D\n";

TEST_F(InitialisationOrder, AnObjectReadInAnotherFileOrFurtherDownItsOwnFile) {
  const std::string header = kClasses +
                             "<DEFINE> Holder a.h 3 I DC TG F X {cHolder} -\n"
                             "<DEFINE> Holder::shared a.h 4 I DC OV C X ni S\n"
                             "<DEFINE> other a.h 5 I DC OV F X ni -\n"
                             "<DEFINE> next() a.h 6 I DC OF F X ()ni -\n";
  runProject(
      {{"a.cpp", header + "<DEFINE> later a.cpp 1 N DC OV F X ni -\n" + object("early", "a.cpp", 2) +
                     object("fromOther", "a.cpp", 3) + initialiserUses("fromOther", "other", 3) +
                     object("fromLater", "a.cpp", 4) + initialiserUses("fromLater", "later", 4) +
                     object("fromEarly", "a.cpp", 5) + initialiserUses("fromEarly", "early", 5) +
                     object("widget", "a.cpp", 6, "{cWidget}") + initialiserUses("widget", "other", 6) +
                     object("point", "a.cpp", 7, "{sPoint}") + initialiserUses("point", "later", 7) +
                     object("counted", "a.cpp", 8) + initialiserUses("counted", "next()", 8) +
                     initialiserUses("counted", "later", 8) +
                     "<DEFINE> Holder::shared a.cpp 9 N DF OV C X ni S\n" +
                     initialiserUses("Holder::shared", "later", 9) + "<DEFINE> later a.cpp 10 N DF OV F X ni -\n"},
       {"b.cpp", header + "<DEFINE> other b.cpp 2 N DF OV F X ni -\n<DEFINE> next() b.cpp 3 N DF OF F X ()ni -\n"}},
      {"a.cpp", "b.cpp"});
  const std::string other = place("b.cpp:2", 1593, "other");
  const std::string later = place("a.cpp:10", 1593, "later");
  // Holder::shared is no global object; early was initialised first; a
  // POD struct is no class.
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            finding("a.cpp:3", 1550, "fromOther", other),
                            finding("a.cpp:4", 1551, "fromLater", later),
                            finding("a.cpp:6", 1552, "widget", other),
                            finding("a.cpp:7", 1551, "point", later),
                            finding("a.cpp:8", 1553, "counted", later),  // also calls next()
                        }));
}

TEST_F(InitialisationOrder, AnObjectTheProjectDeclaresButNeverDefines) {
  runProject({{"a.cpp", "<DEFINE> missing api.h 3 I DC OV F X ni -\n"
                        "<DEFINE> madeUp a.cpp 1 N DI OV F X ni -\n"
                        "<DEFINE> Holder a.h 3 I DC TG F X {cHolder} -\n"
                        "<DEFINE> Holder::shared a.h 4 I DC OV C X ni S\n" +
                            object("user", "a.cpp", 5) + initialiserUses("user", "missing", 5) +
                            object("guesser", "a.cpp", 6) + initialiserUses("guesser", "madeUp", 6) +
                            "<DEFINE> Holder::shared a.cpp 7 N DF OV C X ni S\n" +
                            initialiserUses("Holder::shared", "missing", 7)}});
  // An implicit declaration is the analyser's guess; a member is no
  // global object.
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            finding("a.cpp:5", 1554, "user", place("api.h:3", 1594, "missing")),
                        }));
}

// startup() initialises `initialised` (a.cpp:5) and reads, itself or
// through helper() (which calls it back), objects of every kind.
TEST_F(InitialisationOrder, ObjectsReadByTheFunctionsAnInitialiserCalls) {
  const std::string header = kClasses +
                             "<DEFINE> plainOther a.h 10 I DC OV F X ni -\n"
                             "<DEFINE> builtOther a.h 11 I DC OV F X ni -\n"
                             "<DEFINE> declaredOnly a.h 12 I DC OV F X ni -\n"
                             "<DEFINE> external() a.h 13 I DC OF F X ()ni -\n"
                             "<DEFINE> make() a.h 14 I DC OF F X ()ni -\n"
                             "<DEFINE> helper() a.h 15 I DC OF F X ()ni -\n";
  runProject(
      {{"a.cpp", header + "<DEFINE> plainLater a.cpp 1 N DC OV F X ni -\n"
                          "<DEFINE> builtLater a.cpp 1 N DC OV F X {cWidget} -\n" +
                     object("early", "a.cpp", 2) + function("startup()", "a.cpp", 3) +
                     refersTo("startup()", "helper()", 3) + refersTo("startup()", "early", 3) +
                     refersTo("startup()", "plainLater", 3) + refersTo("startup()", "builtLater", 3) +
                     refersTo("startup()", "plainOther", 3) + refersTo("startup()", "builtOther", 3) +
                     refersTo("startup()", "declaredOnly", 3) + refersTo("startup()", "external()", 3) +
                     object("initialised", "a.cpp", 5) + initialiserUses("initialised", "startup()", 5) +
                     "<DEFINE> helper() a.cpp 6 N DF OF F X ()ni -\n" + refersTo("helper()", "startup()", 6) +
                     refersTo("helper()", "plainLater", 6) + "<DEFINE> plainLater a.cpp 8 N DF OV F X ni -\n" +
                     "<DEFINE> builtLater a.cpp 9 N DF OV F X {cWidget} -\n"},
       {"b.cpp", header + "<DEFINE> plainOther b.cpp 2 N DF OV F X ni -\n"
                          "<DEFINE> builtOther b.cpp 3 N DF OV F X ni -\n" +
                     initialiserUses("builtOther", "make()", 3) + "<DEFINE> make() b.cpp 4 N DF OF F X ()ni -\n"}},
      {"a.cpp", "b.cpp"});
  const std::string initialised = place("a.cpp:5", 1593, "initialised");
  const auto through = [&](const std::string& at, int number, const std::string& reader, const std::string& used,
                           const std::string& usedAt) {
    return finding(at, number, reader + ", " + used, initialised + " ; " + place(usedAt, 1593, used));
  };
  // early was initialised first, external() is no object.
  EXPECT_EQ(findings(), (std::vector<std::string>{
                            through("a.cpp:3", 1557, "startup()", "plainOther", "b.cpp:2"),
                            through("a.cpp:3", 1558, "startup()", "builtOther", "b.cpp:3"),
                            finding("a.cpp:3", 1559, "startup(), declaredOnly",
                                    place("a.cpp:5", 1594, "initialised") + " ; " +
                                        place("a.h:12", 1594, "declaredOnly")),
                            through("a.cpp:6", 1555, "helper()", "plainLater", "a.cpp:8"),
                            through("a.cpp:3", 1555, "startup()", "plainLater", "a.cpp:8"),
                            through("a.cpp:3", 1556, "startup()", "builtLater", "a.cpp:9"),
                        }));
}

// f0 calls f1 ... f99999, which calls f0 again and reads `late`; two
// objects are initialised by f0 and a third by f50000.
TEST_F(InitialisationOrder, TheWalkFollowsAChainOfAHundredThousandCallsRoundACycleOnce) {
  constexpr int kDepth = 100000;
  std::string source = "<DEFINE> late a.cpp 1 N DC OV F X ni -\n";
  for (int f = 0; f < kDepth; ++f) source += "<DEFINE> f" + std::to_string(f) + "() a.cpp 2 N DC OF F X ()ni -\n";
  for (int f = 0; f < kDepth; ++f) {
    const std::string name = "f" + std::to_string(f) + "()";
    source += "<DEFINE> " + name + " a.cpp " + std::to_string(f + 10) + " N DF OF F X ()ni -\n";
    source += refersTo(name, "f" + std::to_string((f + 1) % kDepth) + "()", f + 10);
  }
  source += refersTo("f99999()", "late", 100009);
  source += object("first", "a.cpp", 3) + initialiserUses("first", "f0()", 3);
  source += object("second", "a.cpp", 4) + initialiserUses("second", "f0()", 4);
  source += object("third", "a.cpp", 5) + initialiserUses("third", "f50000()", 5);
  source += "<DEFINE> late a.cpp 200000 N DF OV F X ni -\n";
  runProject({{"a.cpp", source}});
  const std::string late = place("a.cpp:200000", 1593, "late");
  const auto atReader = [&](const std::string& object, int line) {
    return finding("a.cpp:100009", 1555, "f99999(), late",
                   place("a.cpp:" + std::to_string(line), 1593, object) + " ; " + late);
  };
  EXPECT_EQ(findings(), (std::vector<std::string>{atReader("first", 3), atReader("second", 4), atReader("third", 5)}));
}

}  // namespace
