<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Clipes de áudio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Ponto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Ponto final</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Arraste arquivos de áudio para cá</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Copiar clipes</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Mover clipes</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Importar áudio</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (ausente)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>Nenhum dispositivo de saída de som pôde ser aberto.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>Não foi possível configurar o dispositivo de saída de som.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>O dispositivo de saída de som não tem voz livre.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>O dispositivo de saída de som não tem espaço para os buffers de som.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Taxa de bits personalizada</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Digite a taxa de bits desejada:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Please input a valid value</source>
        <translation>Digite um valor válido</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>A pasta de saída não existe. Defina a pasta de saída e tente novamente.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>A pasta temporária não existe. Defina a pasta temporária e tente novamente.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>Outra gravação ainda está em andamento. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>A gravação falhou. Deseja tentar novamente?</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 B</source>
        <comment>bytes</comment>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>Not enough free space available in the disk which the temporary folder is located in. At least %1 disk space is needed in disk %2.</source>
        <translation>Não há espaço livre suficiente no disco da pasta temporária. São necessários pelo menos %1 no disco %2.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>Não há espaço suficiente no disco de destino. São necessários pelo menos %1 no disco %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Não é possível gravar em %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>A pasta %1 será esvaziada. Deseja continuar?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>O sistema de arquivos do disco de destino (%1) não aceita arquivos maiores que 4 GB. Escolha outro destino.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>O arquivo %1 será substituído. Deseja continuar?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1: gravador inexistente.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 é uma pasta, não uma unidade óptica.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 é um arquivo, não uma unidade óptica; para gravar nele uma imagem de disco, use stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 não é uma unidade óptica.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>Nenhum gravador foi encontrado.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Gravadores encontrados: %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 é uma pasta; uma imagem de disco precisa de um nome de arquivo.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Escolha o destino.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>O disco na unidade não está vazio. Gravar neste disco apagará todos os seus dados.
Deseja continuar?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Insira um disco vazio.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>Não há espaço livre suficiente no disco. Insira outro disco.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Insira um disco vazio e gravável.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>A gravação falhou! %1Recomendamos gravar novamente.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>A gravação falhou! Não foi possível abrir a imagem ISO; recomendamos gravar novamente.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>Não foi possível abrir o disco, tente novamente.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>Não foi possível gravar no disco, tente novamente.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>Não foi possível ler os dados do DVD.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>Não foi possível criar a pasta do DVD.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>A gravação falhou!</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Verificação do disco interrompida</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>Gravação cancelada!</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>Falha ao apagar!</translation>
    </message>
</context>
<context>
    <name>CapacityBar</name>
    <message>
        <source>%1GB</source>
        <comment>scale label</comment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Disc capacity</source>
        <translation>Capacidade do disco</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>O espaço no disco é suficiente</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>O tamanho está perto da capacidade máxima do disco</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>O tamanho ultrapassa a capacidade máxima do disco</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Adicionar cartela de título</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Cartela de título</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Tamanho (% da altura da imagem):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Posição:</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Legibilidade:</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Duração (s):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fundo:</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>C&amp;ores de fundo:</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>F&amp;oto:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Legibilidade</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Embaixo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Em cima</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centralizado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Sombra suave</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Faixa translúcida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Outra...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Cor do gradiente</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Cor sólida</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradiente</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Foto desfocada</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Depois da foto selecionada</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Antes da foto selecionada</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>No início</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>No fim</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Aplicar o estilo a &amp;todas</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>A fonte &quot;%1&quot; não está instalada aqui; o texto é desenhado em &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>não é um objeto</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>não é um texto</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>não é true nem false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 está fora de %2 a %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>não é uma cor (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>não é um de %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>cria um DVD com fotos e música (veja make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Uso: sorvel [COMANDO [OPÇÕES]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Sem um comando, abre o editor de apresentações.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar a versão e sair</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>&quot;sorvel COMANDO --help&quot; mostra as opções de um comando.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>criar um arquivo de vídeo MP4 a partir de fotos e música (veja make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>A pasta %1 será esvaziada. Deseja continuar?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Digite o rótulo do volume</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>Abrir pasta do DVD...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Não é possível gravar em %1: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>Imagem de DVD (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Escolha o destino.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Salvar como pasta de DVD</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Salvar como imagem (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>Aguardando um disco</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Para pular a verificação do disco, clique em &quot;Ignorar&quot;; ela aparecerá de novo ao iniciar a gravação.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>Não é possível esvaziar %1: %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>Falha ao apagar o disco em %1</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>A pasta do DVD %1 não existe</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>O genisoimage não foi encontrado</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>Não foi possível iniciar o genisoimage: %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1: não há espaço no dispositivo</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>Não é possível abrir a imagem %1</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>Memória insuficiente para preparar a gravação</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>Não é possível preparar a imagem %1 para gravação</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>Não é possível abrir o disco em %1</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>Não é possível gravar o disco em %1: %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>Falha ao gravar em %1: %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>Não é possível truncar %1</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>Não é possível preparar a imagem de disco em %1: %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>A imagem %1 não existe</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>Não é possível renomear a imagem para %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>Não é possível remover %1</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>Não é possível abrir a unidade %1</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>A biblioteca de gravação de discos não está disponível</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Não é possível gerar a apresentação: %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>Não é possível criar o fluxo de áudio: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Não é possível iniciar a codificação: %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>A codificação falhou: %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>O vídeo codificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Os fluxos codificados não foram encontrados.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>o mplex não começou a ler o vídeo</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Não foi possível criar o DVD!</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>Não é possível criar o fluxo de vídeo: %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>O vídeo terminou antes do previsto.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>DvdMenu</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Photos %1 of %2</source>
        <translation>Fotos %1 de %2</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>Configurações do DVD</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation>Rótulo do volume:</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Rótulo do volume</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Velocidade de gravação:</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Velocidade de gravação</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Cópias:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Configurações de vídeo</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>O máximo que o vídeo pode ocupar: Alta até 9 Mbit/s, Normal até 5, Baixa até 2. Fotos paradas ocupam bem menos.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Padrão de TV:</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Padrão de TV</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>Ao terminar a apresentação:</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>Ao terminar a apresentação</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>O que o disco faz após a última foto: recomeçar a apresentação ou parar como um filme</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configurações de áudio</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Taxa de bits do áudio</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kbit/s (qualidade de áudio mínima)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kbit/s (qualidade de áudio baixa)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kbit/s (qualidade de áudio normal)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kbit/s (qualidade de áudio alta)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kbit/s (qualidade de áudio máxima)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Canais de áudio</translation>
    </message>
    <message>
        <source>1 (Mono)</source>
        <translation>1 (Mono)</translation>
    </message>
    <message>
        <source>2 (Stereo)</source>
        <translation>2 (Estéreo)</translation>
    </message>
    <message>
        <source>5.1 (D.D.)</source>
        <translation>5.1 (D.D.)</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Tamanho estimado:</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation>Tamanho estimado: até %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>A forma da imagem: 16:9 preenche uma TV widescreen (uma 4:3 a mostra com tarjas); 4:3 preenche uma TV antiga</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 widescreen</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capítulos:</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>A chapter at every photo lets a remote&apos;s Next and Previous buttons step through the photos</source>
        <translation>Um capítulo em cada foto permite que os botões Próximo e Anterior do controle remoto passem pelas fotos</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Um por foto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Começar com um menu</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>O disco abre no título do álbum com Reproduzir e um índice das fotos, e volta para lá no fim da apresentação; cada foto então inicia um capítulo</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Prévia do menu</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>A página principal do menu</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>O disco inicia a apresentação imediatamente</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Título do menu:</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Título do menu</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>O texto da página principal do menu; vazio: o rótulo do volume</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Fundo do menu</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>A imagem atrás do menu, desfocada e escurecida</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Música no menu</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>O primeiro clipe de áudio toca sob o menu, com fade de entrada e saída, sem parar</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Primeira foto</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>A aparência de uma cartela de título</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>O álbum não tem música</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Editar áudio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Clipes de áudio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Ponto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Ponto final</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Posição do clipe e pontos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Reproduzir trecho</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Definir ponto inicial</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Definir ponto final</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Posição e duração</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>O som não está disponível: %1 Os clipes ainda podem ser ordenados e cortados, mas não reproduzidos.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Escolher um ou mais arquivos</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Alguns arquivos não foram adicionados à lista:
</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Sorvel</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importar fotos</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importar pasta de fotos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importar arquivos de áudio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Girar automaticamente</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Anterior (Esquerda)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproduzir (Espaço)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausar (Espaço)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Parar (Home)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Próxima (Direita)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Album Settings</source>
        <translation>Configurações do álbum</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>Ajustar à música</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Panorâmica e zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Usar transições</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Só dissolver</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Transições aleatórias</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Configurações de áudio</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar áudio</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Rolar as faixas</translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation>Tipo de disco</translation>
    </message>
    <message>
        <source>DVD 4.7G</source>
        <translation>DVD 4,7 GB</translation>
    </message>
    <message>
        <source>DVD 8.5G</source>
        <translation>DVD 8,5 GB</translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation>Criar DVD</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>&amp;Importar fotos...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>I&amp;mportar pasta de fotos...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>Importar arquivos de &amp;áudio...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Abrir projeto...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Salvar projeto como...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Girar todas as fotos automaticamente</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Girar as fotos automaticamente ao importar</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Criar DVD</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;Não fazer nada</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>&amp;Sair do programa</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Hibernar</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Desligar</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>S&amp;uspender</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>A&amp;ções</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Ação &amp;depois de criar</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeiros passos</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Escolher um ou mais arquivos</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Duração de cada foto</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Duração da transição</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Tipo de transição</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Repetir o áudio</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projetos recentes</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>O som não está disponível (%1); a prévia é reproduzida sem som.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>Configurações do DVD</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Projetos do Sorvel (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>O álbum &quot;%1&quot; tem alterações não salvas.
Deseja salvá-las?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir projeto</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abrindo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Salvar projeto como</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Igualar o volume</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Fade de entrada e saída</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Duração do fade</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Crossfade</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Igualar o volume</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Fade de entrada e saída</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Duração do fade</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Enquadramento</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Fotos de formato diferente da imagem: inteiras com tarjas pretas, preenchendo a imagem (bordas cortadas) ou inteiras sobre uma cópia desfocada delas mesmas</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preencher</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Fundo desfocado</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>&amp;Exportar vídeo...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Exportar a apresentação como arquivo de vídeo MP4</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>A prévia não está disponível nesta tela (%1): ela não consegue exibir OpenGL. Todo o resto, inclusive criar DVDs, funciona.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Exportar vídeo</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Revincular arquivos ausentes...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>o nome não é um texto válido; renomeie o arquivo</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Aplicar estilo de legenda a todas</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Cartela de título</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Adicionar cartela de título</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Legenda...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Adicionar cartela de título...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Alguns valores do projeto estão fora do que o editor oferece e foram alterados; salvar o projeto mantém os novos valores:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>Não é possível salvar o projeto em %1: %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>%n arquivo do projeto está ausente ou não pode ser lido. Ele mantém seu lugar no álbum e é salvo com ele, mas a prévia e o DVD o omitem até que seja encontrado. Revincular o procura pelo nome em uma pasta (e suas subpastas).</numerusform>
            <numerusform>%n arquivos do projeto estão ausentes ou não podem ser lidos. Eles mantêm seus lugares no álbum e são salvos com ele, mas a prévia e o DVD os omitem até que sejam encontrados. Revincular os procura pelo nome em uma pasta (e suas subpastas).</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Revincular...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Revincular: procurar em uma pasta</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>Procurando em %1...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Revincular</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Revincular arquivos</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n arquivo encontrado novamente.</numerusform>
            <numerusform>%n arquivos encontrados novamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>%1 encontrados novamente; %2 ainda ausentes:</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Um álbum nunca salvo</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>O álbum &quot;%1&quot;</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 não foi fechado corretamente. As alterações não salvas foram guardadas em %2 (%n foto).
Deseja recuperá-las?</numerusform>
            <numerusform>%1 não foi fechado corretamente. As alterações não salvas foram guardadas em %2 (%n fotos).
Deseja recuperá-las?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar trabalho não salvo</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
</context>
<context>
    <name>ExportVideoDialog</name>
    <message>
        <source>Export Video</source>
        <translation>Exportar vídeo</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Arquivo:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamanho:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Taxa de &amp;quadros:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualidade:</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Tamanho estimado:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>720p (HD)</source>
        <translation>720p (HD)</translation>
    </message>
    <message>
        <source>1080p (Full HD)</source>
        <translation>1080p (Full HD)</translation>
    </message>
    <message>
        <source>2160p (4K)</source>
        <translation>2160p (4K)</translation>
    </message>
    <message>
        <source>16:9 (wide screen)</source>
        <translation>16:9 (widescreen)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (vertical, para celulares)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadrado)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Small file</source>
        <translation>Arquivo pequeno</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Tamanho estimado</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Onde o vídeo é gravado (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Cerca de %1 GB</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Cerca de %1 MB</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vídeo MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>um pipe nomeado (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progresso da importação</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importando %1...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Alguns arquivos não foram adicionados à lista:</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Leia-me</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Transforma fotos e música em apresentações de DVD-Vídeo.</translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation>
            <numerusform>%n clipe de áudio</numerusform>
            <numerusform>%n clipes de áudio</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Gravando a próxima cópia...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Concluído em %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(responda com --yes para continuar)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detalhes: %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Abrindo o projeto %1...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>o projeto não tem nenhuma foto para uma apresentação</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>Ajustar à música: a música dá menos de 1 s ou mais de 999 s por foto; a duração de cada foto continua %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>Importando %1 e %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n arquivo de áudio</numerusform>
            <numerusform>%n arquivos de áudio</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Alguns arquivos não foram adicionados à lista:</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>nenhuma foto para uma apresentação</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Saída (exatamente uma é obrigatória):</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>gravar a pasta do DVD em DIR/&lt;rótulo do volume&gt;</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>gravar uma imagem ISO (&quot;.iso&quot; é acrescentado se faltar)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>gravar em um gravador (/dev/sr0, ou stdio:/caminho/disco.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD:</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>rótulo do disco (padrão &quot;My DVD&quot;)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>padrão de TV (padrão: das configurações ou do idioma do sistema)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (até 9 Mbit/s), normal (5), low (2) ou uma taxa de 2 a 9: o máximo que o vídeo pode ocupar; fotos paradas ocupam menos</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>taxa de bits AC-3, de 128 a 448 (padrão 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>canais de áudio (padrão 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>ao terminar a apresentação, repeti-la (padrão) ou parar</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Apresentação:</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>tempo de exibição de cada foto, de 1000 a 999000 (padrão 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>duração de cada transição, de 500 a 5000 (padrão 1500); as duas durações são arredondadas para quadros inteiros de vídeo</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>passar de uma foto à outra sem transição</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>dissolver em vez de cortinas com padrão</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>sem panorâmica nem zoom</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>recomeçar a música se ela terminar antes das fotos</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>ajustar o tempo das fotos à duração da música</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>ignorar a orientação EXIF das fotos</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Execução:</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>pasta de trabalho (padrão: a configuração TemporaryDir); cada execução trabalha em sua própria subpasta nova</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>manter a subpasta de trabalho da execução</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>discos a gravar com --to-drive (padrão 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>velocidade de gravação, &quot;Max&quot; ou, por exemplo, 8X (padrão Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>responder Sim às perguntas (substituir, esvaziar, disco não vazio); sem esta opção uma pergunta encerra a execução com código de saída 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>mostrar só os erros e o resultado</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>mostrar também as mensagens de diagnóstico do programa e das bibliotecas que ele usa (FFmpeg, Qt); elas sempre vão para o registro de diagnóstico make-dvd.log na pasta de cache</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ajuda</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-dvd [OPÇÕES] CAMINHO...
     sorvel make-dvd [OPÇÕES] PROJETO.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Cria uma apresentação de DVD-Vídeo com fotos e música sem abrir uma janela.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>CAMINHO: arquivos de fotos, arquivos de áudio ou pastas. Uma pasta acrescenta suas fotos e arquivos de áudio (um nível, em ordem de nome). Fotos e clipes mantêm a ordem dada.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROJETO.sorvel: um projeto salvo com suas fotos, clipes, configurações e escolhas do DVD; as opções dadas aqui têm prioridade sobre as do projeto.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Códigos de saída: 0 a saída está completa, 1 falha, 2 erro de uso.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Ctrl-C cancela de forma limpa: os programas auxiliares terminam e a subpasta de trabalho é removida.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>a opção %1 não aceita valor</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>a opção %1 precisa de um valor não vazio</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard deve ser PAL ou NTSC</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality deve ser high, normal, low ou um número de 2 a 9</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate deve ser um número de 128 a 448</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels deve ser 1, 2 ou 6</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end deve ser repeat ou stop</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 deve ser um número de milissegundos de %2 a %3</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies deve ser um número de 1 a 99</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>uma saída é obrigatória: --to-folder, --to-iso ou --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>indique só uma de --to-folder, --to-iso e --to-drive</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>nenhuma foto ou pasta indicada</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies só serve com --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Nem fotos nem áudio pelo nome, não aproveitados das pastas:</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>levar cada clipe ao mesmo volume (-16 LUFS; padrão) ou tocar os clipes no próprio nível</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>fazer a música entrar em fade no início e sair no fim da apresentação, de 500 a 10000 ms (0: sem fade, padrão)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>sobrepor clipes consecutivos, de 0 a 10000 ms (padrão 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness deve ser even ou keep</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade deve ser 0 ou um número de milissegundos de %1 a %2</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade deve ser um número de milissegundos de 0 a %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s de vídeo, %4 x %5 (%6) a %7 quadros/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s de vídeo, %4 %5, até %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Alguns arquivos do projeto estão ausentes ou não podem ser lidos:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>%n arquivo do projeto está ausente; use --yes para criar o DVD sem ele</numerusform>
            <numerusform>%n arquivos do projeto estão ausentes; use --yes para criar o DVD sem eles</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Criando o DVD sem eles</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>fotos de formato diferente da imagem: inteiras com tarjas pretas (padrão), preenchendo-a (o centro mantido) ou inteiras sobre uma cópia desfocada e escurecida delas mesmas</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>a forma da imagem: widescreen (padrão) ou 4:3; uma TV 4:3 mostra 16:9 com tarjas</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>um capítulo em cada foto (padrão), para que Próximo e Anterior do controle remoto passem por elas, ou nenhum</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>o disco abre em um menu com Reproduzir e um índice das fotos (padrão; com capítulos nas fotos) ou inicia a apresentação imediatamente</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Saída (obrigatória):</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>o arquivo de vídeo (&quot;.mp4&quot; é acrescentado se faltar)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>o lado menor da imagem (padrão 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>a forma da imagem; 9:16 fica em pé para celulares (padrão 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>quadros por segundo (padrão 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>high (CRF 18), normal (CRF 21, padrão) ou small (CRF 26): CRF menor é mais nítido e maior</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>sobrescrever um arquivo existente; sem isso, um arquivo existente encerra a execução com código de saída 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>mostrar também as mensagens de diagnóstico do programa e das bibliotecas que ele usa (FFmpeg, Qt); elas sempre vão para o log de diagnóstico, make-video.log na pasta de cache</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-video [OPÇÕES] --to ARQUIVO.mp4 CAMINHO...
     sorvel make-video [OPÇÕES] --to ARQUIVO.mp4 PROJETO.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Cria um arquivo de vídeo MP4 (H.264 e AAC, um capítulo em cada foto) de uma apresentação de fotos e música sem abrir janela.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROJETO.sorvel: um projeto salvo com suas fotos, clipes, configurações e escolhas de vídeo; as opções dadas aqui prevalecem sobre as do projeto.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Ctrl-C cancela de forma limpa: nada do arquivo permanece.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>a opção %1 é para make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>a opção %1 é para make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>a opção --to precisa de um valor não vazio</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size deve ser 720p, 1080p ou 2160p</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape deve ser 16:9, 4:3, 9:16 ou 1:1</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps deve ser 25, 30, 50 ou 60</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality deve ser high, normal ou small</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect deve ser 16:9 ou 4:3</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters deve ser photo ou none</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing deve ser fit, fill ou blur</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>a saída é obrigatória: --to ARQUIVO.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>informe --to apenas uma vez</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>nem uma imagem nem um arquivo de som</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>a pasta não pode ser lida</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>o nome não é um texto válido; renomeie o arquivo</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background: %1 não é uma foto da apresentação</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>o texto da página principal do menu, qualquer texto (padrão: o rótulo do volume)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>a foto da apresentação atrás do menu (padrão: a primeira foto)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>o primeiro clipe de áudio toca sob o menu, com fade, sem parar (padrão quando há música), ou o menu fica em silêncio</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Verificando o destino...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Criando o vídeo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Criando o menu...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Criando o DVD...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Criando a pasta do DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Criando a ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Verificando o disco</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Apagando</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Gravando o disco</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizando o disco</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>A pasta temporária %1 não existe e não pode ser criada.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>Não é possível criar uma pasta de trabalho em %1: %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>O álbum não tem fotos.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Verificação do disco interrompida</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>a pasta não pode ser marcada como em uso</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>A apresentação precisa de cerca de %1, mais do que o maior DVD comporta (%2 em um disco de camada dupla).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Nenhum DVD comporta a imagem. Criar mesmo assim?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Escolha uma qualidade menor ou encurte a apresentação (menos fotos ou menos tempo para cada uma).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Escolha o arquivo de vídeo.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 é uma pasta; escolha um nome de arquivo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>Não é possível gravar na pasta %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>O sistema de arquivos de %1 não suporta arquivos maiores que 4 GB; escolha outro local.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>O arquivo &quot;%1&quot; será sobrescrito. Deseja continuar?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>Espaço insuficiente em %1: o vídeo precisa de cerca de %2 MB.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation>Modelo da câmera:</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Bits por pixel comprimidos:</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Tempo de exposição:</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Número f:</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Modo de exposição:</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Compensação de exposição:</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Abertura máxima:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Taxa de amostragem:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>%1KB</source>
        <comment>file size in kilobytes</comment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1Hz</source>
        <comment>sample rate</comment>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>MediaTypes</name>
    <message>
        <source>JPEG Files</source>
        <translation>Arquivos JPEG</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>Arquivos HEIF</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>Arquivos AVIF</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>Arquivos WebP</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>Arquivos PNG</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>Arquivos TIFF</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>Arquivos BMP</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Arquivos GIF</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>Arquivos XBM</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>Arquivos XPM</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Arquivos MP3</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>Arquivos AAC e M4A</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>Arquivos Ogg</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Arquivos FLAC</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Arquivos WAV</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>Arquivos WebM e Matroska</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Arquivos AIFF</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Arquivos AC3</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>Arquivos WMA</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Outros arquivos de áudio</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensões</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidade</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Girar automaticamente</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Girar todas as fotos automaticamente</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Arraste fotos para cá</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importar fotos</translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation>Copiar fotos</translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation>Mover fotos</translation>
    </message>
    <message>
        <source>%1 Bits</source>
        <comment>colour depth</comment>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Omitida da prévia e do DVD até ser encontrada (Revincular...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (ausente)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Cartela de título</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Title card: %1</source>
        <translation>Cartela de título: %1</translation>
    </message>
    <message>
        <source>%1, caption: %2</source>
        <translation>%1, legenda: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Pasta temporária</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Excluir arquivos temporários depois da gravação</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>O idioma muda na próxima vez que o Sorvel for iniciado.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restaurar padrão</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Processador</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>O número de núcleos usados para criar o DVD afeta a velocidade e os recursos do sistema necessários.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Usar todos os núcleos (a criação mais rápida)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>Usar o mínimo de núcleos (os menores recursos)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Número de núcleos:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Ação depois de criar</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Ação depois de criar:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Escolher uma pasta</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Não foi possível abrir a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>O caminho escolhido não é válido, escolha outro.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>A pasta escolhida é somente leitura, escolha outra pasta.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>A placa de som não consegue reproduzir %1 canais.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>O dispositivo de som não está mais disponível.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>grande demais (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>truncado</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>danificado: %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>não é um arquivo de som</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>não tem som que o programa possa reproduzir</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>Criando o DVD…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Tempo decorrido: 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation>Gravar outra</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>Cancelar?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Criando o título</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Criando o menu</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>Criando o DVD</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Criando a pasta do DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Criando a ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Verificando o disco</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Gravando o disco</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Criando o DVD...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Verificando o destino...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Criando o vídeo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Criando o menu...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Apagando</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizando o disco</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>Criado com sucesso!</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>A pasta do DVD é %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>A imagem do DVD é %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>O DVD foi gravado em %1.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Não foi possível criar o DVD!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Tempo decorrido: %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Cancelando, aguarde...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Não foi possível abrir a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Depois:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Criando o vídeo</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Exportando o vídeo...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>O arquivo de vídeo é %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>Falha ao exportar o vídeo!</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>O arquivo está danificado.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>O arquivo não é um projeto do Sorvel.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>Ele foi salvo por uma versão mais nova do Sorvel (formato de projeto %1; esta versão lê o formato %2). Atualize o Sorvel para abri-lo.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>Não é possível salvar o projeto em %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Não é possível abrir o projeto %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>Não é possível abrir o projeto %1.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>Não é JSON válido no byte %1: %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version: não é uma versão de formato.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>não é uma lista</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>não é 0, 1, 2 nem 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>antes de clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>não é uma sonoridade</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>não é um nível de pico</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>não é um texto</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>não é &quot;PAL&quot; nem &quot;NTSC&quot;</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>não é 1, 2 nem 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>não é &quot;repeat&quot; nem &quot;stop&quot;</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>não é 25, 30, 50 nem 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir o projeto %1: %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>Não é possível abrir o projeto %1: é grande demais (%2 MB; um projeto tem no máximo %3 MB).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>Não é possível abrir o projeto %1: é grande demais (um projeto tem no máximo %2 MB).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>não é true nem false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>não é um número inteiro</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 está fora de %2 a %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 era %2; o editor aceita de %3 a %4, então agora é %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>não é uma das opções</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativo</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>não é um texto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>não é um objeto</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>não é 0 nem 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>não é uma lista de quatro números</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Não foi possível iniciar o programa. Reinstale-o.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Não é possível renderizar a apresentação: %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>Não é possível gravar o vídeo: %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>Não é possível criar o arquivo de vídeo: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Não é possível iniciar a codificação: %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>Não é possível renomear %1 para %2: %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Tipo de disco necessário:</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Tipo de disco segundo o gravador:</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Capacidade necessária:</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Espaço livre no disco:</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation>Tem certeza de que deseja cancelar?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>o editor já aberto não respondeu; os arquivos não foram abertos</translation>
    </message>
</context>
</TS>
