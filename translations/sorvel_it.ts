<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Application</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Audio clips</source>
        <translation>Clip audio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto iniziale</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto finale</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Trascina qui i file audio</translation>
    </message>
    <message>
        <source>Copy Clips</source>
        <translation>Copia clip</translation>
    </message>
    <message>
        <source>Move Clips</source>
        <translation>Sposta clip</translation>
    </message>
    <message>
        <source>Import Audio</source>
        <translation>Importa audio</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (mancante)</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No sound output device could be opened.</source>
        <translation>Impossibile aprire un dispositivo di uscita audio.</translation>
    </message>
    <message>
        <source>The sound output device could not be set up.</source>
        <translation>Impossibile configurare il dispositivo di uscita audio.</translation>
    </message>
    <message>
        <source>The sound output device has no free voice.</source>
        <translation>Il dispositivo di uscita audio non ha voci libere.</translation>
    </message>
    <message>
        <source>The sound output device has no room for the sound buffers.</source>
        <translation>Il dispositivo di uscita audio non ha spazio per i buffer audio.</translation>
    </message>
</context>
<context>
    <name>BitRateDialog</name>
    <message>
        <source>Customize Bitrate</source>
        <translation>Bitrate personalizzato</translation>
    </message>
    <message>
        <source>Please input customized bitrate:</source>
        <translation>Inserisci il bitrate desiderato:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Intervallo:</translation>
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
        <translation>Inserisci un valore valido</translation>
    </message>
</context>
<context>
    <name>BurnWorkflow</name>
    <message>
        <source>The output folder does not exist, please set the output folder and try again.</source>
        <translation>La cartella di destinazione non esiste. Imposta la cartella di destinazione e riprova.</translation>
    </message>
    <message>
        <source>The temporary folder does not exist, please set the temporary folder and try again.</source>
        <translation>La cartella temporanea non esiste. Imposta la cartella temporanea e riprova.</translation>
    </message>
    <message>
        <source>Another disc job is still running; please try again later.</source>
        <translation>È ancora in corso un&apos;altra masterizzazione. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Burn process failed. Do you want to try again.</source>
        <translation>La masterizzazione non è riuscita. Vuoi riprovare?</translation>
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
        <translation>Spazio libero insufficiente sul disco della cartella temporanea. Servono almeno %1 sul disco %2.</translation>
    </message>
    <message>
        <source>Not enough space available in the target disk. At least %1 of disk space is needed in %2 disk.</source>
        <translation>Spazio insufficiente sul disco di destinazione. Servono almeno %1 sul disco %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Impossibile scrivere in %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>La cartella %1 verrà svuotata. Vuoi continuare?</translation>
    </message>
    <message>
        <source>The file system of destination disk (%1) does not support files larger than 4GB, please select again.</source>
        <translation>Il file system del disco di destinazione (%1) non supporta file più grandi di 4 GB. Scegli un&apos;altra destinazione.</translation>
    </message>
    <message>
        <source>The file %1 will be overwritten. Do you want to continue?</source>
        <translation>Il file %1 verrà sovrascritto. Vuoi continuare?</translation>
    </message>
    <message>
        <source>%1: no such recorder.</source>
        <translation>%1: masterizzatore inesistente.</translation>
    </message>
    <message>
        <source>%1 is a folder, not an optical drive.</source>
        <translation>%1 è una cartella, non un&apos;unità ottica.</translation>
    </message>
    <message>
        <source>%1 is a file, not an optical drive; to write a disc image into it, use stdio:%1.</source>
        <translation>%1 è un file, non un&apos;unità ottica; per scrivervi un&apos;immagine disco usa stdio:%1.</translation>
    </message>
    <message>
        <source>%1 is not an optical drive.</source>
        <translation>%1 non è un&apos;unità ottica.</translation>
    </message>
    <message>
        <source>No recorder was found.</source>
        <translation>Nessun masterizzatore trovato.</translation>
    </message>
    <message>
        <source>Recorders found: %1</source>
        <translation>Masterizzatori trovati: %1</translation>
    </message>
    <message>
        <source>%1 is a folder; a disc image needs a file name.</source>
        <translation>%1 è una cartella; un&apos;immagine disco richiede un nome di file.</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Scegli la destinazione.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank. Writing to this disc will erase all the data on the disc. 
Do you want to continue?</source>
        <translation>Il disco nell&apos;unità non è vuoto. Scrivendo su questo disco verranno cancellati tutti i dati.
Vuoi continuare?</translation>
    </message>
    <message>
        <source>Please insert a blank disc.</source>
        <translation>Inserisci un disco vuoto.</translation>
    </message>
    <message>
        <source>Not enough free space in the disc, please insert another disc.</source>
        <translation>Spazio libero insufficiente sul disco. Inserisci un altro disco.</translation>
    </message>
    <message>
        <source>Please insert a blank and recordable disc.</source>
        <translation>Inserisci un disco vuoto e registrabile.</translation>
    </message>
    <message>
        <source>Burning failed! %1We recommend you burn again.</source>
        <translation>Masterizzazione non riuscita! %1Ti consigliamo di masterizzare di nuovo.</translation>
    </message>
    <message>
        <source>Burn failed! Open ISO failed, we suggest you burn again.</source>
        <translation>Masterizzazione non riuscita! Impossibile aprire l&apos;immagine ISO; ti consigliamo di masterizzare di nuovo.</translation>
    </message>
    <message>
        <source>Failed to open disc, please retry.</source>
        <translation>Impossibile aprire il disco, riprova.</translation>
    </message>
    <message>
        <source>Failed to write to disc, please retry.</source>
        <translation>Impossibile scrivere sul disco, riprova.</translation>
    </message>
    <message>
        <source>Failed to read DVD data.</source>
        <translation>Impossibile leggere i dati del DVD.</translation>
    </message>
    <message>
        <source>Failed to create the DVD folder.</source>
        <translation>Impossibile creare la cartella del DVD.</translation>
    </message>
    <message>
        <source>Burning failed!</source>
        <translation>Masterizzazione non riuscita!</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Controllo del disco interrotto</translation>
    </message>
    <message>
        <source>Burning aborted!</source>
        <translation>Masterizzazione annullata!</translation>
    </message>
    <message>
        <source>Failed to erase!</source>
        <translation>Cancellazione non riuscita!</translation>
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
        <translation>Capacità del disco</translation>
    </message>
    <message>
        <source>Disc space is sufficient</source>
        <translation>Lo spazio sul disco è sufficiente</translation>
    </message>
    <message>
        <source>The file size is close to the maximum disc capacity</source>
        <translation>La dimensione è vicina alla capacità massima del disco</translation>
    </message>
    <message>
        <source>The file size is beyond the maximum disc capacity</source>
        <translation>La dimensione supera la capacità massima del disco</translation>
    </message>
</context>
<context>
    <name>CaptionDialog</name>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Aggiungi cartello del titolo</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Cartello del titolo</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>&amp;Size (% of the picture height):</source>
        <translation>&amp;Dimensione (% dell&apos;altezza dell&apos;immagine):</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>C&amp;olore:</translation>
    </message>
    <message>
        <source>&amp;Position:</source>
        <translation>&amp;Posizione:</translation>
    </message>
    <message>
        <source>&amp;Legibility:</source>
        <translation>&amp;Leggibilità:</translation>
    </message>
    <message>
        <source>&amp;Duration (s):</source>
        <translation>&amp;Durata (s):</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Sfondo:</translation>
    </message>
    <message>
        <source>Background c&amp;olours:</source>
        <translation>Colori di s&amp;fondo:</translation>
    </message>
    <message>
        <source>P&amp;hoto:</source>
        <translation>F&amp;oto:</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>Coll&amp;ocazione:</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>C&amp;orsivo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Legibility</source>
        <translation>Leggibilità</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>In basso</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>In alto</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Ombra morbida</translation>
    </message>
    <message>
        <source>Translucent band</source>
        <translation>Fascia traslucida</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Gradient Colour</source>
        <translation>Colore della sfumatura</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Colore uniforme</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Sfumatura</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Foto sfocata</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Collocazione</translation>
    </message>
    <message>
        <source>After the selected photo</source>
        <translation>Dopo la foto selezionata</translation>
    </message>
    <message>
        <source>Before the selected photo</source>
        <translation>Prima della foto selezionata</translation>
    </message>
    <message>
        <source>At the start</source>
        <translation>All&apos;inizio</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>Alla fine</translation>
    </message>
    <message>
        <source>Apply Style to &amp;All</source>
        <translation>Applica lo stile a &amp;tutte</translation>
    </message>
    <message>
        <source>The font &quot;%1&quot; is not installed here; the text is drawn in &quot;%2&quot;.</source>
        <translation>Il carattere «%1» non è installato qui; il testo viene disegnato in «%2».</translation>
    </message>
</context>
<context>
    <name>CaptionJson</name>
    <message>
        <source>not an object</source>
        <translation>non è un oggetto</translation>
    </message>
</context>
<context>
    <name>CaptionJson::Members</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>non è un testo</translation>
    </message>
    <message>
        <source>not true or false</source>
        <translation>né true né false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>non è un numero intero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 è fuori da %2 a %3</translation>
    </message>
    <message>
        <source>not a colour (#rrggbb)</source>
        <translation>non è un colore (#rrggbb)</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>non è uno di %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>make a DVD from photos and music (see make-dvd --help)</source>
        <translation>crea un DVD da foto e musica (vedi make-dvd --help)</translation>
    </message>
    <message>
        <source>Usage: sorvel [COMMAND [OPTIONS]]</source>
        <translation>Uso: sorvel [COMANDO [OPZIONI]]</translation>
    </message>
    <message>
        <source>Without a command, starts the slideshow editor.</source>
        <translation>Senza un comando avvia l&apos;editor della presentazione.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esci</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esci</translation>
    </message>
    <message>
        <source>Run &apos;sorvel COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>«sorvel COMANDO --help» mostra le opzioni di un comando.</translation>
    </message>
    <message>
        <source>make an MP4 video file from photos and music (see make-video --help)</source>
        <translation>crea un file video MP4 da foto e musica (vedi make-video --help)</translation>
    </message>
</context>
<context>
    <name>DestinationBox</name>
    <message>
        <source>The folder %1 will be cleared. Do you want to continue?</source>
        <translation>La cartella %1 verrà svuotata. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Input volume label</source>
        <translation>Inserisci l&apos;etichetta del volume</translation>
    </message>
    <message>
        <source>Open DVD Folder...</source>
        <translation>Apri cartella DVD...</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2.</source>
        <translation>Impossibile scrivere in %1: %2.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>DVD Image file (*.iso)</source>
        <translation>Immagine DVD (*.iso)</translation>
    </message>
    <message>
        <source>Please select the destination.</source>
        <translation>Scegli la destinazione.</translation>
    </message>
    <message>
        <source>Save as DVD Folder</source>
        <translation>Salva come cartella DVD</translation>
    </message>
    <message>
        <source>Save as Image (.iso)</source>
        <translation>Salva come immagine (.iso)</translation>
    </message>
</context>
<context>
    <name>DialogQuestions</name>
    <message>
        <source>Waiting for Disc</source>
        <translation>In attesa di un disco</translation>
    </message>
    <message>
        <source>To skip disc checking, please click &quot;Ignore&quot;, but it will show again when starting burning.</source>
        <translation>Per saltare il controllo del disco fai clic su «Ignora»; riapparirà all&apos;inizio della masterizzazione.</translation>
    </message>
</context>
<context>
    <name>DiscJob</name>
    <message>
        <source>Cannot empty %1: %2</source>
        <translation>Impossibile svuotare %1: %2</translation>
    </message>
    <message>
        <source>Erasing the disc in %1 failed</source>
        <translation>La cancellazione del disco in %1 non è riuscita</translation>
    </message>
    <message>
        <source>The DVD folder %1 does not exist</source>
        <translation>La cartella DVD %1 non esiste</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>genisoimage was not found</source>
        <translation>genisoimage non trovato</translation>
    </message>
    <message>
        <source>genisoimage could not be started: %1</source>
        <translation>Impossibile avviare genisoimage: %1</translation>
    </message>
    <message>
        <source>%1: No space left on device</source>
        <translation>%1: spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Cannot open the image %1</source>
        <translation>Impossibile aprire l&apos;immagine %1</translation>
    </message>
    <message>
        <source>Out of memory preparing the write</source>
        <translation>Memoria insufficiente per preparare la scrittura</translation>
    </message>
    <message>
        <source>Cannot prepare the image %1 for writing</source>
        <translation>Impossibile preparare l&apos;immagine %1 per la scrittura</translation>
    </message>
    <message>
        <source>Cannot open the disc in %1</source>
        <translation>Impossibile aprire il disco in %1</translation>
    </message>
    <message>
        <source>The disc in %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il disco in %1: %2</translation>
    </message>
    <message>
        <source>Writing to %1 failed: %2</source>
        <translation>Scrittura su %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>Cannot truncate %1</source>
        <translation>Impossibile troncare %1</translation>
    </message>
    <message>
        <source>Cannot stage the disc image in %1: %2</source>
        <translation>Impossibile preparare l&apos;immagine disco in %1: %2</translation>
    </message>
    <message>
        <source>The image %1 does not exist</source>
        <translation>L&apos;immagine %1 non esiste</translation>
    </message>
    <message>
        <source>Cannot rename the image to %1: %2</source>
        <translation>Impossibile rinominare l&apos;immagine in %1: %2</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>Impossibile rimuovere %1</translation>
    </message>
    <message>
        <source>Cannot open the drive %1</source>
        <translation>Impossibile aprire l&apos;unità %1</translation>
    </message>
    <message>
        <source>The disc-recording library is not available</source>
        <translation>La libreria di masterizzazione non è disponibile</translation>
    </message>
</context>
<context>
    <name>DvdGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Impossibile generare la presentazione: %1</translation>
    </message>
    <message>
        <source>Cannot create the audio stream: %1</source>
        <translation>Impossibile creare il flusso audio: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Impossibile avviare la codifica: %1</translation>
    </message>
    <message>
        <source>Encoding failed: %1</source>
        <translation>Codifica non riuscita: %1</translation>
    </message>
    <message>
        <source>The encoded video is missing.</source>
        <translation>Manca il video codificato.</translation>
    </message>
    <message>
        <source>The encoded streams are missing.</source>
        <translation>Mancano i flussi codificati.</translation>
    </message>
    <message>
        <source>mplex did not start reading the video</source>
        <translation>mplex non ha iniziato a leggere il video</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Impossibile creare il DVD!</translation>
    </message>
    <message>
        <source>Cannot create the video stream: %1</source>
        <translation>Impossibile creare il flusso video: %1</translation>
    </message>
    <message>
        <source>The video ended early.</source>
        <translation>Il video è terminato in anticipo.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annullato</translation>
    </message>
</context>
<context>
    <name>DvdMenu</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photos %1 of %2</source>
        <translation>Foto %1 di %2</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Torna</translation>
    </message>
</context>
<context>
    <name>DvdSettingsDialog</name>
    <message>
        <source>DVD Settings</source>
        <translation>Impostazioni DVD</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Volume Label:</source>
        <translation>Etichetta volume:</translation>
    </message>
    <message>
        <source>Volume Label</source>
        <translation>Etichetta volume</translation>
    </message>
    <message>
        <source>Writing Speed:</source>
        <translation>Velocità di scrittura:</translation>
    </message>
    <message>
        <source>Writing Speed</source>
        <translation>Velocità di scrittura</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copie:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>The most the video may take: High up to 9 Mbit/s, Normal up to 5, Low up to 2. Still photos take far less.</source>
        <translation>Il massimo che il video può occupare: Alta fino a 9 Mbit/s, Normale fino a 5, Bassa fino a 2. Le foto statiche occupano molto meno.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>TV Standard:</source>
        <translation>Standard TV:</translation>
    </message>
    <message>
        <source>TV Standard</source>
        <translation>Standard TV</translation>
    </message>
    <message>
        <source>When the Show Ends:</source>
        <translation>Alla fine della presentazione:</translation>
    </message>
    <message>
        <source>When the Show Ends</source>
        <translation>Alla fine della presentazione</translation>
    </message>
    <message>
        <source>What the disc does after the last photo: start the show again, or stop as a film does</source>
        <translation>Cosa fa il disco dopo l&apos;ultima foto: ricomincia la presentazione o si ferma come un film</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Riproduci di nuovo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Bitrate audio</translation>
    </message>
    <message>
        <source>128kbit/s (Lowest Audio Quality)</source>
        <translation>128 kbit/s (qualità audio minima)</translation>
    </message>
    <message>
        <source>160kbit/s (Low Audio Quality)</source>
        <translation>160 kbit/s (qualità audio bassa)</translation>
    </message>
    <message>
        <source>192kbit/s (Normal Audio Quality)</source>
        <translation>192 kbit/s (qualità audio normale)</translation>
    </message>
    <message>
        <source>320kbit/s (High Audio Quality)</source>
        <translation>320 kbit/s (qualità audio alta)</translation>
    </message>
    <message>
        <source>448kbit/s (Highest Audio Quality)</source>
        <translation>448 kbit/s (qualità audio massima)</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Audio Channels</source>
        <translation>Canali audio</translation>
    </message>
    <message>
        <source>1 (Mono)</source>
        <translation>1 (Mono)</translation>
    </message>
    <message>
        <source>2 (Stereo)</source>
        <translation>2 (Stereo)</translation>
    </message>
    <message>
        <source>5.1 (D.D.)</source>
        <translation>5.1 (D.D.)</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Dimensione stimata:</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1Mbps</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Estimated size: up to %1</source>
        <translation>Dimensione stimata: fino a %1</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporzioni:</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>The picture&apos;s shape: 16:9 fills a widescreen television (a 4:3 one shows it letterboxed); 4:3 fills an old one</source>
        <translation>La forma dell&apos;immagine: 16:9 riempie un televisore panoramico (uno 4:3 la mostra con bande nere); 4:3 riempie uno vecchio</translation>
    </message>
    <message>
        <source>16:9 Widescreen</source>
        <translation>16:9 panoramico</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Chapters:</source>
        <translation>Capitoli:</translation>
    </message>
    <message>
        <source>Chapters</source>
        <translation>Capitoli</translation>
    </message>
    <message>
        <source>A chapter at every photo lets a remote&apos;s Next and Previous buttons step through the photos</source>
        <translation>Un capitolo a ogni foto permette ai tasti Avanti e Indietro di un telecomando di passare da una foto all&apos;altra</translation>
    </message>
    <message>
        <source>One per Photo</source>
        <translation>Uno per foto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Start with a Menu</source>
        <translation>Inizia con un menu</translation>
    </message>
    <message>
        <source>The disc opens on the album&apos;s title with Play and an index of the photos, and returns there at the end of the show; each photo then starts a chapter</source>
        <translation>Il disco si apre sul titolo dell&apos;album con Riproduci e un indice delle foto, e vi torna alla fine della presentazione; ogni foto inizia allora un capitolo</translation>
    </message>
    <message>
        <source>Menu Preview</source>
        <translation>Anteprima del menu</translation>
    </message>
    <message>
        <source>The menu&apos;s main page</source>
        <translation>La pagina principale del menu</translation>
    </message>
    <message>
        <source>The disc starts the show at once</source>
        <translation>Il disco avvia subito la presentazione</translation>
    </message>
    <message>
        <source>Menu Title:</source>
        <translation>Titolo del menu:</translation>
    </message>
    <message>
        <source>Menu Title</source>
        <translation>Titolo del menu</translation>
    </message>
    <message>
        <source>The words on the menu&apos;s main page; empty: the volume label</source>
        <translation>Il testo della pagina principale del menu; vuoto: l&apos;etichetta volume</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>Menu Background</source>
        <translation>Sfondo del menu</translation>
    </message>
    <message>
        <source>The picture behind the menu, blurred and darkened</source>
        <translation>L&apos;immagine dietro il menu, sfocata e scurita</translation>
    </message>
    <message>
        <source>Music in the Menu</source>
        <translation>Musica nel menu</translation>
    </message>
    <message>
        <source>The first music clip plays under the menu, faded in and out, again and again</source>
        <translation>Il primo clip audio suona sotto il menu, con dissolvenza in entrata e in uscita, ancora e ancora</translation>
    </message>
    <message>
        <source>First Photo</source>
        <translation>Prima foto</translation>
    </message>
    <message>
        <source>A Title Card&apos;s Look</source>
        <translation>L&apos;aspetto di un cartello del titolo</translation>
    </message>
    <message>
        <source>The album has no music</source>
        <translation>L&apos;album non ha musica</translation>
    </message>
</context>
<context>
    <name>EditAudioDialog</name>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Audio clips</source>
        <translation>Clip audio</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto iniziale</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto finale</translation>
    </message>
    <message>
        <source>Clip position and points</source>
        <translation>Posizione della clip e punti</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Riproduci segmento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Imposta punto iniziale</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Imposta punto finale</translation>
    </message>
    <message>
        <source>Position and duration</source>
        <translation>Posizione e durata</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sound is not available: %1 The clips can still be ordered and trimmed, but not played.</source>
        <translation>L&apos;audio non è disponibile: %1 Le clip si possono ancora ordinare e tagliare, ma non riprodurre.</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Scegli uno o più file</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Alcuni file non sono stati aggiunti all&apos;elenco:
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
        <translation>Importa foto</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importa cartella di foto</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importa file audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Rotazione automatica</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Previous (Left)</source>
        <translation>Precedente (Sinistra)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Play (Space)</source>
        <translation>Riproduci (Spazio)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause (Space)</source>
        <translation>Pausa (Spazio)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop (Home)</source>
        <translation>Ferma (Inizio)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Next (Right)</source>
        <translation>Successiva (Destra)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Album Settings</source>
        <translation>Impostazioni album</translation>
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
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Sync with Audio</source>
        <translation>Adatta alla musica</translation>
    </message>
    <message>
        <source>Use Dynamic Effect</source>
        <translation>Panoramica e zoom</translation>
    </message>
    <message>
        <source>Use Transition</source>
        <translation>Usa transizioni</translation>
    </message>
    <message>
        <source>Dissolve Only</source>
        <translation>Solo dissolvenze</translation>
    </message>
    <message>
        <source>Random Transition</source>
        <translation>Transizioni casuali</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Impostazioni audio</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
    <message>
        <source>Scroll Strips</source>
        <translation>Scorri le strisce</translation>
    </message>
    <message>
        <source>Disc type</source>
        <translation>Tipo di disco</translation>
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
        <translation>Crea DVD</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>&amp;Import Photo(s)...</source>
        <translation>&amp;Importa foto...</translation>
    </message>
    <message>
        <source>I&amp;mport Photo Folder...</source>
        <translation>I&amp;mporta cartella di foto...</translation>
    </message>
    <message>
        <source>Import &amp;Audio File(s)...</source>
        <translation>Importa file &amp;audio...</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Apri progetto...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Salva progetto come...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;vuota</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Ruota automaticamente tutte le foto</translation>
    </message>
    <message>
        <source>Auto Rotate Photos While Importing</source>
        <translation>Ruota automaticamente le foto durante l&apos;importazione</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Crea DVD</translation>
    </message>
    <message>
        <source>Do &amp;Nothing</source>
        <translation>&amp;Non fare nulla</translation>
    </message>
    <message>
        <source>&amp;Exit Program</source>
        <translation>&amp;Esci dal programma</translation>
    </message>
    <message>
        <source>&amp;Hibernate</source>
        <translation>&amp;Iberna</translation>
    </message>
    <message>
        <source>&amp;Shut Down</source>
        <translation>&amp;Spegni</translation>
    </message>
    <message>
        <source>Stand &amp;By</source>
        <translation>Stand-&amp;by</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze...</translation>
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
        <translation>Dimensione</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Azioni</translation>
    </message>
    <message>
        <source>Action &amp;After Making</source>
        <translation>Azione &amp;dopo la creazione</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>Per iniziare</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Scegli uno o più file</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Photo Duration</source>
        <translation>Durata di ogni foto</translation>
    </message>
    <message>
        <source>Transition Duration</source>
        <translation>Durata della transizione</translation>
    </message>
    <message>
        <source>Transition Type</source>
        <translation>Tipo di transizione</translation>
    </message>
    <message>
        <source>Loop Audio</source>
        <translation>Ripeti l&apos;audio</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Progetti recenti</translation>
    </message>
    <message>
        <source>Sound is not available (%1); the preview plays without sound.</source>
        <translation>L&apos;audio non è disponibile (%1); l&apos;anteprima viene riprodotta senza audio.</translation>
    </message>
    <message>
        <source>DVD Settings</source>
        <translation>Impostazioni DVD</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Sorvel Projects (*.sorvel)</source>
        <translation>Progetti Sorvel (*.sorvel)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot; has changes that are not saved.
Do you want to save them?</source>
        <translation>L&apos;album «%1» ha modifiche non salvate.
Vuoi salvarle?</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>Apertura di %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Salva progetto come</translation>
    </message>
    <message>
        <source>Even out the loudness</source>
        <translation>Uniforma il volume</translation>
    </message>
    <message>
        <source>Fade in and out</source>
        <translation>Dissolvenza in entrata e in uscita</translation>
    </message>
    <message>
        <source>Fade length</source>
        <translation>Durata della dissolvenza</translation>
    </message>
    <message>
        <source>Crossfade</source>
        <translation>Dissolvenza incrociata</translation>
    </message>
    <message>
        <source>Even Out the Loudness</source>
        <translation>Uniforma il volume</translation>
    </message>
    <message>
        <source>Fade In and Out</source>
        <translation>Dissolvenza in entrata e in uscita</translation>
    </message>
    <message>
        <source>Fade Length</source>
        <translation>Durata della dissolvenza</translation>
    </message>
    <message>
        <source>Framing</source>
        <translation>Inquadratura</translation>
    </message>
    <message>
        <source>Photos of another shape than the picture: whole with black bars, filling the picture (the edges cut off), or whole on a blurred copy of themselves</source>
        <translation>Foto di forma diversa dall&apos;immagine: intere con bande nere, a riempire l&apos;immagine (bordi tagliati) o intere su una copia sfocata di sé stesse</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Blurred Backdrop</source>
        <translation>Sfondo sfocato</translation>
    </message>
    <message>
        <source>&amp;Export Video...</source>
        <translation>&amp;Esporta video...</translation>
    </message>
    <message>
        <source>Export the slideshow as an MP4 video file</source>
        <translation>Esporta la presentazione come file video MP4</translation>
    </message>
    <message>
        <source>The preview is not available on this display (%1): it cannot show OpenGL. Everything else, making DVDs included, works.</source>
        <translation>L&apos;anteprima non è disponibile su questo schermo (%1): non può mostrare OpenGL. Tutto il resto, compresa la creazione di DVD, funziona.</translation>
    </message>
    <message>
        <source>Export Video</source>
        <translation>Esporta video</translation>
    </message>
    <message>
        <source>Relink Missing Files...</source>
        <translation>Ricollega file mancanti...</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>il nome non è un testo valido; rinominare il file</translation>
    </message>
    <message>
        <source>Apply Caption Style to All</source>
        <translation>Applica lo stile della didascalia a tutte</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Didascalia</translation>
    </message>
    <message>
        <source>Title Card</source>
        <translation>Cartello del titolo</translation>
    </message>
    <message>
        <source>Add Title Card</source>
        <translation>Aggiungi cartello del titolo</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Didascalia...</translation>
    </message>
    <message>
        <source>Add Title Card...</source>
        <translation>Aggiungi cartello del titolo...</translation>
    </message>
    <message>
        <source>Some values of the project are outside what the editor offers and have been changed; saving the project keeps the new values:</source>
        <translation>Alcuni valori del progetto sono fuori da ciò che l&apos;editor offre e sono stati modificati; salvando il progetto si mantengono i nuovi valori:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2.</source>
        <translation>Impossibile salvare il progetto in %1: %2.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non leggibile</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing or cannot be read. They keep their places in the album and are saved with it, but the preview and the DVD leave them out until they are found. Relink searches a folder (and the folders in it) for them by name.</source>
        <translation>
            <numerusform>%n file del progetto manca o non è leggibile. Mantiene il suo posto nell&apos;album e viene salvato con esso, ma l&apos;anteprima e il DVD lo omettono finché non viene ritrovato. Ricollega lo cerca per nome in una cartella (e nelle sue sottocartelle).</numerusform>
            <numerusform>%n file del progetto mancano o non sono leggibili. Mantengono il loro posto nell&apos;album e vengono salvati con esso, ma l&apos;anteprima e il DVD li omettono finché non vengono ritrovati. Ricollega li cerca per nome in una cartella (e nelle sue sottocartelle).</numerusform>
        </translation>
    </message>
    <message>
        <source>Relink...</source>
        <translation>Ricollega...</translation>
    </message>
    <message>
        <source>Relink: Search a Folder</source>
        <translation>Ricollega: cerca in una cartella</translation>
    </message>
    <message>
        <source>Searching %1...</source>
        <translation>Ricerca in %1...</translation>
    </message>
    <message>
        <source>Relink</source>
        <translation>Ricollega</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Ricollega file</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found again.</source>
        <translation>
            <numerusform>%n file ritrovato.</numerusform>
            <numerusform>%n file ritrovati.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 found again; %2 still missing:</source>
        <translation>%1 ritrovati; %2 ancora mancanti:</translation>
    </message>
    <message>
        <source>An album that was never saved</source>
        <translation>Un album mai salvato</translation>
    </message>
    <message>
        <source>The album &quot;%1&quot;</source>
        <translation>L&apos;album «%1»</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not closed properly. Its unsaved changes were kept at %2 (%n photo(s)).
Do you want to recover them?</source>
        <translation>
            <numerusform>%1 non è stato chiuso correttamente. Le modifiche non salvate sono state conservate in %2 (%n foto).
Recuperarle?</numerusform>
            <numerusform>%1 non è stato chiuso correttamente. Le modifiche non salvate sono state conservate in %2 (%n foto).
Recuperarle?</numerusform>
        </translation>
    </message>
    <message>
        <source>Recover Unsaved Work</source>
        <translation>Recupera il lavoro non salvato</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
</context>
<context>
    <name>ExportVideoDialog</name>
    <message>
        <source>Export Video</source>
        <translation>Esporta video</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>S&amp;hape:</source>
        <translation>F&amp;orma:</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>F&amp;requenza fotogrammi:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualità:</translation>
    </message>
    <message>
        <source>Estimated size:</source>
        <translation>Dimensione stimata:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
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
        <translation>16:9 (panoramico)</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>9:16 (upright, for phones)</source>
        <translation>9:16 (verticale, per telefoni)</translation>
    </message>
    <message>
        <source>1:1 (square)</source>
        <translation>1:1 (quadrato)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Small file</source>
        <translation>File piccolo</translation>
    </message>
    <message>
        <source>%1 (CRF %2)</source>
        <translation>%1 (CRF %2)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Estimated size</source>
        <translation>Dimensione stimata</translation>
    </message>
    <message>
        <source>Where the video goes (.mp4)</source>
        <translation>Dove viene scritto il video (.mp4)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>About %1 GB</source>
        <translation>Circa %1 GB</translation>
    </message>
    <message>
        <source>About %1 MB</source>
        <translation>Circa %1 MB</translation>
    </message>
    <message>
        <source>%1 (%2 x %3 pixels)</source>
        <translation>%1 (%2 x %3 pixel)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non leggibile: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una pipe con nome (FIFO)</translation>
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
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Avanzamento importazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importazione di %1...</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Alcuni file non sono stati aggiunti all&apos;elenco:</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Leggimi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1 %2
Turns photos and music into DVD-Video slideshows.</source>
        <translation>%1 %2
Trasforma foto e musica in presentazioni DVD-Video.</translation>
    </message>
</context>
<context>
    <name>MakeDvd</name>
    <message numerus="yes">
        <source>%n photo(s)</source>
        <translation>
            <numerusform>%n foto</numerusform>
            <numerusform>%n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio clip(s)</source>
        <translation>
            <numerusform>%n clip audio</numerusform>
            <numerusform>%n clip audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Burning the next copy...</source>
        <translation>Masterizzazione della copia successiva...</translation>
    </message>
    <message>
        <source>Done in %1.</source>
        <translation>Completato in %1.</translation>
    </message>
    <message>
        <source>(answer with --yes to go on)</source>
        <translation>(rispondi con --yes per continuare)</translation>
    </message>
    <message>
        <source>Interrupted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Dettagli: %1</translation>
    </message>
    <message>
        <source>Aborting...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Opening the project %1...</source>
        <translation>Apertura del progetto %1...</translation>
    </message>
    <message>
        <source>the project has no photo to make a slideshow from</source>
        <translation>il progetto non contiene foto per una presentazione</translation>
    </message>
    <message>
        <source>Sync with audio: the music gives less than 1 s or more than 999 s a photo; the photo duration stays %1 ms.</source>
        <translation>Adatta alla musica: la musica dà meno di 1 s o più di 999 s per foto; la durata di ogni foto resta %1 ms.</translation>
    </message>
    <message>
        <source>Importing %1 and %2...</source>
        <translation>Importazione di %1 e %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s)</source>
        <translation>
            <numerusform>%n file audio</numerusform>
            <numerusform>%n file audio</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files have not been added to the list:</source>
        <translation>Alcuni file non sono stati aggiunti all&apos;elenco:</translation>
    </message>
    <message>
        <source>no photo to make a slideshow from</source>
        <translation>nessuna foto per una presentazione</translation>
    </message>
    <message>
        <source>Output (exactly one is required):</source>
        <translation>Uscita (ne serve esattamente una):</translation>
    </message>
    <message>
        <source>write the DVD folder into DIR/&lt;volume label&gt;</source>
        <translation>scrivi la cartella del DVD in DIR/&lt;etichetta volume&gt;</translation>
    </message>
    <message>
        <source>write an ISO image (&quot;.iso&quot; is appended if missing)</source>
        <translation>scrivi un&apos;immagine ISO («.iso» viene aggiunto se manca)</translation>
    </message>
    <message>
        <source>burn to a recorder (/dev/sr0, or stdio:/path/disc.img)</source>
        <translation>masterizza su un masterizzatore (/dev/sr0, o stdio:/percorso/disco.img)</translation>
    </message>
    <message>
        <source>DVD:</source>
        <translation>DVD:</translation>
    </message>
    <message>
        <source>disc label (default &quot;My DVD&quot;)</source>
        <translation>etichetta del disco (predefinita «My DVD»)</translation>
    </message>
    <message>
        <source>TV standard (default: from the settings or the locale)</source>
        <translation>standard TV (predefinito: dalle impostazioni o dalla lingua del sistema)</translation>
    </message>
    <message>
        <source>high (up to 9 Mbit/s), normal (5), low (2) or a rate 2..9: the most the video may take; stills take less</source>
        <translation>high (fino a 9 Mbit/s), normal (5), low (2) o un valore da 2 a 9: il massimo che il video può occupare; le foto statiche occupano meno</translation>
    </message>
    <message>
        <source>AC-3 bit rate, 128..448 (default 192)</source>
        <translation>bitrate AC-3, da 128 a 448 (predefinito 192)</translation>
    </message>
    <message>
        <source>audio channels (default 2)</source>
        <translation>canali audio (predefinito 2)</translation>
    </message>
    <message>
        <source>when the show ends, play it again (default) or stop</source>
        <translation>alla fine della presentazione, riproducila di nuovo (predefinito) o fermati</translation>
    </message>
    <message>
        <source>Slideshow:</source>
        <translation>Presentazione:</translation>
    </message>
    <message>
        <source>time each photo is shown, 1000..999000 (default 5000)</source>
        <translation>durata di ogni foto, da 1000 a 999000 (predefinita 5000)</translation>
    </message>
    <message>
        <source>time of each transition, 500..5000 (default 1500); both durations are snapped to whole video frames</source>
        <translation>durata di ogni transizione, da 500 a 5000 (predefinita 1500); entrambe le durate sono arrotondate a fotogrammi interi</translation>
    </message>
    <message>
        <source>cut from photo to photo</source>
        <translation>passa da una foto all&apos;altra senza transizione</translation>
    </message>
    <message>
        <source>dissolves instead of pattern wipes</source>
        <translation>dissolvenze invece di tendine a motivo</translation>
    </message>
    <message>
        <source>no pan-and-zoom</source>
        <translation>nessuna panoramica e zoom</translation>
    </message>
    <message>
        <source>restart the music when it ends before the photos</source>
        <translation>fai ripartire la musica se finisce prima delle foto</translation>
    </message>
    <message>
        <source>fit the photo time to the length of the music</source>
        <translation>adatta la durata delle foto alla lunghezza della musica</translation>
    </message>
    <message>
        <source>ignore the photos&apos; EXIF orientation</source>
        <translation>ignora l&apos;orientamento EXIF delle foto</translation>
    </message>
    <message>
        <source>Run:</source>
        <translation>Esecuzione:</translation>
    </message>
    <message>
        <source>working folder (default: the TemporaryDir setting); each run works in its own new subfolder of it</source>
        <translation>cartella di lavoro (predefinita: l&apos;impostazione TemporaryDir); ogni esecuzione lavora in una propria nuova sottocartella</translation>
    </message>
    <message>
        <source>keep the run&apos;s working subfolder</source>
        <translation>conserva la sottocartella di lavoro dell&apos;esecuzione</translation>
    </message>
    <message>
        <source>discs to burn with --to-drive (default 1)</source>
        <translation>dischi da masterizzare con --to-drive (predefinito 1)</translation>
    </message>
    <message>
        <source>burn speed, &quot;Max&quot; or e.g. 8X (default Max)</source>
        <translation>velocità di masterizzazione, «Max» o per es. 8X (predefinita Max)</translation>
    </message>
    <message>
        <source>answer Yes to questions (overwrite, clear, non-blank disc); without it a question ends the run with exit code 1</source>
        <translation>rispondi Sì alle domande (sovrascrivere, svuotare, disco non vuoto); senza questa opzione una domanda termina l&apos;esecuzione con codice di uscita 1</translation>
    </message>
    <message>
        <source>print only errors and the result</source>
        <translation>stampa solo gli errori e il risultato</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-dvd.log in the cache folder</source>
        <translation>stampa anche i messaggi diagnostici del programma e delle librerie che usa (FFmpeg, Qt); finiscono sempre nel registro diagnostico make-dvd.log nella cartella della cache</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostra questo aiuto</translation>
    </message>
    <message>
        <source>Usage: sorvel make-dvd [OPTIONS] PATH...
       sorvel make-dvd [OPTIONS] PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-dvd [OPZIONI] PERCORSO...
     sorvel make-dvd [OPZIONI] PROGETTO.sorvel
</translation>
    </message>
    <message>
        <source>Makes a DVD-Video slideshow from photos and music without opening a window.</source>
        <translation>Crea una presentazione DVD-Video da foto e musica senza aprire una finestra.</translation>
    </message>
    <message>
        <source>PATH: photo files, audio files or folders. A folder adds its photos and audio files (one level, in name order). Photos and clips keep the order given.</source>
        <translation>PERCORSO: file di foto, file audio o cartelle. Una cartella aggiunge le sue foto e i suoi file audio (un livello, in ordine di nome). Foto e clip mantengono l&apos;ordine indicato.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and DVD choices; the options given here override the project&apos;s.</source>
        <translation>PROGETTO.sorvel: un progetto salvato con foto, clip, impostazioni e scelte del DVD; le opzioni indicate qui prevalgono su quelle del progetto.</translation>
    </message>
    <message>
        <source>Exit codes: 0 the output is complete, 1 failure, 2 usage error.</source>
        <translation>Codici di uscita: 0 l&apos;uscita è completa, 1 errore, 2 errore di utilizzo.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: child programs end and the working subfolder is removed.</source>
        <translation>Ctrl-C interrompe in modo pulito: i programmi avviati terminano e la sottocartella di lavoro viene rimossa.</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l&apos;opzione %1 non accetta valori</translation>
    </message>
    <message>
        <source>option %1 needs a non-empty value</source>
        <translation>l&apos;opzione %1 richiede un valore non vuoto</translation>
    </message>
    <message>
        <source>--standard must be PAL or NTSC</source>
        <translation>--standard deve essere PAL o NTSC</translation>
    </message>
    <message>
        <source>--quality must be high, normal, low or a number from 2 to 9</source>
        <translation>--quality deve essere high, normal, low o un numero da 2 a 9</translation>
    </message>
    <message>
        <source>--audio-bitrate must be a number from 128 to 448</source>
        <translation>--audio-bitrate deve essere un numero da 128 a 448</translation>
    </message>
    <message>
        <source>--channels must be 1, 2 or 6</source>
        <translation>--channels deve essere 1, 2 o 6</translation>
    </message>
    <message>
        <source>--at-end must be repeat or stop</source>
        <translation>--at-end deve essere repeat o stop</translation>
    </message>
    <message>
        <source>%1 must be a number of milliseconds from %2 to %3</source>
        <translation>%1 deve essere un numero di millisecondi da %2 a %3</translation>
    </message>
    <message>
        <source>--copies must be a number from 1 to 99</source>
        <translation>--copies deve essere un numero da 1 a 99</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>one output is required: --to-folder, --to-iso or --to-drive</source>
        <translation>serve un&apos;uscita: --to-folder, --to-iso o --to-drive</translation>
    </message>
    <message>
        <source>give only one of --to-folder, --to-iso and --to-drive</source>
        <translation>indica una sola tra --to-folder, --to-iso e --to-drive</translation>
    </message>
    <message>
        <source>no photos or folders given</source>
        <translation>nessuna foto o cartella indicata</translation>
    </message>
    <message>
        <source>--copies is only for --to-drive</source>
        <translation>--copies vale solo con --to-drive</translation>
    </message>
    <message>
        <source>Not photos or audio by their names, not taken from the folders:</source>
        <translation>Né foto né audio secondo il nome, non presi dalle cartelle:</translation>
    </message>
    <message>
        <source>bring every clip to one loudness (-16 LUFS; the default) or play the clips at their own levels</source>
        <translation>porta ogni clip allo stesso volume (-16 LUFS; predefinito) o riproduci le clip al loro livello</translation>
    </message>
    <message>
        <source>fade the music in at its start and out at the end of the show, 500..10000 ms (0: no fade, the default)</source>
        <translation>fai entrare la musica in dissolvenza all&apos;inizio e uscire alla fine della presentazione, da 500 a 10000 ms (0: nessuna dissolvenza, predefinito)</translation>
    </message>
    <message>
        <source>overlap consecutive clips, 0..10000 ms (default 0)</source>
        <translation>sovrapponi le clip consecutive, da 0 a 10000 ms (predefinito 0)</translation>
    </message>
    <message>
        <source>--loudness must be even or keep</source>
        <translation>--loudness deve essere even o keep</translation>
    </message>
    <message>
        <source>--fade must be 0 or a number of milliseconds from %1 to %2</source>
        <translation>--fade deve essere 0 o un numero di millisecondi da %1 a %2</translation>
    </message>
    <message>
        <source>--crossfade must be a number of milliseconds from 0 to %1</source>
        <translation>--crossfade deve essere un numero di millisecondi da 0 a %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 x %5 (%6) at %7 frames/s, H.264 CRF %8</source>
        <translation>%1, %2, %3 s di video, %4 x %5 (%6) a %7 fotogrammi/s, H.264 CRF %8</translation>
    </message>
    <message>
        <source>%1, %2, %3 s of video, %4 %5, up to %6 Mbit/s</source>
        <translation>%1, %2, %3 s di video, %4 %5, fino a %6 Mbit/s</translation>
    </message>
    <message>
        <source>Some files of the project are missing or cannot be read:</source>
        <translation>Alcuni file del progetto mancano o non sono leggibili:</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) of the project are missing; give --yes to make the DVD without them</source>
        <translation>
            <numerusform>%n file del progetto manca; indicare --yes per creare il DVD senza di esso</numerusform>
            <numerusform>%n file del progetto mancano; indicare --yes per creare il DVD senza di essi</numerusform>
        </translation>
    </message>
    <message>
        <source>Making the DVD without them</source>
        <translation>Creazione del DVD senza di essi</translation>
    </message>
    <message>
        <source>photos of another shape than the picture: whole with black bars (default), filling it (the centre kept), or whole on a blurred, darkened copy of themselves</source>
        <translation>foto di forma diversa dall&apos;immagine: intere con bande nere (predefinito), a riempirla (il centro mantenuto) o intere su una copia sfocata e scurita di sé stesse</translation>
    </message>
    <message>
        <source>the picture&apos;s shape: widescreen (default) or 4:3; a 4:3 television shows 16:9 letterboxed</source>
        <translation>la forma dell&apos;immagine: panoramica (predefinito) o 4:3; un televisore 4:3 mostra il 16:9 con bande nere</translation>
    </message>
    <message>
        <source>a chapter at every photo (default), so a remote&apos;s Next and Previous step through them, or none</source>
        <translation>un capitolo a ogni foto (predefinito), così Avanti e Indietro del telecomando le scorrono, oppure nessuno</translation>
    </message>
    <message>
        <source>the disc opens on a menu with Play and an index of the photos (default; with chapters at the photos), or starts the show at once</source>
        <translation>il disco si apre su un menu con Riproduci e un indice delle foto (predefinito; con capitoli alle foto) o avvia subito la presentazione</translation>
    </message>
    <message>
        <source>Output (required):</source>
        <translation>Uscita (obbligatoria):</translation>
    </message>
    <message>
        <source>the video file (&quot;.mp4&quot; is appended if missing)</source>
        <translation>il file video (si aggiunge «.mp4» se manca)</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Video:</translation>
    </message>
    <message>
        <source>the picture&apos;s short side (default 1080p)</source>
        <translation>il lato corto dell&apos;immagine (predefinito 1080p)</translation>
    </message>
    <message>
        <source>the picture&apos;s shape; 9:16 stands upright for phones (default 16:9)</source>
        <translation>la forma dell&apos;immagine; 9:16 è verticale per i telefoni (predefinito 16:9)</translation>
    </message>
    <message>
        <source>frames a second (default 30)</source>
        <translation>fotogrammi al secondo (predefinito 30)</translation>
    </message>
    <message>
        <source>high (CRF 18), normal (CRF 21, default) or small (CRF 26): lower CRF is sharper and larger</source>
        <translation>high (CRF 18), normal (CRF 21, predefinito) o small (CRF 26): un CRF più basso è più nitido e più grande</translation>
    </message>
    <message>
        <source>overwrite an existing file; without it an existing file ends the run with exit code 1</source>
        <translation>sovrascrive un file esistente; senza, un file esistente termina l&apos;esecuzione con codice di uscita 1</translation>
    </message>
    <message>
        <source>print the diagnostic messages of the program and of the libraries it uses (FFmpeg, Qt) too; they always go to the diagnostic log, make-video.log in the cache folder</source>
        <translation>mostra anche i messaggi diagnostici del programma e delle librerie che usa (FFmpeg, Qt); vanno sempre nel registro diagnostico, make-video.log nella cartella della cache</translation>
    </message>
    <message>
        <source>Usage: sorvel make-video [OPTIONS] --to FILE.mp4 PATH...
       sorvel make-video [OPTIONS] --to FILE.mp4 PROJECT.sorvel
</source>
        <translation>Uso: sorvel make-video [OPZIONI] --to FILE.mp4 PERCORSO...
     sorvel make-video [OPZIONI] --to FILE.mp4 PROGETTO.sorvel
</translation>
    </message>
    <message>
        <source>Makes an MP4 video file (H.264 and AAC, a chapter at every photo) of a slideshow from photos and music without opening a window.</source>
        <translation>Crea un file video MP4 (H.264 e AAC, un capitolo a ogni foto) di una presentazione da foto e musica senza aprire finestre.</translation>
    </message>
    <message>
        <source>PROJECT.sorvel: a saved project with its photos, clips, settings and video choices; the options given here override the project&apos;s.</source>
        <translation>PROGETTO.sorvel: un progetto salvato con le sue foto, clip, impostazioni e scelte video; le opzioni indicate qui prevalgono su quelle del progetto.</translation>
    </message>
    <message>
        <source>Ctrl-C aborts cleanly: nothing of the file is left.</source>
        <translation>Ctrl-C interrompe in modo pulito: del file non resta nulla.</translation>
    </message>
    <message>
        <source>option %1 is for make-dvd</source>
        <translation>l&apos;opzione %1 è per make-dvd</translation>
    </message>
    <message>
        <source>option %1 is for make-video</source>
        <translation>l&apos;opzione %1 è per make-video</translation>
    </message>
    <message>
        <source>option --to needs a non-empty value</source>
        <translation>l&apos;opzione --to richiede un valore non vuoto</translation>
    </message>
    <message>
        <source>--size must be 720p, 1080p or 2160p</source>
        <translation>--size deve essere 720p, 1080p o 2160p</translation>
    </message>
    <message>
        <source>--shape must be 16:9, 4:3, 9:16 or 1:1</source>
        <translation>--shape deve essere 16:9, 4:3, 9:16 o 1:1</translation>
    </message>
    <message>
        <source>--fps must be 25, 30, 50 or 60</source>
        <translation>--fps deve essere 25, 30, 50 o 60</translation>
    </message>
    <message>
        <source>--quality must be high, normal or small</source>
        <translation>--quality deve essere high, normal o small</translation>
    </message>
    <message>
        <source>--aspect must be 16:9 or 4:3</source>
        <translation>--aspect deve essere 16:9 o 4:3</translation>
    </message>
    <message>
        <source>--chapters must be photo or none</source>
        <translation>--chapters deve essere photo o none</translation>
    </message>
    <message>
        <source>--framing must be fit, fill or blur</source>
        <translation>--framing deve essere fit, fill o blur</translation>
    </message>
    <message>
        <source>the output is required: --to FILE.mp4</source>
        <translation>l&apos;uscita è obbligatoria: --to FILE.mp4</translation>
    </message>
    <message>
        <source>give --to only once</source>
        <translation>indicare --to una sola volta</translation>
    </message>
    <message>
        <source>neither a picture nor a sound file</source>
        <translation>né un&apos;immagine né un file audio</translation>
    </message>
    <message>
        <source>the folder cannot be read</source>
        <translation>la cartella non è leggibile</translation>
    </message>
    <message>
        <source>the name is not valid text; rename the file</source>
        <translation>il nome non è un testo valido; rinominare il file</translation>
    </message>
    <message>
        <source>--menu-background: %1 is not a photo of the show</source>
        <translation>--menu-background: %1 non è una foto della presentazione</translation>
    </message>
    <message>
        <source>the words on the menu&apos;s main page, any text (default: the volume label)</source>
        <translation>il testo della pagina principale del menu, qualsiasi testo (predefinito: l&apos;etichetta volume)</translation>
    </message>
    <message>
        <source>the photo of the show behind the menu (default: the first photo)</source>
        <translation>la foto della presentazione dietro il menu (predefinita: la prima foto)</translation>
    </message>
    <message>
        <source>the first music clip plays under the menu, faded, again and again (default when there is music), or the menu is silent</source>
        <translation>il primo clip audio suona sotto il menu, in dissolvenza, ancora e ancora (predefinito se c&apos;è musica), oppure il menu resta muto</translation>
    </message>
</context>
<context>
    <name>MakeJob</name>
    <message>
        <source>Checking the destination...</source>
        <translation>Controllo della destinazione...</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Creazione del video...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Creazione del menu...</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Creazione del DVD...</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Creazione della cartella DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Creazione dell&apos;ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Controllo del disco</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Cancellazione</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Masterizzazione del disco</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizzazione del disco</translation>
    </message>
    <message>
        <source>The temporary folder %1 does not exist and cannot be created.</source>
        <translation>La cartella temporanea %1 non esiste e non può essere creata.</translation>
    </message>
    <message>
        <source>Cannot create a working folder in %1: %2</source>
        <translation>Impossibile creare una cartella di lavoro in %1: %2</translation>
    </message>
    <message>
        <source>The album has no photos.</source>
        <translation>L&apos;album non contiene foto.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Disc checking stopped</source>
        <translation>Controllo del disco interrotto</translation>
    </message>
    <message>
        <source>the folder cannot be marked as in use</source>
        <translation>la cartella non può essere segnata come in uso</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>The show needs about %1, more than the largest DVD holds (%2 on a double-layer disc).</source>
        <translation>La presentazione richiede circa %1, più di quanto contenga il DVD più grande (%2 su un disco a doppio strato).</translation>
    </message>
    <message>
        <source>No DVD can hold the image. Make it anyway?</source>
        <translation>Nessun DVD può contenere l&apos;immagine. Crearla comunque?</translation>
    </message>
    <message>
        <source>Choose a lower quality, or make the show shorter (fewer photos or a shorter time for each).</source>
        <translation>Scegliere una qualità più bassa o accorciare la presentazione (meno foto o meno tempo per ciascuna).</translation>
    </message>
    <message>
        <source>Please choose the video file.</source>
        <translation>Scegliere il file video.</translation>
    </message>
    <message>
        <source>%1 is a folder; please choose a file name.</source>
        <translation>%1 è una cartella; scegliere un nome di file.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot write to the folder %1.</source>
        <translation>Impossibile scrivere nella cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write to %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>The file system of %1 does not support files larger than 4 GB; please choose another place.</source>
        <translation>Il file system di %1 non supporta file più grandi di 4 GB; scegliere un altro posto.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; will be overwritten. Do you want to continue?</source>
        <translation>Il file «%1» verrà sovrascritto. Continuare?</translation>
    </message>
    <message>
        <source>Not enough space available on %1: the video needs about %2 MB.</source>
        <translation>Spazio insufficiente su %1: il video richiede circa %2 MB.</translation>
    </message>
</context>
<context>
    <name>MediaInfoWidget</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificato:</translation>
    </message>
    <message>
        <source>Equipment Make:</source>
        <translation>Produttore:</translation>
    </message>
    <message>
        <source>Camera Model:</source>
        <translation>Modello fotocamera:</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Compressed Bit-Per-Pixel:</source>
        <translation>Bit per pixel compressi:</translation>
    </message>
    <message>
        <source>Exposure Time:</source>
        <translation>Tempo di esposizione:</translation>
    </message>
    <message>
        <source>F-Number:</source>
        <translation>Numero f:</translation>
    </message>
    <message>
        <source>Exposure Mode:</source>
        <translation>Modalità di esposizione:</translation>
    </message>
    <message>
        <source>Exposure Bias:</source>
        <translation>Compensazione dell&apos;esposizione:</translation>
    </message>
    <message>
        <source>Max Aperture:</source>
        <translation>Apertura massima:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frequenza di campionamento:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
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
        <translation>File JPEG</translation>
    </message>
    <message>
        <source>HEIF Files</source>
        <translation>File HEIF</translation>
    </message>
    <message>
        <source>AVIF Files</source>
        <translation>File AVIF</translation>
    </message>
    <message>
        <source>WebP Files</source>
        <translation>File WebP</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>File PNG</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>File TIFF</translation>
    </message>
    <message>
        <source>BMP Files</source>
        <translation>File BMP</translation>
    </message>
    <message>
        <source>GIF Files</source>
        <translation>File GIF</translation>
    </message>
    <message>
        <source>XBM Files</source>
        <translation>File XBM</translation>
    </message>
    <message>
        <source>XPM Files</source>
        <translation>File XPM</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>File MP3</translation>
    </message>
    <message>
        <source>AAC and M4A Files</source>
        <translation>File AAC e M4A</translation>
    </message>
    <message>
        <source>Ogg Files</source>
        <translation>File Ogg</translation>
    </message>
    <message>
        <source>FLAC Files</source>
        <translation>File FLAC</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>File WAV</translation>
    </message>
    <message>
        <source>WebM and Matroska Files</source>
        <translation>File WebM e Matroska</translation>
    </message>
    <message>
        <source>AIFF Files</source>
        <translation>File AIFF</translation>
    </message>
    <message>
        <source>AC3 Files</source>
        <translation>File AC3</translation>
    </message>
    <message>
        <source>WMA Files</source>
        <translation>File WMA</translation>
    </message>
    <message>
        <source>Other Audio Files</source>
        <translation>Altri file audio</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Rotazione automatica</translation>
    </message>
    <message>
        <source>Auto Rotate All Photos</source>
        <translation>Ruota automaticamente tutte le foto</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Trascina qui le foto</translation>
    </message>
    <message>
        <source>Import Photos</source>
        <translation>Importa foto</translation>
    </message>
    <message>
        <source>Copy Photos</source>
        <translation>Copia foto</translation>
    </message>
    <message>
        <source>Move Photos</source>
        <translation>Sposta foto</translation>
    </message>
    <message>
        <source>%1 Bits</source>
        <comment>colour depth</comment>
        <translation>%1 bit</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <source>Left out of the preview and the DVD until it is found (Relink...).</source>
        <translation>Omessa dall&apos;anteprima e dal DVD finché non viene ritrovata (Ricollega...).</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (mancante)</translation>
    </message>
    <message>
        <source>Title card</source>
        <translation>Cartello del titolo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Title card: %1</source>
        <translation>Cartello del titolo: %1</translation>
    </message>
    <message>
        <source>%1, caption: %2</source>
        <translation>%1, didascalia: %2</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Cartella temporanea</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Button: opens the temporary folder in the file manager</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Delete temporary files after burning</source>
        <translation>Elimina i file temporanei dopo la masterizzazione</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language changes the next time Sorvel starts.</source>
        <translation>La lingua cambia al prossimo avvio di Sorvel.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Burn</source>
        <extracomment>Tab title: the settings used while making and burning a DVD</extracomment>
        <translation>Masterizza</translation>
    </message>
    <message>
        <source>CPU</source>
        <extracomment>Group title: the processor cores used for making</extracomment>
        <translation>Processore</translation>
    </message>
    <message>
        <source>Setting the CPU core number for DVD making will affect the speed and the amount of system resources required.</source>
        <translation>Il numero di core usati per creare il DVD influisce sulla velocità e sulle risorse di sistema richieste.</translation>
    </message>
    <message>
        <source>Use all cores (offers the highest making speed)</source>
        <translation>Usa tutti i core (la creazione più veloce)</translation>
    </message>
    <message>
        <source>Use the least number of cores (requires the least amount of resources)</source>
        <translation>Usa il minor numero di core (le risorse minime)</translation>
    </message>
    <message>
        <source>Set Core Number:</source>
        <translation>Numero di core:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Azione dopo la creazione</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <translation>Azione dopo la creazione:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossibile aprire la cartella «%1».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Il percorso scelto non è valido, scegline un altro.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>La cartella scelta è di sola lettura, scegli un&apos;altra cartella.</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The sound card cannot play %1 channels.</source>
        <translation>La scheda audio non può riprodurre %1 canali.</translation>
    </message>
    <message>
        <source>The sound device is no longer available.</source>
        <translation>Il dispositivo audio non è più disponibile.</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <source>not a picture</source>
        <translation>non è un&apos;immagine</translation>
    </message>
    <message>
        <source>too large (%1 x %2 pixels)</source>
        <translation>troppo grande (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>troncato</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>danneggiato: %1</translation>
    </message>
    <message>
        <source>not a sound file</source>
        <translation>non è un file audio</translation>
    </message>
    <message>
        <source>has no sound the program can play</source>
        <translation>non ha audio che il programma possa riprodurre</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Creating DVD…</source>
        <translation>Creazione del DVD…</translation>
    </message>
    <message>
        <source>Elapsed Time: 00:00:00</source>
        <translation>Tempo trascorso: 00:00:00</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Stand-by</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Burn Next</source>
        <translation>Masterizza un&apos;altra</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>Button that closes the progress window (a verb where the language needs one)</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Abort or not?</source>
        <translation>Annullare?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>in progress</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>Creating title</source>
        <translation>Creazione del titolo</translation>
    </message>
    <message>
        <source>Creating menu</source>
        <translation>Creazione del menu</translation>
    </message>
    <message>
        <source>Creating DVD</source>
        <translation>Creazione del DVD</translation>
    </message>
    <message>
        <source>Creating DVD Folder</source>
        <translation>Creazione della cartella DVD</translation>
    </message>
    <message>
        <source>Creating ISO</source>
        <translation>Creazione dell&apos;ISO</translation>
    </message>
    <message>
        <source>Checking disc</source>
        <translation>Controllo del disco</translation>
    </message>
    <message>
        <source>Burning disc</source>
        <translation>Masterizzazione del disco</translation>
    </message>
    <message>
        <source>Creating DVD...</source>
        <translation>Creazione del DVD...</translation>
    </message>
    <message>
        <source>Checking the destination...</source>
        <translation>Controllo della destinazione...</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Creating video...</source>
        <translation>Creazione del video...</translation>
    </message>
    <message>
        <source>Creating menu...</source>
        <translation>Creazione del menu...</translation>
    </message>
    <message>
        <source>Erasing</source>
        <translation>Cancellazione</translation>
    </message>
    <message>
        <source>Finalizing disc</source>
        <translation>Finalizzazione del disco</translation>
    </message>
    <message>
        <source>Created Successfully!</source>
        <translation>Creato correttamente!</translation>
    </message>
    <message>
        <source>The DVD folder is %1</source>
        <translation>La cartella del DVD è %1</translation>
    </message>
    <message>
        <source>The DVD image is %1</source>
        <translation>L&apos;immagine del DVD è %1</translation>
    </message>
    <message>
        <source>The DVD was burnt in %1.</source>
        <translation>Il DVD è stato masterizzato in %1.</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Failed to create DVD!</source>
        <translation>Impossibile creare il DVD!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Elapsed Time: %1:%2:%3</source>
        <translation>Tempo trascorso: %1:%2:%3</translation>
    </message>
    <message>
        <source>Aborting, please wait...</source>
        <translation>Annullamento, attendere...</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossibile aprire la cartella «%1».</translation>
    </message>
    <message>
        <source>Action After Making:</source>
        <extracomment>Label before the list of what happens once the DVD is made (do nothing, shut down...); keep it short</extracomment>
        <translation>Dopo:</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Creating video</source>
        <translation>Creazione del video</translation>
    </message>
    <message>
        <source>Exporting video...</source>
        <translation>Esportazione del video...</translation>
    </message>
    <message>
        <source>The video file is %1</source>
        <translation>Il file video è %1</translation>
    </message>
    <message>
        <source>Failed to export the video!</source>
        <translation>Esportazione del video non riuscita!</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is damaged.</source>
        <translation>Il file è danneggiato.</translation>
    </message>
    <message>
        <source>The file is not a Sorvel project.</source>
        <translation>Il file non è un progetto Sorvel.</translation>
    </message>
    <message>
        <source>It was saved by a newer version of Sorvel (project format %1; this version reads format %2). Please update Sorvel to open it.</source>
        <translation>È stato salvato con una versione più recente di Sorvel (formato di progetto %1; questa versione legge il formato %2). Aggiorna Sorvel per aprirlo.</translation>
    </message>
    <message>
        <source>The project cannot be saved to %1: %2</source>
        <translation>Impossibile salvare il progetto in %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Impossibile aprire il progetto %1: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened.
%2</source>
        <translation>Impossibile aprire il progetto %1.
%2</translation>
    </message>
    <message>
        <source>It is not valid JSON at byte %1: %2.</source>
        <translation>Non è JSON valido al byte %1: %2.</translation>
    </message>
    <message>
        <source>version: not a format version.</source>
        <translation>version: non è una versione di formato.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>non è un oggetto</translation>
    </message>
    <message>
        <source>not a list</source>
        <translation>non è un elenco</translation>
    </message>
    <message>
        <source>not 0, 1, 2 or 3</source>
        <translation>né 0, 1, 2 né 3</translation>
    </message>
    <message>
        <source>before clipStart</source>
        <translation>prima di clipStart</translation>
    </message>
    <message>
        <source>not a loudness</source>
        <translation>non è un volume percepito</translation>
    </message>
    <message>
        <source>not a peak level</source>
        <translation>non è un livello di picco</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>non è un testo</translation>
    </message>
    <message>
        <source>not &quot;PAL&quot; or &quot;NTSC&quot;</source>
        <translation>né «PAL» né «NTSC»</translation>
    </message>
    <message>
        <source>not 1, 2 or 6</source>
        <translation>né 1, 2 né 6</translation>
    </message>
    <message>
        <source>not &quot;repeat&quot; or &quot;stop&quot;</source>
        <translation>né «repeat» né «stop»</translation>
    </message>
    <message>
        <source>not 25, 30, 50 or 60</source>
        <translation>né 25, 30, 50 né 60</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire il progetto %1: %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (%2 MB; a project is at most %3 MB).</source>
        <translation>Impossibile aprire il progetto %1: è troppo grande (%2 MB; un progetto è al massimo %3 MB).</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is too large (a project is at most %2 MB).</source>
        <translation>Impossibile aprire il progetto %1: è troppo grande (un progetto è al massimo %2 MB).</translation>
    </message>
</context>
<context>
    <name>Project::Reader</name>
    <message>
        <source>not true or false</source>
        <translation>né true né false</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>non è un numero intero</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 è fuori da %2 a %3</translation>
    </message>
    <message>
        <source>%1 was %2; the editor takes %3 to %4, so it is now %5.</source>
        <translation>%1 era %2; l&apos;editor accetta da %3 a %4, quindi ora è %5.</translation>
    </message>
    <message>
        <source>not one of the choices</source>
        <translation>non è una delle scelte</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativo</translation>
    </message>
    <message>
        <source>not a text</source>
        <translation>non è un testo</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>non è un oggetto</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <translation>né 0 né 1</translation>
    </message>
    <message>
        <source>not a list of four numbers</source>
        <translation>non è un elenco di quattro numeri</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Impossibile avviare il programma. Reinstallalo.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>SkinModel</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>VideoGeneration</name>
    <message>
        <source>Cannot render the slideshow: %1</source>
        <translation>Impossibile eseguire il rendering della presentazione: %1</translation>
    </message>
    <message>
        <source>Cannot write the video: %1</source>
        <translation>Impossibile scrivere il video: %1</translation>
    </message>
    <message>
        <source>Cannot create the video file: %1</source>
        <translation>Impossibile creare il file video: %1</translation>
    </message>
    <message>
        <source>Cannot start encoding: %1</source>
        <translation>Impossibile avviare la codifica: %1</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2: %3</source>
        <translation>Impossibile rinominare %1 in %2: %3</translation>
    </message>
</context>
<context>
    <name>WaitForDiscDialog</name>
    <message>
        <source>Required disc type:</source>
        <translation>Tipo di disco richiesto:</translation>
    </message>
    <message>
        <source>Disc type from the recorder:</source>
        <translation>Tipo di disco secondo il masterizzatore:</translation>
    </message>
    <message>
        <source>Capacity needed:</source>
        <translation>Capacità necessaria:</translation>
    </message>
    <message>
        <source>Free space on the disc:</source>
        <translation>Spazio libero sul disco:</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignora</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Are you sure you want to abort?</source>
        <translation>Vuoi davvero annullare?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the running editor did not answer; the files were not opened</source>
        <translation>l&apos;editor già aperto non ha risposto; i file non sono stati aperti</translation>
    </message>
</context>
</TS>
