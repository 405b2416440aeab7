<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CharacterFile</name>
    <message>
        <source>The file is larger than %1 KiB: it is not a character.</source>
        <translation>Le fichier dépasse %1 Kio : ce n’est pas un personnage.</translation>
    </message>
    <message>
        <source>The file is not JSON, so it is not a character.</source>
        <translation>Le fichier n’est pas du JSON : ce n’est donc pas un personnage.</translation>
    </message>
    <message>
        <source>The file is JSON, but not a character exported by Dice Rollkin.</source>
        <translation>Le fichier est du JSON, mais pas un personnage exporté par Dice Rollkin.</translation>
    </message>
    <message>
        <source>The character in the file has no name.</source>
        <translation>Le personnage du fichier n’a pas de nom.</translation>
    </message>
    <message>
        <source>The character in the file has more than %1 saved rolls.</source>
        <translation>Le personnage du fichier a plus de %1 jets enregistrés.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Le fichier n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Le fichier n’a pas pu être lu : ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dicerollkin: unknown argument &apos;%1&apos;; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: argument inconnu « %1 » ; « dicerollkin --help » liste les options
</translation>
    </message>
    <message>
        <source>dicerollkin: cannot write to standard output
</source>
        <translation>dicerollkin: impossible d&apos;écrire sur la sortie standard
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
        <translation>Utilisation : dicerollkin [OPTION]
              dicerollkin [--seed N] --roll JET [JET ...]
              dicerollkin --odds JET [JET ...]
Une barre de boutons de dés, du d2 au d100, qui flotte au-dessus des fenêtres.
Sans option, le programme affiche la barre : un clic gauche sur un bouton lance
ses dés, un clic droit ou un glisser avec le bouton droit choisit leur nombre,
Maj et clic gauche ouvrent le menu.

Options :
  -h, --help      afficher cette aide et quitter
      --version   afficher la version et quitter
      --roll JET  lancer chaque JET, afficher ses dés et son total, et quitter
      --seed N    avec --roll : le même N (0 à 4294967295) lance les mêmes dés
      --odds JET  afficher la probabilité exacte de chaque total de chaque JET et quitter

Un jet s&apos;écrit en notation de dés : NdM est N dés à M faces (N peut manquer),
d% est un d100, NdF des dés Fate ; des nombres, + - * / % ^ et des parenthèses,
aussi dans un nombre de dés ou de faces : (2*3)d6. Après un terme, dans
n&apos;importe quel ordre, chacun une fois :
  ! !&gt;=9 !! !p      exploser sur la face la plus haute ou sur le point de
                    comparaison ; cumuler en un seul dé ; pénétrer (chaque dé
                    ajouté compte 1 de moins)
  r r&lt;3 ro          relancer tant qu&apos;un dé atteint le point (r : la face la
                    plus basse) ; une seule fois
  khK klK dhK dlK   garder ou retirer les K plus hauts ou plus bas
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  compter les dés qui atteignent T ; f1 ensuite compte
                    les échecs
  cs&gt;=19 cf1        nommer les réussites et les échecs critiques
  s sd mi2 ma5      trier les dés par ordre croissant ou décroissant ; monter
                    chaque dé à 2, le baisser à 5
{R, R}kh1 garde le meilleur jet d&apos;un groupe, {R, R}&gt;10 compte ceux au-dessus
de 10 ; 6x R fait six jets de R ; R [texte] nomme un jet ; # texte le termine
par une note. Des virgules séparent jusqu&apos;à 20 jets.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [attaque], 2d6+3 [taille] # en traître&apos;

Le manuel : man dicerollkin
</translation>
    </message>
    <message>
        <source>dicerollkin: &apos;%1&apos; needs a value; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin : « %1 » demande une valeur ; « dicerollkin --help » liste les options
</translation>
    </message>
    <message>
        <source>dicerollkin: the seed &apos;%1&apos; is not a whole number from 0 to 4294967295
</source>
        <translation>dicerollkin : la graine « %1 » n&apos;est pas un nombre entier de 0 à 4294967295
</translation>
    </message>
    <message>
        <source>dicerollkin: --seed needs --roll; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin : --seed demande --roll ; « dicerollkin --help » liste les options
</translation>
    </message>
</context>
<context>
    <name>DiceAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Maj+F10</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot open the X display &quot;%1&quot; (is the X server running, and may this user use it?).</source>
        <translation>impossible d&apos;ouvrir l&apos;écran X « %1 » (le serveur X tourne-t-il, et cet utilisateur a-t-il le droit de l&apos;utiliser ?).</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM asks for X11 but DISPLAY is not set.</source>
        <translation>QT_QPA_PLATFORM demande X11, mais DISPLAY n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>needs X11 to place its windows and move the cursor, and this Wayland session offers no XWayland (DISPLAY is not set).</source>
        <translation>a besoin de X11 pour placer ses fenêtres et déplacer le pointeur, et cette session Wayland n&apos;offre pas XWayland (DISPLAY n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a graphical session, or under xvfb-run.</source>
        <translation>aucun écran trouvé (DISPLAY n&apos;est pas défini) ; lancez-le depuis une session graphique, ou avec xvfb-run.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot; that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed platform such as xcb.</source>
        <translation>Qt ne peut pas démarrer la plateforme « %1 » demandée par QT_QPA_PLATFORM ; supprimez QT_QPA_PLATFORM ou donnez-lui une plateforme installée, comme xcb.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot;; check that Qt&apos;s xcb platform plugin and the libraries it needs are installed.</source>
        <translation>Qt ne peut pas démarrer la plateforme « %1 » ; vérifiez que le greffon de plateforme xcb de Qt et les bibliothèques dont il a besoin sont installés.</translation>
    </message>
</context>
<context>
    <name>GlobalKeys</name>
    <message>
        <source>This build of Dice Rollkin has no X11 support, which keys from any window need.</source>
        <translation>Cette version de Dice Rollkin est compilée sans prise en charge de X11, nécessaire aux touches depuis n&apos;importe quelle fenêtre.</translation>
    </message>
    <message>
        <source>Wayland lets no program take keys from the other windows: these keys work on an X11 desktop.</source>
        <translation>Wayland ne permet à aucun programme de prendre les touches des autres fenêtres : ces touches fonctionnent sur un bureau X11.</translation>
    </message>
    <message>
        <source>Keys from any window need an X11 desktop.</source>
        <translation>Les touches depuis n&apos;importe quelle fenêtre nécessitent un bureau X11.</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hôte introuvable</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>pas de réponse en %1 s</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>échec de la connexion sécurisée</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>erreur réseau %1</translation>
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
        <translation>Un autre programme occupe ces touches, elles ne lancent donc pas de jets enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Triggers the action</source>
        <translation>Déclenche l&apos;action</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Augmente la valeur</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Diminue la valeur</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Affiche le menu</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Donne le focus</translation>
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
        <translation>trop grand pour être calculé exactement : plus de %1 étapes</translation>
    </message>
    <message>
        <source>too large to work out exactly: more than %1 possible totals</source>
        <translation>trop grand pour être calculé exactement : plus de %1 totaux possibles</translation>
    </message>
    <message>
        <source>its totals can pass 64 bits</source>
        <translation>ses totaux peuvent dépasser 64 bits</translation>
    </message>
    <message>
        <source>exploding dice that can pass the %1-dice limit between them cannot be worked out exactly</source>
        <translation>des dés qui explosent et peuvent ensemble dépasser la limite de %1 dés ne se calculent pas exactement</translation>
    </message>
    <message>
        <source>the odds of the form at column %1 are not worked out</source>
        <translation>les probabilités de la forme à la colonne %1 ne sont pas calculées</translation>
    </message>
    <message>
        <source>the roll cannot be thrown</source>
        <translation>le jet ne peut pas être lancé</translation>
    </message>
    <message>
        <source>average %1, %2 to %3</source>
        <translation>moyenne %1, de %2 à %3</translation>
    </message>
    <message>
        <source>never gives a total</source>
        <translation>ne donne jamais de total</translation>
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
        <translation>%1, écarté</translation>
    </message>
    <message>
        <source>a number is expected at column %1</source>
        <translation>un nombre est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>a number of faces, % or F is expected at column %1</source>
        <translation>un nombre de faces, % ou F est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>h or l is expected at column %1</source>
        <translation>h ou l est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>a closing parenthesis is expected at column %1</source>
        <translation>une parenthèse fermante est attendue à la colonne %1</translation>
    </message>
    <message>
        <source>a number or a dice term is expected at column %1</source>
        <translation>un nombre ou un terme de dés est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>the roll is longer than %1 characters</source>
        <translation>le jet dépasse %1 caractères</translation>
    </message>
    <message>
        <source>more than %1 rolls at column %2</source>
        <translation>plus de %1 jets à la colonne %2</translation>
    </message>
    <message>
        <source>parentheses nested more than %1 deep at column %2</source>
        <translation>parenthèses imbriquées sur plus de %1 niveaux à la colonne %2</translation>
    </message>
    <message>
        <source>too many dice (more than %1) at column %2</source>
        <translation>trop de dés (plus de %1) à la colonne %2</translation>
    </message>
    <message>
        <source>the number at column %1 is larger than %2</source>
        <translation>le nombre à la colonne %1 dépasse %2</translation>
    </message>
    <message>
        <source>0 dice at column %1</source>
        <translation>0 dé à la colonne %1</translation>
    </message>
    <message>
        <source>dice of 0 faces at column %1</source>
        <translation>dés à 0 face à la colonne %1</translation>
    </message>
    <message>
        <source>a d1 or a Fate die cannot explode, at column %1</source>
        <translation>un d1 ou un dé Fate ne peut pas exploser, à la colonne %1</translation>
    </message>
    <message>
        <source>division by zero at column %1</source>
        <translation>division par zéro à la colonne %1</translation>
    </message>
    <message>
        <source>a value past 64 bits at column %1</source>
        <translation>une valeur au-delà de 64 bits à la colonne %1</translation>
    </message>
    <message>
        <source>natural 20</source>
        <translation>20 naturel</translation>
    </message>
    <message>
        <source>natural 1</source>
        <translation>1 naturel</translation>
    </message>
    <message>
        <source>+, -, *, /, %, ^, a comma or the end is expected at column %1</source>
        <translation>+, -, *, /, %, ^, une virgule ou la fin est attendue à la colonne %1</translation>
    </message>
    <message>
        <source>an operator is expected at column %1</source>
        <translation>un opérateur est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>a comma or a closing brace is expected at column %1</source>
        <translation>une virgule ou une accolade fermante est attendue à la colonne %1</translation>
    </message>
    <message>
        <source>a closing bracket is expected at column %1</source>
        <translation>un crochet fermant est attendu à la colonne %1</translation>
    </message>
    <message>
        <source>every face would be rerolled, at column %1</source>
        <translation>chaque face serait relancée, à la colonne %1</translation>
    </message>
    <message>
        <source>a label or note longer than %1 characters at column %2</source>
        <translation>une étiquette ou une note de plus de %1 caractères à la colonne %2</translation>
    </message>
    <message>
        <source>a control character at column %1</source>
        <translation>un caractère de contrôle à la colonne %1</translation>
    </message>
    <message>
        <source>dice in a count or a number of faces, at column %1</source>
        <translation>des dés dans un nombre de dés ou de faces, à la colonne %1</translation>
    </message>
    <message>
        <source>0 repeats at column %1</source>
        <translation>0 répétition à la colonne %1</translation>
    </message>
    <message>
        <source>critical %1</source>
        <translation>critique %1</translation>
    </message>
    <message>
        <source>critical failure %1</source>
        <translation>échec critique %1</translation>
    </message>
    <message>
        <source>successes %1, failures %2</source>
        <translation>réussites %1, échecs %2</translation>
    </message>
    <message>
        <source>every die would explode, at column %1</source>
        <translation>chaque dé exploserait, à la colonne %1</translation>
    </message>
</context>
<context>
    <name>ShareQueue</name>
    <message>
        <source>posting is switched off</source>
        <translation>la publication est désactivée</translation>
    </message>
    <message>
        <source>posting was switched off</source>
        <translation>la publication a été désactivée</translation>
    </message>
    <message>
        <source>The webhook answered %1: posting is switched off. Throws go on; enter the address again in Share to post them.</source>
        <translation>Le webhook a répondu %1 : la publication est désactivée. Les lancers continuent ; saisissez de nouveau l&apos;adresse dans Partager pour les publier.</translation>
    </message>
    <message>
        <source>%1, given up after %2 tries</source>
        <translation>%1, abandonné après %2 essais</translation>
    </message>
</context>
<context>
    <name>TransportModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 ne se trouve dans aucun des dossiers %2</translation>
    </message>
    <message>
        <source>the network module could not be loaded (%1)</source>
        <translation>le module réseau n&apos;a pas pu être chargé (%1)</translation>
    </message>
    <message>
        <source>The network module could not be loaded (%1): posting is switched off. Throws go on.</source>
        <translation>Le module réseau n&apos;a pas pu être chargé (%1) : la publication est désactivée. Les lancers continuent.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 ne se trouve dans aucun des dossiers %2</translation>
    </message>
    <message>
        <source>dicerollkin: the window module could not be loaded (%1)
</source>
        <translation>dicerollkin: le module des fenêtres n&apos;a pas pu être chargé (%1)
</translation>
    </message>
</context>
<context>
    <name>WebhookUrl</name>
    <message>
        <source>The webhook address is empty.</source>
        <translation>L&apos;adresse du webhook est vide.</translation>
    </message>
    <message>
        <source>This is not a web address: it should look like https://host/path.</source>
        <translation>Ce n&apos;est pas une adresse web : elle devrait ressembler à https://hôte/chemin.</translation>
    </message>
    <message>
        <source>A webhook address holds no user name or password.</source>
        <translation>Une adresse de webhook ne contient ni nom d&apos;utilisateur ni mot de passe.</translation>
    </message>
    <message>
        <source>The thread_id in the address should be one thread&apos;s number: digits only.</source>
        <translation>Le thread_id de l&apos;adresse doit être le numéro d&apos;un fil : des chiffres seulement.</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken (http:// only to this computer, for testing).</source>
        <translation>Seules les adresses https:// sont acceptées (http:// seulement vers cet ordinateur, pour les tests).</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken.</source>
        <translation>Seules les adresses https:// sont acceptées.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>ThrowDice</source>
        <translation>Lancer les dés</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Choisir le nombre de dés</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Config Menu</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Add 1 Dice to multiplier</source>
        <translation>Ajouter un dé</translation>
    </message>
    <message>
        <source>Move Rollkin (if enabled)</source>
        <translation>Déplacer (si libre)</translation>
    </message>
    <message>
        <source>Subtract 1 Dice to multiplier</source>
        <translation>Retirer un dé</translation>
    </message>
    <message>
        <source>- LeftClick</source>
        <translation>- Clic gauche</translation>
    </message>
    <message>
        <source>- RigthDrag</source>
        <translation>- Glisser clic droit</translation>
    </message>
    <message>
        <source>- F1 or LeftPress + SHIFT</source>
        <translation>- F1 ou Maj + clic gauche</translation>
    </message>
    <message>
        <source>- LeftPress + SHIFT</source>
        <translation>- Maj + clic gauche</translation>
    </message>
    <message>
        <source>- Rigth Click</source>
        <translation>- Clic droit</translation>
    </message>
    <message>
        <source>- LeftPress + CTRL</source>
        <translation>- Ctrl + glisser clic gauche</translation>
    </message>
    <message>
        <source>- Rigth Click + SHIFT</source>
        <translation>- Maj + clic droit</translation>
    </message>
    <message>
        <source>About Dice Rollkin</source>
        <translation>À propos de Dice Rollkin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DiceRollkin developers</source>
        <translation>par l&apos;équipe DiceRollkin</translation>
    </message>
    <message>
        <source>Help: man dicerollkin</source>
        <translation>Aide : man dicerollkin</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>%1 sides</source>
        <translation>%1 faces</translation>
    </message>
    <message>
        <source>UL</source>
        <comment>upper left</comment>
        <translation>HG</translation>
    </message>
    <message>
        <source>UP</source>
        <comment>upper centre</comment>
        <translation>HC</translation>
    </message>
    <message>
        <source>UR</source>
        <comment>upper right</comment>
        <translation>HD</translation>
    </message>
    <message>
        <source>ML</source>
        <comment>middle left</comment>
        <translation>MG</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>middle centre</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>MR</source>
        <comment>middle right</comment>
        <translation>MD</translation>
    </message>
    <message>
        <source>LL</source>
        <comment>lower left</comment>
        <translation>BG</translation>
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
        <translation>Configuration de Dice Rollkin</translation>
    </message>
    <message>
        <source>Throw Refresh Time</source>
        <translation>Durée d&apos;affichage</translation>
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
        <translation>Nombre de dés max.</translation>
    </message>
    <message>
        <source>Dice Multiplier Permanent</source>
        <translation>Garder le nombre de dés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rollkin Position</source>
        <translation>Position de la barre</translation>
    </message>
    <message>
        <source>Dice Result Permanent</source>
        <translation>Garder le résultat</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Dices Availables</source>
        <translation>Dés proposés</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Corner Bounded</source>
        <translation>Ancrée</translation>
    </message>
    <message>
        <source>Apply Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Select at least one dice...</source>
        <translation>Choisissez au moins un dé.</translation>
    </message>
    <message>
        <source>Upper left corner</source>
        <translation>Coin supérieur gauche</translation>
    </message>
    <message>
        <source>Upper edge, centred</source>
        <translation>Bord supérieur, centré</translation>
    </message>
    <message>
        <source>Upper right corner</source>
        <translation>Coin supérieur droit</translation>
    </message>
    <message>
        <source>Left edge, centred</source>
        <translation>Bord gauche, centré</translation>
    </message>
    <message>
        <source>Centre of the screen</source>
        <translation>Centre de l&apos;écran</translation>
    </message>
    <message>
        <source>Right edge, centred</source>
        <translation>Bord droit, centré</translation>
    </message>
    <message>
        <source>Lower left corner</source>
        <translation>Coin inférieur gauche</translation>
    </message>
    <message>
        <source>Lower edge, centred</source>
        <translation>Bord inférieur, centré</translation>
    </message>
    <message>
        <source>Lower right corner</source>
        <translation>Coin inférieur droit</translation>
    </message>
</context>
<context>
    <name>frmScroller</name>
    <message>
        <source>Errore in setting cursor pos</source>
        <translation>Impossible de placer le pointeur</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Nombre de dés</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedRollsModel</name>
    <message>
        <source>Character %1</source>
        <translation>Personnage %1</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedStrip</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A saved roll&apos;s line in History and its tooltip; %1 is the roll&apos;s name, %2 its line.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>rollkin::SettingsKeeper</name>
    <message>
        <source>The settings file %1 could not be read. It has been moved to %2, and Dice Rollkin starts with its default settings.</source>
        <translation>Le fichier de configuration %1 est illisible. Il a été déplacé vers %2, et Dice Rollkin démarre avec la configuration par défaut.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, nor moved aside. Dice Rollkin starts with its default settings and leaves the file as it is.</source>
        <translation>Le fichier de configuration %1 est illisible et n&apos;a pas pu être mis de côté. Dice Rollkin démarre avec la configuration par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written. Dice Rollkin goes on and tries again at the next change.</source>
        <translation>Le fichier de configuration %1 n&apos;a pas pu être écrit. Dice Rollkin continue et réessaiera à la prochaine modification.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file. Dice Rollkin starts with its default settings and leaves it as it is.</source>
        <translation>Le fichier de configuration %1 n’est pas un fichier ordinaire. Dice Rollkin démarre avec les réglages par défaut et le laisse tel quel.</translation>
    </message>
    <message>
        <source>The folder of the settings file %1 cannot be read. Dice Rollkin starts with its default settings and leaves the folder as it is.</source>
        <translation>Le dossier du fichier de configuration %1 ne peut pas être lu. Dice Rollkin démarre avec les réglages par défaut et laisse le dossier tel quel.</translation>
    </message>
    <message>
        <source>Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; everything else in it is kept. The file stays as it is until a setting changes; then it is first copied whole beside itself, to a name ending in .bad.</source>
        <translation>Dice Rollkin n’a pas pu lire la ou les lignes %2 du fichier de configuration %1 et les ignore ; tout le reste est conservé. Le fichier reste tel quel jusqu’au prochain changement de réglage ; il est alors d’abord copié en entier à côté de lui, sous un nom finissant par .bad.</translation>
    </message>
</context>
<context>
    <name>rollkin::SingleStrip</name>
    <message>
        <source>%1 is not Dice Rollkin&apos;s socket, and is left as it is: starting Dice Rollkin again opens another strip until it is removed.</source>
        <translation>%1 n’est pas le socket de Dice Rollkin et reste tel quel : tant qu’il n’est pas supprimé, chaque nouveau lancement de Dice Rollkin ouvre une autre barre.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmHistory</name>
    <message>
        <source>Dice Rollkin History</source>
        <translation>Historique de Dice Rollkin</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Lancers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>  (waiting)</source>
        <translation>  (en attente)</translation>
    </message>
    <message>
        <source>Waiting to be posted</source>
        <translation>En attente de publication</translation>
    </message>
    <message>
        <source>  (posted)</source>
        <translation>  (publié)</translation>
    </message>
    <message>
        <source>Posted to the group&apos;s chat</source>
        <translation>Publié dans le chat du groupe</translation>
    </message>
    <message>
        <source>  (not sent)</source>
        <translation>  (non envoyé)</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non envoyé : %1</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Enregistrer l&apos;historique</translation>
    </message>
    <message>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Texte (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be saved in &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;historique dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Annuler l’effacement</translation>
    </message>
    <message>
        <source>Luck: percentile %1</source>
        <translation>Chance : centile %1</translation>
    </message>
    <message>
        <source>Each total&apos;s percentile in its roll&apos;s exact odds (a tie counts half); the dice look fair unless a z-test of the average percentile, each throw weighed by its own variance, gives p under 0.05.</source>
        <translation>Le centile de chaque total dans les probabilités exactes de son jet (une égalité compte pour moitié) ; les dés semblent honnêtes sauf si un test z du centile moyen, chaque jet pondéré par sa propre variance, donne p sous 0,05.</translation>
    </message>
    <message>
        <source>No throws yet to judge the dice by.</source>
        <translation>Pas encore de jets pour juger les dés.</translation>
    </message>
    <message>
        <source>the dice look fair, p = %1</source>
        <translation>les dés semblent honnêtes, p = %1</translation>
    </message>
    <message>
        <source>the dice run high, p = %1</source>
        <translation>les dés tombent haut, p = %1</translation>
    </message>
    <message>
        <source>the dice run low, p = %1</source>
        <translation>les dés tombent bas, p = %1</translation>
    </message>
    <message>
        <source>%1 throws, average percentile %2: %3 (z-test of the percentiles)</source>
        <translation>%1 jets, centile moyen %2 : %3 (test z des centiles)</translation>
    </message>
</context>
<context>
    <name>rollkin::frmMenu</name>
    <message>
        <source>Configure...</source>
        <translation>Configurer...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>Roll...</source>
        <translation>Lancer...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Remember Settings</source>
        <translation>Mémoriser la configuration</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personnage</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRoll</name>
    <message>
        <source>Roll</source>
        <comment>column header</comment>
        <extracomment>The saved rolls' column header: the roll, a noun (the button says the verb).</extracomment>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Dice Rollkin Rolls</source>
        <translation>Lancers de Dice Rollkin</translation>
    </message>
    <message>
        <source>Roll in dice notation</source>
        <translation>Jet en notation de dés</translation>
    </message>
    <message>
        <source>&amp;Roll:</source>
        <translation>&amp;Jet :</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>No roll yet</source>
        <translation>Aucun jet pour l’instant</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Saved rolls</source>
        <translation>Jets enregistrés</translation>
    </message>
    <message>
        <source>&amp;Saved rolls:</source>
        <translation>Jets &amp;enregistrés :</translation>
    </message>
    <message>
        <source>Name of the roll to save</source>
        <translation>Nom du jet à enregistrer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>A saved roll needs a name.</source>
        <translation>Un jet enregistré doit avoir un nom.</translation>
    </message>
    <message>
        <source>At most %1 rolls can be saved: remove one to add another.</source>
        <translation>%1 jets au plus peuvent être enregistrés : retirez-en un pour en ajouter un autre.</translation>
    </message>
    <message>
        <source>Type the roll to save in the field above.</source>
        <translation>Saisissez le jet à enregistrer dans le champ ci-dessus.</translation>
    </message>
    <message>
        <source>Odds of the roll</source>
        <translation>Probabilités du jet</translation>
    </message>
    <message>
        <source>Chance of &amp;at least</source>
        <translation>Chance d&apos;&amp;au moins</translation>
    </message>
    <message>
        <source>DC %1: %2</source>
        <translation>DD %1 : %2</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilités</translation>
    </message>
    <message>
        <source>Throw saved rolls with Ctrl+Alt+1 to 9 from any &amp;window</source>
        <translation>Lancer les jets enregistrés avec Ctrl+Alt+1 à 9 depuis n&apos;importe quelle &amp;fenêtre</translation>
    </message>
    <message>
        <source>C&amp;haracter:</source>
        <translation>&amp;Personnage :</translation>
    </message>
    <message>
        <source>Character&apos;s name</source>
        <translation>Nom du personnage</translation>
    </message>
    <message>
        <source>Share name (empty: Share&apos;s)</source>
        <translation>Nom de partage (vide : celui de Partager)</translation>
    </message>
    <message>
        <source>Name the character&apos;s throws are posted under</source>
        <translation>Nom sous lequel les jets du personnage sont publiés</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>character</comment>
        <extracomment>Adds a character.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>character</comment>
        <extracomment>Removes a character.</extracomment>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>A character needs a name.</source>
        <translation>Un personnage a besoin d’un nom.</translation>
    </message>
    <message>
        <source>There is a character named &quot;%1&quot; already.</source>
        <translation>Il existe déjà un personnage nommé « %1 ».</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Personnage %1</translation>
    </message>
    <message>
        <source>Remove the character &quot;%1&quot; with its saved rolls?</source>
        <translation>Retirer le personnage « %1 » avec ses jets enregistrés ?</translation>
    </message>
    <message>
        <source>Export Character</source>
        <translation>Exporter le personnage</translation>
    </message>
    <message>
        <source>Characters (*.json)</source>
        <translation>Personnages (*.json)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exported to %2.</source>
        <translation>« %1 » exporté vers %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be exported: %2</source>
        <translation>« %1 » n’a pas pu être exporté : %2</translation>
    </message>
    <message>
        <source>Import Character</source>
        <translation>Importer un personnage</translation>
    </message>
    <message>
        <source>Characters (*.json);;All files (*)</source>
        <translation>Personnages (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Rien n’a été importé. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported.</source>
        <translation>« %1 » importé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported; the rolls marked cannot be thrown as written.</source>
        <translation>« %1 » importé ; les jets marqués ne peuvent pas être lancés tels qu’ils sont écrits.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRollkin</name>
    <message>
        <source>%1, highest %2, lowest %3</source>
        <extracomment>Screen readers&apos; account of a throw of several dice: &quot;3d6: 2 + 5 + 6 = 13, highest 6, lowest 2&quot;; %1 is the sum, %2 the highest face, %3 the lowest.</extracomment>
        <translation>%1, le plus haut %2, le plus bas %3</translation>
    </message>
    <message>
        <source>Throws %1</source>
        <extracomment>A dice button&apos;s description for screen readers; %1 is what it throws (&quot;3d6&quot;).</extracomment>
        <translation>Lance %1</translation>
    </message>
    <message>
        <source>Error getting cursor pos</source>
        <translation>Position du pointeur illisible</translation>
    </message>
</context>
<context>
    <name>rollkin::frmShare</name>
    <message>
        <source>Dice Rollkin Share</source>
        <translation>Partage de Dice Rollkin</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Roublard</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL du webhook</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Webhook URL:</source>
        <translation>URL du &amp;webhook :</translation>
    </message>
    <message>
        <source>Post:</source>
        <translation>Publier :</translation>
    </message>
    <message>
        <source>&amp;Every throw</source>
        <translation>&amp;Chaque lancer</translation>
    </message>
    <message>
        <source>&amp;Only saved rolls and the Roll window&apos;s rolls</source>
        <translation>&amp;Seulement les jets enregistrés et ceux de la fenêtre Lancer</translation>
    </message>
    <message>
        <source>Copy each throw to the clipboard</source>
        <translation>Copier chaque lancer dans le presse-papiers</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>Slack-compatible</source>
        <translation>Compatible Slack</translation>
    </message>
    <message>
        <source>Chat format</source>
        <translation>Format du chat</translation>
    </message>
    <message>
        <source>Chat &amp;format:</source>
        <translation>&amp;Format du chat :</translation>
    </message>
    <message>
        <source>Post &amp;quietly, without notifying anyone</source>
        <translation>Publier &amp;discrètement, sans notifier personne</translation>
    </message>
    <message>
        <source>Set from the address.</source>
        <translation>Déduit de l&apos;adresse.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Envoyé : %1</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Non envoyé : %1</translation>
    </message>
    <message>
        <source>Posting a test line...</source>
        <translation>Envoi d&apos;une ligne de test...</translation>
    </message>
    <message>
        <source>a test of Dice Rollkin&apos;s posting</source>
        <translation>un test des publications de Dice Rollkin</translation>
    </message>
</context>
</TS>
