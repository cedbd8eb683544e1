// What a function body does: the declarations and labels in it, the
// relations of the function to what it calls ("C", and "X" as a call is a
// use too) and uses ("X" with read and write flags), the initialiser
// dependencies of its static variables (EXTV), allocations, and the counts
// behind its metrics.
#include <clang/AST/ExprCXX.h>
#include <clang/AST/StmtCXX.h>

#include <optional>

#include "ast/RecordMaker.h"
#include "core/Records.h"

namespace scan {

namespace {

const char* accessFlags(bool read, bool write) {
  if (read && write) return "RW";
  if (write) return "W";
  if (read) return "R";
  return "";
}

// The literal context of what initialises an object of `type`.
char initialiserContext(clang::QualType type) {
  type = type.getCanonicalType();
  if (type->isArrayType()) return 'A';
  if (type->isUnionType()) return 'U';
  if (type->isRecordType()) return 'S';
  return 'O';
}

bool isLiteral(const clang::Expr* expr) {
  return llvm::isa<clang::IntegerLiteral>(expr) || llvm::isa<clang::FloatingLiteral>(expr) ||
         llvm::isa<clang::CharacterLiteral>(expr) || llvm::isa<clang::StringLiteral>(expr) ||
         llvm::isa<clang::FixedPointLiteral>(expr);
}

// malloc and its kin: the C ways of allocating an object.
bool isAllocator(const clang::FunctionDecl* function) {
  if (!function || !function->getIdentifier() || !function->getDeclContext()->isTranslationUnit()) return false;
  llvm::StringRef name = function->getName();
  return name == "malloc" || name == "calloc" || name == "realloc" || name == "aligned_alloc";
}

// The struct or union a "sizeof (struct node)" among the arguments names,
// for an allocation whose result is not converted to a typed pointer.
const clang::TagDecl* sizedTag(const clang::Expr* expr) {
  expr = expr->IgnoreParenImpCasts();
  if (const auto* size = llvm::dyn_cast<clang::UnaryExprOrTypeTraitExpr>(expr)) {
    if (size->getKind() != clang::UETT_SizeOf) return nullptr;
    const auto* record = size->getTypeOfArgument()->getAs<clang::RecordType>();
    return record ? record->getDecl() : nullptr;
  }
  if (const auto* binary = llvm::dyn_cast<clang::BinaryOperator>(expr)) {
    if (const clang::TagDecl* tag = sizedTag(binary->getLHS())) return tag;
    return sizedTag(binary->getRHS());
  }
  return nullptr;
}

}  // namespace

// A function of a template's instance is the template's function as
// written: that is what the unit declares, and what a use of any instance
// uses.
const clang::FunctionDecl* written(const clang::FunctionDecl* function) {
  if (!function) return function;
  const clang::FunctionDecl* pattern = function->getTemplateInstantiationPattern();
  return pattern ? pattern : function;
}

const clang::NamedDecl* written(const clang::NamedDecl* decl) {
  if (const auto* function = llvm::dyn_cast<clang::FunctionDecl>(decl)) return written(function);
  // A member of a class template's instance: the template's member.
  if (const auto* field = llvm::dyn_cast<clang::FieldDecl>(decl)) {
    const auto* instance = llvm::dyn_cast<clang::ClassTemplateSpecializationDecl>(field->getParent());
    if (!instance || instance->getSpecializationKind() == clang::TSK_ExplicitSpecialization) return decl;
    const clang::CXXRecordDecl* pattern = instance->getSpecializedTemplate()->getTemplatedDecl();
    for (const clang::NamedDecl* found : pattern->lookup(field->getDeclName()))
      if (llvm::isa<clang::FieldDecl>(found)) return found;
    return decl;
  }
  // A parameter of an instance's function: the template function's.
  if (const auto* parameter = llvm::dyn_cast<clang::ParmVarDecl>(decl)) {
    const auto* function = llvm::dyn_cast<clang::FunctionDecl>(parameter->getDeclContext());
    const clang::FunctionDecl* pattern = function ? function->getTemplateInstantiationPattern() : nullptr;
    if (pattern && parameter->getFunctionScopeIndex() < pattern->getNumParams())
      return pattern->getParamDecl(parameter->getFunctionScopeIndex());
  }
  return decl;
}

namespace {

// The variable or member an expression names, when it is just that.
const clang::NamedDecl* namedObject(const clang::Expr* expr) {
  expr = expr->IgnoreParenImpCasts();
  if (const auto* ref = llvm::dyn_cast<clang::DeclRefExpr>(expr)) return ref->getDecl();
  if (const auto* member = llvm::dyn_cast<clang::MemberExpr>(expr)) return member->getMemberDecl();
  return nullptr;
}

// The value of a condition the compiler knows, as it decides which branch
// is code at all: "sizeof (int) == sizeof (long) && f ()" never calls f.
std::optional<bool> constantCondition(const clang::Expr* condition, const clang::ASTContext& context) {
  if (condition->isValueDependent() || condition->isTypeDependent() || condition->HasSideEffects(context))
    return std::nullopt;
  bool value = false;
  if (!condition->EvaluateAsBooleanCondition(value, context)) return std::nullopt;
  return value;
}

// "(void) f;": the idiom that marks a name as deliberately unused.
bool isDiscardedName(const clang::Expr* expr) {
  const auto* cast = llvm::dyn_cast<clang::CStyleCastExpr>(expr);
  if (!cast || !cast->getType()->isVoidType()) return false;
  const clang::Expr* operand = cast->getSubExpr()->IgnoreParenImpCasts();
  return llvm::isa<clang::DeclRefExpr>(operand) || llvm::isa<clang::MemberExpr>(operand);
}

}  // namespace

void RecordMaker::branch(Walk& walk) {
  if (walk.tally) ++walk.tally->decisions;
}

void RecordMaker::walkCode(const clang::FunctionDecl* function, const std::string& owner, FunctionTally& tally) {
  Walk walk;
  walk.function = function;
  walk.owner = &owner;
  walk.tally = &tally;
  walk.scope = 'B';
  if (const auto* constructor = llvm::dyn_cast<clang::CXXConstructorDecl>(function)) initialisers(constructor, walk);
  statement(function->getBody(), walk);
}

void RecordMaker::body(const clang::FunctionDecl* decl) {
  FunctionTally tally;
  walkCode(decl, names_.of(decl), tally);
  functionMetrics(decl, tally);
  controlGraph(decl);
}

void RecordMaker::statement(const clang::Stmt* stmt, Walk& walk) {
  if (!stmt) return;
  if (const auto* expr = llvm::dyn_cast<clang::Expr>(stmt)) {
    expression(expr, Access::Read, 'X', walk);
    return;
  }
  switch (stmt->getStmtClass()) {
    case clang::Stmt::DeclStmtClass:
      for (const clang::Decl* decl : llvm::cast<clang::DeclStmt>(stmt)->decls()) declaration(decl, &walk);
      return;
    case clang::Stmt::LabelStmtClass: {
      const auto* label = llvm::cast<clang::LabelStmt>(stmt);
      if (const Place place = places_.expansion(label->getIdentLoc()))
        writeDefine(names_.of(label->getDecl()), place, 'F', "LB", 'N', 'N', "", "");
      statement(label->getSubStmt(), walk);
      return;
    }
    case clang::Stmt::CaseStmtClass: {
      const auto* caseStmt = llvm::cast<clang::CaseStmt>(stmt);
      branch(walk);
      expression(caseStmt->getLHS(), Access::Read, 'C', walk);
      expression(caseStmt->getRHS(), Access::Read, 'C', walk);
      statement(caseStmt->getSubStmt(), walk);
      return;
    }
    case clang::Stmt::IfStmtClass:
    case clang::Stmt::WhileStmtClass:
    case clang::Stmt::ForStmtClass:
    case clang::Stmt::DoStmtClass:
    case clang::Stmt::CXXForRangeStmtClass:
    case clang::Stmt::CXXCatchStmtClass:
      branch(walk);
      break;
    default:
      break;
  }
  for (const clang::Stmt* child : stmt->children()) statement(child, walk);
}

void RecordMaker::initialiser(const clang::Expr* init, const clang::VarDecl* variable, Walk& walk) {
  if (const auto* made = llvm::dyn_cast<clang::CXXNewExpr>(init->IgnoreParenImpCasts()))
    allocationTargets_[made] = variable;
  expression(init, Access::Read, initialiserContext(variable->getType()), walk);
}

void RecordMaker::expression(const clang::Expr* expr, Access access, char context, Walk& walk) {
  if (!expr) return;
  if (isLiteral(expr)) {
    literal(expr, context, '-', walk);
    return;
  }
  if (isDiscardedName(expr)) return;
  switch (expr->getStmtClass()) {
    case clang::Stmt::DeclRefExprClass: {
      const auto* ref = llvm::cast<clang::DeclRefExpr>(expr);
      use(ref->getDecl(), ref->getLocation(), access, walk);
      return;
    }
    case clang::Stmt::MemberExprClass: {
      const auto* member = llvm::cast<clang::MemberExpr>(expr);
      use(member->getMemberDecl(), member->getMemberLoc(), access, walk);
      // "s.x = 1" writes s; "p->x = 1" only reads p.
      expression(member->getBase(), member->isArrow() ? Access::Read : access, context, walk);
      return;
    }
    case clang::Stmt::ArraySubscriptExprClass: {
      const auto* subscript = llvm::cast<clang::ArraySubscriptExpr>(expr);
      // "a[i] = 1" writes the array a, but only reads a pointer.
      const clang::Expr* base = subscript->getBase()->IgnoreParens();
      const auto* decay = llvm::dyn_cast<clang::ImplicitCastExpr>(base);
      if (decay && decay->getCastKind() == clang::CK_ArrayToPointerDecay)
        expression(decay->getSubExpr(), access, context, walk);
      else
        expression(base, Access::Read, context, walk);
      expression(subscript->getIdx(), Access::Read, context, walk);
      return;
    }
    case clang::Stmt::UnaryOperatorClass: {
      const auto* unary = llvm::cast<clang::UnaryOperator>(expr);
      const clang::Expr* operand = unary->getSubExpr();
      if (unary->isIncrementDecrementOp()) {
        expression(operand, Access::ReadWrite, context, walk);
      } else if (unary->getOpcode() == clang::UO_AddrOf) {
        expression(operand, Access::Address, context, walk);
      } else if ((unary->getOpcode() == clang::UO_Minus || unary->getOpcode() == clang::UO_Plus) &&
                 isLiteral(operand->IgnoreParens())) {
        literal(operand->IgnoreParens(), context, unary->getOpcode() == clang::UO_Minus ? 'N' : 'P', walk);
      } else {
        expression(operand, Access::Read, context, walk);
      }
      return;
    }
    case clang::Stmt::BinaryOperatorClass:
    case clang::Stmt::CompoundAssignOperatorClass: {
      const auto* binary = llvm::cast<clang::BinaryOperator>(expr);
      const Access left = binary->getOpcode() == clang::BO_Assign ? Access::Write
                          : binary->isCompoundAssignmentOp()      ? Access::ReadWrite
                                                                  : Access::Read;
      // "p = new T": what the new allocates is p's.
      if (binary->getOpcode() == clang::BO_Assign)
        if (const auto* made = llvm::dyn_cast<clang::CXXNewExpr>(binary->getRHS()->IgnoreParenImpCasts()))
          if (const clang::NamedDecl* target = namedObject(binary->getLHS())) allocationTargets_[made] = target;
      expression(binary->getLHS(), left, context, walk);
      if (!binary->isLogicalOp()) {
        expression(binary->getRHS(), Access::Read, context, walk);
        return;
      }
      branch(walk);
      // "0 && f ()", "1 || f ()": f is never called.
      const std::optional<bool> known = constantCondition(binary->getLHS(), context_);
      const bool reached = !known || *known == (binary->getOpcode() == clang::BO_LAnd);
      Walk unreached = walk;
      unreached.owner = nullptr;
      expression(binary->getRHS(), Access::Read, context, reached ? walk : unreached);
      return;
    }
    case clang::Stmt::ConditionalOperatorClass:
    case clang::Stmt::BinaryConditionalOperatorClass: {
      const auto* conditional = llvm::cast<clang::AbstractConditionalOperator>(expr);
      branch(walk);
      expression(conditional->getCond(), Access::Read, context, walk);
      // Of a condition the compiler knows, only one branch is code.
      const std::optional<bool> known = constantCondition(conditional->getCond(), context_);
      Walk unreached = walk;
      unreached.owner = nullptr;
      if (const auto* plain = llvm::dyn_cast<clang::ConditionalOperator>(expr))
        expression(plain->getTrueExpr(), access, context, !known || *known ? walk : unreached);
      expression(conditional->getFalseExpr(), access, context, !known || !*known ? walk : unreached);
      return;
    }
    case clang::Stmt::CallExprClass:
    case clang::Stmt::CXXMemberCallExprClass:
    case clang::Stmt::CXXOperatorCallExprClass:
      call(llvm::cast<clang::CallExpr>(expr), walk);
      return;
    case clang::Stmt::CXXConstructExprClass:
    case clang::Stmt::CXXTemporaryObjectExprClass:
      construction(llvm::cast<clang::CXXConstructExpr>(expr), walk);
      return;
    case clang::Stmt::CXXNewExprClass: {
      const auto* made = llvm::cast<clang::CXXNewExpr>(expr);
      newAllocation(made, walk);
      for (const clang::Stmt* child : made->children())
        if (const auto* sub = llvm::dyn_cast_or_null<clang::Expr>(child)) expression(sub, Access::Read, context, walk);
      return;
    }
    case clang::Stmt::CXXDeleteExprClass: {
      const auto* freed = llvm::cast<clang::CXXDeleteExpr>(expr);
      allocationOf(freed->getArgument(), freed->isArrayForm() ? AllocKind::Array : AllocKind::Plain,
                   freed->getBeginLoc(), walk);
      destroyed(freed->getDestroyedType(), freed->getBeginLoc(), true, walk);
      expression(freed->getArgument(), Access::Read, context, walk);
      return;
    }
    case clang::Stmt::ImplicitCastExprClass:
    case clang::Stmt::CStyleCastExprClass: {
      const auto* cast = llvm::cast<clang::CastExpr>(expr);
      const clang::Expr* operand = cast->getSubExpr();
      // An allocation converted to a typed pointer says what it allocates.
      if (const auto* made = llvm::dyn_cast<clang::CallExpr>(operand->IgnoreParens());
          made && isAllocator(made->getDirectCallee()) && expr->getType()->isPointerType())
        allocation(made, expr, walk);
      switch (cast->getCastKind()) {
        case clang::CK_LValueToRValue: access = Access::Read; break;
        case clang::CK_ArrayToPointerDecay: access = Access::Address; break;
        default: break;
      }
      expression(operand, access, context, walk);
      return;
    }
    case clang::Stmt::CXXBindTemporaryExprClass: {
      // A temporary of a class with a destructor is destroyed at the end
      // of the full expression.
      const auto* temporary = llvm::cast<clang::CXXBindTemporaryExpr>(expr);
      expression(temporary->getSubExpr(), access, context, walk);
      destroyed(temporary->getType(), temporary->getBeginLoc(), false, walk);
      return;
    }
    case clang::Stmt::ParenExprClass:
      expression(llvm::cast<clang::ParenExpr>(expr)->getSubExpr(), access, context, walk);
      return;
    case clang::Stmt::InitListExprClass: {
      const auto* list = llvm::cast<clang::InitListExpr>(expr);
      const char inner = initialiserContext(list->getType());
      for (const clang::Expr* init : list->inits()) expression(init, Access::Read, inner, walk);
      return;
    }
    case clang::Stmt::UnaryExprOrTypeTraitExprClass: {
      // sizeof x names x without reading or writing it.
      const auto* trait = llvm::cast<clang::UnaryExprOrTypeTraitExpr>(expr);
      if (!trait->isArgumentType()) expression(trait->getArgumentExpr(), Access::Address, context, walk);
      return;
    }
    case clang::Stmt::StmtExprClass:
      statement(llvm::cast<clang::StmtExpr>(expr)->getSubStmt(), walk);
      return;
    default:
      break;
  }
  for (const clang::Stmt* child : expr->children()) {
    if (const auto* sub = llvm::dyn_cast_or_null<clang::Expr>(child))
      expression(sub, Access::Read, context, walk);
    else
      statement(child, walk);
  }
}

void RecordMaker::call(const clang::CallExpr* callExpr, Walk& walk) {
  if (walk.tally) ++walk.tally->calls;
  const clang::FunctionDecl* callee = written(callExpr->getDirectCallee());
  const clang::Expr* calleeExpr = callExpr->getCallee()->IgnoreParenImpCasts();
  const auto* member = llvm::dyn_cast<clang::MemberExpr>(calleeExpr);
  const bool direct = callee && (llvm::isa<clang::DeclRefExpr>(calleeExpr) || member);
  // "p->f ()" reads p; a virtual function called through an object, not
  // named with its class, is a virtual call.
  if (direct && member) expression(member->getBase(), Access::Read, 'X', walk);
  const auto* method = llvm::dyn_cast_or_null<clang::CXXMethodDecl>(callee);
  const bool isVirtual = member && method && method->isVirtual() && !member->hasQualifier();
  if (!direct) {
    expression(callExpr->getCallee(), Access::Read, 'X', walk);
  } else if (library_.isLibraryInstance(callExpr->getDirectCallee())) {
    throughLibrary(callExpr->getDirectCallee(), callExpr->getBeginLoc(), walk);
  } else if (walk.initialiser) {
    // A static object's initialiser depends on the function it calls.
    use(callee, calleeExpr->getExprLoc(), Access::Read, walk);
  } else if (const bool recursive = walk.function && callee->getCanonicalDecl() == walk.function->getCanonicalDecl();
             calledAt(callee, callExpr->getBeginLoc(), isVirtual ? "V" : "", !recursive, walk) && recursive) {
    if (const Place at = places_.expansion(callExpr->getBeginLoc()); at.file->main)
      findings_.diagnostics.push_back({kRecursiveCall, at.file->path, at.line, at.column, names_.of(callee)});
  }
  for (const clang::Expr* argument : callExpr->arguments()) expression(argument, Access::Read, 'X', walk);
  if (direct && isAllocator(callee)) allocation(callExpr, nullptr, walk);
}

bool RecordMaker::calledAt(const clang::FunctionDecl* callee, clang::SourceLocation at, const char* flags, bool use,
                           Walk& walk) {
  const Place place = places_.expansion(at);
  if (!place || !walk.owner || !ensureDeclared(callee)) return false;
  const std::string& name = names_.of(callee);
  relation('C', name, place.line, flags, walk);
  relation('X', name, place.line, "", walk);
  if (use) used_.insert(callee->getCanonicalDecl());
  return true;
}

void RecordMaker::destroyed(clang::QualType type, clang::SourceLocation at, bool throughPointer, Walk& walk) {
  const auto* record = type.isNull() ? nullptr : type->getBaseElementTypeUnsafe()->getAsCXXRecordDecl();
  if (walk.initialiser || !record || !record->hasDefinition()) return;
  const clang::CXXDestructorDecl* destructor = record->getDestructor();
  if (!destructor) return;
  if (library_.isLibraryInstance(destructor))
    throughLibrary(destructor, at, walk);
  else
    calledAt(written(destructor), at, throughPointer && destructor->isVirtual() ? "V" : "", true, walk);
}

void RecordMaker::throughLibrary(const clang::FunctionDecl* entry, clang::SourceLocation at, Walk& walk) {
  if (!walk.owner) return;
  for (const clang::FunctionDecl* reached : library_.reachedFrom(entry)) {
    const clang::FunctionDecl* callee = written(reached);
    if (walk.initialiser)
      use(callee, at, Access::Read, walk);
    else
      calledAt(callee, at, "", true, walk);
  }
}

void RecordMaker::use(const clang::NamedDecl* used, clang::SourceLocation at, Access access, Walk& walk) {
  if (!walk.owner) return;
  used = written(used);
  if (!llvm::isa<clang::VarDecl>(used) && !llvm::isa<clang::FunctionDecl>(used) && !llvm::isa<clang::FieldDecl>(used))
    return;
  if (!ensureDeclared(used)) return;
  const Place place = places_.expansion(at);
  if (!place) return;
  if (llvm::isa<clang::FunctionDecl>(used) &&
      (!walk.function || used->getCanonicalDecl() != walk.function->getCanonicalDecl()))
    used_.insert(used->getCanonicalDecl());
  const std::string& name = names_.of(used);
  if (walk.initialiser) {
    scan::writeExternVar(out(), *walk.owner, name, place.line);
    return;
  }
  relation('X', name, place.line,
           accessFlags(access == Access::Read || access == Access::ReadWrite,
                       access == Access::Write || access == Access::ReadWrite),
           walk);
}

void RecordMaker::relation(char kind, const std::string& subject, int line, const char* flags, Walk& walk) {
  std::string text;
  scan::writeRelation(text, kind, *walk.owner, subject, line, flags);
  if (walk.tally && !walk.tally->relations.insert(text).second) return;
  out() += text;
}

void RecordMaker::allocation(const clang::CallExpr* call, const clang::Expr* result, Walk& walk) {
  // The typed result wins; the call itself looks at its size arguments
  // only when nothing converted its result.
  if (!result && allocationsTyped_.contains(call)) return;
  const clang::TagDecl* tag = nullptr;
  if (result) {
    allocationsTyped_.insert(call);
    const auto* record = result->getType()->getPointeeType()->getAs<clang::RecordType>();
    tag = record ? record->getDecl() : nullptr;
  } else {
    for (const clang::Expr* argument : call->arguments())
      if ((tag = sizedTag(argument))) break;
  }
  const Place place = places_.expansion(call->getBeginLoc());
  if (!tag || !place || !walk.owner || !ensureDeclared(tag)) return;
  scan::writeAlloc(out(), names_.ofTag(tag), AllocKind::Old, place.file->path, place.line, place.column);
}

}  // namespace scan

namespace scan {

void RecordMaker::initialisers(const clang::CXXConstructorDecl* constructor, Walk& walk) {
  for (const clang::CXXCtorInitializer* init : constructor->inits()) {
    // A member the constructor names is written; one it leaves to the
    // compiler is only built (a call of its class's constructor).
    if (clang::FieldDecl* member = init->getMember(); member && init->isWritten()) {
      use(member, init->getMemberLocation(), Access::Write, walk);
      if (const auto* made = llvm::dyn_cast<clang::CXXNewExpr>(init->getInit()->IgnoreParenImpCasts()))
        allocationTargets_[made] = member;
    }
    expression(init->getInit(), Access::Read, 'X', walk);
  }
}

void RecordMaker::construction(const clang::CXXConstructExpr* made, Walk& walk) {
  const auto* constructor = llvm::cast<clang::CXXConstructorDecl>(written(made->getConstructor()));
  // The compiler's own constructions (of a member, a base, a temporary)
  // stand where the function does.
  clang::SourceLocation at = made->getBeginLoc();
  if (at.isInvalid() && walk.function) at = walk.function->getLocation();
  if (walk.tally) ++walk.tally->calls;
  if (library_.isLibraryInstance(made->getConstructor()))
    throughLibrary(made->getConstructor(), at, walk);
  else if (walk.initialiser)
    use(constructor, at, Access::Read, walk);
  else
    calledAt(constructor, at, "", true, walk);
  for (const clang::Expr* argument : made->arguments()) expression(argument, Access::Read, 'X', walk);
}

void RecordMaker::newAllocation(const clang::CXXNewExpr* made, Walk& walk) {
  const AllocKind kind = made->isArray() ? AllocKind::Array : AllocKind::Plain;
  auto target = allocationTargets_.find(made);
  if (target != allocationTargets_.end()) {
    allocationOf(target->second, kind, made->getBeginLoc(), walk);
    return;
  }
  // Nothing named receives it: what is allocated is the class.
  const auto* record = made->getAllocatedType()->getAsCXXRecordDecl();
  const Place place = places_.expansion(made->getBeginLoc());
  if (record && place && walk.owner && ensureDeclared(record))
    scan::writeAlloc(out(), names_.ofTag(record), kind, place.file->path, place.line, place.column);
}

void RecordMaker::allocationOf(const clang::Expr* object, AllocKind kind, clang::SourceLocation at, Walk& walk) {
  if (const clang::NamedDecl* named = namedObject(object)) allocationOf(named, kind, at, walk);
}

void RecordMaker::allocationOf(const clang::NamedDecl* object, AllocKind kind, clang::SourceLocation at, Walk& walk) {
  if (!walk.owner || !(llvm::isa<clang::VarDecl>(object) || llvm::isa<clang::FieldDecl>(object))) return;
  const Place place = places_.expansion(at);
  if (!place || !ensureDeclared(object)) return;
  scan::writeAlloc(out(), names_.of(object), kind, place.file->path, place.line, place.column);
}

}  // namespace scan
