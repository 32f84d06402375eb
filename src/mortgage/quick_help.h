#pragma once
#include <string>

namespace fiscalia {

// The Quick Help text of the mortgage window (loanMode 1) or the loan
// window (2), paragraphs separated by CR LF.
std::string mortgageQuickHelp(int loanMode);

} // namespace fiscalia
