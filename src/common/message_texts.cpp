// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_texts.h"

#include <algorithm>
#include <iterator>

namespace numerette {

namespace {

struct StoredMessage {
    int key;
    const char16_t* text;
};

// English texts (language digit 2). "|" is a line break; U+008D, U+017D and U+008F are the
// places of arguments 1, 2 and 3. The wording, typos included, is what users of the
// program know, so it is kept as it is.
constexpr StoredMessage Messages[] = {
    {42, u"Calculation's list is full.||Do you want to erase all the calculations of the list?"},
    {72, u"HANDLING TIPS:||- Double-click calculation list for the clicked number to be "
         u"registered again.||- Use arrow keys to get access and scroll up or down calculation "
         u"list.||- Monitor Clipboard: To add from clipboard select and copy (Ctrl+C) any numeric "
         u"value from another application (like tables from Microsoft Word or columns from "
         u"Microsoft Excel). By coping two columns (at the same time) one will be multiplied by "
         u"the other. The result is then stored in the clipboard (use Paste: Ctrl+V).||- Press F6 "
         u"to open another window for you to do any secondary calculations.||- Press Ctrl+U to "
         u"change the sound.||- Press DELETE once to clear the display or twice to clear "
         u"calculation list.||- Press ESC to close the calculator from any window.||* For more "
         u"information, or to make a suggestion, please visit our website.||WOULD YOU LIKE TO "
         u"VISIT OUR WEBSITE ?"},
    {82, u"Error while attempting to open your browser"},
    {92, u"Error while trying to access MIDI resource of your Sound Card"},
    {122, u"You can only edit or change calculation list after finishing the current calculation."},
    {132, u"Error while attempting to open e-mail program to send a message to:||\u008D"},
    {142, u"You have just set calculator to ADD when ENTER key is pressed!||To get calculation's "
          u"TOTAL press = or NUMLOCK of the numeric keypad.||Keys + (plus) and - (minus) now "
          u"convert the typed number into a positive or a negative one. To insert it in the "
          u"calculation press ENTER."},
    {162, u"Sent to printer"},
    {172, u"Printer is not responding or is not installed"},
    {182, u"End of search"},
    {192, u"Windows calculator was not found"},
    {202, u"Invalid selection!||Select one or two columns that contain numbers."},
    {212, u"FIXED INSTALLMENT||- Initial Value|Loan Value or Merchandise Value.||- Fixed "
          u"Installment|Enter installment value to find out the interest rate or leave the field "
          u"blank and enter interest rate to obtain the installment amount.||- Number of "
          u"Installments|Number of monthly installments to pay (enter a number between 1 and "
          u"250).||- First installment after...|Enter the number of days until first installment "
          u"expiration or select \"Cash Payment\" if first installment was paid at the time.||- "
          u"Interest Rate %|Enter monthly interest rate to find out the installment or leave the "
          u"field blank and enter fixed installment to obtain the interest rate.||CAPITALIZATION||"
          u"- Cash Check|It finds out the net amount minus the interest rate using check "
          u"installments (installments with checks given in advance).||- Saving Accounts|It "
          u"calculates and capitalizes the interest rate monthly over the entered amount, i.e., "
          u"amount + month to month interest rate."},
    {222, u"Insert Initial Value"},
    {232, u"Enter number of installments:||Min. 1 / Max. 250."},
    {242, u"Enter the number of days until first installment expiration"},
    {252, u"- Enter installment value to find out interest rate or||- Enter interest rate to find "
          u"out the installment."},
    {262, u"Installment value could NOT be equal or higher the the initial value"},
    {272, u"Enter interest rate for calculation"},
    {282, u"Error in the calculation. Check the information entered.||If the problem continues, "
          u"You may try one of the following:|-Low the Fixed Installment Value|-Low Interest Rate|"
          u"-Low the number of installment"},
    {292, u"Amount + Capitalized Interest Amount:||$ \u008D"},
    {302, u"Invalid Data! Operation aborted."},
    {312, u"Net amount minus interest amount:||$ \u008D"},
    {322, u"The entered date is incorrect"},
    {332, u"Initial date must came before the final date"},
    {342, u"Check the information on the fields"},
    {382, u"Schedule Canceled"},
    {392, u"Do you really want to turn off the computer by \u008D hs. ?"},
    {432, u"Alarm Scheduled Time:|\u008D hs.||\u017D"},
    {452, u"Sound Alarm at \u008D hs."},
    {542, u"Today: "},
    {552, u"Enter text/number to search through calculation list."},
    {562, u" Locate on List"},
    {572, u"Enter an instrument number from 0 to 127.||Example:|000 = Piano|050 = Synth Strings|"
          u"075 = Flute|100 = FX5 Bright||Use your keyboard to play sounds."},
    {582, u" Choose Keyboard Sound"},
    {592, u"Enter INITIAL VALUE $:"},
    {602, u" Capitalize Interest Rate"},
    {612, u"Enter MONTHLY INTEREST RATE %:"},
    {622, u"Enter INITIAL DATE:"},
    {632, u"Enter FINAL DATE or|NUMBER OF DAYS (1 to \u008D days):"},
    {642, u"Enter CHECK VALUE $:"},
    {652, u" Cash Check"},
    {662, u"Enter time:"},
    {672, u" Set Alarm (Scheduling)"},
    {682, u"Describe Reason:"},
    {692, u"WARNING: Be careful at using this feature because the computer will be turned off on "
          u"the entered time. If there were some opened files without saving you might lose your "
          u"last changes.||Enter time:"},
    {702, u" Set Time to Turn Off the Computer"},
    {802, u"Turn off the Computer at \u008D hs. "},
    {1252, u"&Help"},
    {1292, u"&Initial Date"},
    {1302, u"&Final Date"},
    {1312, u"&Years"},
    {1322, u"&Months"},
    {1332, u"&Weeks"},
    {1342, u"&Days"},
    {1352, u"Leap Years"},
    {1362, u" Calculate Date"},
    {1372, u"Numerette|by the Numerette developers"},
    {1382, u"Capitalization|(click in the button and enter information)"},
    {1392, u"Fixed Installments"},
    {1402, u" Calculate Capitalized Interest Amount"},
    {1412, u"Initial &Value $"},
    {1422, u"&Fixed Installments $"},
    {1432, u"&Number of Installments x"},
    {1442, u"First Installment after"},
    {1452, u"DAYS or"},
    {1462, u"&Interest Rate %"},
    {1472, u"Total Interest Amount $"},
    {1482, u"Final Amount $"},
    {1492, u"monthly"},
    {1502, u"  in cash"},
    {1512, u"&Calculate"},
    {1522, u"C&ash Check"},
    {1532, u"Saving Acc&ount"},
    {1542, u"INITIAL VALUE "},
    {1552, u"NUMBER OF INSTALLMENTS "},
    {1562, u"INSTALLMENT VALUE "},
    {1572, u"MONTHLY INTEREST RATE "},
    {1582, u"TOTAL INTEREST AMOUNT "},
    {1592, u"FINAL AMOUNT "},
    {1602, u"NUMBER OF DAYS "},
    {1712, u"There is no backup to show"},
    {1722, u"Could not open backup file:||c:\\calcula.txt"},
    {1732, u"Your calculation backup file is too large. Please clean some of your old "
           u"calculations."},
    {1762, u"WARNING: If your printer is not turned on and properly connected, the Calculator "
           u"won't print.||Enter communication port:||(LPT1, LPT2, COM1, COM2 or COM3)"},
    {1782, u" Rule of Three Calculation"},
    {1792, u"If 8 carpenters..."},
    {1802, u"...working five days..."},
    {1812, u"...for 6 hours per day..."},
    {1822, u"...build 12 closets..."},
    {1832, u"...How many closets would be build by 5 carpenters in 10 days working 8 hours per "
           u"day ?"},
    {1842, u"Let's enter information: 5 carpenters..."},
    {1852, u"...working 10 days..."},
    {1862, u"...8 hours per day."},
    {1872, u"Now press CALCULATE to get the number of closets!||WARNING: When you press CALCULATE "
           u"button, questions about logic will be made that are necessary to build the formula. "
           u"If you answer all of them correctly, the final result will be:||\"20 CLOSETS\"||TIP: "
           u"When you press CALCULATE, answer YES to all the questions."},
    {1882, u"carpenters"},
    {1892, u"working days"},
    {1902, u"working hours per day"},
    {1912, u"closets"},
    {1922, u"How many hours per day will be needed by 3 carpenters in 12 days to build 18 closets "
           u"?"},
    {1932, u"Let's enter information: 3 carpenters..."},
    {1942, u"...working 12 days..."},
    {1952, u"...to build 18 closets."},
    {1962, u"Now press CALCULATE to get the number of hours per day!||If you answer all the "
           u"questions about logic correctly, the final result will be:||\"10 WORKING HOURS PER "
           u"DAY\"||TIP: When you press CALCULATE, answer NO two times and YES one time."},
    {1972, u"Fill at least two fields with the reference base data and then click CALCULATE.||If "
           u"you prefer click EXAMPLE so the program will explain in a step-by-step basis how to "
           u"fill the fields."},
    {1992, u"Only the variable may be undefined."},
    {2002, u"It is necessary to fill at least two fields with the conditions to calculate!"},
    {2012, u"You must select the variable field - the one you want to find out!"},
    {2022, u"BASE DATA"},
    {2032, u"FIND"},
    {2042, u"Qty. or &Value"},
    {2052, u"&Description"},
    {2062, u"If you add:|\"\u008D\"||the result will/would add:|\"\u017D\" ?"},
    {2072, u"Example"},
    {2082, u"Save in File"},
    {2092, u"&Calculate Final Date"},
    {2102, u"     CAPITALIZATION TOTAL:"},
    {2112, u"TOTAL INTEREST:"},
    {2122, u"FINAL AMOUNT:"},
    {2132, u"INITIAL VALUE:"},
    {2152, u"&Print"},
    {2182, u"You need to restart the CALCULATOR for the change to take place."},
    {2222, u"Monitor Clipboard:||To add from clipboard select and copy (Ctrl+C) any numeric value "
           u"from another application (like tables from Microsoft Word or columns from Microsoft "
           u"Excel). By coping two columns (at the same time) one will be multiplied by the "
           u"other. The result is then stored in the clipboard (use Paste: Ctrl+V)."},
};

// Lookup is a binary search, so the keys must stay strictly increasing.
static_assert(std::ranges::adjacent_find(Messages, std::ranges::greater_equal{},
                                         &StoredMessage::key)
              == std::end(Messages));

} // namespace

QStringView storedMessageText(qint64 key)
{
    const auto found = std::ranges::lower_bound(Messages, key, {}, &StoredMessage::key);
    if (found == std::end(Messages) || found->key != key)
        return {};
    return QStringView(found->text);
}

} // namespace numerette
