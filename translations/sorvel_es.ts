<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Clips de audio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto final</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Arrastre aquí los archivos de audio</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Copiar clips</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Mover clips</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Importar audio</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (falta)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>No se pudo abrir ningún dispositivo de salida de sonido.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>No se pudo configurar el dispositivo de salida de sonido.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>El dispositivo de salida de sonido no tiene ninguna voz libre.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>El dispositivo de salida de sonido no tiene espacio para los búferes de sonido.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Tasa de bits personalizada</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Introduzca la tasa de bits deseada:</translation>
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
        <translation>Introduzca un valor válido</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>La carpeta de salida no existe. Elija la carpeta de salida e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>La carpeta temporal no existe. Elija la carpeta temporal e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>Otra grabación está en curso. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>La grabación ha fallado. ¿Desea intentarlo de nuevo?</translation>
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
        <translation>No hay espacio libre suficiente en el disco de la carpeta temporal. Se necesitan al menos %1 en el disco %2.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>No hay espacio suficiente en el disco de destino. Se necesitan al menos %1 en el disco %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Se vaciará la carpeta %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>El sistema de archivos del disco de destino (%1) no admite archivos de más de 4 GB. Elija otro destino.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>Se sobrescribirá el archivo %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1: no existe esa grabadora.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 es una carpeta, no una unidad óptica.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 es un archivo, no una unidad óptica; para escribir en él una imagen de disco, use stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 no es una unidad óptica.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>No se ha encontrado ninguna grabadora.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Grabadoras encontradas: %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 es una carpeta; una imagen de disco necesita un nombre de archivo.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Elija el destino.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>El disco de la unidad no está vacío. Al grabarlo se borrarán todos sus datos.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Inserte un disco vacío.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>No hay espacio libre suficiente en el disco. Inserte otro disco.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Inserte un disco vacío y grabable.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>¡La grabación ha fallado! %1Le recomendamos grabar de nuevo.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>¡La grabación ha fallado! No se pudo abrir la imagen ISO; le recomendamos grabar de nuevo.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>No se pudo abrir el disco, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>No se pudo escribir en el disco, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>No se pudieron leer los datos del DVD.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>No se pudo crear la carpeta del DVD.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>¡La grabación ha fallado!</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Comprobación del disco detenida</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>¡Grabación cancelada!</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>¡El borrado ha fallado!</translation>
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
        <translation>Capacidad del disco</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>El espacio del disco es suficiente</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>El tamaño se acerca a la capacidad máxima del disco</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>El tamaño supera la capacidad máxima del disco</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Pie de foto</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Añadir cartela de título</translation>
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
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Tamaño (% de la altura de la imagen):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Posición:</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Legibilidad:</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Duración (s):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fondo:</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>C&amp;olores de fondo:</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>F&amp;oto:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>&amp;Lugar:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Legibilidad</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Sombra suave</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Banda translúcida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Otro...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Color del degradado</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Color liso</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Degradado</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Foto desenfocada</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Después de la foto seleccionada</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Antes de la foto seleccionada</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>Al principio</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Al final</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Aplicar el estilo a &amp;todas</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>La fuente «%1» no está instalada aquí; el texto se dibuja en «%2».</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 está fuera de %2 a %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>no es un color (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>no es uno de %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>crea un DVD con fotos y música (véase make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Uso: sorvel [ORDEN [OPCIONES]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Sin una orden, inicia el editor de presentaciones.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>«sorvel ORDEN --help» muestra las opciones de una orden.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>crear un archivo de vídeo MP4 a partir de fotos y música (véase make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>Se vaciará la carpeta %1. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Introduzca la etiqueta del volumen</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>Abrir carpeta de DVD...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>Imagen de DVD (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Elija el destino.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Guardar como carpeta de DVD</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Guardar como imagen (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>Esperando un disco</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Para omitir la comprobación del disco, pulse «Ignorar»; volverá a aparecer al empezar a grabar.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>No se puede vaciar %1: %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>El borrado del disco en %1 ha fallado</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>La carpeta del DVD %1 no existe</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>No se ha encontrado genisoimage</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>No se pudo iniciar genisoimage: %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1: no queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>No se puede abrir la imagen %1</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>No hay memoria suficiente para preparar la escritura</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>No se puede preparar la imagen %1 para escribirla</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>No se puede abrir el disco en %1</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>No se puede escribir el disco en %1: %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>La escritura en %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>No se puede truncar %1</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>No se puede preparar la imagen de disco en %1: %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>La imagen %1 no existe</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>No se puede cambiar el nombre de la imagen a %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>No se puede eliminar %1</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>No se puede abrir la unidad %1</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>La biblioteca de grabación de discos no está disponible</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>No se puede generar la presentación: %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>No se puede crear el flujo de audio: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>No se puede empezar a codificar: %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>La codificación ha fallado: %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>Falta el vídeo codificado.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Faltan los flujos codificados.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>mplex no empezó a leer el vídeo</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>¡No se pudo crear el DVD!</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>No se puede crear el flujo de vídeo: %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>El vídeo terminó antes de tiempo.</translation>
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
        <translation>Reproducir</translation>
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
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>Ajustes del DVD</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
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
        <translation>Etiqueta del volumen:</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etiqueta del volumen</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Velocidad de grabación:</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Velocidad de grabación</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Ajustes de vídeo</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Calidad de vídeo</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>Lo máximo que puede ocupar el vídeo: Alta hasta 9 Mbit/s, Normal hasta 5, Baja hasta 2. Las fotos fijas ocupan mucho menos.</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Norma de TV:</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Norma de TV</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>Al terminar la presentación:</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>Al terminar la presentación</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>Qué hace el disco tras la última foto: empezar de nuevo la presentación o detenerse como una película</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Reproducir de nuevo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ajustes de audio</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Tasa de bits de audio</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kbit/s (calidad de audio mínima)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kbit/s (calidad de audio baja)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kbit/s (calidad de audio normal)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kbit/s (calidad de audio alta)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kbit/s (calidad de audio máxima)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Canales de audio</translation>
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
        <translation>Tamaño estimado:</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
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
        <translation>Tamaño estimado: hasta %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Relación de aspecto:</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>La forma de la imagen: 16:9 llena un televisor panorámico (uno 4:3 la muestra con franjas); 4:3 llena uno antiguo</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 panorámico</translation>
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
        <translation>Un capítulo en cada foto permite que los botones Siguiente y Anterior de un mando recorran las fotos</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Uno por foto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Empezar con un menú</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>El disco se abre con el título del álbum, Reproducir y un índice de las fotos, y vuelve allí al final de la presentación; cada foto empieza entonces un capítulo</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Vista previa del menú</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>La página principal del menú</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>El disco empieza la presentación enseguida</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Título del menú:</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Título del menú</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>El texto de la página principal del menú; vacío: la etiqueta del volumen</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Fondo del menú</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>La imagen detrás del menú, desenfocada y oscurecida</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Música en el menú</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>El primer clip de audio suena bajo el menú, con fundido de entrada y salida, una y otra vez</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Primera foto</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>El aspecto de una cartela de título</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>El álbum no tiene música</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Clips de audio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto final</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Posición del clip y puntos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Reproducir segmento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Fijar punto inicial</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Fijar punto final</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Posición y duración</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>El sonido no está disponible: %1 Los clips se pueden ordenar y recortar, pero no reproducir.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Elegir uno o varios archivos</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Algunos archivos no se han añadido a la lista:
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
        <translation>Importar carpeta de fotos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importar archivos de audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Girar automáticamente</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Anterior (Izquierda)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Reproducir (Espacio)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Espacio)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Detener (Inicio)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Siguiente (Derecha)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Album Settings</source>
        <translation>Ajustes del álbum</translation>
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
        <translation>Transición</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>Ajustar a la música</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Panorámica y zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Usar transiciones</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Solo fundidos</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Transiciones al azar</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Ajustes de audio</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Desplazar las tiras</translation>
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
        <translation>Crear DVD</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>&amp;Importar fotos...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>I&amp;mportar carpeta de fotos...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>Importar archivos de &amp;audio...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Abrir proyecto...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Guardar proyecto como...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Girar automáticamente todas las fotos</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Girar las fotos automáticamente al importar</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Crear DVD</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;No hacer nada</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>&amp;Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Hibernar</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Apagar</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>&amp;Suspender</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
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
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Acción &amp;después de crear</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Elegir uno o varios archivos</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Duración de cada foto</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Duración de la transición</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Tipo de transición</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Repetir el audio</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>El sonido no está disponible (%1); la vista previa se reproduce sin sonido.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>Ajustes del DVD</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Proyectos de Sorvel (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>El álbum «%1» tiene cambios sin guardar.
¿Desea guardarlos?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Abriendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Guardar proyecto como</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Igualar el volumen</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Fundido de entrada y salida</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Duración del fundido</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Fundido cruzado</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Igualar el volumen</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Fundido de entrada y salida</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Duración del fundido</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Encuadre</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Fotos de otra forma que la imagen: enteras con franjas negras, llenando la imagen (con los bordes recortados) o enteras sobre una copia desenfocada de sí mismas</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Llenar</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Fondo desenfocado</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>&amp;Exportar vídeo...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Exportar la presentación como archivo de vídeo MP4</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>La vista previa no está disponible en esta pantalla (%1): no puede mostrar OpenGL. Todo lo demás, incluida la creación de DVD, funciona.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Exportar vídeo</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Volver a vincular archivos que faltan...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>el nombre no es un texto válido; cambie el nombre del archivo</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Aplicar el estilo del pie de foto a todas</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Pie de foto</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Cartela de título</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Añadir cartela de título</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Pie de foto...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Añadir cartela de título...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Algunos valores del proyecto quedan fuera de lo que ofrece el editor y se han cambiado; al guardar el proyecto se conservan los nuevos valores:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>No se puede guardar el proyecto en %1: %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>Falta %n archivo del proyecto o no se puede leer. Conserva su lugar en el álbum y se guarda con él, pero la vista previa y el DVD lo omiten hasta que se encuentre. Volver a vincular lo busca por nombre en una carpeta (y sus subcarpetas).</numerusform>
            <numerusform>Faltan %n archivos del proyecto o no se pueden leer. Conservan su lugar en el álbum y se guardan con él, pero la vista previa y el DVD los omiten hasta que se encuentren. Volver a vincular los busca por nombre en una carpeta (y sus subcarpetas).</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Volver a vincular...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Volver a vincular: buscar en una carpeta</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>Buscando en %1...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Volver a vincular</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Volver a vincular archivos</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n archivo encontrado de nuevo.</numerusform>
            <numerusform>%n archivos encontrados de nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>%1 encontrados de nuevo; siguen faltando %2:</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Un álbum nunca guardado</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>El álbum «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 no se cerró correctamente. Sus cambios sin guardar se conservaron en %2 (%n foto).
¿Desea recuperarlos?</numerusform>
            <numerusform>%1 no se cerró correctamente. Sus cambios sin guardar se conservaron en %2 (%n fotos).
¿Desea recuperarlos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recuperar el trabajo sin guardar</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
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
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>F&amp;orma:</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Fotogramas por se&amp;gundo:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Calidad:</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Tamaño estimado:</translation>
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
        <translation>16:9 (panorámico)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (vertical, para móviles)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (cuadrado)</translation>
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
        <translation>Archivo pequeño</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Tamaño estimado</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Dónde se guarda el vídeo (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Unos %1 GB</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Unos %1 MB</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 píxeles)</translation>
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
        <translation>falta</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progreso de la importación</translation>
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
        <translation>Algunos archivos no se han añadido a la lista:</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Léame</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Convierte fotos y música en presentaciones de DVD-Vídeo.</translation>
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
            <numerusform>%n clip de audio</numerusform>
            <numerusform>%n clips de audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Grabando la copia siguiente...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Terminado en %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(responda con --yes para continuar)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrumpido.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detalles: %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Abriendo el proyecto %1...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>el proyecto no tiene ninguna foto para una presentación</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>Ajustar a la música: la música da menos de 1 s o más de 999 s por foto; la duración de cada foto sigue siendo %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>Importando %1 y %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n archivo de audio</numerusform>
            <numerusform>%n archivos de audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Algunos archivos no se han añadido a la lista:</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>ninguna foto para una presentación</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Salida (se necesita exactamente una):</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>escribir la carpeta del DVD en DIR/&lt;etiqueta del volumen&gt;</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>escribir una imagen ISO (se añade «.iso» si falta)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>grabar en una grabadora (/dev/sr0, o stdio:/ruta/disco.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD:</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>etiqueta del disco (predeterminada «My DVD»)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>norma de TV (predeterminada: según los ajustes o la configuración regional)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (hasta 9 Mbit/s), normal (5), low (2) o una tasa de 2 a 9: lo máximo que puede ocupar el vídeo; las fotos fijas ocupan menos</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>tasa de bits AC-3, de 128 a 448 (predeterminada 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>canales de audio (predeterminado 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>al terminar la presentación, reproducirla de nuevo (predeterminado) o detenerse</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Presentación:</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>tiempo que se muestra cada foto, de 1000 a 999000 (predeterminado 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>duración de cada transición, de 500 a 5000 (predeterminada 1500); ambas duraciones se ajustan a fotogramas enteros</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>pasar de una foto a otra sin transición</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>fundidos en lugar de cortinillas con patrón</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>sin panorámica ni zoom</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>volver a empezar la música si termina antes que las fotos</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>ajustar el tiempo de las fotos a la duración de la música</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>no tener en cuenta la orientación EXIF de las fotos</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Ejecución:</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>carpeta de trabajo (predeterminada: el ajuste TemporaryDir); cada ejecución trabaja en su propia subcarpeta nueva</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>conservar la subcarpeta de trabajo de la ejecución</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>discos que grabar con --to-drive (predeterminado 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>velocidad de grabación, «Max» o p. ej. 8X (predeterminada Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>responder Sí a las preguntas (sobrescribir, vaciar, disco no vacío); sin esta opción una pregunta termina la ejecución con el código de salida 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>mostrar solo los errores y el resultado</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>mostrar también los mensajes de diagnóstico del programa y de las bibliotecas que usa (FFmpeg, Qt); siempre van al registro de diagnóstico make-dvd.log de la carpeta de caché</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-dvd [OPCIONES] RUTA...
     sorvel make-dvd [OPCIONES] PROYECTO.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Crea una presentación de DVD-Vídeo con fotos y música sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>RUTA: archivos de fotos, archivos de audio o carpetas. Una carpeta añade sus fotos y archivos de audio (un nivel, por orden de nombre). Las fotos y los clips conservan el orden dado.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROYECTO.sorvel: un proyecto guardado con sus fotos, clips, ajustes y opciones de DVD; las opciones dadas aquí tienen prioridad sobre las del proyecto.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Códigos de salida: 0 la salida está completa, 1 error, 2 error de uso.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Ctrl-C cancela limpiamente: los programas auxiliares terminan y se elimina la subcarpeta de trabajo.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>la opción %1 no admite ningún valor</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>la opción %1 necesita un valor no vacío</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard debe ser PAL o NTSC</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality debe ser high, normal, low o un número de 2 a 9</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate debe ser un número de 128 a 448</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels debe ser 1, 2 o 6</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end debe ser repeat o stop</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 debe ser un número de milisegundos de %2 a %3</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies debe ser un número de 1 a 99</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>se necesita una salida: --to-folder, --to-iso o --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>indique solo una de --to-folder, --to-iso y --to-drive</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>no se ha indicado ninguna foto ni carpeta</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies solo sirve con --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Ni fotos ni audio según su nombre, no tomados de las carpetas:</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>llevar cada clip al mismo volumen (-16 LUFS; predeterminado) o reproducir los clips a su propio nivel</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>hacer entrar la música con un fundido al principio y salir al final de la presentación, de 500 a 10000 ms (0: sin fundido, predeterminado)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>superponer clips consecutivos, de 0 a 10000 ms (predeterminado 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness debe ser even o keep</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade debe ser 0 o un número de milisegundos de %1 a %2</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade debe ser un número de milisegundos de 0 a %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s de vídeo, %4 x %5 (%6) a %7 fotogramas/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s de vídeo, %4 %5, hasta %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Faltan algunos archivos del proyecto o no se pueden leer:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>Falta %n archivo del proyecto; indique --yes para crear el DVD sin él</numerusform>
            <numerusform>Faltan %n archivos del proyecto; indique --yes para crear el DVD sin ellos</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Se crea el DVD sin ellos</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>fotos de otra forma que la imagen: enteras con franjas negras (predeterminado), llenándola (se conserva el centro) o enteras sobre una copia desenfocada y oscurecida de sí mismas</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>la forma de la imagen: panorámica (predeterminado) o 4:3; un televisor 4:3 muestra 16:9 con franjas</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>un capítulo en cada foto (predeterminado), para que Siguiente y Anterior del mando las recorran, o ninguno</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>el disco se abre con un menú con Reproducir y un índice de las fotos (predeterminado; con capítulos en las fotos) o empieza la presentación enseguida</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Salida (obligatoria):</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>el archivo de vídeo (se añade «.mp4» si falta)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Vídeo:</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>el lado corto de la imagen (predeterminado 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>la forma de la imagen; 9:16 es vertical para móviles (predeterminado 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>fotogramas por segundo (predeterminado 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>high (CRF 18), normal (CRF 21, predeterminado) o small (CRF 26): un CRF menor es más nítido y más grande</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>sobrescribir un archivo existente; sin esta opción, un archivo existente termina la ejecución con el código de salida 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>mostrar también los mensajes de diagnóstico del programa y de las bibliotecas que usa (FFmpeg, Qt); siempre van al registro de diagnóstico, make-video.log en la carpeta de caché</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-video [OPCIONES] --to ARCHIVO.mp4 RUTA...
     sorvel make-video [OPCIONES] --to ARCHIVO.mp4 PROYECTO.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Crea un archivo de vídeo MP4 (H.264 y AAC, un capítulo en cada foto) de una presentación de fotos y música sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROYECTO.sorvel: un proyecto guardado con sus fotos, clips, ajustes y opciones de vídeo; las opciones dadas aquí prevalecen sobre las del proyecto.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Ctrl-C cancela limpiamente: no queda nada del archivo.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>la opción %1 es para make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>la opción %1 es para make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>la opción --to necesita un valor no vacío</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size debe ser 720p, 1080p o 2160p</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape debe ser 16:9, 4:3, 9:16 o 1:1</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps debe ser 25, 30, 50 o 60</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality debe ser high, normal o small</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect debe ser 16:9 o 4:3</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters debe ser photo o none</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing debe ser fit, fill o blur</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>la salida es obligatoria: --to ARCHIVO.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>indique --to solo una vez</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>no es una imagen ni un archivo de sonido</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>el nombre no es un texto válido; cambie el nombre del archivo</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background: %1 no es una foto de la presentación</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>el texto de la página principal del menú, cualquier texto (por defecto: la etiqueta del volumen)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>la foto de la presentación detrás del menú (por defecto: la primera foto)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>el primer clip de audio suena bajo el menú, con fundido, una y otra vez (por defecto si hay música), o el menú queda en silencio</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Comprobando el destino...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Creando el vídeo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Creando el menú...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Creando el DVD...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Creando la carpeta del DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Creando la ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Comprobando el disco</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Borrando</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Grabando el disco</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizando el disco</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>La carpeta temporal %1 no existe y no se puede crear.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>No se puede crear una carpeta de trabajo en %1: %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>El álbum no tiene fotos.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Comprobación del disco detenida</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>no se puede marcar la carpeta como en uso</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>La presentación necesita unos %1, más de lo que cabe en el DVD más grande (%2 en un disco de doble capa).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Ningún DVD puede contener la imagen. ¿Crearla de todos modos?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Elija una calidad menor o acorte la presentación (menos fotos o menos tiempo para cada una).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Elija el archivo de vídeo.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 es una carpeta; elija un nombre de archivo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>El sistema de archivos de %1 no admite archivos de más de 4 GB; elija otro lugar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>El archivo «%1» se sobrescribirá. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>No hay espacio suficiente en %1: el vídeo necesita unos %2 MB.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
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
        <translation>Modelo de cámara:</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Bits por píxel comprimidos:</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Tiempo de exposición:</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Número f:</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Modo de exposición:</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Compensación de exposición:</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Apertura máxima:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
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
        <translation>Archivos JPEG</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>Archivos HEIF</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>Archivos AVIF</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>Archivos WebP</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>Archivos PNG</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>Archivos TIFF</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>Archivos BMP</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>Archivos GIF</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>Archivos XBM</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>Archivos XPM</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>Archivos AAC y M4A</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>Archivos Ogg</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>Archivos FLAC</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>Archivos WebM y Matroska</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>Archivos AIFF</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>Archivos AC3</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>Archivos WMA</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Otros archivos de audio</translation>
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
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Girar automáticamente</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Girar automáticamente todas las fotos</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Arrastre aquí las fotos</translation>
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
        <translation>falta</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Omitida en la vista previa y el DVD hasta que se encuentre (Volver a vincular...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (falta)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Cartela de título</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
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
        <translation>%1, pie de foto: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Carpeta temporal</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Eliminar los archivos temporales después de grabar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie Sorvel.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Procesador</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>El número de núcleos usados para crear el DVD influye en la velocidad y en los recursos del sistema necesarios.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Usar todos los núcleos (la creación más rápida)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>Usar el menor número de núcleos (los mínimos recursos)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Número de núcleos:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Acción después de crear</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Acción después de crear:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Apagar</translation>
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
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>No se pudo abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>La ruta elegida no es válida, elija otra.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>La carpeta elegida es de solo lectura, elija otra carpeta.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>La tarjeta de sonido no puede reproducir %1 canales.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>El dispositivo de sonido ya no está disponible.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>truncado</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>dañado: %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>no es un archivo de sonido</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>no tiene sonido que el programa pueda reproducir</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>Creando el DVD…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Tiempo transcurrido: 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0 %</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Apagar</translation>
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
        <translation>Grabar otra</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>¿Cancelar?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Creando el título</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Creando el menú</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>Creando el DVD</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Creando la carpeta del DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Creando la ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Comprobando el disco</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Grabando el disco</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Creando el DVD...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Comprobando el destino...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Creando el vídeo...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Creando el menú...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Borrando</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizando el disco</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>¡Creado correctamente!</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>La carpeta del DVD es %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>La imagen del DVD es %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>El DVD se ha grabado en %1.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>¡No se pudo crear el DVD!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Tiempo transcurrido: %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Cancelando, espere...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>No se pudo abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Después:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Creando el vídeo</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Exportando el vídeo...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>El archivo de vídeo es %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>¡No se pudo exportar el vídeo!</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>El archivo está dañado.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>El archivo no es un proyecto de Sorvel.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>Se guardó con una versión más reciente de Sorvel (formato de proyecto %1; esta versión lee el formato %2). Actualice Sorvel para abrirlo.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>No se puede guardar el proyecto en %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>No se puede abrir el proyecto %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>No se puede abrir el proyecto %1.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>No es JSON válido en el byte %1: %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version: no es una versión de formato.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>no es una lista</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>no es 0, 1, 2 ni 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>antes de clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>no es una sonoridad</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>no es un nivel de pico</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>no es «PAL» ni «NTSC»</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>no es 1, 2 ni 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>no es «repeat» ni «stop»</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>no es 25, 30, 50 ni 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el proyecto %1: %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>No se puede abrir el proyecto %1: es demasiado grande (%2 MB; un proyecto tiene como máximo %3 MB).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>No se puede abrir el proyecto %1: es demasiado grande (un proyecto tiene como máximo %2 MB).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>no es true ni false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 está fuera de %2 a %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 era %2; el editor admite de %3 a %4, así que ahora es %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>no es una de las opciones</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativo</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>no es un texto</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>no es 0 ni 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>no es una lista de cuatro números</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>No se pudo iniciar el programa. Vuelva a instalarlo.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>No se puede representar la presentación: %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>No se puede escribir el vídeo: %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>No se puede crear el archivo de vídeo: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>No se puede iniciar la codificación: %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>No se puede cambiar el nombre de %1 a %2: %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Tipo de disco necesario:</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Tipo de disco según la grabadora:</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Capacidad necesaria:</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Espacio libre en el disco:</translation>
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
        <translation>¿Seguro que desea cancelar?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>el editor abierto no ha respondido; no se han abierto los archivos</translation>
    </message>
</context>
</TS>
