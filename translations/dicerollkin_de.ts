<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CharacterFile</name>
    <message>
        <source>The file is larger than %1 KiB: it is not a character.</source>
        <translation>Die Datei ist größer als %1 KiB: Sie ist kein Charakter.</translation>
    </message>
    <message>
        <source>The file is not JSON, so it is not a character.</source>
        <translation>Die Datei ist kein JSON und damit kein Charakter.</translation>
    </message>
    <message>
        <source>The file is JSON, but not a character exported by Dice Rollkin.</source>
        <translation>Die Datei ist JSON, aber kein von Dice Rollkin exportierter Charakter.</translation>
    </message>
    <message>
        <source>The character in the file has no name.</source>
        <translation>Der Charakter in der Datei hat keinen Namen.</translation>
    </message>
    <message>
        <source>The character in the file has more than %1 saved rolls.</source>
        <translation>Der Charakter in der Datei hat mehr als %1 gespeicherte Würfe.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Die Datei konnte nicht gelesen werden: Sie ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dicerollkin: unknown argument &apos;%1&apos;; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: unbekanntes Argument „%1“; „dicerollkin --help“ zeigt die Optionen
</translation>
    </message>
    <message>
        <source>dicerollkin: cannot write to standard output
</source>
        <translation>dicerollkin: kann nicht auf die Standardausgabe schreiben
</translation>
    </message>
    <message>
        <source>Usage: dicerollkin [OPTION]
       dicerollkin [--seed N] --roll ROLL [ROLL ...]
       dicerollkin --odds ROLL [ROLL ...]
A strip of dice buttons, d2 to d100, that floats above your other windows.
Without an option it shows the strip: left click a button to throw its dice,
right click or right drag to choose how many, Shift and left press for the menu.

Options:
  -h, --help       print this help and exit
      --version    print the version and exit
      --roll ROLL  throw each ROLL, print its dice and total, and exit
      --seed N     with --roll: the same N (0 to 4294967295) throws the same dice
      --odds ROLL  print the exact chance of each total of each ROLL, and exit

A roll is dice notation: NdM is N dice of M faces (N may be left out), d% is
d100, NdF Fate dice; numbers, + - * / % ^ and parentheses, in a count or a
number of faces too: (2*3)d6. After a term, in any order, each once:
  ! !&gt;=9 !! !p      explode on the highest face or on the compare point;
                    compound into one die; penetrate (added dice count 1 less)
  r r&lt;3 ro          reroll while a die meets the point (r: lowest face); once
  khK klK dhK dlK   keep or drop the K highest or lowest
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  count the dice that meet T; f1 after it counts failures
  cs&gt;=19 cf1        name critical successes and failures
  s sd mi2 ma5      sort the dice up or down; raise each die to 2, lower to 5
{R, R}kh1 keeps the best of a group&apos;s rolls, {R, R}&gt;10 counts those over 10;
6x R is six rolls of R; R [text] labels a roll; # text ends it with a note.
Commas separate up to 20 rolls.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [to hit], 2d6+3 [slashing] # sneak&apos;

The manual: man dicerollkin
</source>
        <translation>Aufruf: dicerollkin [OPTION]
       dicerollkin [--seed N] --roll WURF [WURF ...]
       dicerollkin --odds WURF [WURF ...]
Eine Würfelleiste von d2 bis d100, die über den anderen Fenstern schwebt.
Ohne Option zeigt es die Leiste: ein Linksklick auf einen Knopf wirft seine
Würfel, Rechtsklick oder Ziehen mit der rechten Taste wählt ihre Anzahl,
Umschalt und Linksklick öffnen das Menü.

Optionen:
  -h, --help       diese Hilfe anzeigen und beenden
      --version    Versionsinformation anzeigen und beenden
      --roll WURF  jeden WURF werfen, seine Würfel und Summe zeigen und beenden
      --seed N     mit --roll: dasselbe N (0 bis 4294967295) wirft dieselben Würfel
      --odds WURF  die genaue Wahrscheinlichkeit jeder Summe jedes WURF zeigen und beenden

Ein Wurf ist Würfelnotation: NdM sind N Würfel mit M Seiten (N darf fehlen),
d% ist d100, NdF sind Fate-Würfel; Zahlen, + - * / % ^ und Klammern, auch in
einer Anzahl oder Seitenzahl: (2*3)d6. Nach einem Term, in jeder Reihenfolge,
jedes einmal:
  ! !&gt;=9 !! !p      explodieren auf der höchsten Seite oder dem Vergleichswert;
                    in einen Würfel aufaddieren; durchdringen (Zusatzwürfel
                    zählen 1 weniger)
  r r&lt;3 ro          neu würfeln, solange ein Würfel den Wert erfüllt (r: die
                    niedrigste Seite); einmal
  khK klK dhK dlK   die K höchsten oder niedrigsten behalten oder streichen
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  die Würfel zählen, die T erfüllen; f1 danach zählt
                    Fehlschläge
  cs&gt;=19 cf1        kritische Erfolge und Fehlschläge benennen
  s sd mi2 ma5      die Würfel auf- oder absteigend ordnen; jeden Würfel auf 2
                    heben, auf 5 senken
{R, R}kh1 behält den besten Wurf einer Gruppe, {R, R}&gt;10 zählt die über 10;
6x R sind sechs Würfe von R; R [Text] benennt einen Wurf; # Text beendet ihn
mit einer Notiz. Kommas trennen bis zu 20 Würfe.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [Angriff], 2d6+3 [Hieb] # hinterrücks&apos;

Das Handbuch: man dicerollkin
</translation>
    </message>
    <message>
        <source>dicerollkin: &apos;%1&apos; needs a value; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: „%1“ braucht einen Wert; „dicerollkin --help“ zeigt die Optionen
</translation>
    </message>
    <message>
        <source>dicerollkin: the seed &apos;%1&apos; is not a whole number from 0 to 4294967295
</source>
        <translation>dicerollkin: der Startwert „%1“ ist keine ganze Zahl von 0 bis 4294967295
</translation>
    </message>
    <message>
        <source>dicerollkin: --seed needs --roll; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: --seed braucht --roll; „dicerollkin --help“ zeigt die Optionen
</translation>
    </message>
</context>
<context>
    <name>DiceAccessible</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Umschalt+F10</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot open the X display &quot;%1&quot; (is the X server running, and may this user use it?).</source>
        <translation>kann das X-Display „%1“ nicht öffnen (läuft der X-Server, und darf dieser Benutzer ihn verwenden?).</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM asks for X11 but DISPLAY is not set.</source>
        <translation>QT_QPA_PLATFORM verlangt X11, aber DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>needs X11 to place its windows and move the cursor, and this Wayland session offers no XWayland (DISPLAY is not set).</source>
        <translation>braucht X11, um seine Fenster zu platzieren und den Mauszeiger zu bewegen, und diese Wayland-Sitzung bietet kein XWayland (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a graphical session, or under xvfb-run.</source>
        <translation>kein Display gefunden (DISPLAY ist nicht gesetzt); aus einer grafischen Sitzung oder mit xvfb-run starten.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot; that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed platform such as xcb.</source>
        <translation>Qt kann die Plattform „%1“, die QT_QPA_PLATFORM verlangt, nicht starten; QT_QPA_PLATFORM löschen oder auf eine installierte Plattform wie xcb setzen.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot;; check that Qt&apos;s xcb platform plugin and the libraries it needs are installed.</source>
        <translation>Qt kann die Plattform „%1“ nicht starten; prüfen, ob das xcb-Plattform-Plugin von Qt und die Bibliotheken, die es braucht, installiert sind.</translation>
    </message>
</context>
<context>
    <name>GlobalKeys</name>
    <message>
        <source>This build of Dice Rollkin has no X11 support, which keys from any window need.</source>
        <translation>Diese Ausgabe von Dice Rollkin wurde ohne X11-Unterstützung gebaut, die Tasten aus jedem Fenster brauchen.</translation>
    </message>
    <message>
        <source>Wayland lets no program take keys from the other windows: these keys work on an X11 desktop.</source>
        <translation>Wayland erlaubt keinem Programm, Tasten aus anderen Fenstern zu nehmen: Diese Tasten funktionieren auf einem X11-Desktop.</translation>
    </message>
    <message>
        <source>Keys from any window need an X11 desktop.</source>
        <translation>Tasten aus jedem Fenster brauchen einen X11-Desktop.</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>keine Antwort in %1 s</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>sichere Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>Netzwerkfehler %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Ctrl+Alt+%1</source>
        <extracomment>A key that throws a saved roll from any window; %1 is its digit, 1 to 9.</extracomment>
        <translation>Strg+Alt+%1</translation>
    </message>
    <message>
        <source>Another program holds these keys, so they do not throw saved rolls: %1.</source>
        <translation>Ein anderes Programm belegt diese Tasten, daher werfen sie keine gespeicherten Würfe: %1.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Triggers the action</source>
        <translation>Löst die Aktion aus</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Erhöht den Wert</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Verringert den Wert</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Zeigt das Menü an</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Setzt den Fokus</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Odds</name>
    <message>
        <source>too large to work out exactly: more than %1 steps</source>
        <translation>zu groß, um genau berechnet zu werden: mehr als %1 Schritte</translation>
    </message>
    <message>
        <source>too large to work out exactly: more than %1 possible totals</source>
        <translation>zu groß, um genau berechnet zu werden: mehr als %1 mögliche Summen</translation>
    </message>
    <message>
        <source>its totals can pass 64 bits</source>
        <translation>seine Summen können 64 Bit überschreiten</translation>
    </message>
    <message>
        <source>exploding dice that can pass the %1-dice limit between them cannot be worked out exactly</source>
        <translation>explodierende Würfel, die zusammen die Grenze von %1 Würfeln überschreiten können, lassen sich nicht genau berechnen</translation>
    </message>
    <message>
        <source>the odds of the form at column %1 are not worked out</source>
        <translation>die Wahrscheinlichkeiten der Form in Spalte %1 werden nicht berechnet</translation>
    </message>
    <message>
        <source>the roll cannot be thrown</source>
        <translation>der Wurf kann nicht geworfen werden</translation>
    </message>
    <message>
        <source>average %1, %2 to %3</source>
        <translation>Mittel %1, %2 bis %3</translation>
    </message>
    <message>
        <source>never gives a total</source>
        <translation>gibt nie eine Summe</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Roll</name>
    <message>
        <source>%1, dropped</source>
        <extracomment>A die left out of a roll's total, as a screen reader says it; %1 is its face.</extracomment>
        <translation>%1, gestrichen</translation>
    </message>
    <message>
        <source>a number is expected at column %1</source>
        <translation>eine Zahl wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>a number of faces, % or F is expected at column %1</source>
        <translation>eine Seitenzahl, % oder F wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>h or l is expected at column %1</source>
        <translation>h oder l wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>a closing parenthesis is expected at column %1</source>
        <translation>eine schließende Klammer wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>a number or a dice term is expected at column %1</source>
        <translation>eine Zahl oder ein Würfelterm wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>the roll is longer than %1 characters</source>
        <translation>der Wurf ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>more than %1 rolls at column %2</source>
        <translation>mehr als %1 Würfe in Spalte %2</translation>
    </message>
    <message>
        <source>parentheses nested more than %1 deep at column %2</source>
        <translation>Klammern mehr als %1 tief geschachtelt in Spalte %2</translation>
    </message>
    <message>
        <source>too many dice (more than %1) at column %2</source>
        <translation>zu viele Würfel (mehr als %1) in Spalte %2</translation>
    </message>
    <message>
        <source>the number at column %1 is larger than %2</source>
        <translation>die Zahl in Spalte %1 ist größer als %2</translation>
    </message>
    <message>
        <source>0 dice at column %1</source>
        <translation>0 Würfel in Spalte %1</translation>
    </message>
    <message>
        <source>dice of 0 faces at column %1</source>
        <translation>Würfel mit 0 Seiten in Spalte %1</translation>
    </message>
    <message>
        <source>a d1 or a Fate die cannot explode, at column %1</source>
        <translation>ein d1 oder ein Fate-Würfel kann nicht explodieren, in Spalte %1</translation>
    </message>
    <message>
        <source>division by zero at column %1</source>
        <translation>Division durch null in Spalte %1</translation>
    </message>
    <message>
        <source>a value past 64 bits at column %1</source>
        <translation>ein Wert über 64 Bit in Spalte %1</translation>
    </message>
    <message>
        <source>natural 20</source>
        <translation>natürliche 20</translation>
    </message>
    <message>
        <source>natural 1</source>
        <translation>natürliche 1</translation>
    </message>
    <message>
        <source>+, -, *, /, %, ^, a comma or the end is expected at column %1</source>
        <translation>+, -, *, /, %, ^, ein Komma oder das Ende wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>an operator is expected at column %1</source>
        <translation>ein Operator wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>a comma or a closing brace is expected at column %1</source>
        <translation>ein Komma oder eine schließende geschweifte Klammer wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>a closing bracket is expected at column %1</source>
        <translation>eine schließende eckige Klammer wird in Spalte %1 erwartet</translation>
    </message>
    <message>
        <source>every face would be rerolled, at column %1</source>
        <translation>jede Seite würde neu gewürfelt, in Spalte %1</translation>
    </message>
    <message>
        <source>a label or note longer than %1 characters at column %2</source>
        <translation>eine Bezeichnung oder Notiz länger als %1 Zeichen in Spalte %2</translation>
    </message>
    <message>
        <source>a control character at column %1</source>
        <translation>ein Steuerzeichen in Spalte %1</translation>
    </message>
    <message>
        <source>dice in a count or a number of faces, at column %1</source>
        <translation>Würfel in einer Anzahl oder Seitenzahl, in Spalte %1</translation>
    </message>
    <message>
        <source>0 repeats at column %1</source>
        <translation>0 Wiederholungen in Spalte %1</translation>
    </message>
    <message>
        <source>critical %1</source>
        <translation>kritisch %1</translation>
    </message>
    <message>
        <source>critical failure %1</source>
        <translation>kritischer Fehlschlag %1</translation>
    </message>
    <message>
        <source>successes %1, failures %2</source>
        <translation>Erfolge %1, Fehlschläge %2</translation>
    </message>
    <message>
        <source>every die would explode, at column %1</source>
        <translation>jeder Würfel würde explodieren, in Spalte %1</translation>
    </message>
</context>
<context>
    <name>ShareQueue</name>
    <message>
        <source>posting is switched off</source>
        <translation>das Posten ist ausgeschaltet</translation>
    </message>
    <message>
        <source>posting was switched off</source>
        <translation>das Posten wurde ausgeschaltet</translation>
    </message>
    <message>
        <source>The webhook answered %1: posting is switched off. Throws go on; enter the address again in Share to post them.</source>
        <translation>Der Webhook antwortete %1: Das Posten ist ausgeschaltet. Die Würfe gehen weiter; geben Sie die Adresse unter Teilen erneut ein, um sie zu posten.</translation>
    </message>
    <message>
        <source>%1, given up after %2 tries</source>
        <translation>%1, nach %2 Versuchen aufgegeben</translation>
    </message>
</context>
<context>
    <name>TransportModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 liegt in keinem der Ordner %2</translation>
    </message>
    <message>
        <source>the network module could not be loaded (%1)</source>
        <translation>das Netzwerkmodul konnte nicht geladen werden (%1)</translation>
    </message>
    <message>
        <source>The network module could not be loaded (%1): posting is switched off. Throws go on.</source>
        <translation>Das Netzwerkmodul konnte nicht geladen werden (%1): Das Posten ist ausgeschaltet. Die Würfe gehen weiter.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 liegt in keinem der Ordner %2</translation>
    </message>
    <message>
        <source>dicerollkin: the window module could not be loaded (%1)
</source>
        <translation>dicerollkin: das Fenstermodul konnte nicht geladen werden (%1)
</translation>
    </message>
</context>
<context>
    <name>WebhookUrl</name>
    <message>
        <source>The webhook address is empty.</source>
        <translation>Die Webhook-Adresse ist leer.</translation>
    </message>
    <message>
        <source>This is not a web address: it should look like https://host/path.</source>
        <translation>Das ist keine Webadresse: Sie sollte wie https://host/pfad aussehen.</translation>
    </message>
    <message>
        <source>A webhook address holds no user name or password.</source>
        <translation>Eine Webhook-Adresse enthält keinen Benutzernamen und kein Passwort.</translation>
    </message>
    <message>
        <source>The thread_id in the address should be one thread&apos;s number: digits only.</source>
        <translation>Die thread_id in der Adresse muss die Nummer eines Threads sein: nur Ziffern.</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken (http:// only to this computer, for testing).</source>
        <translation>Nur https://-Adressen werden angenommen (http:// nur zu diesem Computer, zum Testen).</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken.</source>
        <translation>Nur https://-Adressen werden angenommen.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>ThrowDice</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Würfelanzahl wählen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Config Menu</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Add 1 Dice to multiplier</source>
        <translation>Einen Würfel mehr</translation>
    </message>
    <message>
        <source>Move Rollkin (if enabled)</source>
        <translation>Verschieben (wenn frei)</translation>
    </message>
    <message>
        <source>Subtract 1 Dice to multiplier</source>
        <translation>Einen Würfel weniger</translation>
    </message>
    <message>
        <source>- LeftClick</source>
        <translation>- Linksklick</translation>
    </message>
    <message>
        <source>- RigthDrag</source>
        <translation>- Rechts ziehen</translation>
    </message>
    <message>
        <source>- F1 or LeftPress + SHIFT</source>
        <translation>- F1 / Umschalt + Linksklick</translation>
    </message>
    <message>
        <source>- LeftPress + SHIFT</source>
        <translation>- Umschalt + Linksklick</translation>
    </message>
    <message>
        <source>- Rigth Click</source>
        <translation>- Rechtsklick</translation>
    </message>
    <message>
        <source>- LeftPress + CTRL</source>
        <translation>- Strg + Links ziehen</translation>
    </message>
    <message>
        <source>- Rigth Click + SHIFT</source>
        <translation>- Umschalt + Rechtsklick</translation>
    </message>
    <message>
        <source>About Dice Rollkin</source>
        <translation>Über Dice Rollkin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DiceRollkin developers</source>
        <translation>von den DiceRollkin-Entwicklern</translation>
    </message>
    <message>
        <source>Help: man dicerollkin</source>
        <translation>Hilfe: man dicerollkin</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>%1 sides</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>UL</source>
        <comment>upper left</comment>
        <translation>OL</translation>
    </message>
    <message>
        <source>UP</source>
        <comment>upper centre</comment>
        <translation>OM</translation>
    </message>
    <message>
        <source>UR</source>
        <comment>upper right</comment>
        <translation>OR</translation>
    </message>
    <message>
        <source>ML</source>
        <comment>middle left</comment>
        <translation>ML</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>middle centre</comment>
        <translation>MM</translation>
    </message>
    <message>
        <source>MR</source>
        <comment>middle right</comment>
        <translation>MR</translation>
    </message>
    <message>
        <source>LL</source>
        <comment>lower left</comment>
        <translation>UL</translation>
    </message>
    <message>
        <source>LC</source>
        <comment>lower centre</comment>
        <translation>UM</translation>
    </message>
    <message>
        <source>LR</source>
        <comment>lower right</comment>
        <translation>UR</translation>
    </message>
    <message>
        <source>Dice Rollkin Configuration</source>
        <translation>Dice Rollkin – Einstellungen</translation>
    </message>
    <message>
        <source>Throw Refresh Time</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>0 sec</source>
        <translation>0 s</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>Dice Multiplier Range</source>
        <translation>Höchstzahl Würfel</translation>
    </message>
    <message>
        <source>Dice Multiplier Permanent</source>
        <translation>Würfelanzahl beibehalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rollkin Position</source>
        <translation>Position der Leiste</translation>
    </message>
    <message>
        <source>Dice Result Permanent</source>
        <translation>Ergebnis beibehalten</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Dices Availables</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Corner Bounded</source>
        <translation>Verankert</translation>
    </message>
    <message>
        <source>Apply Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Select at least one dice...</source>
        <translation>Bitte mindestens einen Würfel wählen.</translation>
    </message>
    <message>
        <source>Upper left corner</source>
        <translation>Ecke oben links</translation>
    </message>
    <message>
        <source>Upper edge, centred</source>
        <translation>Oberer Rand, mittig</translation>
    </message>
    <message>
        <source>Upper right corner</source>
        <translation>Ecke oben rechts</translation>
    </message>
    <message>
        <source>Left edge, centred</source>
        <translation>Linker Rand, mittig</translation>
    </message>
    <message>
        <source>Centre of the screen</source>
        <translation>Bildschirmmitte</translation>
    </message>
    <message>
        <source>Right edge, centred</source>
        <translation>Rechter Rand, mittig</translation>
    </message>
    <message>
        <source>Lower left corner</source>
        <translation>Ecke unten links</translation>
    </message>
    <message>
        <source>Lower edge, centred</source>
        <translation>Unterer Rand, mittig</translation>
    </message>
    <message>
        <source>Lower right corner</source>
        <translation>Ecke unten rechts</translation>
    </message>
</context>
<context>
    <name>frmScroller</name>
    <message>
        <source>Errore in setting cursor pos</source>
        <translation>Mauszeiger nicht setzbar</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Würfelanzahl</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedRollsModel</name>
    <message>
        <source>Character %1</source>
        <translation>Charakter %1</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedStrip</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A saved roll&apos;s line in History and its tooltip; %1 is the roll&apos;s name, %2 its line.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>rollkin::SettingsKeeper</name>
    <message>
        <source>The settings file %1 could not be read. It has been moved to %2, and Dice Rollkin starts with its default settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Sie wurde nach %2 verschoben, und Dice Rollkin startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, nor moved aside. Dice Rollkin starts with its default settings and leaves the file as it is.</source>
        <translation>Die Einstellungsdatei %1 konnte weder gelesen noch beiseitegelegt werden. Dice Rollkin startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written. Dice Rollkin goes on and tries again at the next change.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden. Dice Rollkin läuft weiter und versucht es bei der nächsten Änderung erneut.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file. Dice Rollkin starts with its default settings and leaves it as it is.</source>
        <translation>Die Einstellungsdatei %1 ist keine gewöhnliche Datei. Dice Rollkin startet mit den Standardeinstellungen und lässt sie unverändert.</translation>
    </message>
    <message>
        <source>The folder of the settings file %1 cannot be read. Dice Rollkin starts with its default settings and leaves the folder as it is.</source>
        <translation>Der Ordner der Einstellungsdatei %1 kann nicht gelesen werden. Dice Rollkin startet mit den Standardeinstellungen und lässt den Ordner unverändert.</translation>
    </message>
    <message>
        <source>Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; everything else in it is kept. The file stays as it is until a setting changes; then it is first copied whole beside itself, to a name ending in .bad.</source>
        <translation>Dice Rollkin konnte die Zeile(n) %2 der Einstellungsdatei %1 nicht lesen und übergeht sie; alles andere darin bleibt erhalten. Die Datei bleibt unverändert, bis sich eine Einstellung ändert; dann wird sie zuerst vollständig daneben in eine Datei kopiert, deren Name auf .bad endet.</translation>
    </message>
</context>
<context>
    <name>rollkin::SingleStrip</name>
    <message>
        <source>%1 is not Dice Rollkin&apos;s socket, and is left as it is: starting Dice Rollkin again opens another strip until it is removed.</source>
        <translation>%1 ist nicht der Socket von Dice Rollkin und bleibt unverändert: Solange er nicht entfernt ist, öffnet jeder weitere Start von Dice Rollkin eine weitere Leiste.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmHistory</name>
    <message>
        <source>Dice Rollkin History</source>
        <translation>Dice Rollkin – Verlauf</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Würfe</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>  (waiting)</source>
        <translation>  (wartet)</translation>
    </message>
    <message>
        <source>Waiting to be posted</source>
        <translation>Wartet darauf, gepostet zu werden</translation>
    </message>
    <message>
        <source>  (posted)</source>
        <translation>  (gepostet)</translation>
    </message>
    <message>
        <source>Posted to the group&apos;s chat</source>
        <translation>Im Chat der Gruppe gepostet</translation>
    </message>
    <message>
        <source>  (not sent)</source>
        <translation>  (nicht gesendet)</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Verlauf speichern</translation>
    </message>
    <message>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Text (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be saved in &quot;%1&quot;: %2</source>
        <translation>Der Verlauf konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Leeren rückgängig</translation>
    </message>
    <message>
        <source>Luck: percentile %1</source>
        <translation>Glück: Perzentil %1</translation>
    </message>
    <message>
        <source>Each total&apos;s percentile in its roll&apos;s exact odds (a tie counts half); the dice look fair unless a z-test of the average percentile, each throw weighed by its own variance, gives p under 0.05.</source>
        <translation>Das Perzentil jeder Summe in den genauen Wahrscheinlichkeiten ihres Wurfs (ein Gleichstand zählt halb); die Würfel wirken fair, solange ein z-Test des mittleren Perzentils, jeder Wurf mit seiner eigenen Varianz gewichtet, nicht p unter 0,05 ergibt.</translation>
    </message>
    <message>
        <source>No throws yet to judge the dice by.</source>
        <translation>Noch keine Würfe, um die Würfel zu beurteilen.</translation>
    </message>
    <message>
        <source>the dice look fair, p = %1</source>
        <translation>die Würfel wirken fair, p = %1</translation>
    </message>
    <message>
        <source>the dice run high, p = %1</source>
        <translation>die Würfel fallen hoch, p = %1</translation>
    </message>
    <message>
        <source>the dice run low, p = %1</source>
        <translation>die Würfel fallen niedrig, p = %1</translation>
    </message>
    <message>
        <source>%1 throws, average percentile %2: %3 (z-test of the percentiles)</source>
        <translation>%1 Würfe, mittleres Perzentil %2: %3 (z-Test der Perzentile)</translation>
    </message>
</context>
<context>
    <name>rollkin::frmMenu</name>
    <message>
        <source>Configure...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Roll...</source>
        <translation>Würfeln...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Remember Settings</source>
        <translation>Einstellungen merken</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Charakter</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRoll</name>
    <message>
        <source>Roll</source>
        <comment>column header</comment>
        <extracomment>The saved rolls' column header: the roll, a noun (the button says the verb).</extracomment>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Dice Rollkin Rolls</source>
        <translation>Dice Rollkin – Würfeln</translation>
    </message>
    <message>
        <source>Roll in dice notation</source>
        <translation>Wurf in Würfelnotation</translation>
    </message>
    <message>
        <source>&amp;Roll:</source>
        <translation>&amp;Wurf:</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>No roll yet</source>
        <translation>Noch kein Wurf</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Saved rolls</source>
        <translation>Gespeicherte Würfe</translation>
    </message>
    <message>
        <source>&amp;Saved rolls:</source>
        <translation>&amp;Gespeicherte Würfe:</translation>
    </message>
    <message>
        <source>Name of the roll to save</source>
        <translation>Name des zu speichernden Wurfs</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>A saved roll needs a name.</source>
        <translation>Ein gespeicherter Wurf braucht einen Namen.</translation>
    </message>
    <message>
        <source>At most %1 rolls can be saved: remove one to add another.</source>
        <translation>Höchstens %1 Würfe lassen sich speichern: entfernen Sie einen, um einen anderen hinzuzufügen.</translation>
    </message>
    <message>
        <source>Type the roll to save in the field above.</source>
        <translation>Geben Sie den zu speichernden Wurf im Feld darüber ein.</translation>
    </message>
    <message>
        <source>Odds of the roll</source>
        <translation>Wahrscheinlichkeiten des Wurfs</translation>
    </message>
    <message>
        <source>Chance of &amp;at least</source>
        <translation>Chance auf &amp;mindestens</translation>
    </message>
    <message>
        <source>DC %1: %2</source>
        <translation>SG %1: %2</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chancen</translation>
    </message>
    <message>
        <source>Throw saved rolls with Ctrl+Alt+1 to 9 from any &amp;window</source>
        <translation>Gespeicherte Würfe mit Strg+Alt+1 bis 9 aus jedem &amp;Fenster werfen</translation>
    </message>
    <message>
        <source>C&amp;haracter:</source>
        <translation>C&amp;harakter:</translation>
    </message>
    <message>
        <source>Character&apos;s name</source>
        <translation>Name des Charakters</translation>
    </message>
    <message>
        <source>Share name (empty: Share&apos;s)</source>
        <translation>Name beim Teilen (leer: der von Teilen)</translation>
    </message>
    <message>
        <source>Name the character&apos;s throws are posted under</source>
        <translation>Name, unter dem die Würfe des Charakters gepostet werden</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>character</comment>
        <extracomment>Adds a character.</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>character</comment>
        <extracomment>Removes a character.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>A character needs a name.</source>
        <translation>Ein Charakter braucht einen Namen.</translation>
    </message>
    <message>
        <source>There is a character named &quot;%1&quot; already.</source>
        <translation>Es gibt bereits einen Charakter namens „%1“.</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Charakter %1</translation>
    </message>
    <message>
        <source>Remove the character &quot;%1&quot; with its saved rolls?</source>
        <translation>Den Charakter „%1“ mit seinen gespeicherten Würfen entfernen?</translation>
    </message>
    <message>
        <source>Export Character</source>
        <translation>Charakter exportieren</translation>
    </message>
    <message>
        <source>Characters (*.json)</source>
        <translation>Charaktere (*.json)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exported to %2.</source>
        <translation>„%1“ nach %2 exportiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be exported: %2</source>
        <translation>„%1“ konnte nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>Import Character</source>
        <translation>Charakter importieren</translation>
    </message>
    <message>
        <source>Characters (*.json);;All files (*)</source>
        <translation>Charaktere (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Es wurde nichts importiert. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported.</source>
        <translation>„%1“ importiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported; the rolls marked cannot be thrown as written.</source>
        <translation>„%1“ importiert; die markierten Würfe lassen sich so, wie sie geschrieben sind, nicht werfen.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRollkin</name>
    <message>
        <source>%1, highest %2, lowest %3</source>
        <extracomment>Screen readers&apos; account of a throw of several dice: &quot;3d6: 2 + 5 + 6 = 13, highest 6, lowest 2&quot;; %1 is the sum, %2 the highest face, %3 the lowest.</extracomment>
        <translation>%1, höchster Wurf %2, niedrigster %3</translation>
    </message>
    <message>
        <source>Throws %1</source>
        <extracomment>A dice button&apos;s description for screen readers; %1 is what it throws (&quot;3d6&quot;).</extracomment>
        <translation>Wirft %1</translation>
    </message>
    <message>
        <source>Error getting cursor pos</source>
        <translation>Mausposition nicht lesbar</translation>
    </message>
</context>
<context>
    <name>rollkin::frmShare</name>
    <message>
        <source>Dice Rollkin Share</source>
        <translation>Dice Rollkin – Teilen</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Schurke</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>Webhook-URL</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Webhook URL:</source>
        <translation>&amp;Webhook-URL:</translation>
    </message>
    <message>
        <source>Post:</source>
        <translation>Posten:</translation>
    </message>
    <message>
        <source>&amp;Every throw</source>
        <translation>&amp;Jeden Wurf</translation>
    </message>
    <message>
        <source>&amp;Only saved rolls and the Roll window&apos;s rolls</source>
        <translation>&amp;Nur gespeicherte Würfe und die Würfe aus dem Würfeln-Fenster</translation>
    </message>
    <message>
        <source>Copy each throw to the clipboard</source>
        <translation>Jeden Wurf in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>Slack-compatible</source>
        <translation>Slack-kompatibel</translation>
    </message>
    <message>
        <source>Chat format</source>
        <translation>Chat-Format</translation>
    </message>
    <message>
        <source>Chat &amp;format:</source>
        <translation>Chat-&amp;Format:</translation>
    </message>
    <message>
        <source>Post &amp;quietly, without notifying anyone</source>
        <translation>&amp;Leise posten, ohne jemanden zu benachrichtigen</translation>
    </message>
    <message>
        <source>Set from the address.</source>
        <translation>Aus der Adresse bestimmt.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Gesendet: %1</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Posting a test line...</source>
        <translation>Testzeile wird gesendet...</translation>
    </message>
    <message>
        <source>a test of Dice Rollkin&apos;s posting</source>
        <translation>ein Test des Postens von Dice Rollkin</translation>
    </message>
</context>
</TS>
