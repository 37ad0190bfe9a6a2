<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CalculatorHotKeys</name>
    <message>
        <source>&amp;HotKeys (CTRL + Numeric Keyboard)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculatorMenus</name>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;alculate Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation &amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear (erase ca&amp;lculations)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;ENTER&quot; Key &amp;Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add (Advance Mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Result (Standard Mode)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number Display Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Text While Calculate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClipboardMonitor</name>
    <message>
        <source>&amp;Monitor Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copied column is too long: it holds more than %L1 numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added. Copy it in parts of at most %L1 lines.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectItemDialog</name>
    <message>
        <source> Correct Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a number other than zero.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CorrectionCommand</name>
    <message>
        <source>Put the cursor on an item line of a calculation to correct that item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calculation was typed before the calculator was last started, or while its window was hidden, so the keys it was typed with are not known.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calculation was typed in time mode.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number format or the ENTER key function changed during this calculation.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calculation was changed by free-text editing.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calculation was cut short by a clear before its total.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The percentage of this calculation was taken with the operator of an item that was undone before it.

It cannot be replayed; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;rrect Item...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With this correction the calculation does not come out whole: a percentage of a zero total, or a number the format shows as zero.

Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayRow</name>
    <message>
        <source>Item count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeySounds</name>
    <message>
        <source>Soun&amp;d when Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep, Beep...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mu&amp;sical (user choice)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Memory clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> NumLock </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Enter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN TER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>&amp;Open Another Numerette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Windows Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email technical support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numerette FREE %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An adding machine with a paper tape, for the desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WOULD YOU LIKE TO VISIT OUR WEBSITE ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Save in &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup When Clean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Bac&amp;kup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListEditing</name>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Text or Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group the Capitalization Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Calculator Display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>&amp;Print with Small Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print with &amp;Medium Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print with L&amp;arge Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print in Paper R&amp;oll (Bobbin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Await the end of the print and then press OK to continue...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuotationLabel</name>
    <message>
        <source>Next quotation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Tool&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Numerette    Ctrl+Shift+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Shortcut under Start Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Hide Keyb&amp;oard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show with &amp;Large Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start With &amp;Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office &amp;XP menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Stay on &amp;System Tray when Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;N&amp;umLock&quot; always ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always &amp;Visible (On Top)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCalcula</name>
    <message>
        <source>Tool&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved calculation list could not be read, so a new list was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was left where it is:<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was kept as:<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your calculations could not be saved in the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They will be saved again at the next total.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSysTray</name>
    <message>
        <source>Numerette is installed, so its shortcut is already in the applications menu, under Utilities (or Accessories).

No other shortcut is needed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
