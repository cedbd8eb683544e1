// The template checks of the C++ product:
//
//   1730  a specialisation or instantiation written in another file than
//         the template it derives from (listing the template, 1597)
//   1750  an inline function, a template or a type defined at more than
//         one place of the project (listing each place, 1593)
#pragma once

namespace zum {

void configureTemplateDefinition();        // 1730
void configureTemplateInlineDefinition();  // 1750

}  // namespace zum
