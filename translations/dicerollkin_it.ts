<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CharacterFile</name>
    <message>
        <source>The file is larger than %1 KiB: it is not a character.</source>
        <translation>Il file supera %1 KiB: non è un personaggio.</translation>
    </message>
    <message>
        <source>The file is not JSON, so it is not a character.</source>
        <translation>Il file non è JSON, quindi non è un personaggio.</translation>
    </message>
    <message>
        <source>The file is JSON, but not a character exported by Dice Rollkin.</source>
        <translation>Il file è JSON, ma non un personaggio esportato da Dice Rollkin.</translation>
    </message>
    <message>
        <source>The character in the file has no name.</source>
        <translation>Il personaggio nel file non ha un nome.</translation>
    </message>
    <message>
        <source>The character in the file has more than %1 saved rolls.</source>
        <translation>Il personaggio nel file ha più di %1 lanci salvati.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Impossibile leggere il file: non è un file normale.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dicerollkin: unknown argument &apos;%1&apos;; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: argomento sconosciuto «%1»; «dicerollkin --help» elenca le opzioni
</translation>
    </message>
    <message>
        <source>dicerollkin: cannot write to standard output
</source>
        <translation>dicerollkin: impossibile scrivere sullo standard output
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
        <translation>Uso: dicerollkin [OPZIONE]
     dicerollkin [--seed N] --roll TIRO [TIRO ...]
     dicerollkin --odds TIRO [TIRO ...]
Una barra di pulsanti di dadi, dal d2 al d100, sempre sopra le altre finestre.
Senza opzioni mostra la barra: clic sinistro su un pulsante per lanciare i suoi
dadi, clic destro o trascinamento col destro per scegliere quanti, Maiusc e
clic sinistro per il menu.

Opzioni:
  -h, --help       mostra questo aiuto ed esce
      --version    mostra la versione ed esce
      --roll TIRO  lancia ogni TIRO, ne mostra i dadi e il totale, ed esce
      --seed N     con --roll: lo stesso N (da 0 a 4294967295) lancia gli stessi dadi
      --odds TIRO  mostra la probabilità esatta di ogni totale di ogni TIRO ed esce

Un tiro si scrive in notazione dei dadi: NdM sono N dadi da M facce (N si può
omettere), d% è un d100, NdF dadi Fate; numeri, + - * / % ^ e parentesi, anche
in un numero di dadi o di facce: (2*3)d6. Dopo un termine, in qualsiasi
ordine, ciascuno una volta:
  ! !&gt;=9 !! !p      esplodere sulla faccia più alta o sul punto di confronto;
                    sommare in un solo dado; penetrare (ogni dado aggiunto
                    conta 1 in meno)
  r r&lt;3 ro          ritirare finché un dado soddisfa il punto (r: la faccia più
                    bassa); una sola volta
  khK klK dhK dlK   tenere o scartare i K più alti o più bassi
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  contare i dadi che soddisfano T; f1 dopo conta i
                    fallimenti
  cs&gt;=19 cf1        indicare successi e fallimenti critici
  s sd mi2 ma5      ordinare i dadi in modo crescente o decrescente; alzare
                    ogni dado a 2, abbassarlo a 5
{R, R}kh1 tiene il tiro migliore di un gruppo, {R, R}&gt;10 conta quelli sopra 10;
6x R sono sei tiri di R; R [testo] dà un nome a un tiro; # testo lo chiude con
una nota. Le virgole separano fino a 20 tiri.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [attacco], 2d6+3 [fendente] # alle spalle&apos;

Il manuale: man dicerollkin
</translation>
    </message>
    <message>
        <source>dicerollkin: &apos;%1&apos; needs a value; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: «%1» richiede un valore; «dicerollkin --help» elenca le opzioni
</translation>
    </message>
    <message>
        <source>dicerollkin: the seed &apos;%1&apos; is not a whole number from 0 to 4294967295
</source>
        <translation>dicerollkin: il seme «%1» non è un numero intero da 0 a 4294967295
</translation>
    </message>
    <message>
        <source>dicerollkin: --seed needs --roll; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: --seed richiede --roll; «dicerollkin --help» elenca le opzioni
</translation>
    </message>
</context>
<context>
    <name>DiceAccessible</name>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Maiusc+F10</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot open the X display &quot;%1&quot; (is the X server running, and may this user use it?).</source>
        <translation>impossibile aprire il display X «%1» (il server X è in esecuzione e questo utente può usarlo?).</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM asks for X11 but DISPLAY is not set.</source>
        <translation>QT_QPA_PLATFORM richiede X11, ma DISPLAY non è impostato.</translation>
    </message>
    <message>
        <source>needs X11 to place its windows and move the cursor, and this Wayland session offers no XWayland (DISPLAY is not set).</source>
        <translation>ha bisogno di X11 per posizionare le sue finestre e spostare il puntatore, e questa sessione Wayland non offre XWayland (DISPLAY non è impostato).</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a graphical session, or under xvfb-run.</source>
        <translation>nessun display trovato (DISPLAY non è impostato); avvialo da una sessione grafica o con xvfb-run.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot; that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed platform such as xcb.</source>
        <translation>Qt non riesce ad avviare la piattaforma «%1» richiesta da QT_QPA_PLATFORM; elimina QT_QPA_PLATFORM o impostala su una piattaforma installata, come xcb.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot;; check that Qt&apos;s xcb platform plugin and the libraries it needs are installed.</source>
        <translation>Qt non riesce ad avviare la piattaforma «%1»; verifica che il plugin di piattaforma xcb di Qt e le librerie di cui ha bisogno siano installati.</translation>
    </message>
</context>
<context>
    <name>GlobalKeys</name>
    <message>
        <source>This build of Dice Rollkin has no X11 support, which keys from any window need.</source>
        <translation>Questa build di Dice Rollkin non ha il supporto X11, necessario per i tasti da qualsiasi finestra.</translation>
    </message>
    <message>
        <source>Wayland lets no program take keys from the other windows: these keys work on an X11 desktop.</source>
        <translation>Wayland non permette a nessun programma di prendere i tasti dalle altre finestre: questi tasti funzionano su un desktop X11.</translation>
    </message>
    <message>
        <source>Keys from any window need an X11 desktop.</source>
        <translation>I tasti da qualsiasi finestra richiedono un desktop X11.</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>connection refused</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host non trovato</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>nessuna risposta in %1 s</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>connessione sicura non riuscita</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>errore di rete %1</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Ctrl+Alt+%1</source>
        <extracomment>A key that throws a saved roll from any window; %1 is its digit, 1 to 9.</extracomment>
        <translation>Ctrl+Alt+%1</translation>
    </message>
    <message>
        <source>Another program holds these keys, so they do not throw saved rolls: %1.</source>
        <translation>Un altro programma occupa questi tasti, quindi non eseguono i lanci salvati: %1.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Triggers the action</source>
        <translation>Attiva l&apos;azione</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Aumenta il valore</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Diminuisce il valore</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Mostra il menu</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Imposta il focus</translation>
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
        <translation>troppo grande per calcolarlo esattamente: più di %1 passi</translation>
    </message>
    <message>
        <source>too large to work out exactly: more than %1 possible totals</source>
        <translation>troppo grande per calcolarlo esattamente: più di %1 totali possibili</translation>
    </message>
    <message>
        <source>its totals can pass 64 bits</source>
        <translation>i suoi totali possono superare i 64 bit</translation>
    </message>
    <message>
        <source>exploding dice that can pass the %1-dice limit between them cannot be worked out exactly</source>
        <translation>dadi che esplodono e che insieme possono superare il limite di %1 dadi non si possono calcolare esattamente</translation>
    </message>
    <message>
        <source>the odds of the form at column %1 are not worked out</source>
        <translation>le probabilità della forma alla colonna %1 non vengono calcolate</translation>
    </message>
    <message>
        <source>the roll cannot be thrown</source>
        <translation>il tiro non si può lanciare</translation>
    </message>
    <message>
        <source>average %1, %2 to %3</source>
        <translation>media %1, da %2 a %3</translation>
    </message>
    <message>
        <source>never gives a total</source>
        <translation>non dà mai un totale</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>Roll</name>
    <message>
        <source>%1, dropped</source>
        <extracomment>A die left out of a roll's total, as a screen reader says it; %1 is its face.</extracomment>
        <translation>%1, scartato</translation>
    </message>
    <message>
        <source>a number is expected at column %1</source>
        <translation>è atteso un numero alla colonna %1</translation>
    </message>
    <message>
        <source>a number of faces, % or F is expected at column %1</source>
        <translation>è atteso un numero di facce, % o F alla colonna %1</translation>
    </message>
    <message>
        <source>h or l is expected at column %1</source>
        <translation>è atteso h o l alla colonna %1</translation>
    </message>
    <message>
        <source>a closing parenthesis is expected at column %1</source>
        <translation>è attesa una parentesi chiusa alla colonna %1</translation>
    </message>
    <message>
        <source>a number or a dice term is expected at column %1</source>
        <translation>è atteso un numero o un termine di dadi alla colonna %1</translation>
    </message>
    <message>
        <source>the roll is longer than %1 characters</source>
        <translation>il tiro supera i %1 caratteri</translation>
    </message>
    <message>
        <source>more than %1 rolls at column %2</source>
        <translation>più di %1 tiri alla colonna %2</translation>
    </message>
    <message>
        <source>parentheses nested more than %1 deep at column %2</source>
        <translation>parentesi annidate oltre %1 livelli alla colonna %2</translation>
    </message>
    <message>
        <source>too many dice (more than %1) at column %2</source>
        <translation>troppi dadi (più di %1) alla colonna %2</translation>
    </message>
    <message>
        <source>the number at column %1 is larger than %2</source>
        <translation>il numero alla colonna %1 supera %2</translation>
    </message>
    <message>
        <source>0 dice at column %1</source>
        <translation>0 dadi alla colonna %1</translation>
    </message>
    <message>
        <source>dice of 0 faces at column %1</source>
        <translation>dadi da 0 facce alla colonna %1</translation>
    </message>
    <message>
        <source>a d1 or a Fate die cannot explode, at column %1</source>
        <translation>un d1 o un dado Fate non può esplodere, alla colonna %1</translation>
    </message>
    <message>
        <source>division by zero at column %1</source>
        <translation>divisione per zero alla colonna %1</translation>
    </message>
    <message>
        <source>a value past 64 bits at column %1</source>
        <translation>un valore oltre i 64 bit alla colonna %1</translation>
    </message>
    <message>
        <source>natural 20</source>
        <translation>20 naturale</translation>
    </message>
    <message>
        <source>natural 1</source>
        <translation>1 naturale</translation>
    </message>
    <message>
        <source>+, -, *, /, %, ^, a comma or the end is expected at column %1</source>
        <translation>è atteso +, -, *, /, %, ^, una virgola o la fine alla colonna %1</translation>
    </message>
    <message>
        <source>an operator is expected at column %1</source>
        <translation>è atteso un operatore alla colonna %1</translation>
    </message>
    <message>
        <source>a comma or a closing brace is expected at column %1</source>
        <translation>è attesa una virgola o una parentesi graffa chiusa alla colonna %1</translation>
    </message>
    <message>
        <source>a closing bracket is expected at column %1</source>
        <translation>è attesa una parentesi quadra chiusa alla colonna %1</translation>
    </message>
    <message>
        <source>every face would be rerolled, at column %1</source>
        <translation>ogni faccia verrebbe ritirata, alla colonna %1</translation>
    </message>
    <message>
        <source>a label or note longer than %1 characters at column %2</source>
        <translation>un&apos;etichetta o una nota più lunga di %1 caratteri alla colonna %2</translation>
    </message>
    <message>
        <source>a control character at column %1</source>
        <translation>un carattere di controllo alla colonna %1</translation>
    </message>
    <message>
        <source>dice in a count or a number of faces, at column %1</source>
        <translation>dadi in un numero di dadi o di facce, alla colonna %1</translation>
    </message>
    <message>
        <source>0 repeats at column %1</source>
        <translation>0 ripetizioni alla colonna %1</translation>
    </message>
    <message>
        <source>critical %1</source>
        <translation>critico %1</translation>
    </message>
    <message>
        <source>critical failure %1</source>
        <translation>fallimento critico %1</translation>
    </message>
    <message>
        <source>successes %1, failures %2</source>
        <translation>successi %1, fallimenti %2</translation>
    </message>
    <message>
        <source>every die would explode, at column %1</source>
        <translation>ogni dado esploderebbe, alla colonna %1</translation>
    </message>
</context>
<context>
    <name>ShareQueue</name>
    <message>
        <source>posting is switched off</source>
        <translation>la pubblicazione è disattivata</translation>
    </message>
    <message>
        <source>posting was switched off</source>
        <translation>la pubblicazione è stata disattivata</translation>
    </message>
    <message>
        <source>The webhook answered %1: posting is switched off. Throws go on; enter the address again in Share to post them.</source>
        <translation>Il webhook ha risposto %1: la pubblicazione è disattivata. I lanci continuano; inserisci di nuovo l&apos;indirizzo in Condividi per pubblicarli.</translation>
    </message>
    <message>
        <source>%1, given up after %2 tries</source>
        <translation>%1, abbandonato dopo %2 tentativi</translation>
    </message>
</context>
<context>
    <name>TransportModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 non si trova in nessuna delle cartelle %2</translation>
    </message>
    <message>
        <source>the network module could not be loaded (%1)</source>
        <translation>impossibile caricare il modulo di rete (%1)</translation>
    </message>
    <message>
        <source>The network module could not be loaded (%1): posting is switched off. Throws go on.</source>
        <translation>Impossibile caricare il modulo di rete (%1): la pubblicazione è disattivata. I lanci continuano.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 non si trova in nessuna delle cartelle %2</translation>
    </message>
    <message>
        <source>dicerollkin: the window module could not be loaded (%1)
</source>
        <translation>dicerollkin: impossibile caricare il modulo delle finestre (%1)
</translation>
    </message>
</context>
<context>
    <name>WebhookUrl</name>
    <message>
        <source>The webhook address is empty.</source>
        <translation>L&apos;indirizzo del webhook è vuoto.</translation>
    </message>
    <message>
        <source>This is not a web address: it should look like https://host/path.</source>
        <translation>Questo non è un indirizzo web: dovrebbe essere come https://host/percorso.</translation>
    </message>
    <message>
        <source>A webhook address holds no user name or password.</source>
        <translation>Un indirizzo di webhook non contiene nome utente né password.</translation>
    </message>
    <message>
        <source>The thread_id in the address should be one thread&apos;s number: digits only.</source>
        <translation>Il thread_id nell&apos;indirizzo deve essere il numero di un thread: solo cifre.</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken (http:// only to this computer, for testing).</source>
        <translation>Sono accettati solo indirizzi https:// (http:// solo verso questo computer, per le prove).</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken.</source>
        <translation>Sono accettati solo indirizzi https://.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>ThrowDice</source>
        <translation>Tirare i dadi</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Scegliere quanti dadi</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Config Menu</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Add 1 Dice to multiplier</source>
        <translation>Aggiungere un dado</translation>
    </message>
    <message>
        <source>Move Rollkin (if enabled)</source>
        <translation>Spostare (se libera)</translation>
    </message>
    <message>
        <source>Subtract 1 Dice to multiplier</source>
        <translation>Togliere un dado</translation>
    </message>
    <message>
        <source>- LeftClick</source>
        <translation>- Clic sinistro</translation>
    </message>
    <message>
        <source>- RigthDrag</source>
        <translation>- Trascinare col destro</translation>
    </message>
    <message>
        <source>- F1 or LeftPress + SHIFT</source>
        <translation>- F1 o Maiusc + clic sinistro</translation>
    </message>
    <message>
        <source>- LeftPress + SHIFT</source>
        <translation>- Maiusc + clic sinistro</translation>
    </message>
    <message>
        <source>- Rigth Click</source>
        <translation>- Clic destro</translation>
    </message>
    <message>
        <source>- LeftPress + CTRL</source>
        <translation>- Ctrl + trascinare (sinistro)</translation>
    </message>
    <message>
        <source>- Rigth Click + SHIFT</source>
        <translation>- Maiusc + clic destro</translation>
    </message>
    <message>
        <source>About Dice Rollkin</source>
        <translation>Informazioni su Dice Rollkin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DiceRollkin developers</source>
        <translation>dal team di DiceRollkin</translation>
    </message>
    <message>
        <source>Help: man dicerollkin</source>
        <translation>Aiuto: man dicerollkin</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>%1 sides</source>
        <translation>%1 facce</translation>
    </message>
    <message>
        <source>UL</source>
        <comment>upper left</comment>
        <translation>AS</translation>
    </message>
    <message>
        <source>UP</source>
        <comment>upper centre</comment>
        <translation>AC</translation>
    </message>
    <message>
        <source>UR</source>
        <comment>upper right</comment>
        <translation>AD</translation>
    </message>
    <message>
        <source>ML</source>
        <comment>middle left</comment>
        <translation>CS</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>middle centre</comment>
        <translation>CC</translation>
    </message>
    <message>
        <source>MR</source>
        <comment>middle right</comment>
        <translation>CD</translation>
    </message>
    <message>
        <source>LL</source>
        <comment>lower left</comment>
        <translation>BS</translation>
    </message>
    <message>
        <source>LC</source>
        <comment>lower centre</comment>
        <translation>BC</translation>
    </message>
    <message>
        <source>LR</source>
        <comment>lower right</comment>
        <translation>BD</translation>
    </message>
    <message>
        <source>Dice Rollkin Configuration</source>
        <translation>Impostazioni di Dice Rollkin</translation>
    </message>
    <message>
        <source>Throw Refresh Time</source>
        <translation>Durata risultato</translation>
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
        <translation>Massimo di dadi</translation>
    </message>
    <message>
        <source>Dice Multiplier Permanent</source>
        <translation>Mantieni quanti dadi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rollkin Position</source>
        <translation>Posizione della barra</translation>
    </message>
    <message>
        <source>Dice Result Permanent</source>
        <translation>Mantieni il risultato</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Dices Availables</source>
        <translation>Dadi</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libera</translation>
    </message>
    <message>
        <source>Corner Bounded</source>
        <translation>Ancorata</translation>
    </message>
    <message>
        <source>Apply Default</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Select at least one dice...</source>
        <translation>Scegli almeno un dado.</translation>
    </message>
    <message>
        <source>Upper left corner</source>
        <translation>Angolo in alto a sinistra</translation>
    </message>
    <message>
        <source>Upper edge, centred</source>
        <translation>Bordo superiore, al centro</translation>
    </message>
    <message>
        <source>Upper right corner</source>
        <translation>Angolo in alto a destra</translation>
    </message>
    <message>
        <source>Left edge, centred</source>
        <translation>Bordo sinistro, al centro</translation>
    </message>
    <message>
        <source>Centre of the screen</source>
        <translation>Centro dello schermo</translation>
    </message>
    <message>
        <source>Right edge, centred</source>
        <translation>Bordo destro, al centro</translation>
    </message>
    <message>
        <source>Lower left corner</source>
        <translation>Angolo in basso a sinistra</translation>
    </message>
    <message>
        <source>Lower edge, centred</source>
        <translation>Bordo inferiore, al centro</translation>
    </message>
    <message>
        <source>Lower right corner</source>
        <translation>Angolo in basso a destra</translation>
    </message>
</context>
<context>
    <name>frmScroller</name>
    <message>
        <source>Errore in setting cursor pos</source>
        <translation>Impossibile spostare il puntatore</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Numero di dadi</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedRollsModel</name>
    <message>
        <source>Character %1</source>
        <translation>Personaggio %1</translation>
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
        <translation>Impossibile leggere il file delle impostazioni %1. È stato spostato in %2 e Dice Rollkin si avvia con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, nor moved aside. Dice Rollkin starts with its default settings and leaves the file as it is.</source>
        <translation>Impossibile leggere o spostare il file delle impostazioni %1. Dice Rollkin si avvia con le impostazioni predefinite e lascia il file com&apos;è.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written. Dice Rollkin goes on and tries again at the next change.</source>
        <translation>Impossibile scrivere il file delle impostazioni %1. Dice Rollkin continua e riproverà alla prossima modifica.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file. Dice Rollkin starts with its default settings and leaves it as it is.</source>
        <translation>Il file delle impostazioni %1 non è un file normale. Dice Rollkin si avvia con le impostazioni predefinite e lo lascia com’è.</translation>
    </message>
    <message>
        <source>The folder of the settings file %1 cannot be read. Dice Rollkin starts with its default settings and leaves the folder as it is.</source>
        <translation>La cartella del file delle impostazioni %1 non può essere letta. Dice Rollkin si avvia con le impostazioni predefinite e lascia la cartella com’è.</translation>
    </message>
    <message>
        <source>Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; everything else in it is kept. The file stays as it is until a setting changes; then it is first copied whole beside itself, to a name ending in .bad.</source>
        <translation>Dice Rollkin non ha potuto leggere la riga o le righe %2 del file delle impostazioni %1 e le ignora; tutto il resto viene mantenuto. Il file resta com’è finché un’impostazione non cambia; allora viene prima copiato per intero accanto a sé, con un nome che termina in .bad.</translation>
    </message>
</context>
<context>
    <name>rollkin::SingleStrip</name>
    <message>
        <source>%1 is not Dice Rollkin&apos;s socket, and is left as it is: starting Dice Rollkin again opens another strip until it is removed.</source>
        <translation>%1 non è il socket di Dice Rollkin e viene lasciato com’è: finché non viene rimosso, ogni nuovo avvio di Dice Rollkin apre un’altra barra.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmHistory</name>
    <message>
        <source>Dice Rollkin History</source>
        <translation>Cronologia di Dice Rollkin</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Lanci</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>  (waiting)</source>
        <translation>  (in attesa)</translation>
    </message>
    <message>
        <source>Waiting to be posted</source>
        <translation>In attesa di pubblicazione</translation>
    </message>
    <message>
        <source>  (posted)</source>
        <translation>  (pubblicato)</translation>
    </message>
    <message>
        <source>Posted to the group&apos;s chat</source>
        <translation>Pubblicato nella chat del gruppo</translation>
    </message>
    <message>
        <source>  (not sent)</source>
        <translation>  (non inviato)</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non inviato: %1</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Salva cronologia</translation>
    </message>
    <message>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Testo (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be saved in &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare la cronologia in «%1»: %2</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Annulla cancellazione</translation>
    </message>
    <message>
        <source>Luck: percentile %1</source>
        <translation>Fortuna: percentile %1</translation>
    </message>
    <message>
        <source>Each total&apos;s percentile in its roll&apos;s exact odds (a tie counts half); the dice look fair unless a z-test of the average percentile, each throw weighed by its own variance, gives p under 0.05.</source>
        <translation>Il percentile di ogni totale nelle probabilità esatte del suo tiro (un pareggio conta metà); i dadi sembrano onesti a meno che un test z del percentile medio, ogni tiro pesato con la propria varianza, dia p sotto 0,05.</translation>
    </message>
    <message>
        <source>No throws yet to judge the dice by.</source>
        <translation>Ancora nessun tiro per giudicare i dadi.</translation>
    </message>
    <message>
        <source>the dice look fair, p = %1</source>
        <translation>i dadi sembrano onesti, p = %1</translation>
    </message>
    <message>
        <source>the dice run high, p = %1</source>
        <translation>i dadi escono alti, p = %1</translation>
    </message>
    <message>
        <source>the dice run low, p = %1</source>
        <translation>i dadi escono bassi, p = %1</translation>
    </message>
    <message>
        <source>%1 throws, average percentile %2: %3 (z-test of the percentiles)</source>
        <translation>%1 tiri, percentile medio %2: %3 (test z dei percentili)</translation>
    </message>
</context>
<context>
    <name>rollkin::frmMenu</name>
    <message>
        <source>Configure...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Cronologia...</translation>
    </message>
    <message>
        <source>Roll...</source>
        <translation>Lancia...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Condividi...</translation>
    </message>
    <message>
        <source>Remember Settings</source>
        <translation>Ricorda le impostazioni</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaggio</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRoll</name>
    <message>
        <source>Roll</source>
        <comment>column header</comment>
        <extracomment>The saved rolls' column header: the roll, a noun (the button says the verb).</extracomment>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Dice Rollkin Rolls</source>
        <translation>Lanci di Dice Rollkin</translation>
    </message>
    <message>
        <source>Roll in dice notation</source>
        <translation>Lancio in notazione dei dadi</translation>
    </message>
    <message>
        <source>&amp;Roll:</source>
        <translation>&amp;Lancio:</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancia</translation>
    </message>
    <message>
        <source>No roll yet</source>
        <translation>Ancora nessun lancio</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Saved rolls</source>
        <translation>Lanci salvati</translation>
    </message>
    <message>
        <source>&amp;Saved rolls:</source>
        <translation>Lanci &amp;salvati:</translation>
    </message>
    <message>
        <source>Name of the roll to save</source>
        <translation>Nome del lancio da salvare</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;u</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>A saved roll needs a name.</source>
        <translation>Un lancio salvato deve avere un nome.</translation>
    </message>
    <message>
        <source>At most %1 rolls can be saved: remove one to add another.</source>
        <translation>Si possono salvare al massimo %1 lanci: rimuovine uno per aggiungerne un altro.</translation>
    </message>
    <message>
        <source>Type the roll to save in the field above.</source>
        <translation>Scrivi il lancio da salvare nel campo qui sopra.</translation>
    </message>
    <message>
        <source>Odds of the roll</source>
        <translation>Probabilità del tiro</translation>
    </message>
    <message>
        <source>Chance of &amp;at least</source>
        <translation>Probabilità di &amp;almeno</translation>
    </message>
    <message>
        <source>DC %1: %2</source>
        <translation>CD %1: %2</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilità</translation>
    </message>
    <message>
        <source>Throw saved rolls with Ctrl+Alt+1 to 9 from any &amp;window</source>
        <translation>Esegui i lanci salvati con Ctrl+Alt+1-9 da qualsiasi &amp;finestra</translation>
    </message>
    <message>
        <source>C&amp;haracter:</source>
        <translation>&amp;Personaggio:</translation>
    </message>
    <message>
        <source>Character&apos;s name</source>
        <translation>Nome del personaggio</translation>
    </message>
    <message>
        <source>Share name (empty: Share&apos;s)</source>
        <translation>Nome per la condivisione (vuoto: quello di Condividi)</translation>
    </message>
    <message>
        <source>Name the character&apos;s throws are posted under</source>
        <translation>Nome con cui vengono pubblicati i lanci del personaggio</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>character</comment>
        <extracomment>Adds a character.</extracomment>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>character</comment>
        <extracomment>Removes a character.</extracomment>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>A character needs a name.</source>
        <translation>Un personaggio ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>There is a character named &quot;%1&quot; already.</source>
        <translation>Esiste già un personaggio di nome «%1».</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Personaggio %1</translation>
    </message>
    <message>
        <source>Remove the character &quot;%1&quot; with its saved rolls?</source>
        <translation>Rimuovere il personaggio «%1» con i suoi lanci salvati?</translation>
    </message>
    <message>
        <source>Export Character</source>
        <translation>Esporta personaggio</translation>
    </message>
    <message>
        <source>Characters (*.json)</source>
        <translation>Personaggi (*.json)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exported to %2.</source>
        <translation>«%1» esportato in %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be exported: %2</source>
        <translation>Impossibile esportare «%1»: %2</translation>
    </message>
    <message>
        <source>Import Character</source>
        <translation>Importa personaggio</translation>
    </message>
    <message>
        <source>Characters (*.json);;All files (*)</source>
        <translation>Personaggi (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Non è stato importato nulla. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Mantieni entrambi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported.</source>
        <translation>«%1» importato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported; the rolls marked cannot be thrown as written.</source>
        <translation>«%1» importato; i lanci segnati non si possono lanciare così come sono scritti.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRollkin</name>
    <message>
        <source>%1, highest %2, lowest %3</source>
        <extracomment>Screen readers&apos; account of a throw of several dice: &quot;3d6: 2 + 5 + 6 = 13, highest 6, lowest 2&quot;; %1 is the sum, %2 the highest face, %3 the lowest.</extracomment>
        <translation>%1, il più alto %2, il più basso %3</translation>
    </message>
    <message>
        <source>Throws %1</source>
        <extracomment>A dice button&apos;s description for screen readers; %1 is what it throws (&quot;3d6&quot;).</extracomment>
        <translation>Tira %1</translation>
    </message>
    <message>
        <source>Error getting cursor pos</source>
        <translation>Impossibile leggere la posizione del puntatore</translation>
    </message>
</context>
<context>
    <name>rollkin::frmShare</name>
    <message>
        <source>Dice Rollkin Share</source>
        <translation>Condivisione di Dice Rollkin</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Ladro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL del webhook</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Webhook URL:</source>
        <translation>URL del &amp;webhook:</translation>
    </message>
    <message>
        <source>Post:</source>
        <translation>Pubblica:</translation>
    </message>
    <message>
        <source>&amp;Every throw</source>
        <translation>&amp;Ogni lancio</translation>
    </message>
    <message>
        <source>&amp;Only saved rolls and the Roll window&apos;s rolls</source>
        <translation>S&amp;olo i lanci salvati e quelli della finestra Lancia</translation>
    </message>
    <message>
        <source>Copy each throw to the clipboard</source>
        <translation>Copia ogni lancio negli appunti</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>Slack-compatible</source>
        <translation>Compatibile con Slack</translation>
    </message>
    <message>
        <source>Chat format</source>
        <translation>Formato della chat</translation>
    </message>
    <message>
        <source>Chat &amp;format:</source>
        <translation>&amp;Formato della chat:</translation>
    </message>
    <message>
        <source>Post &amp;quietly, without notifying anyone</source>
        <translation>Pubblicare in &amp;silenzio, senza notificare nessuno</translation>
    </message>
    <message>
        <source>Set from the address.</source>
        <translation>Stabilito dall&apos;indirizzo.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Inviato: %1</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non inviato: %1</translation>
    </message>
    <message>
        <source>Posting a test line...</source>
        <translation>Invio di una riga di prova...</translation>
    </message>
    <message>
        <source>a test of Dice Rollkin&apos;s posting</source>
        <translation>una prova delle pubblicazioni di Dice Rollkin</translation>
    </message>
</context>
</TS>
