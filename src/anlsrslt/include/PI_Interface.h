// The plug-in interface: everything an analysis module sees of zum.
//
// A module is a set of plain functions. Its configure function, called
// once at start-up, registers callbacks (PI_configureOn...) and declares
// the record kinds it will query (PI_configureNeed...). Registration decides
// which records of the per-source metric files are read at all. While the
// sources are read, and at the end of the run, zum calls the callbacks in a
// fixed order:
//
//   for each source, in command-line order:
//     OnSource
//     per DEFINE record: OnNewSymbol / OnProjRedecl / OnDefinition
//     per allocation record: OnAlloc
//     per control graph, after its last line: OnControlGraph
//     per metric group, when the next group begins: the metric-group callbacks
//     the error file: OnSuppressionRecord, then per diagnostic OnMessage,
//       OnDiagnosticSuppressed, then OnDiagnostic or OnSuppressionRecordDiagnostic
//   at the end:
//     OnEnd callbacks; then OnAllDefine callbacks in registration order (the
//     class and function metric callbacks among them); then the metric-group
//     callbacks for the last group.
//
// A callback of a set is called once however often it was registered; the
// order among the callbacks of one set is fixed but not the registration
// order, so modules must not depend on it. OnAllDefine keeps the order of
// registration.
//
// Handles are opaque pointers to model objects that live until the end of
// the run; modules never free them. Strings returned are interned: they
// stay valid for the run and equal strings are the same pointer.
//
// Collections are walked with small integer iterator ids:
//
//   for (int it = PI_getFirstSymbol(); !PI_isSymbolIterEnd(it); PI_getSymbolIterNext(it)) {
//     PI_SymbolHandle symbol = PI_getSymbolIterData(it);
//     ...
//   }
//
// ...IterNext answers true when it reached the end, and then the id is free:
// the next PI_getFirst... of the same kind may hand it out again. Never use
// an id after its iteration ended. Ids of different kinds are independent.
//
// Passing a null handle to an accessor is an assertion failure, which ends
// the run.
#pragma once

#include <cstdint>

class P_Source;
class P_Symbol;
class P_Define;
class P_Relation;
class P_RelationInclude;
class P_ExternVar;
class P_Alloc;
class P_ControlGraph;
class P_ControlGraphEdge;
class P_Literal;
class P_Location;
class P_Diagnostic;
class P_SuppressionRecord;

typedef P_Source* PI_SourceHandle;
typedef P_Symbol* PI_SymbolHandle;
typedef P_Define* PI_DefineHandle;
typedef P_Relation* PI_RelationHandle;
typedef P_RelationInclude* PI_RelationIncludeHandle;
typedef P_ExternVar* PI_ExternVarHandle;
typedef P_Alloc* PI_AllocHandle;
typedef P_ControlGraph* PI_ControlGraphHandle;
typedef P_ControlGraphEdge* PI_ControlGraphEdgeHandle;
typedef P_Literal* PI_LiteralHandle;
typedef P_Location* PI_LocationHandle;
typedef P_Diagnostic* PI_DiagnosticHandle;
typedef P_SuppressionRecord* PI_SuppressionRecordHandle;
// An option value of a module: an interned string (see PI_getFirstOption).
typedef const char* PI_OptionHandle;

// Callback types. Flags are passed as one byte, 0 or 1.
typedef void (*PI_Callback)();
typedef bool (*PI_SourceCallback)(PI_SourceHandle source);  // the result is ignored
typedef void (*PI_SymbolCallback)(PI_SymbolHandle symbol, PI_DefineHandle define);
typedef void (*PI_DefineCallback)(PI_DefineHandle define);
typedef void (*PI_AllocCallback)(PI_AllocHandle alloc);
typedef void (*PI_ControlGraphCallback)(PI_ControlGraphHandle graph);
typedef void (*PI_MetricCallback)(PI_DefineHandle define, const char* metricName);
typedef void (*PI_MetricGroupCallback)(const char* groupKey);
typedef void (*PI_DiagnosticCallback)(PI_DiagnosticHandle diagnostic, unsigned char duplicate);
typedef void (*PI_MessageCallback)(PI_DiagnosticHandle diagnostic, unsigned char duplicate,
                                   unsigned char suppressed);
typedef void (*PI_SuppressionRecordDiagnosticCallback)(PI_SuppressionRecordHandle record,
                                                       PI_DiagnosticHandle diagnostic);
typedef void (*PI_SuppressionRecordCallback)(PI_SuppressionRecordHandle record);

extern "C" {

// ---------------------------------------------------------------------------
// Event registration (call only from a module's configure function)
// ---------------------------------------------------------------------------

// A source begins.
void PI_configureOnSource(PI_SourceCallback callback);
// At the end, in registration order; the whole model is known then.
void PI_configureOnAllDefine(PI_Callback callback);
// A define made a new symbol.
void PI_configureOnNewSymbol(PI_SymbolCallback callback);
// A declaration of an external name that another source declared already.
void PI_configureOnProjRedecl(PI_SymbolCallback callback);
// A definition was filed under its symbol.
void PI_configureOnDefinition(PI_SymbolCallback callback);
// An allocation record whose name is declared in its source.
void PI_configureOnAlloc(PI_AllocCallback callback);
// A control graph is complete.
void PI_configureOnControlGraph(PI_ControlGraphCallback callback);
// A diagnostic of a source's error file that is not suppressed.
void PI_configureOnDiagnostic(PI_DiagnosticCallback callback);
// Every diagnostic with message number `message`, suppressed or not.
void PI_configureOnMessage(int message, PI_MessageCallback callback);
// Every diagnostic, suppressed or not.
void PI_configureOnDiagnosticSuppressed(PI_MessageCallback callback);
// A suppressed diagnostic, once per suppression record that suppresses it.
void PI_configureOnSuppressionRecordDiagnostic(PI_SuppressionRecordDiagnosticCallback callback);
// Every suppression record of a source's error file.
void PI_configureOnSuppressionRecord(PI_SuppressionRecordCallback callback);
// The end of the run, before the OnAllDefine callbacks.
void PI_configureOnEnd(PI_Callback callback);
// At the end, per symbol whose define is a class or struct: (define, metricName).
void PI_configureClassMetric(const char* metricName, PI_MetricCallback callback);
// At the end, per symbol whose define is a function: (define, metricName).
void PI_configureFunctionMetric(const char* metricName, PI_MetricCallback callback);
// A metric group is complete (the key is the group's interned name).
void PI_configureMetricGroup(PI_MetricGroupCallback callback);

// ---------------------------------------------------------------------------
// Record needs: make records available to the queries below
// ---------------------------------------------------------------------------

void PI_configureNeedRelationInclude();   // PI_getFirstRelationInclude
void PI_configureNeedRelationBase();      // PI_getFirstRelationBase
void PI_configureNeedRelationCalls();     // PI_getFirstRelationCall
void PI_configureNeedRelationRefers();    // PI_getFirstRelationRefer, PI_hasRelationRefersSubject
void PI_configureNeedRelationClsMbr();    // PI_getFirstRelationClsMbr
void PI_configureNeedRelationClsMbrRef(); // PI_getFirstRelationClsMbrRef
void PI_configureNeedRelationClsMbrPtr(); // PI_getFirstRelationClsMbrPtr
void PI_configureNeedExternVar();         // PI_getFirstExternVar, PI_hasExternVarSubject
void PI_configureNeedMetric();            // the metric queries
void PI_configureNeedLiteral();           // PI_getFirstLiteral
void PI_configureNeedScopeEnclSymbol();   // PI_getScopeEnclSymbol

// ---------------------------------------------------------------------------
// Run information
// ---------------------------------------------------------------------------

// The source's file name as given on the command line.
const char* PI_getSourceFilename(PI_SourceHandle source);
// True for the cross-module analysis file itself, read as the last source.
bool PI_isSourceCrossModuleFilename(PI_SourceHandle source);
// The cross-module analysis file name; encoding 0: file-system name, 1: the run's text encoding.
const char* PI_getZUMCrossModuleFilename(int encoding);
// The output path of the run; encoding as above.
const char* PI_getZUMOutputPath(int encoding);

// ---------------------------------------------------------------------------
// Symbols
// ---------------------------------------------------------------------------

// All symbols, in creation order.
int PI_getFirstSymbol();
PI_SymbolHandle PI_getSymbolIterData(int iterator);
bool PI_getSymbolIterNext(int iterator);
bool PI_isSymbolIterEnd(int iterator);

// The definition when the symbol has one, else its last filed define.
PI_DefineHandle PI_getSymbolCurrentDefine(PI_SymbolHandle symbol);
// The symbol's defines, each once (a define iterator).
int PI_getSymbolFirstDefine(PI_SymbolHandle symbol);
// Whether `define` has redeclarations ("R" records) under the symbol.
bool PI_hasSymbolDefineRedeclList(PI_SymbolHandle symbol, PI_DefineHandle define);
// The redeclarations of `define` (a define iterator); there must be some.
int PI_getSymbolDefineFirstRedecl(PI_SymbolHandle symbol, PI_DefineHandle define);

PI_DefineHandle PI_getDefineIterData(int iterator);
bool PI_getDefineIterNext(int iterator);
bool PI_isDefineIterEnd(int iterator);

// The symbol whose qualified name is `scope` (as PI_getDefineScope gives it), or 0.
PI_SymbolHandle PI_getScopeEnclSymbol(const char* scope);

// ---------------------------------------------------------------------------
// Defines: names
// ---------------------------------------------------------------------------
// Qualified names separate scopes with "::". The outermost lists of each
// component are marked: template arguments by the bytes 0x8C ... 0x8D,
// parameter lists by 0x8E ... 0x8F with 0x90 between parameters. The name
// parts below keep the markers.

const char* PI_getDefineQualName(PI_DefineHandle define);
// The type string; tag types begin with "{", arrays are "[dim,element]".
const char* PI_getDefineType(PI_DefineHandle define);
const char* PI_getDefineFilename(PI_DefineHandle define);
int PI_getDefineLine(PI_DefineHandle define);
// The qualified name without its last component; "" at file scope.
const char* PI_getDefineScope(PI_DefineHandle define);
// A function's last component with its parameter list; else the identifier.
const char* PI_getDefineUnqualName(PI_DefineHandle define);
// The last component without its parameter list; template arguments stay.
const char* PI_getDefineIdentifier(PI_DefineHandle define);
// The last component up to its first list marker.
const char* PI_getDefineSimpleIdentifier(PI_DefineHandle define);
// The identifier's template argument list, markers included; "" when none.
const char* PI_getDefineTemplateParameters(PI_DefineHandle define);
// Template parameters, or a template argument list in the scope.
bool PI_isTemplateOrSpecialisation(PI_DefineHandle define);
// External linkage and identifier "main".
bool PI_isDefineMain(PI_DefineHandle define);
// Same file and line (null handles are not checked).
bool PI_hasDefineSameLocation(PI_DefineHandle a, PI_DefineHandle b);

// ---------------------------------------------------------------------------
// Defines: kind, scope, linkage, codes and flags
// ---------------------------------------------------------------------------

bool PI_isDefineBitfield(PI_DefineHandle define);  // type "nb" or "ub" (not checked for null)
bool PI_isDefineClass(PI_DefineHandle define);     // a tag of class or struct type
bool PI_isDefineStruct(PI_DefineHandle define);
bool PI_isDefineUnion(PI_DefineHandle define);
bool PI_isDefineTag(PI_DefineHandle define);
bool PI_isDefineTypedef(PI_DefineHandle define);
bool PI_isDefineFunction(PI_DefineHandle define);
bool PI_isDefineEnumerator(PI_DefineHandle define);
bool PI_isDefineMacro(PI_DefineHandle define);
bool PI_isDefineLabel(PI_DefineHandle define);
bool PI_isDefineVariable(PI_DefineHandle define);  // a variable or a member
bool PI_isDefineMember(PI_DefineHandle define);    // a member, or class scope

bool PI_hasDefineFileScope(PI_DefineHandle define);
bool PI_hasDefineBlockScope(PI_DefineHandle define);
bool PI_hasDefinePrototypeScope(PI_DefineHandle define);
bool PI_hasDefineClassScope(PI_DefineHandle define);
bool PI_hasDefineTemplateScope(PI_DefineHandle define);
bool PI_hasDefineNamespaceScope(PI_DefineHandle define);
bool PI_hasDefineExternalLinkage(PI_DefineHandle define);
bool PI_hasDefineInternalLinkage(PI_DefineHandle define);
bool PI_isDefineInHeader(PI_DefineHandle define);  // not in the source's main file

bool PI_isDefineDeclaration(PI_DefineHandle define);
bool PI_isDefineDefinition(PI_DefineHandle define);
bool PI_isDefineImplicit(PI_DefineHandle define);
bool PI_isDefineSpecialisation(PI_DefineHandle define);  // code "S" or "P"

bool PI_isDefineFunctionMacro(PI_DefineHandle define);
bool PI_isDefineObjectMacro(PI_DefineHandle define);
bool PI_isDefineInline(PI_DefineHandle define);
bool PI_isDefineVirtual(PI_DefineHandle define);
bool PI_isDefinePureVirtual(PI_DefineHandle define);
bool PI_hasDefineStaticStorage(PI_DefineHandle define);
bool PI_isDefinePOD(PI_DefineHandle define);
bool PI_isDefineAggregate(PI_DefineHandle define);
bool PI_isDefineFunctionParameter(PI_DefineHandle define);  // the flag, or prototype scope
bool PI_isDefineExplicitPublic(PI_DefineHandle define);
bool PI_isDefineExplicitProtected(PI_DefineHandle define);
bool PI_isDefineExplicitPrivate(PI_DefineHandle define);
bool PI_isDefineImplicitPublic(PI_DefineHandle define);
bool PI_isDefineImplicitPrivate(PI_DefineHandle define);

// ---------------------------------------------------------------------------
// Type strings
// ---------------------------------------------------------------------------

// "[dim,element]"; the type must not be empty.
bool PI_isTypeArray(const char* type);
// An array whose dimension is "?" or "0".
bool PI_isUndimArray(const char* type);
// The element type of an array, "[20,ni]" for "[10,[20,ni]]".
const char* PI_getArrayElemType(const char* type);
// The dimension of a dimensioned array, 10 for "[10,[20,ni]]".
int PI_getArrayDimension(const char* type);
// Types are interned: equal types are the same pointer.
bool PI_areTypesEqual(const char* a, const char* b);

// ---------------------------------------------------------------------------
// Relations: the object stands in the relation to the subject
// ("C": object calls subject, "X": object refers to subject, "B": object
// is the base class of subject, "V"/"R"/"P": object has subject as member
// by value / reference / pointer)
// ---------------------------------------------------------------------------

// Grouped by object name ("X": by subject name), reading order within a group.
int PI_getFirstRelationCall();
int PI_getFirstRelationRefer();
int PI_getFirstRelationBase();
int PI_getFirstRelationClsMbr();
int PI_getFirstRelationClsMbrRef();
int PI_getFirstRelationClsMbrPtr();
// The six relation kinds share one iterator container: these are one operation each.
PI_RelationHandle PI_getRelationCallsIterData(int iterator);
PI_RelationHandle PI_getRelationRefersIterData(int iterator);
PI_RelationHandle PI_getRelationBaseIterData(int iterator);
PI_RelationHandle PI_getRelationClsMbrIterData(int iterator);
PI_RelationHandle PI_getRelationClsMbrRefIterData(int iterator);
PI_RelationHandle PI_getRelationClsMbrPtrIterData(int iterator);
bool PI_getRelationCallsIterNext(int iterator);
bool PI_getRelationRefersIterNext(int iterator);
bool PI_getRelationBaseIterNext(int iterator);
bool PI_getRelationClsMbrIterNext(int iterator);
bool PI_getRelationClsMbrRefIterNext(int iterator);
bool PI_getRelationClsMbrPtrIterNext(int iterator);
bool PI_isRelationCallsIterEnd(int iterator);
bool PI_isRelationRefersIterEnd(int iterator);
bool PI_isRelationBaseIterEnd(int iterator);
bool PI_isRelationClsMbrIterEnd(int iterator);
bool PI_isRelationClsMbrRefIterEnd(int iterator);
bool PI_isRelationClsMbrPtrIterEnd(int iterator);

const char* PI_getRelationSubject(PI_RelationHandle relation);
const char* PI_getRelationObject(PI_RelationHandle relation);
int PI_getRelationLine(PI_RelationHandle relation);
PI_SymbolHandle PI_getRelationSubjectSymbol(PI_RelationHandle relation);
PI_SymbolHandle PI_getRelationObjectSymbol(PI_RelationHandle relation);
bool PI_isRelationRefersRead(PI_RelationHandle relation);
bool PI_isRelationRefersWrite(PI_RelationHandle relation);
bool PI_isRelationCallsVirtual(PI_RelationHandle relation);
// Some "X" relation has `symbol` as its subject.
bool PI_hasRelationRefersSubject(PI_SymbolHandle symbol);

// Include relations (object file includes subject file), ordered by file.
int PI_getFirstRelationInclude();
PI_RelationIncludeHandle PI_getRelationIncludeIterData(int iterator);
bool PI_getRelationIncludeIterNext(int iterator);
bool PI_isRelationIncludeIterEnd(int iterator);
const char* PI_getRelationIncludeSubject(PI_RelationIncludeHandle include);
const char* PI_getRelationIncludeObject(PI_RelationIncludeHandle include);
int PI_getRelationIncludeLine(PI_RelationIncludeHandle include);

// ---------------------------------------------------------------------------
// Extern variables: the object uses the extern variable subject
// ---------------------------------------------------------------------------

// Grouped by object name.
int PI_getFirstExternVar();
PI_ExternVarHandle PI_getExternVarIterData(int iterator);
bool PI_getExternVarIterNext(int iterator);
bool PI_isExternVarIterEnd(int iterator);
const char* PI_getExternVarSubject(PI_ExternVarHandle externVar);
const char* PI_getExternVarObject(PI_ExternVarHandle externVar);
int PI_getExternVarLine(PI_ExternVarHandle externVar);
PI_SymbolHandle PI_getExternVarSubjectSymbol(PI_ExternVarHandle externVar);
PI_SymbolHandle PI_getExternVarObjectSymbol(PI_ExternVarHandle externVar);
// Some extern-variable record has `symbol` as its subject.
bool PI_hasExternVarSubject(PI_SymbolHandle symbol);

// ---------------------------------------------------------------------------
// Allocations (handles given to OnAlloc)
// ---------------------------------------------------------------------------

const char* PI_getAllocQualName(PI_AllocHandle alloc);
const char* PI_getAllocFilename(PI_AllocHandle alloc);
int PI_getAllocLine(PI_AllocHandle alloc);
int PI_getAllocColumn(PI_AllocHandle alloc);
PI_SymbolHandle PI_getAllocObjectSymbol(PI_AllocHandle alloc);
bool PI_isAllocKindPlain(PI_AllocHandle alloc);
bool PI_isAllocKindArray(PI_AllocHandle alloc);
bool PI_isAllocKindOld(PI_AllocHandle alloc);
bool PI_isAllocKindUnknown(PI_AllocHandle alloc);

// ---------------------------------------------------------------------------
// Control graphs (handles given to OnControlGraph)
// ---------------------------------------------------------------------------

const char* PI_getControlGraphQualName(PI_ControlGraphHandle graph);
int PI_getControlGraphExits(PI_ControlGraphHandle graph);
PI_SymbolHandle PI_getControlGraphObjectSymbol(PI_ControlGraphHandle graph);
// The graph's line numbers.
int PI_getFirstControlGraphLine(PI_ControlGraphHandle graph);
int PI_getControlGraphLinesIterData(int iterator);
bool PI_getControlGraphLinesIterNext(int iterator);
bool PI_isControlGraphLinesIterEnd(int iterator);
// The graph's edges.
int PI_getFirstControlGraphEdge(PI_ControlGraphHandle graph);
PI_ControlGraphEdgeHandle PI_getControlGraphEdgesIterData(int iterator);
bool PI_getControlGraphEdgesIterNext(int iterator);
bool PI_isControlGraphEdgesIterEnd(int iterator);
int PI_getControlGraphEdgeStart(PI_ControlGraphEdgeHandle edge);
int PI_getControlGraphEdgeEnd(PI_ControlGraphEdgeHandle edge);

// ---------------------------------------------------------------------------
// Literals: each place (file, line, column) once, in that order
// ---------------------------------------------------------------------------

int PI_getFirstLiteral();
PI_LiteralHandle PI_getLiteralIterData(int iterator);
bool PI_getLiteralIterNext(int iterator);
bool PI_isLiteralIterEnd(int iterator);

// These six do not check for null handles.
const char* PI_getLiteral(PI_LiteralHandle literal);  // the text as written, quotes kept
const char* PI_getLiteralType(PI_LiteralHandle literal);
const char* PI_getLiteralFilename(PI_LiteralHandle literal);
int PI_getLiteralLine(PI_LiteralHandle literal);
int PI_getLiteralColumn(PI_LiteralHandle literal);
bool PI_isLiteralInHeader(PI_LiteralHandle literal);

// The suffix as written; only for a literal that has one.
const char* PI_getLiteralSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralLongSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralLongLongSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralUnsignedSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralFloatingSuffix(PI_LiteralHandle literal);
bool PI_hasLiteralSign(PI_LiteralHandle literal);
bool PI_isLiteralPositive(PI_LiteralHandle literal);
bool PI_isLiteralNegative(PI_LiteralHandle literal);
bool PI_isLiteralDecimal(PI_LiteralHandle literal);
bool PI_isLiteralHex(PI_LiteralHandle literal);
bool PI_isLiteralOctal(PI_LiteralHandle literal);
bool PI_isLiteralCharacter(PI_LiteralHandle literal);
bool PI_isLiteralString(PI_LiteralHandle literal);
bool PI_isLiteralFloating(PI_LiteralHandle literal);
bool PI_isLiteralBinary(PI_LiteralHandle literal);
bool PI_isLiteralEscaped(PI_LiteralHandle literal);
bool PI_isLiteralWide(PI_LiteralHandle literal);
bool PI_isLiteralContextMacro(PI_LiteralHandle literal);
bool PI_isLiteralContextArrayDimension(PI_LiteralHandle literal);
bool PI_isLiteralContextBitfield(PI_LiteralHandle literal);
bool PI_isLiteralContextEnumerator(PI_LiteralHandle literal);
bool PI_isLiteralContextScalarInitialiser(PI_LiteralHandle literal);
bool PI_isLiteralContextArrayInitialiser(PI_LiteralHandle literal);
bool PI_isLiteralContextStructInitialiser(PI_LiteralHandle literal);
bool PI_isLiteralContextUnionInitialiser(PI_LiteralHandle literal);
bool PI_isLiteralContextPreProcExpr(PI_LiteralHandle literal);
bool PI_isLiteralContextCaseLabel(PI_LiteralHandle literal);
bool PI_isLiteralContextOther(PI_LiteralHandle literal);
bool PI_hasLiteralFileScope(PI_LiteralHandle literal);
bool PI_hasLiteralBlockScope(PI_LiteralHandle literal);
bool PI_hasLiteralPrototypeScope(PI_LiteralHandle literal);
bool PI_hasLiteralClassScope(PI_LiteralHandle literal);
bool PI_hasLiteralTemplateScope(PI_LiteralHandle literal);
bool PI_hasLiteralNamespaceScope(PI_LiteralHandle literal);

// ---------------------------------------------------------------------------
// Metrics of the per-source metric files
// ---------------------------------------------------------------------------
// The qualified name is a function's or class's name as written (it is
// marked like a name field), or a file name for file-level metrics. A
// missing metric gives 0, 0.0 or a null string.

int PI_getMetricIntegralValue(const char* qualName, const char* metricName);
double PI_getMetricFloatingValue(const char* qualName, const char* metricName);
const char* PI_getMetricStringValue(const char* qualName, const char* metricName);
bool PI_hasMetric(const char* qualName, const char* metricName);

// ---------------------------------------------------------------------------
// Locations (of suppression records)
// ---------------------------------------------------------------------------

const char* PI_getLocationFilename(PI_LocationHandle location);
int PI_getLocationLine(PI_LocationHandle location);
int PI_getLocationColumn(PI_LocationHandle location);

// ---------------------------------------------------------------------------
// Diagnostics
// ---------------------------------------------------------------------------
// A module reports a finding by making a diagnostic, adding its parameters
// in the order of the message text, and handing it to PI_warn:
//
//   PI_DiagnosticHandle d = PI_createDiagnostic(1503, file, line);
//   PI_addDiagnosticParamName(d, name);
//   PI_warn(d);   // d is invalid from here on
//
// Handles delivered by the diagnostic events belong to zum and stay valid
// for the run; PI_warn reports such a handle without invalidating it.

// A new diagnostic at (file, line, column 0) without parameters. The file
// name "" is the project location. A null file name fails an assertion.
PI_DiagnosticHandle PI_createDiagnostic(int message, const char* filename, int line);
// Appends a text parameter.
void PI_addDiagnosticParamName(PI_DiagnosticHandle diagnostic, const char* name);
// Appends a copy of `listed` as a parameter (a message list of one).
void PI_addDiagnosticParamDiag(PI_DiagnosticHandle diagnostic, PI_DiagnosticHandle listed);
// Reports the diagnostic through the project output (an error bypasses the
// output's filters) and destroys a handle made by PI_createDiagnostic.
void PI_warn(PI_DiagnosticHandle diagnostic);
int PI_getDiagnosticID(PI_DiagnosticHandle diagnostic);
// The file the diagnostic is reported for ("" without a location).
const char* PI_getDiagnosticFilename(PI_DiagnosticHandle diagnostic);
// The diagnostic as text, by a format string: "%f:%l: %t" gives file, line
// and the message text with its parameters filled in. The language (in
// messages/FormatLexer.h): %g level, %n message number, %N the number with
// 4 digits, %f %F %B file as given / absolute / base name, %l line, %c
// column, %C column - 1, %^ a caret line, %t text, %v second text (a hint),
// %wN %WN %sN break lines at N (hard / at blanks) or cut at N, %i(text)
// continuation of broken lines, %q %Q remember / forget this location,
// %R(%x,text) text repeated by the value of %x, %% a '%', and conditions
// %?x[op N]%(then%:else%) on g n F l L c C v h u w W s. A format with an
// error ends the run (the exception "Error in format string '...'").
// The result is interned.
const char* PI_getDiagnosticAsString(PI_DiagnosticHandle diagnostic, const char* format);

// ---------------------------------------------------------------------------
// Suppression records (handles given to OnSuppressionRecord and
// OnSuppressionRecordDiagnostic)
// ---------------------------------------------------------------------------

// 0: a location annotation, 1: a suppression of message ranges; others as
// the per-file analyser wrote them.
int PI_getSuppressionRecordKind(PI_SuppressionRecordHandle record);
// The annotation's text.
const char* PI_getSuppressionRecordTag(PI_SuppressionRecordHandle record);
// Where the annotation stands; where its region begins; where it ends (0
// for a record without an end location).
PI_LocationHandle PI_getSuppressionRecordTagLocation(PI_SuppressionRecordHandle record);
PI_LocationHandle PI_getSuppressionRecordFromLocation(PI_SuppressionRecordHandle record);
PI_LocationHandle PI_getSuppressionRecordToLocation(PI_SuppressionRecordHandle record);
// The message ranges, each a first and a last message number; an index
// outside 0 .. count-1 fails an assertion.
int PI_getSuppressionMessageRangeCount(PI_SuppressionRecordHandle record);
int PI_getSuppressionMessageRangeStart(PI_SuppressionRecordHandle record, int index);
int PI_getSuppressionMessageRangeEnd(PI_SuppressionRecordHandle record, int index);

// ---------------------------------------------------------------------------
// Module options: every "-prodoption KEY::VALUE" of the command line files
// VALUE under KEY, in command-line order. A value is a name, optionally
// followed by one separator out of " ", "+", "-", "=" and the rest:
//
//   for (int it = PI_getFirstOption("Mod"); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it)) {
//     PI_OptionHandle option = PI_getOptionIterData(it);
//     if (strcmp(PI_getOptionName(option), "Level") == 0) level = atoi(PI_getOptionValue(option));
//   }
// ---------------------------------------------------------------------------

// The values filed under `key`; an unknown key gives an iterator at its end.
int PI_getFirstOption(const char* key);
PI_OptionHandle PI_getOptionIterData(int iterator);
bool PI_getOptionIterNext(int iterator);
bool PI_isOptionIterEnd(int iterator);
// The whole value ("Level=3").
const char* PI_getOption(PI_OptionHandle option);
// The text before the separator ("Level"); the whole value without one.
const char* PI_getOptionName(PI_OptionHandle option);
// True without a separator or with "+", false with "-"; any other
// separator fails an assertion.
bool PI_isOptionTrue(PI_OptionHandle option);
// The text after a " " or "=" separator ("3"); other forms fail an assertion.
const char* PI_getOptionValue(PI_OptionHandle option);

}  // extern "C"
