#include "anlsrslt/model/Symbol.h"

#include "util/Assert.h"

P_Symbol::P_Symbol(P_Define* def) {
  U_require(def != nullptr, "P_Symbol", __LINE__,
            "def.isSet () && \"Trying to create symbol from unset pointer.\"");
  current_ = def;
  defines_.push_back(def);
  if (def->isDefinition()) definition_ = def;
}

void P_Symbol::add(P_Define* def) {
  U_require(def != nullptr, "P_Symbol", __LINE__, "def.isSet () && \"Trying to add unset pointer to symbol.\"");
  if (def != current_) {
    if (def->isDefinition() && current_->isAt(*def)) {
      current_->setDefineBits(current_->defineBits() | P_DefineDefinition);
      current_->addFlags(def->flags());
    } else {
      current_ = def;
      defines_.push_back(def);
    }
  }
  if (def->isDefinition()) definition_ = current_;
}
