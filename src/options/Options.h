// Every option of the product family, each with its long name and default.
// A product accepts only the names of its own table (OptionNames.h), but
// all products share this one set of option objects.
#pragma once

#include "options/ActionOptions.h"
#include "options/ListOptions.h"
#include "options/ValueOptions.h"
#include "util/Ref.h"

class C_Options : public U_Ref {
 public:
  C_Options() = default;
  // Copies values, defaults and given flags; a copied "forgetall" still
  // points at the old command line until its new owner claims it.
  C_Options(const C_Options&) = default;
  C_Options& operator=(const C_Options&) = delete;

  // One accessor per option, named after its long name in camel case
  // ("k+r" is kAndR), grouped by kind.
  C_OptionBool& allowConstConvDeduction() { return allowConstConvDeduction_; }
  const C_OptionBool& allowConstConvDeduction() const { return allowConstConvDeduction_; }
  C_OptionBool& allowImplicitConvPtrMbr() { return allowImplicitConvPtrMbr_; }
  const C_OptionBool& allowImplicitConvPtrMbr() const { return allowImplicitConvPtrMbr_; }
  C_OptionBool& allowTempNonConstRefBind() { return allowTempNonConstRefBind_; }
  const C_OptionBool& allowTempNonConstRefBind() const { return allowTempNonConstRefBind_; }
  C_OptionBool& allowTmplArgNullPtrConv() { return allowTmplArgNullPtrConv_; }
  const C_OptionBool& allowTmplArgNullPtrConv() const { return allowTmplArgNullPtrConv_; }
  C_OptionBool& alwaysUseDirectInitializer() { return alwaysUseDirectInitializer_; }
  const C_OptionBool& alwaysUseDirectInitializer() const { return alwaysUseDirectInitializer_; }
  C_OptionBool& arithRsh() { return arithRsh_; }
  const C_OptionBool& arithRsh() const { return arithRsh_; }
  C_OptionBool& bitSigned() { return bitSigned_; }
  const C_OptionBool& bitSigned() const { return bitSigned_; }
  C_OptionBool& completeClasses() { return completeClasses_; }
  const C_OptionBool& completeClasses() const { return completeClasses_; }
  C_OptionBool& declUndented() { return declUndented_; }
  const C_OptionBool& declUndented() const { return declUndented_; }
  C_OptionBool& delayParseFnTemplates() { return delayParseFnTemplates_; }
  const C_OptionBool& delayParseFnTemplates() const { return delayParseFnTemplates_; }
  C_OptionBool& dontUseC99DecIntLitTypes() { return dontUseC99DecIntLitTypes_; }
  const C_OptionBool& dontUseC99DecIntLitTypes() const { return dontUseC99DecIntLitTypes_; }
  C_OptionBool& errorInvalidCfgArg() { return errorInvalidCfgArg_; }
  const C_OptionBool& errorInvalidCfgArg() const { return errorInvalidCfgArg_; }
  C_OptionBool& errorInvalidCfgValue() { return errorInvalidCfgValue_; }
  const C_OptionBool& errorInvalidCfgValue() const { return errorInvalidCfgValue_; }
  C_OptionBool& expandFileNames() { return expandFileNames_; }
  const C_OptionBool& expandFileNames() const { return expandFileNames_; }
  C_OptionBool& foldPlainChar() { return foldPlainChar_; }
  const C_OptionBool& foldPlainChar() const { return foldPlainChar_; }
  C_OptionBool& hdrSuppress() { return hdrSuppress_; }
  const C_OptionBool& hdrSuppress() const { return hdrSuppress_; }
  C_OptionBool& help() { return help_; }
  const C_OptionBool& help() const { return help_; }
  C_OptionBool& hiddenMessage() { return hiddenMessage_; }
  const C_OptionBool& hiddenMessage() const { return hiddenMessage_; }
  C_OptionBool& hiddenWarnings() { return hiddenWarnings_; }
  const C_OptionBool& hiddenWarnings() const { return hiddenWarnings_; }
  C_OptionBool& hideMacroWarnings() { return hideMacroWarnings_; }
  const C_OptionBool& hideMacroWarnings() const { return hideMacroWarnings_; }
  C_OptionBool& html() { return html_; }
  const C_OptionBool& html() const { return html_; }
  C_OptionBool& introduceFriendNames() { return introduceFriendNames_; }
  const C_OptionBool& introduceFriendNames() const { return introduceFriendNames_; }
  C_OptionBool& layoutIgnoreHeaders() { return layoutIgnoreHeaders_; }
  const C_OptionBool& layoutIgnoreHeaders() const { return layoutIgnoreHeaders_; }
  C_OptionBool& layoutUseHangingIndent() { return layoutUseHangingIndent_; }
  const C_OptionBool& layoutUseHangingIndent() const { return layoutUseHangingIndent_; }
  C_OptionBool& line() { return line_; }
  const C_OptionBool& line() const { return line_; }
  C_OptionBool& messagesOnly() { return messagesOnly_; }
  const C_OptionBool& messagesOnly() const { return messagesOnly_; }
  C_OptionBool& metrics() { return metrics_; }
  const C_OptionBool& metrics() const { return metrics_; }
  C_OptionBool& nestedComments() { return nestedComments_; }
  const C_OptionBool& nestedComments() const { return nestedComments_; }
  C_OptionBool& noCache() { return noCache_; }
  const C_OptionBool& noCache() const { return noCache_; }
  C_OptionBool& noSort() { return noSort_; }
  const C_OptionBool& noSort() const { return noSort_; }
  C_OptionBool& oneLineOnly() { return oneLineOnly_; }
  const C_OptionBool& oneLineOnly() const { return oneLineOnly_; }
  C_OptionBool& overwrite() { return overwrite_; }
  const C_OptionBool& overwrite() const { return overwrite_; }
  C_OptionBool& ppFileName() { return ppFileName_; }
  const C_OptionBool& ppFileName() const { return ppFileName_; }
  C_OptionBool& ppList() { return ppList_; }
  const C_OptionBool& ppList() const { return ppList_; }
  C_OptionBool& ppMetrics() { return ppMetrics_; }
  const C_OptionBool& ppMetrics() const { return ppMetrics_; }
  C_OptionBool& ppOnly() { return ppOnly_; }
  const C_OptionBool& ppOnly() const { return ppOnly_; }
  C_OptionBool& propagateTemplateParameters() { return propagateTemplateParameters_; }
  const C_OptionBool& propagateTemplateParameters() const { return propagateTemplateParameters_; }
  C_OptionBool& preproc32BitType() { return preproc32BitType_; }
  const C_OptionBool& preproc32BitType() const { return preproc32BitType_; }
  C_OptionBool& references() { return references_; }
  const C_OptionBool& references() const { return references_; }
  C_OptionBool& rvalueRefBind() { return rvalueRefBind_; }
  const C_OptionBool& rvalueRefBind() const { return rvalueRefBind_; }
  C_OptionBool& searchDependentBaseClasses() { return searchDependentBaseClasses_; }
  const C_OptionBool& searchDependentBaseClasses() const { return searchDependentBaseClasses_; }
  C_OptionBool& settings() { return settings_; }
  const C_OptionBool& settings() const { return settings_; }
  C_OptionBool& showAlias() { return showAlias_; }
  const C_OptionBool& showAlias() const { return showAlias_; }
  C_OptionBool& slashWhite() { return slashWhite_; }
  const C_OptionBool& slashWhite() const { return slashWhite_; }
  C_OptionBool& sql() { return sql_; }
  const C_OptionBool& sql() const { return sql_; }
  C_OptionBool& standard() { return standard_; }
  const C_OptionBool& standard() const { return standard_; }
  C_OptionBool& stdIsGlobal() { return stdIsGlobal_; }
  const C_OptionBool& stdIsGlobal() const { return stdIsGlobal_; }
  C_OptionBool& strict() { return strict_; }
  const C_OptionBool& strict() const { return strict_; }
  C_OptionBool& strictRank() { return strictRank_; }
  const C_OptionBool& strictRank() const { return strictRank_; }
  C_OptionBool& strictSignedness() { return strictSignedness_; }
  const C_OptionBool& strictSignedness() const { return strictSignedness_; }
  C_OptionBool& summary() { return summary_; }
  const C_OptionBool& summary() const { return summary_; }
  C_OptionBool& tableSummary() { return tableSummary_; }
  const C_OptionBool& tableSummary() const { return tableSummary_; }
  C_OptionBool& textOnly() { return textOnly_; }
  const C_OptionBool& textOnly() const { return textOnly_; }
  C_OptionBool& total() { return total_; }
  const C_OptionBool& total() const { return total_; }
  C_OptionBool& unsignedChar() { return unsignedChar_; }
  const C_OptionBool& unsignedChar() const { return unsignedChar_; }
  C_OptionBool& useRealThrownTypes() { return useRealThrownTypes_; }
  const C_OptionBool& useRealThrownTypes() const { return useRealThrownTypes_; }
  C_OptionBool& version() { return version_; }
  const C_OptionBool& version() const { return version_; }
  C_OptionBool& xCase() { return xCase_; }
  const C_OptionBool& xCase() const { return xCase_; }
  C_OptionBool& noDataflow() { return noDataflow_; }
  const C_OptionBool& noDataflow() const { return noDataflow_; }

  C_OptionInt& indentLevel() { return indentLevel_; }
  const C_OptionInt& indentLevel() const { return indentLevel_; }
  C_OptionInt& layoutIndentWidth() { return layoutIndentWidth_; }
  const C_OptionInt& layoutIndentWidth() const { return layoutIndentWidth_; }
  C_OptionInt& maxCount() { return maxCount_; }
  const C_OptionInt& maxCount() const { return maxCount_; }
  C_OptionInt& maxErrors() { return maxErrors_; }
  const C_OptionInt& maxErrors() const { return maxErrors_; }
  C_OptionInt& maxLineLength() { return maxLineLength_; }
  const C_OptionInt& maxLineLength() const { return maxLineLength_; }
  C_OptionInt& maxRecursiveTemplateNestingDepth() { return maxRecursiveTemplateNestingDepth_; }
  const C_OptionInt& maxRecursiveTemplateNestingDepth() const { return maxRecursiveTemplateNestingDepth_; }
  C_OptionInt& nameLength() { return nameLength_; }
  const C_OptionInt& nameLength() const { return nameLength_; }
  C_OptionInt& pphVersion() { return pphVersion_; }
  const C_OptionInt& pphVersion() const { return pphVersion_; }
  C_OptionInt& suppressionCategory() { return suppressionCategory_; }
  const C_OptionInt& suppressionCategory() const { return suppressionCategory_; }
  C_OptionInt& tabStop() { return tabStop_; }
  const C_OptionInt& tabStop() const { return tabStop_; }
  C_OptionInt& xNameLength() { return xNameLength_; }
  const C_OptionInt& xNameLength() const { return xNameLength_; }
  C_OptionInt& heap() { return heap_; }
  const C_OptionInt& heap() const { return heap_; }

  C_OptionString& closePrec() { return closePrec_; }
  const C_OptionString& closePrec() const { return closePrec_; }
  C_OptionString& comment() { return comment_; }
  const C_OptionString& comment() const { return comment_; }
  C_OptionString& encoding() { return encoding_; }
  const C_OptionString& encoding() const { return encoding_; }
  C_OptionString& kAndR() { return kAndR_; }
  const C_OptionString& kAndR() const { return kAndR_; }
  C_OptionString& machine() { return machine_; }
  const C_OptionString& machine() const { return machine_; }
  C_OptionString& msgRef() { return msgRef_; }
  const C_OptionString& msgRef() const { return msgRef_; }
  C_OptionString& origSuppressionFile() { return origSuppressionFile_; }
  const C_OptionString& origSuppressionFile() const { return origSuppressionFile_; }
  C_OptionString& sqlVendor() { return sqlVendor_; }
  const C_OptionString& sqlVendor() const { return sqlVendor_; }
  C_OptionString& style() { return style_; }
  const C_OptionString& style() const { return style_; }
  C_OptionString& suppressionDescriptionText() { return suppressionDescriptionText_; }
  const C_OptionString& suppressionDescriptionText() const { return suppressionDescriptionText_; }
  C_OptionString& syntaxRecCmds() { return syntaxRecCmds_; }
  const C_OptionString& syntaxRecCmds() const { return syntaxRecCmds_; }

  C_OptionI8NString& format() { return format_; }
  const C_OptionI8NString& format() const { return format_; }

  C_OptionFilename& calling() { return calling_; }
  const C_OptionFilename& calling() const { return calling_; }
  C_OptionFilename& callPack() { return callPack_; }
  const C_OptionFilename& callPack() const { return callPack_; }
  C_OptionFilename& classPath() { return classPath_; }
  const C_OptionFilename& classPath() const { return classPath_; }
  C_OptionFilename& createPph() { return createPph_; }
  const C_OptionFilename& createPph() const { return createPph_; }
  C_OptionFilename& crossModuleAnalysisFile() { return crossModuleAnalysisFile_; }
  const C_OptionFilename& crossModuleAnalysisFile() const { return crossModuleAnalysisFile_; }
  C_OptionFilename& file() { return file_; }
  const C_OptionFilename& file() const { return file_; }
  C_OptionFilename& layoutFile() { return layoutFile_; }
  const C_OptionFilename& layoutFile() const { return layoutFile_; }
  C_OptionFilename& libraryUsageFile() { return libraryUsageFile_; }
  const C_OptionFilename& libraryUsageFile() const { return libraryUsageFile_; }
  C_OptionFilename& nameRuleFile() { return nameRuleFile_; }
  const C_OptionFilename& nameRuleFile() const { return nameRuleFile_; }
  C_OptionFilename& outputPath() { return outputPath_; }
  const C_OptionFilename& outputPath() const { return outputPath_; }
  C_OptionFilename& pluginPath() { return pluginPath_; }
  const C_OptionFilename& pluginPath() const { return pluginPath_; }
  C_OptionFilename& projectFile() { return projectFile_; }
  const C_OptionFilename& projectFile() const { return projectFile_; }
  C_OptionFilename& suppressionOutPath() { return suppressionOutPath_; }
  const C_OptionFilename& suppressionOutPath() const { return suppressionOutPath_; }
  C_OptionFilename& usrFile() { return usrFile_; }
  const C_OptionFilename& usrFile() const { return usrFile_; }
  C_OptionFilename& usrPath() { return usrPath_; }
  const C_OptionFilename& usrPath() const { return usrPath_; }

  C_OptionStringList& align() { return align_; }
  const C_OptionStringList& align() const { return align_; }
  C_OptionStringList& customReport() { return customReport_; }
  const C_OptionStringList& customReport() const { return customReport_; }
  C_OptionStringList& d() { return d_; }
  const C_OptionStringList& d() const { return d_; }
  C_OptionStringList& debug() { return debug_; }
  const C_OptionStringList& debug() const { return debug_; }
  C_OptionStringList& extensions() { return extensions_; }
  const C_OptionStringList& extensions() const { return extensions_; }
  C_OptionStringList& fileNameReplace() { return fileNameReplace_; }
  const C_OptionStringList& fileNameReplace() const { return fileNameReplace_; }
  C_OptionStringList& intrinsicType() { return intrinsicType_; }
  const C_OptionStringList& intrinsicType() const { return intrinsicType_; }
  C_OptionStringList& javadocTag() { return javadocTag_; }
  const C_OptionStringList& javadocTag() const { return javadocTag_; }
  C_OptionStringList& keywords() { return keywords_; }
  const C_OptionStringList& keywords() const { return keywords_; }
  C_OptionStringList& noCallFrom() { return noCallFrom_; }
  const C_OptionStringList& noCallFrom() const { return noCallFrom_; }
  C_OptionStringList& noCallTo() { return noCallTo_; }
  const C_OptionStringList& noCallTo() const { return noCallTo_; }
  C_OptionStringList& noCtlg() { return noCtlg_; }
  const C_OptionStringList& noCtlg() const { return noCtlg_; }
  C_OptionStringList& noDecl() { return noDecl_; }
  const C_OptionStringList& noDecl() const { return noDecl_; }
  C_OptionStringList& noDerivedFrom() { return noDerivedFrom_; }
  const C_OptionStringList& noDerivedFrom() const { return noDerivedFrom_; }
  C_OptionStringList& noDerivedTo() { return noDerivedTo_; }
  const C_OptionStringList& noDerivedTo() const { return noDerivedTo_; }
  C_OptionStringList& noInclFrom() { return noInclFrom_; }
  const C_OptionStringList& noInclFrom() const { return noInclFrom_; }
  C_OptionStringList& noInclTo() { return noInclTo_; }
  const C_OptionStringList& noInclTo() const { return noInclTo_; }
  C_OptionStringList& noMetrics() { return noMetrics_; }
  const C_OptionStringList& noMetrics() const { return noMetrics_; }
  C_OptionStringList& noRefFrom() { return noRefFrom_; }
  const C_OptionStringList& noRefFrom() const { return noRefFrom_; }
  C_OptionStringList& noRefTo() { return noRefTo_; }
  const C_OptionStringList& noRefTo() const { return noRefTo_; }
  C_OptionStringList& prodOption() { return prodOption_; }
  const C_OptionStringList& prodOption() const { return prodOption_; }
  C_OptionStringList& remark() { return remark_; }
  const C_OptionStringList& remark() const { return remark_; }
  C_OptionStringList& size() { return size_; }
  const C_OptionStringList& size() const { return size_; }
  C_OptionStringList& skipPragma() { return skipPragma_; }
  const C_OptionStringList& skipPragma() const { return skipPragma_; }
  C_OptionStringList& systemDefine() { return systemDefine_; }
  const C_OptionStringList& systemDefine() const { return systemDefine_; }
  C_OptionStringList& threshold() { return threshold_; }
  const C_OptionStringList& threshold() const { return threshold_; }
  C_OptionStringList& warnCall() { return warnCall_; }
  const C_OptionStringList& warnCall() const { return warnCall_; }
  C_OptionStringList& warnKeyword() { return warnKeyword_; }
  const C_OptionStringList& warnKeyword() const { return warnKeyword_; }
  C_OptionStringList& warnPragma() { return warnPragma_; }
  const C_OptionStringList& warnPragma() const { return warnPragma_; }

  C_OptionIntList& expandMultihomedMessages() { return expandMultihomedMessages_; }
  const C_OptionIntList& expandMultihomedMessages() const { return expandMultihomedMessages_; }
  C_OptionIntList& noMsg() { return noMsg_; }
  const C_OptionIntList& noMsg() const { return noMsg_; }
  C_OptionIntList& only() { return only_; }
  const C_OptionIntList& only() const { return only_; }
  C_OptionIntList& suppressionCategoryFilter() { return suppressionCategoryFilter_; }
  const C_OptionIntList& suppressionCategoryFilter() const { return suppressionCategoryFilter_; }
  C_OptionIntList& suppressLvl() { return suppressLvl_; }
  const C_OptionIntList& suppressLvl() const { return suppressLvl_; }

  C_OptionFilenameList& forceInclude() { return forceInclude_; }
  const C_OptionFilenameList& forceInclude() const { return forceInclude_; }
  C_OptionFilenameList& i() { return i_; }
  const C_OptionFilenameList& i() const { return i_; }
  C_OptionFilenameList& patchFile() { return patchFile_; }
  const C_OptionFilenameList& patchFile() const { return patchFile_; }
  C_OptionFilenameList& pph() { return pph_; }
  const C_OptionFilenameList& pph() const { return pph_; }
  C_OptionFilenameList& quiet() { return quiet_; }
  const C_OptionFilenameList& quiet() const { return quiet_; }
  C_OptionFilenameList& suppressionFile() { return suppressionFile_; }
  const C_OptionFilenameList& suppressionFile() const { return suppressionFile_; }
  C_OptionFilenameList& systemInclude() { return systemInclude_; }
  const C_OptionFilenameList& systemInclude() const { return systemInclude_; }

  C_OptionVia& list() { return list_; }
  const C_OptionVia& list() const { return list_; }
  C_OptionVia& via() { return via_; }
  const C_OptionVia& via() const { return via_; }

  C_OptionEcho& echo() { return echo_; }
  const C_OptionEcho& echo() const { return echo_; }

  C_OptionForget& forgetAll() { return forgetAll_; }
  const C_OptionForget& forgetAll() const { return forgetAll_; }

 private:
  C_OptionBool allowConstConvDeduction_{"allowconstconvdeduction", false};
  C_OptionBool allowImplicitConvPtrMbr_{"allowimplicitconvptrmbr", false};
  C_OptionBool allowTempNonConstRefBind_{"allowtempnonconstrefbind", false};
  C_OptionBool allowTmplArgNullPtrConv_{"allowtmplargnullptrconv", false};
  C_OptionBool alwaysUseDirectInitializer_{"alwaysusedirectinitializer", false};
  C_OptionBool arithRsh_{"arithrsh", false};
  C_OptionBool bitSigned_{"bitsigned", false};
  C_OptionBool completeClasses_{"completeclasses", false};
  C_OptionBool declUndented_{"declundented", false};
  C_OptionBool delayParseFnTemplates_{"delayparsefntemplates", false};
  C_OptionBool dontUseC99DecIntLitTypes_{"dontusec99decintlittypes", true};
  C_OptionBool errorInvalidCfgArg_{"errorinvalidcfgarg", false};
  C_OptionBool errorInvalidCfgValue_{"errorinvalidcfgvalue", false};
  C_OptionBool expandFileNames_{"expandfilenames", true};
  C_OptionBool foldPlainChar_{"foldplainchar", false};
  C_OptionBool hdrSuppress_{"hdrsuppress", false};
  C_OptionBool help_{"help", false};
  C_OptionBool hiddenMessage_{"hiddenmessage", false};
  C_OptionBool hiddenWarnings_{"hiddenwarnings", false};
  C_OptionBool hideMacroWarnings_{"hidemacrowarnings", false};
  C_OptionBool html_{"html", false};
  C_OptionBool introduceFriendNames_{"introducefriendnames", false};
  C_OptionBool layoutIgnoreHeaders_{"layoutignoreheaders", false};
  C_OptionBool layoutUseHangingIndent_{"layoutusehangingindent", false};
  C_OptionBool line_{"line", false};
  C_OptionBool messagesOnly_{"messagesonly", false};
  C_OptionBool metrics_{"metrics", true};
  C_OptionBool nestedComments_{"nestedcomments", false};
  C_OptionBool noCache_{"nocache", false};
  C_OptionBool noSort_{"nosort", false};
  C_OptionBool oneLineOnly_{"onelineonly", false};
  C_OptionBool overwrite_{"overwrite", false};
  C_OptionBool ppFileName_{"ppfilename", false};
  C_OptionBool ppList_{"pplist", false};
  C_OptionBool ppMetrics_{"ppmetrics", false};
  C_OptionBool ppOnly_{"pponly", false};
  C_OptionBool propagateTemplateParameters_{"propagatetemplateparameters", false};
  C_OptionBool preproc32BitType_{"preproc32bittype", false};
  C_OptionBool references_{"references", false};
  C_OptionBool rvalueRefBind_{"rvaluerefbind", true};
  C_OptionBool searchDependentBaseClasses_{"searchdependentbaseclasses", false};
  C_OptionBool settings_{"settings", false};
  C_OptionBool showAlias_{"showalias", true};
  C_OptionBool slashWhite_{"slashwhite", false};
  C_OptionBool sql_{"sql", false};
  C_OptionBool standard_{"standard", false};
  C_OptionBool stdIsGlobal_{"stdisglobal", false};
  C_OptionBool strict_{"strict", true};
  C_OptionBool strictRank_{"strictrank", false};
  C_OptionBool strictSignedness_{"strictsignedness", true};
  C_OptionBool summary_{"summary", false};
  C_OptionBool tableSummary_{"tablesummary", false};
  C_OptionBool textOnly_{"textonly", false};
  C_OptionBool total_{"total", false};
  C_OptionBool unsignedChar_{"unsignedchar", false};
  C_OptionBool useRealThrownTypes_{"userealthrowntypes", false};
  C_OptionBool version_{"version", false};
  C_OptionBool xCase_{"xcase", false};
  C_OptionBool noDataflow_{"nodataflow", false};

  C_OptionInt indentLevel_{"indentlevel", 0};
  C_OptionInt layoutIndentWidth_{"layoutindentwidth", 0};
  C_OptionInt maxCount_{"maxcount", 0};
  C_OptionInt maxErrors_{"maxerrors", 0};
  C_OptionInt maxLineLength_{"maxlinelength", 0};
  C_OptionInt maxRecursiveTemplateNestingDepth_{"maxrecursivetemplatenestingdepth", 200};
  C_OptionInt nameLength_{"namelength", 31};
  C_OptionInt pphVersion_{"pphversion", 1};
  C_OptionInt suppressionCategory_{"suppressioncategory", 0};
  C_OptionInt tabStop_{"tabstop", 8};
  C_OptionInt xNameLength_{"xnamelength", 6};
  C_OptionInt heap_{"heap", 512};

  C_OptionString closePrec_{"closeprec"};
  C_OptionString comment_{"comment"};
  C_OptionString encoding_{"encoding"};
  C_OptionString kAndR_{"k+r"};
  C_OptionString machine_{"machine"};
  C_OptionString msgRef_{"msgref"};
  C_OptionString origSuppressionFile_{"origsuppressionfile", ".orig"};
  C_OptionString sqlVendor_{"sqlvendor"};
  C_OptionString style_{"style", "exdented"};
  C_OptionString suppressionDescriptionText_{"suppressiondescriptiontext"};
  C_OptionString syntaxRecCmds_{"syntaxreccmds"};

  C_OptionI8NString format_{"format"};

  C_OptionFilename calling_{"calling"};
  C_OptionFilename callPack_{"callpack"};
  C_OptionFilename classPath_{"classpath"};
  C_OptionFilename createPph_{"createpph"};
  C_OptionFilename crossModuleAnalysisFile_{"crossmoduleanalysisfile"};
  C_OptionFilename file_{"file"};
  C_OptionFilename layoutFile_{"layoutfile"};
  C_OptionFilename libraryUsageFile_{"libraryusagefile"};
  C_OptionFilename nameRuleFile_{"namerulefile"};
  C_OptionFilename outputPath_{"outputpath"};
  C_OptionFilename pluginPath_{"pluginpath"};
  C_OptionFilename projectFile_{"projectfile"};
  C_OptionFilename suppressionOutPath_{"suppressionoutpath"};
  C_OptionFilename usrFile_{"usrfile"};
  C_OptionFilename usrPath_{"usrpath"};

  C_OptionStringList align_{"align"};
  C_OptionStringList customReport_{"customreport"};
  C_OptionStringList d_{"d"};
  C_OptionStringList debug_{"debug"};
  C_OptionStringList extensions_{"extensions"};
  C_OptionStringList fileNameReplace_{"filenamereplace"};
  C_OptionStringList intrinsicType_{"intrinsictype"};
  C_OptionStringList javadocTag_{"javadoctag"};
  C_OptionStringList keywords_{"keywords"};
  C_OptionStringList noCallFrom_{"nocallfrom"};
  C_OptionStringList noCallTo_{"nocallto"};
  C_OptionStringList noCtlg_{"noctlg"};
  C_OptionStringList noDecl_{"nodecl"};
  C_OptionStringList noDerivedFrom_{"noderivedfrom"};
  C_OptionStringList noDerivedTo_{"noderivedto"};
  C_OptionStringList noInclFrom_{"noinclfrom"};
  C_OptionStringList noInclTo_{"noinclto"};
  C_OptionStringList noMetrics_{"nometrics"};
  C_OptionStringList noRefFrom_{"noreffrom"};
  C_OptionStringList noRefTo_{"norefto"};
  C_OptionStringList prodOption_{"prodoption"};
  C_OptionStringList remark_{"remark"};
  C_OptionStringList size_{"size"};
  C_OptionStringList skipPragma_{"skippragma"};
  C_OptionStringList systemDefine_{"systemdefine"};
  C_OptionStringList threshold_{"threshold"};
  C_OptionStringList warnCall_{"warncall"};
  C_OptionStringList warnKeyword_{"warnkeyword"};
  C_OptionStringList warnPragma_{"warnpragma"};

  C_OptionIntList expandMultihomedMessages_{"expandmultihomedmessages"};
  C_OptionIntList noMsg_{"nomsg"};
  C_OptionIntList only_{"only"};
  C_OptionIntList suppressionCategoryFilter_{"suppressioncategoryfilter"};
  C_OptionIntList suppressLvl_{"suppresslvl"};

  C_OptionFilenameList forceInclude_{"forceinclude"};
  C_OptionFilenameList i_{"i"};
  C_OptionFilenameList patchFile_{"patchfile"};
  C_OptionFilenameList pph_{"pph"};
  C_OptionFilenameList quiet_{"quiet"};
  C_OptionFilenameList suppressionFile_{"suppressionfile"};
  C_OptionFilenameList systemInclude_{"systeminclude"};

  C_OptionVia list_{"list"};
  C_OptionVia via_{"via"};

  C_OptionEcho echo_{"echo"};

  C_OptionForget forgetAll_{"forgetall"};
};
