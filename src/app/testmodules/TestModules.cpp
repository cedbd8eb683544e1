#include "app/testmodules/TestModules.h"

#include <array>

namespace zum {

std::span<const ModuleSlot> testModules() {
  static constexpr std::array<ModuleSlot, 21> table{{
      {"PT_CTLG", &PT_configureCTLG},
      {"PT_ConfigureOnSource", &PT_configureConfigureOnSource},
      {"PT_ConfigureOnAllDefine", &PT_configureConfigureOnAllDefine},
      {"PT_ERR", &PT_configureERR},
      {"PT_FileMetrics", &PT_configureFileMetrics},
      {"PT_GetZUMOutputPath", &PT_configureGetZUMOutputPath},
      {"PT_RecursiveMetOutput", &PT_configureRecursiveMetOutput},
      {"PT_Relation_C", &PT_configureRelation_C},
      {"PT_Relation_I", &PT_configureRelation_I},
      {"PT_Relation_P", &PT_configureRelation_P},
      {"PT_Relation_R", &PT_configureRelation_R},
      {"PT_Relation_V", &PT_configureRelation_V},
      {"PT_Relation_X", &PT_configureRelation_X},
      {"PT_TypeQueries", &PT_configureTypeQueries},
      {"PT_isBitfield", &PT_configureIsBitfield},
      {"PT_isLabel", &PT_configureIsLabel},
      {"PT_isUnion", &PT_configureIsUnion},
      {"PT_literalRecord", &PT_configureLiteralRecord},
      {"PT_zumOption", &PT_configureZumOption},
      {"PT_Suppression", &PT_configureSuppression},
      {"PT_MsgSpecific", &PT_configureMsgSpecific},
  }};
  return table;
}

}  // namespace zum
