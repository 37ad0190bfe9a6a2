// SPDX-License-Identifier: GPL-3.0-or-later
// Every message as the numbered catalogue gave it before its texts moved to translation
// sources, with the arguments "<a1>", "<a2>" and "<a3>". English output must not change.
#pragma once

#include "message_catalogue.h"

struct EnglishMessage {
    numerette::Message id;
    const char* name;
    const char* text;
};

#define ENGLISH_MESSAGE(id, text) {numerette::Message::id, #id, text}

inline constexpr EnglishMessage EnglishMessages[] = {
    ENGLISH_MESSAGE(ListFull,
                    "Calculation's list is full.\r\n\r\nDo you want to erase all the "
                    "calculations of the list?"),
    ENGLISH_MESSAGE(HandlingTips,
                    "HANDLING TIPS:\r\n\r\n- Double-click calculation list for the "
                    "clicked number to be registered again.\r\n\r\n- Use arrow keys "
                    "to get access and scroll up or down calculation list.\r\n\r\n- "
                    "Monitor Clipboard: To add from clipboard select and copy (Ctrl+C) "
                    "any numeric value from another application (like tables from Microsoft "
                    "Word or columns from Microsoft Excel). By coping two columns (at "
                    "the same time) one will be multiplied by the other. The result "
                    "is then stored in the clipboard (use Paste: Ctrl+V).\r\n\r\n- "
                    "Press F6 to open another window for you to do any secondary calculations.\r\n"
                    "\r\n- Press Ctrl+U to change the sound.\r\n\r\n- Press DELETE "
                    "once to clear the display or twice to clear calculation list.\r\n"
                    "\r\n- Press ESC to close the calculator from any window.\r\n\r\n"
                    "* For more information, or to make a suggestion, please visit "
                    "our website.\r\n\r\nWOULD YOU LIKE TO VISIT OUR WEBSITE ?"),
    ENGLISH_MESSAGE(BrowserError,
                    "Error while attempting to open your browser"),
    ENGLISH_MESSAGE(SoundCardError,
                    "Error while trying to access MIDI resource of your Sound Card"),
    ENGLISH_MESSAGE(FinishCalculationFirst,
                    "You can only edit or change calculation list after finishing the "
                    "current calculation."),
    ENGLISH_MESSAGE(MailProgramError,
                    "Error while attempting to open e-mail program to send a message "
                    "to:\r\n\r\n<a1>"),
    ENGLISH_MESSAGE(AddOnEnterSet,
                    "You have just set calculator to ADD when ENTER key is pressed!\r\n"
                    "\r\nTo get calculation's TOTAL press = or NUMLOCK of the numeric "
                    "keypad.\r\n\r\nKeys + (plus) and - (minus) now convert the typed "
                    "number into a positive or a negative one. To insert it in the "
                    "calculation press ENTER."),
    ENGLISH_MESSAGE(SentToPrinter,
                    "Sent to printer"),
    ENGLISH_MESSAGE(PrinterNotResponding,
                    "Printer is not responding or is not installed"),
    ENGLISH_MESSAGE(EndOfSearch,
                    "End of search"),
    ENGLISH_MESSAGE(SystemCalculatorNotFound,
                    "Windows calculator was not found"),
    ENGLISH_MESSAGE(InvalidClipboardSelection,
                    "Invalid selection!\r\n\r\nSelect one or two columns that contain "
                    "numbers."),
    ENGLISH_MESSAGE(InterestHelp,
                    "FIXED INSTALLMENT\r\n\r\n- Initial Value\r\nLoan Value or Merchandise "
                    "Value.\r\n\r\n- Fixed Installment\r\nEnter installment value to "
                    "find out the interest rate or leave the field blank and enter "
                    "interest rate to obtain the installment amount.\r\n\r\n- Number "
                    "of Installments\r\nNumber of monthly installments to pay (enter "
                    "a number between 1 and 250).\r\n\r\n- First installment after...\r\n"
                    "Enter the number of days until first installment expiration or "
                    "select \"Cash Payment\" if first installment was paid at the time.\r\n"
                    "\r\n- Interest Rate %\r\nEnter monthly interest rate to find out "
                    "the installment or leave the field blank and enter fixed installment "
                    "to obtain the interest rate.\r\n\r\nCAPITALIZATION\r\n\r\n- Cash "
                    "Check\r\nIt finds out the net amount minus the interest rate using "
                    "check installments (installments with checks given in advance).\r\n"
                    "\r\n- Saving Accounts\r\nIt calculates and capitalizes the interest "
                    "rate monthly over the entered amount, i.e., amount + month to "
                    "month interest rate."),
    ENGLISH_MESSAGE(InsertInitialValue,
                    "Insert Initial Value"),
    ENGLISH_MESSAGE(EnterInstallmentCount,
                    "Enter number of installments:\r\n\r\nMin. 1 / Max. 250."),
    ENGLISH_MESSAGE(EnterDaysToFirstInstallment,
                    "Enter the number of days until first installment expiration"),
    ENGLISH_MESSAGE(EnterInstallmentOrRate,
                    "- Enter installment value to find out interest rate or\r\n\r\n"
                    "- Enter interest rate to find out the installment."),
    ENGLISH_MESSAGE(InstallmentTooHigh,
                    "Installment value could NOT be equal or higher the the initial "
                    "value"),
    ENGLISH_MESSAGE(EnterInterestRate,
                    "Enter interest rate for calculation"),
    ENGLISH_MESSAGE(CalculationError,
                    "Error in the calculation. Check the information entered.\r\n\r\n"
                    "If the problem continues, You may try one of the following:\r\n"
                    "-Low the Fixed Installment Value\r\n-Low Interest Rate\r\n-Low "
                    "the number of installment"),
    ENGLISH_MESSAGE(CapitalizedAmountResult,
                    "Amount + Capitalized Interest Amount:\r\n\r\n$ <a1>"),
    ENGLISH_MESSAGE(InvalidData,
                    "Invalid Data! Operation aborted."),
    ENGLISH_MESSAGE(NetAmountResult,
                    "Net amount minus interest amount:\r\n\r\n$ <a1>"),
    ENGLISH_MESSAGE(IncorrectDate,
                    "The entered date is incorrect"),
    ENGLISH_MESSAGE(InitialDateAfterFinal,
                    "Initial date must came before the final date"),
    ENGLISH_MESSAGE(CheckFields,
                    "Check the information on the fields"),
    ENGLISH_MESSAGE(ScheduleCanceled,
                    "Schedule Canceled"),
    ENGLISH_MESSAGE(ConfirmShutdown,
                    "Do you really want to turn off the computer by <a1> hs. ?"),
    ENGLISH_MESSAGE(AlarmMessage,
                    "Alarm Scheduled Time:\r\n<a1> hs.\r\n\r\n<a2>"),
    ENGLISH_MESSAGE(AlarmSetCaption,
                    "Sound Alarm at <a1> hs."),
    ENGLISH_MESSAGE(TodayLabel,
                    "Today: "),
    ENGLISH_MESSAGE(SearchPrompt,
                    "Enter text/number to search through calculation list."),
    ENGLISH_MESSAGE(SearchTitle,
                    " Locate on List"),
    ENGLISH_MESSAGE(InstrumentPrompt,
                    "Enter an instrument number from 0 to 127.\r\n\r\nExample:\r\n000 "
                    "= Piano\r\n050 = Synth Strings\r\n075 = Flute\r\n100 = FX5 Bright\r\n"
                    "\r\nUse your keyboard to play sounds."),
    ENGLISH_MESSAGE(InstrumentTitle,
                    " Choose Keyboard Sound"),
    ENGLISH_MESSAGE(InitialValuePrompt,
                    "Enter INITIAL VALUE $:"),
    ENGLISH_MESSAGE(CapitalizeTitle,
                    " Capitalize Interest Rate"),
    ENGLISH_MESSAGE(MonthlyRatePrompt,
                    "Enter MONTHLY INTEREST RATE %:"),
    ENGLISH_MESSAGE(InitialDatePrompt,
                    "Enter INITIAL DATE:"),
    ENGLISH_MESSAGE(FinalDatePrompt,
                    "Enter FINAL DATE or\r\nNUMBER OF DAYS (1 to <a1> days):"),
    ENGLISH_MESSAGE(CheckValuePrompt,
                    "Enter CHECK VALUE $:"),
    ENGLISH_MESSAGE(CashCheckTitle,
                    " Cash Check"),
    ENGLISH_MESSAGE(EnterTime,
                    "Enter time:"),
    ENGLISH_MESSAGE(AlarmTitle,
                    " Set Alarm (Scheduling)"),
    ENGLISH_MESSAGE(DescribeReason,
                    "Describe Reason:"),
    ENGLISH_MESSAGE(ShutdownPrompt,
                    "WARNING: Be careful at using this feature because the computer "
                    "will be turned off on the entered time. If there were some opened "
                    "files without saving you might lose your last changes.\r\n\r\n"
                    "Enter time:"),
    ENGLISH_MESSAGE(ShutdownTitle,
                    " Set Time to Turn Off the Computer"),
    ENGLISH_MESSAGE(ShutdownSetCaption,
                    "Turn off the Computer at <a1> hs. "),
    ENGLISH_MESSAGE(HelpButton,
                    "&Help"),
    ENGLISH_MESSAGE(InitialDateCaption,
                    "&Initial Date"),
    ENGLISH_MESSAGE(FinalDateCaption,
                    "&Final Date"),
    ENGLISH_MESSAGE(YearsButton,
                    "&Years"),
    ENGLISH_MESSAGE(MonthsButton,
                    "&Months"),
    ENGLISH_MESSAGE(WeeksButton,
                    "&Weeks"),
    ENGLISH_MESSAGE(DaysButton,
                    "&Days"),
    ENGLISH_MESSAGE(LeapYearsLabel,
                    "Leap Years"),
    ENGLISH_MESSAGE(DateWindowTitle,
                    " Calculate Date"),
    ENGLISH_MESSAGE(ProgramCredit,
                    "Numerette\r\nby the Numerette developers"),
    ENGLISH_MESSAGE(CapitalizationCaption,
                    "Capitalization\r\n(click in the button and enter information)"),
    ENGLISH_MESSAGE(FixedInstallmentsGroup,
                    "Fixed Installments"),
    ENGLISH_MESSAGE(InterestWindowTitle,
                    " Calculate Capitalized Interest Amount"),
    ENGLISH_MESSAGE(InitialValueCaption,
                    "Initial &Value $"),
    ENGLISH_MESSAGE(FixedInstallmentsCaption,
                    "&Fixed Installments $"),
    ENGLISH_MESSAGE(InstallmentCountCaption,
                    "&Number of Installments x"),
    ENGLISH_MESSAGE(FirstInstallmentCaption,
                    "First Installment after"),
    ENGLISH_MESSAGE(DaysOrLabel,
                    "DAYS or"),
    ENGLISH_MESSAGE(InterestRateCaption,
                    "&Interest Rate %"),
    ENGLISH_MESSAGE(TotalInterestCaption,
                    "Total Interest Amount $"),
    ENGLISH_MESSAGE(FinalAmountCaption,
                    "Final Amount $"),
    ENGLISH_MESSAGE(MonthlyLabel,
                    "monthly"),
    ENGLISH_MESSAGE(InCash,
                    "  in cash"),
    ENGLISH_MESSAGE(CalculateButton,
                    "&Calculate"),
    ENGLISH_MESSAGE(CashCheckButton,
                    "C&ash Check"),
    ENGLISH_MESSAGE(SavingAccountButton,
                    "Saving Acc&ount"),
    ENGLISH_MESSAGE(ReportInitialValue,
                    "INITIAL VALUE "),
    ENGLISH_MESSAGE(ReportInstallmentCount,
                    "NUMBER OF INSTALLMENTS "),
    ENGLISH_MESSAGE(ReportInstallmentValue,
                    "INSTALLMENT VALUE "),
    ENGLISH_MESSAGE(ReportMonthlyRate,
                    "MONTHLY INTEREST RATE "),
    ENGLISH_MESSAGE(ReportTotalInterest,
                    "TOTAL INTEREST AMOUNT "),
    ENGLISH_MESSAGE(ReportFinalAmount,
                    "FINAL AMOUNT "),
    ENGLISH_MESSAGE(ReportDayCount,
                    "NUMBER OF DAYS "),
    ENGLISH_MESSAGE(NoBackup,
                    "There is no backup to show"),
    ENGLISH_MESSAGE(BackupOpenError,
                    "Could not open backup file:\r\n\r\nc:\\calcula.txt"),
    ENGLISH_MESSAGE(BackupTooLarge,
                    "Your calculation backup file is too large. Please clean some of "
                    "your old calculations."),
    ENGLISH_MESSAGE(PrinterPortPrompt,
                    "WARNING: If your printer is not turned on and properly connected, "
                    "the Calculator won't print.\r\n\r\nEnter communication port:\r\n"
                    "\r\n(LPT1, LPT2, COM1, COM2 or COM3)"),
    ENGLISH_MESSAGE(RuleOfThreeTitle,
                    " Rule of Three Calculation"),
    ENGLISH_MESSAGE(ExampleOneBaseCarpenters,
                    "If 8 carpenters..."),
    ENGLISH_MESSAGE(ExampleOneBaseDays,
                    "...working five days..."),
    ENGLISH_MESSAGE(ExampleOneBaseHours,
                    "...for 6 hours per day..."),
    ENGLISH_MESSAGE(ExampleOneBaseClosets,
                    "...build 12 closets..."),
    ENGLISH_MESSAGE(ExampleOneQuestion,
                    "...How many closets would be build by 5 carpenters in 10 days "
                    "working 8 hours per day ?"),
    ENGLISH_MESSAGE(ExampleOneNewCarpenters,
                    "Let's enter information: 5 carpenters..."),
    ENGLISH_MESSAGE(ExampleOneNewDays,
                    "...working 10 days..."),
    ENGLISH_MESSAGE(ExampleOneNewHours,
                    "...8 hours per day."),
    ENGLISH_MESSAGE(ExampleOneClosing,
                    "Now press CALCULATE to get the number of closets!\r\n\r\nWARNING: "
                    "When you press CALCULATE button, questions about logic will be "
                    "made that are necessary to build the formula. If you answer all "
                    "of them correctly, the final result will be:\r\n\r\n\"20 CLOSETS\"\r\n"
                    "\r\nTIP: When you press CALCULATE, answer YES to all the questions."),
    ENGLISH_MESSAGE(Carpenters,
                    "carpenters"),
    ENGLISH_MESSAGE(WorkingDays,
                    "working days"),
    ENGLISH_MESSAGE(WorkingHoursPerDay,
                    "working hours per day"),
    ENGLISH_MESSAGE(Closets,
                    "closets"),
    ENGLISH_MESSAGE(ExampleTwoQuestion,
                    "How many hours per day will be needed by 3 carpenters in 12 days "
                    "to build 18 closets ?"),
    ENGLISH_MESSAGE(ExampleTwoNewCarpenters,
                    "Let's enter information: 3 carpenters..."),
    ENGLISH_MESSAGE(ExampleTwoNewDays,
                    "...working 12 days..."),
    ENGLISH_MESSAGE(ExampleTwoNewClosets,
                    "...to build 18 closets."),
    ENGLISH_MESSAGE(ExampleTwoClosing,
                    "Now press CALCULATE to get the number of hours per day!\r\n\r\n"
                    "If you answer all the questions about logic correctly, the final "
                    "result will be:\r\n\r\n\"10 WORKING HOURS PER DAY\"\r\n\r\nTIP: "
                    "When you press CALCULATE, answer NO two times and YES one time."),
    ENGLISH_MESSAGE(FillBaseData,
                    "Fill at least two fields with the reference base data and then "
                    "click CALCULATE.\r\n\r\nIf you prefer click EXAMPLE so the program "
                    "will explain in a step-by-step basis how to fill the fields."),
    ENGLISH_MESSAGE(OnlyVariableUndefined,
                    "Only the variable may be undefined."),
    ENGLISH_MESSAGE(TwoConditionsNeeded,
                    "It is necessary to fill at least two fields with the conditions "
                    "to calculate!"),
    ENGLISH_MESSAGE(SelectVariable,
                    "You must select the variable field - the one you want to find "
                    "out!"),
    ENGLISH_MESSAGE(BaseDataHeading,
                    "BASE DATA"),
    ENGLISH_MESSAGE(FindHeading,
                    "FIND"),
    ENGLISH_MESSAGE(QuantityCaption,
                    "Qty. or &Value"),
    ENGLISH_MESSAGE(DescriptionCaption,
                    "&Description"),
    ENGLISH_MESSAGE(ProportionQuestion,
                    "If you add:\r\n\"<a1>\"\r\n\r\nthe result will/would add:\r\n\"<a2>\" "
                    "?"),
    ENGLISH_MESSAGE(ExampleButton,
                    "Example"),
    ENGLISH_MESSAGE(SaveInFile,
                    "Save in File"),
    ENGLISH_MESSAGE(CalculateFinalDateButton,
                    "&Calculate Final Date"),
    ENGLISH_MESSAGE(CapitalizationTotalHeading,
                    "     CAPITALIZATION TOTAL:"),
    ENGLISH_MESSAGE(TotalsInterestLabel,
                    "TOTAL INTEREST:"),
    ENGLISH_MESSAGE(TotalsFinalAmountLabel,
                    "FINAL AMOUNT:"),
    ENGLISH_MESSAGE(TotalsInitialValueLabel,
                    "INITIAL VALUE:"),
    ENGLISH_MESSAGE(PrintButton,
                    "&Print"),
    ENGLISH_MESSAGE(RestartNeeded,
                    "You need to restart the CALCULATOR for the change to take place."),
    ENGLISH_MESSAGE(ClipboardMonitorHelp,
                    "Monitor Clipboard:\r\n\r\nTo add from clipboard select and copy "
                    "(Ctrl+C) any numeric value from another application (like tables "
                    "from Microsoft Word or columns from Microsoft Excel). By coping "
                    "two columns (at the same time) one will be multiplied by the other. "
                    "The result is then stored in the clipboard (use Paste: Ctrl+V)."),
};

#undef ENGLISH_MESSAGE
