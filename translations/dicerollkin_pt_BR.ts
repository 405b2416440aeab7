<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CharacterFile</name>
    <message>
        <source>The file is larger than %1 KiB: it is not a character.</source>
        <translation>O arquivo tem mais de %1 KiB: não é um personagem.</translation>
    </message>
    <message>
        <source>The file is not JSON, so it is not a character.</source>
        <translation>O arquivo não é JSON, portanto não é um personagem.</translation>
    </message>
    <message>
        <source>The file is JSON, but not a character exported by Dice Rollkin.</source>
        <translation>O arquivo é JSON, mas não um personagem exportado pelo Dice Rollkin.</translation>
    </message>
    <message>
        <source>The character in the file has no name.</source>
        <translation>O personagem do arquivo não tem nome.</translation>
    </message>
    <message>
        <source>The character in the file has more than %1 saved rolls.</source>
        <translation>O personagem do arquivo tem mais de %1 rolagens salvas.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Não foi possível ler o arquivo: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Não foi possível ler o arquivo: não é um arquivo comum.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dicerollkin: unknown argument &apos;%1&apos;; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: argumento desconhecido &quot;%1&quot;; &quot;dicerollkin --help&quot; lista as opções
</translation>
    </message>
    <message>
        <source>dicerollkin: cannot write to standard output
</source>
        <translation>dicerollkin: não foi possível escrever na saída padrão
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
        <translation>Uso: dicerollkin [OPÇÃO]
     dicerollkin [--seed N] --roll ROLAGEM [ROLAGEM ...]
     dicerollkin --odds ROLAGEM [ROLAGEM ...]
Uma barra de botões de dados, do d2 ao d100, que flutua sobre suas janelas.
Sem opção, mostra a barra: clique esquerdo num botão para rolar os dados dele,
clique direito ou arraste com o botão direito para escolher quantos, Shift e
clique esquerdo para o menu.

Opções:
  -h, --help          mostra esta ajuda e sai
      --version       mostra a versão e sai
      --roll ROLAGEM  rola cada ROLAGEM, mostra seus dados e o total, e sai
      --seed N        com --roll: o mesmo N (0 a 4294967295) rola os mesmos dados
      --odds ROLAGEM  mostra a chance exata de cada total de cada ROLAGEM e sai

Uma rolagem se escreve em notação de dados: NdM são N dados de M faces (N pode
faltar), d% é um d100, NdF dados Fate; números, + - * / % ^ e parênteses,
também numa quantidade ou num número de faces: (2*3)d6. Depois de um termo, em
qualquer ordem, cada um uma vez:
  ! !&gt;=9 !! !p      explodir na face mais alta ou no ponto de comparação;
                    acumular num só dado; penetrar (cada dado somado conta
                    1 a menos)
  r r&lt;3 ro          rolar de novo enquanto um dado atinge o ponto (r: a face
                    mais baixa); uma só vez
  khK klK dhK dlK   manter ou descartar os K maiores ou menores
  &gt;=T &gt;T &lt;=T &lt;T =T &lt;&gt;T  contar os dados que atingem T; f1 depois conta as
                    falhas
  cs&gt;=19 cf1        marcar sucessos e falhas críticos
  s sd mi2 ma5      ordenar os dados em ordem crescente ou decrescente; subir
                    cada dado para 2, baixá-lo para 5
{R, R}kh1 mantém a melhor rolagem de um grupo, {R, R}&gt;10 conta as acima de 10;
6x R são seis rolagens de R; R [texto] dá nome a uma rolagem; # texto a
termina com uma nota. Vírgulas separam até 20 rolagens.
  dicerollkin --roll d20+7 4d6dl1 &apos;3d6!&apos; 4dF &apos;10d10&gt;=7f1&apos; &apos;{d8!, d6!}kh1&apos; \
      &apos;6x 4d6dl1&apos; &apos;d20+5 [ataque], 2d6+3 [corte] # pelas costas&apos;

O manual: man dicerollkin
</translation>
    </message>
    <message>
        <source>dicerollkin: &apos;%1&apos; needs a value; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: “%1” precisa de um valor; “dicerollkin --help” lista as opções
</translation>
    </message>
    <message>
        <source>dicerollkin: the seed &apos;%1&apos; is not a whole number from 0 to 4294967295
</source>
        <translation>dicerollkin: a semente “%1” não é um número inteiro de 0 a 4294967295
</translation>
    </message>
    <message>
        <source>dicerollkin: --seed needs --roll; &apos;dicerollkin --help&apos; lists the options
</source>
        <translation>dicerollkin: --seed precisa de --roll; “dicerollkin --help” lista as opções
</translation>
    </message>
</context>
<context>
    <name>DiceAccessible</name>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Shift+F10</source>
        <translation>Shift+F10</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>cannot open the X display &quot;%1&quot; (is the X server running, and may this user use it?).</source>
        <translation>não foi possível abrir o display X &quot;%1&quot; (o servidor X está rodando, e este usuário pode usá-lo?).</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM asks for X11 but DISPLAY is not set.</source>
        <translation>QT_QPA_PLATFORM pede X11, mas DISPLAY não está definido.</translation>
    </message>
    <message>
        <source>needs X11 to place its windows and move the cursor, and this Wayland session offers no XWayland (DISPLAY is not set).</source>
        <translation>precisa do X11 para posicionar suas janelas e mover o ponteiro, e esta sessão Wayland não oferece XWayland (DISPLAY não está definido).</translation>
    </message>
    <message>
        <source>no display found (DISPLAY is not set); start it from a graphical session, or under xvfb-run.</source>
        <translation>nenhum display encontrado (DISPLAY não está definido); inicie-o a partir de uma sessão gráfica ou com o xvfb-run.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot; that QT_QPA_PLATFORM asks for; unset QT_QPA_PLATFORM, or set it to an installed platform such as xcb.</source>
        <translation>O Qt não consegue iniciar a plataforma &quot;%1&quot; pedida por QT_QPA_PLATFORM; remova QT_QPA_PLATFORM ou defina-a com uma plataforma instalada, como xcb.</translation>
    </message>
    <message>
        <source>Qt cannot start its platform &quot;%1&quot;; check that Qt&apos;s xcb platform plugin and the libraries it needs are installed.</source>
        <translation>O Qt não consegue iniciar a plataforma &quot;%1&quot;; verifique se o plugin de plataforma xcb do Qt e as bibliotecas de que ele precisa estão instalados.</translation>
    </message>
</context>
<context>
    <name>GlobalKeys</name>
    <message>
        <source>This build of Dice Rollkin has no X11 support, which keys from any window need.</source>
        <translation>Esta compilação do Dice Rollkin não tem suporte a X11, necessário para as teclas a partir de qualquer janela.</translation>
    </message>
    <message>
        <source>Wayland lets no program take keys from the other windows: these keys work on an X11 desktop.</source>
        <translation>O Wayland não permite que nenhum programa pegue teclas das outras janelas: estas teclas funcionam em um desktop X11.</translation>
    </message>
    <message>
        <source>Keys from any window need an X11 desktop.</source>
        <translation>As teclas a partir de qualquer janela precisam de um desktop X11.</translation>
    </message>
</context>
<context>
    <name>NetworkTransport</name>
    <message>
        <source>connection refused</source>
        <translation>conexão recusada</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host não encontrado</translation>
    </message>
    <message>
        <source>no answer in %1 s</source>
        <translation>sem resposta em %1 s</translation>
    </message>
    <message>
        <source>secure connection failed</source>
        <translation>falha na conexão segura</translation>
    </message>
    <message>
        <source>network error %1</source>
        <translation>erro de rede %1</translation>
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
        <translation>Outro programa ocupa estas teclas, então elas não fazem as rolagens salvas: %1.</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Triggers the action</source>
        <translation>Dispara a ação</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Aumenta o valor</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Diminui o valor</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Mostra o menu</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Define o foco</translation>
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
        <translation>grande demais para calcular com exatidão: mais de %1 passos</translation>
    </message>
    <message>
        <source>too large to work out exactly: more than %1 possible totals</source>
        <translation>grande demais para calcular com exatidão: mais de %1 totais possíveis</translation>
    </message>
    <message>
        <source>its totals can pass 64 bits</source>
        <translation>seus totais podem passar de 64 bits</translation>
    </message>
    <message>
        <source>exploding dice that can pass the %1-dice limit between them cannot be worked out exactly</source>
        <translation>dados que explodem e juntos podem passar do limite de %1 dados não podem ser calculados com exatidão</translation>
    </message>
    <message>
        <source>the odds of the form at column %1 are not worked out</source>
        <translation>as chances da forma na coluna %1 não são calculadas</translation>
    </message>
    <message>
        <source>the roll cannot be thrown</source>
        <translation>a rolagem não pode ser feita</translation>
    </message>
    <message>
        <source>average %1, %2 to %3</source>
        <translation>média %1, de %2 a %3</translation>
    </message>
    <message>
        <source>never gives a total</source>
        <translation>nunca dá um total</translation>
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
        <translation>%1, descartado</translation>
    </message>
    <message>
        <source>a number is expected at column %1</source>
        <translation>espera-se um número na coluna %1</translation>
    </message>
    <message>
        <source>a number of faces, % or F is expected at column %1</source>
        <translation>espera-se um número de faces, % ou F na coluna %1</translation>
    </message>
    <message>
        <source>h or l is expected at column %1</source>
        <translation>espera-se h ou l na coluna %1</translation>
    </message>
    <message>
        <source>a closing parenthesis is expected at column %1</source>
        <translation>espera-se um parêntese de fechamento na coluna %1</translation>
    </message>
    <message>
        <source>a number or a dice term is expected at column %1</source>
        <translation>espera-se um número ou um termo de dados na coluna %1</translation>
    </message>
    <message>
        <source>the roll is longer than %1 characters</source>
        <translation>a rolagem tem mais de %1 caracteres</translation>
    </message>
    <message>
        <source>more than %1 rolls at column %2</source>
        <translation>mais de %1 rolagens na coluna %2</translation>
    </message>
    <message>
        <source>parentheses nested more than %1 deep at column %2</source>
        <translation>parênteses aninhados em mais de %1 níveis na coluna %2</translation>
    </message>
    <message>
        <source>too many dice (more than %1) at column %2</source>
        <translation>dados demais (mais de %1) na coluna %2</translation>
    </message>
    <message>
        <source>the number at column %1 is larger than %2</source>
        <translation>o número da coluna %1 é maior que %2</translation>
    </message>
    <message>
        <source>0 dice at column %1</source>
        <translation>0 dados na coluna %1</translation>
    </message>
    <message>
        <source>dice of 0 faces at column %1</source>
        <translation>dados de 0 faces na coluna %1</translation>
    </message>
    <message>
        <source>a d1 or a Fate die cannot explode, at column %1</source>
        <translation>um d1 ou um dado Fate não pode explodir, na coluna %1</translation>
    </message>
    <message>
        <source>division by zero at column %1</source>
        <translation>divisão por zero na coluna %1</translation>
    </message>
    <message>
        <source>a value past 64 bits at column %1</source>
        <translation>um valor acima de 64 bits na coluna %1</translation>
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
        <translation>espera-se +, -, *, /, %, ^, uma vírgula ou o fim na coluna %1</translation>
    </message>
    <message>
        <source>an operator is expected at column %1</source>
        <translation>espera-se um operador na coluna %1</translation>
    </message>
    <message>
        <source>a comma or a closing brace is expected at column %1</source>
        <translation>espera-se uma vírgula ou uma chave de fechamento na coluna %1</translation>
    </message>
    <message>
        <source>a closing bracket is expected at column %1</source>
        <translation>espera-se um colchete de fechamento na coluna %1</translation>
    </message>
    <message>
        <source>every face would be rerolled, at column %1</source>
        <translation>toda face seria rolada de novo, na coluna %1</translation>
    </message>
    <message>
        <source>a label or note longer than %1 characters at column %2</source>
        <translation>um rótulo ou nota com mais de %1 caracteres na coluna %2</translation>
    </message>
    <message>
        <source>a control character at column %1</source>
        <translation>um caractere de controle na coluna %1</translation>
    </message>
    <message>
        <source>dice in a count or a number of faces, at column %1</source>
        <translation>dados em uma quantidade ou número de faces, na coluna %1</translation>
    </message>
    <message>
        <source>0 repeats at column %1</source>
        <translation>0 repetições na coluna %1</translation>
    </message>
    <message>
        <source>critical %1</source>
        <translation>crítico %1</translation>
    </message>
    <message>
        <source>critical failure %1</source>
        <translation>falha crítica %1</translation>
    </message>
    <message>
        <source>successes %1, failures %2</source>
        <translation>sucessos %1, falhas %2</translation>
    </message>
    <message>
        <source>every die would explode, at column %1</source>
        <translation>todo dado explodiria, na coluna %1</translation>
    </message>
</context>
<context>
    <name>ShareQueue</name>
    <message>
        <source>posting is switched off</source>
        <translation>a publicação está desativada</translation>
    </message>
    <message>
        <source>posting was switched off</source>
        <translation>a publicação foi desativada</translation>
    </message>
    <message>
        <source>The webhook answered %1: posting is switched off. Throws go on; enter the address again in Share to post them.</source>
        <translation>O webhook respondeu %1: a publicação está desativada. As rolagens continuam; digite o endereço novamente em Compartilhar para publicá-las.</translation>
    </message>
    <message>
        <source>%1, given up after %2 tries</source>
        <translation>%1, desistido após %2 tentativas</translation>
    </message>
</context>
<context>
    <name>TransportModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 não está em nenhuma das pastas %2</translation>
    </message>
    <message>
        <source>the network module could not be loaded (%1)</source>
        <translation>não foi possível carregar o módulo de rede (%1)</translation>
    </message>
    <message>
        <source>The network module could not be loaded (%1): posting is switched off. Throws go on.</source>
        <translation>Não foi possível carregar o módulo de rede (%1): a publicação está desativada. As rolagens continuam.</translation>
    </message>
</context>
<context>
    <name>WindowModule</name>
    <message>
        <source>%1 is in none of the folders %2</source>
        <translation>%1 não está em nenhuma das pastas %2</translation>
    </message>
    <message>
        <source>dicerollkin: the window module could not be loaded (%1)
</source>
        <translation>dicerollkin: não foi possível carregar o módulo de janelas (%1)
</translation>
    </message>
</context>
<context>
    <name>WebhookUrl</name>
    <message>
        <source>The webhook address is empty.</source>
        <translation>O endereço do webhook está vazio.</translation>
    </message>
    <message>
        <source>This is not a web address: it should look like https://host/path.</source>
        <translation>Isto não é um endereço web: deveria ser como https://host/caminho.</translation>
    </message>
    <message>
        <source>A webhook address holds no user name or password.</source>
        <translation>Um endereço de webhook não contém usuário nem senha.</translation>
    </message>
    <message>
        <source>The thread_id in the address should be one thread&apos;s number: digits only.</source>
        <translation>O thread_id no endereço deve ser o número de um tópico: somente dígitos.</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken (http:// only to this computer, for testing).</source>
        <translation>Somente endereços https:// são aceitos (http:// só para este computador, para testes).</translation>
    </message>
    <message>
        <source>Only https:// addresses are taken.</source>
        <translation>Somente endereços https:// são aceitos.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>ThrowDice</source>
        <translation>Rolar os dados</translation>
    </message>
    <message>
        <source>Dice Multiplier</source>
        <translation>Escolher quantos dados</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Config Menu</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Add 1 Dice to multiplier</source>
        <translation>Adicionar um dado</translation>
    </message>
    <message>
        <source>Move Rollkin (if enabled)</source>
        <translation>Mover (se estiver livre)</translation>
    </message>
    <message>
        <source>Subtract 1 Dice to multiplier</source>
        <translation>Remover um dado</translation>
    </message>
    <message>
        <source>- LeftClick</source>
        <translation>- Clique esquerdo</translation>
    </message>
    <message>
        <source>- RigthDrag</source>
        <translation>- Arrastar com o direito</translation>
    </message>
    <message>
        <source>- F1 or LeftPress + SHIFT</source>
        <translation>- F1 / Shift + clique esquerdo</translation>
    </message>
    <message>
        <source>- LeftPress + SHIFT</source>
        <translation>- Shift + clique esquerdo</translation>
    </message>
    <message>
        <source>- Rigth Click</source>
        <translation>- Clique direito</translation>
    </message>
    <message>
        <source>- LeftPress + CTRL</source>
        <translation>- Ctrl + arrastar (esquerdo)</translation>
    </message>
    <message>
        <source>- Rigth Click + SHIFT</source>
        <translation>- Shift + clique direito</translation>
    </message>
    <message>
        <source>About Dice Rollkin</source>
        <translation>Sobre o Dice Rollkin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>by the DiceRollkin developers</source>
        <translation>pela equipe do DiceRollkin</translation>
    </message>
    <message>
        <source>Help: man dicerollkin</source>
        <translation>Ajuda: man dicerollkin</translation>
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
        <translation>SE</translation>
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
        <translation>ME</translation>
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
        <translation>IE</translation>
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
        <translation>Configurações do Dice Rollkin</translation>
    </message>
    <message>
        <source>Throw Refresh Time</source>
        <translation>Tempo de exibição</translation>
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
        <translation>Manter quantos dados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rollkin Position</source>
        <translation>Posição da barra</translation>
    </message>
    <message>
        <source>Dice Result Permanent</source>
        <translation>Manter o resultado</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>Dices Availables</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Corner Bounded</source>
        <translation>Ancorada</translation>
    </message>
    <message>
        <source>Apply Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Select at least one dice...</source>
        <translation>Escolha pelo menos um dado.</translation>
    </message>
    <message>
        <source>Upper left corner</source>
        <translation>Canto superior esquerdo</translation>
    </message>
    <message>
        <source>Upper edge, centred</source>
        <translation>Borda superior, centralizado</translation>
    </message>
    <message>
        <source>Upper right corner</source>
        <translation>Canto superior direito</translation>
    </message>
    <message>
        <source>Left edge, centred</source>
        <translation>Borda esquerda, centralizado</translation>
    </message>
    <message>
        <source>Centre of the screen</source>
        <translation>Centro da tela</translation>
    </message>
    <message>
        <source>Right edge, centred</source>
        <translation>Borda direita, centralizado</translation>
    </message>
    <message>
        <source>Lower left corner</source>
        <translation>Canto inferior esquerdo</translation>
    </message>
    <message>
        <source>Lower edge, centred</source>
        <translation>Borda inferior, centralizado</translation>
    </message>
    <message>
        <source>Lower right corner</source>
        <translation>Canto inferior direito</translation>
    </message>
</context>
<context>
    <name>frmScroller</name>
    <message>
        <source>Errore in setting cursor pos</source>
        <translation>Não foi possível posicionar o ponteiro</translation>
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
        <translation>Personagem %1</translation>
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
        <translation>Não foi possível ler o arquivo de configurações %1. Ele foi movido para %2, e o Dice Rollkin inicia com as configurações padrão.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read, nor moved aside. Dice Rollkin starts with its default settings and leaves the file as it is.</source>
        <translation>Não foi possível ler nem mover o arquivo de configurações %1. O Dice Rollkin inicia com as configurações padrão e deixa o arquivo como está.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written. Dice Rollkin goes on and tries again at the next change.</source>
        <translation>Não foi possível gravar o arquivo de configurações %1. O Dice Rollkin continua e tentará de novo na próxima alteração.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file. Dice Rollkin starts with its default settings and leaves it as it is.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum. O Dice Rollkin inicia com as configurações padrão e o deixa como está.</translation>
    </message>
    <message>
        <source>The folder of the settings file %1 cannot be read. Dice Rollkin starts with its default settings and leaves the folder as it is.</source>
        <translation>A pasta do arquivo de configurações %1 não pode ser lida. O Dice Rollkin inicia com as configurações padrão e deixa a pasta como está.</translation>
    </message>
    <message>
        <source>Dice Rollkin could not read line(s) %2 of the settings file %1 and ignores them; everything else in it is kept. The file stays as it is until a setting changes; then it is first copied whole beside itself, to a name ending in .bad.</source>
        <translation>O Dice Rollkin não conseguiu ler a(s) linha(s) %2 do arquivo de configurações %1 e as ignora; todo o resto é mantido. O arquivo fica como está até que uma configuração mude; então ele é primeiro copiado inteiro ao lado de si mesmo, com um nome terminado em .bad.</translation>
    </message>
</context>
<context>
    <name>rollkin::SingleStrip</name>
    <message>
        <source>%1 is not Dice Rollkin&apos;s socket, and is left as it is: starting Dice Rollkin again opens another strip until it is removed.</source>
        <translation>%1 não é o socket do Dice Rollkin e fica como está: enquanto não for removido, cada novo início do Dice Rollkin abre outra barra.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmHistory</name>
    <message>
        <source>Dice Rollkin History</source>
        <translation>Histórico do Dice Rollkin</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Rolagens</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>  (waiting)</source>
        <translation>  (aguardando)</translation>
    </message>
    <message>
        <source>Waiting to be posted</source>
        <translation>Aguardando publicação</translation>
    </message>
    <message>
        <source>  (posted)</source>
        <translation>  (publicada)</translation>
    </message>
    <message>
        <source>Posted to the group&apos;s chat</source>
        <translation>Publicada no chat do grupo</translation>
    </message>
    <message>
        <source>  (not sent)</source>
        <translation>  (não enviada)</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Não enviada: %1</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salvar...</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Salvar histórico</translation>
    </message>
    <message>
        <source>Text (*.txt);;CSV (*.csv)</source>
        <translation>Texto (*.txt);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be saved in &quot;%1&quot;: %2</source>
        <translation>Não foi possível salvar o histórico em “%1”: %2</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Desfazer limpeza</translation>
    </message>
    <message>
        <source>Luck: percentile %1</source>
        <translation>Sorte: percentil %1</translation>
    </message>
    <message>
        <source>Each total&apos;s percentile in its roll&apos;s exact odds (a tie counts half); the dice look fair unless a z-test of the average percentile, each throw weighed by its own variance, gives p under 0.05.</source>
        <translation>O percentil de cada total nas chances exatas de sua rolagem (um empate conta metade); os dados parecem justos a menos que um teste z do percentil médio, cada rolagem ponderada pela própria variância, dê p abaixo de 0,05.</translation>
    </message>
    <message>
        <source>No throws yet to judge the dice by.</source>
        <translation>Ainda não há rolagens para julgar os dados.</translation>
    </message>
    <message>
        <source>the dice look fair, p = %1</source>
        <translation>os dados parecem justos, p = %1</translation>
    </message>
    <message>
        <source>the dice run high, p = %1</source>
        <translation>os dados saem altos, p = %1</translation>
    </message>
    <message>
        <source>the dice run low, p = %1</source>
        <translation>os dados saem baixos, p = %1</translation>
    </message>
    <message>
        <source>%1 throws, average percentile %2: %3 (z-test of the percentiles)</source>
        <translation>%1 rolagens, percentil médio %2: %3 (teste z dos percentis)</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Histórico...</translation>
    </message>
    <message>
        <source>Roll...</source>
        <translation>Rolar...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartilhar...</translation>
    </message>
    <message>
        <source>Remember Settings</source>
        <translation>Lembrar configurações</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Personagem</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRoll</name>
    <message>
        <source>Roll</source>
        <comment>column header</comment>
        <extracomment>The saved rolls' column header: the roll, a noun (the button says the verb).</extracomment>
        <translation>Rolagem</translation>
    </message>
    <message>
        <source>Dice Rollkin Rolls</source>
        <translation>Rolagens do Dice Rollkin</translation>
    </message>
    <message>
        <source>Roll in dice notation</source>
        <translation>Rolagem em notação de dados</translation>
    </message>
    <message>
        <source>&amp;Roll:</source>
        <translation>&amp;Rolagem:</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rolar</translation>
    </message>
    <message>
        <source>No roll yet</source>
        <translation>Nenhuma rolagem ainda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Saved rolls</source>
        <translation>Rolagens salvas</translation>
    </message>
    <message>
        <source>&amp;Saved rolls:</source>
        <translation>Rolagens &amp;salvas:</translation>
    </message>
    <message>
        <source>Name of the roll to save</source>
        <translation>Nome da rolagem a salvar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Para &amp;cima</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Para &amp;baixo</translation>
    </message>
    <message>
        <source>A saved roll needs a name.</source>
        <translation>Uma rolagem salva precisa de um nome.</translation>
    </message>
    <message>
        <source>At most %1 rolls can be saved: remove one to add another.</source>
        <translation>No máximo %1 rolagens podem ser salvas: remova uma para adicionar outra.</translation>
    </message>
    <message>
        <source>Type the roll to save in the field above.</source>
        <translation>Digite a rolagem a salvar no campo acima.</translation>
    </message>
    <message>
        <source>Odds of the roll</source>
        <translation>Chances da rolagem</translation>
    </message>
    <message>
        <source>Chance of &amp;at least</source>
        <translation>Chance de &amp;pelo menos</translation>
    </message>
    <message>
        <source>DC %1: %2</source>
        <translation>CD %1: %2</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Throw saved rolls with Ctrl+Alt+1 to 9 from any &amp;window</source>
        <translation>Fazer as rolagens salvas com Ctrl+Alt+1 a 9 de qualquer &amp;janela</translation>
    </message>
    <message>
        <source>C&amp;haracter:</source>
        <translation>&amp;Personagem:</translation>
    </message>
    <message>
        <source>Character&apos;s name</source>
        <translation>Nome do personagem</translation>
    </message>
    <message>
        <source>Share name (empty: Share&apos;s)</source>
        <translation>Nome ao compartilhar (vazio: o de Compartilhar)</translation>
    </message>
    <message>
        <source>Name the character&apos;s throws are posted under</source>
        <translation>Nome com que as rolagens do personagem são publicadas</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>character</comment>
        <extracomment>Adds a character.</extracomment>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>character</comment>
        <extracomment>Removes a character.</extracomment>
        <translation>Remover</translation>
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
        <translation>Um personagem precisa de um nome.</translation>
    </message>
    <message>
        <source>There is a character named &quot;%1&quot; already.</source>
        <translation>Já existe um personagem chamado “%1”.</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Personagem %1</translation>
    </message>
    <message>
        <source>Remove the character &quot;%1&quot; with its saved rolls?</source>
        <translation>Remover o personagem “%1” com suas rolagens salvas?</translation>
    </message>
    <message>
        <source>Export Character</source>
        <translation>Exportar personagem</translation>
    </message>
    <message>
        <source>Characters (*.json)</source>
        <translation>Personagens (*.json)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exported to %2.</source>
        <translation>“%1” exportado para %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be exported: %2</source>
        <translation>Não foi possível exportar “%1”: %2</translation>
    </message>
    <message>
        <source>Import Character</source>
        <translation>Importar personagem</translation>
    </message>
    <message>
        <source>Characters (*.json);;All files (*)</source>
        <translation>Personagens (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Nada foi importado. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Keep both</source>
        <translation>Manter ambos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported.</source>
        <translation>“%1” importado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; imported; the rolls marked cannot be thrown as written.</source>
        <translation>“%1” importado; as rolagens marcadas não podem ser roladas como estão escritas.</translation>
    </message>
</context>
<context>
    <name>rollkin::frmRollkin</name>
    <message>
        <source>%1, highest %2, lowest %3</source>
        <extracomment>Screen readers&apos; account of a throw of several dice: &quot;3d6: 2 + 5 + 6 = 13, highest 6, lowest 2&quot;; %1 is the sum, %2 the highest face, %3 the lowest.</extracomment>
        <translation>%1, o mais alto %2, o mais baixo %3</translation>
    </message>
    <message>
        <source>Throws %1</source>
        <extracomment>A dice button&apos;s description for screen readers; %1 is what it throws (&quot;3d6&quot;).</extracomment>
        <translation>Rola %1</translation>
    </message>
    <message>
        <source>Error getting cursor pos</source>
        <translation>Não foi possível ler a posição do ponteiro</translation>
    </message>
</context>
<context>
    <name>rollkin::frmShare</name>
    <message>
        <source>Dice Rollkin Share</source>
        <translation>Compartilhamento do Dice Rollkin</translation>
    </message>
    <message>
        <source>Rogue</source>
        <translation>Ladino</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Webhook URL</source>
        <translation>URL do webhook</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Webhook URL:</source>
        <translation>URL do &amp;webhook:</translation>
    </message>
    <message>
        <source>Post:</source>
        <translation>Publicar:</translation>
    </message>
    <message>
        <source>&amp;Every throw</source>
        <translation>&amp;Cada rolagem</translation>
    </message>
    <message>
        <source>&amp;Only saved rolls and the Roll window&apos;s rolls</source>
        <translation>&amp;Somente as rolagens salvas e as da janela Rolar</translation>
    </message>
    <message>
        <source>Copy each throw to the clipboard</source>
        <translation>Copiar cada rolagem para a área de transferência</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>Slack-compatible</source>
        <translation>Compatível com Slack</translation>
    </message>
    <message>
        <source>Chat format</source>
        <translation>Formato do chat</translation>
    </message>
    <message>
        <source>Chat &amp;format:</source>
        <translation>&amp;Formato do chat:</translation>
    </message>
    <message>
        <source>Post &amp;quietly, without notifying anyone</source>
        <translation>Publicar em &amp;silêncio, sem notificar ninguém</translation>
    </message>
    <message>
        <source>Set from the address.</source>
        <translation>Definido pelo endereço.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Não enviado: %1</translation>
    </message>
    <message>
        <source>Posting a test line...</source>
        <translation>Publicando uma linha de teste...</translation>
    </message>
    <message>
        <source>a test of Dice Rollkin&apos;s posting</source>
        <translation>um teste das publicações do Dice Rollkin</translation>
    </message>
</context>
</TS>
