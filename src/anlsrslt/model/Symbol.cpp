#include "anlsrslt/model/Symbol.h"

#include "util/Assert.h"

P_Symbol::P_Symbol(P_Define* def, std::uint32_t serial) : serial_(serial) {
  U_require(def != nullptr, "P_Symbol", __LINE__,
            "def.isSet () && \"Trying to create symbol from unset pointer.\"");
  defines_.push_back(def);
  if (def->isDefinition()) definition_ = 0;
}

void P_Symbol::add(P_Define* def) {
  U_require(def != nullptr, "P_Symbol", __LINE__, "def.isSet () && \"Trying to add unset pointer to symbol.\"");
  P_Define* current = this->current();
  if (def != current) {
    if (def->isDefinition() && current->isAt(*def)) {
      current->setDefineBits(current->defineBits() | P_DefineDefinition);
      current->addFlags(def->flags());
    } else {
      defines_.push_back(def);
    }
  }
  if (def->isDefinition()) definition_ = defines_.size() - 1;
}
