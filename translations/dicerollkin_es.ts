<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CharacterFile</name>
    <message>
        <source>The file is larger than %1 KiB: it is not a character.</source>
        <translation>El archivo ocupa más de %1 KiB: no es un personaje.</translation>
    </message>
    <message>
        <source>The file is not JSON, so it is not a character.</source>
        <translation>El archivo no es JSON, así que no es un personaje.</translation>
    </message>
    <message>
        <source>The file is JSON, but not a character exported by Dice Rollkin.</source>
        <translation>El archivo es JSON, pero no un personaje exportado por Dice Rollkin.</translation>
    </message>
    <message>
        <source>The character in the file has no name.</source>
        <translation>El personaje del archivo no tiene nombre.</translation>
    </message>
    <message>
        <source>The character in the file has more than %1 saved rolls.</source>
        <translation>El personaje del archivo tiene más de %1 tiradas guardadas.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>No se pudo leer el archivo: no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dicerollkin: unknown argument &apos;%1&apos;; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: argumento desconocido «%1»; «dicerollkin --help» muestra las opciones
</translation>
    </message>
    <message>
        <source>dicerollkin: cannot write to standard output
</source>
        <translation>dicerollkin: no se puede escribir en la salida estándar
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
        <translation>Uso: dicerollkin [OPCIÓN]
     dicerollkin [--seed N] --roll TIRADA [TIRADA ...]
     dicerollkin --odds TIRADA [TIRADA ...]
Una barra de botones de dados, del d2 al d100, que flota sobre tus ventanas.
Sin opciones muestra la barra: clic izquierdo en un botón para tirar sus dados,
clic derecho o arrastrar con el botón derecho para elegir cuántos, Mayús y clic
izquierdo para el menú.

Opciones:
  -h, --help         muestra esta ayuda y termina
      --version      muestra la versión y termina
      --roll TIRADA  hace cada TIRADA, muestra sus dados y su total, y termina
      --seed N       con --roll: el mismo N (0 a 4294967295) tira los mismos dados
      --odds TIRADA  muestra la probabilidad exacta de cada total de cada TIRADA y termina

Una tirada se escribe en notación de dados: NdM son N dados de M caras (N puede
faltar), d% es un d100, NdF dados Fate; números, + - * / % ^ y paréntesis,
también en una cantidad o un número de caras: (2*3)d6. Tras un término, en
cualquier orden, cada uno una vez:
  ! !&gt;=9 !! !p      explotar en la cara más alta o en el punto de comparación;
                    acumular en un solo dado; penetrar (los dados añadidos
                    cuentan 1 menos)
  r r&lt;3 ro          volver a tirar mientras un dado cumpla el punto (r: la cara
                    más baja); una sola vez
  khK klK dhK dlK   conservar o descartar los K más altos o más bajos
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  contar los dados que cumplen T; f1 detrás cuenta los
                    fallos
  cs&gt;=19 cf1        señalar éxitos y fallos críticos
  s sd mi2 ma5      ordenar los dados de menor a mayor o al revés; subir cada
                    dado a 2, bajarlo a 5
{R, R}kh1 conserva la mejor tirada de un grupo, {R, R}&gt;10 cuenta las de más de
10; 6x R son seis tiradas de R; R [texto] da nombre a una tirada; # texto la
termina con una nota. Las comas separan hasta 20 tiradas.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [ataque], 2d6+3 [tajo] # por la espalda&apos;

El manual: man dicerollkin
</translation>
    </message>
    <message>
        <source>dicerollkin: &apos;%1&apos; needs a value; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: «%1» necesita un valor; «dicerollkin --help» lista las opciones
</translation>
    </message>
    <message>
        <source>dicerollkin: the seed &apos;%1&apos; is not a whole number from 0 to 4294967295
</source>
        <translation>dicerollkin: la semilla «%1» no es un número entero de 0 a 4294967295
</translation>
    </message>
    <message>
        <source>dicerollkin: --seed needs --roll; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: --seed necesita --roll; «dicerollkin --help» lista las opciones
</translation>
    </message>
</context>
<context>
    <name>DiceAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Mayús+F10</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot open the X display &quot;%1&quot; (is the X server running, and may this user use it?).</source>
        <translation>no se puede abrir la pantalla X «%1» (¿está en marcha el servidor X y puede usarlo este usuario?).</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM asks for X11 but DISPLAY is not set.</source>
        <translation>QT_QPA_PLATFORM pide X11, pero DISPLAY no está definido.</translation>
    </message>
    <message>
        <source>needs X11 to place its windows and move the cursor, and this Wayland session offers no XWayland (DISPLAY is not set).</source>
        <translation>necesita X11 para colocar sus ventanas y mover el puntero, y esta sesión de Wayland no ofrece XWayland (DISPLAY no está definido).</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a graphical session, or under xvfb-run.</source>
        <translation>no se encontró ninguna pantalla (DISPLAY no está definido); inícialo desde una sesión gráfica o con xvfb-run.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot; that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed platform such as xcb.</source>
        <translation>Qt no puede iniciar la plataforma «%1» que pide QT_QPA_PLATFORM; elimina QT_QPA_PLATFORM o dale una plataforma instalada, como xcb.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot;; check that Qt&apos;s xcb platform plugin and the libraries it needs are installed.</source>
        <translation>Qt no puede iniciar la plataforma «%1»; comprueba que el complemento de plataforma xcb de Qt y las bibliotecas que necesita están instalados.</translation>
    </message>
</context>
<context>
    <name>GlobalKeys</name>
    <message>
        <source>This build of Dice Rollkin has no X11 support, which keys from any window need.</source>
        <translation>Esta compilación de Dice Rollkin no tiene soporte para X11, necesario para las teclas desde cualquier ventana.</translation>
    </message>
    <message>
        <source>Wayland lets no program take keys from the other windows: these keys work on an X11 desktop.</source>
        <translation>Wayland no permite a ningún programa tomar teclas de las demás ventanas: estas teclas funcionan en un escritorio X11.</translation>
    </message>
    <message>
        <source>Keys from any window need an X11 desktop.</source>
        <translation>Las teclas desde cualquier ventana necesitan un escritorio X11.</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host no encontrado</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>falló la conexión segura</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>error de red %1</translation>
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
        <translation>Otro programa ocupa estas teclas, así que no lanzan tiradas guardadas: %1.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Triggers the action</source>
        <translation>Activa la acción</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Aumenta el valor</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Disminuye el valor</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Muestra el menú</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Establece el foco</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Odds</name>
    <message>
        <source>too large to work out exactly: more than %1 steps</source>
        <translation>demasiado grande para calcularlo con exactitud: más de %1 pasos</translation>
    </message>
    <message>
        <source>too large to work out exactly: more than %1 possible totals</source>
        <translation>demasiado grande para calcularlo con exactitud: más de %1 totales posibles</translation>
    </message>
    <message>
        <source>its totals can pass 64 bits</source>
        <translation>sus totales pueden pasar de 64 bits</translation>
    </message>
    <message>
        <source>exploding dice that can pass the %1-dice limit between them cannot be worked out exactly</source>
        <translation>los dados que explotan y juntos pueden pasar el límite de %1 dados no se pueden calcular con exactitud</translation>
    </message>
    <message>
        <source>the odds of the form at column %1 are not worked out</source>
        <translation>las probabilidades de la forma de la columna %1 no se calculan</translation>
    </message>
    <message>
        <source>the roll cannot be thrown</source>
        <translation>la tirada no se puede lanzar</translation>
    </message>
    <message>
        <source>average %1, %2 to %3</source>
        <translation>media %1, de %2 a %3</translation>
    </message>
    <message>
        <source>never gives a total</source>
        <translation>nunca da un total</translation>
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
        <translation>%1, descartado</translation>
    </message>
    <message>
        <source>a number is expected at column %1</source>
        <translation>se espera un número en la columna %1</translation>
    </message>
    <message>
        <source>a number of faces, % or F is expected at column %1</source>
        <translation>se espera un número de caras, % o F en la columna %1</translation>
    </message>
    <message>
        <source>h or l is expected at column %1</source>
        <translation>se espera h o l en la columna %1</translation>
    </message>
    <message>
        <source>a closing parenthesis is expected at column %1</source>
        <translation>se espera un paréntesis de cierre en la columna %1</translation>
    </message>
    <message>
        <source>a number or a dice term is expected at column %1</source>
        <translation>se espera un número o un término de dados en la columna %1</translation>
    </message>
    <message>
        <source>the roll is longer than %1 characters</source>
        <translation>la tirada tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>more than %1 rolls at column %2</source>
        <translation>más de %1 tiradas en la columna %2</translation>
    </message>
    <message>
        <source>parentheses nested more than %1 deep at column %2</source>
        <translation>paréntesis anidados a más de %1 niveles en la columna %2</translation>
    </message>
    <message>
        <source>too many dice (more than %1) at column %2</source>
        <translation>demasiados dados (más de %1) en la columna %2</translation>
    </message>
    <message>
        <source>the number at column %1 is larger than %2</source>
        <translation>el número de la columna %1 es mayor que %2</translation>
    </message>
    <message>
        <source>0 dice at column %1</source>
        <translation>0 dados en la columna %1</translation>
    </message>
    <message>
        <source>dice of 0 faces at column %1</source>
        <translation>dados de 0 caras en la columna %1</translation>
    </message>
    <message>
        <source>a d1 or a Fate die cannot explode, at column %1</source>
        <translation>un d1 o un dado Fate no puede explotar, en la columna %1</translation>
    </message>
    <message>
        <source>division by zero at column %1</source>
        <translation>división por cero en la columna %1</translation>
    </message>
    <message>
        <source>a value past 64 bits at column %1</source>
        <translation>un valor de más de 64 bits en la columna %1</translation>
    </message>
    <message>
        <source>natural 20</source>
        <translation>20 natural</translation>
    </message>
    <message>
        <source>natural 1</source>
        <translation>1 natural</translation>
    </message>
    <message>
        <source>+, -, *, /, %, ^, a comma or the end is expected at column %1</source>
        <translation>se espera +, -, *, /, %, ^, una coma o el final en la columna %1</translation>
    </message>
    <message>
        <source>an operator is expected at column %1</source>
        <translation>se espera un operador en la columna %1</translation>
    </message>
    <message>
        <source>a comma or a closing brace is expected at column %1</source>
        <translation>se espera una coma o una llave de cierre en la columna %1</translation>
    </message>
    <message>
        <source>a closing bracket is expected at column %1</source>
        <translation>se espera un corchete de cierre en la columna %1</translation>
    </message>
    <message>
        <source>every face would be rerolled, at column %1</source>
        <translation>se volvería a tirar cada cara, en la columna %1</translation>
    </message>
    <message>
        <source>a label or note longer than %1 characters at column %2</source>
        <translation>una etiqueta o nota de más de %1 caracteres en la columna %2</translation>
    </message>
    <message>
        <source>a control character at column %1</source>
        <translation>un carácter de control en la columna %1</translation>
    </message>
    <message>
        <source>dice in a count or a number of faces, at column %1</source>
        <translation>dados en una cantidad o un número de caras, en la columna %1</translation>
    </message>
    <message>
        <source>0 repeats at column %1</source>
        <translation>0 repeticiones en la columna %1</translation>
    </message>
    <message>
        <source>critical %1</source>
        <translation>crítico %1</translation>
    </message>
    <message>
        <source>critical failure %1</source>
        <translation>pifia %1</translation>
    </message>
    <message>
        <source>successes %1, failures %2</source>
        <translation>éxitos %1, fallos %2</translation>
    </message>
    <message>
        <source>every die would explode, at column %1</source>
        <translation>cada dado explotaría, en la columna %1</translation>
    </message>
</context>
<context>
    <name>ShareQueue</name>
    <message>
        <source>posting is switched off</source>
        <translation>la publicación está desactivada</translation>
    </message>
    <message>
        <source>posting was switched off</source>
        <translation>la publicación se desactivó</translation>
    </message>
    <message>
        <source>The webhook answered %1: posting is switched off. Throws go on; enter the address again in Share to post them.</source>
        <translation>El webhook respondió %1: la publicación está desactivada. Las tiradas siguen; vuelva a introducir la dirección en Compartir para publicarlas.</translation>
    </message>
    <message>
        <source>%1, given up after %2 tries</source>
        <translation>%1, abandonado tras %2 intentos</translation>
    </message>
</context>
<context>
    <name>TransportModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 no está en ninguna de las carpetas %2</translation>
    </message>
    <message>
        <source>the network module could not be loaded (%1)</source>
        <translation>no se pudo cargar el módulo de red (%1)</translation>
    </message>
    <message>
        <source>The network module could not be loaded (%1): posting is switched off. Throws go on.</source>
        <translation>No se pudo cargar el módulo de red (%1): la publicación está desactivada. Las tiradas siguen.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 no está en ninguna de las carpetas %2</translation>
    </message>
    <message>
        <source>dicerollkin: the window module could not be loaded (%1)
</source>
        <translation>dicerollkin: no se pudo cargar el módulo de ventanas (%1)
</translation>
    </message>
</context>
<context>
    <name>WebhookUrl</name>
    <message>
        <source>The webhook address is empty.</source>
        <translation>La dirección del webhook está vacía.</translation>
    </message>
    <message>
        <source>This is not a web address: it should look like https://host/path.</source>
        <translation>Esto no es una dirección web: debería ser como https://host/ruta.</translation>
    </message>
    <message>
        <source>A webhook address holds no user name or password.</source>
        <translation>Una dirección de webhook no lleva usuario ni contraseña.</translation>
    </message>
    <message>
        <source>The thread_id in the address should be one thread&apos;s number: digits only.</source>
        <translation>El thread_id de la dirección debe ser el número de un hilo: solo dígitos.</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken (http:// only to this computer, for testing).</source>
        <translation>Solo se aceptan direcciones https:// (http:// solo hacia este equipo, para pruebas).</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken.</source>
        <translation>Solo se aceptan direcciones https://.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>ThrowDice</source>
        <translation>Tirar los dados</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Elegir cuántos dados</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Config Menu</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Add 1 Dice to multiplier</source>
        <translation>Añadir un dado</translation>
    </message>
    <message>
        <source>Move Rollkin (if enabled)</source>
        <translation>Mover (si está libre)</translation>
    </message>
    <message>
        <source>Subtract 1 Dice to multiplier</source>
        <translation>Quitar un dado</translation>
    </message>
    <message>
        <source>- LeftClick</source>
        <translation>- Clic izquierdo</translation>
    </message>
    <message>
        <source>- RigthDrag</source>
        <translation>- Arrastrar con el derecho</translation>
    </message>
    <message>
        <source>- F1 or LeftPress + SHIFT</source>
        <translation>- F1 o Mayús + clic izquierdo</translation>
    </message>
    <message>
        <source>- LeftPress + SHIFT</source>
        <translation>- Mayús + clic izquierdo</translation>
    </message>
    <message>
        <source>- Rigth Click</source>
        <translation>- Clic derecho</translation>
    </message>
    <message>
        <source>- LeftPress + CTRL</source>
        <translation>- Ctrl + arrastrar (izquierdo)</translation>
    </message>
    <message>
        <source>- Rigth Click + SHIFT</source>
        <translation>- Mayús + clic derecho</translation>
    </message>
    <message>
        <source>About Dice Rollkin</source>
        <translation>Acerca de Dice Rollkin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>by the DiceRollkin developers</source>
        <translation>por el equipo de DiceRollkin</translation>
    </message>
    <message>
        <source>Help: man dicerollkin</source>
        <translation>Ayuda: man dicerollkin</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>%1 sides</source>
        <translation>%1 caras</translation>
    </message>
    <message>
        <source>UL</source>
        <comment>upper left</comment>
        <translation>SI</translation>
    </message>
    <message>
        <source>UP</source>
        <comment>upper centre</comment>
        <translation>SC</translation>
    </message>
    <message>
        <source>UR</source>
        <comment>upper right</comment>
        <translation>SD</translation>
    </message>
    <message>
        <source>ML</source>
        <comment>middle left</comment>
        <translation>CI</translation>
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
        <translation>II</translation>
    </message>
    <message>
        <source>LC</source>
        <comment>lower centre</comment>
        <translation>IC</translation>
    </message>
    <message>
        <source>LR</source>
        <comment>lower right</comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>Dice Rollkin Configuration</source>
        <translation>Configuración de Dice Rollkin</translation>
    </message>
    <message>
        <source>Throw Refresh Time</source>
        <translation>Tiempo visible</translation>
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
        <translation>Máximo de dados</translation>
    </message>
    <message>
        <source>Dice Multiplier Permanent</source>
        <translation>Conservar cuántos dados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Rollkin Position</source>
        <translation>Posición de la barra</translation>
    </message>
    <message>
        <source>Dice Result Permanent</source>
        <translation>Conservar el resultado</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Dices Availables</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Corner Bounded</source>
        <translation>Anclada</translation>
    </message>
    <message>
        <source>Apply Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Select at least one dice...</source>
        <translation>Elige al menos un dado.</translation>
    </message>
    <message>
        <source>Upper left corner</source>
        <translation>Esquina superior izquierda</translation>
    </message>
    <message>
        <source>Upper edge, centred</source>
        <translation>Borde superior, centrado</translation>
    </message>
    <message>
        <source>Upper right corner</source>
        <translation>Esquina superior derecha</translation>
    </message>
    <message>
        <source>Left edge, centred</source>
        <translation>Borde izquierdo, centrado</translation>
    </message>
    <message>
        <source>Centre of the screen</source>
        <translation>Centro de la pantalla</translation>
    </message>
    <message>
        <source>Right edge, centred</source>
        <translation>Borde derecho, centrado</translation>
    </message>
    <message>
        <source>Lower left corner</source>
        <translation>Esquina inferior izquierda</translation>
    </message>
    <message>
        <source>Lower edge, centred</source>
        <translation>Borde inferior, centrado</translation>
    </message>
    <message>
        <source>Lower right corner</source>
        <translation>Esquina inferior derecha</translation>
    </message>
</context>
<context>
    <name>frmScroller</name>
    <message>
        <source>Errore in setting cursor pos</source>
        <translation>No se pudo colocar el puntero</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Número de dados</translation>
    </message>
</context>
<context>
    <name>rollkin::SavedRollsModel</name>
    <message>
        <source>Character %1</source>
        <translation>Personaje %1</translation>
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
        <translation>No se pudo leer el archivo de configuración %1. Se ha movido a %2 y Dice Rollkin se inicia con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, nor moved aside. Dice Rollkin starts with its default settings and leaves the file as it is.</source>
        <translation>No se pudo leer ni apartar el archivo de configuración %1. Dice Rollkin se inicia con la configuración predeterminada y deja el archivo como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written. Dice Rollkin goes on and tries again at the next change.</source>
        <translation>No se pudo escribir el archivo de configuración %1. Dice Rollkin continúa y lo intentará de nuevo en el próximo cambio.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file. Dice Rollkin starts with its default settings and leaves it as it is.</source>
        <translation>El archivo de configuración %1 no es un archivo normal. Dice Rollkin se inicia con la configuración predeterminada y lo deja como está.</translation>
    </message>
    <message>
        <source>The folder of the settings file %1 cannot be read. Dice Rollkin starts with its default settings and leaves the folder as it is.</source>
        <translation>No se puede leer la carpeta del archivo de configuración %1. Dice Rollkin se inicia con la configuración predeterminada y deja la carpeta como está.</translation>
    </message>
    <message>
        <source>Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; everything else in it is kept. The file stays as it is until a setting changes; then it is first copied whole beside itself, to a name ending in .bad.</source>
        <translation>Dice Rollkin no pudo leer la(s) línea(s) %2 del archivo de configuración %1 y las ignora; todo lo demás se conserva. El archivo queda como está hasta que cambie un ajuste; entonces primero se copia entero a su lado, con un nombre que termina en .bad.</translation>
    </message>
</context>
<context>
    <name>rollkin::SingleStrip</name>
    <message>
        <source>%1 is not Dice Rollkin&apos;s socket, and is left as it is: starting Dice Rollkin again opens another strip until it is removed.</source>
        <translation>%1 no es el socket de Dice Rollkin y se deja como está: mientras no se elimine, cada nuevo inicio de Dice Rollkin abre otra barra.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmHistory</name>
    <message>
        <source>Dice Rollkin History</source>
        <translation>Historial de Dice Rollkin</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>  (waiting)</source>
        <translation>  (en espera)</translation>
    </message>
    <message>
        <source>Waiting to be posted</source>
        <translation>Esperando a publicarse</translation>
    </message>
    <message>
        <source>  (posted)</source>
        <translation>  (publicada)</translation>
    </message>
    <message>
        <source>Posted to the group&apos;s chat</source>
        <translation>Publicada en el chat del grupo</translation>
    </message>
    <message>
        <source>  (not sent)</source>
        <translation>  (no enviada)</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>No enviada: %1</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Guardar historial</translation>
    </message>
    <message>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Texto (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el historial en «%1»: %2</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Deshacer borrado</translation>
    </message>
    <message>
        <source>Luck: percentile %1</source>
        <translation>Suerte: percentil %1</translation>
    </message>
    <message>
        <source>Each total&apos;s percentile in its roll&apos;s exact odds (a tie counts half); the dice look fair unless a z-test of the average percentile, each throw weighed by its own variance, gives p under 0.05.</source>
        <translation>El percentil de cada total en las probabilidades exactas de su tirada (un empate cuenta la mitad); los dados parecen justos salvo que una prueba z del percentil medio, cada tirada ponderada por su propia varianza, dé p menor que 0,05.</translation>
    </message>
    <message>
        <source>No throws yet to judge the dice by.</source>
        <translation>Aún no hay tiradas para juzgar los dados.</translation>
    </message>
    <message>
        <source>the dice look fair, p = %1</source>
        <translation>los dados parecen justos, p = %1</translation>
    </message>
    <message>
        <source>the dice run high, p = %1</source>
        <translation>los dados salen altos, p = %1</translation>
    </message>
    <message>
        <source>the dice run low, p = %1</source>
        <translation>los dados salen bajos, p = %1</translation>
    </message>
    <message>
        <source>%1 throws, average percentile %2: %3 (z-test of the percentiles)</source>
        <translation>%1 tiradas, percentil medio %2: %3 (prueba z de los percentiles)</translation>
    </message>
</context>
<context>
    <name>rollkin::frmMenu</name>
    <message>
        <source>Configure...</source>
        <translation>Configurar...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>Roll...</source>
        <translation>Tirar...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Remember Settings</source>
        <translation>Recordar la configuración</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personaje</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRoll</name>
    <message>
        <source>Roll</source>
        <comment>column header</comment>
        <extracomment>The saved rolls' column header: the roll, a noun (the button says the verb).</extracomment>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Dice Rollkin Rolls</source>
        <translation>Tiradas de Dice Rollkin</translation>
    </message>
    <message>
        <source>Roll in dice notation</source>
        <translation>Tirada en notación de dados</translation>
    </message>
    <message>
        <source>&amp;Roll:</source>
        <translation>&amp;Tirada:</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>No roll yet</source>
        <translation>Ninguna tirada todavía</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Saved rolls</source>
        <translation>Tiradas guardadas</translation>
    </message>
    <message>
        <source>&amp;Saved rolls:</source>
        <translation>Tiradas &amp;guardadas:</translation>
    </message>
    <message>
        <source>Name of the roll to save</source>
        <translation>Nombre de la tirada que se guarda</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>A saved roll needs a name.</source>
        <translation>Una tirada guardada necesita un nombre.</translation>
    </message>
    <message>
        <source>At most %1 rolls can be saved: remove one to add another.</source>
        <translation>Se pueden guardar como máximo %1 tiradas: quite una para añadir otra.</translation>
    </message>
    <message>
        <source>Type the roll to save in the field above.</source>
        <translation>Escriba la tirada que se guarda en el campo de arriba.</translation>
    </message>
    <message>
        <source>Odds of the roll</source>
        <translation>Probabilidades de la tirada</translation>
    </message>
    <message>
        <source>Chance of &amp;at least</source>
        <translation>Probabilidad de &amp;al menos</translation>
    </message>
    <message>
        <source>DC %1: %2</source>
        <translation>CD %1: %2</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>Throw saved rolls with Ctrl+Alt+1 to 9 from any &amp;window</source>
        <translation>Lanzar las tiradas guardadas con Ctrl+Alt+1 a 9 desde cualquier &amp;ventana</translation>
    </message>
    <message>
        <source>C&amp;haracter:</source>
        <translation>&amp;Personaje:</translation>
    </message>
    <message>
        <source>Character&apos;s name</source>
        <translation>Nombre del personaje</translation>
    </message>
    <message>
        <source>Share name (empty: Share&apos;s)</source>
        <translation>Nombre al compartir (vacío: el de Compartir)</translation>
    </message>
    <message>
        <source>Name the character&apos;s throws are posted under</source>
        <translation>Nombre con el que se publican las tiradas del personaje</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>character</comment>
        <extracomment>Adds a character.</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>character</comment>
        <extracomment>Removes a character.</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>A character needs a name.</source>
        <translation>Un personaje necesita un nombre.</translation>
    </message>
    <message>
        <source>There is a character named &quot;%1&quot; already.</source>
        <translation>Ya hay un personaje llamado «%1».</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Personaje %1</translation>
    </message>
    <message>
        <source>Remove the character &quot;%1&quot; with its saved rolls?</source>
        <translation>¿Quitar el personaje «%1» con sus tiradas guardadas?</translation>
    </message>
    <message>
        <source>Export Character</source>
        <translation>Exportar personaje</translation>
    </message>
    <message>
        <source>Characters (*.json)</source>
        <translation>Personajes (*.json)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exported to %2.</source>
        <translation>«%1» exportado a %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be exported: %2</source>
        <translation>No se pudo exportar «%1»: %2</translation>
    </message>
    <message>
        <source>Import Character</source>
        <translation>Importar personaje</translation>
    </message>
    <message>
        <source>Characters (*.json);;All files (*)</source>
        <translation>Personajes (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>No se importó nada. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported.</source>
        <translation>«%1» importado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported; the rolls marked cannot be thrown as written.</source>
        <translation>«%1» importado; las tiradas marcadas no se pueden tirar tal como están escritas.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRollkin</name>
    <message>
        <source>%1, highest %2, lowest %3</source>
        <extracomment>Screen readers&apos; account of a throw of several dice: &quot;3d6: 2 + 5 + 6 = 13, highest 6, lowest 2&quot;; %1 is the sum, %2 the highest face, %3 the lowest.</extracomment>
        <translation>%1, el más alto %2, el más bajo %3</translation>
    </message>
    <message>
        <source>Throws %1</source>
        <extracomment>A dice button&apos;s description for screen readers; %1 is what it throws (&quot;3d6&quot;).</extracomment>
        <translation>Tira %1</translation>
    </message>
    <message>
        <source>Error getting cursor pos</source>
        <translation>No se pudo leer la posición del puntero</translation>
    </message>
</context>
<context>
    <name>rollkin::frmShare</name>
    <message>
        <source>Dice Rollkin Share</source>
        <translation>Compartir de Dice Rollkin</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Pícaro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL del webhook</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Webhook URL:</source>
        <translation>URL del &amp;webhook:</translation>
    </message>
    <message>
        <source>Post:</source>
        <translation>Publicar:</translation>
    </message>
    <message>
        <source>&amp;Every throw</source>
        <translation>&amp;Cada tirada</translation>
    </message>
    <message>
        <source>&amp;Only saved rolls and the Roll window&apos;s rolls</source>
        <translation>&amp;Solo las tiradas guardadas y las de la ventana Tirar</translation>
    </message>
    <message>
        <source>Copy each throw to the clipboard</source>
        <translation>Copiar cada tirada al portapapeles</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>Slack-compatible</source>
        <translation>Compatible con Slack</translation>
    </message>
    <message>
        <source>Chat format</source>
        <translation>Formato del chat</translation>
    </message>
    <message>
        <source>Chat &amp;format:</source>
        <translation>&amp;Formato del chat:</translation>
    </message>
    <message>
        <source>Post &amp;quietly, without notifying anyone</source>
        <translation>Publicar en &amp;silencio, sin notificar a nadie</translation>
    </message>
    <message>
        <source>Set from the address.</source>
        <translation>Fijado por la dirección.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sent: %1</source>
        <translation>Enviado: %1</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>No enviado: %1</translation>
    </message>
    <message>
        <source>Posting a test line...</source>
        <translation>Publicando una línea de prueba...</translation>
    </message>
    <message>
        <source>a test of Dice Rollkin&apos;s posting</source>
        <translation>una prueba de las publicaciones de Dice Rollkin</translation>
    </message>
</context>
</TS>
