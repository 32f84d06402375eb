#include "mortgage/quick_help.h"

namespace fiscalia {

std::string mortgageQuickHelp(int loanMode)
{
    const std::string nl = "\r\n";
    std::string text = "Click any green box and type in numbers, deletes previous ones.  For results click Calculate."
                       + nl + "                             Press F1 key for more detailed information." + nl + nl;
    if (loanMode == 2) {
        text += "10,000.00" + nl + "      6.125" + nl + "          60" + nl + nl;
        text += "Monthly.   Almost all Loans are based on monthly compounding." + nl + nl;
        text += "Monthly.   All Loans are based on one payment each month, 12 payments each" + nl
                + "               year during the payback period. Same as a Normal mortgage." + nl + nl;
        text += "Show Payments. Click option to show All payments or just the Annual totals." + nl + nl;
        text += "Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for numbers." + nl + nl;
        text += "Normally financial institutions do not allow Additional Payments. Use if allowed." + nl + nl;
        text += "When using accelerated payments, change the Days in Year. Use if allowed.";
        return text;
    }
    text += "100,000.00" + nl + "       6.125" + nl + "           25" + nl + nl;
    text += "Click down arrow to select different compound interest periods." + nl
            + "American = Monthly.  Canadian = Semi-Annual." + nl + nl;
    text += "Click down arrow to select different payment frequencies." + nl
            + "Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + Interest. "
              "Mortgage retired earlier."
            + nl + nl;
    text += "Show payments. Click option to show All payments or just the Annual totals." + nl + nl;
    text += "Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers." + nl + nl;
    text += "Click 'Additional Payments'. Type the amount of payment. 'OK' accepts all changes, 'Erase all' sets all "
            "cells to 0. Effects all calculations unless Amortization changed or 'Erase all'. Amounts added at start "
            "of that year to Principal Payment."
            + nl + nl;
    text += "Click 'Days in Year' to change the way interest is computed when used with all 'Frequency and type of "
            "each payment' except Monthly and Semimonthly payments. Read 'How to use Program' for explanation.";
    return text;
}

} // namespace fiscalia
