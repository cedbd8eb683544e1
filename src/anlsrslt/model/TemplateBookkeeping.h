// Template bookkeeping: how defines of templates and of what is derived
// from them are related.
//
// Terms, as the template checks rely on them:
//
// - A template define is a define that is a template or specialisation by
//   its name (template parameters, or a template argument list in its
//   scope) and carries none of the marks "X", "P" (define code) or "U"
//   (flag). It is the template as written: A<T>, f<T>(T), A<T>::g(T).
//
// - A derived define is a define carrying the mark "X" (an explicit
//   specialisation or instantiation), the mark "P" (a partial
//   specialisation) or the flag "U" (an instance generated from a template
//   by its use). Every derived define is kept, in reading order, in the
//   run-wide derived define list, which P_getFirstDerivedDefine walks.
//
// - The template key of a define is its qualified name with every template
//   argument list removed and, for a function, without its parameter list:
//   A<int>::g(int) and A<T>::g(T) both have the key A::g. Overloads of a
//   function template share one key.
//
// - One step towards the template of origin (P_getDefineTemplateOrigin):
//     "P" define          -> the template define of its key;
//     "X" or "U" define   -> the last "P" define of its key read before it,
//                            if there is one, else the template define of
//                            its key;
//     any other define    -> no step.
//   The template define of a key is the first definition with that key, or,
//   until one is read, the first declaration; it is looked up when the step
//   is taken, so a template defined in a later source is still found. A
//   step never leads to the define itself, and chains end after at most two
//   steps (X -> P -> template), so following steps always terminates; the
//   template checks follow them to the end for functions and take one step
//   for anything else. A derived define whose key has no template define
//   takes no step: it is its own origin.
//
// What is filed into the symbol table: every define except one that is a
// template or specialisation by its name and carries the flag "U" without
// the mark "X" - such an instance was generated, not written, and is seen
// only by the plain define callbacks and through the derived define list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "anlsrslt/model/Define.h"
#include "util/FlatMap.h"

class P_TemplateBookkeeping {
 public:
  // Records `def` (of a record just read) and answers whether the define
  // is to be filed into the symbol table.
  bool record(P_Define* def, bool templateOrSpecialisation);

  const std::vector<P_Define*>& derivedDefines() const noexcept { return derived_; }
  // One step towards the template `def` derives from; null for none.
  P_Define* originStep(const P_Define* def) const noexcept;

  static bool isDerived(const P_Define& def) noexcept {
    return def.hasBit(P_DefineCodeX | P_DefineCodeP) || def.hasFlag(P_FlagU);
  }

 private:
  const char* templateKey(const P_Define& def);

  struct Derivation {
    const char* key = nullptr;
    P_Define* partial = nullptr;  // the "P" define it steps to, if any
  };

  zum::FlatMap<const char*, P_Define*> templateByKey_;
  zum::FlatMap<const char*, P_Define*> partialByKey_;
  zum::FlatMap<const P_Define*, Derivation> derivation_;
  std::vector<P_Define*> derived_;
  std::string scratch_;
};

P_TemplateBookkeeping& P_templateBookkeeping();
