// The part of the plug-in interface that is not exported: queries and
// registrations the built-in modules use beside PI_Interface.h.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "anlsrslt/include/PI_Interface.h"

// The plain define callbacks: every define that the symbol table does not
// file, and every define with the mark "X", once read (only while some
// OnAllDefine, OnNewSymbol, OnProjRedecl or OnDefinition callback makes the
// DEFINE records be filed at all).
void P_configureOnDefine(PI_DefineCallback callback);

// OnNewSymbol and OnProjRedecl for the defines of typedefs only, raised
// after the general events of the same define.
void P_configureOnNewTypedefSymbol(PI_SymbolCallback callback);
void P_configureOnTypedefProjRedecl(PI_SymbolCallback callback);

// For a module that queries (PI_getMetric...) the one metric `metricName`
// only, instead of PI_configureNeedMetric: while every module that queries
// metrics named them so, the metric records keep only the metrics named.
// A class or function metric that queries metrics must say which.
void P_configureNeedMetric(const char* metricName);

// Define code "R" (a redeclaration), "P" and "X"; flags "G", "T", "U".
bool P_isDefineRedeclaration(PI_DefineHandle define);
bool P_hasDefineCodeP(PI_DefineHandle define);
bool P_hasDefineCodeX(PI_DefineHandle define);
bool P_hasDefineFlagG(PI_DefineHandle define);
bool P_hasDefineFlagT(PI_DefineHandle define);
bool P_hasDefineFlagU(PI_DefineHandle define);
// The qualified name with every template argument list removed.
const char* P_getDefineQualNameNoTemplateArgs(PI_DefineHandle define);

// A symbol with the define PI_getSymbolCurrentDefine gives.
struct P_SweptSymbol {
  PI_SymbolHandle symbol;
  PI_DefineHandle current;
};

// Calls `visit(symbols, context)` for every symbol of the run in creation
// order, some symbols at a time: the walk of PI_getFirstSymbol without the
// iterator, for the checks that visit every one of millions of symbols.
// Each symbol's current define, its shape and its qualified name are asked
// for from memory some places before it is handed on.
void P_forEachSymbol(void (*visit)(std::span<const P_SweptSymbol> symbols, void* context), void* context);

// The symbols whose current define is a class, in creation order, as a
// walk over the first `surveyed` symbols of the run found them.
struct P_ClassSymbols {
  std::span<const PI_SymbolHandle> classes;
  std::size_t surveyed = 0;
};
// Lets the end-of-run walk that calls the class metrics visit only the
// classes that `find` gives instead of every symbol, when no function
// metric is asked for and `find` surveyed every symbol of the run.
void P_configureClassSymbols(P_ClassSymbols (*find)());

// Asks the memory for the define's shape (names, file, codes), which the
// queries on a define read: for walks over defines that lie anywhere in
// the model. The define itself must be at hand.
void P_prefetchDefineShape(PI_DefineHandle define);
// Asks the memory for the symbol's list of defines: for walks over symbols
// that lie anywhere in the model. The symbol itself must be at hand.
void P_prefetchSymbolDefines(PI_SymbolHandle symbol);

// The defines of the symbol in the order of PI_getSymbolFirstDefine,
// without the iterator: valid until the symbol is changed, which it is not
// once the sources are read.
std::span<const PI_DefineHandle> P_getSymbolDefines(PI_SymbolHandle symbol);

// Marks a check keeps on a symbol while the sources are read. A set of
// symbols that an event of every source asks about is kept on the symbols
// themselves: the symbol is at hand when its event is raised, where a table
// of the set's own would be one more look-up in memory far away. Each mark
// has one owner.
enum P_SymbolMark : unsigned char {
  P_kRedeclaredExternal = 1,        // checks/ProjectRedeclarations
  P_kRedeclaredExternalObject = 2,  // checks/ProjectRedeclarations
  P_kReportedIncompatible = 4,      // checks/IncompatibleDeclaration
  P_kTypedefNoted = 8,              // checks/TypedefReuse
};
bool P_hasSymbolMark(PI_SymbolHandle symbol, P_SymbolMark mark);
void P_setSymbolMark(PI_SymbolHandle symbol, P_SymbolMark mark);

// The relations of one kind, in the order PI_getFirstRelationCall (Refer,
// Base, ClsMbr, ClsMbrRef, ClsMbrPtr) and the relation iterator give them,
// without the iterator: for the checks that walk hundreds of thousands of
// relations. Valid until a relation is read, which none is once the
// sources are read.
enum class P_RelationList { Calls, Refers, Base, ClsMbr, ClsMbrRef, ClsMbrPtr };
std::span<const PI_RelationHandle> P_getRelations(P_RelationList list);
// The include relations in the order PI_getFirstRelationInclude gives them.
std::span<const PI_RelationIncludeHandle> P_getIncludeRelations();

// The last component of the define's qualified name, parameter list
// included (what PI_getDefineUnqualName gives for a function), and its
// identifier (what PI_getDefineIdentifier gives), as views into the
// qualified name: split anew on each call instead of being interned and
// kept, for the checks that look at the name of every symbol of a run.
struct P_NameTexts {
  std::string_view component;
  std::string_view identifier;
};
P_NameTexts P_getDefineNameTexts(PI_DefineHandle define);

// An array type whose dimension is "?" or "0".
bool P_isUndimArray(const char* type);

// The run-wide list of derived defines: every define read with the mark
// "X" or "P" or the flag "U", in reading order (see
// anlsrslt/model/TemplateBookkeeping.h for what they derive from).
int P_getFirstDerivedDefine();
PI_DefineHandle P_getDerivedDefineIterData(int iterator);
bool P_getDerivedDefineIterNext(int iterator);
bool P_isDerivedDefineIterEnd(int iterator);

// One step from a derived define towards the template it derives from;
// null when it derives from nothing known (it is then its own origin).
// Steps never cycle: following them always ends.
PI_DefineHandle P_getDefineTemplateOrigin(PI_DefineHandle define);
