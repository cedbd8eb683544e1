// The numbers of the messages that the cross-module checks raise, and of
// the per-file analyser's messages that the project metrics count.
#pragma once

namespace zum::msg {

// Unused external declarations and definitions.
inline constexpr int kUnusedDeclaredObject = 1500;
inline constexpr int kUnusedDeclaredFunction = 1501;
inline constexpr int kUnusedDefinedObject = 1502;
inline constexpr int kUnusedDefinedFunction = 1503;

// Externals whose every use lies in one file, or objects used by one function.
inline constexpr int kObjectUsedInOwnFile = 1504;
inline constexpr int kFunctionUsedInOwnFile = 1505;
inline constexpr int kObjectUsedByOneFunctionInOwnFile = 1514;
inline constexpr int kObjectUsedInOneOtherFile = 1531;
inline constexpr int kFunctionUsedInOneOtherFile = 1532;
inline constexpr int kObjectUsedByOneFunctionInOtherFile = 1533;

// One name with several declarations: a typedef name reused by another
// define, by typedefs of several types, by typedefs of one type at several
// places; a definition at several places; incompatible declarations; an
// external declared more than once, and never defined.
inline constexpr int kTypedefNameReused = 1506;
inline constexpr int kTypedefNameReusedForTypes = 1507;
inline constexpr int kTypedefNameRepeated = 1508;
inline constexpr int kDuplicateDefinition = 1509;
inline constexpr int kIncompatibleDeclaration = 1510;
inline constexpr int kDuplicateDeclaration = 1512;
inline constexpr int kDuplicateDeclarationUndefined = 1513;

// Files of the project with one base name.
inline constexpr int kDuplicateFilename = 1515;
inline constexpr int kDuplicateFilenameIgnoringCase = 1516;
inline constexpr int kForwardHeader = 1517;

// One unqualified name for objects or functions of different linkage or
// storage.
inline constexpr int kExternalAndInternal = 1525;
inline constexpr int kExternalAndNoLinkage = 1526;
inline constexpr int kInternalTwice = 1527;
inline constexpr int kInternalAndNoLinkage = 1528;
inline constexpr int kStaticAndLocal = 1529;
inline constexpr int kUnnamedNamespaceAndInternal = 1720;
inline constexpr int kUnnamedNamespaceAndNoLinkage = 1721;

// Recursion.
inline constexpr int kIndirectRecursion = 1520;
inline constexpr int kDirectRecursion = 1521;

// Allocation mismatch and its sub-messages.
inline constexpr int kAllocationMismatch = 1530;
inline constexpr int kPlainAllocation = 3966;
inline constexpr int kArrayAllocation = 3967;
inline constexpr int kOldAllocation = 3968;

// Initialisation order: an object initialised from another object, or
// through functions its initialiser calls, that may not be ready yet.
inline constexpr int kInitialisedFromOtherFile = 1550;
inline constexpr int kInitialisedFromLaterInFile = 1551;
inline constexpr int kBuiltFromOtherFile = 1552;
inline constexpr int kBuiltFromLaterInFile = 1553;
inline constexpr int kInitialisedFromUndefined = 1554;
inline constexpr int kCalledUsesLaterInFile = 1555;
inline constexpr int kCalledUsesBuiltLaterInFile = 1556;
inline constexpr int kCalledUsesOtherFile = 1557;
inline constexpr int kCalledUsesBuiltInOtherFile = 1558;
inline constexpr int kCalledUsesUndefined = 1559;

// Identifiers a reader could confuse.
inline constexpr int kIdentifiersTooSimilar = 1710;
inline constexpr int kIdentifiersSimilarToN = 1711;

// C++ classes: default constructors, implicit copy functions, templates
// and inline definitions, member encapsulation.
inline constexpr int kUnusedDefaultConstructor = 1700;
inline constexpr int kUnusedImplicitCopyConstructor = 1701;
inline constexpr int kUnusedImplicitCopyAssignment = 1702;
inline constexpr int kTemplateDerivedInOtherFile = 1730;
inline constexpr int kDefinedAtSeveralPlaces = 1750;
inline constexpr int kMemberEncapsulation = 1760;

// Sub-messages of message lists.
inline constexpr int kFile = 1578;
inline constexpr int kUse = 1579;
inline constexpr int kCall = 1580;
inline constexpr int kListedDefine = 1581;
inline constexpr int kDefinition = 1593;
inline constexpr int kDeclaration = 1594;
inline constexpr int kTemplateOfOrigin = 1597;

// Messages of the per-file analyser that the project metrics count.
inline constexpr int kEntryPointDiagnostic = 3219;
inline constexpr int kRecursionDiagnostic = 3670;

}  // namespace zum::msg
