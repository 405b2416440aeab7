<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dicerollkin [OPTION]
A strip of dice buttons, d2 to d100, that floats above your other windows.
Without an option it shows the strip: left click a button to throw its dice,
right click or right drag to choose how many, Shift and left press for the menu.

Options:
  -h, --help     print this help and exit
      --version  print the version and exit

The manual: man dicerollkin
</source>
        <translation>Uso: dicerollkin [OPZIONE]
Una barra di pulsanti di dadi, dal d2 al d100, sempre sopra le altre finestre.
Senza opzioni mostra la barra: clic sinistro su un pulsante per lanciare i suoi
dadi, clic destro o trascinamento col destro per scegliere quanti, Maiusc e
clic sinistro per il menu.

Opzioni:
  -h, --help     mostra questo aiuto ed esce
      --version  mostra la versione ed esce

Il manuale: man dicerollkin
</translation>
    </message>
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
</context>
</TS>
