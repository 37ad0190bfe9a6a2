<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BackupRecord</name>
    <message>
        <source>BKP = %1 hs.</source>
        <extracomment>Heading of a list appended to the backup file, after 8 spaces; %1 is the time as 8 characters (hh:mm:ss). BKP abbreviates &quot;backup&quot;, &quot;hs.&quot; &quot;hours&quot;. At most 18 columns with the time filled in.</extracomment>
        <translation>BKP = %1 hs.</translation>
    </message>
</context>
<context>
    <name>BusinessKeys</name>
    <message>
        <source>&amp;Rounding</source>
        <extracomment>Submenu of the Settings menu: how each step of a calculation rounds its result</extracomment>
        <translation>A&amp;rredondamento</translation>
    </message>
    <message>
        <source>Copy Totals without &amp;Grouping</source>
        <extracomment>Item of the Settings menu: totals go to the clipboard as plain numbers, &quot;1234.56&quot;</extracomment>
        <translation>Copiar Totais sem Separador de Mi&amp;lhar</translation>
    </message>
    <message>
        <source>&amp;Tax Rate (%1 %)...</source>
        <extracomment>Item of the Settings menu; %1 is the rate in percent, 0 while the tax keys are off</extracomment>
        <translation>&amp;Taxa do Imposto (%1 %)...</translation>
    </message>
    <message>
        <source> Tax Rate</source>
        <translation> Taxa do Imposto</translation>
    </message>
    <message>
        <source>The tax rate in percent for Tax+ (CTRL+SHIFT+T) and Tax- (CTRL+SHIFT+N).
0 turns the tax keys off.</source>
        <extracomment>Prompt of the tax-rate box. Tax+ and Tax- are the keys&apos; names; CTRL and SHIFT the keyboard&apos;s.</extracomment>
        <translation>A taxa do imposto, em porcentagem, para Tax+ (CTRL+SHIFT+T) e Tax- (CTRL+SHIFT+N).
0 desliga as teclas de imposto.</translation>
    </message>
    <message>
        <source>The tax rate must be a number from 0 to 999.</source>
        <translation>A taxa do imposto deve ser um número de 0 a 999.</translation>
    </message>
</context>
<context>
    <name>CalculatorHotKeys</name>
    <message>
        <source>&amp;HotKeys (CTRL + Numeric Keyboard)</source>
        <extracomment>Keys typed with CTRL on the numeric keypad reach the calculator even when it is minimized; CTRL is the key&apos;s name</extracomment>
        <translation>Teclas de &amp;Atalho (CTRL + Teclado Numérico)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (CTRL + Numeric Keyboard, in X11 windows only)</source>
        <extracomment>As &quot;&amp;HotKeys (CTRL + Numeric Keyboard)&quot;, in a Wayland session: the keys arrive only while a window of an X11 program has the focus</extracomment>
        <translation>Teclas de &amp;Atalho (CTRL + Teclado Numérico, só em janelas X11)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (desktop shortcuts)</source>
        <extracomment>The hot keys are the global shortcuts the user assigns in the desktop&apos;s settings</extracomment>
        <translation>Teclas de &amp;Atalho (atalhos da área de trabalho)</translation>
    </message>
    <message>
        <source>&amp;HotKeys (not available in this session)</source>
        <extracomment>No hot keys can reach the calculator in this desktop session</extracomment>
        <translation>Teclas de &amp;Atalho (indisponíveis nesta sessão)</translation>
    </message>
</context>
<context>
    <name>CalculatorMenus</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>C&amp;alculate Time</source>
        <translation>Calcular &amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Calculation &amp;List</source>
        <translation>&amp;Fita</translation>
    </message>
    <message>
        <source>Clear (erase ca&amp;lculations)</source>
        <translation>&amp;Limpar (apagar cálculos)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&quot;ENTER&quot; Key &amp;Function</source>
        <translation>&amp;Função da Tecla &quot;ENTER&quot;</translation>
    </message>
    <message>
        <source>&amp;Add (Advance Mode)</source>
        <translation>&amp;Somar (Modo Avançado)</translation>
    </message>
    <message>
        <source>&amp;Result (Standard Mode)</source>
        <translation>R&amp;esultado (Modo Padrão)</translation>
    </message>
    <message>
        <source>&amp;Number Display Format</source>
        <translation>Formato dos &amp;Números no Visor</translation>
    </message>
    <message>
        <source>&amp;Insert Text While Calculate</source>
        <translation>&amp;Inserir Texto Durante o Cálculo</translation>
    </message>
</context>
<context>
    <name>ClipboardMonitor</name>
    <message>
        <source>&amp;Monitor Clipboard</source>
        <translation>&amp;Monitorar Área de Transferência</translation>
    </message>
    <message>
        <source>The copied column is too long: it holds more than %L1 numbers.</source>
        <translation>A coluna copiada é longa demais: contém mais de %L1 números.</translation>
    </message>
    <message>
        <source>Nothing was added. Copy it in parts of at most %L1 lines.</source>
        <translation>Nada foi adicionado. Copie-a em partes de no máximo %L1 linhas.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <extracomment>Ends the complaint about a wrong option; %1 is the command to type.</extracomment>
        <translation>Tente &apos;%1&apos; para mais informações.</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos; for --press; the keys are:
%2</source>
        <translation>tecla desconhecida &apos;%1&apos; para --press; as teclas são:
%2</translation>
    </message>
    <message>
        <source>--press takes no command word (&apos;%1&apos;)</source>
        <translation>--press não aceita palavra de comando (&apos;%1&apos;)</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>start with the notification-area icon only, as at log-in</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>iniciar só com o ícone na área de notificação, como no login</translation>
    </message>
    <message>
        <source>switch the calculator to time mode (hours:minutes:seconds)</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>passar a calculadora ao modo de tempo (horas:minutos:segundos)</translation>
    </message>
    <message>
        <source>open the interest and installments tool</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir a ferramenta de juros e parcelas</translation>
    </message>
    <message>
        <source>open the ideal weight tool</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir a ferramenta de peso ideal</translation>
    </message>
    <message>
        <source>open a second calculator in a process of its own</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir uma segunda calculadora em um processo próprio</translation>
    </message>
    <message>
        <source>open a second calculator in time mode</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>abrir uma segunda calculadora no modo de tempo</translation>
    </message>
    <message>
        <source>close the running calculator, then start afresh</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>fechar a calculadora em execução e iniciar de novo</translation>
    </message>
    <message>
        <source>close the running calculator, then start without menus</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>fechar a calculadora em execução e iniciar sem menus</translation>
    </message>
    <message>
        <source>close the running calculator and end</source>
        <extracomment>What a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>fechar a calculadora em execução e sair</translation>
    </message>
    <message>
        <source>print this help and end</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>mostrar a versão e sair</translation>
    </message>
    <message>
        <source>end of the options</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns.</extracomment>
        <translation>fim das opções</translation>
    </message>
    <message>
        <source>Usage: numerette [OPTION] [COMMAND-WORD]
An adding-machine calculator with a paper tape.

The first start opens the calculator and an icon in the notification area. A later start
hands its command word over to the running calculator and ends.</source>
        <extracomment>First part of numerette --help; lines stay within 80 columns. OPTION and COMMAND-WORD name what the user types in their place.</extracomment>
        <translation>Uso: numerette [OPÇÃO] [COMANDO]
Uma calculadora de somar com fita de papel.

A primeira execução abre a calculadora e um ícone na área de notificação. Uma
execução posterior repassa seu comando à calculadora já aberta e termina.</translation>
    </message>
    <message>
        <source>Command words:</source>
        <extracomment>Heading in numerette --help above the list of command words.</extracomment>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>Stands in numerette --help where a command word would, for a start without one: at most 10 columns.</extracomment>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>show the calculator</source>
        <extracomment>What a start without a command word does, in numerette --help: at most 64 columns.</extracomment>
        <translation>mostrar a calculadora</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading in numerette --help above the list of options.</extracomment>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as %1 NAME or %2 NAME, are accepted too.</source>
        <extracomment>%1 and %2 are option names (-style, -platform) and stay as they are; NAME stands for what the user types after them.</extracomment>
        <translation>As opções próprias do Qt, como %1 NOME ou %2 NOME, também são aceitas.</translation>
    </message>
    <message>
        <source>Files: the tape and its backup in %1, the settings in
%2. See numerette(1).</source>
        <extracomment>Last part of numerette --help; %1 and %2 are the files&apos; paths. Lines stay within 80 columns.</extracomment>
        <translation>Arquivos: a fita e seu backup em %1, as configurações em
%2. Veja numerette(1).</translation>
    </message>
    <message>
        <source>press one keypad key in the running calculator</source>
        <extracomment>What an option does, in numerette --help: at most 62 columns. KEY stays as it is.</extracomment>
        <translation>pressiona uma tecla do teclado na calculadora aberta</translation>
    </message>
    <message>
        <source>--press takes the same key as its hot key (CTRL with the numeric keypad), for
a shortcut of the desktop to run. KEY is one of:
%1</source>
        <extracomment>Part of numerette --help about --press; %1 is the list of key names, which stay as they are. Lines stay within 80 columns.</extracomment>
        <translation>--press pressiona a mesma tecla que a sua tecla de atalho (CTRL com o teclado
numérico), para um atalho da área de trabalho executar. KEY é uma de:
%1</translation>
    </message>
</context>
<context>
    <name>CorrectItemDialog</name>
    <message>
        <source> Correct Item</source>
        <translation> Corrigir Item</translation>
    </message>
    <message>
        <source>&amp;Item:</source>
        <translation>&amp;Item:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>&amp;Operator:</source>
        <translation>&amp;Operador:</translation>
    </message>
    <message>
        <source>Type a number other than zero.</source>
        <translation>Digite um número diferente de zero.</translation>
    </message>
    <message>
        <source>Type the number as on the keypad: digits, one decimal separator (&quot;.&quot; or &quot;,&quot;) and, for a negative number, a minus sign in front. Digits are not grouped.</source>
        <translation>Digite o número como no teclado: algarismos, um separador decimal (&quot;.&quot; ou &quot;,&quot;) e, para um número negativo, o sinal de menos na frente. Os algarismos não são agrupados.</translation>
    </message>
    <message>
        <source>Too many decimals: the number format of this calculation takes no more than %1.</source>
        <extracomment>%1 is a number of decimals (1 to 10)</extracomment>
        <translation>Decimais demais: o formato de número deste cálculo aceita no máximo %1.</translation>
    </message>
    <message>
        <source>Too many digits: the keypad takes no more than %1.</source>
        <extracomment>%1 is a number of digits (12)</extracomment>
        <translation>Algarismos demais: o teclado aceita no máximo %1.</translation>
    </message>
</context>
<context>
    <name>CorrectionCommand</name>
    <message>
        <source>Put the cursor on an item line of a calculation to correct that item.</source>
        <translation>Coloque o cursor em uma linha de item de um cálculo para corrigir esse item.</translation>
    </message>
    <message>
        <source>This calculation was typed before the calculator was last started, or while its window was hidden, so the keys it was typed with are not known.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo foi digitado antes da última inicialização da calculadora, ou enquanto sua janela estava oculta, por isso as teclas usadas para digitá-lo não são conhecidas.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>This calculation was typed in time mode.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo foi digitado no modo de tempo.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>The number format or the ENTER key function changed during this calculation.

It cannot be replayed; nothing was changed.</source>
        <translation>O formato dos números ou a função da tecla ENTER mudou durante este cálculo.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>This calculation was changed by free-text editing.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo foi alterado por edição de texto livre.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>This calculation was cut short by a clear before its total.

It cannot be replayed; nothing was changed.</source>
        <translation>Este cálculo foi interrompido por uma limpeza antes do seu total.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>The percentage of this calculation was taken with the operator of an item that was undone before it.

It cannot be replayed; nothing was changed.</source>
        <translation>A porcentagem deste cálculo foi tirada com o operador de um item que foi desfeito antes dela.

Não é possível reproduzi-lo; nada foi alterado.</translation>
    </message>
    <message>
        <source>Co&amp;rrect Item...</source>
        <translation>Co&amp;rrigir Item...</translation>
    </message>
    <message>
        <source>With this correction the calculation does not come out whole: a percentage of a zero total, or a number the format shows as zero.

Nothing was changed.</source>
        <translation>Com esta correção o cálculo não fecha corretamente: uma porcentagem de um total zero, ou um número que o formato mostra como zero.

Nada foi alterado.</translation>
    </message>
    <message>
        <source>The keys of the calculations on the list were not read from
%1

%2

Those calculations cannot be corrected.</source>
        <translation>As teclas dos cálculos da fita não foram lidas de
%1

%2

Esses cálculos não podem ser corrigidos.</translation>
    </message>
</context>
<context>
    <name>CorrectionHeader</name>
    <message>
        <source> CORRECTED ITEM %1 OF %2</source>
        <extracomment>Tape line above a corrected item, at most 26 columns; %1 is the item&apos;s number and %2 the number of items, three digits each</extracomment>
        <translation> ITEM CORRIGIDO %1 DE %2</translation>
    </message>
</context>
<context>
    <name>DateReport</name>
    <message>
        <source> years: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> anos: %1</translation>
    </message>
    <message>
        <source> months: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> meses: %1</translation>
    </message>
    <message>
        <source>   weeks: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation>   semanas: %1</translation>
    </message>
    <message>
        <source> days: %1</source>
        <extracomment>Tape report line of the date difference, at most 23 columns with the number %1</extracomment>
        <translation> dias: %1</translation>
    </message>
</context>
<context>
    <name>DisplayPlatform</name>
    <message>
        <source>numerette: no display to open the calculator on. There is no X11 display (DISPLAY is not set) and no Wayland display the program can use (that needs Qt&apos;s Wayland support, the package qt6-wayland).
Start Numerette from a desktop session.
</source>
        <translation>numerette: não há tela onde abrir a calculadora. Não há tela X11 (DISPLAY não está definido) nem tela Wayland que o programa possa usar (para isso é preciso o suporte a Wayland do Qt, o pacote qt6-wayland).
Inicie o Numerette a partir de uma sessão de área de trabalho.
</translation>
    </message>
    <message>
        <source>Numerette cannot start</source>
        <translation>O Numerette não pode iniciar</translation>
    </message>
</context>
<context>
    <name>DisplayRow</name>
    <message>
        <source>Item count</source>
        <translation>Quantidade de itens</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>Visor de tempo</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export Selection</source>
        <translation>Exportar Seleção</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.xlsx)</source>
        <extracomment>File type in the export dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Planilha (*.xlsx)</translation>
    </message>
    <message>
        <source>The PDF document could not be made.</source>
        <translation>Não foi possível gerar o documento PDF.</translation>
    </message>
    <message>
        <source>The list could not be exported to the file:</source>
        <translation>Não foi possível exportar a fita para o arquivo:</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>Tape &amp;History...</source>
        <translation>&amp;Histórico da Fita...</translation>
    </message>
    <message>
        <source>&amp;Keep Tape History</source>
        <translation>Guardar &amp;Histórico da Fita</translation>
    </message>
    <message>
        <source>&amp;Forever</source>
        <translation>&amp;Para Sempre</translation>
    </message>
    <message>
        <source>For a Number of &amp;Days...</source>
        <translation>Por um Número de &amp;Dias...</translation>
    </message>
    <message>
        <source>&amp;Not at All</source>
        <translation>&amp;Não Guardar</translation>
    </message>
    <message>
        <source>The tape history could not be read; it was kept as %1 and a new one started.</source>
        <translation>O histórico da fita não pôde ser lido; ele foi guardado como %1 e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>The tape history cannot be kept: %1

The calculation list and its backup work as before.</source>
        <translation>O histórico da fita não pode ser guardado: %1

A lista de cálculos e o seu backup funcionam como antes.</translation>
    </message>
    <message>
        <source>The calculation could not be kept in the tape history: %1

The calculation list and its backup work as before.</source>
        <translation>O cálculo não pôde ser guardado no histórico da fita: %1

A lista de cálculos e o seu backup funcionam como antes.</translation>
    </message>
    <message>
        <source>The tape history is switched off (Settings, Keep Tape History).</source>
        <translation>O histórico da fita está desligado (Configurações, Guardar Histórico da Fita).</translation>
    </message>
    <message>
        <source>The tape history could not be opened.</source>
        <translation>O histórico da fita não pôde ser aberto.</translation>
    </message>
    <message>
        <source>Keep the tape history for how many days? (1 to %1)</source>
        <translation>Guardar o histórico da fita por quantos dias? (1 a %1)</translation>
    </message>
    <message>
        <source>The calculations from before %1 will be deleted from the tape history. Go on?</source>
        <translation>Os cálculos anteriores a %1 serão apagados do histórico da fita. Continuar?</translation>
    </message>
    <message>
        <source>For &amp;Days: %1...</source>
        <translation>Por &amp;Dias: %1...</translation>
    </message>
    <message>
        <source>Tape History</source>
        <translation>Histórico da Fita</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Tape History</source>
        <translation>Histórico da Fita</translation>
    </message>
    <message>
        <source>Amount, or the lowest amount</source>
        <translation>Valor, ou o menor valor</translation>
    </message>
    <message>
        <source>Highest amount</source>
        <translation>Maior valor</translation>
    </message>
    <message>
        <source>Words of the labels and notes</source>
        <translation>Palavras dos rótulos e notas</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>De&amp;sde:</translation>
    </message>
    <message>
        <source>From a day on</source>
        <translation>A partir de um dia</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primeiro dia</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>Until a day</source>
        <translation>Até um dia</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último dia</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>t&amp;o</source>
        <translation>a&amp;té</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>Pa&amp;lavras:</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Calculations found</source>
        <translation>Cálculos encontrados</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Fita</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>D&amp;ias:</translation>
    </message>
    <message>
        <source>&amp;Calculations found:</source>
        <translation>&amp;Cálculos encontrados:</translation>
    </message>
    <message>
        <source>&amp;Tape:</source>
        <translation>&amp;Fita:</translation>
    </message>
    <message>
        <source>&amp;Re-enter Value</source>
        <translation>&amp;Reinserir Valor</translation>
    </message>
    <message>
        <source>Re-enter the value into the calculator</source>
        <translation>Reinserir o valor na calculadora</translation>
    </message>
    <message>
        <source>Co&amp;py Lines</source>
        <translation>C&amp;opiar Linhas</translation>
    </message>
    <message>
        <source>Copy lines</source>
        <translation>Copiar linhas</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Export the tape shown</source>
        <translation>Exportar a fita mostrada</translation>
    </message>
    <message>
        <source>Pri&amp;nt</source>
        <translation>I&amp;mprimir</translation>
    </message>
    <message>
        <source>Print the tape shown</source>
        <translation>Imprimir a fita mostrada</translation>
    </message>
    <message>
        <source>D&amp;elete Calculation...</source>
        <translation>Apa&amp;gar Cálculo...</translation>
    </message>
    <message>
        <source>Delete the calculation</source>
        <translation>Apagar o cálculo</translation>
    </message>
    <message>
        <source>Delete Da&amp;y...</source>
        <translation>Apagar &amp;Dia...</translation>
    </message>
    <message>
        <source>Delete the day</source>
        <translation>Apagar o dia</translation>
    </message>
    <message>
        <source>&amp;Import Backup File</source>
        <translation>Importar Ar&amp;quivo de Backup</translation>
    </message>
    <message>
        <source>Import the backup file</source>
        <translation>Importar o arquivo de backup</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>The amount is no number.</source>
        <translation>O valor não é um número.</translation>
    </message>
    <message>
        <source>Type an amount or words, or choose the days to search.</source>
        <translation>Digite um valor ou palavras, ou escolha os dias a procurar.</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>No calculation found.</source>
        <translation>Nenhum cálculo encontrado.</translation>
    </message>
    <message>
        <source>Only the newest are shown.</source>
        <translation>Só os mais recentes são mostrados.</translation>
    </message>
    <message>
        <source>Put the cursor on an item or a total to re-enter its value.</source>
        <translation>Ponha o cursor num item ou num total para reinserir o seu valor.</translation>
    </message>
    <message>
        <source>%1 re-entered into the calculator.</source>
        <translation>%1 reinserido na calculadora.</translation>
    </message>
    <message>
        <source>Copied.</source>
        <translation>Copiado.</translation>
    </message>
    <message>
        <source>Export from the History</source>
        <translation>Exportar do Histórico</translation>
    </message>
    <message>
        <source>Exported.</source>
        <translation>Exportado.</translation>
    </message>
    <message>
        <source>Put the cursor on the calculation to delete.</source>
        <translation>Ponha o cursor no cálculo a apagar.</translation>
    </message>
    <message>
        <source>Delete this calculation of %1 from the history?

%2</source>
        <translation>Apagar este cálculo de %1 do histórico?

%2</translation>
    </message>
    <message>
        <source>The calculation could not be deleted.</source>
        <translation>O cálculo não pôde ser apagado.</translation>
    </message>
    <message>
        <source>The calculation was deleted.</source>
        <translation>O cálculo foi apagado.</translation>
    </message>
    <message>
        <source>Choose the day to delete.</source>
        <translation>Escolha o dia a apagar.</translation>
    </message>
    <message>
        <source>Delete every calculation of %1 from the history?</source>
        <translation>Apagar todos os cálculos de %1 do histórico?</translation>
    </message>
    <message>
        <source>The day could not be deleted.</source>
        <translation>O dia não pôde ser apagado.</translation>
    </message>
    <message>
        <source>The day was deleted.</source>
        <translation>O dia foi apagado.</translation>
    </message>
    <message>
        <source>The backup file could not be imported: %1</source>
        <translation>O arquivo de backup não pôde ser importado: %1</translation>
    </message>
    <message>
        <source>%1
calculations: %2, totals: %3</source>
        <translation>%1
cálculos: %2, totais: %3</translation>
    </message>
    <message>
        <source>Calculations on this day: %1.</source>
        <translation>Cálculos neste dia: %1.</translation>
    </message>
    <message>
        <source>Calculations found: %1.</source>
        <translation>Cálculos encontrados: %1.</translation>
    </message>
    <message>
        <source>Calculations imported from the backup file: %1; already in the history: %2.</source>
        <translation>Cálculos importados do arquivo de backup: %1; já no histórico: %2.</translation>
    </message>
</context>
<context>
    <name>HotKeyAction</name>
    <message>
        <source>Digit %1</source>
        <translation>Dígito %1</translation>
    </message>
    <message>
        <source>Add the number (Result mode: the result)</source>
        <translation>Somar o número (modo Resultado: o resultado)</translation>
    </message>
    <message>
        <source>Total (Result mode: change the sign)</source>
        <translation>Total (modo Resultado: trocar o sinal)</translation>
    </message>
    <message>
        <source>Plus (Add mode: make the number positive)</source>
        <translation>Mais (modo Soma: tornar o número positivo)</translation>
    </message>
    <message>
        <source>Minus (Add mode: make the number negative)</source>
        <translation>Menos (modo Soma: tornar o número negativo)</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Clear calculator screen or clear tape</source>
        <translation>Limpar o visor da calculadora ou limpar a fita</translation>
    </message>
    <message>
        <source>Clear the last number that was typed</source>
        <translation>Apagar o último número digitado</translation>
    </message>
    <message>
        <source>Paste number copied from another document</source>
        <translation>Colar número copiado de outro documento</translation>
    </message>
    <message>
        <source>Minimize or restore the calculator</source>
        <translation>Minimizar ou restaurar a calculadora</translation>
    </message>
    <message>
        <source>Bring up the calculator</source>
        <translation>Trazer a calculadora para a frente</translation>
    </message>
</context>
<context>
    <name>HotKeyHelp</name>
    <message>
        <source>Now it&apos;s possible to use the calculator with a minimized view, by using the HotKeys.</source>
        <extracomment>The key names in capitals (CTRL, DELETE, BACKSPACE, ALT, ENTER, INSERT, SPACE) are the keys&apos; English names as printed on the keyboard.</extracomment>
        <translation>Agora é possível usar a calculadora com a janela minimizada, usando as teclas de atalho.</translation>
    </message>
    <message>
        <source>How To use the HotKeys: Press CTRL with any number or operator in numeric keyboard.</source>
        <translation>Como usar as teclas de atalho: pressione CTRL com qualquer número ou operador do teclado numérico.</translation>
    </message>
    <message>
        <source>Other HotKeys:</source>
        <translation>Outras teclas de atalho:</translation>
    </message>
    <message>
        <source>CTRL+DELETE = Clear calculator screen or clear tape</source>
        <translation>CTRL+DELETE = Limpar o visor da calculadora ou limpar a fita</translation>
    </message>
    <message>
        <source>CTRL+BACKSPACE = Clear the last number that was typed</source>
        <translation>CTRL+BACKSPACE = Apagar o último número digitado</translation>
    </message>
    <message>
        <source>CTRL+ALT+ENTER = Make the number typed a negative</source>
        <translation>CTRL+ALT+ENTER = Tornar negativo o número digitado</translation>
    </message>
    <message>
        <source>CTRL+INSERT = Paste number copied from another document</source>
        <translation>CTRL+INSERT = Colar número copiado de outro documento</translation>
    </message>
    <message>
        <source>CTRL+ENTER = Calculation total</source>
        <translation>CTRL+ENTER = Total do cálculo</translation>
    </message>
    <message>
        <source>CTRL+SPACE = to minimize, or to restore the calculator</source>
        <translation>CTRL+SPACE = Minimizar ou restaurar a calculadora</translation>
    </message>
    <message>
        <source>Keys of the calculator window:</source>
        <extracomment>Heading of the hot-key help above the keys of the calculator window itself</extracomment>
        <translation>Teclas da janela da calculadora:</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+G = Grand total (GT) of the totals: write it and start it again</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names. GT is the grand-total key.</extracomment>
        <translation>CTRL+SHIFT+G = Total geral (GT) dos totais: escreve-o e começa de novo</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+T = Tax+: add the tax to the figure (net, tax, gross)</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names.</extracomment>
        <translation>CTRL+SHIFT+T = Tax+: soma o imposto ao valor (líquido, imposto, bruto)</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+N = Tax-: take the tax out of the figure (gross, tax, net)</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names.</extracomment>
        <translation>CTRL+SHIFT+N = Tax-: tira o imposto do valor (bruto, imposto, líquido)</translation>
    </message>
    <message>
        <source>CTRL+SHIFT+M = Selling price: cost + margin % (margin on the selling price), with the profit</source>
        <extracomment>Hot-key help line; CTRL and SHIFT are the keys&apos; names. The margin is a share of the selling price.</extracomment>
        <translation>CTRL+SHIFT+M = Preço de venda: custo + margem % (margem sobre o preço de venda), com o lucro</translation>
    </message>
    <message>
        <source>To press a key from anywhere, bind the command &quot;numerette --press KEY&quot; to a shortcut in the desktop&apos;s keyboard settings.</source>
        <translation>Para pressionar uma tecla de qualquer lugar, associe o comando &quot;numerette --press KEY&quot; a um atalho nas configurações de teclado da área de trabalho.</translation>
    </message>
    <message>
        <source>In this Wayland session the HotKeys reach the calculator only while an X11 window has the focus.</source>
        <translation>Nesta sessão Wayland as teclas de atalho chegam à calculadora só enquanto uma janela X11 tem o foco.</translation>
    </message>
    <message>
        <source>This session cannot deliver HotKeys to the calculator.</source>
        <translation>Esta sessão não consegue entregar teclas de atalho à calculadora.</translation>
    </message>
    <message>
        <source>The HotKeys are the desktop&apos;s global shortcuts: assign or change them in its keyboard settings.</source>
        <translation>As teclas de atalho são os atalhos globais da área de trabalho: atribua-as ou altere-as nas configurações de teclado dela.</translation>
    </message>
    <message>
        <source>No key is assigned yet.</source>
        <translation>Nenhuma tecla foi atribuída ainda.</translation>
    </message>
    <message>
        <source>Assigned now:</source>
        <translation>Atribuídas agora:</translation>
    </message>
</context>
<context>
    <name>InterestReport</name>
    <message>
        <source> =========== CALCULATION =</source>
        <extracomment>Tape line that opens the calculation of an interest report: 26 columns exactly, keep the &quot;=&quot; on both sides so the line stays as wide</extracomment>
        <translation> ============ CÁLCULO ====</translation>
    </message>
    <message>
        <source>%1 days</source>
        <extracomment>Interest report: a period&apos;s length; %1 is the number of days, right-aligned to four columns. The tape line adds the rate after it and has at most 26 columns</extracomment>
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>%1 days (%2%) =</source>
        <extracomment>Tape line of an interest report: %1 is a number of days, %2 the rate of those days; at most 26 columns with up to 7 characters of rate</extracomment>
        <translation>%1 dias (%2%) =</translation>
    </message>
</context>
<context>
    <name>KeyScript</name>
    <message>
        <source>the key name &apos;%1&apos; has no closing &apos;}&apos;</source>
        <extracomment>Error of the command line&apos;s key script; %1 is the unclosed key name</extracomment>
        <translation>o nome de tecla &apos;%1&apos; não tem o &apos;}&apos; de fechamento</translation>
    </message>
    <message>
        <source>unknown key name &apos;{%1}&apos;</source>
        <extracomment>Error of the command line&apos;s key script; %1 is the key name as typed, kept untranslated</extracomment>
        <translation>nome de tecla desconhecido &apos;{%1}&apos;</translation>
    </message>
</context>
<context>
    <name>KeySounds</name>
    <message>
        <source>Soun&amp;d when Typing</source>
        <translation>Som ao &amp;Digitar</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>Beep, Beep...</source>
        <translation>Bipe, Bipe...</translation>
    </message>
    <message>
        <source>Mu&amp;sical (user choice)</source>
        <translation>&amp;Musical (escolha do usuário)</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Memory clear</source>
        <translation>Limpar memória</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar memória</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Somar à memória</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Subtrair da memória</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Trocar sinal</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source> NumLock </source>
        <extracomment>Tooltip of the = button in add mode: the NumLock key of the keyboard types it</extracomment>
        <translation> NumLock </translation>
    </message>
    <message>
        <source> Enter </source>
        <extracomment>Tooltip of a button the keyboard&apos;s Enter key types</extracomment>
        <translation> Enter </translation>
    </message>
    <message>
        <source> + </source>
        <extracomment>Tooltip of the + button in result mode: the keyboard&apos;s + key types it</extracomment>
        <translation> + </translation>
    </message>
    <message>
        <source>EN TER</source>
        <extracomment>Face of the tall Enter button of add mode, on one line in one button&apos;s width: at most 6 characters</extracomment>
        <translation>EN TER</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>GT %1</source>
        <extracomment>The grand total above the keys; %1 is its value. GT is what the grand-total key is called.</extracomment>
        <translation>GT %1</translation>
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>&amp;Open Another Numerette</source>
        <translation>Abrir &amp;Outro Numerette</translation>
    </message>
    <message>
        <source>Open &amp;Windows Calculator</source>
        <extracomment>Opens the desktop&apos;s own calculator program</extracomment>
        <translation>Abrir Calculadora do &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;About Calculator</source>
        <translation>&amp;Sobre a Calculadora</translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <translation>Faça uma Doação -- Ajude Também!</translation>
    </message>
    <message>
        <source>&amp;Email technical support</source>
        <translation>&amp;E-mail para o suporte técnico</translation>
    </message>
    <message>
        <source>Numerette FREE %1</source>
        <translation>Numerette FREE %1</translation>
    </message>
    <message>
        <source>An adding machine with a paper tape, for the desktop.</source>
        <translation>Uma máquina de somar com fita de papel, para a área de trabalho.</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Site: %1</translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation>Suporte: %1</translation>
    </message>
    <message>
        <source>WOULD YOU LIKE TO VISIT OUR WEBSITE ?</source>
        <translation>DESEJA VISITAR NOSSO SITE?</translation>
    </message>
    <message>
        <source>Help keep Numerette FREE!</source>
        <translation>Ajude a manter o Numerette GRÁTIS!</translation>
    </message>
    <message>
        <source>Do you want to do a donation to Numerette?</source>
        <translation>Deseja fazer uma doação para o Numerette?</translation>
    </message>
</context>
<context>
    <name>ListCommands</name>
    <message>
        <source>Save in &amp;File</source>
        <translation>&amp;Salvar em Arquivo</translation>
    </message>
    <message>
        <source>&amp;Backup When Clean</source>
        <translation>&amp;Backup ao Limpar</translation>
    </message>
    <message>
        <source>Show Bac&amp;kup</source>
        <translation>&amp;Mostrar Backup</translation>
    </message>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>File type in the save dialog; keep the pattern in parentheses as it is.</extracomment>
        <translation>Documento de Texto (*.txt)</translation>
    </message>
    <message>
        <source>The calculations could not be kept in a file, so the list was not erased.</source>
        <translation>Não foi possível guardar os cálculos em um arquivo, por isso a lista não foi apagada.</translation>
    </message>
    <message>
        <source>The erased calculations were kept in the file:</source>
        <translation>Os cálculos apagados foram guardados no arquivo:</translation>
    </message>
    <message>
        <source>The list was not cleared, so nothing of it is lost.</source>
        <translation>A lista não foi apagada, portanto nada dela se perdeu.</translation>
    </message>
</context>
<context>
    <name>ListEditing</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Search Text or Number</source>
        <translation>&amp;Procurar Texto ou Número</translation>
    </message>
    <message>
        <source>&amp;Group the Capitalization Totals</source>
        <translation>&amp;Agrupar os Totais de Capitalização</translation>
    </message>
    <message>
        <source>&amp;Copy Calculator Display</source>
        <translation>&amp;Copiar Visor da Calculadora</translation>
    </message>
</context>
<context>
    <name>ListPrinting</name>
    <message>
        <source>&amp;Print with Small Fonts</source>
        <translation>Impr&amp;imir com Fonte Pequena</translation>
    </message>
    <message>
        <source>Print with &amp;Medium Fonts</source>
        <translation>Imprimir com Fonte Mé&amp;dia</translation>
    </message>
    <message>
        <source>Print with L&amp;arge Fonts</source>
        <translation>Imprimir com Fonte &amp;Grande</translation>
    </message>
    <message>
        <source>Print in Paper R&amp;oll (Bobbin)</source>
        <extracomment>Prints the list on a roll-paper printer connected to a port</extracomment>
        <translation>Imprimir na Bobi&amp;na (Rolo de Papel)</translation>
    </message>
    <message>
        <source>Await the end of the print and then press OK to continue...</source>
        <translation>Aguarde o fim da impressão e então pressione OK para continuar...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <extracomment>Opens the print dialog: printer, copies, pages, or a PDF file</extracomment>
        <translation>Imprimir em &amp;Outra Impressora...</translation>
    </message>
    <message>
        <source>(LPT1, LPT2, COM1 to COM4, or a printer device such as /dev/usb/lp0)</source>
        <translation>(LPT1, LPT2, COM1 a COM4, ou um dispositivo de impressora como /dev/usb/lp0)</translation>
    </message>
    <message>
        <source>No printer device was found.</source>
        <translation>Nenhum dispositivo de impressora foi encontrado.</translation>
    </message>
    <message>
        <source>Printer devices found: %1</source>
        <translation>Dispositivos de impressora encontrados: %1</translation>
    </message>
</context>
<context>
    <name>MenuEntry</name>
    <message>
        <source>Adding machine calculator with a paper tape</source>
        <extracomment>Tooltip of the program&apos;s item in the desktop&apos;s applications menu.</extracomment>
        <translation>Calculadora de somar com fita de papel</translation>
    </message>
    <message>
        <source>Adding machine calculator in the notification area</source>
        <extracomment>Description of the program&apos;s start with the desktop session, where the session&apos;s settings list what starts with it.</extracomment>
        <translation>Calculadora de somar na área de notificação</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Calculation&apos;s list is full.

Do you want to erase all the calculations of the list?</source>
        <translation>A lista de cálculos está cheia.

Deseja apagar todos os cálculos da lista?</translation>
    </message>
    <message>
        <source>HANDLING TIPS:

- Double-click calculation list for the clicked number to be registered again.

- Use arrow keys to get access and scroll up or down calculation list.

- Monitor Clipboard: To add from clipboard select and copy (Ctrl+C) any numeric value from another application (like tables from Microsoft Word or columns from Microsoft Excel). By coping two columns (at the same time) one will be multiplied by the other. The result is then stored in the clipboard (use Paste: Ctrl+V).

- Press F6 to open another window for you to do any secondary calculations.

- Press Ctrl+U to change the sound.

- Press DELETE once to clear the display or twice to clear calculation list.

- Press ESC to close the calculator from any window.

* For more information, or to make a suggestion, please visit our website.

WOULD YOU LIKE TO VISIT OUR WEBSITE ?</source>
        <translation>DICAS DE USO:

- Dê um duplo clique na lista de cálculos para que o número clicado seja registrado novamente.

- Use as teclas de seta para acessar a lista de cálculos e rolá-la para cima ou para baixo.

- Monitorar Área de Transferência: para somar a partir da área de transferência, selecione e copie (Ctrl+C) qualquer valor numérico de outro aplicativo (como tabelas do Microsoft Word ou colunas do Microsoft Excel). Ao copiar duas colunas (ao mesmo tempo), uma será multiplicada pela outra. O resultado é então armazenado na área de transferência (use Colar: Ctrl+V).

- Pressione F6 para abrir outra janela para fazer cálculos secundários.

- Pressione Ctrl+U para mudar o som.

- Pressione DELETE uma vez para limpar o visor ou duas vezes para limpar a lista de cálculos.

- Pressione ESC para fechar a calculadora a partir de qualquer janela.

* Para mais informações, ou para fazer uma sugestão, visite nosso site.

DESEJA VISITAR NOSSO SITE?</translation>
    </message>
    <message>
        <source>Error while attempting to open your browser</source>
        <translation>Erro ao tentar abrir o seu navegador</translation>
    </message>
    <message>
        <source>Error while trying to access MIDI resource of your Sound Card</source>
        <translation>Erro ao tentar acessar o recurso MIDI da sua placa de som</translation>
    </message>
    <message>
        <source>You can only edit or change calculation list after finishing the current calculation.</source>
        <translation>Você só pode editar ou alterar a lista de cálculos depois de terminar o cálculo atual.</translation>
    </message>
    <message>
        <source>Error while attempting to open e-mail program to send a message to:

%1</source>
        <extracomment>%1 is an e-mail address</extracomment>
        <translation>Erro ao tentar abrir o programa de e-mail para enviar uma mensagem para:

%1</translation>
    </message>
    <message>
        <source>You have just set calculator to ADD when ENTER key is pressed!

To get calculation&apos;s TOTAL press = or NUMLOCK of the numeric keypad.

Keys + (plus) and - (minus) now convert the typed number into a positive or a negative one. To insert it in the calculation press ENTER.</source>
        <translation>Você acabou de configurar a calculadora para SOMAR quando a tecla ENTER for pressionada!

Para obter o TOTAL do cálculo, pressione = ou NUMLOCK do teclado numérico.

As teclas + (mais) e - (menos) agora convertem o número digitado em positivo ou negativo. Para inseri-lo no cálculo, pressione ENTER.</translation>
    </message>
    <message>
        <source>Sent to printer</source>
        <translation>Enviado para a impressora</translation>
    </message>
    <message>
        <source>Printer is not responding or is not installed</source>
        <translation>A impressora não está respondendo ou não está instalada</translation>
    </message>
    <message>
        <source>End of search</source>
        <translation>Fim da pesquisa</translation>
    </message>
    <message>
        <source>Windows calculator was not found</source>
        <translation>A calculadora do Windows não foi encontrada</translation>
    </message>
    <message>
        <source>Invalid selection!

Select one or two columns that contain numbers.</source>
        <translation>Seleção inválida!

Selecione uma ou duas colunas que contenham números.</translation>
    </message>
    <message>
        <source>FIXED INSTALLMENT

- Initial Value
Loan Value or Merchandise Value.

- Fixed Installment
Enter installment value to find out the interest rate or leave the field blank and enter interest rate to obtain the installment amount.

- Number of Installments
Number of monthly installments to pay (enter a number between 1 and 250).

- First installment after...
Enter the number of days until first installment expiration or select &quot;Cash Payment&quot; if first installment was paid at the time.

- Interest Rate %
Enter monthly interest rate to find out the installment or leave the field blank and enter fixed installment to obtain the interest rate.

CAPITALIZATION

- Cash Check
It finds out the net amount minus the interest rate using check installments (installments with checks given in advance).

- Saving Accounts
It calculates and capitalizes the interest rate monthly over the entered amount, i.e., amount + month to month interest rate.</source>
        <translation>PARCELA FIXA

- Valor Inicial
Valor do empréstimo ou valor da mercadoria.

- Parcela Fixa
Digite o valor da parcela para descobrir a taxa de juros ou deixe o campo em branco e digite a taxa de juros para obter o valor da parcela.

- Número de Parcelas
Número de parcelas mensais a pagar (digite um número entre 1 e 250).

- Primeira parcela após...
Digite o número de dias até o vencimento da primeira parcela ou selecione &quot;Pagamento à Vista&quot; se a primeira parcela foi paga no ato.

- Taxa de Juros %
Digite a taxa de juros mensal para descobrir a parcela ou deixe o campo em branco e digite a parcela fixa para obter a taxa de juros.

CAPITALIZAÇÃO

- Cheque à Vista
Calcula o valor líquido descontados os juros, usando parcelas em cheque (parcelas com cheques pré-datados).

- Poupança
Calcula e capitaliza os juros mensalmente sobre o valor informado, ou seja, valor + juros mês a mês.</translation>
    </message>
    <message>
        <source>Insert Initial Value</source>
        <translation>Digite o valor inicial</translation>
    </message>
    <message>
        <source>Enter number of installments:

Min. 1 / Max. 250.</source>
        <translation>Digite o número de parcelas:

Mín. 1 / Máx. 250.</translation>
    </message>
    <message>
        <source>Enter the number of days until first installment expiration</source>
        <translation>Digite o número de dias até o vencimento da primeira parcela</translation>
    </message>
    <message>
        <source>- Enter installment value to find out interest rate or

- Enter interest rate to find out the installment.</source>
        <translation>- Digite o valor da parcela para descobrir a taxa de juros ou

- Digite a taxa de juros para descobrir a parcela.</translation>
    </message>
    <message>
        <source>Installment value could NOT be equal or higher the the initial value</source>
        <translation>O valor da parcela NÃO pode ser igual ou maior que o valor inicial</translation>
    </message>
    <message>
        <source>Enter interest rate for calculation</source>
        <translation>Digite a taxa de juros para o cálculo</translation>
    </message>
    <message>
        <source>Error in the calculation. Check the information entered.

If the problem continues, You may try one of the following:
-Low the Fixed Installment Value
-Low Interest Rate
-Low the number of installment</source>
        <translation>Erro no cálculo. Verifique as informações digitadas.

Se o problema continuar, você pode tentar uma das seguintes opções:
-Diminuir o valor da parcela fixa
-Diminuir a taxa de juros
-Diminuir o número de parcelas</translation>
    </message>
    <message>
        <source>Amount + Capitalized Interest Amount:

$ %1</source>
        <extracomment>%1 is an amount of money</extracomment>
        <translation>Valor + Juros Capitalizados:

$ %1</translation>
    </message>
    <message>
        <source>Invalid Data! Operation aborted.</source>
        <translation>Dados inválidos! Operação cancelada.</translation>
    </message>
    <message>
        <source>Net amount minus interest amount:

$ %1</source>
        <extracomment>%1 is an amount of money</extracomment>
        <translation>Valor líquido menos os juros:

$ %1</translation>
    </message>
    <message>
        <source>The entered date is incorrect</source>
        <translation>A data informada está incorreta</translation>
    </message>
    <message>
        <source>Initial date must came before the final date</source>
        <translation>A data inicial deve ser anterior à data final</translation>
    </message>
    <message>
        <source>Check the information on the fields</source>
        <translation>Verifique as informações nos campos</translation>
    </message>
    <message>
        <source>Schedule Canceled</source>
        <translation>Agendamento cancelado</translation>
    </message>
    <message>
        <source>Do you really want to turn off the computer by %1 hs. ?</source>
        <extracomment>%1 is a time of day; &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>Deseja realmente desligar o computador às %1 hs.?</translation>
    </message>
    <message>
        <source>Alarm Scheduled Time:
%1 hs.

%2</source>
        <extracomment>%1 is a time of day (&quot;hs.&quot; abbreviates hours); %2 is the reason the user typed</extracomment>
        <translation>Horário agendado do alarme:
%1 hs.

%2</translation>
    </message>
    <message>
        <source>Sound Alarm at %1 hs.</source>
        <extracomment>Menu item while an alarm is set; %1 is a time of day, &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>Alarme sonoro às %1 hs.</translation>
    </message>
    <message>
        <source>Today: </source>
        <extracomment>Followed by today&apos;s date</extracomment>
        <translation>Hoje: </translation>
    </message>
    <message>
        <source>Enter text/number to search through calculation list.</source>
        <translation>Digite o texto/número a procurar na lista de cálculos.</translation>
    </message>
    <message>
        <source> Locate on List</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Localizar na Lista</translation>
    </message>
    <message>
        <source>Enter an instrument number from 0 to 127.

Example:
000 = Piano
050 = Synth Strings
075 = Flute
100 = FX5 Bright

Use your keyboard to play sounds.</source>
        <translation>Digite um número de instrumento de 0 a 127.

Exemplo:
000 = Piano
050 = Cordas Sintetizadas
075 = Flauta
100 = FX5 Bright

Use o seu teclado para tocar sons.</translation>
    </message>
    <message>
        <source> Choose Keyboard Sound</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Escolher Som do Teclado</translation>
    </message>
    <message>
        <source>Enter INITIAL VALUE $:</source>
        <translation>Digite o VALOR INICIAL $:</translation>
    </message>
    <message>
        <source> Capitalize Interest Rate</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Capitalizar Taxa de Juros</translation>
    </message>
    <message>
        <source>Enter MONTHLY INTEREST RATE %:</source>
        <translation>Digite a TAXA DE JUROS MENSAL %:</translation>
    </message>
    <message>
        <source>Enter INITIAL DATE:</source>
        <translation>Digite a DATA INICIAL:</translation>
    </message>
    <message>
        <source>Enter FINAL DATE or
NUMBER OF DAYS (1 to %1 days):</source>
        <extracomment>%1 is the largest number of days</extracomment>
        <translation>Digite a DATA FINAL ou o
NÚMERO DE DIAS (1 a %1 dias):</translation>
    </message>
    <message>
        <source>Enter CHECK VALUE $:</source>
        <translation>Digite o VALOR DO CHEQUE $:</translation>
    </message>
    <message>
        <source> Cash Check</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Desconto de Cheque</translation>
    </message>
    <message>
        <source>Enter time:</source>
        <translation>Digite o horário:</translation>
    </message>
    <message>
        <source> Set Alarm (Scheduling)</source>
        <translation> Definir Alarme (Agendamento)</translation>
    </message>
    <message>
        <source>Describe Reason:</source>
        <translation>Descreva o motivo:</translation>
    </message>
    <message>
        <source>WARNING: Be careful at using this feature because the computer will be turned off on the entered time. If there were some opened files without saving you might lose your last changes.

Enter time:</source>
        <translation>ATENÇÃO: Tenha cuidado ao usar este recurso, pois o computador será desligado no horário informado. Se houver arquivos abertos sem salvar, você poderá perder suas últimas alterações.

Digite o horário:</translation>
    </message>
    <message>
        <source> Set Time to Turn Off the Computer</source>
        <extracomment>Window title and menu item (starts with a blank, trimmed in the menu)</extracomment>
        <translation> Definir Horário para Desligar o Computador</translation>
    </message>
    <message>
        <source>Turn off the Computer at %1 hs. </source>
        <extracomment>Menu item while a shutdown is set; %1 is a time of day, &quot;hs.&quot; abbreviates hours</extracomment>
        <translation>Desligar o Computador às %1 h </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Initial Date</source>
        <translation>Data &amp;Inicial</translation>
    </message>
    <message>
        <source>&amp;Final Date</source>
        <translation>Data &amp;Final</translation>
    </message>
    <message>
        <source>&amp;Years</source>
        <translation>&amp;Anos</translation>
    </message>
    <message>
        <source>&amp;Months</source>
        <translation>&amp;Meses</translation>
    </message>
    <message>
        <source>&amp;Weeks</source>
        <translation>&amp;Semanas</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Dias</translation>
    </message>
    <message>
        <source>Leap Years</source>
        <translation>Anos Bissextos</translation>
    </message>
    <message>
        <source> Calculate Date</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Calcular Data</translation>
    </message>
    <message>
        <source>Numerette
by the Numerette developers</source>
        <extracomment>Two lines: program name, then its authors</extracomment>
        <translation>Numerette
pelos desenvolvedores do Numerette</translation>
    </message>
    <message>
        <source>Capitalization
(click in the button and enter information)</source>
        <extracomment>Two lines: the heading, then a hint</extracomment>
        <translation>Capitalização
(clique no botão e informe os dados)</translation>
    </message>
    <message>
        <source>Fixed Installments</source>
        <translation>Parcelas Fixas</translation>
    </message>
    <message>
        <source> Calculate Capitalized Interest Amount</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Calcular Montante de Juros Capitalizados</translation>
    </message>
    <message>
        <source>Initial &amp;Value $</source>
        <translation>&amp;Valor Inicial $</translation>
    </message>
    <message>
        <source>&amp;Fixed Installments $</source>
        <translation>Parcelas &amp;Fixas $</translation>
    </message>
    <message>
        <source>&amp;Number of Installments x</source>
        <extracomment>&quot;x&quot; as in times: the count of installments</extracomment>
        <translation>&amp;Número de Parcelas x</translation>
    </message>
    <message>
        <source>First Installment after</source>
        <translation>Primeira Parcela após</translation>
    </message>
    <message>
        <source>DAYS or</source>
        <extracomment>Between the days field and the cash payment check box</extracomment>
        <translation>DIAS ou</translation>
    </message>
    <message>
        <source>&amp;Interest Rate %</source>
        <translation>&amp;Taxa de Juros %</translation>
    </message>
    <message>
        <source>Total Interest Amount $</source>
        <translation>Total de Juros $</translation>
    </message>
    <message>
        <source>Final Amount $</source>
        <translation>Montante Final $</translation>
    </message>
    <message>
        <source>monthly</source>
        <extracomment>Beside the interest rate field: the rate is monthly</extracomment>
        <translation>mensal</translation>
    </message>
    <message>
        <source>  in cash</source>
        <extracomment>Tape: the period of the first installment in the installment report, 9 columns (later periods read &quot;30 days&quot; right-aligned there); also a check box caption, blanks trimmed</extracomment>
        <translation>  à vista</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>C&amp;ash Check</source>
        <translation>&amp;Desconto de Cheque</translation>
    </message>
    <message>
        <source>Saving Acc&amp;ount</source>
        <translation>Conta &amp;Poupança</translation>
    </message>
    <message>
        <source>INITIAL VALUE </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>VALOR INICIAL </translation>
    </message>
    <message>
        <source>NUMBER OF INSTALLMENTS </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>NÚMERO DE PARCELAS </translation>
    </message>
    <message>
        <source>INSTALLMENT VALUE </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>VALOR DA PARCELA </translation>
    </message>
    <message>
        <source>MONTHLY INTEREST RATE </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>TAXA DE JUROS MENSAL </translation>
    </message>
    <message>
        <source>TOTAL INTEREST AMOUNT </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>TOTAL DE JUROS </translation>
    </message>
    <message>
        <source>FINAL AMOUNT </source>
        <extracomment>Tape report label, right-aligned in 26 columns; capitalization totals find it again in the tape</extracomment>
        <translation>MONTANTE FINAL </translation>
    </message>
    <message>
        <source>NUMBER OF DAYS </source>
        <extracomment>Tape report label, right-aligned in 26 columns</extracomment>
        <translation>NÚMERO DE DIAS </translation>
    </message>
    <message>
        <source>There is no backup to show</source>
        <translation>Não há cópia de segurança para exibir</translation>
    </message>
    <message>
        <source>Could not open backup file:

c:\calcula.txt</source>
        <translation>Não foi possível abrir o arquivo de cópia de segurança:

c:\calcula.txt</translation>
    </message>
    <message>
        <source>Your calculation backup file is too large. Please clean some of your old calculations.</source>
        <translation>Seu arquivo de cópia de segurança dos cálculos está muito grande. Apague alguns dos seus cálculos antigos.</translation>
    </message>
    <message>
        <source>WARNING: If your printer is not turned on and properly connected, the Calculator won&apos;t print.

Enter communication port:

(LPT1, LPT2, COM1, COM2 or COM3)</source>
        <translation>ATENÇÃO: Se a impressora não estiver ligada e conectada corretamente, a Calculadora não imprimirá.

Digite a porta de comunicação:

(LPT1, LPT2, COM1, COM2 ou COM3)</translation>
    </message>
    <message>
        <source> Rule of Three Calculation</source>
        <extracomment>Window title (starts with a blank)</extracomment>
        <translation> Cálculo de Regra de Três</translation>
    </message>
    <message>
        <source>If 8 carpenters...</source>
        <extracomment>Rule of three example, one step of a sentence the next messages continue</extracomment>
        <translation>Se 8 marceneiros...</translation>
    </message>
    <message>
        <source>...working five days...</source>
        <translation>...trabalhando cinco dias...</translation>
    </message>
    <message>
        <source>...for 6 hours per day...</source>
        <translation>...6 horas por dia...</translation>
    </message>
    <message>
        <source>...build 12 closets...</source>
        <translation>...fazem 12 armários...</translation>
    </message>
    <message>
        <source>...How many closets would be build by 5 carpenters in 10 days working 8 hours per day ?</source>
        <extracomment>Rule of three example, the question the example answers</extracomment>
        <translation>...Quantos armários seriam feitos por 5 marceneiros em 10 dias, trabalhando 8 horas por dia?</translation>
    </message>
    <message>
        <source>Let&apos;s enter information: 5 carpenters...</source>
        <translation>Vamos informar os dados: 5 marceneiros...</translation>
    </message>
    <message>
        <source>...working 10 days...</source>
        <translation>...trabalhando 10 dias...</translation>
    </message>
    <message>
        <source>...8 hours per day.</source>
        <translation>...8 horas por dia.</translation>
    </message>
    <message>
        <source>Now press CALCULATE to get the number of closets!

WARNING: When you press CALCULATE button, questions about logic will be made that are necessary to build the formula. If you answer all of them correctly, the final result will be:

&quot;20 CLOSETS&quot;

TIP: When you press CALCULATE, answer YES to all the questions.</source>
        <translation>Agora clique em CALCULAR para obter o número de armários!

ATENÇÃO: Ao clicar no botão CALCULAR, serão feitas perguntas de lógica necessárias para montar a fórmula. Se você responder todas corretamente, o resultado final será:

&quot;20 ARMÁRIOS&quot;

DICA: Ao clicar em CALCULAR, responda SIM a todas as perguntas.</translation>
    </message>
    <message>
        <source>carpenters</source>
        <extracomment>Rule of three example: description typed into a field</extracomment>
        <translation>marceneiros</translation>
    </message>
    <message>
        <source>working days</source>
        <translation>dias trabalhados</translation>
    </message>
    <message>
        <source>working hours per day</source>
        <translation>horas de trabalho/dia</translation>
    </message>
    <message>
        <source>closets</source>
        <translation>armários</translation>
    </message>
    <message>
        <source>How many hours per day will be needed by 3 carpenters in 12 days to build 18 closets ?</source>
        <extracomment>Rule of three example, the question the example answers</extracomment>
        <translation>Quantas horas por dia serão necessárias para 3 marceneiros, em 12 dias, fazerem 18 armários?</translation>
    </message>
    <message>
        <source>Let&apos;s enter information: 3 carpenters...</source>
        <translation>Vamos informar os dados: 3 marceneiros...</translation>
    </message>
    <message>
        <source>...working 12 days...</source>
        <translation>...trabalhando 12 dias...</translation>
    </message>
    <message>
        <source>...to build 18 closets.</source>
        <translation>...para fazer 18 armários.</translation>
    </message>
    <message>
        <source>Now press CALCULATE to get the number of hours per day!

If you answer all the questions about logic correctly, the final result will be:

&quot;10 WORKING HOURS PER DAY&quot;

TIP: When you press CALCULATE, answer NO two times and YES one time.</source>
        <translation>Agora clique em CALCULAR para obter o número de horas por dia!

Se você responder corretamente todas as perguntas de lógica, o resultado final será:

&quot;10 HORAS TRABALHADAS POR DIA&quot;

DICA: Ao clicar em CALCULAR, responda NÃO duas vezes e SIM uma vez.</translation>
    </message>
    <message>
        <source>Fill at least two fields with the reference base data and then click CALCULATE.

If you prefer click EXAMPLE so the program will explain in a step-by-step basis how to fill the fields.</source>
        <translation>Preencha pelo menos dois campos com os dados-base de referência e depois clique em CALCULAR.

Se preferir, clique em EXEMPLO para que o programa explique passo a passo como preencher os campos.</translation>
    </message>
    <message>
        <source>Only the variable may be undefined.</source>
        <translation>Somente a incógnita pode ficar sem valor.</translation>
    </message>
    <message>
        <source>It is necessary to fill at least two fields with the conditions to calculate!</source>
        <translation>É necessário preencher pelo menos dois campos com as condições para calcular!</translation>
    </message>
    <message>
        <source>You must select the variable field - the one you want to find out!</source>
        <translation>Você deve selecionar o campo da incógnita - aquele que deseja descobrir!</translation>
    </message>
    <message>
        <source>BASE DATA</source>
        <translation>DADOS-BASE</translation>
    </message>
    <message>
        <source>FIND</source>
        <translation>ENCONTRAR</translation>
    </message>
    <message>
        <source>Qty. or &amp;Value</source>
        <extracomment>Column heading; also shown without its mnemonic</extracomment>
        <translation>Qtd. ou &amp;Valor</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <extracomment>Column heading; also shown without its mnemonic</extracomment>
        <translation>&amp;Descrição</translation>
    </message>
    <message>
        <source>If you add:
&quot;%1&quot;

the result will/would add:
&quot;%2&quot; ?</source>
        <extracomment>%1 and %2 are descriptions the user typed, in upper case</extracomment>
        <translation>Se você aumentar:
&quot;%1&quot;

o resultado aumentará/aumentaria:
&quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Example</source>
        <extracomment>Button; &quot; &amp;1&quot; or &quot; &amp;2&quot; is appended, so no mnemonic here</extracomment>
        <translation>Exemplo</translation>
    </message>
    <message>
        <source>Save in File</source>
        <extracomment>Title of the save dialog (a blank is put before it)</extracomment>
        <translation>Salvar em Arquivo</translation>
    </message>
    <message>
        <source>&amp;Calculate Final Date</source>
        <translation>&amp;Calcular Data Final</translation>
    </message>
    <message>
        <source>     CAPITALIZATION TOTAL:</source>
        <extracomment>Tape: heading of the capitalization totals block, 26 columns including its leading blanks</extracomment>
        <translation>     TOTAL CAPITALIZAÇÃO:</translation>
    </message>
    <message>
        <source>TOTAL INTEREST:</source>
        <extracomment>Tape: capitalization totals label after 11 blanks, at most 15 columns</extracomment>
        <translation>TOTAL DE JUROS:</translation>
    </message>
    <message>
        <source>FINAL AMOUNT:</source>
        <extracomment>Tape: capitalization totals label after 13 blanks, at most 13 columns</extracomment>
        <translation>MONT. FINAL:</translation>
    </message>
    <message>
        <source>INITIAL VALUE:</source>
        <extracomment>Tape: capitalization totals label after 12 blanks, at most 14 columns</extracomment>
        <translation>VALOR INICIAL:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>You need to restart the CALCULATOR for the change to take place.</source>
        <translation>Você precisa reiniciar a CALCULADORA para que a alteração tenha efeito.</translation>
    </message>
    <message>
        <source>Monitor Clipboard:

To add from clipboard select and copy (Ctrl+C) any numeric value from another application (like tables from Microsoft Word or columns from Microsoft Excel). By coping two columns (at the same time) one will be multiplied by the other. The result is then stored in the clipboard (use Paste: Ctrl+V).</source>
        <translation>Monitorar Área de Transferência:

Para somar a partir da área de transferência, selecione e copie (Ctrl+C) qualquer valor numérico de outro aplicativo (como tabelas do Microsoft Word ou colunas do Microsoft Excel). Ao copiar duas colunas (ao mesmo tempo), uma será multiplicada pela outra. O resultado é então armazenado na área de transferência (use Colar: Ctrl+V).</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&amp;Floating Point Currency</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>Moeda com Ponto &amp;Flutuante</translation>
    </message>
    <message>
        <source>Fixed &amp;Point Currency</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>Moeda com &amp;Ponto Fixo</translation>
    </message>
    <message>
        <source>&amp;Numerical (Standard)</source>
        <extracomment>Item of the number-format menu</extracomment>
        <translation>&amp;Numérico (Padrão)</translation>
    </message>
</context>
<context>
    <name>PrintReport</name>
    <message>
        <source>The printing service (CUPS) is not running.
Start it, for example with &quot;sudo systemctl start cups&quot;, and print again.</source>
        <translation>O serviço de impressão (CUPS) não está em execução.
Inicie-o, por exemplo com &quot;sudo systemctl start cups&quot;, e imprima de novo.</translation>
    </message>
    <message>
        <source>No printer is installed.
Add one in the system&apos;s printer settings, or print to a PDF file with Print... in the Calculation List menu.</source>
        <translation>Nenhuma impressora está instalada.
Adicione uma nas configurações de impressoras do sistema, ou imprima em um arquivo PDF com Imprimir... no menu Fita.</translation>
    </message>
    <message>
        <source>%1 is not accepting jobs</source>
        <extracomment>%1 is the printer&apos;s queue name</extracomment>
        <translation>%1 não está aceitando trabalhos</translation>
    </message>
    <message>
        <source>
Nothing was printed. Check the printer, or choose another with Print... in the Calculation List menu.</source>
        <translation>
Nada foi impresso. Verifique a impressora, ou escolha outra com Imprimir... no menu Fita.</translation>
    </message>
    <message>
        <source>%1 is stopped</source>
        <extracomment>%1 is the printer&apos;s queue name</extracomment>
        <translation>%1 está parada</translation>
    </message>
    <message>
        <source>
The job waits in the printer&apos;s queue until the printer is started again in the system&apos;s printer settings.</source>
        <translation>
O trabalho aguarda na fila da impressora até que ela seja reativada nas configurações de impressoras do sistema.</translation>
    </message>
</context>
<context>
    <name>PrinterPort</name>
    <message>
        <source>The paper-roll printer at %1 cannot be reached: %2.</source>
        <translation>A impressora de bobina em %1 não pode ser alcançada: %2.</translation>
    </message>
    <message>
        <source>Only members of the group %1 may print on it: join it (for example with &quot;sudo usermod -aG %1 $USER&quot;), then log in again.</source>
        <translation>Só membros do grupo %1 podem imprimir nela: entre no grupo (por exemplo com &quot;sudo usermod -aG %1 $USER&quot;) e depois entre de novo na sessão.</translation>
    </message>
</context>
<context>
    <name>PrivateFiles</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Não é um arquivo comum.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Tem mais de %1 bytes.</translation>
    </message>
</context>
<context>
    <name>QuotationLabel</name>
    <message>
        <source>Next quotation</source>
        <translation>Próxima citação</translation>
    </message>
    <message>
        <source>Liberty, when it begins to take root, is a plant
of rapid growth.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines). In a quotation of two lines, the author follows the second line; in one of a single line, the author goes below it.</extracomment>
        <translation>A liberdade, quando começa a criar raízes, é uma planta
de rápido crescimento.</translation>
    </message>
    <message>
        <source>The advertisement is the most truthful part
of a newspaper.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>O anúncio é a parte mais verdadeira
de um jornal.</translation>
    </message>
    <message>
        <source>Forgive your enemies, but never forget
their names.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Perdoe seus inimigos, mas nunca esqueça
os nomes deles.</translation>
    </message>
    <message>
        <source>Well done is better than well said.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Bem feito é melhor que bem dito.</translation>
    </message>
    <message>
        <source>If I were two-faced, would I be wearing this one?</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>Se eu tivesse duas caras, estaria usando esta?</translation>
    </message>
    <message>
        <source>It is better to offer no excuse than a bad one.</source>
        <extracomment>Quotation under the tape (the label wraps longer lines)</extracomment>
        <translation>É melhor não dar desculpa alguma do que dar uma desculpa ruim.</translation>
    </message>
</context>
<context>
    <name>RoundingMode</name>
    <message>
        <source>Round &amp;Half Up (Standard)</source>
        <extracomment>Rounding of each step of the arithmetic: a half goes away from zero (2.5 to 3).</extracomment>
        <translation>Arredondar &amp;Metade para Cima (Padrão)</translation>
    </message>
    <message>
        <source>Round Half to &amp;Even</source>
        <extracomment>Rounding of each step: a half goes to the even neighbour (2.5 to 2, 3.5 to 4).</extracomment>
        <translation>Arredondar Metade para o &amp;Par</translation>
    </message>
    <message>
        <source>Round &amp;Up</source>
        <extracomment>Rounding of each step: any dropped fraction goes away from zero (2.01 to 3).</extracomment>
        <translation>Arredondar para &amp;Cima</translation>
    </message>
    <message>
        <source>Round &amp;Down (Cut)</source>
        <extracomment>Rounding of each step: dropped decimals are cut (2.99 to 2).</extracomment>
        <translation>Arredondar para &amp;Baixo (Cortar)</translation>
    </message>
</context>
<context>
    <name>SpokenLine</name>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por cento</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Items: %1</source>
        <extracomment>The count line of a closed calculation; %1 is its number of items</extracomment>
        <translation>Itens: %1</translation>
    </message>
    <message>
        <source>End of calculation</source>
        <translation>Fim do cálculo</translation>
    </message>
    <message>
        <source>Grand total</source>
        <translation>Total geral</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>Imposto</translation>
    </message>
    <message>
        <source>Gross</source>
        <translation>Bruto</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>Margin percent</source>
        <extracomment>Spoken before the margin in percent of the selling price</extracomment>
        <translation>Margem em porcentagem</translation>
    </message>
    <message>
        <source>Selling price</source>
        <translation>Preço de venda</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Lucro</translation>
    </message>
</context>
<context>
    <name>TapeCommandLine</name>
    <message>
        <source>%1 takes %2 or %3, not &apos;%4&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about an option&apos;s value: %1 is the option, %2 and %3 the values it takes, %4 what was given. The option and the values stay as they are.</extracomment>
        <translation>%1 aceita %2 ou %3, não &apos;%4&apos;</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Stands for the number given to --format in numerette-tape --help.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>number format: 2 (the default), 0, 1, or 10 to 80 for 1 to 8 decimals</source>
        <extracomment>What --format does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>formato numérico: 2 (padrão), 0, 1, 10-80 (1-8 casas)</translation>
    </message>
    <message>
        <source>%1 takes one of 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --format&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 aceita um destes: 0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Add mode: ENTER adds, as on an adding machine</source>
        <extracomment>What --add does, in numerette-tape --help: at most 55 columns. Add mode is the calculator&apos;s mode of that name; ENTER is the key.</extracomment>
        <translation>modo Somar: ENTER soma, como numa máquina de somar</translation>
    </message>
    <message>
        <source>the decimal separator (&quot;.&quot; unless given)</source>
        <extracomment>What --decimal does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>o separador decimal (&quot;.&quot; se não informado)</translation>
    </message>
    <message>
        <source>day or month first in the date at the top of the tape</source>
        <extracomment>What --date-order does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>dia ou mês primeiro na data do topo da fita</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <extracomment>Stands for the date given to --today in numerette-tape --help: year, month and day written with digits and dashes.</extracomment>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>the date written at the top of the tape, instead of today&apos;s</source>
        <extracomment>What --today does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>a data escrita no topo da fita, em vez da de hoje</translation>
    </message>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --today&apos;s value: %1 is the option, %2 what was given. YYYY-MM-DD as in the help.</extracomment>
        <translation>%1 aceita uma data como AAAA-MM-DD, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>letters typed become a label on the next tape line</source>
        <extracomment>What --insert-text does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>letras digitadas viram rótulo na próxima linha da fita</translation>
    </message>
    <message>
        <source>print the display, total, counter and memory instead of the tape</source>
        <extracomment>What --state does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>exibe visor, total, contador e memória em vez da fita</translation>
    </message>
    <message>
        <source>print the tape as CSV: date, kind, value, operator and label of each line</source>
        <extracomment>What --csv does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>exibe fita em CSV: data, tipo, valor, operador e rótulo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is what was typed.</extracomment>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is the option, as in &quot;--add&quot;.</extracomment>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 needs a value: %2</source>
        <extracomment>numerette-tape&apos;s complaint; %1 is the option, %2 the value it needs as the help names it.</extracomment>
        <translation>%1 precisa de um valor: %2</translation>
    </message>
    <message>
        <source>one KEYS argument only, but &apos;%1&apos; follows &apos;%2&apos; (quote keys that hold blanks)</source>
        <extracomment>numerette-tape&apos;s complaint; KEYS as in the help, %1 and %2 are the two arguments given.</extracomment>
        <translation>só um argumento TECLAS, mas &apos;%1&apos; vem após &apos;%2&apos; (use aspas em teclas com espaços)</translation>
    </message>
    <message>
        <source>Usage: numerette-tape [OPTION]... [--] [KEYS]
Types KEYS into the Numerette adding machine without a window and prints the tape.
Without KEYS the keys are read from standard input.</source>
        <extracomment>First part of numerette-tape --help; lines stay within 80 columns. OPTION and KEYS stand for what the user types in their place; KEYS is named so in the rest of the help too.</extracomment>
        <translation>Uso: numerette-tape [OPÇÃO]... [--] [TECLAS]
Digita TECLAS na máquina de somar Numerette, sem janela, e imprime a fita.
Sem TECLAS, as teclas são lidas da entrada padrão.</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading in numerette-tape --help above the list of options.</extracomment>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>print this help and end</source>
        <extracomment>What --help does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>exibe esta ajuda e sai</translation>
    </message>
    <message>
        <source>print the version and end</source>
        <extracomment>What --version does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>exibe a versão e sai</translation>
    </message>
    <message>
        <source>end of the options: KEYS may start with &quot;-&quot;</source>
        <extracomment>What -- does, in numerette-tape --help: at most 55 columns. KEYS as above.</extracomment>
        <translation>fim das opções: TECLAS pode começar com &quot;-&quot;</translation>
    </message>
    <message>
        <source>KEYS are characters typed as on the keyboard (digits, + - * / % =) plus the braced
key names: %1
%2. %3 ends the run, as it closes the calculator.</source>
        <extracomment>numerette-tape --help: lines stay within 80 columns. %1 and %2 are lists of key names and %3 is one; they stay as they are, as do the characters in brackets.</extracomment>
        <translation>TECLAS são caracteres digitados como no teclado (dígitos, + - * / % =) mais os
nomes de teclas entre chaves: %1
%2. %3 encerra a execução, como ao fechar a calculadora.</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <extracomment>numerette-tape --help; %1 is a command line that stays as it is.</extracomment>
        <translation>Exemplo: %1</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 2 for a wrong option or key name.
See numerette-tape(1).</source>
        <extracomment>Last lines of numerette-tape --help; each within 80 columns.</extracomment>
        <translation>Código de saída: 0 em caso de sucesso, 2 para opção ou nome de tecla inválido.
Veja numerette-tape(1).</translation>
    </message>
    <message>
        <source>how each step rounds the total (half-up unless given)</source>
        <extracomment>What --rounding does, in numerette-tape --help: at most 55 columns.</extracomment>
        <translation>como cada passo arredonda o total (half-up por padrão)</translation>
    </message>
    <message>
        <source>%1 takes half-up, half-even, up or down, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --rounding&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 aceita half-up, half-even, up ou down, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <extracomment>Stands for the percentage given to --tax-rate in numerette-tape --help.</extracomment>
        <translation>PORCENTAGEM</translation>
    </message>
    <message>
        <source>%1 takes a percentage from 0 to 999, not &apos;%2&apos;</source>
        <extracomment>numerette-tape&apos;s complaint about --tax-rate&apos;s value: %1 is the option, %2 what was given.</extracomment>
        <translation>%1 aceita uma porcentagem de 0 a 999, não &apos;%2&apos;</translation>
    </message>
    <message>
        <source>rate of {Tax+} and {Tax-} in % (0, the default: off)</source>
        <extracomment>What --tax-rate does, in numerette-tape --help: at most 55 columns. {Tax+} and {Tax-} are key names and stay as they are.</extracomment>
        <translation>taxa de {Tax+} e {Tax-} em % (0, o padrão: desligadas)</translation>
    </message>
</context>
<context>
    <name>TapeView</name>
    <message>
        <source>Calculation list</source>
        <translation>Lista de cálculos</translation>
    </message>
</context>
<context>
    <name>ToolLaunchers</name>
    <message>
        <source>Calculate &amp;Date</source>
        <translation>Calcular D&amp;ata</translation>
    </message>
    <message>
        <source>Calculate Rule of &amp;Three</source>
        <translation>Calcular Re&amp;gra de Três</translation>
    </message>
    <message>
        <source>Calculate &amp;Your Ideal Weight</source>
        <translation>Calcular Seu &amp;Peso Ideal</translation>
    </message>
    <message>
        <source>Capitali&amp;zed Interest Rate</source>
        <translation>Taxa de Juros Capitali&amp;zados</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>Tool&amp;s</source>
        <extracomment>Submenu of the notification-area menu; the &amp; marks its access key.</extracomment>
        <translation>Ferramenta&amp;s</translation>
    </message>
    <message>
        <source>Show Numerette    Ctrl+Shift+C</source>
        <extracomment>Default item of the notification-area menu. The blanks and &quot;Ctrl+Shift+C&quot; show the global key that also brings the calculator up: keep the key as it is, only the words change.</extracomment>
        <translation>Exibir o Numerette    Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Make a Donation -- Help Too!</source>
        <extracomment>Opens the donation page in the web browser.</extracomment>
        <translation>Faça uma Doação -- Ajude Também!</translation>
    </message>
    <message>
        <source>Create Shortcut under Start Menu</source>
        <extracomment>Writes a menu entry for the program into the desktop&apos;s applications menu.</extracomment>
        <translation>Criar Atalho no Menu Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program, notification-area icon and all.</extracomment>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sun</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <extracomment>Weekday in the tape&apos;s date header, at most 3 letters</extracomment>
        <translation>Sáb</translation>
    </message>
</context>
<context>
    <name>WeightAdvice</name>
    <message>
        <source>Lose
%1 Kg
to enter in normal weight</source>
        <extracomment>Weight window&apos;s advice, three short lines; %1 is the weight to lose</extracomment>
        <translation>Perca
%1 Kg
para chegar ao peso normal</translation>
    </message>
    <message>
        <source>Gain
%1 Kg
to enter in normal weight</source>
        <extracomment>Weight window&apos;s advice, three short lines; %1 is the weight to gain</extracomment>
        <translation>Ganhe
%1 Kg
para chegar ao peso normal</translation>
    </message>
    <message>
        <source>You are in your NORMAL Weight</source>
        <extracomment>Weight window&apos;s advice when the weight is normal</extracomment>
        <translation>Você está no seu peso NORMAL</translation>
    </message>
</context>
<context>
    <name>WeightClass</name>
    <message>
        <source>THIN</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>MAGRO</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>OVERWEIGHT</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>SOBREPESO</translation>
    </message>
    <message>
        <source>FAT</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>GORDO</translation>
    </message>
    <message>
        <source>OBESE</source>
        <extracomment>Weight class shown after &quot;Result = &quot; in the weight window&apos;s frame title, in capitals</extracomment>
        <translation>OBESO</translation>
    </message>
</context>
<context>
    <name>WeightReport</name>
    <message>
        <source> Result = Gain %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain</extracomment>
        <translation> Result. = Ganhe %1Kg</translation>
    </message>
    <message>
        <source> Result = Lose %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose</extracomment>
        <translation> Result. = Perca %1Kg</translation>
    </message>
    <message>
        <source> Result = NORMAL Weight</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> Resultado = Peso NORMAL</translation>
    </message>
    <message>
        <source> WEIGHT CALC. - (Man)</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> CÁLC. DO PESO - (Homem)</translation>
    </message>
    <message>
        <source> WEIGHT CALC. - (Woman)</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns</extracomment>
        <translation> CÁLC. DO PESO - (Mulher)</translation>
    </message>
    <message>
        <source> Your Height  = %1m</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the height in metres</extracomment>
        <translation> Sua Altura   = %1m</translation>
    </message>
    <message>
        <source> Your Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight in kilograms</extracomment>
        <translation> Seu Peso     = %1Kg</translation>
    </message>
    <message>
        <source> Min. Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the least normal weight</extracomment>
        <translation> Peso Mín.    = %1Kg</translation>
    </message>
    <message>
        <source> Max. Weight  = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the greatest normal weight</extracomment>
        <translation> Peso Máx.    = %1Kg</translation>
    </message>
    <message>
        <source> Optional = Gain %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to gain</extracomment>
        <translation> Opcional = Ganhe %1Kg</translation>
    </message>
    <message>
        <source> Optional = Lose %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the weight to lose</extracomment>
        <translation> Opcional = Perca %1Kg</translation>
    </message>
    <message>
        <source> Medium Weight = %1Kg</source>
        <extracomment>Tape report line of the weight tool, at most 26 columns; %1 is the medium weight</extracomment>
        <translation> Peso Médio   = %1Kg</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Hide Keyb&amp;oard</source>
        <translation>&amp;Ocultar Teclado</translation>
    </message>
    <message>
        <source>Show with &amp;Large Font</source>
        <translation>Exibir com Fonte &amp;Grande</translation>
    </message>
    <message>
        <source>Start With &amp;Windows</source>
        <extracomment>Starts the calculator when the user logs in to the desktop</extracomment>
        <translation>Iniciar com o &amp;Windows</translation>
    </message>
    <message>
        <source>Office &amp;XP menu</source>
        <extracomment>Draws the menus in the style of Office XP (a product name)</extracomment>
        <translation>Menu Estilo Office &amp;XP</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Stay on &amp;System Tray when Exit</source>
        <translation>Manter na Área de Notificação ao &amp;Sair</translation>
    </message>
    <message>
        <source>&quot;N&amp;umLock&quot; always ON</source>
        <extracomment>Keeps the keyboard&apos;s NumLock switched on; NumLock is the key&apos;s name</extracomment>
        <translation>&quot;N&amp;umLock&quot; sempre LIGADO</translation>
    </message>
    <message>
        <source>Always &amp;Visible (On Top)</source>
        <translation>Sempre &amp;Visível (em Primeiro Plano)</translation>
    </message>
</context>
<context>
    <name>frmCalcula</name>
    <message>
        <source>Tool&amp;s</source>
        <translation>Ferramenta&amp;s</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>The saved calculation list could not be read, so a new list was started.</source>
        <translation>Não foi possível ler a lista de cálculos salva; por isso, uma nova lista foi iniciada.</translation>
    </message>
    <message>
        <source>The file was left where it is:<byte value="xd"/>
%1</source>
        <translation>O arquivo foi deixado onde está:</translation>
    </message>
    <message>
        <source>The file was kept as:<byte value="xd"/>
%1</source>
        <translation>O arquivo foi mantido como:</translation>
    </message>
    <message>
        <source>Your calculations could not be saved in the file:</source>
        <translation>Não foi possível salvar seus cálculos no arquivo:</translation>
    </message>
    <message>
        <source>They will be saved again at the next total.</source>
        <translation>Eles serão salvos novamente no próximo total.</translation>
    </message>
    <message>
        <source>Numerette [Aux]</source>
        <extracomment>Title of a second calculator opened from the first; Aux abbreviates &quot;auxiliary&quot;.</extracomment>
        <translation>Numerette [Aux]</translation>
    </message>
    <message>
        <source>The saved calculation could not be read, so its list was kept and a new calculation was started.</source>
        <translation>Não foi possível ler o cálculo salvo; a lista foi mantida e um novo cálculo foi iniciado.</translation>
    </message>
    <message>
        <source>The saved list was longer than the list can hold; its first calculations were kept in the file:<byte value="xd"/>
%1</source>
        <translation>A lista salva era maior do que a lista comporta; os primeiros cálculos foram guardados no arquivo:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>frmData</name>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>Tooltip of a date field: the order it is typed in (day, month, year)</extracomment>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <extracomment>Tooltip of a date field: the order it is typed in (month, day, year)</extracomment>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anos</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semanas</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Count years</source>
        <translation>Contar anos</translation>
    </message>
    <message>
        <source>Count months</source>
        <translation>Contar meses</translation>
    </message>
    <message>
        <source>Count weeks</source>
        <translation>Contar semanas</translation>
    </message>
    <message>
        <source>Count days</source>
        <translation>Contar dias</translation>
    </message>
</context>
<context>
    <name>frmJuro</name>
    <message>
        <source>Digite a quantidade de parcelas entre 01 e 250</source>
        <extracomment>Asks for a number of installments from 01 to 250; the English version shows this Portuguese sentence</extracomment>
        <translation>Digite a quantidade de parcelas entre 01 e 250</translation>
    </message>
    <message>
        <source>Erro</source>
        <extracomment>Written into the rate and installment fields when no answer was found; the English version shows this Portuguese word</extracomment>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>frmPeso</name>
    <message>
        <source> Ideal Weight</source>
        <translation> Peso Ideal</translation>
    </message>
    <message>
        <source>National Health and Nutrition Examination Survey - by USA - 1976/1980</source>
        <extracomment>Source of the weight bands, under the result</extracomment>
        <translation>National Health and Nutrition Examination Survey - EUA - 1976/1980</translation>
    </message>
    <message>
        <source> Your Height </source>
        <extracomment>Tooltip of the height field</extracomment>
        <translation> Sua Altura </translation>
    </message>
    <message>
        <source> Your Weight </source>
        <extracomment>Tooltip of the weight field</extracomment>
        <translation> Seu Peso </translation>
    </message>
    <message>
        <source>&amp;Height (m)</source>
        <translation>&amp;Altura (m)</translation>
    </message>
    <message>
        <source>W&amp;eight (Kg)</source>
        <translation>&amp;Peso (Kg)</translation>
    </message>
    <message>
        <source>&amp;Man</source>
        <translation>&amp;Homem</translation>
    </message>
    <message>
        <source> for man </source>
        <translation> para homem </translation>
    </message>
    <message>
        <source>&amp;Woman</source>
        <translation>&amp;Mulher</translation>
    </message>
    <message>
        <source> for woman </source>
        <translation> para mulher </translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Obese &gt;</source>
        <extracomment>Caption of the weight above which one is obese</extracomment>
        <translation>Obeso &gt;</translation>
    </message>
    <message>
        <source>Fat &gt;</source>
        <extracomment>Caption of the weight above which one is fat</extracomment>
        <translation>Gordo &gt;</translation>
    </message>
    <message>
        <source>Overweight &gt;</source>
        <extracomment>Caption of the weight above which one is overweight</extracomment>
        <translation>Sobrepeso &gt;</translation>
    </message>
    <message>
        <source>Medium =</source>
        <extracomment>Caption of the medium (ideal) weight</extracomment>
        <translation>Médio =</translation>
    </message>
    <message>
        <source>Thin &lt;</source>
        <extracomment>Caption of the weight below which one is thin</extracomment>
        <translation>Magro &lt;</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>scale end</comment>
        <extracomment>Word at the left (thin) end of the weight scale; a short word keeps more tick marks</extracomment>
        <translation>Magro</translation>
    </message>
    <message>
        <source>Obese</source>
        <comment>scale end</comment>
        <extracomment>Word at the right (obese) end of the weight scale; a short word keeps more tick marks</extracomment>
        <translation>Obeso</translation>
    </message>
    <message>
        <source>Height Invalid!</source>
        <translation>Altura Inválida!</translation>
    </message>
    <message>
        <source>Weight Invalid!</source>
        <translation>Peso Inválido!</translation>
    </message>
    <message>
        <source>Result = %1</source>
        <extracomment>Title of the result frame; %1 is the weight class (THIN, NORMAL, OVERWEIGHT, FAT, OBESE)</extracomment>
        <translation>Resultado = %1</translation>
    </message>
    <message>
        <source>Obese above</source>
        <translation>Obeso acima de</translation>
    </message>
    <message>
        <source>Fat above</source>
        <translation>Gordo acima de</translation>
    </message>
    <message>
        <source>Overweight above</source>
        <translation>Sobrepeso acima de</translation>
    </message>
    <message>
        <source>Medium weight</source>
        <translation>Peso médio</translation>
    </message>
    <message>
        <source>Thin below</source>
        <translation>Magro abaixo de</translation>
    </message>
    <message>
        <source>Weight scale</source>
        <translation>Escala de peso</translation>
    </message>
    <message>
        <source>No result</source>
        <translation>Sem resultado</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Magro</translation>
    </message>
    <message>
        <source>Normal weight</source>
        <translation>Peso normal</translation>
    </message>
    <message>
        <source>Overweight</source>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Gordo</translation>
    </message>
    <message>
        <source>Obese</source>
        <translation>Obeso</translation>
    </message>
</context>
<context>
    <name>frmRegra</name>
    <message>
        <source>I&amp;ncognita</source>
        <extracomment>Header of the column that chooses the unknown value; the English version shows this Portuguese word (&quot;unknown&quot;). The mnemonic is dropped when shown</extracomment>
        <translation>I&amp;ncógnita</translation>
    </message>
    <message>
        <source>Quantity, row %1</source>
        <translation>Quantidade, linha %1</translation>
    </message>
    <message>
        <source>Description, row %1</source>
        <translation>Descrição, linha %1</translation>
    </message>
    <message>
        <source>Unknown in row %1</source>
        <translation>Incógnita na linha %1</translation>
    </message>
    <message>
        <source>New quantity, row %1</source>
        <translation>Nova quantidade, linha %1</translation>
    </message>
    <message>
        <source>New description, row %1</source>
        <translation>Nova descrição, linha %1</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Numerette starting</source>
        <extracomment>Title of the start-up picture in window lists; must differ from the calculator&apos;s title.</extracomment>
        <translation>Iniciando o Numerette</translation>
    </message>
</context>
<context>
    <name>frmSysTray</name>
    <message>
        <source>Numerette is installed, so its shortcut is already in the applications menu, under Utilities (or Accessories).

No other shortcut is needed.</source>
        <extracomment>Answer to the Tools menu&apos;s Create Shortcut command when the program is installed; the menu names are those the desktops show.</extracomment>
        <translation>O Numerette está instalado, portanto seu atalho já está no menu de aplicativos, em Utilitários (ou Acessórios).

Nenhum outro atalho é necessário.</translation>
    </message>
    <message>
        <source>Numerette FREE</source>
        <extracomment>Tooltip of the notification-area icon: the program&apos;s name and its free edition (free of charge).</extracomment>
        <translation>Numerette GRÁTIS</translation>
    </message>
    <message>
        <source>Numerette is minimized</source>
        <extracomment>Summary of the desktop notification at a start for the notification area when the desktop has none.</extracomment>
        <translation>O Numerette está minimizado</translation>
    </message>
    <message>
        <source>This desktop has no notification area for Numerette&apos;s icon, so the calculator waits minimized instead.
On GNOME the AppIndicator extension (package gnome-shell-extension-appindicator) adds one; Numerette shows its icon there from its next start.</source>
        <translation>Esta área de trabalho não tem área de notificação para o ícone do Numerette; por isso a calculadora espera minimizada.
No GNOME, a extensão AppIndicator (pacote gnome-shell-extension-appindicator) acrescenta uma; o Numerette mostra seu ícone nela a partir da próxima vez que for iniciado.</translation>
    </message>
    <message>
        <source>Closing the window minimizes it too, while &quot;Stay on System Tray when Exit&quot; is checked in the Settings menu; uncheck it to end Numerette by closing its window.</source>
        <translation>Fechar a janela também a minimiza enquanto “Manter na Área de Notificação ao Sair” estiver marcado no menu Configurações; desmarque-o para encerrar o Numerette ao fechar a janela.</translation>
    </message>
    <message>
        <source>A notification area has appeared</source>
        <extracomment>Summary of the desktop notification when a notification area appears after the calculator was minimized for want of one.</extracomment>
        <translation>Uma área de notificação apareceu</translation>
    </message>
    <message>
        <source>Numerette shows its icon there from its next start. Until then the calculator keeps waiting minimized when it is closed.</source>
        <translation>O Numerette mostra seu ícone nela a partir da próxima inicialização. Até lá, a calculadora continua esperando minimizada quando é fechada.</translation>
    </message>
</context>
<context>
    <name>numerette::Calculator</name>
    <message>
        <source>NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation&apos;s Total.</source>
        <translation>OBS.: Se as Teclas de Atalho estiverem ativadas, CTRL+ALT+ENTER = Total do Cálculo.</translation>
    </message>
</context>
</TS>
