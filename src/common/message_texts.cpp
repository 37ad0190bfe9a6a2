// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_texts.h"

#include <QtGlobal>

namespace numerette {

namespace {

struct StoredMessage {
    Message id;
    const char* source;
};

// The English source texts, in the order of the enumerators. "\n" is a line break and %1, %2
// and %3 are the places of the arguments. The wording, typos included, is what users of the
// program know, so it is kept as it is.
constexpr StoredMessage Messages[] = {
    {Message::ListFull,
     QT_TRANSLATE_NOOP("Message", "Calculation's list is full.\n\nDo you want to erase all the "
                                  "calculations of the list?")},
    {Message::HandlingTips,
     QT_TRANSLATE_NOOP("Message", "HANDLING TIPS:\n\n- Double-click calculation list for the "
                                  "clicked number to be registered again.\n\n- Use arrow keys to "
                                  "get access and scroll up or down calculation list.\n\n- "
                                  "Monitor Clipboard: To add from clipboard select and copy "
                                  "(Ctrl+C) any numeric value from another application (like "
                                  "tables from Microsoft Word or columns from Microsoft Excel). "
                                  "By coping two columns (at the same time) one will be "
                                  "multiplied by the other. The result is then stored in the "
                                  "clipboard (use Paste: Ctrl+V).\n\n- Press F6 to open another "
                                  "window for you to do any secondary calculations.\n\n- Press "
                                  "Ctrl+U to change the sound.\n\n- Press DELETE once to clear "
                                  "the display or twice to clear calculation list.\n\n- Press "
                                  "ESC to close the calculator from any window.\n\n* For more "
                                  "information, or to make a suggestion, please visit our "
                                  "website.\n\nWOULD YOU LIKE TO VISIT OUR WEBSITE ?")},
    {Message::BrowserError,
     QT_TRANSLATE_NOOP("Message", "Error while attempting to open your browser")},
    {Message::SoundCardError,
     QT_TRANSLATE_NOOP("Message", "Error while trying to access MIDI resource of your Sound Card")},
    {Message::FinishCalculationFirst,
     QT_TRANSLATE_NOOP("Message", "You can only edit or change calculation list after finishing "
                                  "the current calculation.")},
    //: %1 is an e-mail address
    {Message::MailProgramError,
     QT_TRANSLATE_NOOP("Message", "Error while attempting to open e-mail program to send a "
                                  "message to:\n\n%1")},
    {Message::AddOnEnterSet,
     QT_TRANSLATE_NOOP("Message", "You have just set calculator to ADD when ENTER key is "
                                  "pressed!\n\nTo get calculation's TOTAL press = or NUMLOCK of "
                                  "the numeric keypad.\n\nKeys + (plus) and - (minus) now "
                                  "convert the typed number into a positive or a negative one. "
                                  "To insert it in the calculation press ENTER.")},
    {Message::SentToPrinter, QT_TRANSLATE_NOOP("Message", "Sent to printer")},
    {Message::PrinterNotResponding,
     QT_TRANSLATE_NOOP("Message", "Printer is not responding or is not installed")},
    {Message::EndOfSearch, QT_TRANSLATE_NOOP("Message", "End of search")},
    {Message::SystemCalculatorNotFound,
     QT_TRANSLATE_NOOP("Message", "Windows calculator was not found")},
    {Message::InvalidClipboardSelection,
     QT_TRANSLATE_NOOP("Message", "Invalid selection!\n\nSelect one or two columns that contain "
                                  "numbers.")},
    {Message::InterestHelp,
     QT_TRANSLATE_NOOP("Message", "FIXED INSTALLMENT\n\n- Initial Value\nLoan Value or "
                                  "Merchandise Value.\n\n- Fixed Installment\nEnter installment "
                                  "value to find out the interest rate or leave the field blank "
                                  "and enter interest rate to obtain the installment amount.\n\n"
                                  "- Number of Installments\nNumber of monthly installments to "
                                  "pay (enter a number between 1 and 250).\n\n- First "
                                  "installment after...\nEnter the number of days until first "
                                  "installment expiration or select \"Cash Payment\" if first "
                                  "installment was paid at the time.\n\n- Interest Rate %\nEnter "
                                  "monthly interest rate to find out the installment or leave "
                                  "the field blank and enter fixed installment to obtain the "
                                  "interest rate.\n\nCAPITALIZATION\n\n- Cash Check\nIt finds "
                                  "out the net amount minus the interest rate using check "
                                  "installments (installments with checks given in advance).\n\n"
                                  "- Saving Accounts\nIt calculates and capitalizes the interest "
                                  "rate monthly over the entered amount, i.e., amount + month to "
                                  "month interest rate.")},
    {Message::InsertInitialValue, QT_TRANSLATE_NOOP("Message", "Insert Initial Value")},
    {Message::EnterInstallmentCount,
     QT_TRANSLATE_NOOP("Message", "Enter number of installments:\n\nMin. 1 / Max. 250.")},
    {Message::EnterDaysToFirstInstallment,
     QT_TRANSLATE_NOOP("Message", "Enter the number of days until first installment expiration")},
    {Message::EnterInstallmentOrRate,
     QT_TRANSLATE_NOOP("Message", "- Enter installment value to find out interest rate or\n\n- "
                                  "Enter interest rate to find out the installment.")},
    {Message::InstallmentTooHigh,
     QT_TRANSLATE_NOOP("Message", "Installment value could NOT be equal or higher the the "
                                  "initial value")},
    {Message::EnterInterestRate,
     QT_TRANSLATE_NOOP("Message", "Enter interest rate for calculation")},
    {Message::CalculationError,
     QT_TRANSLATE_NOOP("Message", "Error in the calculation. Check the information entered.\n\n"
                                  "If the problem continues, You may try one of the following:\n"
                                  "-Low the Fixed Installment Value\n-Low Interest Rate\n-Low "
                                  "the number of installment")},
    //: %1 is an amount of money
    {Message::CapitalizedAmountResult,
     QT_TRANSLATE_NOOP("Message", "Amount + Capitalized Interest Amount:\n\n$ %1")},
    {Message::InvalidData, QT_TRANSLATE_NOOP("Message", "Invalid Data! Operation aborted.")},
    //: %1 is an amount of money
    {Message::NetAmountResult,
     QT_TRANSLATE_NOOP("Message", "Net amount minus interest amount:\n\n$ %1")},
    {Message::IncorrectDate, QT_TRANSLATE_NOOP("Message", "The entered date is incorrect")},
    {Message::InitialDateAfterFinal,
     QT_TRANSLATE_NOOP("Message", "Initial date must came before the final date")},
    {Message::CheckFields, QT_TRANSLATE_NOOP("Message", "Check the information on the fields")},
    {Message::ScheduleCanceled, QT_TRANSLATE_NOOP("Message", "Schedule Canceled")},
    //: %1 is a time of day; "hs." abbreviates hours
    {Message::ConfirmShutdown,
     QT_TRANSLATE_NOOP("Message", "Do you really want to turn off the computer by %1 hs. ?")},
    //: %1 is a time of day ("hs." abbreviates hours); %2 is the reason the user typed
    {Message::AlarmMessage, QT_TRANSLATE_NOOP("Message", "Alarm Scheduled Time:\n%1 hs.\n\n%2")},
    //: Menu item while an alarm is set; %1 is a time of day, "hs." abbreviates hours
    {Message::AlarmSetCaption, QT_TRANSLATE_NOOP("Message", "Sound Alarm at %1 hs.")},
    //: Followed by today's date
    {Message::TodayLabel, QT_TRANSLATE_NOOP("Message", "Today: ")},
    {Message::SearchPrompt,
     QT_TRANSLATE_NOOP("Message", "Enter text/number to search through calculation list.")},
    //: Window title (starts with a blank)
    {Message::SearchTitle, QT_TRANSLATE_NOOP("Message", " Locate on List")},
    {Message::InstrumentPrompt,
     QT_TRANSLATE_NOOP("Message", "Enter an instrument number from 0 to 127.\n\nExample:\n000 = "
                                  "Piano\n050 = Synth Strings\n075 = Flute\n100 = FX5 Bright\n\n"
                                  "Use your keyboard to play sounds.")},
    //: Window title (starts with a blank)
    {Message::InstrumentTitle, QT_TRANSLATE_NOOP("Message", " Choose Keyboard Sound")},
    {Message::InitialValuePrompt, QT_TRANSLATE_NOOP("Message", "Enter INITIAL VALUE $:")},
    //: Window title (starts with a blank)
    {Message::CapitalizeTitle, QT_TRANSLATE_NOOP("Message", " Capitalize Interest Rate")},
    {Message::MonthlyRatePrompt, QT_TRANSLATE_NOOP("Message", "Enter MONTHLY INTEREST RATE %:")},
    {Message::InitialDatePrompt, QT_TRANSLATE_NOOP("Message", "Enter INITIAL DATE:")},
    //: %1 is the largest number of days
    {Message::FinalDatePrompt,
     QT_TRANSLATE_NOOP("Message", "Enter FINAL DATE or\nNUMBER OF DAYS (1 to %1 days):")},
    {Message::CheckValuePrompt, QT_TRANSLATE_NOOP("Message", "Enter CHECK VALUE $:")},
    //: Window title (starts with a blank)
    {Message::CashCheckTitle, QT_TRANSLATE_NOOP("Message", " Cash Check")},
    {Message::EnterTime, QT_TRANSLATE_NOOP("Message", "Enter time:")},
    {Message::AlarmTitle, QT_TRANSLATE_NOOP("Message", " Set Alarm (Scheduling)")},
    {Message::DescribeReason, QT_TRANSLATE_NOOP("Message", "Describe Reason:")},
    {Message::ShutdownPrompt,
     QT_TRANSLATE_NOOP("Message", "WARNING: Be careful at using this feature because the "
                                  "computer will be turned off on the entered time. If there "
                                  "were some opened files without saving you might lose your "
                                  "last changes.\n\nEnter time:")},
    //: Window title and menu item (starts with a blank, trimmed in the menu)
    {Message::ShutdownTitle, QT_TRANSLATE_NOOP("Message", " Set Time to Turn Off the Computer")},
    //: Menu item while a shutdown is set; %1 is a time of day, "hs." abbreviates hours
    {Message::ShutdownSetCaption, QT_TRANSLATE_NOOP("Message", "Turn off the Computer at %1 hs. ")},
    {Message::HelpButton, QT_TRANSLATE_NOOP("Message", "&Help")},
    {Message::InitialDateCaption, QT_TRANSLATE_NOOP("Message", "&Initial Date")},
    {Message::FinalDateCaption, QT_TRANSLATE_NOOP("Message", "&Final Date")},
    {Message::YearsButton, QT_TRANSLATE_NOOP("Message", "&Years")},
    {Message::MonthsButton, QT_TRANSLATE_NOOP("Message", "&Months")},
    {Message::WeeksButton, QT_TRANSLATE_NOOP("Message", "&Weeks")},
    {Message::DaysButton, QT_TRANSLATE_NOOP("Message", "&Days")},
    {Message::LeapYearsLabel, QT_TRANSLATE_NOOP("Message", "Leap Years")},
    //: Window title (starts with a blank)
    {Message::DateWindowTitle, QT_TRANSLATE_NOOP("Message", " Calculate Date")},
    //: Two lines: program name, then its authors
    {Message::ProgramCredit,
     QT_TRANSLATE_NOOP("Message", "Numerette\nby the Numerette developers")},
    //: Two lines: the heading, then a hint
    {Message::CapitalizationCaption,
     QT_TRANSLATE_NOOP("Message", "Capitalization\n(click in the button and enter information)")},
    {Message::FixedInstallmentsGroup, QT_TRANSLATE_NOOP("Message", "Fixed Installments")},
    //: Window title (starts with a blank)
    {Message::InterestWindowTitle,
     QT_TRANSLATE_NOOP("Message", " Calculate Capitalized Interest Amount")},
    {Message::InitialValueCaption, QT_TRANSLATE_NOOP("Message", "Initial &Value $")},
    {Message::FixedInstallmentsCaption, QT_TRANSLATE_NOOP("Message", "&Fixed Installments $")},
    //: "x" as in times: the count of installments
    {Message::InstallmentCountCaption, QT_TRANSLATE_NOOP("Message", "&Number of Installments x")},
    {Message::FirstInstallmentCaption, QT_TRANSLATE_NOOP("Message", "First Installment after")},
    //: Between the days field and the cash payment check box
    {Message::DaysOrLabel, QT_TRANSLATE_NOOP("Message", "DAYS or")},
    {Message::InterestRateCaption, QT_TRANSLATE_NOOP("Message", "&Interest Rate %")},
    {Message::TotalInterestCaption, QT_TRANSLATE_NOOP("Message", "Total Interest Amount $")},
    {Message::FinalAmountCaption, QT_TRANSLATE_NOOP("Message", "Final Amount $")},
    //: Beside the interest rate field: the rate is monthly
    {Message::MonthlyLabel, QT_TRANSLATE_NOOP("Message", "monthly")},
    //: Tape: the period of the first installment in the installment report, 9 columns (later
    //: periods read "30 days" right-aligned there); also a check box caption, blanks trimmed
    {Message::InCash, QT_TRANSLATE_NOOP("Message", "  in cash")},
    {Message::CalculateButton, QT_TRANSLATE_NOOP("Message", "&Calculate")},
    {Message::CashCheckButton, QT_TRANSLATE_NOOP("Message", "C&ash Check")},
    {Message::SavingAccountButton, QT_TRANSLATE_NOOP("Message", "Saving Acc&ount")},
    //: Tape report label, right-aligned in 26 columns; capitalization totals find it again in the
    //: tape
    {Message::ReportInitialValue, QT_TRANSLATE_NOOP("Message", "INITIAL VALUE ")},
    //: Tape report label, right-aligned in 26 columns
    {Message::ReportInstallmentCount, QT_TRANSLATE_NOOP("Message", "NUMBER OF INSTALLMENTS ")},
    //: Tape report label, right-aligned in 26 columns
    {Message::ReportInstallmentValue, QT_TRANSLATE_NOOP("Message", "INSTALLMENT VALUE ")},
    //: Tape report label, right-aligned in 26 columns
    {Message::ReportMonthlyRate, QT_TRANSLATE_NOOP("Message", "MONTHLY INTEREST RATE ")},
    //: Tape report label, right-aligned in 26 columns; capitalization totals find it again in the
    //: tape
    {Message::ReportTotalInterest, QT_TRANSLATE_NOOP("Message", "TOTAL INTEREST AMOUNT ")},
    //: Tape report label, right-aligned in 26 columns; capitalization totals find it again in the
    //: tape
    {Message::ReportFinalAmount, QT_TRANSLATE_NOOP("Message", "FINAL AMOUNT ")},
    //: Tape report label, right-aligned in 26 columns
    {Message::ReportDayCount, QT_TRANSLATE_NOOP("Message", "NUMBER OF DAYS ")},
    {Message::NoBackup, QT_TRANSLATE_NOOP("Message", "There is no backup to show")},
    {Message::BackupOpenError,
     QT_TRANSLATE_NOOP("Message", "Could not open backup file:\n\nc:\\calcula.txt")},
    {Message::BackupTooLarge,
     QT_TRANSLATE_NOOP("Message", "Your calculation backup file is too large. Please clean some "
                                  "of your old calculations.")},
    {Message::PrinterPortPrompt,
     QT_TRANSLATE_NOOP("Message", "WARNING: If your printer is not turned on and properly "
                                  "connected, the Calculator won't print.\n\nEnter communication "
                                  "port:\n\n(LPT1, LPT2, COM1, COM2 or COM3)")},
    //: Window title (starts with a blank)
    {Message::RuleOfThreeTitle, QT_TRANSLATE_NOOP("Message", " Rule of Three Calculation")},
    //: Rule of three example, one step of a sentence the next messages continue
    {Message::ExampleOneBaseCarpenters, QT_TRANSLATE_NOOP("Message", "If 8 carpenters...")},
    {Message::ExampleOneBaseDays, QT_TRANSLATE_NOOP("Message", "...working five days...")},
    {Message::ExampleOneBaseHours, QT_TRANSLATE_NOOP("Message", "...for 6 hours per day...")},
    {Message::ExampleOneBaseClosets, QT_TRANSLATE_NOOP("Message", "...build 12 closets...")},
    //: Rule of three example, the question the example answers
    {Message::ExampleOneQuestion,
     QT_TRANSLATE_NOOP("Message", "...How many closets would be build by 5 carpenters in 10 days "
                                  "working 8 hours per day ?")},
    {Message::ExampleOneNewCarpenters,
     QT_TRANSLATE_NOOP("Message", "Let's enter information: 5 carpenters...")},
    {Message::ExampleOneNewDays, QT_TRANSLATE_NOOP("Message", "...working 10 days...")},
    {Message::ExampleOneNewHours, QT_TRANSLATE_NOOP("Message", "...8 hours per day.")},
    {Message::ExampleOneClosing,
     QT_TRANSLATE_NOOP("Message", "Now press CALCULATE to get the number of closets!\n\nWARNING: "
                                  "When you press CALCULATE button, questions about logic will "
                                  "be made that are necessary to build the formula. If you "
                                  "answer all of them correctly, the final result will be:\n\n"
                                  "\"20 CLOSETS\"\n\nTIP: When you press CALCULATE, answer YES "
                                  "to all the questions.")},
    //: Rule of three example: description typed into a field
    {Message::Carpenters, QT_TRANSLATE_NOOP("Message", "carpenters")},
    {Message::WorkingDays, QT_TRANSLATE_NOOP("Message", "working days")},
    {Message::WorkingHoursPerDay, QT_TRANSLATE_NOOP("Message", "working hours per day")},
    {Message::Closets, QT_TRANSLATE_NOOP("Message", "closets")},
    //: Rule of three example, the question the example answers
    {Message::ExampleTwoQuestion,
     QT_TRANSLATE_NOOP("Message", "How many hours per day will be needed by 3 carpenters in 12 "
                                  "days to build 18 closets ?")},
    {Message::ExampleTwoNewCarpenters,
     QT_TRANSLATE_NOOP("Message", "Let's enter information: 3 carpenters...")},
    {Message::ExampleTwoNewDays, QT_TRANSLATE_NOOP("Message", "...working 12 days...")},
    {Message::ExampleTwoNewClosets, QT_TRANSLATE_NOOP("Message", "...to build 18 closets.")},
    {Message::ExampleTwoClosing,
     QT_TRANSLATE_NOOP("Message", "Now press CALCULATE to get the number of hours per day!\n\nIf "
                                  "you answer all the questions about logic correctly, the final "
                                  "result will be:\n\n\"10 WORKING HOURS PER DAY\"\n\nTIP: When "
                                  "you press CALCULATE, answer NO two times and YES one time.")},
    {Message::FillBaseData,
     QT_TRANSLATE_NOOP("Message", "Fill at least two fields with the reference base data and "
                                  "then click CALCULATE.\n\nIf you prefer click EXAMPLE so the "
                                  "program will explain in a step-by-step basis how to fill the "
                                  "fields.")},
    {Message::OnlyVariableUndefined,
     QT_TRANSLATE_NOOP("Message", "Only the variable may be undefined.")},
    {Message::TwoConditionsNeeded,
     QT_TRANSLATE_NOOP("Message", "It is necessary to fill at least two fields with the "
                                  "conditions to calculate!")},
    {Message::SelectVariable,
     QT_TRANSLATE_NOOP("Message", "You must select the variable field - the one you want to find "
                                  "out!")},
    {Message::BaseDataHeading, QT_TRANSLATE_NOOP("Message", "BASE DATA")},
    {Message::FindHeading, QT_TRANSLATE_NOOP("Message", "FIND")},
    //: Column heading; also shown without its mnemonic
    {Message::QuantityCaption, QT_TRANSLATE_NOOP("Message", "Qty. or &Value")},
    //: Column heading; also shown without its mnemonic
    {Message::DescriptionCaption, QT_TRANSLATE_NOOP("Message", "&Description")},
    //: %1 and %2 are descriptions the user typed, in upper case
    {Message::ProportionQuestion,
     QT_TRANSLATE_NOOP("Message", "If you add:\n\"%1\"\n\nthe result will/would add:\n\"%2\" ?")},
    //: Button; " &1" or " &2" is appended, so no mnemonic here
    {Message::ExampleButton, QT_TRANSLATE_NOOP("Message", "Example")},
    //: Title of the save dialog (a blank is put before it)
    {Message::SaveInFile, QT_TRANSLATE_NOOP("Message", "Save in File")},
    {Message::CalculateFinalDateButton, QT_TRANSLATE_NOOP("Message", "&Calculate Final Date")},
    //: Tape: heading of the capitalization totals block, 26 columns including its leading blanks
    {Message::CapitalizationTotalHeading,
     QT_TRANSLATE_NOOP("Message", "     CAPITALIZATION TOTAL:")},
    //: Tape: capitalization totals label after 11 blanks, at most 15 columns
    {Message::TotalsInterestLabel, QT_TRANSLATE_NOOP("Message", "TOTAL INTEREST:")},
    //: Tape: capitalization totals label after 13 blanks, at most 13 columns
    {Message::TotalsFinalAmountLabel, QT_TRANSLATE_NOOP("Message", "FINAL AMOUNT:")},
    //: Tape: capitalization totals label after 12 blanks, at most 14 columns
    {Message::TotalsInitialValueLabel, QT_TRANSLATE_NOOP("Message", "INITIAL VALUE:")},
    {Message::PrintButton, QT_TRANSLATE_NOOP("Message", "&Print")},
    {Message::RestartNeeded,
     QT_TRANSLATE_NOOP("Message", "You need to restart the CALCULATOR for the change to take "
                                  "place.")},
    {Message::ClipboardMonitorHelp,
     QT_TRANSLATE_NOOP("Message", "Monitor Clipboard:\n\nTo add from clipboard select and copy "
                                  "(Ctrl+C) any numeric value from another application (like "
                                  "tables from Microsoft Word or columns from Microsoft Excel). "
                                  "By coping two columns (at the same time) one will be "
                                  "multiplied by the other. The result is then stored in the "
                                  "clipboard (use Paste: Ctrl+V).")},
};

// Lookup is by position, so each entry must stand at its enumerator's place.
constexpr bool inEnumeratorOrder()
{
    for (std::size_t i = 0; i < std::size(Messages); ++i) {
        if (Messages[i].id != Message(i))
            return false;
    }
    return true;
}
static_assert(inEnumeratorOrder());

} // namespace

const char* messageSource(Message id)
{
    const auto index = std::size_t(id);
    Q_ASSERT(index < std::size(Messages));
    return Messages[index].source;
}

std::size_t messageCount()
{
    return std::size(Messages);
}

} // namespace numerette
